// render_pictures: writes every picture of the game to PNG files, to look at them.
//
//   render_pictures OUTDIR [DPR...]
//
// For each device pixel ratio (default 1 and 2) it writes the 26 letter tiles and the blank die at
// 80 and 57 pixels, the four season backgrounds, a board of each season with dice laid on it as
// the main window lays them, the spinning-top frames, the icon sizes, the splash title, the
// information background with its close button placed, and the close button alone.
// Exit status: 0 when every file was written, 1 when one could not be, 2 on bad arguments.

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include <cstdio>
#include <vector>

#include "core/tables.h"
#include "qt/pictures.h"

namespace {

bool save(const QPixmap& pixmap, const QDir& dir, const QString& name, qreal dpr) {
  const QString file = dir.filePath(QStringLiteral("%1@%2x.png").arg(name).arg(dpr));
  if (pixmap.isNull() || !pixmap.save(file, "PNG")) {
    std::fprintf(stderr, "render_pictures: cannot write %s\n", qPrintable(file));
    return false;
  }
  return true;
}

// A season background with dice on it, where the main window puts them.
QPixmap board(int scheme, qreal dpr) {
  QPixmap out = vocari::seasonBackground(scheme, vocari::kSeasonBackgroundSize, dpr);
  QPainter p(&out);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      const int index = (scheme == 0 && r == 3) ? -1 : (r * 4 + c + scheme * 5) % vocari::kLetters;
      p.drawPixmap(8 + 72 * c, 8 + 72 * r, vocari::letterTile(index, vocari::kDieSize, dpr));
    }
  p.setPen(Qt::black);
  p.drawRect(QRect(0, 0, 288, 288));
  return out;
}

QPixmap infoWindow(qreal dpr) {
  QPixmap out = vocari::infoBackground(vocari::kInfoBackgroundSize, dpr);
  QPainter p(&out);
  // The button (33 x 25) shows its 31 x 29 picture centred and cut to the face.
  p.save();
  p.setClipRect(QRect(224, 160, 33, 25));
  p.fillRect(QRect(224, 160, 33, 25), QColor(0, 0, 255));
  p.drawPixmap(225, 158, vocari::closeButtonPicture(vocari::kCloseButtonSize, dpr));
  p.restore();
  p.setPen(Qt::white);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPointSizeF(9.75);
  p.setFont(font);
  p.drawText(QRect(56, 8, 169, 25), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("Programma Vocari V.1"));
  p.drawText(QRect(120, 40, 145, 49), Qt::AlignCenter, QStringLiteral("Two credit\nlines here"));
  p.drawText(QRect(120, 120, 145, 25), Qt::AlignCenter, QStringLiteral("One more line"));
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  // The tool never shows a window; without a display it still runs.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: render_pictures OUTDIR [DPR...]\n");
    return 2;
  }
  std::vector<qreal> ratios;
  for (int i = 2; i < args.size(); ++i) {
    bool ok = false;
    const qreal dpr = args[i].toDouble(&ok);
    if (!ok || !(dpr > 0 && dpr <= 8)) {
      std::fprintf(stderr, "render_pictures: bad device pixel ratio %s\n", qPrintable(args[i]));
      return 2;
    }
    ratios.push_back(dpr);
  }
  if (ratios.empty()) ratios = {1.0, 2.0};
  QDir dir(args[1]);
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "render_pictures: cannot create %s\n", qPrintable(args[1]));
    return 1;
  }

  bool ok = true;
  for (const qreal dpr : ratios) {
    for (int i = -1; i < vocari::kLetters; ++i) {
      const QString name = i < 0 ? QStringLiteral("blank")
                                 : QStringLiteral("%1_%2").arg(i, 2, 10, QLatin1Char('0'))
                                       .arg(QChar(vocari::letters[i]));
      ok &= save(vocari::letterTile(i, vocari::kLetterTileSize, dpr), dir, "tile_" + name, dpr);
      ok &= save(vocari::letterTile(i, vocari::kDieSize, dpr), dir, "die_" + name, dpr);
    }
    for (int s = 0; s < vocari::kSeasonSchemes; ++s) {
      ok &= save(vocari::seasonBackground(s, vocari::kSeasonBackgroundSize, dpr), dir,
                 QStringLiteral("season_%1").arg(s), dpr);
      ok &= save(board(s, dpr), dir, QStringLiteral("board_%1").arg(s), dpr);
    }
    for (int f = 0; f < vocari::kSpinningTopFrames; ++f)
      ok &= save(vocari::spinningTopFrame(f, vocari::kSpinningTopFrameSize, dpr), dir,
                 QStringLiteral("top_%1").arg(f), dpr);
    ok &= save(vocari::splashTitle(vocari::kSplashTitleSize, dpr), dir, "splash_title", dpr);
    ok &= save(vocari::infoBackground(vocari::kInfoBackgroundSize, dpr), dir, "info_background",
               dpr);
    ok &= save(infoWindow(dpr), dir, "info_window", dpr);
    ok &= save(vocari::closeButtonPicture(vocari::kCloseButtonSize, dpr), dir, "close_button",
               dpr);
  }
  const QIcon icon = vocari::appIcon();
  for (const QSize& size : icon.availableSizes())
    ok &= save(icon.pixmap(size), dir, QStringLiteral("icon_%1").arg(size.width()), 1);
  return ok ? 0 : 1;
}
