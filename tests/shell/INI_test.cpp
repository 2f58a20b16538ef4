#include "shell/INI.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "shell/DefautsDemarrage.h"
#include "store/Encodage.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

namespace fs = std::filesystem;

INI registre(const EnvironnementEssai& env) { return INI(env.emplacements(), 1, "Vantorelle"); }

using Lecture = std::tuple<const char*, const char*, const char*, const char*>;  // section, key, default, value

// Sections without regard to case, keys exactly (accents included), blanks trimmed; an empty value reads as
// the default. Written as a user would: a new key after the last of its section, a new section at the end, the
// value as given; another application has its own file beside ours.
TEST(INI, Mode1ReadsAndWritesTheSettingsFile) {
    EnvironnementEssai env;
    env.écrire("config/Vantorelle.ini", "[BourseCollection]\nTolérance=0,0625\n  Période = 20  \nVide=\n\n[path]\n"
                                        "PathPlotanex=/d/plotanex/\nAdresse=http://x/?a=b\n");
    const Lecture cas[] = {{"BourseCollection", "Tolérance", "x", "0,0625"}, {"BOURSECOLLECTION", "Période", "x", "20"},
        {"BourseCollection", "période", "x", "x"}, {"BourseCollection", "Tolerance", "x", "x"},
        {"BourseCollection", "Vide", "défaut", "défaut"}, {"Path", "PathPlotanex", "", "/d/plotanex/"},
        {"Path", "Adresse", "", "http://x/?a=b"}, {"Path", "Absente", "défaut", "défaut"}, {"Autre", "Tolérance", "", ""}};
    for (const auto& [section, clé, défaut, attendu] : cas)
        EXPECT_EQ(registre(env).Value(section, clé, défaut), attendu) << section << "/" << clé;
    env.écrire("config/Vantorelle.ini", "[A]\nx = 1\n\n[B]\ny=2\n");
    for (auto [section, clé, valeur] : {std::tuple{"a", "z", "3 "}, {"b", "y", ""}, {"C", "w", "4"}})
        registre(env).Value(section, clé, "", valeur);
    EXPECT_EQ(lireOctets(env.paramètres()), "[A]\nx = 1\nz=3 \n\n[B]\ny=\n[C]\nw=4\n");
    EXPECT_EQ(registre(env).Value("A", "z", ""), "3");
    INI(env.emplacements(), 1, "Autre").Value("S", "k", "", "v");
    EXPECT_EQ(lireOctets(env.chemin("config/Autre.ini")), "[S]\nk=v\n");
    EXPECT_EQ(registre(env).Value("S", "k", "d"), "d");
}

// What can be read of a damaged file is read; the first write saves the file as the user left it in ".bak".
TEST(INI, Mode1ReadsADamagedFileAndSavesItOnce) {
    // The file, Path/PathPlotanex before the write, the file after writing Path/AfficherDate=1, saved or not.
    struct Cas { std::string contenu; const char* lu; std::string après; bool sauvegarde; };
    const std::string écrit = "[Path]\nPathPlotanex=/a/\nAfficherDate=1\n";
    const Cas cas[] = {
        {"", "défaut", "[Path]\nAfficherDate=1\n", false},
        {"[Path]\r\nPathPlotanex=/a/\r\n", "/a/", écrit, false},
        {"\xEF\xBB\xBF[Path]\nPathPlotanex=/a/\n", "/a/", écrit, false},  // a byte order mark
        {std::string("[Path]\nPathPlotanex=/a/\nX\0Y=1\n", 25), "/a/", écrit, true},
        {"; notes\nn'importe quoi\n[Path\n[Path]\nPathPlotanex=/a/\n=sans clé\n", "/a/", écrit, true},
        {"[Path]\nPathPlotanex=/donn\xE9" "es/\n", "/données/", "[Path]\nPathPlotanex=/données/\nAfficherDate=1\n", true},
        {"PathPlotanex=/z/\n[Path]\n", "défaut", "PathPlotanex=/z/\n[Path]\nAfficherDate=1\n", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.contenu);
        EnvironnementEssai env;
        env.écrire("config/Vantorelle.ini", c.contenu);
        EXPECT_EQ(registre(env).Value("Path", "PathPlotanex", "défaut"), c.lu);
        registre(env).Value("Path", "AfficherDate", "", "1");
        EXPECT_EQ(lireOctets(env.paramètres()), c.après);
        registre(env).Value("Path", "AfficherDate", "", "0");  // the next write finds a clean file
        EXPECT_EQ(fs::exists(env.paramètres() + ".bak"), c.sauvegarde);
        if (c.sauvegarde) { EXPECT_EQ(lireOctets(env.paramètres() + ".bak"), c.contenu); }
    }
}

