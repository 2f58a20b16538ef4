#include "store/LecturePositionnee.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "store/ErreurSysteme.h"

namespace vantorelle {

LecturePositionnée::LecturePositionnée(const std::string& chemin, std::uint64_t& octetsLus)
    : chemin_(chemin), octetsLus_(octetsLus), descripteur_(::open(chemin.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (descripteur_ < 0) throw erreurSysteme(chemin_, "lecture impossible", errno);
    struct stat état {};
    if (::fstat(descripteur_, &état) != 0) {
        const int numéroErreur = errno;
        ::close(descripteur_);
        throw erreurSysteme(chemin_, "lecture impossible", numéroErreur);
    }
    longueur_ = état.st_size;
}

LecturePositionnée::~LecturePositionnée() { ::close(descripteur_); }

std::size_t LecturePositionnée::lire(char* destination, std::size_t taille, std::int64_t début) {
    // Nothing is read past the length the file had when opened, which spares a read that finds the end.
    taille = static_cast<std::size_t>(std::clamp<std::int64_t>(longueur_ - début, 0, static_cast<std::int64_t>(taille)));
    std::size_t total = 0;
    while (total < taille) {
        const ssize_t lus = ::pread(descripteur_, destination + total, taille - total,
                                    static_cast<off_t>(début + static_cast<std::int64_t>(total)));
        if (lus < 0) {
            if (errno == EINTR) continue;
            throw erreurSysteme(chemin_, "lecture impossible", errno);
        }
        if (lus == 0) break;
        total += static_cast<std::size_t>(lus);
    }
    octetsLus_ += total;
    return total;
}

}  // namespace vantorelle
