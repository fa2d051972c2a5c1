#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>

#include "fuzz_input.h"
#include "numeric/currency.h"
#include "numeric/format.h"
#include "numeric/text_conversion.h"
#include "numeric/text_ops.h"
#include "properties.h"
#include "support/pattern_text.h"

namespace qelmar_fuzz {
namespace {

using numeric::Currency;
using numeric::Pattern;
using qelmar_test::patternText;

struct NumberPattern {
  Pattern pattern;
  std::int64_t step;  // its last place in ten-thousandths; five decimals show a Currency exactly
};
constexpr std::array<NumberPattern, 5> kNumberPatterns{{{Pattern::Grouped2, 100},
                                                        {Pattern::Grouped1, 1000},
                                                        {Pattern::Plain2, 100},
                                                        {Pattern::Plain3, 10},
                                                        {Pattern::Plain5, 1}}};

// Unsigned, so that neither the magnitude of the int64 minimum nor the distance between
// the range ends overflows.
std::uint64_t magnitude(std::int64_t x) {
  const auto bits = static_cast<std::uint64_t>(x);
  return x < 0 ? 0 - bits : bits;
}
std::uint64_t distance(std::int64_t a, std::int64_t b) {
  const auto low = static_cast<std::uint64_t>(std::min(a, b));
  return static_cast<std::uint64_t>(std::max(a, b)) - low;
}

// `shown` is `exact` rounded to a multiple of `step`, a tie going away from zero.
bool roundsTo(std::int64_t exact, std::int64_t shown, std::int64_t step) {
  const std::uint64_t off = distance(exact, shown);
  const auto whole = static_cast<std::uint64_t>(step);
  return shown % step == 0 && off < whole &&
         (off * 2 < whole || (off * 2 == whole && magnitude(shown) > magnitude(exact)));
}

// The whole number of a "###%" text: "%" alone for zero, else an optional "-" and digits
// without a leading zero; none beyond a hundredth of the int64 range, where no Currency's
// percent lies.
std::optional<std::int64_t> percentShown(std::u16string_view text) {
  constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max() / 100;
  if (text == u"%") return 0;
  const bool negative = text.starts_with(u'-');
  if (negative) text.remove_prefix(1);
  if (!text.ends_with(u'%') || text.size() < 2 || text[0] == u'0') return std::nullopt;
  std::int64_t whole = 0;
  for (const char16_t c : text.substr(0, text.size() - 1)) {
    if (c < u'0' || c > u'9' || whole > (kLargest - (c - u'0')) / 10) return std::nullopt;
    whole = whole * 10 + (c - u'0');
  }
  return negative ? -whole : whole;
}

std::string quoted(const std::optional<std::u16string>& text) {
  return text ? "\"" + narrow(*text) + "\"" : std::string("nothing");
}

void checkCurrencyFormats(std::string& problems, Currency value) {
  // Rounded up at a range end, the text rightly overflows a Currency.
  constexpr std::int64_t kLast = std::numeric_limits<std::int64_t>::max() - Currency::kScale;
  if (magnitude(value.scaled()) > kLast) return;
  const std::string name = "\n  Format(Currency " + std::to_string(value.scaled()) + "e-" +
                           std::to_string(Currency::kDecimals) + ", \"";
  for (const NumberPattern& number : kNumberPatterns) {
    std::string escaped;
    const auto shown = attempt([&] { return numeric::format(value, number.pattern); }, escaped);
    const auto back =
        shown ? attempt([&] { return numeric::toCurrency(*shown); }, escaped) : std::nullopt;
    if (!back || !roundsTo(value.scaled(), back->scaled(), number.step)) {
      problems += name + narrow(patternText(number.pattern)) + "\") gave " +
                  quoted(shown) + escaped;
    }
  }
  std::string escaped;
  const auto shown = attempt([&] { return numeric::format(value, Pattern::Percent); }, escaped);
  const auto whole = shown ? percentShown(*shown) : std::nullopt;
  if (!whole || !roundsTo(value.scaled(), *whole * 100, 100)) {
    problems += name + "###%\") gave " + quoted(shown) + escaped;
  }
}

void checkDoubleText(std::string& problems, double value) {
  // Near the largest Double, 15 digits may round past it.
  if (!std::isfinite(value) || std::fabs(value) >= 1e308) return;
  std::string escaped;
  const auto text = attempt([&] { return numeric::toText(value); }, escaped);
  const auto back =
      text ? attempt([&] { return numeric::toDouble(*text); }, escaped) : std::nullopt;
  const auto again =
      back ? attempt([&] { return numeric::toText(*back); }, escaped) : std::nullopt;
  if (!text || again != text) {
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.17g", value);
    problems += std::string("\n  toText(") + printed + ") gave " + quoted(text) +
                ", read back as " + quoted(again) + escaped;
  }
}

// A number as the pattern shows it; the percent pattern shows zero as "%" alone.
bool isFormattedNumber(std::u16string_view shown, bool percent) {
  if (percent) {
    if (!shown.ends_with(u'%')) return false;
    shown.remove_suffix(1);
    if (shown.empty()) return true;
  }
  return numeric::isNumber(shown);
}

// Format of a text never raises: a text that is no Double comes back as it was.
void checkTextFormat(std::string& problems, std::u16string_view text, bool readable,
                     Pattern pattern) {
  std::string escaped;
  const auto shown = attempt([&] { return numeric::format(text, pattern); }, escaped);
  const bool percent = pattern == Pattern::Percent;
  if (shown && (readable ? isFormattedNumber(*shown, percent) : *shown == text)) return;
  problems += "\n  Format(text, \"" + narrow(patternText(pattern)) + "\") of a " +
              (readable ? "Double" : "non-number") + " gave " + quoted(shown) + escaped;
}

}  // namespace

std::string checkNumberText(std::u16string_view text) {
  std::string problems;
  std::string escaped;
  const auto currency = attempt([&] { return numeric::toCurrency(text); }, escaped);
  attempt([&] { return numeric::toLong(text); }, escaped);
  const auto real = attempt([&] { return numeric::toDouble(text); }, escaped);
  if (!escaped.empty()) problems += "\n  a conversion let more than a NumericError out:" + escaped;

  if (currency) checkCurrencyFormats(problems, *currency);
  if (real) checkDoubleText(problems, *real);
  if (text.size() >= 4) {
    // The first four code units as the bits of a Double reach tiny and huge values.
    std::uint64_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = bits << 16 | text[static_cast<std::size_t>(i)];
    double value;  // no std::bit_cast in the web build's libc++
    std::memcpy(&value, &bits, sizeof value);
    checkDoubleText(problems, value);
  }
  for (const NumberPattern& number : kNumberPatterns) {
    checkTextFormat(problems, text, real.has_value(), number.pattern);
  }
  checkTextFormat(problems, text, real.has_value(), Pattern::Percent);
  return problems.empty() ? problems : "text \"" + narrow(text) + "\":" + problems;
}

}  // namespace qelmar_fuzz
