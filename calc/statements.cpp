#include "calc/statements.h"

namespace calc {

bool Statements::anyFailedIn(Statement first, Statement last) const {
  for (std::size_t number = index(first); number <= index(last); ++number) {
    if (failed_.test(number)) return true;
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
