// The game: one main window over the Form1 model, reading its files from the current folder.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QStyleFactory>

#include "board/random_source.h"
#include "game/form1.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"
#include "qt/splash_window.h"
#include "qt/translations.h"

namespace {

// Runs the main window's start-up and shows it; on failure tells the player why and returns
// false. The splash window calls this when it hands over.
bool openMainWindow(vocari::MainWindow& window) {
  if (auto error = window.start(QDir::currentPath().toStdString())) {
    QMessageBox::critical(nullptr, QString::fromUtf8(vocari::Form1::kCaption).trimmed(),
                          QString::fromStdString(*error));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // One look on every desktop; the window's colours (the yellow OK face) need a style that
  // paints buttons from the palette.
  if (QStyle* fusion = QStyleFactory::create("Fusion")) QApplication::setStyle(fusion);
  // Qt's dialogs and buttons speak Italian like the game; without the translation they stay English.
  vocari::installQtItalian();

  vocari::Settings settings;
  vocari::RealRandom random;
  vocari::QtPlatform platform;
  vocari::Form1 form(settings, platform, random);
  vocari::MainWindow window(form, platform);

  // The splash runs its animation in the event loop, then opens the main window; when the
  // start-up fails it ends the loop with status 1.
  vocari::showSplashThenMain([&window] { return openMainWindow(window); });
  return app.exec();
}
