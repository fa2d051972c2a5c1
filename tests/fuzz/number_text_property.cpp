#include "number_text_property.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "display_patterns.h"
#include "fuzz_input.h"
#include "numeric/currency.h"
#include "numeric/format.h"
#include "numeric/text_conversion.h"
#include "numeric/text_ops.h"
#include "reference_decimal.h"

namespace qelmar_fuzz {
namespace {

using numeric::Currency;
using numeric::ErrorKind;

constexpr Int128 kCurrencyMax = std::numeric_limits<std::int64_t>::max();
constexpr Int128 kLongMax = std::numeric_limits<std::int32_t>::max();

std::string kindName(const std::optional<ErrorKind>& kind) {
  if (!kind) return "no error";
  switch (*kind) {
    case ErrorKind::TypeMismatch: return "TypeMismatch";
    case ErrorKind::Overflow: return "Overflow";
    case ErrorKind::DivisionByZero: return "DivisionByZero";
  }
  return "an unknown error kind";
}

template <class T>
std::string outcome(const Tried<T>& tried) {
  if (!tried.escaped.empty()) return tried.escaped;
  if (tried.error) return kindName(tried.error);
  if constexpr (std::is_same_v<T, Currency>) {
    return "value " + describe(decFromScaled(tried.value->scaled(), 4));
  } else if constexpr (std::is_same_v<T, std::u16string>) {
    std::string quoted(1, '"');
    quoted += narrow(*tried.value);
    return quoted += '"';
  } else if constexpr (std::is_same_v<T, double>) {
    return "value " + describe(fifteenDigits(*tried.value)) + " (15 digits)";
  } else {
    return "value " + std::to_string(*tried.value);
  }
}

class Report {
 public:
  void fail(std::string what) {
    if (problems_.size() < 6) problems_.push_back(std::move(what));
  }
  std::string text(std::u16string_view input) const {
    if (problems_.empty()) return {};
    std::string out = "text \"" + narrow(input) + "\":";
    for (const auto& problem : problems_) out += "\n  " + problem;
    return out;
  }

