#include "ItemNames.h"

#include "rules/ItemCatalogue.h"

namespace korvelin::tools {

std::string ItemName(int32_t bid)
{
    const int32_t index = ItemIndexOf(bid);
    if (index == -1)
        return std::to_string(bid);
    const std::string_view caption = Caption(index);
    return std::string(caption.empty() ? FullName(index) : caption);
}

} // namespace korvelin::tools
