// The game's pictures: sizes at every device pixel ratio, and what each one must show.

#include <QColor>
#include <QImage>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "ui/qt/pictures.h"

namespace vocari {
namespace {

QImage rgba(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

// The pixel under a point given in device-independent pixels.
QColor at(const QImage& image, double x, double y) {
  const double dpr = image.devicePixelRatio();
  return image.pixelColor(int(x * dpr), int(y * dpr));
}

bool isDark(QColor c) { return c.alpha() > 128 && qGray(c.rgb()) < 100; }
bool isOpaque(QColor c) { return c.alpha() == 255; }

// Hue in degrees (-1 for greys), saturation and value in 0..1.
struct Hsv {
  double h, s, v;
};
Hsv hsv(QColor c) {
  const QColor k = c.toHsv();
  return {k.hsvHueF() < 0 ? -1.0 : k.hsvHueF() * 360.0, k.hsvSaturationF(), k.valueF()};
}
bool hueIn(double h, double lo, double hi) { return h >= lo && h <= hi; }

int count(const QImage& image, const std::function<bool(QColor)>& pred, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += pred(image.pixelColor(x, y));
  return n;
}

// A rectangle given in device-independent pixels, in the image's device pixels.
QRect scaled(const QImage& image, QRectF r) {
  const double d = image.devicePixelRatio();
  return QRectF(r.x() * d, r.y() * d, r.width() * d, r.height() * d).toRect() & image.rect();
}

double meanAbsDifference(const QImage& a, const QImage& b, bool alphaOnly = false) {
  if (a.size() != b.size()) return std::numeric_limits<double>::infinity();
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
      sum += std::abs(p.alpha() - q.alpha());
      if (!alphaOnly)
        sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
               std::abs(p.blue() - q.blue());
    }
  return sum / (a.width() * a.height() * (alphaOnly ? 1 : 4));
}

struct Picture {
  const char* name;
  QSize nominal;
  std::function<QPixmap(QSize, qreal)> draw;
};

const std::vector<Picture>& allPictures() {
  static const std::vector<Picture> pictures = [] {
    std::vector<Picture> v = {
        {"blank tile", kLetterTileSize, [](QSize s, qreal d) { return letterTile(-1, s, d); }},
        {"tile Z", kLetterTileSize, [](QSize s, qreal d) { return letterTile(25, s, d); }},
        {"die W", kDieSize, [](QSize s, qreal d) { return letterTile(22, s, d); }},
        {"splash title", kSplashTitleSize, [](QSize s, qreal d) { return splashTitle(s, d); }},
        {"info background", kInfoBackgroundSize,
         [](QSize s, qreal d) { return infoBackground(s, d); }},
        {"close button", kCloseButtonSize,
         [](QSize s, qreal d) { return closeButtonPicture(s, d); }},
    };
    static const char* seasons[] = {"season 0", "season 1", "season 2", "season 3"};
    for (int k = 0; k < kSeasonSchemes; ++k)
      v.push_back({seasons[k], kSeasonBackgroundSize,
                   [k](QSize s, qreal d) { return seasonBackground(k, s, d); }});
    static const char* frames[] = {"top frame 0", "top frame 1", "top frame 2", "top frame 3"};
    for (int f = 0; f < kSpinningTopFrames; ++f)
      v.push_back({frames[f], kSpinningTopFrameSize,
                   [f](QSize s, qreal d) { return spinningTopFrame(f, s, d); }});
    return v;
  }();
  return pictures;
}

// Letters and point values as the game's rules give them.
constexpr char kExpectedPoints[] =
    "A1 E1 I1 O1 U4 B2 C2 D4 F4 G4 L4 M3 N3 P4 R2 S4 T1 V6 H8 J5 K5 Q5 W8 X7 Y7 Z8";

struct SeasonColours {
  const char* name;
  bool (*field)(Hsv);
  bool (*square)(Hsv);
};
const SeasonColours kSeasonColours[kSeasonSchemes] = {
    {"winter", [](Hsv c) { return hueIn(c.h, 190, 215) && c.s > 0.15 && c.v > 0.8; },
     [](Hsv c) { return c.s < 0.08 && c.v > 0.92; }},
    {"summer", [](Hsv c) { return hueIn(c.h, 100, 150) && c.s > 0.4; },
     [](Hsv c) { return hueIn(c.h, 40, 60) && c.s > 0.5 && c.v > 0.9; }},
    {"spring", [](Hsv c) { return hueIn(c.h, 90, 140) && c.s > 0.1 && c.s < 0.35 && c.v > 0.85; },
     [](Hsv c) { return hueIn(c.h, 320, 355) && c.s > 0.15 && c.v > 0.9; }},
    {"autumn", [](Hsv c) { return hueIn(c.h, 20, 40) && c.s > 0.6; },
     [](Hsv c) { return c.s < 0.05 && c.v > 0.5 && c.v < 0.8; }},
};

// The top-most opaque row's middle, in device-independent pixels: where the stem's knob is.
double knobX(const QImage& frame) {
  for (int y = 0; y < frame.height(); ++y) {
    double sum = 0;
    int n = 0;
    for (int x = 0; x < frame.width(); ++x)
      if (frame.pixelColor(x, y).alpha() > 128) sum += x, ++n;
    if (n) return sum / n / frame.devicePixelRatio();
  }
  return -1;
}

// How many of the seven rainbow colours show, each on at least 8 opaque pixels.
int rainbowHues(const QImage& image) {
  const std::pair<double, double> bands[] = {{0, 12},    {20, 40},   {45, 62}, {90, 150},
                                             {195, 230}, {240, 255}, {270, 300}};
  int present = 0;
  for (const auto& [lo, hi] : bands)
    present += count(image, [&](QColor c) {
                 const Hsv k = hsv(c);
                 return isOpaque(c) && k.s > 0.5 && k.v > 0.45 && hueIn(k.h, lo, hi);
               }) >= 8;
  return present;
}

QPointF centroid(const QImage& image, const std::function<bool(QColor)>& pred, int x0, int x1) {
  double sx = 0, sy = 0;
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = x0; x < x1; ++x)
      if (pred(image.pixelColor(x, y))) sx += x, sy += y, ++n;
  return n ? QPointF(sx / n, sy / n) / image.devicePixelRatio() : QPointF(-1, -1);
}

void addRatioRows() {
  QTest::addColumn<qreal>("dpr");
  QTest::newRow("dpr 1") << qreal(1.0);
  QTest::newRow("dpr 2") << qreal(2.0);
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void sizeIsRequestedSizeTimesRatio_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("dpr");
    for (size_t i = 0; i < allPictures().size(); ++i)
      for (const QSize size : {allPictures()[i].nominal, QSize(40, 30)})
        for (const qreal dpr : {1.0, 1.25, 1.5, 2.0, 3.0})
          QTest::addRow("%s %dx%d @%g", allPictures()[i].name, size.width(), size.height(), dpr)
              << int(i) << size << dpr;
  }
  void sizeIsRequestedSizeTimesRatio() {
    QFETCH(int, picture);
    QFETCH(QSize, size);
    QFETCH(qreal, dpr);
    const QPixmap px = allPictures()[picture].draw(size, dpr);
    QVERIFY(!px.isNull());
    QCOMPARE(px.width(), qRound(size.width() * dpr));
    QCOMPARE(px.height(), qRound(size.height() * dpr));
    QCOMPARE(px.devicePixelRatio(), dpr);
    QVERIFY(std::abs(px.deviceIndependentSize().width() - size.width()) < 0.5);
  }

