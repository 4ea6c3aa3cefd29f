// The goal search's lower bound is sound: at every position of a plan that
// reaches the goal, it never claims that more time is needed than that plan
// still takes. The plans are random interleavings of the goal's entries with
// a few economy entries, so that the final steps often meet the bound
// exactly: a build time alone, or a wait at the rate the planet has.

#include "RandomCases.h"

#include "goal/GoalProblem.h"

#include <gtest/gtest.h>

namespace korvelin::test {
namespace {

goal::Plan RandomPlan(CaseRandom &random, const goal::GoalProblem &problem)
{
    goal::Plan plan;
    for (int32_t item = 0; item < problem.ItemCount(); ++item)
        plan.insert(plan.end(), static_cast<size_t>(problem.Required(item)), item);
    const int64_t extra = random.Chance(30) ? 0 : random.Between(1, 6);
    for (int64_t k = 0; k < extra; ++k)
        plan.push_back(static_cast<int32_t>(random.Between(0, goal::kEconomyCount - 1)));
    for (size_t x = plan.size(); x > 1; --x)
        std::swap(plan[x - 1], plan[static_cast<size_t>(random.Between(0, static_cast<int64_t>(x) - 1))]);
    return plan;
}

TEST(GoalBoundTest, NeverExceedsWhatAPlanStillTakes)
{
    CaseRandom random(20261210);
    int32_t checked = 0;
    for (int32_t c = 0; c < 10000; ++c) {
        Planet planet = RandomPlanet(random);
        MaybeGameRules(c, planet);
        // A rich stock now and then: every step is then its build time.
        if (random.Chance(20))
            planet.startStock = {50'000'000, 50'000'000, 50'000'000};
        const std::vector<GoalTarget> goal = RandomGoal(random, planet);
        const goal::GoalProblem problem(planet, goal);
        const goal::Plan plan = RandomPlan(random, problem);
        std::vector<goal::PlanSlot> slots{problem.StartSlot()};
        bool whole = true;
        for (const int32_t item : plan) {
            slots.push_back(slots.back());
            whole = whole && problem.Play(item, slots.back());
        }
        if (!whole || !problem.Complete(slots.back()))
            continue;
        const int64_t total = slots.back().state.total;
        for (size_t x = 0; x + 1 < slots.size(); ++x) {
            ASSERT_FALSE(problem.RemainingExceeds(slots[x], total - slots[x].state.total))
                << "case " << c << ", position " << x << " of " << plan.size() << ", " << PlanetText(planet) << ", plan"
                << EntriesText(problem.EntriesOf(plan)) << ", goal" << GoalText(goal);
            ++checked;
        }
    }
    EXPECT_GT(checked, 10'000);
}

} // namespace
} // namespace korvelin::test
