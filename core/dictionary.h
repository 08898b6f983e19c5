// The dictionary text, read whole, and its two probes.
#pragma once

#include <string>
#include <string_view>

#include "core/dictionary_index.h"

namespace vocari {

class Dictionary {
 public:
  Dictionary() = default;
  explicit Dictionary(std::string text);

  // CR LF + w + CR LF occurs in the text.
  bool isWord(std::string_view w) const;
  // CR LF + w occurs in the text.
  bool isPrefix(std::string_view w) const;

  const std::string& text() const { return text_; }
  const DictionaryIndex& index() const { return index_; }

 private:
  std::string text_;
  DictionaryIndex index_;
};

// The same probes by plain substring search of the text: slow, kept as the reference the
// index is checked against.
bool literalIsWord(std::string_view text, std::string_view w);
bool literalIsPrefix(std::string_view text, std::string_view w);

}  // namespace vocari
