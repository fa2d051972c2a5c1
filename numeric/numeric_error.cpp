#include "numeric/numeric_error.h"

namespace numeric {

const char* NumericError::what() const noexcept {
  switch (kind_) {
    case ErrorKind::TypeMismatch:
      return "type mismatch";
    case ErrorKind::Overflow:
      return "overflow";
    case ErrorKind::DivisionByZero:
      return "division by zero";
  }
  return "numeric error";
}

}  // namespace numeric
