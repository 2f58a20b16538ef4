#include "store/LectureComplete.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "store/ErreurSysteme.h"

namespace vantorelle {

std::string lireFichierEntier(const std::string& chemin) {
    const int descripteur = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC);
    if (descripteur < 0) throw erreurSysteme(chemin, "lecture impossible", errno);
    std::string octets;
    char tampon[65536];
    for (;;) {
        const ssize_t lus = ::read(descripteur, tampon, sizeof tampon);
        if (lus == 0) break;
        if (lus < 0) {
            if (errno == EINTR) continue;
            const int numéroErreur = errno;
            ::close(descripteur);
            throw erreurSysteme(chemin, "lecture impossible", numéroErreur);
        }
        octets.append(tampon, static_cast<std::size_t>(lus));
    }
    ::close(descripteur);
    return octets;
}

}  // namespace vantorelle

namespace vantorelle {

std::vector<std::string_view> lignesDe(std::string_view texte) {
    std::vector<std::string_view> lignes;
    while (!texte.empty()) {
        const auto fin = texte.find('\n');
        std::string_view ligne = texte.substr(0, fin);
        texte.remove_prefix(fin == std::string_view::npos ? texte.size() : fin + 1);
        if (fin != std::string_view::npos && ligne.ends_with('\r')) ligne.remove_suffix(1);
        lignes.push_back(ligne);
    }
    return lignes;
}

}  // namespace vantorelle
