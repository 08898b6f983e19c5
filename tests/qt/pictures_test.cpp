// The game's pictures: sizes at every device pixel ratio, and what each one must show.

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "ui/qt/pictures.h"

namespace vocari {
namespace {

class Pictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QGuiApplication::instance()) return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pictures_test";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // lives until the process ends
  }
};

QImage rgba(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

// The pixel under a point given in device-independent pixels.
QColor at(const QImage& image, double x, double y) {
  const double dpr = image.devicePixelRatio();
  return image.pixelColor(int(x * dpr), int(y * dpr));
}

bool isDark(QColor c) { return c.alpha() > 128 && qGray(c.rgb()) < 100; }

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
  std::string name;
  QSize nominal;
  std::function<QPixmap(QSize, qreal)> draw;
};

std::vector<Picture> allPictures() {
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
  for (int k = 0; k < kSeasonSchemes; ++k)
    v.push_back({"season " + std::to_string(k), kSeasonBackgroundSize,
                 [k](QSize s, qreal d) { return seasonBackground(k, s, d); }});
  for (int f = 0; f < kSpinningTopFrames; ++f)
    v.push_back({"top frame " + std::to_string(f), kSpinningTopFrameSize,
                 [f](QSize s, qreal d) { return spinningTopFrame(f, s, d); }});
  return v;
}

TEST_F(Pictures, EveryPictureHasTheRequestedSizeTimesTheRatio) {
  for (const Picture& pic : allPictures()) {
    for (const QSize size : {pic.nominal, QSize(40, 30)}) {
      for (const qreal dpr : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(pic.name + " dpr " + std::to_string(dpr));
        const QPixmap px = pic.draw(size, dpr);
        ASSERT_FALSE(px.isNull());
        EXPECT_EQ(px.width(), qRound(size.width() * dpr));
        EXPECT_EQ(px.height(), qRound(size.height() * dpr));
        EXPECT_DOUBLE_EQ(px.devicePixelRatio(), dpr);
        EXPECT_NEAR(px.deviceIndependentSize().width(), size.width(), 0.5);
      }
    }
  }
}

// Drawn at twice the ratio and brought back down, a picture must match the one drawn at ratio 1:
// the drawing fills the same place whatever the ratio.
TEST_F(Pictures, DrawingScalesWithTheRatio) {
  for (const Picture& pic : allPictures()) {
    SCOPED_TRACE(pic.name);
    const QImage one = rgba(pic.draw(pic.nominal, 1.0));
    const QImage two = rgba(pic.draw(pic.nominal, 2.0))
                           .scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(meanAbsDifference(one, two), 6.0);
  }
}

TEST_F(Pictures, BadSizesGiveNullAndBadRatiosCountAsOne) {
  for (const Picture& pic : allPictures()) {
    SCOPED_TRACE(pic.name);
    EXPECT_TRUE(pic.draw(QSize(0, 10), 1.0).isNull());
    EXPECT_TRUE(pic.draw(QSize(10, -1), 1.0).isNull());
    EXPECT_TRUE(pic.draw(QSize(), 1.0).isNull());
    EXPECT_TRUE(pic.draw(QSize(kMaxPicturePixels + 1, 10), 1.0).isNull());
    EXPECT_TRUE(pic.draw(QSize(5000, 10), 2.0).isNull());
    EXPECT_TRUE(pic.draw(QSize(10, 10), 1e300).isNull());
    const QImage reference = rgba(pic.draw(QSize(20, 20), 1.0));
    for (const qreal bad : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN(),
                            std::numeric_limits<qreal>::infinity()}) {
      const QPixmap px = pic.draw(QSize(20, 20), bad);
      EXPECT_DOUBLE_EQ(px.devicePixelRatio(), 1.0);
      EXPECT_EQ(rgba(px), reference);
    }
  }
}

TEST_F(Pictures, EveryTileIsDifferentAndTheBlankOneIsPlain) {
  std::vector<QImage> tiles;
  for (int i = -1; i < 26; ++i) tiles.push_back(rgba(letterTile(i, kLetterTileSize, 1.0)));
  for (size_t i = 0; i < tiles.size(); ++i)
    for (size_t j = i + 1; j < tiles.size(); ++j)
      EXPECT_NE(tiles[i], tiles[j]) << "tiles " << int(i) - 1 << " and " << int(j) - 1;

  for (const int outside : {-2, 26, 1000, -1000})
    EXPECT_EQ(rgba(letterTile(outside, kLetterTileSize, 1.0)), tiles[0]) << outside;

  for (const qreal dpr : {1.0, 2.0}) {
    const QImage blank = rgba(letterTile(-1, kDieSize, dpr));
    EXPECT_EQ(count(blank, isDark), 0);
    EXPECT_EQ(count(blank, [](QColor c) { return c.alpha() != 255; }), 0);
  }
}