 private:
  std::vector<std::string> problems_;
};

// The value an exact decimal must convert to, or nothing where it overflows the type.
std::optional<std::int64_t> expectedWhole(const Dec& exact, int decimals, Int128 max) {
  const auto scaled = scaledExactly(rounded(exact, decimals, Rounding::HalfEven), decimals, max + 1);
  if (!scaled || *scaled > max) return std::nullopt;
  return static_cast<std::int64_t>(*scaled);
}

// The C library's strtod rounds correctly; infinity means the value overflows a Double.
double nearestDouble(const Dec& exact) {
  const std::string text = (exact.negative ? "-" : "") +
                           (exact.isZero() ? std::string("0") : exact.digits) + "e" +
                           std::to_string(exact.exponent);
  return std::strtod(text.c_str(), nullptr);
}

std::int64_t wholeOf(Currency value) { return value.scaled(); }
std::int64_t wholeOf(std::int32_t value) { return value; }

template <class T>
void expectConverted(Report& report, const std::string& name, const Tried<T>& tried,
                     const std::optional<std::int64_t>& want) {
  const int decimals = std::is_same_v<T, Currency> ? 4 : 0;
  if (!want) {
    if (!tried.failedWith(ErrorKind::Overflow)) report.fail(name + " should overflow, gave " + outcome(tried));
  } else if (!tried.value || wholeOf(*tried.value) != *want) {
    report.fail(name + " gave " + outcome(tried) + ", expected " +
                describe(decFromScaled(*want, decimals)));
  }
}

void checkCurrencyFormats(Report& report, Currency value) {
  const Dec exact = decFromScaled(value.scaled(), 4);
  for (const auto& pattern : kDisplayPatterns) {
    const std::string where = "Format(Currency " + describe(exact) + ", \"" +
                              narrow(pattern.pattern) + "\")";
    const auto shown = attempt([&] { return numeric::format(value, pattern.pattern); });
    if (!shown.value) {
      report.fail(where + " raised " + outcome(shown));
      continue;
    }
    const Dec want = expectedShown(exact, pattern);
    const auto read = readFormatted(*shown.value, pattern);
    if (!read.value) {
      report.fail(where + " gave " + outcome(shown) + ": " + read.problem);
      continue;
    }
    if (*read.value != want) {
      report.fail(where + " gave " + outcome(shown) + ", expected " + describe(want));
    }
    // The text reads back through the program's own conversion, as the fields do.
    std::u16string number = *shown.value;
    if (pattern.percent) number.pop_back();
    if (number.empty()) continue;
    const auto back = attempt([&] { return numeric::toCurrency(number); });
    expectConverted(report, "toCurrency of " + where, back,
                    expectedWhole(want, 4, kCurrencyMax));
  }
}

void checkDouble(Report& report, double value) {
  const Dec digits15 = fifteenDigits(value);
  const std::u16string want = widen(plainText(digits15));
  const auto text = attempt([&] { return numeric::toText(value); });
  if (!text.value || *text.value != want) {
    report.fail("toText(" + describe(digits15) + ") gave " + outcome(text) + ", expected \"" +
                narrow(want) + "\"");
  } else {
    const auto back = attempt([&] { return numeric::toDouble(*text.value); });
    const auto again = back.value ? attempt([&] { return numeric::toText(*back.value); })
                                  : Tried<std::u16string>{};
    if (!again.value || *again.value != *text.value) {
      report.fail("toText(toDouble(\"" + narrow(*text.value) + "\")) gave " +
                  (back.value ? outcome(again) : outcome(back)));
    }
  }
  for (const auto& pattern : kDisplayPatterns) {
    const std::string where = "Format(Double " + describe(digits15) + ", \"" +
                              narrow(pattern.pattern) + "\")";
    const auto shown = attempt([&] { return numeric::format(value, pattern.pattern); });
    if (!shown.value) {
      report.fail(where + " raised " + outcome(shown));
      continue;
    }
    const auto read = readFormatted(*shown.value, pattern);
    const Dec wanted = expectedShown(digits15, pattern);
    if (!read.value) {
      report.fail(where + " gave " + outcome(shown) + ": " + read.problem);
    } else if (*read.value != wanted) {
      report.fail(where + " gave " + outcome(shown) + ", expected " + describe(wanted));
    }
  }
}

}  // namespace

std::string checkNumberText(std::u16string_view text) {
  Report report;
  const auto reading = readGrammar(text);
  const auto currency = attempt([&] { return numeric::toCurrency(text); });
  const auto whole = attempt([&] { return numeric::toLong(text); });
  const auto real = attempt([&] { return numeric::toDouble(text); });

  const auto expectRead = [&](const char* name, bool mismatch) {
    if (!mismatch && !reading) report.fail(std::string(name) + " read a text outside the grammar");
    if (mismatch && reading && !reading->pointLast) {
      report.fail(std::string(name) + " refused a number of the grammar");
    }
  };
  expectRead("toCurrency", currency.failedWith(ErrorKind::TypeMismatch));
  expectRead("toLong", whole.failedWith(ErrorKind::TypeMismatch));
  expectRead("toDouble", real.failedWith(ErrorKind::TypeMismatch));
  for (const auto* escaped : {&currency.escaped, &whole.escaped, &real.escaped}) {
    if (!escaped->empty()) report.fail("a conversion let this escape: " + *escaped);
  }
  if (currency.failedWith(ErrorKind::TypeMismatch) != real.failedWith(ErrorKind::TypeMismatch) ||
      whole.failedWith(ErrorKind::TypeMismatch) != real.failedWith(ErrorKind::TypeMismatch)) {
    report.fail("the conversions disagree on the grammar: toCurrency " + outcome(currency) +
                ", toLong " + outcome(whole) + ", toDouble " + outcome(real));
  }

  if (reading && !real.failedWith(ErrorKind::TypeMismatch)) {
    const Dec& exact = reading->value;
    expectConverted(report, "toCurrency", currency, expectedWhole(exact, 4, kCurrencyMax));
    expectConverted(report, "toLong", whole, expectedWhole(exact, 0, kLongMax));
    const double nearest = nearestDouble(exact);
    if (std::isinf(nearest)) {
      if (!real.failedWith(ErrorKind::Overflow)) report.fail("toDouble should overflow, gave " + outcome(real));
    } else if (!real.value || *real.value != nearest) {
      report.fail("toDouble gave " + outcome(real) + ", expected " +
                  describe(fifteenDigits(nearest)) + " (15 digits)");
    }
  }

  if (currency.value) checkCurrencyFormats(report, *currency.value);
  if (real.value) checkDouble(report, *real.value);
  if (text.size() >= 4) {
    // The first four code units as the bits of any Double: denormals, huge values.
    std::uint64_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = bits << 16 | text[static_cast<std::size_t>(i)];
    const double value = std::bit_cast<double>(bits);
    if (std::isfinite(value)) {
      checkDouble(report, value);
    } else {
      const auto text = attempt([&] { return numeric::toText(value); });
      if (!text.escaped.empty()) report.fail("toText of a non-finite Double: " + text.escaped);
    }
  }

  for (const auto& pattern : kDisplayPatterns) {
    const std::string where = "Format(text, \"" + narrow(pattern.pattern) + "\")";
    const auto shown = attempt([&] { return numeric::format(text, pattern.pattern); });
    if (!shown.value) {
      report.fail(where + " raised " + outcome(shown));
      continue;
    }
    if (!real.value) {
      if (*shown.value != text) report.fail(where + " changed a text that does not read: " + outcome(shown));
      continue;
    }
    const auto viaDouble = attempt([&] { return numeric::format(*real.value, pattern.pattern); });
    if (viaDouble.value != shown.value) {
      report.fail(where + " gave " + outcome(shown) + " but Format of its Double " + outcome(viaDouble));
    }
    // A text of at most 15 significant digits and 4 decimals is the same number to both.
    if (currency.value && reading && reading->value.exponent >= -4 && reading->value.digits.size() <= 15) {
      const auto viaCurrency = attempt([&] { return numeric::format(*currency.value, pattern.pattern); });
      if (viaCurrency.value != shown.value) {
        report.fail(where + " gave " + outcome(shown) + " but Format of its Currency " + outcome(viaCurrency));
      }
    }
  }

  std::u16string withoutPercent(text);
  std::erase(withoutPercent, u'%');
  if (numeric::removePercent(text) != withoutPercent) report.fail("removePercent kept or lost more than the %");
  if (numeric::lastChar(text) != (text.empty() ? std::u16string_view() : text.substr(text.size() - 1))) {
    report.fail("lastChar is not the last code unit");
  }
  return report.text(text);
}

}  // namespace qelmar_fuzz
