#pragma once

#include <bitset>
#include <exception>
#include <optional>
#include <utility>

#include "form/field.h"
#include "calc/statement_list.h"
#include "numeric/numeric_error.h"

namespace calc {

// Statement-level continuation for the click handler: a statement that raises is
// abandoned (so it must assign only at its end) and the run goes on with the next one.
// The runner remembers which numbered statements failed and which inputs could not be
// read as numbers, for the rule that withholds results computed from nothing.
class Statements {
 public:
  template <class Body>
  void operator()(Statement statement, Body&& body) {
    try {
      std::forward<Body>(body)();
    } catch (const std::exception&) {
      recordFailure(statement);
    }
  }

  // Reads an input; a type mismatch there marks the field as unreadable.
  template <class Body>
  void read(Statement statement, form::Field field, Body&& body) {
    try {
      std::forward<Body>(body)();
    } catch (const std::exception& error) {
      recordFailure(statement);
      if (kindOf(error) == numeric::ErrorKind::TypeMismatch) unreadable_.set(form::index(field));
    }
  }

  // If test Then: a test that raises counts as true, so the then-part runs.
  template <class Test, class Then>
  void when(Statement test, Test&& holds, Then&& then) {
    if (passes(test, std::forward<Test>(holds))) std::forward<Then>(then)();
  }

  // If test Then Else: after the then-part, failed or not, the else-part is skipped.
  template <class Test, class Then, class Else>
  void when(Statement test, Test&& holds, Then&& then, Else&& otherwise) {
    if (passes(test, std::forward<Test>(holds))) {
      std::forward<Then>(then)();
    } else {
      std::forward<Else>(otherwise)();
    }
  }

  // Whether any statement from `first` to `last`, both included, failed.
  bool anyFailedIn(Statement first, Statement last) const;
  bool unreadable(form::Field field) const { return unreadable_.test(form::index(field)); }

 private:
  template <class Test>
  bool passes(Statement test, Test&& holds) {
    try {
      return std::forward<Test>(holds)();
    } catch (const std::exception&) {
      recordFailure(test);
      return true;
    }
  }

  static std::size_t index(Statement statement) { return static_cast<std::size_t>(statement); }
  // The kind of a numeric error; nothing for any other failure (a field that could not be
  // read or written, a procedure that failed for another reason).
  static std::optional<numeric::ErrorKind> kindOf(const std::exception& error);
  void recordFailure(Statement statement) { failed_.set(index(statement)); }

  std::bitset<kStatementCount + 1> failed_;  // by statement number; 0 is no statement
  std::bitset<form::kFieldCount> unreadable_;
};

}  // namespace calc
