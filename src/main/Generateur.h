#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "analysis/BourseCollection.h"
#include "main/LignesValeur.h"
#include "main/ParametresScan.h"
#include "main/SuiviScan.h"
#include "main/TableauDeBord.h"
#include "shell/Plotanex.h"
#include "main/Traduction.h"

namespace vantorelle {

class INI;

/// The scan of a group: for every security, its candles over the dates asked (daily, weekly or monthly),
/// the figures, weights and indicator cells, the user formulas, and one dashboard row per candle kept,
/// counted in the statistics. Each thread that scans reuses its quote objects from one security to the next.
class Générateur {
public:
    /// The reference security, whose last quote dates the base.
    static constexpr const char* codeRéférence = "FR0000130007";
    static constexpr const char* nomRéférence = "Alcatel";

    Générateur(const INI& ini, TableauDeBord& tableau, Traduction traduire);

    /// Loads or drops the user formulas as the settings say (`ChargerFormules`): with "AvecFormules" at "1",
    /// the program's "Formules.txt"; otherwise none. Throws ErreurFichier for a formula file it cannot load.
    void ChargerFormules();
    /// Loads the formulas of `fichier` whatever the settings say; the scans then evaluate them.
    void ChargerFormules(const std::filesystem::path& fichier);
    std::int32_t NombreFormules() const { return nombreFormules_; }

    /// How many threads scan securities side by side, ahead of the one that fills the dashboard; 1 scans
    /// them one by one on the generation's own thread. By default, as many as the machine runs at once.
    /// A generation with formulas always scans one by one. The results are the same either way.
    void Fils(std::size_t fils) { fils_ = std::max<std::size_t>(fils, 1); }

    /// The day after the reference security's last quote, or `aujourdhui` when it has none. The reference
    /// is loaded into the quote object that the scans on the generation's own thread reuse.
    Jour DateDernierCours(Jour aujourdhui);

    /// The generation (`Generer`): clears the dashboard and its statistics, scans every security of the
    /// group, then sorts the dashboard, saves its securities as the group "Vantorelle" and writes the
    /// summary. A stop asked after a security ends the loop there, and the closing steps still run. An
    /// error ends the generation at once: the rows and counts gathered so far stay, nothing else is done.
    void Générer(const ParamètresScan& paramètres, SuiviScan& suivi);

    /// The scan of one security: adds its rows and statistics to the dashboard, telling `suivi` of each row.
    void ScannerValeur(const ValeurGroupe& valeur, const ParamètresScan& paramètres, SuiviScan& suivi);

    /// The look-back before the first date, in calendar days, for the period option `Période`.
    static std::int64_t Recul(double période, PériodeBougie bougie);
    /// The key of the first candle to scan for the start date.
    static std::string CléDeDébut(Jour début, PériodeBougie bougie);

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
    /// The scan of one security into `lignes`, apart from the dashboard; an error ends it and is kept there.
    /// Without formulas it touches nothing shared, so securities can be scanned side by side.
    void analyser(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& paramètres,
                  const Réglages& réglages, LignesValeur& lignes) const;
    void remplir(Bourses& bourses, const ValeurGroupe& valeur, const ParamètresScan& paramètres,
                 const Réglages& réglages, LignesValeur& lignes) const;
    /// Adds a security's statistics and rows to the dashboard, then throws the error that ended its scan.
    void publier(LignesValeur& lignes, SuiviScan& suivi);
    bool formulesActives() const;
    void fermer(SuiviScan& suivi);
    /// The translation of a figure's name, given as the catalogue's copy of it.
    const std::string& nomTraduit(std::string_view nom);

    const INI& ini_;
    TableauDeBord& tableau_;
    Traduction traduire_;
    Bourses bourses_;
    LignesValeur lignes_;
    std::size_t fils_;
    std::shared_ptr<Fonction::ListeConstantes> constantesFormules_;
    std::int32_t nombreFormules_ = 0;
    bool formulesImposées_ = false;
    // The figure names of the current generation, looked up for every row by the catalogue's copy of the name.
    std::unordered_map<const char*, std::string> nomsTraduits_;
    std::string figureTraduite_;
};

}  // namespace vantorelle
