#include "main/TourDeRole.h"

namespace vantorelle {

bool TourDeRôle::attendre(std::size_t k) {
    std::unique_lock verrou(verrou_);
    changé_.wait(verrou, [&] { return abandonné_ || ouvert_ >= k; });
    return !abandonné_;
}

void TourDeRôle::ouvrir(std::size_t k) {
    {
        const std::lock_guard garde(verrou_);
        ouvert_ = k;
    }
    changé_.notify_all();
}

void TourDeRôle::abandonner() {
    {
        const std::lock_guard garde(verrou_);
        abandonné_ = true;
    }
    changé_.notify_all();
}

}  // namespace vantorelle
