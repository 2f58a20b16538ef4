#include "main/ExportEditeur.h"

#include "store/EcritureAtomique.h"
#include "store/Encodage.h"

namespace vantorelle {

std::string exporterPourÉditeur(const TableauDeBord& tableau, std::string_view racine) {
    std::string texte = tableau.Titres() + "\r\n";
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
        texte += tableau.Texte(i, 0);
        for (int s = 1; s <= tableau.NombreSousÉléments(i); ++s) {
            texte += '\t';
            texte += tableau.Texte(i, s);
        }
        texte += "\r\n";
    }
    std::string fichier = std::string(racine) + "Vantorelle.txt";
    écrireAtomiquement(fichier, versWindows1252(texte));
    return fichier;
}

}  // namespace vantorelle
