// The word path drawn over the dice: one segment per die, 5 pixels wide, in the segment's own
// colour. A segment whose ends coincide is drawn as a round dot. The widget lets every mouse
// event through to the dice below it.
#pragma once

#include <QColor>
#include <QLineF>
#include <QWidget>
#include <vector>

namespace vocari {

struct PathSegment {
  QLineF line;  // device-independent pixels, relative to the widget
  QColor colour;
  bool visible = false;

  bool operator==(const PathSegment&) const = default;
};

class PathLinesWidget : public QWidget {
  Q_OBJECT

 public:
  static constexpr qreal kLineWidth = 5;

  explicit PathLinesWidget(QWidget* parent = nullptr);

  void setSegments(std::vector<PathSegment> segments);
  // The pen width in pixels: kLineWidth times the window's scale.
  void setLineWidth(qreal width);
  qreal lineWidth() const { return lineWidth_; }
  const std::vector<PathSegment>& segments() const { return segments_; }
  int visibleCount() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<PathSegment> segments_;
  qreal lineWidth_ = kLineWidth;
};

}  // namespace vocari
