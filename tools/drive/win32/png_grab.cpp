#include "tools/drive/win32/png_grab.h"

#include <objidl.h>
#include <gdiplus.h>

#include "win32/gdiplus_started.h"

#include <optional>
#include <vector>

namespace drive {
namespace {

namespace gdiplus = Gdiplus::DllExports;

std::optional<CLSID> pngEncoder() {
  UINT count = 0;
  UINT bytes = 0;
  if (gdiplus::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok) return std::nullopt;
  std::vector<BYTE> buffer(bytes);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (gdiplus::GdipGetImageEncoders(count, bytes, encoders) != Gdiplus::Ok) return std::nullopt;
  for (UINT i = 0; i < count; ++i) {
    if (lstrcmpiW(encoders[i].MimeType, L"image/png") == 0) return encoders[i].Clsid;
  }
  return std::nullopt;
}

// A copy of the screen's pixels under `window`'s client area.
HBITMAP copyOfClientArea(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  HBITMAP pixels = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ before = SelectObject(copy, pixels);
  BitBlt(copy, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(copy, before);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace

bool grabClientArea(HWND window, const std::wstring& path) {
  const std::optional<CLSID> encoder = win32::gdiplusStarted() ? pngEncoder() : std::nullopt;
  if (!encoder) return false;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HBITMAP pixels = copyOfClientArea(window);
  Gdiplus::GpBitmap* bitmap = nullptr;
  bool written = false;
  if (gdiplus::GdipCreateBitmapFromHBITMAP(pixels, nullptr, &bitmap) == Gdiplus::Ok) {
    written = gdiplus::GdipSaveImageToFile(bitmap, path.c_str(), &*encoder, nullptr) == Gdiplus::Ok;
    gdiplus::GdipDisposeImage(bitmap);
  }
  DeleteObject(pixels);
  return written;
}

}  // namespace drive
