#include "store/Tableaux.h"

namespace vantorelle::Tableaux {

std::int32_t NombreElements(const std::vector<std::string>& tableau) {
    return static_cast<std::int32_t>(tableau.size());
}

}  // namespace vantorelle::Tableaux
