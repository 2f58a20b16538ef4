#include "store/Groupes.h"

#include "store/Encodage.h"
#include "store/LectureComplete.h"
#include "store/Repertoires.h"

namespace vantorelle {

std::string RépertoireGroupes(std::string_view racine) { return CheminSurDisque(std::string(racine) + "base/groupe/"); }

std::string FichierGroupe(std::string_view racine, std::string_view groupe) {
    return CheminSurDisque(std::string(racine) + "base/groupe/" + std::string(groupe) + ".txt");
}

std::vector<std::string> ListerGroupes(std::string_view racine) {
    std::vector<std::string> groupes = ChercherFichiers(RépertoireGroupes(racine), "*.txt");
    for (std::string& nom : groupes) nom.resize(nom.size() - 4);
    return groupes;
}

std::vector<TitreGroupe> LireGroupe(const std::string& chemin) {
    const std::string octets = lireFichierEntier(chemin);
    std::vector<TitreGroupe> titres;
    for (const std::string_view ligne : lignesDe(octets)) {
        const auto tabulation = ligne.find('\t');
        if (tabulation == std::string_view::npos || ligne.find('\t', tabulation + 1) != std::string_view::npos) continue;
        titres.push_back({depuisWindows1252(ligne.substr(0, tabulation)), depuisWindows1252(ligne.substr(tabulation + 1))});
    }
    return titres;
}

}  // namespace vantorelle
