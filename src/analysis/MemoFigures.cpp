#include "analysis/MemoFigures.h"

#include <bit>
#include <cmath>
#include <utility>

#include "analysis/Catalogue.h"

namespace vantorelle {

/// What the figures read during the pass: plain copies of the prices, the sizes and the options, the size
/// and trend tests taken once per candle, and the figures of earlier candles, and this candle's simpler ones,
/// from the outcomes already computed. Every test here is the collection's own, on the copies.
class BourseCollection::MemoFigures::Lecture {
public:
    Lecture(const BourseCollection& bc, const Bougies& b, const std::vector<std::uint64_t>& figures)
        : b_(b), figures_(figures), avecTendance_(bc.avecTendance()), tolérance_(bc.tolérance()) {
        const Série tailleCorps = bc.tailleCorps(), moyenneCorps = bc.moyenneCorps();
        const Série tailleOmbre = bc.tailleOmbre(), moyenneOmbre = bc.moyenneOmbre();
        const auto marubozu = static_cast<float>(bc.tailleMarubozu());
        // Above `TailleMarubozu` times its average, where the average exists.
        const auto grande = [marubozu](const Série& taille, const Série& moyenne, std::int32_t i) {
            return i <= taille.longueur && i <= moyenne.longueur && taille.v[i] > marubozu * moyenne.v[i];
        };
        tests_.resize(static_cast<std::size_t>(b.n) + 1);
        for (std::int32_t i = 1; i <= b.n; ++i) {
            const double tendance = bc.tendanceLue(i);
            tests_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(
                (grande(tailleCorps, moyenneCorps, i) ? Grand : 0) |
                (grande(tailleOmbre, moyenneOmbre, i) ? OmbreLongue : 0) |
                (!avecTendance_ || tendance == 1 ? Baisse : 0) | (!avecTendance_ || tendance == 2 ? Hausse : 0) |
                (tendance != 0 ? Tendance : 0));
        }
    }

    std::int32_t Nombre() const { return b_.n; }
    float O(std::int32_t j) const { return b_.O[j]; }
    float H(std::int32_t j) const { return b_.H[j]; }
    float L(std::int32_t j) const { return b_.L[j]; }
    float C(std::int32_t j) const { return b_.C[j]; }

    // The measures, position tests and tolerance tests of the collection, on the plain copies.
    float Corps(std::int32_t j) const { return std::fabs(C(j) - O(j)); }
    float CorpsHaut(std::int32_t j) const { return C(j) >= O(j) ? C(j) : O(j); }
    float CorpsBas(std::int32_t j) const { return C(j) >= O(j) ? O(j) : C(j); }
    float Ombre(std::int32_t j) const { return H(j) - L(j); }
    float Tête(std::int32_t j) const { return H(j) - CorpsHaut(j); }
    float Queue(std::int32_t j) const { return CorpsBas(j) - L(j); }
    bool CorpsAuDessus(std::int32_t i, std::int32_t j) const {
        return O(i) > O(j) && O(i) > C(j) && C(i) > O(j) && C(i) > C(j);
    }
    bool CorpsAuDessous(std::int32_t i, std::int32_t j) const {
        return O(i) < O(j) && O(i) < C(j) && C(i) < O(j) && C(i) < C(j);
    }
    bool OmbresAuDessus(std::int32_t i, std::int32_t j) const { return L(i) > H(j); }
    bool OmbresAuDessous(std::int32_t i, std::int32_t j) const { return H(i) < L(j); }
    bool OmbreInclue(std::int32_t i, std::int32_t j) const {
        return L(j) <= L(i) && L(i) <= H(j) && L(j) <= H(i) && H(i) <= H(j);
    }
    bool CorpsInclus(std::int32_t i, std::int32_t j) const {
        const float hautI = CorpsHaut(i), basI = CorpsBas(i), hautJ = CorpsHaut(j), basJ = CorpsBas(j);
        return basJ <= hautI && hautI <= hautJ && basJ <= basI && basI <= hautJ;
    }
    bool OmbreEtCorpsInclus(std::int32_t i, std::int32_t j) const { return OmbreInclue(i, j) && CorpsInclus(i, j); }
    bool TC(float a, float b, float r) const {
        return r > 0 && static_cast<double>(std::fabs(a - b) / r) <= tolérance_;
    }
    bool CorpsPetit(std::int32_t j) const {
        return !CorpsGrand(j) && Ombre(j) > 0 && static_cast<double>(Corps(j) / Ombre(j)) >= 4 * tolérance_;
    }

