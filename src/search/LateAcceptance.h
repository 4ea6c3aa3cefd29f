#pragma once
// Late acceptance hill climbing over plans: a candidate may be worse than the
// current plan as long as it is no worse than the plan of some steps ago. The
// timeline before every position is kept, so a candidate is played only from
// its first change on, and a change that keeps the same elements only until
// its timeline meets the current one again (the same stock after the same
// elements: the rest is the same but for the shift of the clock) or it can no
// longer be accepted.

#include "search/SearchProblem.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace korvelin::search {

struct ClimbSettings {
    size_t historyLength = 20;
    // Candidates in a row without a new best after which the search restarts
    // from its best plan with a few random changes, or ends once `restarts`
    // are used up.
    uint64_t stallLimit = 5000;
    uint64_t restarts = 0;
    // Asked before every candidate; false ends the search.
    std::function<bool()> keepGoing;
};

template <ClimbProblem Problem> class LateAcceptance {
  public:
    // `start` must be a plan the problem plays whole.
    LateAcceptance(const Problem &problem, SearchBudget &budget, uint64_t seed, Sequence start)
        : problem_(problem), budget_(budget), random_(seed), plan_(std::move(start))
    {
        Rebuild();
        best_ = plan_;
        bestTotal_ = current_;
    }

    void Run(const ClimbSettings &settings)
    {
        if (plan_.empty())
            return;
        const size_t historyLength = std::max<size_t>(settings.historyLength, 1);
        std::vector<int64_t> history(historyLength, current_);
        uint64_t restarts = settings.restarts;
        uint64_t stalled = 0;
        for (uint64_t step = 0; !budget_.Stopped() && (!settings.keepGoing || settings.keepGoing()); ++step) {
            if (++stalled > settings.stallLimit) {
                if (restarts == 0)
                    return;
                --restarts;
                Kick();
                std::fill(history.begin(), history.end(), current_);
                stalled = 0;
            }
            if (!problem_.MakeCandidate(plan_, slots_.back(), random_, change_)) {
                // Refused candidates still count, so that every search ends.
                budget_.Spend();
                continue;
            }
            ++tried_;
            int64_t &past = history[step % historyLength];
            change_.Apply(plan_);
            const int64_t total = Evaluate(std::max(current_, past));
            if (total >= 0)
                Accept(total);
            else
                change_.Undo(plan_);
            past = current_;
            if (current_ < bestTotal_) {
                bestTotal_ = current_;
                best_ = plan_;
                budget_.OfferTotal(bestTotal_);
                stalled = 0;
            }
        }
    }

    const Sequence &Best() const { return best_; }
    int64_t BestTotal() const { return bestTotal_; }
    uint64_t CandidatesTried() const { return tried_; }

  private:
    using Slot = typename Problem::Slot;
    // Totals from which shifting a rejoined timeline could overflow.
    static constexpr int64_t kShiftableTotal = std::numeric_limits<int64_t>::max() / 4;

    void Rebuild()
    {
        slots_.assign(plan_.size() + 1, problem_.StartSlot());
        for (size_t x = 0; x < plan_.size(); ++x) {
            Slot slot = slots_[x];
            problem_.Play(plan_[x], slot);
            slots_[x + 1] = slot;
        }
        current_ = slots_.back().state.total;
    }

    // The total of the plan with the change applied (slots_ still hold the
    // plan's timeline before it), or −1 once it exceeds `threshold`, cannot
    // be played, or ends incomplete.
    int64_t Evaluate(int64_t threshold)
    {
        const int32_t n = static_cast<int32_t>(plan_.size());
        if (scratch_.size() < plan_.size() + 1)
            scratch_.resize(plan_.size() + 1);
        const int32_t last = change_.Last();
        Slot slot = slots_[static_cast<size_t>(change_.first)];
        rejoinedAt_ = -1;
        // A candidate that plays nothing (a removal at the end) copies no slot.
        scratchEnd_ = change_.first;
        for (int32_t x = change_.first; x < n; ++x) {
            if (!budget_.Spend() || !problem_.Play(plan_[static_cast<size_t>(x)], slot))
                return -1;
            scratch_[static_cast<size_t>(x) + 1] = slot;
            scratchEnd_ = x + 1;
            if (last >= 0 && x >= last && current_ < kShiftableTotal) {
                const Slot &old = slots_[static_cast<size_t>(x) + 1];
                if (slot.state.stock == old.state.stock) {
                    rejoinedAt_ = x + 1;
                    const int64_t total = current_ + (slot.state.total - old.state.total);
                    return total <= threshold ? total : -1;
                }
            }
            if (slot.state.total > threshold || problem_.ClimbExceeds(slot, threshold - slot.state.total))
                return -1;
        }
        return problem_.Complete(slot) ? slot.state.total : -1;
    }

    void Accept(int64_t total)
    {
        // A rejoined candidate keeps the plan's length; any other is played to its end.
        if (rejoinedAt_ == -1)
            slots_.resize(plan_.size() + 1);
        for (int32_t x = change_.first + 1; x <= scratchEnd_; ++x)
            slots_[static_cast<size_t>(x)] = scratch_[static_cast<size_t>(x)];
        if (rejoinedAt_ != -1) {
            const int64_t shift = total - current_;
            for (size_t x = static_cast<size_t>(rejoinedAt_) + 1; x < slots_.size(); ++x)
                slots_[x].state.total += shift;
        }
        current_ = total;
    }

    // Several random changes taken whatever they cost, from the best plan: a
    // way out of a plan no single change improves.
    void Kick()
    {
        plan_ = best_;
        Rebuild();
        const int32_t kicks = 2 + static_cast<int32_t>(random_.Below(4));
        for (int32_t k = 0; k < kicks; ++k) {
            if (!problem_.MakeCandidate(plan_, slots_.back(), random_, change_))
                continue;
            change_.Apply(plan_);
            const int64_t total = Evaluate(std::numeric_limits<int64_t>::max());
            if (total >= 0)
                Accept(total);
            else
                change_.Undo(plan_);
        }
    }

    const Problem &problem_;
    SearchBudget &budget_;
    SearchRandom random_;
    Sequence plan_;
    std::vector<Slot> slots_; // the timeline before each position, and at the end
    PlanChange change_;
    std::vector<Slot> scratch_;
    int32_t scratchEnd_ = 0; // positions the candidate's play filled in scratch_
    int32_t rejoinedAt_ = -1;
    int64_t current_ = 0;
    Sequence best_;
    int64_t bestTotal_ = 0;
    uint64_t tried_ = 0;
};

