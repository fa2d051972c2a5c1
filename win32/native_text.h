#pragma once

#include <string>
#include <string_view>

namespace win32 {

// wchar_t is UTF-16 on Windows: the window's texts pass through unchanged, code unit for
// code unit, lone surrogates included.
inline std::wstring wide(std::u16string_view text) { return {text.begin(), text.end()}; }
inline std::u16string utf16(std::wstring_view text) { return {text.begin(), text.end()}; }

}  // namespace win32
