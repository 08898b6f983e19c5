// The text viewer: the dictionary, the acronyms or the help text line by line in Listai, or the
// advice one entry at a time in UnCons with "Indietro" and "Avanti". It only reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_state.h"
#include "core/startup.h"
#include "forms/controls.h"

namespace vocari {

// What the viewer reports when it cannot show its document: the text and title of a message box
// with the information icon; the window closes once it has been dismissed.
struct ViewerFailure {
  std::string message;
  std::string title;
};

// A run of characters of a document: offset and length in bytes.
struct TextSpan {
  std::size_t offset = 0;
  std::size_t length = 0;
};

// The lines of a document, split at CR LF only (a lone CR or LF stays inside its line). Every line
// is returned, a short last line without CR LF included; a CR LF at the very end does not start an
// empty line; an empty document is one empty line.
std::vector<std::string> documentLines(std::string_view text);

// The limits of the advice format: entry starts are 16-bit numbers.
inline constexpr int kMaxAdviceMarkers = 21;
inline constexpr std::size_t kMaxAdviceMarkerPosition = 32764;  // counted from 1

// The entries of an advice document. A marker is a line that holds "$" alone; the entries are the
// texts between markers, each with the CR LF before the next marker. Text before the first marker
// or after the last one is shown as an entry of its own unless it is blank. `yield` runs once per
// marker found. nullopt when the document has more than kMaxAdviceMarkers markers, a marker past
// kMaxAdviceMarkerPosition, or no entry at all.
std::optional<std::vector<TextSpan>> adviceEntries(std::string_view text,
                                                   const std::function<void()>& yield = {});

// The file name of a document, in the program folder.
const char* documentFile(ViewerDocument document);

class Form2 {
 public:
  // yieldEvents lets pending window events run (timer ticks) during the advice scan; it may be
  // empty.
  // The documents are read through `files`.
  explicit Form2(const Settings& settings, std::function<void()> yieldEvents = {}, FileReader& files = diskFiles());

  // ---- Window and controls (geometry in twips) ----
  static constexpr int kClientWidth = 8100, kClientHeight = 8280;
  // The height that a caption bar and the borders add to the client area: `Height` is the outer
  // height, as the advice layout sets it.
  static constexpr int kFrameHeight = 510;
  static constexpr int kAdviceHeight = 2755;
  static constexpr std::uintmax_t kMaxDocumentBytes = 64u * 1024 * 1024;
  static constexpr const char* kFailureTitle = "Richiesta ignorata ...";
  static constexpr Rect ListaiRect{120, 120, 7845, 7470};
  static constexpr Rect UnConsRect{120, 120, 7815, 1455};
  static constexpr Rect IndietroRect{360, 1680, 1215, 375};
  static constexpr Rect AvantiRect{4800, 1680, 1215, 375};

  std::string Caption;
  int Height = kClientHeight + kFrameHeight;
  ListBox Listai;
  TextBox UnCons{.text = "", .enabled = true, .visible = false};
  Button Indietro{.caption = "Indietro", .visible = false};
  Button Avanti{.caption = "Avanti", .visible = false};
  Button Command1{.caption = "Chiudi"};
  Rect Command1Rect{6600, 7800, 1245, 420};

  // Set once the window has been closed (by the button or through the frame).
  bool unloaded = false;

  // ---- Handlers ----
  // Reads the document chosen by viewerText and fills the window. On failure nothing is shown and
  // the caller shows the message box, then closes the window.
  std::optional<ViewerFailure> Form_Load();
  void Avanti_Click();
  void Indietro_Click();
  void Command1_Click();
  void Form_Unload();

  // ---- Document ----
  bool adviceMode() const { return adviceMode_; }
  // The help lines up its columns and the underlines of its headings with spaces and dashes: it
  // is shown in a fixed-pitch face.
  bool fixedPitch() const { return settings_.viewerText == ViewerDocument::Help; }
  const std::string& documentPath() const { return path_; }
  int entryCount() const { return int(entries_.size()); }
  // Index of the advice entry shown, -1 before the first.
  int entryShown() const { return shown_; }

 private:
  void showEntry(int index);

  const Settings& settings_;
  FileReader& files_;
  std::function<void()> yieldEvents_;
  bool adviceMode_ = false;
  std::string path_;
  std::string text_;
  std::vector<TextSpan> entries_;
  int shown_ = -1;
};

}  // namespace vocari
