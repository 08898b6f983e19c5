// Builds the game's word list from the Italian word lists of the system.
//
//   make_wordlist OUTPUT WORDS_FILE HUNSPELL_DIC HUNSPELL_AFF REVIEWED [--rules]
//
// WORDS_FILE (witalian) has one word a line. HUNSPELL_DIC has an entry count on its first line
// and then one entry a line, the word before a "/" and its affix flags; each entry is expanded by
// the affix rules of HUNSPELL_AFF (plurals, feminines, verb forms, superlatives of adjectives,
// adverbs in -mente, the prefixes ri-, stra-, pre-). REVIEWED (data/reviewed_words.txt) holds
// words judged one by one, each with its reason: "+ WORD" is kept whatever the sources say,
// "- WORD" is left out whatever they say (foreign words, names, Latin tags, prefixes, poetic
// truncations and misformed forms of either source, judged in the order players meet them).
//
// The list holds what a player can trust to be Italian, so it leaves out, each for the reason
// given where it is done:
//   - affix rules that attach enclitic pronouns (mangiarlo, portami) and the truncated infinitive
//     they hang on (mangiar), see markEncliticRules; the same forms in witalian (lasciarti,
//     ditelo, porlo) and the hunspell entries that are such forms themselves (dimmelo, eccotelo);
//   - rules whose prefix or suffix holds an apostrophe: elided forms are dropped, never glued;
//   - the classes that build compound numbers and Roman numerals (duemilacentodieci, mcmxcix),
//     units glued to thousands and hundreds (novantasettemilasei, duecentoquattresima), and ages
//     glued without their vowel change (cinquantanne, diciottonne);
//   - superlatives of past participles (azzannatissimo), which hardly anyone says (those witalian
//     lists stay: affollatissima);
//   - the forms the regular -ere and -ire classes give to an irregular verb (prendei, teno,
//     usco, avero), unless witalian lists them: see regularTenses;
//   - -ichi plurals of -ico words (erotichi) that witalian does not list;
//   - the prefixes pre- and stra- on the forms of dire's compounds (strabenedici, premaledico);
//   - 2- and 3-letter words unless witalian lists them or REVIEWED keeps them: the short words
//     of hunspell-it are mostly foreign particles, symbols and abbreviations (up, kg, ecc).
// A form is kept when it has two or more characters and every character is a lower-case letter
// a-z or an accented vowel (à á è é ì í ò ó ù ú, taken as the plain vowel); capitalised names
// and words with apostrophes, hyphens, digits or anything else are dropped. The kept words are
// upper-cased, merged, sorted by byte, deduplicated and written with CR LF line ends after one
// empty line, so that the first word too follows a line break.
//
// With --rules, every affix rule is listed on standard error with what was done with it.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

#include "affix_expander.h"

namespace {

using vocari::wordlist::AffixFile;
using vocari::wordlist::Flag;
using vocari::wordlist::FlagSet;
using WordSet = std::unordered_set<std::string>;

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

bool endsWith(const std::string& s, const char* end) {
  const std::size_t n = std::strlen(end);
  return s.size() >= n && s.compare(s.size() - n, n, end) == 0;
}

// Classes of it_IT.aff left out whole, each with the ending its first rule adds, so that a
// changed dictionary is noticed.
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
    {"y", "issimo", "superlatives of past participles (azzannatissimo): hardly ever said"},
};

// Single rules left out: those of a class with this strip string whose added string holds
// `addHolds`; `count` is how many there must be.
struct SkippedRules {
  const char* flag;
  const char* strip;
  const char* addHolds;
  int count;
  const char* why;
};
constexpr SkippedRules kSkippedRules[] = {
    {"v", "re", "issim", 4, "superlatives of -ire past participles (finitissimo): hardly ever said"},
    {"Y", "o", "issimamente", 1, "adverbs of superlatives (prevedibilissimamente): not said"},
    {"Y", "e", "issimamente", 1, "adverbs of superlatives (facilissimamente): not said"},
};

