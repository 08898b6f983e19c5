// Window units and fonts shared by every window: geometry is given in twips (15 to a pixel at
// 96 dots per inch), fonts by the face the game was designed with, falling back to installed ones.
#pragma once

#include <QFont>
#include <QRect>

#include "forms/controls.h"

namespace vocari {

enum class Face { SansSerif, Tahoma, Courier };

QFont controlFont(Face face, qreal points, bool bold, bool italic = false);
inline QFont sansSerif(qreal points, bool bold) { return controlFont(Face::SansSerif, points, bold); }

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

}  // namespace vocari
