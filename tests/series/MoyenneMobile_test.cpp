#include "series/MoyenneMobile.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>
#include <string>

#include "series/Colonne.h"
#include "series/Fonction.h"
#include "series/TendanceEtMoyenne.h"
#include "store/Arrondi.h"
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

/// Each window summed value by value from i downwards in single, divided in single, rounded with Round2.
std::vector<float> moyennesÀLaMain(const std::vector<double>& v, int n) {
    std::vector<float> moyennes;
    for (std::size_t i = 0; i < v.size(); ++i) {
        float s = 0.0f;
        for (std::size_t j = i + 1; j-- > 0 && i - j < static_cast<std::size_t>(n);)
            s = static_cast<float>(static_cast<double>(s) + v[j]);
        moyennes.push_back(Round2(static_cast<float>(static_cast<double>(s) / n)));
    }
    return moyennes;
}

// Singles, doubles and values too large for the block sums: each way of summing gives the plain sums.
TEST(MoyennesMobiles, CommeLesSommesÀLaMain) {
    std::mt19937 aléa(11);
    std::uniform_real_distribution<double> u(-50.0, 400.0);
    for (int sorte = 0; sorte < 3; ++sorte) {
        std::vector<double> v;
        Fonction f;
        for (int i = 0; i < 200; ++i) {
            const double d = sorte == 2 && i % 9 == 4 ? 3.0e37 : u(aléa);
            v.push_back(sorte == 1 ? d : static_cast<double>(static_cast<float>(d)));
            if (sorte == 1)
                f.Ajouter(v.back());
            else
                f.Ajouter(static_cast<float>(v.back()));
        }
        const Colonne x(f);
        for (const std::int16_t n : {std::int16_t{1}, std::int16_t{2}, std::int16_t{9}, std::int16_t{14}}) {
            SCOPED_TRACE("sorte " + std::to_string(sorte) + " n " + std::to_string(n));
            EXPECT_EQ(moyennesMobiles(x, n), moyennesÀLaMain(v, n));
        }
    }
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
