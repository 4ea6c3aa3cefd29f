#include "rules/Requirements.h"

#include "rules/ItemCatalogue.h"
#include "rules/Production.h"

#include <algorithm>
#include <array>

namespace korvelin {

namespace {

struct TreeRow {
    int32_t bid;
    std::array<Requirement, 4> needs; // filled from the front; bid 0 ends the list
};

constexpr int32_t kComputer = 108;
constexpr int32_t kShielding = 110;
constexpr int32_t kEnergy = 113;
constexpr int32_t kHyperspace = 114;
constexpr int32_t kLaser = 120;
constexpr int32_t kIon = 121;

constexpr std::array<TreeRow, 21> kTree{{
    {bid::kFusionReactor, {{{bid::kDeuteriumSynthesizer, 5}, {kEnergy, 3}}}},
    {bid::kNaniteFactory, {{{bid::kRoboticsFactory, 10}, {kComputer, 10}}}},
    {21, {{{bid::kRoboticsFactory, 2}}}},
    {42, {{{41, 1}}}},
    {43, {{{41, 1}, {kHyperspace, 7}}}},
    {44, {{{21, 1}}}},
    {bid::kEspionage, {{{bid::kResearchLab, 3}}}},
    {kComputer, {{{bid::kResearchLab, 1}}}},
    {109, {{{bid::kResearchLab, 4}}}},
    {kShielding, {{{bid::kResearchLab, 6}, {kEnergy, 3}}}},
    {111, {{{bid::kResearchLab, 2}}}},
    {kEnergy, {{{bid::kResearchLab, 1}}}},
    {kHyperspace, {{{bid::kResearchLab, 7}, {kShielding, 5}, {kEnergy, 5}}}},
    {115, {{{bid::kResearchLab, 1}, {kEnergy, 1}}}},
    {117, {{{bid::kResearchLab, 2}, {kEnergy, 1}}}},
    {118, {{{bid::kResearchLab, 7}, {kHyperspace, 3}}}},
    {kLaser, {{{bid::kResearchLab, 1}, {kEnergy, 2}}}},
    {kIon, {{{bid::kResearchLab, 4}, {kEnergy, 4}, {kLaser, 5}}}},
    {122, {{{bid::kResearchLab, 4}, {kEnergy, 8}, {kLaser, 10}, {kIon, 5}}}},
    {123, {{{bid::kResearchLab, 10}, {kComputer, 8}, {kHyperspace, 8}}}},
    {199, {{{bid::kResearchLab, 12}}}},
}};

} // namespace

std::span<const Requirement> RequirementsOf(int32_t bid)
{
    for (const TreeRow &row : kTree) {
        if (row.bid == bid) {
            size_t count = 0;
            while (count < row.needs.size() && row.needs[count].bid != 0)
                ++count;
            return std::span(row.needs).first(count);
        }
    }
    return {};
}

int32_t ReachedLevels::Of(int32_t bid) const
{
    const int32_t index = ItemIndexOf(bid);
    return index > 0 ? levels[static_cast<size_t>(index - 1)] : 0;
}

void ReachedLevels::Reach(int32_t bid, int32_t level)
{
    const int32_t index = ItemIndexOf(bid);
    if (index > 0) {
        int32_t &reached = levels[static_cast<size_t>(index - 1)];
        reached = std::max(reached, level);
    }
}

bool RequirementsMet(int32_t bid, const ReachedLevels &reached)
{
    for (const Requirement &need : RequirementsOf(bid)) {
        if (reached.Of(need.bid) < need.level)
            return false;
    }
    return true;
}

std::vector<Requirement> MissingRequirements(int32_t bid, const ReachedLevels &reached)
{
    std::vector<Requirement> missing;
    for (const Requirement &need : RequirementsOf(bid)) {
        if (reached.Of(need.bid) < need.level)
            missing.push_back(need);
    }
    return missing;
}

int32_t StoreResourceOf(int32_t bid)
{
    const auto store = std::find(kStoreItems.begin(), kStoreItems.end(), bid);
    return store != kStoreItems.end() ? static_cast<int32_t>(store - kStoreItems.begin()) : -1;
}

int32_t StoreShortfall(const std::array<int64_t, 3> &costs, const std::array<int64_t, 3> &stockBefore,
                       const ReachedLevels &reached)
{
    for (size_t r = 0; r < 3; ++r) {
        if (costs[r] > stockBefore[r] && costs[r] > StorageCapacity(kStoreItems[r], reached.Of(kStoreItems[r])))
            return static_cast<int32_t>(r);
    }
    return -1;
}

int32_t StoreLevelHolding(int64_t price)
{
    for (int32_t level = 0; level < 100; ++level) {
        if (StorageCapacity(bid::kMetalStorage, level) >= price)
            return level;
    }
    return -1;
}

} // namespace korvelin
