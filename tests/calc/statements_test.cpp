#include "calc/statements.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "numeric/numeric_error.h"

namespace {

using calc::Field;
using calc::Statements;
using numeric::ErrorKind;
using numeric::NumericError;

[[noreturn]] void raise(ErrorKind kind) { throw NumericError(kind); }

TEST(Statements, FailingStatementStoresNothingAndTheRunGoesOn) {
  Statements run;
  int value = 7;
  run(14, [&] { value = (raise(ErrorKind::Overflow), 1); });
  int next = 0;
  run(15, [&] { next = 2; });
  EXPECT_EQ(value, 7);
  EXPECT_EQ(next, 2);
  EXPECT_TRUE(run.failed(14));
  EXPECT_FALSE(run.failed(15));
  EXPECT_TRUE(run.anyFailedIn(4, 49));
  EXPECT_FALSE(run.anyFailedIn(15, 49));
}

TEST(Statements, FailingTestEntersTheThenPart) {
  Statements run;
  bool thenRan = false;
  run.when(16, [&]() -> bool { raise(ErrorKind::TypeMismatch); }, [&] { thenRan = true; });
  EXPECT_TRUE(thenRan);
  EXPECT_TRUE(run.failed(16));
}

TEST(Statements, ElseIsSkippedAfterAThenPartThatFailed) {
  struct Case {
    bool testRaises;
    bool testValue;
    bool thenRaises;
    bool thenRuns;
    bool elseRuns;
  };
  const Case cases[] = {
      {false, true, false, true, false},   // plain then
      {false, false, false, false, true},  // plain else
      {true, false, false, true, false},   // a raising test counts as true
      {true, false, true, true, false},    // the failed then-part does not fall into else
      {false, true, true, true, false},
  };
  for (const Case& c : cases) {
    Statements run;
    bool thenRan = false;
    bool elseRan = false;
    run.when(
        23,
        [&] {
          if (c.testRaises) raise(ErrorKind::Overflow);
          return c.testValue;
        },
        [&] {
          thenRan = true;
          run(24, [&] { if (c.thenRaises) raise(ErrorKind::DivisionByZero); });
        },
        [&] { elseRan = true; });
    EXPECT_EQ(thenRan, c.thenRuns) << c.testRaises << c.testValue << c.thenRaises;
    EXPECT_EQ(elseRan, c.elseRuns) << c.testRaises << c.testValue << c.thenRaises;
  }
}

TEST(Statements, OnlyATypeMismatchMakesAnInputUnreadable) {
  Statements run;
  run.read(4, Field::口座残高text, [] { raise(ErrorKind::TypeMismatch); });
  run.read(7, Field::現在のUSDJYPレートtext, [] { raise(ErrorKind::Overflow); });
  run.read(8, Field::現在の取引通貨レートtext, [] {});
  // Any other failure still fails the statement: the click must never end early.
  run.read(10, Field::レバレッジtext, [] { throw std::runtime_error("field lost"); });
  EXPECT_TRUE(run.unreadable(Field::口座残高text));
  EXPECT_FALSE(run.unreadable(Field::現在のUSDJYPレートtext));
  EXPECT_FALSE(run.unreadable(Field::現在の取引通貨レートtext));
  EXPECT_FALSE(run.unreadable(Field::レバレッジtext));
  EXPECT_TRUE(run.failed(4) && run.failed(7) && run.failed(10));
  EXPECT_FALSE(run.failed(8));
}

}  // namespace
