#include <cmath>
#include <limits>
#include <variant>

#include "analysis/BourseCollection.h"
#include "analysis/Catalogue.h"

namespace vantorelle {

namespace {

// Codes are compared as numbers: a value that is not a whole number matches no figure.
std::int16_t poidsDuCode(const Valeur& code) {
    if (const std::int32_t* entier = std::get_if<std::int32_t>(&code.contenu())) return Catalogue::poids(*entier);
    const double v = code.enDouble();
    if (v != std::floor(v) || v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        return 0;
    return Catalogue::poids(static_cast<std::int32_t>(v));
}

}  // namespace

bool BourseCollection::TendanceValide(std::int32_t i, std::int16_t tendance) const {
    if (!avecTendance()) return true;
    return tendanceLue(i) == tendance;
}

bool BourseCollection::ChandelierConfirmé(std::int32_t i) const {
    if (i < 1 || i >= Nombre) return false;
    const std::int32_t suivante = i + 1;
    const auto haussière = [&] {
        return prix(suivante).c > prix(i).c && CorpsGrand(suivante) && EstChandelier(suivante, 200);
    };
    const auto baissière = [&] {
        return prix(suivante).c < prix(i).c && CorpsGrand(suivante) && EstChandelier(suivante, 100);
    };
    switch (TypeChandelier(i)) {
        case 1:
            return haussière();
        case 2:
            return baissière();
        case 3: {
            // A neutral figure announces the end of the trend it stands on, whether the trend option is on or
            // not.
            const double tendance = tendanceLue(i);
            if (tendance == 2) return baissière();
            if (tendance == 1) return haussière();
            return false;
        }
        default:
            return false;
    }
}

void BourseCollection::ChargePondération() {
    for (std::int32_t i = 1; i <= Nombre; ++i) Pondération.Item(i, poidsDuCode(Chandeliers.Item(i)));
}

}  // namespace vantorelle
