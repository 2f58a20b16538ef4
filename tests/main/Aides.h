#pragma once
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "main/TableauDeBord.h"
#include "shell/Progression.h"

namespace vantorelle::test {

/// Appends a row given as its texts: the date key, then the sub-items.
inline void ajouter(TableauDeBord& tableau, std::initializer_list<std::string_view> cellules) {
    tableau.Ajouter(std::span(cellules.begin(), cellules.size()));
}

/// Each row as its cells joined by tabs, then its number of sub-items.
inline std::vector<std::string> lignesDu(const TableauDeBord& tableau) {
    std::vector<std::string> lignes;
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
        std::string& ligne = lignes.emplace_back();
        for (int c = 0; c < TableauDeBord::nombreColonnes; ++c) ligne.append(tableau.Texte(i, c)).push_back('\t');
        ligne.append(std::to_string(tableau.NombreSousÉléments(i)));
    }
    return lignes;
}

/// Records what a generation reports, in order, and asks it to stop at the n-th question (0: never).
struct SuiviEssai : Progression {
    explicit SuiviEssai(int arrêt = 0) : arrêtÀLaQuestion(arrêt) {}
    int arrêtÀLaQuestion;
    mutable int questions = 0;
    std::vector<std::string> rapports;

    void Statut(const std::string& texte) override { rapports.push_back("statut " + texte); }
    bool ArrêtDemandé() const override { return ++questions == arrêtÀLaQuestion; }
    void Pourcentage(int pourcent) override { rapports.push_back("progression " + std::to_string(pourcent)); }
};

}  // namespace vantorelle::test
