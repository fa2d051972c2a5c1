#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "calc/field_texts.h"
#include "calc/normalization.h"
#include "form/window_table.h"

namespace qelmar_test {

// The window's texts without the window: every field starts with its start text.
class MemoryFields final : public calc::FieldTexts {
 public:
  MemoryFields() {
    for (form::Field field : form::allFields()) texts_[form::index(field)] = form::startText(field);
  }
  std::u16string text(form::Field field) const override { return texts_[form::index(field)]; }
  void setText(form::Field field, std::u16string text) override {
    texts_[form::index(field)] = std::move(text);
  }

 private:
  std::array<std::u16string, form::kFieldCount> texts_;
};

// What a trader types or picks, field by field, in order.
using Edits = std::vector<std::pair<form::Field, std::u16string>>;

// The fields as start-up leaves them (the start texts normalised), then the edits.
inline MemoryFields startedWith(const Edits& edits) {
  MemoryFields fields;
  calc::normalizeInputs(fields);
  for (const auto& [field, text] : edits) fields.setText(field, text);
  return fields;
}

}  // namespace qelmar_test
