#include "acquire/VerificationVersion.h"

#include <gtest/gtest.h>

#include "store/Fichier.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

// The version file as the site serves it, read in line mode, against a running Version 2.5.0: the offered
// version, address and announcement, or nothing.
TEST(UpdateCheck, OfferOnlyForAGreaterFirstLineOfThreeOrMore) {
    const std::pair<const char*, const char*> cas[] = {
        {"Version 2.6.0\r\nhttp://h/maj\r\nNouveau\r\n\r\nEt plus\r\n",
         "Version 2.6.0|http://h/maj|Nouveau\r\n\r\nEt plus\r\n"},
        {"Version 2.6.0\nhttp://h/maj\n", ""},
        {"Version 2.5.0\r\nu\r\na\r\n", ""},
        {"Version 2.10.0\r\nu\r\na\r\n", ""},
        {"", ""},
    };
    EnvironnementEssai env;
    for (const auto& [texte, attendu] : cas) {
        Fichier fichier(env.écrire("version.txt", texte));
        fichier.Charger(0, 1, false);
        const std::optional<MiseÀJour> offre = MiseÀJourOfferte(fichier.Data(), "Version 2.5.0");
        EXPECT_EQ(offre ? offre->version + "|" + offre->adresse + "|" + offre->annonce : "", attendu) << texte;
    }
    for (const char* site : {"proto://host/dir/page", "proto://host"})
        EXPECT_EQ(AdresseFichierVersion(site), "proto://host/version.txt");
}

}  // namespace
}  // namespace vantorelle::test
