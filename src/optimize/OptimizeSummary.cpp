#include "optimize/OptimizeSummary.h"

#include "rules/ItemCatalogue.h"
#include "util/Extended.h"

namespace korvelin {

std::string ShorterPercentText(int64_t before, int64_t after)
{
    if (before == 0 || before == after)
        return "0.0";
    // In tenths of a percent, rounded in the game's own arithmetic so that
    // every processor prints the same text.
    const Extended share = static_cast<Extended>(before - after) * Extended{1000} / static_cast<Extended>(before);
    const int64_t tenths = RoundToInt64(share);
    const uint64_t magnitude = tenths < 0 ? 0 - static_cast<uint64_t>(tenths) : static_cast<uint64_t>(tenths);
    std::string text = tenths < 0 ? "-" : "";
    text += std::to_string(magnitude / 10);
    text += '.';
    text += std::to_string(magnitude % 10);
    return text;
}

std::string MissingLevelsText(const QueueEntry &entry, const MissingLevels &missing)
{
    std::string text = ItemLabel(entry.bid) + " " + std::to_string(entry.level);
    if (missing.levels.size() == 1 && missing.levels[0].level < 0)
        return text + " costs more than any " + ItemLabel(missing.levels[0].bid) +
               " holds: only a start stock that covers it lets it be built";
    text += " needs ";
    for (size_t i = 0; i < missing.levels.size(); ++i) {
        if (i > 0)
            text += ", ";
        text += ItemLabel(missing.levels[i].bid) + " " + std::to_string(missing.levels[i].level);
    }
    return text + (missing.levels.size() == 1 ? ": add it, or raise the planet's start level"
                                              : ": add them, or raise the planet's start levels");
}

std::string NoOrderReason(const OptimizeResult &result, std::span<const QueueEntry> entries)
{
    const int32_t blocked = result.blockedEntry;
    if (blocked < 0 || static_cast<size_t>(blocked) >= entries.size())
        return "the search ran out of time before it found one";
    const QueueEntry &entry = entries[static_cast<size_t>(blocked)];
    if (!result.missing.levels.empty())
        return MissingLevelsText(entry, result.missing);
    const std::string name = "entry " + std::to_string(int64_t{blocked} + 1) + " (" + ItemLabel(entry.bid) + " level " +
                             std::to_string(entry.level) + ")";
    return name + (result.blockedProven ? " can never get deuterium" : " got deuterium in no order the search found");
}

} // namespace korvelin
