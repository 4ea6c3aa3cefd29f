#pragma once
// What every command-line tool does before its own work: the arguments all
// tools share, the usage error, --help and --version, the check of the
// extended arithmetic, and reading the queue file with the window's reader.

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
};

// One of a tool's own options, which all take a value: "--name value" or
// "--name=value" (so that a temperature of "-12" reads as a value). `take`
// stores it, or describes a bad one in `error`.
struct ValueOption {
    std::string_view name;
    std::function<void(const std::string &value, std::string &error)> take;
};

// Reads "--", --help, --version, --temperature, --satellites, --levels,
// --stock, --speed, the tool's own options and the one queue file; any other
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
