#include "store/LectureParBlocs.h"

#include <algorithm>

namespace vantorelle {

std::string_view LectureParBlocs::bloc(std::int64_t numéro) {
    auto trouvé = std::find_if(blocs_.begin(), blocs_.end(), [numéro](const Bloc& b) { return b.numéro == numéro; });
    if (trouvé == blocs_.end()) {
        trouvé = blocs_.begin() + static_cast<std::ptrdiff_t>(remplacé_);
        remplacé_ = (remplacé_ + 1) % blocs_.size();
        trouvé->numéro = -1;  // until the read succeeds
        trouvé->octets.resize(static_cast<std::size_t>(tailleBloc));
        trouvé->octets.resize(fichier_.lire(trouvé->octets.data(), trouvé->octets.size(), numéro * tailleBloc));
        trouvé->numéro = numéro;
    }
    return {trouvé->octets.data(), trouvé->octets.size()};
}

std::string_view LectureParBlocs::lire(std::int64_t début, std::size_t n) {
    const std::int64_t premier = début / tailleBloc;
    const auto décalage = static_cast<std::size_t>(début - premier * tailleBloc);
    const std::string_view octetsPremier = bloc(premier);
    const std::string_view dans = octetsPremier.substr(std::min(décalage, octetsPremier.size()));
    if (dans.size() >= n || octetsPremier.size() < static_cast<std::size_t>(tailleBloc)) return dans.substr(0, n);
    assemblé_.assign(dans);
    for (std::int64_t suivant = premier + 1; assemblé_.size() < n; ++suivant) {
        const std::string_view octets = bloc(suivant);
        assemblé_.append(octets.substr(0, n - assemblé_.size()));
        if (octets.size() < static_cast<std::size_t>(tailleBloc)) break;
    }
    return assemblé_;
}

}  // namespace vantorelle
