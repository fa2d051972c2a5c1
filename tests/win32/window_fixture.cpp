#include "tests/win32/window_fixture.h"

#include <commctrl.h>

#include "win32/combo_box.h"

void Win32Window::SetUp() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  window_ = win32::QelmarForm::open();
  settle();
}

void Win32Window::settle() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

HWND Win32Window::keyWindow(form::Control control) {
  if (form::rowOf(control).kind == form::Kind::ComboBox) {
    return window_->control<win32::ComboBox>(control).editPart();
  }
  return hwnd(control);
}
