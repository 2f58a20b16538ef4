#include "main/SauvegardeGroupe.h"

#include "store/EcritureAtomique.h"
#include "store/Encodage.h"
#include "store/Groupes.h"

namespace vantorelle {

void sauverGroupeVantorelle(const TableauDeBord& tableau, std::string_view racine) {
    // Written in pieces: a weekly scan of a market makes a file of tens of megabytes, and memory touched
    // for the first time costs more than the writing.
    constexpr std::size_t tailleMorceau = 256 * 1024;
    ÉcritureAtomique écriture(FichierGroupe(racine, "Vantorelle"));
    std::string morceau;
    morceau.reserve(tailleMorceau + 1024);
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
        ajouterVersWindows1252(morceau, tableau.Texte(i, TableauDeBord::Code));
        morceau += '\t';
        ajouterVersWindows1252(morceau, tableau.Texte(i, TableauDeBord::Nom));
        morceau += "\r\n";
        if (morceau.size() >= tailleMorceau) {
            écriture.Écrire(morceau);
            morceau.clear();
        }
    }
    écriture.Écrire(morceau);
    écriture.Terminer();
}

}  // namespace vantorelle
