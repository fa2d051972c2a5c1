#pragma once

#include "form/window_table.h"
#include "win32/control.h"

namespace win32 {

// The banner picture at its own size, scaled with the screen's density pixel for pixel
// (nearest neighbour), so it never blurs.
class Banner final : public Control {
 public:
  Banner(HWND parent, const form::Row& row, int id);
  ~Banner() override;

  // The picture's own size in pixels.
  SIZE pictureSize() const;

  void place(const form::Rect& box, int dotsPerInch) override;

 private:
  HBITMAP picture_;          // as the GIF holds it
  HBITMAP shown_ = nullptr;  // scaled to the box
};

}  // namespace win32
