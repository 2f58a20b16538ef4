#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/LecteurHistorique.h"
#include "analysis/LectureCours.h"
#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using test::DossierTemporaire;
using test::messageDErreur;

const Jour Début = BourseCollection::DébutDuFichier;
const Jour Fin = BourseCollection::FinDuFichier;

Jour jour(int aaaammjj) { return Jour::de(aaaammjj / 10000, aaaammjj / 100 % 100, aaaammjj % 100); }

/// One candle as the series hold it.
struct Bougie {
    std::string date;
    float o, h, l, c;
    std::int64_t volume;  // ten-thousandths
    friend bool operator==(const Bougie&, const Bougie&) = default;
    friend std::ostream& operator<<(std::ostream& flux, const Bougie& b) {
        return flux << b.date << ' ' << b.o << ' ' << b.h << ' ' << b.l << ' ' << b.c << ' ' << b.volume;
    }
};

std::vector<Bougie> bougiesDe(const BourseCollection& bourse) {
    std::vector<Bougie> bougies;
    for (std::int32_t i = 1; i <= bourse.Nombre; ++i)
        bougies.push_back({bourse.Date.Item(i).texte(), bourse.Ouverture.Item(i).enSimple(),
                           bourse.Maximum.Item(i).enSimple(), bourse.Minimum.Item(i).enSimple(),
                           bourse.Clôture.Item(i).enSimple(),
                           std::get<Monnaie>(bourse.Volume.Item(i).contenu()).dixMillièmes});
    return bougies;
}

std::vector<std::string> datesDe(const BourseCollection& bourse) {
    std::vector<std::string> dates;
    for (const Bougie& b : bougiesDe(bourse)) dates.push_back(b.date);
    return dates;
}

/// The lines joined, each followed by the line end.
std::string texte(const std::vector<std::string>& lignes, std::string_view fin = "\r\n") {
    std::string t;
    for (const std::string& ligne : lignes) t += ligne + std::string(fin);
    return t;
}

BourseCollection charger(const std::string& chemin, Jour premier = Début, Jour dernier = Fin, std::int32_t n = 0) {
    BourseCollection bourse;
    bourse.ChargeFichier("FR0000000001", "Alpha", chemin, premier, dernier, n);
    return bourse;
}

const std::vector<std::string> TroisJours = {
    "20240102\t10.5\t11.25\t9.75\t11\t1500",
    "20240103\t11\t12\t10.5\t11.5\t2000",
    "20240104\t11.5\t11.75\t10\t10.25\t1750",
};

// ---- Reading the fields ----

TEST(ChargementTest, PointOuVirguleDonnentLesMêmesValeurs) {
    DossierTemporaire dossier;
    std::string virgules = texte(TroisJours);
    std::replace(virgules.begin(), virgules.end(), '.', ',');
    const auto avecPoints = bougiesDe(charger(dossier.écrire("points.txt", texte(TroisJours))));
    const auto avecVirgules = bougiesDe(charger(dossier.écrire("virgules.txt", virgules)));
    ASSERT_EQ(avecPoints.size(), 3u);
    EXPECT_EQ(avecPoints, avecVirgules);
    EXPECT_EQ(avecPoints[0], (Bougie{"20240102", 10.5f, 11.25f, 9.75f, 11.0f, 15000000}));
}

TEST(ChargementTest, LesCoursVontDroitDuTexteAuSimple) {
    // Halfway between two singles by less than a double can tell: through a double it would round down.
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire(
        "a.txt", "20240102\t1.000000059604644775390625000001\t2\t0,1\t1,00000005960464477539062500001\t7\r\n");
    const auto bougies = bougiesDe(charger(chemin));
    ASSERT_EQ(bougies.size(), 1u);
    EXPECT_EQ(bougies[0].o, 1.00000012f);
    EXPECT_EQ(bougies[0].l, 0.1f);
    EXPECT_EQ(bougies[0].c, 1.00000012f);
}

struct CasVolume {
    const char* texte;
    std::int64_t dixMillièmes;
};

class VolumeTest : public testing::TestWithParam<CasVolume> {};

