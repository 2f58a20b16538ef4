#pragma once
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "support/DossierTemporaire.h"

namespace vantorelle::test {

/// A temporary folder that stands for the user's files for the length of a test: the settings file, the
/// program directory and the caches are pointed into it, and the environment is restored afterwards.
class EnvironnementEssai {
public:
    EnvironnementEssai() {
        changer("VANTORELLE_CONFIG", chemin("config/Vantorelle.ini"));
        changer("VANTORELLE_HOME", chemin("programme"));
        changer("XDG_CACHE_HOME", chemin("cache"));
    }
    ~EnvironnementEssai() {
        for (const auto& [nom, valeur] : anciennes_) {
            if (valeur)
                ::setenv(nom.c_str(), valeur->c_str(), 1);
            else
                ::unsetenv(nom.c_str());
        }
    }
    EnvironnementEssai(const EnvironnementEssai&) = delete;
    EnvironnementEssai& operator=(const EnvironnementEssai&) = delete;

    /// Sets (or with nothing, removes) an environment variable until the end of the test.
    void changer(const std::string& nom, std::optional<std::string> valeur) {
        if (!anciennes_.contains(nom)) {
            const char* ancienne = std::getenv(nom.c_str());
            anciennes_[nom] = ancienne ? std::optional<std::string>(ancienne) : std::nullopt;
        }
        if (valeur)
            ::setenv(nom.c_str(), valeur->c_str(), 1);
        else
            ::unsetenv(nom.c_str());
    }

    const std::filesystem::path& racine() const { return dossier_.chemin(); }
    std::string paramètres() const { return chemin("config/Vantorelle.ini"); }
    std::filesystem::path programme() const { return racine() / "programme"; }

    /// A path inside the temporary folder.
    std::string chemin(std::string_view relatif) const { return dossier_.fichier(relatif); }

    /// Creates the file (and its folders) with exactly these bytes and returns its path.
    std::string écrire(std::string_view relatif, std::string_view octets) const {
        return dossier_.écrire(relatif, octets);
    }

private:
    DossierTemporaire dossier_;  // removed after the environment is restored
    std::map<std::string, std::optional<std::string>> anciennes_;
};

/// Dates the file an hour back, as a file that has been there for a while.
inline void vieillir(const std::string& chemin) {
    const timespec heureAvant[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    ::utimensat(AT_FDCWD, chemin.c_str(), heureAvant, 0);
}

}  // namespace vantorelle::test