TEST_F(Pictures, LetteredTilesShowACentredCapitalAndARaisedDigit) {
  for (const qreal dpr : {1.0, 2.0}) {
    for (int i = 0; i < 26; ++i) {
      SCOPED_TRACE("tile " + std::to_string(i) + " dpr " + std::to_string(dpr));
      const QImage tile = rgba(letterTile(i, kLetterTileSize, dpr));
      EXPECT_EQ(count(tile, [](QColor c) { return c.alpha() != 255; }), 0);
      // The capital fills the middle, the digit sits high at the right, the edges stay clear.
      EXPECT_GT(count(tile, isDark, scaled(tile, {8, 24, 58, 46})), 160 * dpr * dpr);
      EXPECT_GT(count(tile, isDark, scaled(tile, {62, 6, 16, 20})), 12 * dpr * dpr);
      EXPECT_EQ(count(tile, isDark, scaled(tile, {0, 0, 80, 5})), 0);
      EXPECT_EQ(count(tile, isDark, scaled(tile, {0, 75, 80, 5})), 0);
      EXPECT_EQ(count(tile, isDark, scaled(tile, {0, 0, 5, 80})), 0);
      double sx = 0, sy = 0;
      int n = 0;
      for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < int(60 * dpr); ++x)
          if (isDark(tile.pixelColor(x, y))) sx += x, sy += y, ++n;
      ASSERT_GT(n, 0);
      EXPECT_NEAR(sx / n / dpr, 37, 7);
      EXPECT_NEAR(sy / n / dpr, 46, 8);
    }
  }
}

// Tiles with the same point value show the same digit; tiles with different values do not.
TEST_F(Pictures, TheDigitIsTheLetterPointValue) {
  const std::string expected = "A1 E1 I1 O1 U4 B2 C2 D4 F4 G4 L4 M3 N3 P4 R2 S4 T1 V6 "
                               "H8 J5 K5 Q5 W8 X7 Y7 Z8";
  std::vector<int> points;
  for (size_t k = 1; k < expected.size(); k += 3) points.push_back(expected[k] - '0');
  ASSERT_EQ(points.size(), 26u);
  std::vector<QImage> digits;
  for (int i = 0; i < 26; ++i) {
    const QImage tile = rgba(letterTile(i, kLetterTileSize, 1.0));
    digits.push_back(tile.copy(QRect(65, 2, 14, 22)));
  }
  for (int i = 0; i < 26; ++i)
    for (int j = i + 1; j < 26; ++j)
      EXPECT_EQ(digits[i] == digits[j], points[i] == points[j])
          << expected.substr(3 * i, 2) << " and " << expected.substr(3 * j, 2);
}

struct SeasonCase {
  int scheme;
  const char* name;
  std::function<bool(Hsv)> field, square;
};

TEST_F(Pictures, SeasonBackgroundsHaveTheirFieldAndSquareColours) {
  const std::vector<SeasonCase> cases = {
      {0, "winter", [](Hsv c) { return hueIn(c.h, 190, 215) && c.s > 0.15 && c.v > 0.8; },
       [](Hsv c) { return c.s < 0.08 && c.v > 0.92; }},
      {1, "summer", [](Hsv c) { return hueIn(c.h, 100, 150) && c.s > 0.4; },
       [](Hsv c) { return hueIn(c.h, 40, 60) && c.s > 0.5 && c.v > 0.9; }},
      {2, "spring",
       [](Hsv c) { return hueIn(c.h, 90, 140) && c.s > 0.1 && c.s < 0.35 && c.v > 0.85; },
       [](Hsv c) { return hueIn(c.h, 320, 355) && c.s > 0.15 && c.v > 0.9; }},
      {3, "autumn", [](Hsv c) { return hueIn(c.h, 20, 40) && c.s > 0.6; },
       [](Hsv c) { return c.s < 0.05 && c.v > 0.5 && c.v < 0.8; }},
  };
  for (const SeasonCase& sc : cases) {
    for (const qreal dpr : {1.0, 2.0}) {
      SCOPED_TRACE(std::string(sc.name) + " dpr " + std::to_string(dpr));
      const QImage bg = rgba(seasonBackground(sc.scheme, kSeasonBackgroundSize, dpr));
      EXPECT_EQ(count(bg, [](QColor c) { return c.alpha() != 255; }), 0);
      // The field at the corners and in the gaps between the squares.
      for (const QPointF pt : {QPointF(1, 1), QPointF(287, 287), QPointF(72.5, 36.5),
                               QPointF(36.5, 216.5), QPointF(144.5, 144.5), QPointF(216.5, 1.5)})
        EXPECT_TRUE(sc.field(hsv(at(bg, pt.x(), pt.y())))) << "field at " << pt.x() << "," << pt.y();
      // Each square at its centre (under the die) and in the rim around the die.
      for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
          const double cx = 36.5 + 72 * c, cy = 36.5 + 72 * r;
          EXPECT_TRUE(sc.square(hsv(at(bg, cx, cy)))) << "square " << r << "," << c;
          EXPECT_TRUE(sc.square(hsv(at(bg, cx - 30.5, cy)))) << "rim " << r << "," << c;
          EXPECT_TRUE(sc.square(hsv(at(bg, cx, cy + 29.5)))) << "rim " << r << "," << c;
        }
    }
  }
  const QImage winter = rgba(seasonBackground(0, kSeasonBackgroundSize, 1.0));
  for (const int outside : {-1, 4, 99}) EXPECT_EQ(rgba(seasonBackground(outside)), winter);
}

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

