#include "win32/banner.h"

#include "win32/gif_picture.h"
#include "win32/resource_ids.h"

namespace win32 {
namespace {

// A copy of `picture` at `width` x `height`, each pixel taken from the nearest one.
HBITMAP scaled(HBITMAP picture, SIZE from, int width, int height) {
  HDC screen = GetDC(nullptr);
  HBITMAP copy = CreateCompatibleBitmap(screen, width, height);
  HDC source = CreateCompatibleDC(screen);
  HDC target = CreateCompatibleDC(screen);
  HGDIOBJ sourceBefore = SelectObject(source, picture);
  HGDIOBJ targetBefore = SelectObject(target, copy);
  SetStretchBltMode(target, COLORONCOLOR);
  StretchBlt(target, 0, 0, width, height, source, 0, 0, from.cx, from.cy, SRCCOPY);
  SelectObject(source, sourceBefore);
  SelectObject(target, targetBefore);
  DeleteDC(source);
  DeleteDC(target);
  ReleaseDC(nullptr, screen);
  return copy;
}

}  // namespace

Banner::Banner(HWND parent, const form::Row& row, int id)
    : Control(makeChild(parent, L"STATIC", SS_BITMAP, 0, id, row.text)),
      picture_(loadGifResource(QELMAR_BANNER_GIF)) {}

Banner::~Banner() {
  if (picture_ != nullptr) DeleteObject(picture_);
  if (shown_ != nullptr) DeleteObject(shown_);
}

SIZE Banner::pictureSize() const {
  BITMAP bitmap{};
  if (picture_ == nullptr || GetObjectW(picture_, sizeof bitmap, &bitmap) == 0) return {0, 0};
  return {bitmap.bmWidth, bitmap.bmHeight};
}

void Banner::place(const form::Rect& box, int dotsPerInch) {
  Control::place(box, dotsPerInch);
  if (picture_ == nullptr) return;
  HBITMAP previous = shown_;
  shown_ = scaled(picture_, pictureSize(), box.width, box.height);
  SendMessageW(hwnd(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown_));
  if (previous != nullptr) DeleteObject(previous);
}

}  // namespace win32
