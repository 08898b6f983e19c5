// The affix expander on small affix files written for the test: flag types, aliases, strip
// strings, conditions, cross products, continuation classes, NEEDAFFIX, errors, and which rules
// the enclitic filter leaves out.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "affix_expander.h"

using namespace vocari::wordlist;

namespace {

AffixFile parse(const std::string& text) {
  std::istringstream in(text);
  return AffixFile::parse(in);
}

// Every form of "root/flags" (the part after "/" may be missing).
std::set<std::string> expand(const AffixFile& aff, const std::string& entry) {
  const auto slash = entry.find('/');
  std::set<std::string> out;
  aff.expand(entry.substr(0, slash), slash == std::string::npos ? FlagSet{} : aff.decodeFlags(entry.substr(slash + 1)),
             [&](const std::string& w) { out.insert(w); });
  return out;
}

struct ExpandCase {
  const char* name;
  std::string aff;
  std::string entry;
  std::set<std::string> forms;
};

const std::string kNouns =
    "SET UTF-8\n"
    "# plurals of -o nouns, as in it_IT.aff\n"
    "SFX O N 3\n"
    "SFX O o i [^igc]o\n"
    "SFX O o hi [gc]o\n"
    "SFX O o 0 io\n"
    "SFX Q N 2\n"
    "SFX Q a e [^gc]a\n"
    "SFX Q a he [gc]a\n"
    "PFX R Y 1\n"
    "PFX R 0 ri .\n"
    "PFX S N 1\n"
    "PFX S 0 s [^s]\n"
    "SFX T Y 2\n"
    "SFX T are o are\n"
    "SFX T are ava are\n";

TEST(Expansion, GivesExactlyTheStatedForms) {
  const ExpandCase cases[] = {
        ExpandCase{"RootAloneWithoutFlags", kNouns, "casa", {"casa"}},
        ExpandCase{"StripAndAdd", kNouns, "gatto/O", {"gatto", "gatti"}},
        ExpandCase{"ConditionPicksTheRule", kNouns, "fuoco/O", {"fuoco", "fuochi"}},
        ExpandCase{"EmptyAddStripsOnly", kNouns, "bacio/O", {"bacio", "baci"}},
        ExpandCase{"FeminineConditionInASet", kNouns, "oca/Q", {"oca", "oche"}},
        ExpandCase{"NegatedSet", kNouns, "casa/Q", {"casa", "case"}},
        ExpandCase{"NoRuleApplies", kNouns, "cane/O", {"cane"}},
        ExpandCase{"PrefixAlone", kNouns, "fare/R", {"fare", "rifare"}},
        ExpandCase{"CrossProductWhenBothAllowIt", kNouns, "portare/RT",
                   {"portare", "porto", "portava", "riportare", "riporto", "riportava"}},
        ExpandCase{"NoCrossProductWithAnNClass", kNouns, "porta/RQ", {"porta", "porte", "riporta"}},
        ExpandCase{"NoCrossProductWithAnNPrefix", kNouns, "portare/ST",
                   {"portare", "porto", "portava", "sportare"}},
        ExpandCase{"PrefixConditionOnTheRoot", kNouns, "sale/S", {"sale"}},
        ExpandCase{"StripLongerThanTheWord", "SFX A Y 1\nSFX A are i are\n", "are/A", {"are"}},
        ExpandCase{"FullStripAllowsAnEmptyStem", "FULLSTRIP\nSFX A Y 1\nSFX A are i are\n", "are/A", {"are", "i"}},
        ExpandCase{"StripMustMatchTheWordsEnd", "SFX A Y 1\nSFX A are i .\n", "vedere/A", {"vedere"}},
        ExpandCase{"Utf8ConditionCountsCharacters", "SET UTF-8\nSFX A Y 1\nSFX A 0 mente [àè]\n", "città/A",
                   {"città", "cittàmente"}},
        ExpandCase{"Utf8ConditionTwoCharacters", "SET UTF-8\nSFX A Y 1\nSFX A à e tà\n", "città/A",
                   {"città", "citte"}},
        ExpandCase{"DotMatchesAnyCharacter", "SFX A Y 1\nSFX A 0 s .o\n", "eco/A", {"eco", "ecos"}},
        ExpandCase{"ContinuationClassGivesASecondSuffix",
                   "SFX D Y 1\nSFX D o ino/E o\nSFX E Y 1\nSFX E o i o\n", "gatto/D",
                   {"gatto", "gattino", "gattini"}},
        ExpandCase{"NeedAffixOnTheRoot", "NEEDAFFIX X\nSFX A Y 1\nSFX A 0 s .\n", "ciao/XA", {"ciaos"}},
        ExpandCase{"NeedAffixOnAnAffix", "NEEDAFFIX X\nSFX D Y 1\nSFX D o in/XE o\nSFX E Y 1\nSFX E 0 o n\n",
                   "gatto/D", {"gatto", "gattino"}},
        ExpandCase{"ForbiddenRootGivesNothing", "FORBIDDENWORD F\nSFX A Y 1\nSFX A 0 s .\n", "no/FA", {}},
        ExpandCase{"LongFlags", "FLAG long\nSFX Aa Y 1\nSFX Aa o i o\nSFX Bb Y 1\nSFX Bb o a o\n", "gatto/AaBb",
                   {"gatto", "gatti", "gatta"}},
        ExpandCase{"NumericFlags", "FLAG num\nSFX 101 Y 1\nSFX 101 o i o\nSFX 7 Y 1\nSFX 7 o a o\n", "gatto/7,101",
                   {"gatto", "gatti", "gatta"}},
        ExpandCase{"Utf8Flags", "FLAG UTF-8\nSFX À Y 1\nSFX À o i o\n", "gatto/À", {"gatto", "gatti"}},
        ExpandCase{"OneByteFlagsTakeTheFirstByteOfAUtf8Name",
                   "SET UTF-8\nSFX À Y 1\nSFX À o i o\n", "gatto/À", {"gatto", "gatti"}},
        ExpandCase{"AliasesNameTheFlags", "AF 2\nAF AB\nAF B\nSFX A Y 1\nSFX A o i o\nSFX B Y 1\nSFX B o a o\n",
                   "gatto/1", {"gatto", "gatti", "gatta"}},
        ExpandCase{"CrLfAndCommentsAreIgnored", "# x\r\nSFX A Y 1\r\nSFX A o i o # plural\r\n", "gatto/A",
                   {"gatto", "gatti"}},
        ExpandCase{"UnknownFlagIsIgnored", kNouns, "gatto/Oz", {"gatto", "gatti"}},
        ExpandCase{"PrefixStripUnderItsCondition", "PFX P Y 1\nPFX P s 0 s[^s]\n", "sporta/P", {"sporta", "porta"}},
        ExpandCase{"PrefixConditionRefuses", "PFX P Y 1\nPFX P s 0 s[^s]\n", "ssa/P", {"ssa"}},
  };
  for (const auto& c : cases) EXPECT_EQ(expand(parse(c.aff), c.entry), c.forms) << c.name;
}

TEST(AffixFile, AliasNumbersAreCheckedAndAffixContinuationsUseThem) {
  const auto aff = parse("AF 2\nAF D\nAF E\nSFX D Y 1\nSFX D o ino/2 o\nSFX E Y 1\nSFX E o i o\n");
  EXPECT_EQ(expand(aff, "gatto/1"), (std::set<std::string>{"gatto", "gattino", "gattini"}));
  EXPECT_THROW(aff.decodeFlags("3"), std::runtime_error);
  EXPECT_THROW(aff.decodeFlags("D"), std::runtime_error);
}

TEST(AffixFile, MalformedOrUnsupportedFilesAreRefused) {
  const std::pair<const char*, std::string> files[] = {
      {"TooFewRules", "SFX A Y 2\nSFX A o i o\n"},
      {"RuleOfAnotherClassInside", "SFX A Y 2\nSFX A o i o\nSFX B o a o\n"},
      {"ClassDeclaredTwice", "SFX A Y 1\nSFX A o i o\nSFX A Y 1\nSFX A o a o\n"},
      {"BadHeader", "SFX A X 1\nSFX A o i o\n"},
      {"UnclosedSet", "SFX A Y 1\nSFX A o i [ao\n"},
      {"ComplexPrefixes", "COMPLEXPREFIXES\n"},
      {"Compounding", "COMPOUNDFLAG Z\n"},
      {"Circumfix", "CIRCUMFIX Z\n"},
      {"Ignore", "IGNORE x\n"},
      {"Latin1", "SET ISO8859-1\n"},
      {"UnknownFlagType", "FLAG hex\n"},
      {"FlagTypeAfterFlags", "SFX A Y 1\nSFX A o i o\nFLAG long\n"},
      {"TooFewAliases", "AF 2\nAF A\nSFX A Y 1\nSFX A o i o\n"},
  };
  for (const auto& [name, aff] : files) EXPECT_THROW(parse(aff), std::runtime_error) << name;
}

TEST(EncliticFilter, ClustersAreTheEncliticPronouns) {
  for (const char* w : {"mi", "lo", "gli", "ne", "glielo", "tele", "cene", "mmi", "llo", "mmelo"})
    EXPECT_TRUE(isCliticCluster(w)) << w;
  for (const char* w : {"ggli", "ssi", "te", "mo", "i", "", "issimi", "lolo"}) EXPECT_FALSE(isCliticCluster(w)) << w;
}

// A verb class built like it_IT.aff's: conjugation endings, some of which look like a single
// pronoun, beside the families of pronouns the filter must take out.
const std::string kVerbs =
    "SFX V Y 20\n"
    "SFX V are o are\n"
    "SFX V re 0 are\n"         // mangia
    "SFX V re vi are\n"        // mangiavi, the imperfect
    "SFX V re va are\n"        // mangiava
    "SFX V re ti are\n"        // mangiati, the participle
    "SFX V re ssi are\n"       // mangiassi
    "SFX V re sti are\n"       // mangiasti
    "SFX V re nte are\n"       // mangiante
    "SFX V re ntesi are\n"     // mangiantesi: participle + si
    "SFX V re vasi are\n"      // mangiavasi: imperfect + si
    "SFX V re te are\n"        // mangiate
    "SFX V re telo are\n"      // mangiatelo
    "SFX V re tela are\n"      // mangiatela
    "SFX V re temi are\n"      // mangiatemi
    "SFX V e lo are\n"         // mangiarlo
    "SFX V e ne are\n"         // mangiarne: only two pronouns, but on the infinitive
    "SFX V re ndo are\n"       // mangiando
    "SFX V re ndovi are\n"     // mangiandovi: gerund + pronoun
    "SFX V re tone are\n"      // mangiatone: participle + pronoun
    "SFX V are iamone are\n"   // mangiamone
    "SFX D Y 5\n"
    "SFX D re 0 are\n"         // fa
    "SFX D re mmi are\n"       // fammi: the consonant doubles after a monosyllable
    "SFX D re llo are\n"       // fallo
    "SFX D re cci are\n"       // facci
    "SFX D re tti are\n"       // fatti
    "SFX L Y 5\n"
    "SFX L re mi are\n"        // mangiami
    "SFX L re ti are\n"        // mangiati
    "SFX L re lo are\n"        // mangialo
    "SFX L re la are\n"        // mangiala
    "SFX L re gli are\n"       // mangiagli
    "SFX I Y 4\n"
    "SFX I e 0 are\n"          // mangiar, the truncated infinitive that hosts the pronouns
    "SFX I e mi are\n"
    "SFX I e lo are\n"
    "SFX I e la are\n"
    "SFX B Y 4\n"
    "SFX B 0 lo [eio]\n"       // eccolo
    "SFX B 0 la [eio]\n"
    "SFX B 0 ne [eio]\n"
    "SFX B 0 ti [io]\n"        // eccoti: one more pronoun under another condition
    "SFX P Y 5\n"
    "SFX P o a o\n"            // detta
    "SFX P 0 lo o\n"           // dettolo
    "SFX P 0 la o\n"
    "SFX P 0 mi o\n"
    "SFX P o ala o\n"          // dettala: an object pronoun on a sibling form
    "SFX N Y 3\n"
    "SFX N a ina a\n"          // nouns that end like pronouns, in a class without families
    "SFX N a ine a\n"
    "SFX N a one a\n";

TEST(EncliticFilter, DropsPronounFormsAndKeepsLookAlikeEndings) {
  auto aff = parse(kVerbs);
  markEncliticRules(aff);
  EXPECT_EQ(expand(aff, "mangiare/VLI"),
            (std::set<std::string>{"mangiare", "mangio", "mangia", "mangiavi", "mangiava", "mangiati", "mangiassi",
                                   "mangiasti", "mangiante", "mangiate", "mangiando"}));
  EXPECT_EQ(expand(aff, "fare/D"), (std::set<std::string>{"fare", "fa"}));
  EXPECT_EQ(expand(aff, "ecco/B"), std::set<std::string>{"ecco"});
  EXPECT_EQ(expand(aff, "detto/P"), (std::set<std::string>{"detto", "detta"}));
  EXPECT_EQ(expand(aff, "gatta/N"), (std::set<std::string>{"gatta", "gattina", "gattine", "gattone"}));
}

TEST(EncliticFilter, NeedsAFamilyWithAnObjectPronoun) {
  // vi, ti, si after one host are conjugation endings here: nothing is dropped.
  auto aff = parse("SFX V Y 4\nSFX V re 0 ere\nSFX V re vi ere\nSFX V re tti ere\nSFX V re ci ere\n");
  EXPECT_EQ(markEncliticRules(aff), 0);
  auto withObject = parse("SFX V Y 4\nSFX V re 0 ere\nSFX V re vi ere\nSFX V re lo ere\nSFX V re ci ere\n");
  EXPECT_EQ(markEncliticRules(withObject), 3);
  // The bare host stays when it is not an infinitive (prende).
  EXPECT_EQ(expand(withObject, "prendere/V"), (std::set<std::string>{"prendere", "prende"}));
  // A smaller family size than three is the caller's choice.
  auto pair = parse("SFX V Y 3\nSFX V re 0 ere\nSFX V re lo ere\nSFX V re ci ere\n");
  EXPECT_EQ(markEncliticRules(pair), 0);
  EXPECT_EQ(markEncliticRules(pair, 2), 2);
}

}  // namespace
