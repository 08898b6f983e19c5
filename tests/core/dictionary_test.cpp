#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/dictionary.h"

using namespace vocari;

namespace {

struct ProbeCase {
  const char* name;
  std::string text;
  std::string word;
  bool isPrefix;
  bool isWord;
};

class ProbeTable : public ::testing::TestWithParam<ProbeCase> {};

TEST_P(ProbeTable, IndexAndLiteralGiveTheStatedAnswer) {
  const ProbeCase& c = GetParam();
  const Dictionary d(c.text);
  EXPECT_EQ(literalIsPrefix(c.text, c.word), c.isPrefix);
  EXPECT_EQ(literalIsWord(c.text, c.word), c.isWord);
  EXPECT_EQ(d.isPrefix(c.word), c.isPrefix);
  EXPECT_EQ(d.isWord(c.word), c.isWord);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProbeTable,
    ::testing::Values(
        ProbeCase{"FirstLineNeverCounts", "CASA\r\nPANE\r\n", "CASA", false, false},
        ProbeCase{"LeadingBreakMakesFirstWordCount", "\r\nCASA\r\nPANE\r\n", "CASA", true, true},
        ProbeCase{"LastLineWithoutBreakIsOnlyAPrefix", "\r\nCASA\r\nPANE", "PANE", true, false},
        ProbeCase{"PrefixOfLastLine", "\r\nCASA\r\nPANE", "PA", true, false},
        ProbeCase{"LowerCaseNeverMatches", "\r\ncasa\r\n", "CASA", false, false},
        ProbeCase{"LowerCaseTailStillGivesPrefix", "\r\nCAsa\r\n", "CA", true, false},
        ProbeCase{"TrailingBlankIsNoWord", "\r\nCASA \r\n", "CASA", true, false},
        ProbeCase{"AccentedByteEndsTheRun", "\r\nCAS\xE0\r\n", "CAS", true, false},
        ProbeCase{"UndealtMarkMatchesLikeALetter", "\r\nA-B\r\n", "A-B", true, true},
        ProbeCase{"LoneCrIsNoBreak", "\r\nX\rCASA\r\n", "CASA", false, false},
        ProbeCase{"LoneLfIsNoBreak", "\r\nX\nCASA\r\n", "CASA", false, false},
        ProbeCase{"CrBeforeCrLf", "\r\nX\r\r\nCASA\r\n", "CASA", true, true},
        ProbeCase{"EmptyFile", "", "A", false, false},
        ProbeCase{"EmptyWordIsAPrefixWhereABreakIs", "\r\nA\r\n", "", true, false},
        ProbeCase{"EmptyWordIsAWordWhereAnEmptyLineIs", "\r\n\r\nA\r\n", "", true, true},
        ProbeCase{"DuplicatesDoNoHarm", "\r\nAB\r\nAB\r\nAB\r\n", "AB", true, true},
        ProbeCase{"UnsortedLines", "\r\nZZ\r\nAB\r\nABC\r\nA\r\n", "ABC", true, true},
        ProbeCase{"WordNotInText", "\r\nAB\r\n", "ABC", false, false},
        ProbeCase{"NulBytesInside", std::string("\r\nAB\0CD\r\nEF\r\n", 13), "AB", true, false},
        ProbeCase{"ProbeWithNonDieCharacter", "\r\nab\r\n", "ab", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

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
