#include "affix_expander.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace vocari::wordlist {
namespace {

[[noreturn]] void fail(int line, const std::string& what) {
  throw std::runtime_error("affix file line " + std::to_string(line) + ": " + what);
}

std::vector<std::string> tokens(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string t; in >> t;) out.push_back(t);
  return out;
}

// The code point starting at s[i], advancing i; a malformed byte is taken as itself.
char32_t nextCodePoint(std::string_view s, std::size_t& i) {
  const auto b = static_cast<unsigned char>(s[i++]);
  const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
  if (extra <= 0) return b;
  char32_t c = b & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return b;
    c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
  }
  return c;
}

std::u32string codePoints(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) out.push_back(nextCodePoint(s, i));
  return out;
}

std::vector<ConditionElement> parseCondition(const std::string& text, int line) {
  std::vector<ConditionElement> out;
  const std::u32string cps = codePoints(text);
  if (text == ".") return out;
  for (std::size_t i = 0; i < cps.size(); ++i) {
    ConditionElement e;
    if (cps[i] == U'.') {
      e.any = true;
    } else if (cps[i] == U'[') {
      std::size_t j = i + 1;
      if (j < cps.size() && cps[j] == U'^') {
        e.negated = true;
        ++j;
      }
      for (; j < cps.size() && cps[j] != U']'; ++j) e.chars.push_back(cps[j]);
      if (j == cps.size()) fail(line, "unclosed [ in condition " + text);
      i = j;
    } else if (cps[i] == U']') {
      fail(line, "stray ] in condition " + text);
    } else {
      e.chars.push_back(cps[i]);
    }
    out.push_back(std::move(e));
  }
  return out;
}

bool elementMatches(const ConditionElement& e, char32_t c) {
  if (e.any) return true;
  const bool in = e.chars.find(c) != std::u32string::npos;
  return in != e.negated;
}

bool has(const FlagSet& flags, Flag f) { return f != 0 && std::binary_search(flags.begin(), flags.end(), f); }

void normaliseSet(FlagSet& flags) {
  std::sort(flags.begin(), flags.end());
  flags.erase(std::unique(flags.begin(), flags.end()), flags.end());
}

}  // namespace

Flag AffixFile::decodeFlag(std::string_view text) const {
  if (text.empty()) throw std::runtime_error("empty flag");
  switch (flagType) {
    case FlagType::Char:
      return static_cast<unsigned char>(text[0]);
    case FlagType::Utf8: {
      std::size_t i = 0;
      return nextCodePoint(text, i);
    }
    case FlagType::Long:
      if (text.size() < 2) throw std::runtime_error("a long flag needs two characters: " + std::string(text));
      return (Flag(static_cast<unsigned char>(text[0])) << 8) | static_cast<unsigned char>(text[1]);
    case FlagType::Num: {
      Flag n = 0;
      for (char c : text) {
        if (c < '0' || c > '9') throw std::runtime_error("not a numeric flag: " + std::string(text));
        n = n * 10 + Flag(c - '0');
      }
      return n;
    }
  }
  return 0;
}

FlagSet AffixFile::decodeFlags(std::string_view field) const {
  FlagSet out;
  if (field.empty()) return out;
  if (!aliases_.empty()) {
    std::size_t n = 0;
    for (char c : field) {
      if (c < '0' || c > '9') throw std::runtime_error("not a flag alias number: " + std::string(field));
      n = n * 10 + std::size_t(c - '0');
    }
    if (n == 0 || n > aliases_.size()) throw std::runtime_error("no such flag alias: " + std::string(field));
    return aliases_[n - 1];
  }
  switch (flagType) {
    case FlagType::Char:
      for (char c : field) out.push_back(static_cast<unsigned char>(c));
      break;
    case FlagType::Utf8:
      for (std::size_t i = 0; i < field.size();) out.push_back(nextCodePoint(field, i));
      break;
    case FlagType::Long:
      if (field.size() % 2) throw std::runtime_error("odd number of characters in long flags: " + std::string(field));
      for (std::size_t i = 0; i < field.size(); i += 2) out.push_back(decodeFlag(field.substr(i, 2)));
      break;
    case FlagType::Num:
      for (std::size_t start = 0; start <= field.size();) {
        std::size_t comma = field.find(',', start);
        if (comma == std::string_view::npos) comma = field.size();
        out.push_back(decodeFlag(field.substr(start, comma - start)));
        start = comma + 1;
      }
      break;
  }
  normaliseSet(out);
  return out;
}

