// A pick from a combo box's list, as a user's mouse makes it.
#include "tools/drive/win32/win32_window.h"

#include "tools/drive/utf.h"
#include "tools/drive/win32/combo_parts.h"
#include "tools/drive/win32/remote_input.h"

namespace drive {
namespace {

std::string quoted(std::u16string_view text) { return '"' + toUtf8(text) + '"'; }

}  // namespace

// Clicked into, as a click on the box focuses it, its list opened, then its item clicked.
std::string Win32Window::pick(form::Field combo, std::size_t index) {
  const std::string name = toUtf8(form::fieldName(combo));
  const std::u16string_view item = form::comboItems(combo)[index];
  HWND box = controlOf(combo);
  clickCentre(partsOf(box).edit);
  SendMessageW(box, CB_SHOWDROPDOWN, TRUE, 0);
  if (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) == 0)
    return "the list of " + name + " did not open";
  const ComboParts parts = partsOf(box);

  clickAt(parts.list, itemCentre(parts.list, index));
  if (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) != 0) {
    pressKey(parts.edit, VK_ESCAPE, 0x1B);
    return "the list of " + name + " did not close on " + quoted(item);
  }
  settle();
  const std::u16string shown = text(combo);
  if (shown != item || SendMessageW(box, CB_GETCURSEL, 0, 0) != static_cast<LRESULT>(index)) {
    return name + " shows " + quoted(shown) + " after picking " + quoted(item);
  }
  if (focus() != form::Control(combo)) return "the focus is not in " + name + " after the pick";
  return "";
}

}  // namespace drive
