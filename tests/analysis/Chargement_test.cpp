#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "Aides.h"
#include "analysis/BourseCollection.h"
#include "analysis/LecteurHistorique.h"
#include "analysis/LectureCours.h"
#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Avertissement.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using test::Période;
using test::périodesDe;

const Jour Début = BourseCollection::DébutDuFichier;
const Jour Fin = BourseCollection::FinDuFichier;

Jour jour(int aaaammjj) { return Jour::de(aaaammjj / 10000, aaaammjj / 100 % 100, aaaammjj % 100); }

std::vector<std::string> datesDe(const BourseCollection& bourse) {
    std::vector<std::string> dates;
    for (std::int32_t i = 1; i <= bourse.Nombre; ++i) dates.push_back(bourse.Date.Item(i).texte());
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

std::vector<std::string> avertissementsDe(const BourseCollection& bourse) {
    std::vector<std::string> textes;
    for (const Avertissement& a : bourse.AvertissementsDuChargement()) textes.push_back(texteAvertissement(a));
    return textes;
}

TEST(ChargementTest, FieldsWindowMarkersTailAndWarnings) {
    const std::pair<std::string, std::vector<Période>> lues[] = {
        {texte(TroisJours),
         {{"20240102", 10.5f, 11.25f, 9.75f, 11, 15000000}, {"20240103", 11, 12, 10.5f, 11.5f, 20000000},
          {"20240104", 11.5f, 11.75f, 10, 10.25f, 17500000}}},
        // Halfway between two singles by less than a double can tell: through a double it would round down. An
        // empty field is 0, and the repair gives the close the open.
        {"20240102\t1.000000059604644775390625000001\t2\t0,1\t1,00000005960464477539062500001\t7\r\n"
         "20240103\t10\t11\t9\t\t100\r\n",
         {{"20240102", 1.00000012f, 2, 0.1f, 1.00000012f, 70000}, {"20240103", 10, 11, 9, 10, 1000000}}},
        // Repairs in order: a missing open takes the close, a missing low the open and a missing high the close;
        // without an open or a close every price is 1. Prices below 1 are prices.
        {texte({"20240102\t0\t11\t9\t10,5\t1", "20240103\t10\t0\t0\t12\t1", "20240104\t0\t5\t4\t0\t1",
                "20240105\t0,5\t0,75\t0,25\t0,5\t1"}),
         {{"20240102", 10.5f, 11, 9, 10.5f, 10000}, {"20240103", 10, 12, 10, 12, 10000},
          {"20240104", 1, 1, 1, 1, 10000}, {"20240105", 0.5f, 0.75f, 0.25f, 0.5f, 10000}}},
    };
    test::DossierTemporaire dossier;
    for (const auto& [octets, attendues] : lues)
        EXPECT_EQ(périodesDe(charger(dossier.écrire("a.txt", octets))), attendues) << octets;

    struct Cas {
        const char* nom;
        std::string octets;
        Jour premier, dernier;
        std::int32_t n;
        std::vector<std::string> dates, avertissements = {};  // the warnings after "avertissement : FICHIER : "
    };
    const std::string courte = "20240103\t1\t1\t1\t1\t123456";
    const std::string longue = courte + "\t" + std::string(60, 'x');
    const std::string ignorée = "1 ligne ignorée (date illisible ou moins de 6 champs) : ";
    const std::string utf16 = "fichier en UTF-16 : à enregistrer en Windows-1252 ou en UTF-8";
    // One object loads every case in turn: each load starts with no warning, and one that finds no line to read
    // keeps the candles before.
    const Cas cas[] = {
        // A line dated after the window stops the load, no news when the file's last candle is later still: a date
        // slip, below, hides the lines after it.
        {"a window ending early", texte(TroisJours), jour(20240102), jour(20240103), 0, {"20240102", "20240103"}},
        // A one-field header is skipped; the start marker then reads the zero date and keeps every line.
        {"header", "Date;Ouverture;Plus haut\r\n" + texte(TroisJours), Début, Fin, 0,
         {"20240102", "20240103", "20240104"}, {"ligne 1 : " + ignorée + "\"Date;Ouverture;Plus haut\""}},
        // A key with a point reads as the zero date, kept when the window starts at the zero date.
        {"key with a point", "2024.1.2\t1\t1\t1\t1\t1\r\n", Jour(), Fin, 0, {"2024,1,2"}},
        // The end marker is the date of the last line that is not blank.
        {"blank lines around", texte({"", "20240102\t1\t1\t1\t1\t1", "20240103\t1\t1\t1\t1\t1", "", ""}), Début,
         Fin, 0, {"20240102", "20240103"}},
        // The tail of n bytes gives its whole lines, and at least the last one.
        {"tail of 50", texte(TroisJours), Début, Fin, 50, {"20240104"}},
        {"tail beyond the file", texte(TroisJours), Début, Fin, 200, {"20240102", "20240103", "20240104"}},
        {"tail inside a long line", texte({TroisJours[0], longue}), Début, Fin, 50, {"20240103"}},
        {"tail inside the only line", texte({longue}), Début, Fin, 50, {"20240103"}},
        {"tail with a blank last line", texte({TroisJours[0], longue, ""}), Début, Fin, 50, {"20240103"}},
        // A slice that starts on the LF of a CR LF still sees the line after it.
        {"tail from an LF", texte({TroisJours[0], courte}), Début, Fin, static_cast<std::int32_t>(courte.size() + 2),
         {"20240103"}},
        // The tail goes back to the last line that reads as a candle; the line after it, skipped, has no number.
        {"tail of no candle", texte(TroisJours) + "fin\r\n", Début, Fin, 5, {"20240104"}, {ignorée + "\"fin\""}},
        {"byte-order mark", "\xEF\xBB\xBF" + texte(TroisJours), Début, Fin, 0, {"20240102", "20240103", "20240104"}},
        // Blank lines are not counted; the first line skipped is quoted from Windows-1252, cut at 40 characters;
        // the end marker is the date of the last line that reads as a candle.
        {"skipped", texte({TroisJours[0], "Cl\xF4ture\t1" + std::string(50, '9'), "", " ", "\t1\t2\t3\t4\t5",
                           "2024.1.3\t1\t1\t1\t1\t1"}), Début, Fin, 0, {"20240102"},
         {"ligne 2 : 3 lignes ignorées (date illisible ou moins de 6 champs), la première : \"Clôture\\t1" +
          std::string(31, '9') + "…\""}},
        // A window that misses the candles is no news; a file without any tells why.
        {"a window after the file", texte(TroisJours), jour(20250101), jour(20251231), 0, {}},
        {"empty", "", Début, Fin, 0, {}, {"fichier vide"}},
        {"UTF-16", std::string("D\0", 2), jour(20240101), jour(20241231), 0, {},
         {"ligne 1 : " + ignorée + "\"D\\0\"", utf16}},
        {"CR line ends", "Date\r20240102\r", Début, Fin, 0, {},
         {"ligne 1 : " + ignorée + "\"Date\\r20240102\"", "fins de ligne CR seules (ancien format Mac)"}},
        {"no candle", "Date;Ouverture\r\n", Début, Fin, 0, {},
         {"ligne 1 : " + ignorée + "\"Date;Ouverture\"",
          "aucune ligne de bougie (6 champs séparés par des TAB, une date aaaammjj)"}},
        // In a window that does not start the file, a skipped line has no number; a date slip's is counted.
        {"a date slip", texte({TroisJours[0], TroisJours[1], "x", "20920101\t1\t1\t1\t1\t1", TroisJours[2]}),
         jour(20240103), Fin, 0, {"20240103"},
         {ignorée + "\"x\"", "ligne 4 : date 20920101 après celle de la dernière ligne (20240104) : le chargement "
                             "s'arrête ici, 1 ligne suivante ignorée"}},
    };
    BourseCollection bourse, jours;
    for (const Cas& c : cas) {
        const std::string chemin = dossier.écrire("a.txt", c.octets);
        std::vector<std::string> attendus;
        for (const std::string& a : c.avertissements) attendus.push_back("avertissement : " + chemin + " : " + a);
        bourse.ChargeFichier("FR0000000001", "Alpha", chemin, c.premier, c.dernier, c.n);
        EXPECT_EQ(datesDe(bourse), c.dates) << c.nom;
        EXPECT_EQ(avertissementsDe(bourse), attendus) << c.nom;
        if (c.n > 0) continue;
        // The periods' load tells its warnings on the object that lends it its memory.
        jours.ChargePériodes("FR0000000001", "Alpha", chemin, c.premier, c.dernier, true);
        EXPECT_EQ(avertissementsDe(jours), attendus) << c.nom;
    }
    // A tail without a line end reads its last byte.
    const std::string sansFin = dossier.écrire("b.txt", TroisJours[0] + "\r\n" + courte);
    EXPECT_EQ(périodesDe(charger(sansFin, Début, Fin, 50)),
              (std::vector<Période>{{"20240103", 1, 1, 1, 1, 1234560000}}));
}

TEST(ChargementTest, AMissingFileOrAShorterLoad) {
    test::DossierTemporaire dossier;
    BourseCollection bourse = charger(dossier.écrire("a.txt", texte(TroisJours)));
    // With a marker and nothing to read, the candles stay; only the code and the name change.
    bourse.ChargeFichier("FR0000000002", "Beta", dossier.fichier("absent.txt"), Début, Fin, 0);
    EXPECT_EQ(std::tuple(bourse.Nombre, bourse.Code, bourse.Nom), std::tuple(3, "FR0000000002", "Beta"));
    bourse.ChargeFichier("FR0000000002", "Beta", dossier.écrire("vide.txt", ""), jour(20240101), Fin, 0);
    EXPECT_EQ(bourse.Nombre, 3);
    // A shorter load leaves the values beyond its candles.
    bourse.ChargeFichier("FR0000000002", "Beta", dossier.écrire("b.txt", texte({TroisJours[1]})), Début, Fin, 0);
    EXPECT_EQ(std::tuple(bourse.Nombre, bourse.Date.Item(1).texte(), bourse.Date.Item(3).texte(),
                         bourse.Ouverture.Longueur(), bourse.TailleCorps.Longueur()),
              std::tuple(1, "20240103", "20240104", 3, 1));
    // With both dates given, a missing file loads no candle.
    bourse.ChargeFichier("FR0000000003", "Gamma", "", jour(20240101), jour(20241231), 0);
    EXPECT_EQ(bourse.Nombre, 0);
}

TEST(ChargementTest, AnUnreadableNumberNamesTheFileTheDateAndTheField) {
    const std::string illisible = "20240104\t11\t12\t10\t1O,5\t100";
    const struct {
        std::string octets;
        Jour premier;
        std::string message;
        std::int32_t gardées;  // the candles before are kept, the derived series not computed
    } cas[] = {
        {texte({TroisJours[0], TroisJours[1], illisible, TroisJours[2]}), Début,
         " : ligne 3 : date 20240104 : champ 5 (Clôture) : \"1O,5\" n'est pas un nombre.", 2},
        // A window load counts the line from the file's start.
        {texte({TroisJours[0], TroisJours[1], illisible}), jour(20240103),
         " : ligne 3 : date 20240104 : champ 5 (Clôture) : \"1O,5\" n'est pas un nombre.", 1},
        // A six-field header is a line to load, and its words are not numbers.
        {"Date\tOuverture\tMaximum\tMinimum\tClôture\tVolume\r\n" + texte(TroisJours), Début,
         " : ligne 1 : date Date : champ 2 (Ouverture) : \"Ouverture\" n'est pas un nombre.", 0},
        {"20240102\t1\t1\t1\t1\t1e400\r\n", Début,
         " : ligne 1 : date 20240102 : champ 6 (Volume) : \"1e400\" dépasse la capacité.", 0},
    };
    test::DossierTemporaire dossier;
    for (const auto& c : cas) {
        const std::string fichier = dossier.écrire("a.txt", c.octets);
        BourseCollection bourse;
        EXPECT_THROW_MSG(bourse.ChargeFichier("FR0000000001", "Alpha", fichier, c.premier, Fin, 0), ErreurConversion,
                         fichier + c.message);
        EXPECT_EQ(std::pair(bourse.Nombre, bourse.TailleCorps.Longueur()), std::pair(c.gardées, 0)) << c.message;
    }
}

// ---- The number fields ----

TEST(LectureCoursTest, PricesOfEveryShapeAndAsStrtofReadsThem) {
    constexpr auto Valide = LectureCours::Valide, Non = LectureCours::PasUnNombre;
    const struct {
        const char* texte;
        LectureCours lecture;
        float prix;
    } cas[] = {
        {"", Valide, 0},        {"12.5", Valide, 12.5f}, {" 12,5 ", Valide, 12.5f},   {"+3", Valide, 3},
        {"-1,5", Valide, -1.5f}, {",5", Valide, 0.5f},   {"1e3", Valide, 1000},       {"1,5E-2", Valide, 0.015f},
        {"1e-50", Valide, 0},   {" ", Non, 0},           {"abc", Non, 0},             {"--1", Non, 0},
        {"1e", Non, 0},         {",", Non, 0},           {"1 000", Non, 0},           {"1e39", LectureCours::Dépassement, 0},
    };
    for (const auto& c : cas) {
        float prix = -99.0f;
        EXPECT_EQ(lirePrix(c.texte, prix), c.lecture) << c.texte;
        EXPECT_EQ(prix, c.lecture == Valide ? c.prix : -99.0f) << c.texte;
    }

    std::mt19937 hasard(7);
    for (int essai = 0; essai < 20000; ++essai) {
        const std::string entier = std::to_string(hasard() % 1000000000u >> (hasard() % 30));
        const std::string décimales = std::to_string(hasard() % 100000000u).substr(0, hasard() % 9);
        const std::string avecPoint = entier + "." + décimales;
        float prix = 0;
        ASSERT_EQ(lirePrix(entier + "," + décimales, prix), LectureCours::Valide) << avecPoint;
        EXPECT_EQ(prix, std::strtof(avecPoint.c_str(), nullptr)) << avecPoint;
    }
}

TEST(LectureCoursTest, VolumesInTenThousandths) {
    constexpr auto Valide = LectureCours::Valide, Non = LectureCours::PasUnNombre;
    const struct {
        const char* texte;
        LectureCours lecture;
        std::int64_t dixMillièmes;
    } cas[] = {
        {"1500", Valide, 15000000},   {"", Valide, 0},          {"1234,5678", Valide, 12345678},
        {"0,00005", Valide, 0},       {"0,00015", Valide, 2},   {"0,000051", Valide, 1},
        {" 12 ", Valide, 120000},     {"-3", Valide, -30000},   {"1,5E3", Valide, 15000000},
        {"3000000000", Valide, 30000000000000}, {"1e400", LectureCours::Dépassement, -1}, {"12a", Non, -1},
    };
    for (const auto& c : cas) {
        Monnaie volume{-1};
        EXPECT_EQ(lireVolume(c.texte, volume), c.lecture) << c.texte;
        EXPECT_EQ(volume.dixMillièmes, c.dixMillièmes) << c.texte;
    }
}

// ---- Splitting the lines ----

TEST(ChargementTest, ALineIsExaminedByItsTabs) {
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

/// The dates a read of every line keeps: from premier on, up to the first line dated after dernier.
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

TEST(ChargementTest, AWindowGivesWhatAWholeReadKeeps) {
    const struct {
        std::size_t remplissage;  // bytes of a seventh field, to vary the line length
        const char* finDeLigne;
        bool finale;  // a line end after the last line
    } formes[] = {{0, "\r\n", true}, {12, "\r\n", true}, {22, "\r\n", true}, {70, "\r\n", false},
                  {200, "\r\n", true}, {0, "\n", false}, {23, "\n", true}};
    for (const auto& forme : formes) {
        SCOPED_TRACE(testing::Message() << forme.remplissage << ' ' << std::strlen(forme.finDeLigne));
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
            if (hasard() % 30 == 0) lignes.push_back(ligne);  // a day twice: each line is a candle
        }
        std::string octets = texte(lignes, forme.finDeLigne);
        if (!forme.finale) octets.resize(octets.size() - std::strlen(forme.finDeLigne));
        test::DossierTemporaire dossier;
        const std::string chemin = dossier.écrire("a.txt", octets);

        EXPECT_EQ(datesDe(charger(chemin)), datesLuesEnEntier(lignes, jours.front(), Jour::de(9999, 12, 31)));
        for (int essai = 0; essai < 150; ++essai) {
            const Jour premier = jours[hasard() % jours.size()].plus(static_cast<int>(hasard() % 5) - 2);
            const Jour dernier = essai % 3 == 0 ? Fin : premier.plus(static_cast<int>(hasard() % 300));
            EXPECT_EQ(datesDe(charger(chemin, premier, dernier)),
                      datesLuesEnEntier(lignes, premier, dernier == Fin ? jours.back() : dernier))
                << premier.texte() << " " << dernier.texte();
        }
        for (const Jour premier : {jours.back(), jours.back().plus(1), jours.front(), jours.front().plus(-1)})
            EXPECT_EQ(datesDe(charger(chemin, premier, Fin)), datesLuesEnEntier(lignes, premier, jours.back()))
                << premier.texte();
    }
}

// ---- Dates ----

TEST(JourTest, KeysCalendarAndArithmetic) {
    // A key's day, its weekday (0 Sunday) and its day of the year.
    const struct {
        const char* clé;
        int jourDeLaSemaine, quantième;
    } cas[] = {
        {"19700101", 4, 1},  {"20000101", 6, 1},   {"20001231", 0, 366}, {"20240301", 5, 61},  {"20230301", 3, 60},
        {"19000101", 1, 1},  {"20281231", 0, 366}, {"20240229", 4, 60},  {"08120704", 3, 186}, {"20240105xyz", 5, 5},
    };
    for (const auto& c : cas) {
        const Jour jour = BourseCollection::ToDate(c.clé);
        EXPECT_EQ(std::tuple(jour.texte(), jour.jourDeLaSemaine(), jour.quantième()),
                  std::tuple(std::string(c.clé).substr(0, 8), c.jourDeLaSemaine, c.quantième));
    }
    // An impossible key gives the zero date, Saturday 30 December 1899.
    for (const char* clé : {"20240230", "20230229", "20241301", "2024010", "abcdefgh", "", "00000101"})
        EXPECT_EQ(BourseCollection::ToDate(clé), Jour()) << clé;
    EXPECT_EQ(std::tuple(Jour().texte(), Jour().jourDeLaSemaine(), Jour().quantième()), std::tuple("18991230", 6, 364));
    EXPECT_EQ(Jour::de(2024, 2, 28).plus(1), Jour::de(2024, 2, 29));
    EXPECT_EQ(Jour::de(2024, 2, 29).plus(1), Jour::de(2024, 3, 1));
    EXPECT_EQ(Jour::de(2000, 1, 1).plus(-1), Jour::de(1999, 12, 31));
    EXPECT_EQ(Jour::de(2024, 1, 15).plus(-730), Jour::de(2022, 1, 15));
}

TEST(JourTest, EightDigitsReadAtOnce) {
    static_assert(Jour::huitChiffres("20240115") == 20240115);
    const auto attendu = [](const std::string& texte) {
        const bool chiffres = std::all_of(texte.begin(), texte.begin() + 8, [](char c) { return c >= '0' && c <= '9'; });
        return chiffres ? std::stoi(texte.substr(0, 8)) : -1;
    };
    // Every byte at every place of a key, then keys drawn at random from digits and their neighbours.
    for (std::size_t place = 0; place < 8; ++place)
        for (int octet = 0; octet < 256; ++octet) {
            std::string texte = "20240115x";
            texte[place] = static_cast<char>(octet);
            ASSERT_EQ(Jour::huitChiffres(texte), attendu(texte)) << place << " " << octet;
        }
    std::mt19937 hasard(3);
    const std::string octets = "0123456789/:+ .,\x80\xFF";
    for (int essai = 0; essai < 100000; ++essai) {
        std::string texte(8, '0');
        for (char& c : texte)
            c = hasard() % 4 == 0 ? octets[hasard() % octets.size()] : static_cast<char>('0' + hasard() % 10);
        ASSERT_EQ(Jour::huitChiffres(texte), attendu(texte)) << texte;
    }
}

}  // namespace
}  // namespace vantorelle
