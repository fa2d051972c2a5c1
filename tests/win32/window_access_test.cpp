// What a user of assistive technology, of an input method or of a mouse wheel meets.
#include "tests/win32/window_fixture.h"

#include <imm.h>
#include <oleacc.h>

#include <string>

#include "tests/support/window_as_met.h"
#include "win32/combo_box.h"

namespace {

using form::Field;

// The name a screen reader gives the control, through Microsoft Active Accessibility.
std::u16string accessibleName(HWND hwnd) {
  IAccessible* accessible = nullptr;
  // MinGW's IID_IAccessible links to an import thunk, not to the interface's ID.
  const HRESULT found = AccessibleObjectFromWindow(hwnd, OBJID_CLIENT, __uuidof(IAccessible),
                                                   reinterpret_cast<void**>(&accessible));
  if (FAILED(found)) {
    const std::string code = std::to_string(static_cast<unsigned long>(found));
    return u"(no accessible object: " + std::u16string(code.begin(), code.end()) + u")";
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::u16string text;
  if (accessible->get_accName(self, &name) == S_OK && name != nullptr) {
    text.assign(name, name + SysStringLen(name));
    SysFreeString(name);
  }
  accessible->Release();
  return text;
}

// Also the edit part of a combo box, which has the focus on the box's behalf.
TEST_F(Win32Window, AScreenReaderNamesEveryFieldByTheCaptionBesideIt) {
  CoInitialize(nullptr);
  for (const qelmar_test::FieldAsMet& shown : qelmar_test::kFieldsAsMet) {
    EXPECT_EQ(accessibleName(hwnd(shown.field)), shown.caption)
        << "row " << form::rowIndex(shown.field);
    EXPECT_EQ(accessibleName(keyWindow(shown.field)), shown.caption)
        << "keys of row " << form::rowIndex(shown.field);
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
