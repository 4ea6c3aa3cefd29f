#include "rules/Requirements.h"

#include "rules/ItemCatalogue.h"

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

} // namespace korvelin
