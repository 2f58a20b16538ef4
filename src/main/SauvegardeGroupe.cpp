#include "main/SauvegardeGroupe.h"

#include "store/EcritureAtomique.h"
#include "store/Encodage.h"
#include "store/Groupes.h"

namespace vantorelle {

void sauverGroupeVantorelle(const TableauDeBord& tableau, std::string_view racine) {
    using T = TableauDeBord;
    std::size_t taille = 0;
    for (std::size_t i = 0; i < tableau.Nombre(); ++i)
        taille += tableau.Texte(i, T::Code).size() + tableau.Texte(i, T::Nom).size() + 3;
    std::string octets;
    octets.reserve(taille);
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
        ajouterVersWindows1252(octets, tableau.Texte(i, T::Code));
        octets += '\t';
        ajouterVersWindows1252(octets, tableau.Texte(i, T::Nom));
        octets += "\r\n";
    }
    écrireAtomiquement(FichierGroupe(racine, "Vantorelle"), octets);
}

}  // namespace vantorelle
