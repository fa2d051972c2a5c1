// What a user of assistive technology, of an input method or of a mouse wheel meets.
#include "tests/win32/window_fixture.h"

#include <imm.h>
#include <oleacc.h>

#include <optional>
#include <string>
#include <vector>

#include "tests/support/window_as_met.h"
#include "win32/combo_box.h"

namespace {

using form::Field;

// What a screen reader is told of a control through Microsoft Active Accessibility.
struct Told {
  std::u16string name;
  LONG role = 0;  // ROLE_SYSTEM_...
};

Told toldOf(HWND hwnd) {
  IAccessible* accessible = nullptr;
  // MinGW's IID_IAccessible links to an import thunk, not to the interface's ID.
  const HRESULT found = AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                                   reinterpret_cast<void**>(&accessible));
  if (FAILED(found)) {
    const std::string code = std::to_string(static_cast<unsigned long>(found));
    return {u"(no accessible object: " + std::u16string(code.begin(), code.end()) + u")"};
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  Told told;
  BSTR name = nullptr;
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) {
    told.name.assign(name, name + SysStringLen(name));
    SysFreeString(name);
  }
  VARIANT role{};
  if (accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4) told.role = role.lVal;
  accessible->Release();
  return told;
}

// Every field by the caption beside it, a combo box and its edit part, which has the focus on
// the box's behalf, alike; the message line, after a press that fails, as an alert named by
// its message.
TEST_F(Win32Window, AScreenReaderNamesEveryFieldByItsCaptionAndMeetsTheMessageAsAnAlert) {
  CoInitialize(nullptr);
  SendMessageW(hwnd(form::Element::計算), BM_CLICK, 0, 0);
  struct Row {
    HWND hwnd;
    std::u16string_view name;
    std::optional<LONG> role;  // none: the system's, which wine and Windows tell apart
    std::string what;
  };
  std::vector<Row> rows = {
      {hwnd(Field::Label1), u"口座種別を選択してください", ROLE_SYSTEM_ALERT, "the message line"}};
  for (const qelmar_test::FieldAsMet& shown : qelmar_test::kFieldsAsMet) {
    const std::string row = "row " + std::to_string(form::rowIndex(shown.field));
    HWND keys = keyWindow(shown.field);
    rows.push_back({keys, shown.caption, ROLE_SYSTEM_TEXT, "keys of " + row});
    // Wine tells a combo box as a window's client area, Windows as a combo box.
    if (keys != hwnd(shown.field)) rows.push_back({hwnd(shown.field), shown.caption, {}, row});
  }
  for (const Row& row : rows) {
    const Told told = toldOf(row.hwnd);
    EXPECT_EQ(told.name, row.name) << row.what;
    if (row.role) {
      EXPECT_EQ(told.role, *row.role) << row.what;
    }
  }
  CoUninitialize();
}

TEST_F(Win32Window, TheInputMethodIsOffOnlyInTheSevenNumericInputs) {
  for (const qelmar_test::FieldAsMet& shown : qelmar_test::kFieldsAsMet) {
    HWND keys = keyWindow(shown.field);
    HIMC context = ImmGetContext(keys);
    if (context != nullptr) ImmReleaseContext(keys, context);
    EXPECT_EQ(context == nullptr, shown.inputMethodOff) << form::rowIndex(shown.field);
  }
}

void turnWheel(HWND hwnd) {
  RECT box{};
  GetWindowRect(hwnd, &box);
  SendMessageW(hwnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
               MAKELPARAM(box.left + 5, box.top + 5));
}

TEST_F(Win32Window, TheWheelChangesOnlyTheFocusedComboBox) {
  const Field combo = Field::通貨単位Combo;
  turnWheel(hwnd(combo));
  EXPECT_EQ(window().text(combo), u"通貨単位を選択") << "changed without the focus";
  SetFocus(hwnd(combo));
  turnWheel(window().control<win32::ComboBox>(combo).editPart());
  EXPECT_EQ(window().text(combo), u"1000") << "the focused box did not take the wheel";
}

}  // namespace
