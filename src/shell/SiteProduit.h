#pragma once
#include <string>
#include <string_view>

#include "shell/Emplacements.h"

namespace vantorelle {

/// The product's web site before translation (a language file may replace it); pages are appended to it.
inline constexpr const char* adresseSite = "http://www.vantorelle.fr";

/// The program's version: major, minor and revision joined by ".".
std::string versionProgramme();

/// The site address that pages are appended to: `imposée` when it is not empty (each program's main() reads
/// it from VANTORELLE_SITE and passes it down beside the locations), else the translation of `adresseSite`
/// among the main window's texts.
std::string AdresseSite(const Emplacements& emplacements, std::string_view imposée);

}  // namespace vantorelle
