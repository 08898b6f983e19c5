#include "core/dictionary_index.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vocari {
namespace {

constexpr std::array<bool, 256> kDieCharacter = [] {
  std::array<bool, 256> t{};
  for (int c = 'A'; c <= 'Z'; ++c) t[c] = true;
  t['-'] = true;
  return t;
}();

// Calls visit(run, terminal, common) for the run of die characters after every CR LF of the
// text, in text order, while visit returns true; `terminal` tells whether the run is followed
// directly by CR LF, `common` is the length of the prefix it shares with the previous run. Empty
// runs are left out (any CR LF already makes the empty prefix viable); `emptyWord` tells whether
// one of them is followed by another CR LF. Returns whether the text holds a CR LF at all.
template <class Visit>
bool forEachRun(std::string_view text, bool& emptyWord, Visit&& visit) {
  const char* const begin = text.data();
  const std::size_t n = text.size();
  bool anyBreak = false;
  std::string_view prev;
  std::size_t i = 0;
  while (i + 1 < n) {
    const void* cr = std::memchr(begin + i, '\r', n - 1 - i);
    if (!cr) break;
    const std::size_t at = std::size_t(static_cast<const char*>(cr) - begin);
    if (text[at + 1] != '\n') {
      i = at + 1;
      continue;
    }
    // The previous run holds die characters only, so what matches it needs no other test.
    const std::size_t start = at + 2;
    const char* const line = begin + start;
    const std::size_t limit = std::min(prev.size(), n - start);
    std::size_t common = 0;
    while (common < limit && line[common] == prev[common]) ++common;
    std::size_t end = start + common;
    while (end < n && kDieCharacter[static_cast<unsigned char>(text[end])]) ++end;
    const bool terminal = end + 1 < n && text[end] == '\r' && text[end + 1] == '\n';
    anyBreak = true;
    if (end == start) {
      emptyWord = emptyWord || terminal;
    } else {
      prev = text.substr(start, end - start);
      if (!visit(prev, terminal, common)) break;
    }
    // The run ends at a character that is not a die character; the next CR LF can start there.
    i = end;
  }
  return anyBreak;
}

}  // namespace

// Builds the tree in one pass over runs given in ascending order. The nodes along the current
// run's path are open; a node closes when a run leaves its prefix, and then its children, all
// closed before it, are written as one contiguous block right after the blocks of their own
// subtrees. The root stays at index 0.
class DictionaryIndex::Builder {
 public:
  Builder(std::vector<Node>& nodes, std::size_t textSize) : nodes_(nodes) {
    open_.push_back({0, 0});
    nodes_.assign(1, Node{});
    nodes_.reserve(textSize / 4);  // the shipped list needs about one node per 6.5 bytes
  }

  // `common`: the length of the prefix run shares with the previous run added. False, with the
  // tree left unfinished, when `run` sorts before the previous one.
  bool add(std::string_view run, bool terminal, std::size_t common) {
    const std::size_t n = std::min(prev_.size(), run.size());
    if (common < n ? run[common] < prev_[common] : run.size() < prev_.size()) return false;
    while (open_.size() > common + 1) closeTop();
    for (std::size_t d = common; d < run.size(); ++d) {
      open_.back().mask |= 1u << symbol(run[d]);
      open_.push_back({0, closed_.size()});
    }
    if (terminal) open_.back().mask |= kTerminal;
    prev_ = run;
    return true;
  }

  // emptyWord: the empty run is a whole word (a CR LF followed directly by another).
  void finish(bool emptyWord) {
    while (open_.size() > 1) closeTop();
    nodes_[kRoot] = Node{open_[0].mask | (emptyWord ? kTerminal : 0), uint32_t(nodes_.size())};
    nodes_.insert(nodes_.end(), closed_.begin(), closed_.end());
    nodes_.shrink_to_fit();
  }

 private:
  struct Open {
    uint32_t mask;
    std::size_t childStart;  // where this node's closed children begin in closed_
  };

  void closeTop() {
    const Open o = open_.back();
    open_.pop_back();
    Node node{o.mask, 0};
    if (closed_.size() > o.childStart) {
      node.first = uint32_t(nodes_.size());
      for (std::size_t i = o.childStart; i < closed_.size(); ++i) nodes_.push_back(closed_[i]);
      closed_.resize(o.childStart);
    }
    closed_.push_back(node);
  }

  std::vector<Node>& nodes_;
  std::vector<Open> open_;
  std::vector<Node> closed_;
  std::string_view prev_;
};

DictionaryIndex::DictionaryIndex(std::string_view text) {
  // The shipped word list is already sorted and is built straight from the text.
  bool emptyWord = false;
  Builder sorted(nodes_, text.size());
  bool inOrder = true;
  const bool anyBreak =
      forEachRun(text, emptyWord, [&](std::string_view run, bool terminal, std::size_t common) {
        return inOrder = sorted.add(run, terminal, common);
      });
  if (!anyBreak) {
    nodes_.clear();
    nodes_.shrink_to_fit();
    return;
  }
  if (inOrder) {
    sorted.finish(emptyWord);
    return;
  }
  // Other files: the runs sorted first.
  struct Run {
    std::string_view text;
    bool terminal;
  };
  std::vector<Run> runs;
  forEachRun(text, emptyWord, [&](std::string_view run, bool terminal, std::size_t) {
    runs.push_back({run, terminal});
    return true;
  });
  std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.text < b.text; });
  Builder builder(nodes_, text.size());
  std::string_view prev;
  for (const Run& r : runs) {
    const auto mismatch = std::mismatch(prev.begin(), prev.end(), r.text.begin(), r.text.end());
    builder.add(r.text, r.terminal, std::size_t(mismatch.first - prev.begin()));
    prev = r.text;
  }
  builder.finish(emptyWord);
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
