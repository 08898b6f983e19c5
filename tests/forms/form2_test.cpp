#include "ui/forms/form2.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace vocari {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> spanTexts(std::string_view text, const std::vector<TextSpan>& spans) {
  std::vector<std::string> out;
  for (const TextSpan& s : spans) out.emplace_back(text.substr(s.offset, s.length));
  return out;
}

// n markers with one short entry between each two, the last marker closing the document.
std::string adviceDocument(int markers) {
  std::string doc = "$\r\n";
  for (int i = 1; i < markers; ++i) doc += "Consiglio " + std::to_string(i) + "\r\n$\r\n";
  return doc;
}
std::vector<std::string> adviceDocumentEntries(int markers) {
  std::vector<std::string> entries;
  for (int i = 1; i < markers; ++i) entries.push_back("Consiglio " + std::to_string(i) + "\r\n");
  return entries;
}

TEST(DocumentLines, SplitsAtCrLfAndKeepsEveryLine) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"", {""}},
      {"\r\n", {""}},
      {"PAROLA", {"PAROLA"}},
      {"AB\r\nCD", {"AB", "CD"}},          // a two-character last line without CR LF is shown
      {"ABC\r\nD", {"ABC", "D"}},
      {"ABC\r\nDEFG", {"ABC", "DEFG"}},
      {"AB\r\nCD\r\n", {"AB", "CD"}},      // no empty item for the final CR LF
      {"AB\r\n\r\n", {"AB", ""}},
      {"AB\r\n\r\nCD", {"AB", "", "CD"}},
      {"\r\nX", {"", "X"}},
      {"A\rB\nC\r\n", {"A\rB\nC"}},        // a lone CR or LF is not a line break
      {"X\r\r\n", {"X\r"}},
      {"caff\xC3\xA8\r\n\xFF\xFE", {"caff\xC3\xA8", "\xFF\xFE"}},  // bytes pass through untouched
  };
  for (const Case& c : cases) EXPECT_EQ(documentLines(c.text), c.lines) << "text " << c.text;
}

TEST(AdviceEntries, DocumentsThatBreakTheFormat) {
  struct Case {
    const char* what;
    std::string text;
    std::optional<std::vector<std::string>> entries;
  };
  const std::vector<Case> cases = {
      {"well formed", "$\r\nPrimo\r\nsu due righe\r\n$\r\nSecondo\r\n$\r\n",
       std::vector<std::string>{"Primo\r\nsu due righe\r\n", "Secondo\r\n"}},
      {"text before the first marker", "Premessa\r\n$\r\nA\r\n$\r\n",
       std::vector<std::string>{"Premessa\r\n", "A\r\n"}},
      {"blank text before the first marker", "\r\n  \r\n$\r\nA\r\n$\r\n",
       std::vector<std::string>{"A\r\n"}},
      {"text after the last marker", "$\r\nA\r\n$\r\ncoda", std::vector<std::string>{"A\r\n", "coda"}},
      {"blank lines after the last marker", "$\r\nA\r\n$\r\n\r\n \r\n",
       std::vector<std::string>{"A\r\n"}},
      {"no closing marker", "$\r\nA\r\nB", std::vector<std::string>{"A\r\nB"}},
      {"closing marker without CR LF", "$\r\nA\r\n$", std::vector<std::string>{"A\r\n"}},
      {"no marker at all", "Solo testo\r\n", std::vector<std::string>{"Solo testo\r\n"}},
      {"a dollar inside a line is text", "$\r\nCosta 5$ e $X\r\n$\r\n",
       std::vector<std::string>{"Costa 5$ e $X\r\n"}},
      {"a dollar after a lone LF is text", "$\r\nA\n$\r\nB\r\n$\r\n",
       std::vector<std::string>{"A\n$\r\nB\r\n"}},
      {"two markers in a row", "$\r\n$\r\nA\r\n$\r\n", std::vector<std::string>{"", "A\r\n"}},
      {"empty document", "", std::nullopt},
      {"blank document", " \r\n\r\n", std::nullopt},
      {"a lone marker", "$\r\n", std::nullopt},
      {"a lone dollar", "$", std::nullopt},
      {"21 markers", adviceDocument(21), adviceDocumentEntries(21)},
      {"22 markers", adviceDocument(22), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto entries = adviceEntries(c.text);
    ASSERT_EQ(entries.has_value(), c.entries.has_value());
    if (!entries) continue;
    for (const TextSpan& s : *entries) EXPECT_LE(s.offset + s.length, c.text.size());
    EXPECT_EQ(spanTexts(c.text, *entries), *c.entries);
  }
}

TEST(AdviceEntries, MarkersMustLieWithinTheFirst32764Characters) {
  for (std::size_t markerAt : {std::size_t(32764), std::size_t(32765)}) {
    // The closing marker's "$" is character markerAt, counted from 1.
    std::string doc = "$\r\n" + std::string(markerAt - 1 - 3 - 2, 'x') + "\r\n$\r\n";
    ASSERT_EQ(doc.find('$', 1) + 1, markerAt);
    EXPECT_EQ(adviceEntries(doc).has_value(), markerAt == 32764) << markerAt;
  }
}

class Form2Fixture : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vocari_form2_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    settings.programDir = dir_.string() + "/";
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  Form2 open(int viewerText) {
    settings.viewerText = int16_t(viewerText);
    return Form2(settings);
  }

  Settings settings;
  fs::path dir_;
};

