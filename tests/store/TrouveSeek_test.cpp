#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/DossierTemporaire.h"
#include "store/Fichier.h"

namespace vantorelle::test {
namespace {

/// Ten lines of ten bytes, "k0\tabcde" to "k9\tabcde".
std::string dixLignes() {
    std::string octets;
    for (char k = '0'; k <= '9'; ++k) octets += std::string("k") + k + "\tabcde\r\n";
    return octets;
}

struct CasExact {
    const char* clé;
    std::int32_t taille;
    std::int32_t avant, après;
};

TEST(TrouveSeek, DistancesCalculeesALaMain) {
    DossierTemporaire dossier;
    const Fichier f(dossier.écrire("dix.txt", dixLignes()));
    const CasExact cas[] = {
        // pos 50, reads "k5" > "k2": pos 25, reads "k3" > "k2": pos 13; the step 6 ends the search.
        {"k2", 10, 100, 57},
        // pos 50, "k5" < "k7": pos 75, "k8" > "k7": pos 63.
        {"k7", 10, 57, 7},
        // A step below the line size never searches: pos 50.
        {"k2", 30, 100, 0},
        // A read of no bytes finds no line and ends the search.
        {"k2", 0, 50, 50},
    };
    for (const CasExact& c : cas) {
        EXPECT_EQ(f.TrouveSeek(c.clé, c.taille, true), c.avant) << c.clé << " " << c.taille;
        EXPECT_EQ(f.TrouveSeek(c.clé, c.taille, false), c.après) << c.clé << " " << c.taille;
    }
}

TEST(TrouveSeek, FichierCourtAbsentOuVide) {
    DossierTemporaire dossier;
    const Fichier court(dossier.écrire("court.txt", dixLignes().substr(0, 30)));
    EXPECT_EQ(court.TrouveSeek("k1", 10, true), 30);
    EXPECT_EQ(court.TrouveSeek("k1", 10, false), 0);
    const Fichier absent(dossier.fichier("absent.txt"));
    EXPECT_EQ(absent.TrouveSeek("k1", 10, true), 0);
    const Fichier vide(dossier.écrire("vide.txt", ""));
    EXPECT_EQ(vide.TrouveSeek("k1", 10, true), 0);
}

/// A history-like file sorted on its first field, with five lines under the key 20101000.
std::string historique(const std::string& finDeLigne) {
    std::string octets;
    for (int i = 0; i < 1000; ++i) {
        const int clé = i >= 500 && i < 505 ? 20101000 : 20100000 + i * 2;
        octets += std::to_string(clé) + "\t12,50\t13,00\t12,00\t12,75\t" + std::to_string(100000 + i) + finDeLigne;
    }
    return octets;
}

/// The lines the history loader reads for the dates d1 to d2: from the distance found before d1 to the one
/// found after d2.
std::vector<std::string> fenêtre(Fichier& f, const std::string& d1, const std::string& d2) {
    const std::int32_t r1 = f.TrouveSeek(d1, 50, true);
    const std::int32_t r2 = f.TrouveSeek(d2, 50, false);
    f.Charger(r1 - r2, r1, true);
    const auto lignes = f.Data().valeurs();
    return {lignes.begin(), lignes.end()};
}

int lignesDeLaClé(const std::vector<std::string>& lignes, const std::string& clé) {
    return static_cast<int>(
        std::count_if(lignes.begin(), lignes.end(), [&](const std::string& l) { return l.starts_with(clé + "\t"); }));
}

class TrouveSeekHistorique : public ::testing::TestWithParam<std::string> {};

TEST_P(TrouveSeekHistorique, LaFenetreContientLesClesCherchees) {
    DossierTemporaire dossier;
    Fichier f(dossier.écrire("histo.txt", historique(GetParam())));
    struct Cas {
        const char* nom;
        std::string d1, d2;
        std::vector<std::pair<std::string, int>> attendues;
    };
    const Cas cas[] = {
        {"première", "20100000", "20100000", {{"20100000", 1}}},
        {"dernière", "20101998", "20101998", {{"20101998", 1}}},
        {"milieu", "20100400", "20100420", {{"20100400", 1}, {"20100410", 1}, {"20100420", 1}}},
        // The search stops on the first equal line it meets and the window ends about three lines after it:
        // of a run of five, the first four come.
        {"répétée", "20101000", "20101000", {{"20101000", 4}}},
        {"absente, entre deux", "20100401", "20100401", {{"20100400", 1}, {"20100402", 1}}},
        {"avant tout", "20000101", "20100002", {{"20100000", 1}, {"20100002", 1}}},
        {"après tout", "20101996", "20991231", {{"20101996", 1}, {"20101998", 1}}},
    };
    for (const Cas& c : cas) {
        const std::vector<std::string> lignes = fenêtre(f, c.d1, c.d2);
        for (const auto& [clé, combien] : c.attendues)
            EXPECT_EQ(lignesDeLaClé(lignes, clé), combien) << c.nom << ": " << clé;
    }
}

INSTANTIATE_TEST_SUITE_P(FinsDeLigne, TrouveSeekHistorique, ::testing::Values("\r\n", "\n"),
                         [](const auto& info) { return info.param == "\n" ? "LF" : "CRLF"; });

TEST(TrouveSeek, NeLitQueQuelquesLignes) {
    DossierTemporaire dossier;
    const Fichier f(dossier.écrire("histo.txt", historique("\r\n")));
    f.TrouveSeek("20101500", 50, true);
    EXPECT_GT(f.octetsLus(), 0u);
    EXPECT_LE(f.octetsLus(), 1024u);
}

}  // namespace
}  // namespace vantorelle::test
