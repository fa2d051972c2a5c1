#include "calc/window_events.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/shown_after_click.h"
#include "form/window_table.h"

namespace {

using form::Field;
using qelmar_test::ClickCase;
using qelmar_test::click;
using qelmar_test::Edits;
using qelmar_test::expectShown;
using qelmar_test::kCannotCompute;
using qelmar_test::noResults;

// The ten inputs in window order, the way a trader types them.
Edits typed(std::u16string balance, std::u16string_view account, std::u16string_view pair,
            std::u16string usdJpyRate, std::u16string tradeRate, std::u16string units,
            std::u16string leverage, std::u16string buyRatio, std::u16string orderCount,
            std::u16string lossCutRatio) {
  return {{Field::口座残高text, balance},         {Field::口座種別Combo, std::u16string(account)},
          {Field::取引通貨Combo, std::u16string(pair)}, {Field::現在のUSDJYPレートtext, usdJpyRate},
          {Field::現在の取引通貨レートtext, tradeRate}, {Field::通貨単位Combo, units},
          {Field::レバレッジtext, leverage},         {Field::購入比率text, buyRatio},
          {Field::運用オーダー数text, orderCount},  {Field::強制ロスカット証拠金維持率text, lossCutRatio}};
}

// No two inputs of a case are equal and none is 100, so a statement that reads the wrong
// one of two inputs of a kind changes a text. A case named after a chain or its statements
// also sits where that chain, computed otherwise in the way below, rounds to another
// Currency that a text shows:
//   the lot's chain: the rate divided before Unit, the count before the percentage, the
//     percentage as a fraction or divided by 100 first;
//   the margin's and the pip value's chains: the bracket dropped, the lot multiplied first;
//   the dollar-quoted pip's two factors 0.01 taken as one;
//   "at ties", where the chain lands on a tie in the fourth decimal so that an ulp either
//     way shows: [Unit ÷ leverage × rate] and [Unit ÷ leverage × 100] in the margin,
//     [Unit ÷ 100] in the pip value, the dollar-quoted lot's ÷ 100 as × 0.01, and a yen
//     lot's statements in another order (LotInDollars first, or LotOfDollarQuote before
//     it). The pip value's bracket needs a unit such as 35 or 70: for 1000 and 10000,
//     Unit × 0.01 and Unit ÷ 100 are the same Double;
//   where a grouping or a factor written another way is an ulp off and a text shows it:
//     the lot's divisions taken together (÷ (Unit × rate), ÷ (100 × count)), the yen-quoted
//     margin's Unit × (100 ÷ leverage), the yen-quoted pips as a rate ÷ 100 instead of
//     × 0.01, and the loss-cut ratio's fraction × 0.01 instead of ÷ 100.
TEST(CalculateClick, AllDifferentInputsShowEveryTextExactly) {
  const std::u16string_view yen = form::kYenAccount, dollar = form::kDollarAccount;
  const std::u16string_view cross = form::kCrossYen, straight = form::kDollarStraight;
  const ClickCase cases[] = {
      {"yen account, cross pair",
       typed(u"48765432.1", yen, cross, u"147.893", u"151.237", u"10000", u"25", u"7", u"3", u"85"),
       {{u"0.13", u"752,479.58円", u"48,012,952.52円", u"1,881.20円", u"48,125,824.45円", u"25,582.5PIPS",
         u"-104.59", u"407.06"}, u""}},
      {"yen account, dollar-quoted pair",
       typed(u"48765432.1", yen, straight, u"147.893", u"1.08457", u"10000", u"25", u"7", u"3", u"85"),
       {{u"0.18", u"1,137,590.00円", u"47,627,842.10円", u"2,622.14円", u"47,798,480.60円", u"18,228.8PIPS",
         u"-0.73830", u"2.90750"}, u""}},
      {"dollar account, cross pair: the lot's chain",
       typed(u"120361.41", dollar, cross, u"147.893", u"137.164", u"1000", u"5", u"10", u"9", u"85"),
       {{u"0.05", u"974.00ドル", u"119,387.41ドル", u".49ドル", u"119,533.51ドル", u"245,448.7PIPS",
         u"-2317.32", u"2591.65"}, u""}},
      {"dollar account, dollar-quoted pair: the margin's chain",
       typed(u"260383", dollar, straight, u"123.632", u"0.72225", u"1000", u"2", u"37", u"11", u"50"),
       {{u"0.24", u"8,756.67ドル", u"251,626.33ドル", u"2.43ドル", u"256,004.67ドル", u"105,568.9PIPS",
         u"-9.83470", u"11.27910"}, u""}},
      {"typed units 50: the pip value's chain",
       typed(u"132565.44", dollar, cross, u"155.902", u"105.347", u"50", u"2", u"93", u"12", u"75"),
       {{u"3.90", u"9,752.25ドル", u"122,813.19ドル", u"1.95ドル", u"125,251.25ドル", u"64,218.2PIPS",
         u"-536.84", u"747.53"}, u""}},
      {"typed units 2.5: the cross pair's margin chain",
       typed(u"20645042.8", yen, cross, u"149.079", u"191.472", u"2.5", u"20", u"7", u"4", u"50"),
       {{u"101.26", u"188,689.84円", u"20,456,352.96円", u"377.38円", u"20,550,697.88円", u"54,456.4PIPS",
         u"-353.09", u"736.04"}, u""}},
      {"the minimum lot: the dollar-quoted pip's two factors",
       typed(u"110364", dollar, straight, u"146.449", u"1.1585", u"10000", u"1", u"48", u"10", u"50"),
       {{u"0.01", u"11,585.00ドル", u"98,779.00ドル", u"1.00ドル", u"104,571.50ドル", u"104,571.5PIPS",
         u"-9.29860", u"11.61560"}, u""}},
      {"dollars, dollar-quoted, at ties: LotOfDollarQuote, MarginDollarQuoted, PipValue",
       typed(u"5338.98", dollar, straight, u"129.999", u"1.8", u"35", u"180", u"26", u"20", u"86"),
       {{u"1.98", u"69.40ドル", u"5,269.58ドル", u".69ドル", u"5,279.30ドル", u"7,606.0PIPS", u"1.03940",
         u"2.56060"}, u""}},
      {"yen, dollar-quoted, at ties: LotPerOrder, LotInDollars, LotOfDollarQuote in this order; "
       "MarginDollarQuoted; PipValue",
       typed(u"1166158.92", yen, straight, u"153.219", u"1.27", u"70", u"49", u"14", u"2", u"87"),
       {{u"2.94", u"81,630.49円", u"1,084,528.43円", u"314.96円", u"1,095,140.39円", u"3,477.1PIPS", u"0.92230",
         u"1.61770"}, u""}},
      {"dollars, cross pair, at ties: MarginYenQuoted, PipValue",
       typed(u"7993.86", dollar, cross, u"150.701", u"148.494", u"70", u"48", u"58", u"18", u"112"),
       {{u"1.19", u"173.47ドル", u"7,820.39ドル", u".83ドル", u"7,799.57ドル", u"9,366.6PIPS", u"54.83",
         u"242.16"}, u""}},
      {"yen, cross pair, at ties: LotPerOrder before LotInDollars, MarginYenQuoted, PipValue",
       typed(u"115261.04", yen, cross, u"150.302", u"84.928", u"35", u"48", u"47", u"4", u"63"),
       {{u"1.46", u"15,946.11円", u"99,314.93円", u"76.55円", u"105,214.99円", u"1,374.5PIPS", u"71.18",
         u"98.67"}, u""}},
      {"dollars, cross pair, at a tie: LotPerOrder divides by Unit, the rate, 100 and the count one "
       "at a time",
       typed(u"8979.65", dollar, cross, u"114.041", u"179.593", u"1000", u"111", u"39", u"10", u"90"),
       {{u"0.22", u"195.05ドル", u"8,784.61ドル", u"2.17ドル", u"8,804.11ドル", u"4,066.6PIPS", u"138.93",
         u"220.26"}, u""}},
      {"yen, cross pair, typed units 2.5: MarginYenQuoted multiplies Unit by 100, then divides by "
       "the leverage",
       typed(u"8663.32", yen, cross, u"155.708", u"117.257", u"2.5", u"12", u"20", u"7", u"66"),
       {{u"0.07", u"211.17円", u"8,452.15円", u".25円", u"8,523.95円", u"34,219.0PIPS", u"-224.93",
         u"459.45"}, u""}},
      {"yen, cross pair: the yen-quoted rates move by the pips × 0.01, not ÷ 100",
       typed(u"9314.48", yen, cross, u"125.397", u"104.308", u"70", u"95", u"29", u"15", u"126"),
       {{u"0.02", u"172.78円", u"9,141.70円", u"1.64円", u"9,096.77円", u"5,537.7PIPS", u"48.93",
         u"159.69"}, u""}},
      {"dollars, cross pair: AllowableLoss takes the loss-cut ratio ÷ 100, not × 0.01",
       typed(u"9048.71", dollar, cross, u"139.077", u"161.28", u"10000", u"169", u"64", u"15", u"69"),
       {{u"0.04", u"239.65ドル", u"8,809.07ドル", u"4.05ドル", u"8,883.36ドル", u"2,193.4PIPS", u"139.35",
         u"183.21"}, u""}},
      {"margin above the balance",
       typed(u"123456.78", yen, cross, u"147.893", u"151.237", u"10000", u"4", u"7", u"3", u"85"),
       {{u"0.01", u"369,732.50円", u"-246,275.72円", u"147.89円", u"-190,815.85円", u"-1,290.2PIPS",
         u"164.14", u"138.33"}, u""}},
      // Failures at either end of the statements the sound-results rule looks at, and
      // inside each branch of the loss-cut rates: no text computed around them may stand.
      {"the balance overflows as it is read",
       typed(u"99999999999999999999", yen, cross, u"147.893", u"151.237", u"10000", u"25", u"7", u"3", u"85"),
       noResults(kCannotCompute)},
      {"the yen-quoted sell rate overflows",
       typed(u"345678.9", dollar, cross, u"147.893", u"922337203685477", u"1000", u"25", u"7", u"3", u"85"),
       noResults(kCannotCompute)},
      // Typed a hundredfold, the rate is brought down to the top of the Currency range.
      {"the dollar-quoted buy rate overflows",
       typed(u"100000000000", dollar, straight, u"147.893", u"92233720368547700", u"1", u"5000", u"7", u"3",
             u"85"),
       noResults(kCannotCompute)},
  };
  for (const ClickCase& c : cases) expectShown(click(c.edits), c.expected, c.name);
}

}  // namespace
