#pragma once

#include <string>

#include "form/field.h"

namespace calc {

// The window's field texts as the handlers see them: all they may do to the window is read
// and replace a field's text (a text box, a combo box's edit part, the message line's
// caption).
class FieldTexts {
 public:
  virtual std::u16string text(form::Field field) const = 0;
  virtual void setText(form::Field field, std::u16string text) = 0;

 protected:
  ~FieldTexts() = default;
};

}  // namespace calc
