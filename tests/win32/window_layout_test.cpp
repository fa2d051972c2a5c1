// What the window looks like: fonts that fit, the banner, the opening place, the density.
#include "tests/win32/window_fixture.h"

#include "calc/input_checks.h"
#include "win32/banner.h"
#include "win32/line_breaks.h"

#include <algorithm>
#include <functional>
#include <ostream>
#include <set>
#include <vector>

namespace form {
void PrintTo(const Rect& box, std::ostream* out) {
  *out << box.width << "x" << box.height << " at (" << box.left << ", " << box.top << ")";
}
}  // namespace form

namespace {

using form::Field;

form::Rect clientBox(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return {0, 0, client.right, client.bottom};
}

// Measures in the control's own font, as it draws itself.
bool inFontOf(HWND hwnd, const std::function<bool(HDC)>& test) {
  HDC dc = GetDC(hwnd);
  HGDIOBJ before =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd, WM_GETFONT, 0, 0)));
  const bool result = test(dc);
  SelectObject(dc, before);
  ReleaseDC(hwnd, dc);
  return result;
}

std::u16string textOf(HWND control) {
  std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, u'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
  return text;
}

int widthOf(HDC dc, std::u16string_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()),
                        static_cast<int>(text.size()), &size);
  return size.cx;
}

// The message line's lines hold the whole message, each no wider than the box, and all of
// them fit its height.
bool wrapsWhole(HDC dc, std::u16string_view message, const form::Rect& box) {
  const std::vector<std::u16string_view> lines = win32::wrappedLines(dc, message, box.width);
  std::u16string joined;
  for (std::u16string_view line : lines) {
    if (widthOf(dc, line) > box.width) return false;
    joined += line;
  }
  const win32::LinePitch pitch = win32::linePitch(dc, calc::everyMessage());
  return joined == message && win32::heightOf(pitch, lines.size()) <= box.height;
}

void expectEveryTextFits(win32::QelmarForm& window) {
  for (Field field : form::allFields()) {
    if (field == Field::Label1) continue;
    // The caption label comes just before its field, which is how a screen reader names it.
    HWND label = GetWindow(window.control(field).hwnd(), GW_HWNDPREV);
    const std::u16string caption = textOf(label);
    const int width = clientBox(label).width;
    EXPECT_TRUE(inFontOf(label, [&](HDC dc) { return widthOf(dc, caption) <= width; }))
        << "caption of row " << form::rowIndex(field);
  }
  HWND line = window.control(Field::Label1).hwnd();
  for (std::u16string_view message : calc::everyMessage()) {
    window.setText(Field::Label1, std::u16string(message));
    const form::Rect box = clientBox(line);
    const std::u16string shown = window.text(Field::Label1);
    EXPECT_TRUE(inFontOf(line, [&](HDC dc) { return wrapsWhole(dc, shown, box); }))
        << "message of " << message.size() << " characters";
  }
}

TEST_F(Win32Window, EveryCaptionAndEveryMessageShowsWholeInItsBox) {
  expectEveryTextFits(window());
  EXPECT_EQ(clientBox(hwnd(Field::Label1)), (form::Rect{0, 0, 153, 25}));
}

// In the face's own glyphs, not in those of a face the system links to it: a caption label
// draws no character that its face lacks. Run again without wine's font replacements, as in
// a fresh prefix, where the system has none of Windows' Japanese user-interface faces.
TEST_F(Win32Window, ItsFontHasAGlyphForEveryCharacterTheWindowShows) {
  std::u16string shown = u"0123456789-";  // the results' figures
  for (const form::Row& row : form::windowRows()) {
    shown += row.text;
    for (std::u16string_view item : row.items) shown += item;
    if (row.caption) shown += row.caption->caption;
  }
  for (std::u16string_view message : calc::everyMessage()) shown += message;
  HWND field = hwnd(Field::口座残高text);
  std::vector<WORD> glyphs(shown.size());
  std::wstring face(LF_FACESIZE, L'\0');
  EXPECT_TRUE(inFontOf(field, [&](HDC dc) {
    const int length = GetTextFaceW(dc, LF_FACESIZE, face.data());  // with its null
    face.resize(static_cast<std::size_t>(std::max(length - 1, 0)));
    return GetGlyphIndicesW(dc, reinterpret_cast<const wchar_t*>(shown.data()),
                            static_cast<int>(shown.size()), glyphs.data(),
                            GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR;
  }));
  std::u16string missing;
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (glyphs[i] == 0xFFFF && missing.find(shown[i]) == std::u16string::npos) missing += shown[i];
  }
  EXPECT_EQ(missing.size(), 0u) << "the face " << std::string(face.begin(), face.end())
                                << " lacks " << missing.size() << " of them";
}

