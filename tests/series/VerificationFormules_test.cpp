#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "series/VerificationFormules.h"
#include "support/DossierTemporaire.h"

namespace vantorelle::test {
namespace {

// The formulas of a file, each line against its warning ("" when none).
TEST(VerificationFormules, TheColumnAndWhatWasExpected) {
    const std::pair<const char*, const char*> cas[] = {
        {"Hausse=Clôture>Clôture[-1] And Volume>Volume[-12]", ""},
        {"Marteaux=Chandeliers=208 Or Hausse", ""},  // a formula by its name
        {"Fermée=Clôture>1,5)", "formule « Fermée », colonne 19 : on attend un opérateur ou la fin de la formule"},
        {"Seul=Clôture>", "formule « Seul », colonne 14 : on attend une valeur"},
        {"Double=1 * * 2", "formule « Double », colonne 12 : on attend une valeur"},
        {"Inconnu=Clôture>Clôtur",
         "formule « Inconnu », colonne 17 : « Clôtur » n'est ni une formule, ni une série, ni une constante"},
        {"Crochet=Clôture[1]>0", "formule « Crochet », colonne 16 : « [ » inattendu"},
        {"Exposant=2e>1", "formule « Exposant », colonne 10 : nombre mal écrit « 2e »"},
    };
    std::string texte;
    for (const auto& [ligne, avertissement] : cas) texte += std::string(ligne) + "\r\n";
    DossierTemporaire dossier;
    const std::string fichier = dossier.écrire("F.txt", texte);
    Fonctions formules;
    formules.Charger(fichier);
    std::vector<std::string> raisons(std::size(cas));
    for (const Avertissement& a : vérifierFormules(formules, fichier))
        raisons.at(static_cast<std::size_t>(a.ligne - 1)) += a.raison;
    for (std::size_t k = 0; k < std::size(cas); ++k) EXPECT_EQ(raisons[k], cas[k].second) << cas[k].first;
}

}  // namespace
}  // namespace vantorelle::test
