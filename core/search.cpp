#include "core/search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace vocari {
namespace {

// A word of up to 16 dice packed five bits a character, first character highest, so that
// comparing keys compares the words byte by byte (a word sorts before its extensions).
using Key = unsigned __int128;
constexpr int kMaxDice = 16;
constexpr int shiftAt(int i) { return 5 * (kMaxDice - 1 - i); }
constexpr Key code(int sym) { return Key(sym + 1); }

std::string decode(Key key) {
  std::string w;
  for (int i = 0; i < kMaxDice; ++i) {
    const int c = int((key >> shiftAt(i)) & 31);
    if (c == 0) break;
    w.push_back(DictionaryIndex::character(c - 1));
  }
  return w;
}

constexpr int kDescendsPerYield = 4096;

// Bit n set for every neighbour n of each die.
constexpr std::array<uint32_t, kDice> kNeighbourSet = [] {
  std::array<uint32_t, kDice> set{};
  for (int d = 0; d < kDice; ++d)
    for (int8_t n : neighbourDice[d])
      if (n < kDice) set[d] |= 1u << n;
  return set;
}();

// The walk over chains of touching dice, carrying the index node of the chain's word along, so
// that every extension costs one bit test instead of a probe from the root.
class Walker {
 public:
  Walker(const Board& board, const DictionaryIndex& index, const SearchYield& yield)
      : index_(index), yield_(yield) {
    for (int d = 0; d < kDice; ++d) {
      const int s = DictionaryIndex::symbol(board[dicePos[d]]);
      symbol_[d] = s;
      if (s >= 0) diceWith_[s] |= 1u << d;
    }
    for (int d = 0; d < kDice; ++d)
      for (int8_t n : neighbourDice[d])
        if (n < kDice && symbol_[n] >= 0) neighbourSymbols_[d] |= 1u << symbol_[n];
  }

  // False when a yield abandoned the search.
  bool run(std::vector<Key>& found) {
    found_ = &found;
    for (int d = 0; d < kDice; ++d) {
      if (yield_ && !yield_()) return false;
      if (index_.empty() || symbol_[d] < 0) continue;
      const uint32_t node = index_.child(DictionaryIndex::kRoot, symbol_[d]);
      if (node == DictionaryIndex::kNone) continue;
      extend(d, node, 1u << d, code(symbol_[d]) << shiftAt(0), 0);
      if (abandoned_) return false;
    }
    return true;
  }

 private:
  void extend(int die, uint32_t node, uint32_t used, Key key, int depth) {
    const uint32_t mask = index_.childMask(node);
    const uint32_t first = index_.firstChild(node);
    const uint32_t free = kNeighbourSet[die] & ~used;
    // A chain over all sixteen dice has nowhere to go, and its word has no room for a letter.
    if (free == 0) return;
    // One step for each letter that both continues the line and lies next to this die (most
    // often none or one), then for each free neighbour showing it. The order of the extensions
    // does not matter: the words are sorted afterwards.
    for (uint32_t syms = mask & neighbourSymbols_[die]; syms; syms &= syms - 1) {
      const int sym = std::countr_zero(syms);
      const uint32_t child = first + DictionaryIndex::rank(mask, sym);
      const Key k = key | (code(sym) << shiftAt(depth + 1));
      for (uint32_t dice = diceWith_[sym] & free; dice; dice &= dice - 1) {
        if (index_.isTerminal(child)) found_->push_back(k);
        if (++descends_ == kDescendsPerYield) {
          descends_ = 0;
          if (yield_ && !yield_()) abandoned_ = true;
        }
        if (abandoned_) return;
        const int d = std::countr_zero(dice);
        extend(d, child, used | (1u << d), k, depth + 1);
      }
    }
  }


  const DictionaryIndex& index_;
  const SearchYield& yield_;
  std::array<int, kDice> symbol_{};
  std::array<uint32_t, DictionaryIndex::kSymbols> diceWith_{};  // bit d: die d shows the symbol
  std::array<uint32_t, kDice> neighbourSymbols_{};  // bit s: a neighbour of the die shows s
  std::vector<Key>* found_ = nullptr;
  int descends_ = 0;
  bool abandoned_ = false;
};

}  // namespace

std::optional<std::vector<std::string>> findSolutions(const Board& board, const Dictionary& dict,
                                                      const SearchYield& yield) {
  std::vector<Key> found;
  found.reserve(256);
  if (!Walker(board, dict.index(), yield).run(found)) return std::nullopt;
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  std::vector<std::string> words;
  words.reserve(found.size());
  for (Key k : found) words.push_back(decode(k));
  return words;
}

std::vector<std::string> referenceSolutions(const Board& board, const Probe& isPrefix,
                                            const Probe& isWord) {
  std::vector<std::string> list;  // kept sorted on insertion
  std::array<int, 17> pathPos{};
  std::array<int, 17> pathDir{};
  for (int startPos = 7; startPos <= 28; ++startPos) {
    if (!board[startPos]) continue;
    pathPos[0] = startPos;
    int depth = 0;
    int dirIndex = -1;
    std::string searchWord(1, board[startPos]);
    int curPos = startPos;
    while (true) {
      ++dirIndex;
      pathDir[depth] = dirIndex;
      if (dirIndex >= 8) {
        if (--depth < 0) break;
        curPos = pathPos[depth];
        dirIndex = pathDir[depth];
        searchWord.pop_back();
        continue;
      }
      const int nextPos = curPos + dirOffset[dirIndex];
      const char nextLetter = board[nextPos];
      if (!nextLetter) continue;
      if (std::find(pathPos.begin(), pathPos.begin() + depth + 1, nextPos) !=
          pathPos.begin() + depth + 1)
        continue;
      searchWord.push_back(nextLetter);
      if (!isPrefix(searchWord)) {
        searchWord.pop_back();
        continue;
      }
      if (isWord(searchWord))
        list.insert(std::upper_bound(list.begin(), list.end(), searchWord), searchWord);
      ++depth;
      curPos = nextPos;
      pathPos[depth] = curPos;
      dirIndex = -1;
    }
  }
  std::string remembered;
  for (std::size_t i = list.size(); i-- > 0;) {
    if (list[i] == remembered)
      list.erase(list.begin() + std::ptrdiff_t(i));
    else
      remembered = list[i];
  }
  return list;
}

}  // namespace vocari
