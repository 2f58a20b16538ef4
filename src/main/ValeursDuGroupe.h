#pragma once
#include <string>
#include <vector>

#include "main/ParametresScan.h"
#include "store/Avertissement.h"

namespace vantorelle {

/// The securities a scan of a group walks, and what their reading found amiss.
struct ValeursDuGroupe {
    std::vector<ValeurGroupe> valeurs;
    Avertissements avertissements;
};

/// The securities of a group file, each scanned once: a line whose code (compared byte for byte) an earlier
/// line gave is left out, since scanning the group of a previous scan would otherwise multiply it. Warns of
/// the lines left out and of the lines that are not a code and a name. Throws ErreurFichier naming the file
/// when it cannot be read.
ValeursDuGroupe LireValeursDuGroupe(const std::string& fichierGroupe);

}  // namespace vantorelle
