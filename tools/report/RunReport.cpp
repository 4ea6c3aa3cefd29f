#include "RunReport.h"

#include "ReportOptions.h"
#include "ReportWriter.h"

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "storage/QueueFile.h"
#include "util/Extended.h"
#include "util/ParseInt.h"
#include "util/Version.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>
#include <string>
#include <vector>

namespace korvelin::report {

namespace {

constexpr const char *kProgram = "korvelin-report";

// Timeline messages go to standard error, prefixed with the queue line that
// raised them.
class LineMessages : public MessageSink {
  public:
    explicit LineMessages(std::ostream &err) : err_(err) {}
    void ShowMessage(std::string_view text) override { err_ << "line " << line << ": " << text << '\n'; }
    int64_t line = 0;

  private:
    std::ostream &err_;
};

// Streams the file through the reader so that a huge file is never held whole.
bool ReadQueueFile(const std::string &path, std::string_view versionTag, QueueFileContents &contents,
                   std::string &error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = std::strerror(errno);
        return false;
    }
    try {
        QueueFileParser parser(versionTag);
        std::vector<char> buffer(1 << 16);
        while (!parser.Complete() && file) {
            file.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            parser.Feed(std::string_view(buffer.data(), static_cast<size_t>(file.gcount())));
        }
        if (file.bad()) {
            error = "read error";
            return false;
        }
        contents = parser.Finish();
    } catch (const std::bad_alloc &) {
        error = std::strerror(ENOMEM);
        return false;
    }
    // A partial queue would be reported as if it were the whole plan.
    if (contents.tooManyEntries) {
        error = std::strerror(EFBIG);
        return false;
    }
    return true;
}

} // namespace

int RunReport(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err)
{
    const ParsedArguments parsed = ParseReportArguments(arguments);
    if (!parsed.error.empty()) {
        err << kProgram << ": " << parsed.error << "\n\n" << kReportUsage;
        return 2;
    }
    const ReportOptions &options = parsed.options;
    if (options.help) {
        out << kReportUsage;
        return 0;
    }
    if (options.version) {
        out << kProgram << ' ' << ReadFileVersion() << '\n';
        return 0;
    }

    if (!ExtendedPrecisionWorks()) {
        err << kProgram
            << ": this machine does not compute with 64-bit extended precision; the figures would be wrong\n";
        return 1;
    }
    const std::string versionTag = VersionTag(ReadFileVersion());
    QueueFileContents contents;
    std::string error;
    if (!ReadQueueFile(options.inputPath, versionTag, contents, error)) {
        err << kProgram << ": cannot read " << options.inputPath << ": " << error << '\n';
        return 1;
    }
    if (!contents.headerAccepted) {
        for (const std::string &message : LoadMessages(contents, versionTag))
            err << kProgram << ": " << options.inputPath << ": " << message << '\n';
        return 1;
    }
    for (const std::string &message : LoadMessages(contents, versionTag))
        err << message << '\n';

    BuildQueue queue;
    ApplyLoadedQueue(queue, contents.entries);
    const std::string temperatureText = options.temperature.value_or(contents.temperature.value_or("0"));
    const PlanetInputs planet{ParseInt(temperatureText), ParseInt(options.satellites)};
    const PlanetInputSource inputs = [planet] { return planet; };

    std::vector<EntryEvaluation> rows;
    rows.reserve(static_cast<size_t>(queue.Count()));
    TimelineState state;
    ResetTimeline(state);
    LineMessages messages(err);
    for (int32_t i = 0; i < queue.Count(); ++i) {
        messages.line = static_cast<int64_t>(i) + 1;
        if (const auto evaluation = AdvanceTimeline(queue, i, state, inputs, messages))
            rows.push_back(*evaluation);
    }

    std::ofstream file;
    if (options.outputPath) {
        file.open(*options.outputPath, std::ios::binary | std::ios::trunc);
        if (!file) {
            err << kProgram << ": cannot write " << *options.outputPath << ": " << std::strerror(errno) << '\n';
            return 1;
        }
    }
    std::ostream &target = options.outputPath ? file : out;
    if (options.format == ReportFormat::Csv)
        WriteCsv(target, rows);
    else
        WriteTable(target, rows);
    target.flush();
    if (!target) {
        err << kProgram << ": cannot write " << options.outputPath.value_or("standard output") << '\n';
        return 1;
    }
    return 0;
}

} // namespace korvelin::report
