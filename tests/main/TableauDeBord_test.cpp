#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/TableauDeBord.h"

namespace vantorelle {
namespace {

using T = TableauDeBord;

/// Adds a row named `nom` with the figure and weight given; the other cells tell the rows apart.
void ajouter(T& tableau, const std::string& date, const std::string& nom, const std::string& figure,
             const std::string& poids, bool formules = false) {
    std::vector<std::string> cellules = {date,    "FR" + date, nom,     figure,  "10,00", "01,00",
                                         "0,100", "50,00",     "50,00", poids,   "Hausse | "};
    std::vector<std::string_view> vues(cellules.begin(), cellules.end());
    tableau.Ajouter(std::span(vues.data(), formules ? 11 : 10));
}

std::vector<std::string> dates(const T& tableau) {
    std::vector<std::string> résultat;
    for (std::size_t i = 0; i < tableau.Nombre(); ++i) résultat.emplace_back(tableau.Texte(i, T::Date));
    return résultat;
}

void remplir(T& tableau) {
    ajouter(tableau, "r1", "Beta", "Marteau (/)", "2");
    ajouter(tableau, "r2", "Alpha", "Marteau (/)", "2");
    ajouter(tableau, "r3", "Alpha", "Doji (=)", "2");
    ajouter(tableau, "r4", "Beta", "Doji (=)", "4");
    ajouter(tableau, "r5", "Gamma", "Avalement haussier (/)", "2");
    ajouter(tableau, "r6", "alpha", "Marteau (/)", "2");
}

void trierCommeEnFinDeGénération(T& tableau) {
    tableau.CliquerColonne(T::Nom);
    tableau.CliquerColonne(T::Chandelier);
    tableau.Croissant(true);
    tableau.CliquerColonne(T::Pondération);
}

TEST(TableauDeBord, CellulesEtSousÉléments) {
    T tableau;
    ajouter(tableau, "20240102", "Alcyrane", "Doji (=)", "1");
    ajouter(tableau, "20240103", "Alcyrane", "Doji (=)", "1", true);
    ASSERT_EQ(tableau.Nombre(), 2u);
    EXPECT_EQ(tableau.NombreSousÉléments(0), 9);
    EXPECT_EQ(tableau.NombreSousÉléments(1), 10);
    EXPECT_EQ(tableau.Texte(0, T::Nom), "Alcyrane");
    EXPECT_EQ(tableau.Texte(0, T::Pondération), "1");
    EXPECT_EQ(tableau.Texte(0, T::Formules), "");
    EXPECT_EQ(tableau.Texte(1, T::Formules), "Hausse | ");
    EXPECT_EQ(tableau.Texte(1, T::Volume), "0,100");
    EXPECT_THROW(tableau.Texte(2, T::Date), std::out_of_range);
}

TEST(TableauDeBord, ColonnesDuTableau) {
    const T tableau;
    const char* clés[] = {"date", "code", "nom", "chandelier", "cloture", "volatilite",
                          "volume", "rsi", "stock", "ponderation", "formules"};
    const char* titres[] = {"Date", "Code", "Nom", "Chandelier", "Clôture", "Volatilité",
                            "Volume", "RSI", "Stoch", "Pondération", "Formules"};
    const int largeurs[] = {1764, 1764, 2540, 2540, 2540, 2540, 2469, 2469, 2540, 0, 0};
    for (int c = 0; c < T::nombreColonnes; ++c) {
        EXPECT_EQ(tableau.Définition(c).clé, clés[c]);
        EXPECT_EQ(tableau.Définition(c).titre, titres[c]);
        EXPECT_EQ(tableau.Définition(c).largeur, largeurs[c]);
    }
    EXPECT_EQ(tableau.Titres(),
              "Date\tCode\tNom\tChandelier\tClôture\tVolatilité\tVolume\tRSI\tStoch\tPondération\tFormules");
}

TEST(TableauDeBord, SupprimerTroisLignesSurDix) {
    T tableau;
    for (int k = 1; k <= 10; ++k) ajouter(tableau, std::string("d").append(std::to_string(k)), "N", "Doji (=)", "1");
    tableau.Supprimer({6, 1, 3});
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"d1", "d3", "d5", "d6", "d8", "d9", "d10"}));
}

TEST(TableauDeBord, ChaqueClicInverseLOrdre) {
    T tableau;
    for (const char* d : {"20240103", "20240101", "20240102"}) ajouter(tableau, d, "N", "Doji (=)", "1");
    EXPECT_TRUE(tableau.Croissant());
    tableau.CliquerColonne(T::Date);  // from the initial ascending order, the first click sorts descending
    EXPECT_FALSE(tableau.Croissant());
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"20240103", "20240102", "20240101"}));
    tableau.CliquerColonne(T::Date);
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"20240101", "20240102", "20240103"}));
    tableau.CliquerColonne(T::Nom);  // equal names keep their order
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"20240101", "20240102", "20240103"}));
}

TEST(TableauDeBord, TriDeFinDeGénérationSelonLOrdreHérité) {
    T tableau;
    remplir(tableau);
    trierCommeEnFinDeGénération(tableau);
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"r4", "r5", "r3", "r1", "r2", "r6"}));
    EXPECT_FALSE(tableau.Croissant());

    // The next generation starts from the descending order the previous one left.
    tableau.Vider();
    remplir(tableau);
    trierCommeEnFinDeGénération(tableau);
    EXPECT_EQ(dates(tableau), (std::vector<std::string>{"r4", "r5", "r3", "r6", "r2", "r1"}));
}

TEST(TableauDeBord, TexteRangéAprèsLeTri) {
    T tableau;
    ajouter(tableau, "b", "Zèbre", "Marteau (/)", "2");
    ajouter(tableau, "a", "zebre", "Doji (=)", "3", true);
    tableau.CliquerColonne(T::Nom);
    tableau.CliquerColonne(T::Nom);  // ascending: zebre before Zèbre
    EXPECT_EQ(tableau.Texte(0, T::Nom), "zebre");
    EXPECT_EQ(tableau.Texte(0, T::Chandelier), "Doji (=)");
    EXPECT_EQ(tableau.Texte(0, T::Formules), "Hausse | ");
    EXPECT_EQ(tableau.NombreSousÉléments(0), 10);
    EXPECT_EQ(tableau.Texte(1, T::Pondération), "2");
    EXPECT_EQ(tableau.NombreSousÉléments(1), 9);
}

}  // namespace
}  // namespace vantorelle
