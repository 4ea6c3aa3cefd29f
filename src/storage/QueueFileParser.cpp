#include "storage/QueueFile.h"

#include "plan/InputRanges.h"
#include "plan/LevelList.h"
#include "rules/ItemCatalogue.h"
#include "util/ParseInt.h"

#include <algorithm>

namespace korvelin {
namespace {

constexpr char kCtrlZ = 26;
constexpr std::string_view kTemperatureKey = "Temperature";
constexpr std::string_view kLevelsKey = "Levels";
constexpr std::string_view kStockKey = "Stock";
constexpr std::string_view kSatellitesKey = "Satellites";
constexpr std::string_view kSpeedKey = "Speed";
constexpr std::string_view kRulesKey = "Rules";
constexpr std::string_view kBuildMarker = "##BUILD##";

// The text up to the first `separator` and the rest after it (empty when
// there is none).
std::pair<std::string_view, std::string_view> SplitAt(std::string_view text, char separator)
{
    const size_t at = text.find(separator);
    if (at == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, at), text.substr(at + 1)};
}

} // namespace

// The same reading as ParseInt, one byte at a time, so that a build line of
// any length is read without keeping it.
void QueueFileParser::NumberField::Add(char c)
{
    if (ended)
        return;
    if (shown.size() < 24)
        shown += c;
    const bool first = !started;
    started = true;
    if (first && (c == '-' || c == '+')) {
        negative = c == '-';
        return;
    }
    if (c < '0' || c > '9') {
        ended = true;
        return;
    }
    // Unsigned arithmetic wraps at 32 bits by definition, as ParseInt does.
    magnitude = magnitude * 10u + static_cast<uint32_t>(c - '0');
    if (wide <= UINT32_MAX)
        wide = wide * 10u + static_cast<uint64_t>(c - '0');
}

bool QueueFileParser::NumberField::FitsInt32() const
{
    return wide <= (negative ? uint64_t{1} << 31 : uint64_t{INT32_MAX});
}

int32_t QueueFileParser::NumberField::Value() const
{
    return static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
}

QueueFileParser::QueueFileParser(std::string_view versionTag, size_t maxEntries)
    : expectedHeader_(QueueFileHeader(versionTag)), maxEntries_(maxEntries),
      prefixLimit_(std::max(expectedHeader_.size(), kTemperatureKey.size()))
{
}

void QueueFileParser::Feed(std::string_view bytes)
{
    for (const char c : bytes) {
        if (stopped_)
            return;
        AddByte(c);
    }
}

void QueueFileParser::AddByte(char c)
{
    if (c == kCtrlZ) {
        stopped_ = true;
        return;
    }
    // Any byte, even a CR, means the file is not at its end, so a line is read.
    lineOpen_ = true;
    if (c == '\n') {
        EndLine();
        return;
    }
    if (c == '\r')
        return;

    switch (section_) {
    case Section::Header:
        break;
    case Section::Keys:
        if (capturing_ != Key::None) {
            if (value_.size() < kMaxTemperatureText)
                value_ += c;
        } else if (c == '=' && !sawEquals_) {
            sawEquals_ = true;
            if (LineIs(kTemperatureKey))
                capturing_ = Key::Temperature;
            else if (LineIs(kLevelsKey))
                capturing_ = Key::Levels;
            else if (LineIs(kStockKey))
                capturing_ = Key::Stock;
            else if (LineIs(kSatellitesKey))
                capturing_ = Key::Satellites;
            else if (LineIs(kSpeedKey))
                capturing_ = Key::Speed;
            else if (LineIs(kRulesKey))
                capturing_ = Key::Rules;
        }
        break;
    case Section::Build:
        if (c == ':' && field_ < 2)
            ++field_;
        else if (field_ == 0)
            bid_.Add(c);
        else if (field_ == 1)
            level_.Add(c);
        break;
    }
    if (prefix_.size() < prefixLimit_)
        prefix_ += c;
    ++lineLength_;
    // A first line longer than the header can no longer match it: a binary or
    // endless file is rejected without reading on.
    if (section_ == Section::Header && lineLength_ > expectedHeader_.size())
        stopped_ = true;
}

// Whether the text read so far on this line (up to the first "=" on a key
// line) is exactly `text`.
bool QueueFileParser::LineIs(std::string_view text) const
{
    return lineLength_ == text.size() && std::string_view(prefix_).substr(0, text.size()) == text;
}

void QueueFileParser::EndLine()
{
    switch (section_) {
    case Section::Header:
        EndHeaderLine();
        break;
    case Section::Keys:
        EndKeyLine();
        break;
    case Section::Build:
        EndBuildLine();
        break;
    }
    lineOpen_ = false;
    lineLength_ = 0;
    prefix_.clear();
    sawEquals_ = false;
    capturing_ = Key::None;
    value_.clear();
    field_ = 0;
    bid_ = {};
    level_ = {};
}

