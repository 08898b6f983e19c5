#include "qt/units.h"

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

}  // namespace vocari
