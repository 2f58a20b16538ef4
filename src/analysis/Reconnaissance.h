#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "analysis/Communes.h"

namespace vantorelle {

/// The figure codes in the order `Chandelier` tries them: for each rank from 26 down to 1 the bullish then the
/// bearish code, then the neutral figures, then the plain white and black candles. Every figure comes before the
/// figures it is built on, so walking this list backwards meets each figure's parts before the figure.
inline constexpr std::array<std::int32_t, 52> ordreDesFigures = {
    226, 126, 225, 125, 224, 123, 122, 221, 121, 220, 120, 219, 119, 218, 118, 217, 117, 216,
    116, 215, 115, 214, 114, 213, 113, 212, 112, 111, 210, 209, 208, 108, 207, 107, 206, 106,
    205, 105, 204, 104, 203, 103, 202, 102, 201, 101, 303, 302, 301, 300, 200, 100};

inline constexpr std::array<std::int8_t, 304> rangsDesFigures = [] {
    std::array<std::int8_t, 304> rangs{};
    rangs.fill(-1);
    for (std::size_t r = 0; r < ordreDesFigures.size(); ++r)
        rangs[static_cast<std::size_t>(ordreDesFigures[r])] = static_cast<std::int8_t>(r);
    return rangs;
}();

/// The rank of a figure code in `ordreDesFigures`, or -1 for a code that is no figure.
constexpr int rangDeFigure(std::int32_t code) {
    return code >= 0 && code < static_cast<std::int32_t>(rangsDesFigures.size())
               ? rangsDesFigures[static_cast<std::size_t>(code)]
               : -1;
}

/// The conditions of every figure of the catalogue, tested at the candle that ends the figure.
///
/// `Source` gives the candles and everything the conditions read: the quotes, the measures and predicates of
/// the candles, the tolerance test, the trend tests, `E` (a figure at another candle or at the same one) and
/// `Trouve` (the nearest candle holding a figure). The same conditions thus serve the collection itself, which
/// recomputes everything at every call, and the memo, which answers `E` from the outcomes already computed.
template <class Source>
class Reconnaissance {
public:
    explicit Reconnaissance(const Source& s) : s_(s) {}

    /// True when the figure `code` ends at candle i; false outside the candles and for a code that is no figure.
    bool est(std::int32_t i, std::int32_t code) const {
        const int rang = rangDeFigure(code);
        if (i < 1 || i > s_.Nombre() || rang < 0) return false;
        return (this->*parRang[static_cast<std::size_t>(rang)])(i);
    }

