#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "numeric/currency.h"
#include "numeric/format.h"
#include "numeric/text_conversion.h"
#include "numeric/text_ops.h"

namespace {

void toCurrency(benchmark::State& state, std::u16string text) {
  for (auto _ : state) benchmark::DoNotOptimize(numeric::toCurrency(text));
}
BENCHMARK_CAPTURE(toCurrency, Balance, u"10,000.00");
BENCHMARK_CAPTURE(toCurrency, Rate, u"100.000");
BENCHMARK_CAPTURE(toCurrency, TieToEven, u"1.23455");
BENCHMARK_CAPTURE(toCurrency, Largest, u"922,337,203,685,477.5807");

void toLong(benchmark::State& state, std::u16string text) {
  for (auto _ : state) benchmark::DoNotOptimize(numeric::toLong(text));
}
BENCHMARK_CAPTURE(toLong, Leverage, u"100");

void toDouble(benchmark::State& state, std::u16string text) {
  for (auto _ : state) benchmark::DoNotOptimize(numeric::toDouble(text));
}
BENCHMARK_CAPTURE(toDouble, Rate, u"1.2345");

using numeric::Currency;

// Currency's arithmetic as the calculation uses it: a product whose exact value needs more
// than 64 bits, one that fits, a tie rounded to even, the percent's times 100.
void currencyTimesCurrency(benchmark::State& state, std::int64_t a, std::int64_t b) {
  const Currency x = Currency::fromScaled(a), y = Currency::fromScaled(b);
  for (auto _ : state) benchmark::DoNotOptimize(x * y);
}
BENCHMARK_CAPTURE(currencyTimesCurrency, Wide, 9000000000000000, 10005000);
BENCHMARK_CAPTURE(currencyTimesCurrency, Narrow, 12345, 20000);
BENCHMARK_CAPTURE(currencyTimesCurrency, NegativeTie, -3, 5000);

void currencyTimesInteger(benchmark::State& state, std::int64_t a, std::int16_t factor) {
  const Currency x = Currency::fromScaled(a);
  for (auto _ : state) benchmark::DoNotOptimize(x * factor);
}
BENCHMARK_CAPTURE(currencyTimesInteger, Hundred, 12345, std::int16_t{100});

void currencySum(benchmark::State& state, std::int64_t a, std::int64_t b) {
  const Currency x = Currency::fromScaled(a), y = Currency::fromScaled(b);
  for (auto _ : state) benchmark::DoNotOptimize(x + y);
}
BENCHMARK_CAPTURE(currencySum, Mixed, 12345, -100000000);

void currencyDifference(benchmark::State& state, std::int64_t a, std::int64_t b) {
  const Currency x = Currency::fromScaled(a), y = Currency::fromScaled(b);
  for (auto _ : state) benchmark::DoNotOptimize(x - y);
}
BENCHMARK_CAPTURE(currencyDifference, Mixed, 12345, -100000000);

using numeric::Pattern;

void formatCurrency(benchmark::State& state, Pattern pattern) {
  const auto value = numeric::toCurrency(u"-1234567.8915");
  for (auto _ : state) benchmark::DoNotOptimize(numeric::format(value, pattern));
}
BENCHMARK_CAPTURE(formatCurrency, Grouped2, Pattern::Grouped2);
BENCHMARK_CAPTURE(formatCurrency, Grouped1, Pattern::Grouped1);
BENCHMARK_CAPTURE(formatCurrency, Fixed2, Pattern::Plain2);
BENCHMARK_CAPTURE(formatCurrency, Fixed3, Pattern::Plain3);
BENCHMARK_CAPTURE(formatCurrency, Fixed5, Pattern::Plain5);
BENCHMARK_CAPTURE(formatCurrency, Percent, Pattern::Percent);

// The normalisation's Format: a field text read as a Double, then shown.
void formatText(benchmark::State& state, std::u16string text, Pattern pattern) {
  for (auto _ : state) benchmark::DoNotOptimize(numeric::format(text, pattern));
}
BENCHMARK_CAPTURE(formatText, Balance, u"10,000.00", Pattern::Grouped2);
BENCHMARK_CAPTURE(formatText, Percent, u"0.1", Pattern::Percent);
BENCHMARK_CAPTURE(formatText, NotANumber, u"10%", Pattern::Percent);

void toText(benchmark::State& state, double value) {
  for (auto _ : state) benchmark::DoNotOptimize(numeric::toText(value));
}
BENCHMARK_CAPTURE(toText, Rescaled, 123.44999999999999);
BENCHMARK_CAPTURE(toText, Third, 1.0 / 3.0);
BENCHMARK_CAPTURE(toText, Whole, 1000.0);

}  // namespace
