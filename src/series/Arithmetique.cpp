#include "series/Arithmetique.h"

#include <cmath>
#include <limits>

#include "store/Erreur.h"

namespace vantorelle {

float sommeSimple(float s, const Valeur& x) {
    if (const Monnaie* m = std::get_if<Monnaie>(&x.contenu())) {
        const double dixMillièmes = arrondiPair(static_cast<double>(s) * 10000.0);
        constexpr double limite = static_cast<double>(std::numeric_limits<std::int64_t>::max());
        if (!(std::fabs(dixMillièmes) < limite)) throw ErreurConversion("Dépassement de capacité");
        Monnaie somme;
        if (__builtin_add_overflow(static_cast<std::int64_t>(dixMillièmes), m->dixMillièmes, &somme.dixMillièmes))
            throw ErreurConversion("Dépassement de capacité");
        return versSimple(somme.enDouble());
    }
    return sommeSimple(s, x.enDouble());
}

}  // namespace vantorelle
