#include "win32/gif_picture.h"

#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>

#include "win32/gdiplus_started.h"

namespace win32 {
namespace {

namespace gdiplus = Gdiplus::DllExports;

IStream* resourceStream(int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return nullptr;
  const void* bytes = LockResource(LoadResource(module, found));
  return SHCreateMemStream(static_cast<const BYTE*>(bytes), SizeofResource(module, found));
}

}  // namespace

HBITMAP loadGifResource(int id) {
  if (!gdiplusStarted()) return nullptr;
  IStream* stream = resourceStream(id);
  if (stream == nullptr) return nullptr;
  Gdiplus::GpBitmap* bitmap = nullptr;
  HBITMAP picture = nullptr;
  if (gdiplus::GdipCreateBitmapFromStream(stream, &bitmap) == Gdiplus::Ok) {
    gdiplus::GdipCreateHBITMAPFromBitmap(bitmap, &picture, 0xFF000000);
    gdiplus::GdipDisposeImage(bitmap);
  }
  stream->Release();
  return picture;
}

}  // namespace win32
