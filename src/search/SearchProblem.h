#pragma once
// What a problem gives the search skeleton. A plan is a sequence of the
// problem's elements (entries of a queue, items of a goal); a slot is the
// timeline before one position of a plan, with the walk's `state` (total and
// stock) and whatever the problem counts there.

#include "search/PlanChange.h"
#include "search/SearchBudget.h"

#include <concepts>
#include <cstdint>
#include <span>
#include <vector>

namespace korvelin::search {

using Sequence = std::vector<int32_t>;

template <class P>
concept SearchProblem = requires(const P &problem, typename P::Slot &slot, const typename P::Slot &played,
                                 int32_t element, int64_t slack)
{
    {
        problem.StartSlot()
        } -> std::convertible_to<typename P::Slot>;
    // Plays one element and moves the slot past it; false, with the slot
    // half moved, where the element cannot stand there.
    {
        problem.Play(element, slot)
        } -> std::same_as<bool>;
    // The plan through the slot is whole: nothing it still needs.
    {
        problem.Complete(played)
        } -> std::same_as<bool>;
    // Every plan through the slot certainly needs more than `slack` further
    // seconds (a sound bound: never true where some plan does not).
    {
        problem.RemainingExceeds(played, slack)
        } -> std::same_as<bool>;
    {
        played.state.total
        } -> std::convertible_to<int64_t>;
};

// The problems the complete search solves: they name the elements a plan may
// take next, and tell whether a search that ends finds every plan up to a
// total (a problem may leave out plans beyond what it holds).
template <class P>
concept BranchProblem = SearchProblem<P> &&
    requires(const P &problem, const typename P::Slot &played, std::span<const int32_t> prefix,
             std::vector<int32_t> &out, int64_t total)
{
    problem.Choices(played, prefix, out);
    {
        problem.CoversPlansWithin(total)
        } -> std::same_as<bool>;
};

// The problems the improvement search solves: they make the candidates and
// give the cheap bound checked at every position a candidate plays.
template <class P>
concept ClimbProblem = SearchProblem<P> &&
    requires(const P &problem, const Sequence &plan, const typename P::Slot &played, SearchRandom &random,
             PlanChange &change, int64_t slack)
{
    // Describes a change of `plan`, whose end is `played`; false for none.
    {
        problem.MakeCandidate(plan, played, random, change)
        } -> std::same_as<bool>;
    {
        problem.ClimbExceeds(played, slack)
        } -> std::same_as<bool>;
};

} // namespace korvelin::search
