#pragma once
#include <memory>
#include <string>
#include <vector>

#include "series/CalculFormule.h"
#include "series/Fonctions.h"

namespace vantorelle::test {

/// One security's published series, by column; a shorter column leaves the older values in place.
struct Cours {
    std::vector<Valeur> date, nom, maximum, minimum, clôture, volume, chandeliers, volatilité, pondération;
    std::int32_t n = 0;  // the candle count
};

/// A formula collection scanned security after security, the way the scan drives it: the formulas first,
/// then the nine published series (the volatility a new series each time, with an empty name).
class Scène {
public:
    enum class Chemin { Substitution, Compilé };

    explicit Scène(const std::vector<std::string>& lignes, std::vector<std::string> constantes = {})
        : constantes_(std::make_shared<Fonction::ListeConstantes>(std::move(constantes))) {
        for (const std::string& ligne : lignes) {
            auto f = std::make_unique<Fonction>();
            f->Nom(Fonctions::NomCst(ligne));
            f->Formule(Fonctions::ValeurCst(ligne));
            f->Constantes(constantes_);
            membres_.Add(std::move(f), Fonctions::NomCst(ligne));
        }
        nombre_ = membres_.Count();
        const char* noms[] = {"Date", "Nom", "Maximum", "Minimum", "Clôture", "Volume", "Chandeliers", "Pondération"};
        for (std::size_t k = 0; k < 8; ++k) séries_[k].Nom(noms[k]);
    }

    /// Publishes the security's series, sizes and evaluates every formula in file order, and takes the
    /// series out again.
    void évaluer(const Cours& cours, Chemin chemin) {
        const std::vector<Valeur>* colonnes[] = {&cours.date,   &cours.nom,    &cours.maximum,
                                                 &cours.minimum, &cours.clôture, &cours.volume,
                                                 &cours.chandeliers, &cours.pondération};
        for (std::size_t k = 0; k < 8; ++k)
            for (std::size_t p = 0; p < colonnes[k]->size(); ++p)
                séries_[k].Item(static_cast<std::int32_t>(p + 1), (*colonnes[k])[p]);
        auto volatilité = std::make_unique<Fonction>();
        for (const Valeur& v : cours.volatilité) volatilité->Ajouter(v);
        for (std::size_t k = 0; k < 7; ++k) membres_.Add(séries_[k], séries_[k].Nom());
        membres_.Add(std::move(volatilité), "");
        membres_.Add(séries_[7], séries_[7].Nom());
        try {
            for (std::int32_t j = 1; j <= nombre_; ++j) {
                formule(j).Allouer(cours.n);
                formule(j).Longueur(cours.n);
            }
            for (std::int32_t j = 1; j <= nombre_; ++j) {
                if (chemin == Chemin::Substitution)
                    CalculFormule::parSubstitution(formule(j), membres_);
                else
                    CalculFormule::compilé(formule(j), membres_);
            }
        } catch (...) {
            retirer();
            throw;
        }
        retirer();
    }

    Fonction& formule(std::int32_t j) { return membres_.Item(j); }
    Fonction& formule(const std::string& nom) { return membres_.Item(nom); }
    std::int32_t nombre() const { return nombre_; }
    Fonctions& membres() { return membres_; }
    /// The published series other than the volatility, in publishing order.
    Fonction& série(std::size_t k) { return séries_[k]; }

private:
    void retirer() {
        for (const char* nom : {"Date", "Nom", "Maximum", "Minimum", "Clôture", "Volume", "Chandeliers", "", "Pondération"})
            membres_.Remove(std::string(nom));
    }

    std::shared_ptr<Fonction::ListeConstantes> constantes_;
    Fonctions membres_;
    std::int32_t nombre_ = 0;
    Fonction séries_[8];
};

}  // namespace vantorelle::test
