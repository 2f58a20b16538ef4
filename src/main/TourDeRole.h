#pragma once
#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace vantorelle {

/// Lets the securities of a scan on several threads through one at a time, in group order: security k goes
/// once the reader has taken the result of security k − 1 and has not stopped. What runs in turn (the user
/// formulas, whose collection carries values from one security to the next) then sees exactly what a scan
/// one security at a time sees, up to where the scan ends.
class TourDeRôle {
public:
    /// Waits for security k's turn: true then, false when the scan ended first.
    bool attendre(std::size_t k);
    /// Gives the turn to security k.
    void ouvrir(std::size_t k);
    /// Ends the scan: every wait, present or to come, returns false.
    void abandonner();

private:
    std::mutex verrou_;
    std::condition_variable changé_;
    std::size_t ouvert_ = 0;
    bool abandonné_ = false;
};

}  // namespace vantorelle
