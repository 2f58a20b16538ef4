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

/// Records what a generation reports, in order, and asks it to stop at the n-th question (0: never).
struct SuiviEssai : Progression {
    explicit SuiviEssai(int arrêt = 0) : arrêtÀLaQuestion(arrêt) {}
    int arrêtÀLaQuestion;
    mutable int questions = 0;
    std::vector<std::string> rapports;

    void Statut(const std::string& texte) override { rapports.push_back("statut " + texte); }
    bool ArrêtDemandé() const override { return ++questions == arrêtÀLaQuestion; }
    void Pourcentage(int pourcent) override { rapports.push_back("progression " + std::to_string(pourcent)); }

    /// The reports of one kind ("statut" or "progression"), without the kind.
    std::vector<std::string> de(const std::string& genre) const {
        std::vector<std::string> vus;
        for (const std::string& r : rapports) if (r.starts_with(genre + " ")) vus.push_back(r.substr(genre.size() + 1));
        return vus;
    }
};

}  // namespace vantorelle::test
