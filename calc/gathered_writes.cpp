#include "calc/gathered_writes.h"

#include <utility>

#include "form/window_table.h"

namespace calc {

using form::Field;
using form::allFields;

std::u16string GatheredWrites::text(Field field) const {
  const auto& written = written_[form::index(field)];
  return written ? *written : window_.text(field);
}

void GatheredWrites::setText(Field field, std::u16string text) {
  written_[form::index(field)] = std::move(text);
}

void GatheredWrites::apply() {
  for (Field field : allFields()) {
    auto& written = written_[form::index(field)];
    if (written && *written != window_.text(field)) window_.setText(field, std::move(*written));
    written.reset();
  }
}

}  // namespace calc
