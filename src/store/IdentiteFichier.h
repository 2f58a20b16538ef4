#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace vantorelle {

/// What tells one state of a file or directory from another without reading it: device, inode, size and
/// modification time. Caches keyed on it reread what changed.
struct IdentitéFichier {
    std::uint64_t périphérique = 0;
    std::uint64_t inode = 0;
    std::int64_t taille = 0;
    std::int64_t modifiéNs = 0;
    /// False while the modification time is too recent to be trusted: a change within the same clock tick
    /// would leave the identity as it is, so what was read now must be read again next time.
    bool stable = false;

    /// The identity of the file or directory, or nothing when it cannot be read.
    static std::optional<IdentitéFichier> de(const std::string& chemin);

    bool mêmeÉtat(const IdentitéFichier& autre) const {
        return périphérique == autre.périphérique && inode == autre.inode && taille == autre.taille &&
               modifiéNs == autre.modifiéNs;
    }
};

}  // namespace vantorelle
