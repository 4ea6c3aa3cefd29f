// korvelin-report on a long queue file: read, play and print, end to end.
#include "RealisticQueue.h"
#include "RunReport.h"

#include "storage/QueueFile.h"
#include "util/Version.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace korvelin::bench {
namespace {

std::string WriteQueueFile(int32_t count)
{
    const BuildQueue queue = RealisticQueue(count);
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("korvelin-report-bench-" + std::to_string(::getpid()) + "-" + std::to_string(count) + ".bql"))
            .string();
    std::ofstream(path, std::ios::binary) << FormatQueueFile(queue.Entries(), "20", VersionTag(ReadFileVersion()));
    return path;
}

void BM_ReportFile(benchmark::State &state)
{
    const int32_t count = static_cast<int32_t>(state.range(0));
    const bool csv = state.range(1) != 0;
    const std::string path = WriteQueueFile(count);
    const std::vector<std::string> arguments{"--format", csv ? "csv" : "table", "--output", "/dev/null", path};
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    for (auto _ : state) {
        const int status = report::RunReport(views, out, err);
        if (status != 0)
            state.SkipWithError("the report failed");
    }
    std::remove(path.c_str());
    state.SetLabel(csv ? "csv" : "table");
}
BENCHMARK(BM_ReportFile)->Args({100000, 1})->Args({100000, 0})->Unit(benchmark::kMillisecond);

} // namespace
} // namespace korvelin::bench
