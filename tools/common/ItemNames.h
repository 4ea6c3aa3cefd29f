#pragma once

#include <cstdint>
#include <string>

namespace korvelin::tools {

// The item's English caption, its full Russian name for the five items
// without one, or the number itself for a BID outside the catalogue.
std::string ItemName(int32_t bid);

} // namespace korvelin::tools
