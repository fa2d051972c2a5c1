#include "calc/position_sizing.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "calc/amount_pattern.h"
#include "form/window_table.h"
#include "numeric/currency.h"
#include "numeric/checked_double.h"
#include "numeric/format.h"
#include "numeric/text_conversion.h"
#include "numeric/text_ops.h"

namespace calc {

using form::Field;
using form::kDollarStraight;
using form::kYenAccount;
using numeric::Currency;
using numeric::cur;
using numeric::dbl;
using numeric::CheckedDouble;
using numeric::Pattern;

namespace {

// Every value starts at 0 or the empty text; a failed statement leaves its target as it was.
struct Inputs {
  Currency balance;
  std::u16string accountKind;
  std::u16string tradeKind;
  Currency usdJpyRate;
  Currency tradeRate;
  std::u16string unitText;
  std::int32_t leverage = 0;
  std::int32_t buyRatio = 0;
  std::int32_t orderCount = 0;
  std::int32_t lossCutRatio = 0;
};

// What follows the number in an output field.
enum class Suffix { None, AccountKind, Pips };

// Each statement that writes a result: the field, its display pattern and its suffix.
struct Output {
  Statement statement;
  Field field;
  Pattern pattern;
  Suffix suffix;
};

constexpr std::array<Output, 10> kOutputs{{
    {Statement::ShowLot, Field::オーダーの適正ロットtext, Pattern::Plain2, Suffix::None},
    {Statement::ShowMargin, Field::ポジション必要証拠金text, kAmountPattern, Suffix::AccountKind},
    {Statement::ShowEffectiveMargin, Field::オーダー時の有効証拠金text, kAmountPattern,
     Suffix::AccountKind},
    {Statement::ShowPipValue, Field::PIPSあたりの損益額text, kAmountPattern, Suffix::AccountKind},
    {Statement::ShowAllowableLoss, Field::許容含み損text, kAmountPattern, Suffix::AccountKind},
    {Statement::ShowPipsToLossCut, Field::ロスカットまでの余力PIPStext, Pattern::Grouped1,
     Suffix::Pips},
    {Statement::ShowBuyRateDollarQuoted, Field::ロスカット到達レート買text, Pattern::Plain5,
     Suffix::None},
    {Statement::ShowSellRateDollarQuoted, Field::ロスカット到達レート売text, Pattern::Plain5,
     Suffix::None},
    {Statement::ShowBuyRateYenQuoted, Field::ロスカット到達レート買text, Pattern::Plain2,
     Suffix::None},
    {Statement::ShowSellRateYenQuoted, Field::ロスカット到達レート売text, Pattern::Plain2,
     Suffix::None},
}};

// The rows follow the statements' order: the first eight show the eight results in window
// order, the yen-quoted rates write the last two fields again, and the last row is the last
// statement the sound-results rule looks at.
static_assert([] {
  for (std::size_t i = 1; i < kOutputs.size(); ++i) {
    if (kOutputs[i - 1].statement >= kOutputs[i].statement) return false;
  }
  const std::size_t first = form::index(Field::オーダーの適正ロットtext);
  for (std::size_t i = 0; i < 8; ++i) {
    if (kOutputs[i].field != static_cast<Field>(first + i)) return false;
  }
  return kOutputs[8].field == kOutputs[6].field && kOutputs[9].field == kOutputs[7].field &&
         kOutputs.back().statement == kLastResult;
}(), "kOutputs: statement order, every result once in window order, the rates twice, "
     "ending at kLastResult");

// Evaluated while the program is built: a statement without a row stops the build.
constexpr const Output& outputOf(Statement statement) {
  for (const Output& output : kOutputs) {
    if (output.statement == statement) return output;
  }
  throw std::logic_error("no output row for this statement");
}

// The account kind is whatever text its combo held when it was read.
std::u16string_view suffixText(Suffix suffix, const Inputs& in) {
  switch (suffix) {
    case Suffix::AccountKind: return in.accountKind;
    case Suffix::Pips: return u"PIPS";
    case Suffix::None: break;
  }
  return {};
}

Inputs readInputs(const FieldTexts& fields, Statements& run) {
  Inputs in;
  auto text = [&](Statement statement, Field field, std::u16string& value) {
    run(statement, [&] { value = fields.text(field); });
  };
  auto currency = [&](Statement statement, Field field, Currency& value) {
    run.read(statement, field, [&] { value = numeric::toCurrency(fields.text(field)); });
  };
  auto whole = [&](Statement statement, Field field, std::int32_t& value) {
    run.read(statement, field, [&] { value = numeric::toLong(fields.text(field)); });
  };
  auto percentage = [&](Statement statement, Field field, std::int32_t& value) {
    run.read(statement, field,
             [&] { value = numeric::toLong(numeric::removePercent(fields.text(field))); });
  };
  currency(Statement::ReadBalance, Field::口座残高text, in.balance);
  text(Statement::ReadAccountKind, Field::口座種別Combo, in.accountKind);
  text(Statement::ReadTradeKind, Field::取引通貨Combo, in.tradeKind);
  currency(Statement::ReadUsdJpyRate, Field::現在のUSDJYPレートtext, in.usdJpyRate);
  currency(Statement::ReadTradeRate, Field::現在の取引通貨レートtext, in.tradeRate);
  text(Statement::ReadUnitText, Field::通貨単位Combo, in.unitText);
  whole(Statement::ReadLeverage, Field::レバレッジtext, in.leverage);
  percentage(Statement::ReadBuyRatio, Field::購入比率text, in.buyRatio);
  whole(Statement::ReadOrderCount, Field::運用オーダー数text, in.orderCount);
  percentage(Statement::ReadLossCutRatio, Field::強制ロスカット証拠金維持率text, in.lossCutRatio);
  return in;
}

// One press's sizing, from the inputs as read. Double chains run strictly left to right,
// brackets marking the only grouping, and end in Cur; each result is stored as Currency at
// the end of its statement and read back from there by the next.
class PositionSizing {
 public:
  PositionSizing(FieldTexts& fields, Statements& run)
      : fields_(fields),
        run_(run),
        in_(readInputs(fields, run)),
        yen_(in_.accountKind == kYenAccount),
        dollarQuoted_(in_.tradeKind == kDollarStraight) {}

