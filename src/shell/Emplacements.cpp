#include "shell/Emplacements.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <system_error>

namespace vantorelle {

namespace {

std::filesystem::path variable(const char* nom) {
    const char* valeur = std::getenv(nom);
    return valeur != nullptr ? std::filesystem::path(valeur) : std::filesystem::path();
}

/// A path given by the user, made absolute against the current directory of the first time it is seen: the
/// program changes its current directory later, and must keep the same files.
std::filesystem::path ancré(const std::filesystem::path& chemin) {
    if (chemin.empty() || chemin.is_absolute()) return chemin;
    static std::mutex verrou;
    static std::map<std::filesystem::path, std::filesystem::path> vus;
    std::lock_guard garde(verrou);
    const auto [position, nouveau] = vus.try_emplace(chemin);
    if (nouveau) position->second = std::filesystem::absolute(chemin);
    return position->second;
}

std::filesystem::path dossierPersonnel() {
    std::filesystem::path personnel = variable("HOME");
    if (personnel.empty())
        if (const passwd* compte = ::getpwuid(::getuid()); compte != nullptr && compte->pw_dir != nullptr)
            personnel = compte->pw_dir;
    return personnel;
}

/// The XDG base directory named by the variable, or its default under the home directory.
std::filesystem::path baseXdg(const char* nom, const char* défaut) {
    const std::filesystem::path base = variable(nom);
    // Relative values are to be ignored, as the base directory rules say.
    return base.is_absolute() ? base : dossierPersonnel() / défaut;
}

std::filesystem::path fait(std::filesystem::path dossier) {
    std::error_code ignorée;  // a directory that cannot be made shows up as a failure of the file's own use
    std::filesystem::create_directories(dossier, ignorée);
    return dossier;
}

/// True when the running program sits in a CMake build folder.
bool dansDossierDeConstruction() {
    std::error_code erreur;
    std::filesystem::path dossier = std::filesystem::read_symlink("/proc/self/exe", erreur).parent_path();
    if (erreur) return false;
    for (; !dossier.empty() && dossier != dossier.root_path(); dossier = dossier.parent_path())
        if (std::filesystem::exists(dossier / "CMakeCache.txt", erreur)) return true;
    return false;
}

}  // namespace

std::filesystem::path FichierParamètres() {
    const std::filesystem::path choisi = ancré(variable("VANTORELLE_CONFIG"));
    if (!choisi.empty()) return choisi;
    const std::string titre(TitreApplication);
    return baseXdg("XDG_CONFIG_HOME", ".config") / titre / (titre + ".ini");
}

std::filesystem::path RépertoireProgramme() {
    const std::filesystem::path choisi = ancré(variable("VANTORELLE_HOME"));
    return fait(choisi.empty() ? baseXdg("XDG_DATA_HOME", ".local/share") / std::string(TitreApplication) : choisi);
}

std::filesystem::path RépertoireInstallé() {
    static const bool depuisLesSources = dansDossierDeConstruction();
    return depuisLesSources ? VANTORELLE_SOURCE_DATA_DIR : VANTORELLE_SHARE_DIR;
}

std::filesystem::path FichierProgramme(std::string_view nom) {
    std::error_code erreur;
    std::filesystem::path chemin = RépertoireProgramme() / nom;
    if (std::filesystem::exists(chemin, erreur)) return chemin;
    const std::filesystem::path installé = RépertoireInstallé() / nom;
    return std::filesystem::exists(installé, erreur) ? installé : chemin;
}

std::filesystem::path RépertoireCache() {
    return fait(baseXdg("XDG_CACHE_HOME", ".cache") / std::string(TitreApplication));
}

std::string RépertoireWindows() { return RépertoireCache().string() + "/"; }

}  // namespace vantorelle
