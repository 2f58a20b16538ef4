#include "store/Fichier.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"

namespace vantorelle::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Lignes = std::vector<std::string>;

Lignes lignes(const Fichier& f) {
    const auto valeurs = f.Data().valeurs();
    return {valeurs.begin(), valeurs.end()};
}

Lignes charger(const std::string& chemin, bool rapide, std::int32_t p1 = 0, std::int32_t p2 = 0) {
    Fichier f(chemin);
    f.Charger(p1, p2, rapide);
    return lignes(f);
}

// The rule itself is tested with the path functions; a file applies it to its path.
TEST(Fichier, PartiesDuChemin) {
    const Fichier f("C:/base/histo/Alpha_FR1.txt");
    EXPECT_EQ(f.NomCourt(), "Alpha_FR1.txt");
    EXPECT_EQ(f.Répertoire(), "C:/base/histo/");
    EXPECT_EQ(f.Disque(), "C");
    EXPECT_EQ(Fichier("/base/histo/").NomCourt(), "");
}

struct CasDeTranche {
    std::int32_t n, p;
    const char* attendu;
};

TEST(Fichier, ToStringLitLaTrancheQuiFinitUnOctetAvantLaFin) {
    DossierTemporaire dossier;
    Fichier f(dossier.écrire("chiffres.txt", "0123456789"));
    const CasDeTranche cas[] = {
        {0, 0, "0123456789"}, {5, 0, "45678"}, {50, 0, "0123456789"}, {3, 5, "456"}, {5, 3, "678"},
        {0, 4, "5678"},       {2, 10, "01"},   {2, 20, "01"},         {-1, 0, ""},   {0, -1, ""},
    };
    for (const CasDeTranche& c : cas) EXPECT_EQ(f.ToString(c.n, c.p), c.attendu) << c.n << ", " << c.p;
    EXPECT_EQ(Fichier(dossier.fichier("absent.txt")).ToString(0, 0), "");
}

TEST(Fichier, ToStringCompteLesOctetsDuFichier) {
    DossierTemporaire dossier;
    Fichier f(dossier.écrire("accents.txt", "\xE9t\xE9\r\n"));
    EXPECT_EQ(f.ToString(0, 0), "été\r\n");
    EXPECT_EQ(f.ToString(3, 0), "té\r");
}

struct CasDeChargement {
    const char* nom;
    std::string octets;
    Lignes modeLigne;
    Lignes modeRapide;
};

TEST(Fichier, ChargerDonneLesMemesLignesEnCrLfEtEnLf) {
    const CasDeChargement cas[] = {
        {"deux lignes CR LF", "a\r\nb\r\n", {"a", "b"}, {"a", "b"}},
        {"deux lignes LF", "a\nb\n", {"a", "b"}, {"a", "b"}},
        {"sans saut final", "a\r\nb", {"a", "b"}, {"a", "b"}},
        {"un saut seul", "\r\n", {""}, {""}},
        {"vide", "", {}, {}},
        {"ligne vide au milieu", "a\n\nb\r\n", {"a", "", "b"}, {"a", "", "b"}},
        {"deux sauts finals", "a\r\n\r\n", {"a"}, {"a", ""}},
        {"octet nul", std::string("x\0y\r\n", 5), {std::string("x\0y", 3)}, {std::string("x\0y", 3)}},
        {"CR seul", "a\rb\r\n", {"a\rb"}, {"a\rb"}},
    };
    DossierTemporaire dossier;
    for (const CasDeChargement& c : cas) {
        const std::string chemin = dossier.écrire("f.txt", c.octets);
        EXPECT_THAT(charger(chemin, false), ElementsAreArray(c.modeLigne)) << c.nom;
        EXPECT_THAT(charger(chemin, true), ElementsAreArray(c.modeRapide)) << c.nom;
    }
}

TEST(Fichier, ChargerDeuxFoisAjouteEnModeLigneEtRemplaceEnModeRapide) {
    DossierTemporaire dossier;
    Fichier f(dossier.écrire("f.txt", "a\r\nb\r\nc\r\n"));
    f.Charger(0, 0, false);
    f.Charger(0, 0, false);
    EXPECT_EQ(f.Data().Count(), 6);
    f.Charger(0, 0, true);
    f.Charger(0, 0, true);
    EXPECT_EQ(f.Data().Count(), 3);
}

