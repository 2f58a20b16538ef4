#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/BourseCollection.h"

namespace vantorelle::essais {

struct Bougie {
    float o, h, l, c;
};
using Bougies = std::vector<Bougie>;

/// How the trend stands at the candles of a case.
enum class Marche {
    Neutre,         // trend option on, trend code 0
    Baisse,         // trend option on, trend code 1
    Hausse,         // trend option on, trend code 2
    SansTendance,   // trend option off, the trend series never computed
    SansMaisHausse  // trend option off, the trend series holding 2 all the same
};

/// The options as the scan writes them: texts, the trend flag as "1" or "0".
inline void réglerOptions(BourseCollection& bourse, bool avecTendance, const std::string& tolérance,
                          const std::string& tailleMarubozu = "1", const std::string& période2 = "9") {
    bourse.Options.Clear();
    bourse.Options.Add(OptionsAnalyse::AvecTendance, avecTendance ? "1" : "0");
    bourse.Options.Add(OptionsAnalyse::Période, "14");
    bourse.Options.Add(OptionsAnalyse::Période2, période2);
    bourse.Options.Add(OptionsAnalyse::TailleMarubozu, tailleMarubozu);
    bourse.Options.Add(OptionsAnalyse::Tolérance, tolérance);
}

/// Quiet candles before a case: dojis of a 1 % range, which keep the body average at 0 and are no part of
/// the figures tested after them.
inline constexpr int longueurPréambule = 15;
inline constexpr Bougie dojiCalme{100, 100.5f, 99.5f, 100};

/// The preamble then the candles of the case; the trend code of the case at every candle after the preamble.
inline BourseCollection historique(const std::vector<Bougie>& bougies, Marche marche,
                                   const std::string& tolérance = "0,0625", bool mémo = true,
                                   int préambule = longueurPréambule) {
    BourseCollection bourse;
    bourse.AvecMémo(mémo);
    const bool avecTendance = marche != Marche::SansTendance && marche != Marche::SansMaisHausse;
    réglerOptions(bourse, avecTendance, tolérance);
    std::vector<Bougie> toutes(static_cast<std::size_t>(préambule), dojiCalme);
    toutes.insert(toutes.end(), bougies.begin(), bougies.end());
    for (std::size_t k = 0; k < toutes.size(); ++k)
        bourse.Ajouter("2024" + std::to_string(1000 + k), toutes[k].o, toutes[k].h, toutes[k].l, toutes[k].c,
                       Monnaie{});
    bourse.CalculerTailles();
    if (marche != Marche::SansTendance) {
        const std::int16_t code = marche == Marche::Baisse ? 1 : marche == Marche::Neutre ? 0 : 2;
        for (std::int32_t i = 1; i <= bourse.Nombre; ++i)
            bourse.Tendance.Item(i, static_cast<std::int16_t>(i > préambule ? code : 0));
    }
    return bourse;
}

// ---- Hand-built sequences, to follow the preamble; each figure ends on the last candle ----

inline const Bougie grandBlanc{100, 105.2f, 99.8f, 105};  // body 5 of a 5.4 range
inline const Bougie grandNoir{105, 105.2f, 99.8f, 100};
inline const Bougies noireAprèsGrandBlanc{grandBlanc, {106, 107, 105.1f, 105.6f}};
inline const Bougies blancheAprèsGrandNoir{{100, 101, 94.8f, 95}, {94, 94.9f, 93, 94.5f}};
inline const Bougies grandNoirSeul{{100, 101, 94.8f, 95}};
inline const Bougies grandBlancSeul{{100, 105.2f, 99, 105}};
inline const Bougies grandeOmbreNoire{{100, 103, 93, 98.5f}};  // a big body, but less than half the range
inline const Bougies dojiCourt{{100, 100.9f, 99.3f, 100}};
inline const Bougies dojiLonguesJambes{{100, 101, 97, 100}};
inline const Bougies dojiPorteurDEau{{100, 101.9f, 97.9f, 100}};
inline const Bougies bougieSansÉtendue{{100, 100, 100, 100}};
inline const Bougies marteauBlanc{{99.55f, 100.05f, 98.55f, 100}};      // body 0.3 of the range, no upper shadow
inline const Bougies marteauAuTiersExact{{99, 100, 97, 100}};  // body 1 of a range of 3: the single third
inline const Bougies marteauTakuri{{99.7f, 100.05f, 98.5f, 100}};       // body under a quarter of the range
inline const Bougies marteauInverséNoir{{99.7f, 100.7f, 99.2f, 99.25f}};  // body 0.3 of the range, no lower shadow
inline const Bougies takuriInversé{{99.55f, 100.75f, 99.2f, 99.25f}};
inline const Bougies dojiPierreTombale{{99.25f, 100.75f, 99.2f, 99.25f}};
inline const Bougies dojiSansTête{{100, 100, 98.5f, 100}};
inline const Bougies passantNoir{{100, 100.05f, 94.8f, 95}};
inline const Bougies passantBlanc{{95, 101.2f, 94.95f, 100}};
inline const Bougies haramiBaissier{grandBlanc, {103, 104, 101, 102}};
inline const Bougies haramiBaissierEnCroix{grandBlanc, {102.5f, 103.5f, 101.5f, 102.5f}};
inline const Bougies haramiHaussier{grandNoir, {102, 104, 101, 103}};
inline const Bougies haramiHaussierEnCroix{grandNoir, {102.5f, 103.5f, 101.5f, 102.5f}};
inline const Bougies gapDescendant{{99, 99.3f, 98, 98.5f}};
inline const Bougies gapAscendant{{101, 102, 100.7f, 101.5f}};
inline const Bougies séparationBaissière{grandBlanc, {99.5f, 100, 94.3f, 94.5f}};
inline const Bougies séparationHaussière{grandNoir, {105.5f, 110.8f, 105, 110.5f}};
inline const Bougies couvertureEnNuageNoir{grandBlanc, {106, 106.5f, 101.5f, 102}};
inline const Bougies pénétrante{grandNoir, {99, 103.5f, 98.5f, 103}};
inline const Bougies avalementBaissier{{101, 102, 100.6f, 101.5f}, {102, 102.5f, 97.5f, 98}};
inline const Bougies avalementHaussier{{101.5f, 102, 100.6f, 101}, {98, 102.5f, 97.5f, 102}};
// The middle of the previous body taken in single precision: in double the comparison would fail.
inline const Bougies couvertureAuMilieuExact{{99.9f, 105.5f, 99.7f, 105.3f}, {106, 106.5f, 102.4f, 102.600006f}};
inline const Bougies pénétranteAuMilieuExact{{105.3f, 105.5f, 99.9f, 100.1f}, {99.5f, 103.2f, 99, 102.69999695f}};
inline const Bougies étoileDojiBaissière{grandBlanc, {106, 107, 105.5f, 106}};
inline const Bougies étoileDojiHaussière{grandNoir, {99, 99.8f, 98.5f, 99}};
inline const Bougies sommetEnPinces{
    {101, 103, 100.8f, 102.5f}, {102.5f, 102.8f, 101.5f, 102}, {102, 103.02f, 101, 101.5f}};
inline const Bougies sommetDépassé{
    {101, 103, 100.8f, 102.5f}, {102.5f, 103.5f, 101.5f, 102}, {102, 103.02f, 101, 101.5f}};
inline const Bougies creuxEnPinces{
    {102.5f, 102.7f, 100, 101}, {101, 102, 100.7f, 101.5f}, {101.5f, 102.5f, 99.98f, 102}};
inline const Bougies creuxPercé{{102.5f, 102.7f, 100, 101}, {101, 102, 99.9f, 101.5f}, {101.5f, 102.5f, 99.98f, 102}};
inline const Bougies étoileDuSoir{grandBlanc, {106, 107, 105.7f, 106.4f}, {106.2f, 106.5f, 100.8f, 101}};
inline const Bougies étoileDojiDuSoir{grandBlanc, {106, 107, 105.7f, 106}, {105.8f, 106.5f, 100.6f, 100.8f}};
inline const Bougies bébéAbandonnéDuSoir{grandBlanc, {106, 107, 105.7f, 106}, {105.5f, 105.6f, 100.6f, 100.8f}};
inline const Bougies étoileDuMatin{grandNoir, {99, 99.3f, 98, 98.6f}, {98.8f, 104.2f, 98.5f, 104}};
inline const Bougies étoileDojiDuMatin{grandNoir, {99, 99.3f, 98, 99}, {99.2f, 104.4f, 99.1f, 104.2f}};
inline const Bougies bébéAbandonnéDuMatin{grandNoir, {99, 99.3f, 98, 99}, {99.5f, 104.7f, 99.4f, 104.5f}};
inline const Bougies troisCorbeaux{{106, 106.5f, 102.98f, 103}, {104, 104.4f, 100.98f, 101}, {102, 102.3f, 98.99f, 99}};
inline const Bougies troisSoldats{{100, 103.02f, 99.5f, 103}, {102, 105.01f, 101.5f, 105}, {104, 107.01f, 103.5f, 107}};
inline const Bougies deuxCorbeaux{grandBlanc, {107, 107.5f, 106.2f, 106.5f}, {107.5f, 107.8f, 105.7f, 106}};
inline const Bougies côteÀCôteEnBaisse{grandNoir, {97, 97.7f, 96.8f, 97.5f}, {97.02f, 97.7f, 96.8f, 97.52f}};
inline const Bougies côteÀCôteEnHausse{grandBlanc, {106, 106.7f, 105.8f, 106.5f}, {106.02f, 106.7f, 105.8f, 106.52f}};
inline const Bougies tasukiEnBaisse{grandNoir, {97.5f, 97.7f, 96.8f, 97}, {97.3f, 98, 97.1f, 97.8f}};
inline const Bougies tasukiEnHausse{grandBlanc, {106, 106.7f, 105.8f, 106.5f}, {106.3f, 106.5f, 105.6f, 105.8f}};

inline Bougies huitHausses() {
    Bougies bougies;
    for (int k = 1; k <= 8; ++k) {
        const float c = 100 + 0.5f * static_cast<float>(k);
        bougies.push_back({c - 0.3f, c + 0.2f, c - 0.5f, c});
    }
    return bougies;
}

inline Bougies septHausses() {
    Bougies bougies = huitHausses();
    bougies.front().c = 99.9f;
    return bougies;
}

inline const Bougies structureEnDessousDePlat{grandBlanc,
                                       {107, 107.3f, 106.2f, 106.5f},
                                       {106.5f, 106.8f, 105.7f, 106},
                                       {106, 106.3f, 105.2f, 105.5f},
                                       {106.1f, 106.8f, 105.9f, 106.6f}};
inline const Bougies troisMéthodesBaissière{grandNoir,
                                     {101, 102, 100.5f, 101.4f},
                                     {101.5f, 102.3f, 101.2f, 101.9f},
                                     {102, 102.8f, 101.7f, 102.4f},
                                     {102.5f, 102.7f, 97.3f, 97.5f}};
inline const Bougies troisMéthodesSortieDuCadre = [] {
    Bougies bougies = troisMéthodesBaissière;
    bougies[2].h = 105.3f;  // the second small candle reaches above the long black one
    return bougies;
}();
inline const Bougies troisMéthodesHaussière{grandBlanc,
                                     {104, 104.5f, 103, 103.6f},
                                     {103.5f, 104, 102.6f, 103.1f},
                                     {103, 103.4f, 102.2f, 102.6f},
                                     {102.5f, 108.2f, 102.3f, 108}};
inline const Bougies sommetEnTours{grandBlanc,
                            {105.5f, 106, 105.2f, 105.8f},
                            {105.8f, 106.2f, 105.4f, 106},
                            {106, 106.3f, 105.3f, 105.6f},
                            {105, 105.1f, 99.7f, 100}};
inline const Bougies creuxEnTours{grandNoir,
                           {99.5f, 99.9f, 99.1f, 99.2f},
                           {99.2f, 99.6f, 98.8f, 99.4f},
                           {99.4f, 99.8f, 99, 99.1f},
                           {100, 105.3f, 99.9f, 105.1f}};
// Three long-legged dojis with equal highs and lows among candles that are not collected; the long white
// candle between reaches higher and lower, so no tweezers.
inline const Bougies hautesVagues{{100, 104, 96, 100},
                           {97, 104.5f, 95.5f, 103.5f},
                           {100, 104, 96, 100},
                           {101, 101.5f, 100.5f, 101.2f},
                           {100, 104.02f, 96, 100}};

}  // namespace vantorelle::essais