int rainbowHues(const QImage& image) {
  const std::vector<std::pair<double, double>> bands = {{0, 12},    {20, 40},   {45, 62},
                                                        {90, 150},  {195, 230}, {240, 255},
                                                        {270, 300}};
  int present = 0;
  for (const auto& [lo, hi] : bands)
    present += count(image, [&](QColor c) {
                 const Hsv k = hsv(c);
                 return c.alpha() == 255 && k.s > 0.5 && k.v > 0.45 && hueIn(k.h, lo, hi);
               }) >= 8;
  return present;
}

TEST_F(Pictures, SpinningTopFramesShowAStripedTopTurning) {
  for (const qreal dpr : {1.0, 2.0}) {
    SCOPED_TRACE("dpr " + std::to_string(dpr));
    std::vector<QImage> frames;
    for (int f = 0; f < kSpinningTopFrames; ++f)
      frames.push_back(rgba(spinningTopFrame(f, kSpinningTopFrameSize, dpr)));
    const int area = frames[0].width() * frames[0].height();
    for (int f = 0; f < kSpinningTopFrames; ++f) {
      SCOPED_TRACE("frame " + std::to_string(f));
      EXPECT_GT(count(frames[f], [](QColor c) { return c.alpha() == 255; }), area * 15 / 100);
      EXPECT_EQ(frames[f].pixelColor(0, 0).alpha(), 0);
      EXPECT_EQ(frames[f].pixelColor(frames[f].width() - 1, 0).alpha(), 0);
      EXPECT_GE(rainbowHues(frames[f]), 6);
      for (int g = f + 1; g < kSpinningTopFrames; ++g) EXPECT_NE(frames[f], frames[g]);
    }
    // Upright in frame 1; frames 0 and 2 lean to opposite sides as mirror images of each other.
    const QImage mirror0 = frames[0].mirrored(true, false);
    EXPECT_LT(meanAbsDifference(frames[1], frames[1].mirrored(true, false), true), 2.0);
    EXPECT_LT(meanAbsDifference(mirror0, frames[2], true), 2.0);
    EXPECT_GT(meanAbsDifference(frames[0], frames[2], true), 10.0);
    EXPECT_NEAR(knobX(frames[1]), 46.5, 1.5);
    EXPECT_LT(knobX(frames[0]), 46.5 - 10);
    EXPECT_GT(knobX(frames[2]), 46.5 + 10);
  }
  EXPECT_EQ(rgba(spinningTopFrame(5)), rgba(spinningTopFrame(1)));
  EXPECT_EQ(rgba(spinningTopFrame(-1)), rgba(spinningTopFrame(3)));
}

