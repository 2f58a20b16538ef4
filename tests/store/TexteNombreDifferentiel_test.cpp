// The number texts checked against a plain, slow reading of their rules on millions of values: printf gives
// the exact decimal expansion, and the rounding and layout are done digit by digit on strings.
#include "store/TexteNombre.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace vantorelle {
namespace {

/// ±d₁.d₂d₃… × 10^exposant: the significant digits of a value and the power of ten of the first one.
struct Chiffres {
    bool négatif = false;
    std::string chiffres;  // empty for zero
    int exposant = 0;
};

Chiffres développementExact(double x) {
    Chiffres c;
    c.négatif = std::signbit(x);
    if (x == 0) return c;
    int exposant2 = 0;
    std::frexp(x, &exposant2);
    // x = M × 2^q, with M < 2^53 and q = exposant2 - 53, has at most 17 + 0.7 |q| significant digits (those
    // of M × 5^-q when q < 0), and printf writes them all, exactly, when asked for at least that many.
    const int précision = 17 + std::abs(exposant2 - 53) * 7 / 10;
    std::string texte(static_cast<std::size_t>(précision) + 16, '\0');
    const int longueur = std::snprintf(texte.data(), texte.size(), "%.*e", précision, std::fabs(x));
    texte.resize(static_cast<std::size_t>(longueur));
    const auto e = texte.find('e');
    c.chiffres = texte.substr(0, 1) + texte.substr(2, e - 2);
    c.exposant = std::atoi(texte.c_str() + e + 1);
    return c;
}

void ajouterUneUnité(std::string& chiffres, int& exposant) {
    for (auto i = chiffres.size(); i-- > 0;) {
        if (chiffres[i] != '9') {
            ++chiffres[i];
            return;
        }
        chiffres[i] = '0';
    }
    chiffres = "1" + chiffres;
    ++exposant;
}

/// Rounded to p significant digits half away from zero, without trailing zeros.
Chiffres arrondi(Chiffres c, std::size_t p) {
    if (c.chiffres.size() > p) {
        const bool versLeHaut = c.chiffres[p] >= '5';
        c.chiffres.resize(p);
        if (versLeHaut) ajouterUneUnité(c.chiffres, c.exposant);
    }
    while (!c.chiffres.empty() && c.chiffres.back() == '0') c.chiffres.pop_back();
    return c;
}

/// The text of x, whose digits rounded at its precision are c.
std::string texteAttendu(double x, const Chiffres& c, int exposantMaximal) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
    if (c.chiffres.empty()) return "0";
    std::string s = c.négatif ? "-" : "";
    if (c.exposant < -4 || c.exposant >= exposantMaximal) {
        s += c.chiffres[0];
        if (c.chiffres.size() > 1) s.append(",").append(c.chiffres, 1);
        char exposant[8];
        std::snprintf(exposant, sizeof exposant, "E%+03d", c.exposant);
        return s + exposant;
    }
    if (c.exposant < 0)
        return s.append("0,").append(static_cast<std::size_t>(-c.exposant - 1), '0').append(c.chiffres);
    std::string entiers = c.chiffres.substr(0, static_cast<std::size_t>(c.exposant) + 1);
    entiers.resize(static_cast<std::size_t>(c.exposant) + 1, '0');
    s += entiers;
    if (c.chiffres.size() > entiers.size()) s.append(",").append(c.chiffres, entiers.size());
    return s;
}

struct FormatFixe {
    const char* format;
    std::size_t entiersMinimum;
    std::size_t décimales;
};

const FormatFixe formats[] = {
    {"00.00", 2, 2}, {"0.000", 1, 3}, {"0", 1, 0},    {"#.0", 0, 1},
    {"#0.0", 1, 1},  {"000", 3, 0},   {"#", 0, 0},    {"0000000000.00000", 10, 5},
    {"0.0000000000000000000000", 1, 22},
};

