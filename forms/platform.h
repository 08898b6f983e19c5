// What the game needs from the window system beyond the state of its controls.
#pragma once

#include <string>

namespace vocari {

enum class ModalWindow { Viewer, Options, Info };

struct FileDialogRequest {
  std::string title;
  std::string startFolder;
  bool mustExist = false;       // open dialog: only existing files
  bool confirmReplace = false;  // save dialog: ask before replacing a file
  std::string defaultSuffix;    // save dialog: added to a name without an extension ("txt")
};

enum class MessageIcon { Information, Warning };

// A day of the local calendar.
struct CalendarDate {
  int year = 0, month = 0, day = 0;
  bool operator==(const CalendarDate&) const = default;
};

// The filter offered by both game-file dialogs. Every file, with or without an extension, is
// listed under the second.
inline constexpr const char* kGameFileFilter[2][2] = {{"Files di testo (*.txt)", "*.txt"},
                                                      {"Tutti i files (*)", "*"}};

class Platform {
 public:
  virtual ~Platform() = default;
  // Lets pending window events (input, timer ticks, paints) run, then returns.
  virtual void processEvents() = 0;
  // Draws the windows now, before the caller goes on.
  virtual void repaint() = 0;
  // The standard alert sound.
  virtual void beep() = 0;
  // Monotonic clock in seconds.
  virtual double clock() = 0;
  // Today's date in the local calendar.
  virtual CalendarDate today() = 0;
  // Puts the text on the clipboard.
  virtual void copyText(const std::string& text) = 0;
  // Modal file dialogs: the chosen full path, or "" when cancelled.
  virtual std::string chooseOpenFile(const FileDialogRequest& request) = 0;
  virtual std::string chooseSaveFile(const FileDialogRequest& request) = 0;
  // A modal message box with that icon and an OK button.
  virtual void messageBox(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  // Opens a secondary window modally; returns when it has closed.
  virtual void showModal(ModalWindow window) = 0;
  // Ends the program.
  virtual void quit(int status) = 0;
};

}  // namespace vocari
