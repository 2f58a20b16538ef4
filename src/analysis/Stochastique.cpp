#include <algorithm>
#include <string>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Communes.h"
#include "analysis/PrixJusquANombre.h"
#include "store/Arrondi.h"

namespace vantorelle {

Fonction BourseCollection::Stoch(std::int16_t n, std::int16_t m) const {
    if (Nombre <= n) return Fonction();
    const Bougies b = bougies();
    std::vector<float> complémentH, complémentL, complémentC;
    const float* H = prixJusquÀNombre(*this, Maximum, b.H, b.n, complémentH);
    const float* L = prixJusquÀNombre(*this, Minimum, b.L, b.n, complémentL);
    const float* C = prixJusquÀNombre(*this, Clôture, b.C, b.n, complémentC);
    const auto taille = static_cast<std::size_t>(std::max(Nombre, 0)) + 1;

    // The window of candle i runs from i down to max(1, i − n + 1). Taking the same offset for every candle
    // at once keeps each window's order of comparisons and lets the loop run on whole vectors.
    std::vector<float> hh(taille, 0.0f), ll(taille, 1000000.0f);
    for (std::int32_t décalage = 0; décalage < n && décalage < Nombre; ++décalage) {
        for (std::int32_t i = 1 + décalage; i <= Nombre; ++i) {
            const auto k = static_cast<std::size_t>(i);
            hh[k] = Maxi(hh[k], H[i - décalage]);
            ll[k] = Mini(ll[k], L[i - décalage]);
        }
    }

    Fonction brut;  // %K before smoothing
    brut.Allouer(Nombre);
    float précédent = 0.0f;
    for (std::int32_t i = 1; i <= Nombre; ++i) {
        const auto j = static_cast<std::size_t>(i);
        float valeur = précédent;  // a window without range repeats the value before (0 on the first candle)
        if (hh[j] != ll[j]) {
            const float distance = simple(static_cast<double>(simple(static_cast<double>(C[i]) - ll[j])) * 100);
            valeur = Round2(simple(static_cast<double>(distance) / simple(static_cast<double>(hh[j]) - ll[j])));
        }
        brut.Ajouter(valeur);
        précédent = valeur;
    }

    Fonction stoch = brut.MMA(m);
    stoch.Nom("Stoch" + std::to_string(n) + "," + std::to_string(m));
    return stoch;
}

}  // namespace vantorelle
