#pragma once
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>
#include <string>
#include <vector>

namespace vantorelle {

/// The entries of one directory, sorted by name in byte order, so that every "first match" is the same on
/// every machine. Listings are kept while the directory is unchanged.
class ContenuRépertoire {
public:
    struct Entrée {
        std::string nom;
        std::string nomPlié;  // the name folded with plierCasse, for matches without regard to case
        bool répertoire = false;
        bool caché = false;  // the name starts with "."
    };

    /// The entries of the directory ("." and ".." left out); empty when it cannot be read.
    static std::shared_ptr<const ContenuRépertoire> lire(const std::string& répertoire);

    const std::vector<Entrée>& entrées() const { return entrées_; }

    /// The positions in entrées(), ascending, of the entries whose folded name ends with `finPliée`.
    std::vector<std::size_t> finissantPar(std::string_view finPliée) const;

private:
    std::vector<Entrée> entrées_;
    // The folded names written backwards with their positions, sorted: the names with a given ending are
    // one run of it. Made on first use, as a search by ending is what large directories get.
    mutable std::once_flag indexFait_;
    mutable std::vector<std::pair<std::string, std::size_t>> àLEnvers_;
};

}  // namespace vantorelle