/// The text in format f of a value whose digits rounded at its precision are c.
std::string formatAttendu(const Chiffres& c, const FormatFixe& f) {
    std::string entiers;
    std::string décimales;
    if (c.chiffres.empty()) {
    } else if (c.exposant < 0) {
        décimales = std::string(static_cast<std::size_t>(-c.exposant - 1), '0') + c.chiffres;
    } else {
        entiers = c.chiffres.substr(0, static_cast<std::size_t>(c.exposant) + 1);
        entiers.resize(static_cast<std::size_t>(c.exposant) + 1, '0');
        if (c.chiffres.size() > entiers.size()) décimales = c.chiffres.substr(entiers.size());
    }
    if (décimales.size() > f.décimales) {
        const bool versLeHaut = décimales[f.décimales] >= '5';
        décimales.resize(f.décimales);
        if (versLeHaut) {
            std::string tout = entiers + décimales;
            int inutilisé = 0;
            ajouterUneUnité(tout, inutilisé);
            entiers = tout.substr(0, tout.size() - décimales.size());
            décimales = tout.substr(entiers.size());
        }
    }
    décimales.resize(f.décimales, '0');
    const bool nul = (entiers + décimales).find_first_not_of('0') == std::string::npos;
    if (entiers.size() < f.entiersMinimum) entiers.insert(0, f.entiersMinimum - entiers.size(), '0');
    std::string s = c.négatif && !nul ? "-" : "";
    s += entiers;
    if (f.décimales > 0) s += "," + décimales;
    return s;
}

// Reseeded by each test, so that a test run alone sees the same values as in the whole run.
std::mt19937_64 générateur;

double auHasard(double bas, double haut) { return std::uniform_real_distribution<double>(bas, haut)(générateur); }

std::int64_t entierAuHasard(std::int64_t bas, std::int64_t haut) {
    return std::uniform_int_distribution<std::int64_t>(bas, haut)(générateur);
}

double signeAuHasard(double x) { return générateur() & 1 ? -x : x; }

/// |x| between 10^bas and 10^haut, evenly spread over the powers of ten.
double logarithmiqueAuHasard(double bas, double haut) { return signeAuHasard(std::pow(10.0, auHasard(bas, haut))); }

/// A decimal such as a price read from a file: an integer of up to `chiffres` digits over a power of ten.
double décimalAuHasard(int chiffres, int décalageMaximal) {
    const auto k = static_cast<double>(entierAuHasard(0, static_cast<std::int64_t>(std::pow(10.0, chiffres)) - 1));
    return signeAuHasard(k / std::pow(10.0, static_cast<double>(entierAuHasard(0, décalageMaximal))));
}

/// An exact tie at p digits: r / 2^j whose expansion r × 5^j has p + 1 digits ending in 5.
double milieuAuHasard(int p, int jMaximal) {
    const int j = static_cast<int>(entierAuHasard(0, jMaximal));
    const double cinqJ = std::pow(5.0, j);
    const double bas = std::ceil(std::pow(10.0, p) / cinqJ);
    const double haut = std::floor(std::pow(10.0, p + 1) / cinqJ) - 1;
    auto r = static_cast<std::int64_t>(auHasard(bas, haut));
    if (j == 0) r = r / 10 * 10 + 5;
    else r |= 1;
    return signeAuHasard(std::ldexp(static_cast<double>(r), -j));
}

/// k + 0.5, k / 2, k / 4 or k / 8 for k of `chiffresMin` to `chiffresMax` digits.
double fractionAuHasard(int chiffresMin, int chiffresMax) {
    const auto chiffres = static_cast<double>(entierAuHasard(chiffresMin, chiffresMax));
    const auto k = static_cast<double>(entierAuHasard(static_cast<std::int64_t>(std::pow(10.0, chiffres - 1)),
                                                      static_cast<std::int64_t>(std::pow(10.0, chiffres)) - 1));
    const double diviseurs[] = {2, 4, 8};
    const double x = générateur() % 3 == 0 ? k + 0.5 : k / diviseurs[générateur() % 3];
    return signeAuHasard(x);
}

template <typename Flottant>
Flottant voisin(Flottant x, int pas) {
    for (; pas > 0; --pas) x = std::nextafter(x, std::numeric_limits<Flottant>::infinity());
    for (; pas < 0; ++pas) x = std::nextafter(x, -std::numeric_limits<Flottant>::infinity());
    return x;
}

/// Powers of ten and the rounding edges, each with its neighbours up to `pas` steps away.
template <typename Flottant>
std::vector<Flottant> bords(int dixMin, int dixMax, std::vector<double> autres, int pas) {
    for (int i = dixMin; i <= dixMax; ++i) autres.push_back(std::pow(10.0, i));
    std::vector<Flottant> valeurs;
    for (double a : autres)
        for (int k = -pas; k <= pas; ++k) {
            valeurs.push_back(voisin(static_cast<Flottant>(a), k));
            valeurs.push_back(-valeurs.back());
        }
    using Limites = std::numeric_limits<Flottant>;
    for (Flottant x : {Flottant(0), -Flottant(0), Limites::min(), Limites::denorm_min(), Limites::max(),
                       Limites::lowest(), Limites::infinity(), -Limites::infinity(), Limites::quiet_NaN()})
        valeurs.push_back(x);
    return valeurs;
}

