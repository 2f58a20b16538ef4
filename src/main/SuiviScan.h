#pragma once
#include "main/LignesValeur.h"
#include "shell/Progression.h"

namespace vantorelle {

/// What a scan tells its owner, on the scan's thread. The scan never touches a dashboard: it passes each
/// security's finished rows and statistics here, in group order, then looks for a stop; the owner appends
/// them to its dashboard on the one thread that touches it (`RemplissageTableau`).
class SuiviScan : public Progression {
public:
    /// A security's rows and statistics, valid for the time of the call; `lignes.erreur` is the error that
    /// ended its scan, which the scan throws right after.
    virtual void ValeurTerminée(const LignesValeur& lignes) = 0;
};

}  // namespace vantorelle
