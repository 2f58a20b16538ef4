#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vantorelle::Tableaux {

/// The number of elements of an array (0-based, as a split gives it); 0 when it was never filled.
std::int32_t NombreElements(const std::vector<std::string>& tableau);

}  // namespace vantorelle::Tableaux
