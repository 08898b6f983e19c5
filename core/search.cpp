#include "core/search.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace vocari {
namespace {

// A word of up to 16 dice as a number whose bytes, highest first, are the word's characters
// followed by zero bytes: comparing keys compares the words byte by byte (a word sorts before
// its extensions).
using Key = unsigned __int128;
constexpr int kMaxDice = 16;

uint64_t bigEndian(uint64_t v) {
  if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(v);
  return v;
}

// A character of a chain's word. Not a char, which may alias anything: stores of these never
// make the compiler read the walker's other fields again.
enum class Letter : uint8_t {};

// The key of the first `length` letters of `letters`.
Key keyOf(const std::array<Letter, kMaxDice>& letters, int length) {
  uint64_t high, low;
  std::memcpy(&high, letters.data(), 8);
  std::memcpy(&low, letters.data() + 8, 8);
  const Key k = Key(bigEndian(high)) << 64 | bigEndian(low);
  return k & (~Key(0) << (8 * (kMaxDice - length)));
}

// Writes the word of a key to `chars` and returns its length.
std::size_t spell(Key k, std::array<char, kMaxDice>& chars) {
  const uint64_t high = uint64_t(k >> 64), low = uint64_t(k);
  const int zeroBytes = (low ? std::countr_zero(low) : 64 + std::countr_zero(high)) / 8;
  const uint64_t highBytes = bigEndian(high), lowBytes = bigEndian(low);
  std::memcpy(chars.data(), &highBytes, 8);
  std::memcpy(chars.data() + 8, &lowBytes, 8);
  return std::size_t(kMaxDice - zeroBytes);
}

// Insertion sort for keys that come nearly in order, handing over to std::sort should they
// need many moves after all.
void sortNearlySorted(std::vector<Key>& keys) {
  const std::size_t n = keys.size();
  std::size_t moves = 0;
  for (std::size_t i = 1; i < n; ++i) {
    const Key k = keys[i];
    std::size_t j = i;
    for (; j > 0 && k < keys[j - 1]; --j) keys[j] = keys[j - 1];
    keys[j] = k;
    moves += i - j;
    if (moves > 8 * n) {
      std::sort(keys.begin(), keys.end());
      return;
    }
  }
}

constexpr std::array<Letter, DictionaryIndex::kSymbols> kLetter = [] {
  std::array<Letter, DictionaryIndex::kSymbols> t{};
  for (int sym = 0; sym < DictionaryIndex::kSymbols; ++sym)
    t[std::size_t(sym)] = Letter(DictionaryIndex::character(sym));
  return t;
}();

constexpr int kDescendsPerYield = 4096;

// Bit n set for every neighbour n of each die.
constexpr std::array<uint32_t, kDice> kNeighbourSet = [] {
  std::array<uint32_t, kDice> set{};
  for (int d = 0; d < kDice; ++d)
    for (int8_t n : neighbourDice[d])
      if (n < kDice) set[d] |= 1u << n;
  return set;
}();

// The index nodes of the words found so far in one search: a word reached along several chains
// is recorded once. Open addressing; a slot is taken when it carries the current search's
// stamp, so starting a search clears nothing.
class NodeSet {
 public:
  void startSearch() {
    count_ = 0;
    if (++stamp_ == 0) {  // after four billion searches: the old stamps could match again
      std::fill(slots_.begin(), slots_.end(), Slot{});
      stamp_ = 1;
    }
  }

  // False when the node is in the set already.
  bool insert(uint32_t node) {
    if (2 * (count_ + 1) > slots_.size()) grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = (node * 0x9E3779B1u) >> shift_;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (slot.stamp != stamp_) {
        slot = {node, stamp_};
        ++count_;
        return true;
      }
      if (slot.node == node) return false;
    }
  }

 private:
  struct Slot {
    uint32_t node = 0;
    uint32_t stamp = 0;  // 0: never taken
  };

