#pragma once

#include <exception>

namespace numeric {

// The three ways a conversion or an arithmetic operation can fail: a text that is no
// number, a result outside its type's range, a zero divisor.
enum class ErrorKind { TypeMismatch, Overflow, DivisionByZero };

// The only exception this library raises. It never carries text the user sees: the caller
// only learns that the operation produced nothing, and of which kind the failure was.
class NumericError : public std::exception {
 public:
  explicit NumericError(ErrorKind kind) noexcept : kind_(kind) {}
  ErrorKind kind() const noexcept { return kind_; }
  const char* what() const noexcept override;

 private:
  ErrorKind kind_;
};

}  // namespace numeric
