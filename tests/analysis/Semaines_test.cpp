#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Aides.h"
#include "analysis/BourseCollection.h"
#include "support/DossierTemporaire.h"
#include "support/Erreurs.h"
#include "store/Erreur.h"

namespace vantorelle {
namespace {

using test::Période;
using test::périodesDe;

TEST(CleSemaineTest, AroundNewYears) {
    // Weeks run from Sunday; week 1 holds 1 January, so the days before the first Sunday make a week.
    const std::pair<const char*, const char*> cas[] = {
        {"19991231", "199953"}, {"20000101", "200001"}, {"20000102", "200002"}, {"20001231", "200054"},
        {"20120101", "201201"}, {"20120107", "201201"}, {"20120108", "201202"}, {"20240615", "202424"},
        {"20240230", "189952"},  // an impossible date is the zero date, Saturday 30 December 1899
    };
    for (const auto& [date, clé] : cas) EXPECT_EQ(BourseCollection::CleSemaine(date), clé) << date;
}

TEST(ConversionTest, WeeksAndMonthsWithDefaultOptionsAndDerivedSeries) {
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
        BourseCollection jours;
        for (const Période& b : c.jours) jours.Ajouter(b.clé, b.o, b.h, b.l, b.c, Monnaie{b.volume});
        EXPECT_EQ(périodesDe(jours.ConvertirEnSemaines()), c.semaines) << c.nom;
        EXPECT_EQ(périodesDe(jours.ConvertirEnMois()), c.mois) << c.nom;
    }

    BourseCollection jours;
    for (Jour j = Jour::de(2023, 1, 2); j < Jour::de(2024, 1, 1); j = j.plus(1)) {
        const float prix = 10.0f + static_cast<float>(j.quantième() % 17);
        jours.Ajouter(j.texte(), prix, prix + 1, prix - 1, prix + 0.5f, Monnaie{10000});
    }
    jours.Options.Item(OptionsAnalyse::Période, "3");
    jours.Options.Item(OptionsAnalyse::AvecTendance, "0");
    const BourseCollection semaines = jours.ConvertirEnSemaines(), mois = jours.ConvertirEnMois();
    // Weeks: sizes and the trend with the default options (not the days' ones), no figures; 12 months are no
    // more than Période 14.
    EXPECT_EQ((std::vector<std::int32_t>{semaines.Nombre, semaines.TailleCorps.Longueur(), semaines.MoyenneOmbre.Longueur(),
                                         semaines.Tendance.Longueur(), semaines.Chandeliers.Longueur(), mois.Nombre,
                                         mois.Tendance.Longueur()}),
              (std::vector<std::int32_t>{53, 53, 53, 53, 0, 12, 0}));
}

TEST(ConversionTest, GroupingWhileReadingGivesTheConversionOfTheLoadedDaysAndFailsAsTheLoadDoes) {
    // Repairs, keys a load changes (a point, a byte beyond ASCII), skipped lines, a window cut inside weeks and
    // months, the file's markers.
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
            // Rewritten as it is, the date series no longer is as the load left it: its texts are read again.
            jours.Date.Item(1, jours.Date.Item(1));
            EXPECT_EQ(périodesDe(lues), périodesDe(semaines ? jours.ConvertirEnSemaines() : jours.ConvertirEnMois()))
                << premier.texte() << ' ' << semaines << " from the texts";
            EXPECT_EQ(lues.Code + lues.Nom, "FR0000000001Alpha");
            EXPECT_EQ(prêteuse.Nombre, 0) << "the days are not written to the lending object";
        }
    }

    // An unreadable field fails as the load does; the size options are read once a candle is read, as the
    // daily sizes would read them.
    const std::string cassé = dossier.écrire("b.txt", "20240102\t1\t2\t1\t2\t5\r\n20240103\t1\tzz\t1\t2\t5\r\n");
    const Jour début = Jour::de(2024, 1, 1);
    BourseCollection bourse;
    EXPECT_THROW_MSG(bourse.ChargePériodes("C", "N", cassé, début, Jour::de(2024, 12, 31), true), ErreurConversion,
                     cassé + " : ligne 2 : date 20240103 : champ 3 (Maximum) : \"zz\" n'est pas un nombre.");
    bourse.Options.Item(OptionsAnalyse::Période2, "deux");
    EXPECT_THROW_MSG(bourse.ChargePériodes("C", "N", cassé, début, Jour::de(2024, 1, 2), true), ErreurConversion,
                     "Option \"Période2\" : Incompatibilité de type : \"deux\" n'est pas un nombre");
    EXPECT_EQ(bourse.ChargePériodes("C", "N", cassé, Jour::de(2025, 1, 1), Jour::de(2025, 2, 1), true).Nombre, 0);
}

}  // namespace
}  // namespace vantorelle
