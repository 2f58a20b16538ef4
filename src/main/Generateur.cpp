#include "main/Generateur.h"

#include <cerrno>
#include <optional>
#include <string_view>
#include <thread>
#include <tuple>

#include "analysis/CellulesAffichage.h"
#include "analysis/Catalogue.h"
#include "analysis/EvaluationFormules.h"
#include "main/TravauxEnAvance.h"
#include "series/VerificationFormules.h"
#include "shell/TableOptions.h"
#include "store/Arrondi.h"
#include "store/Fichier.h"
#include "store/ErreurSysteme.h"
#include "store/LecturePositionnee.h"

namespace vantorelle {

namespace {

constexpr std::array<std::string_view, 4> clésBourse{Clés::Période, Clés::Période2, Clés::TailleMarubozu,
                                                     Clés::Tolérance};

bool estVide(const Valeur& v) { return v.estVide() || (v.estTexte() && std::get<std::string>(v.contenu()).empty()); }

bool estVrai(const Valeur& v) { return v.genre() == Genre::Booléen && std::get<bool>(v.contenu()); }

/// The quote series whose length a load raises and never lowers.
std::array<Fonction*, 8> sériesChargées(BourseCollection& bc) {
    return {&bc.Date, &bc.Ouverture, &bc.Maximum, &bc.Minimum, &bc.Clôture, &bc.Volume, &bc.Chandeliers,
            &bc.Pondération};
}

void donnerLaLongueur(BourseCollection& bc, std::int32_t longueur) {
    for (Fonction* série : sériesChargées(bc)) série->Longueur(longueur);
}

/// Publishes the series length after a security's load, or, when the load failed, what it left.
class PublicationDeLongueur {
public:
    PublicationDeLongueur(const RangEnOrdre* rang, const BourseCollection& bc, bool remplacée)
        : rang_(rang), bc_(bc), remplacée_(remplacée) {}
    ~PublicationDeLongueur() {
        // A failed weekly or monthly load leaves the object as it was; a failed daily one may have grown it.
        if (rang_ && !faite_)
            rang_->longueurs.publier(rang_->k, remplacée_ ? std::nullopt : std::optional(bc_.Clôture.Longueur()));
    }
    PublicationDeLongueur(const PublicationDeLongueur&) = delete;
    PublicationDeLongueur& operator=(const PublicationDeLongueur&) = delete;

    void publier() {
        if (!rang_) return;
        rang_->longueurs.publier(rang_->k, bc_.Clôture.Longueur());
        faite_ = true;
    }

private:
    const RangEnOrdre* rang_;
    const BourseCollection& bc_;
    bool remplacée_;
    bool faite_ = false;
};

/// Ends the turns when the scan ends, so that no worker waits for a turn that will not come.
class FinDesTours {
public:
    explicit FinDesTours(TourDeRôle& tour) : tour_(tour) {}
    ~FinDesTours() { tour_.abandonner(); }
    FinDesTours(const FinDesTours&) = delete;
    FinDesTours& operator=(const FinDesTours&) = delete;

private:
    TourDeRôle& tour_;
};

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

/// The sign shown after a figure's name: '=' for a plain candle or a neutral or undetermined figure, '/'
/// for a bullish one, '\' for a bearish one.
char signeDeLaFigure(std::int32_t figure, std::int32_t famille) {
    if (figure == Catalogue::BougieNoire || figure == Catalogue::BougieBlanche || famille == Catalogue::Neutre ||
        famille == Catalogue::Indéterminée)
        return '=';
    return famille == Catalogue::Haussière ? '/' : '\\';
}

/// The securities without a history, told once for the group: how many, and the first.
class SansHistorique {
public:
    void compter(const LignesValeur& lignes, const ValeurGroupe& valeur) {
        if (lignes.sansHistorique && nombre_++ == 0) première_ = &valeur;
    }
    void avertir(const ParamètresScan& p, Progression& suivi) const {
        if (nombre_ > 0)
            suivi.Avertir({p.fichierGroupe, première_->ligne,
                           std::to_string(nombre_) + " valeur(s) sans historique (la première ici : « " +
                               champCité(première_->code) + " »)"});
    }

private:
    std::int64_t nombre_ = 0;
    const ValeurGroupe* première_ = nullptr;
};

/// The indicator series of a security and their cells, each trend serving both the statistics and the cells.
struct Indicateurs {
    explicit Indicateurs(BourseCollection& bc)
        : période(bc.période()),
          période2(bc.période2()),
          tendanceClôture(bc.Clôture.Tendance(période)),
          clôture(CellulesAffichage::variation(bc, bc.Clôture, tendanceClôture)),
          volatilité(bc.Volatilité()),
          tendanceVolatilité(tendanceEtMoyenne(volatilité, période)),
          cellulesVolatilité(CellulesAffichage::variationMoyenne(bc, volatilité, tendanceVolatilité, "00.00")),
          volume(volumeEnMillions(bc)),
          tendanceVolume(tendanceEtMoyenne(volume, période)),
          cellulesVolume(CellulesAffichage::variationMoyenne(bc, volume, tendanceVolume, "0.000")),
          rsi(bc.Clôture.RSI(période)),
          tendanceRsi(tendanceEtMoyenne(rsi, période)),
          cellulesRsi(CellulesAffichage::variationMoyenne(bc, rsi, tendanceRsi, "00.00")),
          stoch(bc.Stoch(période, période2)),
          tendanceStoch(tendanceEtMoyenne(stoch, période)),
          cellulesStoch(CellulesAffichage::variationMoyenne(bc, stoch, tendanceStoch, "00.00")) {}

