#include "core/search.h"

#include <algorithm>
#include <array>
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

constexpr int kStepsPerYield = 4096;

}  // namespace

std::optional<std::vector<std::string>> findSolutions(const Board& board, const Dictionary& dict,
                                                      const SearchYield& yield) {
  const DictionaryIndex& index = dict.index();
  std::vector<Key> found;
  struct Frame {
    int pos;
    uint32_t node;
    int dir;
    Key key;
  };
  std::array<Frame, kMaxDice> path;
  int steps = 0;

  for (int start = dicePos.front(); start <= dicePos.back(); ++start) {
    if (yield && !yield()) return std::nullopt;
    if (!board[start] || index.empty()) continue;
    const int s0 = DictionaryIndex::symbol(board[start]);
    const uint32_t n0 = s0 < 0 ? DictionaryIndex::kNone : index.child(DictionaryIndex::kRoot, s0);
    if (n0 == DictionaryIndex::kNone) continue;

    uint64_t used = uint64_t(1) << start;
    int depth = 0;
    path[0] = {start, n0, -1, code(s0) << shiftAt(0)};
    while (true) {
      if (++steps == kStepsPerYield) {
        steps = 0;
        if (yield && !yield()) return std::nullopt;
      }
      Frame& f = path[depth];
      if (++f.dir >= 8) {
        used &= ~(uint64_t(1) << f.pos);
        if (depth == 0) break;
        --depth;
        continue;
      }
      const int next = f.pos + dirOffset[f.dir];
      const char letter = board[next];
      if (!letter || (used >> next) & 1) continue;
      const int s = DictionaryIndex::symbol(letter);
      if (s < 0) continue;
      const uint32_t node = index.child(f.node, s);
      if (node == DictionaryIndex::kNone) continue;
      const Key key = f.key | (code(s) << shiftAt(depth + 1));
      if (index.isTerminal(node)) found.push_back(key);
      path[++depth] = {next, node, -1, key};
      used |= uint64_t(1) << next;
    }
  }

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
