// What the screen shows after a user's picks and keys: every box that an action leaves
// alone looks as it did before, the boxes under a combo box whole. Played at the program a
// user starts, at the density it starts with, with the system's own mouse and keyboard; the
// screen read as it stands, never after asking the window to paint.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <variant>

#include "form/window_table.h"
#include "tests/win32/system_input.h"
#include "tools/drive/utf.h"
#include "tools/drive/win32/combo_parts.h"
#include "tools/drive/win32/remote_program.h"
#include "tools/drive/win32/screen_copy.h"
#include "win32/control_ids.h"

namespace {

using form::Field;
using qelmar_test::clickMouseAt;

// Programs started while it lives start at `dotsPerInch`: wine reads the density of the
// screen from the registry as a program starts.
class DensityOfNewPrograms {
 public:
  explicit DensityOfNewPrograms(DWORD dotsPerInch) {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr);
    DWORD size = sizeof before_;
    hadOne_ = RegQueryValueExW(key_, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&before_),
                               &size) == ERROR_SUCCESS;
    set(dotsPerInch);
  }
  ~DensityOfNewPrograms() {
    if (hadOne_) {
      set(before_);
    } else {
      RegDeleteValueW(key_, kValue);
    }
    RegCloseKey(key_);
  }
  DensityOfNewPrograms(const DensityOfNewPrograms&) = delete;
  DensityOfNewPrograms& operator=(const DensityOfNewPrograms&) = delete;

 private:
  static constexpr wchar_t kValue[] = L"LogPixels";
  void set(DWORD value) {
    RegSetValueExW(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
  HKEY key_ = nullptr;
  DWORD before_ = 96;
  bool hadOne_ = false;
};

// Only the program starts at the density; the other tests' programs find it as it was.
std::unique_ptr<drive::RemoteProgram> startedAt(DWORD dotsPerInch) {
  DensityOfNewPrograms density(dotsPerInch);
  return std::make_unique<drive::RemoteProgram>(drive::besideThisProgram(L"qelmar.exe"));
}

bool waitFor(const std::function<bool()>& done) {
  for (int waited = 0; waited < 5000; waited += 10) {
    if (done()) return true;
    Sleep(10);
  }
  return done();
}

// A user at the program's window, with the system's mouse and keyboard.
class UserAtScreen {
 public:
  UserAtScreen(drive::RemoteProgram& program, int dotsPerInch)
      : program_(program), dotsPerInch_(dotsPerInch) {}

  HWND control(Field field) const {
    return GetDlgItem(program_.window(), win32::controlId(form::rowIndex(field)));
  }

  // On screen, from the window table's box in the client area.
  POINT middleOf(form::Control row) const {
    const form::Rect box = form::pixels(form::rowOf(row).box, dotsPerInch_);
    POINT point{box.left + box.width / 2, box.top + box.height / 2};
    ClientToScreen(program_.window(), &point);
    return point;
  }

  // The mouse rests on the banner, which shows nothing of where it is.
  void mouseAside() const { qelmar_test::moveMouseTo(middleOf(form::Element::Image1)); }

  // The arrow clicked, the item clicked in the list, the mouse moved aside.
  ::testing::AssertionResult pick(Field combo, std::size_t index) const {
    HWND box = control(combo);
    RECT closed{};
    GetWindowRect(box, &closed);
    const int height = closed.bottom - closed.top;
    clickMouseAt({closed.right - height / 2, closed.top + height / 2});
    if (!waitFor([&] { return SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) != 0; })) {
      return ::testing::AssertionFailure() << "the list did not open";
    }
    HWND list = drive::partsOf(box).list;
    POINT item = drive::itemCentre(list, index);
    ClientToScreen(list, &item);
    clickMouseAt(item);
    mouseAside();
    if (!waitFor([&] {
          return SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0) == 0 &&
                 SendMessageW(box, CB_GETCURSEL, 0, 0) == static_cast<LRESULT>(index);
        })) {
      return ::testing::AssertionFailure() << "the item was not picked";
    }
    return ::testing::AssertionSuccess();
  }

  ::testing::AssertionResult shiftTabInto(Field field) const {
    qelmar_test::pressKeyWithShift(VK_TAB);
    HWND keys = drive::partsOf(control(field)).edit;
    if (!waitFor([&] { return focus() == keys; })) {
      return ::testing::AssertionFailure() << "the focus did not come";
    }
    return ::testing::AssertionSuccess();
  }

 private:
  HWND focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(program_.thread(), &info) ? info.hwndFocus : nullptr;
  }

  drive::RemoteProgram& program_;
  int dotsPerInch_;
};

