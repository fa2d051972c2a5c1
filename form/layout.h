#pragma once

#include "calc/fields.h"

#include <QMargins>
#include <QRect>

#include <span>
#include <variant>

namespace form {

// The elements that hold no field's text: the banner, the divider and the button.
enum class Element { Image1, Line1, 計算 };

// The caption label beside a field, which names it.
struct CaptionOf {
  calc::Field field;
  friend constexpr bool operator==(CaptionOf, CaptionOf) = default;
};

// What a layout row places: a field, a caption label, or one of the other elements.
using Placed = std::variant<calc::Field, CaptionOf, Element>;

inline constexpr int kNoTabStop = -1;

// A box in twips (1/1440 inch).
struct Twips {
  int left;
  int top;
  int width;
  int height;
};

// Where an element sits, from the top-left corner of the window's client area.
struct Placement {
  Placed element;
  Twips box;
  int tabIndex;  // kNoTabStop: the element never takes the focus
};

// The window's client area where it opens, from the top-left corner of the screen.
const Twips& windowBox();

// Every element of the window, each once.
std::span<const Placement> placements();

// Twips to pixels at 96 dpi; Qt's high-DPI scaling takes it from there.
QRect pixels(const Twips& box);

// Where the client area `client` opens on a screen whose free area is `available`, with the
// window's frame and title bar `frame` around it: its own place when the whole window fits
// there, otherwise moved the least distance that makes it fit. A window larger than the
// area keeps its frame's top-left corner in it. All in device-independent pixels of a
// screen scaled by `scale`.
QPoint openingPlace(const QRect& client, const QMargins& frame, const QRect& available,
                    double scale);

}  // namespace form
