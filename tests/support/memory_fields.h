#pragma once

#include <array>
#include <string>

#include "calc/fields.h"

namespace qelmar_test {

// The window's texts without the window: every field starts with its start text.
class MemoryFields final : public calc::Fields {
 public:
  MemoryFields() {
    for (calc::Field field : calc::allFields()) texts_[index(field)] = calc::startText(field);
  }
  std::u16string text(calc::Field field) const override { return texts_[index(field)]; }
  void setText(calc::Field field, std::u16string text) override {
    texts_[index(field)] = std::move(text);
  }

 private:
  static std::size_t index(calc::Field field) { return static_cast<std::size_t>(field); }
  std::array<std::u16string, calc::kFieldCount> texts_;
};

}  // namespace qelmar_test
