#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "support/DossierTemporaire.h"
#include "store/Erreur.h"
#include "store/LecturePositionnee.h"

namespace vantorelle {
namespace {

using test::DossierTemporaire;

TEST(LecturePositionnee, SeulUnFichierRégulierSOuvre) {
    DossierTemporaire dossier;
    std::uint64_t lus = 0;
    const std::string fichier = dossier.écrire("a.txt", "20240102\t1\t1\t1\t1\t1\r\n");
    const auto ouvert = LecturePositionnée::siFichierRégulier(fichier, lus);
    ASSERT_TRUE(ouvert);
    EXPECT_EQ(ouvert->longueur(), 20);

    std::filesystem::create_directories(dossier.fichier("dossier"));
    ASSERT_EQ(::mkfifo(dossier.fichier("tube").c_str(), 0600), 0);
    // A pipe is refused without waiting for a writer.
    for (const char* nom : {"absent.txt", "dossier", "tube", "absent/a.txt"})
        EXPECT_FALSE(LecturePositionnée::siFichierRégulier(dossier.fichier(nom), lus)) << nom;
}

TEST(LecturePositionnee, UnFichierIllisibleEstUneErreur) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
    DossierTemporaire dossier;
    std::uint64_t lus = 0;
    const std::string fichier = dossier.écrire("a.txt", "x");
    std::filesystem::permissions(fichier, std::filesystem::perms::none);
    EXPECT_THROW(LecturePositionnée::siFichierRégulier(fichier, lus), ErreurFichier);
}

}  // namespace
}  // namespace vantorelle
