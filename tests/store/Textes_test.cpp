// Texts: strings, paths, encodings, and the number texts, pinned by hand and checked against a plain, slow
// reading of their rules on millions of values: printf gives the exact decimal expansion, and the rounding
// and layout are done digit by digit on strings.
#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "store/Arrondi.h"
#include "store/Casse.h"
#include "store/Chaines.h"
#include "store/Chemins.h"
#include "store/Dates.h"
#include "store/Encodage.h"
#include "store/Erreur.h"
#include "store/TexteNombre.h"
#include "support/Erreurs.h"

namespace vantorelle::test {
namespace {

TEST(Chaines, Replace) {
    // Left to right, and what was inserted is not looked at again; accented capitals match without case.
    const std::tuple<const char*, const char*, const char*, bool, const char*> cas[] = {
        {"aAa", "a", "b", true, "bAb"}, {"aaaa", "aa", "a", true, "aa"}, {"abc", "b", "bb", true, "abbc"},
        {"abc", "", "x", true, "abc"}, {"Élan élan", "élan", "x", false, "x x"}, {"ŒUVRE œuvre", "œuvre", "o", false, "o o"}};
    for (const auto& [avant, recherche, remplacement, casse, attendu] : cas) {
        std::string texte = avant;
        Remplacer(texte, recherche, remplacement, casse);
        EXPECT_EQ(texte, attendu) << avant << " / " << recherche << " / casse " << casse;
    }
}

// Characters counted from 1, an inclusive end.
TEST(Chaines, ExtractReverseAndFoldCase) {
    const std::tuple<const char*, int, int, const char*> cas[] = {
        {"abcdef", 2, 4, "bcd"}, {"abcdef", 1, 1, "a"},  {"abcdef", 4, 3, ""},
        {"abcdef", 5, 10, "ef"}, {"abcdef", 9, 12, ""}, {"déjà vu", 2, 4, "éjà"}};
    for (const auto& [texte, début, fin, attendu] : cas) EXPECT_EQ(Extraire(texte, début, fin), attendu) << texte;
    for (auto [début, fin] : {std::pair{0, 2}, {3, 1}})
        EXPECT_THROW_MSG(Extraire("abc", début, fin), Erreur, "Argument ou appel de procédure incorrect");
    EXPECT_EQ(Inverser("C:/a/b.txt") + Inverser("éà€"), "txt.b/a/:C€àé");
    EXPECT_EQ(plierCasse("AZ@[ FRMTÉLÉCHARGER Œ Š Ž Ÿ À×Þ ß€"), "az@[ frmtélécharger œ š ž ÿ à×þ ß€");
    EXPECT_EQ(plierCasse1252("AZ@[\xC0\xC9\xD7\xDE\xDF\x8A\x8C\x8E\x9F"), "az@[\xE0\xE9\xD7\xFE\xDF\x9A\x9C\x9E\xFF");
    using std::chrono::year, std::chrono::sys_days;  // a Sunday, then a Saturday
    EXPECT_EQ(JourSemaine(sys_days(year(2024) / 3 / 3)) * 10 + JourSemaine(sys_days(year(2024) / 3 / 9)), 17);
}

TEST(Chemins, PartsOfAPath) {
    // A last "/" leaves no name, nor a folder; "\" is part of a name.
    const std::tuple<const char*, const char*, const char*, const char*> cas[] = {{"C:/a/b.txt", "b.txt", "C:/a/", "C"},
        {"b.txt", "", "", ""}, {"/d/base/", "", "", ""}, {":x/y", "y", ":x/", ""}, {"a\\b", "", "", ""}};
    for (const auto& [chemin, nom, répertoire, disque] : cas) {
        EXPECT_EQ(NomCourtDe(chemin), nom) << chemin;
        EXPECT_EQ(RépertoireDe(chemin), répertoire) << chemin;
        EXPECT_EQ(DisqueDe(chemin), disque) << chemin;
    }
    for (auto [dossier, attendu] : {std::pair{"/d/base", "/d/base/All.txt"}, {"/d/base/", "/d/base/All.txt"}, {"", "All.txt"}})
        EXPECT_EQ(Combiner(dossier, "All.txt"), attendu);
}

TEST(Encodage, Windows1252BothWays) {
    // Every byte twice, so the bytes past the first eight go through the byte-by-byte path too.
    std::string tous(512, '\0');
    for (std::size_t b = 0; b < tous.size(); ++b) tous[b] = static_cast<char>(b);
    // Without a round trip: what Windows-1252 cannot hold, or invalid UTF-8, becomes "?".
    const std::tuple<std::string, std::string, bool> cas[] = {{"", "", true},
        {"Soci\xE9t\xE9 G\xE9n\xE9rale", "Société Générale", true}, {"\x80\x9C\x8C\x9F\xFF", "€œŒŸÿ", true},
        {"\x81\x8D\x8F\x90\x9D", "\u0081\u008D\u008F\u0090\u009D", true}, {tous, depuisWindows1252(tous), false},
        {"?", "日", false}, {"a?b", "a😀b", false}, {"?", "\u0080", false}, {"?", "\xFF", false}, {"??", "\xC0\xAF", false},
        {"x?", "x\xC3", false}, {"???", "\xED\xA0\x80", false}};
    for (const auto& [octets, texte, allerRetour] : cas) {
        if (allerRetour) { EXPECT_EQ(depuisWindows1252(octets), texte) << texte; }
        EXPECT_EQ(versWindows1252(texte), octets) << texte;
        EXPECT_EQ(longueurWindows1252(texte), octets.size()) << texte;
    }
}

TEST(TexteNombre, CurrencyFormatAndReading) {
    const std::pair<std::int64_t, const char*> monnaies[] = {
        {0, "0"}, {15000000, "1500"}, {-25000, "-2,5"}, {1, "0,0001"}, {INT64_MIN, "-922337203685477,5808"}};
    for (const auto& [dixMillièmes, texte] : monnaies) EXPECT_EQ(texteMonnaie(Monnaie{dixMillièmes}), texte);
    for (const char* format : {"", "0.", "0.0#"})
        EXPECT_THROW_MSG(Format(1.0, format), ErreurConversion,
                         std::string("Format numérique non reconnu : \"") + format + "\"");
    const std::pair<const char*, std::optional<double>> lus[] = {{"12,5", 12.5}, {"12.5", 12.5}, {" -1,5E-05 ", -1.5e-5},
        {"+3", 3.0}, {",5", 0.5}, {"1.234,5", {}}, {"NO_EVAL", {}}, {"  ", {}}, {"12abc", {}}, {"-", {}}};
    for (const auto& [texte, valeur] : lus) EXPECT_EQ(lireNombre(texte), valeur) << texte;
}

TEST(Arrondi, HalvesGoToTheEvenNeighbourAndBeyondTheSingleRangeIsAnOverflow) {
    for (const auto& [entrée, attendu] : {std::pair{2.5, 2.0}, {-1.5, -2.0}, {3.49, 3.0}, {0.49999999999999994, 0.0}})
        EXPECT_EQ(arrondiPair(entrée), attendu) << entrée;
    // Round2 rounds the hundredfold double, so what decides is that product, not the decimal written:
    // 1.005 makes 100.49999999999999.
    for (const auto& [entrée, attendu] : {std::pair{1.115, 1.12f}, {0.125, 0.12f}, {-0.125, -0.12f}, {1.005, 1.0f}})
        EXPECT_EQ(Round2(entrée), attendu) << entrée;
    for (const auto& [entrée, attendu] : {std::pair{1.2345, 1.234}, {0.0015, 0.002}, {-3.1415, -3.142}})
        EXPECT_EQ(Round3(entrée), attendu) << entrée;
    // Up to half a unit above the largest single a value still rounds to it; from there on it overflows.
    constexpr float plusGrand = std::numeric_limits<float>::max();
    const double limite = plusGrand + std::ldexp(1.0, 103);
    EXPECT_EQ(versSimple(std::nextafter(limite, 0.0)), plusGrand);
    EXPECT_EQ(versSimple(-std::nextafter(limite, 0.0)), -plusGrand);
    EXPECT_THROW_MSG(versSimple(limite), ErreurConversion, "Dépassement de capacité");
    EXPECT_TRUE(std::isinf(versSimple(std::numeric_limits<double>::infinity())));
}

/// ±0.chiffres × 10^pointe, without trailing zeros; no digits for zero.
struct Décimal { bool négatif = false; std::string chiffres; int pointe = 0; };

/// Keeps the first n digits (none when n < 0), rounded half away from zero.
void arrondir(Décimal& d, int n) {
    const bool versLeHaut = n >= 0 && static_cast<std::size_t>(n) < d.chiffres.size() && d.chiffres[n] >= '5';
    d.chiffres.resize(std::min(d.chiffres.size(), static_cast<std::size_t>(std::max(n, 0))));
    while (versLeHaut && !d.chiffres.empty() && d.chiffres.back() == '9') d.chiffres.pop_back();
    if (versLeHaut && d.chiffres.empty()) d.chiffres = "1", ++d.pointe;
    else if (versLeHaut) ++d.chiffres.back();
    while (!d.chiffres.empty() && d.chiffres.back() == '0') d.chiffres.pop_back();
}

/// Finite x rounded to p significant digits. x = M × 2^q, with M < 2^53, has at most 17 + 0.7 |q| significant
/// digits (those of M × 5^-q when q < 0), and printf writes them all, exactly, when asked for that many.
Décimal arrondiExact(double x, int p) {
    Décimal d{std::signbit(x), "", 0};
    if (x == 0 || !std::isfinite(x)) return d;
    int exposant2 = 0;
    std::frexp(x, &exposant2);
    const int précision = 17 + std::abs(exposant2 - 53) * 7 / 10;
    std::string texte(static_cast<std::size_t>(précision) + 16, '\0');
    texte.resize(static_cast<std::size_t>(std::snprintf(texte.data(), texte.size(), "%.*e", précision, std::fabs(x))));
    const auto e = texte.find('e');
    d.chiffres = texte.substr(0, 1) + texte.substr(2, e - 2);
    d.pointe = std::atoi(texte.c_str() + e + 1) + 1;
    arrondir(d, p);
    return d;
}

/// d rounded at that many decimals, with at least that many integer digits.
std::string fixeAttendu(Décimal d, std::size_t entiersMinimum, std::size_t décimales) {
    arrondir(d, d.pointe + static_cast<int>(décimales));
    const std::size_t pointe = d.chiffres.empty() ? 0 : static_cast<std::size_t>(std::max(d.pointe, 0));
    std::string entiers = d.chiffres.substr(0, pointe);
    std::string fraction = d.chiffres.substr(std::min(pointe, d.chiffres.size()));
    entiers.resize(pointe, '0');
    entiers.insert(0, entiersMinimum - std::min(entiersMinimum, pointe), '0');
    if (d.pointe < 0) fraction.insert(0, static_cast<std::size_t>(-d.pointe), '0');
    fraction.resize(décimales, '0');
    return (d.négatif && !d.chiffres.empty() ? "-" : "") + entiers + (décimales > 0 ? "," + fraction : "");
}

/// The text of x, whose digits rounded at its precision are d: fixed from 10^-4 to below 10^exposantMaximal.
std::string texteAttendu(double x, const Décimal& d, int exposantMaximal) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
    if (d.chiffres.empty()) return "0";
    const int décimales = std::max(0, static_cast<int>(d.chiffres.size()) - d.pointe);
    if (d.pointe > -4 && d.pointe <= exposantMaximal) return fixeAttendu(d, 1, static_cast<std::size_t>(décimales));
    char exposant[16];
    std::snprintf(exposant, sizeof exposant, "E%+03d", d.pointe - 1);
    const std::string mantisse = d.chiffres.substr(0, 1) + (d.chiffres.size() > 1 ? "," + d.chiffres.substr(1) : "");
    return (d.négatif ? "-" : "") + mantisse + exposant;
}

struct FormatFixe { const char* format; std::size_t entiersMinimum, décimales; };

const FormatFixe formats[] = {{"00.00", 2, 2}, {"0.000", 1, 3}, {"0", 1, 0}, {"#.0", 0, 1}, {"#0.0", 1, 1}, {"000", 3, 0},
                              {"#", 0, 0}, {"0000000000.00000", 10, 5}, {"0.0000000000000000000000", 1, 22}};

// Seeded by the test, so that it draws the same values whatever ran before.
std::mt19937_64 générateur;

double auHasard(double bas, double haut) { return std::uniform_real_distribution<double>(bas, haut)(générateur); }
std::int64_t entierAuHasard(std::int64_t a, std::int64_t b) { return std::uniform_int_distribution(a, b)(générateur); }
double signeAuHasard(double x) { return générateur() & 1 ? -x : x; }

/// A decimal such as a price read from a file: an integer of up to `chiffres` digits over a power of ten.
double décimalAuHasard(int chiffres, int décalageMaximal) {
    const auto k = static_cast<double>(entierAuHasard(0, static_cast<std::int64_t>(std::pow(10.0, chiffres)) - 1));
    return signeAuHasard(k / std::pow(10.0, static_cast<double>(entierAuHasard(0, décalageMaximal))));
}

/// Powers of ten and the rounding edges, each with its neighbours up to `pas` steps away, and the limits.
template <typename Flottant>
std::vector<Flottant> bords(int dixMin, int dixMax, std::vector<double> autres, int pas) {
    for (int i = dixMin; i <= dixMax; ++i) autres.push_back(std::pow(10.0, i));
    using Limites = std::numeric_limits<Flottant>;
    std::vector<Flottant> valeurs{Flottant(0), -Flottant(0), Limites::min(), Limites::denorm_min(), Limites::max(),
                                  Limites::lowest(), Limites::infinity(), -Limites::infinity(), Limites::quiet_NaN()};
    for (double a : autres) {
        auto x = static_cast<Flottant>(a);
        for (int k = 0; k < pas; ++k) x = std::nextafter(x, Flottant(0));
        for (int k = -pas; k <= pas; ++k, x = std::nextafter(x, Limites::infinity())) valeurs.insert(valeurs.end(), {x, -x});
    }
    return valeurs;
}

/// Any finite value, its bits drawn at random.
template <typename Flottant, typename Entier>
Flottant bitsAuHasard() {
    Flottant x;
    do x = std::bit_cast<Flottant>(static_cast<Entier>(générateur())); while (!std::isfinite(x));
    return x;
}

/// Checks the text of each value, at p digits, and its text in one of the formats in turn; reports the first
/// ten faults.
template <typename Flottant>
void vérifier(const std::vector<Flottant>& valeurs, int p, std::string (*texte)(Flottant)) {
    int échecs = 0;
    std::size_t i = 0;
    for (Flottant x : valeurs) {
        const FormatFixe& f = formats[i++ % std::size(formats)];
        const Décimal d = arrondiExact(x, p);
        const std::string attendu = texteAttendu(x, d, p);
        const std::string attenduFormat = fixeAttendu(d, f.entiersMinimum, f.décimales);
        const std::string obtenu = texte(x), obtenuFormat = Format(x, f.format);
        if ((obtenu != attendu || obtenuFormat != attenduFormat) && ++échecs <= 10)
            ADD_FAILURE() << std::hexfloat << x << ": " << obtenu << " instead of " << attendu << ", with " << f.format << " "
                          << obtenuFormat << " instead of " << attenduFormat;
    }
    EXPECT_EQ(échecs, 0);
}

// The edges, then values of any bits; for doubles, prices too, and magnitudes from 10^-20 to 10^20.
TEST(TexteNombreDifferentiel, SinglesAndDoublesMatchTheirExactExpansionRounded) {
    générateur.seed(20240611);
    std::vector<float> simples = bords<float>(-45, 38, {1e-4, 9.99995e-5, 1e7, 9999999.5, 0.5, 1.0 / 3}, 64);
    for (int k = 0; k < 600'000; ++k) simples.push_back(bitsAuHasard<float, std::uint32_t>());
    vérifier(simples, 7, texteSimple);
    std::vector<double> doubles = bords<double>(-325, 308, {1e-4, 9.99999999999995e-5, 1e15, 999999999999999.5, 0.5, 1.0 / 3}, 64);
    for (int k = 0; k < 300'000; ++k) {
        doubles.push_back(décimalAuHasard(static_cast<int>(entierAuHasard(1, 17)), 12));
        doubles.push_back(signeAuHasard(std::pow(10.0, auHasard(-20, 20))));
        if (k % 10 == 0) doubles.push_back(bitsAuHasard<double, std::uint64_t>());
    }
    vérifier(doubles, 15, texteDouble);
}

}  // namespace
}  // namespace vantorelle::test
