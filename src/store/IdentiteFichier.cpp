#include "store/IdentiteFichier.h"

#include <sys/stat.h>

#include <ctime>

namespace vantorelle {

namespace {

// File times advance by the kernel's coarse clock tick; two seconds leave a wide margin, network file
// systems included.
constexpr std::int64_t margeNs = 2'000'000'000;

std::int64_t enNs(const timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

}  // namespace

std::optional<IdentitéFichier> IdentitéFichier::de(const std::string& chemin) {
    struct stat état {};
    if (::stat(chemin.c_str(), &état) != 0) return std::nullopt;
    timespec maintenant{};
    ::clock_gettime(CLOCK_REALTIME, &maintenant);
    IdentitéFichier identité;
    identité.périphérique = état.st_dev;
    identité.inode = état.st_ino;
    identité.taille = état.st_size;
    identité.modifiéNs = enNs(état.st_mtim);
    identité.stable = enNs(maintenant) - identité.modifiéNs >= margeNs;
    return identité;
}

}  // namespace vantorelle