  void grow() {
    std::vector<Slot> old(slots_.empty() ? 512 : 2 * slots_.size());
    old.swap(slots_);
    shift_ = 32 - std::countr_zero(slots_.size());
    count_ = 0;
    for (const Slot& s : old)
      if (s.stamp == stamp_) insert(s.node);
  }

  std::vector<Slot> slots_;  // a power of two of them, at most half taken
  int shift_ = 0;            // the hash's top bits pick the slot
  std::size_t count_ = 0;
  uint32_t stamp_ = 0;
};

// What a search needs besides its result, kept from one search to the next on the same thread.
// A search started from inside a yield of another finds it busy and uses buffers of its own.
struct Scratch {
  NodeSet seen;
  std::vector<Key> found;
  bool busy = false;
};

// The count of set bits below `sym` in `mask`: by table, or by the processor's instruction in a
// function compiled for it.
struct TableCount {
  static uint32_t below(uint32_t mask, int sym) { return DictionaryIndex::rank(mask, sym); }
};
struct InstructionCount {
  [[gnu::always_inline]] static uint32_t below(uint32_t mask, int sym) {
    return uint32_t(__builtin_popcount(mask & ((1u << sym) - 1)));
  }
};

// Whether BitCounting::automatic counts with the processor's instruction on this machine.
#if defined(__x86_64__) || defined(__i386__)
#define VOCARI_POPCNT_TARGET [[gnu::target("popcnt")]]
bool processorCountsBits() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("popcnt");
  }();
  return has;
}
#else
#define VOCARI_POPCNT_TARGET
bool processorCountsBits() { return true; }
#endif

// The walk over chains of touching dice, carrying the index node of the chain's word along, so
// that every extension costs one bit test instead of a probe from the root. The chain's letters
// are kept one a depth; a word's key is built when the word is first found.
class Walker {
 public:
  Walker(const Board& board, const DictionaryIndex& index, const SearchYield& yield, Scratch& scratch)
      : index_(index), nodes_(index.nodes()), yield_(yield), scratch_(scratch) {
    std::array<uint32_t, kDice + 1> symbolBit{};  // none for the padding die kDice
    for (int d = 0; d < kDice; ++d) {
      const int s = DictionaryIndex::symbol(board[dicePos[d]]);
      symbol_[d] = s;
      if (s < 0) continue;
      symbolBit[d] = 1u << s;
      diceWith_[s] |= 1u << d;
    }
    for (int d = 0; d < kDice; ++d)
      for (int8_t n : neighbourDice[d]) neighbourSymbols_[d] |= symbolBit[std::size_t(n)];
    scratch_.seen.startSearch();
    scratch_.found.clear();
  }

  // False when a yield abandoned the search. The start dice are taken in the order of their
  // symbols, so that the words come out grouped by first letter and nearly sorted.
  bool run(bool instructionCount) {
    uint32_t unwalked = (1u << kDice) - 1;
    for (int sym = 0; sym < DictionaryIndex::kSymbols; ++sym) {
      for (uint32_t dice = diceWith_[sym]; dice; dice &= dice - 1) {
        const int d = std::countr_zero(dice);
        unwalked &= ~(1u << d);
        if (yield_ && !yield_()) return false;
        const uint32_t node =
            index_.empty() ? DictionaryIndex::kNone : index_.child(DictionaryIndex::kRoot, sym);
        if (node == DictionaryIndex::kNone) continue;
        letters_[0] = kLetter[std::size_t(sym)];
        if (instructionCount)
          extendCounting(d, node, 1u << d, 0);
        else
          extendByTable(d, node, 1u << d, 0);
        if (abandoned_) return false;
      }
    }
    // A die showing no die character starts no chain, but has its yield all the same.
    for (; unwalked; unwalked &= unwalked - 1)
      if (yield_ && !yield_()) return false;
    return true;
  }

 private:
  using Extend = void (Walker::*)(int, uint32_t, uint32_t, int);