TEST_F(Pictures, TheIconIsAColourfulTopAtEverySize) {
  const QIcon icon = appIcon();
  ASSERT_FALSE(icon.isNull());
  const QList<QSize> sizes = icon.availableSizes();
  for (const int side : {16, 32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  for (const int side : {32, 64}) {
    SCOPED_TRACE(side);
    const QImage image = rgba(icon.pixmap(QSize(side, side)));
    ASSERT_EQ(image.size(), QSize(side, side));
    EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
    EXPECT_GT(count(image, [](QColor c) { return c.alpha() == 255; }), side * side / 4);
    EXPECT_GE(rainbowHues(image), 5);
  }
}

TEST_F(Pictures, SplashTitleIsTiltedGreenWithALilacShadowOnWhite) {
  for (const qreal dpr : {1.0, 2.0}) {
    SCOPED_TRACE("dpr " + std::to_string(dpr));
    const QImage title = rgba(splashTitle(kSplashTitleSize, dpr));
    const int w = title.width(), h = title.height();
    for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
      EXPECT_EQ(title.pixelColor(corner), QColor(Qt::white));
    const auto green = [](QColor c) {
      const Hsv k = hsv(c);
      return hueIn(k.h, 95, 150) && k.s > 0.45;
    };
    const auto lilac = [](QColor c) {
      const Hsv k = hsv(c);
      return hueIn(k.h, 260, 300) && k.s > 0.2 && k.s < 0.5 && k.v > 0.8;
    };
    EXPECT_GT(count(title, green), w * h / 8);
    EXPECT_GT(count(title, lilac), w * h / 50);
    // The shadow falls below and to the right of the letters.
    auto centroid = [&](const std::function<bool(QColor)>& pred, int x0, int x1) {
      double sx = 0, sy = 0;
      int n = 0;
      for (int y = 0; y < h; ++y)
        for (int x = x0; x < x1; ++x)
          if (pred(title.pixelColor(x, y))) sx += x, sy += y, ++n;
      return n ? QPointF(sx / n, sy / n) / dpr : QPointF(-1, -1);
    };
    const QPointF g = centroid(green, 0, w), l = centroid(lilac, 0, w);
    EXPECT_GT(l.x(), g.x());
    EXPECT_GT(l.y(), g.y());
    // Tilted: the letters on the left stand lower than those on the right.
    const QPointF left = centroid(green, 0, w / 3), right = centroid(green, 2 * w / 3, w);
    EXPECT_GT(left.y() - right.y(), 6);
    EXPECT_LT(left.y() - right.y(), 30);
  }
}

TEST_F(Pictures, InfoBackgroundIsBlueAndCalmWhereTheTextGoes) {
  for (const qreal dpr : {1.0, 2.0}) {
    SCOPED_TRACE("dpr " + std::to_string(dpr));
    const QImage bg = rgba(infoBackground(kInfoBackgroundSize, dpr));
    const auto plainBlue = [](QColor c) {
      return c.alpha() == 255 && c.blue() > c.red() + 80 && c.blue() > c.green() + 60;
    };
    // The upper half, and the right side where the credits and the button are.
    for (const QRectF area : {QRectF(0, 0, 296, 98), QRectF(112, 0, 184, 196)}) {
      const QRect r = scaled(bg, area);
      EXPECT_EQ(count(bg, plainBlue, r), r.width() * r.height());
      int steps = 0;
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x < r.right(); ++x) {
          const QColor a = bg.pixelColor(x, y), b = bg.pixelColor(x + 1, y);
          steps += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                       std::abs(a.blue() - b.blue()) > 6;
        }
      EXPECT_EQ(steps, 0);
    }
    // The picture itself is at the lower left.
    EXPECT_GT(count(bg, [&](QColor c) { return !plainBlue(c); }, scaled(bg, {0, 98, 112, 98})),
              1500 * dpr * dpr);
  }
}

TEST_F(Pictures, CloseButtonIsAWhiteXOnDarkBlue) {
  for (const qreal dpr : {1.0, 2.0}) {
    SCOPED_TRACE("dpr " + std::to_string(dpr));
    const QImage button = rgba(closeButtonPicture(kCloseButtonSize, dpr));
    const auto darkBlue = [](QColor c) {
      return c.red() < 60 && c.green() < 60 && c.blue() > 70 && c.blue() < 200;
    };
    const auto white = [](QColor c) { return c.red() > 235 && c.green() > 235 && c.blue() > 235; };
    for (const QPointF pt : {QPointF(3, 3), QPointF(27, 3), QPointF(3, 25), QPointF(27, 25),
                             QPointF(15.5, 3), QPointF(15.5, 25), QPointF(3, 14.5),
                             QPointF(27, 14.5), QPointF(15.5, 9)})
      EXPECT_TRUE(darkBlue(at(button, pt.x(), pt.y()))) << pt.x() << "," << pt.y();
    for (const QPointF pt : {QPointF(15.5, 14.5), QPointF(11, 10), QPointF(20, 19),
                             QPointF(20, 10), QPointF(11, 19)})
      EXPECT_TRUE(white(at(button, pt.x(), pt.y()))) << pt.x() << "," << pt.y();
  }
}

}  // namespace
}  // namespace vocari
