#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "calc/field_texts.h"
#include "form/window_table.h"
#include "win32/control.h"
#include "win32/keys.h"
#include "win32/window_font.h"

namespace win32 {

// The calculator window on Win32, made from the window table. The texts of its fields are
// the program's whole state; the handlers in calc/ read and write them through
// calc::FieldTexts.
class QelmarForm final : public calc::FieldTexts, private KeyTarget {
 public:
  // Built hidden, every control showing its start text.
  QelmarForm();
  ~QelmarForm();
  QelmarForm(const QelmarForm&) = delete;
  QelmarForm& operator=(const QelmarForm&) = delete;

  // The window as the program starts it: built, Form_Load run, then shown.
  static std::unique_ptr<QelmarForm> open(int showCommand = SW_SHOWNORMAL);

  // Runs once, after construction and before the window is first shown.
  void Form_Load();

  std::u16string text(form::Field field) const override;
  void setText(form::Field field, std::u16string text) override;

  HWND hwnd() const { return hwnd_; }
  // The control a row of the table made.
  Control& control(form::Control control) const;
  template <class Kind>
  Kind& control(form::Control control) const {
    return dynamic_cast<Kind&>(this->control(control));
  }

 private:
  static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  void command(int id, int code);
  void activate(bool active);
  void 計算_Click();
  void 取引通貨Combo_Change();

  void tabFrom(form::Control from, bool backwards) override;
  void press計算() override;
  void focus(form::Control control);

  void makeControls();
  void layOut(int dotsPerInch);
  void moveToDensity(int dotsPerInch, const RECT& suggested);

  HWND hwnd_ = nullptr;
  int dotsPerInch_ = 96;
  Font font_;
  HWND lastFocus_ = nullptr;  // given back when the window is active again
  std::array<std::unique_ptr<Control>, form::kRowCount> controls_;
  std::array<std::unique_ptr<Control>, form::kRowCount> captionLabels_;
};

}  // namespace win32
