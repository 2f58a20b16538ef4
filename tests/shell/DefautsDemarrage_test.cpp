#include "shell/DefautsDemarrage.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/EnvironnementEssai.h"
#include "shell/INI.h"
#include "shell/TableOptions.h"

namespace vantorelle {
namespace {

using test::EnvironnementEssai;
using test::lireOctets;

TEST(DefautsDemarrage, UnMagasinVideRecoitLesHuitClesDansLOrdre) {
    EnvironnementEssai env;
    ÉcrireDéfautsDémarrage();
    EXPECT_EQ(lireOctets(env.paramètres()),
              "[BourseCollection]\n"
              "Tolérance=0,0625\n"
              "Période=14\n"
              "Période2=9\n"
              "TailleMarubozu=1\n"
              "[Path]\n"
              "PathPlotanex=" + env.programme().string() + "/\n"
              "Editeur=xdg-open\n"
              "AvecFormules=0\n"
              "AfficherDate=1\n");
}

TEST(DefautsDemarrage, LesValeursPresentesRestentLesVidesPrennentLeDefaut) {
    struct Cas {
        const char* section;
        const char* clé;
        const char* avant;  // nullptr: absent
        const char* après;  // nullptr: still absent
    };
    const Cas cas[] = {
        {"BourseCollection", "Période", "20", "20"},
        {"BourseCollection", "Tolérance", "", "0,0625"},
        {"BourseCollection", "Période2", "abc", "abc"},  // text is the readers' business
        {"BourseCollection", "TailleMarubozu", nullptr, "1"},
        {"BourseCollection", "Pondération", nullptr, nullptr},
        {"Path", "PathPlotanex", "/d/plotanex/", "/d/plotanex/"},
        {"Path", "Editeur", "", "xdg-open"},
        {"Path", "AvecFormules", "1", "1"},
        {"Path", "AfficherDate", "0", "0"},
        {"Path", "Telechargement", nullptr, nullptr},
    };
    EnvironnementEssai env;
    std::string avant = "[BourseCollection]\n";
    for (const Cas& c : cas) {
        if (std::string(c.section) == "Path" && avant.find("[Path]") == std::string::npos) avant += "[Path]\n";
        if (c.avant) avant += std::string(c.clé) + "=" + c.avant + "\n";
    }
    env.écrire("config/Vantorelle.ini", avant);
    ÉcrireDéfautsDémarrage();
    const std::string après = lireOctets(env.paramètres());
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.clé);
        std::string ligne("\n");
        ligne.append(c.clé).append("=");
        if (c.après)
            EXPECT_EQ(INI(1, "Vantorelle").Value(c.section, c.clé, "(absent)"), c.après);
        else
            EXPECT_EQ(après.find(ligne), std::string::npos);
    }
}

TEST(DefautsDemarrage, NeToucheNiPonderationNiTelechargement) {
    EnvironnementEssai env;
    env.écrire("config/Vantorelle.ini", "[BourseCollection]\nPondération=\n[Path]\nTelechargement=\n");
    ÉcrireDéfautsDémarrage();
    const std::string après = lireOctets(env.paramètres());
    EXPECT_NE(après.find("\nPondération=\n"), std::string::npos);
    EXPECT_NE(après.find("\nTelechargement=\n"), std::string::npos);
}

TEST(DefautsDemarrage, UnFichierEcritALaMainEstSauveAvantLaReecriture) {
    EnvironnementEssai env;
    const std::string main = "# mes réglages\n[bourseCollection]\nPériode = 20\n";
    env.écrire("config/Vantorelle.ini", main);
    ÉcrireDéfautsDémarrage();
    EXPECT_EQ(lireOctets(env.paramètres() + ".bak"), main);
    EXPECT_EQ(INI(1, "Vantorelle").Value("BourseCollection", "Période", ""), "20");
    EXPECT_TRUE(lireOctets(env.paramètres()).starts_with("[bourseCollection]\nPériode = 20\nTolérance=0,0625\n"));
}

TEST(DefautsDemarrage, LaTableDesOptions) {
    EnvironnementEssai env;
    const std::string racine = env.programme().string() + "/";
    struct Attendu {
        const char* section;
        const char* clé;
        std::optional<std::string> démarrage, dialogue;
    };
    const Attendu attendus[] = {
        {"BourseCollection", "Tolérance", "0,0625", "16"},
        {"BourseCollection", "Période", "14", "14"},
        {"BourseCollection", "Période2", "9", "9"},
        {"BourseCollection", "TailleMarubozu", "1", "1"},
        {"BourseCollection", "Pondération", std::nullopt, "1"},
        {"Path", "PathPlotanex", racine, racine},
        {"Path", "Editeur", "xdg-open", "xdg-open"},
        {"Path", "AvecFormules", "0", "0"},
        {"Path", "AfficherDate", "1", "1"},
        {"Path", "Telechargement", std::nullopt, std::nullopt},
    };
    const auto table = TableOptions();
    ASSERT_EQ(table.size(), std::size(attendus));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].section, attendus[i].section);
        EXPECT_EQ(table[i].clé, attendus[i].clé);
        EXPECT_EQ(table[i].défautDémarrage, attendus[i].démarrage) << attendus[i].clé;
        EXPECT_EQ(table[i].défautDialogue, attendus[i].dialogue) << attendus[i].clé;
    }
}

}  // namespace
}  // namespace vantorelle
