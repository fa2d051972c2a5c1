#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "form/geometry.h"

namespace win32 {

// A control of the window over its HWND; the window owns it, and Windows destroys the HWND
// with the window.
class Control {
 public:
  explicit Control(HWND hwnd) : hwnd_(hwnd) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND hwnd() const { return hwnd_; }

  std::u16string text() const;
  // Runs no handler of the program: a text set in code raises no change event.
  void setText(std::u16string_view text);
  void setFont(HFONT font);

  // Puts the control in `box`, pixels of a screen with `dotsPerInch`.
  virtual void place(const form::Rect& box, int dotsPerInch);

 private:
  HWND hwnd_;
};

// Makes a child control of `parent` with the ID `id`, showing `text`.
HWND makeChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD extendedStyle, int id,
               std::u16string_view text);

}  // namespace win32
