#include "ToolOptions.h"

namespace korvelin::tools {

bool IsOption(std::string_view argument, std::string_view name)
{
    return argument == name ||
           (argument.size() > name.size() && argument.substr(0, name.size()) == name && argument[name.size()] == '=');
}

bool TakeValue(std::span<const std::string_view> arguments, size_t &i, std::string_view name, std::string &value,
               std::string &error)
{
    const std::string_view argument = arguments[i];
    if (argument.size() > name.size() && argument.substr(0, name.size()) == name && argument[name.size()] == '=') {
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

} // namespace korvelin::tools
