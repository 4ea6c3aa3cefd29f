#include "ToolStart.h"

#include "ToolFiles.h"

#include "plan/InputRanges.h"
#include "plan/LevelList.h"
#include "util/Extended.h"
#include "util/ParseInt.h"
#include "util/Version.h"

#include <algorithm>
#include <vector>

namespace korvelin::tools {

namespace {

bool IsOption(std::string_view argument, std::string_view name)
{
    return argument == name ||
           (argument.size() > name.size() && argument.substr(0, name.size()) == name && argument[name.size()] == '=');
}

// The value of the option `name` at arguments[i]: after "=", or the next
// argument (then i moves past it).
bool TakeValue(std::span<const std::string_view> arguments, size_t &i, std::string_view name, std::string &value,
               std::string &error)
{
    const std::string_view argument = arguments[i];
    if (argument.size() > name.size()) {
        value = std::string(argument.substr(name.size() + 1));
        return true;
    }
    if (i + 1 >= arguments.size()) {
        error = std::string(name) + " needs a value";
        return false;
    }
    value = std::string(arguments[++i]);
    return true;
}

std::vector<std::string_view> SplitFields(std::string_view text, char separator)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const size_t at = text.find(separator);
        fields.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return fields;
        text.remove_prefix(at + 1);
    }
}

void TakeLevels(const std::string &value, std::string &error, ToolBasics &basics)
{
    const TypedLevels read = ReadTypedLevels(value, ':', "--levels");
    if (!read.error.empty()) {
        error = read.error;
        return;
    }
    std::array<int32_t, kItemCount> levels{};
    for (const ItemLevel &item : read.levels)
        levels[static_cast<size_t>(ItemIndexOf(item.bid)) - 1] = item.level;
    basics.levels = levels;
}

void TakeStock(const std::string &value, std::string &error, ToolBasics &basics)
{
    const std::vector<std::string_view> parts = SplitFields(value, ':');
    if (parts.size() != 3) {
        error = "--stock: '" + value + "' is not METAL:CRYSTAL:DEUTERIUM";
        return;
    }
    std::array<int64_t, 3> stock{};
    for (size_t kind = 0; kind < parts.size(); ++kind) {
        const std::optional<int64_t> amount = ParseWholeNumber(parts[kind]);
        if (!amount || !kStockRange.Holds(*amount)) {
            // Appended, not added to a literal: GCC 12 at -O3 warns falsely
            // (-Wrestrict) on a literal plus a temporary string.
            std::string given = "'";
            given.append(parts[kind]).append("'");
            error = "--stock: ";
            error.append(OutOfRangeMessage(StockField(kind), kStockRange, given));
            return;
        }
        stock[kind] = *amount;
    }
    basics.stock = stock;
}

// A whole number inside `range`, for --speed, --satellites and --temperature.
std::optional<int64_t> TakeNumber(std::string_view option, std::string_view field, const InputRange &range,
                                  const std::string &value, std::string &error)
{
    const std::optional<int64_t> number = ParseWholeNumber(value);
    if (!number || !range.Holds(*number)) {
        error = std::string(option) + ": " + OutOfRangeMessage(field, range, "'" + value + "'");
        return std::nullopt;
    }
    return number;
}

const ValueOption *FindOption(std::span<const ValueOption> options, std::string_view argument)
{
    for (const ValueOption &option : options) {
        if (IsOption(argument, option.name))
            return &option;
    }
    return nullptr;
}

} // namespace

