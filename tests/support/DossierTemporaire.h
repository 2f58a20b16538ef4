#pragma once
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace vantorelle::test {

/// A fresh folder under the system's temporary folder (for tests and benchmarks alike), removed with its content at the end of the test.
class DossierTemporaire {
public:
    DossierTemporaire() {
        std::string modèle = (std::filesystem::temp_directory_path() / "vantorelle-essai-XXXXXX").string();
        chemin_ = ::mkdtemp(modèle.data());
    }
    ~DossierTemporaire() {
        // A test may have taken the owner's rights away to make the folder unwritable.
        std::error_code ignorée;
        std::filesystem::permissions(chemin_, std::filesystem::perms::owner_all, ignorée);
        std::filesystem::remove_all(chemin_, ignorée);
    }
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    /// The path of a file of the folder, as a string.
    std::string fichier(std::string_view nom) const { return (chemin_ / nom).string(); }

    /// Creates the file (and its folders) with exactly these bytes and returns its path.
    std::string écrire(std::string_view nom, std::string_view octets) const {
        const std::filesystem::path chemin = chemin_ / nom;
        std::filesystem::create_directories(chemin.parent_path());
        std::ofstream(chemin, std::ios::binary).write(octets.data(), static_cast<std::streamsize>(octets.size()));
        return chemin.string();
    }

    const std::filesystem::path& chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
};

/// The bytes of a file; empty when it is missing.
inline std::string lireOctets(const std::string& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

}  // namespace vantorelle::test
