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

std::unique_ptr<LecturePositionnée> LecturePositionnée::siFichierRégulier(const std::string& chemin,
                                                                      std::uint64_t& octetsLus) {
    // Opened first and examined after, in one status call; O_NONBLOCK keeps a pipe from blocking the open.
    const int descripteur = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat état {};
    if (descripteur < 0) {
        const int numéroErreur = errno;
        if (::stat(chemin.c_str(), &état) == 0 && S_ISREG(état.st_mode))
            throw erreurSysteme(chemin, "lecture impossible", numéroErreur);
        return nullptr;
    }
    if (::fstat(descripteur, &état) != 0 || !S_ISREG(état.st_mode)) {
        ::close(descripteur);
        return nullptr;
    }
    return std::unique_ptr<LecturePositionnée>(new LecturePositionnée(chemin, octetsLus, descripteur, état.st_size));
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
