#include "store/Repertoires.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Casse.h"
#include "store/Erreur.h"
#include "store/Motif.h"

namespace vantorelle::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace fs = std::filesystem;

/// A folder holding files and a subfolder created out of name order.
class Arborescence : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* nom : {"b.txt", "B.txt", "a.txt", ".cache", "Z.txt"}) dossier.écrire(nom, "x");
        fs::create_directories(dossier.chemin() / "sous" / "plus");
        dossier.écrire("sous/c.txt", "x");
        dossier.écrire("sous/plus/d.txt", "x");
    }
    std::string racine() const { return dossier.chemin().string(); }
    DossierTemporaire dossier;
};

TEST_F(Arborescence, ListerFichiersSelonLeFiltre) {
    const std::string r = racine() + "/";
    EXPECT_THAT(ListerFichiers(racine(), AttributNormal, false),
                ElementsAre(r + "B.txt", r + "Z.txt", r + "a.txt", r + "b.txt"));
    EXPECT_THAT(ListerFichiers(racine(), AttributRépertoire, false), ElementsAre(r + "sous"));
    EXPECT_THAT(ListerFichiers(racine(), AttributCaché, false),
                ElementsAre(r + ".cache", r + "B.txt", r + "Z.txt", r + "a.txt", r + "b.txt"));
    EXPECT_THAT(ListerFichiers(racine(), AttributCaché | AttributRépertoire, false),
                ElementsAre(r + ".cache", r + "B.txt", r + "Z.txt", r + "a.txt", r + "b.txt", r + "sous"));
}

TEST_F(Arborescence, ListerFichiersRecursif) {
    const std::string r = racine() + "/";
    // A subdirectory is listed in place of being added, and only filters that find subdirectories descend.
    EXPECT_THAT(ListerFichiers(racine(), AttributCaché | AttributRépertoire, true),
                ElementsAre(r + ".cache", r + "B.txt", r + "Z.txt", r + "a.txt", r + "b.txt", r + "sous/c.txt",
                            r + "sous/plus/d.txt"));
    EXPECT_THAT(ListerFichiers(racine(), AttributNormal, true), ElementsAre(r + "B.txt", r + "Z.txt", r + "a.txt", r + "b.txt"));
    EXPECT_THAT(ListerFichiers(racine(), AttributRépertoire, true), IsEmpty());
}

TEST_F(Arborescence, ListerFichiersSansEgardALaCasseDesRepertoires) {
    EXPECT_THAT(ListerFichiers(racine() + "/SOUS/", AttributNormal, false), ElementsAre(racine() + "/sous/c.txt"));
    EXPECT_THAT(ListerFichiers(racine() + "/Sous/Plus", AttributNormal, false), ElementsAre(racine() + "/sous/plus/d.txt"));
}

TEST_F(Arborescence, UnRepertoireAbsentNeDonneRien) {
    EXPECT_THAT(ListerFichiers(racine() + "/absent", AttributNormal, false), IsEmpty());
    EXPECT_THAT(ListerFichiers("/nulle/part/", AttributRépertoire, false), IsEmpty());
    EXPECT_THAT(ChercherFichiers(racine() + "/absent/", "*"), IsEmpty());
}

TEST_F(Arborescence, ChercherFichiersSansEgardALaCasse) {
    EXPECT_THAT(ChercherFichiers(racine(), "*.TXT"), ElementsAre("B.txt", "Z.txt", "a.txt", "b.txt"));
    EXPECT_THAT(ChercherFichiers(racine(), "b*"), ElementsAre("B.txt", "b.txt"));
    EXPECT_THAT(ChercherFichiers(racine(), "?.txt"), ElementsAre("B.txt", "Z.txt", "a.txt", "b.txt"));
    EXPECT_THAT(ChercherFichiers(racine(), "s*"), IsEmpty());  // directories are not files
}

TEST_F(Arborescence, CheminSurDisque) {
    const std::string r = racine();
    struct Cas {
        std::string écrit, attendu;
    };
    const Cas cas[] = {
        {r + "/sous/c.txt", r + "/sous/c.txt"},
        {r + "/SOUS/PLUS/", r + "/sous/plus/"},
        {r + "/Sous/C.TXT", r + "/sous/c.txt"},
        {r + "/b.TXT", r + "/B.txt"},  // the first in name order
        {r + "/Sous/absent/x.txt", r + "/sous/absent/x.txt"},
        {"", ""},
    };
    for (const Cas& c : cas) EXPECT_EQ(CheminSurDisque(c.écrit), c.attendu);
}

