// Where the dealing methods get their random draws.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>

namespace vocari {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A fresh uniform value with 0 <= rnd < 1; never 1.
  virtual float rnd() = 0;
  // The points where the dealing methods reseed from the time of day.
  virtual void reseed() = 0;
  // floor(rnd * m) + c: an integer from c to c + m - 1.
  int draw(int m, int c = 0) { return static_cast<int>(std::floor(double(rnd()) * m)) + c; }
};

// One generator seeded once per run from a high-entropy seed. A reseed mixes the time of day
// into the generator's running state instead of replacing it, so two reseeds within one tick
// of the clock never repeat a sequence. A source made with a fixed seed (the benchmark, tests)
// ignores the reseeds and replays the same draws on every run.
// A generator word as a draw: its top 24 bits scaled below 1, so every value k * 2^-24 is exact
// in a float and the largest, from the word 0xFFFFFFFF, is 1 - 2^-24.
float unitFromWord(uint32_t word);

class RealRandom final : public RandomSource {
 public:
  RealRandom();
  explicit RealRandom(uint64_t seed);
  float rnd() override;
  void reseed() override;

 private:
  std::mt19937 gen_;
  bool fixed_ = false;
};

}  // namespace vocari
