#pragma once
#include <string>
#include <string_view>

#include "shell/Emplacements.h"
#include "shell/FenetreTraduisible.h"

namespace vantorelle {

/// The section of the main window's texts.
inline const std::string sectionInterface = "frmInterface";

/// The translation of the key in the section: from "Vantorelle.lng" of the program's directory, or, when
/// that gives nothing, from "Shared.lng"; empty when neither has a non-empty entry.
std::string LireTraduction(const Emplacements& emplacements, std::string_view section, std::string_view clé);

/// The translation of a message shown by the window named `section`, or the message itself.
std::string Traduire(const Emplacements& emplacements, std::string_view section, std::string_view message);

/// Translates the window in place: its title, then each control's caption or text (by its name, else by its
/// current text), a toolbar's button tips and a list view's column titles (when nothing is found under the
/// control's name), and every control's tool tip. What finds no translation keeps its French text; a
/// property that cannot be set is passed over.
void TraduireFormulaire(const Emplacements& emplacements, FenêtreTraduisible& fenêtre);

}  // namespace vantorelle
