// "Metodo Std": dice taken one at a time in random order; each die tries the vowels first,
// then the rare letters, then the common consonants.
#include <algorithm>
#include <string>
#include <vector>

#include "board/deal.h"

namespace vocari {

namespace {

// Draws per group allowed in one whole deal; past this a group stops testing its rule.
constexpr int kDrawLimit = 100;

// First and count of the consonants this method draws: C..T (B and V are never dealt).
constexpr int kStdFirstConsonant = 6;
constexpr int kStdConsonantCount = 11;

constexpr int kVowelCount = kLastVowel - kFirstVowel + 1;
constexpr int kRareCount = kLastRare - kFirstRare + 1;

// One standard deal: the letters dealt so far and the draws of each group.
class StandardDeal {
 public:
  StandardDeal(GameState& s, RandomSource& rnd, const DealHooks& hooks) : s_(s), rnd_(rnd), hooks_(hooks) {}

  // The letter for the next die: the vowel step, then the rare step, then the consonant step.
  // -1 when a yield reported the deal superseded.
  int drawLetter() {
    int i = -1;
    if (!vowelStep(i)) return -1;
    if (i < 0 && !rareStep(i)) return -1;
    if (i < 0 && !consonantStep(i)) return -1;
    return i;
  }

  void place(int pos, int i) {
    dealt_ += letters[i];
    s_.board[pos] = letters[i];
    hooks_.showDie(pos, i);
  }

 private:
  long occurrences(int i) const { return std::count(dealt_.begin(), dealt_.end(), letters[i]); }

  // Each step returns false when superseded, and sets i when it deals a letter.
  bool vowelStep(int& i) { return groupStep(s_.vowelQuota, vowelDraws_, kVowelCount, kFirstVowel, 2, i); }
  bool rareStep(int& i) { return groupStep(s_.rareQuota, rareDraws_, kRareCount, kFirstRare, 1, i); }

  // Draws letters of one group while its quota lasts, up to its draw limit, until one occurs
  // fewer than `allowed` times in the deal.
  bool groupStep(int& quota, int& draws, int count, int first, long allowed, int& i) {
    while (quota > 0) {
      if (!hooks_.yield()) return false;
      if (++draws > kDrawLimit) break;
      const int letter = rnd_.draw(count, first);
      if (occurrences(letter) >= allowed) continue;
      --quota;
      i = letter;
      break;
    }
    return true;
  }

  // Always ends, at the latest with the draw past the limit.
  bool consonantStep(int& i) {
    for (;;) {
      const int c = rnd_.draw(kStdConsonantCount, kStdFirstConsonant);
      if (!hooks_.yield()) return false;
      if (++consonantDraws_ > kDrawLimit || occurrences(c) < 2) {
        --s_.consonantQuota;
        i = c;
        return true;
      }
    }
  }

  GameState& s_;
  RandomSource& rnd_;
  const DealHooks& hooks_;
  std::string dealt_;  // every letter dealt so far, in dealing order
  int vowelDraws_ = 0, rareDraws_ = 0, consonantDraws_ = 0;
};

}  // namespace

bool dealStandard(GameState& s, RandomSource& rnd, const DealHooks& hooks) {
  // The dice not dealt yet, in ascending position order (the same order as the two-digit
  // position texts "07" ... "28"). A die holds kUndealt exactly while it is in this list.
  std::vector<int> freeList(dicePos.begin(), dicePos.end());
  StandardDeal dealer(s, rnd, hooks);
  while (!freeList.empty()) {
    rnd.reseed();
    const int k = rnd.draw(int(freeList.size()));
    const int p = freeList[std::size_t(k)];
    const int i = dealer.drawLetter();
    if (i < 0) return false;
    dealer.place(p, i);
    freeList.erase(freeList.begin() + k);

    // Q rule: a U on the first free neighbour, E first and then clockwise.
    if (!freeList.empty() && i == kIndexQ) {
      for (int16_t offset : dirOffset) {
        const int q = p + offset;
        if (s.board[q] != kUndealt) continue;
        dealer.place(q, kIndexU);
        --s.vowelQuota;
        freeList.erase(std::find(freeList.begin(), freeList.end(), q));
        break;
      }
    }
  }
  return true;
}

}  // namespace vocari
