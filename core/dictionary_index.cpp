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

std::vector<Run> collectRuns(std::string_view text) {
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
    runs.push_back({uint32_t(at + 2), uint32_t(end - at - 2), terminal});
    // The run ends at a character that is not a die character; the next CR LF can start there.
    i = end;
  }
  return runs;
}

}  // namespace

DictionaryIndex::DictionaryIndex(std::string_view text) {
  std::vector<Run> runs = collectRuns(text);
  if (runs.empty()) return;

  auto view = [&](const Run& r) { return text.substr(r.offset, r.length); };
  auto less = [&](const Run& a, const Run& b) { return view(a) < view(b); };
  // The shipped word list is already sorted; other files are sorted here.
  if (!std::is_sorted(runs.begin(), runs.end(), less)) std::sort(runs.begin(), runs.end(), less);

  // Depth-first build over ranges of sorted runs that share their first `depth` characters.
  struct Pending {
    uint32_t node, lo, hi, depth;
  };
  nodes_.emplace_back();
  std::vector<Pending> pending{{kRoot, 0, uint32_t(runs.size()), 0}};
  std::vector<Pending> children;
  while (!pending.empty()) {
    const Pending cur = pending.back();
    pending.pop_back();
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
    pending.insert(pending.end(), children.rbegin(), children.rend());
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
