#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "calc/window_events.h"
#include "support/memory_fields.h"

namespace {

using form::Field;
using qelmar_test::MemoryFields;
using qelmar_test::Edits;

// The window after start-up and the trader's edits, pressed once, so that the inputs
// already stand as the click re-formats them and every timed press does the same work.
MemoryFields settled(const Edits& edits) {
  MemoryFields fields = qelmar_test::startedWith(edits);
  calc::計算_Click(fields);
  return fields;
}

bool sameTexts(const MemoryFields& a, const MemoryFields& b) {
  for (const Field field : form::allFields()) {
    if (a.text(field) != b.text(field)) return false;
  }
  return true;
}

void click(benchmark::State& state, const Edits& edits, std::u16string lot, std::u16string message) {
  MemoryFields fields = settled(edits);
  const MemoryFields before = fields;
  if (fields.text(Field::オーダーの適正ロットtext) != lot || fields.text(Field::Label1) != message) {
    state.SkipWithError("the click does not show what this case expects");
    return;
  }
  for (auto _ : state) {
    calc::計算_Click(fields);
    benchmark::ClobberMemory();
  }
  if (!sameTexts(fields, before)) state.SkipWithError("the texts changed from press to press");
}

const Edits kExampleA{{Field::口座種別Combo, u"円"}, {Field::取引通貨Combo, u"クロス円"}, {Field::通貨単位Combo, u"10000"}};
const Edits kExampleB{{Field::口座種別Combo, u"ドル"}, {Field::取引通貨Combo, u"ドルストレート"}, {Field::通貨単位Combo, u"10000"}};
const Edits kExampleC{{Field::口座種別Combo, u"ドル"}, {Field::取引通貨Combo, u"クロス円"}, {Field::通貨単位Combo, u"1000"}, {Field::運用オーダー数text, u"3"}};
// Pressed at once after start-up: all three combos still at their prompts.
const Edits kUnchosen{};
// A balance that cannot be read: numeric errors at reading and in most statements.
const Edits kUnreadable{{Field::口座種別Combo, u"円"}, {Field::取引通貨Combo, u"クロス円"}, {Field::通貨単位Combo, u"10000"}, {Field::口座残高text, u"abc"}};

// The longest paste a line edit takes, in all ten inputs.
const Edits kLongPastes = [] {
  Edits edits;
  for (std::size_t i = 0; i < 10; ++i) edits.emplace_back(form::allFields()[i], std::u16string(32767, u'9'));
  return edits;
}();

BENCHMARK_CAPTURE(click, ExampleA, kExampleA, u"0.01", u"");
BENCHMARK_CAPTURE(click, ExampleB, kExampleB, u"0.10", u"");
BENCHMARK_CAPTURE(click, ExampleC, kExampleC, u"0.33", u"");
BENCHMARK_CAPTURE(click, FailingUnchosen, kUnchosen, u"", u"口座種別を選択してください");
BENCHMARK_CAPTURE(click, FailingUnreadableBalance, kUnreadable, u"", u"口座残高に半角数字以外が入力されています");
BENCHMARK_CAPTURE(click, FailingLongPastes, kLongPastes, u"", u"口座種別を選択してください");

}  // namespace
