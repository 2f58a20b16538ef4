#include "store/TexteNombre.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include <fast_float/fast_float.h>

#include "store/Erreur.h"

namespace vantorelle {

namespace {

constexpr int chiffresSimple = 7;
constexpr int chiffresDouble = 15;

/// A decimal number: value = ±0.chiffres × 10^pointe, chiffres without trailing zeros, empty for zero.
struct Décimal {
    bool négatif = false;
    std::string chiffres;
    int pointe = 0;
};

int nombreDeChiffres(std::uint64_t n) {
    int compte = 0;
    for (; n != 0; n /= 10) ++compte;
    return compte;
}

// The rounding half away from zero differs from the correct rounding that to_chars gives only on an exact
// tie, that is when the exact decimal expansion of a has precisely p + 1 significant digits ending in 5.
bool estMilieu(double a, int p) {
    int exposant2 = 0;
    const double mantisse = std::frexp(a, &exposant2);
    auto m = static_cast<std::uint64_t>(std::ldexp(mantisse, 53));
    int q = exposant2 - 53;
    while ((m & 1u) == 0) {
        m >>= 1;
        ++q;
    }
    std::uint64_t limite = 1;
    for (int i = 0; i <= p; ++i) limite *= 10;
    if (q < 0) {
        // a = m × 5^k / 10^k: its significant digits are those of m × 5^k, which ends in 5.
        for (int k = -q; k > 0; --k) {
            m *= 5;  // m stays below 5 × 10^(p + 1): no overflow
            if (m >= limite) return false;
        }
        return nombreDeChiffres(m) == p + 1;
    }
    // a = m × 2^q: its significant part m / 5^q must be an integer ending in 5.
    for (int k = 0; k < q; ++k) {
        if (m % 5 != 0) return false;
        m /= 5;
    }
    return m % 5 == 0 && nombreDeChiffres(m) == p + 1;
}

/// Reads the digits and exponent of to_chars' scientific text "d.ddde±xx".
Décimal lireScientifique(std::string_view texte) {
    Décimal d;
    const auto e = texte.find('e');
    for (char c : texte.substr(0, e))
        if (c != '.') d.chiffres += c;
    d.pointe = std::atoi(std::string(texte.substr(e + 1)).c_str()) + 1;
    return d;
}

void retirerZérosFinals(Décimal& d) {
    while (!d.chiffres.empty() && d.chiffres.back() == '0') d.chiffres.pop_back();
}

/// Adds one unit of the last digit, carrying into a new leading digit when all were nines.
void incrémenter(Décimal& d) {
    for (auto i = d.chiffres.size(); i-- > 0;) {
        if (d.chiffres[i] != '9') {
            ++d.chiffres[i];
            return;
        }
        d.chiffres[i] = '0';
    }
    d.chiffres.insert(d.chiffres.begin(), '1');
    ++d.pointe;
}

/// x rounded to p significant digits, half away from zero.
Décimal significatifs(double x, int p) {
    Décimal d;
    if (x == 0.0 || !std::isfinite(x)) return d;
    const double a = std::fabs(x);
    char tampon[64];
    const bool milieu = estMilieu(a, p);
    // On a tie the p + 1 digits are exact; otherwise the correctly rounded p digits are the answer.
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, a, std::chars_format::scientific,
                                   milieu ? p : p - 1).ptr;
    d = lireScientifique(std::string_view(tampon, static_cast<std::size_t>(fin - tampon)));
    if (milieu) {
        d.chiffres.pop_back();
        incrémenter(d);
    }
    d.négatif = x < 0;
    retirerZérosFinals(d);
    return d;
}

std::string texteFixe(const Décimal& d) {
    std::string s = d.négatif ? "-" : "";
    if (d.pointe <= 0) {
        s += "0,";
        s.append(static_cast<std::size_t>(-d.pointe), '0');
        return s + d.chiffres;
    }
    const auto entiers = static_cast<std::size_t>(d.pointe);
    if (d.chiffres.size() <= entiers) {
        s += d.chiffres;
        s.append(entiers - d.chiffres.size(), '0');
        return s;
    }
    s.append(d.chiffres, 0, entiers);
    s += ',';
    s.append(d.chiffres, entiers);
    return s;
}

std::string texteExposant(const Décimal& d) {
    std::string s = d.négatif ? "-" : "";
    s += d.chiffres[0];
    if (d.chiffres.size() > 1) {
        s += ',';
        s.append(d.chiffres, 1);
    }
    const int exposant = d.pointe - 1;
    s += exposant < 0 ? "E-" : "E+";
    const std::string e = std::to_string(std::abs(exposant));
    if (e.size() < 2) s += '0';
    return s + e;
}

std::string texteNombre(double x, int précision, int pointeMaximale) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x < 0 ? "-Inf" : "Inf";
    const Décimal d = significatifs(x, précision);
    if (d.chiffres.empty()) return "0";
    // 0.0001 ≤ |x| < 10^pointeMaximale, tested on the rounded value.
    if (d.pointe >= -3 && d.pointe <= pointeMaximale) return texteFixe(d);
    return texteExposant(d);
}

