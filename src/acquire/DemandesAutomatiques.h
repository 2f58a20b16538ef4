#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "analysis/Jour.h"

namespace vantorelle {

/// The placeholder of the download address template, replaced by the day fetched.
inline constexpr std::string_view MarqueJour = "#YYYYMMDD#";

/// One day that the automatic download fetches, and the address it fetches it from.
struct DemandeJour {
    Jour jour;
    std::string adresse;
};

/// The requests of the automatic download from `début` to `fin` inclusive: one per weekday, in calendar
/// order across months and years (none when `fin` comes before `début`). Each address is the template with
/// every "#YYYYMMDD#" (in capitals) replaced by the day as "yyyymmdd"; nothing else is changed or encoded,
/// so an empty template gives empty addresses.
std::vector<DemandeJour> DemandesAutomatiques(std::string_view modèle, Jour début, Jour fin);

}  // namespace vantorelle
