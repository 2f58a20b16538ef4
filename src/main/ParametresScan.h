#pragma once
#include <string>
#include <vector>

#include "analysis/ChargementBougies.h"
#include "analysis/Jour.h"

namespace vantorelle {

/// One security of the selected group: its code and its name.
struct ValeurGroupe {
    std::string code;
    std::string nom;
};

/// What the scan-parameter frame holds when a generation starts: the group, the two dates, the period and
/// the two options.
struct ParamètresScan {
    std::string groupe;                 ///< the selected group's name; empty when none is selected
    std::vector<ValeurGroupe> valeurs;  ///< the group's securities, in file order
    Jour du;
    Jour au;
    PériodeBougie période = PériodeBougie::Jour;
    bool confirmation = false;
    bool avecTendance = true;
};

}  // namespace vantorelle
