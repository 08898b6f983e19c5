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

void DieWidget::setState(int letterIndex, bool framed, bool underCursor) {
  if (letterIndex == letterIndex_ && framed == framed_ && underCursor == underCursor_) return;
  const bool renamed = letterIndex != letterIndex_ || underCursor != underCursor_, toggled = framed != framed_;
  const bool cursorCame = underCursor && !underCursor_;
  letterIndex_ = letterIndex;
  framed_ = framed;
  underCursor_ = underCursor;
  update();
  if (cursorCame) {
    QAccessibleEvent event(this, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
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
  QString name;
  if (letterIndex_ < 0 || letterIndex_ >= kLetters) {
    name = QStringLiteral("Dado vuoto");
  } else {
    const int points = letterPoints[std::size_t(letterIndex_)];
    name = QStringLiteral("%1, %2 %3")
               .arg(QChar::fromLatin1(letters[std::size_t(letterIndex_)]))
               .arg(points)
               .arg(points == 1 ? QStringLiteral("punto") : QStringLiteral("punti"));
  }
  if (underCursor_) name += QStringLiteral(", riga %1 colonna %2").arg(rowOf(position_)).arg(columnOf(position_));
  return name;
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
  if (underCursor_) {
    // The cursor: a light blue tint and a dashed blue edge over the frame's band, clear of the
    // letter and of its points.
    const qreal half = frameWidth_ / 2.0;
    painter.fillRect(rect(), QColor(0, 0, 255, 40));
    painter.setPen(QPen(QColor(0, 0, 255), frameWidth_, Qt::DashLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
  }
}

void DieWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    dragged_ = false;
    over_ = position_;
  }
  event->accept();
}

void DieWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool wasPressed = pressed_, wasDragged = dragged_;
  pressed_ = dragged_ = false;
  if (wasDragged) {
    if (onDragEnd) onDragEnd();
  } else if (wasPressed && rect().contains(event->position().toPoint()) && onClick) {
    onClick(position_);
  }
}

void DieWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = dragged_ = false;  // the release that ends a double click is no click
  if (onDoubleClick) onDoubleClick(position_);
}

// A die is come into when the pointer reaches its middle (the inner three fifths), so that a
// diagonal move that grazes the corner of a third die does not pick it.
void DieWidget::mouseMoveEvent(QMouseEvent* event) {
  QWidget* board = parentWidget();
  if (!pressed_ || !board) return;
  const QPoint at = mapTo(board, event->position().toPoint());
  const auto* die = qobject_cast<const DieWidget*>(board->childAt(at));
  if (!die || die->position_ == over_) return;
  const QRect g = die->geometry();
  if (!g.adjusted(g.width() / 5, g.height() / 5, -g.width() / 5, -g.height() / 5).contains(at)) return;
  over_ = die->position_;
  if (!dragged_) {
    dragged_ = true;
    if (onDragStart) onDragStart(position_);
  }
  if (onDragEnter) onDragEnter(over_);
}

}  // namespace vocari
