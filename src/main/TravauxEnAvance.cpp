#include "main/TravauxEnAvance.h"

#include <algorithm>

namespace vantorelle {

TravauxEnAvance::TravauxEnAvance(std::size_t travaux, std::size_t ouvriers, Travail travail, bool parGroupes)
    : travaux_(travaux), travail_(std::move(travail)), cases_(4 * ouvriers), parGroupes_(parGroupes) {
    ouvriers_.reserve(ouvriers);
    for (std::size_t k = 0; k < ouvriers; ++k) ouvriers_.emplace_back([this, k] { travailler(k); });
}

TravauxEnAvance::~TravauxEnAvance() {
    {
        const std::lock_guard verrou(verrou_);
        arrêt_ = true;
    }
    place_.notify_all();
    for (std::thread& ouvrier : ouvriers_) ouvrier.join();
}

void TravauxEnAvance::travailler(std::size_t ouvrier) {
    std::unique_lock verrou(verrou_);
    for (;;) {
        place_.wait(verrou, [this] { return arrêt_ || prochain_ >= travaux_ || prochain_ < libérés_ + cases_.size(); });
        if (arrêt_ || prochain_ >= travaux_) return;
        const std::size_t k = prochain_++;
        Case& c = cases_[k % cases_.size()];
        verrou.unlock();
        try {
            travail_(k, ouvrier, c.résultat);
        } catch (...) {
            c.résultat.erreur = std::current_exception();
        }
        verrou.lock();
        c.travail = k;
        c.fait = true;
        if (k == attendu_) prêt_.notify_one();
    }
}

bool TravauxEnAvance::fait(std::size_t k) const {
    const Case& c = cases_[k % cases_.size()];
    return c.fait && c.travail == k;
}

LignesValeur& TravauxEnAvance::suivant() {
    std::unique_lock verrou(verrou_);
    if (lus_ > 0) {
        libérés_ = lus_;
        place_.notify_all();
    }
    const std::size_t k = lus_++;
    // Each wait costs the reader a wake-up: once it has to wait, it waits for the next few results at once.
    if (!fait(k)) {
        const std::size_t groupe = parGroupes_ ? std::min(k + cases_.size() / 2, travaux_) - 1 : k;
        for (const std::size_t j : {groupe, k}) {
            attendu_ = j;
            prêt_.wait(verrou, [this, j] { return fait(j); });
        }
    }
    Case& c = cases_[k % cases_.size()];
    c.fait = false;
    return c.résultat;
}

}  // namespace vantorelle
