// A picture stretched over its widget, drawn at the screen's pixel ratio, with an optional
// one-pixel outline. With no picture source it is only the outline (the board's frame shape).
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace vocari {

class PictureWidget : public QWidget {
  Q_OBJECT

 public:
  // Renders the picture for a size in device-independent pixels and a device pixel ratio.
  using Source = std::function<QPixmap(QSize size, qreal dpr)>;

  explicit PictureWidget(QWidget* parent = nullptr);

  // A new source; `key` tells sources apart, so setting the same key again keeps the picture.
  void setSource(int key, Source source);
  int sourceKey() const { return key_; }
  void setOutline(QColor colour, qreal width = 1);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int key_ = -1;
  Source source_;
  QColor outline_;
  qreal outlineWidth_ = 1;
  QPixmap cache_;
};

}  // namespace vocari
