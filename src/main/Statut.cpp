#include "main/Statut.h"

namespace vantorelle {

std::string StatusEcrire(const CompteursStat& c, const Traduction& traduire) {
    using S = CompteursStat;
    auto partie = [&](int r, int col, const char* texte) {
        return std::to_string(c(r, col)) + " " + traduire(sectionInterface, texte);
    };
    return partie(S::Chandelier, S::Baisse, "figures baissières") + ", " +
           partie(S::Chandelier, S::Hausse, "figures haussières") + ", " +
           partie(S::Chandelier, S::Neutre, "figures neutres") + ", " +
           partie(S::Clôture, S::Hausse, "clôtures en hausse") + ", " +
           partie(S::Clôture, S::Baisse, "clôtures en baisse");
}

}  // namespace vantorelle
