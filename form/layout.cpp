#include "form/layout.h"

#include <algorithm>
#include <cmath>
#include <array>

namespace form {
namespace {

using F = calc::Field;

constexpr int kTwipsPerPixel = 15;

constexpr Twips kWindow{2070, 2385, 8295, 3495};

constexpr std::array<Placement, 40> kLayout{{
    {Element::Image1, {120, 120, 8055, 675}, kNoTabStop},

    {CaptionOf{F::口座残高text}, {120, 960, 2250, 210}, kNoTabStop},
    {CaptionOf{F::口座種別Combo}, {120, 1200, 2250, 210}, kNoTabStop},
    {CaptionOf{F::取引通貨Combo}, {120, 1440, 2250, 210}, kNoTabStop},
    {CaptionOf{F::現在のUSDJYPレートtext}, {120, 1680, 2250, 210}, kNoTabStop},
    {CaptionOf{F::現在の取引通貨レートtext}, {120, 1920, 2250, 210}, kNoTabStop},
    {CaptionOf{F::通貨単位Combo}, {120, 2160, 2250, 210}, kNoTabStop},
    {CaptionOf{F::レバレッジtext}, {120, 2400, 2250, 210}, kNoTabStop},
    {CaptionOf{F::購入比率text}, {120, 2640, 2250, 210}, kNoTabStop},
    {CaptionOf{F::運用オーダー数text}, {120, 2880, 2250, 210}, kNoTabStop},
    {CaptionOf{F::強制ロスカット証拠金維持率text}, {120, 3120, 2250, 210}, kNoTabStop},

    {F::口座残高text, {2400, 960, 1575, 270}, 0},
    {F::口座種別Combo, {2400, 1200, 1575, 300}, 1},
    {F::取引通貨Combo, {2400, 1440, 1575, 300}, 2},
    {F::現在のUSDJYPレートtext, {2400, 1680, 1575, 270}, 3},
    {F::現在の取引通貨レートtext, {2400, 1920, 1575, 270}, 4},
    {F::通貨単位Combo, {2400, 2160, 1575, 300}, 5},
    {F::レバレッジtext, {2400, 2400, 1575, 270}, 6},
    {F::購入比率text, {2400, 2640, 1575, 270}, 7},
    {F::運用オーダー数text, {2400, 2880, 1575, 270}, 8},
    {F::強制ロスカット証拠金維持率text, {2400, 3120, 1575, 270}, 9},

    {Element::Line1, {4080, 960, 15, 2400}, kNoTabStop},

    {CaptionOf{F::オーダーの適正ロットtext}, {4200, 960, 2250, 210}, kNoTabStop},
    {CaptionOf{F::ポジション必要証拠金text}, {4200, 1200, 2250, 210}, kNoTabStop},
    {CaptionOf{F::オーダー時の有効証拠金text}, {4200, 1440, 2250, 210}, kNoTabStop},
    {CaptionOf{F::PIPSあたりの損益額text}, {4200, 1680, 2250, 210}, kNoTabStop},
    {CaptionOf{F::許容含み損text}, {4200, 1920, 2250, 210}, kNoTabStop},
    {CaptionOf{F::ロスカットまでの余力PIPStext}, {4200, 2160, 2250, 210}, kNoTabStop},
    {CaptionOf{F::ロスカット到達レート買text}, {4200, 2400, 2250, 210}, kNoTabStop},
    {CaptionOf{F::ロスカット到達レート売text}, {4200, 2640, 2250, 210}, kNoTabStop},

    {F::オーダーの適正ロットtext, {6480, 960, 1695, 270}, 29},
    {F::ポジション必要証拠金text, {6480, 1200, 1695, 270}, 30},
    {F::オーダー時の有効証拠金text, {6480, 1440, 1695, 270}, 31},
    {F::PIPSあたりの損益額text, {6480, 1680, 1695, 270}, 32},
    {F::許容含み損text, {6480, 1920, 1695, 270}, 33},
    {F::ロスカットまでの余力PIPStext, {6480, 2160, 1695, 270}, 34},
    {F::ロスカット到達レート買text, {6480, 2400, 1695, 270}, 35},
    {F::ロスカット到達レート売text, {6480, 2640, 1695, 270}, 36},

    {F::Label1, {4200, 3000, 2295, 375}, kNoTabStop},
    {Element::計算, {6600, 3000, 1575, 375}, 28},
}};

}  // namespace

std::span<const Placement> placements() { return kLayout; }

const Twips& windowBox() { return kWindow; }

// A fractional scale rounds native sizes to whole pixels: the window may come out a pixel
// wider or taller than its size says, and the screen's free area, rounded the other way, a
// pixel smaller.
QPoint openingPlace(const QRect& client, const QMargins& frame, const QRect& available,
                    double scale) {
  const auto fit = [](int start, int length, int first, int last) {
    return std::max(first, std::min(start, last - length + 1));
  };
  const auto drawn = [&](int length) {
    return static_cast<int>(std::ceil(std::round(length * scale) / scale));
  };
  const QRect window =
      QRect(client.topLeft(), QSize(drawn(client.width()), drawn(client.height())))
          .marginsAdded(frame);
  const bool fractional = scale != std::floor(scale);
  const QRect usable = fractional ? available.adjusted(0, 0, -1, -1) : available;
  return QPoint(fit(window.left(), window.width(), usable.left(), usable.right()),
                fit(window.top(), window.height(), usable.top(), usable.bottom())) +
         QPoint(frame.left(), frame.top());
}

QRect pixels(const Twips& box) {
  return {box.left / kTwipsPerPixel, box.top / kTwipsPerPixel, box.width / kTwipsPerPixel,
          box.height / kTwipsPerPixel};
}

}  // namespace form
