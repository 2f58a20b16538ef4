#pragma once
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

#include "shell/Emplacements.h"
#include "support/DossierTemporaire.h"

namespace vantorelle::test {

/// A temporary folder that stands for the user's files for the length of a test or a benchmark: its
/// locations put the settings file, the program directory, the cache and the state in it, and read the
/// installed files from the source tree.
class EnvironnementEssai {
public:
    EnvironnementEssai()
        : emplacements_({chemin("config/Vantorelle.ini"), chemin("programme"), VANTORELLE_SOURCE_DATA_DIR,
                         chemin("cache"), chemin("etat")}) {}

    const Emplacements& emplacements() const { return emplacements_; }
    Emplacements& emplacements() { return emplacements_; }

    const std::filesystem::path& racine() const { return dossier_.chemin(); }
    std::string paramètres() const { return emplacements_.FichierParamètres().string(); }
    std::filesystem::path programme() const { return racine() / "programme"; }

    /// A path inside the temporary folder.
    std::string chemin(std::string_view relatif) const { return dossier_.fichier(relatif); }

    /// Creates the file (and its folders) with exactly these bytes and returns its path.
    std::string écrire(std::string_view relatif, std::string_view octets) const {
        return dossier_.écrire(relatif, octets);
    }

private:
    DossierTemporaire dossier_;
    Emplacements emplacements_;
};

/// Dates the file back by `secondes` (an hour by default), as a file that has been there for a while.
inline void vieillir(const std::string& chemin, long secondes = 3600) {
    const timespec date[2] = {{std::time(nullptr) - secondes, 0}, {std::time(nullptr) - secondes, 0}};
    ::utimensat(AT_FDCWD, chemin.c_str(), date, 0);
}

}  // namespace vantorelle::test