// The regular -ere and -ire conjugations and the endings (after the stem, accents folded) of the
// tenses where a verb of theirs can be irregular.
struct VerbClass {
  const char* flag;
  const char* firstAdd;
  const char* infinitive;  // as the affix file writes it
  std::vector<std::string> present, plural, weakPast, future;
  // Forms that show a verb of the class has the plain present at all: most -ire verbs take -isc-
  // instead (gioisco, not gioo), and their entries may carry this class all the same.
  std::vector<std::string> plainPresent;
};
const VerbClass kVerbClasses[] = {
    {"B", "o", "ere", {"O", "I", "E", "ONO", "A", "ANO"}, {"IAMO", "IATE"},
     {"EI", "ETTI", "ETTE", "ERONO", "ETTERO"},
     {"ERO", "ERAI", "ERA", "EREMO", "ERETE", "ERANNO", "EREI", "ERESTI", "EREBBE", "EREMMO", "ERESTE", "EREBBERO"},
     {}},
    {"C", "o", "ire", {"O", "I", "E", "ONO", "A", "ANO"}, {"IAMO", "IATE"}, {}, {}, {"E", "ONO"}},
};

// Verbs of those classes whose present or future is irregular, with their compounds (a root
// ending in the infinitive: ottenere, raccogliere, riuscire); the longest match counts. All:
// every form the class gives is wrong but the ones witalian lists (essere: essete, essevo).
// Verbs of those classes whose present (singular and third plural; first and second plural
// too for some) or future is irregular, with their compounds (a root ending in the infinitive:
// ottenere, raccogliere, riuscire); the longest match counts. All: every form the class gives is
// wrong but the ones witalian lists (essere: essete, essevo), for the verb alone (not tessere).
struct IrregularVerb {
  const char* infinitive;
  bool present, plural, future, all;
};
constexpr IrregularVerb kIrregularVerbs[] = {
    {"avere", true, true, true, false},           // ho, hanno; avrò (not avo, avero)
    {"cadere", false, false, true, false},        // cadrò (accadrà)
    {"cogliere", true, false, false, false},      // colgo, colgono
    {"dolere", true, true, true, false},          // dolgo; dorrò
    {"dovere", true, true, true, false},          // devo, devono; dovrò
    {"essere", true, true, true, true},           // sono, siete; ero; fui; sarò
    {"giacere", true, true, false, false},        // giaccio
    {"godere", false, false, true, false},        // godrò (but godei, godetti)
    {"morire", true, false, false, false},        // muoio, muoiono
    {"nuocere", true, false, false, false},       // nuoccio
    {"parere", true, true, true, false},          // paio; parrò
    {"parire", true, false, false, false},        // appaio, scompaiono
    {"piacere", true, true, false, false},        // piaccio, piacciono
    {"potere", true, true, true, false},          // posso; potrò
    {"prevedere", false, false, false, false},    // prevederò, like provvederò
    {"provvedere", false, false, false, false},
    {"rimanere", true, false, true, false},       // rimango; rimarrò
    {"salire", true, false, false, false},        // salgo, salgono
    {"sapere", true, true, true, false},          // so, sanno; saprò
    {"scegliere", true, false, false, false},     // scelgo
    {"sciogliere", true, false, false, false},    // sciolgo
    {"tacere", true, true, false, false},         // taccio
    {"tenere", true, false, true, false},         // tengo, tieni; terrò
    {"togliere", true, false, false, false},      // tolgo
    {"udire", true, false, false, false},         // odo, odono (udirò and udrò both)
    {"uscire", true, false, false, false},        // esco, escono
    {"valere", true, false, true, false},         // valgo; varrò
    {"vedere", false, false, true, false},        // vedrò
    {"vivere", false, false, true, false},        // vivrò
    {"volere", true, true, true, false},          // voglio; vorrò
};
// -ere verbs with a weak past that witalian shows no form of.
constexpr const char* kWeakPastVerbs[] = {"godere"};

// The prefixes pre- and stra-, left off the compounds of dire: premaledico, strabenedici.
constexpr const char* kDirePrefixes[] = {"e", "d"};
// Units and ordinals of units, left off the thousands and the hundreds from duecento up:
// novantasettemilasei, duecentoquattresima (cento keeps them: centouno, centounesimo).
constexpr const char* kUnitClasses[] = {"|", "&"};