template <typename Flottant>
struct Famille {
    const char* nom;
    std::size_t nombre;
    std::function<Flottant()> valeur;
};

template <typename Flottant>
void vérifier(const char* nom, const std::vector<Flottant>& valeurs, std::size_t p, int exposantMaximal,
              const std::function<std::string(Flottant)>& texte, int& échecs) {
    std::size_t i = 0;
    for (Flottant x : valeurs) {
        const FormatFixe& f = formats[i++ % std::size(formats)];
        const Chiffres c = std::isfinite(x) ? arrondi(développementExact(x), p) : Chiffres{};
        const std::string attendu = texteAttendu(x, c, exposantMaximal);
        const std::string attenduFormat = formatAttendu(c, f);
        const std::string obtenu = texte(x);
        const std::string obtenuFormat = Format(x, f.format);
        if ((obtenu != attendu || obtenuFormat != attenduFormat) && ++échecs <= 10)
            ADD_FAILURE() << nom << " " << std::hexfloat << x << std::defaultfloat << " (" << x << "): \"" << obtenu
                          << "\" instead of \"" << attendu << "\", with " << f.format << " \"" << obtenuFormat
                          << "\" instead of \"" << attenduFormat << "\"";
    }
}

template <typename Flottant>
void vérifierFamilles(const std::vector<Famille<Flottant>>& familles, const std::vector<Flottant>& bordsConnus,
                      std::size_t p, int exposantMaximal, const std::function<std::string(Flottant)>& texte) {
    générateur.seed(20240611);
    int échecs = 0;
    vérifier("edge", bordsConnus, p, exposantMaximal, texte, échecs);
    for (const auto& famille : familles) {
        std::vector<Flottant> valeurs(famille.nombre);
        for (Flottant& x : valeurs) x = famille.valeur();
        vérifier(famille.nom, valeurs, p, exposantMaximal, texte, échecs);
    }
    EXPECT_EQ(échecs, 0);
}

TEST(TexteNombreDifferentiel, SinglesMatchTheirExactExpansionRounded) {
    auto simple = [](auto f) { return std::function<float()>([f] { return static_cast<float>(f()); }); };
    const std::vector<Famille<float>> familles = {
        {"any bits", 400'000,
         [] {
             float x;
             do x = std::bit_cast<float>(static_cast<std::uint32_t>(générateur())); while (!std::isfinite(x));
             return x;
         }},
        {"price", 300'000, simple([] { return décimalAuHasard(7, 6); })},
        {"magnitude", 300'000, simple([] { return logarithmiqueAuHasard(-6, 10); })},
        {"tie", 150'000, simple([] { return milieuAuHasard(7, 10); })},
        {"near tie", 100'000,
         [] { return voisin(static_cast<float>(milieuAuHasard(7, 10)), générateur() & 1 ? 1 : -1); }},
        {"fraction", 150'000, simple([] { return fractionAuHasard(6, 8); })},
    };
    const auto bordsSimples = bords<float>(-45, 38, {1e-4, 9.99995e-5, 1e7, 9999999.5, 0.5, 1.0 / 3}, 64);
    vérifierFamilles<float>(familles, bordsSimples, 7, 7, [](float x) { return texteSimple(x); });
}

TEST(TexteNombreDifferentiel, DoublesMatchTheirExactExpansionRounded) {
    const std::vector<Famille<double>> familles = {
        {"any bits", 30'000,
         [] {
             double x;
             do x = std::bit_cast<double>(générateur()); while (!std::isfinite(x));
             return x;
         }},
        {"price", 300'000, [] { return décimalAuHasard(static_cast<int>(entierAuHasard(1, 17)), 12); }},
        {"magnitude", 300'000, [] { return logarithmiqueAuHasard(-20, 20); }},
        {"ratio", 200'000, [] { return auHasard(-1e6, 1e6) / auHasard(1, 1e4); }},
        {"tie", 150'000, [] { return milieuAuHasard(15, 22); }},
        {"near tie", 100'000, [] { return voisin(milieuAuHasard(15, 22), générateur() & 1 ? 1 : -1); }},
        {"fraction", 150'000, [] { return fractionAuHasard(13, 16); }},
    };
    const auto bordsDoubles =
        bords<double>(-325, 308, {1e-4, 9.99999999999995e-5, 1e15, 999999999999999.5, 1e7, 0.5, 1.0 / 3}, 64);
    vérifierFamilles<double>(familles, bordsDoubles, 15, 15, [](double x) { return texteDouble(x); });
}

}  // namespace
}  // namespace vantorelle
