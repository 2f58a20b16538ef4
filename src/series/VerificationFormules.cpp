#include "series/VerificationFormules.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "series/Analyseur.h"
#include "series/Lexeur.h"
#include "store/Encodage.h"

namespace vantorelle {

namespace {

/// A text being substituted, each byte with the offset in the formula's text it comes from.
struct TexteSuivi {
    std::string texte;
    std::vector<std::size_t> origine;

    explicit TexteSuivi(std::string_view formule) : texte(formule), origine(formule.size()) {
        for (std::size_t k = 0; k < origine.size(); ++k) origine[k] = k;
    }

    /// Replaces the `longueur` bytes at `position` by `par`, which takes the origin of the first of them.
    void remplacer(std::size_t position, std::size_t longueur, std::string_view par) {
        const std::size_t source = origine[position];
        texte.replace(position, longueur, par);
        origine.erase(origine.begin() + static_cast<std::ptrdiff_t>(position),
                      origine.begin() + static_cast<std::ptrdiff_t>(position + longueur));
        origine.insert(origine.begin() + static_cast<std::ptrdiff_t>(position), par.size(), source);
    }

    /// Every occurrence of `nom`, left to right, without scanning what was put in; with `décalé`, only those
    /// followed by "[-", digits and "]", which go with it.
    void remplacerTout(std::string_view nom, std::string_view par, bool décalé) {
        if (nom.empty()) return;
        for (std::size_t p = texte.find(nom); p != std::string::npos; p = texte.find(nom, p)) {
            std::size_t longueur = nom.size();
            if (décalé) {
                const std::size_t chiffres = texte.find_first_not_of("0123456789", p + longueur + 2);
                if (texte.compare(p + longueur, 2, "[-") != 0 || chiffres == p + longueur + 2 ||
                    chiffres == std::string::npos || texte[chiffres] != ']') {
                    p += nom.size();
                    continue;
                }
                longueur = chiffres + 1 - p;
            }
            remplacer(p, longueur, par);
            p += par.size();
        }
    }
};

/// The column, from 1, of a byte offset of the line, in characters.
std::size_t colonne(std::string_view ligne, std::size_t octet) {
    std::size_t caractères = 1;
    for (std::size_t k = 0; k < octet; ++k)
        if ((static_cast<unsigned char>(ligne[k]) & 0xC0) != 0x80) ++caractères;
    return caractères;
}

/// Where and why the text does not parse: the offset in it and what was expected there.
std::optional<std::pair<std::size_t, std::string>> erreurDeSyntaxe(const std::string& texte) {
    std::vector<Jeton> jetons;
    std::vector<std::size_t> débuts;
    std::size_t arrêt = 0;
    if (!Lexeur::découper(texte, jetons, débuts, arrêt)) {
        std::size_t fin = arrêt;
        while (fin < texte.size() && Lexeur::prolongeUnJeton(texte[fin])) ++fin;
        const std::string mot = texte.substr(arrêt, std::max<std::size_t>(fin - arrêt, 1));
        if ((mot[0] >= '0' && mot[0] <= '9') || mot[0] == '.')
            return std::pair(arrêt, "nombre mal écrit « " + mot + " »");
        if (fin > arrêt) return std::pair(arrêt, "« " + mot + " » n'est ni une formule, ni une série, ni une constante");
        return std::pair(arrêt, "« " + mot + " » inattendu");
    }
    Programme programme;
    Analyseur::Échec échec;
    switch (Analyseur::compiler(jetons, programme, &échec)) {
        case Analyseur::Issue::Réussie: return std::nullopt;
        case Analyseur::Issue::TropProfonde:
            return std::pair(std::size_t{0}, std::string("parenthèses ou signes imbriqués trop profondément"));
        case Analyseur::Issue::ErreurDeSyntaxe: break;
    }
    const std::size_t position = échec.jeton < débuts.size() ? débuts[échec.jeton] : texte.size();
    return std::pair(position, std::string("on attend ") + échec.attendu);
}

}  // namespace

Avertissements vérifierFormules(const Fonctions& formules, const std::filesystem::path& fichier) {
    Avertissements avertissements;
    // As a scan replaces them: the formulas, then the security's series, then "," read as ".", then the constants.
    std::vector<std::string> noms;
    for (std::int32_t k = 1; k <= formules.Count(); ++k) noms.push_back(formules.Item(k).Nom());
    noms.insert(noms.end(), Fonctions::nomsPubliés().begin(), Fonctions::nomsPubliés().end());
    for (std::int32_t j = 1; j <= formules.Count(); ++j) {
        const Fonction& formule = formules.Item(j);
        TexteSuivi suivi(formule.Formule());
        for (const std::string& nom : noms) {
            suivi.remplacerTout(nom, "1", true);
            suivi.remplacerTout(nom, "1", false);
        }
        suivi.remplacerTout(",", ".", false);
        if (formule.Constantes())
            for (const std::string& constante : *formule.Constantes())
                suivi.remplacerTout(Fonctions::NomCst(constante), Fonctions::ValeurCst(constante), false);
        const auto erreur = erreurDeSyntaxe(suivi.texte);
        if (!erreur) continue;
        const std::size_t dansLaFormule =
            erreur->first < suivi.origine.size() ? suivi.origine[erreur->first] : formule.Formule().size();
        const std::string ligne = formule.Nom() + "=" + formule.Formule();
        avertissements.push_back({fichier.string(), j,
                                  "formule « " + formule.Nom() + " », colonne " +
                                      std::to_string(colonne(ligne, formule.Nom().size() + 1 + dansLaFormule)) +
                                      " : " + erreur->second});
    }
    return avertissements;
}

}  // namespace vantorelle
