#include "store/TexteNombre.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <fast_float/fast_float.h>

#include "store/Erreur.h"

namespace vantorelle {

namespace {

constexpr int chiffresSimple = 7;
constexpr int chiffresDouble = 15;
constexpr int déborde = 16;  // room for moving 16 bytes at once past the end of the digits

__extension__ typedef unsigned __int128 u128;  // GCC's, exact products of 64 by 64 bits

constexpr auto puissancesDeDix = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
}();

// 5^55 is the last power of five below 2^128.
constexpr auto puissancesDeCinq = [] {
    std::array<u128, 56> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 5;
    return p;
}();

int largeurEnBits(u128 n) {
    const auto haut = static_cast<std::uint64_t>(n >> 64);
    return haut != 0 ? 64 + std::bit_width(haut) : std::bit_width(static_cast<std::uint64_t>(n));
}

/// The leading digits of a positive value, truncated: chiffres = floor(a × 10^(p - exposant)), which has
/// p + 1 or p + 2 digits.
struct Troncature {
    std::uint64_t chiffres;
    int exposant;
};

/// The slow way, for values too small or too large for 128-bit integers: to_chars writes all the digits of
/// a double exactly when asked for 767 of them.
Troncature troncatureLente(double a, int p) {
    char texte[800];
    const auto fin = std::to_chars(texte, texte + sizeof texte, a, std::chars_format::scientific, 766).ptr;
    Troncature t{static_cast<std::uint64_t>(texte[0] - '0'), 0};
    for (int i = 2; i < p + 2; ++i) t.chiffres = t.chiffres * 10 + static_cast<std::uint64_t>(texte[i] - '0');
    const char* e = std::find(texte, fin, 'e') + 1;
    std::from_chars(e + (*e == '+'), fin, t.exposant);
    return t;
}

// Exact: a = m × 2^e, and a × 10^t = m × 5^t × 2^(e + t) is a product and a shift in 128-bit integers for
// every value from about 10^-17 to 10^38, and for nearly all singles.
Troncature tronquer(double a, int p) {
    const auto bits = std::bit_cast<std::uint64_t>(a);
    const int champExposant = static_cast<int>(bits >> 52);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e = -1074;
    if (champExposant != 0) {
        m |= std::uint64_t{1} << 52;
        e = champExposant - 1075;
    }
    const int zéros = std::countr_zero(m);
    m >>= zéros;
    e += zéros;
    const int exposant2 = std::bit_width(m) - 1 + e;  // 2^exposant2 ≤ a < 2^(exposant2 + 1)
    const int exposant = (exposant2 * 315653) >> 20;   // floor(exposant2 × log10(2)): floor(log10(a)) or one less
    const int t = p - exposant;
    if (t >= 0) {
        if (t < static_cast<int>(puissancesDeCinq.size()) &&
            std::bit_width(m) + largeurEnBits(puissancesDeCinq[static_cast<std::size_t>(t)]) <= 128) {
            const u128 produit = m * puissancesDeCinq[static_cast<std::size_t>(t)];
            const int décalage = e + t;
            return {static_cast<std::uint64_t>(décalage >= 0 ? produit << décalage : produit >> -décalage), exposant};
        }
    } else if (-t < static_cast<int>(puissancesDeCinq.size())) {
        // a / 10^u = m × 2^(e - u) / 5^u
        const int u = -t;
        const u128 cinqU = puissancesDeCinq[static_cast<std::size_t>(u)];
        if (e >= u && std::bit_width(m) + e - u <= 128)
            return {static_cast<std::uint64_t>((u128{m} << (e - u)) / cinqU), exposant};
        if (e < u && largeurEnBits(cinqU) + u - e <= 128)
            return {static_cast<std::uint64_t>(m / (cinqU << (u - e))), exposant};
    }
    return troncatureLente(a, p);
}

/// A decimal number: value = ±0.chiffres × 10^pointe, chiffres without trailing zeros, none for zero.
struct Décimal {
    bool négatif = false;
    int nombre = 0;
    int pointe = 0;
    char chiffres[chiffresDouble + déborde] = {};
};

constexpr char paires[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void écrirePaire(std::uint64_t n, char* vers) { std::memcpy(vers, paires + 2 * n, 2); }

/// The 8 decimal digits of n < 10^8, leading zeros included, as the bytes of a word from its low byte up:
/// all of them at once, in lanes of 32, then 16, then 8 bits.
constexpr std::uint64_t motDeHuitChiffres(std::uint64_t n) {
    const std::uint64_t quatre = n / 10000 | (n % 10000) << 32;
    const std::uint64_t centaines = (quatre * 10486) >> 20 & 0x0000007F0000007F;  // x / 100 for x < 10^4
    const std::uint64_t deux = centaines | (quatre - centaines * 100) << 16;
    const std::uint64_t dizaines = (deux * 103) >> 10 & 0x000F000F000F000F;       // x / 10 for x < 100
    return dizaines | (deux - dizaines * 10) << 8;
}
static_assert(motDeHuitChiffres(12345678) == 0x0807060504030201);
static_assert(motDeHuitChiffres(99999999) == 0x0909090909090909);

/// Writes the 8 digits of a word of `motDeHuitChiffres`.
void écrireChiffres(std::uint64_t chiffres, char* vers) {
    const std::uint64_t texte = chiffres | 0x3030303030303030;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(vers, &texte, 8);
    } else {
        for (int k = 0; k < 8; ++k) vers[k] = static_cast<char>(texte >> (8 * k));
    }
}

/// The zeros that end a word of digits that is not zero, its last digit in its high byte.
int zérosFinals(std::uint64_t chiffres) { return std::countl_zero(chiffres) / 8; }

/// x rounded to p significant digits, half away from zero.
Décimal significatifs(double x, int p) {
    Décimal d;
    if (x == 0.0 || !std::isfinite(x)) return d;
    d.négatif = x < 0;
    auto [n, exposant] = tronquer(std::fabs(x), p);
    if (n >= puissancesDeDix[static_cast<std::size_t>(p) + 1]) {
        n /= 10;
        ++exposant;
    }
    // Half away from zero rounds up exactly when the first digit dropped is 5 or more, whatever follows it.
    n = (n + 5) / 10;
    if (n == puissancesDeDix[static_cast<std::size_t>(p)]) {
        n /= 10;
        ++exposant;
    }
    d.pointe = exposant + 1;
    // The first 7 digits are a word of 8 without its leading zero; a double's 8 others follow.
    const std::uint64_t sept = motDeHuitChiffres(p == chiffresDouble ? n / 100000000 : n) >> 8;
    écrireChiffres(sept, d.chiffres);
    d.nombre = 8 - zérosFinals(sept);
    if (p == chiffresDouble) {
        const std::uint64_t huit = motDeHuitChiffres(n % 100000000);
        écrireChiffres(huit, d.chiffres + 7);
        if (huit != 0) d.nombre = 15 - zérosFinals(huit);
    }
    return d;
}

// Both move 16 bytes whatever the count, at most 15, in one instruction rather than a call: the texts have
// room for it.
char* copier(const char* début, int nombre, char* vers) {
    std::memcpy(vers, début, déborde);
    return vers + nombre;
}

char* remplirDeZéros(int nombre, char* vers) {
    std::memset(vers, '0', déborde);
    return vers + nombre;
}

void ajouterFixe(std::string& cible, const Décimal& d) {
    char texte[2 + chiffresDouble * 2 + déborde];
    char* s = texte;
    if (d.négatif) *s++ = '-';
    if (d.pointe <= 0) {
        *s++ = '0';
        *s++ = ',';
        s = copier(d.chiffres, d.nombre, remplirDeZéros(-d.pointe, s));
    } else if (d.nombre <= d.pointe) {
        s = remplirDeZéros(d.pointe - d.nombre, copier(d.chiffres, d.nombre, s));
    } else {
        s = copier(d.chiffres, d.pointe, s);
        *s++ = ',';
        s = copier(d.chiffres + d.pointe, d.nombre - d.pointe, s);
    }
    cible.append(texte, s);
}

void ajouterExposant(std::string& cible, const Décimal& d) {
    char texte[8 + chiffresDouble + déborde];
    char* s = texte;
    if (d.négatif) *s++ = '-';
    *s++ = d.chiffres[0];
    if (d.nombre > 1) {
        *s++ = ',';
        s = copier(d.chiffres + 1, d.nombre - 1, s);
    }
    const int exposant = d.pointe - 1;
    *s++ = 'E';
    *s++ = exposant < 0 ? '-' : '+';
    const auto absolu = static_cast<std::size_t>(std::abs(exposant));
    if (absolu >= 100) *s++ = static_cast<char>('0' + absolu / 100);
    écrirePaire(absolu % 100, s);
    cible.append(texte, s + 2);
}

void ajouterNombre(std::string& cible, double x, int précision, int pointeMaximale) {
    if (std::isnan(x)) {
        cible += "NaN";
        return;
    }
    if (std::isinf(x)) {
        cible += x < 0 ? "-Inf" : "Inf";
        return;
    }
    const Décimal d = significatifs(x, précision);
    if (d.nombre == 0)
        cible += '0';
    // 0.0001 ≤ |x| < 10^pointeMaximale, tested on the rounded value.
    else if (d.pointe >= -3 && d.pointe <= pointeMaximale)
        ajouterFixe(cible, d);
    else
        ajouterExposant(cible, d);
}

struct FormatFixe {
    int entiersMinimum = 0;
    int décimales = 0;
};

/// Reads "#…#0…0" with an optional ".0…0".
FormatFixe lireFormat(std::string_view format) {
    std::size_t i = 0;
    auto passer = [&](char c) {
        const std::size_t début = i;
        while (i < format.size() && format[i] == c) ++i;
        return static_cast<int>(i - début);
    };
    passer('#');
    FormatFixe f;
    f.entiersMinimum = passer('0');
    bool valide = !format.empty();
    if (i < format.size() && format[i] == '.') {
        ++i;
        f.décimales = passer('0');
        valide = valide && f.décimales > 0;
    }
    if (!valide || i != format.size())
        throw ErreurConversion("Format numérique non reconnu : \"" + std::string(format) + "\"");
    return f;
}

/// Adds one unit of the last digit; the nines it turns into zeros are trailing zeros, dropped.
void incrémenter(Décimal& d) {
    while (d.nombre > 0 && d.chiffres[d.nombre - 1] == '9') --d.nombre;
    if (d.nombre == 0) {
        d.chiffres[0] = '1';
        d.nombre = 1;
        ++d.pointe;
    } else {
        ++d.chiffres[d.nombre - 1];
    }
}

/// d in the format, d rounded at its decimals on the way.
void ajouterFormaté(std::string& cible, Décimal& d, std::string_view format) {
    const FormatFixe f = lireFormat(format);
    const int gardés = d.pointe + f.décimales;
    if (gardés < 0) {
        d.nombre = 0;
    } else if (gardés < d.nombre) {
        const bool versLeHaut = d.chiffres[gardés] >= '5';
        d.nombre = gardés;
        if (versLeHaut)
            incrémenter(d);
        else
            while (d.nombre > 0 && d.chiffres[d.nombre - 1] == '0') --d.nombre;
    }
    const int entiers = d.nombre > 0 ? std::max(d.pointe, 0) : 0;
    const int largeur = std::max(entiers, f.entiersMinimum);
    const bool signe = d.négatif && d.nombre > 0;
    const std::size_t début = cible.size();
    cible.append(static_cast<std::size_t>(signe + largeur + (f.décimales > 0 ? 1 + f.décimales : 0)), '0');
    char* const unités = cible.data() + début + signe + largeur;  // just after the integer digits
    if (signe) cible[début] = '-';
    if (f.décimales > 0) *unités = ',';
    // The digit of rank j is worth 10^(pointe - 1 - j): left of the comma while j < pointe.
    for (int j = 0; j < d.nombre; ++j) unités[j < d.pointe ? j - d.pointe : j - d.pointe + 1] = d.chiffres[j];
}

}  // namespace

