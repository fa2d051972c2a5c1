// What a user of assistive technology, of an input method or of a mouse wheel meets.
#include "tests/win32/window_fixture.h"

#include <imm.h>
#include <oleacc.h>

#include <string>

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

// Each field as a user meets it: the caption a screen reader names it by, and whether
// typing there gives half-width characters whatever the input method.
struct FieldAsMet {
  Field field;
  std::u16string_view caption;
  bool inputMethodOff;
};
constexpr FieldAsMet kFields[] = {
    {Field::口座残高text, u"口座残高", true},
    {Field::口座種別Combo, u"口座種別", false},
    {Field::取引通貨Combo, u"取引通貨", false},
    {Field::現在のUSDJYPレートtext, u"現在のUSDJPYレート", true},
    {Field::現在の取引通貨レートtext, u"現在の取引通貨レート", true},
    {Field::通貨単位Combo, u"通貨単位", false},
    {Field::レバレッジtext, u"レバレッジ", true},
    {Field::購入比率text, u"購入比率", true},
    {Field::運用オーダー数text, u"運用オーダー数", true},
    {Field::強制ロスカット証拠金維持率text, u"強制ロスカット証拠金維持率", true},
    {Field::オーダーの適正ロットtext, u"1オーダーの適正ロット", false},
    {Field::ポジション必要証拠金text, u"ポジション必要証拠金", false},
    {Field::オーダー時の有効証拠金text, u"余剰証拠金", false},
    {Field::PIPSあたりの損益額text, u"1PIPSあたりの損益額", false},
    {Field::許容含み損text, u"許容含み損", false},
    {Field::ロスカットまでの余力PIPStext, u"ロスカットまでの余力PIPS", false},
    {Field::ロスカット到達レート買text, u"ロスカット到達レート（買）", false},
    {Field::ロスカット到達レート売text, u"ロスカット到達レート（売）", false},
};

// Also the edit part of a combo box, which has the focus on the box's behalf.
TEST_F(Win32Window, AScreenReaderNamesEveryFieldByTheCaptionBesideIt) {
  CoInitialize(nullptr);
  for (const FieldAsMet& shown : kFields) {
    EXPECT_EQ(accessibleName(hwnd(shown.field)), shown.caption)
        << "row " << form::rowIndex(shown.field);
    EXPECT_EQ(accessibleName(keyWindow(shown.field)), shown.caption)
        << "keys of row " << form::rowIndex(shown.field);
  }
  CoUninitialize();
}

TEST_F(Win32Window, TheInputMethodIsOffOnlyInTheSevenNumericInputs) {
  for (const FieldAsMet& shown : kFields) {
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
