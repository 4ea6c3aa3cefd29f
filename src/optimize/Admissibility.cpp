#include "optimize/Admissibility.h"

#include <algorithm>

namespace korvelin::optimize {

// Only the deuterium production at an entry's position decides whether it may
// stand there, and that production reads the levels of the mines, the
// synthesizer and the two power plants. Mines cost no deuterium and only take
// energy: at fewer mine levels the production factor is never lower (no energy
// produced, or less produced than used, both give the full factor), so an
// order that builds every mine last is admissible whenever any order is. The
// other items neither cost energy nor make any, so they can all stand at one
// position where deuterium flows. What remains is a path through the levels
// (synthesizer, solar plant, fusion reactor), one level at a time, on which
// each fusion reactor level that costs deuterium starts from a position with
// deuterium production, and which passes such a position at all when any
// other entry costs deuterium. The search below walks every such path.

namespace {

// Larger lattices are not examined (about a second of economy evaluations).
constexpr uint64_t kMaxLatticePoints = uint64_t{1} << 20;

enum Move : uint8_t { kStart = 0, kSynthesizer = 1, kSolar = 2, kFusion = 3, kUnreached = 0xFF };

struct Lattice {
    int32_t synthesizers = 0;
    int32_t solars = 0;
    int32_t fusions = 0;

