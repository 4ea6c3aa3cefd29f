#include "RunReport.h"

#include "ReportOptions.h"
#include "ToolFiles.h"
#include "ToolStart.h"
#include "advice/Payback.h"
#include "plan/InputRanges.h"
#include "report/PaybackWriter.h"
#include "report/PlanCheck.h"
#include "report/ReportWriter.h"

#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "storage/QueueFile.h"

#include <sstream>
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

void WriteRows(std::ostream &out, const ReportOptions &options, const tools::ToolPlan &plan,
               std::span<const EntryEvaluation> rows, bool &problems)
{
    if (options.check) {
        for (const PlanProblem &problem : CheckPlan(plan.queue, plan.planet, rows)) {
            out << PlanProblemLine(problem) << '\n';
            problems = true;
        }
        return;
    }
    if (options.payback) {
        const int32_t line = options.at ? static_cast<int32_t>(*options.at) : plan.queue.Count();
        const std::vector<advice::PaybackRow> ranking =
            advice::RankPaybacks(plan.queue, line, plan.planet.inputs, options.ratio.value_or(kDefaultTradeRatio));
        if (options.format == ReportFormat::Csv)
            WritePaybackCsv(out, ranking);
        else
            WritePaybackTable(out, ranking);
        return;
    }
    const ReportFormat format = options.format;
    if (format == ReportFormat::Csv)
        WriteCsv(out, rows);
    else
        WriteTable(out, rows);
}

} // namespace

int RunReport(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err)
{
    const ParsedArguments parsed = ParseReportArguments(arguments);
    const ReportOptions &options = parsed.options;
    tools::ToolPlan plan;
    if (const auto status = tools::StartTool({kProgram, kReportUsage}, parsed.error, options, out, err, plan))
        return *status;
    const BuildQueue &queue = plan.queue;
    if (options.at && *options.at > queue.Count()) {
        err << kProgram << ": --at " << *options.at << " is past the plan's last line, " << queue.Count() << "\n\n"
            << kReportUsage;
        return 2;
    }
    const PlanetInputSource inputs = [planet = plan.planet.inputs] { return planet; };

    std::vector<EntryEvaluation> rows;
    rows.reserve(static_cast<size_t>(queue.Count()));
    TimelineState state;
    ResetTimeline(state, plan.planet.startStock);
    LineMessages messages(err);
    // The ranking reads the levels only; the walk's messages would be noise.
    for (int32_t i = 0; i < queue.Count() && !options.payback; ++i) {
        messages.line = static_cast<int64_t>(i) + 1;
        if (const auto evaluation = AdvanceTimeline(queue, i, state, inputs, messages))
            rows.push_back(*evaluation);
    }

    bool problems = false;
    if (!options.outputPath) {
        WriteRows(out, options, plan, rows, problems);
        out.flush();
        if (!out) {
            err << kProgram << ": cannot write standard output\n";
            return 1;
        }
        return problems ? 1 : 0;
    }
    std::ostringstream text;
    WriteRows(text, options, plan, rows, problems);
    if (const auto failure = tools::WriteFileAtomically(*options.outputPath, text.str())) {
        err << kProgram << ": cannot write " << *options.outputPath << ": " << *failure << '\n';
        return 1;
    }
    return problems ? 1 : 0;
}

} // namespace korvelin::report
