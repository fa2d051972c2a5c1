#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "win32/qelmar_form.h"

// The window as the program opens it, in this process, for what scenario files cannot see.
class Win32Window : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { window_.reset(); }

  // Handles what the window has been sent or posted.
  static void settle();

  win32::QelmarForm& window() { return *window_; }
  HWND hwnd(form::Control control) { return window_->control(control).hwnd(); }

 private:
  std::unique_ptr<win32::QelmarForm> window_;
};
