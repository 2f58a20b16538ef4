#pragma once
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vantorelle {

/// The application title: the settings' application name and the name of the main language file.
inline constexpr std::string_view TitreApplication = "Vantorelle";

/// Where the program's files are: the settings file, the user's program directory, the installed files, the
/// cache and state directories, and a data root that a run may impose. Each program builds it once from its
/// environment and flags and passes it down; tests and benchmarks build their own. Relative paths are made
/// absolute when it is built, so they keep naming the same files.
class Emplacements {
public:
    struct Chemins {
        std::filesystem::path paramètres;  ///< the settings file
        std::filesystem::path programme;   ///< the user's program directory
        std::filesystem::path installé;    ///< the installed program files
        std::filesystem::path cache;
        std::filesystem::path état;
    };

    explicit Emplacements(Chemins chemins);

    /// The locations of a program run in this environment, `variable` reading one variable (std::getenv):
    /// the settings file $VANTORELLE_CONFIG, else $XDG_CONFIG_HOME/Vantorelle/Vantorelle.ini (~/.config);
    /// the program directory $VANTORELLE_HOME, else $XDG_DATA_HOME/Vantorelle (~/.local/share); the cache
    /// $XDG_CACHE_HOME/Vantorelle (~/.cache); the state $XDG_STATE_HOME/Vantorelle (~/.local/state). The
    /// installed files are <prefix>/share/vantorelle, or the source tree's data/ for a program in a build folder.
    static Emplacements depuisEnvironnement(const std::function<const char*(const char*)>& variable);

    const std::filesystem::path& FichierParamètres() const { return chemins_.paramètres; }
    void FichierParamètres(const std::filesystem::path& fichier);

    /// The user's program directory, made on first use. It holds what the program writes beside itself, and
    /// is the default data root.
    std::filesystem::path RépertoireProgramme() const;
    const std::filesystem::path& RépertoireInstallé() const { return chemins_.installé; }
    /// A program file to read: the one in the user's program directory when it is there, else the installed
    /// one when that is there, else the user's path (where it would be written).
    std::filesystem::path FichierProgramme(std::string_view nom) const;
    /// The cache directory, made on first use.
    std::filesystem::path RépertoireCache() const;
    /// Where the downloader keeps its transfer file: the cache directory, with a final "/".
    std::string RépertoireWindows() const { return RépertoireCache().string() + "/"; }
    /// The directory of the windows' state, made on first use.
    std::filesystem::path RépertoireÉtat() const;

    /// The data root this run imposes in place of the setting (a bare prefix ending with "/"), or empty.
    const std::string& Racine() const { return racine_; }
    /// Imposes the directory as the data root for this run; the settings keep theirs.
    void ImposerRacine(const std::filesystem::path& dossier);

private:
    Chemins chemins_;
    std::string racine_;
};

}  // namespace vantorelle
