#include "series/Fonction.h"

namespace vantorelle {

Fonction::Fonction()
    : constantes_(std::make_shared<ListeConstantes>()), data_(std::make_shared<Arr<Valeur>>()) {}

std::string Fonction::ToString() const {
    std::string texte;
    for (std::int32_t i = 1; i <= Longueur(); ++i) {
        texte += nom_;
        texte += '(';
        texte += std::to_string(i);
        texte += ") : ";
        texte += texteDe(Item(i));
        texte += "\r\n";
    }
    return texte;
}

Fonction Fonction::Dup() const {
    Fonction copie;
    copie.nom_ = nom_;
    copie.formule_ = formule_;
    copie.constantes_ = constantes_;
    copie.Allouer(Longueur());
    for (std::int32_t i = 1; i <= Longueur(); ++i) copie.Ajouter(Item(i));
    return copie;
}

}  // namespace vantorelle
