#include "series/Fonction.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "OutilsSeries.h"
#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

const char* const dépassement = "Dépassement de capacité";

TEST(Valeur, EachKindAsADoubleASingleAndAText) {
    const std::tuple<Valeur, double, const char*> cas[] = {
        {Valeur(), 0.0, ""},
        {1.0 / 3.0, 1.0 / 3.0, "0,333333333333333"},
        {1.0f / 3.0f, static_cast<double>(1.0f / 3.0f), "0,3333333"},
        {Monnaie{-12345}, -1.2345, "-1,2345"},
        {std::int16_t{-7}, -7.0, "-7"},
        {std::int32_t{400}, 400.0, "400"},
        {true, -1.0, "Vrai"},
        {"12,5", 12.5, "12,5"},
    };
    for (const auto& [valeur, enDouble, texte] : cas) {
        EXPECT_EQ(valeur.enDouble(), enDouble) << texte;
        EXPECT_EQ(valeur.enSimple(), static_cast<float>(enDouble)) << texte;
        EXPECT_EQ(valeur.texte(), texte);
    }
    EXPECT_THROW_MSG(Valeur(1e39).enSimple(), ErreurConversion, dépassement);
    for (const std::string texte : {"NO_EVAL", "", "12,5,1"})
        EXPECT_THROW_MSG(Valeur(texte).enDouble(), ErreurConversion,
                         "Incompatibilité de type : \"" + texte + "\" n'est pas un nombre");
}

TEST(Valeur, ConversionsToIntegersRoundHalvesToEvenAndOverflow) {
    const std::pair<double, std::int16_t> cas[] = {{2.5, 2}, {3.5, 4}, {32767.4, 32767}, {-32768.5, -32768}};
    for (const auto& [valeur, entier] : cas) EXPECT_EQ(Valeur(valeur).enEntier(), entier) << valeur;
    for (double horsLimites : {32767.5, -32768.51})
        EXPECT_THROW_MSG(Valeur(horsLimites).enEntier(), ErreurConversion, dépassement) << horsLimites;
    EXPECT_EQ(Valeur(2147483647.4).enLong(), 2147483647);
    EXPECT_THROW_MSG(Valeur(2147483647.5).enLong(), ErreurConversion, dépassement);
}

TEST(Fonction, ToStringAndDup) {
    EXPECT_EQ(série({1.5f, Valeur(), "NO_EVAL", std::int16_t{2}}, "Clôture").ToString(),
              "Clôture(1) : 1,5\r\nClôture(2) : \r\nClôture(3) : NO_EVAL\r\nClôture(4) : 2\r\n");
    Fonction f = série({1.0f, 2.0, Valeur()}, "Hausse");
    f.Formule("Clôture>Clôture[-1]");
    Fonction copie = f.Dup();
    EXPECT_EQ(copie.Nom(), "Hausse");
    EXPECT_EQ(copie.Formule(), "Clôture>Clôture[-1]");
    EXPECT_EQ(copie.Constantes(), f.Constantes());  // one list, shared
    EXPECT_EQ(valeursDe(copie), valeursDe(f));
    EXPECT_EQ(copie.Data()->Capacité(), 3);
    copie.Item(1, 9.0f);
    EXPECT_EQ(f.Item(1), Valeur(1.0f));
}

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
    for (const char* nom : {"Hausse", "hausse", "Vente"}) f.Add(nommée(nom), nom);
    EXPECT_THROW_MSG(f.Add(nommée("x"), "Hausse"), Erreur,
                     "Cette clé est déjà associée à un élément de cette collection.");
    for (const auto& item : std::initializer_list<std::function<void()>>{
             [&] { f.Item(0); }, [&] { f.Item(4); }, [&] { f.Item("HAUSSE"); }})
        EXPECT_THROW_MSG(item(), ErreurIndice, "L'indice n'appartient pas à la sélection.");
    f.Remove("absente");
    f.Remove(9);
    f.Remove(3);
    f.Remove("Hausse");
    EXPECT_EQ(formules(f), (Formules{{"hausse", ""}}));
}

TEST(Fonctions, LoadsOneFormulaPerLineOrNoneAfterABadLine) {
    struct Cas {
        const char* octets;  // Windows-1252; none for a missing file
        Formules attendues;
        const char* message = nullptr;  // after the path
    };
    const Cas cas[] = {
        {"Hausse=Cl\xF4ture>Cl\xF4ture[-1]\r\nA=1=1\r\n", {{"Hausse", "Clôture>Clôture[-1]"}, {"A", "1=1"}}},
        {"Hausse=1\nhausse=2\r\nVide=\r\n", {{"Hausse", "1"}, {"hausse", "2"}, {"Vide", ""}}},
        {nullptr, {}},
        {"A=1\r\n\r\nB=2\r\n", {}, " : ligne 2 : pas de signe \"=\" entre le nom et la formule"},
        {"=1\r\n", {}, " : ligne 1 : la formule n'a pas de nom"},
        {"A=1\r\nB=2\r\nA=3\r\n", {}, " : ligne 3 : la formule \"A\" est déjà définie à la ligne 1"},
        {"Cl\xF4ture=1\r\n", {}, " : ligne 1 : \"Clôture\" est le nom d'une série de cours"},
    };
    test::DossierTemporaire dossier;
    for (const auto& c : cas) {
        const std::string chemin = c.octets ? dossier.écrire("Formules.txt", c.octets) : dossier.fichier("Absent.txt");
        Fonctions f;
        f.Add(nommée("Ancienne"), "Ancienne");
        if (c.message) EXPECT_THROW_MSG(f.Charger(chemin), ErreurFichier, chemin + c.message);
        else f.Charger(chemin);
        EXPECT_EQ(formules(f), c.attendues) << chemin;
    }
}

}  // namespace
}  // namespace vantorelle
