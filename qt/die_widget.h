// One die of the board: its letter tile stretched over the widget, a frame while it is picked,
// the keyboard cursor while it is on it, and the click, double-click and drag of the player.
#pragma once

#include <QWidget>
#include <functional>

namespace vocari {

class DieWidget : public QWidget {
  Q_OBJECT

 public:
  DieWidget(int position, QWidget* parent = nullptr);

  int position() const { return position_; }
  int letterIndex() const { return letterIndex_; }
  bool framed() const { return framed_; }
  bool underCursor() const { return underCursor_; }
  // -1 shows the blank die. A change is reported to assistive technology; the die the cursor
  // comes onto is reported as the focus.
  void setState(int letterIndex, bool framed, bool underCursor = false);
  // What a screen reader says of the die: "A, 1 punto", "U, 4 punti", or "Dado vuoto" before a
  // deal; under the cursor with its place: "R, 2 punti, riga 2 colonna 3".
  QString spokenName() const;

  // A click is a press and a release on the die; the second press of a double click gives
  // `onDoubleClick` instead of a second click.
  std::function<void(int position)> onClick;
  std::function<void(int position)> onDoubleClick;
  // A drag: the pointer, its button held since a press on this die, comes into the middle of
  // another die of the board (`onDragStart` with this die first, then `onDragEnter` with each die
  // it comes into); the release then gives `onDragEnd` instead of a click.
  std::function<void(int position)> onDragStart;
  std::function<void(int position)> onDragEnter;
  std::function<void()> onDragEnd;

  static constexpr int kFrameWidth = 3;
  // The frame's width in pixels, kFrameWidth times the window's scale.
  void setFrameWidth(qreal width);
  qreal frameWidth() const { return frameWidth_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int position_;
  int letterIndex_ = -1;
  bool framed_ = false;
  bool underCursor_ = false;
  bool pressed_ = false;
  bool dragged_ = false;
  int over_ = 0;  // during a press, the die the pointer last came into
  qreal frameWidth_ = kFrameWidth;
};

}  // namespace vocari
