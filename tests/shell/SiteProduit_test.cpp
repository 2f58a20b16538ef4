#include "shell/SiteProduit.h"

#include <gtest/gtest.h>

#include "support/EnvironnementEssai.h"

namespace vantorelle::test {

// The address imposed by the run over the language file's, and that over the fixed one.
TEST(ProductSite, ImposedThenTranslatedThenFixed) {
    EnvironnementEssai env;
    EXPECT_EQ(AdresseSite(env.emplacements(), ""), "http://www.vantorelle.fr");
    env.écrire("programme/Vantorelle.lng", "[frmInterface]\r\nhttp://www.vantorelle.fr=https://miroir.exemple\r\n");
    EXPECT_EQ(AdresseSite(env.emplacements(), ""), "https://miroir.exemple");
    EXPECT_EQ(AdresseSite(env.emplacements(), "http://127.0.0.1:8080"), "http://127.0.0.1:8080");
}

}  // namespace vantorelle::test
