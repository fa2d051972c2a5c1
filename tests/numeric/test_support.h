#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "numeric/currency.h"
#include "numeric/numeric_error.h"

namespace numeric {

// Failures show the stored integer rather than raw bytes.
inline void PrintTo(Currency value, std::ostream* out) {
  *out << value.scaled() << "e-" << Currency::kDecimals;
}

inline std::string narrow(std::u16string_view text) {
  std::string out;
  for (const char16_t unit : text) {
    if (unit >= 0x20 && unit < 0x7F) {
      out += static_cast<char>(unit);
    } else {
      out += "\\u{" + std::to_string(unit) + "}";
    }
  }
  return out;
}

// Expects `operation` to raise a numeric error of `kind`.
template <class Operation>
void expectError(ErrorKind kind, Operation operation, const std::string& context) {
  try {
    operation();
    ADD_FAILURE() << context << ": no error";
  } catch (const NumericError& error) {
    EXPECT_EQ(error.kind(), kind) << context;
  }
}

}  // namespace numeric
