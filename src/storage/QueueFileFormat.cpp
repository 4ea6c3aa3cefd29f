#include "storage/QueueFile.h"

#include "plan/LevelList.h"
#include "util/ParseInt.h"

#include <algorithm>
#include <charconv>

namespace korvelin {
namespace {

void AppendNumber(std::string &out, int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

constexpr std::string_view kLineEnd = "\r\n";

} // namespace

std::string QueueFileHeader(std::string_view versionTag)
{
    std::string header = "[Korvelin_";
    header += versionTag;
    header += "_BuildQueueList]";
    return header;
}

namespace {

void AppendPlanetLines(std::string &out, const Planet &planet)
{
    if (const std::string levels = FormatLevelList(planet.startLevels); !levels.empty()) {
        out += "Levels=";
        out += levels;
        out += kLineEnd;
    }
    if (planet.startStock != kDefaultStartStock) {
        out += "Stock=";
        for (size_t kind = 0; kind < 3; ++kind) {
            if (kind > 0)
                out += ':';
            AppendNumber(out, planet.startStock[kind]);
        }
        out += kLineEnd;
    }
    if (planet.inputs.satellites != 0) {
        out += "Satellites=";
        AppendNumber(out, planet.inputs.satellites);
        out += kLineEnd;
    }
    if (planet.inputs.economySpeed != 1) {
        out += "Speed=";
        AppendNumber(out, planet.inputs.economySpeed);
        out += kLineEnd;
    }
    if (planet.inputs.rules != GameRules::Classic) {
        out += "Rules=";
        out += RulesName(planet.inputs.rules);
        out += kLineEnd;
    }
}

} // namespace

std::string FormatQueueFile(std::span<const QueueEntry> entries, std::string_view maxTemperatureText,
                            std::string_view versionTag)
{
    return FormatQueueFile(entries, maxTemperatureText, Planet{}, versionTag);
}

std::string FormatQueueFile(std::span<const QueueEntry> entries, std::string_view maxTemperatureText,
                            const Planet &planet, std::string_view versionTag)
{
    std::string out = QueueFileHeader(versionTag);
    out += kLineEnd;
    out += "Temperature=";
    AppendNumber(out, ParseInt(maxTemperatureText));
    out += kLineEnd;
    AppendPlanetLines(out, planet);
    out += "##BUILD##";
    out += kLineEnd;
    out.reserve(out.size() + entries.size() * 16);
    // The rank is the line's own countdown, not the entry's order stamp; past
    // 999 entries it goes on below zero.
    int64_t rank = 999;
    for (const QueueEntry &entry : entries) {
        AppendNumber(out, entry.bid);
        out += ':';
        AppendNumber(out, entry.level);
        out += ':';
        AppendNumber(out, rank--);
        out += kLineEnd;
    }
    return out;
}

std::vector<std::string> LoadMessages(const QueueFileContents &contents, std::string_view versionTag)
{
    std::vector<std::string> messages;
    if (!contents.headerAccepted) {
        messages.push_back("Config file is corrupted or not version " + std::string(versionTag));
        return messages;
    }
    if (contents.outOfRange) {
        messages.push_back(*contents.outOfRange);
        return messages;
    }
    // At most kMaxUnknownBidMessages boxes: all of them exact when they fit,
    // else all but one exact and the last one counting the rest (always two
    // or more, so the count never stands for a single line).
    const uint64_t total = contents.unknownBidLines;
    const size_t exact = total <= kMaxUnknownBidMessages ? static_cast<size_t>(total) : kMaxUnknownBidMessages - 1;
    for (size_t i = 0; i < exact && i < contents.firstUnknownBids.size(); ++i)
        messages.push_back("Unknown BID: " + std::to_string(contents.firstUnknownBids[i]));
    if (total > exact)
        messages.push_back("Skipped " + std::to_string(total - exact) + " more lines with an unknown BID");
    return messages;
}

void ApplyLoadedQueue(BuildQueue &queue, std::span<const LoadedEntry> entries)
{
    queue.Clear();
    for (const LoadedEntry &entry : entries)
        queue.AppendEntry(entry.bid, entry.level);
}

Planet LoadedPlanet(const QueueFileContents &contents)
{
    Planet planet;
    if (contents.startLevels)
        planet.startLevels = *contents.startLevels;
    if (contents.startStock)
        planet.startStock = *contents.startStock;
    if (contents.economySpeed)
        planet.inputs.economySpeed = *contents.economySpeed;
    if (contents.rules)
        planet.inputs.rules = *contents.rules;
    return planet;
}

} // namespace korvelin
