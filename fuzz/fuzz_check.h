// What every fuzz target shares: an invariant check that stops the run with the input kept, and
// a notifier that counts the messages instead of showing them.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "chart/problem.h"

// A violated invariant is a finding like a crash: libFuzzer saves the input that caused it.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void()                                                                          \
                 : (std::fprintf(stderr, "invariant violated: %s (%s:%d)\n", #condition, __FILE__, \
                                 __LINE__),                                                        \
                    std::abort()))

namespace orvantis::fuzz {

class CountingNotifier : public Notifier {
public:
    void Notify(const Problem& problem) override {
        FUZZ_CHECK(!problem.title.empty() && !problem.text.empty());
        ++count;
    }
    int count = 0;
};

}  // namespace orvantis::fuzz
