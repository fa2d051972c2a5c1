#include "calc/position_sizing.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "numeric/currency.h"
#include "numeric/dbl.h"
#include "numeric/format.h"
#include "numeric/text_conversion.h"
#include "numeric/text_ops.h"

namespace calc {

using numeric::Currency;
using numeric::cur;
using numeric::dbl;
using numeric::Dbl;
using numeric::Pattern;
using F = Field;
using S = Statement;

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

struct Results {
  Currency orderLot;
  Currency requiredMargin;
  Currency effectiveMargin;
  Currency pipValue;
  Currency allowableLoss;
  Currency pipsToLossCut;
  Currency lossCutRateBuy;
  Currency lossCutRateSell;
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
    {S::ShowLot, F::オーダーの適正ロットtext, Pattern::Plain2, Suffix::None},
    {S::ShowMargin, F::ポジション必要証拠金text, kAmountPattern, Suffix::AccountKind},
    {S::ShowEffectiveMargin, F::オーダー時の有効証拠金text, kAmountPattern, Suffix::AccountKind},
    {S::ShowPipValue, F::PIPSあたりの損益額text, kAmountPattern, Suffix::AccountKind},
    {S::ShowAllowableLoss, F::許容含み損text, kAmountPattern, Suffix::AccountKind},
    {S::ShowPipsToLossCut, F::ロスカットまでの余力PIPStext, Pattern::Grouped1, Suffix::Pips},
    {S::ShowBuyRateDollarQuoted, F::ロスカット到達レート買text, Pattern::Plain5, Suffix::None},
    {S::ShowSellRateDollarQuoted, F::ロスカット到達レート売text, Pattern::Plain5, Suffix::None},
    {S::ShowBuyRateYenQuoted, F::ロスカット到達レート買text, Pattern::Plain2, Suffix::None},
    {S::ShowSellRateYenQuoted, F::ロスカット到達レート売text, Pattern::Plain2, Suffix::None},
}};

// The account kind is whatever text its combo held when it was read.
std::u16string_view suffixText(Suffix suffix, const Inputs& in) {
  switch (suffix) {
    case Suffix::AccountKind: return in.accountKind;
    case Suffix::Pips: return u"PIPS";
    case Suffix::None: break;
  }
  return {};
}

Inputs readInputs(const Fields& fields, Statements& run) {
  Inputs in;
  auto text = [&](F field) { return fields.text(field); };
  auto percentage = [&](F field) { return numeric::removePercent(text(field)); };
  run.read(S::ReadBalance, F::口座残高text,
           [&] { in.balance = numeric::toCurrency(text(F::口座残高text)); });
  run(S::ReadAccountKind, [&] { in.accountKind = text(F::口座種別Combo); });
  run(S::ReadTradeKind, [&] { in.tradeKind = text(F::取引通貨Combo); });
  run.read(S::ReadUsdJpyRate, F::現在のUSDJYPレートtext,
           [&] { in.usdJpyRate = numeric::toCurrency(text(F::現在のUSDJYPレートtext)); });
  run.read(S::ReadTradeRate, F::現在の取引通貨レートtext,
           [&] { in.tradeRate = numeric::toCurrency(text(F::現在の取引通貨レートtext)); });
  run(S::ReadUnitText, [&] { in.unitText = text(F::通貨単位Combo); });
  run.read(S::ReadLeverage, F::レバレッジtext,
           [&] { in.leverage = numeric::toLong(text(F::レバレッジtext)); });
  run.read(S::ReadBuyRatio, F::購入比率text,
           [&] { in.buyRatio = numeric::toLong(percentage(F::購入比率text)); });
  run.read(S::ReadOrderCount, F::運用オーダー数text,
           [&] { in.orderCount = numeric::toLong(text(F::運用オーダー数text)); });
  run.read(S::ReadLossCutRatio, F::強制ロスカット証拠金維持率text,
           [&] { in.lossCutRatio = numeric::toLong(percentage(F::強制ロスカット証拠金維持率text)); });
  return in;
}

}  // namespace

