#include "ui/forms/form2.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vocari {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// n markers with a short entry between each two.
std::string adviceDocument(int markers) {
  std::string doc = "$\r\n";
  for (int i = 1; i < markers; ++i) doc += "Consiglio " + std::to_string(i) + "\r\n$\r\n";
  return doc;
}

TEST(DocumentLines, SplitsAtCrLfAndKeepsEveryLine) {
  const std::vector<std::pair<std::string, Lines>> cases = {
      {"", {""}},
      {"\r\n", {""}},
      {"AB\r\nCD", {"AB", "CD"}},  // a last line of two characters without CR LF is shown
      {"ABC\r\nD", {"ABC", "D"}},
      {"AB\r\nCD\r\n", {"AB", "CD"}},  // no empty item for the final CR LF
      {"AB\r\n\r\nCD", {"AB", "", "CD"}},
      {"A\rB\nC\r\n", {"A\rB\nC"}},  // a lone CR or LF is no line break
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(documentLines(text), lines) << text;
}

TEST(AdviceEntries, DocumentsThatBreakTheFormatNeverReadOutOfBounds) {
  const std::string longEntry = std::string(32764 - 6, 'x') + "\r\n";  // the closing "$" is char 32764
  Lines twenty;
  for (int i = 1; i < 21; ++i) twenty.push_back("Consiglio " + std::to_string(i) + "\r\n");
  const std::vector<std::tuple<const char*, std::string, std::optional<Lines>>> cases = {
      {"well formed", "$\r\nPrimo\r\nsu due\r\n$\r\nSecondo\r\n$\r\n", Lines{"Primo\r\nsu due\r\n", "Secondo\r\n"}},
      {"text before the first marker", "Premessa\r\n$\r\nA\r\n$\r\n", Lines{"Premessa\r\n", "A\r\n"}},
      {"blank text before the first marker", "\r\n  \r\n$\r\nA\r\n$\r\n", Lines{"A\r\n"}},
      {"text after the last marker", "$\r\nA\r\n$\r\ncoda", Lines{"A\r\n", "coda"}},
      {"no marker at all", "Solo testo\r\n", Lines{"Solo testo\r\n"}},
      {"a dollar inside a line or after a lone LF", "$\r\n5$ e $X\n$\r\n$\r\n", Lines{"5$ e $X\n$\r\n"}},
      {"empty", "", std::nullopt},
      {"a lone marker", "$\r\n", std::nullopt},
      {"21 markers", adviceDocument(21), twenty},
      {"22 markers", adviceDocument(22), std::nullopt},
      {"marker at 32764", "$\r\n" + longEntry + "$\r\n", Lines{longEntry}},
      {"marker at 32765", "$\r\nx" + longEntry + "$\r\n", std::nullopt},
  };
  for (const auto& [what, text, expected] : cases) {
    SCOPED_TRACE(what);
    const auto entries = adviceEntries(text);
    ASSERT_EQ(entries.has_value(), expected.has_value());
    Lines got;
    for (const TextSpan& s : entries.value_or(std::vector<TextSpan>{})) {
      ASSERT_LE(s.offset + s.length, text.size());
      got.push_back(text.substr(s.offset, s.length));
    }
    if (expected) {
      EXPECT_EQ(got, *expected);
    }
  }
}

class Form2Test : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir_), settings_.programDir = dir_.string() + "/"; }
  void TearDown() override { fs::remove_all(dir_); }
  void write(const std::string& name, const std::string& bytes) { std::ofstream(dir_ / name, std::ios::binary) << bytes; }
  Form2 open(int viewerText) {
    settings_.viewerText = int16_t(viewerText);
    return Form2(settings_);
  }

  Settings settings_;
  fs::path dir_ = fs::temp_directory_path() / ("vocari_form2_" + std::to_string(::getpid()));
};

TEST_F(Form2Test, EachDocumentThatCannotBeShownHasItsOwnMessage) {
  const auto failure = [&](int viewerText) { return open(viewerText).Form_Load().value_or(ViewerFailure{}); };
  const std::vector<std::tuple<int, const char*, const char*>> missing = {
      {0, "   DIZIONARIO   -    VOCARI", "File Base3.txt non trovato"},
      {1, "   ACRONIMI   -    VOCARI", "File Acronimi.txt non trovato"},
      {2, "    AIUTO    -    VOCARI", "File VocariAiuto non trovato"},
      {3, "   CONSIGLI   -    VOCARI", "File VocariCons non trovato"},
      {4, "   DIZIONARIO   -    VOCARI", "File Base3.txt non trovato"},  // any other value: the dictionary
  };
  for (const auto& [viewerText, caption, message] : missing) {
    Form2 form = open(viewerText);
    const auto f = form.Form_Load().value_or(ViewerFailure{});
    EXPECT_EQ(f.message + " / " + f.title + " / " + form.Caption, std::string(message) + " / Richiesta ignorata ... / " + caption);
    EXPECT_TRUE(form.Listai.items.empty());
  }
  for (const std::string& advice : {adviceDocument(22), std::string("$\r\n"), std::string()}) {
    write("VocariCons.txt", advice);
    EXPECT_EQ(failure(3).message, "File VocariCons non trovato") << advice.size();
  }
  fs::create_directory(dir_ / "Acronimi.txt");
  EXPECT_EQ(failure(1).message, "File Acronimi.txt non trovato");
  write("VocariAiuto.txt", "");
  fs::resize_file(dir_ / "VocariAiuto.txt", Form2::kMaxDocumentBytes + 1);  // sparse: refused unread
  EXPECT_EQ(failure(2).message, "File VocariAiuto non trovato");
}

TEST_F(Form2Test, AdvicePagesForwardsAndBackInTheShrunkWindow) {
  write("VocariCons.txt", "$\r\nUno\r\n$\r\nDue\r\nrighe\r\n$\r\nTre\r\n$\r\n");
  Form2 form = open(3);
  ASSERT_FALSE(form.Form_Load());
  EXPECT_EQ(form.Height, 2755);
  EXPECT_EQ(form.Command1Rect.top, Form2::AvantiRect.top);
  EXPECT_TRUE(form.UnCons.visible && form.Indietro.visible && form.Avanti.visible);
  EXPECT_FALSE(form.Listai.visible);
  const auto back = &Form2::Indietro_Click, next = &Form2::Avanti_Click;
  const std::vector<std::tuple<void (Form2::*)(), std::string, bool, bool>> steps = {
      {nullptr, "Uno\r\n", false, true},   {next, "Due\r\nrighe\r\n", true, true},
      {next, "Tre\r\n", true, false},      {next, "Tre\r\n", true, false},  // a click that slipped through
      {back, "Due\r\nrighe\r\n", true, true}, {back, "Uno\r\n", false, true},
      {back, "Uno\r\n", false, true},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const auto& [click, shown, backEnabled, nextEnabled] = steps[i];
    if (click) (form.*click)();
    EXPECT_EQ(form.UnCons.text, shown) << "step " << i;
    EXPECT_EQ(form.Indietro.enabled, backEnabled) << "step " << i;
    EXPECT_EQ(form.Avanti.enabled, nextEnabled) << "step " << i;
  }
  write("VocariCons.txt", "$\r\nUnico consiglio\r\n$\r\n");  // one entry: both buttons disabled
  Form2 single = open(3);
  ASSERT_FALSE(single.Form_Load());
  EXPECT_EQ(single.UnCons.text, "Unico consiglio\r\n");
  EXPECT_FALSE(single.Indietro.enabled || single.Avanti.enabled);
}

}  // namespace
}  // namespace vocari
