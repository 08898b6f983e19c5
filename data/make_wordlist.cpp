// Builds the game's word list from the Italian word lists of the system.
//
//   make_wordlist OUTPUT WORDS_FILE HUNSPELL_DIC
//
// WORDS_FILE has one word a line; HUNSPELL_DIC has an entry count on its first line and then
// one entry a line, the word before a "/" and its flags. Affixes are not expanded. A word is
// kept when it has two or more characters and every character is a lower-case letter a-z or
// an accented vowel (à á è é ì í ò ó ù ú, taken as the plain vowel); capitalised names and
// words with apostrophes, hyphens, digits or anything else are dropped. The kept words are
// upper-cased, merged, sorted by byte, deduplicated and written with CR LF line ends after one
// empty line, so that the first word too follows a line break.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

// The upper-case plain form of a word, or nothing when the word is not kept.
std::optional<std::string> normalise(const std::string& word) {
  std::string out;
  for (std::size_t i = 0; i < word.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(word[i]);
    if (c >= 'a' && c <= 'z') {
      out.push_back(char(c - 'a' + 'A'));
      continue;
    }
    if (c != 0xC3 || i + 1 >= word.size()) return std::nullopt;
    switch (static_cast<unsigned char>(word[++i])) {
      case 0xA0: case 0xA1: out.push_back('A'); break;  // à á
      case 0xA8: case 0xA9: out.push_back('E'); break;  // è é
      case 0xAC: case 0xAD: out.push_back('I'); break;  // ì í
      case 0xB2: case 0xB3: out.push_back('O'); break;  // ò ó
      case 0xB9: case 0xBA: out.push_back('U'); break;  // ù ú
      default: return std::nullopt;
    }
  }
  if (out.size() < 2) return std::nullopt;
  return out;
}

bool readWords(const char* path, bool hunspell, std::vector<std::string>& words) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "make_wordlist: cannot read " << path << '\n';
    return false;
  }
  std::string line;
  bool first = true;
  std::size_t kept = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (hunspell) {
      if (first) {  // the entry count
        first = false;
        continue;
      }
      line = line.substr(0, line.find('/'));
    }
    if (auto w = normalise(line)) {
      words.push_back(std::move(*w));
      ++kept;
    }
  }
  std::cerr << "make_wordlist: " << kept << " words from " << path << '\n';
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: make_wordlist OUTPUT WORDS_FILE HUNSPELL_DIC\n";
    return 2;
  }
  std::vector<std::string> words;
  if (!readWords(argv[2], false, words) || !readWords(argv[3], true, words)) return 1;
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());

  const std::string tmp = std::string(argv[1]) + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    out << "\r\n";
    for (const auto& w : words) out << w << "\r\n";
    if (!out.flush()) {
      std::cerr << "make_wordlist: cannot write " << tmp << '\n';
      return 1;
    }
  }
  if (std::rename(tmp.c_str(), argv[1]) != 0) {
    std::cerr << "make_wordlist: cannot write " << argv[1] << '\n';
    return 1;
  }
  std::cerr << "make_wordlist: " << words.size() << " words written to " << argv[1] << '\n';
  return 0;
}
