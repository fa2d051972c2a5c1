#pragma once

#include "tools/drive/window.h"

#include <memory>

namespace qt {
class QelmarForm;
}

namespace drive {

// The Qt window as the driver plays it: real key presses and mouse clicks, sent through
// Qt's test functions to the widgets of a window opened as the program opens it.
class QtWindow final : public Window {
 public:
  QtWindow();  // with a fresh window open
  ~QtWindow() override;

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
  std::unique_ptr<qt::QelmarForm> form_;
};

}  // namespace drive
