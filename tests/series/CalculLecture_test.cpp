#include "series/LectureCase.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>
#include <string>

namespace vantorelle {
namespace {

// The direct reading of a value is a fast path: it must read exactly as the value's text does.
void vérifierCommeLeTexte(const Valeur& v) {
    const CaseLue directe = LectureCase::lire(v), parLeTexte = LectureCase::lireTexte(v.texte());
    ASSERT_EQ(directe.état, parLeTexte.état) << v.texte();
    EXPECT_EQ(directe.valeur.grandeur, parLeTexte.valeur.grandeur) << v.texte();
    EXPECT_EQ(directe.valeur.booléen, parLeTexte.valeur.booléen) << v.texte();
    EXPECT_EQ(directe.valeur.négatif, parLeTexte.valeur.négatif) << v.texte();
}

TEST(LectureCase, AValueReadsAsTheNumberItsTextGives) {
    const Valeur cas[] = {
        12.35f, -12.35f, 0.0f, -0.0f, 0.1f, 1e7f, 9999999.0f, 12345678.0f, 1234566.5f, 1.5e-5f, 1e-5f, 9.99999e-6f,
        1e15f, 9.9999e14f, 3.4e38f, 1e-40f, 1234.5677f,
        0.1, 1.0 / 3.0, -2.5, 1e300, 1e15, 123456789012345.6,
        Monnaie{15000000}, Monnaie{-25000}, Monnaie{1}, Monnaie{0},
        std::int16_t{-3}, std::int16_t{0}, std::int32_t{2147483647}, std::int32_t{-2147483647 - 1},
        true, false,
        "20240105", "NO_EVAL", "Vrai", "vrai", "", "12,5", "1.5", ",5", "5,", "-3", "--3", "+3", "1E+400",
        "1e5", "1,2,3", "x",
    };
    for (const Valeur& v : cas) vérifierCommeLeTexte(v);
    std::mt19937 aléa(7);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::uniform_int_distribution<int> centimes(-1000000, 1000000);
    for (int n = 0; n < 200000; ++n) {
        const float quelconque = std::bit_cast<float>(bits(aléa));
        if (std::isfinite(quelconque)) vérifierCommeLeTexte(quelconque);
        vérifierCommeLeTexte(static_cast<float>(centimes(aléa) / 100.0));
    }
}

TEST(LectureCase, TextsOutsideNumbersAndTruthValuesNeedTheText) {
    const std::pair<const char*, CaseLue::État> cas[] = {
        {"", CaseLue::État::Texte},       {"x", CaseLue::État::Texte},       {"1e5", CaseLue::État::Texte},
        {"+3", CaseLue::État::Texte},     {"1,2,3", CaseLue::État::Texte},   {"vrai", CaseLue::État::Texte},
        {"NO_EVAL", CaseLue::État::Échec}, {"1E+400", CaseLue::État::Échec}, {"-1,5E-05", CaseLue::État::Lisible},
    };
    for (const auto& [texte, état] : cas) EXPECT_EQ(LectureCase::lireTexte(texte).état, état) << texte;
}

}  // namespace
}  // namespace vantorelle
