#include "core/dictionary_index.h"

#include <algorithm>
#include <cstring>

namespace vocari {
namespace {

struct Run {
  uint32_t offset;
  uint32_t length;
  bool terminal;  // followed directly by CR LF
};

// The runs that follow a CR LF. Empty runs are left out (any CR LF already makes the empty
// prefix viable); `emptyWord` tells whether one of them is followed by another CR LF.
std::vector<Run> collectRuns(std::string_view text, bool& anyBreak, bool& emptyWord) {
  std::vector<Run> runs;
  const char* const begin = text.data();
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i + 1 < n) {
    const void* cr = std::memchr(begin + i, '\r', n - 1 - i);
    if (!cr) break;
    const std::size_t at = static_cast<const char*>(cr) - begin;
    if (text[at + 1] != '\n') {
      i = at + 1;
      continue;
    }
    std::size_t end = at + 2;
    while (end < n && DictionaryIndex::symbol(text[end]) >= 0) ++end;
    const bool terminal = end + 1 < n && text[end] == '\r' && text[end + 1] == '\n';
    anyBreak = true;
    if (end == at + 2)
      emptyWord = emptyWord || terminal;
    else
      runs.push_back({uint32_t(at + 2), uint32_t(end - at - 2), terminal});
    // The run ends at a character that is not a die character; the next CR LF can start there.
    i = end;
  }
  return runs;
}

}  // namespace

DictionaryIndex::DictionaryIndex(std::string_view text) {
  bool anyBreak = false, emptyWord = false;
  std::vector<Run> runs = collectRuns(text, anyBreak, emptyWord);
  if (!anyBreak) return;

  auto view = [&](const Run& r) { return text.substr(r.offset, r.length); };
  auto less = [&](const Run& a, const Run& b) { return view(a) < view(b); };
  // The shipped word list is already sorted; other files are sorted here.
  if (!std::is_sorted(runs.begin(), runs.end(), less)) std::sort(runs.begin(), runs.end(), less);

  // Build over ranges of sorted runs that share their first `depth` characters. Expanding a node
  // gives its children one contiguous block. The short prefixes, which every search goes
  // through, are laid out breadth first so that they share a few cache lines; below them each
  // subtree is laid out depth first, close to its parent.
  struct Pending {
    uint32_t node, lo, hi, depth;
  };
  constexpr uint32_t kBreadthFirstDepth = 3;
  std::vector<Pending> children;
  auto expand = [&](const Pending& cur) {
    uint32_t i = cur.lo;
    uint32_t mask = 0;
    for (; i < cur.hi && runs[i].length == cur.depth; ++i)
      if (runs[i].terminal) mask |= kTerminal;
    children.clear();
    while (i < cur.hi) {
      const char c = text[runs[i].offset + cur.depth];
      uint32_t j = i + 1;
      while (j < cur.hi && text[runs[j].offset + cur.depth] == c) ++j;
      mask |= 1u << symbol(c);
      children.push_back({uint32_t(nodes_.size() + children.size()), i, j, cur.depth + 1});
      i = j;
    }
    nodes_[cur.node].mask |= mask;
    nodes_[cur.node].first = uint32_t(nodes_.size());
    nodes_.resize(nodes_.size() + children.size());
  };

  nodes_.reserve(runs.size() * 3);
  nodes_.emplace_back();
  if (emptyWord) nodes_[kRoot].mask |= kTerminal;
  std::vector<Pending> queue{{kRoot, 0, uint32_t(runs.size()), 0}};
  std::vector<Pending> frontier;
  for (std::size_t head = 0; head < queue.size(); ++head) {
    expand(queue[head]);
    for (const Pending& c : children) (c.depth < kBreadthFirstDepth ? queue : frontier).push_back(c);
  }
  std::vector<Pending> stack;
  for (const Pending& f : frontier) {
    stack.assign(1, f);
    while (!stack.empty()) {
      const Pending cur = stack.back();
      stack.pop_back();
      expand(cur);
      stack.insert(stack.end(), children.rbegin(), children.rend());
    }
  }
  nodes_.shrink_to_fit();
}

uint32_t DictionaryIndex::find(std::string_view w) const {
  if (nodes_.empty()) return kNone;
  uint32_t node = kRoot;
  for (char c : w) {
    const int s = symbol(c);
    if (s < 0) return kNone;
    node = child(node, s);
    if (node == kNone) return kNone;
  }
  return node;
}

}  // namespace vocari