    /// The conditions of the figure `Code` at candle i, 1 ≤ i ≤ `Nombre`.
    template <std::int32_t Code>
    bool figure(std::int32_t i) const {
        switch (Code) {
            case 100: return s_.C(i) < s_.O(i);
            case 200: return s_.C(i) > s_.O(i);
            case 101: return grandeBougie(i, 100);
            case 201: return grandeBougie(i, 200);
            case 107: return ombrePositive(i) && T2(i) && corpsAuPlus(i, tiers) && nul(s_.Tête(i), s_.Ombre(i));
            case 108: return ombrePositive(i) && T2(i) && corpsAuPlus(i, tiers) && nul(s_.Queue(i), s_.Ombre(i));
            case 208: return ombrePositive(i) && T1(i) && corpsAuPlus(i, tiers) && nul(s_.Tête(i), s_.Ombre(i));
            case 207: return ombrePositive(i) && T1(i) && corpsAuPlus(i, tiers) && nul(s_.Queue(i), s_.Ombre(i));
            case 210: return ombrePositive(i) && T1(i) && s_.E(i, 208) && corpsAuPlus(i, quart);
            case 209: return ombrePositive(i) && T1(i) && s_.E(i, 207) && corpsAuPlus(i, quart);
            case 111: return ombrePositive(i) && s_.E(i, 108) && nul(s_.Corps(i), s_.Ombre(i));
            case 112: return ombrePositive(i) && T2(i) && s_.E(i, 101) && nul(s_.Tête(i), s_.Ombre(i));
            case 212: return ombrePositive(i) && T1(i) && s_.E(i, 201) && nul(s_.Queue(i), s_.Ombre(i));
            case 300: return ombrePositive(i) && nul(s_.Corps(i), s_.Ombre(i));
            case 301: return ombrePositive(i) && s_.E(i, 300) && s_.Queue(i) / s_.Ombre(i) > demi && s_.OmbreGrande(i);
            case 302: return ombrePositive(i) && s_.E(i, 301) && s_.TC(s_.Tête(i), s_.Queue(i), s_.Ombre(i));
            case 102: return i >= 2 && T2(i) && (s_.E(i, 100) || s_.E(i, 300)) && s_.E(i - 1, 201) &&
                             s_.CorpsInclus(i, i - 1);
            case 202: return i >= 2 && T1(i) && (s_.E(i, 200) || s_.E(i, 300)) && s_.E(i - 1, 101) &&
                             s_.CorpsInclus(i, i - 1);
            case 104: return i >= 2 && s_.E(i, 102) && s_.E(i, 300);
            case 204: return i >= 2 && s_.E(i, 202) && s_.E(i, 300);
            case 105: return i >= 2 && T1(i) && s_.OmbresAuDessous(i, i - 1);
            case 205: return i >= 2 && T2(i) && s_.OmbresAuDessus(i, i - 1);
            case 106: return i >= 2 && T1(i) && s_.E(i - 1, 201) && s_.E(i, 101) && s_.CorpsAuDessous(i, i - 1);
            case 206: return i >= 2 && T2(i) && s_.E(i - 1, 101) && s_.E(i, 201) && s_.CorpsAuDessus(i, i - 1);
            case 113: return couvertureEnNuageNoir(i);
            case 213: return pénétrante(i);
            case 114: return i >= 2 && T2(i) && s_.E(i, 101) && s_.E(i - 1, 200) && s_.CorpsInclus(i - 1, i);
            case 214: return i >= 2 && T1(i) && s_.E(i, 201) && s_.E(i - 1, 100) && s_.CorpsInclus(i - 1, i);
            case 117: return i >= 2 && T2(i) && s_.E(i - 1, 201) && s_.E(i, 300) && s_.CorpsAuDessus(i, i - 1);
            case 217: return i >= 2 && T1(i) && s_.E(i - 1, 101) && s_.E(i, 300) && s_.CorpsAuDessous(i, i - 1);
            case 103: return i >= 5 && ombrePositive(i) && T2(i) && pinces(i, true);
            case 203: return i >= 5 && ombrePositive(i) && T1(i) && pinces(i, false);
            case 118: return étoileDuSoir(i);
            case 218: return étoileDuMatin(i);
            case 119: return i >= 3 && s_.E(i, 118) && s_.E(i - 1, 300);
            case 219: return i >= 3 && s_.E(i, 218) && s_.E(i - 1, 300);
            case 120: return i >= 3 && s_.E(i, 119) && s_.OmbresAuDessous(i - 2, i - 1) && s_.OmbresAuDessous(i, i - 1);
            case 220: return i >= 3 && s_.E(i, 219) && s_.OmbresAuDessus(i - 2, i - 1) && s_.OmbresAuDessus(i, i - 1);
            case 121: return troisCorbeauxNoirs(i);
            case 221: return troisSoldatsBlancs(i);
            case 122: return i >= 3 && T2(i) && s_.E(i - 2, 201) && s_.E(i - 1, 100) && s_.E(i, 100) &&
                             s_.CorpsAuDessus(i - 1, i - 2) && s_.CorpsInclus(i - 1, i);
            case 115: return lignesCôteÀCôte<false>(i);
            case 215: return lignesCôteÀCôte<true>(i);
            case 116: return tasukiGapDescendant(i);
            case 216: return tasukiGapAscendant(i);
            case 123: return nouveauxHauts(i);
            case 224: return structureEnDessousDePlat(i);
            case 125: return troisMéthodes(i, 101);
            case 225: return troisMéthodes(i, 201);
            case 126: return sommetEnTours(i);
            case 226: return creuxEnTours(i);
            case 303: return hautesVagues(i);
            default: return false;
        }
    }

private:
    using Test = bool (Reconnaissance::*)(std::int32_t) const;
    static constexpr std::array<Test, ordreDesFigures.size()> parRang =
        []<std::size_t... R>(std::index_sequence<R...>) {
            return std::array<Test, sizeof...(R)>{&Reconnaissance::figure<ordreDesFigures[R]>...};
        }(std::make_index_sequence<ordreDesFigures.size()>{});

