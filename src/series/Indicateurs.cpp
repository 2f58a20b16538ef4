// The indicator operations of Fonction. Each reads the series once into a plain column and fills a new
// series; arithmetic is in double except the steps done in single (see Arithmetique.h).
#include <string>
#include <vector>

#include "series/Arithmetique.h"
#include "series/Colonne.h"
#include "series/Fonction.h"
#include "series/MoyenneMobile.h"
#include "series/TendanceEtMoyenne.h"
#include "store/Arrondi.h"

namespace vantorelle {

namespace {

Fonction nommée(std::string nom) {
    Fonction r;
    r.Nom(std::move(nom));
    return r;
}

std::string nomAvecPériode(const char* indicateur, std::int16_t n) { return indicateur + std::to_string(n); }

/// Gives the result its values as `Allouer` with their number then one `Ajouter` each would, in one move.
void remplir(Fonction& r, Tableau<Valeur> valeurs) { r.Data()->FromArray(std::move(valeurs)); }

/// The room a new store reaches after n appends, each growing it to the written position + 100 when full.
std::int32_t capacitéAprèsAjouts(std::int32_t n) {
    std::int32_t capacité = 100;
    while (capacité < n) capacité += 101;
    return capacité;
}

/// The values of a new result, with room for n.
Tableau<Valeur> valeursPour(std::int32_t n) {
    Tableau<Valeur> valeurs;
    valeurs.reserve(static_cast<std::size_t>(n));
    return valeurs;
}

/// A result's values: the singles given.
Tableau<Valeur> valeursDe(const std::vector<float>& nombres) {
    auto valeurs = valeursPour(static_cast<std::int32_t>(nombres.size()));
    for (float m : nombres) valeurs.emplace_back(m);
    return valeurs;
}

/// The series named after the indicator and n: 0 for its first n values, then écart(x[i], x[i - n]).
template <class Écart>
Fonction écartsSurPériode(const Fonction& f, const char* indicateur, std::int16_t n, Écart écart) {
    Fonction r = nommée(nomAvecPériode(indicateur, n));
    const std::int32_t taille = f.Longueur();
    if (taille <= n || n < 1) return r;
    const Colonne x(f);
    auto valeurs = valeursPour(taille);
    for (std::int32_t i = 1; i <= n; ++i) valeurs.emplace_back(0.0f);
    for (std::int32_t i = n + 1; i <= taille; ++i) valeurs.emplace_back(écart(x[i], x[i - n]));
    remplir(r, std::move(valeurs));
    return r;
}

}  // namespace

Fonction Fonction::RSI(std::int16_t n) const {
    Fonction r;
    const std::int32_t taille = Longueur();
    if (taille <= n || n < 1) return r;
    const Colonne x(*this);
    const auto nMoinsUn = static_cast<std::int16_t>(n - 1);
    auto valeurs = valeursPour(capacitéAprèsAjouts(taille));
    float moyenneHausses = 0.0f;
    float moyenneBaisses = 0.0f;
    for (std::int32_t i = 1; i <= taille; ++i) {
        double hausse = 0.0;
        double baisse = 0.0;
        if (i > 1) {
            if (x[i] >= x[i - 1])
                hausse = x[i] - x[i - 1];
            else
                baisse = x[i - 1] - x[i];
        }
        moyenneHausses = versSimple((produitSimple(moyenneHausses, nMoinsUn) + hausse) / n);
        moyenneBaisses = versSimple((produitSimple(moyenneBaisses, nMoinsUn) + baisse) / n);
        if (moyenneBaisses == 0.0f)
            valeurs.emplace_back(0.0f);
        else
            valeurs.emplace_back(
                Round2(100.0 - 100.0 / (1.0 + static_cast<double>(moyenneHausses) / moyenneBaisses)));
    }
    // Filled by appends alone, without a reservation: the store ends with the room those appends give it.
    remplir(r, std::move(valeurs));
    r.Allouer(capacitéAprèsAjouts(taille));
    return r;
}

Fonction Fonction::ROC(std::int16_t n) const {
    return écartsSurPériode(*this, "ROC", n, [](double actuelle, double ancienne) {
        return ancienne == 0.0 ? 100.0f : Round2(100.0 * actuelle / ancienne);
    });
}

Fonction Fonction::Momentum(std::int16_t n) const {
    return écartsSurPériode(*this, "Momentum", n,
                            [](double actuelle, double ancienne) { return Round2(actuelle - ancienne); });
}

Fonction Fonction::MMA(std::int16_t n) const {
    Fonction r = nommée(nomAvecPériode("MMA", n));
    const std::int32_t taille = Longueur();
    if (taille <= n || n < 1) return r;
    remplir(r, valeursDe(moyennesMobiles(Colonne(*this), n)));
    return r;
}

// When the series holds no more than n2 values the long average would be empty and reading it fails; the
// result is then empty like that of a failed guard.
Fonction Fonction::MACD(std::int16_t n1, std::int16_t n2) const {
    Fonction r = nommée("MACD" + std::to_string(n1) + "-" + std::to_string(n2));
    const std::int32_t taille = Longueur();
    if (taille < 1 || n1 < 1 || n2 < n1 || taille <= n2) return r;
    const Colonne x(*this);
    const auto [longue, courte] = moyennesMobiles(x, n2, n1);
    auto valeurs = valeursPour(taille);
    for (std::size_t i = 0; i < courte.size(); ++i)
        valeurs.emplace_back(Round2(static_cast<double>(courte[i]) - longue[i]));
    remplir(r, std::move(valeurs));
    return r;
}

// A zero divisor (a rise from 0, or a fall to 0) gives 0: the change has no measure in percent.
Fonction Fonction::Volatilité(std::int16_t n) const {
    Fonction r = nommée(nomAvecPériode("Volatilité", n));
    const std::int32_t taille = Longueur();
    if (taille < 2 || n < 1) return r;
    const Colonne x(*this);
    auto valeurs = valeursPour(taille);
    valeurs.emplace_back(0.0f);
    for (std::int32_t i = 2; i <= taille; ++i) {
        const bool hausse = x[i] > x[i - 1];
        const double base = hausse ? x[i - 1] : x[i];
        if (base == 0.0)
            valeurs.emplace_back(0.0f);
        else if (hausse)
            valeurs.emplace_back(Round2(100.0 * (x[i] / x[i - 1] - 1.0)));
        else
            valeurs.emplace_back(0.0f - Round2(100.0 * (x[i - 1] / x[i] - 1.0)));  // 0 - r: unchanged gives +0
    }
    remplir(r, std::move(valeurs));
    return r;
}

namespace {

/// The trend codes of the column from its averages over n and over half n.
Tableau<Valeur> codesDeTendance(const Colonne& x, std::int16_t n, const MoyennesMobiles& moyennes) {
    const std::int32_t taille = x.taille();
    auto valeurs = valeursPour(taille);
    for (std::int32_t i = 1; i <= n; ++i) valeurs.emplace_back(std::int16_t{0});
    for (std::int32_t i = n + 1; i <= taille; ++i) {
        const auto k = static_cast<std::size_t>(i) - 1;
        const float longueI = moyennes.longue[k], longuePréc = moyennes.longue[k - 1];
        const float courteI = moyennes.courte[k], courtePréc = moyennes.courte[k - 1];
        // Every test is worked out, without a branch: the codes follow the prices up and down, which no
        // branch predicts. Rising and falling exclude each other.
        const bool nulle = (longueI == 0.0f) | (longuePréc == 0.0f);
        const bool hausse = (longueI > longuePréc) & (courteI > courtePréc) & (courteI > longueI) & (x[i] > longueI);
        const bool baisse = (longueI < longuePréc) & (courteI < courtePréc) & (courteI < longueI) & (x[i] < longueI);
        valeurs.emplace_back(static_cast<std::int16_t>(!nulle * (2 * hausse + baisse)));
    }
    return valeurs;
}

std::int16_t demiPériode(std::int16_t n) { return static_cast<std::int16_t>(arrondiPair(n / 2.0)); }

}  // namespace

// Tendance(1) has a half period of 0 and so no short average: its result is empty like that of a failed
// guard.
Fonction Fonction::Tendance(std::int16_t n) const {
    Fonction r = nommée(nomAvecPériode("Tendance", n));
    if (Longueur() <= n || n < 1 || demiPériode(n) < 1) return r;
    const Colonne x(*this);
    remplir(r, codesDeTendance(x, n, moyennesMobiles(x, n, demiPériode(n))));
    return r;
}

TendanceEtMoyenne tendanceEtMoyenne(const Fonction& série, std::int16_t n) {
    TendanceEtMoyenne r{nommée(nomAvecPériode("Tendance", n)), nommée(nomAvecPériode("MMA", n))};
    if (série.Longueur() <= n || n < 1) return r;
    const Colonne x(série);
    const MoyennesMobiles moyennes = moyennesMobiles(x, n, demiPériode(n) < 1 ? 0 : demiPériode(n));
    if (demiPériode(n) >= 1) remplir(r.tendance, codesDeTendance(x, n, moyennes));
    remplir(r.moyenne, valeursDe(moyennes.longue));
    return r;
}

// The range must lie inside the series: 1 ≤ début ≤ fin ≤ Longueur.
Fonction Fonction::Intervalle(std::int32_t début, std::int32_t fin) const {
    Fonction r;
    if (début < 1 || début > fin || fin > Longueur()) return r;
    auto valeurs = valeursPour(fin - début + 1);
    for (std::int32_t i = début; i <= fin; ++i) valeurs.emplace_back(Item(i));
    remplir(r, std::move(valeurs));
    return r;
}

}  // namespace vantorelle