AffixFile AffixFile::parse(std::istream& in) {
  AffixFile aff;
  static const std::set<std::string> unsupported = {
      "COMPLEXPREFIXES", "CIRCUMFIX",     "IGNORE",         "ICONV",          "OCONV",
      "COMPOUNDFLAG",    "COMPOUNDBEGIN", "COMPOUNDMIDDLE", "COMPOUNDEND",    "COMPOUNDRULE",
      "COMPOUNDLAST",    "COMPOUNDFIRST", "ONLYROOT",       "PSEUDOROOT",     "LEMMA_PRESENT"};
  std::string raw;
  int lineNo = 0;
  std::size_t aliasesLeft = 0;
  bool aliasesSeen = false;
  AffixClass* open = nullptr;  // the class whose rules are being read
  std::size_t rulesLeft = 0;
  bool flagsFixed = false;  // FLAG must come before any flag is read
  while (std::getline(in, raw)) {
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (lineNo == 1 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
    const auto t = tokens(raw);
    if (t.empty() || t[0][0] == '#') continue;
    const std::string& key = t[0];
    if (rulesLeft > 0 && key != (open->prefix ? "PFX" : "SFX"))
      fail(lineNo, "expected " + std::to_string(rulesLeft) + " more rules of the class above");
    if (key == "SET") {
      if (t.size() < 2 || (t[1] != "UTF-8" && t[1] != "utf-8")) fail(lineNo, "only SET UTF-8 is supported");
    } else if (key == "FLAG") {
      if (flagsFixed) fail(lineNo, "FLAG after the first flag");
      if (t.size() < 2) fail(lineNo, "FLAG without a type");
      if (t[1] == "UTF-8") aff.flagType = FlagType::Utf8;
      else if (t[1] == "long") aff.flagType = FlagType::Long;
      else if (t[1] == "num") aff.flagType = FlagType::Num;
      else fail(lineNo, "unknown FLAG type " + t[1]);
    } else if (key == "AF") {
      flagsFixed = true;
      if (t.size() < 2) fail(lineNo, "AF without a value");
      if (!aliasesSeen) {
        aliasesSeen = true;
        aliasesLeft = std::stoul(t[1]);
        continue;
      }
      if (aliasesLeft == 0) fail(lineNo, "more AF lines than announced");
      --aliasesLeft;
      FlagSet set;
      AffixFile plain = aff;  // the alias itself is written in plain flags
      plain.aliases_.clear();
      try {
        set = plain.decodeFlags(t[1]);
      } catch (const std::exception& e) {
        fail(lineNo, e.what());
      }
      aff.aliases_.push_back(std::move(set));
    } else if (key == "NEEDAFFIX" || key == "PSEUDOROOT" || key == "FORBIDDENWORD" || key == "ONLYINCOMPOUND") {
      if (key == "PSEUDOROOT") fail(lineNo, "PSEUDOROOT is not supported");
      if (t.size() < 2) fail(lineNo, key + " without a flag");
      flagsFixed = true;
      const Flag f = aff.decodeFlag(t[1]);
      (key == "NEEDAFFIX" ? aff.needAffix : key == "FORBIDDENWORD" ? aff.forbiddenWord : aff.onlyInCompound) = f;
    } else if (key == "FULLSTRIP") {
      aff.fullStrip = true;
    } else if (unsupported.count(key)) {
      fail(lineNo, key + " is not supported by this expander");
    } else if (key == "PFX" || key == "SFX") {
      flagsFixed = true;
      const bool prefix = key == "PFX";
      if (t.size() < 4) fail(lineNo, "short affix line");
      Flag flag;
      try {
        flag = aff.decodeFlag(t[1]);
      } catch (const std::exception& e) {
        fail(lineNo, e.what());
      }
      if (rulesLeft == 0) {  // a class header: PFX flag Y|N count
        if ((t[2] != "Y" && t[2] != "N") || t[3].find_first_not_of("0123456789") != std::string::npos)
          fail(lineNo, "bad affix class header");
        if (aff.classes.count(flag)) fail(lineNo, "affix class " + t[1] + " declared twice");
        AffixClass& c = aff.classes[flag];
        c.flag = flag;
        c.prefix = prefix;
        c.crossProduct = t[2] == "Y";
        rulesLeft = std::stoul(t[3]);
        open = &c;
        continue;
      }
      if (flag != open->flag) fail(lineNo, "rule of class " + t[1] + " inside another class");
      AffixRule r;
      r.strip = t[2] == "0" ? "" : t[2];
      std::string add = t[3];
      if (const auto slash = add.find('/'); slash != std::string::npos) {
        try {
          r.continuation = aff.decodeFlags(add.substr(slash + 1));
        } catch (const std::exception& e) {
          fail(lineNo, e.what());
        }
        add.erase(slash);
      }
      r.add = add == "0" ? "" : add;
      r.conditionText = t.size() > 4 ? t[4] : ".";
      r.condition = parseCondition(r.conditionText, lineNo);
      open->rules.push_back(std::move(r));
      --rulesLeft;
    } else if (aliasesLeft > 0) {
      fail(lineNo, "expected " + std::to_string(aliasesLeft) + " more AF lines");
    }
    // Anything else (TRY, REP, MAP, KEY, WORDCHARS, NAME, ...) only serves spelling suggestions.
  }
  if (rulesLeft > 0) fail(lineNo, "the file ends inside an affix class");
  if (aliasesLeft > 0) fail(lineNo, "the file ends inside the AF table");
  return aff;
}

bool ruleApplies(const AffixRule& rule, bool prefix, std::string_view word, bool fullStrip) {
  if (word.size() < rule.strip.size() || (word.size() == rule.strip.size() && !fullStrip)) return false;
  if (prefix ? word.substr(0, rule.strip.size()) != rule.strip
             : word.substr(word.size() - rule.strip.size()) != rule.strip)
    return false;
  const auto& cond = rule.condition;
  if (cond.empty()) return true;
  if (prefix) {
    std::size_t i = 0;
    for (const auto& e : cond) {
      if (i >= word.size() || !elementMatches(e, nextCodePoint(word, i))) return false;
    }
    return true;
  }
  // Suffix: walk back over the last cond.size() characters.
  std::size_t end = word.size();
  for (auto e = cond.rbegin(); e != cond.rend(); ++e) {
    if (end == 0) return false;
    std::size_t start = end - 1;
    while (start > 0 && (static_cast<unsigned char>(word[start]) & 0xC0) == 0x80) --start;
    std::size_t i = start;
    if (!elementMatches(*e, nextCodePoint(word.substr(0, end), i))) return false;
    end = start;
  }
  return true;
}

std::string applyRule(const AffixRule& rule, bool prefix, std::string_view word) {
  if (prefix) return rule.add + std::string(word.substr(rule.strip.size()));
  std::string out(word.substr(0, word.size() - rule.strip.size()));
  out += rule.add;
  return out;
}

void AffixFile::expand(std::string_view root, const FlagSet& flags,
                       const std::function<void(const std::string&)>& emit) const {
  if (has(flags, forbiddenWord)) return;
  if (!has(flags, needAffix) && !has(flags, onlyInCompound)) emit(std::string(root));
  const auto find = [&](Flag f, bool prefix) -> const AffixClass* {
    const auto it = classes.find(f);
    return it != classes.end() && it->second.prefix == prefix ? &it->second : nullptr;
  };
  const auto alone = [&](const AffixRule& r) { return !has(r.continuation, needAffix); };

  struct Suffixed {
    std::string word;
    bool cross;
  };
  std::vector<Suffixed> suffixed;
  // Suffixes, and the suffixes their continuation flags allow after them.
  const auto addSuffixes = [&](std::string_view word, const FlagSet& from, std::vector<Suffixed>& out) {
    for (Flag f : from) {
      const AffixClass* c = find(f, false);
      if (!c) continue;
      for (const AffixRule& r : c->rules) {
        if (r.dropped || !ruleApplies(r, false, word, fullStrip)) continue;
        std::string w = applyRule(r, false, word);
        if (alone(r)) emit(w);
        for (Flag g : r.continuation) {
          const AffixClass* c2 = find(g, false);
          if (!c2) continue;
          for (const AffixRule& r2 : c2->rules) {
            if (r2.dropped || !ruleApplies(r2, false, w, fullStrip)) continue;
            std::string w2 = applyRule(r2, false, w);
            if (alone(r2)) emit(w2);
            out.push_back({std::move(w2), c->crossProduct && c2->crossProduct});
          }
        }
        out.push_back({std::move(w), c->crossProduct});
      }
    }
  };
  addSuffixes(root, flags, suffixed);

  for (Flag f : flags) {
    const AffixClass* c = find(f, true);
    if (!c) continue;
    for (const AffixRule& r : c->rules) {
      if (r.dropped) continue;
      if (ruleApplies(r, true, root, fullStrip)) {
        const std::string w = applyRule(r, true, root);
        if (alone(r)) emit(w);
      }
      if (c->crossProduct) {
        for (const Suffixed& s : suffixed)
          if (s.cross && ruleApplies(r, true, s.word, fullStrip)) emit(applyRule(r, true, s.word));
      }
      // Suffixes the prefix itself allows (its continuation flags) on the root, under the prefix.
      for (Flag g : r.continuation) {
        const AffixClass* c2 = find(g, false);
        if (!c2 || has(flags, g)) continue;
        for (const AffixRule& r2 : c2->rules) {
          if (r2.dropped || !ruleApplies(r2, false, root, fullStrip)) continue;
          const std::string w = applyRule(r2, false, root);
          if (ruleApplies(r, true, w, fullStrip)) emit(applyRule(r, true, w));
        }
      }
    }
  }
}

bool isCliticCluster(std::string_view s) {
  static const std::set<std::string, std::less<>> clusters = [] {
    std::set<std::string, std::less<>> out;
    for (const char* one : {"mi", "ti", "ci", "vi", "si", "lo", "la", "li", "le", "gli", "ne"}) out.insert(one);
    for (const char* first : {"me", "te", "ce", "ve", "se", "glie"})
      for (const char* second : {"lo", "la", "li", "le", "ne"}) out.insert(std::string(first) + second);
    for (const char* first : {"mi", "ti", "gli", "le", "ci", "vi"})
      for (const char* second : {"ci", "si"})
        if (std::string(first) != second) out.insert(std::string(first) + second);
    // After a monosyllable the first consonant doubles (da-mmi, fa-llo, di-cci); never g, and not
    // s, whose doubling is the ending -ssi of the imperfect subjunctive.
    std::set<std::string, std::less<>> doubled;
    for (const auto& c : out)
      if (c[0] != 'g' && c[0] != 's') doubled.insert(c[0] + c);
    out.insert(doubled.begin(), doubled.end());
    return out;
  }();
  return clusters.count(s) > 0;
}

namespace {

bool holdsObjectPronoun(const std::string& cluster) {
  for (const char* p : {"lo", "la", "li", "le"})
    if (cluster.size() >= 2 && cluster.compare(cluster.size() - 2, 2, p) == 0) return true;
  return false;
}

// What a root the rule applies to is known to end with once the strip string is gone: the
// condition's trailing run of plain letters, less the strip string ("[aei]re" less "e": "r").
std::string knownHostEnd(const AffixRule& r) {
  std::string literal;
  for (auto e = r.condition.rbegin(); e != r.condition.rend(); ++e) {
    if (e->any || e->negated || e->chars.size() != 1 || e->chars[0] >= 0x80) break;
    literal.insert(literal.begin(), char(e->chars[0]));
  }
  if (literal.size() < r.strip.size() || literal.compare(literal.size() - r.strip.size(), r.strip.size(), r.strip) != 0)
    return "";
  return literal.substr(0, literal.size() - r.strip.size());
}

bool endsWith(const std::string& s, std::string_view end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

int markEncliticRules(AffixFile& aff, int familySize) {
  int marked = 0;
  std::set<std::pair<std::string, std::string>> allForms;  // (strip, add) of every suffix rule
  for (const auto& [flag, cls] : aff.classes)
    for (const AffixRule& r : cls.rules)
      if (!cls.prefix) allForms.insert({r.strip, r.add});
  for (auto& [flag, cls] : aff.classes) {
    if (cls.prefix) continue;
    // (strip, condition, host ending) -> the clusters added after that host ending
    std::map<std::tuple<std::string, std::string, std::string>, std::set<std::string>> families;
    std::set<std::pair<std::string, std::string>> forms;  // (strip, add) of every rule
    for (const AffixRule& r : cls.rules) {
      forms.insert({r.strip, r.add});
      // The shortest pronoun ending makes the family: prendete-lo, not prende-telo.
      // A doubled consonant belongs to the pronoun: da-mmi, not dam-mi.
      for (std::size_t k = r.add.size(); k-- > 0;)
        if (isCliticCluster(std::string_view(r.add).substr(k))) {
          if (k > 0 && r.add[k - 1] == r.add[k] && isCliticCluster(std::string_view(r.add).substr(k - 1))) --k;
          families[{r.strip, r.conditionText, r.add.substr(0, k)}].insert(r.add.substr(k));
          break;
        }
    }
    // A family of pronouns after one host: enough of them, and an object pronoun among them
    // (conjugations have endings that look like a single pronoun, -vi, -ti, -si, never -lo).
    const auto pronounHost = [&](const AffixRule& r, const std::string& host) {
      const auto it = families.find({r.strip, r.conditionText, host});
      if (it == families.end() || it->second.size() < std::size_t(familySize)) return false;
      return std::any_of(it->second.begin(), it->second.end(), holdsObjectPronoun);
    };
    bool anyFamily = false, rootFamily = false;  // in this class; on the bare root
    for (const auto& [key, clusters] : families) {
      if (clusters.size() < std::size_t(familySize) ||
          !std::any_of(clusters.begin(), clusters.end(), holdsObjectPronoun))
        continue;
      anyFamily = true;
      rootFamily = rootFamily || (std::get<0>(key).empty() && std::get<2>(key).empty());
    }
    const auto enclitic = [&](const AffixRule& r) {
      if (r.add.empty()) return !r.strip.empty() && pronounHost(r, "") && endsWith(knownHostEnd(r), "r");
      for (std::size_t k = 0; k < r.add.size(); ++k) {
        const std::string cluster = r.add.substr(k);
        if (!isCliticCluster(cluster)) continue;
        const std::string host = r.add.substr(0, k);
        if (pronounHost(r, host)) return true;
        // A doubled consonant (da-mmi, fa-llo) only follows a monosyllable, in a family.
        if (cluster.size() > 2 && cluster[0] == cluster[1]) continue;
        if (host.empty() && endsWith(knownHostEnd(r), "r")) return true;  // the infinitive: mangiar-ne
        const std::string form = knownHostEnd(r) + host;
        if (endsWith(form, "ndo") || endsWith(form, "amo")) return true;  // gerund, imperative: -ndo-vi, -iamo-ne
        if (form.size() >= 2 && form[form.size() - 2] == 't' && std::strchr("aeio", form.back()))
          return true;  // participle or imperative: mangiat-a-vi, mangiat-e-ne, vendut-i-vene
        if (cluster == "si" && allForms.count({r.strip, host})) return true;  // prende-si, lavava-si, lavante-si
        // In a class that has pronoun families: one more pronoun on the bare root under another
        // condition (ecco-ti beside ecco-lo), or an object pronoun on a sibling form (detta-la).
        if (rootFamily && r.strip.empty() && host.empty()) return true;
        if (anyFamily && !host.empty() && forms.count({r.strip, host}) &&
            (holdsObjectPronoun(cluster) || endsWith(cluster, "ne")))
          return true;
      }
      return false;
    };
    for (AffixRule& r : cls.rules) {
      if (r.dropped || !enclitic(r)) continue;
      r.dropped = true;
      ++marked;
    }
  }
  return marked;
}

}  // namespace vocari::wordlist
