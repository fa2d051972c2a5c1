#pragma once

#include <string>

#include "form/field.h"
#include "form/window_table.h"
#include "numeric/format.h"

namespace calc {

// The handlers name the window's fields, their start texts and list items as the window
// table does.
using form::allFields;
using form::comboItems;
using form::Field;
using form::fieldName;
using form::isInput;
using form::kCrossYen;
using form::kDollarAccount;
using form::kDollarStraight;
using form::kFieldCount;
using form::kUnits1000;
using form::kUnits10000;
using form::kYenAccount;
using form::resultFields;
using form::startText;

// Every money amount the window shows, the balance and four of the results.
inline constexpr numeric::Pattern kAmountPattern = numeric::Pattern::Grouped2;

// The window's field texts as the handlers see them: all they may do to the window is read
// and replace a field's text (a text box, a combo box's edit part, the message line's
// caption).
class FieldTexts {
 public:
  virtual std::u16string text(Field field) const = 0;
  virtual void setText(Field field, std::u16string text) = 0;

 protected:
  ~FieldTexts() = default;
};

}  // namespace calc
