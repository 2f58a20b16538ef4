#pragma once
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "store/Erreur.h"
#include "store/IdentiteFichier.h"
#include "store/LectureComplete.h"

namespace vantorelle {

/// Files read as T (built from the file's bytes), each kept until the file changes, so that frequent reads of
/// the same small file cost one status query.
template <class T>
class CacheFichiers {
public:
    /// The file's content, or null when it cannot be read.
    std::shared_ptr<const T> contenu(const std::string& chemin) {
        const auto identité = IdentitéFichier::de(chemin);
        if (!identité) return nullptr;
        {
            std::lock_guard garde(verrou_);
            const auto trouvé = mémoire_.find(chemin);
            if (trouvé != mémoire_.end() && trouvé->second.identité.stable &&
                trouvé->second.identité.mêmeÉtat(*identité))
                return trouvé->second.contenu;
        }
        std::shared_ptr<const T> contenu;
        try {
            contenu = std::make_shared<const T>(lireFichierEntier(chemin));
        } catch (const ErreurFichier&) {
            return nullptr;
        }
        if (identité->stable) {
            std::lock_guard garde(verrou_);
            mémoire_[chemin] = {*identité, contenu};
        }
        return contenu;
    }

private:
    struct Mémorisé {
        IdentitéFichier identité;
        std::shared_ptr<const T> contenu;
    };
    std::mutex verrou_;
    std::map<std::string, Mémorisé> mémoire_;
};

}  // namespace vantorelle
