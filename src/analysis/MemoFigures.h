#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "analysis/BourseCollection.h"
#include "analysis/Reconnaissance.h"

namespace vantorelle {

/// The outcome of every figure at every candle of a collection, computed once in a single pass and kept
/// until something the figures read changes: `Nombre`, a price series, a size series, the trend series or
/// `Options`.
///
/// The pass walks the candles in order and, at each candle, the figures from the last of the priority
/// order to the first, so that the figures a figure is built on, at this candle or an earlier one, are
/// already known when it is tested.
class BourseCollection::MemoFigures {
public:
    /// True when the memo was computed, or found impossible to compute, from the collection as it is now.
    bool àJour(const BourseCollection& bc) const;
    /// Computes every outcome from the collection. It cannot when some candle has no price copy or when
    /// reading the collection fails (an unreadable option): the calls then read the collection as written.
    void calculer(const BourseCollection& bc);
    /// The outcomes were computed.
    bool utilisable() const { return utilisable_; }

    bool est(std::int32_t i, std::int32_t code) const {
        const int rang = rangDeFigure(code);
        return i >= 1 && i < static_cast<std::int32_t>(figures_.size()) && rang >= 0 &&
               ((figures_[static_cast<std::size_t>(i)] >> rang) & 1) != 0;
    }
    /// The first figure of the priority order that holds at candle i, 400 when none does.
    std::int32_t chandelier(std::int32_t i) const;
    /// The nearest candle from i down to i - 10 holding the figure, 0 when none does or when i < 11.
    std::int32_t trouve(std::int32_t i, std::int32_t code) const;

private:
    class Lecture;  // what the figures read while the pass runs

    static std::array<const Fonction*, 9> sériesLues(const BourseCollection& bc);
    /// `TrouveChandelier` over the outcomes of candles 1 to nombre.
    static std::int32_t premièreEnArrière(const std::vector<std::uint64_t>& figures, std::int32_t nombre,
                                           std::int32_t i, std::int32_t code);

    std::array<Empreinte, 9> séries_;  // the states of the series the outcomes were computed from
    std::uint64_t versionOptions_ = 0;
    std::int32_t nombre_ = -1;
    bool calculé_ = false;
    bool utilisable_ = false;
    // Bit r of value i: the figure of rank r in the priority order holds at candle i (value 0 unused).
    std::vector<std::uint64_t> figures_;
};

}  // namespace vantorelle