struct Rules {
  AffixFile aff;             // every rule this list takes
  AffixFile withEnclitics;   // the enclitic suffix rules alone (with the prefixes), to know their forms
  std::set<Flag> encliticClasses;  // classes some of whose rules are enclitic
  Flag pronounRootClasses[2] = {0, 0};
  std::vector<std::pair<Flag, const VerbClass*>> verbs;
  FlagSet direPrefixes, unitClasses;
  Flag straPrefix = 0;
  Flag infinitiveClass = 0;  // the pronouns of the infinitive (mangiar-lo), which every verb takes
};

// Drops what the game does not take, as the header says; false when the affix file has changed
// so that a skipped class or rule is no longer the one meant.
bool dropRules(Rules& rules, bool list) {
  AffixFile& aff = rules.aff;
  for (const auto& s : kSkippedClasses) {
    const auto it = aff.classes.find(aff.decodeFlag(s.flag));
    if (it == aff.classes.end() || it->second.rules.empty() || it->second.rules[0].add != s.firstAdd) {
      std::cerr << "make_wordlist: affix class " << s.flag << " is no longer " << s.why
                << ": review kSkippedClasses\n";
      return false;
    }
    for (auto& r : it->second.rules) r.dropped = true;
  }
  for (const auto& s : kSkippedRules) {
    const auto it = aff.classes.find(aff.decodeFlag(s.flag));
    int n = 0;
    if (it != aff.classes.end())
      for (auto& r : it->second.rules)
        if (r.strip == s.strip && r.add.find(s.addHolds) != std::string::npos) {
          r.dropped = true;
          ++n;
        }
    if (n != s.count) {
      std::cerr << "make_wordlist: affix class " << s.flag << " no longer has " << s.count << " rules of " << s.why
                << ": review kSkippedRules\n";
      return false;
    }
  }
  // Ages glue -nne to a number in -e (diciannovenne) but change a final -o or -a (diciottenne,
  // cinquantenne); the affix file glues it to those too (diciottonne, cinquantanne), so its two
  // rules are kept for -e alone.
  {
    const auto it = aff.classes.find(aff.decodeFlag(")"));
    int n = 0;
    if (it != aff.classes.end())
      for (auto& r : it->second.rules)
        if (r.strip.empty() && (r.add == "nne" || r.add == "nni") && r.conditionText == "[eoa]") {
          r.condition.assign(1, vocari::wordlist::ConditionElement{false, false, U"e"});
          r.conditionText = std::string(1, 'e');
          ++n;
        }
    if (n != 2) {
      std::cerr << "make_wordlist: affix class ) no longer glues -nne and -nni to numbers in [eoa]: review the ages\n";
      return false;
    }
  }
  for (const auto& v : kVerbClasses) {
    const Flag f = aff.decodeFlag(v.flag);
    const auto it = aff.classes.find(f);
    if (it == aff.classes.end() || it->second.rules.empty() || it->second.rules[0].add != v.firstAdd ||
        it->second.rules[0].strip != v.infinitive) {
      std::cerr << "make_wordlist: affix class " << v.flag << " is no longer the -" << v.infinitive
                << " conjugation: review kVerbClasses\n";
      return false;
    }
    rules.verbs.push_back({f, &v});
  }
  for (const char* f : kDirePrefixes) rules.direPrefixes.push_back(aff.decodeFlag(f));
  for (const char* f : kUnitClasses) rules.unitClasses.push_back(aff.decodeFlag(f));
  std::sort(rules.direPrefixes.begin(), rules.direPrefixes.end());
  std::sort(rules.unitClasses.begin(), rules.unitClasses.end());
  rules.straPrefix = aff.decodeFlag("d");
  rules.infinitiveClass = aff.decodeFlag("I");
  rules.pronounRootClasses[0] = aff.decodeFlag("c");
  rules.pronounRootClasses[1] = aff.decodeFlag("g");

  int elided = 0;
  for (auto& [flag, cls] : aff.classes)
    for (auto& r : cls.rules)
      if (!r.dropped && r.add.find('\'') != std::string::npos) {
        r.dropped = true;
        ++elided;
      }
  // Every elided rule is dropped here, before the enclitic families are counted.
  rules.withEnclitics = aff;
  const int enclitic = vocari::wordlist::markEncliticRules(aff);
  // withEnclitics keeps only the enclitic suffixes (and the prefixes), which is all it is for.
  for (auto& [flag, cls] : rules.withEnclitics.classes)
    for (std::size_t i = 0; i < cls.rules.size(); ++i) {
      const bool enclitic = aff.classes.at(flag).rules[i].dropped && !cls.rules[i].dropped;
      if (enclitic) rules.encliticClasses.insert(flag);
      else if (!cls.prefix) cls.rules[i].dropped = true;
    }
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

bool readWordsFile(const char* path, WordSet& words) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "make_wordlist: cannot read " << path << '\n';
    return false;
  }
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (auto w = normalise(line)) words.insert(std::move(*w));
  }
  std::cerr << "make_wordlist: " << words.size() << " words from " << path << '\n';
  return true;
}

