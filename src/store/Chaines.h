#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vantorelle {

/// The characters of the text in reverse order.
std::string Inverser(std::string_view texte);

/// Replaces every occurrence of `recherche` in `texte`, left to right, without looking again inside what was
/// inserted; in binary comparison when `casse` is true, without regard to case otherwise. An empty search
/// text changes nothing.
void Remplacer(std::string& texte, std::string_view recherche, std::string_view remplacement, bool casse);

/// Characters `début` to `fin` of the text, counted from 1; fewer when the text ends first. Throws Erreur when
/// `début` is below 1 or `fin` below `début` - 1.
std::string Extraire(std::string_view texte, std::int32_t début, std::int32_t fin);

}  // namespace vantorelle
