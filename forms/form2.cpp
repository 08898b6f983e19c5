#include "forms/form2.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/startup.h"

namespace vocari {

namespace {

struct Document {
  const char* caption;
  const char* file;
  const char* failure;
};

// Indexed by viewerText.
constexpr std::array<Document, 4> kDocuments{{
    {"   DIZIONARIO   -    VOCARI", "Base3.txt", "File Base3.txt non trovato"},
    {"   ACRONIMI   -    VOCARI", "Acronimi.txt", "File Acronimi.txt non trovato"},
    {"    AIUTO    -    VOCARI", "VocariAiuto.txt", "File VocariAiuto non trovato"},
    {"   CONSIGLI   -    VOCARI", "VocariCons.txt", "File VocariCons non trovato"},
}};
constexpr int kAdviceDocument = int(ViewerDocument::Advice);

// The outer height of the advice layout is Command1's top plus this.
constexpr int kAdviceHeightBelowCommand1 = 1075;

bool blank(std::string_view s) { return s.find_first_not_of(" \t\r\n") == std::string_view::npos; }

bool crlfAt(std::string_view text, std::size_t i) {
  return i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n';
}

}  // namespace

const char* documentFile(ViewerDocument document) { return kDocuments[std::size_t(document)].file; }

std::vector<std::string> documentLines(std::string_view text) {
  std::vector<std::string> lines;
  lines.reserve(std::size_t(std::count(text.begin(), text.end(), '\n')) + 1);
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) {
      if (start < text.size() || lines.empty()) lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 2;
    if (start == text.size()) break;
  }
  return lines;
}

std::optional<std::vector<TextSpan>> adviceEntries(std::string_view text,
                                                   const std::function<void()>& yield) {
  // Offsets of the "$" of every marker line.
  std::vector<std::size_t> markers;
  for (std::size_t from = 0;;) {
    if (yield) yield();
    const std::size_t p = text.find('$', from);
    if (p == std::string_view::npos) break;
    from = p + 1;
    const bool lineStart = p == 0 || (p >= 2 && crlfAt(text, p - 2));
    const bool lineEnd = p + 1 == text.size() || crlfAt(text, p + 1);
    if (!lineStart || !lineEnd) continue;  // a "$" inside a line is text
    if (int(markers.size()) == kMaxAdviceMarkers || p + 1 > kMaxAdviceMarkerPosition)
      return std::nullopt;
    markers.push_back(p);
  }

  std::vector<TextSpan> entries;
  if (markers.empty()) {
    if (!blank(text)) entries.push_back({0, text.size()});
  } else {
    if (!blank(text.substr(0, markers.front()))) entries.push_back({0, markers.front()});
    for (std::size_t k = 0; k + 1 < markers.size(); ++k) {
      const std::size_t from = markers[k] + 3;
      entries.push_back({from, markers[k + 1] - from});
    }
    const std::size_t tail = std::min(markers.back() + 3, text.size());
    if (!blank(text.substr(tail))) entries.push_back({tail, text.size() - tail});
  }
  if (entries.empty()) return std::nullopt;
  return entries;
}

Form2::Form2(const Settings& settings, std::function<void()> yieldEvents, FileReader& files)
    : settings_(settings), files_(files), yieldEvents_(std::move(yieldEvents)) {}

std::optional<ViewerFailure> Form2::Form_Load() {
  int which = int(settings_.viewerText);
  if (which < 0 || which >= int(kDocuments.size())) which = 0;
  const Document& doc = kDocuments[std::size_t(which)];
  const ViewerFailure failure{doc.failure, kFailureTitle};
  Caption = doc.caption;
  path_ = settings_.programDir + doc.file;
  adviceMode_ = which == kAdviceDocument;

  if (adviceMode_) {
    Command1Rect.top = AvantiRect.top;
    Height = Command1Rect.top + kAdviceHeightBelowCommand1;
    Indietro.visible = true;
    Avanti.visible = true;
    Indietro.enabled = false;
    Listai.visible = false;
    UnCons.visible = true;
  }

  std::optional<std::string> text = files_.readFile(path_, kMaxDocumentBytes);
  if (!text) return failure;
  text_ = std::move(*text);

  if (!adviceMode_) {
    Listai.items = documentLines(text_);
    return std::nullopt;
  }
  std::optional<std::vector<TextSpan>> entries = adviceEntries(text_, yieldEvents_);
  if (!entries) return failure;
  entries_ = std::move(*entries);
  shown_ = -1;
  Avanti_Click();
  return std::nullopt;
}

void Form2::showEntry(int index) {
  shown_ = index;
  const TextSpan& e = entries_[std::size_t(index)];
  UnCons.text = text_.substr(e.offset, e.length);
  Indietro.enabled = index > 0;
  Avanti.enabled = index + 1 < entryCount();
}

void Form2::Avanti_Click() {
  if (shown_ + 1 < entryCount()) showEntry(shown_ + 1);
}

void Form2::Indietro_Click() {
  if (shown_ > 0 && shown_ < entryCount()) showEntry(shown_ - 1);
}

void Form2::Command1_Click() { unloaded = true; }

void Form2::Form_Unload() { unloaded = true; }

}  // namespace vocari