    size_t Index(int32_t f, int32_t d, int32_t s) const
    {
        return (static_cast<size_t>(f) * static_cast<size_t>(synthesizers + 1) + static_cast<size_t>(d)) *
                   static_cast<size_t>(solars + 1) +
               static_cast<size_t>(s);
    }
};

bool IsEnergyItem(int32_t bid)
{
    return bid == bid::kDeuteriumSynthesizer || bid == bid::kSolarPlant || bid == bid::kFusionReactor;
}

bool IsMine(int32_t bid)
{
    return bid == bid::kMetalMine || bid == bid::kCrystalMine;
}

int32_t AddLevel(int32_t start, int32_t queued)
{
    return static_cast<int32_t>(std::min<int64_t>(int64_t{start} + queued, INT32_MAX));
}

} // namespace

AdmissibilityCheck CheckAdmissibility(const OrderProblem &problem)
{
    AdmissibilityCheck check;
    const int32_t n = problem.Count();
    if (!problem.AnyDeuteriumCost()) {
        for (int32_t e = 0; e < n; ++e)
            check.order.push_back(e);
        return check;
    }

    std::vector<int32_t> synthesizers, solars, fusions, mines, others;
    int32_t firstOtherNeedingDeuterium = -1;
    for (int32_t e = 0; e < n; ++e) {
        const int32_t b = problem.Entry(e).bid;
        if (b == bid::kDeuteriumSynthesizer)
            synthesizers.push_back(e);
        else if (b == bid::kSolarPlant)
            solars.push_back(e);
        else if (b == bid::kFusionReactor)
            fusions.push_back(e);
        else if (IsMine(b))
            mines.push_back(e);
        else
            others.push_back(e);
        if (!IsEnergyItem(b) && problem.CostsDeuterium(e) && firstOtherNeedingDeuterium == -1)
            firstOtherNeedingDeuterium = e;
    }
    if (problem.HighestDeuteriumRate() <= 0) {
        // No position of any order produces deuterium (the planet is too hot).
        check.possible = false;
        for (int32_t e = 0; e < n && check.blockedEntry == -1; ++e) {
            if (problem.CostsDeuterium(e))
                check.blockedEntry = e;
        }
        return check;
    }
    const Lattice lattice{static_cast<int32_t>(synthesizers.size()), static_cast<int32_t>(solars.size()),
                          static_cast<int32_t>(fusions.size())};
    const uint64_t points =
        (uint64_t{synthesizers.size()} + 1) * (uint64_t{solars.size()} + 1) * (uint64_t{fusions.size()} + 1);
    if (points > kMaxLatticePoints) {
        check.decided = false;
        return check;
    }

    const PlanetInputs &planet = problem.Inputs();
    // The lattice counts queued levels; the economy at each point stands on
    // the start levels, mines included, since every order has them.
    const PositionLevels &start = problem.StartSlot().levels;
    std::vector<uint8_t> good(points);
    // Per point and per "has passed a position with deuterium": the move that
    // reached it first, with the flag before that move in bit 2.
    std::vector<uint8_t> from(points * 2, kUnreached);
    const auto reached = [&](size_t point, int flag) {
        return from[point * 2 + static_cast<size_t>(flag)] != kUnreached;
    };
    int32_t firstEmptyLayer = -1;
    for (int32_t f = 0; f <= lattice.fusions; ++f) {
        bool layerReached = false;
        for (int32_t d = 0; d <= lattice.synthesizers; ++d) {
            for (int32_t s = 0; s <= lattice.solars; ++s) {
                const size_t point = lattice.Index(f, d, s);
                PositionLevels levels = start;
                levels.deuteriumSynthesizer = AddLevel(start.deuteriumSynthesizer, d);
                levels.solarPlant = AddLevel(start.solarPlant, s);
                levels.fusionReactor = AddLevel(start.fusionReactor, f);
                const Economy economy = levels.EconomyWith(planet);
                good[point] = EvaluateEconomy(economy).deuteriumPerHour > 0;
                const auto arrive = [&](size_t previous, Move move, bool allowed) {
                    for (int flag = 0; flag < 2; ++flag) {
                        if (!allowed || !reached(previous, flag))
                            continue;
                        const int now = flag | good[point];
                        uint8_t &slot = from[point * 2 + static_cast<size_t>(now)];
                        if (slot == kUnreached)
                            slot = static_cast<uint8_t>(move | (flag << 2));
                    }
                };
                if (f == 0 && d == 0 && s == 0)
                    from[point * 2 + good[point]] = kStart;
                if (d > 0)
                    arrive(lattice.Index(f, d - 1, s), kSynthesizer, true);
                if (s > 0)
                    arrive(lattice.Index(f, d, s - 1), kSolar, true);
                if (f > 0) {
                    const size_t previous = lattice.Index(f - 1, d, s);
                    const bool needs = problem.CostsDeuterium(fusions[static_cast<size_t>(f) - 1]);
                    arrive(previous, kFusion, !needs || good[previous]);
                }
                layerReached = layerReached || reached(point, 0) || reached(point, 1);
            }
        }
        if (!layerReached && firstEmptyLayer == -1)
            firstEmptyLayer = f;
    }

    const size_t target = lattice.Index(lattice.fusions, lattice.synthesizers, lattice.solars);
    const bool needFlag = firstOtherNeedingDeuterium != -1;
    int flag = reached(target, 1) ? 1 : 0;
    if (!reached(target, flag) || (needFlag && flag == 0)) {
        check.possible = false;
        check.blockedEntry =
            firstEmptyLayer > 0 ? fusions[static_cast<size_t>(firstEmptyLayer) - 1] : firstOtherNeedingDeuterium;
        return check;
    }

    // Back from the target: the moves in reverse, and where the path first
    // stands at a position with deuterium.
    std::vector<Move> moves;
    int32_t f = lattice.fusions, d = lattice.synthesizers, s = lattice.solars;
    size_t flowsAfter = 0; // moves made before the first such position
    for (;;) {
        const uint8_t code = from[lattice.Index(f, d, s) * 2 + static_cast<size_t>(flag)];
        const Move move = static_cast<Move>(code & 3);
        const int before = code >> 2;
        if (flag == 1 && (before == 0 || move == kStart))
            flowsAfter = moves.size();
        if (move == kStart)
            break;
        moves.push_back(move);
        flag = before;
        d -= move == kSynthesizer;
        s -= move == kSolar;
        f -= move == kFusion;
    }
    std::reverse(moves.begin(), moves.end());
    flowsAfter = needFlag ? moves.size() - flowsAfter : 0;

    std::array<size_t, 4> next{};
    const std::array<const std::vector<int32_t> *, 4> lists{nullptr, &synthesizers, &solars, &fusions};
    for (size_t m = 0; m <= moves.size(); ++m) {
        if (m == flowsAfter)
            check.order.insert(check.order.end(), others.begin(), others.end());
        if (m < moves.size())
            check.order.push_back((*lists[moves[m]])[next[moves[m]]++]);
    }
    check.order.insert(check.order.end(), mines.begin(), mines.end());
    // The reasoning above is about the rules; the engine has the last word.
    if (problem.TotalOf(check.order) < 0) {
        check.decided = false;
        check.order.clear();
    }
    return check;
}

} // namespace korvelin::optimize
