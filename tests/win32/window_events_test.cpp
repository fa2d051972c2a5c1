// What scenario files cannot see of the events: the selection a pick leaves, Tab pressed in
// every control, what a screen reader is told of a press.
#include "tests/win32/window_fixture.h"

#include <string>
#include <utility>
#include <vector>

#include "tests/support/window_as_met.h"

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


// Tab, or Shift+Tab, as typed where the focus is.
void pressTab(bool withShift) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = withShift ? 0x80 : 0;
  SetKeyboardState(keys);
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, VK_TAB, 1);
  PostMessageW(focus, WM_KEYUP, VK_TAB, 0xC0000001);
  Win32Window::settle();
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

// Pressed where the keys go, a combo box's edit part included, and wrapping at both ends.
TEST_F(Win32Window, TabAndShiftTabMoveFromEveryStopToTheNextOne) {
  const std::size_t count = std::size(qelmar_test::kTabStops);
  for (std::size_t i = 0; i < count; ++i) {
    for (const bool backwards : {false, true}) {
      const form::Control to = qelmar_test::kTabStops[(i + (backwards ? count - 1 : 1)) % count];
      SetFocus(keyWindow(qelmar_test::kTabStops[i]));
      pressTab(backwards);
      EXPECT_EQ(GetFocus(), keyWindow(to))
          << (backwards ? "Shift+Tab" : "Tab") << " from row " << form::rowIndex(qelmar_test::kTabStops[i]);
    }
  }
}

// The alerts raised by the message line (a hook's procedure takes nothing of the caller's).
HWND alerting = nullptr;
int alertsHeard = 0;

void CALLBACK hearAlert(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND hwnd, LONG object,
                        LONG child, DWORD /*thread*/, DWORD /*time*/) {
  if (hwnd == alerting && object == OBJID_CLIENT && child == CHILDID_SELF) ++alertsHeard;
}

// A press that leaves a message raises one alert, the same message as the last press's
// included (its text does not change, but the fault stands); a sound press raises none.
TEST_F(Win32Window, EveryPressThatLeavesAMessageIsAnnouncedOnceAsAnAlert) {
  struct Press {
    const char* name;
    std::vector<std::pair<Field, std::u16string>> edits;
    int alerts;
  };
  const Press presses[] = {
      {"a press that fails", {}, 1},
      {"the same press again", {}, 1},
      {"a sound press",
       {{Field::口座種別Combo, u"円"}, {Field::取引通貨Combo, u"クロス円"}, {Field::通貨単位Combo, u"1000"}},
       0},
      {"a press that fails otherwise", {{Field::レバレッジtext, u""}}, 1},
  };
  alerting = hwnd(Field::Label1);
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr,
                                       hearAlert, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  for (const Press& press : presses) {
    for (const auto& [field, text] : press.edits) window().setText(field, text);
    alertsHeard = 0;
    SendMessageW(hwnd(form::Element::計算), BM_CLICK, 0, 0);
    settle();
    EXPECT_EQ(alertsHeard, press.alerts) << press.name;
  }
  UnhookWinEvent(hook);
}

}  // namespace
