#include "core/path_walk.h"

#include <array>

namespace vocari {

namespace {

// Depth-first from die `die`, which spells word[depth]; path[0..depth] holds the dice so far.
bool extend(const Board& board, std::string_view word, std::array<int, kDice>& path, int depth,
            uint32_t used) {
  if (std::size_t(depth) + 1 == word.size()) return true;
  for (int8_t n : neighbourDice[path[depth]]) {
    if (n == kDice || (used >> n & 1u) || board[dicePos[n]] != word[depth + 1]) continue;
    path[depth + 1] = n;
    if (extend(board, word, path, depth + 1, used | 1u << n)) return true;
  }
  return false;
}

}  // namespace

std::vector<int> wordPath(const Board& board, std::string_view word) {
  if (word.size() < 2 || word.size() > std::size_t(kDice)) return {};
  std::array<int, kDice> path{};
  for (int d = 0; d < kDice; ++d) {
    if (board[dicePos[d]] != word[0]) continue;
    path[0] = d;
    if (!extend(board, word, path, 0, 1u << d)) continue;
    std::vector<int> positions;
    for (std::size_t i = 0; i < word.size(); ++i) positions.push_back(dicePos[path[i]]);
    return positions;
  }
  return {};
}

}  // namespace vocari
