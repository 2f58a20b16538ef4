#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Communes.h"
#include "analysis/PrixJusquANombre.h"
#include "store/Arrondi.h"

namespace vantorelle {

namespace {

/// Round2((hh / ll − 1) × 100), each step in single.
float pourcentageAuDessus(float hh, float ll) {
    const float quotient = simple(static_cast<double>(hh) / ll);
    return Round2(simple(static_cast<double>(simple(quotient - 1.0)) * 100));
}

}  // namespace

Fonction BourseCollection::Volatilité() const {
    Fonction v;
    if (Nombre < 2) return v;
    const Bougies b = bougies();
    std::vector<float> complémentH, complémentL;
    const float* H = prixJusquÀNombre(*this, Maximum, b.H, b.n, complémentH);
    const float* L = prixJusquÀNombre(*this, Minimum, b.L, b.n, complémentL);
    v.Allouer(Nombre);
    v.Ajouter(std::int16_t{0});
    for (std::int32_t i = 2; i <= Nombre; ++i) {
        const float hh = Maxi(H[i], H[i - 1]);
        const float ll = Mini(L[i], L[i - 1]);
        if (ll != 0)
            v.Ajouter(pourcentageAuDessus(hh, ll));
        else
            v.Ajouter(std::int16_t{0});
    }
    return v;
}

}  // namespace vantorelle
