#pragma once
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "series/CalculFormule.h"
#include "series/Fonction.h"
#include "series/Fonctions.h"
#include "series/Valeur.h"

namespace vantorelle {

/// A series holding the given values, in order.
inline Fonction série(const std::vector<Valeur>& valeurs, std::string nom = "") {
    Fonction f;
    f.Nom(std::move(nom));
    for (const Valeur& v : valeurs) f.Ajouter(v);
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

namespace test {

/// One security: its candle count and its published series by name ("" the volatility). A column shorter
/// than the count leaves the previous security's values in place.
struct Cours {
    std::int32_t n = 0;
    std::map<std::string, std::vector<Valeur>> colonnes{};
};

/// A formula collection scanned security after security, the way the scan drives it: the formulas first,
/// then the nine published series (the volatility a new series each time, with an empty name).
class Scène {
public:
    enum class Chemin { Substitution, Compilé };
    static constexpr const char* noms[] = {"Date",   "Nom",         "Maximum", "Minimum",    "Clôture",
                                           "Volume", "Chandeliers", "",        "Pondération"};

    explicit Scène(const std::vector<std::string>& lignes, std::vector<std::string> constantes = {})
        : constantes_(std::make_shared<Fonction::ListeConstantes>(std::move(constantes))) {
        for (const std::string& ligne : lignes) {
            Fonction& f = membres_.Add(std::make_unique<Fonction>(), Fonctions::NomCst(ligne));
            f.Nom(Fonctions::NomCst(ligne));
            f.Formule(Fonctions::ValeurCst(ligne));
            f.Constantes(constantes_);
        }
        nombre_ = membres_.Count();
        for (std::size_t k = 0; k < 9; ++k) séries_[k].Nom(noms[k]);
    }

    /// Publishes the security's series, sizes and evaluates every formula in file order, and takes the
    /// series out again (not after an error).
    void évaluer(const Cours& c, Chemin chemin) {
        for (std::size_t k = 0; k < 9; ++k) {
            Fonction& s = k == 7 ? membres_.Add(std::make_unique<Fonction>(), "") : membres_.Add(séries_[k], noms[k]);
            if (const auto colonne = c.colonnes.find(noms[k]); colonne != c.colonnes.end())
                for (std::size_t p = 0; p < colonne->second.size(); ++p)
                    s.Item(static_cast<std::int32_t>(p + 1), colonne->second[p]);
        }
        for (std::int32_t j = 1; j <= nombre_; ++j) {
            formule(j).Allouer(c.n);
            formule(j).Longueur(c.n);
        }
        for (std::int32_t j = 1; j <= nombre_; ++j) {
            if (chemin == Chemin::Substitution) CalculFormule::parSubstitution(formule(j), membres_);
            else CalculFormule::compilé(formule(j), membres_);
        }
        for (const char* nom : noms) membres_.Remove(std::string(nom));
    }

    Fonction& formule(std::int32_t j) { return membres_.Item(j); }
    Fonction& formule(const std::string& nom) { return membres_.Item(nom); }
    Fonctions& membres() { return membres_; }
    /// Published series k (0 Date ... 6 Chandeliers, 8 Pondération).
    Fonction& série(std::size_t k) { return séries_[k]; }

private:
    std::shared_ptr<Fonction::ListeConstantes> constantes_;
    Fonctions membres_;
    std::int32_t nombre_ = 0;
    Fonction séries_[9];  // 7, the volatility, is a new series each time
};

}  // namespace test
}  // namespace vantorelle
