#pragma once

namespace form {

// A box in twips (1/1440 inch), from the top-left corner of the window's client area.
struct Twips {
  int left;
  int top;
  int width;
  int height;
};

// A box in pixels.
struct Rect {
  int left;
  int top;
  int width;
  int height;
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
  int x;
  int y;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

// A window's frame and title bar around its client area, in pixels.
struct Margins {
  int left;
  int top;
  int right;
  int bottom;
};

// At 96 dots per inch 15 twips make a pixel; every box of the window is a whole number of
// pixels there. Other densities round to the nearest pixel.
constexpr Rect pixels(const Twips& box, int dotsPerInch = 96) {
  const auto scaled = [&](int twips) { return (twips * dotsPerInch + 720) / 1440; };
  return {scaled(box.left), scaled(box.top), scaled(box.width), scaled(box.height)};
}

// Where the client area `client` opens on a screen whose free area is `available`, with the
// window's frame and title bar `frame` around it: its own place when the whole window fits
// there, otherwise moved the least distance that makes it fit. A window larger than the
// area keeps its frame's top-left corner in it. All in the pixels of a screen scaled by
// `scale` (a toolkit's device-independent pixels; 1 where it works in the screen's own).
Point openingPlace(const Rect& client, const Margins& frame, const Rect& available,
                   double scale = 1);

}  // namespace form