TEST(Motif, CorrespondAuMotif) {
    struct Cas {
        const char* nom;
        const char* motif;
        bool attendu;
    };
    const Cas cas[] = {
        {"alpha_fr0000000001.txt", "*_*fr0000000001.txt", true},
        {"alpha_fr0000000001.txt", "*_*0001.txt", true},  // a tail of the code
        {"alphafr0000000001.txt", "*_*fr0000000001.txt", false},
        {"_fr0000000001.txt", "*_*fr0000000001.txt", true},
        {"a_b_c.txt", "*_*c.txt", true},
        {"a_c.txt.bak", "*_*c.txt", false},
        {"société_x.txt", "soci?t?_*", true},  // "?" is one character, accented or not
        {"aaa", "a*a*a*a", false},
        {"abcabd", "*abd", true},
        {"", "*", true},
        {"", "?", false},
        {"x", "", false},
    };
    for (const Cas& c : cas) EXPECT_EQ(correspondAuMotif(c.nom, c.motif), c.attendu) << c.nom << " ~ " << c.motif;
}

TEST(Repertoires, FichierExisteSeulementPourUnFichier) {
    DossierTemporaire dossier;
    EXPECT_TRUE(FichierExiste(dossier.écrire("vide.txt", "")));
    EXPECT_FALSE(FichierExiste(dossier.fichier("absent.txt")));
    EXPECT_FALSE(FichierExiste(dossier.chemin().string()));
    EXPECT_FALSE(FichierExiste(""));
    EXPECT_TRUE(RépertoireExiste(dossier.chemin().string()));
}

/// Runs the test from the folder it started in, whatever the test changes.
class RepertoireCourant : public ::testing::Test {
protected:
    void TearDown() override { fs::current_path(départ); }
    fs::path départ = fs::current_path();
    DossierTemporaire dossier;
};

TEST_F(RepertoireCourant, ChangerRepertoire) {
    fs::create_directories(dossier.chemin() / "base");
    EXPECT_TRUE(ChangerRépertoire(dossier.fichier("Base")));
    EXPECT_EQ(fs::current_path(), dossier.chemin() / "base");
    EXPECT_FALSE(ChangerRépertoire(dossier.fichier("absent")));
    EXPECT_FALSE(ChangerRépertoire(""));
    EXPECT_EQ(fs::current_path(), dossier.chemin() / "base");
}

TEST_F(RepertoireCourant, AllerAuRepertoireAvecOuSansBarreFinale) {
    fs::create_directories(dossier.chemin() / "base");
    AllerAuRépertoire(dossier.fichier("base"));
    EXPECT_EQ(fs::current_path(), dossier.chemin() / "base");
    fs::current_path(départ);
    AllerAuRépertoire(dossier.fichier("base") + "/");
    EXPECT_EQ(fs::current_path(), dossier.chemin() / "base");
    const std::string absent = dossier.fichier("absent");
    EXPECT_EQ(messageDErreur<ErreurFichier>([&] { AllerAuRépertoire(absent); }),
              absent + " : répertoire inaccessible (fichier ou dossier introuvable)");
}

TEST(Repertoires, ConcatenerFichiersEcritChaqueLigneAvecCrLf) {
    DossierTemporaire dossier;
    const std::string a = dossier.écrire("a.txt", "A1\tAlpha\r\nA2\tB\xE9ta\r\n");
    const std::string b = dossier.écrire("b.txt", "B1\tun\nB2\tdeux");  // LF only, no final line end
    const std::string c = dossier.écrire("c.txt", "");
    const std::string d = dossier.écrire("d.txt", "\r\n\r\n");
    const std::string destination = dossier.écrire("All.txt", "ancien contenu\r\n");
    ConcaténerFichiers(destination, {a, b, c, d});
    EXPECT_EQ(lireOctets(destination), "A1\tAlpha\r\nA2\tB\xE9ta\r\nB1\tun\r\nB2\tdeux\r\n\r\n\r\n");
}

TEST(Repertoires, ConcatenerFichiersGardeCeQuiPrecedeUneSourceIllisible) {
    DossierTemporaire dossier;
    const std::string a = dossier.écrire("a.txt", "A1\tAlpha\r\n");
    const std::string absente = dossier.fichier("absente.txt");
    const std::string destination = dossier.fichier("All.txt");
    EXPECT_EQ(messageDErreur<ErreurFichier>([&] { ConcaténerFichiers(destination, {a, absente, a}); }),
              absente + " : lecture impossible (fichier ou dossier introuvable)");
    EXPECT_EQ(lireOctets(destination), "A1\tAlpha\r\n");
}

}  // namespace
}  // namespace vantorelle::test
