#pragma once
// The changes the improvement search makes to a plan, in place and undone
// when refused, so that a long plan is never copied for a candidate: a run
// of elements moved, up to three elements inserted, some erased, one replaced.

#include "search/SearchBudget.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace korvelin::search {

using Sequence = std::vector<int32_t>;

struct RunMove {
    int32_t from = 0;   // first position of the run
    int32_t length = 1; // elements in the run
    int32_t to = 0;     // first position of the run afterwards
    int32_t First() const { return std::min(from, to); }
    int32_t Last() const { return std::max(from, to) + length - 1; }
};

struct PlanChange {
    enum class Kind { Move, Insert, Erase, Replace };
    struct Insertion {
        int32_t position = 0; // in the plan as the earlier insertions left it
        int32_t element = 0;
    };

    Kind kind = Kind::Move;
    RunMove move;
    std::array<Insertion, 3> insertions{};
    int32_t insertionCount = 0;
    std::vector<int32_t> erased; // positions of an erasure, rising; Apply keeps their elements
    int32_t position = 0;        // of a replacement
    int32_t element = 0;         // a replacement's element; Apply swaps in the one it replaced
    // The first position the change touches.
    int32_t first = 0;

    // The last position a move touches: after it the candidate holds the same
    // elements as the plan, so its timeline may meet the plan's again. −1 for
    // the other kinds.
    int32_t Last() const { return kind == Kind::Move ? move.Last() : -1; }

    void Apply(Sequence &plan);
    void Undo(Sequence &plan);

  private:
    std::vector<int32_t> erasedElements_;
};

inline constexpr int32_t kNearWindow = 12;
inline constexpr int32_t kLongestRun = 6;

// Picks a run of a plan of `n` elements and where it goes, mostly nearby:
// the timelines of close plans rejoin soon. `blocks(move, x)` tells whether
// the run may not pass the element at position x. False when the run has
// nowhere to go.
template <class Blocks> bool PickRunMove(int32_t n, SearchRandom &random, const Blocks &blocks, PlanChange &change)
{
    if (n < 2)
        return false;
    RunMove &move = change.move;
    change.kind = PlanChange::Kind::Move;
    move.from = static_cast<int32_t>(random.Below(static_cast<uint32_t>(n)));
    const int32_t longest = std::min(kLongestRun, n - move.from);
    move.length = (longest <= 1 || random.Below(2) == 0)
                      ? 1
                      : 2 + static_cast<int32_t>(random.Below(static_cast<uint32_t>(longest - 1)));
    const int32_t window = random.Below(4) == 0 ? n : kNearWindow;
    int32_t lowest = move.from;
    while (lowest > 0 && move.from - lowest < window && !blocks(move, lowest - 1))
        --lowest;
    int32_t highest = move.from;
    while (highest + move.length < n && highest - move.from < window && !blocks(move, highest + move.length))
        ++highest;
    if (lowest == highest)
        return false;
    move.to = lowest + static_cast<int32_t>(random.Below(static_cast<uint32_t>(highest - lowest)));
    if (move.to >= move.from)
        ++move.to;
    change.first = move.First();
    return true;
}

} // namespace korvelin::search
