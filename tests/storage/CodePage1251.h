#pragma once
// The compact text in Windows code page 1251, the single-byte character set
// the clipboard text is defined in; nothing if a character has no place in it
// or the system cannot convert. Only the checks need the single-byte form: the
// window hands the clipboard Unicode text.

#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

namespace korvelin::test {

inline std::optional<std::string> EncodeCodePage1251(std::string_view utf8)
{
    iconv_t converter = iconv_open("CP1251", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    // A UTF-8 character never takes fewer bytes than its single-byte form.
    std::string out(utf8.size(), '\0');
    char *in = const_cast<char *>(utf8.data());
    size_t inLeft = utf8.size();
    char *outPtr = out.data();
    size_t outLeft = out.size();
    const size_t converted = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace korvelin::test