TEST_P(VolumeTest, LuCommeMonnaie) {
    DossierTemporaire dossier;
    const std::string chemin =
        dossier.écrire("a.txt", std::string("20240102\t1\t1\t1\t1\t") + GetParam().texte + "\r\n");
    ASSERT_EQ(charger(chemin).Nombre, 1);
    EXPECT_EQ(bougiesDe(charger(chemin))[0].volume, GetParam().dixMillièmes);
}

INSTANTIATE_TEST_SUITE_P(Cas, VolumeTest,
                         testing::Values(CasVolume{"1500", 15000000}, CasVolume{"", 0},
                                         CasVolume{"1234,5678", 12345678}, CasVolume{"1234.5678", 12345678},
                                         CasVolume{"0,00005", 0}, CasVolume{"0,00015", 2},
                                         CasVolume{"0,000051", 1}, CasVolume{" 12 ", 120000},
                                         CasVolume{"-3", -30000}, CasVolume{"1,5E3", 15000000},
                                         CasVolume{"3000000000", 30000000000000}));

struct CasPrix {
    const char* texte;
    LectureCours lecture;
    float prix;
};

class PrixTest : public testing::TestWithParam<CasPrix> {};

TEST_P(PrixTest, Lecture) {
    float prix = -99.0f;
    EXPECT_EQ(lirePrix(GetParam().texte, prix), GetParam().lecture) << GetParam().texte;
    if (GetParam().lecture == LectureCours::Valide) {
        EXPECT_EQ(prix, GetParam().prix) << GetParam().texte;
    }
}

constexpr auto Valide = LectureCours::Valide;
constexpr auto PasUnNombre = LectureCours::PasUnNombre;

INSTANTIATE_TEST_SUITE_P(
    Cas, PrixTest,
    testing::Values(CasPrix{"", Valide, 0}, CasPrix{"12,5", Valide, 12.5f}, CasPrix{"12.5", Valide, 12.5f},
                    CasPrix{" 12,5 ", Valide, 12.5f}, CasPrix{"+3", Valide, 3}, CasPrix{"-1,5", Valide, -1.5f},
                    CasPrix{",5", Valide, 0.5f}, CasPrix{"5,", Valide, 5}, CasPrix{"1e3", Valide, 1000},
                    CasPrix{"1,5E-2", Valide, 0.015f}, CasPrix{"1e-50", Valide, 0}, CasPrix{" ", PasUnNombre, 0},
                    CasPrix{"abc", PasUnNombre, 0}, CasPrix{"1,2,3", PasUnNombre, 0},
                    CasPrix{"1.234,5", PasUnNombre, 0}, CasPrix{"+-1", PasUnNombre, 0},
                    CasPrix{"--1", PasUnNombre, 0}, CasPrix{"nan", PasUnNombre, 0}, CasPrix{"inf", PasUnNombre, 0},
                    CasPrix{"1e", PasUnNombre, 0}, CasPrix{",", PasUnNombre, 0}, CasPrix{"1 000", PasUnNombre, 0},
                    CasPrix{"1e39", LectureCours::Dépassement, 0}));

TEST(PrixTest, CommeStrtof) {
    std::mt19937 hasard(7);
    for (int essai = 0; essai < 20000; ++essai) {
        std::string entier = std::to_string(hasard() % 1000000000u >> (hasard() % 30));
        std::string décimales = std::to_string(hasard() % 100000000u);
        décimales = décimales.substr(0, hasard() % 9);
        const std::string avecPoint = entier + "." + décimales;
        float prix = 0;
        ASSERT_EQ(lirePrix(entier + "," + décimales, prix), LectureCours::Valide) << avecPoint;
        EXPECT_EQ(prix, std::strtof(avecPoint.c_str(), nullptr)) << avecPoint;
    }
}

TEST(ChargementTest, LesChampsVidesValentZéroEtCorrigerRépareLaClôture) {
    DossierTemporaire dossier;
    const auto bougies = bougiesDe(charger(dossier.écrire("a.txt", "20240102\t10\t11\t9\t\t100\r\n")));
    ASSERT_EQ(bougies.size(), 1u);
    EXPECT_EQ(bougies[0], (Bougie{"20240102", 10, 11, 9, 10, 1000000}));
}

