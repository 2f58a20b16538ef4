#include "main/LongueursEnOrdre.h"

#include <algorithm>

namespace vantorelle {

LongueursEnOrdre::LongueursEnOrdre(std::size_t valeurs, std::int32_t initiale, bool remplacée)
    : publiées_(valeurs), faites_(valeurs, false), longueurs_(valeurs + 1, initiale), remplacée_(remplacée) {}

void LongueursEnOrdre::publier(std::size_t k, std::optional<std::int32_t> longueur) {
    {
        const std::lock_guard garde(verrou_);
        publiées_[k] = longueur;
        faites_[k] = true;
        for (; préfixe_ < faites_.size() && faites_[préfixe_]; ++préfixe_) {
            const std::int32_t avant = longueurs_[préfixe_];
            const std::optional<std::int32_t> chargée = publiées_[préfixe_];
            longueurs_[préfixe_ + 1] = !chargée ? avant : remplacée_ ? *chargée : std::max(avant, *chargée);
        }
    }
    publiée_.notify_all();
}

std::int32_t LongueursEnOrdre::avant(std::size_t k) {
    std::unique_lock verrou(verrou_);
    publiée_.wait(verrou, [&] { return préfixe_ >= k; });
    return longueurs_[k];
}

}  // namespace vantorelle
