// Checks on the three documents that ship beside the word list (help, advice, acronyms): the byte
// format the text viewer relies on, the advice markers, the facts the help states about the game,
// and that every listed acronym is a word the game accepts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables.h"

namespace {

const std::string kSourceDir = VOCARI_DOCS_SOURCE_DIR;

std::optional<std::string> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readDoc(const std::string& name) {
  auto text = readFile(kSourceDir + "/" + name);
  if (!text) ADD_FAILURE() << "cannot read " << kSourceDir << "/" << name;
  return text.value_or("");
}

// Splits a text whose every line must end in CR LF. `problem` names the first offence:
// a lone CR or LF, a last line without its CR LF, or an empty file.
struct CrLfLines {
  std::vector<std::string> lines;
  std::string problem;
};

CrLfLines splitCrLf(std::string_view text) {
  CrLfLines out;
  if (text.empty()) {
    out.problem = "the file is empty";
    return out;
  }
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      if (i + 1 >= text.size() || text[i + 1] != '\n') {
        if (out.problem.empty()) out.problem = "lone CR at byte " + std::to_string(i);
        continue;
      }
      out.lines.push_back(line);
      line.clear();
      ++i;
    } else if (c == '\n') {
      if (out.problem.empty()) out.problem = "LF without CR at byte " + std::to_string(i);
    } else {
      line += c;
    }
  }
  if (!line.empty()) {
    if (out.problem.empty()) out.problem = "the last line \"" + line + "\" has no CR LF";
    out.lines.push_back(line);
  }
  return out;
}