  VOCARI_POPCNT_TARGET void extendCounting(int die, uint32_t node, uint32_t used, int depth) {
    extend<InstructionCount, &Walker::extendCounting>(die, node, used, depth);
  }
  void extendByTable(int die, uint32_t node, uint32_t used, int depth) {
    extend<TableCount, &Walker::extendByTable>(die, node, used, depth);
  }

  // Inlined into each of the two functions above, so that each is one walk compiled whole with
  // its own way of counting, the instruction allowed only in the first.
  template <class Count, Extend kSelf>
  [[gnu::always_inline]] void extend(int die, uint32_t node, uint32_t used, int depth) {
    const uint32_t free = kNeighbourSet[die] & ~used;
    // A chain over all sixteen dice has nowhere to go, and its word has no room for a letter.
    if (free == 0) return;
    const DictionaryIndex::Node n = nodes_[node];
    // One step for each letter that both continues the line and lies next to this die (most
    // often none or one), then for each free neighbour showing it. The order of the extensions
    // does not matter: the words are sorted afterwards. neighbourSymbols_ holds no terminal bit.
    for (uint32_t syms = n.mask & neighbourSymbols_[die]; syms; syms &= syms - 1) {
      const int sym = std::countr_zero(syms);
      const uint32_t dice = diceWith_[sym] & free;
      if (!dice) continue;
      const uint32_t child = n.first + Count::below(n.mask, sym);
      letters_[std::size_t(depth + 1)] = kLetter[std::size_t(sym)];
      const uint32_t childMask = nodes_[child].mask;
      if (childMask & DictionaryIndex::kTerminal) record(child, depth + 1);
      for (uint32_t rest = dice; rest; rest &= rest - 1) {
        if (--countdown_ == 0 && pause()) return;
        const int d = std::countr_zero(rest);
        // On only where the word goes on with a letter shown next to the die.
        if (!(childMask & neighbourSymbols_[d])) continue;
        (this->*kSelf)(d, child, used | (1u << d), depth + 1);
      }
    }
  }

  // The word of letters_[0..last] ends at `node`.
  [[gnu::always_inline]] void record(uint32_t node, int last) {
    if (scratch_.seen.insert(node)) scratch_.found.push_back(keyOf(letters_, last + 1));
  }

  // Every kDescendsPerYield steps: true when the search is abandoned, now or before. Once it
  // is, every step comes here and returns at once.
  [[gnu::noinline]] bool pause() {
    countdown_ = kDescendsPerYield;
    if (!abandoned_ && yield_ && !yield_()) abandoned_ = true;
    if (abandoned_) countdown_ = 1;
    return abandoned_;
  }

  const DictionaryIndex& index_;
  const DictionaryIndex::Node* nodes_;
  const SearchYield& yield_;
  Scratch& scratch_;
  std::array<int, kDice> symbol_{};
  std::array<uint32_t, DictionaryIndex::kSymbols> diceWith_{};  // bit d: die d shows the symbol
  std::array<uint32_t, kDice> neighbourSymbols_{};  // bit s: a neighbour of the die shows s
  std::array<Letter, kMaxDice> letters_{};           // the chain's letters, one a depth
  int countdown_ = kDescendsPerYield;
  bool abandoned_ = false;
};

thread_local Scratch threadScratch;

}  // namespace

std::optional<std::vector<std::string>> findSolutions(const Board& board, const Dictionary& dict,
                                                      const SearchYield& yield, BitCounting counting) {
  Scratch own;
  Scratch& scratch = threadScratch.busy ? own : threadScratch;
  scratch.busy = true;
  struct Release {
    Scratch& s;
    ~Release() { s.busy = false; }
  } release{scratch};

  const bool instruction = counting == BitCounting::automatic && processorCountsBits();
  if (!Walker(board, dict.index(), yield, scratch).run(instruction)) return std::nullopt;
  std::vector<Key>& found = scratch.found;
  sortNearlySorted(found);
  std::vector<std::string> words;
  words.reserve(found.size());
  for (Key k : found) {
    std::array<char, kMaxDice> chars;
    words.emplace_back(chars.data(), spell(k, chars));
  }
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
