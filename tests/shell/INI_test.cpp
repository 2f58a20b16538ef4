#include "shell/INI.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <tuple>

#include "shell/DefautsDemarrage.h"
#include "shell/Emplacements.h"
#include "store/Encodage.h"
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

// Without the program's variables, in the home folder, XDG variables only when absolute; the program's own
// variables, a relative one taken from the current directory. Its files are read from the user's folder,
// then from those installed.
TEST(Emplacements, FromTheEnvironment) {
    EnvironnementEssai env;
    const Emplacements xdg = avec(
        {{"HOME", env.chemin("maison")}, {"XDG_DATA_HOME", "relatif/donnees"}, {"XDG_CACHE_HOME", env.chemin("cache")}});
    const Emplacements e = avec({{"VANTORELLE_CONFIG", "relatif/essai.ini"}, {"VANTORELLE_HOME", env.chemin("programme")}});
    EXPECT_EQ(xdg.FichierParamètres(), fs::path(env.chemin("maison/.config/Vantorelle/Vantorelle.ini")));
    EXPECT_EQ(xdg.RépertoireProgramme(), fs::path(env.chemin("maison/.local/share/Vantorelle")));
    EXPECT_EQ(xdg.RépertoireWindows(), env.chemin("cache/Vantorelle") + "/");
    EXPECT_EQ(e.FichierParamètres(), fs::current_path() / "relatif/essai.ini");
    EXPECT_EQ(e.RépertoireInstallé(), fs::path(VANTORELLE_SOURCE_DATA_DIR));  // run from a build folder
    env.écrire("programme/b.gif", "");
    EXPECT_EQ(e.FichierProgramme("b.gif"), env.programme() / "b.gif");
    EXPECT_EQ(e.FichierProgramme("bi.gif"), fs::path(VANTORELLE_SOURCE_DATA_DIR) / "bi.gif");
    EXPECT_EQ(e.FichierProgramme("Absent.lng"), env.programme() / "Absent.lng");
}

INI registre(const EnvironnementEssai& env) { return INI(env.emplacements(), 1, "Vantorelle"); }

using Lecture = std::tuple<const char*, const char*, const char*, const char*>;  // section, key, default, value

// Sections without regard to case, keys exactly, blanks trimmed, and only in a section; an empty value reads as
// the default. Written as a user would: a new key after the last of its section, a new section at the end, the
// value as given.
TEST(INI, Mode1ReadsAndWritesTheSettingsFile) {
    EnvironnementEssai env;
    env.écrire("config/Vantorelle.ini", "Avant=1\n[Bourse]\nTolérance=0,0625\n  Période = 20  \nVide=\n[path]\nP=/d/\n");
    const Lecture cas[] = {{"Bourse", "Tolérance", "x", "0,0625"}, {"BOURSE", "Période", "x", "20"}, {"Bourse", "période", "x", "x"},
        {"Bourse", "Vide", "x", "x"}, {"Path", "P", "", "/d/"}, {"", "Avant", "x", "x"}};
    for (const auto& [section, clé, défaut, attendu] : cas)
        EXPECT_EQ(registre(env).Value(section, clé, défaut), attendu) << section << "/" << clé;
    env.écrire("config/Vantorelle.ini", "[A]\nx = 1\n\n[B]\ny=2\n");
    for (auto [section, clé, valeur] : {std::tuple{"a", "z", "3 "}, {"b", "y", ""}, {"C", "w", "4"}})
        registre(env).Value(section, clé, "", valeur);
    EXPECT_EQ(lireOctets(env.paramètres()), "[A]\nx = 1\nz=3 \n\n[B]\ny=\n[C]\nw=4\n");
    INI(env.emplacements(), 1, "Autre").Value("S", "k", "", "v");  // another application has its own file beside ours
    EXPECT_EQ(lireOctets(env.chemin("config/Autre.ini")), "[S]\nk=v\n");
}

// What can be read of a damaged file is read; a write saves the file as the user left it in ".bak".
TEST(INI, Mode1ReadsADamagedFileAndSavesIt) {
    // The file, and the file after writing Path/AfficherDate=1, saved or not.
    const std::string écrit = "[Path]\nPathPlotanex=/a/\nAfficherDate=1\n";
    const std::tuple<std::string, std::string, bool> cas[] = {{"[Path]\r\nPathPlotanex=/a/\r\n", écrit, false},
        {std::string("[Path]\nPathPlotanex=/a/\nX\0Y=1\n", 25), écrit, true},
        {"; notes\n[Path\n[Path]\nPathPlotanex=/a/\n=sans clé\n", écrit, true},
        {"[Path]\nPathPlotanex=/donn\xE9" "es/\n", "[Path]\nPathPlotanex=/données/\nAfficherDate=1\n", true}};
    for (const auto& [contenu, après, sauvegarde] : cas) {
        EnvironnementEssai env;
        env.écrire("config/Vantorelle.ini", contenu);
        registre(env).Value("Path", "AfficherDate", "", "1");
        EXPECT_EQ(lireOctets(env.paramètres()), après) << contenu;
        EXPECT_EQ(lireOctets(env.paramètres() + ".bak"), sauvegarde ? contenu : "") << contenu;
    }
}

