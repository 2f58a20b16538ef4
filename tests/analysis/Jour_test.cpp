#include <gtest/gtest.h>

#include <random>
#include <string>

#include "analysis/Jour.h"

namespace vantorelle {
namespace {

TEST(JourTest, CalendarAndArithmetic) {
    struct Cas {
        Jour jour;
        int jourDeLaSemaine;  // 0 Sunday
        int quantième;
    };
    const Cas cas[] = {
        {Jour::de(1970, 1, 1), 4, 1},    {Jour::de(2000, 1, 1), 6, 1},    {Jour::de(2000, 12, 31), 0, 366},
        {Jour::de(2024, 3, 1), 5, 61},   {Jour::de(2023, 3, 1), 3, 60},   {Jour::de(1900, 1, 1), 1, 1},
        {Jour::de(2028, 12, 31), 0, 366}, {Jour(), 6, 364},  // the zero date is Saturday 30 December 1899
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(c.jour.jourDeLaSemaine(), c.jourDeLaSemaine) << c.jour.texte();
        EXPECT_EQ(c.jour.quantième(), c.quantième) << c.jour.texte();
    }
    EXPECT_EQ(Jour::de(2024, 2, 28).plus(1), Jour::de(2024, 2, 29));
    EXPECT_EQ(Jour::de(2024, 2, 29).plus(1), Jour::de(2024, 3, 1));
    EXPECT_EQ(Jour::de(2000, 1, 1).plus(-1), Jour::de(1999, 12, 31));
    EXPECT_EQ(Jour::de(2024, 1, 15).plus(-730), Jour::de(2022, 1, 15));
    EXPECT_EQ(Jour::de(1970, 1, 1).numéro(), 0);
    EXPECT_EQ(Jour::de(2024, 2, 30), Jour());
    EXPECT_EQ(Jour::de(2024, 1, 5).texte(), "20240105");
    EXPECT_EQ(Jour::de(812, 7, 4).texte(), "08120704");
    EXPECT_LT(Jour(), Jour::de(1, 1, 1));
    EXPECT_LT(Jour::de(2023, 12, 31), Jour::de(2024, 1, 1));
}

TEST(JourTest, EightDigitsReadAtOnce) {
    static_assert(Jour::huitChiffres("20240115") == 20240115);
    const auto attendu = [](const std::string& texte) {
        int n = 0;
        for (std::size_t k = 0; k < 8; ++k) {
            if (texte[k] < '0' || texte[k] > '9') return -1;
            n = n * 10 + (texte[k] - '0');
        }
        return n;
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
