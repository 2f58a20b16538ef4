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
    // Sorted rows of one security mostly follow each other, and the dashboard keeps one copy of each code and
    // name: the line before is written again when the row shows the same texts.
    const auto mêmeCopie = [](std::string_view a, std::string_view b) {
        return a.data() == b.data() && a.size() == b.size();
    };
    std::string_view code, nom;
    std::string ligne = "\t\r\n";  // the line of the empty code and name above
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) {
        const std::string_view codeLigne = tableau.Texte(i, TableauDeBord::Code);
        const std::string_view nomLigne = tableau.Texte(i, TableauDeBord::Nom);
        if (!mêmeCopie(codeLigne, code) || !mêmeCopie(nomLigne, nom)) {
            code = codeLigne;
            nom = nomLigne;
            ligne.clear();
            ajouterVersWindows1252(ligne, code);
            ligne += '\t';
            ajouterVersWindows1252(ligne, nom);
            ligne += "\r\n";
        }
        morceau += ligne;
        if (morceau.size() >= tailleMorceau) {
            écriture.Écrire(morceau);
            morceau.clear();
        }
    }
    écriture.Écrire(morceau);
    écriture.Terminer();
}

}  // namespace vantorelle
