#include "main/ValeursDuGroupe.h"

#include <unordered_set>

#include "shell/RacineDonnees.h"
#include "store/Groupes.h"
#include "store/Repertoires.h"

namespace vantorelle {

ValeursDuGroupe LireValeursDuGroupe(const std::string& fichierGroupe) {
    GroupeLu groupe = LireGroupeEnDétail(fichierGroupe);
    ValeursDuGroupe lues;
    if (groupe.lignesDouteuses > 0)
        lues.avertissements.push_back(
            {fichierGroupe, groupe.premièreDouteuse,
             std::to_string(groupe.lignesDouteuses) +
                 " ligne(s) qui ne sont pas un code et un nom séparés par une tabulation (la première ici)"});
    std::unordered_set<std::string> vus;
    std::int64_t répétées = 0, premièreRépétée = 0;
    std::string codeRépété;
    for (std::size_t k = 0; k < groupe.titres.size(); ++k) {
        TitreGroupe& titre = groupe.titres[k];
        if (!vus.insert(titre.code).second) {
            if (répétées++ == 0) premièreRépétée = groupe.lignes[k], codeRépété = titre.code;
            continue;
        }
        lues.valeurs.push_back({std::move(titre.code), std::move(titre.nom), groupe.lignes[k]});
    }
    if (répétées > 0)
        lues.avertissements.push_back({fichierGroupe, premièreRépétée,
                                       std::to_string(répétées) + " ligne(s) d'une valeur déjà lue plus haut, " +
                                           "scannée une seule fois (la première ici : « " + champCité(codeRépété) + " »)"});
    return lues;
}

ValeurGroupe ValeurDeLaBase(const Emplacements& emplacements, const std::string& code) {
    if (FichierHisto(emplacements, code).empty()) throw ErreurSansHistorique();
    ValeurGroupe valeur{code, "", 0};
    const std::string tout = FichierGroupe(CheminBase(emplacements), "All");
    if (!FichierExiste(tout)) return valeur;
    const GroupeLu groupe = LireGroupeEnDétail(tout);
    for (std::size_t k = 0; k < groupe.titres.size(); ++k)
        if (groupe.titres[k].code == code) return {code, groupe.titres[k].nom, groupe.lignes[k]};
    return valeur;
}

}  // namespace vantorelle
