#include "shell/INI.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/EnvironnementEssai.h"

namespace vantorelle {
namespace {

using test::EnvironnementEssai;
using test::lireOctets;
namespace fs = std::filesystem;

INI registre() { return INI(1, "Vantorelle"); }

struct Lecture {
    const char* section;
    const char* clé;
    const char* défaut;
    const char* attendu;
};

TEST(INI, Mode1LitLeFichierDeParametres) {
    EnvironnementEssai env;
    env.écrire("config/Vantorelle.ini",
               "[BourseCollection]\n"
               "Tolérance=0,0625\n"
               "  Période = 20  \n"
               "Vide=\n"
               "\n"
               "[path]\n"
               "PathPlotanex=/d/plotanex/\n"
               "Adresse=http://x/?a=b\n");
    const Lecture cas[] = {
        {"BourseCollection", "Tolérance", "x", "0,0625"},
        {"BOURSECOLLECTION", "Période", "x", "20"},    // sections without regard to case, blanks trimmed
        {"BourseCollection", "période", "x", "x"},     // keys exactly
        {"BourseCollection", "Tolerance", "x", "x"},   // accents included
        {"BourseCollection", "Vide", "défaut", "défaut"},
        {"Path", "PathPlotanex", "", "/d/plotanex/"},
        {"Path", "Adresse", "", "http://x/?a=b"},
        {"Path", "Absente", "défaut", "défaut"},
        {"Autre", "Tolérance", "", ""},
    };
    for (const Lecture& c : cas)
        EXPECT_EQ(registre().Value(c.section, c.clé, c.défaut), c.attendu) << c.section << "/" << c.clé;
}

TEST(INI, Mode1EcritCommeUnUtilisateurLEcrirait) {
    EnvironnementEssai env;
    INI ini = registre();
    ini.Value("BourseCollection", "Tolérance", "", "0,0625");
    ini.Value("Path", "Editeur", "", "xdg-open");
    ini.Value("BourseCollection", "Période", "", "14");
    ini.Value("bourseCOLLECTION", "Tolérance", "", "0,125");
    ini.Value("Path", "Vide", "", "");
    EXPECT_EQ(lireOctets(env.paramètres()),
              "[BourseCollection]\n"
              "Tolérance=0,125\n"
              "Période=14\n"
              "[Path]\n"
              "Editeur=xdg-open\n"
              "Vide=\n");
    EXPECT_EQ(ini.Value("Path", "Vide", "défaut"), "défaut");
    EXPECT_FALSE(fs::exists(env.paramètres() + ".bak"));
}

TEST(INI, Mode1AjouteUneCleApresLaDerniereDeSaSection) {
    EnvironnementEssai env;
    env.écrire("config/Vantorelle.ini", "[A]\nx = 1\n\n[B]\ny=2\n");
    registre().Value("a", "z", "", "3 ");
    EXPECT_EQ(lireOctets(env.paramètres()), "[A]\nx = 1\nz=3 \n\n[B]\ny=2\n");
    EXPECT_EQ(registre().Value("A", "z", ""), "3");
}

TEST(INI, Mode1UneAutreApplicationALeSienACote) {
    EnvironnementEssai env;
    INI autre(1, "Autre");
    autre.Value("S", "k", "", "v");
    EXPECT_EQ(lireOctets(env.chemin("config/Autre.ini")), "[S]\nk=v\n");
    EXPECT_EQ(registre().Value("S", "k", "d"), "d");
    EXPECT_EQ(autre.Value("S", "k", "d"), "v");
}

TEST(INI, Mode1LitLeTexteDUnFichierAbimeEtLeSauveUneFois) {
    struct Cas {
        const char* nom;
        std::string contenu;
        const char* lu;             // Path/PathPlotanex before the write
        std::string après;          // the file after writing Path/AfficherDate=1
        bool sauvegarde;
    };
    const Cas cas[] = {
        {"vide", "", "défaut", "[Path]\nAfficherDate=1\n", false},
        {"fins de ligne CR LF", "[Path]\r\nPathPlotanex=/a/\r\n", "/a/", "[Path]\nPathPlotanex=/a/\nAfficherDate=1\n", false},
        {"marque d'ordre", "\xEF\xBB\xBF[Path]\nPathPlotanex=/a/\n", "/a/", "[Path]\nPathPlotanex=/a/\nAfficherDate=1\n", false},
        {"octet nul", std::string("[Path]\nPathPlotanex=/a/\nX\0Y=1\n", 25), "/a/",
         "[Path]\nPathPlotanex=/a/\nAfficherDate=1\n", true},
        {"lignes cassées", "; notes\nn'importe quoi\n[Path\n[Path]\nPathPlotanex=/a/\n=sans clé\n", "/a/",
         "[Path]\nPathPlotanex=/a/\nAfficherDate=1\n", true},
        {"Windows-1252", "[Path]\nPathPlotanex=/donn\xE9" "es/\n", "/données/",
         "[Path]\nPathPlotanex=/données/\nAfficherDate=1\n", true},
        {"clé hors section", "PathPlotanex=/z/\n[Path]\n", "défaut", "PathPlotanex=/z/\n[Path]\nAfficherDate=1\n", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        EnvironnementEssai env;
        env.écrire("config/Vantorelle.ini", c.contenu);
        EXPECT_EQ(registre().Value("Path", "PathPlotanex", "défaut"), c.lu);
        registre().Value("Path", "AfficherDate", "", "1");
        EXPECT_EQ(lireOctets(env.paramètres()), c.après);
        EXPECT_EQ(fs::exists(env.paramètres() + ".bak"), c.sauvegarde);
        if (c.sauvegarde) {
            EXPECT_EQ(lireOctets(env.paramètres() + ".bak"), c.contenu);
        }
        // The next write finds a clean file: the backup keeps what the user wrote.
        registre().Value("Path", "AfficherDate", "", "0");
        if (c.sauvegarde) {
            EXPECT_EQ(lireOctets(env.paramètres() + ".bak"), c.contenu);
        }
    }
}

TEST(INI, Mode1UnFichierQuOnNePeutEcrireResteEntier) {
    EnvironnementEssai env;
    const std::string contenu = "[Path]\nPathPlotanex=/a/\nnon analysable\n";
    const std::string chemin = env.écrire("config/Vantorelle.ini", contenu);
    fs::permissions(chemin, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    registre().Value("Path", "PathPlotanex", "", "/b/");
    EXPECT_EQ(lireOctets(chemin), contenu);
    EXPECT_EQ(registre().Value("Path", "PathPlotanex", ""), "/a/");
    EXPECT_FALSE(fs::exists(chemin + ".bak"));
    EXPECT_EQ(std::distance(fs::directory_iterator(env.chemin("config")), fs::directory_iterator()), 1);
}

TEST(INI, Mode1UnMagasinInaccessibleDonneLesDefauts) {
    EnvironnementEssai env;
    fs::create_directories(env.paramètres());  // a folder where the file should be
    registre().Value("Path", "PathPlotanex", "", "/b/");
    EXPECT_EQ(registre().Value("Path", "PathPlotanex", "défaut"), "défaut");
    EXPECT_TRUE(fs::is_directory(env.paramètres()));

    const std::string fichier = env.écrire("simple", "x");
    env.changer("VANTORELLE_CONFIG", fichier + "/Vantorelle.ini");  // under a file
    registre().Value("Path", "PathPlotanex", "", "/b/");
    EXPECT_EQ(registre().Value("Path", "PathPlotanex", "défaut"), "défaut");
    EXPECT_EQ(lireOctets(fichier), "x");
}

TEST(INI, Mode3LitCommeLesAppelsDeProfilPrive) {
    EnvironnementEssai env;
    const std::string long1200(1200, '\xE9');
    const std::string chemin = env.écrire("langue.lng",
                                          "cl\xE9=hors section\r\n"
                                          "[frmT\xE9l\xE9" "charger]\r\n"
                                          "  Caption = \"T\xE9l\xE9" "chargement\"  \r\n"
                                          "cmdOK='OK'\r\n"
                                          "Guillemet=\"abc'\r\n"
                                          "Vide=\r\n"
                                          "Vide2=\"\"\r\n"
                                          "SansEgal\r\n"
                                          "Long=" + long1200 + "\r\n"
                                          "[FRMT\xC9L\xC9" "CHARGER]\r\n"
                                          "Autre=ignorée\r\n"
                                          "[Section]\n"
                                          "cl\xE9=1\n"
                                          "CL\xC9=2\n");
    const INI ini(3, chemin);
    const Lecture cas[] = {
        {"frmtélécharger", "caption", "d", "Téléchargement"},
        {"FRMTÉLÉCHARGER", "CMDOK", "d", "OK"},
        {"frmTélécharger", "Guillemet", "d", "\"abc'"},
        {"frmTélécharger", "Vide", "d", "d"},
        {"frmTélécharger", "Vide2", "d", "d"},
        {"frmTélécharger", "SansEgal", "d", "d"},
        {"frmTélécharger", "Autre", "d", "d"},  // only the first section of a name is read
        {"Section", "Clé", "d", "1"},
        {"", "clé", "d", "d"},
        {"Absente", "Caption", "d", "d"},
    };
    for (const Lecture& c : cas) EXPECT_EQ(ini.Value(c.section, c.clé, c.défaut), c.attendu) << c.section << "/" << c.clé;

    // 999 characters of Windows-1252 are 1998 bytes of UTF-8.
    std::string attendu;
    for (int i = 0; i < 999; ++i) attendu += "é";
    EXPECT_EQ(ini.Value("frmTélécharger", "Long", ""), attendu);
}

TEST(INI, Mode3EcritEnWindows1252SansToucherAuReste) {
    EnvironnementEssai env;
    const std::string chemin = env.écrire("langue.lng",
                                          "; notes\r\n"
                                          "[frmA]\r\n"
                                          "  Caption = Ancien \r\n"
                                          "cmdX=X\r\n"
                                          "\r\n"
                                          "[frmB]\n"
                                          "y=1");
    INI ini(3, chemin);
    ini.Value("FRMA", "caption", "", "Nouveau");
    ini.Value("frmA", "cmdÉ", "", "é");
    ini.Value("frmB", "z", "", "2");
    ini.Value("frmÇ", "k", "", "v");
    EXPECT_EQ(lireOctets(chemin),
              "; notes\r\n"
              "[frmA]\r\n"
              "Caption=Nouveau\r\n"
              "cmdX=X\r\n"
              "cmd\xC9=\xE9\r\n"
              "\r\n"
              "[frmB]\n"
              "y=1\r\n"
              "z=2\r\n"
              "[frm\xC7]\r\n"
              "k=v\r\n");
    EXPECT_EQ(ini.Value("frmç", "K", ""), "v");
}

TEST(INI, Mode3UnNomSansRepertoireEstDansLeRepertoireDuProgramme) {
    EnvironnementEssai env;
    INI ini(3, "Essai.lng");
    ini.Value("S", "k", "", "v");
    EXPECT_EQ(lireOctets((env.programme() / "Essai.lng").string()), "[S]\r\nk=v\r\n");
    EXPECT_EQ(ini.Value("s", "K", ""), "v");
}

TEST(INI, LesAutresModesNeLisentQueLeDefautEtNEcriventRien) {
    EnvironnementEssai env;
    for (const std::int32_t mode : {0, 2, 4, -1}) {
        INI ini(mode, "Vantorelle");
        ini.Value("Path", "PathPlotanex", "", "/x/");
        EXPECT_EQ(ini.Value("Path", "PathPlotanex", "défaut"), "défaut");
    }
    EXPECT_FALSE(fs::exists(env.paramètres()));
    INI sansNom(1, "");
    sansNom.Value("Path", "PathPlotanex", "", "/x/");
    EXPECT_EQ(sansNom.Value("Path", "PathPlotanex", "défaut"), "défaut");
    EXPECT_FALSE(fs::exists(env.paramètres()));
}

TEST(INI, ChampsParDefaut) {
    INI ini;
    EXPECT_EQ(ini.Mode(), 3);
    EXPECT_EQ(ini.Path(), "");
    ini.Mode(1);
    ini.Path("Vantorelle");
    EXPECT_EQ(ini.Mode(), 1);
    EXPECT_EQ(ini.Path(), "Vantorelle");
}

}  // namespace
}  // namespace vantorelle
