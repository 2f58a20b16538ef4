#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/BourseCollection.h"

namespace vantorelle::test {

/// A candle as the series hold it, daily or grouped: its key, prices and volume in ten-thousandths.
struct Période {
    std::string clé;
    float o, h, l, c;
    std::int64_t volume;
    friend bool operator==(const Période&, const Période&) = default;
    friend std::ostream& operator<<(std::ostream& flux, const Période& p) {
        return flux << p.clé << ' ' << p.o << ' ' << p.h << ' ' << p.l << ' ' << p.c << ' ' << p.volume;
    }
};

inline std::vector<Période> périodesDe(const BourseCollection& bourse) {
    std::vector<Période> périodes;
    for (std::int32_t i = 1; i <= bourse.Nombre; ++i)
        périodes.push_back({bourse.Date.Item(i).texte(), bourse.Ouverture.Item(i).enSimple(),
                            bourse.Maximum.Item(i).enSimple(), bourse.Minimum.Item(i).enSimple(),
                            bourse.Clôture.Item(i).enSimple(),
                            std::get<Monnaie>(bourse.Volume.Item(i).contenu()).dixMillièmes});
    return périodes;
}

inline std::vector<Valeur> valeurs(const Fonction& f) {
    std::vector<Valeur> v;
    for (std::int32_t i = 1; i <= f.Longueur(); ++i) v.push_back(f.Item(i));
    return v;
}

}  // namespace vantorelle::test
