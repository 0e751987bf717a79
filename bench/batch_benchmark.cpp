// 10,000 chart requests through orvantis-chart --batch, in one process as the command runs them
// (target: well under a second), on the data files of the build folder.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/chart_batch.h"
#include "cli/orvantis_chart_main.h"

namespace {

constexpr int kRequests = 10000;

// Requests over the years 1900 to 2099, every house system, both sides of Greenwich and of the
// equator (latitudes below 60°).
std::string Requests() {
    std::string text;
    for (int i = 0; i < kRequests; ++i) {
        char line[200];
        std::snprintf(line, sizeof line,
                      "{\"date\":\"%04d-%02d-%02d\",\"time\":\"%02d:%02d\",\"zone\":\"0\","
                      "\"long\":\"%d.%02d%c\",\"lat\":\"%d.%02d%c\",\"house\":\"%c\"}\n",
                      1900 + i % 200, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 180, i % 60,
                      i % 2 ? 'E' : 'W', i % 60, i % 59, i % 3 ? 'N' : 'S', "PRKCOEMI"[i % 8]);
        text += line;
    }
    return text;
}

void BatchOfTenThousandCharts(benchmark::State& state) {
    std::string requests = Requests();
    const std::vector<std::string> common = {"--data-dir", ORVANTIS_BUILD_DIR};
    std::FILE* sink = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        std::FILE* in = fmemopen(requests.data(), requests.size(), "r");
        orvantis::RunContext context;  // read once a batch, as the command does
        const int status = orvantis::RunBatch(in, sink, sink, common,
                                              [&context](const std::vector<std::string>& args) {
                                                  return orvantis::RunChartCaptured(args, context);
                                              });
        std::fclose(in);
        if (status != 0) state.SkipWithError("a request was refused");
    }
    std::fclose(sink);
    state.SetItemsProcessed(state.iterations() * kRequests);
}
BENCHMARK(BatchOfTenThousandCharts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