TEST(ChargementTest, LaCléDeDateGardeSonTexteNormalisé) {
    DossierTemporaire dossier;
    // A key with a point reads as the zero date, kept when the window starts at the zero date.
    const std::string chemin = dossier.écrire("a.txt", "2024.1.2\t1\t1\t1\t1\t1\r\n");
    EXPECT_EQ(datesDe(charger(chemin, Jour(), Fin)), std::vector<std::string>{"2024,1,2"});
    EXPECT_EQ(charger(chemin, jour(19000102), Fin).Nombre, 0);
}

// ---- Lines the load skips, and the early stop ----

TEST(ChargementTest, LignesMalforméesIgnorées) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("a.txt", texte({
                                                           "20240102\t1\t2\t0.5\t1.5\t10",
                                                           "20240103\t1\t2\t0.5\t1.5",  // 5 fields
                                                           "",
                                                           "\t1\t2\t0.5\t1.5\t10",  // no date
                                                           "20240104\t3\t4\t2\t3.5\t30\tremarque",
                                                           "2024013\t1\t2\t0.5\t1.5\t10",  // not a date
                                                           "20240105\t5\t6\t4\t5.5\t50",
                                                       }));
    const auto bougies = bougiesDe(charger(chemin));
    ASSERT_EQ(bougies.size(), 3u);
    EXPECT_EQ(bougies[1], (Bougie{"20240104", 3, 4, 2, 3.5f, 300000}));
    EXPECT_EQ(bougies[2].date, "20240105");
}

TEST(ChargementTest, UneLigneDatéeAprèsLaFenêtreArrêteLeChargement) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("a.txt", texte({
                                                           "20240102\t1\t1\t1\t1\t1",
                                                           "20240103\t1\t1\t1\t1\t1",
                                                           "20240110\t1\t1\t1\t1\t1",
                                                           "20240104\t1\t1\t1\t1\t1",
                                                           "20240105\t1\t1\t1\t1\t1",
                                                       }));
    EXPECT_EQ(datesDe(charger(chemin, jour(20240101), jour(20240105))),
              (std::vector<std::string>{"20240102", "20240103"}));
}

TEST(ChargementTest, LignesLFSansFinDeLigneFinale) {
    DossierTemporaire dossier;
    std::string lf = texte(TroisJours, "\n");
    lf.pop_back();
    const auto attendu = bougiesDe(charger(dossier.écrire("crlf.txt", texte(TroisJours))));
    EXPECT_EQ(bougiesDe(charger(dossier.écrire("lf.txt", lf))), attendu);
    EXPECT_EQ(bougiesDe(charger(dossier.écrire("lf.txt", lf), jour(20240103), jour(20240104))),
              std::vector<Bougie>(attendu.begin() + 1, attendu.end()));
}

TEST(ChargementTest, UnEnTêteDonneLaDateZéroEnDébut) {
    DossierTemporaire dossier;
    // A one-field header is skipped; the start marker then reads the zero date and keeps every line.
    const std::string chemin = dossier.écrire("a.txt", "Date;Ouverture;Plus haut\r\n" + texte(TroisJours));
    EXPECT_EQ(charger(chemin).Nombre, 3);
    // A six-field header is a line to load, and its words are not numbers.
    const std::string autre =
        dossier.écrire("b.txt", "Date\tOuverture\tMaximum\tMinimum\tClôture\tVolume\r\n" + texte(TroisJours));
    EXPECT_EQ(messageDErreur<ErreurConversion>([&] { charger(autre); }),
              autre + " : ligne 1 : date Date : champ 2 (Ouverture) : \"Ouverture\" n'est pas un nombre.");
}

// ---- The marker dates, the window and the tail ----

TEST(ChargementTest, LesMarqueursChargentTouteLHistoire) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("a.txt", texte(TroisJours));
    EXPECT_EQ(datesDe(charger(chemin)), (std::vector<std::string>{"20240102", "20240103", "20240104"}));
    EXPECT_EQ(datesDe(charger(chemin, jour(20240103), Fin)), (std::vector<std::string>{"20240103", "20240104"}));
    EXPECT_EQ(datesDe(charger(chemin, Début, jour(20240103))), (std::vector<std::string>{"20240102", "20240103"}));
}