    static Fonction volumeEnMillions(const BourseCollection& bc) {
        Fonction volume = bc.Volume.Dup();
        for (std::int32_t i = 1; i <= volume.Longueur(); ++i)
            volume.Item(i, Valeur(Round3(volume.Item(i).enDouble() / 1000000)));
        return volume;
    }

    std::int16_t période;
    std::int16_t période2;
    Fonction tendanceClôture;
    CellulesAffichage clôture;
    Fonction volatilité;
    TendanceEtMoyenne tendanceVolatilité;
    CellulesAffichage cellulesVolatilité;
    Fonction volume;
    TendanceEtMoyenne tendanceVolume;
    CellulesAffichage cellulesVolume;
    Fonction rsi;
    TendanceEtMoyenne tendanceRsi;
    CellulesAffichage cellulesRsi;
    Fonction stoch;
    TendanceEtMoyenne tendanceStoch;
    CellulesAffichage cellulesStoch;
};

}  // namespace

Générateur::Générateur(const Emplacements& emplacements, Traduction traduire)
    : emplacements_(emplacements),
      ini_(emplacements, 1, std::string(TitreApplication)),
      traduire_(std::move(traduire)),
      fils_(std::max(std::thread::hardware_concurrency(), 1u)),
      constantesFormules_(bourses_.bc.Constantes()) {}

void Générateur::ChargerFormules() {
    formulesImposées_ = false;
    avertissementsFormules_.clear();
    if (ini_.Value(SectionChemins, Clés::AvecFormules, "") != "1") {
        formulesChargées_ = false;
        formules_.vider();
        nombreFormules_ = 0;
        return;
    }
    const std::filesystem::path fichier = emplacements_.FichierProgramme("Formules.txt");
    chargerFormules(fichier);
    if (!Fichier(fichier.string()).Existe())
        avertissementsFormules_.push_back({fichier.string(), 0, "fichier de formules introuvable : aucune formule"});
}

void Générateur::ChargerFormules(const std::filesystem::path& fichier) {
    // A file named on purpose must be there: a scan without the formulas asked for would mislead.
    std::uint64_t lus = 0;
    if (!LecturePositionnée::siFichierRégulier(fichier.string(), lus)) {
        std::error_code erreur;
        const bool dossier = std::filesystem::is_directory(fichier, erreur);
        throw erreurSysteme(fichier, "lecture impossible", dossier ? EISDIR : ENOENT);
    }
    chargerFormules(fichier);
    formulesImposées_ = true;
}

void Générateur::chargerFormules(const std::filesystem::path& fichier) {
    formulesChargées_ = true;
    formules_.Charger(fichier);
    nombreFormules_ = formules_.Count();
    for (std::int32_t j = 1; j <= nombreFormules_; ++j) formules_.Item(j).Constantes(constantesFormules_);
    avertissementsFormules_ = vérifierFormules(formules_, fichier);
}

Jour Générateur::DateDernierCours(Jour aujourdhui) {
    std::string chemin = FichierHisto(emplacements_, codeRéférence);
    if (chemin.empty()) return aujourdhui;
    BourseCollection& bc = bourses_.bc;
    bc.ChargeFichier(codeRéférence, nomRéférence, chemin, BourseCollection::DébutDuFichier,
                     BourseCollection::FinDuFichier, 50);
    if (bc.Nombre < 1) return aujourdhui;
    return BourseCollection::ToDate(bc.Date.Item(bc.Nombre).texte()).plus(1);
}

Générateur::Réglages Générateur::lireRéglages() const {
    Réglages réglages;
    for (std::size_t k = 0; k < clésBourse.size(); ++k)
        réglages.bourse[k] = ini_.Value(SectionBourse, clésBourse[k], "");
    réglages.historiques = LireDossierHistoriques(emplacements_);
    réglages.formules = formulesImposées_ || ini_.Value(SectionChemins, Clés::AvecFormules, "") == "1";
    return réglages;
}

void Générateur::Générer(const ParamètresScan& p, SuiviScan& suivi) {
    suivi.Statut(traduire_(sectionInterface, "Génération en cours") + " ...");
    const auto n = static_cast<std::int32_t>(p.valeurs.size());
    const Réglages réglages = lireRéglages();
    const std::size_t ouvriers = std::min<std::size_t>(fils_, n);
    SansHistorique sansHistorique;
    if (ouvriers <= 1) {
        for (std::int32_t k = 1; k <= n; ++k) {
            const ValeurGroupe& valeur = p.valeurs[static_cast<std::size_t>(k - 1)];
            analyser(bourses_, valeur, p, réglages, lignes_, nullptr);
            suivi.ValeurTerminée(lignes_);
            if (lignes_.erreur) std::rethrow_exception(lignes_.erreur);
            sansHistorique.compter(lignes_, valeur);
            if (suivi.ArrêtDemandé()) break;
            suivi.Pourcentage(static_cast<int>(static_cast<double>(k) / n * 100));
        }
        sansHistorique.avertir(p, suivi);
        return;
    }

    // Each worker has quote objects of its own; the generation's own object ends as if it had scanned the
    // securities whose results were read.
    std::vector<Bourses> bourses(ouvriers);
    LongueursEnOrdre longueurs(n, bourses_.bc.Clôture.Longueur(), p.période != PériodeBougie::Jour);
    TourDeRôle tour;
    std::size_t lus = 0;
    const auto longueurFinale = [&] {
        if (lus > 0) donnerLaLongueur(bourses_.bc, longueurs.après(lus - 1));
    };
    // With formulas, security k waits for the reader to take k − 1: the reader must not wait for later ones.
    const bool enTour = réglages.formules && nombreFormules_ > 0;
    TravauxEnAvance enAvance(n, ouvriers, [&](std::size_t k, std::size_t ouvrier, LignesValeur& résultat) {
        const Ordre ordre{{longueurs, k}, tour};
        analyser(bourses[ouvrier], p.valeurs[k], p, réglages, résultat, &ordre);
    }, !enTour);
    const FinDesTours fin(tour);
    for (std::int32_t k = 1; k <= n; ++k) {
        const LignesValeur& résultat = enAvance.suivant();
        ++lus;
        suivi.ValeurTerminée(résultat);
        if (résultat.erreur) {
            longueurFinale();
            std::rethrow_exception(résultat.erreur);
        }
        sansHistorique.compter(résultat, p.valeurs[static_cast<std::size_t>(k - 1)]);
        if (suivi.ArrêtDemandé()) break;
        tour.ouvrir(static_cast<std::size_t>(k));
        suivi.Pourcentage(static_cast<int>(static_cast<double>(k) / n * 100));
    }
    longueurFinale();
    sansHistorique.avertir(p, suivi);
}

void Générateur::analyser(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& p,
                          const Réglages& réglages, LignesValeur& lignes, const Ordre* ordre) {
    lignes.vider();
    try {
        remplir(bourses, valeur, p, réglages, lignes, ordre);
    } catch (...) {
        lignes.erreur = std::current_exception();
    }
}

std::int32_t Générateur::charger(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& p,
                                 const Réglages& réglages, const Ordre* ordre, LignesValeur& lignes) const {
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
    const RangEnOrdre* rang = ordre ? &ordre->rang : nullptr;
    PublicationDeLongueur publication(rang, bc, !quotidien);
    const std::vector<std::string> historiques = HistoriquesDans(réglages.historiques, valeur.code);
    lignes.sansHistorique = historiques.empty();
    const std::string fichier = historiques.empty() ? std::string() : réglages.historiques.chemin + historiques[0];
    if (historiques.size() > 1)
        lignes.avertissements.push_back({fichier, 0,
                                         std::to_string(historiques.size()) + " historiques pour le code « " +
                                             champCité(valeur.code) + " » : celui-ci est lu, pas « " +
                                             champCité(historiques[1]) + (historiques.size() > 2 ? " »…" : " »")});
    ChargerBougies(bc, jours, valeur.code, valeur.nom, fichier, p.du.plus(-recul), dernier, p.période);
    const Avertissements& chargement = jours.AvertissementsDuChargement();
    lignes.avertissements.insert(lignes.avertissements.end(), chargement.begin(), chargement.end());
    publication.publier();
    // A weekly or monthly load replaces the object, and with it the length. A daily one takes the length of
    // the one object, and redoes the trend and sizes of the load, whose indicators test it.
    if (rang && quotidien) {
        if (const std::int32_t longueur = rang->longueurs.avant(rang->k); bc.Clôture.Longueur() < longueur) {
            donnerLaLongueur(bc, longueur);
            if (bc.Nombre > 0) bc.CalculerTailles();
        }
    }
    return ReconnaîtreDepuis(bc, CléDeDébut(p.du, p.période));
}

std::vector<std::string> Générateur::formulesVraies(BourseCollection& bc, std::int32_t s) {
    évaluerLesFormules(bc, formules_, nombreFormules_);
    std::vector<std::string> cellules(static_cast<std::size_t>(bc.Nombre - s + 1));
    for (std::int32_t i = s; i <= bc.Nombre; ++i) {
        for (std::int32_t j = 1; j <= nombreFormules_; ++j) {
            const Fonction& formule = formules_.Item(j);
            if (estVrai(formule.Item(i))) cellules[static_cast<std::size_t>(i - s)] += formule.Nom() + " | ";
        }
    }
    return cellules;
}

void Générateur::remplir(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& p,
                         const Réglages& réglages, LignesValeur& lignes, const Ordre* ordre) {
    const std::int32_t s = charger(bourses, valeur, p, réglages, ordre, lignes);
    if (s == 0) return;
    BourseCollection& bc = bourses.bc;
    const std::int32_t n = bc.Nombre;
    const Indicateurs indicateurs(bc);

    // The formulas' collection carries values from one security to the next, so securities take their turn
    // in group order. Without a formula, publishing the series would change nothing: their one failure, the
    // volatility's, has already come above.
    std::vector<std::string> formules;
    if (réglages.formules && nombreFormules_ > 0 && (!ordre || ordre->tour.attendre(ordre->rang.k)))
        formules = formulesVraies(bc, s);

    std::array<std::string, TableauDeBord::nombreColonnes> tampons;
    std::array<std::string_view, TableauDeBord::nombreColonnes> cellules;
    using C = TableauDeBord::Colonne;
    const std::pair<C, const CellulesAffichage*> colonnes[] = {{C::Clôture, &indicateurs.clôture},
                                                               {C::Volatilité, &indicateurs.cellulesVolatilité},
                                                               {C::Volume, &indicateurs.cellulesVolume},
                                                               {C::RSI, &indicateurs.cellulesRsi},
                                                               {C::Stoch, &indicateurs.cellulesStoch}};
    using S = CompteursStat;
    const std::tuple<S::Ligne, const Fonction*, const Fonction*> comptées[] = {
        {S::Clôture, &bc.Clôture, &indicateurs.tendanceClôture},
        {S::Volatilité, &indicateurs.volatilité, &indicateurs.tendanceVolatilité.tendance},
        {S::Volume, &indicateurs.volume, &indicateurs.tendanceVolume.tendance},
        {S::RSI, &indicateurs.rsi, &indicateurs.tendanceRsi.tendance},
        {S::Stoch, &indicateurs.stoch, &indicateurs.tendanceStoch.tendance}};
    lignes.valeur(bc.Code, bc.Nom);
    for (std::int32_t i = s; i <= n; ++i) {
        const double code = bc.Chandeliers.Item(i).enDouble();
        if (p.confirmation) {
            if (code == Catalogue::BougieNoire || code == Catalogue::BougieBlanche || code == Catalogue::Aucune) continue;
            if (!bc.ChandelierConfirmé(i) || i == n) continue;
        }
        lignes.compteurs.AjouterSens(S::Chandelier, S::Hausse, (code >= 201) & (code <= 299),
                                     (code >= 101) & (code <= 199));
        for (const auto& [ligne, série, tendance] : comptées) compter(lignes.compteurs, *série, i, ligne, *tendance);

        tampons[C::Date] = bc.Date.Item(i).texte();
        cellules[C::Date] = tampons[C::Date];
        const std::int32_t figure = bc.Chandelier(i);
        const char signe = signeDeLaFigure(figure, bc.TypeChandelier(i));
        cellules[C::Chandelier] = bc.nomDuChandelier(i);
        const std::string_view formulesVraies =
            formules.empty() ? std::string_view() : std::string_view(formules[static_cast<std::size_t>(i - s)]);
        cellules[C::Formules] = formulesVraies;
        for (const auto& [colonne, cellulesDe] : colonnes) {
            cellulesDe->écrire(i, tampons[colonne]);
            cellules[colonne] = tampons[colonne];
        }
        tampons[C::Pondération] = bc.Pondération.Item(i).texte();
        cellules[C::Pondération] = tampons[C::Pondération];
        // A row holds the formula cell only when a formula wrote into it.
        lignes.ajouter(std::span(cellules.data(), formulesVraies.empty() ? 10 : 11), signe);
    }
}

}  // namespace vantorelle
