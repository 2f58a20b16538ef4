#include "store/EcritureAtomique.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>

#include "store/Erreur.h"
#include "store/ErreurSysteme.h"

namespace vantorelle {

namespace {

/// Writes all bytes, resuming after short writes; false with errno set on failure.
bool écrireTout(int descripteur, std::string_view octets) {
    while (!octets.empty()) {
        const ssize_t écrits = ::write(descripteur, octets.data(), octets.size());
        if (écrits < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        octets.remove_prefix(static_cast<std::size_t>(écrits));
    }
    return true;
}

/// The file a path names: through a link, the file linked to, so that the link stays a link.
std::filesystem::path cible(const std::filesystem::path& chemin) {
    std::error_code erreur;
    if (!std::filesystem::is_symlink(chemin, erreur)) return chemin;
    std::filesystem::path fichier = std::filesystem::weakly_canonical(chemin, erreur);
    return erreur ? chemin : fichier;
}

/// Removes the temporary files of this file that a killed run left, once they are an hour old: a run
/// still writing one is younger.
void oublierLesTemporaires(const std::filesystem::path& dossier, const std::string& préfixe) {
    std::error_code erreur;
    const auto limite = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& entrée : std::filesystem::directory_iterator(dossier, erreur)) {
        const std::string nom = entrée.path().filename().string();
        if (nom.size() != préfixe.size() + 6 || !nom.starts_with(préfixe)) continue;
        if (std::error_code e; entrée.is_regular_file(e) && entrée.last_write_time(e) < limite)
            std::filesystem::remove(entrée.path(), e);
    }
}

}  // namespace

ÉcritureAtomique::ÉcritureAtomique(const std::filesystem::path& chemin) : chemin_(chemin), fichier_(cible(chemin)) {
    // A read-only file stays as it is: the rename would replace it all the same.
    struct stat état {};
    const bool existe = ::stat(fichier_.c_str(), &état) == 0;
    if (existe && S_ISREG(état.st_mode) && (état.st_mode & S_IWUSR) == 0)
        throw ErreurFichier(chemin_.string() + " : écriture impossible (fichier en lecture seule)");
    const std::filesystem::path dossier = fichier_.has_parent_path() ? fichier_.parent_path() : ".";
    std::string préfixe(".");
    préfixe.append(fichier_.filename().string()).push_back('.');
    oublierLesTemporaires(dossier, préfixe);
    temporaire_ = (dossier / (préfixe + "XXXXXX")).string();
    descripteur_ = ::mkstemp(temporaire_.data());
    if (descripteur_ < 0) throw erreurSysteme(chemin_, "écriture impossible", errno);
    // mkstemp makes the file readable by its owner only: give it the rights of the file it replaces, or the
    // usual rights of a new file.
    const mode_t masque = ::umask(0);
    ::umask(masque);
    const mode_t droits = existe && S_ISREG(état.st_mode) ? état.st_mode & 07777 : 0666 & ~masque;
    if (::fchmod(descripteur_, droits) != 0) abandonner(errno);
}

ÉcritureAtomique::~ÉcritureAtomique() {
    if (descripteur_ < 0) return;
    ::close(descripteur_);
    ::unlink(temporaire_.c_str());
}

void ÉcritureAtomique::abandonner(int numéroErreur) {
    if (descripteur_ >= 0) ::close(descripteur_);
    descripteur_ = -1;
    ::unlink(temporaire_.c_str());
    throw erreurSysteme(chemin_, "écriture impossible", numéroErreur);
}

void ÉcritureAtomique::Écrire(std::string_view octets) {
    if (!écrireTout(descripteur_, octets)) abandonner(errno);
}

void ÉcritureAtomique::Terminer() {
    if (::fsync(descripteur_) != 0) abandonner(errno);
    const int descripteur = descripteur_;
    descripteur_ = -1;
    if (::close(descripteur) != 0 || ::rename(temporaire_.c_str(), fichier_.c_str()) != 0) {
        const int numéroErreur = errno;
        ::unlink(temporaire_.c_str());
        throw erreurSysteme(chemin_, "écriture impossible", numéroErreur);
    }
}

void écrireAtomiquement(const std::filesystem::path& chemin, std::string_view octets) {
    ÉcritureAtomique écriture(chemin);
    écriture.Écrire(octets);
    écriture.Terminer();
}

}  // namespace vantorelle
