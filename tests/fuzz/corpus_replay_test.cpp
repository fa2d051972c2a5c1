#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_input.h"
#include "properties.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> bytesOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every seed of a target's corpus satisfies its property, in the ordinary build too.
template <class Check>
void replay(const char* target, Check check) {
  const fs::path folder = fs::path(QELMAR_FUZZ_CORPUS) / target;
  int seeds = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    ++seeds;
    const auto bytes = bytesOf(entry.path());
    EXPECT_EQ(check(bytes), "") << entry.path().filename();
  }
  EXPECT_GE(seeds, 10) << "seed corpus " << folder << " went missing";
}

TEST(FuzzSeedCorpus, NumberTextSeedsHold) {
  replay("number_text", [](const std::vector<std::uint8_t>& bytes) {
    return qelmar_fuzz::checkNumberText(qelmar_fuzz::utf16FromBytes(bytes));
  });
}

TEST(FuzzSeedCorpus, ClickSeedsHold) {
  replay("click", [](const std::vector<std::uint8_t>& bytes) { return qelmar_fuzz::checkClick(bytes); });
}

}  // namespace
