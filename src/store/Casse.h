#pragma once
#include <string>
#include <string_view>

namespace vantorelle {

/// The UTF-8 text with the capital letters of the Windows-1252 repertoire (A-Z, À-Þ, Œ, Š, Ž, Ÿ) made small.
/// Every other character stays as it is, and so does the length in bytes, so a position in the folded text
/// is the same position in the original.
std::string plierCasse(std::string_view texte);

/// The same folding on Windows-1252 bytes.
std::string plierCasse1252(std::string_view octets);

/// True when the two UTF-8 texts are equal once folded.
bool égauxSansCasse(std::string_view a, std::string_view b);

}  // namespace vantorelle
