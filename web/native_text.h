#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

namespace web {

// The handlers' UTF-16 texts and the page's JavaScript strings, which are UTF-16 too. They
// pass through embind as UTF-32; a lone surrogate in a string the page reads comes out
// joined with the code unit after it, since embind pairs every surrogate it meets.
emscripten::val jsText(std::u16string_view text);
std::u16string utf16(const emscripten::val& text);

}  // namespace web
