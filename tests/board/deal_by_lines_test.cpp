// "Metodo R" and "Metodo C" driven by scripted draws: exact boards, quotas, yields, the QU pair
// and the skip of a die filled as the second of a pair.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "board/deal.h"
#include "deal_test_support.h"
#include "scripted_random.h"

namespace vocari::testing {
namespace {

// Group draw faces: 0-3, 16, 17 vowels; 4, 5 rare letters; 6-15 consonants.
constexpr int kVowelFace = 0, kRareFace = 4, kConsonantFace = 6;

// Writes the draws of a row or column deal in the terms of the deal.
class LineScript {
 public:
  explicit LineScript(ScriptedRandom& src) : src_(src) {}
  LineScript& group(int g, size_t times = 1) { return put(18, g, times); }
  LineScript& vowel(char c, size_t times = 1) { return put(5, L(c), times); }
  LineScript& consonant(char c, size_t times = 1) { return put(11, L(c) - 5, times); }
  LineScript& rare(char c, size_t times = 1) { return put(8, L(c) - kFirstRare, times); }
  LineScript& coin(int c) { return put(2, c, 1); }
  // Whole dice through the first face of their group.
  LineScript& vowels(const std::string& cs) {
    for (char c : cs) group(kVowelFace).vowel(c);
    return *this;
  }
  LineScript& consonants(const std::string& cs) {
    for (char c : cs) group(kConsonantFace).consonant(c);
    return *this;
  }

