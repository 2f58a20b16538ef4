#include "store/EcritureAtomique.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

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

}  // namespace

ÉcritureAtomique::ÉcritureAtomique(const std::filesystem::path& chemin) : chemin_(chemin), fichier_(cible(chemin)) {
    const std::filesystem::path dossier = fichier_.has_parent_path() ? fichier_.parent_path() : ".";
    std::string nomTemporaire(".");
    nomTemporaire += fichier_.filename().string();
    nomTemporaire += ".XXXXXX";
    temporaire_ = (dossier / nomTemporaire).string();
    descripteur_ = ::mkstemp(temporaire_.data());
    if (descripteur_ < 0) throw erreurSysteme(chemin_, "écriture impossible", errno);
    // mkstemp makes the file readable by its owner only; give it the usual rights of a new file.
    const mode_t masque = ::umask(0);
    ::umask(masque);
    if (::fchmod(descripteur_, 0666 & ~masque) != 0) abandonner(errno);
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
