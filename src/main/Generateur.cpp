#include "main/Generateur.h"

#include <array>
#include <optional>
#include <string_view>
#include <thread>
#include <tuple>

#include "analysis/CellulesAffichage.h"
#include "analysis/EvaluationFormules.h"
#include "main/SauvegardeGroupe.h"
#include "main/Statut.h"
#include "main/TravauxEnAvance.h"
#include "series/Fonctions.h"
#include "shell/Emplacements.h"
#include "shell/INI.h"
#include "shell/Plotanex.h"
#include "shell/TableOptions.h"
#include "store/Arrondi.h"

namespace vantorelle {

namespace {

constexpr std::array<std::string_view, 4> clésBourse{Clés::Période, Clés::Période2, Clés::TailleMarubozu,
                                                     Clés::Tolérance};

bool estVide(const Valeur& v) { return v.estVide() || (v.estTexte() && std::get<std::string>(v.contenu()).empty()); }

bool estVrai(const Valeur& v) { return v.genre() == Genre::Booléen && std::get<bool>(v.contenu()); }

}  // namespace

Générateur::Générateur(const INI& ini, TableauDeBord& tableau, Traduction traduire)
    : ini_(ini),
      tableau_(tableau),
      traduire_(std::move(traduire)),
      fils_(std::max(std::thread::hardware_concurrency(), 1u)),
      constantesFormules_(bourses_.bc.Constantes()) {}

void Générateur::ChargerFormules() {
    formulesImposées_ = false;
    Fonctions& fonctions = Fonctions::globale();
    if (ini_.Value(SectionChemins, Clés::AvecFormules, "") != "1") {
        fonctions.vider();
        nombreFormules_ = 0;
        tableau_.Largeur(TableauDeBord::Formules, 0);
        return;
    }
    fonctions.Charger(FichierProgramme("Formules.txt"));
    tableau_.Largeur(TableauDeBord::Formules, 1400);
    nombreFormules_ = fonctions.Count();
    for (std::int32_t j = 1; j <= nombreFormules_; ++j) fonctions.Item(j).Constantes(constantesFormules_);
}

void Générateur::ChargerFormules(const std::filesystem::path& fichier) {
    Fonctions& fonctions = Fonctions::globale();
    fonctions.Charger(fichier);
    formulesImposées_ = true;
    tableau_.Largeur(TableauDeBord::Formules, 1400);
    nombreFormules_ = fonctions.Count();
    for (std::int32_t j = 1; j <= nombreFormules_; ++j) fonctions.Item(j).Constantes(constantesFormules_);
}

bool Générateur::formulesActives() const {
    return formulesImposées_ || ini_.Value(SectionChemins, Clés::AvecFormules, "") == "1";
}

Jour Générateur::DateDernierCours(Jour aujourdhui) {
    std::string chemin = FichierHisto(codeRéférence);
    if (chemin.empty()) return aujourdhui;
    BourseCollection& bc = bourses_.bc;
    bc.ChargeFichier(codeRéférence, nomRéférence, chemin, BourseCollection::DébutDuFichier,
                      BourseCollection::FinDuFichier, 50);
    if (bc.Nombre < 1) return aujourdhui;
    return BourseCollection::ToDate(bc.Date.Item(bc.Nombre).texte()).plus(1);
}

std::int64_t Générateur::Recul(double période, PériodeBougie bougie) {
    auto jours = static_cast<std::int64_t>(arrondiPair((période + 10) * 7 / 5));
    if (bougie == PériodeBougie::Semaine) return jours * 5;
    if (bougie == PériodeBougie::Mois) return jours * 22;
    return jours;
}

std::string Générateur::CléDeDébut(Jour début, PériodeBougie bougie) {
    std::string jour = début.texte();
    if (bougie == PériodeBougie::Semaine) return BourseCollection::CleSemaine(jour);
    if (bougie == PériodeBougie::Mois) return jour.substr(0, 6);
    return jour;
}

void Générateur::Générer(const ParamètresScan& p, SuiviScan& suivi) {
    tableau_.NbLignes = 0;
    tableau_.Compteurs.Initialiser();
    if (!suivi.ArrêtDemandé()) {
        nomsTraduits_.clear();
        suivi.Statut(traduire_(sectionInterface, "Génération en cours") + " ...");
        tableau_.Vider();
        const auto n = static_cast<std::int32_t>(p.valeurs.size());
        const Réglages réglages = lireRéglages();
        // Formulas are evaluated through the global collection, so with formulas one security at a time.
        const std::size_t ouvriers = réglages.formules && nombreFormules_ > 0 ? 1 : std::min<std::size_t>(fils_, n);
        std::vector<Bourses> bourses(ouvriers > 1 ? ouvriers : 0);
        std::optional<TravauxEnAvance> enAvance;
        if (ouvriers > 1)
            enAvance.emplace(n, ouvriers, [&](std::size_t k, std::size_t ouvrier, LignesValeur& résultat) {
                analyser(bourses[ouvrier], p.valeurs[k], p, réglages, résultat);
            });
        for (std::int32_t k = 1, faits = 0; k <= n; ++k) {
            if (enAvance) {
                publier(enAvance->suivant(), suivi);
            } else {
                analyser(bourses_, p.valeurs[static_cast<std::size_t>(k - 1)], p, réglages, lignes_);
                publier(lignes_, suivi);
            }
            if (suivi.ArrêtDemandé()) break;
            ++faits;
            suivi.Progression(static_cast<int>(static_cast<double>(faits) / n * 100));
        }
    }
    fermer(suivi);
}

void Générateur::fermer(SuiviScan& suivi) {
    tableau_.CliquerColonne(TableauDeBord::Nom);
    tableau_.CliquerColonne(TableauDeBord::Chandelier);
    tableau_.Croissant(true);
    tableau_.CliquerColonne(TableauDeBord::Pondération);
    sauverGroupeVantorelle(tableau_, CheminBase());
    suivi.Statut(StatusEcrire(tableau_.Compteurs, traduire_));
}

const std::string& Générateur::nomTraduit(std::string_view nom) {
    auto trouvé = nomsTraduits_.find(nom.data());
    if (trouvé == nomsTraduits_.end())
        trouvé = nomsTraduits_.emplace(nom.data(), traduire_("Chandeliers", std::string(nom))).first;
    return trouvé->second;
}

void Générateur::publier(LignesValeur& lignes, SuiviScan& suivi) {
    tableau_.Compteurs.Ajouter(lignes.compteurs);
    LignesValeur::Cellules cellules;
    for (std::size_t k = 0; k < lignes.nombre(); ++k) {
        const std::size_t nombre = lignes.ligne(k, cellules);
        std::string& figure = figureTraduite_;
        figure = nomTraduit(cellules[TableauDeBord::Chandelier]);
        figure.append(" (").push_back(lignes.signe(k));
        figure.push_back(')');
        cellules[TableauDeBord::Chandelier] = figure;
        tableau_.Ajouter(std::span(cellules.data(), nombre));
        ++tableau_.NbLignes;
        suivi.LigneAjoutée(tableau_.Nombre() - 1);
    }
    if (lignes.erreur) std::rethrow_exception(lignes.erreur);
}

namespace {

void compter(CompteursStat& c, const Fonction& s, std::int32_t i, int r, const Fonction& t) {
    if (i < 2 || estVide(s.Item(i))) return;
    using S = CompteursStat;
    const double v = s.Item(i).enDouble(), avant = s.Item(i - 1).enDouble();
    c.AjouterSens(r, S::Hausse, v > avant, v < avant);
    const double tendance = t.Item(i).enDouble();
    c.AjouterSens(r, S::TendanceHausse, tendance == 2, tendance == 1);
    c.Ajouter(r, S::Plus50, v > 50);
    c.Ajouter(r, S::Moins50, v < 50);
    c.Ajouter(r, S::Plus70, v > 70);
    c.Ajouter(r, S::Moins30, v < 30);
}

}  // namespace

Générateur::Réglages Générateur::lireRéglages() const {
    Réglages réglages;
    for (std::size_t k = 0; k < clésBourse.size(); ++k)
        réglages.bourse[k] = ini_.Value(SectionBourse, clésBourse[k], "");
    réglages.historiques = LireDossierHistoriques();
    réglages.formules = formulesActives();
    return réglages;
}

void Générateur::ScannerValeur(const ValeurGroupe& valeur, const ParamètresScan& p, SuiviScan& suivi) {
    analyser(bourses_, valeur, p, lireRéglages(), lignes_);
    publier(lignes_, suivi);
}

void Générateur::analyser(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& p,
                          const Réglages& réglages, LignesValeur& lignes) const {
    lignes.vider();
    try {
        remplir(bourses, valeur, p, réglages, lignes);
    } catch (...) {
        lignes.erreur = std::current_exception();
    }
}

void Générateur::remplir(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& p,
                         const Réglages& réglages, LignesValeur& lignes) const {
    BourseCollection& bc = bourses.bc;
    // Weekly and monthly scans group the days as they are read, through an object of their own that holds
    // the options and keeps its memory from one security to the next.
    const bool quotidien = p.période == PériodeBougie::Jour;
    BourseCollection& jours = quotidien ? bc : bourses.jours;
    jours.Options.Clear();
    jours.Options.Add(OptionsAnalyse::AvecTendance, Valeur(static_cast<std::int16_t>(p.avecTendance ? 1 : 0)));
    for (std::size_t k = 0; k < clésBourse.size(); ++k) jours.Options.Add(clésBourse[k], Valeur(réglages.bourse[k]));

    const std::int64_t recul = Recul(jours.Options.enDouble(OptionsAnalyse::Période), p.période);
    const Jour dernier = p.confirmation ? p.au.plus(1) : p.au;
    const std::string fichier = FichierHistoDans(réglages.historiques, valeur.code);
    if (quotidien) {
        bc.ChargeFichier(valeur.code, valeur.nom, fichier, p.du.plus(-recul), dernier, 0);
    } else {
        bc = jours.ChargePériodes(valeur.code, valeur.nom, fichier, p.du.plus(-recul), dernier,
                                  p.période == PériodeBougie::Semaine);
    }

    const std::int32_t n = bc.Nombre;
    if (n < 1) return;
    const std::string cléDébut = CléDeDébut(p.du, p.période);
    std::int32_t s = 999999999;
    for (std::int32_t i = 1; i <= n; ++i)
        if (bc.Date.Item(i).texte() >= cléDébut) {
            s = i;
            break;
        }
    if (s > n) return;
    bc.ChargeChandeliers(s);
    bc.ChargePondération();

    const std::int16_t période = bc.période(), période2 = bc.période2();
    // Each trend serves both the statistics and the cells; the cell texts are made for the rows kept only.
    const Fonction tendanceClôture = bc.Clôture.Tendance(période);
    const auto cellulesClôture = CellulesAffichage::variation(bc, bc.Clôture, tendanceClôture);
    const Fonction volatilité = bc.Volatilité();
    const TendanceEtMoyenne tendanceVolatilité = tendanceEtMoyenne(volatilité, période);
    const auto cellulesVolatilité = CellulesAffichage::variationMoyenne(bc, volatilité, tendanceVolatilité, "00.00");
    Fonction volume = bc.Volume.Dup();
    for (std::int32_t i = 1; i <= volume.Longueur(); ++i)
        volume.Item(i, Valeur(Round3(volume.Item(i).enDouble() / 1000000)));
    const TendanceEtMoyenne tendanceVolume = tendanceEtMoyenne(volume, période);
    const auto cellulesVolume = CellulesAffichage::variationMoyenne(bc, volume, tendanceVolume, "0.000");
    const Fonction rsi = bc.Clôture.RSI(période);
    const TendanceEtMoyenne tendanceRsi = tendanceEtMoyenne(rsi, période);
    const auto cellulesRsi = CellulesAffichage::variationMoyenne(bc, rsi, tendanceRsi, "00.00");
    const Fonction stoch = bc.Stoch(période, période2);
    const TendanceEtMoyenne tendanceStoch = tendanceEtMoyenne(stoch, période);
    const auto cellulesStoch = CellulesAffichage::variationMoyenne(bc, stoch, tendanceStoch, "00.00");

    Fonctions& fonctions = Fonctions::globale();
    // Without a formula, publishing the series would change nothing: their one failure, the volatility's,
    // has already come above.
    const bool avecFormules = réglages.formules && nombreFormules_ > 0;
    if (avecFormules) évaluerLesFormules(bc, nombreFormules_);

    std::array<std::string, TableauDeBord::nombreColonnes> tampons;
    const auto texteDans = [&tampons](TableauDeBord::Colonne colonne, std::string texte) -> std::string_view {
        return tampons[colonne] = std::move(texte);
    };
    std::array<std::string_view, TableauDeBord::nombreColonnes> cellules;
    using C = TableauDeBord::Colonne;
    const std::pair<C, const CellulesAffichage*> indicateurs[] = {{C::Clôture, &cellulesClôture},
                                                                  {C::Volatilité, &cellulesVolatilité},
                                                                  {C::Volume, &cellulesVolume},
                                                                  {C::RSI, &cellulesRsi},
                                                                  {C::Stoch, &cellulesStoch}};
    using S = CompteursStat;
    const std::tuple<S::Ligne, const Fonction*, const Fonction*> comptées[] = {
        {S::Clôture, &bc.Clôture, &tendanceClôture},
        {S::Volatilité, &volatilité, &tendanceVolatilité.tendance},
        {S::Volume, &volume, &tendanceVolume.tendance},
        {S::RSI, &rsi, &tendanceRsi.tendance},
        {S::Stoch, &stoch, &tendanceStoch.tendance}};
    lignes.valeur(bc.Code, bc.Nom);
    for (std::int32_t i = s; i <= n; ++i) {
        if (p.confirmation) {
            const double code = bc.Chandeliers.Item(i).enDouble();
            if (code == 100 || code == 200 || code == 400) continue;
            if (!bc.ChandelierConfirmé(i) || i == n) continue;
        }
        const double code = bc.Chandeliers.Item(i).enDouble();
        lignes.compteurs.AjouterSens(S::Chandelier, S::Hausse, (code >= 201) & (code <= 299),
                                     (code >= 101) & (code <= 199));
        for (const auto& [ligne, série, tendance] : comptées) compter(lignes.compteurs, *série, i, ligne, *tendance);

        cellules[C::Date] = texteDans(C::Date, bc.Date.Item(i).texte());
        const std::int32_t figure = bc.Chandelier(i), famille = bc.TypeChandelier(i);
        const char signe = figure == 100 || figure == 200 || famille == 3 || famille == 4 ? '='
                           : famille == 1                                                 ? '/'
                                                                                          : '\\';
        cellules[C::Chandelier] = bc.nomDuChandelier(i);
        std::string& formulesVraies = tampons[C::Formules];
        formulesVraies.clear();
        if (avecFormules) {
            for (std::int32_t j = 1; j <= nombreFormules_; ++j) {
                const Fonction& formule = fonctions.Item(j);
                if (estVrai(formule.Item(i))) formulesVraies += formule.Nom() + " | ";
            }
        }
        cellules[C::Formules] = formulesVraies;
        for (const auto& [colonne, cellulesDe] : indicateurs) {
            cellulesDe->écrire(i, tampons[colonne]);
            cellules[colonne] = tampons[colonne];
        }
        cellules[C::Pondération] = texteDans(C::Pondération, bc.Pondération.Item(i).texte());
        // A row holds the formula cell only when a formula wrote into it.
        lignes.ajouter(std::span(cellules.data(), formulesVraies.empty() ? 10 : 11), signe);
    }
}

}  // namespace vantorelle
