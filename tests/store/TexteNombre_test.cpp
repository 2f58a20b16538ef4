#include "store/TexteNombre.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "store/Erreur.h"

namespace vantorelle {
namespace {

struct CasSimple {
    float valeur;
    const char* texte;
};

TEST(TexteSimple, SevenSignificantDigitsWithADecimalComma) {
    const CasSimple cas[] = {
        {0.0f, "0"},
        {-0.0f, "0"},
        {1.5f, "1,5"},
        {-2.5f, "-2,5"},
        {12.5f, "12,5"},
        {1500.0f, "1500"},
        {0.1f, "0,1"},           // 0.100000001490116...
        {0.125f, "0,125"},
        {1.12f, "1,12"},
        {100.01f, "100,01"},     // 100.010002136...
        {1.0f / 3.0f, "0,3333333"},
        {2.0f / 3.0f, "0,6666667"},
        {1234567.0f, "1234567"},
        {9999999.0f, "9999999"},
        {1234566.5f, "1234567"},  // an exact tie goes away from zero, not to the even digit
        {-1234566.5f, "-1234567"},
        {0.0001f, "0,0001"},      // 9.99999974e-05 rounds to 0.0001 and so stays fixed
        {0.00012345f, "0,00012345"},
        {0.00001f, "1E-05"},
        {1.5e-5f, "1,5E-05"},
        {-1.5e-5f, "-1,5E-05"},
        {1e7f, "1E+07"},
        {12345678.0f, "1,234568E+07"},
        {-12345678.0f, "-1,234568E+07"},
        {1e10f, "1E+10"},
        {3.4e38f, "3,4E+38"},
        {1e-40f, "9,999946E-41"},  // a denormal single
    };
    for (const auto& c : cas) EXPECT_EQ(texteSimple(c.valeur), c.texte) << c.texte;
}

struct CasDouble {
    double valeur;
    const char* texte;
};

TEST(TexteDouble, FifteenSignificantDigitsWithADecimalComma) {
    const CasDouble cas[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {0.1, "0,1"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {-2.0 / 3.0, "-0,666666666666667"},
        {2.5, "2,5"},
        {12.125, "12,125"},
        {static_cast<double>(0.1f), "0,100000001490116"},
        {123456789012345.0, "123456789012345"},
        {100000000000002.5, "100000000000003"},  // exact tie: away from zero
        {1e15, "1E+15"},
        {999999999999999.875, "1E+15"},  // rounds up into the exponent range
        {1234567890123456.0, "1,23456789012346E+15"},
        {0.0001, "0,0001"},
        {0.00009999, "9,999E-05"},
        {1.5e-5, "1,5E-05"},
        {-0.0000001, "-1E-07"},
        {1e100, "1E+100"},
        {1e-100, "1E-100"},
        {12345678.0, "12345678"},
    };
    for (const auto& c : cas) EXPECT_EQ(texteDouble(c.valeur), c.texte) << c.texte;
}

TEST(TexteMonnaie, DigitsWithUpToFourDecimals) {
    struct Cas {
        std::int64_t dixMillièmes;
        const char* texte;
    };
    const Cas cas[] = {
        {0, "0"},           {15000000, "1500"},     {-25000, "-2,5"},   {1, "0,0001"},
        {-1, "-0,0001"},    {12345, "1,2345"},      {10, "0,001"},      {123450000, "12345"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477,5808"},
    };
    for (const auto& c : cas) EXPECT_EQ(texteMonnaie(Monnaie{c.dixMillièmes}), c.texte) << c.texte;
}

TEST(TexteEntierEtBooléen, DigitsAndFrenchTruthValues) {
    EXPECT_EQ(texteEntier(0), "0");
    EXPECT_EQ(texteEntier(-32768), "-32768");
    EXPECT_EQ(texteEntier(2147483647), "2147483647");
    EXPECT_EQ(texteBooléen(true), "Vrai");
    EXPECT_EQ(texteBooléen(false), "Faux");
}

struct CasFormat {
    double valeur;
    const char* format;
    const char* texte;
};

TEST(FormatDouble, RoundsTheFifteenDigitTextHalfAwayFromZero) {
    const CasFormat cas[] = {
        {12.125, "00.00", "12,13"},
        {-1.5, "00.00", "-01,50"},
        {0.0, "00.00", "00,00"},
        {7.0, "00.00", "07,00"},
        {123.456, "00.00", "123,46"},
        {99.995, "00.00", "100,00"},  // 99.99499999999999744 reads 99.9950000000000 at 15 digits
        {1.005, "0.00", "1,01"},      // 1.00499999999999989 likewise
        {2.675, "0.00", "2,68"},
        {0.004, "0.00", "0,00"},
        {-0.004, "0.00", "0,00"},     // rounds to zero: no minus sign
        {-0.005, "0.00", "-0,01"},
        {1234.5678, "0.000", "1234,568"},
        {2.5, "0.000", "2,500"},
        {1.23e-10, "0.000", "0,000"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.5, "0", "1"},
        {0.4, "0", "0"},
        {9.5, "00", "10"},
        {1e20, "0.00", "100000000000000000000,00"},
        {5.0, "#0.0", "5,0"},
        {0.25, "#.0", ",3"},
    };
    for (const auto& c : cas) EXPECT_EQ(Format(c.valeur, c.format), c.texte) << c.valeur << " " << c.format;
}

TEST(FormatSimple, RoundsTheSevenDigitTextHalfAwayFromZero) {
    struct Cas {
        float valeur;
        const char* format;
        const char* texte;
    };
    const Cas cas[] = {
        {12.125f, "00.00", "12,13"},
        {-1.5f, "00.00", "-01,50"},
        {1.115f, "0.00", "1,12"},   // 1.11500001
        {2.675f, "0.00", "2,68"},   // 2.67499995 reads 2.675000 at 7 digits
        {0.1f, "0.000", "0,100"},
        {5.5f, "0.000", "5,500"},
        {-0.0001f, "0.000", "0,000"},
        {1234567.0f, "00.00", "1234567,00"},
        {12345678.0f, "0", "12345680"},  // beyond 7 digits the text has zeros
    };
    for (const auto& c : cas) EXPECT_EQ(Format(c.valeur, c.format), c.texte) << c.valeur << " " << c.format;
}

TEST(Format, RefusesAFormatOfAnotherShape) {
    for (const char* format : {"", "0.0#", "abc", "0.", "0#.0"}) {
        try {
            Format(1.0, format);
            ADD_FAILURE() << format;
        } catch (const ErreurConversion& e) {
            EXPECT_EQ(e.what(), std::string("Format numérique non reconnu : \"") + format + "\"");
        }
    }
}

TEST(LireNombre, AcceptsCommaOrPointDecimals) {
    struct Cas {
        const char* texte;
        std::optional<double> valeur;
    };
    const Cas cas[] = {
        {"12,5", 12.5},       {"12.5", 12.5},   {" -1,5E-05 ", -1.5e-5}, {"1500", 1500.0},
        {"+3", 3.0},          {",5", 0.5},      {"1E+07", 1e7},          {"0", 0.0},
        {"1.234,5", std::nullopt}, {"NO_EVAL", std::nullopt}, {"", std::nullopt}, {"  ", std::nullopt},
        {"12abc", std::nullopt},   {"inf", std::nullopt},     {"-", std::nullopt}, {"1 500", std::nullopt},
    };
    for (const auto& c : cas) EXPECT_EQ(lireNombre(c.texte), c.valeur) << c.texte;
}

TEST(LireNombre, ReadsBackTheTextOfADouble) {
    for (double x : {0.1, 12.345, -2.5e-7, 123456789012345.0, 1e300, 1.23456789012345e-20})
        EXPECT_EQ(*lireNombre(texteDouble(x)), x) << x;
}

}  // namespace
}  // namespace vantorelle
