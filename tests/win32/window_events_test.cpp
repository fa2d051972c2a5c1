// What scenario files cannot see of the events: the selection a pick leaves.
#include "tests/win32/window_fixture.h"

namespace {

using form::Field;

TEST_F(Win32Window, APickedItemIsSelectedSoTypingReplacesItAndRunsNoHandler) {
  const Field combo = Field::取引通貨Combo;
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  GetComboBoxInfo(hwnd(combo), &parts);
  SetFocus(parts.hwndItem);
  SendMessageW(hwnd(combo), CB_SHOWDROPDOWN, TRUE, 0);
  const auto height = SendMessageW(parts.hwndList, LB_GETITEMHEIGHT, 1, 0);
  const LPARAM onSecondItem = MAKELPARAM(10, height + height / 2);
  SendMessageW(parts.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, onSecondItem);
  SendMessageW(parts.hwndList, WM_LBUTTONUP, 0, onSecondItem);

  EXPECT_EQ(window().text(combo), u"ドルストレート");
  DWORD start = 1;
  DWORD end = 0;
  SendMessageW(parts.hwndItem, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 7u);
  EXPECT_EQ(window().text(Field::現在の取引通貨レートtext), u"100.000") << "a pick ran a handler";
  SendMessageW(parts.hwndItem, WM_CHAR, L'ク', 1);
  EXPECT_EQ(window().text(combo), u"ク");
}

}  // namespace
