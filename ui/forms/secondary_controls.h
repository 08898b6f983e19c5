// Controls that only the secondary windows use, held as data like those of controls.h.
#pragma once

#include <string>

namespace vocari {

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

}  // namespace vocari