std::string ParseToolArguments(std::span<const std::string_view> arguments, std::span<const ValueOption> toolOptions,
                               ToolBasics &basics)
{
    std::vector<ValueOption> options{
        {"--temperature",
         [&](const std::string &value, std::string &error) {
             if (TakeNumber("--temperature", kTemperatureField, kTemperatureRange, value, error))
                 basics.temperature = value;
         }},
        {"--satellites",
         [&](const std::string &value, std::string &error) {
             if (TakeNumber("--satellites", kSatellitesField, kSatellitesRange, value, error))
                 basics.satellites = value;
         }},
        {"--levels", [&](const std::string &value, std::string &error) { TakeLevels(value, error, basics); }},
        {"--stock", [&](const std::string &value, std::string &error) { TakeStock(value, error, basics); }},
        {"--speed",
         [&](const std::string &value, std::string &error) {
             if (const auto speed = TakeNumber("--speed", kSpeedField, kSpeedRange, value, error))
                 basics.speed = static_cast<int32_t>(*speed);
         }},
        {"--rules",
         [&](const std::string &value, std::string &error) {
             const CheckedRules rules = ReadRules(value);
             if (rules.error)
                 error = "--rules: " + *rules.error;
             else
                 basics.rules = rules.rules;
         }},
    };
    options.insert(options.end(), toolOptions.begin(), toolOptions.end());
    std::string error;
    bool optionsEnded = false;
    bool haveInput = false;
    for (size_t i = 0; i < arguments.size() && error.empty(); ++i) {
        const std::string_view argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument == "--help") {
            basics.help = true;
        } else if (!optionsEnded && argument == "--version") {
            basics.version = true;
        } else if (const ValueOption *option = optionsEnded ? nullptr : FindOption(options, argument)) {
            std::string value;
            if (TakeValue(arguments, i, option->name, value, error))
                option->take(value, error);
        } else if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            error = "unknown option '" + std::string(argument) + "'";
        } else if (haveInput) {
            error = "more than one queue file given";
        } else {
            basics.inputPath = std::string(argument);
            haveInput = true;
        }
    }
    if (error.empty() && !haveInput && !basics.help && !basics.version)
        error = "no queue file given";
    return error;
}

std::optional<int> StartTool(const ToolIdentity &tool, const std::string &usageError, const ToolBasics &basics,
                             std::ostream &out, std::ostream &err, ToolPlan &plan)
{
    if (!usageError.empty()) {
        err << tool.program << ": " << usageError << "\n\n" << tool.usage;
        return 2;
    }
    if (basics.help) {
        out << tool.usage << '\n' << ItemTableText();
        return 0;
    }
    if (basics.version) {
        out << tool.program << ' ' << ReadFileVersion() << '\n';
        return 0;
    }
    if (!ExtendedPrecisionWorks()) {
        err << tool.program
            << ": this machine does not compute with 64-bit extended precision; the figures would be wrong\n";
        return 1;
    }
    const std::string versionTag = VersionTag(ReadFileVersion());
    QueueFileContents contents;
    std::string error;
    if (!ReadQueueFileAt(basics.inputPath, versionTag, contents, error)) {
        err << tool.program << ": cannot read " << basics.inputPath << ": " << error << '\n';
        return 1;
    }
    if (!contents.Accepted()) {
        for (const std::string &message : LoadMessages(contents, versionTag))
            err << tool.program << ": " << basics.inputPath << ": " << message << '\n';
        return 1;
    }
    for (const std::string &message : LoadMessages(contents, versionTag))
        err << message << '\n';
    plan.planet = LoadedPlanet(contents);
    if (basics.levels)
        plan.planet.startLevels = *basics.levels;
    if (basics.stock)
        plan.planet.startStock = *basics.stock;
    if (basics.speed)
        plan.planet.inputs.economySpeed = *basics.speed;
    if (basics.rules)
        plan.planet.inputs.rules = *basics.rules;
    plan.temperatureText = basics.temperature.value_or(contents.temperature.value_or("0"));
    plan.planet.inputs.maxTemperature = ParseInt(plan.temperatureText);
    plan.planet.inputs.satellites = ParseInt(basics.satellites.value_or(contents.satellites.value_or("0")));
    plan.queue.SetStartLevels(plan.planet.startLevels);
    ApplyLoadedQueue(plan.queue, contents.entries);
    plan.versionTag = versionTag;
    return std::nullopt;
}

ValueOption RatioOption(std::optional<advice::TradeRatio> &ratio)
{
    return {"--ratio", [&ratio](const std::string &value, std::string &error) {
                const CheckedRatio checked = ReadTradeRatio(value);
                if (checked.error)
                    error = *checked.error;
                else
                    ratio = checked.ratio;
            }};
}

std::vector<std::string_view> TakeFlag(std::span<const std::string_view> arguments, std::string_view flag, bool &set)
{
    std::vector<std::string_view> rest;
    bool ended = false;
    for (const std::string_view argument : arguments) {
        if (!ended && argument == flag) {
            set = true;
            continue;
        }
        ended = ended || argument == "--";
        rest.push_back(argument);
    }
    return rest;
}

} // namespace korvelin::tools