// REVIEWED: "+ WORD reason" or "- WORD reason" lines, '#' comments; false on a line without a
// reason or a word that is not upper-case letters.
bool readReviewed(const char* path, WordSet& plus, WordSet& minus) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "make_wordlist: cannot read " << path << '\n';
    return false;
  }
  int n = 0;
  for (std::string line; std::getline(in, line);) {
    ++n;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const auto end = line.find(' ', 2);
    const std::string word = line.substr(2, end == std::string::npos ? end : end - 2);
    if ((line[0] != '+' && line[0] != '-') || line[1] != ' ' || end == std::string::npos || end + 1 >= line.size() ||
        word.size() < 2 || word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != std::string::npos) {
      std::cerr << "make_wordlist: " << path << ":" << n << ": not \"+ WORD reason\" or \"- WORD reason\"\n";
      return false;
    }
    (line[0] == '+' ? plus : minus).insert(word);
  }
  return true;
}

struct Entry {
  std::string root;
  FlagSet flags;
};

bool readDic(const char* dicPath, const AffixFile& aff, std::vector<Entry>& entries) {
  std::ifstream in(dicPath, std::ios::binary);
  if (!in) {
    std::cerr << "make_wordlist: cannot read " << dicPath << '\n';
    return false;
  }
  std::string line;
  std::getline(in, line);  // the entry count
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (const auto tab = line.find('\t'); tab != std::string::npos) line.erase(tab);  // morphology
    const auto slash = line.find('/');
    Entry e{line.substr(0, slash), {}};
    // Empty roots are the file's comment lines; a capital makes every form a name.
    if (e.root.empty() || (e.root[0] >= 'A' && e.root[0] <= 'Z')) continue;
    try {
      if (slash != std::string::npos) e.flags = aff.decodeFlags(line.substr(slash + 1));
    } catch (const std::exception& ex) {
      std::cerr << "make_wordlist: " << dicPath << ": " << line << ": " << ex.what() << '\n';
      return false;
    }
    entries.push_back(std::move(e));
  }
  return true;
}

