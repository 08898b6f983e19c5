#include "qt/pictures.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/tables.h"

namespace vocari {
namespace {

qreal usableDpr(qreal dpr) { return std::isfinite(dpr) && dpr > 0 ? dpr : 1.0; }

// Renders a picture designed in `nominal` units onto size x dpr device pixels. `draw` paints in the
// nominal coordinate system; the painter maps it onto the whole image.
template <class Draw>
QPixmap render(QSize size, qreal dpr, QSizeF nominal, Draw&& draw) {
  if (size.width() <= 0 || size.height() <= 0) return {};
  dpr = usableDpr(dpr);
  const double wd = std::round(size.width() * dpr);
  const double hd = std::round(size.height() * dpr);
  if (!(wd <= kMaxPicturePixels && hd <= kMaxPicturePixels)) return {};
  const int w = std::max(1, int(wd));
  const int h = std::max(1, int(hd));
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    p.scale(w / nominal.width(), h / nominal.height());
    draw(p);
  }
  image.setDevicePixelRatio(dpr);
  return QPixmap::fromImage(std::move(image));
}

// Text is drawn as outlines so it scales exactly with the picture; the font size only sets the
// precision of those outlines.
QFont boldFont() {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
  font.setWeight(QFont::Bold);
  font.setPixelSize(200);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QPainterPath textPath(const QString& text, const QFont& font) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path;
}

// A blend from one colour at `start` to another at `end`.
QLinearGradient blend(QPointF start, QPointF end, const QColor& from, const QColor& to) {
  QLinearGradient gradient(start, end);
  gradient.setColorAt(0, from);
  gradient.setColorAt(1, to);
  return gradient;
}

// ---- Letter tiles (designed on 80 x 80) ---------------------------------------------------------

constexpr double kTile = 80;
constexpr double kCapHeight = 38;     // height of the capital
constexpr double kCapBaseline = 64;   // its baseline
constexpr double kCapCentreX = 37;    // a little left of centre, to leave room for the digit
constexpr double kCapMaxWidth = 48;
constexpr double kDigitHeight = 15;
constexpr double kDigitRight = 74.5;
constexpr double kDigitTop = 11;

void drawTileFace(QPainter& p) {
  p.fillRect(QRectF(0, 0, kTile, kTile), Qt::white);
  // A soft shade along the lower and right edges gives the die some body.
  const QColor clear(0, 0, 0, 0);
  p.fillRect(QRectF(0, kTile - 9, kTile, 9), blend({0, kTile - 9}, {0, kTile}, clear, QColor(0, 0, 0, 30)));
  p.fillRect(QRectF(kTile - 9, 0, 9, kTile), blend({kTile - 9, 0}, {kTile, 0}, clear, QColor(0, 0, 0, 22)));
  p.setPen(QPen(QColor(150, 150, 150), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.75, 0.75, kTile - 1.5, kTile - 1.5));
}

// Scales an outline so that a reference glyph's ink is `height` tall.
double scaleFor(const QFont& font, const QString& reference, double height) {
  const QRectF ink = textPath(reference, font).boundingRect();
  return ink.height() > 0 ? height / ink.height() : 1.0;
}

void drawTileLetter(QPainter& p, int index) {
  const QFont font = boldFont();
  const QPainterPath glyph = textPath(QString(QChar(letters[index])), font);
  double s = scaleFor(font, QStringLiteral("H"), kCapHeight);
  double baseline = kCapBaseline;
  const QRectF ink = glyph.boundingRect();
  if (ink.width() * s > kCapMaxWidth) {  // W and M: shrink about the middle of the capital
    const double shrink = kCapMaxWidth / (ink.width() * s);
    baseline = kCapBaseline - kCapHeight * (1 - shrink) / 2;
    s *= shrink;
  }
  QTransform t;
  t.translate(kCapCentreX - ink.center().x() * s, baseline);
  t.scale(s, s);
  p.fillPath(t.map(glyph), Qt::black);

  const QPainterPath digit = textPath(QString::number(letterPoints[index]), font);
  const double ds = scaleFor(font, QStringLiteral("8"), kDigitHeight);
  const QRectF dink = digit.boundingRect();
  QTransform dt;
  dt.translate(kDigitRight - dink.right() * ds, kDigitTop - dink.top() * ds);
  dt.scale(ds, ds);
  p.fillPath(dt.map(digit), Qt::black);
}

void drawTile(QPainter& p, int index) {
  drawTileFace(p);
  if (index >= 0 && index < kLetters) drawTileLetter(p, index);
}

// ---- Season backgrounds (designed on 289 x 289) -------------------------------------------------

constexpr double kBoard = 289;
constexpr double kDieOffset = 8, kDiePitch = 72, kDie = 57;
constexpr double kSquare = 65, kSquareRadius = 11;

struct Season {
  QColor fieldLight, fieldDark, squareLight, squareDark, squareEdge;
};

const std::array<Season, kSeasonSchemes> kSeasons = {{
    // winter: light blue with white squares
    {QColor(178, 222, 250), QColor(128, 188, 236), QColor(255, 255, 255), QColor(236, 244, 252),
     QColor(150, 190, 225)},
    // summer: green with yellow squares
    {QColor(70, 175, 70), QColor(30, 130, 50), QColor(255, 236, 90), QColor(250, 205, 30),
     QColor(200, 150, 20)},
    // spring: pale green with pink squares
    {QColor(212, 244, 200), QColor(180, 228, 170), QColor(255, 200, 218), QColor(250, 165, 195),
     QColor(215, 120, 160)},
    // autumn: orange with grey squares
    {QColor(245, 150, 50), QColor(215, 105, 25), QColor(180, 180, 180), QColor(145, 145, 145),
     QColor(105, 105, 105)},
}};

void drawSeason(QPainter& p, int scheme) {
  const Season& s = kSeasons[scheme >= 0 && scheme < kSeasonSchemes ? scheme : 0];
  p.fillRect(QRectF(0, 0, kBoard, kBoard), blend({0, 0}, {kBoard, kBoard}, s.fieldLight, s.fieldDark));

  const double inset = (kSquare - kDie) / 2;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      const QRectF sq(kDieOffset - inset + kDiePitch * c, kDieOffset - inset + kDiePitch * r,
                      kSquare, kSquare);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 0, 0, 40));
      p.drawRoundedRect(sq.translated(1.2, 1.6), kSquareRadius, kSquareRadius);
      p.setBrush(blend(sq.topLeft(), sq.bottomRight(), s.squareLight, s.squareDark));
      p.setPen(QPen(s.squareEdge, 1.2));
      p.drawRoundedRect(sq.adjusted(0.6, 0.6, -0.6, -0.6), kSquareRadius, kSquareRadius);
    }
  }
}

