#include "qt/picture_widget.h"

#include <QPainter>

namespace vocari {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureWidget::setSource(int key, Source source) {
  if (key == key_ && source_) return;
  key_ = key;
  source_ = std::move(source);
  cache_ = QPixmap();
  update();
}

void PictureWidget::setOutline(QColor colour, qreal width) {
  outline_ = colour;
  outlineWidth_ = width;
  update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (source_) {
    const qreal dpr = devicePixelRatioF();
    if (cache_.isNull() || cache_.deviceIndependentSize().toSize() != size() || cache_.devicePixelRatio() != dpr)
      cache_ = source_(size(), dpr);
    if (!cache_.isNull()) painter.drawPixmap(rect(), cache_);
  }
  if (outline_.isValid()) {
    const qreal half = outlineWidth_ / 2;
    painter.setPen(QPen(outline_, outlineWidth_));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
  }
}

}  // namespace vocari
