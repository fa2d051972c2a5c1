#include "form/captions.h"

#include <algorithm>
#include <array>

namespace form {
namespace {

using calc::Field;

// Some captions differ from their labels' names on purpose: USDJPY against USDJYP, the
// full-width brackets, and "余剰証拠金" for the effective margin; the margin's label
// carries its name twice.
constexpr std::array<Caption, 18> kCaptions{{
    {Field::口座残高text, u"口座残高", u"口座残高"},
    {Field::口座種別Combo, u"口座種別", u"口座種別"},
    {Field::取引通貨Combo, u"取引通貨", u"取引通貨"},
    {Field::現在のUSDJYPレートtext, u"現在のUSDJYPレート", u"現在のUSDJPYレート"},
    {Field::現在の取引通貨レートtext, u"現在の取引通貨レート", u"現在の取引通貨レート"},
    {Field::通貨単位Combo, u"通貨単位", u"通貨単位"},
    {Field::レバレッジtext, u"レバレッジ", u"レバレッジ"},
    {Field::購入比率text, u"購入比率", u"購入比率"},
    {Field::運用オーダー数text, u"運用オーダー数", u"運用オーダー数"},
    {Field::強制ロスカット証拠金維持率text, u"強制ロスカット証拠金維持率", u"強制ロスカット証拠金維持率"},
    {Field::オーダーの適正ロットtext, u"オーダーの適正ロット", u"1オーダーの適正ロット"},
    {Field::ポジション必要証拠金text, u"ポジション必要証拠金ポジション必要証拠金", u"ポジション必要証拠金"},
    {Field::オーダー時の有効証拠金text, u"オーダー時の有効証拠金", u"余剰証拠金"},
    {Field::PIPSあたりの損益額text, u"PIPSあたりの損益額", u"1PIPSあたりの損益額"},
    {Field::許容含み損text, u"許容含み損", u"許容含み損"},
    {Field::ロスカットまでの余力PIPStext, u"ロスカットまでの余力PIPS", u"ロスカットまでの余力PIPS"},
    {Field::ロスカット到達レート買text, u"ロスカット到達レート買", u"ロスカット到達レート（買）"},
    {Field::ロスカット到達レート売text, u"ロスカット到達レート売", u"ロスカット到達レート（売）"},
}};

}  // namespace

std::span<const Caption> captions() { return kCaptions; }

const Caption& captionOf(calc::Field field) {
  return *std::ranges::find(kCaptions, field, &Caption::field);
}

}  // namespace form
