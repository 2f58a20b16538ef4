#include "shell/OuvrirDocument.h"

namespace vantorelle {

bool OuvrirDocument(const std::string& cible, Bureau& bureau) {
    return bureau.démarrer({Ouvreur, cible}, "").has_value();
}

}  // namespace vantorelle
