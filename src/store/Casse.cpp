#include "store/Casse.h"

#include <algorithm>
#include <array>

namespace vantorelle {

namespace {

constexpr std::array<unsigned char, 256> tablePetites1252() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
    for (int i = 'A'; i <= 'Z'; ++i) table[i] = static_cast<unsigned char>(i + 32);
    for (int i = 0xC0; i <= 0xDE; ++i)
        if (i != 0xD7) table[i] = static_cast<unsigned char>(i + 32);  // 0xD7 is the multiplication sign
    table[0x8A] = 0x9A;  // Š
    table[0x8C] = 0x9C;  // Œ
    table[0x8E] = 0x9E;  // Ž
    table[0x9F] = 0xFF;  // Ÿ
    return table;
}

constexpr std::array<unsigned char, 256> petites1252 = tablePetites1252();

}  // namespace

std::string plierCasse(std::string_view texte) {
    std::string plié(texte);
    for (std::size_t i = 0; i < plié.size(); ++i) {
        const auto c = static_cast<unsigned char>(plié[i]);
        if (c < 0x80) {
            plié[i] = minusculeAscii(plié[i]);
        } else if (i + 1 < plié.size() && (c == 0xC3 || c == 0xC5)) {
            // Lead bytes of U+00C0-U+00FF and U+0140-U+017F; their small letters keep the same length.
            const auto suite = static_cast<unsigned char>(plié[i + 1]);
            if (c == 0xC3 && suite >= 0x80 && suite <= 0x9E && suite != 0x97) {
                plié[i + 1] = static_cast<char>(suite + 0x20);
            } else if (c == 0xC5 && (suite == 0x92 || suite == 0xA0 || suite == 0xBD)) {
                plié[i + 1] = static_cast<char>(suite + 1);
            } else if (c == 0xC5 && suite == 0xB8) {  // Ÿ U+0178 becomes ÿ U+00FF
                plié[i] = static_cast<char>(0xC3);
                plié[i + 1] = static_cast<char>(0xBF);
            }
            ++i;
        }
    }
    return plié;
}

std::string plierCasse1252(std::string_view octets) {
    std::string plié(octets);
    for (char& c : plié) c = static_cast<char>(petites1252[static_cast<unsigned char>(c)]);
    return plié;
}

std::optional<bool> lireMotBooléen(std::string_view texte) {
    const auto égal = [&](std::string_view mot) {
        return std::equal(texte.begin(), texte.end(), mot.begin(), mot.end(),
                          [](char a, char b) { return minusculeAscii(a) == minusculeAscii(b); });
    };
    if (égal("vrai") || égal("true")) return true;
    if (égal("faux") || égal("false")) return false;
    return std::nullopt;
}

}  // namespace vantorelle
