// Windows-only text and path helpers: our UTF-16 strings as the API's wchar_t (both are
// 16 bits on Windows), the program's 8-bit texts as window texts, and the folder of a path.
#pragma once

#include <string>
#include <string_view>

#include "base/codepage.h"

namespace veloranth::platform {

inline const wchar_t* WideChars(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}
inline const wchar_t* WideChars(const std::u16string& text) {
    return WideChars(text.c_str());
}

inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

// An 8-bit (Windows-1252) text of the program, as a window shows it.
inline std::wstring WindowText(std::string_view cp1252) {
    return ToWide(Cp1252ToUtf16(cp1252));
}

// The folder of a Windows path with its trailing backslash; empty when it has none.
inline std::wstring FolderOf(std::wstring_view path) {
    std::size_t slash = path.rfind(L'\\');
    return slash == std::wstring_view::npos ? std::wstring()
                                            : std::wstring(path.substr(0, slash + 1));
}

}  // namespace veloranth::platform
