#include "board/random_source.h"

#include <array>
#include <chrono>

namespace vocari {

namespace {

std::mt19937 seededFromDevice() {
  std::random_device device;
  std::array<std::random_device::result_type, 8> words{};
  for (auto& w : words) w = device();
  std::seed_seq seq(words.begin(), words.end());
  return std::mt19937(seq);
}

std::mt19937 seededFrom(uint64_t seed) {
  std::seed_seq seq{uint32_t(seed), uint32_t(seed >> 32)};
  return std::mt19937(seq);
}

}  // namespace

RealRandom::RealRandom() : gen_(seededFromDevice()) {}

RealRandom::RealRandom(uint64_t seed) : gen_(seededFrom(seed)), fixed_(true) {}

void RealRandom::reseed() {
  if (fixed_) return;
  const auto now = uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
  std::seed_seq seq{uint32_t(gen_()), uint32_t(gen_()), uint32_t(now), uint32_t(now >> 32)};
  gen_.seed(seq);
}

float unitFromWord(uint32_t word) {
  constexpr float kScale = 1.0f / 16777216.0f;
  return float(word >> 8) * kScale;
}

float RealRandom::rnd() { return unitFromWord(uint32_t(gen_())); }

}  // namespace vocari
