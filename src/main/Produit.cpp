#include "main/Produit.h"

namespace vantorelle {

std::string versionProgramme() { return VANTORELLE_VERSION; }

}  // namespace vantorelle
