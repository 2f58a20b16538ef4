#pragma once
#include "analysis/Jour.h"

namespace vantorelle {

/// Where today's date comes from: the system's clock for the programs, a fixed day for tests.
class Horloge {
public:
    virtual ~Horloge() = default;
    /// Today's date in local time.
    virtual Jour aujourdhui() const = 0;
};

/// The system's clock.
const Horloge& horlogeSystème();

/// A clock that always gives the same day.
class HorlogeFixe : public Horloge {
public:
    explicit HorlogeFixe(Jour jour) : jour_(jour) {}
    Jour aujourdhui() const override { return jour_; }

private:
    Jour jour_;
};

}  // namespace vantorelle
