// The plan table's cells, which the window and the page both show as they
// are: a few rows pinned, the plan check's marks, and a table grown entry by
// entry against one made at once.

#include "report/PlanTable.h"

#include "util/MessageSink.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace korvelin::report {
namespace {

class Quiet : public MessageSink {
  public:
    void ShowMessage(std::string_view) override {}
};

struct Walked {
    BuildQueue queue;
    std::vector<EntryEvaluation> rows;
};

Walked Walk(const Planet &planet, std::initializer_list<std::pair<int32_t, int32_t>> entries)
{
    Walked walked;
    walked.queue.SetStartLevels(planet.startLevels);
    for (const auto &[bid, level] : entries)
        walked.queue.AppendEntry(bid, level);
    TimelineState state;
    Quiet quiet;
    WalkQueue(
        walked.queue, planet.startStock, state, [&planet] { return planet.inputs; }, quiet,
        [&walked](const EntryEvaluation &e) { walked.rows.push_back(e); });
    return walked;
}

std::vector<std::string> Cells(const Walked &walked, const std::vector<PlanRow> &table, size_t row, bool english)
{
    std::vector<std::string> cells;
    for (int c = 0; c < kTableColumnCount; ++c)
        cells.push_back(CellText(walked.rows[row], table[row], static_cast<TableColumn>(c), english));
    return cells;
}

TEST(PlanTableTest, CellsOfPinnedRows)
{
    const Walked walked = Walk(Planet{}, {{1, 1}, {4, 1}, {1, 2}});
    const std::vector<PlanRow> table = MakeTableRows(walked.queue, Planet{}, walked.rows);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(
        Cells(walked, table, 0, true),
        (std::vector<std::string>{"1",        "Metal Mine", "1",        "00:00:00", "00:01:48", "00:00:00", "00:00:00",
                                  "00:00:00", "00:01:48",   "00:01:48", "build",    "441",      "485",      "0",
                                  "20",       "10",         "0",        "0",        "100",      ""}));
    // In Russian by default; starts where the row before it ended.
    EXPECT_EQ(Cells(walked, table, 2, false), (std::vector<std::string>{"3",        "Рудник по добыче металла",
                                                                        "2",        "00:04:19",
                                                                        "00:07:00", "00:00:00",
                                                                        "00:00:00", "00:00:00",
                                                                        "00:02:41", "00:02:41",
                                                                        "build",    "280",
                                                                        "433",      "0",
                                                                        "53",       "10",
                                                                        "0",        "11",
                                                                        "100",      ""}));
}

TEST(PlanTableTest, PlanCheckProblemsAreMarkedWithTheirReason)
{
    Planet deepMine;
    deepMine.SetStartLevel(1, 21);
    const struct {
        const char *name;
        Planet planet;
        std::initializer_list<std::pair<int32_t, int32_t>> entries;
        size_t row;
        uint8_t marks;
        std::string note;
    } cases[] = {
        {"a requirement met by earlier entries", Planet{}, {{31, 1}, {31, 2}, {111, 1}}, 2, 0, ""},
        {"a requirement not yet met", Planet{}, {{31, 1}, {111, 1}, {31, 2}}, 1, kPlanProblem, "needs Research Lab 2"},
        {"a price past the store",
         deepMine,
         {{1, 22}},
         0,
         kPlanProblem,
         "costs 299273 metal; the metal storage holds 100000"},
        {"a stall and a problem on one row",
         Planet{},
         {{106, 1}},
         0,
         kNoDeuterium | kPlanProblem,
         "Costs 200 deuterium, but deuterium production is 0 per hour: Build is Corrupted - FixItPlz needs Research "
         "Lab 3"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Walked walked = Walk(c.planet, c.entries);
        const std::vector<PlanRow> table = MakeTableRows(walked.queue, c.planet, walked.rows);
        ASSERT_GT(table.size(), c.row);
        EXPECT_EQ(table[c.row].marks, c.marks);
        EXPECT_EQ(CellText(walked.rows[c.row], table[c.row], TableColumn::Note, true), c.note);
    }
}

// The page walks only what was appended; its table must match one made from
// the whole walk, starts, marks and reasons alike.
TEST(PlanTableTest, GrownEntryByEntryMatchesMadeAtOnce)
{
    const Walked walked = Walk(Planet{}, {{113, 1}, {1, 1}, {31, 1}, {106, 1}, {4, 1}, {1, 2}, {1, 3}, {2, 1}});
    PlanTable grown;
    for (size_t n = 0; n <= walked.rows.size(); ++n)
        grown.Extend(walked.queue, std::span<const EntryEvaluation>(walked.rows).first(n));
    const std::vector<PlanRow> whole = MakeTableRows(walked.queue, Planet{}, walked.rows);
    ASSERT_EQ(grown.Rows().size(), whole.size());
    for (size_t i = 0; i < whole.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(grown.Rows()[i].start, i == 0 ? 0 : walked.rows[i - 1].total);
        EXPECT_EQ(grown.Rows()[i].start, whole[i].start);
        EXPECT_EQ(grown.Rows()[i].marks, whole[i].marks);
        EXPECT_EQ(grown.Rows()[i].reason, whole[i].reason);
    }
}

} // namespace
} // namespace korvelin::report
