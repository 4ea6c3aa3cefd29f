#include "goal/GoalImprove.h"

#include <algorithm>
#include <limits>

namespace korvelin::goal {

namespace {

constexpr int32_t kNearWindow = 12;
constexpr int32_t kLongestRun = 6;
constexpr int64_t kShiftableTotal = std::numeric_limits<int64_t>::max() / 4;

} // namespace

GoalImprover::GoalImprover(const GoalProblem &problem, optimize::SearchBudget &budget, uint64_t seed, Plan start)
    : problem_(problem), budget_(budget), random_(seed), plan_(std::move(start))
{
    Rebuild();
    best_ = plan_;
    bestTotal_ = current_;
}

void GoalImprover::Rebuild()
{
    counts_ = {};
    slots_.assign(plan_.size() + 1, problem_.StartSlot());
    for (size_t x = 0; x < plan_.size(); ++x) {
        PlanSlot slot = slots_[x];
        problem_.Play(plan_[x], slot);
        slots_[x + 1] = slot;
        ++counts_[static_cast<size_t>(plan_[x])];
    }
    current_ = slots_.back().state.total;
}

bool GoalImprover::MakeCandidate()
{
    const int32_t n = static_cast<int32_t>(plan_.size());
    const auto economyItem = [&] { return static_cast<int32_t>(random_.Below(7)); };
    candidate_ = plan_;
    last_ = -1;
    switch (random_.Below(8)) {
    case 0:
    case 1: { // insert one to three economy entries close together; never last
        const int32_t insertions = 1 + static_cast<int32_t>(random_.Below(3));
        first_ = static_cast<int32_t>(random_.Below(static_cast<uint32_t>(n)));
        std::array<int32_t, kItemCount> counts = counts_;
        for (int32_t i = 0; i < insertions; ++i) {
            const int32_t item = economyItem();
            if (counts[static_cast<size_t>(item)]++ >= problem_.MostEntries(item))
                return false;
            const int32_t spread = std::min(n - first_, 4);
            const int32_t at = first_ + static_cast<int32_t>(random_.Below(static_cast<uint32_t>(spread)));
            candidate_.insert(candidate_.begin() + at, item);
        }
        return true;
    }
    case 2: { // remove an entry beyond its item's target
        first_ = static_cast<int32_t>(random_.Below(static_cast<uint32_t>(n)));
        if (!Removable(plan_[static_cast<size_t>(first_)]))
            return false;
        candidate_.erase(candidate_.begin() + first_);
        return true;
    }
    case 3: { // turn such an entry into another economy item
        first_ = static_cast<int32_t>(random_.Below(static_cast<uint32_t>(n)));
        const int32_t item = economyItem();
        const int32_t old = plan_[static_cast<size_t>(first_)];
        if (!Removable(old) || item == old || Count(item) >= problem_.MostEntries(item))
            return false;
        candidate_[static_cast<size_t>(first_)] = item;
        return true;
    }
    default: { // move a run of entries
        if (n < 2)
            return false;
        const int32_t from = static_cast<int32_t>(random_.Below(static_cast<uint32_t>(n)));
        const int32_t longest = std::min(kLongestRun, n - from);
        const int32_t length = (longest <= 1 || random_.Below(2) == 0)
                                   ? 1
                                   : 2 + static_cast<int32_t>(random_.Below(static_cast<uint32_t>(longest - 1)));
        const int32_t window = random_.Below(4) == 0 ? n : kNearWindow;
        const int32_t lowest = std::max(0, from - window);
        const int32_t highest = std::min(n - length, from + window);
        if (lowest == highest)
            return false;
        int32_t to = lowest + static_cast<int32_t>(random_.Below(static_cast<uint32_t>(highest - lowest)));
        if (to >= from)
            ++to;
        const auto at = [&](int32_t position) { return candidate_.begin() + position; };
        if (to < from)
            std::rotate(at(to), at(from), at(from + length));
        else
            std::rotate(at(from), at(from + length), at(to + length));
        first_ = std::min(from, to);
        last_ = std::max(from, to) + length - 1;
        return true;
    }
    }
}

int64_t GoalImprover::Evaluate(int64_t threshold)
{
    const int32_t n = static_cast<int32_t>(candidate_.size());
    if (scratch_.size() < candidate_.size() + 1)
        scratch_.resize(candidate_.size() + 1);
    PlanSlot slot = slots_[static_cast<size_t>(first_)];
    rejoinedAt_ = -1;
    // A removal of the last entry plays nothing: Accept must copy no slot.
    scratchEnd_ = first_;
    for (int32_t x = first_; x < n; ++x) {
        if (!budget_.Spend() || !problem_.Play(candidate_[static_cast<size_t>(x)], slot))
            return -1;
        scratch_[static_cast<size_t>(x) + 1] = slot;
        scratchEnd_ = x + 1;
        if (last_ >= 0 && x >= last_ && current_ < kShiftableTotal) {
            const PlanSlot &old = slots_[static_cast<size_t>(x) + 1];
            if (slot.state.stock == old.state.stock) {
                rejoinedAt_ = x + 1;
                const int64_t total = current_ + (slot.state.total - old.state.total);
                return total <= threshold ? total : -1;
            }
        }
        if (slot.state.total > threshold)
            return -1;
    }
    return problem_.Complete(slot) ? slot.state.total : -1;
}

void GoalImprover::Accept(int64_t total)
{
    if (rejoinedAt_ == -1)
        slots_.resize(candidate_.size() + 1);
    for (int32_t x = first_ + 1; x <= scratchEnd_; ++x)
        slots_[static_cast<size_t>(x)] = scratch_[static_cast<size_t>(x)];
    if (rejoinedAt_ != -1) {
        const int64_t shift = total - current_;
        for (size_t x = static_cast<size_t>(rejoinedAt_) + 1; x < slots_.size(); ++x)
            slots_[x].state.total += shift;
    }
    plan_.swap(candidate_);
    counts_ = slots_.back().counts;
    current_ = total;
}

void GoalImprover::Kick()
{
    // Several random insertions and moves taken whatever they cost, from
    // the best plan: a way out of a plan no single change improves.
    plan_ = best_;
    Rebuild();
    const int32_t kicks = 2 + static_cast<int32_t>(random_.Below(4));
    for (int32_t k = 0; k < kicks; ++k) {
        if (!MakeCandidate())
            continue;
        const int64_t total = Evaluate(std::numeric_limits<int64_t>::max());
        if (total >= 0)
            Accept(total);
    }
}

void GoalImprover::Run(uint64_t stallLimit, const std::function<bool()> &keepGoing, uint64_t restarts)
{
    if (plan_.empty())
        return;
    // Late acceptance: a candidate may be worse than the current plan as
    // long as it is no worse than the plan of some steps ago.
    const size_t historyLength = std::clamp<size_t>(plan_.size() * 2, 20, 200);
    std::vector<int64_t> history(historyLength, current_);
    uint64_t stalled = 0;
    for (uint64_t step = 0; !budget_.Stopped() && keepGoing(); ++step) {
        if (++stalled > stallLimit) {
            if (restarts == 0)
                return;
            --restarts;
            Kick();
            std::fill(history.begin(), history.end(), current_);
            stalled = 0;
        }
        if (!MakeCandidate()) {
            // Refused candidates still count, so that every search ends.
            budget_.Spend();
            continue;
        }
        ++tried_;
        int64_t &past = history[step % historyLength];
        const int64_t total = Evaluate(std::max(current_, past));
        if (total >= 0)
            Accept(total);
        past = current_;
        if (current_ < bestTotal_) {
            bestTotal_ = current_;
            best_ = plan_;
            budget_.OfferTotal(bestTotal_);
            stalled = 0;
        }
    }
}

} // namespace korvelin::goal
