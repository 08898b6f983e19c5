#include "solutions/path_walk.h"

#include <algorithm>

namespace vocari {

bool walkWordPath(GameState& s, std::string_view word) {
  if (word.empty()) return false;
  s.searchWord = std::string(1, word[0]);
  for (s.startPos = 7; s.startPos <= 28; ++s.startPos) {
    if (s.board[s.startPos] != s.searchWord[0]) continue;
    s.depth = 0;
    s.pathPos[0] = s.startPos;
    s.dirIndex = -1;
    s.curPos = s.startPos;
    while (true) {
      ++s.dirIndex;
      s.pathDir[s.depth] = s.dirIndex;
      if (s.dirIndex >= 8) {
        if (--s.depth < 0) break;
        s.curPos = s.pathPos[s.depth];
        s.dirIndex = s.pathDir[s.depth];
        s.searchWord.pop_back();
        continue;
      }
      s.nextPos = s.curPos + dirOffset[s.dirIndex];
      const auto used = s.pathPos.begin() + s.depth + 1;
      if (std::find(s.pathPos.begin(), used, s.nextPos) != used) continue;
      s.nextLetter = s.board[s.nextPos];
      const std::size_t at = std::size_t(s.depth) + 1;  // 0-based index of the letter wanted
      if (at >= word.size() || s.nextLetter != word[at]) continue;
      s.searchWord.push_back(s.nextLetter);
      ++s.depth;
      s.curPos = s.nextPos;
      s.pathPos[s.depth] = s.curPos;
      if (s.searchWord.size() == word.size()) return true;
      s.dirIndex = -1;
    }
  }
  return false;
}

}  // namespace vocari
