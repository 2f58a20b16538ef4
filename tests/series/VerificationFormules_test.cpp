#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "series/VerificationFormules.h"
#include "support/DossierTemporaire.h"

namespace vantorelle::test {
namespace {

// The formulas of a file, each line against its warning ("" when none), with two constants.
TEST(VerificationFormules, TheColumnAndWhatWasExpected) {
    const std::pair<const char*, const char*> cas[] = {
        {"Hausse=Clôture>Clôture[-1] And Volume>Volume[-12]", ""},
        {"Marteaux=Chandeliers=Marteau Or Hausse", ""},  // a constant, and a formula by its name
        {"Ouverte=(Clôture>1", "formule « Ouverte », colonne 19 : on attend une parenthèse fermante"},
        {"Fermée=Clôture>1)", "formule « Fermée », colonne 17 : on attend un opérateur ou la fin de la formule"},
        {"Seul=Clôture>", "formule « Seul », colonne 14 : on attend une valeur"},
        {"Double=1 * * 2", "formule « Double », colonne 12 : on attend une valeur"},
        {"Inconnu=Clôture>Clôtur",
         "formule « Inconnu », colonne 17 : « Clôtur » n'est ni une formule, ni une série, ni une constante"},
        {"Crochet=Clôture[1]>0", "formule « Crochet », colonne 16 : « [ » inattendu"},
        {"Virgules=1,5,2>1", "formule « Virgules », colonne 13 : on attend un opérateur ou la fin de la formule"},
        {"Exposant=2e>1", "formule « Exposant », colonne 10 : nombre mal écrit « 2e »"},
        {"Vide=", "formule « Vide », colonne 6 : on attend une valeur"},
    };
    std::string texte;
    for (const auto& [ligne, avertissement] : cas) texte += std::string(ligne) + "\r\n";
    DossierTemporaire dossier;
    const std::string fichier = dossier.écrire("F.txt", texte);
    Fonctions formules;
    formules.Charger(fichier);
    const auto constantes = std::make_shared<Fonction::ListeConstantes>(
        Fonction::ListeConstantes{"Marteau=208", "EtoileDuSoir=115"});
    for (std::int32_t j = 1; j <= formules.Count(); ++j) formules.Item(j).Constantes(constantes);
    std::vector<std::string> attendus, vus;
    for (std::size_t k = 0; k < std::size(cas); ++k)
        if (cas[k].second[0])
            attendus.push_back(texteAvertissement({fichier, static_cast<std::int64_t>(k + 1), cas[k].second}));
    for (const Avertissement& a : vérifierFormules(formules, fichier)) vus.push_back(texteAvertissement(a));
    EXPECT_EQ(vus, attendus);
}

}  // namespace
}  // namespace vantorelle::test
