#include "shell/INI.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>

#include "shell/Emplacements.h"
#include "shell/Parametres.h"
#include "shell/ProfilPrive.h"
#include "store/EcritureAtomique.h"
#include "store/LectureComplete.h"

namespace vantorelle {

namespace {

constexpr std::int32_t modeRegistre = 1;
constexpr std::int32_t modeProfil = 3;

/// The settings file of an application: ours, or one beside it named after the application.
std::string fichierApplication(const Emplacements& emplacements, std::string_view application) {
    const std::filesystem::path& nôtre = emplacements.FichierParamètres();
    if (application == TitreApplication) return nôtre.string();
    return (nôtre.parent_path() / (std::string(application) + ".ini")).string();
}

bool sansDossier(std::string_view chemin) { return chemin.find('/') == std::string_view::npos; }

/// The current bytes of a file about to be replaced: nothing when it does not exist. Throws when it exists
/// but cannot be read, so that it is not replaced blindly.
std::optional<std::string> ancienContenu(const std::string& chemin) {
    std::error_code erreur;
    if (!std::filesystem::exists(chemin, erreur)) return std::nullopt;
    return lireFichierEntier(chemin);
}

/// Replaces the file unless the user made it read-only; with `sauvegarde`, its old bytes go to ".bak" first.
void remplacer(const std::string& chemin, const std::optional<std::string>& ancien, std::string_view nouveau,
               bool sauvegarde) {
    struct stat état {};
    if (::stat(chemin.c_str(), &état) == 0 && (état.st_mode & 0222) == 0) return;
    const std::filesystem::path dossier = std::filesystem::path(chemin).parent_path();
    if (!dossier.empty()) std::filesystem::create_directories(dossier);
    if (sauvegarde && ancien) écrireAtomiquement(chemin + ".bak", *ancien);
    écrireAtomiquement(chemin, nouveau);
}

}  // namespace

std::string INI::Value(std::string_view section, std::string_view clé, std::string_view défaut) const {
    std::string valeur;
    if (emplacements_ && !path_.empty() && mode_ == modeRegistre) {
        if (const auto paramètres = Paramètres::charger(fichierApplication(*emplacements_, path_)))
            valeur = paramètres->valeur(section, clé).value_or("");
    } else if (emplacements_ && !path_.empty() && mode_ == modeProfil) {
        const std::string chemin = sansDossier(path_) ? emplacements_->FichierProgramme(path_).string() : path_;
        if (const auto profil = ProfilPrivé::charger(chemin)) valeur = profil->lire(section, clé);
    }
    return valeur.empty() ? std::string(défaut) : valeur;
}

void INI::Value(std::string_view section, std::string_view clé, std::string_view, std::string_view valeur) {
    if (!emplacements_ || path_.empty()) return;
    try {
        if (mode_ == modeRegistre) {
            const std::string chemin = fichierApplication(*emplacements_, path_);
            const auto ancien = ancienContenu(chemin);
            Paramètres paramètres(ancien.value_or(""));
            if (paramètres.valeur(section, clé) == valeur) return;
            paramètres.modifier(section, clé, valeur);
            remplacer(chemin, ancien, paramètres.texte(), !paramètres.propre());
        } else if (mode_ == modeProfil) {
            // An installed file is changed into a copy in the user's program directory.
            const bool local = sansDossier(path_);
            const auto ancien = ancienContenu(local ? emplacements_->FichierProgramme(path_).string() : path_);
            const std::string nouveau = ProfilPrivé(ancien.value_or("")).avecValeur(section, clé, valeur);
            if (nouveau != ancien)
                remplacer(local ? (emplacements_->RépertoireProgramme() / path_).string() : path_, ancien, nouveau,
                          false);
        }
    } catch (const std::exception&) {
        // A settings write that cannot be done is lost; the file it would have replaced stays whole.
    }
}

}  // namespace vantorelle
