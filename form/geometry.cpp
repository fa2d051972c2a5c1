#include "form/geometry.h"

#include <algorithm>
#include <cmath>

namespace form {
namespace {

// The start of a stretch of `length` moved the least that puts it inside [first, end).
int fit(int start, int length, int first, int end) {
  return std::max(first, std::min(start, end - length));
}

}  // namespace

// A fractional scale rounds native sizes to whole pixels: the window may come out a pixel
// wider or taller than its size says, and the screen's free area, rounded the other way, a
// pixel smaller.
Point openingPlace(const Rect& client, const Margins& frame, const Rect& available,
                   double scale) {
  const auto drawn = [&](int length) {
    return static_cast<int>(std::ceil(std::round(length * scale) / scale));
  };
  const int spare = scale == std::floor(scale) ? 0 : 1;
  const int width = frame.left + drawn(client.width) + frame.right;
  const int height = frame.top + drawn(client.height) + frame.bottom;
  const int left = fit(client.left - frame.left, width, available.left,
                       available.left + available.width - spare);
  const int top = fit(client.top - frame.top, height, available.top,
                      available.top + available.height - spare);
  return {left + frame.left, top + frame.top};
}

}  // namespace form
