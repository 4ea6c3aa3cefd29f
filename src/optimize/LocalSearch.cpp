#include "optimize/LocalSearch.h"

#include <algorithm>
#include <limits>

namespace korvelin::optimize {

namespace {

// Most moves stay near their run: the timelines of close orders rejoin soon.
constexpr int32_t kNearWindow = 12;
constexpr int32_t kLongestRun = 6;
// Totals from which shifting a rejoined timeline could overflow.
constexpr int64_t kShiftableTotal = std::numeric_limits<int64_t>::max() / 4;

} // namespace

LocalSearch::LocalSearch(const OrderProblem &problem, SearchBudget &budget, uint64_t seed, Order start)
    : problem_(problem), budget_(budget), random_(seed), n_(problem.Count()), order_(std::move(start))
{
    slots_.resize(static_cast<size_t>(n_) + 1);
    scratch_.resize(static_cast<size_t>(n_) + 1);
    remaining_.resize(static_cast<size_t>(n_) + 1);
    Rebuild();
    best_ = order_;
    bestTotal_ = current_;
}

void LocalSearch::Rebuild()
{
    slots_[0] = problem_.StartSlot();
    for (int32_t x = 0; x < n_; ++x) {
        Slot slot = slots_[static_cast<size_t>(x)];
        problem_.PlayEntry(order_[static_cast<size_t>(x)], slot);
        slots_[static_cast<size_t>(x) + 1] = slot;
    }
    remaining_[static_cast<size_t>(n_)] = {};
    for (int32_t x = n_ - 1; x >= 0; --x) {
        remaining_[static_cast<size_t>(x)] = remaining_[static_cast<size_t>(x) + 1];
        remaining_[static_cast<size_t>(x)].Add(problem_, order_[static_cast<size_t>(x)]);
    }
    current_ = slots_[static_cast<size_t>(n_)].state.total;
}

bool LocalSearch::PickMove(Move &move)
{
    move.from = static_cast<int32_t>(random_.Below(static_cast<uint32_t>(n_)));
    const int32_t longest = std::min(kLongestRun, n_ - move.from);
    move.length = (longest <= 1 || random_.Below(2) == 0)
                      ? 1
                      : 2 + static_cast<int32_t>(random_.Below(static_cast<uint32_t>(longest - 1)));
    const int32_t window = random_.Below(4) == 0 ? n_ : kNearWindow;
    const auto inRun = [&](int32_t position) {
        const int32_t item = problem_.ItemOf(order_[static_cast<size_t>(position)]);
        for (int32_t r = move.from; r < move.from + move.length; ++r) {
            if (problem_.ItemOf(order_[static_cast<size_t>(r)]) == item)
                return true;
        }
        return false;
    };
    // The run may not pass an entry of any of its items.
    int32_t lowest = move.from;
    while (lowest > 0 && move.from - lowest < window && !inRun(lowest - 1))
        --lowest;
    int32_t highest = move.from;
    while (highest + move.length < n_ && highest - move.from < window && !inRun(highest + move.length))
        ++highest;
    if (lowest == highest)
        return false;
    move.to = lowest + static_cast<int32_t>(random_.Below(static_cast<uint32_t>(highest - lowest)));
    if (move.to >= move.from)
        ++move.to;
    return true;
}

void LocalSearch::Apply(const Move &move)
{
    const auto at = [&](int32_t position) { return order_.begin() + position; };
    if (move.to < move.from)
        std::rotate(at(move.to), at(move.from), at(move.from + move.length));
    else
        std::rotate(at(move.from), at(move.from + move.length), at(move.to + move.length));
}

void LocalSearch::Undo(const Move &move)
{
    const auto at = [&](int32_t position) { return order_.begin() + position; };
    if (move.to < move.from)
        std::rotate(at(move.to), at(move.to + move.length), at(move.from + move.length));
    else
        std::rotate(at(move.from), at(move.to), at(move.to + move.length));
}

int64_t LocalSearch::Evaluate(const Move &move, int64_t threshold)
{
    const int32_t first = move.First();
    const int32_t last = move.Last();
    Slot slot = slots_[static_cast<size_t>(first)];
    OrderProblem::Remaining remaining = remaining_[static_cast<size_t>(first)];
    const int64_t currentEnd = slots_[static_cast<size_t>(n_)].state.total;
    rejoinedAt_ = -1;
    for (int32_t x = first; x < n_; ++x) {
        const int32_t e = order_[static_cast<size_t>(x)];
        if (!budget_.Spend() || !problem_.PlayEntry(e, slot))
            return -1;
        remaining.Take(problem_, e);
        scratch_[static_cast<size_t>(x) + 1] = slot;
        scratchEnd_ = x + 1;
        const Slot &old = slots_[static_cast<size_t>(x) + 1];
        if (x >= last && slot.state.stock == old.state.stock && currentEnd < kShiftableTotal) {
            rejoinedAt_ = x + 1;
            const int64_t total = currentEnd + (slot.state.total - old.state.total);
            return total <= threshold ? total : -1;
        }
        if (slot.state.total > threshold ||
            problem_.RemainingExceeds(remaining, slot.state.stock, threshold - slot.state.total))
            return -1;
    }
    return slot.state.total;
}

void LocalSearch::Accept(const Move &move, int64_t total)
{
    const int32_t first = move.First();
    const int32_t last = move.Last();
    for (int32_t x = first + 1; x <= scratchEnd_; ++x)
        slots_[static_cast<size_t>(x)] = scratch_[static_cast<size_t>(x)];
    if (rejoinedAt_ != -1) {
        const int64_t shift = total - current_;
        for (int32_t x = rejoinedAt_ + 1; x <= n_; ++x)
            slots_[static_cast<size_t>(x)].state.total += shift;
    }
    for (int32_t x = last; x >= first; --x) {
        remaining_[static_cast<size_t>(x)] = remaining_[static_cast<size_t>(x) + 1];
        remaining_[static_cast<size_t>(x)].Add(problem_, order_[static_cast<size_t>(x)]);
    }
    current_ = total;
}

void LocalSearch::Run(uint64_t stallLimit)
{
    if (n_ < 2 || problem_.ItemCount() < 2)
        return;
    // Late acceptance: a candidate may be worse than the current order as
    // long as it is no worse than the order of some steps ago.
    const size_t historyLength = static_cast<size_t>(std::clamp(n_ / 6, 4, 50));
    std::vector<int64_t> history(historyLength, current_);
    uint64_t stalled = 0;
    for (uint64_t step = 0; !budget_.Stopped() && stalled < stallLimit; ++step) {
        ++stalled;
        Move move;
        if (!PickMove(move))
            continue;
        int64_t &past = history[step % historyLength];
        Apply(move);
        ++tried_;
        const int64_t total = Evaluate(move, std::max(current_, past));
        if (total >= 0)
            Accept(move, total);
        else
            Undo(move);
        past = current_;
        if (current_ < bestTotal_) {
            bestTotal_ = current_;
            best_ = order_;
            budget_.OfferTotal(bestTotal_);
            stalled = 0;
        }
    }
}

} // namespace korvelin::optimize