void ajouterTexteSimple(std::string& texte, float x) { ajouterNombre(texte, x, chiffresSimple, 7); }

std::string texteSimple(float x) {
    std::string texte;
    ajouterTexteSimple(texte, x);
    return texte;
}

std::string texteDouble(double x) {
    std::string texte;
    ajouterNombre(texte, x, chiffresDouble, 15);
    return texte;
}

std::string texteMonnaie(Monnaie m) {
    const bool négatif = m.dixMillièmes < 0;
    const std::uint64_t a = négatif ? 0 - static_cast<std::uint64_t>(m.dixMillièmes)
                                    : static_cast<std::uint64_t>(m.dixMillièmes);
    std::string s = négatif ? "-" : "";
    s += std::to_string(a / 10000);
    std::uint64_t fraction = a % 10000;
    if (fraction == 0) return s;
    std::string décimales = std::to_string(fraction);
    décimales.insert(0, 4 - décimales.size(), '0');
    while (décimales.back() == '0') décimales.pop_back();
    s += ',';
    return s + décimales;
}

std::string texteEntier(long long n) { return std::to_string(n); }

std::string texteBooléen(bool b) { return b ? "Vrai" : "Faux"; }

void ajouterFormat(std::string& texte, float x, std::string_view format) {
    Décimal d = significatifs(x, chiffresSimple);
    ajouterFormaté(texte, d, format);
}