    // The quotients are set in double and rounded to single, to be compared with the single quotient of the
    // measures.
    static constexpr float tiers = static_cast<float>(1.0 / 3.0);
    static constexpr float quart = static_cast<float>(1.0 / 4.0);
    static constexpr float demi = static_cast<float>(1.0 / 2.0);

    bool T1(std::int32_t i) const { return s_.TendanceValide(i, 1); }
    bool T2(std::int32_t i) const { return s_.TendanceValide(i, 2); }
    bool ombrePositive(std::int32_t i) const { return s_.Ombre(i) > 0; }
    /// x is nil within the tolerance, relative to r.
    bool nul(float x, float r) const { return s_.TC(x, 0.0f, r); }
    bool corpsAuPlus(std::int32_t i, float part) const { return s_.Corps(i) / s_.Ombre(i) <= part; }

    /// "Grand noir" (plain 100) or "Grand blanc" (plain 200).
    bool grandeBougie(std::int32_t i, std::int32_t simple) const {
        return ombrePositive(i) && s_.E(i, simple) && s_.CorpsGrand(i) &&
               (!s_.AvecTendance() || s_.Corps(i) >= s_.Ombre(i) / 2);
    }

    bool couvertureEnNuageNoir(std::int32_t i) const {
        const std::int32_t j = i - 1;
        return i >= 2 && T2(i) && s_.E(i, 101) && s_.E(j, 201) && s_.CorpsHaut(i) > s_.CorpsHaut(j) &&
               s_.CorpsBas(i) <= (s_.O(j) + s_.C(j)) / 2;
    }

    bool pénétrante(std::int32_t i) const {
        const std::int32_t j = i - 1;
        return i >= 2 && T1(i) && s_.E(i, 201) && s_.E(j, 101) && s_.CorpsBas(i) < s_.CorpsBas(j) &&
               s_.CorpsHaut(i) >= (s_.O(j) + s_.C(j)) / 2;
    }

    /// The tweezers: the first of the four previous candles whose high (or low) equals candle i's within the
    /// tolerance, with no candle in between going beyond it.
    bool pinces(std::int32_t i, bool sommet) const {
        const float ombre = s_.Ombre(i);
        const float extrême = sommet ? s_.H(i) : s_.L(i);
        std::int32_t k = i - 4;
        while (k <= i - 1 && !s_.TC(extrême, sommet ? s_.H(k) : s_.L(k), ombre)) ++k;
        if (k > i - 1) return false;
        for (std::int32_t m = k + 1; m < i; ++m)
            if (sommet ? s_.H(m) > extrême : s_.L(m) < extrême) return false;
        return true;
    }

    bool étoileDuSoir(std::int32_t i) const {
        const std::int32_t j = i - 1, h = i - 2;
        return i >= 3 && T2(i) && s_.E(h, 201) && s_.CorpsPetit(j) && s_.E(i, 101) && s_.CorpsAuDessus(j, h) &&
               s_.CorpsHaut(i) < s_.H(j) && s_.CorpsHaut(i) < s_.CorpsHaut(j);
    }

    bool étoileDuMatin(std::int32_t i) const {
        const std::int32_t j = i - 1, h = i - 2;
        return i >= 3 && T1(i) && s_.E(h, 101) && s_.CorpsPetit(j) && s_.E(i, 201) && s_.CorpsAuDessous(j, h) &&
               s_.CorpsBas(i) > s_.L(j) && s_.CorpsBas(i) > s_.CorpsBas(j);
    }

