#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/BourseCollection.h"
#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

/// A candle, daily or grouped: its key, prices and volume in ten-thousandths.
struct Période {
    std::string clé;
    float o, h, l, c;
    std::int64_t volume;
    friend bool operator==(const Période&, const Période&) = default;
    friend std::ostream& operator<<(std::ostream& flux, const Période& p) {
        return flux << p.clé << ' ' << p.o << ' ' << p.h << ' ' << p.l << ' ' << p.c << ' ' << p.volume;
    }
};

BourseCollection quotidiennes(const std::vector<Période>& bougies) {
    BourseCollection bourse;
    bourse.Code = "FR0000000001";
    bourse.Nom = "Alpha";
    for (const Période& b : bougies) bourse.Ajouter(b.clé, b.o, b.h, b.l, b.c, Monnaie{b.volume});
    return bourse;
}

std::vector<Période> périodesDe(const BourseCollection& bourse) {
    std::vector<Période> périodes;
    for (std::int32_t i = 1; i <= bourse.Nombre; ++i)
        périodes.push_back({bourse.Date.Item(i).texte(), bourse.Ouverture.Item(i).enSimple(),
                            bourse.Maximum.Item(i).enSimple(), bourse.Minimum.Item(i).enSimple(),
                            bourse.Clôture.Item(i).enSimple(),
                            std::get<Monnaie>(bourse.Volume.Item(i).contenu()).dixMillièmes});
    return périodes;
}

TEST(CleSemaineTest, AroundNewYears) {
    // Weeks run from Sunday; week 1 holds 1 January, so the days before the first Sunday make a week.
    const std::pair<const char*, const char*> cas[] = {
        {"19991231", "199953"}, {"20000101", "200001"}, {"20000102", "200002"}, {"20001231", "200054"},
        {"20041231", "200453"}, {"20050101", "200501"}, {"20050102", "200502"}, {"20051231", "200553"},
        {"20101231", "201053"}, {"20110101", "201101"}, {"20110102", "201102"}, {"20111231", "201153"},
        {"20120101", "201201"}, {"20120107", "201201"}, {"20120108", "201202"}, {"20121231", "201253"},
        {"20271231", "202753"}, {"20280101", "202801"}, {"20280102", "202802"}, {"20281230", "202853"},
        {"20281231", "202854"}, {"20240615", "202424"},
        {"20240230", "189952"},  // an impossible date is the zero date, Saturday 30 December 1899
    };
    for (const auto& [date, clé] : cas) EXPECT_EQ(BourseCollection::CleSemaine(date), clé) << date;
}