// The kept forms an entry gives, upper-case and plain, sorted and unique.
std::vector<std::string> forms(const AffixFile& aff, const std::string& root, const FlagSet& flags) {
  std::vector<std::string> out;
  aff.expand(root, flags, [&](const std::string& f) {
    if (auto w = normalise(f)) out.push_back(std::move(*w));
  });
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

bool hasFlag(const FlagSet& flags, Flag f) { return std::binary_search(flags.begin(), flags.end(), f); }

FlagSet without(const FlagSet& flags, const FlagSet& gone) {
  FlagSet out;
  std::set_difference(flags.begin(), flags.end(), gone.begin(), gone.end(), std::back_inserter(out));
  return out;
}

// Whether the class's forms of each tense suit the verb: present, its first and second plural,
// weak past, future, anything else (see kIrregularVerbs for the present and the future). The
// weak past (prendei, chiudetti) suits the few -ere verbs whose past is weak, known by witalian
// listing such a form for the verb or for a verb it ends with (ribattere: battei).
std::array<bool, 5> regularTenses(const std::string& root, const std::string& stem, const VerbClass& v,
                                  const WordSet& attested) {
  const IrregularVerb* irregular = nullptr;
  for (const auto& i : kIrregularVerbs)
    if ((i.all ? root == i.infinitive : endsWith(root, i.infinitive)) &&
        (!irregular || std::strlen(i.infinitive) > std::strlen(irregular->infinitive)))
      irregular = &i;
  const auto listed = [&](const std::vector<std::string>& endings) {
    for (std::size_t k = 0; k == 0 || k + 3 <= stem.size(); ++k)
      for (const auto& e : endings)
        if (attested.count(stem.substr(k) + e)) return true;
    return false;
  };
  // -ette and -etti are also plurals of nouns (cadette, cadetti), so they tell nothing here.
  static const std::vector<std::string> telling = {"EI", "ERONO", "ETTERO"};
  const bool weak = v.weakPast.empty() || listed(telling) ||
                    std::any_of(std::begin(kWeakPastVerbs), std::end(kWeakPastVerbs),
                                [&](const char* w) { return endsWith(root, w); });
  // The plain present, where the class can lack it, is known the same way (dorme, partono).
  const bool plain = v.plainPresent.empty() || listed(v.plainPresent);
  if (!irregular) return {plain, true, weak, true, true};
  const bool all = irregular->all;
  return {plain && !irregular->present && !all, !irregular->plural && !all, weak && !all, !irregular->future && !all, !all};
}

// Whether a form the class gives a verb stays: witalian lists it, or its tense suits the verb.
bool keepsVerbForm(const std::string& form, const std::string& stem, const VerbClass& v, const std::array<bool, 5>& regular,
                   const WordSet& attested) {
  if (attested.count(form)) return true;
  for (std::size_t p = 0; p <= 4 && p + stem.size() <= form.size(); ++p) {  // after ri-, pre-, stra-
    if (form.compare(p, stem.size(), stem) != 0) continue;
    const std::string ending = form.substr(p + stem.size());
    const std::vector<std::string>* tenses[] = {&v.present, &v.plural, &v.weakPast, &v.future};
    for (std::size_t t = 0; t < 4; ++t)
      if (std::find(tenses[t]->begin(), tenses[t]->end(), ending) != tenses[t]->end()) return regular[t];
    return regular[4];
  }
  return regular[4];
}

// What each leaving-out step removed, for the summary on standard error.
struct Removed {
  std::map<std::string, std::set<std::string>> byStep;
  void add(const char* step, const std::string& w) { byStep[step].insert(w); }
};

// What tells a verb form with pronouns from a look-alike: the verbs of the dictionary (its
// entries that take the infinitive's pronoun class), the forms they give (less the enclitic
// ones), and every word of the sources.
struct Verbs {
  WordSet infinitives, forms, words;
};

// Whether a word is a verb form with enclitic pronouns: a host form, then a pronoun cluster (see
// isCliticCluster), where the two leave no doubt:
//   - any pronoun after an infinitive (lasciar-ti, far-lo, figurar-si: lasciare is a verb), the
//     -rre ones too (por-lo, trar-ne, condur-vi: porre, trarre, condurre);
//   - after a gerund (fermando-mi, facendo-lo; not ba-ndo-lo, ma-ndo-la, te-ndo-ne), -iamo
//     (vediamo-ci, andiamo-lo) or a second plural (dite-lo, but not diate-si: diatesi);
//   - two pronouns after a verb form (porta-glielo), after ecco (ecco-telo) or glie- after a
//     monosyllable (di-glielo); not after any word (caro-tene, oligo-cene);
//   - a doubled m or c after the monosyllables da', di', fa', sta', va' (da-mmi, di-cci; fa-tti,
//     so-mmi and va-lle are words);
//   - mi, ti, ci, vi, lo, la after another verb form (abbandona-mi) when the dictionary's enclitic
//     rules make the word and no other rule does (`madeByEncliticRule`); lo and la not after a
//     participle (cinto-la: cintola), mi, ti, ci, vi not on the plural of a word in -o
//     (intona-ci, porti-ci: intonaco, portico). Not le, li, ne, si there: capita-le, genera-li, pendo-le,
//     rima-si are nouns, adjectives and pasts.
bool encliticForm(const std::string& w, const Verbs& verbs, bool madeByEncliticRule) {
  static const WordSet monosyllables = {"DA", "DI", "FA", "STA", "VA"};
  static const char* const irregularGerunds[] = {"FACENDO", "DICENDO", "PONENDO", "TRAENDO", "BEVENDO", "DUCENDO"};
  std::string lower = w;
  for (auto& c : lower) c = char(c - 'A' + 'a');
  for (std::size_t k = 2; k + 2 <= w.size(); ++k) {
    const std::string c = lower.substr(k);
    const std::string host = w.substr(0, k);
    if (!vocari::wordlist::isCliticCluster(c)) continue;
    if (c[0] == c[1]) {
      if ((c[0] == 'm' || c[0] == 'c') && monosyllables.count(host)) return true;
      continue;
    }
    if (c.compare(0, 4, "glie") == 0 && monosyllables.count(host)) return true;
    if (k >= 3 && host.back() == 'R' && verbs.infinitives.count(host + "E")) return true;
    // the plural of a word in -o is no -rre infinitive with pronouns (portici: portico; porci, torvi)
    if (k >= 3 && host.back() == 'R' && verbs.infinitives.count(host + "RE") &&
        !(w.back() == 'I' && verbs.words.count(w.substr(0, w.size() - 1) + "O")))
      return true;
    if (!verbs.words.count(host)) continue;
    const std::string stem = host.substr(0, k - std::min<std::size_t>(k, 4));
    const bool gerund =
        (endsWith(host, "ANDO") && verbs.infinitives.count(stem + "ARE")) ||
        (endsWith(host, "ENDO") && (verbs.infinitives.count(stem + "ERE") || verbs.infinitives.count(stem + "IRE"))) ||
        std::any_of(std::begin(irregularGerunds), std::end(irregularGerunds), [&](const char* g) { return endsWith(host, g); });
    const bool secondPlural = endsWith(host, "ATE") || endsWith(host, "ETE") || endsWith(host, "ITE");
    if (gerund || endsWith(host, "IAMO") || (secondPlural && c != "si")) return true;
    const bool verbForm = verbs.forms.count(host) > 0;
    const bool objectEnd = endsWith(c, "lo") || endsWith(c, "la") || endsWith(c, "li") || endsWith(c, "le") || endsWith(c, "ne");
    if (objectEnd && c.size() >= 4 && (c[1] == 'e' || c.compare(0, 4, "glie") == 0) && (verbForm || host == "ECCO"))
      return true;
    const bool participle = endsWith(host, "TO") || endsWith(host, "SO");
    // intonaci, tossici, portici; not lascia-mi beside lasciamo
    const bool plural = verbs.words.count(w.substr(0, w.size() - 1) + "O") > 0 && !endsWith(w, "AMI") &&
                        !endsWith(w, "EMI") && !endsWith(w, "IMI");
    if (madeByEncliticRule && verbForm &&
        (((c == "mi" || c == "ti" || c == "ci" || c == "vi") && !plural) || ((c == "lo" || c == "la") && !participle)))
      return true;
  }
  return false;
}

// Expands every entry of the dictionary into `out`, leaving out what the header says.
void expandDictionary(const Rules& rules, const std::vector<Entry>& entries, const WordSet& attested,
                      WordSet& enclitic, Verbs& verbs, std::vector<std::string>& out, Removed& removed) {
  // First every entry's forms, and the forms the enclitic rules give (those no kept rule of the
  // same entry gives).
  WordSet wanted = attested;  // the enclitic forms that matter: witalian's words and the roots
  for (const Entry& e : entries)
    if (auto r = normalise(e.root)) wanted.insert(std::move(*r));
  // Almost every enclitic form is neither, so a table of one bit a hash answers first.
  std::vector<bool> maybeWanted(std::size_t(1) << 23);
  const auto slot = [&](const std::string& w) { return std::hash<std::string>{}(w) & (maybeWanted.size() - 1); };
  for (const auto& w : wanted) maybeWanted[slot(w)] = true;
  std::vector<std::vector<std::string>> cached;
  cached.reserve(entries.size());
  for (const Entry& e : entries) {
    cached.push_back(forms(rules.aff, e.root, e.flags));
    if (std::none_of(e.flags.begin(), e.flags.end(), [&](Flag f) { return rules.encliticClasses.count(f) > 0; }))
      continue;
    const auto& kept = cached.back();
    rules.withEnclitics.expand(e.root, e.flags, [&](const std::string& f) {
      auto w = normalise(f);
      if (w && maybeWanted[slot(*w)] && wanted.count(*w) && !std::binary_search(kept.begin(), kept.end(), *w))
        enclitic.insert(std::move(*w));
    });
  }
  verbs.words = attested;
  for (const auto& c : cached) verbs.words.insert(c.begin(), c.end());
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (hasFlag(entries[i].flags, rules.infinitiveClass)) {
      if (auto r = normalise(entries[i].root)) verbs.infinitives.insert(std::move(*r));
      verbs.forms.insert(cached[i].begin(), cached[i].end());
    }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Entry& e = entries[i];
    const auto root = normalise(e.root);
    // Entries that are themselves a verb form with pronouns (dimmelo, eccotelo, andiamolo,
    // divertirsi) would give more of them (dimmela, ridimmi, andiamoli).
    if (hasFlag(e.flags, rules.pronounRootClasses[0]) || hasFlag(e.flags, rules.pronounRootClasses[1]) ||
        (root && encliticForm(*root, verbs, enclitic.count(*root) > 0))) {
      for (const auto& w : cached[i]) removed.add("entries that are enclitic forms", w);
      continue;
    }
    FlagSet flags = e.flags;
    auto all = std::move(cached[i]);
    const auto leaveOff = [&](const FlagSet& gone, const char* step) {
      flags = without(flags, gone);
      auto fewer = forms(rules.aff, e.root, flags);
      for (const auto& w : all)
        if (!std::binary_search(fewer.begin(), fewer.end(), w)) removed.add(step, w);
      all = std::move(fewer);
    };
    // The entries that take both pre- and stra- are the forms of dire and of its compounds
    // (benedico, maledire, contraddetto); stra- fits none of them (stradico), pre- only dire's
    // own (predico, predirai: predire), not the compounds' (premaledico, prebenedetto).
    if (hasFlag(flags, rules.direPrefixes[0]) && hasFlag(flags, rules.direPrefixes[1])) {
      const bool dire = e.root.compare(0, 3, "dic") == 0 || e.root.compare(0, 3, "dir") == 0;
      leaveOff(dire ? FlagSet{rules.straPrefix} : rules.direPrefixes, "pre-/stra- on forms of dire's compounds");
    }
    if (endsWith(e.root, "mila") || endsWith(e.root, "mille") || (endsWith(e.root, "cento") && e.root != "cento"))
      leaveOff(rules.unitClasses, "compound numerals");
    for (const auto& [flag, verb] : rules.verbs) {
      const auto stem = normalise(e.root + "xx");
      if (!hasFlag(flags, flag) || !endsWith(e.root, verb->infinitive) || !stem) continue;
      const std::string stemUpper = stem->substr(0, stem->size() - 2 - std::strlen(verb->infinitive));
      const auto regular = regularTenses(e.root, stemUpper, *verb, attested);
      if (std::all_of(regular.begin(), regular.end(), [](bool r) { return r; })) continue;
      const auto plain = forms(rules.aff, e.root, without(flags, FlagSet{flag}));
      std::vector<std::string> keep;
      for (auto& w : all) {
        if (std::binary_search(plain.begin(), plain.end(), w) || keepsVerbForm(w, stemUpper, *verb, regular, attested))
          keep.push_back(std::move(w));
        else
          removed.add("irregular verbs conjugated as regular", w);
      }
      all = std::move(keep);
    }
    // -ico words stressed on the third syllable from the end make -ici (erotico: erotici); the
    // affix file gives them -ichi as well, which is kept only where witalian lists it, or lists
    // it for a word the form ends with (antichi; beccafichi as fichi, discarichi as carichi;
    // amichi and medichi as forms of amicare and medicare).
    const bool ico = endsWith(e.root, "ico");
    const auto listedIchi = [&](const std::string& w) {
      for (std::size_t k = 0; k + 5 <= w.size(); ++k)
        if (attested.count(w.substr(k))) return true;
      return false;
    };
    for (auto& w : all) {
      if (ico && endsWith(w, "ICHI") && !listedIchi(w)) removed.add("-ichi plurals of -ico words", w);
      else out.push_back(std::move(w));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool listRules = argc == 7 && std::strcmp(argv[6], "--rules") == 0;
  if (argc != 6 && !listRules) {
    std::cerr << "usage: make_wordlist OUTPUT WORDS_FILE HUNSPELL_DIC HUNSPELL_AFF REVIEWED [--rules]\n";
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  Rules rules;
  {
    std::ifstream in(argv[4], std::ios::binary);
    if (!in) {
      std::cerr << "make_wordlist: cannot read " << argv[4] << '\n';
      return 1;
    }
    try {
      rules.aff = AffixFile::parse(in);
    } catch (const std::exception& e) {
      std::cerr << "make_wordlist: " << argv[4] << ": " << e.what() << '\n';
      return 1;
    }
  }
  if (!dropRules(rules, listRules)) return 1;

  WordSet attested, plus, minus, enclitic;
  std::vector<Entry> entries;
  if (!readWordsFile(argv[2], attested) || !readDic(argv[3], rules.aff, entries) ||
      !readReviewed(argv[5], plus, minus))
    return 1;
  std::vector<std::string> words;
  Removed removed;
  Verbs verbs;
  expandDictionary(rules, entries, attested, enclitic, verbs, words, removed);
  std::cerr << "make_wordlist: " << words.size() << " forms from " << entries.size() << " entries of " << argv[3]
            << '\n';
  // witalian's own forms with enclitic pronouns (lasciarti, ditelo, dammi), unless the dictionary
  // makes the same word by a kept rule.
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  {
    const std::size_t expanded = words.size();
    for (const auto& w : attested) {
      if (!std::binary_search(words.begin(), words.begin() + std::ptrdiff_t(expanded), w) &&
          encliticForm(w, verbs, enclitic.count(w) > 0))
        removed.add("witalian's enclitic forms", w);
      else words.push_back(w);
    }
  }
  words.insert(words.end(), plus.begin(), plus.end());
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  // Short words: the two sources' 2- and 3-letter words are mostly not Italian beyond witalian's
  // (up, dr, umo), so only those witalian lists and those REVIEWED keeps stay.
  words.erase(std::remove_if(words.begin(), words.end(),
                             [&](const std::string& w) {
                               const char* step = minus.count(w) ? "reviewed and left out"
                                                  : w.size() <= 3 && !attested.count(w) && !plus.count(w) ? "short words"
                                                                                                         : nullptr;
                               if (step) removed.add(step, w);
                               return step != nullptr;
                             }),
              words.end());

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
  for (const auto& [step, ws] : removed.byStep) {
    std::vector<std::string> gone;
    for (const auto& w : ws)
      if (!std::binary_search(words.begin(), words.end(), w)) gone.push_back(w);
    std::cerr << "make_wordlist: left out " << gone.size() << " words: " << step << " (";
    const std::size_t shown = std::min<std::size_t>(5, gone.size());
    for (std::size_t i = 0; i < shown; ++i) std::cerr << (i ? " " : "") << gone[i * gone.size() / shown];
    std::cerr << ")\n";
  }
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  std::cerr << "make_wordlist: " << words.size() << " words written to " << argv[1] << " in " << ms.count()
            << " ms\n";
  return 0;
}
