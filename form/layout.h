#pragma once

#include <QRect>

#include <span>
#include <string_view>

namespace form {

// Where an element sits, in twips from the top-left corner of the window's client area.
struct Placement {
  std::u16string_view element;  // the objectName
  int left;
  int top;
  int width;
  int height;
  int tabIndex;  // -1: the element never takes the focus
};

// The window's client area, from the top-left corner of the screen.
const Placement& windowPlacement();

// Every element of the window.
std::span<const Placement> placements();

// Twips to pixels at 96 dpi; Qt's high-DPI scaling takes it from there.
QRect pixels(const Placement& placement);

}  // namespace form
