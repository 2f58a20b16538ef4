#include "acquire/LigneImport.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace vantorelle::test {
namespace {

// Read on Friday 5 January 2007: the history line when written, else the reason.
TEST(ImportLine, WrittenIgnoredRejectedOrStopping) {
    using enum SortLigne;
    const std::tuple<const char*, SortLigne, const char*> cas[] = {
        {"FR0000000001,061229,10.5,11,10.2,10.9,1500.4", Écrite, "20061229\t10,5\t11\t10,2\t10,9\t1500\r\n"},
        {"FR1,070106,1,2,0.5,1.5,2.5,extra", Écrite, "20070106\t1\t2\t0,5\t1,5\t2\r\n"},
        {"FR1,061229,1,1,1,1", Ignorée, ""},
        {",061229,1,1,1,1,1", Ignorée, ""},
        {"FR1;061229;1;1;1;1;1", Ignorée, ""},
        {"FR1,06.229,1,1,1,1,1", Rejetée, "champ 2 (Date) : \"06.229\" n'est pas une date AAMMJJ."},
        {"FR1,070230,1,1,1,1,1", Rejetée, "champ 2 (Date) : \"070230\" n'est pas une date valide."},
        {"FR1,991231,1,1,1,1,1", Rejetée, "champ 2 (Date) : \"991231\" est postérieure à demain."},
        {"FR1,061229,1O.5,1,1,1,1", Rejetée, "champ 3 (Ouverture) : \"1O.5\" n'est pas un nombre."},
        {"FR1,061229,1,1,1,,1", Rejetée, "champ 6 (Clôture) : \"\" n'est pas un nombre."},
        {"FR1,061229,1,1e40,1,1,1", Rejetée, "champ 4 (Maximum) : \"1e40\" dépasse la capacité."},
        {"FR1,061229,1,1,1,1,abc", Arrêt, "champ 7 (Volume) : \"abc\" n'est pas un nombre."},
    };
    for (const auto& [texte, sort, résultat] : cas) {
        const LigneImport l = LireLigneImport(texte, Jour::deClé("20070105"));
        EXPECT_EQ(l.sort, sort) << texte;
        EXPECT_EQ(l.sort == Écrite ? l.historique : l.raison, résultat) << texte;
    }
}

TEST(ImportLine, VolumeRoundsHalfToEvenExactlyIn64Bits) {
    constexpr auto max = std::numeric_limits<std::int64_t>::max(), min = std::numeric_limits<std::int64_t>::min();
    using enum LectureCours;
    const std::tuple<const char*, LectureCours, std::int64_t> cas[] = {
        {"3,5", Valide, 4}, {"2.50001", Valide, 3}, {"-2.5", Valide, -2}, {" +7 ", Valide, 7}, {".5", Valide, 0},
        {"9223372036854775807.4", Valide, max}, {"-9223372036854775808.5", Valide, min},
        {"9223372036854775807.5", Dépassement, 0}, {"9223372036854775808", Dépassement, 0},
        {".", PasUnNombre, 0}, {"1e3", PasUnNombre, 0}, {"1.2.3", PasUnNombre, 0}, {"-", PasUnNombre, 0},
    };
    for (const auto& [champ, lecture, attendu] : cas) {
        std::int64_t volume = 0;
        EXPECT_EQ(std::pair(lireVolumeEntier(champ, volume), volume), std::pair(lecture, attendu)) << champ;
    }
}

}  // namespace
}  // namespace vantorelle::test
