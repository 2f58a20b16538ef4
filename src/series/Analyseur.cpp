#include "series/Analyseur.h"

namespace vantorelle {

Analyseur::Issue Analyseur::compiler(std::span<const Jeton> jetons, Programme& programme, Échec* échec) {
    programme.vider();
    Analyseur analyseur(jetons, programme);
    if (analyseur.expression()) {
        if (analyseur.position_ == jetons.size()) return Issue::Réussie;
        analyseur.échouer(analyseur.position_, "un opérateur ou la fin de la formule");
    }
    if (analyseur.tropProfonde_) return Issue::TropProfonde;
    if (échec) *échec = analyseur.échec_;
    return Issue::ErreurDeSyntaxe;
}

bool Analyseur::expression() {
    if (!ou()) return false;
    while (prochain(SorteJeton::Xor)) {
        ++position_;
        if (!ou()) return false;
        programme_.ajouter(Opération::OuExclusif);
    }
    return true;
}

bool Analyseur::ou() {
    if (!et()) return false;
    while (prochain(SorteJeton::Or)) {
        ++position_;
        if (!et()) return false;
        programme_.ajouter(Opération::Ou);
    }
    return true;
}

bool Analyseur::et() {
    if (!non()) return false;
    while (prochain(SorteJeton::And)) {
        ++position_;
        if (!non()) return false;
        programme_.ajouter(Opération::Et);
    }
    return true;
}

bool Analyseur::non() {
    if (!prochain(SorteJeton::Not)) return comparaison();
    ++position_;
    if (!entrer() || !non()) return false;
    sortir();
    programme_.ajouter(Opération::Non);
    return true;
}

bool Analyseur::comparaison() {
    if (!somme()) return false;
    while (position_ < jetons_.size()) {
        Opération op;
        switch (jetons_[position_].sorte) {
            case SorteJeton::Égal: op = Opération::Égal; break;
            case SorteJeton::Différent: op = Opération::Différent; break;
            case SorteJeton::Inférieur: op = Opération::Inférieur; break;
            case SorteJeton::Supérieur: op = Opération::Supérieur; break;
            case SorteJeton::InférieurOuÉgal: op = Opération::InférieurOuÉgal; break;
            case SorteJeton::SupérieurOuÉgal: op = Opération::SupérieurOuÉgal; break;
            default: return true;
        }
        ++position_;
        if (!somme()) return false;
        programme_.ajouter(op);
    }
    return true;
}

bool Analyseur::somme() {
    if (!modulo()) return false;
    while (prochain(SorteJeton::Plus) || prochain(SorteJeton::Moins)) {
        const bool plus = prochain(SorteJeton::Plus);
        ++position_;
        if (!modulo()) return false;
        programme_.ajouter(plus ? Opération::Somme : Opération::Différence);
    }
    return true;
}

bool Analyseur::modulo() {
    if (!quotientEntier()) return false;
    while (prochain(SorteJeton::Mod)) {
        ++position_;
        if (!quotientEntier()) return false;
        programme_.ajouter(Opération::Modulo);
    }
    return true;
}

bool Analyseur::quotientEntier() {
    if (!produit()) return false;
    while (prochain(SorteJeton::DiviseEntier)) {
        ++position_;
        if (!produit()) return false;
        programme_.ajouter(Opération::QuotientEntier);
    }
    return true;
}

bool Analyseur::produit() {
    if (!signe()) return false;
    while (prochain(SorteJeton::Fois) || prochain(SorteJeton::Divise)) {
        const bool fois = prochain(SorteJeton::Fois);
        ++position_;
        if (!signe()) return false;
        programme_.ajouter(fois ? Opération::Produit : Opération::Quotient);
    }
    return true;
}

bool Analyseur::signe() {
    if (!prochain(SorteJeton::Plus) && !prochain(SorteJeton::Moins)) return puissance();
    const bool moins = prochain(SorteJeton::Moins);
    ++position_;
    if (!entrer() || !signe()) return false;
    sortir();
    if (moins) programme_.ajouter(Opération::Opposé);
    return true;
}

// A slot whose text starts with "-" reads as that sign applied to the whole chain of powers it starts.
bool Analyseur::puissance() {
    bool estUneCase = false;
    const std::size_t début = position_;
    if (prochain(SorteJeton::Case) && !entrer()) return false;
    if (!élément(false, estUneCase)) return false;
    while (prochain(SorteJeton::Puissance)) {
        ++position_;
        if (!exposant()) return false;
        programme_.ajouter(Opération::Puissance);
    }
    if (estUneCase) {
        sortir();
        programme_.ajouter(Opération::SigneCase, 0, jetons_[début].case_);
    }
    return true;
}

bool Analyseur::exposant() {
    if (!prochain(SorteJeton::Plus) && !prochain(SorteJeton::Moins)) {
        bool estUneCase = false;
        return élément(true, estUneCase);
    }
    const bool moins = prochain(SorteJeton::Moins);
    ++position_;
    if (!entrer() || !exposant()) return false;
    sortir();
    if (moins) programme_.ajouter(Opération::Opposé);
    return true;
}

bool Analyseur::élément(bool dansUnExposant, bool& estUneCase) {
    if (position_ >= jetons_.size()) return échouer(position_, "une valeur");
    const Jeton& jeton = jetons_[position_++];
    switch (jeton.sorte) {
        case SorteJeton::Nombre: programme_.ajouter(Opération::Nombre, jeton.nombre); return true;
        case SorteJeton::Vrai: programme_.ajouter(Opération::Booléen, 1); return true;
        case SorteJeton::Faux: programme_.ajouter(Opération::Booléen, 0); return true;
        case SorteJeton::Case:
            if (dansUnExposant) {
                if (!entrer()) return false;
                sortir();
                programme_.ajouter(Opération::CaseSignée, 0, jeton.case_);
            } else {
                programme_.ajouter(Opération::Case, 0, jeton.case_);
                estUneCase = true;
            }
            return true;
        case SorteJeton::Ouvrante:
            if (!entrer() || !expression()) return false;
            if (!prochain(SorteJeton::Fermante)) return échouer(position_, "une parenthèse fermante");
            ++position_;
            sortir();
            return true;
        default: return échouer(position_ - 1, "une valeur");
    }
}

}  // namespace vantorelle
