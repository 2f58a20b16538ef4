#include "series/Lexeur.h"

#include <cmath>

#include <fast_float/fast_float.h>

namespace vantorelle {

namespace {

bool chiffre(char c) { return c >= '0' && c <= '9'; }
bool lettre(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

bool égalSansCasse(std::string_view mot, std::string_view motClé) {
    if (mot.size() != motClé.size()) return false;
    for (std::size_t k = 0; k < mot.size(); ++k) {
        char c = mot[k];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != motClé[k]) return false;
    }
    return true;
}

std::optional<SorteJeton> motClé(std::string_view mot) {
    struct MotClé {
        std::string_view texte;
        SorteJeton sorte;
    };
    static constexpr MotClé motsClés[] = {
        {"mod", SorteJeton::Mod}, {"not", SorteJeton::Not},   {"and", SorteJeton::And},
        {"or", SorteJeton::Or},   {"xor", SorteJeton::Xor},   {"true", SorteJeton::Vrai},
        {"vrai", SorteJeton::Vrai}, {"false", SorteJeton::Faux}, {"faux", SorteJeton::Faux},
    };
    for (const auto& m : motsClés)
        if (égalSansCasse(mot, m.texte)) return m.sorte;
    return std::nullopt;
}

std::size_t chiffres(std::string_view texte, std::size_t k) {
    while (k < texte.size() && chiffre(texte[k])) ++k;
    return k;
}

}  // namespace

std::size_t Lexeur::longueurNombre(std::string_view texte) {
    std::size_t k = chiffres(texte, 0);
    const bool partieEntière = k > 0;
    if (k < texte.size() && texte[k] == '.') {
        const std::size_t fin = chiffres(texte, k + 1);
        if (!partieEntière && fin == k + 1) return 0;
        k = fin;
    } else if (!partieEntière) {
        return 0;
    }
    if (k < texte.size() && (texte[k] == 'E' || texte[k] == 'e')) {
        std::size_t e = k + 1;
        if (e < texte.size() && (texte[e] == '+' || texte[e] == '-')) ++e;
        const std::size_t fin = chiffres(texte, e);
        if (fin == e) return 0;
        k = fin;
    }
    return k;
}

std::optional<double> Lexeur::valeurNombre(std::string_view littéral) {
    double v = 0;
    const auto résultat = fast_float::from_chars(littéral.data(), littéral.data() + littéral.size(), v);
    if (résultat.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool Lexeur::prolongeUnJeton(char c) {
    return chiffre(c) || lettre(c) || c == '.' || static_cast<unsigned char>(c) >= 0x80;
}

template <typename SurJeton, typename SurArrêt>
bool Lexeur::découperAvec(std::string_view texte, std::vector<Jeton>& jetons, SurJeton surJeton, SurArrêt surArrêt) {
    std::size_t k = 0;
    const auto échec = [&] {
        surArrêt(k);
        return false;
    };
    const auto ajouter = [&](SorteJeton sorte, std::size_t longueur) {
        surJeton(k);
        jetons.push_back({sorte});
        k += longueur;
    };
    while (k < texte.size()) {
        const char c = texte[k];
        const char suivant = k + 1 < texte.size() ? texte[k + 1] : '\0';
        if (c == ' ' || c == '\t') {
            ++k;
        } else if (chiffre(c) || (c == '.' && chiffre(suivant))) {
            const std::size_t longueur = longueurNombre(texte.substr(k));
            if (longueur == 0) return échec();
            const auto v = valeurNombre(texte.substr(k, longueur));
            if (!v) return échec();
            surJeton(k);
            jetons.push_back({SorteJeton::Nombre, *v});
            k += longueur;
        } else if (lettre(c)) {
            std::size_t fin = k + 1;
            while (fin < texte.size() && (lettre(texte[fin]) || chiffre(texte[fin]))) ++fin;
            const auto sorte = motClé(texte.substr(k, fin - k));
            if (!sorte) return échec();
            ajouter(*sorte, fin - k);
        } else {
            switch (c) {
                case '+': ajouter(SorteJeton::Plus, 1); break;
                case '-': ajouter(SorteJeton::Moins, 1); break;
                case '*': ajouter(SorteJeton::Fois, 1); break;
                case '/': ajouter(SorteJeton::Divise, 1); break;
                case '\\': ajouter(SorteJeton::DiviseEntier, 1); break;
                case '^': ajouter(SorteJeton::Puissance, 1); break;
                case '(': ajouter(SorteJeton::Ouvrante, 1); break;
                case ')': ajouter(SorteJeton::Fermante, 1); break;
                case '=': ajouter(SorteJeton::Égal, 1); break;
                case '<':
                    if (suivant == '>') ajouter(SorteJeton::Différent, 2);
                    else if (suivant == '=') ajouter(SorteJeton::InférieurOuÉgal, 2);
                    else ajouter(SorteJeton::Inférieur, 1);
                    break;
                case '>':
                    if (suivant == '=') ajouter(SorteJeton::SupérieurOuÉgal, 2);
                    else ajouter(SorteJeton::Supérieur, 1);
                    break;
                default: return échec();
            }
        }
    }
    return true;
}

bool Lexeur::découper(std::string_view texte, std::vector<Jeton>& jetons) {
    return découperAvec(texte, jetons, [](std::size_t) {}, [](std::size_t) {});
}

bool Lexeur::découper(std::string_view texte, std::vector<Jeton>& jetons, std::vector<std::size_t>& débuts,
                      std::size_t& arrêt) {
    return découperAvec(
        texte, jetons, [&](std::size_t début) { débuts.push_back(début); }, [&](std::size_t k) { arrêt = k; });
}

}  // namespace vantorelle
