// One libFuzzer target per property: QELMAR_FUZZ_CLICK picks the click.
#include <cstdio>
#include <cstdlib>

#include "fuzz_input.h"
#include "properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#ifdef QELMAR_FUZZ_CLICK
  const std::string problem = qelmar_fuzz::checkClick({data, size});
#else
  const std::string problem =
      qelmar_fuzz::checkNumberText(qelmar_fuzz::utf16FromBytes({data, size}));
#endif
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::abort();
  }
  return 0;
}
