// Reads a hunspell affix file (.aff) and expands dictionary entries (.dic lines) into every form
// their affix flags give: suffixes, prefixes, the cross products the file allows and one level of
// continuation classes (an affix that carries flags of its own).
//
// Supported: FLAG (default one byte a flag, UTF-8, long, num), AF flag aliases, PFX/SFX with
// strip strings, conditions ("." and [..], [^..] over UTF-8 characters) and continuation
// flags, NEEDAFFIX (on roots and on affixes), FORBIDDENWORD and ONLYINCOMPOUND on roots,
// FULLSTRIP. Directives that change how words are formed but are not supported here (compounding,
// COMPLEXPREFIXES, CIRCUMFIX, IGNORE, ICONV/OCONV) make parse() throw, so that a changed
// dictionary cannot silently give a different list. Spelling-only directives (TRY, REP, MAP, KEY,
// ...) are skipped.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vocari::wordlist {

using Flag = std::uint32_t;
using FlagSet = std::vector<Flag>;  // sorted, unique

enum class FlagType { Char, Utf8, Long, Num };

// One position of a condition: any character, or a character of (or, negated, not of) a set.
struct ConditionElement {
  bool any = false;
  bool negated = false;
  std::u32string chars;
};

struct AffixRule {
  std::string strip;
  std::string add;
  std::string conditionText;  // as written, "." for none
  std::vector<ConditionElement> condition;
  FlagSet continuation;
  bool dropped = false;  // left out of every expansion (set by the caller)
};

struct AffixClass {
  Flag flag = 0;
  bool prefix = false;
  bool crossProduct = false;
  std::vector<AffixRule> rules;
};

class AffixFile {
 public:
  // Throws std::runtime_error naming the line when the file is malformed or uses an unsupported
  // directive.
  static AffixFile parse(std::istream& in);

  // The flags of a .dic entry's flag field (an AF alias number when the file defines aliases).
  FlagSet decodeFlags(std::string_view field) const;
  // One flag as written in the affix file (class names), in this file's flag type.
  Flag decodeFlag(std::string_view text) const;

  // Calls emit with the root (unless it needs an affix) and each form its flags give, possibly
  // with repeats. Dropped rules and rules of dropped classes give nothing.
  void expand(std::string_view root, const FlagSet& flags,
              const std::function<void(const std::string&)>& emit) const;

  FlagType flagType = FlagType::Char;
  std::map<Flag, AffixClass> classes;
  Flag needAffix = 0;
  Flag forbiddenWord = 0;
  Flag onlyInCompound = 0;
  bool fullStrip = false;

 private:
  std::vector<FlagSet> aliases_;  // AF, numbered from 1
};

// True when the rule can be applied to the word: the word is longer than the strip string (or
// as long, with FULLSTRIP), ends (suffix) or starts (prefix) with it, and meets the condition.
bool ruleApplies(const AffixRule& rule, bool prefix, std::string_view word, bool fullStrip = false);
// The word with the rule applied (the caller has checked ruleApplies).
std::string applyRule(const AffixRule& rule, bool prefix, std::string_view word);

// Italian enclitic pronouns: the single ones (mi ti ci vi si lo la li le gli ne) and their
// clusters (me lo, glie ne, ...), each also with its first consonant doubled (da-mmi, fa-llo).
bool isCliticCluster(std::string_view s);

// Marks as dropped the suffix rules that attach enclitic pronouns to a verb form, and returns
// how many it marked. A rule is enclitic when its added string is H + C, C a clitic cluster, and
// its class has at least `familySize` rules with the same strip string and condition that add
// H + C' for different clusters C' (mangia-mi, mangia-ti, mangia-lo, ...): a lone H + C is an
// ordinary ending that happens to look like one (mangia-vi, the imperfect; mangia-ti, the
// participle). A rule that adds nothing but strips, where such a family exists, is the bare host
// of the pronouns (the truncated infinitive mangiar-) and is marked too.
int markEncliticRules(AffixFile& aff, int familySize = 3);

}  // namespace vocari::wordlist
