#include "board/daily_deal.h"

namespace vocari {

uint64_t dailySeed(int year, int month, int day) {
  return uint64_t(year) * 10000 + uint64_t(month) * 100 + uint64_t(day);
}

float SplitMixRandom::rnd() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  z ^= z >> 31;
  // The top 24 bits, scaled as every draw is.
  return unitFromWord(uint32_t(z >> 32));
}

bool dealDaily(GameState& s, int year, int month, int day, const DealHooks& hooks) {
  SplitMixRandom random(dailySeed(year, month, day));
  for (int16_t p : dicePos) s.board[p] = kUndealt;
  drawQuotas(s, random);
  hooks.quotasDrawn();
  return dealStandard(s, random, hooks);
}

}  // namespace vocari
