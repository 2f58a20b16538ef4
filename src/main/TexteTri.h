#pragma once
#include <string>
#include <string_view>

namespace vantorelle {

/// The key under which the dashboard sorts a cell text: comparing two keys byte by byte orders the texts with
/// accents removed and case folded first (character by character, in code-point order of the folded
/// characters), then unaccented before accented, then lower case before upper case. The same on every machine.
std::string cléDeTri(std::string_view texteUtf8);
/// Appends the key of `texteUtf8` to `clés`.
void ajouterCléDeTri(std::string& clés, std::string_view texteUtf8);

}  // namespace vantorelle