void ajouterFormat(std::string& texte, double x, std::string_view format) {
    Décimal d = significatifs(x, chiffresDouble);
    ajouterFormaté(texte, d, format);
}

std::string Format(float x, std::string_view format) {
    std::string texte;
    ajouterFormat(texte, x, format);
    return texte;
}

std::string Format(double x, std::string_view format) {
    std::string texte;
    ajouterFormat(texte, x, format);
    return texte;
}

std::optional<double> lireNombre(std::string_view texte) {
    const auto début = texte.find_first_not_of(" \t");
    if (début == std::string_view::npos) return std::nullopt;
    texte = texte.substr(début, texte.find_last_not_of(" \t") - début + 1);
    bool négatif = false;
    if (texte.front() == '+' || texte.front() == '-') {
        négatif = texte.front() == '-';
        texte.remove_prefix(1);
    }
    if (texte.empty() || !(std::isdigit(static_cast<unsigned char>(texte.front())) || texte.front() == '.' ||
                           texte.front() == ','))
        return std::nullopt;
    std::string normal(texte);
    if (normal.find('.') != std::string::npos && normal.find(',') != std::string::npos) return std::nullopt;
    for (char& c : normal)
        if (c == ',') c = '.';
    double v = 0;
    const auto [fin, erreur] = fast_float::from_chars(normal.data(), normal.data() + normal.size(), v);
    if (erreur != std::errc() || fin != normal.data() + normal.size()) return std::nullopt;
    return négatif ? -v : v;
}

}  // namespace vantorelle
