// The state of the window controls, held as data. The window layer draws these and forwards
// events to the handlers. The game derives them from its round and never reads them back; the
// secondary windows' models keep their state in them.
#pragma once

#include <string>
#include <vector>

#include "core/game_state.h"

namespace vocari {

// A system colour: the desktop theme's colour for text on a window, resolved by the window layer.
inline constexpr Colour kWindowTextColour = 0x80000008;

// Geometry in twips (15 twips are one pixel at 96 dots per inch).
struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

struct Label {
  std::string caption;
  Colour foreColor = 0;
  bool visible = true;
  bool enabled = true;
};

struct Button {
  std::string caption;
  bool visible = true;
  bool enabled = true;
};

struct CheckBox {
  std::string caption;
  bool visible = true;
  int value = 0;
};

struct ListBox {
  std::vector<std::string> items;
  bool visible = true;
  int selected = -1;
  // Entries that stand out (the solutions the player found): empty, or one flag per entry.
  std::vector<bool> marked;

  int listCount() const { return int(items.size()); }
  std::string selectedText() const {
    return selected >= 0 && selected < listCount() ? items[selected] : std::string();
  }
};

// A die picture: the letter tile it shows (-1: none yet) and its frame (1: picked).
struct Die {
  Rect geometry;
  int letterIndex = -1;
  int borderStyle = 0;
  bool underCursor = false;  // the keyboard cursor is on it (only while the board has the focus)
};

struct Line {
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  Colour borderColor = kLineRest;
  bool visible = false;
};

// One element of an option-button array. Selecting an element is done through its window's
// select operation, which clears the others and raises the click handler.
struct OptionButton {
  std::string caption;
  bool value = false;
  bool enabled = true;
  bool visible = true;
};

// A text box (single or multi-line). `text` holds UTF-8 bytes as typed or as read from a file.
struct TextBox {
  std::string text;
  bool enabled = true;
  bool visible = true;
};

struct MenuItem {
  bool enabled = true;
};

struct Timer {
  bool enabled = false;
  int interval = 1000;
  // Counts the times the game started the clock; at each new count the window restarts its
  // timer, so the first tick comes one whole interval later, even if the clock was running.
  int starts = 0;
};

}  // namespace vocari
