#include "forms/form2.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

namespace vocari {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// n markers with the entry "x" between each two.
std::string adviceDocument(int markers) {
  std::string doc = "$\r\n";
  while (--markers > 0) doc += "x\r\n$\r\n";
  return doc;
}

TEST(DocumentLines, SplitsAtCrLfAndKeepsEveryLine) {
  const std::vector<std::pair<std::string, Lines>> cases = {
      {"", {""}}, {"\r\n", {""}}, {"AB\r\n\r\nCD", {"AB", "", "CD"}},
      {"AB\r\nCD", {"AB", "CD"}}, {"ABC\r\nD", {"ABC", "D"}},  // a short last line without CR LF is shown
      {"AB\r\nCD\r\n", {"AB", "CD"}},                         // no empty item for the final CR LF
      {"A\rB\nC\r\n", {"A\rB\nC"}},                          // a lone CR or LF is no line break
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(documentLines(text), lines) << text;
}

// No entries stands for the failure: a document that cannot be shown. A well-formed document is
// paged through below.
TEST(AdviceEntries, DocumentsThatBreakTheFormatNeverReadOutOfBounds) {
  const std::string longEntry = std::string(32764 - 6, 'x') + "\r\n";  // the closing "$" is char 32764
  const std::vector<std::tuple<const char*, std::string, Lines>> cases = {
      {"text before the first marker", "Premessa\r\n$\r\nA\r\n$\r\n", {"Premessa\r\n", "A\r\n"}},
      {"blank text before the first marker", "\r\n  \r\n$\r\nA\r\n$\r\n", {"A\r\n"}},
      {"text after the last marker", "$\r\nA\r\n$\r\ncoda", {"A\r\n", "coda"}},
      {"no marker at all", "Solo testo\r\n", {"Solo testo\r\n"}},
      {"a dollar inside a line or after a lone LF", "$\r\n5$ e $X\n$\r\n$\r\n", {"5$ e $X\n$\r\n"}},
      {"empty", "", {}},
      {"a lone marker", "$\r\n", {}},
      {"21 markers", adviceDocument(21), Lines(20, "x\r\n")},
      {"22 markers", adviceDocument(22), {}},
      {"marker at 32764", "$\r\n" + longEntry + "$\r\n", {longEntry}},
      {"marker at 32765", "$\r\nx" + longEntry + "$\r\n", {}},
  };
  for (const auto& [what, text, expected] : cases) {
    SCOPED_TRACE(what);
    const auto entries = adviceEntries(text);
    EXPECT_EQ(entries.has_value(), !expected.empty());
    Lines got;
    for (const TextSpan& s : entries.value_or(std::vector<TextSpan>{})) {
      ASSERT_LE(s.offset + s.length, text.size());
      got.push_back(text.substr(s.offset, s.length));
    }
    EXPECT_EQ(got, expected);
  }
}

class Form2Test : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(dir_), settings_.programDir = dir_.string() + "/"; }
  void TearDown() override { fs::remove_all(dir_); }
  void write(const std::string& name, const std::string& bytes) { std::ofstream(dir_ / name, std::ios::binary) << bytes; }
  Form2 open(int viewerText) {
    settings_.viewerText = ViewerDocument(viewerText);
    return Form2(settings_);
  }

  Settings settings_;
  fs::path dir_ = fs::temp_directory_path() / ("vocari_form2_" + std::to_string(::getpid()));
};

// Each document, missing and then present but unusable, gets its own message.
TEST_F(Form2Test, EachDocumentThatCannotBeShownHasItsOwnMessage) {
  const std::vector<std::tuple<int, const char*, const char*>> documents = {
      {0, "   DIZIONARIO   -    VOCARI", "File Base3.txt non trovato"},
      {1, "   ACRONIMI   -    VOCARI", "File Acronimi.txt non trovato"},
      {2, "    AIUTO    -    VOCARI", "File VocariAiuto non trovato"},
      {3, "   CONSIGLI   -    VOCARI", "File VocariCons non trovato"},
      {4, "   DIZIONARIO   -    VOCARI", "File Base3.txt non trovato"},  // any other value: the dictionary
  };
  for (const char* state : {"missing", "unusable"}) {
    for (const auto& [viewerText, caption, message] : documents) {
      Form2 form = open(viewerText);
      const auto f = form.Form_Load().value_or(ViewerFailure{});
      EXPECT_EQ(f.message + " / " + f.title + " / " + form.Caption,
                std::string(message) + " / Richiesta ignorata ... / " + caption) << state;
    }
    // Past the limits of the advice format, a folder, and a file too large to read (sparse: refused unread).
    write("VocariCons.txt", adviceDocument(22));
    fs::create_directories(dir_ / "Acronimi.txt");
    write("VocariAiuto.txt", "");
    fs::resize_file(dir_ / "VocariAiuto.txt", Form2::kMaxDocumentBytes + 1);
  }
}

TEST_F(Form2Test, AdvicePagesForwardsAndBackInTheShrunkWindow) {
  write("VocariCons.txt", "$\r\nUno\r\n$\r\nDue\r\nrighe\r\n$\r\nTre\r\n$\r\n");
  Form2 form = open(3);
  ASSERT_FALSE(form.Form_Load());
  EXPECT_EQ(std::tuple(form.Height, form.Command1Rect.top), std::tuple(2755, Form2::AvantiRect.top));
  EXPECT_TRUE(form.UnCons.visible && form.Indietro.visible && form.Avanti.visible && !form.Listai.visible);
  const auto back = &Form2::Indietro_Click, next = &Form2::Avanti_Click;
  const std::vector<std::tuple<void (Form2::*)(), std::string, bool, bool>> steps = {  // text, Indietro, Avanti
      {nullptr, "Uno\r\n", false, true},   {next, "Due\r\nrighe\r\n", true, true},
      {next, "Tre\r\n", true, false},      {next, "Tre\r\n", true, false},  // a click that slipped through
      {back, "Due\r\nrighe\r\n", true, true}, {back, "Uno\r\n", false, true},
      {back, "Uno\r\n", false, true},
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const auto& [click, shown, backEnabled, nextEnabled] = steps[i];
    if (click) (form.*click)();
    EXPECT_EQ(std::tuple(form.UnCons.text, form.Indietro.enabled, form.Avanti.enabled),
              std::tuple(shown, backEnabled, nextEnabled)) << "step " << i;
  }
  write("VocariCons.txt", "$\r\nUnico consiglio\r\n$\r\n");  // one entry: both buttons disabled
  Form2 single = open(3);
  ASSERT_FALSE(single.Form_Load());
  EXPECT_EQ(std::tuple(single.UnCons.text, single.Indietro.enabled, single.Avanti.enabled),
            std::tuple("Unico consiglio\r\n", false, false));
}

}  // namespace
}  // namespace vocari
