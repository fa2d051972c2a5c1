#pragma once

#include "tools/drive/window.h"
#include "tools/drive/win32/remote_program.h"

#include <memory>

namespace drive {

// The Win32 window as the driver plays it: the program a user installs, running in a
// process of its own, played with the messages that mouse clicks and key presses send its
// controls.
class Win32Window final : public Window {
 public:
  explicit Win32Window(std::wstring program);  // with a fresh window open

  void reset() override;
  void type(form::Field field, std::u16string_view text) override;
  std::string pick(form::Field combo, std::size_t index) override;
  void click() override;
  void press(Key key) override;
  bool grab(const std::string& path) override;

  void settle() override;
  std::u16string text(form::Field field) const override;
  std::optional<form::Control> focus() const override;

 private:
  HWND controlOf(form::Control control) const;
  // Where the keys of a field go: a text box, or a combo box's edit part.
  HWND keyWindowOf(form::Field field) const;
  HWND focusedWindow() const;

  std::wstring program_;
  std::unique_ptr<RemoteProgram> running_;
};

}  // namespace drive
