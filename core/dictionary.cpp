#include "core/dictionary.h"

#include <algorithm>
#include <utility>

namespace vocari {
namespace {

bool allDieCharacters(std::string_view w) {
  return std::all_of(w.begin(), w.end(), [](char c) { return DictionaryIndex::symbol(c) >= 0; });
}

}  // namespace

Dictionary::Dictionary(std::string text) : text_(std::move(text)), index_(text_) {}

bool Dictionary::isWord(std::string_view w) const {
  if (!allDieCharacters(w)) return literalIsWord(text_, w);
  const uint32_t node = index_.find(w);
  return node != DictionaryIndex::kNone && index_.isTerminal(node);
}

bool Dictionary::isPrefix(std::string_view w) const {
  if (!allDieCharacters(w)) return literalIsPrefix(text_, w);
  return index_.find(w) != DictionaryIndex::kNone;
}

bool literalIsWord(std::string_view text, std::string_view w) {
  std::string key = "\r\n";
  key.append(w).append("\r\n");
  return text.find(key) != std::string_view::npos;
}

bool literalIsPrefix(std::string_view text, std::string_view w) {
  std::string key = "\r\n";
  key.append(w);
  return text.find(key) != std::string_view::npos;
}

}  // namespace vocari
