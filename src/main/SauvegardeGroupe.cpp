#include "main/SauvegardeGroupe.h"

#include "store/EcritureAtomique.h"
#include "store/Encodage.h"
#include "store/Groupes.h"

namespace vantorelle {

void sauverGroupeVantorelle(const TableauDeBord& tableau, std::string_view racine) {
    std::string texte;
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
        texte += tableau.Texte(i, TableauDeBord::Code);
        texte += '\t';
        texte += tableau.Texte(i, TableauDeBord::Nom);
        texte += "\r\n";
    }
    écrireAtomiquement(FichierGroupe(racine, "Vantorelle"), versWindows1252(texte));
}

}  // namespace vantorelle