 private:
  LineScript& put(int m, int k, size_t times) {
    src_.push(m, k, times);
    return *this;
  }
  ScriptedRandom& src_;
};

using DealFn = bool (*)(GameState&, RandomSource&, const DealHooks&);

struct Dealt {
  GameState s;
  Recorder rec;
};

Dealt run(DealFn fn, GameState s, ScriptedRandom& src) {
  Dealt d{std::move(s), {}};
  src.logTo(&d.rec.log);
  EXPECT_TRUE(fn(d.s, src, d.rec.hooks()));
  EXPECT_EQ(src.remaining(), 0u) << "the deal left scripted draws unused";
  EXPECT_EQ(size_t(src.reseeds()), src.used()) << "every draw follows its own reseed";
  return d;
}

// A Q on die 0 (position 7): NE, N, NW, W and SW are border, so the pair takes position 13 (S),
// the coin deciding which of the two holds the Q.
struct QOnFirstDie {
  const char* name;
  DealFn fn;
  int coin;
  const char* board;
  const char* log;
  friend void PrintTo(const QOnFirstDie& c, std::ostream* os) { *os << c.name; }
};

class QuPairOnFirstDie : public ::testing::TestWithParam<QOnFirstDie> {};

TEST_P(QuPairOnFirstDie, PairsWithThirteen) {
  const QOnFirstDie& c = GetParam();
  const bool rows = c.fn == &dealByRows;
  ScriptedRandom src;
  LineScript sc(src);
  sc.group(kRareFace).rare('Q').coin(c.coin);  // die 7, pairing with 13
  if (rows) {
    sc.group(0).vowel('A');                 // 8
    sc.group(1).vowel('A').vowel('E');      // 9: A is in this row already
    sc.group(6).consonant('B');             // 10
    sc.group(16).vowel('A');                // 14 (13 skipped): a new row, A allowed again
    sc.group(17).consonant('C');            // 15: vowel face, no vowels owed: consonant
    sc.group(5).rare('H');                  // 16
    sc.group(4).consonant('D');             // 19: rare face, no rare owed: consonant
    sc.group(15).consonant('B');            // 20
    sc.group(7).consonant('B').consonant('F');  // 21: B twice already
    sc.group(8).consonant('G').group(9).consonant('L');
    sc.group(10).consonant('M').group(11).consonant('N').group(12).consonant('P');
  } else {
    sc.group(0).vowel('A');                     // 19 (13 skipped)
    sc.group(1).vowel('A').vowel('E');          // 25: A is in this column already
    sc.group(16).vowel('A');                    // 8: a new column
    sc.group(17).consonant('B');                // 14
    sc.group(5).rare('H');                      // 20
    sc.group(4).consonant('C');                 // 26
    sc.group(6).consonant('B');                 // 9
    sc.group(7).consonant('B').consonant('D');  // 15
    sc.consonants("FGLMNP");                    // 21 27 10 16 22 28
  }
  const Dealt d = run(c.fn, withQuotas(4, 2, 10), src);
  EXPECT_EQ(diceText(d.s.board), c.board);
  EXPECT_EQ(d.s.vowelQuota, 0);
  EXPECT_EQ(d.s.rareQuota, 0);
  EXPECT_EQ(d.s.consonantQuota, 0);
  EXPECT_EQ(d.rec.log, c.log);
}

// Log tokens: S reseed, r draw, Y yield, P die shown. Rows yield only before rare draws; columns
// also before consonant draws and after vowel draws.
const std::string kPair = "SrYSrSrPP";  // group, yield, rare Q, coin, U and Q shown
const std::string rVowel = "SrSrP", rVowel2 = "SrSrSrP", rRare = "SrYSrP";
const std::string rCons = "SrSrP", rCons2 = "SrSrSrP";
const std::string cVowel = "SrSrYP", cVowel2 = "SrSrYSrYP", cRare = "SrYSrP";
const std::string cCons = "SrYSrP", cCons2 = "SrYSrYSrP";
const std::string kRowLog = kPair + rVowel + rVowel2 + rCons + rVowel + rCons + rRare + rCons + rCons +
                            rCons2 + rCons + rCons + rCons + rCons + rCons;
const std::string kColumnLog = kPair + cVowel + cVowel2 + cVowel + cCons + cRare + cCons + cCons + cCons2 +
                               cCons + cCons + cCons + cCons + cCons + cCons;

INSTANTIATE_TEST_SUITE_P(
    BothMethods, QuPairOnFirstDie,
    ::testing::Values(QOnFirstDie{"RowsCoin0", &dealByRows, 0, "QAEB" "UACH" "DBFG" "LMNP", kRowLog.c_str()},
                      QOnFirstDie{"RowsCoin1", &dealByRows, 1, "UAEB" "QACH" "DBFG" "LMNP", kRowLog.c_str()},
                      QOnFirstDie{"ColumnsCoin0", &dealByColumns, 0, "QABL" "UBDM" "AHFN" "ECGP", kColumnLog.c_str()},
                      QOnFirstDie{"ColumnsCoin1", &dealByColumns, 1, "UABL" "QBDM" "AHFN" "ECGP", kColumnLog.c_str()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DealByRows, PairedDieOpeningARowIsSkippedAndStillEmptiesTheVowelLine) {
  // Q on 8: NE, N, NW are border and W (7) is dealt, so the pair takes 13 (SW), the first die of
  // row 1. When the deal reaches 13 it skips it, but row 1 starts with an empty vowel line: the A
  // on 14 is taken at the first draw although row 0 holds an A.
  ScriptedRandom src;
  LineScript sc(src);
  sc.vowels("A");                                  // 7
  sc.group(kRareFace).rare('Q').coin(0);           // 8, U on 13
  sc.vowels("E").consonants("B");                  // 9 10
  sc.group(2).vowel('A');                          // 14
  sc.consonants("CDFGLMNPRS");                     // 15 .. 28
  const Dealt d = run(&dealByRows, withQuotas(4, 1, 11), src);
  EXPECT_EQ(diceText(d.s.board), "AQEB" "UACD" "FGLM" "NPRS");
  EXPECT_EQ(d.s.vowelQuota, 0);
}

TEST(DealByColumns, PairedDieOpeningAColumnIsSkippedAndStillEmptiesTheVowelLine) {
  // Q drawn on 13 pairs north-east with 8; coin 1 moves the Q there and leaves the U on 13.
  // Column 1 starts at 8, which is skipped; the A on 14 is taken at the first draw.
  ScriptedRandom src;
  LineScript sc(src);
  sc.vowels("A");                          // 7
  sc.group(kRareFace).rare('Q').coin(1);   // 13: U here, Q on 8
  sc.vowels("E").consonants("B");          // 19 25
  sc.group(2).vowel('A');                  // 14 (8 skipped)
  sc.consonants("CDFGLMNPRS");             // 20 26 9 15 21 27 10 16 22 28
  const Dealt d = run(&dealByColumns, withQuotas(4, 1, 11), src);
  EXPECT_EQ(diceText(d.s.board), "AQFN" "UAGP" "ECLR" "BDMS");
  EXPECT_EQ(d.s.vowelQuota, 0);
}

TEST(DealByRows, UPairedAfterTheVowelsRanOutLeavesTheVowelGroupOpen) {
  // Row 0 takes the four vowels owed. The Q on 13 pairs with 19 (S) and its U brings the vowel
  // quota to -1; -1 is not 0, so vowel faces keep dealing vowels and consonants go undealt.
  ScriptedRandom src;
  LineScript sc(src);
  sc.vowels("AEIO");                             // 7 8 9 10
  sc.group(kRareFace).rare('Q').coin(0);         // 13, U on 19
  sc.group(0).vowel('A');                        // 14: vowel quota -1 -> -2
  sc.consonants("B");                            // 15
  sc.group(16).vowel('A').vowel('U');            // 16: A is in this row; the U on 19 is not
  sc.consonants("CDFGLMN");                      // 20 .. 28 (19 skipped)
  const Dealt d = run(&dealByRows, withQuotas(4, 1, 11), src);
  EXPECT_EQ(diceText(d.s.board), "AEIO" "QABU" "UCDF" "GLMN");
  EXPECT_EQ(d.s.vowelQuota, -3);
  EXPECT_EQ(d.s.rareQuota, 0);
  EXPECT_EQ(d.s.consonantQuota, 3);
}

// Same script for both methods: the Q drawn for die 15 (position 28, last in both orders) forms
// no pair and draws no coin.
struct LastDieCase {
  const char* name;
  DealFn fn;
  const char* board;
  friend void PrintTo(const LastDieCase& c, std::ostream* os) { *os << c.name; }
};
class QOnLastDie : public ::testing::TestWithParam<LastDieCase> {};

TEST_P(QOnLastDie, FormsNoPair) {
  ScriptedRandom src;
  LineScript sc(src);
  sc.vowels("AEIO").consonants("BCDFGLMNPRS").group(kRareFace).rare('Q');
  const Dealt d = run(GetParam().fn, withQuotas(4, 1, 11), src);
  EXPECT_EQ(diceText(d.s.board), GetParam().board);
  EXPECT_EQ(d.s.vowelQuota, 0);
  EXPECT_EQ(d.s.rareQuota, 0);
  EXPECT_EQ(d.s.consonantQuota, 0);
}

INSTANTIATE_TEST_SUITE_P(BothMethods, QOnLastDie,
                         ::testing::Values(LastDieCase{"Rows", &dealByRows, "AEIO" "BCDF" "GLMN" "PRSQ"},
                                           LastDieCase{"Columns", &dealByColumns, "ABGP" "ECLR" "IDMS" "OFNQ"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vocari::testing
