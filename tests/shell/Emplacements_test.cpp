#include "shell/Emplacements.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/EnvironnementEssai.h"

namespace vantorelle {
namespace {

using test::EnvironnementEssai;
namespace fs = std::filesystem;

/// The environment of a user who set none of the program's variables, with the home in the test's folder.
class SansVariables : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* nom : {"VANTORELLE_CONFIG", "VANTORELLE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.changer(nom, std::nullopt);
        env.changer("HOME", env.chemin("maison"));
    }
    EnvironnementEssai env;
};

TEST_F(SansVariables, LesEmplacementsParDefaut) {
    EXPECT_EQ(FichierParamètres(), fs::path(env.chemin("maison/.config/Vantorelle/Vantorelle.ini")));
    EXPECT_EQ(RépertoireProgramme(), fs::path(env.chemin("maison/.local/share/Vantorelle")));
    EXPECT_EQ(RépertoireCache(), fs::path(env.chemin("maison/.cache/Vantorelle")));
    EXPECT_EQ(RépertoireWindows(), env.chemin("maison/.cache/Vantorelle") + "/");
    // The directories are made on first use; the settings file only when something is written.
    EXPECT_TRUE(fs::is_directory(env.chemin("maison/.local/share/Vantorelle")));
    EXPECT_TRUE(fs::is_directory(env.chemin("maison/.cache/Vantorelle")));
    EXPECT_FALSE(fs::exists(env.chemin("maison/.config")));
}

TEST_F(SansVariables, LesVariablesXdgAbsoluesSeulement) {
    env.changer("XDG_CONFIG_HOME", env.chemin("conf"));
    env.changer("XDG_DATA_HOME", "relatif/donnees");
    env.changer("XDG_CACHE_HOME", env.chemin("cache"));
    EXPECT_EQ(FichierParamètres(), fs::path(env.chemin("conf/Vantorelle/Vantorelle.ini")));
    EXPECT_EQ(RépertoireProgramme(), fs::path(env.chemin("maison/.local/share/Vantorelle")));
    EXPECT_EQ(RépertoireCache(), fs::path(env.chemin("cache/Vantorelle")));
}

TEST_F(SansVariables, LesVariablesDuProgrammeRemplacentTout) {
    env.changer("VANTORELLE_CONFIG", env.chemin("essai.ini"));
    env.changer("VANTORELLE_HOME", env.chemin("programme/neuf"));
    EXPECT_EQ(FichierParamètres(), fs::path(env.chemin("essai.ini")));
    EXPECT_EQ(RépertoireProgramme(), fs::path(env.chemin("programme/neuf")));
    EXPECT_TRUE(fs::is_directory(env.chemin("programme/neuf")));
}

TEST_F(SansVariables, UnCheminRelatifResteCeluiDuDepart) {
    const fs::path départ = fs::current_path();
    fs::current_path(env.racine());
    const fs::path relatif = fs::path("relatif") / env.racine().filename() / "essai.ini";  // new at every run
    env.changer("VANTORELLE_CONFIG", relatif.string());
    EXPECT_EQ(FichierParamètres(), env.racine() / relatif);
    fs::current_path(départ);
    EXPECT_EQ(FichierParamètres(), env.racine() / relatif);
}

TEST(Emplacements, LesFichiersDuProgrammeSeLisentChezLUtilisateurPuisParmiLesInstalles) {
    EnvironnementEssai env;
    EXPECT_EQ(RépertoireInstallé(), fs::path(VANTORELLE_SOURCE_DATA_DIR));  // run from a build folder
    env.écrire("programme/Formules.txt", "");
    EXPECT_EQ(FichierProgramme("Formules.txt"), env.programme() / "Formules.txt");
    EXPECT_EQ(FichierProgramme("Absent.lng"), env.programme() / "Absent.lng");
}

}  // namespace
}  // namespace vantorelle
