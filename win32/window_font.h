#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

namespace win32 {

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The font `face` at `pixels` to the em, as the window makes it: with Japanese characters.
Font fontOf(const std::wstring& face, int pixels);

// The one font of the window on a screen of `dotsPerInch`: the window face (windowFace) at the largest
// size from 10 pixels at 96 dpi (scaled with the density) down to 8 at which every caption
// fits its label's width and every message the message line's box (the smallest if none).
Font makeWindowFont(int dotsPerInch);

// Whether the texts fit their boxes in `font`, measured in the resolved face.
bool captionsFit(HFONT font, int dotsPerInch);
bool messagesFit(HFONT font, int dotsPerInch);

}  // namespace win32
