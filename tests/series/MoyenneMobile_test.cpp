#include "series/MoyenneMobile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "series/Colonne.h"
#include "series/Fonction.h"
#include "series/TendanceEtMoyenne.h"
#include "store/Monnaie.h"

namespace vantorelle {
namespace {

/// A random series: prices, or values so large that the sums leave the block path, or some currency.
Fonction sérieAuHasard(std::mt19937& aléa, int taille, int sorte) {
    std::uniform_real_distribution<float> prix(0.5f, 300.0f);
    Fonction f;
    for (int i = 0; i < taille; ++i) {
        if (sorte == 1 && i % 7 == 3)
            f.Ajouter(3.0e37f);
        else if (sorte == 2 && i % 5 == 1)
            f.Ajouter(Monnaie{static_cast<std::int64_t>(aléa() % 10'000'000)});
        else
            f.Ajouter(prix(aléa));
    }
    return f;
}

// Both averages of one pass must be those of a pass each, bit for bit, whatever path the sums take.
TEST(MoyennesMobiles, LaCourteDUnPassageEstCelleDeSonPropreCalcul) {
    std::mt19937 aléa(17);
    for (int sorte = 0; sorte < 3; ++sorte) {
        for (const int taille : {1, 5, 40, 300}) {
            const Fonction f = sérieAuHasard(aléa, taille, sorte);
            const Colonne x(f);
            for (std::int16_t n = 1; n <= 30; n += 3) {
                for (const std::int16_t m : {std::int16_t{1}, static_cast<std::int16_t>((n + 1) / 2), n}) {
                    SCOPED_TRACE("sorte " + std::to_string(sorte) + " taille " + std::to_string(taille) + " n " +
                                 std::to_string(n) + " m " + std::to_string(m));
                    MoyennesMobiles ensemble;
                    try {
                        ensemble = moyennesMobiles(x, n, m);
                    } catch (const std::exception&) {
                        EXPECT_ANY_THROW(moyennesMobiles(x, n));
                        continue;
                    }
                    EXPECT_EQ(ensemble.longue, moyennesMobiles(x, n));
                    EXPECT_EQ(ensemble.courte, moyennesMobiles(x, m));
                }
            }
        }
    }
}

TEST(MoyennesMobiles, TendanceEtMoyenneEnsembleCommeSéparées) {
    std::mt19937 aléa(5);
    for (const int taille : {1, 3, 20, 200}) {
        const Fonction f = sérieAuHasard(aléa, taille, 0);
        for (const std::int16_t n : {std::int16_t{0}, std::int16_t{1}, std::int16_t{2}, std::int16_t{3},
                                     std::int16_t{14}}) {
            SCOPED_TRACE("taille " + std::to_string(taille) + " n " + std::to_string(n));
            const TendanceEtMoyenne ensemble = tendanceEtMoyenne(f, n);
            const Fonction tendance = f.Tendance(n), moyenne = f.MMA(n);
            EXPECT_EQ(ensemble.tendance.Nom(), tendance.Nom());
            EXPECT_EQ(ensemble.tendance.ToString(), tendance.ToString());
            EXPECT_EQ(ensemble.moyenne.Nom(), moyenne.Nom());
            EXPECT_EQ(ensemble.moyenne.ToString(), moyenne.ToString());
        }
    }
}

}  // namespace
}  // namespace vantorelle