    bool troisCorbeauxNoirs(std::int32_t i) const {
        const std::int32_t j = i - 1, h = i - 2;
        if (i < 3 || !s_.E(i, 100) || !s_.E(j, 100) || !s_.E(h, 100) || !T2(i)) return false;
        for (std::int32_t m : {h, j, i})
            if (!ombrePositive(m) || !nul(s_.Queue(m), s_.Ombre(m))) return false;
        return s_.CorpsBas(i) < s_.CorpsBas(j) && s_.CorpsBas(j) < s_.CorpsBas(h) &&
               Entre(s_.CorpsHaut(j), s_.CorpsBas(h), s_.CorpsHaut(h)) &&
               Entre(s_.CorpsHaut(i), s_.CorpsBas(j), s_.CorpsHaut(j));
    }

    bool troisSoldatsBlancs(std::int32_t i) const {
        const std::int32_t j = i - 1, h = i - 2;
        if (i < 3 || !s_.E(i, 200) || !s_.E(j, 200) || !s_.E(h, 200)) return false;
        for (std::int32_t m : {h, j, i})
            if (!ombrePositive(m) || !nul(s_.Tête(m), s_.Ombre(m))) return false;
        return s_.CorpsHaut(i) > s_.CorpsHaut(j) && s_.CorpsHaut(j) > s_.CorpsHaut(h) &&
               Entre(s_.CorpsBas(j), s_.CorpsBas(h), s_.CorpsHaut(h)) &&
               Entre(s_.CorpsBas(i), s_.CorpsBas(j), s_.CorpsHaut(j));
    }

    /// Two small white candles side by side after a gap: down from a black candle (115) or up from a white one
    /// (215).
    template <bool ascendant>
    bool lignesCôteÀCôte(std::int32_t i) const {
        const std::int32_t j = i - 1, h = i - 2;
        if (i < 3 || !s_.E(i, 200) || !s_.E(j, 200) || !s_.E(h, ascendant ? 200 : 100)) return false;
        if (!(ascendant ? T2(i) : T1(i))) return false;
        const bool gap = ascendant ? s_.CorpsAuDessus(j, h) && s_.CorpsBas(i) > s_.CorpsHaut(h)
                                   : s_.CorpsAuDessous(j, h) && s_.CorpsHaut(i) < s_.CorpsBas(h);
        return gap && s_.TC(s_.O(i), s_.O(j), s_.Ombre(i)) && corpsÉgauxEtPetits(i);
    }

    bool tasukiGapDescendant(std::int32_t i) const {
        const std::int32_t j = i - 1, h = i - 2;
        return i >= 3 && T1(i) && s_.E(h, 100) && s_.E(j, 100) && s_.E(i, 200) && s_.CorpsAuDessous(j, h) &&
               s_.CorpsBas(i) > s_.CorpsBas(j) && s_.CorpsHaut(i) > s_.CorpsHaut(j) &&
               s_.CorpsHaut(i) < s_.CorpsBas(h) && corpsÉgauxEtPetits(i);
    }

    bool tasukiGapAscendant(std::int32_t i) const {
        const std::int32_t j = i - 1, h = i - 2;
        return i >= 3 && T2(i) && s_.E(h, 200) && s_.E(j, 200) && s_.E(i, 100) && s_.CorpsAuDessus(j, h) &&
               s_.CorpsBas(i) < s_.CorpsBas(j) && s_.CorpsHaut(i) < s_.CorpsHaut(j) &&
               s_.CorpsBas(i) > s_.CorpsHaut(h) && corpsÉgauxEtPetits(i);
    }

    /// The bodies of candles i - 1 and i are equal within the tolerance and both small.
    bool corpsÉgauxEtPetits(std::int32_t i) const {
        return s_.TC(s_.Corps(i), s_.Corps(i - 1), s_.Ombre(i)) && s_.CorpsPetit(i - 1) && s_.CorpsPetit(i);
    }

