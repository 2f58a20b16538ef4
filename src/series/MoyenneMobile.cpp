#include "series/MoyenneMobile.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "series/Arithmetique.h"
#include "series/Colonne.h"

namespace vantorelle {

namespace {

/// The sums of the windows of n values and, when m > 0, of their first m values (the window of m values).
struct Sommes {
    std::vector<float> longues, courtes;
};

/// Each window summed from scratch, value by value, with the kind of every value taken into account.
Sommes sommesParValeur(const Colonne& x, std::int16_t n, std::int16_t m) {
    const auto taille = static_cast<std::size_t>(x.taille());
    Sommes sommes{std::vector<float>(taille), std::vector<float>(m > 0 ? taille : 0)};
    for (std::int32_t i = 1; i <= x.taille(); ++i) {
        float s = 0.0f;
        const auto k = static_cast<std::size_t>(i) - 1;
        for (std::int32_t j = i; j >= std::max(i - n + 1, 1); --j) {
            s = x.avecMonnaie() ? sommeSimple(s, x.valeurs()[static_cast<std::size_t>(j) - 1]) : sommeSimple(s, x[j]);
            if (i - j + 1 == m) sommes.courtes[k] = s;
        }
        sommes.longues[k] = s;
        if (m > 0 && i < m) sommes.courtes[k] = s;
    }
    return sommes;
}

/// The same sums, bit for bit, computed for a block of consecutive windows at once so that the additions
/// of neighbouring windows overlap; valid when no value is currency and no sum can leave the single range.
/// With terms that are all singles, `Terme` may be float: a single sum taken in double and rounded to single
/// is the single sum itself, double holding more than twice the digits of single.
template <class Terme>
Sommes sommesParBlocs(const Colonne& x, std::int16_t n, std::int16_t m) {
    constexpr std::size_t largeur = 16;
    const auto taille = static_cast<std::size_t>(x.taille());
    const auto avant = static_cast<std::size_t>(n) - 1;
    // Zeros stand for the positions before the first: they come last in each descending window, and adding
    // +0 leaves a single sum unchanged (a sum started at +0 is never -0).
    std::vector<Terme> termes(avant + taille + largeur, Terme{0});
    std::ranges::transform(x.nombres(), termes.begin() + static_cast<std::ptrdiff_t>(avant),
                           [](double v) { return static_cast<Terme>(v); });
    Sommes sommes{std::vector<float>(taille + largeur), std::vector<float>(m > 0 ? taille + largeur : 0)};
    for (std::size_t début = 0; début < taille; début += largeur) {
        float s[largeur] = {};
        for (std::size_t k = 0; k <= avant; ++k) {
            const Terme* terme = termes.data() + début + avant - k;
            for (std::size_t l = 0; l < largeur; ++l) s[l] = static_cast<float>(static_cast<Terme>(s[l]) + terme[l]);
            if (k + 1 == static_cast<std::size_t>(m))
                std::copy(s, s + largeur, sommes.courtes.begin() + static_cast<std::ptrdiff_t>(début));
        }
        std::copy(s, s + largeur, sommes.longues.begin() + static_cast<std::ptrdiff_t>(début));
    }
    sommes.longues.resize(taille);
    if (m > 0) sommes.courtes.resize(taille);
    return sommes;
}

bool sommesSansDépassement(const Colonne& x, std::int16_t n) {
    double plusGrand = 0.0;
    for (double v : x.nombres())
        if (!(std::fabs(v) <= plusGrand)) plusGrand = std::fabs(v);  // NaN included
    return plusGrand * n < static_cast<double>(std::numeric_limits<float>::max()) / 2;
}

/// True when every value is a single, so that adding it to a single sum can be done in single. The values
/// must lie in the single range.
bool tousSimples(const Colonne& x) {
    return std::ranges::all_of(x.nombres(), [](double v) { return static_cast<double>(static_cast<float>(v)) == v; });
}

}  // namespace

MoyennesMobiles moyennesMobiles(const Colonne& x, std::int16_t n, std::int16_t m) {
    Sommes sommes;
    if (x.avecMonnaie() || !sommesSansDépassement(x, n))
        sommes = sommesParValeur(x, n, m);
    else if (tousSimples(x))
        sommes = sommesParBlocs<float>(x, n, m);
    else
        sommes = sommesParBlocs<double>(x, n, m);
    for (float& s : sommes.longues) s = Round2(quotientSimple(s, n));
    for (float& s : sommes.courtes) s = Round2(quotientSimple(s, m));
    return {std::move(sommes.longues), std::move(sommes.courtes)};
}

std::vector<float> moyennesMobiles(const Colonne& x, std::int16_t n) { return moyennesMobiles(x, n, 0).longue; }

}  // namespace vantorelle
