#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Communes.h"
#include "store/Arrondi.h"
#include "store/TexteNombre.h"

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

/// True for the kinds an operation with a single keeps in single.
bool enSimplePossible(const Valeur& v) {
    switch (v.genre()) {
        case Genre::Simple:
        case Genre::Entier:
        case Genre::Booléen:
        case Genre::Vide:
            return true;
        default:
            return false;
    }
}

/// Round2(100 × (a − b) / base): in single, step by step, when the three values allow it; else in double.
float variationEnPourcentage(const Valeur& a, const Valeur& b, const Valeur& base) {
    if (enSimplePossible(a) && enSimplePossible(b) && enSimplePossible(base)) {
        const float écart = simple(static_cast<double>(a.enSimple()) - b.enSimple());
        const float cent = simple(100 * static_cast<double>(écart));
        return Round2(simple(static_cast<double>(cent) / base.enSimple()));
    }
    return Round2(100 * (a.enDouble() - b.enDouble()) / base.enDouble());
}

/// The value in a fixed format such as "00.00": a single from its 7-digit text, any other number as a double.
std::string formaté(const Valeur& v, std::string_view format) {
    if (const float* simple = std::get_if<float>(&v.contenu())) return Format(*simple, format);
    return Format(v.enDouble(), format);
}

/// "=" for no trend, "/" for a rising one, "\" for anything else.
std::string_view signeDeTendance(const Valeur& tendance) {
    const double code = tendance.enDouble();
    if (code == 0) return "=";
    if (code == 2) return "/";
    return "\\";
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

Fonction BourseCollection::Variation(const Fonction& x) const {
    Fonction r;
    if (x.Longueur() <= 1) return r;
    const Fonction tendance = x.Tendance(période());
    r.Allouer(Nombre);
    r.Ajouter(x.Item(1));
    for (std::int32_t k = 2; k <= Nombre; ++k) {
        const Valeur& avant = x.Item(k - 1);
        const Valeur& après = x.Item(k);
        std::string cellule = formaté(après, "00.00");
        if (avant.enDouble() != 0 && après.enDouble() != 0) {
            cellule += " (";
            cellule += signeDeTendance(tendance.Item(k));
            if (après.enDouble() >= avant.enDouble()) {
                cellule += '+';
                cellule += texteSimple(std::fabs(variationEnPourcentage(après, avant, avant)));
            } else {
                cellule += '-';
                cellule += texteSimple(std::fabs(variationEnPourcentage(avant, après, avant)));
            }
            cellule += "%)";
        }
        r.Ajouter(std::move(cellule));
    }
    return r;
}

Fonction BourseCollection::VariationMoyenne(const Fonction& x, const std::string& format) const {
    Fonction r;
    if (x.Longueur() < 6) return r;
    const Fonction moyenne = x.MMA(période());
    const Fonction tendance = x.Tendance(période());
    if (moyenne.Longueur() == 0) return r;
    r.Allouer(Nombre);
    for (std::int32_t i = 1; i <= Nombre; ++i) {
        const Valeur& v = x.Item(i);
        const Valeur& m = moyenne.Item(i);
        std::string cellule = formaté(v, format);
        cellule += " (";
        cellule += signeDeTendance(tendance.Item(i));
        cellule += v.enDouble() >= m.enDouble() ? '>' : '<';
        cellule += m.texte();
        cellule += ')';
        r.Ajouter(std::move(cellule));
    }
    return r;
}

}  // namespace vantorelle