// Number of code points of a UTF-8 line, or nullopt when the bytes are not valid UTF-8
// (bad lead or continuation byte, overlong form, surrogate, beyond U+10FFFF).
std::optional<size_t> utf8Length(std::string_view s) {
  size_t count = 0;
  for (size_t i = 0; i < s.size(); ++count) {
    const auto b = static_cast<unsigned char>(s[i]);
    size_t extra;
    char32_t cp;
    if (b < 0x80) {
      extra = 0, cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      extra = 1, cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2, cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3, cp = b & 0x07;
    } else {
      return std::nullopt;
    }
    if (i + extra >= s.size() && extra > 0) return std::nullopt;  // truncated sequence
    for (size_t k = 1; k <= extra; ++k) {
      const auto c = static_cast<unsigned char>(s[i + k]);
      if ((c & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    i += extra + 1;
  }
  return count;
}

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isWordChar(char c) { return isUpper(c) || isDigit(c) || (c >= 'a' && c <= 'z') || c == '_'; }

// Length of the run of capital letters at the start of s.
size_t upperRun(std::string_view s) {
  size_t n = 0;
  while (n < s.size() && isUpper(s[n])) ++n;
  return n;
}

int letterValue(char c) {
  const int i = vocari::letterIndex(c);
  return i < 0 ? -1 : vocari::letterPoints[i];
}

// The game's scoring: the sum of the letter values, doubled from five letters on.
int wordScore(const std::string& word) {
  int sum = 0;
  for (char c : word) sum += letterValue(c);
  return word.size() >= 5 ? 2 * sum : sum;
}

TEST(Utf8Length, AcceptsValidTextAndRejectsBrokenSequences) {
  struct Case {
    std::string bytes;
    std::optional<size_t> length;
  };
  const Case cases[] = {
      {"", 0},
      {"Già c'è !", 9},
      {"\xE2\x82\xAC", 1},           // euro sign
      {"\xF0\x9F\x98\x80", 1},       // four-byte form
      {"gi\xE0", std::nullopt},      // Latin-1 byte, not UTF-8
      {"\xC3", std::nullopt},        // truncated at the end
      {"\xC0\xAF", std::nullopt},    // overlong
      {"\xED\xA0\x80", std::nullopt},  // surrogate
      {"\x80", std::nullopt},        // stray continuation byte
  };
  for (const auto& c : cases) EXPECT_EQ(utf8Length(c.bytes), c.length) << c.bytes;
}

TEST(SplitCrLf, NamesTheFirstLineEndingFault) {
  struct Case {
    std::string text;
    size_t lines;
    bool ok;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", 2, true},  {"\r\n", 1, true},     {"a\r\nb", 2, false},
      {"a\nb\r\n", 1, false},   {"a\rb\r\n", 1, false}, {"", 0, false},
  };
  for (const auto& c : cases) {
    const auto split = splitCrLf(c.text);
    EXPECT_EQ(split.lines.size(), c.lines) << testing::PrintToString(c.text);
    EXPECT_EQ(split.problem.empty(), c.ok) << testing::PrintToString(c.text) << split.problem;
  }
}

// --- All three documents -------------------------------------------------------------------

// The viewer's list is about 500 px wide and the advice box about the same, in a 9.75 pt sans
// face (DejaVu Sans where MS Sans Serif is missing): some 6.5 px a character in regular type and
// 7.5 px in bold, so these widths fit without a horizontal scroll or a wrapped advice line.
struct DocSpec {
  const char* name;
  size_t maxChars;
};

void PrintTo(const DocSpec& spec, std::ostream* os) { *os << spec.name; }

class DocumentFile : public testing::TestWithParam<DocSpec> {};

TEST_P(DocumentFile, IsUtf8WithCrLfOnEveryLineAndFitsTheViewer) {
  const DocSpec spec = GetParam();
  const std::string text = readDoc(spec.name);
  const auto split = splitCrLf(text);
  EXPECT_EQ(split.problem, "") << spec.name;
  ASSERT_GT(split.lines.size(), 2u) << spec.name;
  for (size_t n = 0; n < split.lines.size(); ++n) {
    const std::string& line = split.lines[n];
    const auto length = utf8Length(line);
    ASSERT_TRUE(length.has_value()) << spec.name << " line " << n + 1 << " is not UTF-8";
    EXPECT_LE(*length, spec.maxChars) << spec.name << " line " << n + 1 << ": " << line;
    for (char c : line)
      EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
          << spec.name << " line " << n + 1 << " holds control byte "
          << static_cast<int>(static_cast<unsigned char>(c));
    EXPECT_TRUE(line.empty() || line.back() != ' ')
        << spec.name << " line " << n + 1 << " ends in a space";
  }
}

INSTANTIATE_TEST_SUITE_P(Shipped, DocumentFile,
                         testing::Values(DocSpec{"VocariAiuto.txt", 80},
                                         DocSpec{"Acronimi.txt", 80},
                                         DocSpec{"VocariCons.txt", 66}),
                         [](const auto& info) {
                           std::string n = info.param.name;
                           return n.substr(0, n.find('.'));
                         });

// --- Advice ------------------------------------------------------------------------------

TEST(AdviceDocument, FollowsTheMarkerFormat) {
  const std::string text = readDoc("VocariCons.txt");
  // Entry starts are 16-bit character positions in the viewer.
  EXPECT_LT(text.size(), 32764u);
  const auto split = splitCrLf(text);
  ASSERT_EQ(split.problem, "");
  const auto& lines = split.lines;
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "$") << "the document must begin with a marker line";
  EXPECT_EQ(lines.back(), "$") << "the document must end with a marker line";

  std::vector<size_t> markers;
  for (size_t n = 0; n < lines.size(); ++n) {
    if (lines[n] == "$")
      markers.push_back(n);
    else
      EXPECT_EQ(lines[n].find('$'), std::string::npos)
          << "\"$\" outside a marker line, line " << n + 1 << ": " << lines[n];
  }
  ASSERT_GE(markers.size(), 2u);
  const size_t entries = markers.size() - 1;
  EXPECT_GE(entries, 12u);
  EXPECT_LE(entries, 20u);
}

TEST(AdviceDocument, EveryEntryFitsItsTextBoxAndCanBePagedTo) {
  const std::string text = readDoc("VocariCons.txt");
  const auto split = splitCrLf(text);
  ASSERT_EQ(split.problem, "");
  const auto& lines = split.lines;
  std::vector<size_t> markers;
  for (size_t n = 0; n < lines.size(); ++n)
    if (lines[n] == "$") markers.push_back(n);
  ASSERT_GE(markers.size(), 2u);

  for (size_t e = 0; e + 1 < markers.size(); ++e) {
    const size_t first = markers[e] + 1, end = markers[e + 1];
    const size_t count = end - first;
    EXPECT_GE(count, 1u) << "entry " << e + 1 << " is empty";
    // The advice box is 97 px high: five lines of 15 px plus its margins.
    EXPECT_LE(count, 5u) << "entry " << e + 1 << " has more lines than the text box shows";
    size_t bytes = 0, textLines = 0;
    for (size_t n = first; n < end; ++n) {
      bytes += lines[n].size() + 2;
      if (lines[n].find_first_not_of(' ') != std::string::npos) ++textLines;
    }
    EXPECT_GE(textLines, 1u) << "entry " << e + 1 << " has no text";
    // The viewer disables "Avanti" once the next entry starts within the last ten characters;
    // a shorter last entry would hide itself behind a disabled button.
    EXPECT_GT(bytes, 10u) << "entry " << e + 1;
  }
}

// --- Help --------------------------------------------------------------------------------

TEST(HelpDocument, NamesTheCaptionsMessagesAndKeysExactly) {
  const std::string text = readDoc("VocariAiuto.txt");
  const char* const phrases[] = {
      // refusals and messages
      "\"Già usata !\"", "\"Fuori zona !\"", "\"Già c'è !\"", "\"Non c'è !\"",
      "\"Bonus lunghezza !\"", "\"Gara con: \"", "\"Visualizza soluzioni (=N)\"",
      "\"Tutte le soluzioni\"", "\"Trovati\"", "\"Tentativo\"", "\"Ricerca soluzioni in corso ...\"",
      // buttons
      "\"Nuovo\"", "\"Salva\"", "\"Fine\"", "\"OK\"", "\"<\"", "\"X\"", "\"Chiudi\"", "\"Avanti\"",
      "\"Indietro\"",
      // menu entries
      "\"File\"", "\"Apri un file Vocari\"", "\"Genera un nuovo Vocari\"", "\"Salva questo Vocari\"",
      "Visualizza", "\"Dizionario completo\"", "\"Acronimi del dizionario\"", "\"Opzioni\"",
      "\"Aiuto\"", "\"Guida completa\"", "\"Consigli\"", "\"Informazioni\"",
      // options and dialogs
      "\"Inverno (std)\"", "\"Estate\"", "\"Primavera\"", "\"Autunno\"", "\"Metodo Std\"",
      "\"Metodo R\"", "\"Metodo C\"", "\"Se si è modificato il Tempo partita, dare Invio\"",
      "\"Seleziona il file in cui salvare\"", "\"Seleziona un file qualsiasi di questa Cartella\"",
      // keys, clock, screen reader
      "F1", "Backspace", "Esc", "Invio", "120 secondi", "Orca", "\"A, 1 punto\"", "\"U, 4 punti\"",
  };
  for (const char* phrase : phrases)
    EXPECT_NE(text.find(phrase), std::string::npos) << "the help does not mention " << phrase;
}

// Every "letter value" pair the help writes (as in its table "A 1   E 1 ...") must be the game's
// value, and the table must cover the whole alphabet.
TEST(HelpDocument, LetterValuesAreTheGamesForAllTwentySixLetters) {
  const std::string text = readDoc("VocariAiuto.txt");
  std::map<char, std::set<int>> found;
  // A lone capital, one space, a lone digit: "A 1", not "CASA 2" nor "op. 27".
  for (size_t i = 0; i + 2 < text.size(); ++i) {
    if (!isUpper(text[i]) || text[i + 1] != ' ' || !isDigit(text[i + 2])) continue;
    if (i > 0 && isWordChar(text[i - 1])) continue;
    if (i + 3 < text.size() && isWordChar(text[i + 3])) continue;
    found[text[i]].insert(text[i + 2] - '0');
  }

  EXPECT_EQ(found.size(), 26u);
  for (int i = 0; i < vocari::kLetters; ++i) {
    const char c = vocari::letters[i];
    EXPECT_EQ(found[c], std::set<int>{vocari::letterPoints[i]}) << "value given for " << c;
  }
}

TEST(HelpDocument, WorkedExamplesScoreAsTheGameDoes) {
  const auto split = splitCrLf(readDoc("VocariAiuto.txt"));
  // An example line: indented WORD, the sum written out, "= total punti", an optional note.
  int examples = 0;
  for (const auto& line : split.lines) {
    const size_t start = line.find_first_not_of(' ');
    if (start == 0 || start == std::string::npos) continue;
    const std::string_view rest = std::string_view(line).substr(start);
    const size_t wordLength = upperRun(rest);
    if (wordLength < 2 || rest.size() <= wordLength || rest[wordLength] != ' ') continue;
    const size_t punti = rest.find(" punti");
    if (punti == std::string_view::npos) continue;
    const std::string_view sum = rest.substr(wordLength, punti - wordLength);
    if (sum.find_first_not_of(" 0123456789+x,=") != std::string_view::npos) continue;
    const size_t equals = sum.rfind('=');
    if (equals == std::string_view::npos) continue;
    ++examples;
    const std::string word(rest.substr(0, wordLength));
    EXPECT_EQ(std::stoi(std::string(sum.substr(equals + 1))), wordScore(word)) << line;
    const bool bonusNoted = rest.find("bonus", punti) != std::string_view::npos;
    EXPECT_EQ(bonusNoted, word.size() >= 5) << "bonus note does not match the length of " << word;
  }
  EXPECT_GE(examples, 3);
}

// --- Acronyms ----------------------------------------------------------------------------

struct Acronym {
  std::string word;
  std::string meaning;
};

// "SIGLA - significato": capitals, space, hyphen, space, then a meaning that starts with text.
std::optional<Acronym> parseAcronymEntry(std::string_view line) {
  const size_t n = upperRun(line);
  if (n == 0 || line.substr(n, 3) != " - " || line.size() <= n + 3 || line[n + 3] == ' ')
    return std::nullopt;
  return Acronym{std::string(line.substr(0, n)), std::string(line.substr(n + 3))};
}

TEST(AcronymEntry, AcceptsOnlyCapitalsHyphenAndAMeaning) {
  struct Case {
    const char* line;
    const char* word;  // nullptr: not an entry
  };
  const Case cases[] = {
      {"KM - chilometro", "KM"},
      {"ETC - et cetera, eccetera (latino)", "ETC"},
      {"Km - chilometro", nullptr},
      {"KM-chilometro", nullptr},
      {"KM - ", nullptr},
      {"KM -  chilometro", nullptr},
      {" KM - chilometro", nullptr},
      {"ACRONIMI E ABBREVIAZIONI DEL DIZIONARIO", nullptr},
      {"", nullptr},
  };
  for (const auto& c : cases) {
    const auto entry = parseAcronymEntry(c.line);
    if (c.word == nullptr) {
      EXPECT_FALSE(entry.has_value()) << c.line;
    } else {
      ASSERT_TRUE(entry.has_value()) << c.line;
      EXPECT_EQ(entry->word, c.word);
      EXPECT_EQ(entry->word + " - " + entry->meaning, c.line);
    }
  }
}

// Acronimi.txt: a title line, an empty line, then one "SIGLA - significato" entry a line.
std::vector<Acronym> parseAcronyms() {
  const auto split = splitCrLf(readDoc("Acronimi.txt"));
  EXPECT_EQ(split.problem, "");
  const auto& lines = split.lines;
  std::vector<Acronym> out;
  if (lines.size() < 3) {
    ADD_FAILURE() << "Acronimi.txt holds no entries";
    return out;
  }
  EXPECT_FALSE(lines[0].empty()) << "title line";
  EXPECT_FALSE(parseAcronymEntry(lines[0]).has_value()) << "the first line is the title";
  EXPECT_EQ(lines[1], "") << "an empty line follows the title";
  for (size_t n = 2; n < lines.size(); ++n) {
    if (auto a = parseAcronymEntry(lines[n]))
      out.push_back(*a);
    else
      ADD_FAILURE() << "Acronimi.txt line " << n + 1 << " is not \"SIGLA - significato\": "
                    << lines[n];
  }
  return out;
}

// The shipped word list, from the build's data folder. Its absence is a failure, not a skip:
// without it the acronym list cannot be checked at all.
std::optional<std::string> loadWordList() {
  const char* dir = std::getenv("VOCARI_DATA_DIR");
  if (dir == nullptr || *dir == '\0') {
    ADD_FAILURE() << "VOCARI_DATA_DIR is not set: it must name the build's data folder that "
                     "holds Base3.txt";
    return std::nullopt;
  }
  const std::string path = std::string(dir) + "/Base3.txt";
  auto text = readFile(path);
  if (!text) ADD_FAILURE() << "cannot read " << path << ": build the word list first";
  return text;
}

// The game's whole-word probe: CR LF + word + CR LF occurs in the dictionary text.
bool isDictionaryWord(const std::string& dict, const std::string& word) {
  return dict.find("\r\n" + word + "\r\n") != std::string::npos;
}

TEST(AcronymList, EntriesAreSortedUniqueAndMeaningful) {
  const auto acronyms = parseAcronyms();
  ASSERT_FALSE(acronyms.empty());
  for (size_t i = 1; i < acronyms.size(); ++i)
    EXPECT_LT(acronyms[i - 1].word, acronyms[i].word) << "out of order or repeated";
  for (const auto& a : acronyms) {
    EXPECT_GE(a.word.size(), 2u) << a.word;
    EXPECT_GE(a.meaning.size(), 4u) << a.word << " has no real meaning given";
  }
}

TEST(AcronymList, EveryEntryIsAWordOfTheShippedList) {
  const auto dict = loadWordList();
  if (!dict) return;
  const auto acronyms = parseAcronyms();
  ASSERT_FALSE(acronyms.empty());
  for (const auto& a : acronyms)
    EXPECT_TRUE(isDictionaryWord(*dict, a.word)) << a.word << " is not a word of Base3.txt";
}

// Words without a vowel are almost all abbreviations or unit symbols, the entries a player is
// most likely to look up; each must be explained unless it is a plain word of its own.
TEST(AcronymList, ExplainsEveryVowelLessWordOfTheShippedList) {
  const auto dict = loadWordList();
  if (!dict) return;
  const std::set<std::string> plainWords = {
      "BY",   // English "by", as in "by night"
      "DRY",  // English "dry", of drinks
      "PST",  // interjection
  };
  std::set<std::string> listed;
  for (const auto& a : parseAcronyms()) listed.insert(a.word);

  std::istringstream in(*dict);
  std::string line;
  int vowelLess = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.find_first_of("AEIOU") != std::string::npos) continue;
    ++vowelLess;
    if (plainWords.count(line) == 0) {
      EXPECT_EQ(listed.count(line), 1u) << line << " is in Base3.txt but not explained";
    }
  }
  EXPECT_GT(vowelLess, 0) << "Base3.txt holds no word without a vowel: is it the right file?";
}

}  // namespace
