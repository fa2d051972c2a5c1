#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "calc/window_events.h"
#include "form/window_table.h"
#include "support/memory_fields.h"

namespace qelmar_test {

// What a trader reads after one press of 計算: the eight results and the message line.
struct Shown {
  std::array<std::u16string, 8> results;
  std::u16string message;
};

inline const std::u16string kCannotCompute = u"入力された数値では計算できません";

inline Shown noResults(std::u16string message) { return {{}, std::move(message)}; }

// The window after start-up, then the trader's edits, then one press of 計算.
inline Shown click(const Edits& edits) {
  MemoryFields fields = qelmar_test::startedWith(edits);
  calc::計算_Click(fields);
  Shown shown;
  for (std::size_t i = 0; i < 8; ++i) shown.results[i] = fields.text(form::resultFields()[i]);
  shown.message = fields.text(form::Field::Label1);
  return shown;
}

inline void expectShown(const Shown& actual, const Shown& expected, const char* name) {
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(actual.results[i], expected.results[i]) << name << ", result " << i;
  }
  EXPECT_EQ(actual.message, expected.message) << name;
}

struct ClickCase {
  const char* name;
  Edits edits;
  Shown expected;
};

}  // namespace qelmar_test
