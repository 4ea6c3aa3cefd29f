#include "ToolStart.h"

#include "ToolFiles.h"

#include "util/Extended.h"
#include "util/ParseInt.h"
#include "util/Version.h"

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
        {"--temperature", [&](const std::string &value, std::string &) { basics.temperature = value; }},
        {"--satellites", [&](const std::string &value, std::string &) { basics.satellites = value; }},
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
        out << tool.usage;
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
    if (!contents.headerAccepted) {
        for (const std::string &message : LoadMessages(contents, versionTag))
            err << tool.program << ": " << basics.inputPath << ": " << message << '\n';
        return 1;
    }
    for (const std::string &message : LoadMessages(contents, versionTag))
        err << message << '\n';
    ApplyLoadedQueue(plan.queue, contents.entries);
    plan.temperatureText = basics.temperature.value_or(contents.temperature.value_or("0"));
    plan.planet = {ParseInt(plan.temperatureText), ParseInt(basics.satellites)};
    plan.versionTag = versionTag;
    return std::nullopt;
}

} // namespace korvelin::tools
