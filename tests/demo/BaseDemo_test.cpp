#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "analysis/BourseCollection.h"
#include "analysis/Catalogue.h"
#include "demo/BaseDemo.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle {
namespace {

TEST(BaseDemo, EveryFigureOfTheCataloguePlantedSeveralTimes) {
    test::EnvironnementEssai env;
    const BaseDémo base;
    const auto valeurs = base.Valeurs();
    // Four figures need a doji that is also a small body, which only a tolerance of 0 allows.
    const std::set<std::int32_t> toléranceNulle = {119, 120, 219, 220};
    for (const std::string tolérance : {"0,0625", "0"}) {
        std::map<std::int32_t, int> trouvées;
        for (int k = 0; k < static_cast<int>(valeurs.size()); ++k) {
            BourseCollection bc;
            bc.Options.Item(OptionsAnalyse::Tolérance, Valeur(tolérance));
            bc.ChargeFichier(valeurs[k].code, valeurs[k].nom, env.écrire("h/" + valeurs[k].code, base.Historique(k)),
                             BourseCollection::DébutDuFichier, BourseCollection::FinDuFichier, 0);
            bc.ChargeChandeliers(1);
            for (std::int32_t i = 1; i <= bc.Nombre; ++i) ++trouvées[bc.Chandeliers.Item(i).enLong()];
        }
        for (const Figure& f : Catalogue::figures())
            EXPECT_TRUE(toléranceNulle.contains(f.code) != (tolérance == "0") || trouvées[f.code] >= 5)
                << "figure " << f.code << " found " << trouvées[f.code] << " times with a tolerance of " << tolérance;
    }
    EXPECT_EQ(Catalogue::figures().size(), 52u);
}

TEST(BaseDemo, SecuritiesAndTheirHistories) {
    const BaseDémo base;
    const auto valeurs = base.Valeurs();
    ASSERT_EQ(valeurs.size(), 40u);
    // ISIN codes with their check digit, and names that can be part of a file name.
    const std::pair<std::size_t, const char*> attendues[] = {{0, "FR0000130007 Alcyrane Industrie"},
        {7, "NL0000466308 Halvoran Technologie"}, {8, "LU0000501477 Imprimeries Quertin Services"},
        {39, "FR0000691743 Pélagrin Croisières Services"}};
    for (const auto& [k, texte] : attendues)
        EXPECT_EQ(valeurs[k].code + " " + valeurs[k].nom + " " + valeurs[k].secteur, texte);
    std::set<std::string> codes, noms;
    for (const auto& v : valeurs) {
        codes.insert(v.code), noms.insert(v.nom);
        EXPECT_EQ(v.nom.find_first_of(".:/\\?*\""), std::string::npos) << v.nom;
    }
    EXPECT_EQ(codes.size() + noms.size(), 80u);

    // The seed's random walk, pinned by its first and last lines.
    const std::string historique = base.Historique(0);
    EXPECT_EQ(historique.substr(0, historique.find('\n') + 1), "20130102\t66,50\t67,52\t66,42\t66,64\t1081879\r\n");
    EXPECT_EQ(historique.substr(historique.rfind("\r\n", historique.size() - 3) + 2),
              "20241231\t56,03\t56,14\t55,58\t55,69\t848483\r\n");
    const auto compter = [](const std::string& texte, const std::string& motif, std::size_t n = 0) {
        for (std::size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1)) ++n;
        return n;
    };
    EXPECT_EQ(compter(historique, "\r\n"), 3090u) << "trading days";
    EXPECT_EQ(compter(historique, "\t\t") + compter(historique, "\t0\t"), 1u) << "the odd missing or zero price";
    const std::string nouvelle = base.Historique(33);  // a security new to the market
    EXPECT_EQ(nouvelle.substr(0, 9), "20241216\t");
    EXPECT_EQ(compter(nouvelle, "\r\n"), 10u);
}

TEST(BaseDemo, WritesACompleteBase) {
    test::EnvironnementEssai env;
    BaseDémo().Écrire(env.chemin("demo"));
    std::set<std::string> fichiers;
    for (const auto& f : std::filesystem::recursive_directory_iterator(env.chemin("demo")))
        fichiers.insert(f.path().lexically_relative(env.chemin("demo")));
    EXPECT_EQ(fichiers.size(), 3 + 2 + 40 + 6u) << "folders, settings and formulas, histories, groups";
    for (const char* fichier : {"Formules.txt", "base/histo/Alcyrane_FR0000130007.txt", "base/groupe/All.txt",
                                "base/groupe/Consommation.txt", "base/groupe/Finance.txt", "base/groupe/Industrie.txt",
                                "base/groupe/Services.txt", "base/groupe/Technologie.txt"})
        EXPECT_TRUE(fichiers.contains(fichier)) << fichier;
    EXPECT_EQ(test::lireOctets(env.chemin("demo/Vantorelle.ini")),
              "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\nTailleMarubozu=1\nPondération=1\n\n"
              "[Path]\nPathPlotanex=" + env.chemin("demo") + "/\nAvecFormules=1\nAfficherDate=1\n");
    EXPECT_TRUE(test::lireOctets(env.chemin("demo/Formules.txt")).starts_with("Rebond=Cl\xF4ture>Cl\xF4ture[-1]"));
}

}  // namespace
}  // namespace vantorelle
