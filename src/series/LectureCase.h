#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "series/Programme.h"
#include "series/Valeur.h"

namespace vantorelle {

/// How the text of a value reads once put into an expression.
struct CaseLue {
    // In increasing order of what the position then needs: the worst of several slots is their maximum.
    enum class État : std::uint8_t {
        Lisible,  // one number, possibly after a "-", or "Vrai"/"Faux": `valeur` holds it
        Échec,    // "NO_EVAL" or a number too large: any expression holding it fails
        Texte,    // anything else (an empty value among others): only the text itself tells
    };
    ValeurCase valeur;
    État état = État::Texte;
};

/// Reads values as the numbers their texts give, without building the text where it can.
class LectureCase {
public:
    static CaseLue lire(const Valeur& v);
    static CaseLue lireTexte(std::string_view texte);
    /// The number the text of a single reads as (7 significant digits, halves away from zero), computed
    /// without the text; nothing outside the range where that is exact.
    static std::optional<double> nombreDuTexteSimple(float x);
};

}  // namespace vantorelle
