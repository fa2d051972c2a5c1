#include "calc/statements.h"

namespace calc {

bool Statements::anyFailedIn(int first, int last) const {
  for (int number = first; number <= last; ++number) {
    if (failed(number)) return true;
  }
  return false;
}

std::optional<numeric::ErrorKind> Statements::kindOf(const std::exception& error) {
  if (const auto* numericError = dynamic_cast<const numeric::NumericError*>(&error)) {
    return numericError->kind();
  }
  return std::nullopt;
}

}  // namespace calc
