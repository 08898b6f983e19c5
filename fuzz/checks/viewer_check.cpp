#include <string>
#include <vector>

#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/scratch.h"
#include "forms/form2.h"

namespace vocari::fuzz {
namespace {

bool blank(std::string_view s) {
  for (char c : s)
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
  return true;
}

// Offsets of the marker lines, found by splitting the text into lines at CR LF and keeping the
// lines that are "$" alone.
std::vector<std::size_t> markerLines(std::string_view text) {
  std::vector<std::size_t> markers;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", start);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end;
    if (text.substr(start, stop - start) == "$") markers.push_back(start);
    if (end == std::string_view::npos) break;
    start = end + 2;
  }
  return markers;
}

Failure checkLines(std::string_view text) {
  const std::vector<std::string> lines = documentLines(text);
  if (lines.empty()) return "documentLines returned no line";
  std::string joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find("\r\n") != std::string::npos) return "a line holds a CR LF";
    if (i) joined += "\r\n";
    joined += lines[i];
  }
  // A final CR LF does not start a line of its own; every other one separates two lines.
  const bool finalBreak = text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
  if ((finalBreak ? joined + "\r\n" : joined) != text)
    return "the lines joined by CR LF do not give back the document";
  return std::nullopt;
}

Failure checkAdvice(std::string_view text) {
  const std::vector<std::size_t> markers = markerLines(text);
  int yields = 0;
  const std::optional<std::vector<TextSpan>> entries = adviceEntries(text, [&yields] { ++yields; });

  bool overLimits = markers.size() > std::size_t(kMaxAdviceMarkers);
  for (std::size_t m : markers) overLimits = overLimits || m + 1 > kMaxAdviceMarkerPosition;
  if (overLimits) {
    if (entries) return "a document beyond the advice limits was accepted";
    return std::nullopt;
  }
  if (yields < int(markers.size())) return "fewer yields than markers";
  const std::size_t headEnd = markers.empty() ? text.size() : markers.front();
  const std::size_t tailStart =
      markers.empty() ? text.size() : std::min(markers.back() + 3, text.size());
  const bool blankHead = blank(text.substr(0, headEnd));
  const bool blankTail = blank(text.substr(tailStart));
  // Nothing to show: no two markers with an entry between them, no text around them.
  const bool nothing = markers.size() < 2 && blankHead && blankTail;
  if (!entries) {
    if (!nothing) return "a document with entries was refused";
    return std::nullopt;
  }
  if (entries->empty()) return "adviceEntries gave an empty list";

  // The entries lie in order inside the document, never over a marker line; what they leave out
  // is marker lines and blank text before the first marker or after the last.
  std::vector<bool> covered(text.size(), false);
  std::size_t previousEnd = 0;
  for (const TextSpan& e : *entries) {
    if (e.offset > text.size() || e.length > text.size() - e.offset)
      return "an entry lies outside the document";
    if (e.offset < previousEnd) return "entries overlap or are out of order";
    previousEnd = e.offset + e.length;
    for (std::size_t i = e.offset; i < previousEnd; ++i) covered[i] = true;
  }
  for (std::size_t m : markers) {
    for (std::size_t i = m; i < std::min(m + 3, text.size()); ++i) {
      if (covered[i]) return "an entry holds a marker line";
      covered[i] = true;
    }
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (covered[i]) continue;
    if (!(i < headEnd && blankHead) && !(i >= tailStart && blankTail))
      return "character " + std::to_string(i) + " is neither in an entry nor in a marker line";
  }
  return std::nullopt;
}

// The viewer loading the document from a file: its lines in line mode, and in advice mode every
// entry paged forwards and back with the buttons enabled exactly when they lead somewhere.
Failure checkWindow(std::string_view text) {
  Settings settings;
  settings.programDir = scratchDir().string() + "/";
  writeScratchFile("VocariAiuto.txt", text);
  writeScratchFile("VocariCons.txt", text);

  settings.viewerText = ViewerDocument::Help;
  Form2 lines(settings);
  if (lines.Form_Load()) return "the help viewer failed to load its file";
  if (lines.Listai.items != documentLines(text)) return "Listai does not hold the document's lines";

  settings.viewerText = ViewerDocument::Advice;
  Form2 advice(settings);
  const std::optional<ViewerFailure> failure = advice.Form_Load();
  const std::optional<std::vector<TextSpan>> entries = adviceEntries(text);
  if (failure.has_value() == entries.has_value())
    return "the advice viewer and adviceEntries disagree";
  if (failure) return std::nullopt;

  auto shows = [&](int k) -> Failure {
    const TextSpan& e = (*entries)[std::size_t(k)];
    if (advice.entryShown() != k) return "entry " + std::to_string(k) + " is not the one shown";
    if (advice.UnCons.text != text.substr(e.offset, e.length))
      return "UnCons shows another text for entry " + std::to_string(k);
    if (advice.Indietro.enabled != (k > 0))
      return "Indietro enabled wrongly at " + std::to_string(k);
    if (advice.Avanti.enabled != (k + 1 < int(entries->size())))
      return "Avanti enabled wrongly at " + std::to_string(k);
    return std::nullopt;
  };
  const int n = int(entries->size());
  for (int k = 0; k < n; ++k) {
    if (k) advice.Avanti_Click();
    if (Failure f = shows(k)) return f;
  }
  advice.Avanti_Click();  // past the last entry: nothing moves
  if (Failure f = shows(n - 1)) return f;
  for (int k = n - 2; k >= 0; --k) {
    advice.Indietro_Click();
    if (Failure f = shows(k)) return f;
  }
  advice.Indietro_Click();
  return shows(0);
}

}  // namespace

Failure checkViewer(std::string_view input) {
  if (Failure f = checkLines(input)) return f;
  if (Failure f = checkAdvice(input)) return f;
  return checkWindow(input);
}

}  // namespace vocari::fuzz
