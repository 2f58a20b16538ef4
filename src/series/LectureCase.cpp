#include "series/LectureCase.h"

#include <bit>
#include <cmath>
#include <string>

#include "series/Lexeur.h"
#include "store/TexteNombre.h"

namespace vantorelle {

namespace {

__extension__ using u128 = unsigned __int128;

constexpr double puissancesDeDix[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

std::uint64_t dixPuissance(int k) {
    std::uint64_t p = 1;
    while (k-- > 0) p *= 10;
    return p;
}

CaseLue nombre(double grandeur, bool négatif) { return {{grandeur, false, négatif}, CaseLue::État::Lisible}; }

bool caractèreDeNombre(char c) {
    return (c >= '0' && c <= '9') || c == ',' || c == '.' || c == 'E' || c == '+' || c == '-';
}

}  // namespace

std::optional<double> LectureCase::nombreDuTexteSimple(float x) {
    const float a = std::fabs(x);
    // Within this range the 7 digits are found exactly in 128 bits and their value is one correctly
    // rounded multiplication or division, as the reading of the text would give.
    if (!(a >= 1e-5f && a < 1e15f)) return std::nullopt;
    const auto bits = std::bit_cast<std::uint32_t>(a);
    const std::uint32_t champExposant = bits >> 23;
    const std::uint64_t m = (bits & 0x7FFFFFu) | (champExposant != 0 ? 0x800000u : 0u);
    const int q = (champExposant != 0 ? static_cast<int>(champExposant) : 1) - 150;  // a = m × 2^q

    // log10(2) ≈ 1233 / 4096 gives the decimal exponent or one below; the loop corrects it.
    int e = ((static_cast<int>(champExposant != 0 ? champExposant : 1) - 127) * 1233) >> 12;
    for (;;) {
        // a × 10^(6 − e) = entier + reste / diviseur exactly
        const int s = 6 - e;
        u128 entier;
        u128 reste;
        u128 diviseur;
        if (s >= 0) {
            const u128 numérateur = static_cast<u128>(m) * dixPuissance(s);
            if (q >= 0) {
                entier = numérateur << q;
                reste = 0;
                diviseur = 1;
            } else {
                diviseur = static_cast<u128>(1) << -q;
                entier = numérateur >> -q;
                reste = numérateur & (diviseur - 1);
            }
        } else {
            const u128 numérateur = static_cast<u128>(m) << q;  // a ≥ 10^7 > 2^24, so q > 0
            diviseur = dixPuissance(-s);
            entier = numérateur / diviseur;
            reste = numérateur % diviseur;
        }
        if (entier < 1000000) {
            --e;
            continue;
        }
        if (entier >= 10000000) {
            ++e;
            continue;
        }
        std::uint64_t chiffres = static_cast<std::uint64_t>(entier) + (2 * reste >= diviseur ? 1 : 0);
        if (chiffres == 10000000) {
            chiffres = 1000000;
            ++e;
        }
        const int p = e - 6;
        const auto d = static_cast<double>(chiffres);
        return p >= 0 ? d * puissancesDeDix[p] : d / puissancesDeDix[-p];
    }
}

CaseLue LectureCase::lireTexte(std::string_view texte) {
    if (texte == "Vrai" || texte == "Faux") return {{texte == "Vrai" ? -1.0 : 0.0, true, false}, CaseLue::État::Lisible};
    if (texte == "NO_EVAL") return {{}, CaseLue::État::Échec};
    for (char c : texte)
        if (!caractèreDeNombre(c)) return {};
    const bool négatif = !texte.empty() && texte.front() == '-';
    std::string littéral(négatif ? texte.substr(1) : texte);
    for (char& c : littéral)
        if (c == ',') c = '.';
    if (littéral.empty() || Lexeur::longueurNombre(littéral) != littéral.size()) return {};
    const auto v = Lexeur::valeurNombre(littéral);
    if (!v) return {{}, CaseLue::État::Échec};
    return nombre(*v, négatif);
}

CaseLue LectureCase::lire(const Valeur& v) {
    switch (v.genre()) {
        case Genre::Simple: {
            const float x = std::get<float>(v.contenu());
            if (x == 0) return nombre(0, false);
            if (const auto n = nombreDuTexteSimple(x)) return nombre(*n, x < 0);
            break;
        }
        case Genre::Entier: {
            const auto n = std::get<std::int16_t>(v.contenu());
            return nombre(std::fabs(static_cast<double>(n)), n < 0);
        }
        case Genre::Long: {
            const auto n = std::get<std::int32_t>(v.contenu());
            return nombre(std::fabs(static_cast<double>(n)), n < 0);
        }
        case Genre::Monnaie: {
            const std::int64_t d = std::get<Monnaie>(v.contenu()).dixMillièmes;
            // Below 2^53 the division by 10^4 is correctly rounded, as the reading of the text.
            if (d > -(std::int64_t{1} << 53) && d < (std::int64_t{1} << 53))
                return nombre(std::fabs(static_cast<double>(d)) / 1e4, d < 0);
            break;
        }
        case Genre::Booléen: return {{std::get<bool>(v.contenu()) ? -1.0 : 0.0, true, false}, CaseLue::État::Lisible};
        case Genre::Texte: return lireTexte(std::get<std::string>(v.contenu()));
        case Genre::Vide: return {};
        default: break;
    }
    return lireTexte(v.texte());
}

}  // namespace vantorelle
