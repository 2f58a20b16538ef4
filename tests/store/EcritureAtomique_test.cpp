#include "store/EcritureAtomique.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "DossierTemporaire.h"
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

}  // namespace
}  // namespace vantorelle::test
