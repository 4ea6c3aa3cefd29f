#pragma once
// Persistence: the queue file (a CR LF text file holding the maximum
// temperature, the planet's start where it differs from a planet built from
// nothing, and the build queue under a header with the version tag), the
// compact clipboard text and the timed file name. Everything here works on
// bytes and the queue; opening, writing and showing is the window's business.

#include "queue/BuildQueue.h"
#include "rules/Planet.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvelin {

// "[Korvelin_<tag>_BuildQueueList]", the first line of every queue file.
std::string QueueFileHeader(std::string_view versionTag);

// The whole file: header, "Temperature=" with ParseInt of the edit's text,
// then each of "Levels=", "Stock=", "Satellites=", "Speed=" and "Rules=" whose
// part of `planet` is not the default, "##BUILD##" and one "BID:level:rank" line per
// entry, rank 999 downward. Every line ends with CR LF. The planet's
// temperature is not read: the text is what is written.
std::string FormatQueueFile(std::span<const QueueEntry> entries, std::string_view maxTemperatureText,
                            const Planet &planet, std::string_view versionTag);
// The same for the planet built from nothing, without satellites.
std::string FormatQueueFile(std::span<const QueueEntry> entries, std::string_view maxTemperatureText,
                            std::string_view versionTag);

struct LoadedEntry {
    int32_t bid = 0;
    int32_t level = 0;
    friend bool operator==(const LoadedEntry &, const LoadedEntry &) = default;
};

// What a queue file holds. Nothing of it reaches the window unless the header
// was accepted, so a rejected file leaves the current plan alone.
struct QueueFileContents {
    bool headerAccepted = false;
    // The value of the last "Temperature" key line, unconverted and cut to
    // kMaxTemperatureText bytes; empty for a line without "="; nothing when no
    // such line stands before "##BUILD##".
    std::optional<std::string> temperature;
    // The planet's parts, from the last line of each key; nothing for a key
    // the file does not have. The satellites value is kept as text, as the
    // temperature is.
    std::optional<std::array<int32_t, kItemCount>> startLevels;
    std::optional<std::array<int64_t, 3>> startStock;
    std::optional<int32_t> economySpeed;
    std::optional<GameRules> rules;
    std::optional<std::string> satellites;
    std::vector<LoadedEntry> entries; // catalogue BIDs only, in line order
    // The build lines and "Levels=" fields skipped for a BID outside the
    // catalogue: how many, and the BIDs of the first few (enough for the
    // messages that are shown).
    uint64_t unknownBidLines = 0;
    std::vector<int32_t> firstUnknownBids;
    // More build lines than a queue can index; the entries are incomplete.
    bool tooManyEntries = false;
    // The first value outside its supported range (a start level, stock,
    // speed, satellites or temperature, or a build line's level beyond 32
    // bits), as the message that refuses the file. A refused file changes
    // nothing, as a rejected header doesn't.
    std::optional<std::string> outOfRange;

    // The header matched and every value is inside its range.
    bool Accepted() const { return headerAccepted && !outOfRange; }
};

// The BuildQueue indexes entries with int32.
inline constexpr size_t kMaxQueueFileEntries = static_cast<size_t>(std::numeric_limits<int32_t>::max());
// The most an edit field holds; a longer value could never be shown whole,
// and keeping it would let one endless line exhaust memory. Every key's value
// is cut there.
inline constexpr size_t kMaxTemperatureText = 32767;
// Each skipped line is its own modal box; a damaged file must not bury the
// user under thousands of them, so the rest are summed up in one.
inline constexpr size_t kMaxUnknownBidMessages = 10;

// Reads a queue file fed in pieces of any size, so that a file is never held
// whole: memory grows with the entries only.
// Lines end at LF, with or without a CR before it; any other CR is dropped; a
// byte 26 ends the file; a last line without LF still counts, and nothing
// after a final LF does.
class QueueFileParser {
  public:
    explicit QueueFileParser(std::string_view versionTag, size_t maxEntries = kMaxQueueFileEntries);

    void Feed(std::string_view bytes);
    // True once further bytes cannot change the result (rejected header,
    // Ctrl-Z, too many entries): the caller may stop reading.
    bool Complete() const { return stopped_; }
    // Ends the input and returns what it held. Call once.
    QueueFileContents Finish();

  private:
    enum class Section { Header, Keys, Build };

    struct NumberField {
        uint32_t magnitude = 0;
        uint64_t wide = 0; // the magnitude without the wrap, stopping past 32 bits
        bool negative = false;
        bool started = false;
        bool ended = false;
        std::string shown; // the first characters, for a message
        void Add(char c);
        int32_t Value() const;
        bool FitsInt32() const;
    };

    void AddByte(char c);
    void EndLine();
    void EndHeaderLine();
    void EndKeyLine();
    void EndBuildLine();
    bool LineIs(std::string_view text) const;

    std::string expectedHeader_;
    size_t maxEntries_;
    size_t prefixLimit_;
    QueueFileContents contents_;
    Section section_ = Section::Header;
    bool stopped_ = false;
    bool headerRead_ = false;
    bool lineOpen_ = false;

    // The line being read: its length and first bytes, enough to compare it
    // with the header or a known key.
    uint64_t lineLength_ = 0;
    std::string prefix_;
    // Key line: position of the first "=", which known key it names, and its
    // value.
    enum class Key { None, Temperature, Levels, Stock, Satellites, Speed, Rules };
    void EndKeyValue(Key key);
    void Refuse(std::string_view line, const std::string &message);
    uint64_t buildLine_ = 0;
    bool sawEquals_ = false;
    Key capturing_ = Key::None;
    std::string value_;
    // Build line: 0 for the BID text, 1 for the level text, 2 for the rest.
    int field_ = 0;
    NumberField bid_;
    NumberField level_;
};

QueueFileContents ParseQueueFile(std::string_view bytes, std::string_view versionTag);

// The messages a load shows, in order: the rejection or the refusal alone, or one
// "Unknown BID: " per skipped line up to kMaxUnknownBidMessages and then one
// box that counts the rest.
std::vector<std::string> LoadMessages(const QueueFileContents &contents, std::string_view versionTag);

// Replaces the queue with the loaded entries in line order, with fresh order
// stamps from 999 downward; the queue's start levels stay.
void ApplyLoadedQueue(BuildQueue &queue, std::span<const LoadedEntry> entries);

// The planet a file describes: the parts it has, the from-nothing planet's
// for the parts it lacks. Its inputs are the default ones; the temperature and
// satellite texts go to the window's edits.
Planet LoadedPlanet(const QueueFileContents &contents);

} // namespace korvelin
