#include "shell/SiteProduit.h"

#include <gtest/gtest.h>

#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

// The address imposed by the run over the language file's, and that over the fixed one.
TEST(ProductSite, ImposedThenTranslatedThenFixed) {
    const struct Cas {
        const char* imposée;
        const char* langue;  // the main window's section of the language file, or none
        const char* attendu;
    } cas[] = {
        {"", nullptr, "http://www.vantorelle.fr"},
        {"", "http://www.vantorelle.fr=https://miroir.exemple", "https://miroir.exemple"},
        {"http://127.0.0.1:8080", "http://www.vantorelle.fr=https://miroir.exemple", "http://127.0.0.1:8080"},
    };
    for (const Cas& c : cas) {
        EnvironnementEssai env;
        if (c.langue) env.écrire("programme/Vantorelle.lng", std::string("[frmInterface]\r\n") + c.langue + "\r\n");
        EXPECT_EQ(AdresseSite(env.emplacements(), c.imposée), c.attendu) << c.imposée;
    }
}

}  // namespace
}  // namespace vantorelle::test
