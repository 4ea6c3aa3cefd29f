// When a search's answer is not worth offering, and what is said instead:
// the window and the page both take these texts.

#include "plan/QuestionTexts.h"

#include <gtest/gtest.h>

namespace korvelin {
namespace {

TEST(QuestionTextsTest, OrderSearchOffersOnlyAShorterOrAdmissibleOrder)
{
    const struct {
        const char *name;
        int64_t before, after;
        bool currentAdmissible, proven;
        const char *told; // empty: the question is asked
    } cases[] = {
        {"shorter", 100, 99, true, true, ""},
        {"as long, proven", 100, 100, true, true, "This order is already the shortest."},
        {"as long, not proven", 100, 100, true, false, "No shorter order was found."},
        {"current never gets its deuterium", 100, 120, false, true, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(OrderSearchNothingBetter(c.before, c.after, c.currentAdmissible, c.proven), c.told);
    }
}

TEST(QuestionTextsTest, GoalSearchOffersOnlyAFasterOrFirstWayToTheGoal)
{
    const struct {
        const char *name;
        bool reaches;
        int64_t current, total;
        bool currentAdmissible, proven;
        const char *told;
    } cases[] = {
        {"current queue misses the goal", false, 50, 100, true, true, ""},
        {"faster", true, 100, 90, true, true, ""},
        {"as fast, proven", true, 100, 100, true, true, "The current queue is already the fastest way to the goal."},
        {"as fast, not proven", true, 100, 100, true, false, "No faster way to the goal was found."},
        {"current never gets its deuterium", true, 100, 100, false, true, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GoalSearchNothingBetter({c.reaches, c.current, c.total, 3, 1, {}}, c.currentAdmissible, c.proven),
                  c.told);
    }
}

} // namespace
} // namespace korvelin