TEST(ConversionTest, WeeksAndMonths) {
    constexpr std::int64_t UnMilliard = 1'000'000'000LL * 10000;
    const struct {
        const char* nom;
        std::vector<Période> jours, semaines, mois;
    } cas[] = {
        {"a week of five days",
         {{"20240108", 10, 11, 9, 10.5f, 1000000}, {"20240109", 10.5f, 12, 10, 11, 2000000},
          {"20240110", 11, 11.5f, 8.5f, 9, 3000000}, {"20240111", 9, 10, 8.75f, 9.5f, 4000000},
          {"20240112", 9.5f, 10.25f, 9, 10, 5000000}},
         {{"202402", 10, 12, 8.5f, 10, 15000000}},
         {{"202401", 10, 12, 8.5f, 10, 15000000}}},
        {"the new year cuts the week",
         {{"20081229", 10, 11, 9, 10, 10000}, {"20081230", 10, 12, 9, 11, 10000}, {"20090102", 11, 13, 10, 12, 10000},
          {"20090105", 12, 14, 11, 13, 10000}},
         {{"200853", 10, 12, 9, 11, 20000}, {"200901", 11, 13, 10, 12, 10000}, {"200902", 12, 14, 11, 13, 10000}},
         {{"200812", 10, 12, 9, 11, 20000}, {"200901", 11, 14, 10, 13, 20000}}},
        {"one candle", {{"20240315", 10, 11, 9, 10.5f, 12345}}, {{"202411", 10, 11, 9, 10.5f, 10000}},
         {{"202403", 10, 11, 9, 10.5f, 12345}}},
        {"no candle", {}, {}, {}},
        // Out of order, the second day belongs to an earlier week: it joins the current one, whose key is then
        // the key of its last day.
        {"a key that does not grow",
         {{"20240108", 10, 11, 9, 10, 10000}, {"20240103", 10, 12, 8, 11, 10000}, {"20240115", 11, 13, 10, 12, 10000}},
         {{"202401", 10, 12, 8, 11, 20000}, {"202403", 11, 13, 10, 12, 10000}},
         {{"202401", 10, 13, 8, 12, 30000}}},
        // The weekly volume is a whole number at each step (halves to even); the monthly one is exact.
        {"whole weekly volumes", {{"20240108", 1, 1, 1, 1, 15000}, {"20240109", 1, 1, 1, 1, 25000}},
         {{"202402", 1, 1, 1, 1, 40000}}, {{"202401", 1, 1, 1, 1, 40000}}},
        {"whole weekly volumes, halves to even", {{"20240108", 1, 1, 1, 1, 25000}, {"20240109", 1, 1, 1, 1, 1}},
         {{"202402", 1, 1, 1, 1, 20000}}, {{"202401", 1, 1, 1, 1, 25001}}},
        {"beyond two billions",
         {{"20240108", 1, 1, 1, 1, UnMilliard}, {"20240109", 1, 1, 1, 1, UnMilliard}, {"20240110", 1, 1, 1, 1, UnMilliard}},
         {{"202402", 1, 1, 1, 1, 3 * UnMilliard}}, {{"202401", 1, 1, 1, 1, 3 * UnMilliard}}},
    };
    for (const auto& c : cas) {
        const BourseCollection jours = quotidiennes(c.jours);
        for (const BourseCollection& périodes : {jours.ConvertirEnSemaines(), jours.ConvertirEnMois()}) {
            EXPECT_EQ(périodes.Code, "FR0000000001");
            EXPECT_EQ(périodes.Nom, "Alpha");
        }
        EXPECT_EQ(périodesDe(jours.ConvertirEnSemaines()), c.semaines) << c.nom;
        EXPECT_EQ(périodesDe(jours.ConvertirEnMois()), c.mois) << c.nom;
        EXPECT_EQ(jours.Nombre, static_cast<std::int32_t>(c.jours.size())) << "the daily object is left as it was";
    }
}

TEST(ConversionTest, DefaultOptionsAndDerivedSeries) {
    BourseCollection jours;
    for (Jour j = Jour::de(2023, 1, 2); j < Jour::de(2024, 1, 1); j = j.plus(1)) {
        const float prix = 10.0f + static_cast<float>(j.quantième() % 17);
        jours.Ajouter(j.texte(), prix, prix + 1, prix - 1, prix + 0.5f, Monnaie{10000});
    }
    jours.Options.Item(OptionsAnalyse::Tolérance, "0,5");
    jours.Options.Item(OptionsAnalyse::Période, "3");
    jours.Options.Item(OptionsAnalyse::AvecTendance, "0");
    const BourseCollection semaines = jours.ConvertirEnSemaines(), mois = jours.ConvertirEnMois();
    EXPECT_EQ(semaines.Options.enDouble(OptionsAnalyse::Tolérance), 0.0625);
    EXPECT_EQ(semaines.Options.enEntier(OptionsAnalyse::Période), 14);
    // Weeks: sizes and the trend with the default options, no figures; 12 months are no more than Période.
    EXPECT_EQ((std::vector<std::int32_t>{semaines.Nombre, semaines.TailleCorps.Longueur(), semaines.MoyenneOmbre.Longueur(),
                                         semaines.Tendance.Longueur(), semaines.Chandeliers.Longueur(), mois.Nombre,
                                         mois.Tendance.Longueur()}),
              (std::vector<std::int32_t>{53, 53, 53, 53, 0, 12, 0}));
}

