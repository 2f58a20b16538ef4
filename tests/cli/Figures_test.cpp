#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

const std::string dossier = std::string(VANTORELLE_TEST_DATA_DIR) + "/cli/figures/";

/// The figures command on a history of 15 quiet dojis, an evening star, 12 dojis, a hammer, a long black
/// candle and 3 dojis: 35 weekdays from 2 January 2024.
Résultat lancerFigures(const EnvironnementEssai& env, const std::vector<std::string>& options) {
    std::vector<std::string> arguments{"figures", dossier + "Exemple_FR0000000001.txt"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return lancerCli(env, arguments);
}

TEST(FiguresCli, ExpectedOutput) {
    const std::pair<std::vector<std::string>, const char*> cas[] = {
        {{}, "attendu_defauts.tsv"},
        {{"--tendance", "0"}, "attendu_sans_tendance.tsv"},
        // The day after --au is loaded to confirm the last figure, and recognised too.
        {{"--du", "20240124", "--au", "20240213", "--confirmation"}, "attendu_fenetre_confirmation.tsv"},
        // Weekly candles carry the default options: the trend flag and the tolerance are not theirs.
        {{"--periode", "semaine", "--tendance", "0", "--tolerance", "0,5"}, "attendu_semaines.tsv"},
    };
    EnvironnementEssai env;
    for (const auto& [options, attendu] : cas)
        EXPECT_EQ(lancerFigures(env, options), (Résultat{0, lireOctets(dossier + attendu), ""})) << attendu;
    // The tolerance reads with a point or a comma.
    const Résultat virgule = lancerFigures(env, {"--tolerance", "0,2", "--tendance", "0"});
    EXPECT_EQ(lancerFigures(env, {"--tolerance", "0.2", "--tendance", "0"}), virgule);
    EXPECT_NE(virgule.sortie, lireOctets(dossier + "attendu_sans_tendance.tsv"));
}

}  // namespace
}  // namespace vantorelle::test
