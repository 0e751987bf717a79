// A message for the user. The core reports problems as values; the shell shows them in message
// boxes, the command line on stderr, and tests record them.
#pragma once

#include <string>
#include <utility>

namespace orvantis {

enum class Icon { kInformation, kExclamation, kCritical };

struct Problem {
    std::string title;
    std::string text;
    Icon icon = Icon::kInformation;
};

// The title of every warning the program shows (the single-instance guard's "WARNING!" aside).
inline constexpr const char* kWarningTitle = "Warning!";

inline Problem Warning(std::string text, Icon icon) {
    return {kWarningTitle, std::move(text), icon};
}

// Where the driver and the windows send their messages.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Notify(const Problem& problem) = 0;
};

}  // namespace orvantis
