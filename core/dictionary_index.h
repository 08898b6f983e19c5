// A prefix tree over the dictionary text that answers the two dictionary probes exactly as
// a literal substring search of the text would:
//   viable prefix: CR LF + w occurs in the text;
//   whole word:    CR LF + w + CR LF occurs in the text.
// Probe words are made of die characters (the 26 letters and the undealt mark '-'). After every
// CR LF of the text the tree holds the longest run of die characters that follows it; the run
// is a whole word when another CR LF follows it directly.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vocari {

class DictionaryIndex {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;
  static constexpr uint32_t kRoot = 0;
  static constexpr int kSymbols = 27;  // '-' then A..Z, in byte order

  DictionaryIndex() = default;
  explicit DictionaryIndex(std::string_view text);

  // Symbol of a die character, or -1 when the character is not one.
  static constexpr int symbol(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
    return c == '-' ? 0 : -1;
  }
  static constexpr char character(int sym) { return sym == 0 ? '-' : char('A' + sym - 1); }

  uint32_t child(uint32_t node, int sym) const {
    const Node& n = nodes_[node];
    if (!(n.mask & (1u << sym))) return kNone;
    return n.first + rank(n.mask, sym);
  }
  // How many of the symbols in `mask` come before `sym`: the offset of sym's child from the
  // first child. On the baseline x86-64 the package is built for std::popcount is a library
  // call, not an instruction: three lookups of nine bits each (the 27 symbols) in a table that
  // stays in the first-level cache are faster. The search's walk counts with the processor's
  // instruction instead where the processor has one (core/search.cpp).
  static uint32_t rank(uint32_t mask, int sym) {
    const uint32_t x = mask & ((1u << sym) - 1);
    return uint32_t(kBitCount[x & 511]) + kBitCount[(x >> 9) & 511] + kBitCount[(x >> 18) & 511];
  }
  bool isTerminal(uint32_t node) const { return nodes_[node].mask & kTerminal; }
  bool empty() const { return nodes_.empty(); }

  // Node reached by spelling w from the root, or kNone. w must hold die characters only.
  uint32_t find(std::string_view w) const;

  std::size_t nodeCount() const { return nodes_.size(); }
  std::size_t memoryBytes() const { return nodes_.capacity() * sizeof(Node); }

  static constexpr uint32_t kTerminal = 1u << 31;
  struct Node {
    uint32_t mask = 0;   // bit s: a child for symbol s; kTerminal: a whole word ends here
    uint32_t first = 0;  // index of the first child; children are contiguous, in symbol order
  };
  // Raw access for the search's inner loop.
  const Node* nodes() const { return nodes_.data(); }

 private:
  static constexpr auto kBitCount = [] {
    std::array<uint8_t, 512> t{};
    for (std::size_t i = 0; i < t.size(); ++i) t[i] = uint8_t(std::popcount(i));
    return t;
  }();
  class Builder;
  std::vector<Node> nodes_;  // empty when the text has no CR LF at all
};

}  // namespace vocari
