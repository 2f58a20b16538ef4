#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScanDemoLancement.h"

namespace vantorelle::test {
namespace {

const std::string dossier = std::string(VANTORELLE_TEST_DATA_DIR) + "/cli/figures/";
// 15 quiet dojis, an evening star, 12 dojis, a hammer, a long black candle, 3 dojis: 35 weekdays from
// 2 January 2024.
const std::string historique = dossier + "Exemple_FR0000000001.txt";

struct CasFigures {
    const char* nom;
    std::vector<std::string> options;
    const char* attendu;  // file of the expected lines
};

void PrintTo(const CasFigures& cas, std::ostream* os) { *os << cas.nom; }

/// Runs the figures command on a history file with the options given.
Résultat lancerFigures(const EnvironnementEssai& env, const std::string& fichier,
                       const std::vector<std::string>& options) {
    std::vector<std::string> arguments{"figures", fichier};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return lancerCli(env, arguments);
}

class FiguresCli : public testing::TestWithParam<CasFigures> {};

TEST_P(FiguresCli, SortieAttendue) {
    const CasFigures& cas = GetParam();
    EnvironnementEssai env;
    const Résultat résultat = lancerFigures(env, historique, cas.options);
    EXPECT_EQ(résultat.statut, 0);
    EXPECT_EQ(résultat.erreurs, "");
    EXPECT_EQ(résultat.sortie, lireOctets(dossier + cas.attendu));
}

INSTANTIATE_TEST_SUITE_P(
    Cas, FiguresCli,
    testing::Values(
        CasFigures{"ToutLeFichierOptionsParDefaut", {}, "attendu_defauts.tsv"},
        CasFigures{"ToutLeFichierSansTendance", {"--tendance", "0"}, "attendu_sans_tendance.tsv"},
        // The day after --au is loaded to confirm the last figure, and recognised too.
        CasFigures{"FenetreAvecConfirmation",
                   {"--du", "20240124", "--au", "20240213", "--confirmation"},
                   "attendu_fenetre_confirmation.tsv"},
        // Weekly candles carry the default options: the trend flag and the tolerance are not theirs.
        CasFigures{"SemainesAuxOptionsParDefaut",
                   {"--periode", "semaine", "--tendance", "0", "--tolerance", "0,5"},
                   "attendu_semaines.tsv"}),
    [](const auto& info) { return info.param.nom; });

TEST(FiguresCliOptions, LaToleranceSeLitAvecUnPointOuUneVirgule) {
    EnvironnementEssai env;
    const Résultat virgule = lancerFigures(env, historique, {"--tolerance", "0,2", "--tendance", "0"});
    const Résultat point = lancerFigures(env, historique, {"--tolerance", "0.2", "--tendance", "0"});
    EXPECT_EQ(virgule.statut, 0);
    EXPECT_EQ(point.statut, 0);
    EXPECT_EQ(virgule.sortie, point.sortie);
    EXPECT_NE(virgule.sortie, lireOctets(dossier + "attendu_sans_tendance.tsv"));
}

struct CasErreur {
    const char* nom;
    std::vector<std::string> options;
    const char* message;  // after the command's heading
    std::string fichier = historique;
};

void PrintTo(const CasErreur& cas, std::ostream* os) { *os << cas.nom; }

class FiguresCliErreurs : public testing::TestWithParam<CasErreur> {};

TEST_P(FiguresCliErreurs, MessageEtStatut2SansSortie) {
    const CasErreur& cas = GetParam();
    EnvironnementEssai env;
    const Résultat résultat = lancerFigures(env, cas.fichier, cas.options);
    EXPECT_EQ(résultat.statut, 2);
    EXPECT_EQ(résultat.sortie, "");
    EXPECT_EQ(résultat.erreurs, "vantorelle-cli figures : " + std::string(cas.message));
}

INSTANTIATE_TEST_SUITE_P(
    Cas, FiguresCliErreurs,
    testing::Values(
        CasErreur{"FichierAbsent", {},
                  "le fichier d'historique « /nulle/part/Absent_FR0000000000.txt » n'existe pas.\n",
                  "/nulle/part/Absent_FR0000000000.txt"},
        CasErreur{"ToleranceIllisible", {"--tolerance", "un peu"},
                  "--tolerance attend un nombre positif ou nul (0,0625 ou 0.0625), pas « un peu ».\n"},
        CasErreur{"ToleranceNegative", {"--tolerance", "-0,1"},
                  "--tolerance attend un nombre positif ou nul (0,0625 ou 0.0625), pas « -0,1 ».\n"},
        CasErreur{"DateImpossible", {"--du", "20240230"}, "--du attend une date aaaammjj, pas « 20240230 ».\n"},
        CasErreur{"DatesInversees", {"--du", "20240213", "--au", "20240124"},
                  "la première date (20240213) est après la dernière (20240124).\n"},
        CasErreur{"PeriodeInconnue", {"--periode", "annee"},
                  "--periode attend jour, semaine ou mois, pas « annee ».\n"},
        CasErreur{"TendanceNiZeroNiUn", {"--tendance", "oui"}, "--tendance attend 0 ou 1, pas « oui ».\n"},
        CasErreur{"PeriodeIndicateursNulle", {"--periode-indicateurs", "0"},
                  "--periode-indicateurs attend un entier de 1 à 32767, pas « 0 ».\n"},
        CasErreur{"Periode2TropGrande", {"--periode2", "40000"},
                  "--periode2 attend un entier de 1 à 32767, pas « 40000 ».\n"},
        CasErreur{"TailleMarubozuIllisible", {"--taille-marubozu", "1,5"},
                  "--taille-marubozu attend un entier de 0 à 32767, pas « 1,5 ».\n"}),
    [](const auto& info) { return info.param.nom; });

TEST(FiguresCliOptions, LAideDitQueLesSemainesGardentLesOptionsParDefaut) {
    EnvironnementEssai env;
    const Résultat résultat = lancerCli(env, {"figures", "--help"});
    EXPECT_EQ(résultat.statut, 0);
    for (const char* option : {"--du", "--au", "--confirmation", "--periode", "--tendance", "--tolerance",
                               "--periode-indicateurs", "--periode2", "--taille-marubozu"})
        EXPECT_NE(résultat.sortie.find(option), std::string::npos) << option;
    EXPECT_NE(résultat.sortie.find("Les bougies hebdomadaires et mensuelles portent toujours les options par défaut"),
              std::string::npos);
}

}  // namespace
}  // namespace vantorelle::test