// ---- The spinning top ---------------------------------------------------------------------------

// Its stripes from the stem down to the tip.
const std::array<QColor, 7> kRainbow = {QColor(228, 38, 38),  QColor(250, 140, 25),
                                        QColor(250, 215, 35), QColor(55, 175, 70),
                                        QColor(35, 140, 230), QColor(75, 70, 200),
                                        QColor(155, 60, 190)};

// The top's body in its own coordinates: the tip at (0, 0), pointing down; widest at y = -40.
QPainterPath topBody() {
  QPainterPath body;
  body.moveTo(0, 0);
  body.cubicTo(-6, -8, -31, -26, -31, -40);
  body.cubicTo(-31, -52, -16, -58, 0, -58);
  body.cubicTo(16, -58, 31, -52, 31, -40);
  body.cubicTo(31, -26, 6, -8, 0, 0);
  body.closeSubpath();
  return body;
}

double halfWidthAt(const QPainterPath& body, double y) {
  QPainterPath strip;
  strip.addRect(QRectF(-100, y - 0.25, 200, 0.5));
  return body.intersected(strip).boundingRect().width() / 2;
}

void drawTopGroundShadow(QPainter& p, QPointF centre, double rx, double ry) {
  QRadialGradient g(0, 0, 1);
  g.setColorAt(0, QColor(0, 0, 0, 70));
  g.setColorAt(1, QColor(0, 0, 0, 0));
  p.save();
  p.translate(centre);
  p.scale(rx, ry);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
  p.restore();
}

// The top seen from the side, slightly from above, tip at the origin; `outline` is the pen width.
void drawTopSide(QPainter& p, double outline) {
  const QPainterPath body = topBody();
  p.save();
  p.setClipPath(body, Qt::IntersectClip);
  p.fillPath(body, kRainbow.back());
  // The stripes follow the body's circles of latitude, seen as ellipses from a little above: each
  // stripe covers everything above the front arc of its lower circle.
  constexpr std::array<double, 6> kLatitudes = {-10, -18, -26, -34, -42, -50};
  for (size_t i = 0; i < kLatitudes.size(); ++i) {
    const double y = kLatitudes[i];
    const double r = halfWidthAt(body, y);
    QPainterPath above;
    above.addRect(QRectF(-100, -200, 200, 200 + y));
    QPainterPath arc;
    arc.addEllipse(QPointF(0, y), r, r * 0.28);
    p.fillPath(above.united(arc), kRainbow[kRainbow.size() - 2 - i]);
  }
  // Roundness: light from the upper left.
  QLinearGradient shade(-31, 0, 31, 0);
  shade.setColorAt(0.0, QColor(255, 255, 255, 60));
  shade.setColorAt(0.3, QColor(255, 255, 255, 0));
  shade.setColorAt(0.55, QColor(0, 0, 0, 0));
  shade.setColorAt(1.0, QColor(0, 0, 0, 95));
  p.fillPath(body, shade);
  QRadialGradient gloss(QPointF(-13, -47), 11);
  gloss.setColorAt(0, QColor(255, 255, 255, 150));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillPath(body, gloss);
  p.restore();

  p.setPen(QPen(QColor(45, 35, 55), outline));
  p.setBrush(Qt::NoBrush);
  p.drawPath(body);

  // The stem, set into the top of the dome.
  const QLinearGradient wood = blend({-3.5, 0}, {3.5, 0}, QColor(205, 150, 90), QColor(120, 75, 35));
  p.setPen(QPen(QColor(70, 45, 25), outline * 0.8));
  p.setBrush(QColor(90, 60, 35));
  p.drawEllipse(QPointF(0, -56.5), 6, 2.2);
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(-3.5, -75, 7, 19), 2, 2);
  QRadialGradient knob(QPointF(-1.5, -76.5), 5);
  knob.setColorAt(0, QColor(225, 175, 115));
  knob.setColorAt(1, QColor(135, 85, 40));
  p.setBrush(knob);
  p.drawEllipse(QPointF(0, -75), 5, 3.2);
}

