// The documents shipped beside the word list: the byte format the viewer relies on, the advice
// markers, the letter values and rules the help gives (checked against the program's own), and
// that every listed acronym is a dictionary word.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "board/random_source.h"
#include "core/number_text.h"
#include "core/startup.h"
#include "core/tables.h"
#include "fake_platform.h"
#include "game/form1.h"
#include "forms/form5.h"

#ifdef VOCARI_WITH_QT
#include <QApplication>
#include <QMenuBar>

#include "qt/main_window.h"
#include "qt/qt_platform.h"
#endif

namespace {

// A shipped document whole; empty when it cannot be read.
std::string document(const std::string& name) {
  return vocari::readWholeFile(std::string(VOCARI_DOCS_SOURCE_DIR) + "/" + name, 1 << 20).value_or("");
}

// The lines of a shipped document; a lone CR or LF, a last line without CR LF or an empty file fails.
std::vector<std::string> crLfLines(const std::string& name) {
  const std::string text = document(name);
  if (text.empty()) ADD_FAILURE() << "cannot read " << name;
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start != text.size()) ADD_FAILURE() << name << ": the last line has no CR LF";
  for (std::size_t n = 0; n < lines.size(); ++n)
    EXPECT_EQ(lines[n].find_first_of("\r\n"), std::string::npos) << name << " line " << n + 1 << ": lone CR or LF";
  return lines;
}

// Code points of a UTF-8 line, or -1 when a lead or continuation byte is wrong.
int utf8Length(const std::string& s) {
  int count = 0;
  for (std::size_t i = 0; i < s.size(); ++count) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : 9;
    if (extra == 9 || i + extra >= s.size() + (extra == 0)) return -1;
    for (std::size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return -1;
    i += extra + 1;
  }
  return count;
}

// The viewer's list and advice box are about 500 px wide in a 9.75 pt sans face.
TEST(ShippedDocuments, AreUtf8WithCrLfOnEveryLineAndFitTheViewer) {
  for (const auto& [name, maxChars] : std::map<std::string, int>{
           {"VocariAiuto.txt", 80}, {"Acronimi.txt", 80}, {"VocariCons.txt", 66}}) {
    const auto lines = crLfLines(name);
    EXPECT_GT(lines.size(), 2u) << name;
    for (std::size_t n = 0; n < lines.size(); ++n) {
      const int length = utf8Length(lines[n]);
      EXPECT_TRUE(length >= 0 && length <= maxChars) << name << " line " << n + 1 << ": " << lines[n];
      for (char c : lines[n]) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << name << " line " << n + 1;
    }
  }
}

TEST(AdviceDocument, FollowsTheMarkerFormat) {
  EXPECT_LT(document("VocariCons.txt").size(), 32764u);  // entry starts are 16-bit character positions
  const auto lines = crLfLines("VocariCons.txt");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "$");
  EXPECT_EQ(lines.back(), "$");
  std::vector<std::size_t> markers;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (lines[n] == "$") markers.push_back(n);
    else EXPECT_EQ(lines[n].find('$'), std::string::npos) << "line " << n + 1;
  }
  ASSERT_GE(markers.size(), 2u);
  EXPECT_GE(markers.size() - 1, 12u);
  EXPECT_LE(markers.size() - 1, 20u);
  for (std::size_t e = 0; e + 1 < markers.size(); ++e) {
    std::size_t bytes = 0;
    for (std::size_t n = markers[e] + 1; n < markers[e + 1]; ++n) bytes += lines[n].size() + 2;
    // The box shows five lines; "Avanti" is disabled once the next entry starts within ten
    // characters, so a shorter entry could never be reached.
    EXPECT_LE(markers[e + 1] - markers[e] - 1, 5u) << "entry " << e + 1;
    EXPECT_GT(bytes, 10u) << "entry " << e + 1;
  }
}

