#include "shell/Emplacements.h"

#include <pwd.h>
#include <unistd.h>

#include <system_error>

namespace vantorelle {

namespace fs = std::filesystem;

namespace {

fs::path absolu(const fs::path& chemin) { return chemin.empty() ? chemin : fs::absolute(chemin); }

fs::path fait(fs::path dossier) {
    std::error_code ignorée;  // a directory that cannot be made shows up as a failure of the file's own use
    fs::create_directories(dossier, ignorée);
    return dossier;
}

/// True when the running program sits in a CMake build folder.
bool dansDossierDeConstruction() {
    std::error_code erreur;
    fs::path dossier = fs::read_symlink("/proc/self/exe", erreur).parent_path();
    if (erreur) return false;
    for (; !dossier.empty() && dossier != dossier.root_path(); dossier = dossier.parent_path())
        if (fs::exists(dossier / "CMakeCache.txt", erreur)) return true;
    return false;
}

}  // namespace

Emplacements::Emplacements(Chemins chemins) : chemins_(std::move(chemins)) {
    for (fs::path* chemin : {&chemins_.paramètres, &chemins_.programme, &chemins_.installé, &chemins_.cache,
                             &chemins_.état})
        *chemin = absolu(*chemin);
}

Emplacements Emplacements::depuisEnvironnement(const std::function<const char*(const char*)>& variable) {
    const auto lire = [&](const char* nom) {
        const char* valeur = variable(nom);
        return valeur != nullptr ? fs::path(valeur) : fs::path();
    };
    fs::path personnel = lire("HOME");
    if (personnel.empty())
        if (const passwd* compte = ::getpwuid(::getuid()); compte != nullptr && compte->pw_dir != nullptr)
            personnel = compte->pw_dir;
    // Relative XDG values are to be ignored, as the base directory rules say.
    const auto xdg = [&](const char* nom, const char* défaut) {
        const fs::path base = lire(nom);
        return (base.is_absolute() ? base : personnel / défaut) / std::string(TitreApplication);
    };
    Chemins chemins;
    chemins.paramètres = lire("VANTORELLE_CONFIG");
    if (chemins.paramètres.empty())
        chemins.paramètres = xdg("XDG_CONFIG_HOME", ".config") / (std::string(TitreApplication) + ".ini");
    chemins.programme = lire("VANTORELLE_HOME");
    if (chemins.programme.empty()) chemins.programme = xdg("XDG_DATA_HOME", ".local/share");
    chemins.installé = dansDossierDeConstruction() ? VANTORELLE_SOURCE_DATA_DIR : VANTORELLE_SHARE_DIR;
    chemins.cache = xdg("XDG_CACHE_HOME", ".cache");
    chemins.état = xdg("XDG_STATE_HOME", ".local/state");
    return Emplacements(std::move(chemins));
}

void Emplacements::FichierParamètres(const fs::path& fichier) { chemins_.paramètres = absolu(fichier); }

fs::path Emplacements::RépertoireProgramme() const { return fait(chemins_.programme); }

fs::path Emplacements::FichierProgramme(std::string_view nom) const {
    std::error_code erreur;
    fs::path chemin = RépertoireProgramme() / nom;
    if (fs::exists(chemin, erreur)) return chemin;
    const fs::path installé = chemins_.installé / nom;
    return fs::exists(installé, erreur) ? installé : chemin;
}

fs::path Emplacements::RépertoireCache() const { return fait(chemins_.cache); }

fs::path Emplacements::RépertoireÉtat() const { return fait(chemins_.état); }

void Emplacements::ImposerRacine(const fs::path& dossier) {
    racine_ = fs::absolute(dossier).lexically_normal().generic_string();
    if (racine_.back() != '/') racine_ += '/';
}

}  // namespace vantorelle