  // Drawn at twice the ratio and brought back down, a picture must match the one drawn at ratio 1:
  // the drawing fills the same place whatever the ratio.
  void drawingScalesWithTheRatio_data() {
    QTest::addColumn<int>("picture");
    for (size_t i = 0; i < allPictures().size(); ++i)
      QTest::newRow(allPictures()[i].name) << int(i);
  }
  void drawingScalesWithTheRatio() {
    QFETCH(int, picture);
    const Picture& pic = allPictures()[picture];
    const QImage one = rgba(pic.draw(pic.nominal, 1.0));
    const QImage two = rgba(pic.draw(pic.nominal, 2.0))
                           .scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanAbsDifference(one, two);
    QVERIFY2(difference < 6.0, qPrintable(QString::number(difference)));
  }

  void badSizesGiveNullAndBadRatiosCountAsOne_data() { drawingScalesWithTheRatio_data(); }
  void badSizesGiveNullAndBadRatiosCountAsOne() {
    QFETCH(int, picture);
    const Picture& pic = allPictures()[picture];
    QVERIFY(pic.draw(QSize(0, 10), 1.0).isNull());
    QVERIFY(pic.draw(QSize(10, -1), 1.0).isNull());
    QVERIFY(pic.draw(QSize(), 1.0).isNull());
    QVERIFY(pic.draw(QSize(kMaxPicturePixels + 1, 10), 1.0).isNull());
    QVERIFY(pic.draw(QSize(5000, 10), 2.0).isNull());
    QVERIFY(pic.draw(QSize(10, 10), 1e300).isNull());
    const QImage reference = rgba(pic.draw(QSize(20, 20), 1.0));
    for (const qreal bad : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN(),
                            std::numeric_limits<qreal>::infinity()}) {
      const QPixmap px = pic.draw(QSize(20, 20), bad);
      QCOMPARE(px.devicePixelRatio(), 1.0);
      QCOMPARE(rgba(px), reference);
    }
  }

  void everyTileIsDifferentAndTheBlankOneIsPlain() {
    std::vector<QImage> tiles;
    for (int i = -1; i < 26; ++i) tiles.push_back(rgba(letterTile(i, kLetterTileSize, 1.0)));
    for (size_t i = 0; i < tiles.size(); ++i)
      for (size_t j = i + 1; j < tiles.size(); ++j)
        QVERIFY2(tiles[i] != tiles[j], qPrintable(QStringLiteral("tiles %1 and %2")
                                                      .arg(int(i) - 1)
                                                      .arg(int(j) - 1)));
    for (const int outside : {-2, 26, 1000, -1000})
      QCOMPARE(rgba(letterTile(outside, kLetterTileSize, 1.0)), tiles[0]);
    for (const qreal dpr : {1.0, 2.0}) {
      const QImage blank = rgba(letterTile(-1, kDieSize, dpr));
      QCOMPARE(count(blank, isDark), 0);
      QCOMPARE(count(blank, isOpaque), blank.width() * blank.height());
    }
  }

  void letteredTileShowsACentredCapitalAndARaisedDigit_data() {
    QTest::addColumn<int>("letter");
    QTest::addColumn<qreal>("dpr");
    for (int i = 0; i < 26; ++i)
      for (const qreal dpr : {1.0, 2.0})
        QTest::addRow("%c @%g", kExpectedPoints[3 * i], dpr) << i << dpr;
  }
  void letteredTileShowsACentredCapitalAndARaisedDigit() {
    QFETCH(int, letter);
    QFETCH(qreal, dpr);
    const QImage tile = rgba(letterTile(letter, kLetterTileSize, dpr));
    const double area = dpr * dpr;
    QCOMPARE(count(tile, isOpaque), tile.width() * tile.height());
    // The capital fills the middle, the digit sits high at the right, the edges stay clear.
    QVERIFY(count(tile, isDark, scaled(tile, {8, 24, 58, 46})) > 160 * area);
    QVERIFY(count(tile, isDark, scaled(tile, {62, 6, 16, 20})) > 12 * area);
    QCOMPARE(count(tile, isDark, scaled(tile, {0, 0, 80, 5})), 0);
    QCOMPARE(count(tile, isDark, scaled(tile, {0, 75, 80, 5})), 0);
    QCOMPARE(count(tile, isDark, scaled(tile, {0, 0, 5, 80})), 0);
    const QPointF ink = centroid(tile, isDark, 0, int(60 * dpr));
    QVERIFY2(std::abs(ink.x() - 37) < 7 && std::abs(ink.y() - 46) < 8,
             qPrintable(QStringLiteral("%1,%2").arg(ink.x()).arg(ink.y())));
  }

  // Tiles with the same point value show the same digit; tiles with different values do not.
  void theDigitIsTheLetterPointValue() {
    std::vector<int> points;
    std::vector<QImage> digits;
    for (int i = 0; i < 26; ++i) {
      points.push_back(kExpectedPoints[3 * i + 1] - '0');
      digits.push_back(rgba(letterTile(i, kLetterTileSize, 1.0)).copy(QRect(65, 2, 14, 22)));
    }
    for (int i = 0; i < 26; ++i)
      for (int j = i + 1; j < 26; ++j)
        QVERIFY2((digits[i] == digits[j]) == (points[i] == points[j]),
                 qPrintable(QStringLiteral("%1 and %2").arg(kExpectedPoints[3 * i])
                                .arg(kExpectedPoints[3 * j])));
  }

  void seasonBackgroundHasItsFieldAndSquareColours_data() {
    QTest::addColumn<int>("scheme");
    QTest::addColumn<qreal>("dpr");
    for (int k = 0; k < kSeasonSchemes; ++k)
      for (const qreal dpr : {1.0, 2.0})
        QTest::addRow("%s @%g", kSeasonColours[k].name, dpr) << k << dpr;
  }
  void seasonBackgroundHasItsFieldAndSquareColours() {
    QFETCH(int, scheme);
    QFETCH(qreal, dpr);
    const SeasonColours& colours = kSeasonColours[scheme];
    const QImage bg = rgba(seasonBackground(scheme, kSeasonBackgroundSize, dpr));
    QCOMPARE(count(bg, isOpaque), bg.width() * bg.height());
    // The field at the corners and in the gaps between the squares.
    for (const QPointF pt : {QPointF(1, 1), QPointF(287, 287), QPointF(72.5, 36.5),
                             QPointF(36.5, 216.5), QPointF(144.5, 144.5), QPointF(216.5, 1.5)})
      QVERIFY2(colours.field(hsv(at(bg, pt.x(), pt.y()))),
               qPrintable(QStringLiteral("field at %1,%2").arg(pt.x()).arg(pt.y())));
    // Each square at its centre (under the die) and in the rim around the die.
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) {
        const double cx = 36.5 + 72 * c, cy = 36.5 + 72 * r;
        for (const QPointF pt : {QPointF(cx, cy), QPointF(cx - 30.5, cy), QPointF(cx, cy + 29.5)})
          QVERIFY2(colours.square(hsv(at(bg, pt.x(), pt.y()))),
                   qPrintable(QStringLiteral("square %1,%2 at %3,%4").arg(r).arg(c)
                                  .arg(pt.x()).arg(pt.y())));
      }
  }

  void schemesOutsideTheRangeGiveWinter() {
    const QImage winter = rgba(seasonBackground(0));
    for (int k = 1; k < kSeasonSchemes; ++k) QVERIFY(rgba(seasonBackground(k)) != winter);
    for (const int outside : {-1, 4, 99}) QCOMPARE(rgba(seasonBackground(outside)), winter);
  }

  void spinningTopFramesShowAStripedTopTurning_data() { addRatioRows(); }
  void spinningTopFramesShowAStripedTopTurning() {
    QFETCH(qreal, dpr);
    std::vector<QImage> frames;
    for (int f = 0; f < kSpinningTopFrames; ++f)
      frames.push_back(rgba(spinningTopFrame(f, kSpinningTopFrameSize, dpr)));
    const int area = frames[0].width() * frames[0].height();
    for (int f = 0; f < kSpinningTopFrames; ++f) {
      const QImage& frame = frames[f];
      QVERIFY2(count(frame, isOpaque) > area * 15 / 100, qPrintable(QString::number(f)));
      QCOMPARE(frame.pixelColor(0, 0).alpha(), 0);
      QCOMPARE(frame.pixelColor(frame.width() - 1, 0).alpha(), 0);
      QVERIFY2(rainbowHues(frame) >= 6, qPrintable(QString::number(f)));
      for (int g = f + 1; g < kSpinningTopFrames; ++g) QVERIFY(frame != frames[g]);
    }
    // Upright in frame 1; frames 0 and 2 lean to opposite sides as mirror images of each other.
    QVERIFY(meanAbsDifference(frames[1], frames[1].mirrored(true, false), true) < 2.0);
    QVERIFY(meanAbsDifference(frames[0].mirrored(true, false), frames[2], true) < 2.0);
    QVERIFY(meanAbsDifference(frames[0], frames[2], true) > 10.0);
    QVERIFY(std::abs(knobX(frames[1]) - 46.5) < 1.5);
    QVERIFY(knobX(frames[0]) < 46.5 - 10);
    QVERIFY(knobX(frames[2]) > 46.5 + 10);
    // From above, the top is a round of rings: the same turned half round, and every stripe
    // crossed on the way from the rim to the centre.
    const QImage& above = frames[3];
    QVERIFY(meanAbsDifference(above, above.mirrored(true, true), true) < 3.0);
    const QImage radius = above.copy(scaled(above, {46.5 - 33, 44.5, 26, 4}));
    QVERIFY2(rainbowHues(radius) >= 6, qPrintable(QString::number(rainbowHues(radius))));
  }

  void frameNumbersWrapRound() {
    QCOMPARE(rgba(spinningTopFrame(5)), rgba(spinningTopFrame(1)));
    QCOMPARE(rgba(spinningTopFrame(-1)), rgba(spinningTopFrame(3)));
  }

  void theIconIsAColourfulTopAtEverySize() {
    const QIcon icon = appIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int side : {16, 32, 48, 256}) QVERIFY(sizes.contains(QSize(side, side)));
    for (const int side : {32, 64}) {
      const QImage image = rgba(icon.pixmap(QSize(side, side)));
      QCOMPARE(image.size(), QSize(side, side));
      QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
      QVERIFY(count(image, isOpaque) > side * side / 4);
      QVERIFY(rainbowHues(image) >= 5);
    }
  }

  void splashTitleIsTiltedGreenWithALilacShadowOnWhite_data() { addRatioRows(); }
  void splashTitleIsTiltedGreenWithALilacShadowOnWhite() {
    QFETCH(qreal, dpr);
    const QImage title = rgba(splashTitle(kSplashTitleSize, dpr));
    const int w = title.width(), h = title.height();
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
      QCOMPARE(title.pixelColor(corner), QColor(Qt::white));
    const auto green = [](QColor c) {
      const Hsv k = hsv(c);
      return hueIn(k.h, 95, 150) && k.s > 0.45;
    };
    const auto lilac = [](QColor c) {
      const Hsv k = hsv(c);
      return hueIn(k.h, 260, 300) && k.s > 0.2 && k.s < 0.5 && k.v > 0.8;
    };
    QVERIFY(count(title, green) > w * h / 8);
    QVERIFY(count(title, lilac) > w * h / 50);
    // The shadow falls below and to the right of the letters.
    const QPointF g = centroid(title, green, 0, w), l = centroid(title, lilac, 0, w);
    QVERIFY(l.x() > g.x());
    QVERIFY(l.y() > g.y());
    // Tilted: the letters on the left stand lower than those on the right.
    const double rise = centroid(title, green, 0, w / 3).y() - centroid(title, green, 2 * w / 3, w).y();
    QVERIFY2(rise > 6 && rise < 30, qPrintable(QString::number(rise)));
  }

  void infoBackgroundIsBlueAndCalmWhereTheTextGoes_data() { addRatioRows(); }
  void infoBackgroundIsBlueAndCalmWhereTheTextGoes() {
    QFETCH(qreal, dpr);
    const QImage bg = rgba(infoBackground(kInfoBackgroundSize, dpr));
    const auto plainBlue = [](QColor c) {
      return isOpaque(c) && c.blue() > c.red() + 80 && c.blue() > c.green() + 60;
    };
    // The upper half, and the right side where the credits and the button are.
    for (const QRectF area : {QRectF(0, 0, 296, 98), QRectF(112, 0, 184, 196)}) {
      const QRect r = scaled(bg, area);
      QCOMPARE(count(bg, plainBlue, r), r.width() * r.height());
      int steps = 0;
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x < r.right(); ++x) {
          const QColor a = bg.pixelColor(x, y), b = bg.pixelColor(x + 1, y);
          steps += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                       std::abs(a.blue() - b.blue()) > 6;
        }
      QCOMPARE(steps, 0);
    }
    // The picture itself is at the lower left.
    QVERIFY(count(bg, [&](QColor c) { return !plainBlue(c); }, scaled(bg, {0, 98, 112, 98})) >
            1500 * dpr * dpr);
  }

  void closeButtonIsAWhiteXOnDarkBlue_data() { addRatioRows(); }
  void closeButtonIsAWhiteXOnDarkBlue() {
    QFETCH(qreal, dpr);
    const QImage button = rgba(closeButtonPicture(kCloseButtonSize, dpr));
    const auto darkBlue = [](QColor c) {
      return c.red() < 60 && c.green() < 60 && c.blue() > 70 && c.blue() < 200;
    };
    const auto white = [](QColor c) { return c.red() > 235 && c.green() > 235 && c.blue() > 235; };
    for (const QPointF pt : {QPointF(3, 3), QPointF(27, 3), QPointF(3, 25), QPointF(27, 25),
                             QPointF(15.5, 3), QPointF(15.5, 25), QPointF(3, 14.5),
                             QPointF(27, 14.5), QPointF(15.5, 9)})
      QVERIFY2(darkBlue(at(button, pt.x(), pt.y())),
               qPrintable(QStringLiteral("%1,%2").arg(pt.x()).arg(pt.y())));
    for (const QPointF pt : {QPointF(15.5, 14.5), QPointF(11, 10), QPointF(20, 19),
                             QPointF(20, 10), QPointF(11, 19)})
      QVERIFY2(white(at(button, pt.x(), pt.y())),
               qPrintable(QStringLiteral("%1,%2").arg(pt.x()).arg(pt.y())));
  }
};

}  // namespace vocari

QTEST_MAIN(vocari::PicturesTest)
#include "pictures_test.moc"
