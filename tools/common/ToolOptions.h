#pragma once
// Option parsing shared by the command-line tools.

#include <span>
#include <string>
#include <string_view>

namespace korvelin::tools {

// Whether `argument` is the option `name`, alone or as "name=value".
bool IsOption(std::string_view argument, std::string_view name);

// The value of the option at arguments[i]: after "=", or the next argument
// (then i moves past it). False, with `error` set, when there is none.
bool TakeValue(std::span<const std::string_view> arguments, size_t &i, std::string_view name, std::string &value,
               std::string &error);

} // namespace korvelin::tools