TEST(ChargementTest, LesMarqueursSontLesDatesDesVraiesPremièreEtDernièreLignes) {
    DossierTemporaire dossier;
    const std::string long_ = std::string(60, 'x');
    struct Cas {
        const char* nom;
        std::vector<std::string> lignes;
    };
    const Cas cas[] = {
        // A last line of 50 bytes or more, which a 50-byte read never sees whole.
        {"lignes longues", {"20240102\t1\t1\t1\t1\t1\t" + long_, "20240103\t1\t1\t1\t1\t1\t" + long_}},
        // Lines so short that 50 bytes hold three of them.
        {"lignes courtes", {"20240102\t1\t1\t1\t1\t1", "20240103\t1\t1\t1\t1\t1", "20240104\t1\t1\t1\t1\t1"}},
        // Blank lines around the history.
        {"lignes vides", {"", "20240102\t1\t1\t1\t1\t1", "20240103\t1\t1\t1\t1\t1", "", ""}},
    };
    for (const Cas& c : cas) {
        const std::string chemin = dossier.écrire("a.txt", texte(c.lignes));
        std::vector<std::string> attendues;
        for (const std::string& ligne : c.lignes)
            if (!ligne.empty()) attendues.push_back(ligne.substr(0, 8));
        EXPECT_EQ(datesDe(charger(chemin)), attendues) << c.nom;
    }
}

TEST(ChargementTest, LaQueueDonneLaDernièreLigneComplète) {
    DossierTemporaire dossier;
    struct Cas {
        const char* nom;
        std::string octets;
        std::int32_t n;
        std::vector<std::string> dates;
    };
    const std::string courte = "20240103\t1\t1\t1\t1\t123456";
    const std::string longue = "20240103\t1\t1\t1\t1\t123456\t" + std::string(60, 'x');
    const Cas cas[] = {
        {"cinquante octets", texte({TroisJours[0], TroisJours[1], TroisJours[2]}), 50, {"20240104"}},
        {"toute la fin", texte({TroisJours[0], TroisJours[1], TroisJours[2]}), 200,
         {"20240102", "20240103", "20240104"}},
        {"ligne plus longue que n", texte({TroisJours[0], longue}), 50, {"20240103"}},
        {"sans fin de ligne", TroisJours[0] + "\r\n" + courte, 50, {"20240103"}},
        {"ligne vide finale", texte({TroisJours[0], longue, ""}), 50, {"20240103"}},
        // A slice that starts on the LF of a CR LF still sees the line after it.
        {"début sur un LF", texte({TroisJours[0], courte}), static_cast<std::int32_t>(courte.size() + 2), {"20240103"}},
    };
    for (const Cas& c : cas) {
        const std::string chemin = dossier.écrire("a.txt", c.octets);
        const BourseCollection bourse = charger(chemin, Début, Fin, c.n);
        EXPECT_EQ(datesDe(bourse), c.dates) << c.nom;
    }
    const BourseCollection sansFin = charger(dossier.écrire("b.txt", TroisJours[0] + "\r\n" + courte), Début, Fin, 50);
    EXPECT_EQ(bougiesDe(sansFin).back().volume, 1234560000) << "the last byte of the file is read";
}

TEST(ChargementTest, FichierAbsentOuVide) {
    DossierTemporaire dossier;
    BourseCollection bourse = charger(dossier.écrire("a.txt", texte(TroisJours)));
    // With a marker and nothing to read, the candles stay; only the code and the name change.
    bourse.ChargeFichier("FR0000000002", "Beta", dossier.fichier("absent.txt"), Début, Fin, 0);
    EXPECT_EQ(bourse.Nombre, 3);
    EXPECT_EQ(bourse.Code, "FR0000000002");
    EXPECT_EQ(bourse.Nom, "Beta");
    bourse.ChargeFichier("FR0000000002", "Beta", dossier.écrire("vide.txt", ""), jour(20240101), Fin, 0);
    EXPECT_EQ(bourse.Nombre, 3);
    // With both dates given, a missing file loads no candle.
    bourse.ChargeFichier("FR0000000003", "Gamma", "", jour(20240101), jour(20241231), 0);
    EXPECT_EQ(bourse.Nombre, 0);
}

