#include <cstdio>
#include <cstdlib>

#include "fuzz_input.h"
#include "number_text_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string problem = qelmar_fuzz::checkNumberText(qelmar_fuzz::utf16FromBytes({data, size}));
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
