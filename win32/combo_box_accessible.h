#pragma once

#include <string_view>

#include "win32/combo_box.h"

namespace win32 {

// Makes a screen reader name the combo box, and its edit part where the focus is, by
// `caption`, whatever it holds: each one's accessible object is the system's own with only
// the name changed. Windows names a field by the label made just before it; wine does so
// for a text box but names a combo box by its text, which after a pick no longer says what
// the box is for.
void nameByCaption(const ComboBox& combo, std::u16string_view caption);

}  // namespace win32
