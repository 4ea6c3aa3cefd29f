#include "plan/LevelList.h"

#include "plan/InputRanges.h"

#include <charconv>

namespace korvelin {

namespace {

bool SameLetters(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<int32_t> FindItem(std::string_view text, ItemNaming naming)
{
    if (naming == ItemNaming::BidsOrNames)
        text = Trimmed(text);
    if (const std::optional<int64_t> number = ParseWholeNumber(text)) {
        if (*number < 0 || *number > INT32_MAX || ItemIndexOf(static_cast<int32_t>(*number)) == -1)
            return std::nullopt;
        return static_cast<int32_t>(*number);
    }
    if (naming == ItemNaming::BidsOnly)
        return std::nullopt;
    for (int32_t index = 1; index <= kItemCount; ++index) {
        if (SameLetters(text, EnglishName(index)))
            return BidAt(index);
    }
    return std::nullopt;
}

std::vector<LevelField> SplitLevelList(std::string_view text, char separator, ItemNaming naming)
{
    std::vector<LevelField> fields;
    for (;;) {
        const size_t comma = text.find(',');
        LevelField field;
        field.text = text.substr(0, comma);
        const size_t at = field.text.find(separator);
        field.hasSeparator = at != std::string_view::npos;
        field.itemText = field.text.substr(0, at);
        field.levelText = field.hasSeparator ? field.text.substr(at + 1) : std::string_view();
        field.bid = FindItem(field.itemText, naming);
        fields.push_back(field);
        if (comma == std::string_view::npos)
            return fields;
        text.remove_prefix(comma + 1);
    }
}

TypedLevels ReadTypedLevels(std::string_view text, char separator, std::string_view option)
{
    TypedLevels read;
    const std::string prefix = std::string(option) + ": ";
    for (const LevelField &field : SplitLevelList(text, separator, ItemNaming::BidsOrNames)) {
        if (!field.hasSeparator) {
            read.error = prefix + "'" + std::string(field.text) + "' is not ITEM" + separator + "LEVEL";
            return read;
        }
        if (!field.bid) {
            read.error = prefix + "'" + std::string(Trimmed(field.itemText)) +
                         "' is not the BID or English name of an item (--help lists them)";
            return read;
        }
        const std::string levelText(Trimmed(field.levelText));
        const std::optional<int64_t> level = ParseWholeNumber(levelText);
        const InputRange range = LevelRange(*field.bid);
        if (!level || !range.Holds(*level)) {
            read.error = prefix + OutOfRangeMessage("Level of " + ItemLabel(*field.bid), range, "'" + levelText + "'");
            return read;
        }
        read.levels.push_back({*field.bid, static_cast<int32_t>(*level)});
    }
    return read;
}

std::string FormatLevelList(const std::array<int32_t, kItemCount> &levels)
{
    std::string out;
    const auto append = [&out](int64_t value) {
        char buffer[24];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out.append(buffer, result.ptr);
    };
    for (size_t i = 0; i < levels.size(); ++i) {
        if (levels[i] == 0)
            continue;
        if (!out.empty())
            out += ',';
        append(ItemCatalogue()[i].bid);
        out += ':';
        append(levels[i]);
    }
    return out;
}

std::string ItemTableText()
{
    std::string text = "Items (BID, English name, levels; an item is given by either, case ignored):\n";
    for (int32_t index = 1; index <= kItemCount; ++index) {
        const std::string bid = std::to_string(BidAt(index));
        const std::string name(EnglishName(index));
        text += std::string(6 - bid.size(), ' ') + bid + "  " + name + std::string(32 - name.size(), ' ') + "0 to " +
                std::to_string(MaxLevel(BidAt(index))) + '\n';
    }
    return text;
}

} // namespace korvelin