struct FormatFixe {
    std::size_t entiersMinimum = 0;
    int décimales = 0;
};

FormatFixe lireFormat(std::string_view format) {
    FormatFixe f;
    const auto point = format.find('.');
    const auto entiers = format.substr(0, point);
    const auto décimales = point == std::string_view::npos ? std::string_view() : format.substr(point + 1);
    const auto premierZéro = entiers.find('0');
    const bool entiersValides = entiers.find_first_not_of("#0") == std::string_view::npos &&
                                (premierZéro == std::string_view::npos ||
                                 entiers.find('#', premierZéro) == std::string_view::npos);
    if (!entiersValides || décimales.find_first_not_of('0') != std::string_view::npos ||
        (point != std::string_view::npos && décimales.empty()) || format.empty())
        throw ErreurConversion("Format numérique non reconnu : \"" + std::string(format) + "\"");
    f.entiersMinimum = premierZéro == std::string_view::npos ? 0 : entiers.size() - premierZéro;
    f.décimales = static_cast<int>(décimales.size());
    return f;
}

std::string formater(Décimal d, std::string_view format) {
    const FormatFixe f = lireFormat(format);
    const int gardés = d.pointe + f.décimales;
    if (gardés < 0) {
        d.chiffres.clear();
    } else if (static_cast<std::size_t>(gardés) < d.chiffres.size()) {
        const bool versLeHaut = d.chiffres[static_cast<std::size_t>(gardés)] >= '5';
        d.chiffres.resize(static_cast<std::size_t>(gardés));
        if (versLeHaut) incrémenter(d);
        retirerZérosFinals(d);
    }
    std::string entiers;
    std::string décimales;
    if (!d.chiffres.empty()) {
        for (int position = 0; position < d.pointe; ++position)
            entiers += position < static_cast<int>(d.chiffres.size()) ? d.chiffres[static_cast<std::size_t>(position)] : '0';
        for (int position = d.pointe; position < d.pointe + f.décimales; ++position)
            décimales += position >= 0 && position < static_cast<int>(d.chiffres.size())
                             ? d.chiffres[static_cast<std::size_t>(position)]
                             : '0';
    } else {
        décimales.assign(static_cast<std::size_t>(f.décimales), '0');
    }
    if (entiers.size() < f.entiersMinimum) entiers.insert(0, f.entiersMinimum - entiers.size(), '0');
    std::string s = d.négatif && !d.chiffres.empty() ? "-" : "";
    s += entiers;
    if (f.décimales > 0) {
        s += ',';
        s += décimales;
    }
    return s;
}

}  // namespace

std::string texteSimple(float x) { return texteNombre(x, chiffresSimple, 7); }

std::string texteDouble(double x) { return texteNombre(x, chiffresDouble, 15); }

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

std::string Format(float x, std::string_view format) {
    return formater(significatifs(x, chiffresSimple), format);
}

std::string Format(double x, std::string_view format) {
    return formater(significatifs(x, chiffresDouble), format);
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
