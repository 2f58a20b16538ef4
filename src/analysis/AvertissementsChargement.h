#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/Jour.h"

namespace vantorelle {

// The reasons of the warnings a history load gives, in French.

/// Lines of another shape, or undated, left out of a load; the first one quoted, its text in UTF-8.
std::string raisonLignesIgnorées(std::int64_t nombre, std::string_view première);

/// A history file without a single line that reads as a candle, from its bytes: empty, in UTF-16, with
/// CR-only line ends, or else without the shape of a candle line.
std::string raisonSansBougie(std::string_view octets);

/// What gives away a file saved in UTF-16, or with the CR-only line ends of old Macs, as warnings and errors
/// tell it.
inline constexpr const char* EnUtf16 = "en UTF-16 : à enregistrer en Windows-1252 ou en UTF-8";
inline constexpr const char* FinsDeLigneCR = "fins de ligne CR seules (ancien format Mac)";

/// A load stopped on a line dated after its last date, while the file's last candle is not.
std::string raisonArrêt(Jour date, Jour dernièreBougie, std::int64_t lignesSuivantes);

}  // namespace vantorelle
