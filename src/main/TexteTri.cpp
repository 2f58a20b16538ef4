#include "main/TexteTri.h"

#include <algorithm>
#include <cstdint>

namespace vantorelle {

namespace {

/// A character as the sort sees it: its folded base letter, an accent weight (1 = none) and a case weight
/// (1 = lower case or no case, 2 = upper case).
struct Pesée {
    char32_t base;
    std::uint8_t accent;
    std::uint8_t casse;
};

/// Decodes one UTF-8 character at `pos`, advancing it; a malformed byte stands for itself.
char32_t lireCaractère(std::string_view t, std::size_t& pos) {
    auto octet = [&](std::size_t i) { return static_cast<unsigned char>(t[i]); };
    unsigned char c = octet(pos);
    int suite = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (suite == 0 || pos + suite >= t.size()) {
        ++pos;
        return c;
    }
    char32_t cp = c & (0x3F >> suite);
    for (int k = 1; k <= suite; ++k) {
        unsigned char s = octet(pos + k);
        if ((s & 0xC0) != 0x80) {
            ++pos;
            return c;
        }
        cp = (cp << 6) | (s & 0x3F);
    }
    pos += suite + 1;
    return cp;
}

void écrireUtf8(std::string& sortie, char32_t cp) {
    if (cp < 0x80) {
        sortie += static_cast<char>(cp);
    } else if (cp < 0x800) {
        sortie += static_cast<char>(0xC0 | (cp >> 6));
        sortie += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        sortie += static_cast<char>(0xE0 | (cp >> 12));
        sortie += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        sortie += static_cast<char>(0xF0 | (cp >> 18));
        sortie += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        sortie += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

/// Base letters of the lower-case Latin-1 letters 0xE0 to 0xFF; 0 where the letter has no accent to remove.
constexpr char basesLatin1[32] = {'a', 'a', 'a', 'a', 'a', 'a', 0,   'c', 'e', 'e', 'e', 'e', 'i', 'i', 'i', 'i',
                                  0,   'n', 'o', 'o', 'o', 'o', 'o', 0,   'o', 'u', 'u', 'u', 'u', 'y', 0,   'y'};

Pesée peser(char32_t c) {
    if (c >= U'A' && c <= U'Z') return {c + 32, 1, 2};
    bool majuscule = false;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        c += 32;
        majuscule = true;
    } else if (c == 0x160 || c == 0x17D || c == 0x152) {  // Š Ž Œ
        c += 1;
        majuscule = true;
    } else if (c == 0x178) {  // Ÿ
        c = 0xFF;
        majuscule = true;
    }
    std::uint8_t casse = majuscule ? 2 : 1;
    if (c >= 0xE0 && c <= 0xFF && basesLatin1[c - 0xE0] != 0)
        return {static_cast<char32_t>(basesLatin1[c - 0xE0]), static_cast<std::uint8_t>(2 + (c - 0xE0)), casse};
    if (c == 0x161) return {U's', 2, casse};  // š
    if (c == 0x17E) return {U'z', 2, casse};  // ž
    return {c, 1, casse};
}

}  // namespace

void ajouterCléDeTri(std::string& clés, std::string_view texte) {
    // Plain ASCII without capitals, as the texts of numbers are, is its own folded text with every weight at
    // one: the key is built at once.
    const bool simple = std::all_of(texte.begin(), texte.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80 && !(c >= 'A' && c <= 'Z');
    });
    if (simple) {
        clés += texte;
        for (int niveau = 0; niveau < 2; ++niveau) {
            clés += '\0';
            clés.append(texte.size(), '\1');
        }
        return;
    }
    std::string accents, casses;
    for (std::size_t pos = 0; pos < texte.size();) {
        Pesée p = peser(lireCaractère(texte, pos));
        écrireUtf8(clés, p.base);
        accents += static_cast<char>(p.accent);
        casses += static_cast<char>(p.casse);
    }
    // A NUL ends each level: a text that is a prefix of another sorts first, and the finer levels only
    // decide between texts whose folded letters are all equal.
    clés += '\0';
    clés += accents;
    clés += '\0';
    clés += casses;
}

std::string cléDeTri(std::string_view texte) {
    std::string clé;
    clé.reserve(3 * texte.size() + 2);
    ajouterCléDeTri(clé, texte);
    return clé;
}

}  // namespace vantorelle
