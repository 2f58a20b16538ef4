#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "series/Fonction.h"
#include "series/TendanceEtMoyenne.h"

namespace vantorelle {

class BourseCollection;

/// The dashboard texts of one series, the cells of `BourseCollection::Variation` or `VariationMoyenne`,
/// made candle by candle: a scan shows few of the candles it reads. The numbers behind every cell are worked
/// out at once, so a value that cannot be read fails here, as it fails in the whole series. The cells read
/// the series and averages they were made from, which must outlive them.
class CellulesAffichage {
public:
    /// The cells of `Variation(x)`; `tendance` is x's trend over the collection's period.
    static CellulesAffichage variation(const BourseCollection& bc, const Fonction& x, const Fonction& tendance);
    /// The cells of `VariationMoyenne(x, format)`; `indicateurs` holds x's trend and moving average over the
    /// collection's period.
    static CellulesAffichage variationMoyenne(const BourseCollection& bc, const Fonction& x,
                                              const TendanceEtMoyenne& indicateurs, std::string format);

    /// What `Item(i).texte()` of the whole series gives.
    std::string texte(std::int32_t i) const;
    /// The same text written over `cellule`, whose memory is reused.
    void écrire(std::int32_t i, std::string& cellule) const;
    /// The whole series.
    Fonction série() const;

private:
    enum class Sorte : std::uint8_t { Aucune, Variation, Moyenne };
    /// What a cell writes besides the value: the trend sign, then '+'/'-' and the move, or '>'/'<' and the
    /// average; nothing when `signe` is 0.
    struct Pièce {
        char tendance = 0;
        char signe = 0;
    };

    CellulesAffichage(Sorte sorte, const Fonction& x, std::int32_t nombre)
        : sorte_(sorte), x_(&x), nombre_(nombre) {}

    Sorte sorte_;
    const Fonction* x_;
    std::int32_t nombre_;
    std::string format_;
    const Fonction* moyenne_ = nullptr;
    std::vector<Pièce> pièces_;  // index i for candle i
};

}  // namespace vantorelle
