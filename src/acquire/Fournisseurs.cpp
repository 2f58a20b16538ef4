#include "acquire/Fournisseurs.h"

#include "shell/OuvrirDocument.h"
#include "shell/Traducteur.h"

namespace vantorelle {
namespace {

std::string deuxChiffres(int n) { return std::string(n < 10 ? 1 : 0, '0').append(std::to_string(n)); }

/// The history form's query: the page-state token first, the months without a leading zero.
std::string requêteHistorique(Jour début, Jour fin, std::string_view jeton) {
    return "__VIEWSTATE=" + std::string(jeton) + "&dayDeb=" + deuxChiffres(début.jour()) +
           "&monthDeb=" + std::to_string(début.mois()) + "&yearDeb=" + std::to_string(début.année()) +
           "&dayFin=" + deuxChiffres(fin.jour()) + "&monthFin=" + std::to_string(fin.mois()) +
           "&yearFin=" + std::to_string(fin.année()) +
           "&1=pmp&txtOneSico=&cbYes=on&listFormat=isin&ImageButton1.x=46&ImageButton1.y=8";
}

/// The download form's query, shared by two providers that differ only in what ends it.
std::string requêteTéléchargement(Jour début, Jour fin, std::string_view suite) {
    return "hid_date=ok&MARCHE=SRD&SELECT_PORT=Tous&CODE=&A_SICO=1&A_DATE=1&A_OUV=1&A_HAUT=1&A_BAS=1&A_CLOT=1"
           "&A_VOL=1&jour1=" +
           deuxChiffres(début.jour()) + "&mois1=" + deuxChiffres(début.mois()) +
           "&annee1=" + std::to_string(début.année()) + "&jour2=" + deuxChiffres(fin.jour()) +
           "&mois2=" + deuxChiffres(fin.mois()) + "&annee2=" + std::to_string(fin.année()) + std::string(suite);
}

}  // namespace

// Our own addresses, which a language file replaces with the provider's.
const std::array<Fournisseur, 3> Fournisseurs = {{
    {"cmdAbc", "ABCBourse", "http://abc.fournisseurs.vantorelle.fr", "/plotanex_histo.aspx",
     // The provider's form expects a page-state token that we do not have: it is sent empty.
     [](Jour début, Jour fin) { return requêteHistorique(début, fin, ""); }},
    {"cmdBourso", "Boursorama", "http://bourso.fournisseurs.vantorelle.fr",
     "/outils/telechargement/telechargement.phtml",
     [](Jour début, Jour fin) {
         return requêteTéléchargement(début, fin, "&FILE_FORMAT=METASTOCK_A&ISINY=Y&download=T%E9l%E9charger");
     }},
    {"cmdLesEchos", "Les Echos", "http://echos.fournisseurs.vantorelle.fr",
     "/outils/telechargement/telechargement.phtml",
     [](Jour début, Jour fin) {
         return requêteTéléchargement(début, fin,
                                      "&FILE_FORMAT=METASTOCK_A&ISINY=Y&download=download&submit.x=22&submit.y=13");
     }},
}};

std::string DemandeFournisseur(const Emplacements& emplacements, const Fournisseur& fournisseur, Jour début,
                               Jour fin) {
    return Traduire(emplacements, sectionFournisseurs, fournisseur.adresse) + std::string(fournisseur.chemin) + "?" +
           fournisseur.requête(début, fin);
}

void OuvrirDemandeFournisseur(const Emplacements& emplacements, const Fournisseur& fournisseur, Jour début,
                              Jour fin, Bureau& bureau) {
    OuvrirDocument(DemandeFournisseur(emplacements, fournisseur, début, fin), bureau);
}

}  // namespace vantorelle
