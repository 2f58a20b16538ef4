#pragma once
#include "shell/Emplacements.h"

namespace vantorelle {

/// The start-up step of the options: in the program's settings, every option that has a start-up default is
/// read with it as default and written back, in the order of the options table. A present, non-empty value
/// stays as it is; a missing or empty one becomes the default.
void ÉcrireDéfautsDémarrage(const Emplacements& emplacements);

}  // namespace vantorelle
