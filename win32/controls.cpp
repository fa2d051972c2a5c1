#include "win32/controls.h"

#include "win32/banner.h"
#include "win32/combo_box.h"
#include "win32/message_line.h"
#include "win32/simple_controls.h"
#include "win32/text_box.h"

#include <stdexcept>

namespace win32 {

std::unique_ptr<Control> makeControl(HWND form, const form::Row& row, int id, KeyTarget& keys) {
  switch (row.kind) {
    case form::Kind::TextBox: {
      auto box = std::make_unique<TextBox>(form, row, id);
      handleKeys(box->hwnd(), row.control, keys);
      return box;
    }
    case form::Kind::ComboBox: {
      auto combo = std::make_unique<ComboBox>(form, row, id);
      handleKeys(combo->editPart(), row.control, keys);
      return combo;
    }
    case form::Kind::MessageLine: return std::make_unique<MessageLine>(form, row, id);
    case form::Kind::Picture: return std::make_unique<Banner>(form, row, id);
    case form::Kind::Line: return std::make_unique<Divider>(form, row, id);
    case form::Kind::Button: {
      auto button = std::make_unique<PushButton>(form, row, id);
      handleKeys(button->hwnd(), row.control, keys);
      return button;
    }
  }
  throw std::logic_error("a row of a kind the Win32 window cannot make");
}

}  // namespace win32
