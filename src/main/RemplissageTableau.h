#pragma once
#include <string>
#include <string_view>
#include <unordered_map>

#include "main/LignesValeur.h"
#include "main/ParametresScan.h"
#include "main/SuiviScan.h"
#include "main/TableauDeBord.h"
#include "main/Traduction.h"

namespace vantorelle {

class Générateur;

/// The dashboard's side of a generation, on the thread that owns the dashboard (the window's, or the
/// command line's main thread), which alone touches it: the dashboard is cleared when the generation
/// starts, each security's rows and statistics are appended in the order the scan passes them on, and the
/// closing steps follow a scan that succeeded.
class RemplissageTableau {
public:
    RemplissageTableau(TableauDeBord& tableau, Traduction traduire);

    /// Before the scan: the row count and statistics start again, and the rows go unless a stop was asked
    /// already (the scan then runs no security, and the closing steps still run).
    void Commencer(bool arrêtDemandé);
    /// Appends a security's statistics and rows, with the figure names translated.
    void Ajouter(const LignesValeur& lignes);
    /// The closing steps: sorts by weight (after the name and the figure), saves the rows' securities as the
    /// group "Vantorelle" under the data root `racine`, and returns the summary for the status line.
    std::string Terminer(const std::string& racine);

private:
    /// The translation of a figure's name, given as the catalogue's copy of it.
    const std::string& nomTraduit(std::string_view nom);

    TableauDeBord& tableau_;
    Traduction traduire_;
    // The figure names of the current generation, looked up for every row by the catalogue's copy of the name.
    std::unordered_map<const char*, std::string> nomsTraduits_;
    std::string figureTraduite_;
};

/// A generation on the calling thread, which owns the dashboard: the scan's results go into `tableau` as
/// they come, and the closing steps follow a success. Status and progress go to `suivi`, which can stop it;
/// it is asked once before the scan, then after each security.
/// Throws the error that ended the scan, after the rows gathered until then.
void GénérerSurCeFil(Générateur& générateur, const ParamètresScan& paramètres, TableauDeBord& tableau,
                     Traduction traduire, Progression& suivi);

/// The scan of one security, as a click on a security in the main window: `GénérerSurCeFil` over the security
/// of `paramètres` (`ValeurDeLaBase`), without the closing steps: its rows stay in the order they come, and no
/// group is saved. The summary goes to `suivi`'s status.
void ScannerValeur(Générateur& générateur, const ParamètresScan& paramètres, TableauDeBord& tableau,
                   Traduction traduire, Progression& suivi);

}  // namespace vantorelle
