#pragma once
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "series/Fonction.h"
#include "series/Valeur.h"

namespace vantorelle {

/// Lets gtest show a value with its kind when an expectation fails.
inline void PrintTo(const Valeur& v, std::ostream* sortie) {
    static const char* const genres[] = {"vide", "double", "simple", "monnaie", "entier", "long", "booléen", "texte"};
    *sortie << genres[static_cast<int>(v.genre())] << "(" << v.texte() << ")";
}

/// A series holding the given values, in order.
inline Fonction série(std::initializer_list<Valeur> valeurs, std::string nom = "") {
    Fonction f;
    f.Nom(std::move(nom));
    for (const Valeur& v : valeurs) f.Ajouter(v);
    return f;
}

/// A series of singles.
inline Fonction sérieSimple(std::initializer_list<float> valeurs) {
    Fonction f;
    for (float v : valeurs) f.Ajouter(v);
    return f;
}

/// Values 1 to Longueur of a series.
inline std::vector<Valeur> valeursDe(const Fonction& f) {
    std::vector<Valeur> valeurs;
    for (std::int32_t i = 1; i <= f.Longueur(); ++i) valeurs.push_back(f.Item(i));
    return valeurs;
}

/// Singles as values, to compare with an indicator's result kind included.
inline std::vector<Valeur> simples(std::initializer_list<float> valeurs) {
    return std::vector<Valeur>(valeurs.begin(), valeurs.end());
}

}  // namespace vantorelle
