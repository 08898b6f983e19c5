#include "qt/path_lines_widget.h"

#include <QPainter>
#include <algorithm>

namespace vocari {

PathLinesWidget::PathLinesWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void PathLinesWidget::setSegments(std::vector<PathSegment> segments) {
  if (segments == segments_) return;
  segments_ = std::move(segments);
  update();
}

void PathLinesWidget::setLineWidth(qreal width) {
  if (width == lineWidth_) return;
  lineWidth_ = width;
  update();
}

int PathLinesWidget::visibleCount() const {
  return int(std::count_if(segments_.begin(), segments_.end(), [](const PathSegment& s) { return s.visible; }));
}

void PathLinesWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const PathSegment& s : segments_) {
    if (!s.visible) continue;
    painter.setPen(QPen(s.colour, lineWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (s.line.p1() == s.line.p2())
      painter.drawPoint(s.line.p1());
    else
      painter.drawLine(s.line);
  }
}

}  // namespace vocari
