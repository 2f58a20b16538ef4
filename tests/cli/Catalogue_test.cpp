#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

// A formula writes the constant whose value is the figure's code, which is not always the constant named after
// the figure: "Etoile du soir" is 118, EtoileDuSoir 115. Some figures have no constant.
TEST(Catalogue, EachFigureWithTheConstantAFormulaWrites) {
    EnvironnementEssai env;
    const struct {
        const char* option;
        std::ptrdiff_t lignes;
        std::vector<std::string> attendues;
    } cas[] = {
        {"--format=tsv", 1 + 52,
         {"Code\tConstante\tNom\tFamille\tPondération\tBougies\n",
          "\n118\t3CorbeauxNoirs\tEtoile du soir\tbaissière\t4\t3\n",
          "\n115\tEtoileDuSoir\tLignes b. c. à c. gap descendant\tbaissière\t4\t3\n",
          "\n203\tSommetEnPinces\tCreux en pinces\thaussière\t2\t2 à 5\n",
          "\n121\t\tTrois corbeaux noirs\tbaissière\t4\t3\n", "\n303\tHauteVague\tHautes vagues\tneutre\t4\t5\n"}},
        {"--constantes", 1 + 53,
         {"Constante\tValeur\tFigure\n", "\nEtoileDuSoir\t115\tLignes b. c. à c. gap descendant\n",
          "\nChandelierHaussier\t1\t\n", "\nPénétrante\t211\t\n"}},
    };
    for (const auto& [option, lignes, attendues] : cas) {
        const std::string sortie = lancerCli(env, {"catalogue", option}).sortie;
        EXPECT_EQ(std::count(sortie.begin(), sortie.end(), '\n'), lignes) << option;
        for (const std::string& ligne : attendues) EXPECT_NE(sortie.find(ligne), std::string::npos) << ligne;
    }
}

}  // namespace
}  // namespace vantorelle::test