    bool nouveauxHauts(std::int32_t i) const {
        if (i < 9 || !T2(i)) return false;
        for (std::int32_t m = i - 7; m <= i; ++m)
            if (!(s_.C(m) > s_.C(m - 1))) return false;
        return true;
    }

    bool structureEnDessousDePlat(std::int32_t i) const {
        return i >= 5 && s_.E(i - 4, 201) && s_.E(i - 3, 100) && s_.E(i - 2, 100) && s_.E(i - 1, 100) &&
               s_.E(i, 200) && s_.CorpsAuDessus(i - 3, i - 4) && s_.CorpsAuDessus(i, i - 1);
    }

    /// Three methods: a long candle (101 falling, 201 rising), small candles held inside it, then a long candle of
    /// the same colour that breaks out of them.
    bool troisMéthodes(std::int32_t i, std::int32_t longue) const {
        if (!s_.E(i, longue) || i < 7) return false;
        const std::int32_t k = s_.Trouve(i - 1, longue);
        if (!(0 < k && k < i - 2)) return false;
        const bool sortie = longue == 101
                                ? s_.CorpsBas(i) <= s_.CorpsBas(k) && Entre(s_.CorpsHaut(i), s_.L(i - 1), s_.H(i - 1))
                                : s_.CorpsHaut(i) >= s_.CorpsHaut(k) && Entre(s_.CorpsBas(i), s_.L(i - 1), s_.H(i - 1));
        if (!sortie) return false;
        for (std::int32_t m = k + 1; m < i; ++m)
            if (s_.CorpsGrand(m) || !s_.OmbreEtCorpsInclus(m, k)) return false;
        return true;
    }

    bool sommetEnTours(std::int32_t i) const {
        if (i < 10 || !T2(i) || !s_.E(i, 101)) return false;
        const std::int32_t k = s_.Trouve(i - 1, 201);
        if (!(i - 10 < k && k < i - 3) || !s_.E(k, 201)) return false;
        if (!Entre(s_.CorpsHaut(i), s_.H(k) - s_.Ombre(k) / 2, s_.H(k))) return false;
        const float plancher = Maxi(s_.CorpsBas(i), s_.CorpsBas(k));
        for (std::int32_t m = k + 1; m < i; ++m)
            if (s_.CorpsGrand(m) || s_.L(m) < plancher) return false;
        return true;
    }

    bool creuxEnTours(std::int32_t i) const {
        if (i < 10 || !T1(i) || !s_.E(i, 201)) return false;
        const std::int32_t k = s_.Trouve(i - 1, 101);
        if (!(i - 10 < k && k < i - 3) || !s_.E(k, 101)) return false;
        if (!Entre(s_.CorpsBas(i), s_.L(k), s_.L(k) + s_.Ombre(k) / 2)) return false;
        const float plafond = Mini(s_.CorpsHaut(i), s_.CorpsHaut(k));
        for (std::int32_t m = k + 1; m < i; ++m)
            if (s_.CorpsGrand(m) || s_.H(m) > plafond) return false;
        return true;
    }

    bool hautesVagues(std::int32_t i) const {
        if (!ombrePositive(i) || i < 5 || !s_.TendanceNonNulle(i)) return false;
        std::int32_t précédente = 0, nombre = 0;
        bool accordées = true;
        for (std::int32_t m = i - 4; m <= i; ++m) {
            if (!s_.OmbreGrande(m) || s_.CorpsGrand(m)) continue;
            const float ombre = s_.Ombre(m);
            if (!(ombre > 0)) continue;
            // The close in the middle half of the range.
            if (!Entre(s_.C(m), s_.L(m) + ombre / 4, s_.L(m) + 3 * ombre / 4)) continue;
            if (précédente != 0)
                accordées = accordées && s_.TC(s_.H(m), s_.H(précédente), ombre) &&
                            s_.TC(s_.L(m), s_.L(précédente), ombre);
            précédente = m;
            ++nombre;
        }
        return nombre >= 3 && accordées;
    }

    const Source& s_;
};

}  // namespace vantorelle
