// A notifier that keeps the messages instead of showing them.
#pragma once

#include <string>
#include <vector>

#include "chart/problem.h"

namespace orvantis {

class RecordingNotifier : public Notifier {
public:
    void Notify(const Problem& problem) override { problems.push_back(problem); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& p : problems) texts.push_back(p.text);
        return texts;
    }
    std::vector<Problem> problems;
};

}  // namespace orvantis
