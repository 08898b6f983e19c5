// The grid of the day: every player gets the same grid on the same calendar date, on any machine,
// in any locale, at any time of day, and the grid of a date never changes between versions.
//
// The rule, fixed for good:
//   seed = year * 10000 + month * 100 + day        (7 December 2026 -> 20261207)
//   the draws come from SplitMix64 started at that seed: each step adds 0x9E3779B97F4A7C15 to
//   the state and mixes it (xor-shift 30, * 0xBF58476D1CE4E5B9, xor-shift 27,
//   * 0x94D049BB133111EB, xor-shift 31); a draw is the top 24 bits of the result times 2^-24;
//   the quotas are drawn and the grid dealt by the standard method, reseeds ignored.
// Nothing else goes in: not the running random state of the game, not the options.
#pragma once

#include <cstdint>

#include "board/deal.h"
#include "board/random_source.h"

namespace vocari {

// year * 10000 + month * 100 + day.
uint64_t dailySeed(int year, int month, int day);

// SplitMix64 as above: a fixed algorithm whose output no library version can change. Its
// reseeds do nothing.
class SplitMixRandom final : public RandomSource {
 public:
  explicit SplitMixRandom(uint64_t seed) : state_(seed) {}
  float rnd() override;
  void reseed() override {}

 private:
  uint64_t state_;
};

// Draws the quotas and deals the grid of that date by the standard method. False when a yield
// reported the deal superseded.
bool dealDaily(GameState& s, int year, int month, int day, const DealHooks& hooks);

}  // namespace vocari
