#include "series/ModeleFormule.h"

#include <string>

#include "series/Analyseur.h"
#include "series/Gabarit.h"

namespace vantorelle {

namespace {

bool termineUnOpérande(SorteJeton sorte) {
    return sorte == SorteJeton::Nombre || sorte == SorteJeton::Vrai || sorte == SorteJeton::Faux ||
           sorte == SorteJeton::Case || sorte == SorteJeton::Fermante;
}

}  // namespace

ModeleFormule::ModeleFormule(const Fonction& formule, const Fonctions& membres, std::int32_t i)
    : issue_(construire(formule, membres, i)) {}

void ModeleFormule::reciblerCases(std::span<const Fonction* const> avant, std::span<const Fonction* const> après) {
    for (Case& c : cases_)
        for (std::size_t k = 0; k < avant.size(); ++k)
            if (c.série == avant[k]) {
                c.série = après[k];
                break;
            }
}

std::int32_t ModeleFormule::caseDe(const Fonction& série, std::int32_t décalage) {
    for (std::size_t c = 0; c < cases_.size(); ++c)
        if (cases_[c].série == &série && cases_[c].décalage == décalage) return static_cast<std::int32_t>(c);
    cases_.push_back({&série, décalage});
    return static_cast<std::int32_t>(cases_.size() - 1);
}

// Each replacement is checked first: a name that could match across a value's text, or a slot that could
// complete an offset reference, makes the substitutions depend on the values.
ModeleFormule::Issue ModeleFormule::construire(const Fonction& formule, const Fonctions& membres, std::int32_t i) {
    Gabarit gabarit(formule.Formule());
    for (std::int32_t m = 1; m <= membres.Count(); ++m) {
        const Fonction& série = membres.Item(m);
        const std::string& nom = série.Nom();
        if (gabarit.contient("[")) {
            for (auto k = gabarit.prochainDécalage(1); k && *k <= i - 1; k = gabarit.prochainDécalage(*k + 1)) {
                const std::string motif = nom + "[-" + std::to_string(*k) + "]";
                if (gabarit.peutChevaucher(motif)) return Issue::Illisible;
                if (!gabarit.contient(motif)) continue;
                gabarit.remplacerParCase(motif, caseDe(série, *k));
                if (gabarit.caseEntreCrochets()) return Issue::Illisible;
            }
        }
        if (nom.empty()) continue;
        if (gabarit.peutChevaucher(nom)) return Issue::Illisible;
        if (!gabarit.contient(nom)) continue;
        gabarit.remplacerParCase(nom, caseDe(série, 0));
        if (gabarit.caseEntreCrochets()) return Issue::Illisible;
    }
    gabarit.remplacerCaractère(',', '.');
    if (const auto& constantes = formule.Constantes()) {
        for (const std::string& c : *constantes) {
            const std::string nom = Fonctions::NomCst(c);
            if (gabarit.peutChevaucher(nom)) return Issue::Illisible;
            gabarit.remplacerParTexte(nom, Fonctions::ValeurCst(c));
        }
    }
    std::vector<Jeton> jetons;
    switch (gabarit.découper(jetons)) {
        case Gabarit::Découpage::Échec: return Issue::Échec;
        case Gabarit::Découpage::Illisible: return Issue::Illisible;
        case Gabarit::Découpage::Jetons: break;
    }
    switch (Analyseur::compiler(jetons, programme_)) {
        case Analyseur::Issue::Réussie: return Issue::Compilé;
        case Analyseur::Issue::TropProfonde: return Issue::Illisible;
        case Analyseur::Issue::ErreurDeSyntaxe: break;
    }
    // A value's "-" reads as a sign wherever an operand is expected, which changes no parse; only a slot
    // right after an operand could turn it into a subtraction.
    for (std::size_t j = 1; j < jetons.size(); ++j)
        if (jetons[j].sorte == SorteJeton::Case && termineUnOpérande(jetons[j - 1].sorte)) return Issue::Illisible;
    return Issue::Échec;
}

}  // namespace vantorelle
