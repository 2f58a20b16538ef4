#pragma once

namespace vantorelle {

/// The product's credit line, written as the report's generator.
inline constexpr const char* créditProduit = "Vantorelle, analyse des figures en chandeliers japonais";

/// What follows the title and version in the report's footer link.
inline constexpr const char* suffixeCrédit = " - figures en chandeliers japonais";

/// The quote page that the report links every security's name to.
inline constexpr const char* adresseCotations = "http://fr.finance.yahoo.com/q";

}  // namespace vantorelle
