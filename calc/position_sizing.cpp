#include "calc/position_sizing.h"

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
using numeric::format;
using F = Field;

namespace {

constexpr std::u16string_view kYen = u"円";
constexpr std::u16string_view kDollarQuoted = u"ドルストレート";

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

Inputs readInputs(const Fields& fields, Statements& run) {
  Inputs in;
  auto text = [&](F field) { return fields.text(field); };
  run.read(4, F::口座残高text, [&] { in.balance = numeric::toCurrency(text(F::口座残高text)); });
  run(5, [&] { in.accountKind = text(F::口座種別Combo); });
  run(6, [&] { in.tradeKind = text(F::取引通貨Combo); });
  run.read(7, F::現在のUSDJYPレートtext,
           [&] { in.usdJpyRate = numeric::toCurrency(text(F::現在のUSDJYPレートtext)); });
  run.read(8, F::現在の取引通貨レートtext,
           [&] { in.tradeRate = numeric::toCurrency(text(F::現在の取引通貨レートtext)); });
  run(9, [&] { in.unitText = text(F::通貨単位Combo); });
  run.read(10, F::レバレッジtext, [&] { in.leverage = numeric::toLong(text(F::レバレッジtext)); });
  run.read(11, F::購入比率text, [&] {
    in.buyRatio = numeric::toLong(numeric::removePercent(text(F::購入比率text)));
  });
  run.read(12, F::運用オーダー数text,
           [&] { in.orderCount = numeric::toLong(text(F::運用オーダー数text)); });
  run.read(13, F::強制ロスカット証拠金維持率text, [&] {
    in.lossCutRatio = numeric::toLong(numeric::removePercent(text(F::強制ロスカット証拠金維持率text)));
  });
  return in;
}

}  // namespace

void showPositionSize(Fields& fields, Statements& run) {
  const Inputs in = readInputs(fields, run);
  Results out;
  const bool yen = in.accountKind == kYen;
  const bool dollarQuoted = in.tradeKind == kDollarQuoted;
  // The lot size text is read anew at each use.
  auto unit = [&] { return Dbl(numeric::toDouble(in.unitText)); };
  // Writing a result is a statement of its own, formatting included.
  auto show = [&](int number, F field, auto makeText) {
    run(number, [&] { fields.setText(field, makeText()); });
  };
  // Double chains run strictly left to right; each ends in Cur: times 10,000, ties to even.

  // The lot of one order.
  run(14, [&] { out.orderLot = in.balance * numeric::fromLong(in.leverage); });
  run(15, [&] {
    out.orderLot = cur(dbl(out.orderLot) / unit() / dbl(in.tradeRate) * dbl(in.buyRatio) / 100 /
                       dbl(in.orderCount));
  });
  run.when(16, [&] { return yen; },
           [&] { run(17, [&] { out.orderLot = cur(dbl(out.orderLot) / dbl(in.usdJpyRate)); }); });
  run.when(18, [&] { return dollarQuoted; },
           [&] { run(19, [&] { out.orderLot = cur(dbl(out.orderLot) / 100); }); });
  // The minimum lot applies to the stored four-decimal value.
  run.when(20, [&] { return std::is_gt(numeric::compare(0.01, out.orderLot)); },
           [&] { run(21, [&] { out.orderLot = cur(0.01); }); });
  show(22, F::オーダーの適正ロットtext, [&] { return format(out.orderLot, u"#0.00"); });

  // The margin the position needs; pairs quoted against the yen take 100, not the rate.
  run.when(
      23, [&] { return dollarQuoted; },
      [&] {
        run(24, [&] {
          out.requiredMargin = cur(dbl(out.orderLot) * (unit() * dbl(in.tradeRate) / dbl(in.leverage)));
        });
      },
      [&] {
        run(25, [&] {
          out.requiredMargin = cur(dbl(out.orderLot) * (unit() * 100 / dbl(in.leverage)));
        });
      });
  // Currency product: exact, rounded to four decimals, ties to even.
  run.when(26, [&] { return yen; },
           [&] { run(27, [&] { out.requiredMargin = out.requiredMargin * in.usdJpyRate; }); });
  // Exact integer product.
  run.when(28, [&] { return dollarQuoted; },
           [&] { run(29, [&] { out.requiredMargin = out.requiredMargin * std::int16_t{100}; }); });
  show(30, F::ポジション必要証拠金text, [&] { return format(out.requiredMargin, u"#,###,###.00") + in.accountKind; });

  run(31, [&] { out.effectiveMargin = in.balance - out.requiredMargin; });
  show(32, F::オーダー時の有効証拠金text, [&] { return format(out.effectiveMargin, u"#,###,###.00") + in.accountKind; });

  run(33, [&] { out.pipValue = cur(dbl(out.orderLot) * (unit() * 0.01)); });
  run.when(34, [&] { return yen; },
           [&] { run(35, [&] { out.pipValue = out.pipValue * in.usdJpyRate; }); });
  show(36, F::PIPSあたりの損益額text, [&] { return format(out.pipValue, u"#,###,###.00") + in.accountKind; });

  run(37, [&] {
    out.allowableLoss =
        in.balance - cur(dbl(out.requiredMargin) * (dbl(in.lossCutRatio) / 100));
  });
  show(38, F::許容含み損text, [&] { return format(out.allowableLoss, u"#,###,###.00") + in.accountKind; });

  run(39, [&] { out.pipsToLossCut = cur(dbl(out.allowableLoss) / dbl(out.pipValue)); });
  show(40, F::ロスカットまでの余力PIPStext, [&] { return format(out.pipsToLossCut, u"#,###,###.0") + u"PIPS"; });

  // A pip is 0.01 of a yen-quoted rate and 0.0001 of a dollar-quoted one.
  run.when(
      41, [&] { return dollarQuoted; },
      [&] {
        run(42, [&] { out.lossCutRateBuy = in.tradeRate - cur(dbl(out.pipsToLossCut) * 0.01 * 0.01); });
        run(43, [&] { out.lossCutRateSell = in.tradeRate + cur(dbl(out.pipsToLossCut) * 0.01 * 0.01); });
        show(44, F::ロスカット到達レート買text, [&] { return format(out.lossCutRateBuy, u"#0.00000"); });
        show(45, F::ロスカット到達レート売text, [&] { return format(out.lossCutRateSell, u"#0.00000"); });
      },
      [&] {
        run(46, [&] { out.lossCutRateBuy = in.tradeRate - cur(dbl(out.pipsToLossCut) * 0.01); });
        run(47, [&] { out.lossCutRateSell = in.tradeRate + cur(dbl(out.pipsToLossCut) * 0.01); });
        show(48, F::ロスカット到達レート買text, [&] { return format(out.lossCutRateBuy, u"#0.00"); });
        show(49, F::ロスカット到達レート売text, [&] { return format(out.lossCutRateSell, u"#0.00"); });
      });
}

}  // namespace calc