  void showLot();
  void showMargin();
  void showPipValueAndAllowableLoss();
  void showLossCutRates();

 private:
  // The unit text is read anew at each of its uses.
  CheckedDouble unit() const { return numeric::toDouble(in_.unitText); }

  // Writing a result is a statement of its own, formatting included.
  template <Statement kShow>
  void show(const Currency& value) {
    constexpr const Output& output = outputOf(kShow);
    run_(kShow, [&] {
      fields_.setText(output.field,
                      numeric::format(value, output.pattern) += suffixText(output.suffix, in_));
    });
  }

  FieldTexts& fields_;
  Statements& run_;
  const Inputs in_;
  const bool yen_;
  const bool dollarQuoted_;
  // The results start at 0; a failed statement leaves its result as it was.
  Currency orderLot_;
  Currency requiredMargin_;
  Currency effectiveMargin_;
  Currency pipValue_;
  Currency allowableLoss_;
  Currency pipsToLossCut_;
  Currency lossCutRateBuy_;
  Currency lossCutRateSell_;
};

void PositionSizing::showLot() {
  // Currency product: rounded to four decimals, ties to even.
  run_(Statement::LotFromBalance,
       [&] { orderLot_ = in_.balance * numeric::fromLong(in_.leverage); });
  // Cur: times 10^4, then to the nearest integer, ties to even; so is every Cur below.
  run_(Statement::LotPerOrder, [&] {
    orderLot_ = cur(dbl(orderLot_) / unit() / dbl(in_.tradeRate) * dbl(in_.buyRatio) / 100 /
                    dbl(in_.orderCount));
  });
  run_.when(Statement::IfYenAccountLot, [&] { return yen_; }, [&] {
    run_(Statement::LotInDollars, [&] { orderLot_ = cur(dbl(orderLot_) / dbl(in_.usdJpyRate)); });
  });
  run_.when(Statement::IfDollarQuotedLot, [&] { return dollarQuoted_; }, [&] {
    run_(Statement::LotOfDollarQuote, [&] { orderLot_ = cur(dbl(orderLot_) / 100); });
  });
  // The smallest lot, compared with the stored four-decimal value.
  run_.when(
      Statement::IfBelowMinimumLot, [&] { return std::is_gt(numeric::compare(0.01, orderLot_)); },
      [&] { run_(Statement::MinimumLot, [&] { orderLot_ = cur(0.01); }); });
  show<Statement::ShowLot>(orderLot_);
}

// Pairs quoted against the yen take 100 where dollar-quoted ones take the rate.
void PositionSizing::showMargin() {
  // Cur, ties to even.
  run_.when(
      Statement::IfDollarQuotedMargin, [&] { return dollarQuoted_; },
      [&] {
        run_(Statement::MarginDollarQuoted, [&] {
          requiredMargin_ = cur(dbl(orderLot_) * (unit() * dbl(in_.tradeRate) / dbl(in_.leverage)));
        });
      },
      [&] {
        run_(Statement::MarginYenQuoted, [&] {
          requiredMargin_ = cur(dbl(orderLot_) * (unit() * 100 / dbl(in_.leverage)));
        });
      });
  // Currency product: rounded to four decimals, ties to even.
  run_.when(Statement::IfYenAccountMargin, [&] { return yen_; }, [&] {
    run_(Statement::MarginInYen, [&] { requiredMargin_ = requiredMargin_ * in_.usdJpyRate; });
  });
  // Exact integer product.
  run_.when(Statement::IfDollarQuotedMarginScale, [&] { return dollarQuoted_; }, [&] {
    run_(Statement::MarginTimes100, [&] { requiredMargin_ = requiredMargin_ * std::int16_t{100}; });
  });
  show<Statement::ShowMargin>(requiredMargin_);
  // Exact difference.
  run_(Statement::EffectiveMargin, [&] { effectiveMargin_ = in_.balance - requiredMargin_; });
  show<Statement::ShowEffectiveMargin>(effectiveMargin_);
}

void PositionSizing::showPipValueAndAllowableLoss() {
  // Cur, ties to even; the same for every pair kind.
  run_(Statement::PipValue, [&] { pipValue_ = cur(dbl(orderLot_) * (unit() * 0.01)); });
  // Currency product: rounded to four decimals, ties to even.
  run_.when(Statement::IfYenAccountPipValue, [&] { return yen_; }, [&] {
    run_(Statement::PipValueInYen, [&] { pipValue_ = pipValue_ * in_.usdJpyRate; });
  });
  show<Statement::ShowPipValue>(pipValue_);
  // The ratio becomes a fraction before it meets the margin. Cur, ties to even; the
  // difference is exact.
  run_(Statement::AllowableLoss, [&] {
    allowableLoss_ = in_.balance - cur(dbl(requiredMargin_) * (dbl(in_.lossCutRatio) / 100));
  });
  show<Statement::ShowAllowableLoss>(allowableLoss_);
  // Cur, ties to even.
  run_(Statement::PipsToLossCut,
       [&] { pipsToLossCut_ = cur(dbl(allowableLoss_) / dbl(pipValue_)); });
  show<Statement::ShowPipsToLossCut>(pipsToLossCut_);
}

// A dollar-quoted pip is 0.0001, its two factors 0.01 applied one after the other; a
// yen-quoted one is 0.01. The distance is a Cur, ties to even; the rate minus or plus it
// is exact.
void PositionSizing::showLossCutRates() {
  run_.when(
      Statement::IfDollarQuotedRates, [&] { return dollarQuoted_; },
      [&] {
        const auto distance = [&] { return cur(dbl(pipsToLossCut_) * 0.01 * 0.01); };
        run_(Statement::BuyRateDollarQuoted,
             [&] { lossCutRateBuy_ = in_.tradeRate - distance(); });
        run_(Statement::SellRateDollarQuoted,
             [&] { lossCutRateSell_ = in_.tradeRate + distance(); });
        show<Statement::ShowBuyRateDollarQuoted>(lossCutRateBuy_);
        show<Statement::ShowSellRateDollarQuoted>(lossCutRateSell_);
      },
      [&] {
        const auto distance = [&] { return cur(dbl(pipsToLossCut_) * 0.01); };
        run_(Statement::BuyRateYenQuoted, [&] { lossCutRateBuy_ = in_.tradeRate - distance(); });
        run_(Statement::SellRateYenQuoted, [&] { lossCutRateSell_ = in_.tradeRate + distance(); });
        show<Statement::ShowBuyRateYenQuoted>(lossCutRateBuy_);
        show<Statement::ShowSellRateYenQuoted>(lossCutRateSell_);
      });
}

}  // namespace

void showPositionSize(FieldTexts& fields, Statements& run) {
  PositionSizing sizing(fields, run);
  sizing.showLot();
  sizing.showMargin();
  sizing.showPipValueAndAllowableLoss();
  sizing.showLossCutRates();
}

}  // namespace calc
