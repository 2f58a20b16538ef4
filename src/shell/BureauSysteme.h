#pragma once
#include "shell/Bureau.h"

namespace vantorelle {

/// The desktop through its ordinary programs: processes are started with posix_spawn and reaped in the
/// background; typing goes through xdotool, into the started program's own window only.
class BureauSystème : public Bureau {
public:
    std::optional<int> démarrer(const std::vector<std::string>& arguments, const std::string& répertoire) override;
    void taper(int processus, const std::string& texte) override;
};

}  // namespace vantorelle
