#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

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
}

TEST(BaseDemo, SecuritiesHistoriesAndFilesWritten) {
    test::EnvironnementEssai env;
    const BaseDémo base;
    base.Écrire(env.chemin("demo"));
    // ISIN codes with their check digit, Dutch and Luxembourg ones among them.
    const auto valeurs = base.Valeurs();
    EXPECT_EQ(valeurs[7].code + " " + valeurs[7].nom + " " + valeurs[7].secteur, "NL0000466308 Halvoran Technologie");
    EXPECT_EQ(valeurs[8].code + " " + valeurs[8].nom, "LU0000501477 Imprimeries Quertin");

    // The seed's random walk, pinned by its first and last lines.
    const std::string historique = test::lireOctets(env.chemin("demo/base/histo/Alcyrane_FR0000130007.txt"));
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

    const auto fichiers = std::distance(std::filesystem::recursive_directory_iterator(env.chemin("demo")), {});
    EXPECT_EQ(fichiers, 3 + 2 + 40 + 6) << "folders, settings and formulas, histories, groups";
    EXPECT_EQ(test::lireOctets(env.chemin("demo/Vantorelle.ini")),
              "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\nTailleMarubozu=1\nPondération=1\n\n"
              "[Path]\nPathPlotanex=" + env.chemin("demo") + "/\nAvecFormules=1\nAfficherDate=1\n");
    EXPECT_TRUE(test::lireOctets(env.chemin("demo/Formules.txt")).starts_with("Rebond=Cl\xF4ture>Cl\xF4ture[-1]"));
}

}  // namespace
}  // namespace vantorelle
