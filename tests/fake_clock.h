// A clock the test sets by hand.
#pragma once

#include <chrono>

#include "shell/clock.h"

namespace orvantis {

class FakeClock : public Clock {
public:
    std::chrono::system_clock::time_point Now() const override { return now; }
    // 5 March 2024, 10:00:30 UT.
    std::chrono::system_clock::time_point now =
        std::chrono::sys_days{std::chrono::year{2024} / 3 / 5} + std::chrono::hours{10} +
        std::chrono::seconds{30};
};

}  // namespace orvantis
