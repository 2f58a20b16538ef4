#include "store/MStringSortRoutines.h"

namespace vantorelle::MStringSortRoutines {

namespace {

constexpr char32_t fin = 0xFFFFFFFF;

/// The next code point of a UTF-8 text; a byte that does not start a valid sequence stands for itself,
/// placed above every character so that the order stays total.
char32_t lireCaractère(std::string_view s, std::size_t& i) {
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = octet(i);
    if (b < 0x80) {
        ++i;
        return b;
    }
    const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
    char32_t c = b & (0x7F >> n);
    bool valide = n != 0 && i + n <= s.size();
    for (std::size_t k = 1; valide && k < n; ++k) {
        valide = (octet(i + k) & 0xC0) == 0x80;
        c = (c << 6) | (octet(i + k) & 0x3F);
    }
    if (!valide) {
        ++i;
        return 0x110000 + b;
    }
    i += n;
    return c;
}

/// The lower-case form of the letters Windows-1252 can hold; other characters are left as they are.
char32_t minuscule(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 0x20;
    switch (c) {
        case 0x152:
            return 0x153;
        case 0x160:
            return 0x161;
        case 0x17D:
            return 0x17E;
        case 0x178:
            return 0xFF;
        default:
            return c;
    }
}

/// The base letters of a lower-case character, accents removed: up to two ("œ" gives "oe").
std::u32string_view lettresDeBase(char32_t c, char32_t& seul) {
    static constexpr char32_t base[64 + 1] = U"aaaaaa?ceeeeiiiidnooooo?ouuuuy??aaaaaa?ceeeeiiiidnooooo?ouuuuy?y";
    if (c >= 0xE0 && c <= 0xFF) {
        switch (c) {
            case 0xE6:
                return U"ae";
            case 0xF7:
            case 0xFE:
                break;
            default:
                seul = base[c - 0xC0];
                return {&seul, 1};
        }
    }
    switch (c) {
        case 0xDF:
            return U"ss";
        case 0x153:
            return U"oe";
        case 0x161:
            seul = 's';
            return {&seul, 1};
        case 0x17E:
            seul = 'z';
            return {&seul, 1};
        default:
            seul = c;
            return {&seul, 1};
    }
}

/// Reads a text as the sequence of its case-folded letters, with or without their accents.
class Lecteur {
public:
    Lecteur(std::string_view texte, bool sansAccents) : texte_(texte), sansAccents_(sansAccents) {}

    char32_t suivant() {
        if (!enAttente_.empty()) {
            const char32_t c = enAttente_.front();
            enAttente_.remove_prefix(1);
            return c;
        }
        if (position_ >= texte_.size()) return fin;
        const char32_t c = minuscule(lireCaractère(texte_, position_));
        if (!sansAccents_) return c;
        enAttente_ = lettresDeBase(c, seul_);
        return suivant();
    }

private:
    std::string_view texte_;
    bool sansAccents_;
    std::size_t position_ = 0;
    std::u32string_view enAttente_;
    char32_t seul_ = 0;
};

int comparerPliés(std::string_view x, std::string_view y, bool sansAccents) {
    Lecteur a(x, sansAccents), b(y, sansAccents);
    for (;;) {
        const char32_t ca = a.suivant(), cb = b.suivant();
        if (ca == cb) {
            if (ca == fin) return 0;
            continue;
        }
        // A text that ends first comes first.
        if (ca == fin || cb == fin) return ca == fin ? -1 : 1;
        return ca < cb ? -1 : 1;
    }
}

int comparerBinaire(std::string_view x, std::string_view y) {
    const int r = x.compare(y);
    return (r > 0) - (r < 0);
}

}  // namespace

int Compare(std::string_view x, std::string_view y, bool caseSensitive) {
    if (caseSensitive) return comparerBinaire(x, y);
    const int r = comparerPliés(x, y, true);
    return r != 0 ? r : comparerPliés(x, y, false);
}

void SortStringArray(std::span<std::string> a, bool ascending, bool caseSensitive) {
    if (caseSensitive)
        trier(a, ascending, [](const std::string& x, const std::string& y) { return comparerBinaire(x, y); });
    else
        trier(a, ascending, [](const std::string& x, const std::string& y) { return Compare(x, y, false); });
}

void SortStringArray(std::vector<std::string>& a, bool ascending, bool caseSensitive) {
    SortStringArray(std::span<std::string>(a), ascending, caseSensitive);
}

}  // namespace vantorelle::MStringSortRoutines
