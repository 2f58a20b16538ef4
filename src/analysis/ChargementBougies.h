#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "analysis/BourseCollection.h"
#include "analysis/Jour.h"

namespace vantorelle {

/// The candles a scan works on.
enum class PériodeBougie { Jour, Semaine, Mois };

/// The look-back before the first date, in calendar days, for the period option `Période`.
std::int64_t Recul(double période, PériodeBougie bougie);
/// The key of the first candle to scan for the start date.
std::string CléDeDébut(Jour début, PériodeBougie bougie);

/// Loads the candles of a security's history file dated from `premier` to `dernier` (the marker dates
/// allowed), with their sizes, under the options of `jours`: daily candles straight into `jours`, which must
/// then be `bc`; weekly or monthly ones grouped as the days are read, `jours` lending its options and memory,
/// into a new object that replaces `bc`.
void ChargerBougies(BourseCollection& bc, BourseCollection& jours, const std::string& code, const std::string& nom,
                    const std::filesystem::path& fichier, Jour premier, Jour dernier, PériodeBougie période);

/// Recognises and weighs the figures of the candles from the first one whose key is at least `cléDébut`
/// onward; that candle, or 0 when there is none.
std::int32_t ReconnaîtreDepuis(BourseCollection& bc, std::string_view cléDébut);

}  // namespace vantorelle
