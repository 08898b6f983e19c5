// One die of the board: its letter tile stretched over the widget, a frame while it is picked,
// and the click and double-click of the player.
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
  // -1 shows the blank die. A change is reported to assistive technology.
  void setState(int letterIndex, bool framed);
  // What a screen reader says of the die: "A, 1 punto", "U, 4 punti", or "Dado vuoto" before a
  // deal.
  QString spokenName() const;

  // A click is a press and a release on the die; the second press of a double click gives
  // `onDoubleClick` instead of a second click.
  std::function<void(int position)> onClick;
  std::function<void(int position)> onDoubleClick;

  static constexpr int kFrameWidth = 3;
  // The frame's width in pixels, kFrameWidth times the window's scale.
  void setFrameWidth(qreal width);
  qreal frameWidth() const { return frameWidth_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int position_;
  int letterIndex_ = -1;
  bool framed_ = false;
  bool pressed_ = false;
  qreal frameWidth_ = kFrameWidth;
};

}  // namespace vocari
