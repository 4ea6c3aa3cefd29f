#pragma once
// What every command-line tool does before its own work: the arguments all
// tools share, the usage error, --help and --version, the check of the
// extended arithmetic, and reading the queue file with the window's reader.

#include "advice/TradeRatio.h"
#include "queue/BuildQueue.h"
#include "queue/Timeline.h"
#include "storage/QueueFile.h"

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvelin::tools {

struct ToolBasics {
    std::string inputPath;
    bool help = false;
    bool version = false;
    std::optional<std::string> temperature; // overrides the file's Temperature text
    std::optional<std::string> satellites;  // overrides the file's Satellites value
    // Each overrides its part of the file's planet.
    std::optional<std::array<int32_t, kItemCount>> levels;
    std::optional<std::array<int64_t, 3>> stock;
    std::optional<int32_t> speed;
    std::optional<GameRules> rules;
};

// The help lines of the planet options every tool takes, for the tools' usage
// texts: a literal, so that each usage stays one string help2man reads.
// clang-format off
#define KORVELIN_PLANET_OPTIONS_USAGE \
    "  --temperature N     maximum temperature, -1000 to 1000 (default: the file's\n" \
    "                      Temperature value)\n" \
    "  --satellites N      number of solar satellites, 0 to 1000000000 (default: the\n" \
    "                      file's Satellites value, else 0)\n" \
    "  --levels ITEM:LEVEL,...  start levels of the planet, every other item at 0\n" \
    "                      (default: the file's Levels value); ITEM is a BID or an\n" \
    "                      English name from the list below, LEVEL from 0 to the\n" \
    "                      item's highest level with sound figures\n" \
    "  --stock M:K:D       start stock of metal, crystal and deuterium, each 0 to\n" \
    "                      1000000000000000 (default: the file's Stock value, else\n" \
    "                      500:500:0)\n" \
    "  --speed N           economy speed of the server, 1 to 100 (default: the file's\n" \
    "                      Speed value, else 1)\n" \
    "  --rules classic|game  the rules the figures follow: game times research by\n" \
    "                      the research lab, stops mines without energy and stops\n" \
    "                      production at full stores (default: the file's Rules\n" \
    "                      value, else classic)\n"
// clang-format on

// Takes every `flag` (an option without a value) before "--" out of
// `arguments`: the rest, with `set` true when there was one.
std::vector<std::string_view> TakeFlag(std::span<const std::string_view> arguments, std::string_view flag, bool &set);

// One of a tool's own options, which all take a value: "--name value" or
// "--name=value" (so that a temperature of "-12" reads as a value). `take`
// stores it, or describes a bad one in `error`.
struct ValueOption {
    std::string_view name;
    std::function<void(const std::string &value, std::string &error)> take;
};

// --ratio A:B:C, which the payback ranking and the growth plan share.
ValueOption RatioOption(std::optional<advice::TradeRatio> &ratio);

// Reads "--", --help, --version, --temperature, --satellites, --levels,
// --stock, --speed, --rules, the tool's own options and the one queue file; any other
// argument starting with "-" is unknown. Returns the usage error, empty when
// there is none.
std::string ParseToolArguments(std::span<const std::string_view> arguments, std::span<const ValueOption> options,
                               ToolBasics &basics);

struct ToolIdentity {
    const char *program;
    const char *usage;
};

// The plan a tool works on, as "Open" loads it.
struct ToolPlan {
    BuildQueue queue;
    std::string temperatureText; // the file's, unless --temperature gives one
    // The file's planet with the options' overrides; its temperature and
    // satellites read from the texts as the window reads its edits. The
    // queue's start levels are the planet's.
    Planet planet;
    std::string versionTag;
};

// Prints the usage error, the help or the version, or reads the queue file
// (its messages to `err`, as the window shows them) into `plan`. Returns the
// exit status when the tool is done with that; nothing when it goes on with
// `plan`.
std::optional<int> StartTool(const ToolIdentity &tool, const std::string &usageError, const ToolBasics &basics,
                             std::ostream &out, std::ostream &err, ToolPlan &plan);

} // namespace korvelin::tools