void QueueFileParser::EndHeaderLine()
{
    headerRead_ = true;
    contents_.headerAccepted = LineIs(expectedHeader_);
    if (contents_.headerAccepted)
        section_ = Section::Keys;
    else
        stopped_ = true;
}

void QueueFileParser::EndKeyValue(Key key)
{
    switch (key) {
    case Key::None:
        break;
    case Key::Temperature:
        if (const auto checked = ReadTextInRange(kTemperatureField, kTemperatureRange, value_); checked.error)
            Refuse("its Temperature line", *checked.error);
        contents_.temperature = std::move(value_);
        break;
    case Key::Satellites:
        if (const auto checked = ReadTextInRange(kSatellitesField, kSatellitesRange, value_); checked.error)
            Refuse("its Satellites line", *checked.error);
        contents_.satellites = std::move(value_);
        break;
    case Key::Speed: {
        const CheckedNumber speed = ReadTextInRange(kSpeedField, kSpeedRange, value_);
        if (speed.error)
            Refuse("its Speed line", *speed.error);
        contents_.economySpeed = ClampEconomySpeed(speed.value);
        break;
    }
    case Key::Rules: {
        const CheckedRules rules = ReadRules(value_);
        if (rules.error)
            Refuse("its Rules line", *rules.error);
        contents_.rules = rules.rules;
        break;
    }
    case Key::Stock: {
        // Missing fields read as 0; a long plan's stock outgrows 32 bits, so
        // each field is read wide.
        std::array<int64_t, 3> stock{};
        std::string_view rest = value_;
        for (size_t kind = 0; kind < stock.size(); ++kind) {
            const auto [field, after] = SplitAt(rest, ':');
            const CheckedNumber amount = ReadTextInRange(StockField(kind), kStockRange, field);
            if (amount.error)
                Refuse("its Stock line", *amount.error);
            stock[kind] = amount.value;
            rest = after;
        }
        contents_.startStock = stock;
        break;
    }
    case Key::Levels: {
        // Items the line does not name start at 0.
        std::array<int32_t, kItemCount> levels{};
        for (const LevelField &field : SplitLevelList(value_, ':', ItemNaming::BidsOnly)) {
            if (field.text.empty())
                continue;
            if (!field.bid) {
                ++contents_.unknownBidLines;
                if (contents_.firstUnknownBids.size() < kMaxUnknownBidMessages)
                    contents_.firstUnknownBids.push_back(ParseInt(field.itemText));
                continue;
            }
            const CheckedNumber level =
                ReadTextInRange(StartLevelField(*field.bid), LevelRange(*field.bid), field.levelText);
            if (level.error)
                Refuse("its Levels line", *level.error);
            levels[static_cast<size_t>(ItemIndexOf(*field.bid)) - 1] =
                static_cast<int32_t>(std::clamp<int64_t>(level.value, 0, kLevelCap));
        }
        contents_.startLevels = levels;
        break;
    }
    }
}

void QueueFileParser::EndKeyLine()
{
    if (capturing_ != Key::None)
        EndKeyValue(capturing_);
    else if (!sawEquals_ && LineIs(kTemperatureKey))
        contents_.temperature = std::string();
    // The marker line has no "=", so it is read as a key first and only then
    // ends the key section.
    if (!sawEquals_ && LineIs(kBuildMarker))
        section_ = Section::Build;
}

void QueueFileParser::Refuse(std::string_view line, const std::string &message)
{
    if (!contents_.outOfRange)
        contents_.outOfRange = "The file is not opened: " + message + " (" + std::string(line) + ").";
}

void QueueFileParser::EndBuildLine()
{
    ++buildLine_;
    const int32_t bid = bid_.Value();
    if (ItemIndexOf(bid) == -1) {
        ++contents_.unknownBidLines;
        if (contents_.firstUnknownBids.size() < kMaxUnknownBidMessages)
            contents_.firstUnknownBids.push_back(bid);
        return;
    }
    if (contents_.entries.size() >= maxEntries_) {
        contents_.tooManyEntries = true;
        stopped_ = true;
        return;
    }
    // Levels far past the game's range are still walked (the figures
    // saturate), but one that a queue cannot hold must not wrap into another.
    if (!level_.FitsInt32()) {
        Refuse("build line " + std::to_string(buildLine_),
               "The level of " + ItemLabel(bid) + " must be a whole number from -2147483648 to 2147483647, not " +
                   level_.shown);
        return;
    }
    contents_.entries.push_back({bid, level_.Value()});
}

QueueFileContents QueueFileParser::Finish()
{
    // The header is read even from an empty file, and a last line without its
    // LF is still a line.
    if (lineOpen_ || !headerRead_)
        EndLine();
    stopped_ = true;
    return std::move(contents_);
}

QueueFileContents ParseQueueFile(std::string_view bytes, std::string_view versionTag)
{
    QueueFileParser parser(versionTag);
    parser.Feed(bytes);
    return parser.Finish();
}

} // namespace korvelin