TEST(Fichier, ChargerEnModeLigneChoisitLesNumeros) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("f.txt", "L1\r\nL2\r\nL3\r\nL4\r\nL5\r\n");
    EXPECT_THAT(charger(chemin, false, 0, 3), ElementsAre("L3", "L4", "L5"));
    EXPECT_THAT(charger(chemin, false, 4, 2), ElementsAre("L2", "L3"));
    EXPECT_THAT(charger(chemin, false, 2, 0), ElementsAre("L1", "L2", "L3"));
    EXPECT_THAT(charger(chemin, false, 1, 3), ElementsAre());
}

TEST(Fichier, ChargerEnModeRapideGardeLesMorceauxDeLaTranche) {
    DossierTemporaire dossier;
    // The slice stops one byte short: before the final LF, so a CR LF file leaves its CR on the last piece.
    EXPECT_THAT(charger(dossier.écrire("crlf.txt", "aaaa\r\nbbbb\r\ncccc\r\n"), true, 8), ElementsAre("b", "cccc\r"));
    EXPECT_THAT(charger(dossier.écrire("lf.txt", "aaaa\nbbbb\ncccc\n"), true, 6), ElementsAre("b", "cccc"));
    EXPECT_THAT(charger(dossier.écrire("debut.txt", "aaaa\r\nbbbb\r\n"), true, 7, 12), ElementsAre("aaaa", "b"));
}

TEST(Fichier, ChargerUnFichierAbsentNeChangeRien) {
    DossierTemporaire dossier;
    for (bool rapide : {false, true}) {
        Fichier f(dossier.fichier("absent.txt"));
        f.Data().Add("déjà là");
        f.Charger(0, 0, rapide);
        EXPECT_THAT(lignes(f), ElementsAre("déjà là"));
    }
    Fichier f(dossier.chemin().string());
    f.Charger(0, 0, false);
    EXPECT_EQ(f.Data().Count(), 0);
}

TEST(Fichier, UneLigneDeCentMilleCaracteresSeChargeEntiere) {
    DossierTemporaire dossier;
    const std::string longue(100000, 'x');
    const std::string chemin = dossier.écrire("long.txt", "a\r\n" + longue + "\r\nb\r\n");
    EXPECT_THAT(charger(chemin, false), ElementsAre("a", longue, "b"));
    EXPECT_THAT(charger(chemin, true), ElementsAre("a", longue, "b"));
}