TEST_F(Win32Window, NoControlSetsAFontOfItsOwn) {
  const auto fontOf = [](HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  };
  const HFONT windowFont = fontOf(hwnd(Field::口座残高text));
  EXPECT_NE(windowFont, nullptr);
  for (const form::Row& row : form::windowRows()) {
    if (row.kind == form::Kind::Picture || row.kind == form::Kind::Line) continue;
    EXPECT_EQ(fontOf(hwnd(row.control)), windowFont) << form::rowIndex(row.control);
    if (row.caption) {
      EXPECT_EQ(fontOf(GetWindow(hwnd(row.control), GW_HWNDPREV)), windowFont)
          << "caption of row " << form::rowIndex(row.control);
    }
  }
}

TEST_F(Win32Window, TheBannerShowsAtItsOwnSize) {
  EXPECT_EQ(window().control<win32::Banner>(form::Element::Image1).pictureSize().cx, 537);
  EXPECT_EQ(window().control<win32::Banner>(form::Element::Image1).pictureSize().cy, 45);
  EXPECT_EQ(clientBox(hwnd(form::Element::Image1)), (form::Rect{0, 0, 537, 45}));
}

// The colours of the picture the banner shows.
std::set<COLORREF> coloursShown(HWND banner) {
  auto picture = reinterpret_cast<HBITMAP>(SendMessageW(banner, STM_GETIMAGE, IMAGE_BITMAP, 0));
  BITMAP size{};
  GetObjectW(picture, sizeof size, &size);
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = size.bmWidth;
  format.bmiHeader.biHeight = -size.bmHeight;  // top down
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<COLORREF> pixels(static_cast<std::size_t>(size.bmWidth) * size.bmHeight);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, picture, 0, size.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return {pixels.begin(), pixels.end()};
}

void moveToDensity(HWND window, int dotsPerInch) {
  RECT suggested{100, 100, 1200, 700};
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dotsPerInch, dotsPerInch),
               reinterpret_cast<LPARAM>(&suggested));
}

// Scaled by nearest neighbour: no colour appears that the picture's 32 grey levels lack.
TEST_F(Win32Window, TheBannerScalesWithoutBlur) {
  HWND banner = hwnd(form::Element::Image1);
  const std::set<COLORREF> own = coloursShown(banner);
  EXPECT_LE(own.size(), 32u);
  for (int dotsPerInch : {144, 192}) {
    moveToDensity(window().hwnd(), dotsPerInch);
    const std::set<COLORREF> scaled = coloursShown(banner);
    EXPECT_TRUE(std::includes(own.begin(), own.end(), scaled.begin(), scaled.end()))
        << dotsPerInch << " dpi: " << scaled.size() << " colours";
  }
  EXPECT_EQ(clientBox(banner), (form::Rect{0, 0, 1074, 90}));
}

TEST_F(Win32Window, ItOpensAtItsPlaceWhollyInsideTheWorkArea) {
  POINT origin{0, 0};
  ClientToScreen(window().hwnd(), &origin);
  EXPECT_EQ(origin.x, 138);
  EXPECT_EQ(origin.y, 159);
  EXPECT_EQ(clientBox(window().hwnd()), (form::Rect{0, 0, 553, 233}));
  RECT frame{};
  GetWindowRect(window().hwnd(), &frame);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window().hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
  RECT inside{};
  IntersectRect(&inside, &frame, &monitor.rcWork);
  EXPECT_TRUE(EqualRect(&inside, &frame));
}

// Each control's box on its window, the closed combo boxes' included.
form::Rect boxOnWindow(HWND control) {
  RECT box{};
  GetWindowRect(control, &box);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
  return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

TEST_F(Win32Window, EveryBoxIsWhereTheTablePutsItAtEveryDensity) {
  for (int dotsPerInch : {96, 144, 192}) {
    if (dotsPerInch != 96) moveToDensity(window().hwnd(), dotsPerInch);
    for (const form::Row& row : form::windowRows()) {
      HWND control = hwnd(row.control);
      EXPECT_EQ(boxOnWindow(control), form::pixels(row.box, dotsPerInch))
          << dotsPerInch << " dpi, row " << form::rowIndex(row.control);
      if (row.caption) {
        EXPECT_EQ(boxOnWindow(GetWindow(control, GW_HWNDPREV)),
                  form::pixels(row.caption->box, dotsPerInch))
            << dotsPerInch << " dpi, caption of row " << form::rowIndex(row.control);
      }
    }
  }
}

// As a monitor of 150 % would: every box, the banner and the font scaled.
TEST_F(Win32Window, AMoveToADenserMonitorScalesEverything) {
  moveToDensity(window().hwnd(), 144);
  EXPECT_EQ(clientBox(window().hwnd()), (form::Rect{0, 0, 830, 350}));
  EXPECT_EQ(clientBox(hwnd(form::Element::Image1)), (form::Rect{0, 0, 806, 68}));
  EXPECT_EQ(clientBox(hwnd(Field::Label1)), (form::Rect{0, 0, 230, 38}));
  expectEveryTextFits(window());
}

}  // namespace
