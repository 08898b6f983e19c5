// One libFuzzer entry point; VOCARI_FUZZ_CHECK names the check it runs. A failed check is a
// crash, so libFuzzer keeps the input.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/checks/fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (const vocari::fuzz::Failure failure = vocari::fuzz::VOCARI_FUZZ_CHECK(input)) {
    std::fprintf(stderr, "check failed: %s\n", failure->c_str());
    std::abort();
  }
  return 0;
}
