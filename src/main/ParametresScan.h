#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/ChargementBougies.h"
#include "analysis/Jour.h"

namespace vantorelle {

/// One security of the selected group: its code and its name.
struct ValeurGroupe {
    std::string code;
    std::string nom;
    std::int64_t ligne = 0;  // in the group file, for the warnings; 0 when unknown
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
    std::string fichierGroupe{};  ///< the group's file, which the warnings name
};

}  // namespace vantorelle
