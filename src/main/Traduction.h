#pragma once
#include <functional>
#include <string>

#include "shell/Traducteur.h"

namespace vantorelle {

/// Translates a French text of the program: arguments (section, text), result the text in the current
/// language or the text itself. The main window's texts use the section "frmInterface", the figure
/// names the section "Chandeliers".
using Traduction = std::function<std::string(const std::string& section, const std::string& texte)>;

/// A translation that keeps every text in French.
inline std::string sansTraduction(const std::string&, const std::string& texte) { return texte; }

}  // namespace vantorelle
