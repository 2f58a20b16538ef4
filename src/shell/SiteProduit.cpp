#include "shell/SiteProduit.h"

#include "shell/Traducteur.h"

namespace vantorelle {

std::string versionProgramme() { return VANTORELLE_VERSION; }

std::string AdresseSite(const Emplacements& emplacements, std::string_view imposée) {
    return imposée.empty() ? Traduire(emplacements, sectionInterface, adresseSite) : std::string(imposée);
}

}  // namespace vantorelle
