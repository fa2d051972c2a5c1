#include "win32/combo_box_accessible.h"

#include "win32/system_accessible.h"

namespace win32 {

void nameByCaption(const ComboBox& combo, std::u16string_view caption) {
  for (HWND part : {combo.hwnd(), combo.editPart()}) {
    changeAccessible(part, {.name = std::u16string(caption)});
  }
}

}  // namespace win32