TEST(ConversionTest, TheDatesReadByTheLoadAreWorthTheirKeys) {
    // Keys as a file may spell them: with a point or a byte beyond ASCII, which the key changes; with a comma
    // or impossible, which no load keeps; out of order.
    const char* const clés[] = {"20231229", "20240102", "20240103.5", "20240104x", "20240108\xE9",
                                "2024,01,10", "20240230", "20240111", "20240105", "20240116", "20240117"};
    std::string texte;
    for (const char* clé : clés) texte += std::string(clé) + "\t10\t12\t9\t11\t1500\r\n";
    test::DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("a.txt", texte);
    for (const bool semaines : {true, false}) {
        BourseCollection lue;
        lue.ChargeFichier("FR0000000001", "Alpha", chemin, BourseCollection::DébutDuFichier,
                          BourseCollection::FinDuFichier, 0);
        ASSERT_EQ(lue.Nombre, 9);
        const auto parLesDatesLues = périodesDe(semaines ? lue.ConvertirEnSemaines() : lue.ConvertirEnMois());
        // Rewritten as it is, the date series no longer is as the load left it: its texts are read again.
        lue.Date.Item(1, lue.Date.Item(1));
        EXPECT_EQ(parLesDatesLues, périodesDe(semaines ? lue.ConvertirEnSemaines() : lue.ConvertirEnMois()));
    }
}

TEST(ConversionTest, GroupingWhileReadingGivesTheConversionOfTheLoadedDays) {
    // Repairs, keys a load changes, skipped lines, a window cut inside weeks and months, the file's markers.
    const std::string texte =
        "20231228\t10\t12\t9\t11\t1500\r\n20231229\t0\t12\t9\t11\t2500,5\r\n20240102.5\t10\t0\t0\t0\t7\r\n"
        "court\t1\r\n20240103\t\t\t\t\t\r\n20240104\xE9\t10,5\t12.25\t9\t11\t1e3\r\n20240108\t9\t13\t8\t12\t3\r\n"
        "20240131\t9\t13\t8\t0\t3\r\n20240201\t9\t13\t8\t12\t3\r\n20240212\t8\t9\t7\t8,5\t9\r\n";
    test::DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("a.txt", texte);
    const std::pair<Jour, Jour> fenêtres[] = {
        {BourseCollection::DébutDuFichier, BourseCollection::FinDuFichier},
        {Jour::de(2023, 12, 29), Jour::de(2024, 2, 1)},
        {Jour::de(2024, 1, 3), Jour::de(2024, 1, 3)},
        {Jour::de(2025, 1, 1), Jour::de(2025, 2, 1)},
    };
    for (const auto& [premier, dernier] : fenêtres) {
        for (const bool semaines : {true, false}) {
            BourseCollection jours;
            jours.ChargeFichier("FR0000000001", "Alpha", chemin, premier, dernier, 0);
            BourseCollection prêteuse;
            const BourseCollection lues =
                prêteuse.ChargePériodes("FR0000000001", "Alpha", chemin, premier, dernier, semaines);
            EXPECT_EQ(périodesDe(lues), périodesDe(semaines ? jours.ConvertirEnSemaines() : jours.ConvertirEnMois()))
                << premier.texte() << ' ' << semaines;
            EXPECT_EQ(lues.Code, "FR0000000001");
            EXPECT_EQ(lues.Nom, "Alpha");
            EXPECT_EQ(prêteuse.Nombre, 0) << "the days are not written to the lending object";
        }
    }
}

TEST(ConversionTest, GroupingWhileReadingFailsAsTheLoadDoes) {
    test::DossierTemporaire dossier;
    const std::string chemin = dossier.écrire("a.txt", "20240102\t1\t2\t1\t2\t5\r\n20240103\t1\tzz\t1\t2\t5\r\n");
    const Jour premier = Jour::de(2024, 1, 1), dernier = Jour::de(2024, 12, 31);
    const std::string message = chemin + " : ligne 2 : date 20240103 : champ 3 (Maximum) : \"zz\" n'est pas un nombre.";
    EXPECT_THROW_MSG(BourseCollection().ChargeFichier("C", "N", chemin, premier, dernier, 0), ErreurConversion, message);
    BourseCollection bourse;
    EXPECT_THROW_MSG(bourse.ChargePériodes("C", "N", chemin, premier, dernier, true), ErreurConversion, message);
    // The size options are read once a candle is read, as the daily sizes would read them.
    bourse.Options.Item(OptionsAnalyse::Période2, "deux");
    EXPECT_THROW_MSG(bourse.ChargePériodes("C", "N", chemin, premier, Jour::de(2024, 1, 2), true), ErreurConversion,
                     "Option \"Période2\" : Incompatibilité de type : \"deux\" n'est pas un nombre");
    EXPECT_EQ(bourse.ChargePériodes("C", "N", chemin, Jour::de(2025, 1, 1), Jour::de(2025, 2, 1), true).Nombre, 0);
}

}  // namespace
}  // namespace vantorelle
