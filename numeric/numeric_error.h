#pragma once

#include <exception>

namespace numeric {

enum class ErrorKind { TypeMismatch, Overflow, DivisionByZero };

// The one failure of a conversion or of arithmetic; it never carries text the user sees.
class NumericError : public std::exception {
 public:
  explicit NumericError(ErrorKind kind) noexcept : kind_(kind) {}
  ErrorKind kind() const noexcept { return kind_; }
  const char* what() const noexcept override;

 private:
  ErrorKind kind_;
};

}  // namespace numeric
