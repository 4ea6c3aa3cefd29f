// The check of a plan against the technology tree and the stores, on plans
// worked out by hand.

#include "report/PlanCheck.h"

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

std::vector<std::string> CheckLines(const Planet &planet, std::initializer_list<std::pair<int32_t, int32_t>> entries)
{
    BuildQueue queue;
    queue.SetStartLevels(planet.startLevels);
    for (const auto &[bid, level] : entries)
        queue.AppendEntry(bid, level);
    std::vector<EntryEvaluation> rows;
    TimelineState state;
    Quiet quiet;
    WalkQueue(
        queue, planet.startStock, state, [&planet] { return planet.inputs; }, quiet,
        [&rows](const EntryEvaluation &e) { rows.push_back(e); });
    std::vector<std::string> lines;
    for (const PlanProblem &problem : CheckPlan(queue, planet, rows))
        lines.push_back(PlanProblemLine(problem));
    return lines;
}

Planet WithLevels(std::initializer_list<std::pair<int32_t, int32_t>> levels,
                  std::array<int64_t, 3> stock = {500, 500, 0})
{
    Planet planet;
    for (const auto &[bid, level] : levels)
        planet.SetStartLevel(bid, level);
    planet.startStock = stock;
    return planet;
}

TEST(PlanCheckTest, NamesExactlyTheEntriesThatBreakALimit)
{
    const struct {
        const char *name;
        Planet planet;
        std::initializer_list<std::pair<int32_t, int32_t>> entries;
        std::vector<std::string> lines;
    } cases[] = {
        {"nothing needed", Planet{}, {{1, 1}, {14, 1}, {31, 1}}, {}},
        {"an earlier entry reaches the level", Planet{}, {{31, 1}, {108, 1}}, {}},
        {"a later entry does not", Planet{}, {{108, 1}, {31, 1}}, {"1. Computer (1): needs Research Lab 1"}},
        {"only the missing levels",
         WithLevels({{31, 4}, {113, 8}, {120, 9}}, {1'000'000, 1'000'000, 1'000'000}),
         {{122, 1}, {120, 10}},
         {"1. Plasma (1): needs Laser 10, Ion 5"}},
        {"the start level counts", WithLevels({{14, 2}}), {{21, 1}}, {}},
        {"a price past the empty store",
         WithLevels({{1, 21}}, {0, 0, 0}),
         {{1, 22}},
         {"1. Metal Mine (22): costs 299273 metal; the metal storage holds 100000"}},
        {"a stock that already covers the price", WithLevels({{1, 21}}, {300'000, 0, 0}), {{1, 22}}, {}},
        {"a store two levels up holds it", WithLevels({{1, 21}, {22, 3}}, {0, 0, 0}), {{1, 22}}, {}},
        {"both limits on one entry",
         WithLevels({{14, 9}}, {0, 0, 0}),
         {{15, 1}},
         {"1. Nanite Factory (1): needs Robotics Factory 10, Computer 10",
          "1. Nanite Factory (1): costs 1000000 metal; the metal storage holds 100000",
          "1. Nanite Factory (1): costs 500000 crystal; the crystal storage holds 100000"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CheckLines(c.planet, c.entries), c.lines) << c.name;
}

} // namespace
} // namespace korvelin::report
