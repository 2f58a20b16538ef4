#include "acquire/Fournisseurs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/BureauFactice.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

const std::string suiteTéléchargement = "hid_date=ok&MARCHE=SRD&SELECT_PORT=Tous&CODE=&A_SICO=1&A_DATE=1&A_OUV=1"
                                        "&A_HAUT=1&A_BAS=1&A_CLOT=1&A_VOL=1&jour1=";

// Days always on two digits; months on two digits except in the history form; "%E9" sent as written.
TEST(Providers, RequestsForADateRange) {
    const struct Cas {
        const char* bouton;
        const char* début;
        const char* fin;
        std::string attendu;
    } cas[] = {
        {"cmdAbc", "20070305", "20070309",
         "http://www.abcbourse.com/plotanex_histo.aspx?__VIEWSTATE=&dayDeb=05&monthDeb=3&yearDeb=2007&dayFin=09"
         "&monthFin=3&yearFin=2007&1=pmp&txtOneSico=&cbYes=on&listFormat=isin&ImageButton1.x=46&ImageButton1.y=8"},
        {"cmdBourso", "20070305", "20070309",
         "http://www.boursorama.com/outils/telechargement/telechargement.phtml?" + suiteTéléchargement +
             "05&mois1=03&annee1=2007&jour2=09&mois2=03&annee2=2007&FILE_FORMAT=METASTOCK_A&ISINY=Y"
             "&download=T%E9l%E9charger"},
        {"cmdLesEchos", "20061231", "20070101",
         "http://www.lesechos.fr/outils/telechargement/telechargement.phtml?" + suiteTéléchargement +
             "31&mois1=12&annee1=2006&jour2=01&mois2=01&annee2=2007&FILE_FORMAT=METASTOCK_A&ISINY=Y"
             "&download=download&submit.x=22&submit.y=13"},
    };
    EnvironnementEssai env;
    BureauFactice bureau;
    std::string attendu;
    for (const Cas& c : cas) {
        const Fournisseur& f = *std::find_if(Fournisseurs.begin(), Fournisseurs.end(),
                                             [&](const Fournisseur& f) { return f.bouton == c.bouton; });
        EXPECT_EQ(DemandeFournisseur(env.emplacements(), f, Jour::deClé(c.début), Jour::deClé(c.fin)), c.attendu);
        OuvrirDemandeFournisseur(env.emplacements(), f, Jour::deClé(c.début), Jour::deClé(c.fin), bureau);
        attendu += "xdg-open " + c.attendu + " dans ; ";
    }
    EXPECT_EQ(bureau.journal, attendu);
}

TEST(Providers, LanguageFileReplacesTheAddress) {
    EnvironnementEssai env;
    env.écrire("programme/Vantorelle.lng", "[frmImportTierce]\r\nhttp://www.abcbourse.com=http://127.0.0.1:8080\r\n");
    const Jour jour = Jour::deClé("20070305");
    EXPECT_EQ(DemandeFournisseur(env.emplacements(), Fournisseurs[0], jour, jour).substr(0, 42),
              "http://127.0.0.1:8080/plotanex_histo.aspx?");
}

}  // namespace
}  // namespace vantorelle::test
