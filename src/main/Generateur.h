#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "analysis/BourseCollection.h"
#include "main/LignesValeur.h"
#include "main/LongueursEnOrdre.h"
#include "main/ParametresScan.h"
#include "main/SuiviScan.h"
#include "main/TourDeRole.h"
#include "main/Traduction.h"
#include "series/Fonctions.h"
#include "shell/INI.h"
#include "shell/RacineDonnees.h"

namespace vantorelle {

/// The scan of a group: for every security, its candles over the dates asked (daily, weekly or monthly),
/// the figures, weights and indicator cells, the user formulas, and one row per candle kept, counted in the
/// statistics. Securities are scanned side by side on worker threads and their results passed on in group
/// order; whatever the threads and their timing, the results are those of a scan of one security at a time
/// that reuses one quote object and one formula collection.
class Générateur {
public:
    /// The reference security, whose last quote dates the base.
    static constexpr const char* codeRéférence = "FR0000130007";
    static constexpr const char* nomRéférence = "Alcatel";

    /// The locations are borrowed: they must outlive the generator.
    Générateur(const Emplacements& emplacements, Traduction traduire);

    const Emplacements& Lieux() const { return emplacements_; }

    /// Loads or drops the user formulas as the settings say (`ChargerFormules`): with "AvecFormules" at "1",
    /// the program's "Formules.txt"; otherwise none. Throws ErreurFichier for a formula file it cannot load.
    void ChargerFormules();
    /// Loads the formulas of `fichier` whatever the settings say; the scans then evaluate them. Throws
    /// ErreurFichier naming the file when it cannot be read.
    void ChargerFormules(const std::filesystem::path& fichier);
    std::int32_t NombreFormules() const { return nombreFormules_; }
    /// True once a formula file was read (the dashboard then shows the formula column).
    bool FormulesChargées() const { return formulesChargées_; }
    /// What the last loading of formulas found amiss: a default file missing, formulas that cannot parse.
    const Avertissements& AvertissementsDesFormules() const { return avertissementsFormules_; }

    /// How many threads scan securities side by side; 1 scans them one by one on the generation's own
    /// thread. By default, as many as the machine runs at once. The results are the same either way.
    void Fils(std::size_t fils) { fils_ = std::max<std::size_t>(fils, 1); }

    /// The day after the reference security's last quote, or `aujourdhui` when it has none. The reference
    /// is loaded into the quote object that the scans reuse.
    Jour DateDernierCours(Jour aujourdhui);

    /// The generation's scan (`Generer`), which its owner starts unless a stop is asked already: the status,
    /// then for every security of the group its results to `suivi.ValeurTerminée`, in group order, then the
    /// share done. A stop asked after a security ends the loop there. An error ends the scan at once: the
    /// security's rows gathered until then are passed on, then the error is thrown.
    void Générer(const ParamètresScan& paramètres, SuiviScan& suivi);

private:
    /// What the scan of every security reads from the settings, read once per generation: the analysis
    /// options ("Période", "Période2", "TailleMarubozu", "Tolérance"), the history folder, the formulas.
    struct Réglages {
        std::array<std::string, 4> bourse;
        DossierHistoriques historiques;
        bool formules = false;
    };
    Réglages lireRéglages() const;
    /// The quote objects a scan reuses from one security to the next.
    struct Bourses {
        BourseCollection bc;
        BourseCollection jours;  // a weekly or monthly scan's options and load memory
    };
    /// How a security's scan stands among the others when they run side by side: its rank, the series
    /// lengths of the one quote object, and the turn in which formulas are evaluated.
    struct Ordre {
        RangEnOrdre rang;
        TourDeRôle& tour;
    };
    /// The scan of one security into `lignes`; an error ends it and is kept there. Securities are scanned
    /// side by side: apart from the formulas, evaluated in turn, it touches nothing shared.
    void analyser(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& paramètres,
                  const Réglages& réglages, LignesValeur& lignes, const Ordre* ordre);
    void remplir(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& paramètres,
                 const Réglages& réglages, LignesValeur& lignes, const Ordre* ordre);
    /// Loads the security's candles and recognises their figures; the first candle to scan, 0 for none. What
    /// the load skips or doubts goes to `lignes`.
    std::int32_t charger(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& paramètres,
                         const Réglages& réglages, const Ordre* ordre, LignesValeur& lignes) const;
    /// Evaluates the formulas over the security's series and gives the formula cell of candles `s` to n.
    std::vector<std::string> formulesVraies(BourseCollection& bc, std::int32_t s);
    void chargerFormules(const std::filesystem::path& fichier);

    const Emplacements& emplacements_;
    INI ini_;
    Traduction traduire_;
    Bourses bourses_;
    LignesValeur lignes_;
    std::size_t fils_;
    // The formulas, one collection for the whole scan: a formula that names a later one, or itself, reads
    // the values it had for the security before.
    Fonctions formules_;
    std::shared_ptr<Fonction::ListeConstantes> constantesFormules_;
    std::int32_t nombreFormules_ = 0;
    bool formulesImposées_ = false;
    bool formulesChargées_ = false;
    Avertissements avertissementsFormules_;
};

}  // namespace vantorelle
