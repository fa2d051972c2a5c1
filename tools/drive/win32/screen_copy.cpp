#include "tools/drive/win32/screen_copy.h"

namespace drive {
namespace {

ScreenPixels pixelsOf(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;  // top down
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  ScreenPixels pixels{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), pixels.rows.data(), &format, DIB_RGB_COLORS);
  for (std::uint32_t& pixel : pixels.rows) pixel &= 0xFFFFFF;
  return pixels;
}

}  // namespace

ScreenPixels screenUnder(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ before = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(copy, before);
  ScreenPixels pixels = pixelsOf(copy, bitmap, client.right, client.bottom);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  return pixels;
}

ScreenPixels screenAtRest(HWND window) {
  constexpr DWORD kMoment = 100;  // milliseconds; wine shows what was drawn when it idles
  ScreenPixels last = screenUnder(window);
  for (DWORD waited = 0; waited < 1000; waited += kMoment) {
    Sleep(kMoment);
    ScreenPixels now = screenUnder(window);
    if (now == last) break;
    last = std::move(now);
  }
  return last;
}

}  // namespace drive
