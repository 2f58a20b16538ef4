#include <gtest/gtest.h>

#include "analysis/BourseCollection.h"
#include "ReconnaissanceBougies.h"

namespace vantorelle::essais {
namespace {

TEST(ReconnaissanceFigures, EachSequenceUnderEachTrend) {
    for (const Séquence& s : séquences)
        for (const Attendu& a : attendus(s.attendus))
            for (const bool mémo : {true, false}) {
                SCOPED_TRACE(testing::Message() << s.nom << ": " << s.attendus << ", trend " << static_cast<int>(a.marche)
                                                << ", code " << a.code << (mémo ? ", memo" : ""));
                const BourseCollection bourse = historique(s.bougies, a.marche, a.tolérance, mémo);
                const std::int32_t i = bourse.Nombre;
                EXPECT_EQ(bourse.Chandelier(i), a.code);
                EXPECT_EQ(bourse.EstChandelier(i, a.code), a.code != 400);
                for (const std::int32_t code : a.aussi) EXPECT_TRUE(bourse.EstChandelier(i, code)) << code;
            }
}

}  // namespace
}  // namespace vantorelle::essais
