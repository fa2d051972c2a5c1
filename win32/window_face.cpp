#include "win32/window_face.h"

#include "calc/input_checks.h"
#include "form/window_table.h"
#include "win32/window_font.h"

#include <algorithm>
#include <array>
#include <vector>

namespace win32 {
namespace {

// Windows' own Japanese user-interface faces, in the window's order of preference. Without
// the Japanese supplemental fonts Windows 10 keeps Yu Gothic UI; wine has none of them
// unless its font replacements map them to a face it has.
constexpr std::array kUserInterfaceFaces{L"Meiryo UI", L"Yu Gothic UI", L"MS UI Gothic"};

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool systemHas(const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  return found;
}

// Faces drawn for vertical writing carry an '@' before their names.
int CALLBACK noteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM faces) {
  if (font->lfFaceName[0] != L'@') {
    reinterpret_cast<std::vector<std::wstring>*>(faces)->emplace_back(font->lfFaceName);
  }
  return 1;
}

// Every face of the system with Japanese characters, by name.
std::vector<std::wstring> japaneseFaces() {
  LOGFONTW wanted{};
  wanted.lfCharSet = SHIFTJIS_CHARSET;
  std::vector<std::wstring> faces;
  HDC dc = GetDC(nullptr);
  EnumFontFamiliesExW(dc, &wanted, noteFace, reinterpret_cast<LPARAM>(&faces), 0);
  ReleaseDC(nullptr, dc);
  std::ranges::sort(faces);
  faces.erase(std::ranges::unique(faces).begin(), faces.end());
  return faces;
}

// Measured in the font the window makes of the face, not in one the system links to it. A
// face has the same glyphs at every size.
bool hasEveryGlyph(const std::wstring& face, std::u16string_view characters) {
  const Font font = fontOf(face, 16);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ before = SelectObject(dc, font.get());
  std::vector<WORD> glyphs(characters.size());
  const DWORD converted =
      GetGlyphIndicesW(dc, reinterpret_cast<const wchar_t*>(characters.data()),
                       static_cast<int>(characters.size()), glyphs.data(),
                       GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, before);
  DeleteDC(dc);
  return converted != GDI_ERROR && std::ranges::find(glyphs, WORD{0xFFFF}) == glyphs.end();
}

// Some more than once.
std::u16string everyCharacterShown() {
  std::u16string shown = u"0123456789-";
  for (const form::Row& row : form::windowRows()) {
    shown += row.text;
    for (std::u16string_view item : row.items) shown += item;
    if (row.caption) shown += row.caption->caption;
  }
  for (std::u16string_view message : calc::everyMessage()) shown += message;
  return shown;
}

}  // namespace

std::wstring windowFace() {
  const std::u16string characters = everyCharacterShown();
  for (const wchar_t* face : kUserInterfaceFaces) {
    if (systemHas(face) && hasEveryGlyph(face, characters)) return face;
  }
  for (const std::wstring& face : japaneseFaces()) {
    if (hasEveryGlyph(face, characters)) return face;
  }
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return metrics.lfMessageFont.lfFaceName;
}

}  // namespace win32
