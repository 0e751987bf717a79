// The present moment, as the shell asks for it: the system clock in the program, a hand-set
// clock in tests.
#pragma once

#include <chrono>

namespace orvantis {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::system_clock::time_point Now() const = 0;
};

class SystemClock : public Clock {
public:
    std::chrono::system_clock::time_point Now() const override {
        return std::chrono::system_clock::now();
    }
};

}  // namespace orvantis
