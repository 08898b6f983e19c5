// A list box of the main window. A mouse press first makes the entry under the pointer the
// selected one (through `onSelect`), then reports the press; the release is reported after Qt
// has handled it. Any mouse button counts. An entry added alone is scrolled into view, so the
// newest word of the player's list is always seen. A hidden list keeps its rows but tells a
// screen reader nothing of them: no text, no place on screen (hidden solutions stay secret).
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

namespace vocari {

class ListBoxWidget : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBoxWidget(QWidget* parent = nullptr);

  // Mirrors the model's entries, touching the widget only when they changed. A single entry
  // inserted or appended is inserted alone; anything else rebuilds the list.
  void setEntries(const std::vector<std::string>& entries);
  // Mirrors the model's selection (-1: none) without reporting it back.
  void setSelectedRow(int row);
  // Mirrors the model's marks: a marked entry stands out in colour, its text unchanged, and a
  // screen reader hears kMarkedDescription as its description.
  void setMarks(const std::vector<bool>& marks);
  bool isMarked(int row) const;

  static constexpr const char* kMarkedDescription = "trovata";

  std::function<void(int row)> onSelect;
  std::function<void()> onPress;
  std::function<void()> onRelease;
  // A key moved the current entry (after onSelect has reported it); the list lost the focus to
  // another control of its window.
  std::function<void()> onKeyMove;
  std::function<void()> onFocusOut;

  void setVisible(bool visible) override;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Gives the rows [from, to) their text and place, or takes them away while hidden.
  void reveal(int from, int to, bool shown);

  std::vector<std::string> entries_;
  bool concealed_ = false;  // hidden by setVisible(false): the rows carry nothing
  int newest_ = -1;  // the entry added last, kept in view also when the list is resized
};

}  // namespace vocari
