#include "series/MoyenneMobile.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "series/Arithmetique.h"
#include "series/Colonne.h"

namespace vantorelle {

namespace {

/// Each window summed from scratch, value by value, with the kind of every value taken into account.
std::vector<float> sommesParValeur(const Colonne& x, std::int16_t n) {
    std::vector<float> sommes(static_cast<std::size_t>(x.taille()));
    for (std::int32_t i = 1; i <= x.taille(); ++i) {
        float s = 0.0f;
        for (std::int32_t j = i; j >= std::max(i - n + 1, 1); --j)
            s = x.avecMonnaie() ? sommeSimple(s, x.valeurs()[static_cast<std::size_t>(j) - 1]) : sommeSimple(s, x[j]);
        sommes[static_cast<std::size_t>(i) - 1] = s;
    }
    return sommes;
}

/// The same sums, bit for bit, computed for a block of consecutive windows at once so that the additions
/// of neighbouring windows overlap; valid when no value is currency and no sum can leave the single range.
std::vector<float> sommesParBlocs(const Colonne& x, std::int16_t n) {
    constexpr std::size_t largeur = 16;
    const auto taille = static_cast<std::size_t>(x.taille());
    const auto avant = static_cast<std::size_t>(n) - 1;
    // Zeros stand for the positions before the first: they come last in each descending window, and adding
    // +0 leaves a single sum unchanged (a sum started at +0 is never -0).
    std::vector<double> termes(avant + taille + largeur, 0.0);
    std::ranges::copy(x.nombres(), termes.begin() + static_cast<std::ptrdiff_t>(avant));
    std::vector<float> sommes(taille + largeur);
    for (std::size_t début = 0; début < taille; début += largeur) {
        float s[largeur] = {};
        for (std::size_t k = 0; k <= avant; ++k) {
            const double* terme = termes.data() + début + avant - k;
            for (std::size_t l = 0; l < largeur; ++l)
                s[l] = static_cast<float>(static_cast<double>(s[l]) + terme[l]);
        }
        std::copy(s, s + largeur, sommes.begin() + static_cast<std::ptrdiff_t>(début));
    }
    sommes.resize(taille);
    return sommes;
}

bool sommesSansDépassement(const Colonne& x, std::int16_t n) {
    double plusGrand = 0.0;
    for (double v : x.nombres())
        if (!(std::fabs(v) <= plusGrand)) plusGrand = std::fabs(v);  // NaN included
    return plusGrand * n < static_cast<double>(std::numeric_limits<float>::max()) / 2;
}

}  // namespace

std::vector<float> moyennesMobiles(const Colonne& x, std::int16_t n) {
    std::vector<float> moyennes = !x.avecMonnaie() && sommesSansDépassement(x, n) ? sommesParBlocs(x, n)
                                                                                  : sommesParValeur(x, n);
    for (float& m : moyennes) m = Round2(quotientSimple(m, n));
    return moyennes;
}

}  // namespace vantorelle