// A read-only file stays whole; a store that cannot be read gives the defaults; other modes read only the
// default and write nothing.
TEST(INI, WithoutAWritableStoreNothingChanges) {
    EnvironnementEssai env;
    for (INI ini : {INI(env.emplacements(), 0, "Vantorelle"), INI(env.emplacements(), 2, "Vantorelle"), INI(env.emplacements(), 4, "Vantorelle"), INI(env.emplacements(), -1, "Vantorelle"), INI(env.emplacements(), 1, "")}) {
        ini.Value("Path", "PathPlotanex", "", "/x/");
        EXPECT_EQ(ini.Value("Path", "PathPlotanex", "défaut"), "défaut");
    }
    EXPECT_FALSE(fs::exists(env.paramètres()));
    const std::string contenu = "[Path]\nPathPlotanex=/a/\nnon analysable\n";
    const std::string chemin = env.écrire("config/Vantorelle.ini", contenu);
    fs::permissions(chemin, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    registre(env).Value("Path", "PathPlotanex", "", "/b/");
    EXPECT_EQ(lireOctets(chemin), contenu);
    EXPECT_EQ(registre(env).Value("Path", "PathPlotanex", ""), "/a/");
    EXPECT_EQ(std::distance(fs::directory_iterator(env.chemin("config")), fs::directory_iterator()), 1);
    fs::remove(chemin), fs::create_directories(env.paramètres());  // a folder where the file should be
    registre(env).Value("Path", "PathPlotanex", "", "/b/");
    EXPECT_EQ(registre(env).Value("Path", "PathPlotanex", "défaut"), "défaut");
    EXPECT_TRUE(fs::is_directory(env.paramètres()));
}

// Sections and keys without regard to case, in Windows-1252; quotes of either kind taken off; only the first
// section of a name is read; a value is cut at 999 characters.
TEST(INI, Mode3ReadsAsPrivateProfileCallsDo) {
    EnvironnementEssai env;
    const std::string chemin = env.écrire("langue.lng", "cl\xE9=hors section\r\n[frmT\xE9l\xE9" "charger]\r\n"
                                                        "  Caption = \"T\xE9l\xE9" "chargement\"  \r\ncmdOK='OK'\r\n"
                                                        "Guillemet=\"abc'\r\nVide=\r\nVide2=\"\"\r\nSansEgal\r\nLong=" +
                                                            std::string(1200, '\xE9') + "\r\n[FRMT\xC9L\xC9" "CHARGER]\r\n"
                                                        "Autre=ignorée\r\n[Section]\ncl\xE9=1\nCL\xC9=2\n");
    const INI ini(env.emplacements(), 3, chemin);
    const Lecture cas[] = {{"frmtélécharger", "caption", "d", "Téléchargement"}, {"FRMTÉLÉCHARGER", "CMDOK", "d", "OK"},
        {"frmTélécharger", "Guillemet", "d", "\"abc'"}, {"frmTélécharger", "Vide", "d", "d"}, {"frmTélécharger", "Vide2", "d", "d"},
        {"frmTélécharger", "SansEgal", "d", "d"}, {"frmTélécharger", "Autre", "d", "d"}, {"Section", "Clé", "d", "1"},
        {"", "clé", "d", "d"}, {"Absente", "Caption", "d", "d"}};
    for (const auto& [section, clé, défaut, attendu] : cas) EXPECT_EQ(ini.Value(section, clé, défaut), attendu) << section;
    EXPECT_EQ(ini.Value("frmTélécharger", "Long", ""), depuisWindows1252(std::string(999, '\xE9')));
}

TEST(INI, Mode3WritesWindows1252LeavingTheRestAlone) {
    EnvironnementEssai env;
    const std::string chemin =
        env.écrire("langue.lng", "; notes\r\n[frmA]\r\n  Caption = Ancien \r\ncmdX=X\r\n\r\n[frmB]\ny=1");
    INI ini(env.emplacements(), 3, chemin);
    for (auto [section, clé, valeur] : {std::tuple{"FRMA", "caption", "Nouveau"}, {"frmA", "cmdÉ", "é"}, {"frmB", "z", "2"},
                                        {"frmÇ", "k", "v"}})
        ini.Value(section, clé, "", valeur);
    EXPECT_EQ(lireOctets(chemin), "; notes\r\n[frmA]\r\nCaption=Nouveau\r\ncmdX=X\r\ncmd\xC9=\xE9\r\n\r\n[frmB]\ny=1\r\n"
                                  "z=2\r\n[frm\xC7]\r\nk=v\r\n");
    EXPECT_EQ(ini.Value("frmç", "K", ""), "v");
    INI local(env.emplacements(), 3, "Essai.lng");  // a name without a folder is in the program's folder
    local.Value("S", "k", "", "v");
    EXPECT_EQ(lireOctets((env.programme() / "Essai.lng").string()), "[S]\r\nk=v\r\n");
    EXPECT_EQ(local.Value("s", "K", ""), "v");
}

// An empty store gets the eight keys in order. Values present stay, even text (that is the readers' business);
// empty ones take the default, missing ones come after the section's last key; the weighting and the download
// folder are left alone.
TEST(DefautsDemarrage, DefaultsFillWhatIsMissingOrEmpty) {
    EnvironnementEssai env;
    ÉcrireDéfautsDémarrage(env.emplacements());
    EXPECT_EQ(lireOctets(env.paramètres()), "[BourseCollection]\nTolérance=0,0625\nPériode=14\nPériode2=9\n"
                                            "TailleMarubozu=1\n[Path]\nPathPlotanex=" + env.programme().string() +
                                                "/\nEditeur=xdg-open\nAvecFormules=0\nAfficherDate=1\n");
    env.écrire("config/Vantorelle.ini",
               "[BourseCollection]\nPériode=20\nTolérance=\nPériode2=abc\nPondération=\n"
               "[Path]\nPathPlotanex=/d/plotanex/\nEditeur=\nAvecFormules=1\nAfficherDate=0\nTelechargement=\n");
    ÉcrireDéfautsDémarrage(env.emplacements());
    EXPECT_EQ(lireOctets(env.paramètres()),
              "[BourseCollection]\nPériode=20\nTolérance=0,0625\nPériode2=abc\nPondération=\nTailleMarubozu=1\n"
              "[Path]\nPathPlotanex=/d/plotanex/\nEditeur=xdg-open\nAvecFormules=1\nAfficherDate=0\nTelechargement=\n");
}

}  // namespace
}  // namespace vantorelle::test
