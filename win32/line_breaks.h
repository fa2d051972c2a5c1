#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

#include "form/line_pitch.h"

namespace win32 {

// The lines of `text` in a box `width` pixels wide, in the font selected into `dc`: each as
// long as fits, broken between any two characters as Japanese is (it has no blanks to
// break at), never inside a surrogate pair. A character wider than the box gets a line of
// its own.
std::vector<std::u16string_view> wrappedLines(HDC dc, std::u16string_view text, int width);

// The pitch of a message line's lines (form::linePitch) in the font selected into `dc`,
// from the ink of every one of `texts`.
form::LinePitch linePitch(HDC dc, std::span<const std::u16string_view> texts);

}  // namespace win32
