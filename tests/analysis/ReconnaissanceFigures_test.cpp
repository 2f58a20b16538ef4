#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "analysis/BourseCollection.h"
#include "ReconnaissanceBougies.h"

namespace vantorelle::essais {
namespace {

/// One hand-built sequence: the figure the priority order gives at its last candle under one trend
/// situation, and the simpler figures that hold there too but rank after it.
struct Cas {
    const char* nom;
    Bougies bougies;
    Marche marche;
    std::int32_t attendu;
    std::vector<std::int32_t> aussi = {};
    const char* tolérance = "0,0625";
};

void PrintTo(const Cas& cas, std::ostream* os) { *os << cas.nom; }

void vérifier(const Cas& cas) {
    for (const bool mémo : {true, false}) {
        SCOPED_TRACE(mémo ? "avec le mémo" : "sans le mémo");
        const BourseCollection bourse = historique(cas.bougies, cas.marche, cas.tolérance, mémo);
        const std::int32_t i = bourse.Nombre;
        EXPECT_EQ(bourse.Chandelier(i), cas.attendu);
        EXPECT_EQ(bourse.EstChandelier(i, cas.attendu), cas.attendu != 400);
        for (const std::int32_t code : cas.aussi) EXPECT_TRUE(bourse.EstChandelier(i, code)) << code;
    }
}

std::string nomDe(const testing::TestParamInfo<Cas>& info) { return info.param.nom; }

// ---- Plain and long candles ----

class ReconnaissanceSimples : public testing::TestWithParam<Cas> {};
TEST_P(ReconnaissanceSimples, Figure) { vérifier(GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Tables, ReconnaissanceSimples,
    testing::Values(Cas{"BougieNoire", noireAprèsGrandBlanc, Marche::Neutre, 100},
                    Cas{"BougieNoireSansTendance", noireAprèsGrandBlanc, Marche::SansTendance, 100},
                    Cas{"BougieBlanche", blancheAprèsGrandNoir, Marche::Neutre, 200},
                    Cas{"BougieBlancheSansTendance", blancheAprèsGrandNoir, Marche::SansTendance, 200},
                    Cas{"GrandNoir", grandNoirSeul, Marche::Neutre, 101, {100}},
                    Cas{"GrandNoirSansTendance", grandNoirSeul, Marche::SansTendance, 101, {100}},
                    Cas{"GrandBlanc", grandBlancSeul, Marche::Neutre, 201, {200}},
                    Cas{"GrandBlancSansTendance", grandBlancSeul, Marche::SansTendance, 201, {200}},
                    // The body-versus-range test of the long candles applies with the trend option only.
                    Cas{"CorpsMoindreQueLaMoitieAvecTendance", grandeOmbreNoire, Marche::Neutre, 100},
                    Cas{"CorpsMoindreQueLaMoitieSansTendance", grandeOmbreNoire, Marche::SansTendance, 101},
                    Cas{"Doji", dojiCourt, Marche::Neutre, 300},
                    Cas{"DojiSansTendance", dojiCourt, Marche::SansTendance, 300},
                    Cas{"DojiLonguesJambes", dojiLonguesJambes, Marche::Neutre, 301, {300}},
                    Cas{"DojiPorteurDEau", dojiPorteurDEau, Marche::Neutre, 302, {301, 300}},
                    Cas{"DojiPorteurDEauSansTendance", dojiPorteurDEau, Marche::SansTendance, 302, {301, 300}},
                    Cas{"SansEtendueNiCorps", bougieSansÉtendue, Marche::Hausse, 400}),
    nomDe);

// ---- One-candle shapes ----

class ReconnaissanceUneBougie : public testing::TestWithParam<Cas> {};
TEST_P(ReconnaissanceUneBougie, Figure) { vérifier(GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Tables, ReconnaissanceUneBougie,
    testing::Values(Cas{"Pendu", marteauBlanc, Marche::Hausse, 107},
                    Cas{"Marteau", marteauBlanc, Marche::Baisse, 208},
                    // Without the trend the hammer wins over the hanging man, ranked after it.
                    Cas{"PenduSansTendanceEstUnMarteau", marteauBlanc, Marche::SansTendance, 208, {107}},
                    Cas{"MarteauSansTendanceDeMarche", marteauBlanc, Marche::Neutre, 200},
                    Cas{"MarteauAuTiersExact", marteauAuTiersExact, Marche::Baisse, 208},
                    Cas{"MarteauTakuri", marteauTakuri, Marche::Baisse, 210, {208}},
                    Cas{"MarteauTakuriSansTendance", marteauTakuri, Marche::SansTendance, 210, {208, 107}},
                    Cas{"TakuriEnHausseEstUnPendu", marteauTakuri, Marche::Hausse, 107},
                    Cas{"EtoileFilante", marteauInverséNoir, Marche::Hausse, 108},
                    Cas{"MarteauInverse", marteauInverséNoir, Marche::Baisse, 207},
                    Cas{"MarteauInverseSansTendanceEstUneEtoileFilante", marteauInverséNoir,
                        Marche::SansTendance, 108, {207}},
                    Cas{"MarteauTakuriInverse", takuriInversé, Marche::Baisse, 209, {207}},
                    Cas{"MarteauTakuriInverseSansTendance", takuriInversé, Marche::SansTendance, 209, {108, 207}},
                    Cas{"TakuriInverseEnHausse", takuriInversé, Marche::Hausse, 108},
                    Cas{"DojiPierreTombale", dojiPierreTombale, Marche::Hausse, 111, {108, 300}},
                    Cas{"DojiPierreTombaleSansTendance", dojiPierreTombale, Marche::SansTendance, 111, {209, 108}},
                    Cas{"DojiPierreTombaleEnBaisse", dojiPierreTombale, Marche::Baisse, 209, {207, 300}},
                    Cas{"DojiPierreTombaleSansTendanceDeMarche", dojiPierreTombale, Marche::Neutre, 300},
                    // A doji with no upper shadow on a rising trend.
                    Cas{"DojiSansTeteEnHausse", dojiSansTête, Marche::Hausse, 107, {300}},
                    Cas{"PassantBaissier", passantNoir, Marche::Hausse, 112, {101}},
                    Cas{"PassantBaissierSansTendance", passantNoir, Marche::SansTendance, 112, {101}},
                    Cas{"PassantBaissierEnBaisse", passantNoir, Marche::Baisse, 101},
                    Cas{"PassantHaussier", passantBlanc, Marche::Baisse, 212, {201}},
                    Cas{"PassantHaussierSansTendance", passantBlanc, Marche::SansTendance, 212, {201}},
                    Cas{"PassantHaussierEnHausse", passantBlanc, Marche::Hausse, 201}),
    nomDe);

// ---- Two-candle figures ----

class ReconnaissanceDeuxBougies : public testing::TestWithParam<Cas> {};
TEST_P(ReconnaissanceDeuxBougies, Figure) { vérifier(GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Tables, ReconnaissanceDeuxBougies,
    testing::Values(
        Cas{"HaramiBaissier", haramiBaissier, Marche::Hausse, 102, {100}},
        Cas{"HaramiBaissierSansTendance", haramiBaissier, Marche::SansTendance, 102, {101}},
        Cas{"HaramiBaissierEnBaisse", haramiBaissier, Marche::Baisse, 100},
        Cas{"HaramiBaissierEnCroix", haramiBaissierEnCroix, Marche::Hausse, 104, {102, 300}},
        Cas{"HaramiBaissierEnCroixSansTendance", haramiBaissierEnCroix, Marche::SansTendance, 104, {102}},
        Cas{"HaramiBaissierEnCroixSansTendanceDeMarche", haramiBaissierEnCroix, Marche::Neutre, 300},
        Cas{"HaramiHaussier", haramiHaussier, Marche::Baisse, 202, {200}},
        Cas{"HaramiHaussierSansTendance", haramiHaussier, Marche::SansTendance, 202, {201}},
        Cas{"HaramiHaussierEnCroix", haramiHaussierEnCroix, Marche::Baisse, 204, {202, 300}},
        Cas{"HaramiHaussierEnCroixSansTendance", haramiHaussierEnCroix, Marche::SansTendance, 204, {202}},
        Cas{"GapDescendant", gapDescendant, Marche::Baisse, 105},
        Cas{"GapDescendantSansTendance", gapDescendant, Marche::SansTendance, 105},
        Cas{"GapDescendantEnHausse", gapDescendant, Marche::Hausse, 100},
        Cas{"GapAscendant", gapAscendant, Marche::Hausse, 205},
        Cas{"GapAscendantSansTendance", gapAscendant, Marche::SansTendance, 205},
        Cas{"LigneDeSeparationBaissiere", séparationBaissière, Marche::Baisse, 106, {101}},
        Cas{"LigneDeSeparationBaissiereSansTendance", séparationBaissière, Marche::SansTendance, 106, {101}},
        Cas{"LigneDeSeparationHaussiere", séparationHaussière, Marche::Hausse, 206, {201}},
        Cas{"LigneDeSeparationHaussiereSansTendance", séparationHaussière, Marche::SansTendance, 206, {201}},
        Cas{"CouvertureEnNuageNoir", couvertureEnNuageNoir, Marche::Hausse, 113, {101}},
        Cas{"CouvertureEnNuageNoirSansTendance", couvertureEnNuageNoir, Marche::SansTendance, 113, {101}},
        Cas{"CouvertureAuMilieuExact", couvertureAuMilieuExact, Marche::Hausse, 113, {101}},
        Cas{"Penetrante", pénétrante, Marche::Baisse, 213, {201}},
        Cas{"PenetranteAuMilieuExact", pénétranteAuMilieuExact, Marche::Baisse, 213, {201}},
        Cas{"PenetranteSansTendance", pénétrante, Marche::SansTendance, 213, {201}},
        // The second candle of an engulfing is a long one too: the engulfing ranks first.
        Cas{"AvalementBaissier", avalementBaissier, Marche::Hausse, 114, {101}},
        Cas{"AvalementBaissierSansTendance", avalementBaissier, Marche::SansTendance, 114, {113, 101}},
        Cas{"AvalementHaussier", avalementHaussier, Marche::Baisse, 214, {201}},
        Cas{"AvalementHaussierSansTendance", avalementHaussier, Marche::SansTendance, 214, {213, 201}},
        Cas{"EtoileDojiBaissiere", étoileDojiBaissière, Marche::Hausse, 117, {205, 300}},
        Cas{"EtoileDojiBaissiereSansTendance", étoileDojiBaissière, Marche::SansTendance, 117, {205}},
        Cas{"EtoileDojiHaussiere", étoileDojiHaussière, Marche::Baisse, 217, {300}},
        Cas{"EtoileDojiHaussiereSansTendance", étoileDojiHaussière, Marche::SansTendance, 217}),
    nomDe);

// ---- Tweezers ----

class ReconnaissancePinces : public testing::TestWithParam<Cas> {};
TEST_P(ReconnaissancePinces, Figure) { vérifier(GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Tables, ReconnaissancePinces,
    testing::Values(Cas{"SommetEnPinces", sommetEnPinces, Marche::Hausse, 103, {100}},
                    Cas{"SommetEnPincesSansTendance", sommetEnPinces, Marche::SansTendance, 103, {101}},
                    Cas{"SommetEnPincesEnBaisse", sommetEnPinces, Marche::Baisse, 100},
                    // A higher high between the two tops breaks the tweezers.
                    Cas{"SommetDepasseEntreLesDeux", sommetDépassé, Marche::Hausse, 100},
                    Cas{"CreuxEnPinces", creuxEnPinces, Marche::Baisse, 203, {200}},
                    Cas{"CreuxEnPincesSansTendance", creuxEnPinces, Marche::SansTendance, 203, {201}},
                    Cas{"CreuxPerceEntreLesDeux", creuxPercé, Marche::Baisse, 200}),
    nomDe);

// ---- Three-candle figures ----

class ReconnaissanceTroisBougies : public testing::TestWithParam<Cas> {};
TEST_P(ReconnaissanceTroisBougies, Figure) { vérifier(GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Tables, ReconnaissanceTroisBougies,
    testing::Values(
        Cas{"EtoileDuSoir", étoileDuSoir, Marche::Hausse, 118, {101}},
        Cas{"EtoileDuSoirSansTendance", étoileDuSoir, Marche::SansTendance, 118, {101}},
        Cas{"EtoileDuSoirSansTendanceDeMarche", étoileDuSoir, Marche::Neutre, 101},
        Cas{"EtoileDojiDuSoir", étoileDojiDuSoir, Marche::Hausse, 119, {118, 101}, "0"},
        Cas{"EtoileDojiDuSoirAvecTolerance", étoileDojiDuSoir, Marche::Hausse, 101},
        Cas{"BebeAbandonneDuSoir", bébéAbandonnéDuSoir, Marche::Hausse, 120, {119, 118}, "0"},
        Cas{"BebeAbandonneDuSoirSansTendance", bébéAbandonnéDuSoir, Marche::SansTendance, 120, {119, 118}, "0"},
        Cas{"BebeAbandonneDuSoirAvecTolerance", bébéAbandonnéDuSoir, Marche::Hausse, 112},
        Cas{"EtoileDuMatin", étoileDuMatin, Marche::Baisse, 218, {201}},
        Cas{"EtoileDuMatinSansTendance", étoileDuMatin, Marche::SansTendance, 218, {201}},
        Cas{"EtoileDojiDuMatin", étoileDojiDuMatin, Marche::Baisse, 219, {218, 201}, "0"},
        Cas{"EtoileDojiDuMatinAvecTolerance", étoileDojiDuMatin, Marche::Baisse, 212},
        Cas{"BebeAbandonneDuMatin", bébéAbandonnéDuMatin, Marche::Baisse, 220, {219, 218}, "0"},
        Cas{"BebeAbandonneDuMatinAvecTolerance", bébéAbandonnéDuMatin, Marche::Baisse, 212},
        Cas{"TroisCorbeauxNoirs", troisCorbeaux, Marche::Hausse, 121, {101}},
        Cas{"TroisCorbeauxNoirsSansTendance", troisCorbeaux, Marche::SansTendance, 121},
        Cas{"TroisCorbeauxNoirsEnBaisse", troisCorbeaux, Marche::Baisse, 101},
        Cas{"TroisSoldatsBlancs", troisSoldats, Marche::Neutre, 221, {201}},
        Cas{"TroisSoldatsBlancsSansTendance", troisSoldats, Marche::SansTendance, 221},
        Cas{"GapAscendantDeuxCorbeaux", deuxCorbeaux, Marche::Hausse, 122, {101}},
        Cas{"GapAscendantDeuxCorbeauxSansTendance", deuxCorbeaux, Marche::SansTendance, 122},
        Cas{"LignesCoteACoteGapDescendant", côteÀCôteEnBaisse, Marche::Baisse, 115, {200}},
        Cas{"LignesCoteACoteGapDescendantSansTendance", côteÀCôteEnBaisse, Marche::SansTendance, 115},
        Cas{"LignesCoteACoteGapAscendant", côteÀCôteEnHausse, Marche::Hausse, 215, {200}},
        Cas{"LignesCoteACoteGapAscendantSansTendance", côteÀCôteEnHausse, Marche::SansTendance, 215},
        Cas{"TasukiGapDescendant", tasukiEnBaisse, Marche::Baisse, 116, {200}},
        Cas{"TasukiGapDescendantSansTendance", tasukiEnBaisse, Marche::SansTendance, 116},
        Cas{"TasukiGapAscendant", tasukiEnHausse, Marche::Hausse, 216, {100}},
        Cas{"TasukiGapAscendantSansTendance", tasukiEnHausse, Marche::SansTendance, 216}),
    nomDe);

// ---- Longer figures ----

class ReconnaissanceLongues : public testing::TestWithParam<Cas> {};
TEST_P(ReconnaissanceLongues, Figure) { vérifier(GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Tables, ReconnaissanceLongues,
    testing::Values(Cas{"HuitNouveauxHauts", huitHausses(), Marche::Hausse, 123, {200}},
                    Cas{"HuitNouveauxHautsSansTendance", huitHausses(), Marche::SansTendance, 123},
                    Cas{"SeptNouveauxHautsSeulement", septHausses(), Marche::Hausse, 200},
                    Cas{"StructureEnDessousDePlat", structureEnDessousDePlat, Marche::Neutre, 224, {200}},
                    Cas{"StructureEnDessousDePlatSansTendance", structureEnDessousDePlat, Marche::SansTendance, 224,
                        {103}},
                    Cas{"TroisMethodesBaissiere", troisMéthodesBaissière, Marche::Neutre, 125, {101}},
                    Cas{"TroisMethodesBaissiereSansTendance", troisMéthodesBaissière, Marche::SansTendance, 125},
                    Cas{"TroisMethodesBaissiereEnHausse", troisMéthodesBaissière, Marche::Hausse, 125, {112}},
                    Cas{"TroisMethodesSortieDuCadre", troisMéthodesSortieDuCadre, Marche::Neutre, 101},
                    Cas{"TroisMethodesHaussiere", troisMéthodesHaussière, Marche::Neutre, 225, {201}},
                    Cas{"TroisMethodesHaussiereSansTendance", troisMéthodesHaussière, Marche::SansTendance, 225},
                    Cas{"SommetEnTours", sommetEnTours, Marche::Hausse, 126, {101}},
                    Cas{"SommetEnToursSansTendance", sommetEnTours, Marche::SansTendance, 126},
                    Cas{"SommetEnToursSansTendanceDeMarche", sommetEnTours, Marche::Neutre, 101},
                    Cas{"CreuxEnTours", creuxEnTours, Marche::Baisse, 226, {201}},
                    Cas{"CreuxEnToursSansTendance", creuxEnTours, Marche::SansTendance, 226},
                    Cas{"CreuxEnToursSansTendanceDeMarche", creuxEnTours, Marche::Neutre, 201},
                    Cas{"HautesVaguesEnHausse", hautesVagues, Marche::Hausse, 303, {300}},
                    Cas{"HautesVaguesEnBaisse", hautesVagues, Marche::Baisse, 303, {300}},
                    Cas{"HautesVaguesSansTendanceDeMarche", hautesVagues, Marche::Neutre, 300},
                    // The trend series is read directly: computed or not, the option does not matter.
                    Cas{"HautesVaguesSerieDeTendanceNonCalculee", hautesVagues, Marche::SansTendance, 300},
                    Cas{"HautesVaguesOptionDesactiveeSerieEnHausse", hautesVagues, Marche::SansMaisHausse, 303}),
    nomDe);

}  // namespace
}  // namespace vantorelle::essais
