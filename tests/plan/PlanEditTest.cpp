// The plan's edits as the window and the page apply them: what each leaves,
// how it is named, and what it refuses.

#include "plan/Plan.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvelin {
namespace {

struct Line {
    int32_t bid;
    int32_t level;
    friend bool operator==(const Line &, const Line &) = default;
};

std::vector<Line> Lines(const Plan &plan)
{
    std::vector<Line> lines;
    for (const QueueEntry &entry : plan.queue.Entries())
        lines.push_back({entry.bid, entry.level});
    return lines;
}

// Metal Mine 1, Crystal Mine 1, Metal Mine 2, Metal Mine 3.
Plan FourLines()
{
    Plan plan;
    for (const int32_t bid : {bid::kMetalMine, bid::kCrystalMine, bid::kMetalMine, bid::kMetalMine})
        plan.queue.AppendUpgrade(bid);
    return plan;
}

struct EditCase {
    const char *name;
    std::function<std::optional<PlanEdit>(const Plan &)> edit;
    std::string description; // empty: the edit changes nothing
    std::vector<Line> after;
};

class PlanEdits : public testing::TestWithParam<EditCase> {};

TEST_P(PlanEdits, LeaveThePlanAndNameTheStep)
{
    const EditCase &c = GetParam();
    const Plan before = FourLines();
    const std::optional<PlanEdit> edit = c.edit(before);
    if (c.description.empty()) {
        EXPECT_FALSE(edit.has_value());
        return;
    }
    ASSERT_TRUE(edit.has_value());
    EXPECT_EQ(edit->description, c.description);
    EXPECT_EQ(Lines(edit->plan), c.after);
    // A value edit never touches the plan it was given.
    EXPECT_EQ(Lines(before), (std::vector<Line>{{1, 1}, {2, 1}, {1, 2}, {1, 3}}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanEdits,
    testing::Values(EditCase{"AppendTheNextLevel",
                             [](const Plan &p) { return AppendUpgrade(p, bid::kMetalMine); },
                             "Add Metal Mine (4)",
                             {{1, 1}, {2, 1}, {1, 2}, {1, 3}, {1, 4}}},
                    EditCase{"AppendAnUnknownItem", [](const Plan &p) { return AppendUpgrade(p, 5); }, "", {}},
                    EditCase{"DeleteTakesTheLaterLevels",
                             [](const Plan &p) { return DeleteEntry(p, 0); },
                             "Delete Metal Mine (1)",
                             {{2, 1}}},
                    EditCase{"DeleteTheLast",
                             [](const Plan &p) { return DeleteEntry(p, 3); },
                             "Delete Metal Mine (3)",
                             {{1, 1}, {2, 1}, {1, 2}}},
                    EditCase{"DeleteOutside", [](const Plan &p) { return DeleteEntry(p, 4); }, "", {}},
                    EditCase{"MoveUpPastAnotherItem",
                             [](const Plan &p) { return MoveEntry(p, 1, 0); },
                             "Move Up Crystal Mine (1)",
                             {{2, 1}, {1, 1}, {1, 2}, {1, 3}}},
                    EditCase{"MoveDown",
                             [](const Plan &p) { return MoveEntry(p, 1, 2); },
                             "Move Down Crystal Mine (1)",
                             {{1, 1}, {1, 2}, {2, 1}, {1, 3}}},
                    EditCase{"MoveAboveItsOwnLowerLevel", [](const Plan &p) { return MoveEntry(p, 3, 2); }, "", {}},
                    EditCase{"MoveTwoLines", [](const Plan &p) { return MoveEntry(p, 0, 2); }, "", {}}),
    [](const testing::TestParamInfo<EditCase> &info) { return std::string(info.param.name); });

TEST(PlanEdit, BuiltUpToHereMovesThePlanetOnOrRefuses)
{
    const Plan plan = FourLines();
    const EditOutcome built = BuiltUpToHere(plan, 2, {274467426591, 5000000000, 3});
    ASSERT_TRUE(built.edit.has_value());
    EXPECT_EQ(built.edit->description, "Built up to here");
    EXPECT_EQ(built.edit->plan.planet.StartLevel(bid::kMetalMine), 2);
    EXPECT_EQ(built.edit->plan.planet.StartLevel(bid::kCrystalMine), 1);
    EXPECT_EQ(built.edit->plan.planet.startStock, (std::array<int64_t, 3>{274467426591, 5000000000, 3}));
    EXPECT_EQ(Lines(built.edit->plan), (std::vector<Line>{{1, 3}}));
    EXPECT_EQ(built.edit->plan.queue.QueuedLevel(bid::kMetalMine), 3);

    // A stock the walk can't have left (a saturated wait) is refused, not kept.
    const EditOutcome refused = BuiltUpToHere(plan, 0, {-5, 0, 0});
    EXPECT_FALSE(refused.edit.has_value());
    EXPECT_EQ(refused.refusal, "Built up to here would leave the planet out of range. Start stock of metal must be a "
                               "whole number from 0 to 1000000000000000, not -5");
}

TEST(PlanEdit, PlanetChangeRenumbersTheChangedItemsOnly)
{
    Planet planet;
    planet.SetStartLevel(bid::kMetalMine, 20);
    planet.inputs.satellites = 7;
    const EditOutcome changed = ChangePlanet(FourLines(), planet);
    ASSERT_TRUE(changed.edit.has_value());
    EXPECT_EQ(changed.edit->description, "Planet");
    EXPECT_EQ(Lines(changed.edit->plan), (std::vector<Line>{{1, 21}, {2, 1}, {1, 22}, {1, 23}}));
    EXPECT_EQ(changed.edit->plan.planet.inputs.satellites, 7);

    EXPECT_FALSE(ChangePlanet(FourLines(), Planet{}).edit.has_value()); // the same planet: no step
    planet.SetStartLevel(bid::kMetalMine, 111);
    const EditOutcome refused = ChangePlanet(FourLines(), planet);
    EXPECT_FALSE(refused.edit.has_value());
    EXPECT_EQ(refused.refusal, "Start level of Metal Mine must be a whole number from 0 to 76 (higher levels overflow "
                               "the figures), not 111");
}

} // namespace
} // namespace korvelin