// The top seen from straight above, centred on the origin: its stripes become rings.
void drawTopFromAbove(QPainter& p, double outline) {
  constexpr double kRadius = 34;
  drawTopGroundShadow(p, QPointF(3, 4), kRadius + 4, kRadius + 4);
  p.setPen(Qt::NoPen);
  // Rings outside in, each smaller one laid on the bigger: red round the stem, violet at the rim.
  for (size_t i = 0; i < kRainbow.size(); ++i) {
    const double r = kRadius - 4.0 * double(i);
    p.setBrush(kRainbow[kRainbow.size() - 1 - i]);
    p.drawEllipse(QPointF(0, 0), r, r);
  }
  QRadialGradient shade(QPointF(-10, -10), kRadius * 1.5);
  shade.setColorAt(0.0, QColor(255, 255, 255, 90));
  shade.setColorAt(0.45, QColor(255, 255, 255, 0));
  shade.setColorAt(0.8, QColor(0, 0, 0, 30));
  shade.setColorAt(1.0, QColor(0, 0, 0, 90));
  p.setBrush(shade);
  p.drawEllipse(QPointF(0, 0), kRadius, kRadius);
  p.setPen(QPen(QColor(45, 35, 55), outline));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(0, 0), kRadius, kRadius);

  QRadialGradient knob(QPointF(-2, -2), 6);
  knob.setColorAt(0, QColor(225, 175, 115));
  knob.setColorAt(1, QColor(120, 75, 35));
  p.setPen(QPen(QColor(70, 45, 25), outline * 0.8));
  p.setBrush(knob);
  p.drawEllipse(QPointF(0, 0), 5, 5);

  // Two strokes round the rim show the turn.
  p.setPen(QPen(QColor(90, 90, 110, 150), 1.6, Qt::SolidLine, Qt::RoundCap));
  const QRectF rim(-kRadius - 6, -kRadius - 6, 2 * kRadius + 12, 2 * kRadius + 12);
  p.drawArc(rim, 100 * 16, 55 * 16);
  p.drawArc(rim, 280 * 16, 55 * 16);
}

constexpr double kFrame = 93;
constexpr double kTilt = 18;  // degrees

void drawTopFrame(QPainter& p, int frame) {
  if (frame == 3) {
    p.translate(kFrame / 2, kFrame / 2);
    drawTopFromAbove(p, 1.2);
    return;
  }
  const double tilt = (frame - 1) * kTilt;  // frame 0 leans left, frame 2 right
  p.translate(kFrame / 2, 86);
  drawTopGroundShadow(p, QPointF(tilt * 0.25, 1), 18, 3.5);
  p.rotate(tilt);
  drawTopSide(p, 1.2);
}

// ---- Splash title (designed on 303 x 147) -------------------------------------------------------

