// What the message line paints: each message broken at the line's width, as many lines as
// it needs, stacked in its box.
#include "tests/win32/window_fixture.h"

#include <algorithm>
#include <map>
#include <vector>

#include "calc/input_checks.h"
#include "tools/drive/win32/screen_copy.h"

namespace {

using form::Field;

// How far to the right each line of ink reaches, in the order the lines stand: a line is a
// run of pixel rows with ink, ink is whatever differs from the box's commonest colour.
std::vector<int> inkLineEnds(const drive::ScreenPixels& box) {
  std::map<std::uint32_t, int> counts;
  for (std::uint32_t pixel : box.rows) ++counts[pixel];
  const std::uint32_t ground =
      std::ranges::max_element(counts, {}, [](const auto& count) { return count.second; })->first;
  std::vector<int> ends;
  bool inLine = false;
  for (int y = 0; y < box.height; ++y) {
    int end = 0;
    for (int x = 0; x < box.width; ++x) {
      if (box.at(x, y) != ground) end = x + 1;
    }
    if (end > 0 && !inLine) ends.push_back(0);
    if (end > 0) ends.back() = std::max(ends.back(), end);
    inLine = end > 0;
  }
  return ends;
}

// Every line but a message's last is full: the next character would not have fitted.
TEST_F(Win32Window, TheMessageLineBreaksEachMessageAtItsWidth) {
  HWND line = hwnd(Field::Label1);
  std::size_t mostLines = 0;
  for (std::u16string_view message : calc::everyMessage()) {
    window().setText(Field::Label1, std::u16string(message));
    UpdateWindow(line);
    settle();
    const drive::ScreenPixels shown = drive::screenAtRest(line);

    const std::vector<int> ends = inkLineEnds(shown);
    ASSERT_FALSE(ends.empty()) << "nothing shown of a message of " << message.size();
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
      EXPECT_GT(ends[i], shown.width * 9 / 10) << "line " << i << " of " << message.size();
    }
    mostLines = std::max(mostLines, ends.size());
  }
  EXPECT_EQ(mostLines, 2u);
}

}  // namespace