// Every "letter value" pair the help writes ("A 1   E 1 ...") is the game's, for all 26 letters.
TEST(HelpDocument, GivesTheGamesLetterValues) {
  const std::string text = document("VocariAiuto.txt");
  const auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  std::map<char, std::set<int>> found;
  for (std::size_t i = 0; i + 2 < text.size(); ++i)
    if (std::isupper(static_cast<unsigned char>(text[i])) && text[i + 1] == ' ' && std::isdigit(static_cast<unsigned char>(text[i + 2])) &&
        (i == 0 || !word(text[i - 1])) && (i + 3 == text.size() || !word(text[i + 3])))
      found[text[i]].insert(text[i + 2] - '0');
  EXPECT_EQ(found.size(), 26u);
  for (int i = 0; i < vocari::kLetters; ++i)
    EXPECT_EQ(found[vocari::letters[i]], std::set<int>{vocari::letterPoints[i]}) << vocari::letters[i];
  // The guide quotes the game's messages and captions exactly as the window shows them.
  for (const char* phrase : {"\"Già usata !\"", "\"Fuori zona !\"", "\"Già c'è !\"", "\"Non c'è !\"",
                             "\"Bonus lunghezza !\"", "\"Gara con: \"", "\"Visualizza soluzioni (=N)\"",
                             "\"Apri un file Vocari\"", "\"Salva questo Vocari\"", "\"Estate\"", "F1",
                             "\"Dado vuoto\""})
    EXPECT_NE(text.find(phrase), std::string::npos) << "the help does not mention " << phrase;
}

// The help's statements about rules the program decides, checked against the program: the game
// time and its accepted range, the question before a saved file replaces another, and how many
// beeps a refusal sounds (clicked or typed).
TEST(HelpDocument, StatesTheProgramsOwnRules) {
  std::string text;  // the help with every run of blanks and line ends made one space
  for (char c : document("VocariAiuto.txt")) {
    const bool blank = std::isspace(static_cast<unsigned char>(c));
    if (!blank || (!text.empty() && text.back() != ' ')) text += blank ? ' ' : c;
  }
  const auto says = [&](const std::string& phrase) { return text.find(phrase) != std::string::npos; };
  using vocari::formatNumber;
  EXPECT_TRUE(says("dura " + formatNumber(vocari::Settings{}.gameTime) + " secondi"));
  EXPECT_TRUE(says("almeno " + formatNumber(vocari::Form5::kMinGameTime) + " (e al massimo " +
                   formatNumber(vocari::Form5::kMaxGameTime) + ")"));

  vocari::Settings settings;
  vocari::testing::FakePlatform platform;
  vocari::RealRandom random{1};
  vocari::Form1 form{settings, platform, random};
  form.mSave_Click();  // the dialog is cancelled
  ASSERT_EQ(platform.dialogs.size(), 1u);
  const bool asks = platform.dialogs[0].confirmReplace;
  EXPECT_EQ(says("chiede conferma prima di sostituirlo"), asks);
  EXPECT_EQ(says("sostituisce senza chiedere"), !asks);

  form.round.clockRunning = true;
  form.imgh_Click(7);
  form.imgh_Click(9);  // does not touch 7
  const int clicked = platform.beeps;
  form.typeLetter('Q');  // no die shows it
  ASSERT_EQ(platform.beeps - clicked, clicked);
  const std::map<int, std::string> beeps = {{1, "un segnale acustico"}, {5, "cinque segnali acustici"}};
  ASSERT_TRUE(beeps.count(clicked)) << clicked << " beeps";
  const std::string& phrase = beeps.at(clicked);
  int mentions = 0;
  for (std::size_t at = text.find("segnal"); at != std::string::npos; at = text.find("segnal", at + 1), ++mentions)
    EXPECT_EQ(text.substr(at - std::min(at, phrase.find("segnal")), phrase.size()), phrase);
  EXPECT_GE(mentions, 2) << "the refusals of a click and of a typed letter";
}

#ifdef VOCARI_WITH_QT
// Every shortcut shown on the main window's menu is in the help, as the menu writes it.
TEST(HelpDocument, NamesEveryShortcutOfTheMenu) {
  int argc = 1;
  char name[] = "docs_tests";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  vocari::Settings settings;
  vocari::QtPlatform platform;
  vocari::RealRandom random{1};
  vocari::Form1 form{settings, platform, random};
  vocari::MainWindow window(form, platform);
  const std::string help = document("VocariAiuto.txt");
  int shortcuts = 0;
  for (QAction* top : window.menuBar()->actions())
    for (QAction* action : top->menu() ? top->menu()->actions() : QList<QAction*>{top}) {
      const std::string keys = action->shortcut().toString(QKeySequence::NativeText).toStdString();
      if (keys.empty()) continue;
      ++shortcuts;
      EXPECT_NE(help.find(keys), std::string::npos) << action->text().toStdString() << ": " << keys;
    }
  EXPECT_GE(shortcuts, 8);
}
#endif

