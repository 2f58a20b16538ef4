#include "analysis/LectureCours.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fast_float/fast_float.h>
#include <limits>

namespace vantorelle {

namespace {

std::string_view sansEspaces(std::string_view texte) {
    while (!texte.empty() && texte.front() == ' ') texte.remove_prefix(1);
    while (!texte.empty() && texte.back() == ' ') texte.remove_suffix(1);
    return texte;
}

bool chiffre(char c) { return c >= '0' && c <= '9'; }

// The parts of a decimal number: sign, digits without the separator, how many of them come before it, and
// the exponent. False when the text is not wholly such a number.
struct NombreDécimal {
    bool négatif = false;
    std::string_view chiffresAvant, chiffresAprès;
    int exposant = 0;
};

bool découper(std::string_view texte, NombreDécimal& nombre) {
    std::size_t k = 0;
    if (k < texte.size() && (texte[k] == '+' || texte[k] == '-')) nombre.négatif = texte[k++] == '-';
    const std::size_t débutAvant = k;
    while (k < texte.size() && chiffre(texte[k])) ++k;
    nombre.chiffresAvant = texte.substr(débutAvant, k - débutAvant);
    if (k < texte.size() && (texte[k] == ',' || texte[k] == '.')) {
        const std::size_t débutAprès = ++k;
        while (k < texte.size() && chiffre(texte[k])) ++k;
        nombre.chiffresAprès = texte.substr(débutAprès, k - débutAprès);
    }
    if (nombre.chiffresAvant.empty() && nombre.chiffresAprès.empty()) return false;
    if (k < texte.size() && (texte[k] == 'e' || texte[k] == 'E')) {
        ++k;
        bool exposantNégatif = false;
        if (k < texte.size() && (texte[k] == '+' || texte[k] == '-')) exposantNégatif = texte[k++] == '-';
        if (k == texte.size()) return false;
        int exposant = 0;
        for (; k < texte.size() && chiffre(texte[k]); ++k)
            exposant = std::min(exposant * 10 + (texte[k] - '0'), 100000);  // far beyond any single or currency
        nombre.exposant = exposantNégatif ? -exposant : exposant;
    }
    return k == texte.size();
}

// The usual price, a few digits with at most one separator, read exactly: both the digits as a whole number
// and the power of ten are exact singles, so their quotient is the nearest single to the decimal. False when
// the text is of another shape or has too many digits, for the general reader.
bool lirePrixCourant(std::string_view texte, float& prix) {
    static constexpr float Puissances[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const char* c = texte.data();
    const char* const fin = c + texte.size();
    const bool négatif = c != fin && *c == '-';
    c += négatif ? 1 : 0;
    const char* séparateur = nullptr;
    std::uint64_t chiffres = 0;
    int nombreDeChiffres = 0;
    for (; c != fin; ++c) {
        const auto valeur = static_cast<unsigned>(*c - '0');
        if (valeur <= 9) {
            chiffres = chiffres * 10 + valeur;
            ++nombreDeChiffres;
        } else if ((*c == ',' || *c == '.') && !séparateur) {
            séparateur = c;
        } else {
            return false;
        }
    }
    const long décimales = séparateur ? fin - séparateur - 1 : 0;
    if (nombreDeChiffres == 0 || nombreDeChiffres > 18 || chiffres > (1u << 24) || décimales > 10) return false;
    const float valeur = static_cast<float>(chiffres) / Puissances[décimales];
    prix = négatif ? -valeur : valeur;
    return true;
}

}  // namespace

LectureCours lirePrix(std::string_view champ, float& prix) {
    if (champ.empty()) {
        prix = 0.0f;
        return LectureCours::Valide;
    }
    std::string_view texte = sansEspaces(champ);
    if (lirePrixCourant(texte, prix)) return LectureCours::Valide;
    // A sign, then a digit or the separator: no "nan", "inf" or second sign.
    const std::size_t après = !texte.empty() && (texte.front() == '+' || texte.front() == '-') ? 1 : 0;
    if (texte.size() <= après || !(chiffre(texte[après]) || texte[après] == ',' || texte[après] == '.'))
        return LectureCours::PasUnNombre;
    if (texte.front() == '+') texte.remove_prefix(1);
    const std::size_t séparateur = texte.find_first_of(",.");
    const fast_float::parse_options options(fast_float::chars_format::general,
                                            séparateur == std::string_view::npos ? '.' : texte[séparateur]);
    float valeur = 0.0f;
    const auto fin = texte.data() + texte.size();
    const auto résultat = fast_float::from_chars_advanced(texte.data(), fin, valeur, options);
    if (résultat.ec != std::errc() || résultat.ptr != fin) return LectureCours::PasUnNombre;
    if (std::isinf(valeur)) return LectureCours::Dépassement;
    prix = valeur;
    return LectureCours::Valide;
}

LectureCours lireVolume(std::string_view champ, Monnaie& volume) {
    if (champ.empty()) {
        volume = Monnaie{};
        return LectureCours::Valide;
    }
    const std::string_view texte = sansEspaces(champ);
    // The usual volume, a whole number of up to 14 digits, needs no rounding and cannot overflow.
    if (!texte.empty() && texte.size() <= 14 && std::all_of(texte.begin(), texte.end(), chiffre)) {
        std::int64_t entier = 0;
        for (char c : texte) entier = entier * 10 + (c - '0');
        volume = Monnaie{entier * 10000};
        return LectureCours::Valide;
    }
    NombreDécimal nombre;
    if (!découper(texte, nombre)) return LectureCours::PasUnNombre;

    // Digits [0, fin) of the number make whole ten-thousandths, the currency's unit; the next one rounds.
    const std::size_t total = nombre.chiffresAvant.size() + nombre.chiffresAprès.size();
    auto chiffreÀ = [&](long long k) {
        const auto position = static_cast<std::size_t>(k);
        return position < nombre.chiffresAvant.size()
                   ? nombre.chiffresAvant[position] - '0'
                   : nombre.chiffresAprès[position - nombre.chiffresAvant.size()] - '0';
    };
    const long long fin = static_cast<long long>(nombre.chiffresAvant.size()) + nombre.exposant + 4;
    constexpr std::int64_t maximum = std::numeric_limits<std::int64_t>::max();
    std::int64_t unités = 0;
    for (long long k = 0; k < fin; ++k) {
        const bool auDelà = k >= static_cast<long long>(total);
        if (auDelà && unités == 0) break;
        const int c = auDelà ? 0 : chiffreÀ(k);
        if (unités > (maximum - c) / 10) return LectureCours::Dépassement;
        unités = unités * 10 + c;
    }
    if (fin >= 0 && fin < static_cast<long long>(total)) {
        const int premierPerdu = chiffreÀ(fin);
        bool reste = false;
        for (long long k = fin + 1; k < static_cast<long long>(total) && !reste; ++k) reste = chiffreÀ(k) != 0;
        if (premierPerdu > 5 || (premierPerdu == 5 && (reste || unités % 2 != 0))) {
            if (unités == maximum) return LectureCours::Dépassement;
            ++unités;
        }
    }
    volume = Monnaie{nombre.négatif ? -unités : unités};
    return LectureCours::Valide;
}

}  // namespace vantorelle