// Other modes, or no file name, read only the default and write nothing; a read-only file stays whole; a store
// that cannot be read gives the defaults.
TEST(INI, WithoutAWritableStoreNothingChanges) {
    EnvironnementEssai env;
    for (auto [mode, fichier] : {std::pair{0, "Vantorelle"}, {2, "Vantorelle"}, {1, ""}}) {
        INI(env.emplacements(), mode, fichier).Value("Path", "PathPlotanex", "", "/x/");
        EXPECT_EQ(INI(env.emplacements(), mode, fichier).Value("Path", "PathPlotanex", "défaut"), "défaut");
    }
    const std::string contenu = "[Path]\nPathPlotanex=/a/\nnon analysable\n";
    const std::string chemin = env.écrire("config/Vantorelle.ini", contenu);
    fs::permissions(chemin, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    registre(env).Value("Path", "PathPlotanex", "", "/b/");
    EXPECT_EQ(lireOctets(chemin), contenu);
    fs::remove(chemin), fs::create_directories(env.paramètres());  // a folder where the file should be
    registre(env).Value("Path", "PathPlotanex", "", "/b/");
    EXPECT_EQ(registre(env).Value("Path", "PathPlotanex", "défaut"), "défaut");
}

// Mode 3 reads sections and keys without regard to case, in Windows-1252: quotes of either kind taken off, only
// the first section of a name and the first key, a value cut at 999 characters. It writes a key in place, a new
// one after the last of its section, a new section at the end; a name without a folder is in the program's folder.
TEST(INI, Mode3ReadsAndWritesAsPrivateProfileCallsDo) {
    EnvironnementEssai env;
    const INI lu(env.emplacements(), 3, env.écrire("lu.lng", "cl\xE9=hors section\r\n[frmT\xE9l\xE9" "charger]\r\n  Caption = "
        "\"T\xE9l\xE9" "chargement\"  \r\ncmdOK='OK'\r\nGuillemet=\"abc'\r\nVide=\"\"\r\nLong=" + std::string(1200, '\xE9') +
        "\r\n[FRMT\xC9L\xC9" "CHARGER]\r\nAutre=ignorée\r\n[Section]\ncl\xE9=1\nCL\xC9=2\n"));
    const Lecture cas[] = {{"frmtélécharger", "caption", "d", "Téléchargement"}, {"FRMTÉLÉCHARGER", "CMDOK", "d", "OK"},
        {"frmTélécharger", "Guillemet", "d", "\"abc'"}, {"frmTélécharger", "Vide", "d", "d"},
        {"frmTélécharger", "Autre", "d", "d"}, {"Section", "Clé", "d", "1"}};
    for (const auto& [section, clé, défaut, attendu] : cas) EXPECT_EQ(lu.Value(section, clé, défaut), attendu) << clé;
    EXPECT_EQ(lu.Value("frmTélécharger", "Long", ""), depuisWindows1252(std::string(999, '\xE9')));
    const std::string chemin = env.écrire("écrit.lng", "; notes\r\n[frmA]\r\n  Caption = Ancien \r\ncmdX=X\r\n\r\n[frmB]\ny=1");
    for (auto [section, clé, valeur] : {std::tuple{"FRMA", "caption", "Nouveau"}, {"frmA", "cmdÉ", "é"}, {"frmB", "z", "2"},
                                        {"frmÇ", "k", "v"}})
        INI(env.emplacements(), 3, chemin).Value(section, clé, "", valeur);
    EXPECT_EQ(lireOctets(chemin), "; notes\r\n[frmA]\r\nCaption=Nouveau\r\ncmdX=X\r\ncmd\xC9=\xE9\r\n\r\n[frmB]\ny=1\r\n"
                                  "z=2\r\n[frm\xC7]\r\nk=v\r\n");
    INI local(env.emplacements(), 3, "Essai.lng");
    local.Value("S", "k", "", "v");
    EXPECT_EQ(lireOctets((env.programme() / "Essai.lng").string()), "[S]\r\nk=v\r\n");
    EXPECT_EQ(local.Value("s", "K", ""), "v");
}

// Values present stay, even text (that is the readers' business); empty ones take the default, missing ones
// come after the section's last key; the weighting and the download folder are left alone.
TEST(DefautsDemarrage, DefaultsFillWhatIsMissingOrEmpty) {
    EnvironnementEssai env;
    env.écrire("config/Vantorelle.ini", "[BourseCollection]\nPériode=abc\nTolérance=\nPondération=\n[Path]\nTelechargement=\n");
    ÉcrireDéfautsDémarrage(env.emplacements());
    EXPECT_EQ(lireOctets(env.paramètres()), "[BourseCollection]\nPériode=abc\nTolérance=0,0625\nPondération=\nPériode2=9\n"
                                            "TailleMarubozu=1\n[Path]\nTelechargement=\nPathPlotanex=" + env.programme().string() +
                                                "/\nEditeur=xdg-open\nAvecFormules=0\nAfficherDate=1\n");
}

}  // namespace
}  // namespace vantorelle::test
