#include "qt/die_widget.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include "core/tables.h"
#include "qt/pictures.h"

namespace vocari {

namespace {

// The 26 tiles are shared by the 16 dice; a deal only copies them.
QPixmap cachedTile(int letterIndex, QSize size, qreal dpr) {
  const QString key =
      QStringLiteral("vocari-tile/%1/%2x%3@%4").arg(letterIndex).arg(size.width()).arg(size.height()).arg(dpr);
  QPixmap tile;
  if (!QPixmapCache::find(key, &tile)) {
    tile = letterTile(letterIndex, size, dpr);
    QPixmapCache::insert(key, tile);
  }
  return tile;
}

}  // namespace

DieWidget::DieWidget(int position, QWidget* parent) : QWidget(parent), position_(position) {
  setObjectName(QStringLiteral("imgH_%1").arg(position));
  setProperty("index", position);
  setFocusPolicy(Qt::NoFocus);
}

void DieWidget::setState(int letterIndex, bool framed) {
  if (letterIndex == letterIndex_ && framed == framed_) return;
  const bool renamed = letterIndex != letterIndex_, toggled = framed != framed_;
  letterIndex_ = letterIndex;
  framed_ = framed;
  update();
  if (renamed) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
  if (toggled) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
  }
}

void DieWidget::setFrameWidth(qreal width) {
  if (width == frameWidth_) return;
  frameWidth_ = width;
  update();
}

QString DieWidget::spokenName() const {
  if (letterIndex_ < 0 || letterIndex_ >= kLetters) return QStringLiteral("Dado vuoto");
  const int points = letterPoints[std::size_t(letterIndex_)];
  return QStringLiteral("%1, %2 %3")
      .arg(QChar::fromLatin1(letters[std::size_t(letterIndex_)]))
      .arg(points)
      .arg(points == 1 ? QStringLiteral("punto") : QStringLiteral("punti"));
}

void DieWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(rect(), cachedTile(letterIndex_, size(), devicePixelRatioF()));
  if (framed_) {
    const qreal half = frameWidth_ / 2.0;
    painter.setPen(QPen(Qt::black, frameWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
  }
}

void DieWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  event->accept();
}

void DieWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (wasPressed && rect().contains(event->position().toPoint()) && onClick) onClick(position_);
}

void DieWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = false;  // the release that ends a double click is no click
  if (onDoubleClick) onDoubleClick(position_);
}

}  // namespace vocari
