#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "win32/qelmar_form.h"

// The window as the program opens it, in this process, for what scenario files cannot see.
class Win32Window : public ::testing::Test {
 public:
  // Handles what the window has been sent or posted.
  static void settle();

 protected:
  void SetUp() override;
  void TearDown() override { window_.reset(); }

  win32::QelmarForm& window() { return *window_; }
  HWND hwnd(form::Control control) { return window_->control(control).hwnd(); }
  // Where the keys of a control go: a combo box types into its edit part.
  HWND keyWindow(form::Control control);

 private:
  std::unique_ptr<win32::QelmarForm> window_;
};
