#include "calc/statements.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "numeric/numeric_error.h"

namespace {

using form::Field;
using calc::Statements;
using S = calc::Statement;
using numeric::ErrorKind;
using numeric::NumericError;

[[noreturn]] void raise(ErrorKind kind) { throw NumericError(kind); }

// The runner answers for ranges of statements; this is a range of one.
bool failed(const Statements& run, S statement) { return run.anyFailedIn(statement, statement); }

TEST(Statements, FailingStatementStoresNothingAndTheRunGoesOn) {
  Statements run;
  int value = 7;
  run(S::LotFromBalance, [&] { value = (raise(ErrorKind::Overflow), 1); });
  int next = 0;
  run(S::LotPerOrder, [&] { next = 2; });
  EXPECT_EQ(value, 7);
  EXPECT_EQ(next, 2);
  EXPECT_TRUE(failed(run, S::LotFromBalance));
  EXPECT_FALSE(failed(run, S::LotPerOrder));
  EXPECT_TRUE(run.anyFailedIn(calc::kFirstReading, calc::kLastResult));
  EXPECT_FALSE(run.anyFailedIn(S::LotPerOrder, calc::kLastResult));
}

TEST(Statements, FailingTestEntersTheThenPart) {
  Statements run;
  bool thenRan = false;
  run.when(
      S::IfYenAccountLot, [&]() -> bool { raise(ErrorKind::TypeMismatch); },
      [&] { thenRan = true; });
  EXPECT_TRUE(thenRan);
  EXPECT_TRUE(failed(run, S::IfYenAccountLot));
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
        S::IfDollarQuotedMargin,
        [&] {
          if (c.testRaises) raise(ErrorKind::Overflow);
          return c.testValue;
        },
        [&] {
          thenRan = true;
          run(S::MarginDollarQuoted, [&] { if (c.thenRaises) raise(ErrorKind::DivisionByZero); });
        },
        [&] { elseRan = true; });
    EXPECT_EQ(thenRan, c.thenRuns) << c.testRaises << c.testValue << c.thenRaises;
    EXPECT_EQ(elseRan, c.elseRuns) << c.testRaises << c.testValue << c.thenRaises;
  }
}

TEST(Statements, OnlyATypeMismatchMakesAnInputUnreadable) {
  Statements run;
  run.read(S::ReadBalance, Field::口座残高text, [] { raise(ErrorKind::TypeMismatch); });
  run.read(S::ReadUsdJpyRate, Field::現在のUSDJYPレートtext, [] { raise(ErrorKind::Overflow); });
  run.read(S::ReadTradeRate, Field::現在の取引通貨レートtext, [] {});
  // Any other failure still fails the statement: the click must never end early.
  run.read(S::ReadLeverage, Field::レバレッジtext, [] { throw std::runtime_error("field lost"); });
  EXPECT_TRUE(run.unreadable(Field::口座残高text));
  EXPECT_FALSE(run.unreadable(Field::現在のUSDJYPレートtext));
  EXPECT_FALSE(run.unreadable(Field::現在の取引通貨レートtext));
  EXPECT_FALSE(run.unreadable(Field::レバレッジtext));
  EXPECT_TRUE(failed(run, S::ReadBalance));
  EXPECT_TRUE(failed(run, S::ReadUsdJpyRate));
  EXPECT_TRUE(failed(run, S::ReadLeverage));
  EXPECT_FALSE(failed(run, S::ReadTradeRate));
}

}  // namespace
