#include "shell/Emplacements.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

namespace fs = std::filesystem;

/// The locations of a program started with exactly these variables.
Emplacements avec(const std::map<std::string, std::string>& variables) {
    return Emplacements::depuisEnvironnement([&](const char* nom) -> const char* {
        const auto trouvée = variables.find(nom);
        return trouvée == variables.end() ? nullptr : trouvée->second.c_str();
    });
}

// Without the program's variables, in the home folder; XDG variables only when absolute. The folders are made
// on first use, the settings file only when something is written.
TEST(Emplacements, DefaultPlacesThenAbsoluteXdgVariablesOnly) {
    EnvironnementEssai env;
    const Emplacements défaut = avec({{"HOME", env.chemin("maison")}});
    EXPECT_EQ(défaut.FichierParamètres(), fs::path(env.chemin("maison/.config/Vantorelle/Vantorelle.ini")));
    EXPECT_EQ(défaut.RépertoireProgramme(), fs::path(env.chemin("maison/.local/share/Vantorelle")));
    EXPECT_EQ(défaut.RépertoireWindows(), env.chemin("maison/.cache/Vantorelle") + "/");
    EXPECT_EQ(défaut.RépertoireÉtat(), fs::path(env.chemin("maison/.local/state/Vantorelle")));
    EXPECT_TRUE(fs::is_directory(env.chemin("maison/.local/share/Vantorelle")));
    EXPECT_TRUE(fs::is_directory(env.chemin("maison/.cache/Vantorelle")));
    EXPECT_FALSE(fs::exists(env.chemin("maison/.config")));
    const Emplacements xdg = avec({{"HOME", env.chemin("maison")},
                                   {"XDG_CONFIG_HOME", env.chemin("conf")},
                                   {"XDG_DATA_HOME", "relatif/donnees"},
                                   {"XDG_CACHE_HOME", env.chemin("cache")}});
    EXPECT_EQ(xdg.FichierParamètres(), fs::path(env.chemin("conf/Vantorelle/Vantorelle.ini")));
    EXPECT_EQ(xdg.RépertoireProgramme(), fs::path(env.chemin("maison/.local/share/Vantorelle")));
    EXPECT_EQ(xdg.RépertoireCache(), fs::path(env.chemin("cache/Vantorelle")));
}

// The program's own variables, a relative one taken from the directory of the start. Its files are read from
// the user's folder, then from those installed.
TEST(Emplacements, TheProgramsVariablesAndFiles) {
    EnvironnementEssai env;
    const fs::path départ = fs::current_path();
    fs::current_path(env.racine());
    const Emplacements e = avec({{"VANTORELLE_CONFIG", "relatif/essai.ini"}, {"VANTORELLE_HOME", env.chemin("programme")}});
    fs::current_path(départ);
    EXPECT_EQ(e.FichierParamètres(), env.racine() / "relatif/essai.ini");
    EXPECT_EQ(e.RépertoireProgramme(), env.programme());
    EXPECT_EQ(e.RépertoireInstallé(), fs::path(VANTORELLE_SOURCE_DATA_DIR));  // run from a build folder
    env.écrire("programme/b.gif", "");
    EXPECT_EQ(e.FichierProgramme("b.gif"), env.programme() / "b.gif");
    EXPECT_EQ(e.FichierProgramme("bi.gif"), fs::path(VANTORELLE_SOURCE_DATA_DIR) / "bi.gif");
    EXPECT_EQ(e.FichierProgramme("Absent.lng"), env.programme() / "Absent.lng");
}

}  // namespace
}  // namespace vantorelle::test
