#include "qt/units.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QStringList>

namespace vocari {

QFont controlFont(Face face, qreal points, bool bold, bool italic) {
  QFont font;
  switch (face) {
    case Face::SansSerif:
      font.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"});
      break;
    case Face::Tahoma:
      font.setFamilies({"Tahoma", "DejaVu Sans", "Verdana", "Liberation Sans"});
      break;
    case Face::Courier:
      font.setFamilies({"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"});
      font.setStyleHint(QFont::Monospace);
      break;
  }
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

void fitFont(QLabel* label, const FontFit& fit) {
  const QSize room = label->contentsRect().size();
  QFont font = label->font();
  font.setPointSizeF(fit.points);
  const auto fits = [&] {
    const QSize need = QFontMetrics(font).boundingRect(QRect(), Qt::AlignLeft, label->text()).size();
    return need.width() <= room.width() && (!fit.height || need.height() <= room.height());
  };
  while (!fits() && font.pointSizeF() > fit.floor) font.setPointSizeF(font.pointSizeF() - fit.step);
  if (label->font() != font) label->setFont(font);
}

QColor toQColor(Colour c) {
  if (c == kWindowTextColour) return QGuiApplication::palette().color(QPalette::WindowText);
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

void setBackground(QWidget* widget, const QColor& colour) {
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, colour);
  widget->setPalette(p);
  widget->setAutoFillBackground(true);
}

void setShown(QWidget* widget, bool visible) {
  if (widget->isHidden() == visible) widget->setVisible(visible);
}

}  // namespace vocari
