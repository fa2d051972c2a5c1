#pragma once

#include <windows.h>

namespace win32 {

// The picture of the GIF resource `id` of this program, decoded by GDI+; null when it cannot
// be read. The caller deletes it.
HBITMAP loadGifResource(int id);

}  // namespace win32
