#include "acquire/VerificationVersion.h"

#include <gtest/gtest.h>

#include "store/Fichier.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

TEST(UpdateCheck, VersionFileAddress) {
    for (const auto& [site, attendu] : {std::pair{"proto://host/dir/page", "proto://host/version.txt"},
                                        {"proto://host", "proto://host/version.txt"},
                                        {"host/dir", "host/dir/version.txt"},
                                        {"", "/version.txt"}})
        EXPECT_EQ(AdresseFichierVersion(site), attendu) << site;
}

// The version file as the site serves it, read in line mode, against a running Version 2.5.0.
TEST(UpdateCheck, OfferOnlyForAGreaterFirstLineOfThreeOrMore) {
    const struct Cas {
        const char* fichier;
        const char* offre;  // version|address|announcement, or empty for none
    } cas[] = {
        {"Version 2.6.0\r\nhttp://h/maj.exe\r\nNouveau\r\nEt plus\r\n",
         "Version 2.6.0|http://h/maj.exe|Nouveau\r\nEt plus\r\n"},
        {"Version 2.6.0\nhttp://h/maj.exe\n\nSuite", "Version 2.6.0|http://h/maj.exe|\r\nSuite\r\n"},
        {"Version 2.6.0\r\nhttp://h/maj.exe\r\n", ""},
        {"Version 2.5.0\r\nu\r\na\r\n", ""},
        {"Version 2.10.0\r\nu\r\na\r\n", ""},
        {"Version 2.5.0 bis\r\nu\r\na\r\n", "Version 2.5.0 bis|u|a\r\n"},
        {"<html>\r\n<body>\r\n404</body>\r\n", ""},
        {"", ""},
    };
    EnvironnementEssai env;
    for (const Cas& c : cas) {
        Fichier fichier(env.écrire("version.txt", c.fichier));
        fichier.Charger(0, 1, false);
        const std::optional<MiseÀJour> offre = MiseÀJourOfferte(fichier.Data(), "Version 2.5.0");
        EXPECT_EQ(offre ? offre->version + "|" + offre->adresse + "|" + offre->annonce : "", c.offre) << c.fichier;
    }
}

}  // namespace
}  // namespace vantorelle::test
