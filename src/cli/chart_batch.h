// orvantis-chart --batch: chart requests as JSON Lines on standard input, one result a line.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace orvantis {

// The options of one request line: each member "name": value becomes --name=value (a number as
// it is written, true a bare switch; false and null add nothing). Returns the refusal's text when
// the line is not one JSON object or a member cannot be an option.
std::variant<std::vector<std::string>, std::string> BatchLineOptions(const std::string& line);

// The --json output of a single run on one line: each line break with the indentation after it
// becomes one space, so the text is otherwise the same byte for byte.
std::string OneLineJson(const std::string& json);

// What one single run printed and returned.
struct SingleRun {
    int status = 0;
    std::string out, err;
};
using RunArguments = std::function<SingleRun(const std::vector<std::string>& args)>;

// Reads requests from `in` until its end and writes one line to `out` for each line that is not
// blank: the chart's JSON on one line, or {"error": "...", "line": N} (N from 1) for a refused
// request, without stopping. Each request runs as `common` + its options + --json; the
// standard-error lines of a charted request go to `err` after "line N: ". Returns 0 when every
// request was charted, else 2.
int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, const std::vector<std::string>& common,
             const RunArguments& run);

}  // namespace orvantis