TEST(ChargementTest, LesValeursAuDelàDeNombreRestent) {
    DossierTemporaire dossier;
    BourseCollection bourse = charger(dossier.écrire("a.txt", texte(TroisJours)));
    bourse.ChargeFichier("FR0000000002", "Beta", dossier.écrire("b.txt", texte({TroisJours[1]})), Début, Fin, 0);
    EXPECT_EQ(bourse.Nombre, 1);
    EXPECT_EQ(bourse.Date.Item(1).texte(), "20240103");
    EXPECT_EQ(bourse.Date.Item(3).texte(), "20240104");
    EXPECT_EQ(bourse.Ouverture.Longueur(), 3);
    EXPECT_EQ(bourse.TailleCorps.Longueur(), 1);
}

TEST(ChargementTest, LaSérieDesOuverturesSAppelleNom) {
    const BourseCollection bourse;
    const std::pair<const Fonction*, const char*> séries[] = {
        {&bourse.Date, "Date"},         {&bourse.Ouverture, "Nom"},       {&bourse.Maximum, "Maximum"},
        {&bourse.Minimum, "Minimum"},   {&bourse.Clôture, "Clôture"},     {&bourse.Volume, "Volume"},
        {&bourse.Chandeliers, "Chandeliers"}, {&bourse.Pondération, "Pondération"}, {&bourse.Tendance, "Tendance"},
    };
    for (const auto& [série, nom] : séries) EXPECT_EQ(série->Nom(), nom);
}

// ---- Bad numbers ----

TEST(ChargementTest, UnNombreIllisibleNommeLeFichierLaDateEtLeChamp) {
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("a.txt", texte({TroisJours[0], TroisJours[1],
                                                              "20240104\t11\t12\t10\t1O,5\t100", TroisJours[2]}));
    BourseCollection bourse;
    EXPECT_EQ(messageDErreur<ErreurConversion>(
                  [&] { bourse.ChargeFichier("FR0000000001", "Alpha", chemin, Début, Fin, 0); }),
              chemin + " : ligne 3 : date 20240104 : champ 5 (Clôture) : \"1O,5\" n'est pas un nombre.");
    EXPECT_EQ(bourse.Code, "FR0000000001");
    EXPECT_EQ(bourse.Nombre, 2);
    EXPECT_EQ(bourse.TailleCorps.Longueur(), 0) << "the derived series are not computed";

    // A window that does not start at the file's start knows no line number.
    std::vector<std::string> longue;
    for (Jour j = jour(20200101); j < jour(20240101); j = j.plus(1)) longue.push_back(j.texte() + "\t1\t1\t1\t1\t1");
    longue.push_back("20240104\t11\t12\t10\t1O,5\t100");
    const std::string cheminLong = dossier.écrire("long.txt", texte(longue));
    EXPECT_EQ(messageDErreur<ErreurConversion>([&] { charger(cheminLong, jour(20231201), Fin); }),
              cheminLong + " : date 20240104 : champ 5 (Clôture) : \"1O,5\" n'est pas un nombre.");

    const std::string volume = dossier.écrire("b.txt", "20240102\t1\t1\t1\t1\t1e400\r\n");
    EXPECT_EQ(messageDErreur<ErreurConversion>([&] { charger(volume); }),
              volume + " : ligne 1 : date 20240102 : champ 6 (Volume) : \"1e400\" dépasse la capacité.");
    const std::string prix = dossier.écrire("c.txt", "20240102\t1\t1e39\t1\t1\t1\r\n");
    EXPECT_EQ(messageDErreur<ErreurConversion>([&] { charger(prix); }),
              prix + " : ligne 1 : date 20240102 : champ 3 (Maximum) : \"1e39\" dépasse la capacité.");
}

// ---- Corriger ----

struct CasCorriger {
    float o, h, l, c;
    float oAttendu, hAttendu, lAttendu, cAttendu;
};

class CorrigerTest : public testing::TestWithParam<CasCorriger> {};

