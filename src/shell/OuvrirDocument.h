#pragma once
#include <string>

#include "shell/Bureau.h"

namespace vantorelle {

/// The desktop's opener, which opens a document, a folder, a web page or a mail link with its usual program.
inline constexpr const char* Ouvreur = "xdg-open";

/// Asks the desktop to open the target (a path or an address) as the user would by a double click, without
/// waiting; true when the opener could be started.
bool OuvrirDocument(const std::string& cible, Bureau& bureau = bureauSystème());

}  // namespace vantorelle
