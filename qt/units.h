// Window units, colours and fonts shared by every window, and the small widget helpers they all
// use: geometry is given in twips (15 to a pixel at 96 dots per inch), colours as the models hold
// them, fonts by the face the game was designed with, falling back to installed ones.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "forms/controls.h"

class QLabel;
class QWidget;

namespace vocari {

enum class Face { SansSerif, Tahoma, Courier };

QFont controlFont(Face face, qreal points, bool bold, bool italic = false);
inline QFont sansSerif(qreal points, bool bold) { return controlFont(Face::SansSerif, points, bold); }

// How a label's text is kept whole where the substitute faces run wider than the original ones:
// from `points`, the font shrinks by `step` while the text does not fit and the size is above
// `floor`. Fitting means every line as wide as the label's contents at most and, with `height`,
// all the lines as high.
struct FontFit {
  qreal points;
  qreal step;
  qreal floor;
  bool height;
};
// Gives the label the font its text fits at; the face and weight stay the label's.
void fitFont(QLabel* label, const FontFit& fit);
// The secondary windows' labels: from `points`, half a point at a time until the size is 6 or
// less, each line within the label's width.
constexpr FontFit widthFit(qreal points) { return {points, 0.5, 6, false}; }

// Twips to device-independent pixels, rounded to the nearest pixel.
constexpr int px(int twips) { return (twips + 7) / 15; }
inline QRect twipsRect(int left, int top, int width, int height) {
  return QRect(px(left), px(top), px(width), px(height));
}
inline QRect twipsRect(const Rect& r) { return twipsRect(r.left, r.top, r.width, r.height); }

// The same at a window scale (1: the sizes above).
inline int px(int twips, qreal scale) { return qRound(twips * scale / 15.0); }
inline QRect twipsRect(const Rect& r, qreal scale) {
  return QRect(px(r.left, scale), px(r.top, scale), px(r.width, scale), px(r.height, scale));
}

// A colour of a model (red in the low byte) as Qt's; the system colour kWindowTextColour is the
// theme's colour for text on a window.
QColor toQColor(Colour c);

// Fills the widget's background with a colour.
void setBackground(QWidget* widget, const QColor& colour);
// Shows or hides a widget, touching it only when that changes something.
void setShown(QWidget* widget, bool visible);

}  // namespace vocari
