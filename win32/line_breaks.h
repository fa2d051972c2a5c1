#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

namespace win32 {

// The lines of `text` in a box `width` pixels wide, in the font selected into `dc`: each as
// long as fits, broken between any two characters as Japanese is (it has no blanks to
// break at), never inside a surrogate pair. A character wider than the box gets a line of
// its own.
std::vector<std::u16string_view> wrappedLines(HDC dc, std::u16string_view text, int width);

// From one line's top to the next one's: the face's ascent and descent.
int lineHeight(HDC dc);

// Whether `text` shows whole in a box of `width` x `height` pixels.
bool showsWhole(HDC dc, std::u16string_view text, int width, int height);

}  // namespace win32
