#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vantorelle {

/// The UTF-8 text with the capital letters of the Windows-1252 repertoire (A-Z, À-Þ, Œ, Š, Ž, Ÿ) made small.
/// Every other character stays as it is, and so does the length in bytes, so a position in the folded text
/// is the same position in the original.
std::string plierCasse(std::string_view texte);

/// The same folding on Windows-1252 bytes.
std::string plierCasse1252(std::string_view octets);

/// The byte made small when it is an ASCII capital letter; any other byte as it is.
constexpr char minusculeAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

/// The truth value a setting or an option writes as a word: "Vrai" or "True", "Faux" or "False", in any
/// ASCII case; nothing for any other text.
std::optional<bool> lireMotBooléen(std::string_view texte);

}  // namespace vantorelle
