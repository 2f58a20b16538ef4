#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "analysis/Jour.h"
#include "analysis/LectureCours.h"

namespace vantorelle {

/// What the import does with one line of a provider's file.
enum class SortLigne {
    Écrite,   ///< a history line to write, if its security takes it
    Ignorée,  ///< fewer than seven comma-separated fields, or no code
    Rejetée,  ///< a field that cannot be written: the import goes on without the line
    Arrêt,    ///< a volume that is not a number: the import stops if it was to write the line
};

/// One line of a provider's file (code, date as YYMMDD, open, high, low, close, volume, separated by commas)
/// read for the history base.
struct LigneImport {
    SortLigne sort = SortLigne::Ignorée;
    std::string code;        ///< field 1
    Jour date;               ///< "20" followed by field 2, when it reads as a date
    std::string historique;  ///< when written: the date, the four prices as their text with "." made ",", the
                             ///< volume as a whole number, separated by TAB and ended by CR LF
    std::string raison;      ///< when rejected or stopping: `champ N (Nom) : "texte" …`, for the caller to
                             ///< put after the file and the line
};

/// Reads the line, a quote of the day `aujourdhui` at the latest tomorrow. The date field must be six digits
/// forming a date, the prices decimal numbers (comma or point) and the volume a decimal number that fits in
/// 64 bits once rounded to a whole number, halves to even. Fields after the seventh are not used.
LigneImport LireLigneImport(std::string_view ligne, Jour aujourdhui);

/// The volume field as a whole number, read exactly from its decimal text: an optional sign, digits, and a
/// decimal comma or point with digits, spaces around allowed; the fraction rounded half to even.
LectureCours lireVolumeEntier(std::string_view champ, std::int64_t& volume);

}  // namespace vantorelle