// Acronimi.txt: a title, an empty line, then "SIGLA - significato" lines in order. Each SIGLA is a
// whole line of the built Base3.txt, whose absence fails the test; every vowel-less word of the
// list (almost all abbreviations) is explained unless it is a plain word.
TEST(AcronymList, ListsEveryAbbreviationOfTheWordListAndNothingElse) {
  const char* dir = std::getenv("VOCARI_DATA_DIR");
  const auto dict = vocari::readWholeFile(std::string(dir ? dir : "") + "/Base3.txt", 1u << 30);
  ASSERT_TRUE(dict) << "VOCARI_DATA_DIR/Base3.txt cannot be read: build the word list first";
  const auto lines = crLfLines("Acronimi.txt");
  ASSERT_GT(lines.size(), 2u);
  EXPECT_EQ(lines[0].find(" - "), std::string::npos) << "the first line is the title";
  EXPECT_EQ(lines[1], "");
  std::set<std::string> listed;
  std::string previous;
  for (std::size_t n = 2; n < lines.size(); ++n) {
    const std::size_t caps = lines[n].find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const std::string sigla = lines[n].substr(0, caps);
    ASSERT_TRUE(caps >= 2 && caps != std::string::npos && lines[n].compare(caps, 3, " - ") == 0 &&
                lines[n].size() > caps + 6 && lines[n][caps + 3] != ' ')
        << "line " << n + 1 << " is not \"SIGLA - significato\": " << lines[n];
    EXPECT_LT(previous, sigla) << "out of order or repeated";
    EXPECT_NE(dict->find("\r\n" + sigla + "\r\n"), std::string::npos) << sigla << " is not a word of Base3.txt";
    listed.insert(previous = sigla);
  }
  const std::set<std::string> plainWords = {"BY", "DRY", "PST"};
  int vowelLess = 0;
  for (std::size_t start = 0, end; (end = dict->find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string w = dict->substr(start, end - start);
    if (w.empty() || w.find_first_of("AEIOU") != std::string::npos) continue;
    ++vowelLess;
    EXPECT_TRUE(listed.count(w) || plainWords.count(w)) << w << " is in Base3.txt but not explained";
  }
  EXPECT_GT(vowelLess, 0) << "Base3.txt holds no word without a vowel: is it the right file?";
}

}  // namespace

namespace {

// Every control the code map's glossary of the main window names exists: declared in
// game/form1.h, or given as a widget's objectName by the window ("imgH_7" for imgH(p)).
TEST(CodeMap, NamesOnlyControlsThatExist) {
  const auto source = [](const std::string& file) {
    return vocari::readWholeFile(std::string(VOCARI_SOURCE_DIR) + "/" + file, 1 << 20).value_or("");
  };
  const std::string map = source("docs/architecture.md"), form1 = source("game/form1.h");
  const std::string window = source("qt/main_window.cpp") + source("qt/die_widget.cpp");
  const auto declared = [&](const std::string& name) {
    const auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    for (std::size_t at = form1.find(name); at != std::string::npos; at = form1.find(name, at + 1))
      if ((at == 0 || !word(form1[at - 1])) && !word(form1[at + name.size()])) return true;
    return window.find('"' + name) != std::string::npos;
  };
  // The glossary's rows, up to the next heading: the first cell holds names in backquotes, an
  // indexed one as `imgH(p)`.
  const std::size_t from = map.find("## The main window's controls");
  ASSERT_NE(from, std::string::npos);
  std::istringstream rows(map.substr(from, map.find("\n## ", from + 1) - from));
  int names = 0;
  for (std::string row; std::getline(rows, row);) {
    const std::string cell = row.rfind("| `", 0) == 0 ? row.substr(2, row.find(" |", 2) - 2) : "";
    for (std::size_t open = cell.find('`'), close; open != std::string::npos; open = cell.find('`', close + 1), ++names) {
      close = cell.find('`', open + 1);
      const std::string name = cell.substr(open + 1, close - open - 1);
      EXPECT_TRUE(declared(name.substr(0, name.find('(')))) << name << " is in the glossary but not in the game";
    }
  }
  EXPECT_GE(names, 38);  // the whole glossary was read
}

}  // namespace