TEST_P(CorrigerTest, RépareDansLOrdre) {
    const CasCorriger& cas = GetParam();
    BourseCollection bourse;
    bourse.Ajouter("20240102", cas.o, cas.h, cas.l, cas.c, Monnaie{});
    bourse.Corriger();
    EXPECT_EQ(bourse.Ouverture.Item(1).enSimple(), cas.oAttendu);
    EXPECT_EQ(bourse.Maximum.Item(1).enSimple(), cas.hAttendu);
    EXPECT_EQ(bourse.Minimum.Item(1).enSimple(), cas.lAttendu);
    EXPECT_EQ(bourse.Clôture.Item(1).enSimple(), cas.cAttendu);
    EXPECT_EQ(bourse.Corps(1), std::fabs(cas.cAttendu - cas.oAttendu)) << "the measures see the repair";
}

INSTANTIATE_TEST_SUITE_P(Cas, CorrigerTest,
                         testing::Values(CasCorriger{10, 11, 9, 10.5f, 10, 11, 9, 10.5f},
                                         CasCorriger{0, 11, 9, 10.5f, 10.5f, 11, 9, 10.5f},
                                         CasCorriger{10, 11, 9, 0, 10, 11, 9, 10},
                                         CasCorriger{10, 0, 0, 12, 10, 12, 10, 12},
                                         CasCorriger{0, 5, 4, 0, 1, 1, 1, 1},
                                         CasCorriger{0, 0, 0, 0, 1, 1, 1, 1},
                                         CasCorriger{-2, 3, -1, 2, 2, 3, 2, 2}));

// ---- Splitting the lines ----

TEST(ChargementTest, LesChampsSontTrouvésÀToutePosition) {
    // Spaces around the prices move every TAB through every byte of the words the splitting reads.
    std::vector<std::string> lignes;
    std::vector<Bougie> attendues;
    for (int décalage = 0; décalage < 20; ++décalage) {
        const std::string espaces(static_cast<std::size_t>(décalage % 9), ' ');
        const std::string date = "202401" + std::to_string(10 + décalage);
        lignes.push_back(date + "\t" + espaces + "1,5\t2" + espaces + "\t" + std::string(décalage / 9, ' ') +
                         "0.5\t1\t" + std::to_string(décalage) + (décalage % 2 ? "\t" + espaces + "x\ty" : ""));
        attendues.push_back({date, 1.5f, 2, 0.5f, 1, décalage * std::int64_t{10000}});
    }
    DossierTemporaire dossier;
    EXPECT_EQ(bougiesDe(charger(dossier.écrire("a.txt", texte(lignes)))), attendues);
}

TEST(ChargementTest, UneLigneEstExaminéeSelonSesTabulations) {
    // Lines of every length up to 40 made of TABs, digits and other bytes, against a count of their TABs.
    std::mt19937 hasard(99);
    const char octets[] = {'\t', '\t', '2', '0', '1', 'x', ' ', '\xE9'};
    for (int essai = 0; essai < 20000; ++essai) {
        std::string ligne(hasard() % 41, ' ');
        for (char& c : ligne) c = octets[hasard() % sizeof octets];
        if (essai % 2) ligne.replace(0, std::min<std::size_t>(8, ligne.size()), "20240102");
        const bool examinée = std::count(ligne.begin(), ligne.end(), '\t') >= 5 && !ligne.empty() && ligne[0] != '\t';
        const std::optional<Jour> date = LecteurHistorique::dateExaminée(ligne);
        ASSERT_EQ(date.has_value(), examinée) << ligne;
        if (date) {
            EXPECT_EQ(*date, BourseCollection::ToDate(ligne.substr(0, ligne.find('\t')))) << ligne;
        }
    }
}

// ---- A window gives what a read of the whole file keeps ----

/// The candles' dates that a read of every line keeps: dates from premier on, up to the first line dated
/// after dernier.
std::vector<std::string> datesLuesEnEntier(const std::vector<std::string>& lignes, Jour premier, Jour dernier) {
    std::vector<std::string> dates;
    for (const std::string& ligne : lignes) {
        if (std::count(ligne.begin(), ligne.end(), '\t') < 5 || ligne[0] == '\t' || ligne.empty()) continue;
        const Jour d = BourseCollection::ToDate(ligne.substr(0, ligne.find('\t')));
        if (d < premier) continue;
        if (d > dernier) break;
        dates.push_back(ligne.substr(0, 8));
    }
    return dates;
}

