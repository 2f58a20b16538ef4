#include <algorithm>
#include <cstddef>
#include <span>

#include "analysis/BourseCollection.h"
#include "analysis/Catalogue.h"
#include "analysis/MemoFigures.h"
#include "analysis/Reconnaissance.h"

namespace vantorelle {

/// The figures reading the collection itself at every call: options, measures and the figures they are
/// built on are all recomputed.
class BourseCollection::LectureDirecte {
public:
    explicit LectureDirecte(const BourseCollection& bc) : bc_(bc) {}

    std::int32_t Nombre() const { return bc_.Nombre; }
    float O(std::int32_t j) const { return bc_.prix(j).o; }
    float H(std::int32_t j) const { return bc_.prix(j).h; }
    float L(std::int32_t j) const { return bc_.prix(j).l; }
    float C(std::int32_t j) const { return bc_.prix(j).c; }
    float Corps(std::int32_t j) const { return bc_.Corps(j); }
    float CorpsHaut(std::int32_t j) const { return bc_.CorpsHaut(j); }
    float CorpsBas(std::int32_t j) const { return bc_.CorpsBas(j); }
    float Ombre(std::int32_t j) const { return bc_.Ombre(j); }
    float Tête(std::int32_t j) const { return bc_.Tête(j); }
    float Queue(std::int32_t j) const { return bc_.Queue(j); }
    bool CorpsAuDessus(std::int32_t i, std::int32_t j) const { return bc_.CorpsAuDessus(i, j); }
    bool CorpsAuDessous(std::int32_t i, std::int32_t j) const { return bc_.CorpsAuDessous(i, j); }
    bool OmbresAuDessus(std::int32_t i, std::int32_t j) const { return bc_.OmbresAuDessus(i, j); }
    bool OmbresAuDessous(std::int32_t i, std::int32_t j) const { return bc_.OmbresAuDessous(i, j); }
    bool OmbreEtCorpsInclus(std::int32_t i, std::int32_t j) const { return bc_.OmbreEtCorpsInclus(i, j); }
    bool CorpsInclus(std::int32_t i, std::int32_t j) const { return bc_.CorpsInclus(i, j); }
    bool CorpsPetit(std::int32_t j) const { return bc_.CorpsPetit(j); }
    bool CorpsGrand(std::int32_t j) const { return bc_.CorpsGrand(j); }
    bool OmbreGrande(std::int32_t j) const { return bc_.OmbreGrande(j); }
    bool TC(float a, float b, float r) const { return bc_.ToléranceCompare(a, b, r); }
    bool TendanceValide(std::int32_t i, std::int16_t t) const { return bc_.TendanceValide(i, t); }
    bool AvecTendance() const { return bc_.avecTendance(); }
    bool TendanceNonNulle(std::int32_t i) const { return bc_.tendanceLue(i) != 0; }
    bool E(std::int32_t j, std::int32_t code) const { return bc_.EstChandelier(j, code); }
    std::int32_t Trouve(std::int32_t i, std::int32_t code) const { return bc_.TrouveChandelier(i, code); }

private:
    const BourseCollection& bc_;
};

double BourseCollection::tendanceLue(std::int32_t i) const {
    // Where the trend was not computed the candle has no trend.
    const std::span<const Valeur> valeurs = Tendance.Data()->valeurs();
    if (i < 1 || i > static_cast<std::int32_t>(valeurs.size())) return 0;
    return valeurs[static_cast<std::size_t>(i) - 1].enDouble();
}

const BourseCollection::MemoFigures* BourseCollection::mémo() const {
    if (!avecMémo_) return nullptr;
    if (!mémo_) mémo_ = std::make_shared<MemoFigures>();
    if (!mémo_->àJour(*this)) mémo_->calculer(*this);
    return mémo_->utilisable() ? mémo_.get() : nullptr;
}

bool BourseCollection::EstChandelier(std::int32_t i, std::int32_t code) const {
    if (const MemoFigures* m = mémo()) return m->est(i, code);
    const LectureDirecte lecture(*this);
    return Reconnaissance<LectureDirecte>(lecture).est(i, code);
}

std::int32_t BourseCollection::Chandelier(std::int32_t i) const {
    if (const MemoFigures* m = mémo()) return m->chandelier(i);
    for (const std::int32_t code : ordreDesFigures)
        if (EstChandelier(i, code)) return code;
    return Catalogue::Aucune;
}

std::int32_t BourseCollection::TrouveChandelier(std::int32_t i, std::int32_t code) const {
    if (const MemoFigures* m = mémo()) return m->trouve(i, code);
    if (i < 11 || i > Nombre) return 0;
    for (std::int32_t j = i; j >= i - 10; --j)
        if (EstChandelier(j, code)) return j;
    return 0;
}

void BourseCollection::ChargeChandeliers(std::int32_t début) {
    if (début > Nombre) return;
    const MemoFigures* m = mémo();
    const auto code = [&](std::int32_t j) {
        if (j < début) return Catalogue::Aucune;
        return m ? m->chandelier(j) : Chandelier(j);
    };
    // Values the series already holds are overwritten in place; the others are stored one by one, so that
    // the series grows as its own stores make it grow.
    std::int32_t j = std::min(début, std::int32_t{1});
    if (j >= 1) {
        const std::span<Valeur> enPlace = Chandeliers.Data()->valeursModifiables();
        for (; j <= Nombre && j <= static_cast<std::int32_t>(enPlace.size()); ++j)
            enPlace[static_cast<std::size_t>(j) - 1] = Valeur(code(j));
    }
    for (; j <= Nombre; ++j) Chandeliers.Item(j, Valeur(code(j)));
}

}  // namespace vantorelle
