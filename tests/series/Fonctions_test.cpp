#include "series/Fonctions.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using test::DossierTemporaire;
using test::messageDErreur;

std::unique_ptr<Fonction> nommée(const std::string& nom) {
    auto f = std::make_unique<Fonction>();
    f->Nom(nom);
    return f;
}

std::vector<std::string> clés(const Fonctions& f) {
    std::vector<std::string> noms;
    for (std::int32_t i = 1; i <= f.Count(); ++i) noms.push_back(f.Item(i).Nom());
    return noms;
}

TEST(Fonctions, KeepsInsertionOrderAndComparesKeysWithCase) {
    Fonctions f;
    Fonction empruntée;
    empruntée.Nom("Clôture");
    f.Add(nommée("Hausse"), "Hausse");
    f.Add(nommée("hausse"), "hausse");
    f.Add(empruntée, "Clôture");
    EXPECT_EQ(clés(f), (std::vector<std::string>{"Hausse", "hausse", "Clôture"}));
    EXPECT_EQ(&f.Item("Clôture"), &empruntée);
    EXPECT_EQ(&f.Item(3), &empruntée);

    EXPECT_EQ(messageDErreur<Erreur>([&] { f.Add(nommée("x"), "Hausse"); }),
              "Cette clé est déjà associée à un élément de cette collection.");
    EXPECT_THROW(f.Item(0), ErreurIndice);
    EXPECT_THROW(f.Item(4), ErreurIndice);
    EXPECT_THROW(f.Item("HAUSSE"), ErreurIndice);

    f.Remove("absente");
    f.Remove(9);
    f.Remove("hausse");
    f.Remove(1);
    EXPECT_EQ(clés(f), (std::vector<std::string>{"Clôture"}));
}

TEST(Fonctions, SplitsConstantTextsAtTheFirstEqualSign) {
    struct Cas {
        const char* texte;
        const char* nom;
        const char* valeur;
    };
    const Cas cas[] = {
        {"EtoileDuSoir=115", "EtoileDuSoir", "115"},
        {"A=1=1", "A", "1=1"},
        {"=5", "", "5"},
        {"X=", "X", ""},
        {"sans signe", "", ""},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(Fonctions::NomCst(c.texte), c.nom) << c.texte;
        EXPECT_EQ(Fonctions::ValeurCst(c.texte), c.valeur) << c.texte;
    }
}

TEST(Fonctions, SeriesJoinAndLeaveTheGlobalCollection) {
    Fonctions::globale().vider();
    Fonction f;
    f.Nom("Moyenne");
    f.AjouterACollection();
    EXPECT_EQ(&Fonctions::globale().Item("Moyenne"), &f);
    f.SupprimerDeCollection();
    f.SupprimerDeCollection();
    EXPECT_EQ(Fonctions::globale().Count(), 0);
}

struct Formule {
    std::string nom;
    std::string texte;
    bool operator==(const Formule&) const = default;
};

std::vector<Formule> formules(const Fonctions& f) {
    std::vector<Formule> v;
    for (std::int32_t i = 1; i <= f.Count(); ++i) v.push_back({f.Item(i).Nom(), f.Item(i).Formule()});
    return v;
}

TEST(Fonctions, LoadsOneFormulaPerLine) {
    struct Cas {
        const char* octets;  // Windows-1252
        std::vector<Formule> attendues;
    };
    const Cas cas[] = {
        {"Hausse=Cl\xF4ture>Cl\xF4ture[-1]\r\nA=1=1\r\n", {{"Hausse", "Clôture>Clôture[-1]"}, {"A", "1=1"}}},
        {"A=1\r\n\r\n", {{"A", "1"}}},
        {"A=1\nB=2", {{"A", "1"}, {"B", "2"}}},
        {"Hausse=1\r\nhausse=2\r\ndate=3\r\n", {{"Hausse", "1"}, {"hausse", "2"}, {"date", "3"}}},
        {"Vide=\r\n", {{"Vide", ""}}},
        {"", {}},
    };
    DossierTemporaire dossier;
    for (const auto& c : cas) {
        Fonctions f;
        f.Charger(dossier.écrire("Formules.txt", c.octets));
        EXPECT_EQ(formules(f), c.attendues) << c.octets;
    }
}

TEST(Fonctions, AMissingFileLoadsNoFormula) {
    DossierTemporaire dossier;
    Fonctions f;
    f.Add(nommée("Ancienne"), "Ancienne");
    f.Charger(dossier.fichier("Formules.txt"));
    EXPECT_EQ(f.Count(), 0);
}

TEST(Fonctions, ABadLineStopsTheLoadWithNoFormulaLoaded) {
    struct Cas {
        const char* octets;
        const char* message;  // after the path
    };
    const Cas cas[] = {
        {"A=1\r\nsans signe\r\n", " : ligne 2 : pas de signe \"=\" entre le nom et la formule"},
        {"=1\r\n", " : ligne 1 : la formule n'a pas de nom"},
        {"\r\n", " : ligne 1 : pas de signe \"=\" entre le nom et la formule"},
        {"A=1\r\n\r\nB=2\r\n", " : ligne 2 : pas de signe \"=\" entre le nom et la formule"},
        {"A=1\r\nB=2\r\nA=3\r\n", " : ligne 3 : la formule \"A\" est déjà définie à la ligne 1"},
        {"Cl\xF4ture=1\r\n", " : ligne 1 : \"Clôture\" est le nom d'une série de cours"},
        {"X=1\r\nNom=Maximum\r\n", " : ligne 2 : \"Nom\" est le nom d'une série de cours"},
        {"Pond\xE9ration=1\r\n", " : ligne 1 : \"Pondération\" est le nom d'une série de cours"},
    };
    DossierTemporaire dossier;
    for (const auto& c : cas) {
        const std::string chemin = dossier.écrire("Formules.txt", c.octets);
        Fonctions f;
        f.Add(nommée("Ancienne"), "Ancienne");
        EXPECT_EQ(messageDErreur<ErreurFichier>([&] { f.Charger(chemin); }), chemin + c.message);
        EXPECT_EQ(f.Count(), 0) << c.octets;
    }
}

}  // namespace
}  // namespace vantorelle
