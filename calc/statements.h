#pragma once

#include <bitset>
#include <exception>
#include <optional>
#include <utility>

#include "calc/fields.h"
#include "numeric/numeric_error.h"

namespace calc {

// Statement-level continuation for the click handler: a statement that raises is
// abandoned (so it must assign only at its end) and the run goes on with the next one.
// The runner remembers which numbered statements failed and which inputs could not be
// read as numbers, for the rule that withholds results computed from nothing.
class Statements {
 public:
  static constexpr int kMaxNumber = 50;

  template <class Body>
  void operator()(int number, Body&& body) {
    try {
      std::forward<Body>(body)();
    } catch (const std::exception&) {
      recordFailure(number);
    }
  }

  // Reads an input; a type mismatch there marks the field as unreadable.
  template <class Body>
  void read(int number, Field field, Body&& body) {
    try {
      std::forward<Body>(body)();
    } catch (const std::exception& error) {
      recordFailure(number);
      if (kindOf(error) == numeric::ErrorKind::TypeMismatch) unreadable_.set(index(field));
    }
  }

  // If test Then: a test that raises counts as true, so the then-part runs.
  template <class Test, class Then>
  void when(int number, Test&& test, Then&& then) {
    if (holds(number, std::forward<Test>(test))) std::forward<Then>(then)();
  }

  // If test Then Else: after the then-part, failed or not, the else-part is skipped.
  template <class Test, class Then, class Else>
  void when(int number, Test&& test, Then&& then, Else&& otherwise) {
    if (holds(number, std::forward<Test>(test))) {
      std::forward<Then>(then)();
    } else {
      std::forward<Else>(otherwise)();
    }
  }

  bool failed(int number) const { return failed_.test(static_cast<std::size_t>(number)); }
  bool anyFailedIn(int first, int last) const;
  bool unreadable(Field field) const { return unreadable_.test(index(field)); }

 private:
  template <class Test>
  bool holds(int number, Test&& test) {
    try {
      return std::forward<Test>(test)();
    } catch (const std::exception&) {
      recordFailure(number);
      return true;
    }
  }

  static std::size_t index(Field field) { return static_cast<std::size_t>(field); }
  // The kind of a numeric error; nothing for any other failure (a field that could not be
  // read or written, a procedure that failed for another reason).
  static std::optional<numeric::ErrorKind> kindOf(const std::exception& error);
  void recordFailure(int number) { failed_.set(static_cast<std::size_t>(number)); }

  std::bitset<kMaxNumber + 1> failed_;
  std::bitset<kFieldCount> unreadable_;
};

}  // namespace calc
