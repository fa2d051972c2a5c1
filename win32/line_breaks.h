#pragma once

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

namespace win32 {

// The lines of `text` in a box `width` pixels wide, in the font selected into `dc`: each as
// long as fits, broken between any two characters as Japanese is (it has no blanks to
// break at), never inside a surrogate pair. A character wider than the box gets a line of
// its own.
std::vector<std::u16string_view> wrappedLines(HDC dc, std::u16string_view text, int width);

// Where the lines of a message go: the first baseline below the top of the box, the
// distance from one baseline to the next, and the ink below the last one. Measured from
// the ink of every text the line may show rather than from the face's line spacing, as the
// Qt window does: faces such as Meiryo UI space their lines about 1.5 em apart, which at the
// window's size would push a message's second line out of its 25-pixel box.
struct LinePitch {
  int firstBaseline;
  int lineToLine;
  int inkBelowBaseline;
};
LinePitch linePitch(HDC dc, std::span<const std::u16string_view> texts);

// From the top of the first line's ink to the bottom of the last one's.
int heightOf(const LinePitch& pitch, std::size_t lines);

}  // namespace win32
