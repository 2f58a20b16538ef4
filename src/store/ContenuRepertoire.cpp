#include "store/ContenuRepertoire.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <mutex>

#include "store/Casse.h"
#include "store/IdentiteFichier.h"

namespace vantorelle {

namespace {

bool estRépertoire(const std::string& répertoire, const dirent& d) {
    if (d.d_type == DT_DIR) return true;
    if (d.d_type != DT_UNKNOWN && d.d_type != DT_LNK) return false;
    struct stat état {};
    const std::string chemin = répertoire + "/" + d.d_name;
    return ::stat(chemin.c_str(), &état) == 0 && S_ISDIR(état.st_mode);
}

std::vector<ContenuRépertoire::Entrée> énumérer(const std::string& répertoire) {
    std::vector<ContenuRépertoire::Entrée> entrées;
    DIR* flux = ::opendir(répertoire.empty() ? "." : répertoire.c_str());
    if (flux == nullptr) return entrées;
    while (const dirent* d = ::readdir(flux)) {
        const std::string nom = d->d_name;
        if (nom == "." || nom == "..") continue;
        entrées.push_back({nom, plierCasse(nom), estRépertoire(répertoire, *d), nom.starts_with('.')});
    }
    ::closedir(flux);
    std::sort(entrées.begin(), entrées.end(), [](const auto& a, const auto& b) { return a.nom < b.nom; });
    return entrées;
}

struct Mémorisé {
    IdentitéFichier identité;
    std::shared_ptr<const ContenuRépertoire> contenu;
};

}  // namespace

std::shared_ptr<const ContenuRépertoire> ContenuRépertoire::lire(const std::string& répertoire) {
    static std::mutex verrou;
    static std::map<std::string, Mémorisé> mémoire;

    const auto identité = IdentitéFichier::de(répertoire.empty() ? "." : répertoire);
    if (identité) {
        std::lock_guard garde(verrou);
        const auto trouvé = mémoire.find(répertoire);
        if (trouvé != mémoire.end() && trouvé->second.identité.stable && trouvé->second.identité.mêmeÉtat(*identité))
            return trouvé->second.contenu;
    }
    auto contenu = std::make_shared<ContenuRépertoire>();
    contenu->entrées_ = énumérer(répertoire);
    // A relative path names another directory after a change of the current one: never keep it.
    if (identité && identité->stable && répertoire.starts_with('/')) {
        std::lock_guard garde(verrou);
        mémoire[répertoire] = {*identité, contenu};
    }
    return contenu;
}

std::vector<std::size_t> ContenuRépertoire::finissantPar(std::string_view finPliée) const {
    std::call_once(indexFait_, [this] {
        àLEnvers_.reserve(entrées_.size());
        for (std::size_t i = 0; i < entrées_.size(); ++i)
            àLEnvers_.emplace_back(std::string(entrées_[i].nomPlié.rbegin(), entrées_[i].nomPlié.rend()), i);
        std::sort(àLEnvers_.begin(), àLEnvers_.end());
    });
    const std::string cherché(finPliée.rbegin(), finPliée.rend());
    std::vector<std::size_t> positions;
    for (auto i = std::lower_bound(àLEnvers_.begin(), àLEnvers_.end(), std::pair(cherché, std::size_t{0}));
         i != àLEnvers_.end() && i->first.starts_with(cherché); ++i)
        positions.push_back(i->second);
    std::sort(positions.begin(), positions.end());
    return positions;
}

}  // namespace vantorelle
