#include "acquire/Fournisseurs.h"

#include <gtest/gtest.h>

#include <tuple>

#include "acquire/DemandesAutomatiques.h"
#include "support/BureauFactice.h"
#include "support/EnvironnementEssai.h"

namespace vantorelle::test {
namespace {

// Weekdays only, across months and years; every "#YYYYMMDD#" replaced, nothing else touched.
TEST(Requests, AutomaticDownloadDays) {
    const std::tuple<const char*, const char*, const char*, const char*> cas[] = {
        {"h/#YYYYMMDD#?#YYYYMMDD#&#yyyymmdd# %20", "20061230", "20070102",
         "20070101=h/20070101?20070101&#yyyymmdd# %20;20070102=h/20070102?20070102&#yyyymmdd# %20;"},
        {"", "20080229", "20080303", "20080229=;20080303=;"},
        {"x", "20070310", "20070311", ""},  // a Saturday and a Sunday
        {"x", "99991231", "99991231", "99991231=x;"},
    };
    for (const auto& [modèle, début, fin, attendu] : cas) {
        std::string liste;
        for (const DemandeJour& d : DemandesAutomatiques(modèle, Jour::deClé(début), Jour::deClé(fin)))
            liste.append(d.jour.texte()).append("=").append(d.adresse).append(";");
        EXPECT_EQ(liste, attendu) << début;
    }
}

// Days always on two digits, months too except in the history form; "%E9" sent as written; the address
// replaced by the language file.
TEST(Requests, ProvidersOpenedInTheBrowser) {
    const std::string formulaire = "/outils/telechargement/telechargement.phtml?hid_date=ok&MARCHE=SRD&SELECT_PORT="
                                   "Tous&CODE=&A_SICO=1&A_DATE=1&A_OUV=1&A_HAUT=1&A_BAS=1&A_CLOT=1&A_VOL=1&jour1=";
    const std::string attendu[] = {
        "http://127.0.0.1:8080/plotanex_histo.aspx?__VIEWSTATE=&dayDeb=05&monthDeb=3&yearDeb=2007&dayFin=09"
        "&monthFin=3&yearFin=2007&1=pmp&txtOneSico=&cbYes=on&listFormat=isin&ImageButton1.x=46&ImageButton1.y=8",
        "http://bourso.fournisseurs.vantorelle.fr" + formulaire +
            "05&mois1=03&annee1=2007&jour2=09&mois2=03&annee2=2007&FILE_FORMAT=METASTOCK_A&ISINY=Y"
            "&download=T%E9l%E9charger",
        "http://echos.fournisseurs.vantorelle.fr" + formulaire +
            "05&mois1=03&annee1=2007&jour2=09&mois2=03&annee2=2007&FILE_FORMAT=METASTOCK_A&ISINY=Y&download=download"
            "&submit.x=22&submit.y=13",
    };
    EnvironnementEssai env;
    env.écrire("programme/Vantorelle.lng",
               "[frmImportTierce]\r\nhttp://abc.fournisseurs.vantorelle.fr=http://127.0.0.1:8080\r\n");
    BureauFactice bureau;
    for (std::size_t i = 0; i < Fournisseurs.size(); ++i) {
        const Jour début = Jour::deClé("20070305"), fin = Jour::deClé("20070309");
        OuvrirDemandeFournisseur(env.emplacements(), Fournisseurs[i], début, fin, bureau);
        EXPECT_EQ(bureau.journal, "xdg-open " + attendu[i] + " dans ; ") << Fournisseurs[i].bouton;
        bureau.journal.clear();
    }
}

}  // namespace
}  // namespace vantorelle::test
