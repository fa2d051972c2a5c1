#include "tools/drive/win32/png_grab.h"

#include <objidl.h>
#include <gdiplus.h>

#include "tools/drive/win32/screen_copy.h"
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

}  // namespace

bool grabClientArea(HWND window, const std::wstring& path) {
  const std::optional<CLSID> encoder = win32::gdiplusStarted() ? pngEncoder() : std::nullopt;
  if (!encoder) return false;
  ScreenPixels pixels = screenAtRest(window);
  Gdiplus::GpBitmap* bitmap = nullptr;
  bool written = false;
  if (gdiplus::GdipCreateBitmapFromScan0(pixels.width, pixels.height, pixels.width * 4,
                                         PixelFormat32bppRGB,
                                         reinterpret_cast<BYTE*>(pixels.rows.data()),
                                         &bitmap) == Gdiplus::Ok) {
    written = gdiplus::GdipSaveImageToFile(bitmap, path.c_str(), &*encoder, nullptr) == Gdiplus::Ok;
    gdiplus::GdipDisposeImage(bitmap);
  }
  return written;
}

}  // namespace drive
