// Builds the game's word list from the Italian word lists of the system.
//
//   make_wordlist OUTPUT WORDS_FILE HUNSPELL_DIC HUNSPELL_AFF [--rules]
//
// WORDS_FILE (witalian) has one word a line and is taken as it is. HUNSPELL_DIC has an entry
// count on its first line and then one entry a line, the word before a "/" and its affix flags;
// each entry is expanded by the affix rules of HUNSPELL_AFF (plurals, feminines, verb forms,
// superlatives, adverbs in -mente, the prefixes ri-, stra-, pre-), except:
//   - rules that attach enclitic pronouns (mangiarlo, portami, trovartelo) and the truncated
//     infinitive they hang on (mangiar): see markEncliticRules;
//   - rules whose prefix or suffix holds an apostrophe (dell'amico, un'ora): elided forms are
//     dropped, never glued;
//   - the classes that build compound numbers and Roman numerals (duemilacentodieci, mcmxcix),
//     named below with the first ending each must have, so that a changed dictionary is noticed.
// A form is kept when it has two or more characters and every character is a lower-case letter
// a-z or an accented vowel (à á è é ì í ò ó ù ú, taken as the plain vowel); capitalised names
// and words with apostrophes, hyphens, digits or anything else are dropped. The kept words are
// upper-cased, merged, sorted by byte, deduplicated and written with CR LF line ends after one
// empty line, so that the first word too follows a line break.
//
// With --rules, every affix rule is listed on standard error with what was done with it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "affix_expander.h"

namespace {

using vocari::wordlist::AffixFile;

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

// Classes of it_IT.aff left out whole, each with the ending its first rule adds.
struct SkippedClass {
  const char* flag;
  const char* firstAdd;
  const char* why;
};
constexpr SkippedClass kSkippedClasses[] = {
    {"!", "dieci", "compound numbers (centodieci, duemiladieci)"},
    {"\"", "mille", "compound numbers (milleduecento, tremilacento)"},
    {"(", "decimo", "compound ordinals (centodecimo)"},
    {"£", "i", "Roman numerals"},
    {"$", "x", "Roman numerals"},
    {"c", "elo", "pronoun endings for enclitic roots (digli: diglielo)"},
    {"g", "a", "variants of enclitic roots (dimmelo: dimmela, dimmene)"},
};

bool readWordsFile(const char* path, std::vector<std::string>& words) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "make_wordlist: cannot read " << path << '\n';
    return false;
  }
  std::size_t kept = 0;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (auto w = normalise(line)) {
      words.push_back(std::move(*w));
      ++kept;
    }
  }
  std::cerr << "make_wordlist: " << kept << " words from " << path << '\n';
  return true;
}

bool readHunspell(const char* dicPath, const AffixFile& aff, std::vector<std::string>& words) {
  std::ifstream in(dicPath, std::ios::binary);
  if (!in) {
    std::cerr << "make_wordlist: cannot read " << dicPath << '\n';
    return false;
  }
  std::string line;
  std::getline(in, line);  // the entry count
  std::size_t entries = 0;
  const std::size_t before = words.size();
  const auto keep = [&](const std::string& form) {
    if (auto w = normalise(form)) words.push_back(std::move(*w));
  };
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const auto tab = line.find('\t'); tab != std::string::npos) line.erase(tab);  // morphology
    const auto slash = line.find('/');
    const std::string root = line.substr(0, slash);
    // Empty roots are the file's comment lines; a capital makes every form a name.
    if (root.empty() || (root[0] >= 'A' && root[0] <= 'Z')) continue;
    ++entries;
    try {
      const auto flags = slash == std::string::npos ? vocari::wordlist::FlagSet{} : aff.decodeFlags(line.substr(slash + 1));
      aff.expand(root, flags, keep);
    } catch (const std::exception& e) {
      std::cerr << "make_wordlist: " << dicPath << ": " << line << ": " << e.what() << '\n';
      return false;
    }
  }
  std::cerr << "make_wordlist: " << words.size() - before << " forms from " << entries << " entries of " << dicPath
            << '\n';
  return true;
}

// Drops what the game does not take, as the header says; false when the affix file has changed
// so that a skipped class is no longer the one meant.
bool dropRules(AffixFile& aff, bool list) {
  for (const auto& s : kSkippedClasses) {
    const auto it = aff.classes.find(aff.decodeFlag(s.flag));
    if (it == aff.classes.end() || it->second.rules.empty() || it->second.rules[0].add != s.firstAdd) {
      std::cerr << "make_wordlist: affix class " << s.flag << " is no longer " << s.why
                << ": review kSkippedClasses\n";
      return false;
    }
    for (auto& r : it->second.rules) r.dropped = true;
  }
  int elided = 0;
  for (auto& [flag, cls] : aff.classes)
    for (auto& r : cls.rules)
      if (!r.dropped && r.add.find('\'') != std::string::npos) {
        r.dropped = true;
        ++elided;
      }
  // Every elided rule is dropped here, before the enclitic families are counted.
  const int enclitic = vocari::wordlist::markEncliticRules(aff);
  std::cerr << "make_wordlist: left out " << elided << " elision rules and " << enclitic << " enclitic rules\n";
  if (list) {
    for (const auto& [flag, cls] : aff.classes)
      for (const auto& r : cls.rules)
        std::cerr << (cls.prefix ? "PFX " : "SFX ") << (flag < 128 ? std::string(1, char(flag)) : std::to_string(flag)) << ' ' << (r.strip.empty() ? "0" : r.strip) << ' '
                  << (r.add.empty() ? "0" : r.add) << ' ' << r.conditionText << (r.dropped ? "  dropped" : "  kept")
                  << '\n';
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool listRules = argc == 6 && std::strcmp(argv[5], "--rules") == 0;
  if (argc != 5 && !listRules) {
    std::cerr << "usage: make_wordlist OUTPUT WORDS_FILE HUNSPELL_DIC HUNSPELL_AFF [--rules]\n";
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  AffixFile aff;
  {
    std::ifstream in(argv[4], std::ios::binary);
    if (!in) {
      std::cerr << "make_wordlist: cannot read " << argv[4] << '\n';
      return 1;
    }
    try {
      aff = AffixFile::parse(in);
    } catch (const std::exception& e) {
      std::cerr << "make_wordlist: " << argv[4] << ": " << e.what() << '\n';
      return 1;
    }
  }
  if (!dropRules(aff, listRules)) return 1;

  std::vector<std::string> words;
  if (!readWordsFile(argv[2], words) || !readHunspell(argv[3], aff, words)) return 1;
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
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::cerr << "make_wordlist: " << words.size() << " words written to " << argv[1] << " in " << ms.count()
            << " ms\n";
  return 0;
}
