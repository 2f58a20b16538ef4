#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Aides.h"
#include "main/ExportEditeur.h"
#include "main/SauvegardeGroupe.h"
#include "store/Erreur.h"
#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;
using test::ajouter;

TEST(SauvegardeGroupe, VantorelleGroupInTheDashboardOrderOrAnError) {
    const test::DossierTemporaire dossier;
    const std::string racine = dossier.chemin().string() + "/",
                      groupe = dossier.écrire("base/groupe/Vantorelle.txt", "ancien\r\n");
    // Rows of one security in a row, empty codes and names, a code shown with two names: added in reverse.
    T tableau;
    const char* const valeurs[][2] = {{"", ""},    {"", ""}, {"FR1", "Été"}, {"FR1", "Été"}, {"FR1", "Été bis"},
                                      {"", "Été"}, {"FR1", ""}, {"", ""}, {"FR2", "Bélorgue"}};
    for (int k = 8; k >= 0; --k) ajouter(tableau, {std::to_string(k), valeurs[k][0], valeurs[k][1], "Doji (=)"});
    tableau.CliquerColonne(T::Date), tableau.CliquerColonne(T::Date);  // ascending
    sauverGroupeVantorelle(tableau, racine);
    EXPECT_EQ(test::lireOctets(groupe), "\t\r\n\t\r\nFR1\t\xC9t\xE9\r\nFR1\t\xC9t\xE9\r\nFR1\t\xC9t\xE9 bis\r\n"
                                        "\t\xC9t\xE9\r\nFR1\t\r\n\t\r\nFR2\tB\xE9lorgue\r\n");
    sauverGroupeVantorelle(T(), racine);
    EXPECT_TRUE(std::filesystem::exists(groupe));
    EXPECT_EQ(test::lireOctets(groupe), "");

    // A folder where the group file should be: no one, not even the superuser, can replace it by a file.
    std::filesystem::remove(groupe);
    std::filesystem::create_directories(groupe);
    EXPECT_THROW_MSG(sauverGroupeVantorelle(tableau, racine), ErreurFichier,
                     groupe + " : écriture impossible (c'est un dossier)");
    EXPECT_TRUE(std::filesystem::is_directory(groupe));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.chemin() / "base" / "groupe"), {}), 1)
        << "no temporary file left behind";
}

TEST(ExportEditeur, ExportForTheEditor) {
    const test::DossierTemporaire dossier;
    T tableau;
    ajouter(tableau, {"20240102", "FR0000130007", "Alcyrane", "Marteau (/)", "12,50 (/+2,04%)", "03,25 (/>2,1)",
                      "1,234 (=<1,5)", "54,12 (/>50,3)", "", "2"});
    ajouter(tableau, {"20240103", "FR0000123456", "Bélorgue Matériaux", "Doji (=)", "11,90", "02,00 (\\<2,5)",
                      "0,900 (=>0,8)", "45,00 (\\<48,1)", "20,00 (=<25)", "1", "Rebond | Cassure | "});
    const std::string fichier = exporterPourÉditeur(tableau, dossier.chemin().string() + "/");
    EXPECT_EQ(fichier, dossier.fichier("Vantorelle.txt"));
    EXPECT_EQ(test::lireOctets(fichier),
              "Date\tCode\tNom\tChandelier\tCl\xF4ture\tVolatilit\xE9\tVolume\tRSI\tStoch\tPond\xE9ration\tFormules\r\n"
              "20240102\tFR0000130007\tAlcyrane\tMarteau (/)\t12,50 (/+2,04%)\t03,25 (/>2,1)\t1,234 (=<1,5)\t"
              "54,12 (/>50,3)\t\t2\r\n"
              "20240103\tFR0000123456\tB\xE9lorgue Mat\xE9riaux\tDoji (=)\t11,90\t02,00 (\\<2,5)\t0,900 (=>0,8)\t"
              "45,00 (\\<48,1)\t20,00 (=<25)\t1\tRebond | Cassure | \r\n");
}

}  // namespace
}  // namespace vantorelle
