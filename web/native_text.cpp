#include "web/native_text.h"

namespace web {

// Each code unit on its own: embind makes a code unit below 0x10000 one UTF-16 unit again.
emscripten::val jsText(std::u16string_view text) {
  return emscripten::val(std::wstring(text.begin(), text.end()));
}

std::u16string utf16(const emscripten::val& text) {
  std::u16string units;
  for (const wchar_t code : text.as<std::wstring>()) {
    const auto point = static_cast<char32_t>(code);
    if (point < 0x10000) {
      units += static_cast<char16_t>(point);
    } else {
      units += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
    }
  }
  return units;
}

}  // namespace web
