#pragma once

#include <compare>

namespace numeric::detail {

// The library's two roundings, each spelled here once.
//
// HalfEven: every value stored as a Currency (a text read as Currency, a Currency
// product, Cur of a Double) goes to the nearest ten-thousandth, an exact tie to the even
// neighbour:
//   text "0.00015" -> 0.0002, "0.00025" -> 0.0002, "-0.00015" -> -0.0002;
//   Cur(0.00625) -> 0.0062 (the product 62.5 is a tie).
// HalfAwayFromZero: what Format shows at its pattern's decimals: 0.125 with two decimals
// shows ".13", -0.125 "-.13".
enum class Rounding { HalfEven, HalfAwayFromZero };

// Whether a magnitude cut after its last kept digit goes up by one unit of that digit:
// `droppedAgainstHalf` compares the part cut off with half a unit, `keptIsOdd` is the
// parity of the last kept digit.
constexpr bool roundsUp(Rounding rule, std::partial_ordering droppedAgainstHalf, bool keptIsOdd) {
  if (droppedAgainstHalf != 0) return droppedAgainstHalf > 0;
  return rule == Rounding::HalfAwayFromZero || keptIsOdd;
}

}  // namespace numeric::detail
