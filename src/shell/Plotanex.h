#pragma once
#include <string>

#include "shell/Bureau.h"
#include "shell/Emplacements.h"

namespace vantorelle {

/// Opens the security in the charting program: "Plotanex" (or "Plotanex.exe") of the data root is started
/// in the data root with the code as its argument, and the code and Enter are typed into its window. False,
/// with nothing shown, when it could not be started. This process's own directory never changes.
bool LancerPlotanex(const Emplacements& emplacements, const std::string& code, Bureau& bureau = bureauSystème());

}  // namespace vantorelle