TEST_F(Form2Fixture, EachMissingDocumentHasItsOwnMessage) {
  struct Case {
    int viewerText;
    const char* caption;
    const char* message;
  };
  const std::vector<Case> cases = {
      {0, "   DIZIONARIO   -    VOCARI", "File Base3.txt non trovato"},
      {1, "   ACRONIMI   -    VOCARI", "File Acronimi.txt non trovato"},
      {2, "    AIUTO    -    VOCARI", "File VocariAiuto non trovato"},
      {3, "   CONSIGLI   -    VOCARI", "File VocariCons non trovato"},
      {4, "   DIZIONARIO   -    VOCARI", "File Base3.txt non trovato"},  // other values: 0
      {-1, "   DIZIONARIO   -    VOCARI", "File Base3.txt non trovato"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.viewerText);
    Form2 form = open(c.viewerText);
    auto failure = form.Form_Load();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->message, c.message);
    EXPECT_EQ(failure->title, "Richiesta ignorata ...");
    EXPECT_EQ(form.Caption, c.caption);
    EXPECT_TRUE(form.Listai.items.empty());
  }
  // A folder in the document's place cannot be read either.
  fs::create_directory(dir_ / "Acronimi.txt");
  EXPECT_EQ(open(1).Form_Load()->message, "File Acronimi.txt non trovato");
}

TEST_F(Form2Fixture, ATooLargeDocumentIsRefusedWithoutBeingRead) {
  write("VocariAiuto.txt", "");
  fs::resize_file(dir_ / "VocariAiuto.txt", Form2::kMaxDocumentBytes + 1);  // sparse
  auto failure = open(2).Form_Load();
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message, "File VocariAiuto non trovato");
}

TEST_F(Form2Fixture, LineModeFillsListaiInTheFullWindow) {
  write("Acronimi.txt", "KM\r\nchilometro\r\n\r\nMG\r\nmilligrammo\r\nok");
  write("Base3.txt", "\r\nABACO\r\nABATE\r\n");
  Form2 acro = open(1);
  ASSERT_FALSE(acro.Form_Load());
  EXPECT_EQ(acro.Listai.items,
            (std::vector<std::string>{"KM", "chilometro", "", "MG", "milligrammo", "ok"}));
  EXPECT_EQ(acro.documentPath(), settings.programDir + "Acronimi.txt");
  EXPECT_TRUE(acro.Listai.visible);
  EXPECT_FALSE(acro.UnCons.visible);
  EXPECT_FALSE(acro.Indietro.visible);
  EXPECT_FALSE(acro.Avanti.visible);
  EXPECT_EQ(acro.Height, Form2::kClientHeight + Form2::kFrameHeight);
  EXPECT_EQ(acro.Command1Rect.top, 7800);

  Form2 dict = open(0);
  ASSERT_FALSE(dict.Form_Load());
  EXPECT_EQ(dict.Listai.items, (std::vector<std::string>{"", "ABACO", "ABATE"}));
}