// Double chains run strictly left to right, brackets marking the only grouping; each ends
// in Cur (times 10^4, ties to even) and is stored as Currency before the next statement.
void showPositionSize(Fields& fields, Statements& run) {
  const Inputs in = readInputs(fields, run);
  Results r;
  const bool yen = in.accountKind == kYenAccount;
  const bool dollarQuoted = in.tradeKind == kDollarStraight;
  // The unit text is read anew at each of its uses.
  auto unit = [&] { return Dbl(numeric::toDouble(in.unitText)); };
  // Writing a result is a statement of its own, formatting included.
  auto show = [&](Statement statement, const Currency& value) {
    const Output& out = *std::ranges::find(kOutputs, statement, &Output::statement);
    run(statement, [&] {
      fields.setText(out.field, numeric::format(value, out.pattern) += suffixText(out.suffix, in));
    });
  };

  run(S::LotFromBalance, [&] { r.orderLot = in.balance * numeric::fromLong(in.leverage); });
  run(S::LotPerOrder, [&] {
    r.orderLot = cur(dbl(r.orderLot) / unit() / dbl(in.tradeRate) * dbl(in.buyRatio) / 100 /
                     dbl(in.orderCount));
  });
  run.when(S::IfYenAccountLot, [&] { return yen; }, [&] {
    run(S::LotInDollars, [&] { r.orderLot = cur(dbl(r.orderLot) / dbl(in.usdJpyRate)); });
  });
  run.when(S::IfDollarQuotedLot, [&] { return dollarQuoted; }, [&] {
    run(S::LotOfDollarQuote, [&] { r.orderLot = cur(dbl(r.orderLot) / 100); });
  });
  // The smallest lot, compared with the stored four-decimal value.
  run.when(S::IfBelowMinimumLot, [&] { return std::is_gt(numeric::compare(0.01, r.orderLot)); },
           [&] { run(S::MinimumLot, [&] { r.orderLot = cur(0.01); }); });
  show(S::ShowLot, r.orderLot);

  // Pairs quoted against the yen take 100 where dollar-quoted ones take the rate.
  run.when(
      S::IfDollarQuotedMargin, [&] { return dollarQuoted; },
      [&] {
        run(S::MarginDollarQuoted, [&] {
          r.requiredMargin = cur(dbl(r.orderLot) * (unit() * dbl(in.tradeRate) / dbl(in.leverage)));
        });
      },
      [&] {
        run(S::MarginYenQuoted, [&] {
          r.requiredMargin = cur(dbl(r.orderLot) * (unit() * 100 / dbl(in.leverage)));
        });
      });
  // Currency product: exact, then rounded to four decimals, ties to even.
  run.when(S::IfYenAccountMargin, [&] { return yen; }, [&] {
    run(S::MarginInYen, [&] { r.requiredMargin = r.requiredMargin * in.usdJpyRate; });
  });
  // Exact integer product.
  run.when(S::IfDollarQuotedMarginScale, [&] { return dollarQuoted; }, [&] {
    run(S::MarginTimes100, [&] { r.requiredMargin = r.requiredMargin * std::int16_t{100}; });
  });
  show(S::ShowMargin, r.requiredMargin);
  run(S::EffectiveMargin, [&] { r.effectiveMargin = in.balance - r.requiredMargin; });
  show(S::ShowEffectiveMargin, r.effectiveMargin);

  run(S::PipValue, [&] { r.pipValue = cur(dbl(r.orderLot) * (unit() * 0.01)); });
  run.when(S::IfYenAccountPipValue, [&] { return yen; }, [&] {
    run(S::PipValueInYen, [&] { r.pipValue = r.pipValue * in.usdJpyRate; });
  });
  show(S::ShowPipValue, r.pipValue);
  run(S::AllowableLoss, [&] {
    r.allowableLoss = in.balance - cur(dbl(r.requiredMargin) * (dbl(in.lossCutRatio) / 100));
  });
  show(S::ShowAllowableLoss, r.allowableLoss);
  run(S::PipsToLossCut, [&] { r.pipsToLossCut = cur(dbl(r.allowableLoss) / dbl(r.pipValue)); });
  show(S::ShowPipsToLossCut, r.pipsToLossCut);

  // The two factors 0.01 of a dollar-quoted pip apply one after the other.
  run.when(
      S::IfDollarQuotedRates, [&] { return dollarQuoted; },
      [&] {
        const auto distance = [&] { return cur(dbl(r.pipsToLossCut) * 0.01 * 0.01); };
        run(S::BuyRateDollarQuoted, [&] { r.lossCutRateBuy = in.tradeRate - distance(); });
        run(S::SellRateDollarQuoted, [&] { r.lossCutRateSell = in.tradeRate + distance(); });
        show(S::ShowBuyRateDollarQuoted, r.lossCutRateBuy);
        show(S::ShowSellRateDollarQuoted, r.lossCutRateSell);
      },
      [&] {
        const auto distance = [&] { return cur(dbl(r.pipsToLossCut) * 0.01); };
        run(S::BuyRateYenQuoted, [&] { r.lossCutRateBuy = in.tradeRate - distance(); });
        run(S::SellRateYenQuoted, [&] { r.lossCutRateSell = in.tradeRate + distance(); });
        show(S::ShowBuyRateYenQuoted, r.lossCutRateBuy);
        show(S::ShowSellRateYenQuoted, r.lossCutRateSell);
      });
}

}  // namespace calc
