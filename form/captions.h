#pragma once

#include "calc/fields.h"

#include <span>
#include <string_view>

namespace form {

// A caption label: the field it names, the label's own name, and the caption the user
// reads (also the name a screen reader gives the field).
struct Caption {
  calc::Field field;
  std::u16string_view label;
  std::u16string_view caption;
};

// The eighteen caption labels, input column then result column.
std::span<const Caption> captions();

// The caption label beside a field; every field but Label1 has one.
const Caption& captionOf(calc::Field field);

}  // namespace form