void drawSplashTitle(QPainter& p) {
  constexpr double kW = 303, kH = 147, kMargin = 9, kShadow = 5, kStretch = 1.65, kAngle = -6;
  p.fillRect(QRectF(0, 0, kW, kH), Qt::white);

  QFont font = boldFont();
  font.setLetterSpacing(QFont::PercentageSpacing, 108);
  QTransform shape;  // tall block capitals, rising to the right
  shape.rotate(kAngle);
  shape.scale(1, kStretch);
  const QPainterPath word = shape.map(textPath(QStringLiteral("VOCARI"), font));
  const QRectF b = word.boundingRect();
  const double s = std::min((kW - 2 * kMargin - kShadow) / b.width(),
                            (kH - 2 * kMargin - kShadow) / b.height());
  QTransform place;
  place.translate((kW - kShadow - b.width() * s) / 2 - b.left() * s,
                  (kH - kShadow - b.height() * s) / 2 - b.top() * s);
  place.scale(s, s);
  const QPainterPath title = place.map(word);
  const QRectF tb = title.boundingRect();

  p.fillPath(title.translated(kShadow, kShadow), QColor(196, 160, 228));
  p.fillPath(title, blend({0, tb.top()}, {0, tb.bottom()}, QColor(125, 215, 80), QColor(10, 135, 45)));
  p.setPen(QPen(QColor(0, 85, 30), 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(title);
}

// ---- Information window (designed on 296 x 196) -------------------------------------------------

void drawInfoBackground(QPainter& p) {
  constexpr double kW = 296, kH = 196;
  p.fillRect(QRectF(0, 0, kW, kH), blend({0, 0}, {0, kH}, QColor(22, 52, 180), QColor(12, 32, 140)));

  // Lower left: a spinning top on a pool of light, with two dice beside it.
  QRadialGradient glow(QPointF(52, 168), 60);
  glow.setColorAt(0, QColor(255, 255, 255, 55));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  p.fillRect(QRectF(0, 100, 120, kH - 100), glow);

  p.save();
  p.translate(50, 184);
  p.scale(0.95, 0.95);
  drawTopGroundShadow(p, QPointF(-3, 1), 18, 3.5);
  p.rotate(-10);
  drawTopSide(p, 1.3);
  p.restore();

  struct Die {
    double x, y, size, angle;
    char letter;
  };
  for (const Die d : {Die{92, 166, 22, 12, 'V'}, Die{100, 140, 17, -14, 'I'}}) {
    p.save();
    p.translate(d.x, d.y);
    p.rotate(d.angle);
    p.translate(-d.size / 2, -d.size / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 30, 80));
    p.drawRect(QRectF(1.5, 1.5, d.size, d.size));
    p.scale(d.size / kTile, d.size / kTile);
    drawTile(p, letterIndex(d.letter));
    p.restore();
  }
}

// ---- Close button (designed on 31 x 29) ---------------------------------------------------------

void drawCloseButton(QPainter& p) {
  constexpr double kW = 31, kH = 29;
  p.fillRect(QRectF(0, 0, kW, kH), blend({0, 0}, {0, kH}, QColor(0, 0, 150), QColor(0, 0, 100)));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(80, 80, 215), 1));
  p.drawPolyline(QPolygonF({QPointF(0.5, kH - 1), QPointF(0.5, 0.5), QPointF(kW - 1, 0.5)}));
  p.setPen(QPen(QColor(0, 0, 55), 1));
  p.drawPolyline(QPolygonF({QPointF(1, kH - 0.5), QPointF(kW - 0.5, kH - 0.5),
                            QPointF(kW - 0.5, 1)}));
  const QPointF c(kW / 2, kH / 2);
  constexpr double kArm = 6.3;
  p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-kArm, -kArm), c + QPointF(kArm, kArm));
  p.drawLine(c + QPointF(kArm, -kArm), c + QPointF(-kArm, kArm));
}

}  // namespace

QPixmap letterTile(int letterIndex, QSize size, qreal dpr) {
  return render(size, dpr, QSizeF(kTile, kTile), [&](QPainter& p) { drawTile(p, letterIndex); });
}

QPixmap seasonBackground(int scheme, QSize size, qreal dpr) {
  return render(size, dpr, QSizeF(kBoard, kBoard), [&](QPainter& p) { drawSeason(p, scheme); });
}

QPixmap spinningTopFrame(int frame, QSize size, qreal dpr) {
  const int f = ((frame % kSpinningTopFrames) + kSpinningTopFrames) % kSpinningTopFrames;
  return render(size, dpr, QSizeF(kFrame, kFrame), [&](QPainter& p) { drawTopFrame(p, f); });
}

QIcon appIcon() {
  QIcon icon;
  for (int side : {16, 20, 24, 32, 40, 48, 64, 128, 256}) {
    // The upright top filling the square; outlines stay about a device pixel wide when small.
    constexpr double kBox = 80;
    icon.addPixmap(render(QSize(side, side), 1.0, QSizeF(kBox, kBox), [&](QPainter& p) {
      p.translate(kBox / 2, kBox - 0.8);
      drawTopSide(p, std::max(1.2, kBox / side));
    }));
  }
  return icon;
}

QPixmap splashTitle(QSize size, qreal dpr) {
  return render(size, dpr, QSizeF(kSplashTitleSize), drawSplashTitle);
}

QPixmap infoBackground(QSize size, qreal dpr) {
  return render(size, dpr, QSizeF(kInfoBackgroundSize), drawInfoBackground);
}

QPixmap closeButtonPicture(QSize size, qreal dpr) {
  return render(size, dpr, QSizeF(kCloseButtonSize), drawCloseButton);
}

}  // namespace vocari
