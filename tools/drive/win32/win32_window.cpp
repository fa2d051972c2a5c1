#include "tools/drive/win32/win32_window.h"

#include "tools/drive/utf.h"
#include "tools/drive/win32/combo_parts.h"
#include "tools/drive/win32/png_grab.h"
#include "tools/drive/win32/remote_input.h"
#include "win32/control_ids.h"

#include <utility>

namespace drive {

Win32Window::Win32Window(std::wstring program) : program_(std::move(program)) { reset(); }

void Win32Window::reset() {
  running_.reset();
  running_ = std::make_unique<RemoteProgram>(program_);
}

HWND Win32Window::controlOf(form::Control control) const {
  return GetDlgItem(running_->window(), win32::controlId(form::rowIndex(control)));
}

HWND Win32Window::keyWindowOf(form::Field field) const {
  HWND control = controlOf(field);
  if (form::rowOf(field).kind != form::Kind::ComboBox) return control;
  return partsOf(control).edit;
}

HWND Win32Window::focusedWindow() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(running_->thread(), &info)) return nullptr;
  return info.hwndFocus;
}

// Clicked into, its text selected, and typed over.
void Win32Window::type(form::Field field, std::u16string_view text) {
  HWND keys = keyWindowOf(field);
  clickCentre(keys);
  SendMessageW(keys, EM_SETSEL, 0, -1);
  if (text.empty()) {
    pressKey(keys, VK_DELETE, 0);
  } else {
    typeUnits(keys, text);
  }
}

void Win32Window::click() { clickCentre(controlOf(form::Element::計算)); }

void Win32Window::press(Key key) {
  struct Press {
    UINT virtualKey;
    wchar_t character;
  };
  static constexpr Press kPresses[] = {
      {VK_TAB, L'\t'}, {VK_TAB, L'\t'}, {VK_RETURN, L'\r'}, {VK_ESCAPE, 0x1B}};
  const Press press = kPresses[static_cast<std::size_t>(key)];
  HWND focused = focusedWindow();
  HWND target = focused != nullptr ? focused : running_->window();
  if (key == Key::ShiftTab) {
    pressKeyWithShift(target, running_->thread(), press.virtualKey, press.character);
  } else {
    pressKey(target, press.virtualKey, press.character);
  }
}

bool Win32Window::grab(const std::string& path) {
  const std::optional<std::u16string> name = fromUtf8(path);
  return name && grabClientArea(running_->window(), std::wstring(name->begin(), name->end()));
}

// Every message a handler sent or posted on its way has been handled once the window
// answers one that comes after them.
void Win32Window::settle() {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(running_->window(), WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
}

std::u16string Win32Window::text(form::Field field) const { return textOf(controlOf(field)); }

// A combo box's edit part has the focus on the box's behalf.
std::optional<form::Control> Win32Window::focus() const {
  HWND focused = focusedWindow();
  if (focused == nullptr || GetAncestor(focused, GA_ROOT) != running_->window()) return {};
  for (HWND control = focused; control != running_->window(); control = GetParent(control)) {
    if (const auto row = win32::rowOfControlId(GetDlgCtrlID(control))) {
      return form::windowRows()[*row].control;
    }
  }
  return {};
}

}  // namespace drive
