// The game's pictures: sizes at every device pixel ratio, and the few features that show a picture is
// really drawn.
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "qt/pictures.h"

namespace vocari {
namespace {

QImage rgba(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

// The pixels of `area` (device-independent pixels; the whole image when empty) that match `pred`.
int count(const QImage& image, const std::function<bool(QColor)>& pred, QRectF area = {}) {
  const qreal d = image.devicePixelRatio();
  const QRect r = area.isNull() ? image.rect() : QRectF(area.topLeft() * d, area.size() * d).toRect();
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += pred(image.pixelColor(x, y));
  return n;
}

bool isDark(QColor c) { return c.alpha() > 128 && qGray(c.rgb()) < 100; }
bool isOpaque(QColor c) { return c.alpha() == 255; }

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  // Drawn at size x dpr device pixels, the same drawing at every ratio; bad sizes give no picture and
  // a bad ratio counts as 1.
  void sizesFollowTheRatio() {
    const std::vector<std::pair<QSize, std::function<QPixmap(QSize, qreal)>>> pictures = {
        {kLetterTileSize, [](QSize s, qreal d) { return letterTile(25, s, d); }},
        {kDieSize, [](QSize s, qreal d) { return letterTile(-1, s, d); }},
        {kSeasonBackgroundSize, [](QSize s, qreal d) { return seasonBackground(1, s, d); }},
        {kSpinningTopFrameSize, [](QSize s, qreal d) { return spinningTopFrame(0, s, d); }},
        {kSplashTitleSize, [](QSize s, qreal d) { return splashTitle(s, d); }},
        {kInfoBackgroundSize, [](QSize s, qreal d) { return infoBackground(s, d); }},
        {kCloseButtonSize, [](QSize s, qreal d) { return closeButtonPicture(s, d); }},
    };
    for (const auto& [nominal, draw] : pictures) {
      const QImage one = rgba(draw(nominal, 1.0));
      for (const qreal dpr : {1.5, 2.0, 3.0}) {
        const QPixmap px = draw(nominal, dpr);
        QCOMPARE(px.size(), QSize(qRound(nominal.width() * dpr), qRound(nominal.height() * dpr)));
        QCOMPARE(px.devicePixelRatio(), dpr);
        // Scaled back to one pixel per point, it differs from the drawing at ratio 1 by a few grey levels.
        const QImage back = rgba(px).scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double difference = 0;
        for (int y = 0; y < one.height(); ++y)
          for (int x = 0; x < one.width(); ++x) {
            const QColor p = one.pixelColor(x, y), q = back.pixelColor(x, y);
            difference += std::abs(p.alpha() - q.alpha()) + std::abs(qGray(p.rgb()) - qGray(q.rgb()));
          }
        QVERIFY2(difference / (2.0 * one.width() * one.height()) < 6, qPrintable(QString("%1 at %2").arg(nominal.width()).arg(dpr)));
      }
      QCOMPARE(one.size(), nominal);
      for (const QSize bad : {QSize(0, 10), QSize(), QSize(kMaxPicturePixels + 1, 10), QSize(5000, 10)})
        QVERIFY(draw(bad, 2.0).isNull());
      for (const qreal bad : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN()}) QCOMPARE(rgba(draw(nominal, bad)), one);
    }
  }

  // Ink for the capital in the middle and the digit at the upper right, none at the edges; the blank
  // die is opaque without ink; no two letters look alike.
  void letterTilesShowTheirLetter() {
    std::vector<QImage> tiles;
    for (int i = 0; i < 26; ++i) {
      const QImage tile = rgba(letterTile(i, kLetterTileSize, 2.0));
      QVERIFY2(count(tile, isDark, {8, 24, 58, 46}) > 160 * 4 && count(tile, isDark, {62, 6, 16, 20}) > 12 * 4, qPrintable(QString::number(i)));
      QCOMPARE(count(tile, isDark, {0, 0, 80, 5}) + count(tile, isDark, {0, 0, 5, 80}), 0);
      for (const QImage& other : tiles) QVERIFY(other != tile);
      tiles.push_back(tile);
    }
    const QImage blank = rgba(letterTile(-1, kDieSize, 2.0));
    QVERIFY(count(blank, isDark) == 0 && count(blank, isOpaque) == blank.width() * blank.height());
    QCOMPARE(rgba(letterTile(26)), rgba(letterTile(-1)));
  }

  void summerBoardIsGreenAndYellow() {
    const QImage summer = rgba(seasonBackground(1, kSeasonBackgroundSize, 2.0));
    const auto hue = [](int lo, int hi) {
      return [lo, hi](QColor c) { return c.hsvHue() >= lo && c.hsvHue() <= hi && c.hsvSaturationF() > 0.4; };
    };
    const int area = summer.width() * summer.height();
    QVERIFY(count(summer, hue(100, 150)) > area / 10 && count(summer, hue(40, 60)) > area / 4);
    QVERIFY(rgba(seasonBackground(0)) != rgba(seasonBackground(1)));
  }

  // Every frame of the spinning top is drawn, on a transparent ground, and differs from the others.
  void spinningTopFramesAreDrawnAndDiffer() {
    std::vector<QImage> frames;
    for (int f = 0; f < kSpinningTopFrames; ++f) {
      const QImage frame = rgba(spinningTopFrame(f, kSpinningTopFrameSize, 2.0));
      QVERIFY2(count(frame, isOpaque) > frame.width() * frame.height() * 15 / 100, qPrintable(QString::number(f)));
      QCOMPARE(frame.pixelColor(0, 0).alpha(), 0);
      for (const QImage& other : frames) QVERIFY(other != frame);
      frames.push_back(frame);
    }
  }
};

}  // namespace vocari

QTEST_MAIN(vocari::PicturesTest)
#include "pictures_test.moc"
