#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/field_texts.h"

namespace calc {

// The texts a handler writes, held back from the window until it has finished, so that
// assistive technology hears each field's outcome once and never a text that the same
// handler wrote and then replaced. Reads see the handler's own earlier writes.
class GatheredWrites final : public FieldTexts {
 public:
  explicit GatheredWrites(FieldTexts& window) : window_(window) {}

  std::u16string text(form::Field field) const override;
  void setText(form::Field field, std::u16string text) override;

  // Writes each field's last text to the window, in window order, skipping a field that
  // already holds it; then holds nothing.
  void apply();

 private:
  FieldTexts& window_;
  std::array<std::optional<std::u16string>, form::kFieldCount> written_;
};

}  // namespace calc
