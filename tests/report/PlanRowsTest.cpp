// The plan table's figures: what set each step, the marks and their reasons,
// and the summary, against the walk the report makes.

#include "report/PlanRows.h"

#include "util/FormatDuration.h"
#include "util/MessageSink.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <vector>

namespace korvelin::report {
namespace {

class Quiet : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

std::vector<EntryEvaluation> WalkOf(std::initializer_list<int32_t> bids, PlanetInputs inputs)
{
    BuildQueue queue;
    std::map<int32_t, int32_t> levels;
    for (const int32_t b : bids)
        queue.AppendEntry(b, ++levels[b]);
    std::vector<EntryEvaluation> rows;
    TimelineState state;
    Quiet quiet;
    WalkQueue(
        queue, kDefaultStartStock, state, [inputs] { return inputs; }, quiet,
        [&rows](const EntryEvaluation &e) { rows.push_back(e); });
    return rows;
}

struct CauseCase {
    const char *name;
    int64_t build;
    std::array<int64_t, 3> waits;
    StepCause cause;
};

class StepCauseTest : public testing::TestWithParam<CauseCase> {};

TEST_P(StepCauseTest, TheLargestOfTheFourWithTheBuildTimeOnTies)
{
    const CauseCase &c = GetParam();
    EntryEvaluation row;
    row.buildTime = c.build;
    row.waits = c.waits;
    EXPECT_EQ(StepCauseOf(row), c.cause);
}

INSTANTIATE_TEST_SUITE_P(Causes, StepCauseTest,
                         testing::Values(CauseCase{"BuildLongest", 100, {0, 50, 99}, StepCause::Build},
                                         CauseCase{"MetalLongest", 100, {101, 0, 0}, StepCause::Metal},
                                         CauseCase{"CrystalLongest", 100, {5, 300, 200}, StepCause::Crystal},
                                         CauseCase{"DeuteriumLongest", 0, {1, 1, 2}, StepCause::Deuterium},
                                         CauseCase{"BuildTiesMetal", 100, {100, 0, 0}, StepCause::Build},
                                         CauseCase{"BuildTiesAll", 7, {7, 7, 7}, StepCause::Build},
                                         CauseCase{"AllZero", 0, {0, 0, 0}, StepCause::Build},
                                         CauseCase{"MetalTiesCrystal", 1, {50, 50, 0}, StepCause::Metal},
                                         CauseCase{"CrystalTiesDeuterium", 1, {0, 50, 50}, StepCause::Crystal},
                                         CauseCase{"SaturatedWait",
                                                   std::numeric_limits<int64_t>::max() - 1,
                                                   {0, 0, std::numeric_limits<int64_t>::max()},
                                                   StepCause::Deuterium}),
                         [](const testing::TestParamInfo<CauseCase> &info) { return std::string(info.param.name); });

TEST(PlanRowsTest, RowsFollowTheReportsWalk)
{
    // Mines and power first, then research that waits on deuterium.
    const std::vector<EntryEvaluation> rows =
        WalkOf({1, 1, 4, 2, 1, 4, 3, 2, 31, 3, 1, 4, 113, 1, 2, 3, 3, 113}, PlanetInputs{40, 0});
    const std::vector<PlanRow> planRows = MakePlanRows(rows);
    ASSERT_EQ(planRows.size(), rows.size());
    int64_t start = 0;
    std::array<int64_t, 4> setBy{};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(planRows[i].start, start);
        EXPECT_EQ(rows[i].total, planRows[i].start + rows[i].step);
        const std::array<int64_t, 4> candidates{rows[i].buildTime, rows[i].waits[0], rows[i].waits[1],
                                                rows[i].waits[2]};
        EXPECT_EQ(candidates[static_cast<size_t>(planRows[i].cause)], rows[i].step);
        setBy[static_cast<size_t>(planRows[i].cause)] += rows[i].step;
        start = rows[i].total;
    }
    // The figures of korvelin-report's CSV for the same plan, each step given
    // to the longest of build, metal, crystal and deuterium (ties to the
    // earlier): no figure here comes from the functions under test.
    const PlanSummary summary = SummarizePlan(rows, planRows);
    EXPECT_EQ(summary.total, 708817);
    EXPECT_EQ(summary.setBy, (std::array<int64_t, 4>{5344, 10950, 316081, 376442}));
    EXPECT_EQ(setBy, summary.setBy);
}

struct MarkCase {
    const char *name;
    int64_t factor;
    int64_t balance;
    int64_t deuteriumCost;
    int64_t deuteriumPerHour;
    uint8_t marks;
    const char *reason;
};

class MarkTest : public testing::TestWithParam<MarkCase> {};

TEST_P(MarkTest, MarksSayWhy)
{
    const MarkCase &c = GetParam();
    EntryEvaluation row;
    row.economy.productionFactor = c.factor;
    row.economy.energyBalance = c.balance;
    row.economy.deuteriumPerHour = c.deuteriumPerHour;
    row.costs = {100, 50, c.deuteriumCost};
    const std::vector<PlanRow> planRows = MakePlanRows(std::span(&row, 1));
    EXPECT_EQ(planRows[0].marks, c.marks);
    EXPECT_EQ(planRows[0].reason, c.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, MarkTest,
    testing::Values(MarkCase{"Unmarked", 100, 12, 0, 0, 0, ""}, MarkCase{"FullPowerExactly", 100, 0, 30, 5, 0, ""},
                    MarkCase{"EnergyShort", 41, -35, 0, 0, kEnergyShort, "Energy short by 35: mines run at 41%"},
                    MarkCase{"NoDeuteriumProduction", 100, 0, 200, 0, kNoDeuterium,
                             "Costs 200 deuterium, but deuterium production is 0 per hour: "
                             "Build is Corrupted - FixItPlz"},
                    MarkCase{"NegativeDeuteriumProduction", 100, 0, 200, -3, kNoDeuterium,
                             "Costs 200 deuterium, but deuterium production is -3 per hour: "
                             "Build is Corrupted - FixItPlz"},
                    MarkCase{"Both", 0, -1000, 1, 0, kEnergyShort | kNoDeuterium,
                             "Energy short by 1000: mines run at 0%\n"
                             "Costs 1 deuterium, but deuterium production is 0 per hour: "
                             "Build is Corrupted - FixItPlz"},
                    MarkCase{"LowestBalance", 0, std::numeric_limits<int64_t>::min(), 0, 0, kEnergyShort,
                             "Energy short by 9223372036854775807: mines run at 0%"}),
    [](const testing::TestParamInfo<MarkCase> &info) { return std::string(info.param.name); });

TEST(PlanRowsTest, SummarySharesAndMarkedRows)
{
    PlanSummary summary;
    summary.total = 1000;
    summary.setBy = {500, 333, 167, 0};
    summary.markedRows = 1;
    EXPECT_EQ(SummaryText(summary),
              "Total " + FormatDuration(1000) + "; waiting on metal 33%, crystal 17%, deuterium 0%; 1 marked row");
    EXPECT_EQ(SummaryText(PlanSummary{}), "Total 00:00:00; waiting on metal 0%, crystal 0%, deuterium 0%; "
                                          "0 marked rows");
    // A clock stopped at its largest value: the steps add up to more than
    // the total, and the shares still add up to 100.
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    summary.total = kMax;
    summary.setBy = {kMax / 2, kMax, kMax / 2, 0};
    EXPECT_EQ(ShareOfTotal(summary, StepCause::Metal), 50);
    EXPECT_EQ(ShareOfTotal(summary, StepCause::Crystal), 25);
    summary.setBy = {199, 1, 0, 0}; // half a percent rounds up
    EXPECT_EQ(ShareOfTotal(summary, StepCause::Metal), 1);
}

} // namespace
} // namespace korvelin::report
