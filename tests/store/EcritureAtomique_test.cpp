#include "store/EcritureAtomique.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle::test {
namespace {

TEST(EcritureAtomique, RemplaceLeFichierSansLaisserDeTemporaire) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("f.txt", "ancien contenu plus long");
    écrireAtomiquement(chemin, "nouveau");
    EXPECT_EQ(lireOctets(chemin), "nouveau");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.chemin()), {}), 1);
}

TEST(EcritureAtomique, AUTraversDUnLienRemplaceLaCibleEtGardeLeLien) {
    DossierTemporaire dossier;
    const std::string cible = dossier.écrire("cible.txt", "a");
    const std::string lien = dossier.fichier("lien.txt");
    std::filesystem::create_symlink(cible, lien);
    écrireAtomiquement(lien, "b");
    EXPECT_TRUE(std::filesystem::is_symlink(lien));
    EXPECT_EQ(lireOctets(cible), "b");
}

TEST(EcritureAtomique, UnDossierAbsentEstUneErreurQuiNommeLeFichier) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.fichier("absent/f.txt");
    EXPECT_EQ(messageDErreur<ErreurFichier>([&] { écrireAtomiquement(chemin, "x"); }),
              chemin + " : écriture impossible (fichier ou dossier introuvable)");
}

TEST(EcritureAtomique, EnMorceauxLeFichierNeChangeQuAuTerme) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("f.txt", "ancien");
    const auto fichiers = [&] { return std::distance(std::filesystem::directory_iterator(dossier.chemin()), {}); };
    {
        ÉcritureAtomique abandonnée(chemin);
        abandonnée.Écrire("perdu");
        EXPECT_EQ(fichiers(), 2);
    }
    EXPECT_EQ(lireOctets(chemin), "ancien") << "not finished: the file stays as it was";
    EXPECT_EQ(fichiers(), 1);
    ÉcritureAtomique écriture(chemin);
    écriture.Écrire("un, ");
    écriture.Écrire("");
    écriture.Écrire("deux");
    EXPECT_EQ(lireOctets(chemin), "ancien");
    écriture.Terminer();
    EXPECT_EQ(lireOctets(chemin), "un, deux");
    EXPECT_EQ(fichiers(), 1);
}

}  // namespace
}  // namespace vantorelle::test
