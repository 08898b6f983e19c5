// Helpers shared by the dealing tests: hooks that record what a deal did, a random source that
// logs its reseeds and draws, and small board readers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "board/deal.h"
#include "core/game_state.h"
#include "core/tables.h"
#include "scripted_random.h"

namespace vocari::testing {

inline int L(char c) { return letterIndex(c); }

// The 16 dice in reading order, one character each.
inline std::string diceText(const Board& b) {
  std::string t;
  for (int16_t p : dicePos) t += b[p] ? b[p] : '.';
  return t;
}

inline GameState withQuotas(int vowels, int rares, int consonants) {
  GameState s;
  s.vowelQuota = vowels;
  s.rareQuota = rares;
  s.consonantQuota = static_cast<int16_t>(consonants);
  return s;
}

// Records the yields and the dice shown; events go to `log` ('Y' yield, 'P' die shown), where a
// logging source can interleave its own ('S' reseed, 'r' draw).
struct Recorder {
  std::string log;
  std::vector<std::pair<int, int>> shown;  // (position, letter index) in showing order
  std::vector<bool> shownRightAfterShow;   // nothing happened between this show and the previous
  int yields = 0;
  int stopAtYield = 0;  // the yield with this number reports the deal superseded; 0 never
  const GameState* state = nullptr;
  GameState atStop;  // the state when the stopping yield ran

  DealHooks hooks() {
    DealHooks h;
    h.yield = [this] {
      log += 'Y';
      ++yields;
      if (yields != stopAtYield) return true;
      if (state) atStop = *state;
      return false;
    };
    h.showDie = [this](int pos, int letter) {
      shownRightAfterShow.push_back(!log.empty() && log.back() == 'P');
      log += 'P';
      shown.emplace_back(pos, letter);
    };
    return h;
  }

  // Positions of U dice placed together with a Q (shown next to the Q's own show).
  std::vector<int> pairedU() const {
    std::vector<int> out;
    for (size_t n = 0; n < shown.size(); ++n) {
      if (shown[n].second != kIndexU) continue;
      const bool qBefore = n > 0 && shownRightAfterShow[n] && shown[n - 1].second == kIndexQ;
      const bool qAfter = n + 1 < shown.size() && shownRightAfterShow[n + 1] && shown[n + 1].second == kIndexQ;
      if (qBefore || qAfter) out.push_back(shown[n].first);
    }
    return out;
  }
};

// Passes draws through from another source and logs them. A deal that keeps drawing past
// `bound` fails the test and is ended by an exception rather than left hanging.
class LoggingRandom final : public RandomSource {
 public:
  LoggingRandom(RandomSource& inner, std::string& log, long bound = 1'000'000)
      : inner_(inner), log_(log), bound_(bound) {}
  float rnd() override {
    if (++used_ > bound_) {
      ADD_FAILURE() << "more than " << bound_ << " draws";
      throw ScriptExhausted();
    }
    log_ += 'r';
    return inner_.rnd();
  }
  void reseed() override {
    log_ += 'S';
    inner_.reseed();
  }

 private:
  RandomSource& inner_;
  std::string& log_;
  long bound_;
  long used_ = 0;
};

}  // namespace vocari::testing
