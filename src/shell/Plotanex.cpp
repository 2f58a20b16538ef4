#include "shell/Plotanex.h"

#include <filesystem>

#include "shell/RacineDonnees.h"
#include "store/Repertoires.h"

namespace vantorelle {

bool LancerPlotanex(const Emplacements& emplacements, const std::string& code, Bureau& bureau) {
    try {
        const std::string racine = CheminBase(emplacements);
        for (const char* nom : {"Plotanex", "Plotanex.exe"}) {
            const std::string programme = racine.empty() ? std::string("./") + nom : racine + nom;
            if (!FichierExiste(programme)) continue;
            // The child moves into the data root before it runs the program, so the program's path is absolute.
            const auto processus = bureau.démarrer({std::filesystem::absolute(programme).string(), code}, racine);
            if (!processus) return false;
            bureau.taper(*processus, code);
            return true;
        }
    } catch (const std::exception&) {
        // The charting program is a convenience: when it cannot be reached, nothing is said.
    }
    return false;
}

}  // namespace vantorelle
