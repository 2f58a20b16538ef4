#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "shell/Emplacements.h"
#include "store/Avertissement.h"

namespace vantorelle {

/// One analysis setting ("Tolérance", "Période", "Période2" or "TailleMarubozu") read as the scan reads it: a
/// number with a decimal comma or point, the last three rounded to a 16-bit integer, halves to even. Gives the
/// reason for a warning when the scan computes with the value though it makes little sense (a period under 1,
/// a negative size or tolerance, decimals where an integer is read), nothing when it is sound. Throws
/// ErreurConversion headed by `nom` when the scan cannot compute with it:
/// `--periode2 : "abc" n'est pas un nombre.`, `--periode2 : "40000" dépasse 32767.`
std::optional<std::string> VérifierRéglageAnalyse(std::string_view clé, std::string_view valeur,
                                                  std::string_view nom);

/// The four analysis settings of section "BourseCollection" of the program's settings file, read as the scan
/// reads them, after ÉcrireDéfautsDémarrage has filled the missing ones: one warning on the settings file for
/// each value kept though it makes little sense (`Période=0 : une période de 0 n'a pas de sens ; la valeur
/// est gardée`). Throws ErreurConversion for the first value a scan cannot compute with:
/// `Paramètre Période (section BourseCollection) : "abc" n'est pas un nombre.`
Avertissements VérifierRéglagesAnalyse(const Emplacements& emplacements);

}  // namespace vantorelle
