#pragma once

#include "calc/fields.h"

#include <span>
#include <string_view>

namespace form {

// A caption label: its name, the caption the user reads, and the field it names.
struct Caption {
  std::u16string_view label;
  std::u16string_view caption;
  calc::Field field;
};

// The eighteen caption labels, input column then result column.
std::span<const Caption> captions();

// The row of one caption label; the label must be in the table.
const Caption& captionOf(std::u16string_view label);

}  // namespace form
