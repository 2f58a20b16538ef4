#include "main/Generateur.h"

#include <array>
#include <string_view>

#include "analysis/CellulesAffichage.h"
#include "analysis/EvaluationFormules.h"
#include "main/SauvegardeGroupe.h"
#include "main/Statut.h"
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
    : ini_(ini), tableau_(tableau), traduire_(std::move(traduire)), constantesFormules_(bc_.Constantes()) {}

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
    bc_.ChargeFichier(codeRéférence, nomRéférence, chemin, BourseCollection::DébutDuFichier,
                      BourseCollection::FinDuFichier, 50);
    if (bc_.Nombre < 1) return aujourdhui;
    return BourseCollection::ToDate(bc_.Date.Item(bc_.Nombre).texte()).plus(1);
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
        for (std::int32_t k = 1, faits = 0; k <= n; ++k) {
            scanner(p.valeurs[static_cast<std::size_t>(k - 1)], p, suivi, réglages);
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

const std::string& Générateur::nomTraduit(const std::string& nom) {
    auto trouvé = nomsTraduits_.find(nom);
    if (trouvé == nomsTraduits_.end()) trouvé = nomsTraduits_.emplace(nom, traduire_("Chandeliers", nom)).first;
    return trouvé->second;
}

void Générateur::compter(const Fonction& s, std::int32_t i, int r, const Fonction& t) {
    if (i < 2 || estVide(s.Item(i))) return;
    using S = CompteursStat;
    CompteursStat& c = tableau_.Compteurs;
    const double v = s.Item(i).enDouble(), avant = s.Item(i - 1).enDouble();
    c.Ajouter(r, v > avant ? S::Hausse : v < avant ? S::Baisse : S::Neutre);
    const double tendance = t.Item(i).enDouble();
    c.Ajouter(r, tendance == 2 ? S::TendanceHausse : tendance == 1 ? S::TendanceBaisse : S::TendanceNeutre);
    if (v > 50) c.Ajouter(r, S::Plus50);
    else if (v < 50) c.Ajouter(r, S::Moins50);
    if (v > 70) c.Ajouter(r, S::Plus70);
    else if (v < 30) c.Ajouter(r, S::Moins30);
}

Générateur::Réglages Générateur::lireRéglages() const {
    Réglages réglages;
    for (std::size_t k = 0; k < clésBourse.size(); ++k)
        réglages.bourse[k] = ini_.Value(SectionBourse, clésBourse[k], "");
    réglages.historiques = RépertoireHistoriques();
    réglages.formules = formulesActives();
    return réglages;
}

void Générateur::ScannerValeur(const ValeurGroupe& valeur, const ParamètresScan& p, SuiviScan& suivi) {
    scanner(valeur, p, suivi, lireRéglages());
}

void Générateur::scanner(const ValeurGroupe& valeur, const ParamètresScan& p, SuiviScan& suivi,
                         const Réglages& réglages) {
    bc_.Options.Clear();
    bc_.Options.Add(OptionsAnalyse::AvecTendance, Valeur(static_cast<std::int16_t>(p.avecTendance ? 1 : 0)));
    for (std::size_t k = 0; k < clésBourse.size(); ++k) bc_.Options.Add(clésBourse[k], Valeur(réglages.bourse[k]));

    const std::int64_t recul = Recul(bc_.Options.enDouble(OptionsAnalyse::Période), p.période);
    const Jour dernier = p.confirmation ? p.au.plus(1) : p.au;
    bc_.ChargeFichier(valeur.code, valeur.nom, FichierHistoDans(réglages.historiques, valeur.code),
                      p.du.plus(-recul), dernier, 0);
    if (p.période == PériodeBougie::Semaine) bc_ = bc_.ConvertirEnSemaines();
    else if (p.période == PériodeBougie::Mois) bc_ = bc_.ConvertirEnMois();

    const std::int32_t n = bc_.Nombre;
    if (n < 1) return;
    const std::string cléDébut = CléDeDébut(p.du, p.période);
    std::int32_t s = 999999999;
    for (std::int32_t i = 1; i <= n; ++i)
        if (bc_.Date.Item(i).texte() >= cléDébut) {
            s = i;
            break;
        }
    if (s > n) return;
    bc_.ChargeChandeliers(s);
    bc_.ChargePondération();

    const std::int16_t période = bc_.période(), période2 = bc_.période2();
    // Each trend serves both the statistics and the cells; the cell texts are made for the rows kept only.
    const Fonction tendanceClôture = bc_.Clôture.Tendance(période);
    const auto cellulesClôture = CellulesAffichage::variation(bc_, bc_.Clôture, tendanceClôture);
    const Fonction volatilité = bc_.Volatilité();
    const TendanceEtMoyenne tendanceVolatilité = tendanceEtMoyenne(volatilité, période);
    const auto cellulesVolatilité = CellulesAffichage::variationMoyenne(bc_, volatilité, tendanceVolatilité, "00.00");
    Fonction volume = bc_.Volume.Dup();
    for (std::int32_t i = 1; i <= volume.Longueur(); ++i)
        volume.Item(i, Valeur(Round3(volume.Item(i).enDouble() / 1000000)));
    const TendanceEtMoyenne tendanceVolume = tendanceEtMoyenne(volume, période);
    const auto cellulesVolume = CellulesAffichage::variationMoyenne(bc_, volume, tendanceVolume, "0.000");
    const Fonction rsi = bc_.Clôture.RSI(période);
    const TendanceEtMoyenne tendanceRsi = tendanceEtMoyenne(rsi, période);
    const auto cellulesRsi = CellulesAffichage::variationMoyenne(bc_, rsi, tendanceRsi, "00.00");
    const Fonction stoch = bc_.Stoch(période, période2);
    const TendanceEtMoyenne tendanceStoch = tendanceEtMoyenne(stoch, période);
    const auto cellulesStoch = CellulesAffichage::variationMoyenne(bc_, stoch, tendanceStoch, "00.00");

    Fonctions& fonctions = Fonctions::globale();
    // Without a formula, publishing the series would change nothing: their one failure, the volatility's,
    // has already come above.
    const bool avecFormules = réglages.formules && nombreFormules_ > 0;
    if (avecFormules) évaluerLesFormules(bc_, nombreFormules_);

    std::array<std::string, TableauDeBord::nombreColonnes> tampons;
    const auto texteDans = [&tampons](TableauDeBord::Colonne colonne, std::string texte) -> std::string_view {
        return tampons[colonne] = std::move(texte);
    };
    std::array<std::string_view, TableauDeBord::nombreColonnes> cellules;
    for (std::int32_t i = s; i <= n; ++i) {
        if (p.confirmation) {
            const double code = bc_.Chandeliers.Item(i).enDouble();
            if (code == 100 || code == 200 || code == 400) continue;
            if (!bc_.ChandelierConfirmé(i) || i == n) continue;
        }
        const double code = bc_.Chandeliers.Item(i).enDouble();
        using S = CompteursStat;
        tableau_.Compteurs.Ajouter(S::Chandelier,
                                   code >= 101 && code <= 199   ? S::Baisse
                                   : code >= 201 && code <= 299 ? S::Hausse
                                                                : S::Neutre);
        compter(bc_.Clôture, i, S::Clôture, tendanceClôture);
        compter(volatilité, i, S::Volatilité, tendanceVolatilité.tendance);
        compter(volume, i, S::Volume, tendanceVolume.tendance);
        compter(rsi, i, S::RSI, tendanceRsi.tendance);
        compter(stoch, i, S::Stoch, tendanceStoch.tendance);

        using C = TableauDeBord::Colonne;
        cellules[C::Date] = texteDans(C::Date, bc_.Date.Item(i).texte());
        cellules[C::Code] = bc_.Code;
        cellules[C::Nom] = bc_.Nom;
        const std::int32_t figure = bc_.Chandelier(i), famille = bc_.TypeChandelier(i);
        const char* signe = figure == 100 || figure == 200 || famille == 3 || famille == 4 ? "="
                            : famille == 1                                                 ? "/"
                                                                                           : "\\";
        tampons[C::Chandelier] = nomTraduit(bc_.ChandelierToString(i)) + " (" + signe + ")";
        cellules[C::Chandelier] = tampons[C::Chandelier];
        std::string& formulesVraies = tampons[C::Formules];
        formulesVraies.clear();
        if (avecFormules) {
            for (std::int32_t j = 1; j <= nombreFormules_; ++j) {
                const Fonction& formule = fonctions.Item(j);
                if (estVrai(formule.Item(i))) formulesVraies += formule.Nom() + " | ";
            }
        }
        cellules[C::Formules] = formulesVraies;
        cellules[C::Clôture] = texteDans(C::Clôture, cellulesClôture.texte(i));
        cellules[C::Volatilité] = texteDans(C::Volatilité, cellulesVolatilité.texte(i));
        cellules[C::Volume] = texteDans(C::Volume, cellulesVolume.texte(i));
        cellules[C::RSI] = texteDans(C::RSI, cellulesRsi.texte(i));
        cellules[C::Stoch] = texteDans(C::Stoch, cellulesStoch.texte(i));
        cellules[C::Pondération] = texteDans(C::Pondération, bc_.Pondération.Item(i).texte());
        // A row holds the formula cell only when a formula wrote into it.
        tableau_.Ajouter(std::span(cellules.data(), formulesVraies.empty() ? 10 : 11));
        ++tableau_.NbLignes;
        suivi.LigneAjoutée(tableau_.Nombre() - 1);
    }
}

}  // namespace vantorelle
