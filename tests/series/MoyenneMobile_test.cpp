#include "series/MoyenneMobile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "series/Colonne.h"
#include "series/Fonction.h"
#include "series/TendanceEtMoyenne.h"
#include "store/Arrondi.h"
#include "store/Monnaie.h"
#include "store/Erreur.h"
#include "support/Erreurs.h"

namespace vantorelle {
namespace {

/// A random series: prices, or values so large that the sums leave the block path, or some currency.
Fonction sérieAuHasard(std::mt19937& aléa, int taille, int sorte) {
    std::uniform_real_distribution<float> prix(0.5f, 300.0f);
    Fonction f;
    for (int i = 0; i < taille; ++i) {
        if (sorte == 1 && i % 7 == 3) f.Ajouter(3.0e37f);
        else if (sorte == 2 && i % 5 == 1) f.Ajouter(Monnaie{static_cast<std::int64_t>(aléa() % 10'000'000)});
        else f.Ajouter(prix(aléa));
    }
    return f;
}

// Singles, doubles and values too large for the block sums: each way of summing gives the plain sums, each
// window summed value by value from i downwards in single, divided in single, rounded with Round2.
TEST(MovingAverages, AsThePlainSums) {
    std::mt19937 aléa(11);
    std::uniform_real_distribution<double> u(-50.0, 400.0);
    for (int sorte = 0; sorte < 3; ++sorte) {
        std::vector<double> v;
        Fonction f;
        for (int i = 0; i < 200; ++i) {
            const double d = sorte == 2 && i % 9 == 4 ? 3.0e37 : u(aléa);
            v.push_back(sorte == 1 ? d : static_cast<double>(static_cast<float>(d)));
            if (sorte == 1) f.Ajouter(v.back());
            else f.Ajouter(static_cast<float>(v.back()));
        }
        for (const std::int16_t n : {1, 2, 9, 14, 16, 17, 40}) {
            std::vector<float> attendues;
            for (std::size_t i = 0; i < v.size(); ++i) {
                float s = 0.0f;
                for (std::size_t j = i + 1; j-- > 0 && i - j < static_cast<std::size_t>(n);)
                    s = static_cast<float>(static_cast<double>(s) + v[j]);
                attendues.push_back(Round2(static_cast<float>(static_cast<double>(s) / n)));
            }
            EXPECT_EQ(moyennesMobiles(Colonne(f), n), attendues) << "kind " << sorte << " n " << n;
        }
    }
}

// Both averages of one pass must be those of a pass each, bit for bit, whatever path the sums take.
TEST(MovingAverages, BothAveragesOfOnePassAreThoseOfAPassEach) {
    std::mt19937 aléa(17);
    for (int sorte = 0; sorte < 3; ++sorte) {
        for (const int taille : {1, 5, 40, 300}) {
            const Fonction f = sérieAuHasard(aléa, taille, sorte);
            const Colonne x(f);
            for (std::int16_t n = 1; n <= 30; n += 3) {
                for (const std::int16_t m : {std::int16_t{1}, static_cast<std::int16_t>((n + 1) / 2), n}) {
                    MoyennesMobiles ensemble;
                    const std::string erreur =
                        test::messageDErreur<ErreurConversion>([&] { ensemble = moyennesMobiles(x, n, m); });
                    EXPECT_EQ(erreur, test::messageDErreur<ErreurConversion>([&] { moyennesMobiles(x, n); }));
                    if (erreur != "(aucune erreur)") continue;
                    EXPECT_EQ(ensemble.longue, moyennesMobiles(x, n)) << sorte << " " << taille << " " << n;
                    EXPECT_EQ(ensemble.courte, moyennesMobiles(x, m)) << sorte << " " << taille << " " << m;
                }
            }
        }
    }
}

TEST(MovingAverages, TrendAndAverageTogetherAsApart) {
    std::mt19937 aléa(5);
    for (const int taille : {1, 3, 20, 200}) {
        const Fonction f = sérieAuHasard(aléa, taille, 0);
        for (const std::int16_t n : {0, 1, 2, 3, 14}) {
            const TendanceEtMoyenne ensemble = tendanceEtMoyenne(f, n);
            const Fonction tendance = f.Tendance(n), moyenne = f.MMA(n);
            // The texts hold the names and every value.
            EXPECT_EQ(ensemble.tendance.Nom() + ensemble.tendance.ToString(), tendance.Nom() + tendance.ToString());
            EXPECT_EQ(ensemble.moyenne.Nom() + ensemble.moyenne.ToString(), moyenne.Nom() + moyenne.ToString());
        }
    }
}

}  // namespace
}  // namespace vantorelle
