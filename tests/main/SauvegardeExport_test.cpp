#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "LigneTableau.h"
#include "main/ExportEditeur.h"
#include "main/SauvegardeGroupe.h"
#include "support/DossierTemporaire.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;
using test::ajouter;

T deuxLignes() {
    T tableau;
    ajouter(tableau, {"20240102", "FR0000130007", "Alcyrane", "Marteau (/)", "12,50 (/+2,04%)", "03,25 (/>2,1)",
                      "1,234 (=<1,5)", "54,12 (/>50,3)", "", "2"});
    ajouter(tableau, {"20240103", "FR0000123456", "Bélorgue Matériaux", "Doji (=)", "11,90", "02,00 (\\<2,5)",
                      "0,900 (=>0,8)", "45,00 (\\<48,1)", "20,00 (=<25)", "1", "Rebond | Cassure | "});
    return tableau;
}

class SauvegardeTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(dossier_.chemin() / "base" / "groupe"); }
    std::string racine() const { return dossier_.chemin().string() + "/"; }
    std::string groupe() const { return dossier_.fichier("base/groupe/Vantorelle.txt"); }

    test::DossierTemporaire dossier_;
};

TEST_F(SauvegardeTest, GroupeVantorelleDansLOrdreDuTableau) {
    T tableau = deuxLignes();
    ajouter(tableau, {"20240104", "FR0000130007", "Alcyrane", "Doji (=)", "", "", "", "", "", "1"});
    tableau.CliquerColonne(T::Date);  // descending
    sauverGroupeVantorelle(tableau, racine());
    EXPECT_EQ(test::lireOctets(groupe()),
              "FR0000130007\tAlcyrane\r\nFR0000123456\tB\xE9lorgue Mat\xE9riaux\r\nFR0000130007\tAlcyrane\r\n");
}

TEST_F(SauvegardeTest, LignesQuiSeSuiventEtTextesVides) {
    // Rows of one security in a row, empty codes and names, a code shown with two names.
    T tableau;
    const std::pair<const char*, const char*> valeurs[] = {{"", ""},    {"", ""},        {"FR1", "Été"},
                                                           {"FR1", "Été"}, {"FR1", "Été bis"}, {"", "Été"},
                                                           {"FR1", ""},    {"", ""}};
    for (const auto& [code, nom] : valeurs)
        ajouter(tableau, {"20240102", code, nom, "Doji (=)", "", "", "", "", "", "1"});
    sauverGroupeVantorelle(tableau, racine());
    EXPECT_EQ(test::lireOctets(groupe()), "\t\r\n\t\r\nFR1\t\xC9t\xE9\r\nFR1\t\xC9t\xE9\r\nFR1\t\xC9t\xE9 bis\r\n"
                                          "\t\xC9t\xE9\r\nFR1\t\r\n\t\r\n");
}

TEST_F(SauvegardeTest, TableauVideGroupeVide) {
    dossier_.écrire("base/groupe/Vantorelle.txt", "ancien\r\n");
    sauverGroupeVantorelle(T(), racine());
    EXPECT_TRUE(std::filesystem::exists(groupe()));
    EXPECT_EQ(test::lireOctets(groupe()), "");
}

TEST_F(SauvegardeTest, GroupeImpossibleÀÉcrire) {
    // A folder where the group file should be: no one, not even the superuser, can replace it by a file.
    std::filesystem::create_directories(groupe());
    EXPECT_THROW(sauverGroupeVantorelle(deuxLignes(), racine()), ErreurFichier);
    EXPECT_TRUE(std::filesystem::is_directory(groupe()));
    int fichiers = 0;
    for (const auto& entrée : std::filesystem::directory_iterator(dossier_.chemin() / "base" / "groupe"))
        fichiers += entrée.is_regular_file();
    EXPECT_EQ(fichiers, 0) << "no temporary file left behind";
}

TEST_F(SauvegardeTest, ExportPourLÉditeur) {
    const std::string fichier = exporterPourÉditeur(deuxLignes(), racine());
    EXPECT_EQ(fichier, dossier_.fichier("Vantorelle.txt"));
    EXPECT_EQ(test::lireOctets(fichier),
              "Date\tCode\tNom\tChandelier\tCl\xF4ture\tVolatilit\xE9\tVolume\tRSI\tStoch\tPond\xE9ration\tFormules\r\n"
              "20240102\tFR0000130007\tAlcyrane\tMarteau (/)\t12,50 (/+2,04%)\t03,25 (/>2,1)\t1,234 (=<1,5)\t"
              "54,12 (/>50,3)\t\t2\r\n"
              "20240103\tFR0000123456\tB\xE9lorgue Mat\xE9riaux\tDoji (=)\t11,90\t02,00 (\\<2,5)\t0,900 (=>0,8)\t"
              "45,00 (\\<48,1)\t20,00 (=<25)\t1\tRebond | Cassure | \r\n");
}

}  // namespace
}  // namespace vantorelle
