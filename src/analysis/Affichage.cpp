#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Communes.h"
#include "store/Arrondi.h"

namespace vantorelle {

namespace {

/// The prices of one series for candles 1 to `Nombre` as a plain array (index 0 unused): the collection's
/// copy, or, when the copy stops before `Nombre` (a price series holds fewer candles or an unreadable value),
/// the copy completed through the series itself, which then fails the way any reader of those candles fails.
const float* prixJusquÀNombre(const BourseCollection& bourse, const Fonction& série, const float* copie,
                              std::int32_t n, std::vector<float>& complément) {
    if (n >= bourse.Nombre) return copie;
    complément.assign(copie, copie + n + 1);
    for (std::int32_t i = n + 1; i <= bourse.Nombre; ++i) complément.push_back(série.Item(i).enSimple());
    return complément.data();
}

// A step on two singles, or a single and a small integer, is done in single: the exact result rounded once to
// a float. Taken in double, the result is exact enough for that one rounding to give the same float.
float simple(double v) { return versSimple(v); }

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
