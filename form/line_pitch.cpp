#include "form/line_pitch.h"

#include <algorithm>

namespace form {

LinePitch linePitch(int inkAbove, int inkBelow, int faceLineSpacing) {
  return {inkAbove, std::min(faceLineSpacing, inkAbove + inkBelow + 1), inkBelow};
}

int heightOf(const LinePitch& pitch, std::size_t lines) {
  if (lines == 0) return 0;
  return pitch.firstBaseline + static_cast<int>(lines - 1) * pitch.lineToLine +
         pitch.inkBelowBaseline;
}

}  // namespace form
