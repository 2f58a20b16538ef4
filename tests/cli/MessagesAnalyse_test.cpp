#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

struct CasLigneDeCommande {
    std::vector<std::string> arguments;
    std::string erreur;
};

// The parser's own complaints come in French, on standard error, with status 2 and nothing on standard output.
TEST(LigneDeCommande, ErreursDAnalyseEnFrançais) {
    const std::vector<CasLigneDeCommande> cas{
        {{}, "vantorelle-cli : une commande est obligatoire : figures, scan ou demo\n"},
        {{"figures"}, "vantorelle-cli : FICHIER est obligatoire\n"},
        {{"figures", "h.txt", "--inconnu"}, "vantorelle-cli : argument inattendu : --inconnu\n"},
        {{"figures", "h.txt", "--tendance"}, "vantorelle-cli : --tendance : la valeur manque\n"},
        {{"scan", "--periode", "annee"},
         "vantorelle-cli : --periode : « annee » n'est pas parmi {jour,semaine,mois}\n"},
    };
    EnvironnementEssai env;
    for (const CasLigneDeCommande& c : cas) {
        const Résultat résultat = lancerCli(env, c.arguments);
        EXPECT_EQ(résultat.statut, 2) << c.erreur;
        EXPECT_EQ(résultat.sortie, "") << c.erreur;
        EXPECT_EQ(résultat.erreurs, c.erreur);
    }
}

}  // namespace
}  // namespace vantorelle::test
