#include "cli/chart_batch.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLocale>
#include <algorithm>
#include <array>
#include <string_view>

#include "cli/chart_report.h"

namespace orvantis {
namespace {

// Options that make something other than one chart's JSON, or that hold for the whole batch.
constexpr std::array<std::string_view, 10> kNotInBatch = {
    "batch", "png", "svg", "pdf", "wheel-items", "frames", "events", "help", "version", "data-dir"};

// A run's standard error as one line: its lines joined by "; ".
std::string OneLine(std::string text) {
    while (!text.empty() && text.back() == '\n') text.pop_back();
    std::string line;
    for (const char c : text) line += c == '\n' ? std::string("; ") : std::string(1, c);
    return line;
}

}  // namespace

std::variant<std::vector<std::string>, std::string> BatchLineOptions(const std::string& line) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::string("not one JSON object");
    std::vector<std::string> args;
    const QJsonObject request = document.object();
    for (auto member = request.begin(); member != request.end(); ++member) {
        // Values travel as the command line's 8-bit text, as typed options do.
        const std::string name = member.key().toStdString();
        for (const std::string_view refused : kNotInBatch) {
            if (name == refused) return "\"" + name + "\" has no place in a --batch request";
        }
        const QJsonValue value = member.value();
        if (value.isString()) {
            args.push_back("--" + name + "=" + value.toString().toLatin1().toStdString());
        } else if (value.isDouble()) {
            args.push_back("--" + name + "=" +
                           QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest)
                               .toStdString());
        } else if (value.isBool()) {
            if (value.toBool()) args.push_back("--" + name);
        } else if (!value.isNull()) {
            return "\"" + name + "\" takes a string, a number, true or false";
        }
    }
    return args;
}

std::string OneLineJson(const std::string& json) {
    std::string line;
    line.reserve(json.size());
    for (std::size_t from = 0; from < json.size();) {
        const std::size_t end = std::min(json.find('\n', from), json.size());
        line.append(json, from, end - from);
        from = std::min(json.find_first_not_of(' ', end + 1), json.size());
        if (from < json.size()) line += ' ';
    }
    return line;
}

int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, const std::vector<std::string>& common,
             const RunArguments& run) {
    int status = 0;
    std::string line;
    long number = 0;
    for (int c = 0; c != EOF;) {
        line.clear();
        while ((c = std::fgetc(in)) != EOF && c != '\n') line += static_cast<char>(c);
        if (c == EOF && line.empty()) break;
        ++number;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        const auto options = BatchLineOptions(line);
        SingleRun result;
        if (const auto* refusal = std::get_if<std::string>(&options)) {
            result = {2, "", *refusal};
        } else {
            std::vector<std::string> args = common;
            const auto& own = std::get<std::vector<std::string>>(options);
            args.insert(args.end(), own.begin(), own.end());
            args.push_back("--json");
            result = run(args);
        }
        if (result.status == 0) {
            std::fputs((OneLineJson(result.out) + "\n").c_str(), out);
            if (!result.err.empty()) {
                std::fflush(out);  // the note follows its result where both streams meet
                std::fprintf(err, "line %ld: %s\n", number, OneLine(result.err).c_str());
            }
        } else {
            status = 2;
            std::fprintf(out, "{\"error\": %s, \"line\": %ld}\n",
                         JsonString(OneLine(result.err)).c_str(), number);
        }
    }
    return status;
}

}  // namespace orvantis
