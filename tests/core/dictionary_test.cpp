#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

#include "core/dictionary.h"

using namespace vocari;

namespace {

// The index and the literal search give the stated answers.
TEST(DictionaryProbes, FollowTheLineRules) {
  struct Case {
    const char* name;
    std::string text, word;
    bool isPrefix, isWord;
  };
  const Case cases[] = {
      {"FirstLineNeverCounts", "CASA\r\nPANE\r\n", "CASA", false, false},
      {"LeadingBreakMakesFirstWordCount", "\r\nCASA\r\nPANE\r\n", "CASA", true, true},
      {"LastLineWithoutBreakIsOnlyAPrefix", "\r\nCASA\r\nPANE", "PANE", true, false},
      {"PrefixOfLastLine", "\r\nCASA\r\nPANE", "PA", true, false},
      {"LowerCaseNeverMatches", "\r\ncasa\r\n", "CASA", false, false},
      {"LowerCaseTailStillGivesPrefix", "\r\nCAsa\r\n", "CA", true, false},
      {"TrailingBlankIsNoWord", "\r\nCASA \r\n", "CASA", true, false},
      {"AccentedByteEndsTheRun", "\r\nCAS\xE0\r\n", "CAS", true, false},
      {"UndealtMarkMatchesLikeALetter", "\r\nA-B\r\n", "A-B", true, true},
      {"LoneCrIsNoBreak", "\r\nX\rCASA\r\n", "CASA", false, false},
      {"LoneLfIsNoBreak", "\r\nX\nCASA\r\n", "CASA", false, false},
      {"CrBeforeCrLf", "\r\nX\r\r\nCASA\r\n", "CASA", true, true},
      {"EmptyFile", "", "A", false, false},
      {"EmptyWordIsAPrefixWhereABreakIs", "\r\nA\r\n", "", true, false},
      {"EmptyWordIsAWordWhereAnEmptyLineIs", "\r\n\r\nA\r\n", "", true, true},
      {"DuplicatesDoNoHarm", "\r\nAB\r\nAB\r\nAB\r\n", "AB", true, true},
      {"UnsortedLines", "\r\nZZ\r\nAB\r\nABC\r\nA\r\n", "ABC", true, true},
      {"WordNotInText", "\r\nAB\r\n", "ABC", false, false},
      {"NulBytesInside", std::string("\r\nAB\0CD\r\nEF\r\n", 13), "AB", true, false},
      {"ProbeWithNonDieCharacter", "\r\nab\r\n", "ab", true, true},
  };
  for (const Case& c : cases) {
    const Dictionary d(c.text);
    const auto answers = std::array{literalIsPrefix(c.text, c.word), literalIsWord(c.text, c.word),
                                    d.isPrefix(c.word), d.isWord(c.word)};
    EXPECT_EQ(answers, (std::array{c.isPrefix, c.isWord, c.isPrefix, c.isWord})) << c.name;
  }
}

// Random texts built from the characters that matter (die characters, CR, LF, lower case,
// blanks, high bytes, NUL) against random probe words.
TEST(DictionaryIndex, AgreesWithLiteralProbesOnHostileTexts) {
  std::mt19937 gen(12345);
  const std::string pieces[] = {"A", "B", "C", "-", "\r", "\n", "\r\n", "\r\n", "a", " ", "\xE8", std::string(1, '\0')};
  const std::string probeChars = "ABC-";
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const int len = int(gen() % 60);
    for (int i = 0; i < len; ++i) text += pieces[gen() % std::size(pieces)];
    const Dictionary d(text);
    for (int k = 0; k < 40; ++k) {
      std::string w;
      const int wl = int(gen() % 5);
      for (int i = 0; i < wl; ++i) w.push_back(probeChars[gen() % probeChars.size()]);
      ASSERT_EQ(d.isPrefix(w), literalIsPrefix(text, w)) << "word '" << w << "'";
      ASSERT_EQ(d.isWord(w), literalIsWord(text, w)) << "word '" << w << "'";
    }
  }
}

}  // namespace