TEST(Fichier, UnFichierIlisibleEstUneErreurQuiLeNomme) {
    DossierTemporaire dossier;
    std::filesystem::permissions(dossier.chemin(), std::filesystem::perms::all);
    Fichier f(dossier.écrire("secret.txt", "a\r\n"));
    std::filesystem::permissions(f.NomLong(), std::filesystem::perms::none);
    const std::string attendu = f.NomLong() + " : lecture impossible (accès refusé)";
    // Root reads every file: the check runs in a child that gives up root first.
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
            const bool ligne = messageDErreur<ErreurFichier>([&] { f.Charger(0, 0, false); }) == attendu;
            const bool rapide = messageDErreur<ErreurFichier>([&] { f.Charger(0, 0, true); }) == attendu;
            const bool recherche = messageDErreur<ErreurFichier>([&] { f.TrouveSeek("a", 10, true); }) == attendu;
            std::_Exit(ligne && rapide && recherche ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Fichier, LesAccentsEtLesOctetsSansCaractereFontLAllerRetour) {
    DossierTemporaire dossier;
    const std::string octets = "Soci\xE9t\xE9 \x80\t\x81\x8D\x8F\x90\x9D\r\n\x9C\xFF\r\n";
    Fichier source(dossier.écrire("source.txt", octets));
    source.Charger(0, 0, false);
    EXPECT_EQ(source.Data().Item(1), "Société €\t\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(source.Data().Item(2), "œÿ");
    Fichier copie(dossier.fichier("copie.txt"));
    copie.Data(source.Data());
    copie.Décharger("", 1);
    EXPECT_EQ(lireOctets(copie.NomLong()), octets);
}

TEST(Fichier, DechargerReecritOuAjoute) {
    DossierTemporaire dossier;
    Fichier f(dossier.écrire("f.txt", "ancien\r\n"));
    f.Data().FromArray({"a", "b", "c"});
    f.Data().Remove(2);
    f.Décharger("", 1);
    EXPECT_EQ(lireOctets(f.NomLong()), "a\r\n\r\nc\r\n");
    f.Décharger("été", 0);
    EXPECT_EQ(lireOctets(f.NomLong()), "a\r\n\r\nc\r\n\xE9t\xE9\r\n");
    f.Décharger("seul", 1);
    EXPECT_EQ(lireOctets(f.NomLong()), "seul\r\n");

    Fichier nouveau(dossier.fichier("nouveau.txt"));
    nouveau.Décharger("x", 2);
    EXPECT_EQ(lireOctets(nouveau.NomLong()), "x\r\n");
}

TEST(Fichier, UnDechargerQuiEchoueNeToucheAuFichier) {
    DossierTemporaire dossier;
    Fichier f(dossier.écrire("f.txt", "ancien\r\n"));
    f.Data().FromArray({"a", "b", "c"});
    f.Data().Allocate(2);
    EXPECT_THROW(f.Décharger("", 1), ErreurIndice);
    EXPECT_THROW(f.Décharger("", 0), ErreurIndice);
    EXPECT_EQ(lireOctets(f.NomLong()), "ancien\r\n");

    Fichier ailleurs(dossier.fichier("absent/f.txt"));
    EXPECT_EQ(messageDErreur<ErreurFichier>([&] { ailleurs.Décharger("x", 0); }),
              ailleurs.NomLong() + " : écriture impossible (fichier ou dossier introuvable)");
}

TEST(Fichier, ExisteEtSupprimer) {
    DossierTemporaire dossier;
    Fichier f(dossier.fichier("f.txt"));
    EXPECT_FALSE(f.Existe());
    f.Supprimer();
    dossier.écrire("f.txt", "");
    EXPECT_TRUE(f.Existe());
    f.Supprimer();
    EXPECT_FALSE(f.Existe());
    EXPECT_FALSE(Fichier(dossier.chemin().string()).Existe());
    EXPECT_FALSE(Fichier("").Existe());
}

TEST(Fichier, TailleLigneCompteLesOctetsDesLignesDeLaFin) {
    DossierTemporaire dossier;
    Fichier f(dossier.écrire("f.txt", std::string(2000, 'x') + "\r\nab\r\n\xE9t\xE9\xE9\r\n"));
    EXPECT_EQ(f.TailleLigne(), 1013);
    f.NomLong(dossier.écrire("g.txt", "ab\r\n\xE9t\xE9\xE9\r\n"));
    EXPECT_EQ(f.TailleLigne(), 4);

    Fichier absent(dossier.fichier("absent.txt"));
    absent.Data().Add(std::string(40000, 'x'));
    EXPECT_EQ(messageDErreur<ErreurConversion>([&] { absent.TailleLigne(); }), "Dépassement de capacité");
}

TEST(Fichier, TrierEstBinaire) {
    Fichier f;
    f.Data().FromArray({"b", "B", "a"});
    f.Trier(true, false);
    EXPECT_THAT(lignes(f), ElementsAre("B", "a", "b"));
}

struct CasDeDoublons {
    Lignes avant;
    std::int32_t colonne;
    Lignes après;
};

TEST(Fichier, DedupliquerRetireLesVoisinsEgaux) {
    const CasDeDoublons cas[] = {
        {{"X\t1", "X\t2", "Y\t3"}, 1, {"X\t1", "Y\t3"}},
        {{"X\t1", "X\t2", "Y\t3"}, 0, {"X\t1", "X\t2", "Y\t3"}},
        {{"a", "b", "a"}, 0, {"a", "b", "a"}},
        {{"a", "a", "b", "b", "b"}, 0, {"a", "b"}},
        {{"a", "b", ""}, 2, {"a"}},
        {{"1\tx", "2\tx\ty"}, 2, {"1\tx"}},
        {{"a\tx", "A\tX"}, 2, {"a\tx", "A\tX"}},
        {{}, 1, {}},
    };
    for (const CasDeDoublons& c : cas) {
        Fichier f;
        f.Data().FromArray({c.avant.begin(), c.avant.end()});
        f.Dédupliquer(c.colonne);
        EXPECT_THAT(lignes(f), ElementsAreArray(c.après)) << ::testing::PrintToString(c.avant) << " " << c.colonne;
    }
    Fichier f;
    EXPECT_THROW(f.Dédupliquer(-1), ErreurIndice);
}

}  // namespace
}  // namespace vantorelle::test
