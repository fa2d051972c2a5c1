#pragma once

#include <cstddef>

namespace form {

// Where the message line's lines go: the first baseline below the top of its box, the
// distance from one baseline to the next, and the ink below the last one. Set by the ink
// of every text the line may show rather than by the face's line spacing: Noto Sans CJK
// and Meiryo UI space their lines about 1.5 em apart, which at the window's size would
// push a message's second line out of its 25-pixel box; Japanese ink needs about 1.1 em.
struct LinePitch {
  int firstBaseline;
  int lineToLine;
  int inkBelowBaseline;
};

// From the ink's reach above and below the baseline over all those texts, and the face's
// own line spacing, which is kept where it is tighter; else one pixel of space parts one
// line's ink from the next one's.
LinePitch linePitch(int inkAbove, int inkBelow, int faceLineSpacing);

// The height of `lines` lines, from the top of the first line's ink to the bottom of the
// last one's.
int heightOf(const LinePitch& pitch, std::size_t lines);

}  // namespace form
