#pragma once

#include <windows.h>

#include <string_view>

namespace win32 {

// Makes a screen reader name the control `hwnd` by `caption`, whatever it holds: its
// accessible object is the system's own with only the name changed. Windows names a field
// by the label made just before it; wine does so for a text box but names a combo box by
// its text, which after a pick no longer says what the box is for.
void nameByCaption(HWND hwnd, std::u16string_view caption);

}  // namespace win32
