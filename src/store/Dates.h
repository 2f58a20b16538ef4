#pragma once
#include <chrono>
#include <cstdint>

namespace vantorelle {

/// The day of the week, Sunday = 1 to Saturday = 7.
inline std::int16_t JourSemaine(std::chrono::sys_days date) {
    return static_cast<std::int16_t>(std::chrono::weekday(date).c_encoding() + 1);
}

}  // namespace vantorelle
