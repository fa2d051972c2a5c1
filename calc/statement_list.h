#pragma once

namespace calc {

// The statements of 計算_Click in the order they run, numbered from 1; the test of a
// conditional is a statement of its own, and so is each statement inside it. The runner
// (statements.h) records failures by these numbers.
enum class Statement {
  ContinuationOn = 1,
  NormalizeInputs,
  ClearMessage,
  // The ten inputs, read in window order.
  ReadBalance,
  ReadAccountKind,
  ReadTradeKind,
  ReadUsdJpyRate,
  ReadTradeRate,
  ReadUnitText,
  ReadLeverage,
  ReadBuyRatio,
  ReadOrderCount,
  ReadLossCutRatio,
  // The lot of one order.
  LotFromBalance,
  LotPerOrder,
  IfYenAccountLot,
  LotInDollars,
  IfDollarQuotedLot,
  LotOfDollarQuote,
  IfBelowMinimumLot,
  MinimumLot,
  ShowLot,
  // The margin the position needs, and what is left of the balance.
  IfDollarQuotedMargin,
  MarginDollarQuoted,
  MarginYenQuoted,
  IfYenAccountMargin,
  MarginInYen,
  IfDollarQuotedMarginScale,
  MarginTimes100,
  ShowMargin,
  EffectiveMargin,
  ShowEffectiveMargin,
  // A pip's worth, the loss the loss cut allows, and how many pips away it is.
  PipValue,
  IfYenAccountPipValue,
  PipValueInYen,
  ShowPipValue,
  AllowableLoss,
  ShowAllowableLoss,
  PipsToLossCut,
  ShowPipsToLossCut,
  // The loss-cut rates: a dollar-quoted pip is 0.0001, a yen-quoted one 0.01.
  IfDollarQuotedRates,
  BuyRateDollarQuoted,
  SellRateDollarQuoted,
  ShowBuyRateDollarQuoted,
  ShowSellRateDollarQuoted,
  BuyRateYenQuoted,
  SellRateYenQuoted,
  ShowBuyRateYenQuoted,
  ShowSellRateYenQuoted,
  // The seventeen input checks, and the rule that withholds unsound results.
  CheckSequence,
};
static_assert(static_cast<int>(Statement::CheckSequence) == 50, "a statement is missing");

// What the sound-results rule looks at: every statement from the first reading to the
// last result written.
inline constexpr Statement kFirstReading = Statement::ReadBalance;
inline constexpr Statement kLastResult = Statement::ShowSellRateYenQuoted;

inline constexpr int kStatementCount = static_cast<int>(Statement::CheckSequence);

}  // namespace calc