    bool CorpsGrand(std::int32_t j) const { return test(j, Grand); }
    bool OmbreGrande(std::int32_t j) const { return test(j, OmbreLongue); }
    bool TendanceValide(std::int32_t i, std::int16_t t) const { return test(i, t == 1 ? Baisse : Hausse); }
    bool AvecTendance() const { return avecTendance_; }
    bool TendanceNonNulle(std::int32_t i) const { return test(i, Tendance); }
    bool E(std::int32_t j, std::int32_t code) const {
        return j >= 1 && ((figures_[static_cast<std::size_t>(j)] >> rangDeFigure(code)) & 1) != 0;
    }
    std::int32_t Trouve(std::int32_t i, std::int32_t code) const {
        return premièreEnArrière(figures_, b_.n, i, code);
    }

private:
    enum : std::uint8_t { Grand = 1, OmbreLongue = 2, Baisse = 4, Hausse = 8, Tendance = 16 };
    bool test(std::int32_t j, std::uint8_t quoi) const { return (tests_[static_cast<std::size_t>(j)] & quoi) != 0; }

    const Bougies& b_;
    const std::vector<std::uint64_t>& figures_;
    const bool avecTendance_;
    const double tolérance_;
    std::vector<std::uint8_t> tests_;
};

std::int32_t BourseCollection::MemoFigures::premièreEnArrière(const std::vector<std::uint64_t>& figures,
                                                              std::int32_t nombre, std::int32_t i,
                                                              std::int32_t code) {
    const int rang = rangDeFigure(code);
    if (i < 11 || i > nombre || rang < 0) return 0;
    for (std::int32_t j = i; j >= i - 10; --j)
        if (((figures[static_cast<std::size_t>(j)] >> rang) & 1) != 0) return j;
    return 0;
}

std::array<const Fonction*, 9> BourseCollection::MemoFigures::sériesLues(const BourseCollection& bc) {
    return {&bc.Ouverture,   &bc.Maximum,     &bc.Minimum,      &bc.Clôture,     &bc.TailleCorps,
            &bc.TailleOmbre, &bc.MoyenneCorps, &bc.MoyenneOmbre, &bc.Tendance};
}

bool BourseCollection::MemoFigures::àJour(const BourseCollection& bc) const {
    if (!calculé_ || nombre_ != bc.Nombre || versionOptions_ != bc.Options.version()) return false;
    const auto séries = sériesLues(bc);
    for (std::size_t k = 0; k < séries.size(); ++k)
        if (!séries_[k].de(*séries[k])) return false;
    return true;
}

void BourseCollection::MemoFigures::calculer(const BourseCollection& bc) {
    const auto séries = sériesLues(bc);
    for (std::size_t k = 0; k < séries.size(); ++k) séries_[k] = empreinte(*séries[k]);
    versionOptions_ = bc.Options.version();
    nombre_ = bc.Nombre;
    calculé_ = true;
    utilisable_ = false;
    try {
        const Bougies b = bc.bougies();
        // Candles without prices are read through the series, as each call reads them.
        if (b.n != bc.Nombre) return;
        figures_.assign(static_cast<std::size_t>(b.n) + 1, 0);
        const Lecture lecture(bc, b, figures_);
        const Reconnaissance<Lecture> figures(lecture);
        constexpr std::size_t dernier = ordreDesFigures.size() - 1;
        for (std::int32_t i = 1; i <= b.n; ++i) {
            std::uint64_t& bits = figures_[static_cast<std::size_t>(i)];
            // From the last rank to the first, each figure written before the figures built on it read it.
            [&]<std::size_t... R>(std::index_sequence<R...>) {
                ((bits |= std::uint64_t{figures.template figure<ordreDesFigures[dernier - R]>(i)} << (dernier - R)),
                 ...);
            }(std::make_index_sequence<ordreDesFigures.size()>{});
        }
        utilisable_ = true;
    } catch (const std::exception&) {
        // Computing every candle may read what a single call would not: the failure, if any, is the call's.
    }
}

std::int32_t BourseCollection::MemoFigures::chandelier(std::int32_t i) const {
    if (i < 1 || i > nombre_) return Catalogue::Aucune;
    const std::uint64_t bits = figures_[static_cast<std::size_t>(i)];
    return bits == 0 ? Catalogue::Aucune : ordreDesFigures[static_cast<std::size_t>(std::countr_zero(bits))];
}

std::int32_t BourseCollection::MemoFigures::trouve(std::int32_t i, std::int32_t code) const {
    return premièreEnArrière(figures_, nombre_, i, code);
}

}  // namespace vantorelle