TEST_F(Form2Fixture, AdvicePagesForwardsAndBack) {
  write("VocariCons.txt", "$\r\nUno\r\n$\r\nDue\r\nrighe\r\n$\r\nTre\r\n$\r\n");
  Form2 form = open(3);
  ASSERT_FALSE(form.Form_Load());
  EXPECT_EQ(form.Height, 2755);
  EXPECT_EQ(form.Command1Rect.top, Form2::AvantiRect.top);
  EXPECT_FALSE(form.Listai.visible);
  EXPECT_TRUE(form.UnCons.visible);
  EXPECT_TRUE(form.Indietro.visible);
  EXPECT_TRUE(form.Avanti.visible);
  EXPECT_EQ(form.entryCount(), 3);

  struct Step {
    void (Form2::*click)();
    std::string shown;
    bool back, forward;
  };
  const std::vector<Step> steps = {
      {nullptr, "Uno\r\n", false, true},
      {&Form2::Avanti_Click, "Due\r\nrighe\r\n", true, true},
      {&Form2::Avanti_Click, "Tre\r\n", true, false},
      {&Form2::Avanti_Click, "Tre\r\n", true, false},  // a click that slipped through: no effect
      {&Form2::Indietro_Click, "Due\r\nrighe\r\n", true, true},
      {&Form2::Indietro_Click, "Uno\r\n", false, true},
      {&Form2::Indietro_Click, "Uno\r\n", false, true},
      {&Form2::Avanti_Click, "Due\r\nrighe\r\n", true, true},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE("step " + std::to_string(i));
    if (steps[i].click) (form.*steps[i].click)();
    EXPECT_EQ(form.UnCons.text, steps[i].shown);
    EXPECT_EQ(form.Indietro.enabled, steps[i].back);
    EXPECT_EQ(form.Avanti.enabled, steps[i].forward);
  }
}

TEST_F(Form2Fixture, AOneEntryAdviceDocumentDisablesBothButtons) {
  write("VocariCons.txt", "$\r\nUnico consiglio\r\n$\r\n");
  Form2 form = open(3);
  ASSERT_FALSE(form.Form_Load());
  EXPECT_EQ(form.UnCons.text, "Unico consiglio\r\n");
  EXPECT_FALSE(form.Indietro.enabled);
  EXPECT_FALSE(form.Avanti.enabled);
  form.Indietro_Click();
  form.Avanti_Click();
  EXPECT_EQ(form.UnCons.text, "Unico consiglio\r\n");
}

TEST_F(Form2Fixture, UnreadableAdviceTakesTheFailurePath) {
  for (const std::string& doc : {adviceDocument(22), std::string("$\r\n"), std::string()}) {
    write("VocariCons.txt", doc);
    Form2 form = open(3);
    auto failure = form.Form_Load();
    ASSERT_TRUE(failure) << doc.size();
    EXPECT_EQ(failure->message, "File VocariCons non trovato");
    EXPECT_EQ(form.UnCons.text, "");
  }
}

TEST_F(Form2Fixture, TheAdviceScanLetsEventsRun) {
  write("VocariCons.txt", adviceDocument(4));
  int yields = 0;
  settings.viewerText = 3;
  Form2 form(settings, [&] { ++yields; });
  ASSERT_FALSE(form.Form_Load());
  EXPECT_GE(yields, 4);
  EXPECT_EQ(form.entryCount(), 3);
}

// The documents shipped beside the word list, when the build has put them there.
TEST(ShippedDocuments, AllOpenAndTheAdvicePagesThroughEveryEntry) {
  const char* dataDir = std::getenv("VOCARI_DATA_DIR");
  if (!dataDir || !fs::exists(fs::path(dataDir) / "VocariCons.txt"))
    GTEST_SKIP() << "no data folder";
  Settings settings;
  settings.programDir = std::string(dataDir) + "/";
  {
    settings.viewerText = 0;
    Form2 dict(settings);
    ASSERT_FALSE(dict.Form_Load());
    std::ifstream in(fs::path(dataDir) / "Base3.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    ASSERT_TRUE(text.ends_with("\r\n"));
    std::size_t breaks = 0;
    for (std::size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p + 2))
      ++breaks;
    EXPECT_EQ(std::size_t(dict.Listai.listCount()), breaks);
    EXPECT_GT(breaks, 100000u);
  }
  for (int16_t which : {1, 2}) {
    settings.viewerText = which;
    Form2 form(settings);
    ASSERT_FALSE(form.Form_Load()) << which;
    EXPECT_GT(form.Listai.listCount(), 10) << which;
  }
  settings.viewerText = 3;
  Form2 form(settings);
  ASSERT_FALSE(form.Form_Load());
  EXPECT_GE(form.entryCount(), 12);
  for (int i = 0; i < form.entryCount(); ++i) {
    EXPECT_NE(form.UnCons.text.find_first_not_of(" \r\n"), std::string::npos) << "entry " << i;
    EXPECT_EQ(form.UnCons.text.find('$'), std::string::npos) << "entry " << i;
    EXPECT_EQ(form.Avanti.enabled, i + 1 < form.entryCount());
    form.Avanti_Click();
  }
}

}  // namespace
}  // namespace vocari
