#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

const std::string exemple = std::string(VANTORELLE_TEST_DATA_DIR) + "/cli/figures/Exemple_FR0000000001.txt";

// -o takes exactly what standard output would, in every format; the captions and keys are the command's own.
TEST(OutputFormats, TheFileGetsWhatStandardOutputWould) {
    const struct {
        const char* format;
        const char* début;
    } cas[] = {
        {"tsv", "Date\tCode\tChandelier\tPondération\tTendance\tConfirmation\n20240102\t300\tDoji\t1\t0\t0\n"},
        {"csv", "Date,Code,Chandelier,Pondération,Tendance,Confirmation\r\n20240102,300,Doji,1,0,0\r\n"},
        {"json", "{\"date\":\"20240102\",\"code\":\"300\",\"chandelier\":\"Doji\",\"ponderation\":\"1\",\"tendance\":"
                 "\"0\",\"confirmation\":\"0\"}\n"},
    };
    EnvironnementEssai env;
    for (const auto& [format, début] : cas) {
        const Résultat sortie = lancerCli(env, {"figures", exemple, "--format", format});
        EXPECT_EQ(sortie.sortie.substr(0, std::string(début).size()), début);
        const std::string fichier = env.chemin(std::string("figures.") + format);
        EXPECT_EQ(lancerCli(env, {"figures", exemple, "--format", format, "-o", fichier}), (Résultat{0, "", ""}));
        EXPECT_EQ(lireOctets(fichier), sortie.sortie) << format;
    }
}

// A command that fails leaves the file of -o as it was, or does not make it.
TEST(OutputFormats, AnErrorLeavesTheFileAlone) {
    EnvironnementEssai env;
    std::string historique = lireOctets(exemple);
    historique.replace(historique.find("\t100.5\t"), 7, "\tcent\t");
    const std::string cassé = env.écrire("Casse_FR0000000002.txt", historique);
    const std::string ancien = env.écrire("ancien.tsv", "ancien\n"), nouveau = env.chemin("nouveau.tsv");
    for (const std::string& fichier : {ancien, nouveau})
        EXPECT_EQ(lancerCli(env, {"figures", cassé, "-o", fichier}).statut, 1);
    EXPECT_EQ(lireOctets(ancien), "ancien\n");
    EXPECT_FALSE(std::filesystem::exists(nouveau));
}

}  // namespace
}  // namespace vantorelle::test
