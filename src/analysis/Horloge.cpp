#include "analysis/Horloge.h"

#include <ctime>

namespace vantorelle {

namespace {

class HorlogeSystème : public Horloge {
public:
    Jour aujourdhui() const override {
        const std::time_t maintenant = std::time(nullptr);
        std::tm local{};
        localtime_r(&maintenant, &local);
        return Jour::de(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
    }
};

}  // namespace

const Horloge& horlogeSystème() {
    static const HorlogeSystème horloge;
    return horloge;
}

}  // namespace vantorelle
