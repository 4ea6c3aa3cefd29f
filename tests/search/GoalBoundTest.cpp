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

// A random interleaving that keeps the tree: each next entry is drawn from
// those whose requirements the entries before it reach.
goal::Plan RandomPlan(CaseRandom &random, const goal::GoalProblem &problem)
{
    std::vector<int32_t> left(static_cast<size_t>(problem.ItemCount()));
    for (int32_t item = 0; item < problem.ItemCount(); ++item)
        left[static_cast<size_t>(item)] = problem.Required(item);
    const int64_t extra = random.Chance(30) ? 0 : random.Between(1, 6);
    for (int64_t k = 0; k < extra; ++k) {
        // Now and then a store level, which the bound must not count on.
        const int32_t item = random.Chance(20) ? problem.StoreItem(static_cast<size_t>(random.Between(0, 2)))
                                               : static_cast<int32_t>(random.Between(0, goal::kEconomyCount - 1));
        ++left[static_cast<size_t>(item)];
    }
    goal::Plan plan;
    goal::GoalProblem::Counts counts{};
    for (;;) {
        std::vector<int32_t> ready;
        for (int32_t item = 0; item < problem.ItemCount(); ++item) {
            for (int32_t n = 0; n < left[static_cast<size_t>(item)] && problem.NeedsMet(item, counts); ++n)
                ready.push_back(item); // weighted by what is left
        }
        if (ready.empty())
            return plan;
        const int32_t item = ready[static_cast<size_t>(random.Between(0, static_cast<int64_t>(ready.size()) - 1))];
        plan.push_back(item);
        --left[static_cast<size_t>(item)];
        ++counts[static_cast<size_t>(item)];
    }
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
