#include "store/Avertissement.h"

#include <cstdio>

namespace vantorelle {

std::string texteAvertissement(const Avertissement& avertissement) {
    std::string texte = "avertissement : " + avertissement.fichier + " : ";
    if (avertissement.ligne > 0) texte += "ligne " + std::to_string(avertissement.ligne) + " : ";
    return texte + avertissement.raison;
}

std::string champCité(std::string_view champ) {
    constexpr int LongueurMax = 40;
    std::string cité;
    int caractères = 0;
    for (std::size_t k = 0; k < champ.size(); ++k) {
        const auto octet = static_cast<unsigned char>(champ[k]);
        if ((octet & 0xC0) == 0x80) {  // a continuation byte goes with the character before it
            cité += champ[k];
            continue;
        }
        if (caractères++ == LongueurMax) return cité + "…";
        switch (octet) {
            case '\0': cité += "\\0"; break;
            case '\t': cité += "\\t"; break;
            case '\r': cité += "\\r"; break;
            case '\n': cité += "\\n"; break;
            default:
                if (octet < 0x20 || octet == 0x7F) {
                    char code[5];
                    std::snprintf(code, sizeof code, "\\x%02X", octet);
                    cité += code;
                } else {
                    cité += champ[k];
                }
        }
    }
    return cité;
}

}  // namespace vantorelle