struct RunsOutcome {
    Sequence best;
    int64_t bestTotal = -1;
    uint64_t candidatesTried = 0;
};

// Independent runs of the climb until a limited budget ends, each with its
// own seed and `firstRun` evaluations or more (the share doubles every second
// run), alternately from `start` and from the best plan so far (`best` at
// first): one run can stay in a poor valley however long it climbs and
// restarts, several rarely all do, so that results of the same budget stay
// close. Both plans must be ones the problem plays whole.
template <ClimbProblem Problem>
RunsOutcome ClimbInRuns(const Problem &problem, SearchBudget &budget, uint64_t seed, const Sequence &start,
                        RunsOutcome best, const ClimbSettings &settings, uint64_t firstRun)
{
    RunsOutcome outcome = std::move(best);
    outcome.candidatesTried = 0;
    for (uint64_t run = 0; run == 0 || (budget.Limited() && !budget.Stopped()); ++run) {
        const uint64_t share = firstRun << std::min<uint64_t>(run / 2, 20);
        const uint64_t end = budget.Evaluations() + share;
        ClimbSettings slice = settings;
        slice.keepGoing = [&budget, end, &settings] {
            return budget.Evaluations() < end && (!settings.keepGoing || settings.keepGoing());
        };
        if (!budget.Limited())
            slice.keepGoing = settings.keepGoing;
        LateAcceptance climb(problem, budget, seed + run, run % 2 == 0 ? start : outcome.best);
        climb.Run(slice);
        outcome.candidatesTried += climb.CandidatesTried();
        if (outcome.bestTotal < 0 || climb.BestTotal() < outcome.bestTotal) {
            outcome.best = climb.Best();
            outcome.bestTotal = climb.BestTotal();
        }
        if (settings.keepGoing && !settings.keepGoing())
            break;
    }
    return outcome;
}

} // namespace korvelin::search
