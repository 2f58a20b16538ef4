#include "store/Encodage.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vantorelle {

namespace {

// Characters of the bytes 0x80 to 0x9F; the undefined bytes keep their own number.
constexpr std::array<char32_t, 32> caractèresC1 = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char remplacement = '?';

/// Length of the leading run of ASCII bytes, eight at a time.
std::size_t longueurAscii(std::string_view s) {
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t mot;
        std::memcpy(&mot, s.data() + i, 8);
        if (mot & 0x8080808080808080ULL) break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

void ajouterUtf8(std::string& texte, char32_t c) {
    if (c < 0x800) {
        texte += static_cast<char>(0xC0 | (c >> 6));
        texte += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        texte += static_cast<char>(0xE0 | (c >> 12));
        texte += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        texte += static_cast<char>(0x80 | (c & 0x3F));
    }
}

/// The Windows-1252 byte of a character, or the replacement when it has none.
char octetDe(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < caractèresC1.size(); ++i)
        if (caractèresC1[i] == c) return static_cast<char>(0x80 + i);
    return remplacement;
}

/// Decodes one UTF-8 sequence at s[i]; returns its length, or 0 when the bytes are not valid UTF-8.
std::size_t décoder(std::string_view s, std::size_t i, char32_t& c) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = octet(i);
    std::size_t n;
    char32_t minimum;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2, c = b & 0x1F, minimum = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3, c = b & 0x0F, minimum = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4, c = b & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((octet(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (octet(i + k) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

void ajouterDepuisWindows1252(std::string& texte, std::string_view octets) {
    const std::size_t ascii = longueurAscii(octets);
    texte.append(octets.data(), ascii);
    for (std::size_t i = ascii; i < octets.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(octets[i]);
        if (b < 0x80)
            texte += static_cast<char>(b);
        else
            ajouterUtf8(texte, b < 0xA0 ? caractèresC1[b - 0x80] : char32_t{b});
    }
}

std::string depuisWindows1252(std::string_view octets) {
    std::string texte;
    texte.reserve(octets.size());
    ajouterDepuisWindows1252(texte, octets);
    return texte;
}

void ajouterVersWindows1252(std::string& octets, std::string_view texte) {
    for (std::size_t i = 0; i < texte.size();) {
        const std::size_t ascii = longueurAscii(texte.substr(i));
        octets.append(texte.data() + i, ascii);
        i += ascii;
        if (i == texte.size()) break;
        char32_t c;
        const std::size_t n = décoder(texte, i, c);
        octets += n == 0 ? remplacement : octetDe(c);
        i += n == 0 ? 1 : n;
    }
}

std::string versWindows1252(std::string_view texte) {
    std::string octets;
    octets.reserve(texte.size());
    ajouterVersWindows1252(octets, texte);
    return octets;
}

std::size_t longueurWindows1252(std::string_view texte) {
    std::size_t longueur = longueurAscii(texte);
    for (std::size_t i = longueur; i < texte.size(); ++longueur) {
        char32_t c;
        const std::size_t n = static_cast<unsigned char>(texte[i]) < 0x80 ? 1 : décoder(texte, i, c);
        i += n == 0 ? 1 : n;
    }
    return longueur;
}

bool avecMarqueUtf8(std::string_view octets) { return octets.starts_with("\xEF\xBB\xBF"); }

std::string_view sansMarqueUtf8(std::string_view octets) {
    return avecMarqueUtf8(octets) ? octets.substr(3) : octets;
}

bool lisibleEnUtf8(std::string_view octets, bool utf8SansMarque) {
    if (!utf8SansMarque && !avecMarqueUtf8(octets)) return false;
    const std::string_view texte = sansMarqueUtf8(octets);
    bool auDelàDeAscii = false;
    for (std::size_t i = 0; i < texte.size();) {
        if ((static_cast<unsigned char>(texte[i]) & 0x80) == 0) {
            ++i;
            continue;
        }
        char32_t c;
        const std::size_t n = décoder(texte, i, c);
        if (n == 0) return false;
        auDelàDeAscii = true;
        i += n;
    }
    return auDelàDeAscii;
}

std::string texteDuFichier(std::string_view octets, bool utf8SansMarque) {
    const std::string_view texte = sansMarqueUtf8(octets);
    return lisibleEnUtf8(octets, utf8SansMarque) ? std::string(texte) : depuisWindows1252(texte);
}

}  // namespace vantorelle
