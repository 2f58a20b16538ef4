#pragma once
#include <string>

namespace vantorelle {

/// The product's credit line, written as the report's generator.
inline constexpr const char* créditProduit = "Vantorelle, analyse des figures en chandeliers japonais";

/// What follows the title and version in the report's footer link.
inline constexpr const char* suffixeCrédit = " - figures en chandeliers japonais";

/// The product's web site (the main window keeps its translation as `Site`); pages are appended to it.
inline constexpr const char* adresseSite = "http://www.vantorelle.fr";

/// The quote page that the report links every security's name to.
inline constexpr const char* adresseCotations = "http://fr.finance.yahoo.com/q";

/// The program's version: major, minor and revision joined by ".".
std::string versionProgramme();

}  // namespace vantorelle