enum class Act { Pick, ShiftTab };

// One thing a user does at the window, and the fields whose boxes it changes.
struct Step {
  const char* what;
  Act act;
  Field field;
  std::size_t item;
  std::array<Field, 2> changed;  // the field that takes the focus, the one that loses it
};

bool inside(const form::Rect& box, int x, int y) {
  return x >= box.left && x < box.left + box.width && y >= box.top && y < box.top + box.height;
}

// The pixels of the box `twips` of row `row` that differ between two copies of the screen,
// but where a field that the step changes lies over it, a field of a later row.
int pixelsChanged(const drive::ScreenPixels& before, const drive::ScreenPixels& after,
                  std::size_t row, const form::Twips& twips, const Step& step, int dotsPerInch) {
  const form::Rect box = form::pixels(twips, dotsPerInch);
  int changed = 0;
  for (int y = box.top; y < box.top + box.height; ++y) {
    for (int x = box.left; x < box.left + box.width; ++x) {
      const bool covered = std::ranges::any_of(step.changed, [&](Field field) {
        return form::rowIndex(field) > row &&
               inside(form::pixels(form::rowOf(field).box, dotsPerInch), x, y);
      });
      if (!covered && before.at(x, y) != after.at(x, y)) ++changed;
    }
  }
  return changed;
}

// Every caption label's box and every field's, but those of the fields the step changes.
void expectUnchangedBoxesAlike(const drive::ScreenPixels& before,
                               const drive::ScreenPixels& after, const Step& step,
                               int dotsPerInch) {
  for (std::size_t row = 0; row < form::kRowCount; ++row) {
    const form::Row& shown = form::windowRows()[row];
    if (shown.caption) {
      EXPECT_EQ(pixelsChanged(before, after, row, shown.caption->box, step, dotsPerInch), 0)
          << step.what << ": " << drive::toUtf8(shown.caption->name);
    }
    const auto* field = std::get_if<Field>(&shown.control);
    if (field == nullptr || std::ranges::find(step.changed, *field) != step.changed.end()) {
      continue;
    }
    EXPECT_EQ(pixelsChanged(before, after, row, shown.box, step, dotsPerInch), 0)
        << step.what << ": " << drive::toUtf8(shown.name);
  }
}

TEST(TheScreen, ShowsTheBoxesAPickOrAKeyLeavesAloneAsBefore) {
  SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  static constexpr Step kSteps[] = {
      {"10000 picked in 通貨単位Combo", Act::Pick, Field::通貨単位Combo, 1,
       {Field::通貨単位Combo, Field::口座残高text}},
      {"ドルストレート picked in 取引通貨Combo", Act::Pick, Field::取引通貨Combo, 1,
       {Field::取引通貨Combo, Field::通貨単位Combo}},
      {"Shift+Tab into 口座種別Combo", Act::ShiftTab, Field::口座種別Combo, 0,
       {Field::口座種別Combo, Field::取引通貨Combo}},
  };
  for (int dotsPerInch : {96, 144}) {
    SCOPED_TRACE(std::to_string(dotsPerInch) + " dpi");
    const auto program = startedAt(static_cast<DWORD>(dotsPerInch));
    RECT client{};
    GetClientRect(program->window(), &client);
    ASSERT_EQ(client.right, form::pixels(form::windowBox(), dotsPerInch).width);
    const UserAtScreen user(*program, dotsPerInch);
    user.mouseAside();
    drive::ScreenPixels before = drive::screenAtRest(program->window());
    for (const Step& step : kSteps) {
      ASSERT_TRUE(step.act == Act::Pick ? user.pick(step.field, step.item)
                                        : user.shiftTabInto(step.field))
          << step.what;
      drive::ScreenPixels after = drive::screenAtRest(program->window());
      expectUnchangedBoxesAlike(before, after, step, dotsPerInch);
      before = std::move(after);
    }
  }
}

}  // namespace
