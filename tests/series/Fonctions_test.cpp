#include "series/Fonctions.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using Formules = std::vector<std::pair<std::string, std::string>>;  // name and formula

std::unique_ptr<Fonction> nommée(const std::string& nom) {
    auto f = std::make_unique<Fonction>();
    f->Nom(nom);
    return f;
}

Formules formules(const Fonctions& f) {
    Formules v;
    for (std::int32_t i = 1; i <= f.Count(); ++i) v.emplace_back(f.Item(i).Nom(), f.Item(i).Formule());
    return v;
}

TEST(Fonctions, KeepsInsertionOrderAndComparesKeysWithCase) {
    Fonctions f;
    Fonction empruntée;
    empruntée.Nom("Clôture");
    f.Add(nommée("Hausse"), "Hausse");
    f.Add(nommée("hausse"), "hausse");
    f.Add(empruntée, "Clôture");
    EXPECT_EQ(formules(f), (Formules{{"Hausse", ""}, {"hausse", ""}, {"Clôture", ""}}));
    EXPECT_EQ(&f.Item("Clôture"), &empruntée);
    EXPECT_EQ(&f.Item(3), &empruntée);
    EXPECT_THROW_MSG(f.Add(nommée("x"), "Hausse"), Erreur,
                     "Cette clé est déjà associée à un élément de cette collection.");
    for (const auto& item : std::initializer_list<std::function<void()>>{
             [&] { f.Item(0); }, [&] { f.Item(4); }, [&] { f.Item("HAUSSE"); }})
        EXPECT_THROW_MSG(item(), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    f.Remove("absente");
    f.Remove(9);
    f.Remove("hausse");
    f.Remove(1);
    EXPECT_EQ(formules(f), (Formules{{"Clôture", ""}}));

    Fonctions collection;
    empruntée.AjouterACollection(collection);
    EXPECT_EQ(&collection.Item("Clôture"), &empruntée);
    empruntée.SupprimerDeCollection(collection);
    empruntée.SupprimerDeCollection(collection);
    EXPECT_EQ(collection.Count(), 0);
}

TEST(Fonctions, SplitsConstantTextsAtTheFirstEqualSign) {
    const char* const cas[][3] = {
        {"EtoileDuSoir=115", "EtoileDuSoir", "115"}, {"A=1=1", "A", "1=1"}, {"=5", "", "5"}, {"X=", "X", ""},
        {"sans signe", "", ""},
    };
    for (const auto& [texte, nom, valeur] : cas) {
        EXPECT_EQ(Fonctions::NomCst(texte), nom) << texte;
        EXPECT_EQ(Fonctions::ValeurCst(texte), valeur) << texte;
    }
}

TEST(Fonctions, LoadsOneFormulaPerLineOrNoneAfterABadLine) {
    struct Cas {
        const char* octets;  // Windows-1252
        Formules attendues;
        const char* message = nullptr;  // after the path
    };
    const char* const sansÉgal = " : ligne 2 : pas de signe \"=\" entre le nom et la formule";
    const Cas cas[] = {
        {"Hausse=Cl\xF4ture>Cl\xF4ture[-1]\r\nA=1=1\r\n", {{"Hausse", "Clôture>Clôture[-1]"}, {"A", "1=1"}}},
        {"A=1\r\n\r\n", {{"A", "1"}}},
        {"A=1\nB=2", {{"A", "1"}, {"B", "2"}}},
        {"Hausse=1\r\nhausse=2\r\ndate=3\r\n", {{"Hausse", "1"}, {"hausse", "2"}, {"date", "3"}}},
        {"Vide=\r\n", {{"Vide", ""}}},
        {"", {}},
        {"A=1\r\nsans signe\r\n", {}, sansÉgal},
        {"=1\r\n", {}, " : ligne 1 : la formule n'a pas de nom"},
        {"A=1\r\n\r\nB=2\r\n", {}, sansÉgal},
        {"A=1\r\nB=2\r\nA=3\r\n", {}, " : ligne 3 : la formule \"A\" est déjà définie à la ligne 1"},
        {"Cl\xF4ture=1\r\n", {}, " : ligne 1 : \"Clôture\" est le nom d'une série de cours"},
        {"X=1\r\nNom=Maximum\r\n", {}, " : ligne 2 : \"Nom\" est le nom d'une série de cours"},
    };
    test::DossierTemporaire dossier;
    for (const auto& c : cas) {
        const std::string chemin = dossier.écrire("Formules.txt", c.octets);
        Fonctions f;
        f.Add(nommée("Ancienne"), "Ancienne");
        if (c.message) EXPECT_THROW_MSG(f.Charger(chemin), ErreurFichier, chemin + c.message);
        else f.Charger(chemin);
        EXPECT_EQ(formules(f), c.attendues) << c.octets;
    }
    Fonctions f;  // a missing file loads no formula
    f.Add(nommée("Ancienne"), "Ancienne");
    f.Charger(dossier.fichier("Absent.txt"));
    EXPECT_EQ(f.Count(), 0);
}

}  // namespace
}  // namespace vantorelle