struct Forme {
    const char* nom;
    std::size_t remplissage;  // bytes of a seventh field, to vary the line length
    const char* finDeLigne;
    bool finale;  // a line end after the last line
};

class FenêtreTest : public testing::TestWithParam<Forme> {};

TEST_P(FenêtreTest, CommeUneLectureEntière) {
    const Forme& forme = GetParam();
    std::mt19937 hasard(1234);
    std::vector<std::string> lignes;
    std::vector<Jour> jours;
    // More than the end of the file a window search reads first, with a few lines a load skips.
    const char* const sautées[] = {"\t1\t2\t3\t4\t5", "20100101\t1", "20109999\t1\t1\t1\t1\t1", ""};
    for (Jour j = jour(20100104); lignes.size() < 1000; j = j.plus(1)) {
        if (j.jourDeLaSemaine() == 0 || j.jourDeLaSemaine() == 6) continue;
        if (hasard() % 40 == 0) lignes.push_back(sautées[hasard() % 4]);
        std::string ligne = j.texte() + "\t" + std::to_string(hasard() % 90 + 10) + "\t99\t1\t" +
                            std::to_string(hasard() % 90 + 10) + "\t" + std::to_string(hasard() % 100000);
        if (forme.remplissage > 0) ligne.append(1, '\t').append(forme.remplissage + hasard() % 7, 'x');
        lignes.push_back(ligne);
        jours.push_back(j);
    }
    std::string octets = texte(lignes, forme.finDeLigne);
    if (!forme.finale) octets.resize(octets.size() - std::strlen(forme.finDeLigne));
    DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("a.txt", octets);

    EXPECT_EQ(datesDe(charger(chemin)), datesLuesEnEntier(lignes, jours.front(), Jour::de(9999, 12, 31)));
    for (int essai = 0; essai < 150; ++essai) {
        const Jour premier = jours[hasard() % jours.size()].plus(static_cast<int>(hasard() % 5) - 2);
        const Jour dernier = essai % 3 == 0 ? Fin : premier.plus(static_cast<int>(hasard() % 300));
        const Jour dernierRéel = dernier == Fin ? jours.back() : dernier;
        EXPECT_EQ(datesDe(charger(chemin, premier, dernier)), datesLuesEnEntier(lignes, premier, dernierRéel))
            << premier.texte() << " " << dernier.texte();
    }
    for (const Jour premier : {jours.back(), jours.back().plus(1), jours.front(), jours.front().plus(-1)})
        EXPECT_EQ(datesDe(charger(chemin, premier, Fin)), datesLuesEnEntier(lignes, premier, jours.back()))
            << premier.texte();
}

INSTANTIATE_TEST_SUITE_P(Formes, FenêtreTest,
                         testing::Values(Forme{"Courtes", 0, "\r\n", true}, Forme{"Moyennes", 12, "\r\n", true},
                                         Forme{"Cinquante", 22, "\r\n", true}, Forme{"Longues", 70, "\r\n", false},
                                         Forme{"TresLongues", 200, "\r\n", true}, Forme{"CourtesLF", 0, "\n", false},
                                         Forme{"CinquanteLF", 23, "\n", true}),
                         [](const testing::TestParamInfo<Forme>& info) { return std::string(info.param.nom); });

// ---- ToDate ----

TEST(ToDateTest, LitLesCaractèresCommeDesNombres) {
    struct Cas {
        const char* texte;
        Jour attendu;
    };
    const Cas cas[] = {
        {"20240105", Jour::de(2024, 1, 5)}, {"20240229", Jour::de(2024, 2, 29)}, {"20240230", Jour()},
        {"20230229", Jour()},               {"20241301", Jour()},                {"2024010", Jour()},
        {"abcdefgh", Jour()},               {"", Jour()},                        {"20240105xyz", Jour::de(2024, 1, 5)},
        {"00000101", Jour()},
    };
    for (const Cas& c : cas) EXPECT_EQ(BourseCollection::ToDate(c.texte), c.attendu) << c.texte;
    EXPECT_LT(Jour(), Jour::de(1, 1, 1));
    EXPECT_EQ(Jour().texte(), "18991230");
}

}  // namespace
}  // namespace vantorelle
