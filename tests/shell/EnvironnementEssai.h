#pragma once
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vantorelle::test {

/// A temporary folder that stands for the user's files for the length of a test: the settings file, the
/// program directory and the caches are pointed into it, and the environment is restored afterwards.
class EnvironnementEssai {
public:
    EnvironnementEssai() {
        std::string modèle = (std::filesystem::temp_directory_path() / "vantorelle-shell-XXXXXX").string();
        racine_ = ::mkdtemp(modèle.data());
        changer("VANTORELLE_CONFIG", (racine_ / "config" / "Vantorelle.ini").string());
        changer("VANTORELLE_HOME", (racine_ / "programme").string());
        changer("XDG_CACHE_HOME", (racine_ / "cache").string());
    }
    ~EnvironnementEssai() {
        for (const auto& [nom, valeur] : anciennes_) {
            if (valeur)
                ::setenv(nom.c_str(), valeur->c_str(), 1);
            else
                ::unsetenv(nom.c_str());
        }
        std::error_code ignorée;
        std::filesystem::permissions(racine_, std::filesystem::perms::owner_all, ignorée);
        std::filesystem::remove_all(racine_, ignorée);
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

    const std::filesystem::path& racine() const { return racine_; }
    std::string paramètres() const { return (racine_ / "config" / "Vantorelle.ini").string(); }
    std::filesystem::path programme() const { return racine_ / "programme"; }

    /// A path inside the temporary folder.
    std::string chemin(std::string_view relatif) const { return (racine_ / relatif).string(); }

    /// Creates the file (and its folders) with exactly these bytes and returns its path.
    std::string écrire(std::string_view relatif, std::string_view octets) const {
        const std::filesystem::path chemin = racine_ / relatif;
        std::filesystem::create_directories(chemin.parent_path());
        std::ofstream(chemin, std::ios::binary).write(octets.data(), static_cast<std::streamsize>(octets.size()));
        return chemin.string();
    }

private:
    std::filesystem::path racine_;
    std::map<std::string, std::optional<std::string>> anciennes_;
};

/// The bytes of a file; empty when it is missing.
inline std::string lireOctets(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

/// Dates the file an hour back, as a file that has been there for a while.
inline void vieillir(const std::string& chemin) {
    const timespec heureAvant[2] = {{std::time(nullptr) - 3600, 0}, {std::time(nullptr) - 3600, 0}};
    ::utimensat(AT_FDCWD, chemin.c_str(), heureAvant, 0);
}

}  // namespace vantorelle::test
