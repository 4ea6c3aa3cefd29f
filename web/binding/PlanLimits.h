#pragma once
// The supported range of every planet input the page takes, and the one
// reading of a typed value against it. Kept here until the core has its own
// list of ranges; the page and its file loads both read through it, so a
// value out of range is refused with the field's name rather than wrapped or
// clamped.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvelin::web {

enum class PlanetField { Temperature, Satellites, Speed, MetalStock, CrystalStock, DeuteriumStock, StartLevel };

struct FieldRange {
    int64_t min = 0;
    int64_t max = 0;
};

// The walk's figures stay exact up to these: a stock past 10^15 leaves no
// room for a long plan's production. A start level is supported while the
// item's next level still costs less than the 64-bit figures saturate at.
inline constexpr int64_t kMaxStartStock = 1'000'000'000'000'000;
inline constexpr int64_t kMaxSatellites = 1'000'000'000;

// `bid` picks the item for a start level.
FieldRange RangeOf(PlanetField field, int32_t bid = 0);
int32_t MaxStartLevel(int32_t bid);
std::string FieldName(PlanetField field);

// The value of `text` when it is a whole number in the field's range.
// `message` gets the refusal otherwise, naming the field and its range.
// `strict` refuses anything after the digits, as a form does; a file's value
// is read as the desktop reads it, up to the first other character.
std::optional<int64_t> ReadField(PlanetField field, std::string_view text, std::string &message, bool strict = true,
                                 int32_t bid = 0);

// "Satellites must be a whole number from 0 to 1000000000."
std::string RangeMessage(PlanetField field, int32_t bid = 0);

} // namespace korvelin::web
