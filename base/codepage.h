// Conversions between the 8-bit Windows-1252 text of data.cfg and the reports, and the
// UTF-16 of windows and the plug-in (UTF-8 for a Linux terminal).
#pragma once

#include <string>
#include <string_view>

namespace veloranth {

std::u16string Cp1252ToUtf16(std::string_view text);
// Characters without a Windows-1252 byte become '?'.
std::string Utf16ToCp1252(std::u16string_view text);
std::string Cp1252ToUtf8(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// Each ill-formed sequence (overlong, surrogate, beyond U+10FFFF, cut) becomes one U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
// A file name must not change on the way: false, with no text, at an ill-formed sequence.
bool Utf8PathToUtf16(std::string_view path, std::u16string& out);

// What names are compared on: lower case, no accents, hyphens and underscores as blanks.
std::string FoldForLookup(std::string_view cp1252);

}  // namespace veloranth
