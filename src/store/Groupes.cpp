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

GroupeLu LireGroupeEnDétail(const std::string& chemin) {
    const std::string octets = lireFichierEntier(chemin);
    const bool utf8 = lisibleEnUtf8(octets, false);
    const auto texte = [utf8](std::string_view champ) { return utf8 ? std::string(champ) : depuisWindows1252(champ); };
    GroupeLu groupe;
    std::int64_t numéro = 0;
    for (const std::string_view ligne : lignesDe(sansMarqueUtf8(octets))) {
        ++numéro;
        const auto tabulation = ligne.find('\t');
        const bool deuxChamps =
            tabulation != std::string_view::npos && ligne.find('\t', tabulation + 1) == std::string_view::npos;
        if ((!deuxChamps || tabulation == 0) && ligne.find_first_not_of(" \r") != std::string_view::npos &&
            groupe.lignesDouteuses++ == 0)
            groupe.premièreDouteuse = numéro;
        if (!deuxChamps) continue;
        groupe.titres.push_back({texte(ligne.substr(0, tabulation)), texte(ligne.substr(tabulation + 1))});
        groupe.lignes.push_back(numéro);
    }
    return groupe;
}

std::vector<TitreGroupe> LireGroupe(const std::string& chemin) { return LireGroupeEnDétail(chemin).titres; }

}  // namespace vantorelle
