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

void écrireAtomiquement(const std::filesystem::path& chemin, std::string_view octets) {
    const std::filesystem::path fichier = cible(chemin);
    const std::filesystem::path dossier = fichier.has_parent_path() ? fichier.parent_path() : ".";
    std::string nomTemporaire(".");
    nomTemporaire += fichier.filename().string();
    nomTemporaire += ".XXXXXX";
    std::string temporaire = (dossier / nomTemporaire).string();

    const int descripteur = ::mkstemp(temporaire.data());
    if (descripteur < 0) throw erreurSysteme(chemin, "écriture impossible", errno);
    const auto abandonner = [&](int numéroErreur, bool fermer) {
        if (fermer) ::close(descripteur);
        ::unlink(temporaire.c_str());
        return erreurSysteme(chemin, "écriture impossible", numéroErreur);
    };
    // mkstemp makes the file readable by its owner only; give it the usual rights of a new file.
    const mode_t masque = ::umask(0);
    ::umask(masque);
    if (::fchmod(descripteur, 0666 & ~masque) != 0) throw abandonner(errno, true);
    if (!écrireTout(descripteur, octets) || ::fsync(descripteur) != 0) throw abandonner(errno, true);
    if (::close(descripteur) != 0) throw abandonner(errno, false);
    if (::rename(temporaire.c_str(), fichier.c_str()) != 0) throw abandonner(errno, false);
}

}  // namespace vantorelle
