#pragma once
#include <string_view>

#include "store/Monnaie.h"

namespace vantorelle {

/// How reading a number field of a history line ended.
enum class LectureCours { Valide, PasUnNombre, Dépassement };

/// A price field: an empty field is 0; otherwise a decimal number with a comma or a point, optional sign and
/// exponent, spaces around it allowed, converted straight from its decimal text to the nearest single.
LectureCours lirePrix(std::string_view champ, float& prix);

/// A volume field read as currency: the same syntax, exact to 4 decimals, the fifth rounded half to even.
LectureCours lireVolume(std::string_view champ, Monnaie& volume);

}  // namespace vantorelle
