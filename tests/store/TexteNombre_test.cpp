// The number texts, pinned by hand and checked against a plain, slow reading of their rules on millions of
// values: printf gives the exact decimal expansion, and the rounding and layout are done digit by digit on
// strings.
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
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "store/Arrondi.h"
#include "store/Erreur.h"
#include "support/Erreurs.h"

namespace vantorelle {
namespace {

TEST(TexteNombre, CurrencyIntegersAndTruthValues) {
    const std::pair<std::int64_t, const char*> cas[] = {{0, "0"}, {15000000, "1500"}, {-25000, "-2,5"}, {1, "0,0001"},
        {-1, "-0,0001"}, {12345, "1,2345"}, {10, "0,001"}, {123450000, "12345"}, {INT64_MIN, "-922337203685477,5808"}};
    for (const auto& [dixMillièmes, texte] : cas) EXPECT_EQ(texteMonnaie(Monnaie{dixMillièmes}), texte);
    EXPECT_EQ(texteEntier(-32768), "-32768");
    EXPECT_EQ(texteBooléen(true) + texteBooléen(false), "VraiFaux");
}

// The 15- or 7-digit text is rounded half away from zero at the format's decimals.
TEST(TexteNombre, FormatRoundsTheTextHalfAwayFromZero) {
    EXPECT_EQ(Format(12.125, "00.00"), "12,13");
    EXPECT_EQ(Format(-1.5, "00.00"), "-01,50");
    EXPECT_EQ(Format(99.995, "00.00"), "100,00");  // 99.99499999999999744 reads 99.9950000000000
    EXPECT_EQ(Format(2.675f, "0.00"), "2,68");      // 2.67499995 reads 2.675000 at 7 digits
    for (const char* format : {"", "0.0#", "abc", "0.", "0#.0"})
        EXPECT_THROW_MSG(Format(1.0, format), ErreurConversion,
                         std::string("Format numérique non reconnu : \"") + format + "\"");
}

TEST(TexteNombre, ReadNumberWithCommaOrPoint) {
    const std::pair<const char*, std::optional<double>> cas[] = {{"12,5", 12.5}, {"12.5", 12.5}, {" -1,5E-05 ", -1.5e-5},
        {"1500", 1500.0}, {"+3", 3.0}, {",5", 0.5}, {"1E+07", 1e7}, {"0", 0.0}, {"1.234,5", {}}, {"NO_EVAL", {}}, {"", {}},
        {"  ", {}}, {"12abc", {}}, {"inf", {}}, {"-", {}}, {"1 500", {}}};
    for (const auto& [texte, valeur] : cas) EXPECT_EQ(lireNombre(texte), valeur) << texte;
    for (double x : {0.1, -2.5e-7, 123456789012345.0, 1e300, 1.23456789012345e-20})
        EXPECT_EQ(*lireNombre(texteDouble(x)), x) << x;
}

TEST(Arrondi, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> pair[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {3.49, 3}, {3.51, 4}, {-3.51, -4}, {7, 7}, {0.49999999999999994, 0}, {4503599627370495.5, 4503599627370496}, {1e300, 1e300}};
    for (const auto& [entrée, attendu] : pair) EXPECT_EQ(arrondiPair(entrée), attendu) << entrée;
    // Round2 rounds the hundredfold double, so what decides is that product, not the decimal written.
    // 1.005, 0.035 and 0.285 make 100.49999999999999, 3.5000000000000004 and 28.499999999999996.
    const std::pair<double, double> deux[] = {{1.115, 1.12f}, {0.125, 0.12f}, {0.875, 0.88f}, {2.675, 2.68f}, {1.005, 1.0f},
        {0.015, 0.02f}, {0.025, 0.02f}, {0.035, 0.04f}, {0.045, 0.04f}, {12.345, 12.34f}, {0.285, 0.28f}, {1.255, 1.25f},
        {8.325, 8.32f}, {-1.115, -1.12f}, {-0.125, -0.12f}, {-0.004, 0.0f}, {100, 100.0f}, {1e-9, 0.0f},
        {static_cast<double>(1.115f), 1.12f}, {static_cast<double>(2.675f), 2.67f}, {123456.785, 123456.78f}};
    for (const auto& [entrée, attendu] : deux) EXPECT_EQ(Round2(entrée), static_cast<float>(attendu)) << entrée;
    const std::pair<double, double> trois[] = {{1.2345, 1.234}, {0.0005, 0.0}, {0.0015, 0.002}, {2.5, 2.5}, {1.0005, 1.0},
        {3.1415, 3.142}, {-3.1415, -3.142}, {12.3456789, 12.346}, {0.000499, 0.0}, {1234567.891, 1234567.891}};
    for (const auto& [entrée, attendu] : trois) EXPECT_EQ(Round3(entrée), attendu) << entrée;
}

// Up to half a unit above the largest single a value still rounds to it; from there on it overflows.
TEST(Arrondi, BeyondTheSingleRangeIsAnOverflow) {
    constexpr float plusGrand = std::numeric_limits<float>::max();
    const double limite = plusGrand + std::ldexp(1.0, 103);
    EXPECT_EQ(versSimple(plusGrand), plusGrand);
    EXPECT_EQ(versSimple(std::nextafter(limite, 0.0)), plusGrand);
    EXPECT_EQ(versSimple(-std::nextafter(limite, 0.0)), -plusGrand);
    for (double x : {limite, -1e39}) EXPECT_THROW_MSG(versSimple(x), ErreurConversion, "Dépassement de capacité");
    EXPECT_THROW_MSG(Round2(1e300), ErreurConversion, "Dépassement de capacité");
    EXPECT_EQ(Round2(3e38), static_cast<float>(3e38));
    EXPECT_TRUE(std::isinf(versSimple(std::numeric_limits<double>::infinity())));
}

/// ±d₁.d₂d₃… × 10^exposant: the significant digits of a value (none for zero) and the power of ten of the first.
struct Chiffres { bool négatif = false; std::string chiffres; int exposant = 0; };

/// Keeps the first n digits, rounded half away from zero; a carry past the first digit adds one to `retenue`.
void arrondir(std::string& chiffres, std::size_t n, int& retenue) {
    if (chiffres.size() <= n) return;
    const bool versLeHaut = chiffres[n] >= '5';
    chiffres.resize(n);
    for (auto i = n; versLeHaut && i-- > 0; chiffres[i] = '0')
        if (chiffres[i] != '9') return void(++chiffres[i]);
    if (versLeHaut) chiffres = "1" + chiffres, ++retenue;
}

/// The digits of finite x rounded to p significant digits half away from zero, without trailing zeros.
Chiffres arrondiExact(double x, std::size_t p) {
    Chiffres c{std::signbit(x), "", 0};
    if (x == 0) return c;
    int exposant2 = 0;
    std::frexp(x, &exposant2);
    // x = M × 2^q, with M < 2^53 and q = exposant2 - 53, has at most 17 + 0.7 |q| significant digits (those
    // of M × 5^-q when q < 0), and printf writes them all, exactly, when asked for at least that many.
    const int précision = 17 + std::abs(exposant2 - 53) * 7 / 10;
    std::string texte(static_cast<std::size_t>(précision) + 16, '\0');
    texte.resize(static_cast<std::size_t>(std::snprintf(texte.data(), texte.size(), "%.*e", précision, std::fabs(x))));
    const auto e = texte.find('e');
    c.chiffres = texte.substr(0, 1) + texte.substr(2, e - 2);
    c.exposant = std::atoi(texte.c_str() + e + 1);
    arrondir(c.chiffres, p, c.exposant);
    while (!c.chiffres.empty() && c.chiffres.back() == '0') c.chiffres.pop_back();
    return c;
}

/// The integer digits (at least one place per power of ten) and the decimals of c, written out in full.
std::pair<std::string, std::string> positions(const Chiffres& c) {
    if (c.chiffres.empty()) return {};
    if (c.exposant < 0) return {"", std::string(static_cast<std::size_t>(-c.exposant - 1), '0') + c.chiffres};
    std::string entiers = c.chiffres.substr(0, static_cast<std::size_t>(c.exposant) + 1);
    entiers.resize(static_cast<std::size_t>(c.exposant) + 1, '0');
    return {entiers, c.chiffres.size() > entiers.size() ? c.chiffres.substr(entiers.size()) : ""};
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
    const auto [entiers, décimales] = positions(c);
    return s + (entiers.empty() ? "0" : entiers) + (décimales.empty() ? "" : "," + décimales);
}

struct FormatFixe { const char* format; std::size_t entiersMinimum, décimales; };

const FormatFixe formats[] = {{"00.00", 2, 2}, {"0.000", 1, 3}, {"0", 1, 0}, {"#.0", 0, 1}, {"#0.0", 1, 1}, {"000", 3, 0},
                              {"#", 0, 0}, {"0000000000.00000", 10, 5}, {"0.0000000000000000000000", 1, 22}};

/// The text in format f of a value whose digits rounded at its precision are c.
std::string formatAttendu(const Chiffres& c, const FormatFixe& f) {
    auto [entiers, décimales] = positions(c);
    std::string tout = entiers + décimales;
    int retenue = 0;
    arrondir(tout, entiers.size() + f.décimales, retenue);
    entiers = tout.substr(0, entiers.size() + static_cast<std::size_t>(retenue));
    décimales = tout.substr(entiers.size());
    décimales.resize(f.décimales, '0');
    const bool nul = (entiers + décimales).find_first_not_of('0') == std::string::npos;
    if (entiers.size() < f.entiersMinimum) entiers.insert(0, f.entiersMinimum - entiers.size(), '0');
    return (c.négatif && !nul ? "-" : "") + entiers + (f.décimales > 0 ? "," + décimales : "");
}

// Reseeded by each test, so that a test run alone sees the same values as in the whole run.
std::mt19937_64 générateur;

double auHasard(double bas, double haut) { return std::uniform_real_distribution<double>(bas, haut)(générateur); }
std::int64_t entierAuHasard(std::int64_t a, std::int64_t b) { return std::uniform_int_distribution(a, b)(générateur); }
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
    auto r = static_cast<std::int64_t>(
        auHasard(std::ceil(std::pow(10.0, p) / cinqJ), std::floor(std::pow(10.0, p + 1) / cinqJ) - 1));
    r = j == 0 ? r / 10 * 10 + 5 : r | 1;
    return signeAuHasard(std::ldexp(static_cast<double>(r), -j));
}

/// k + 0.5, k / 2, k / 4 or k / 8 for k of `chiffresMin` to `chiffresMax` digits.
double fractionAuHasard(int chiffresMin, int chiffresMax) {
    const auto chiffres = static_cast<double>(entierAuHasard(chiffresMin, chiffresMax));
    const auto k = static_cast<double>(entierAuHasard(static_cast<std::int64_t>(std::pow(10.0, chiffres - 1)),
                                                      static_cast<std::int64_t>(std::pow(10.0, chiffres)) - 1));
    const double diviseurs[] = {2, 4, 8};
    return signeAuHasard(générateur() % 3 == 0 ? k + 0.5 : k / diviseurs[générateur() % 3]);
}

template <typename Flottant>
Flottant voisin(Flottant x, int pas) {
    for (; pas != 0; pas -= pas > 0 ? 1 : -1) x = std::nextafter(x, (pas > 0 ? 1 : -1) * std::numeric_limits<Flottant>::infinity());
    return x;
}

/// Powers of ten and the rounding edges, each with its neighbours up to `pas` steps away, and the limits.
template <typename Flottant>
std::vector<Flottant> bords(int dixMin, int dixMax, std::vector<double> autres, int pas) {
    for (int i = dixMin; i <= dixMax; ++i) autres.push_back(std::pow(10.0, i));
    using Limites = std::numeric_limits<Flottant>;
    std::vector<Flottant> valeurs{Flottant(0), -Flottant(0), Limites::min(), Limites::denorm_min(), Limites::max(),
                                  Limites::lowest(), Limites::infinity(), -Limites::infinity(), Limites::quiet_NaN()};
    for (double a : autres)
        for (int k = -pas; k <= pas; ++k) valeurs.push_back(voisin(static_cast<Flottant>(a), k)), valeurs.push_back(-valeurs.back());
    return valeurs;
}

/// Any finite value, its bits drawn at random.
template <typename Flottant, typename Entier>
Flottant bitsAuHasard() {
    Flottant x;
    do x = std::bit_cast<Flottant>(static_cast<Entier>(générateur())); while (!std::isfinite(x));
    return x;
}

/// How many values of a family to draw, and how.
template <typename Flottant>
using Familles = std::vector<std::pair<std::size_t, std::function<Flottant()>>>;

/// Checks the text of the edges and of each family's values, and their text in one of the formats in turn;
/// reports the first ten faults.
template <typename Flottant>
void vérifier(const Familles<Flottant>& familles, std::vector<Flottant> valeurs, std::size_t p, int exposantMaximal,
              const std::function<std::string(Flottant)>& texte) {
    générateur.seed(20240611);
    for (const auto& [nombre, valeur] : familles)
        for (std::size_t k = 0; k < nombre; ++k) valeurs.push_back(valeur());
    int échecs = 0;
    std::size_t i = 0;
    for (Flottant x : valeurs) {
        const FormatFixe& f = formats[i++ % std::size(formats)];
        const Chiffres c = std::isfinite(x) ? arrondiExact(x, p) : Chiffres{};
        const std::string attendu = texteAttendu(x, c, exposantMaximal), attenduFormat = formatAttendu(c, f);
        const std::string obtenu = texte(x), obtenuFormat = Format(x, f.format);
        if ((obtenu != attendu || obtenuFormat != attenduFormat) && ++échecs <= 10)
            ADD_FAILURE() << std::hexfloat << x << std::defaultfloat << " (" << x << "): \"" << obtenu
                          << "\" instead of \"" << attendu << "\", with " << f.format << " \"" << obtenuFormat
                          << "\" instead of \"" << attenduFormat << "\"";
    }
    EXPECT_EQ(échecs, 0);
}

// Families: any bits, prices, magnitudes, exact ties and their neighbours, binary fractions.
TEST(TexteNombreDifferentiel, SinglesMatchTheirExactExpansionRounded) {
    auto simple = [](double (*f)()) { return std::function<float()>([f] { return static_cast<float>(f()); }); };
    const Familles<float> familles = {{400'000, bitsAuHasard<float, std::uint32_t>},
        {300'000, simple([] { return décimalAuHasard(7, 6); })}, {300'000, simple([] { return logarithmiqueAuHasard(-6, 10); })},
        {150'000, simple([] { return milieuAuHasard(7, 10); })}, {150'000, simple([] { return fractionAuHasard(6, 8); })},
        {100'000, [] { return voisin(static_cast<float>(milieuAuHasard(7, 10)), générateur() & 1 ? 1 : -1); }}};
    vérifier<float>(familles, bords<float>(-45, 38, {1e-4, 9.99995e-5, 1e7, 9999999.5, 0.5, 1.0 / 3}, 64), 7, 7,
                    [](float x) { return texteSimple(x); });
}

TEST(TexteNombreDifferentiel, DoublesMatchTheirExactExpansionRounded) {
    const Familles<double> familles = {{30'000, bitsAuHasard<double, std::uint64_t>},
        {300'000, [] { return décimalAuHasard(static_cast<int>(entierAuHasard(1, 17)), 12); }},
        {300'000, [] { return logarithmiqueAuHasard(-20, 20); }}, {200'000, [] { return auHasard(-1e6, 1e6) / auHasard(1, 1e4); }},
        {150'000, [] { return milieuAuHasard(15, 22); }}, {150'000, [] { return fractionAuHasard(13, 16); }},
        {100'000, [] { return voisin(milieuAuHasard(15, 22), générateur() & 1 ? 1 : -1); }}};
    vérifier<double>(familles,
                     bords<double>(-325, 308, {1e-4, 9.99999999999995e-5, 1e15, 999999999999999.5, 1e7, 0.5, 1.0 / 3}, 64),
                     15, 15, [](double x) { return texteDouble(x); });
}

}  // namespace
}  // namespace vantorelle
