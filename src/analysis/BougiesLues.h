#pragma once
#include <optional>
#include <string>
#include <vector>

#include "analysis/BourseCollection.h"
#include "store/Erreur.h"

namespace vantorelle {

/// Candles read from a history file, before they are written to the series or grouped by period. The
/// prices are indexed from 1, as the series are; the dates and volumes from 0.
struct BourseCollection::BougiesLues {
    void vider() {
        dates.clear();
        jours.clear();
        for (std::vector<float>* v : {&o, &h, &l, &c}) v->resize(1);
        volumes.clear();
    }
    std::int32_t nombre() const { return static_cast<std::int32_t>(jours.size()); }

    std::vector<std::string> dates;  // the date keys, when the load keeps them
    std::vector<Jour> jours;         // the date of each key
    std::vector<float> o{0.0f}, h{0.0f}, l{0.0f}, c{0.0f};
    std::vector<Monnaie> volumes;
};

/// What a load read from a history file.
struct BourseCollection::LectureBougies {
    /// False when a date marker found no line in the file: the load then leaves the object as it was.
    bool lue = false;
    /// The candles gathered, in the load's memory.
    BougiesLues* bougies = nullptr;
    /// The number of lines read, the candles' and the skipped ones.
    std::int32_t lignes = 0;
    /// The error of the bad field that ended the reading, after the candles before it.
    std::optional<ErreurConversion> erreur;
};

}  // namespace vantorelle
