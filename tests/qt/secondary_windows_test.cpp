// The secondary windows opened from the main window's menu: modal, closed by their button or the
// frame, the game clock counting behind them; and the splash in front of the main window.
#include <QtTest>
#include <QtWidgets>

#include <fstream>
#include <functional>

#include "board/random_source.h"
#include "core/startup.h"
#include "ui/forms/form1.h"
#include "ui/forms/form2.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/splash_window.h"

namespace vocari {
namespace {

std::string dataDir() {
  const QByteArray dir = qgetenv("VOCARI_DATA_DIR");
  return dir.isEmpty() ? std::string(".") : dir.toStdString();
}

struct Game {
  Settings settings;
  RealRandom random;
  QtPlatform platform;
  Form1 form{settings, platform, random};
  MainWindow window{form, platform};

  explicit Game(const std::string& dir = dataDir()) {
    if (auto error = window.start(dir)) qFatal("start-up failed: %s", error->c_str());
  }
  template <class T = QWidget>
  T* find(const char* name) { return window.findChild<T*>(name); }
};

// Runs `act` on the modal window once it is up; gives up after 10 s so a broken window cannot hang.
void whenModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  QElapsedTimer waited;
  waited.start();
  QObject::connect(poll, &QTimer::timeout, [poll, act, waited] {
    QWidget* modal = QApplication::activeModalWidget();
    const bool up = modal && modal->isVisible();
    if (up || waited.elapsed() > 10000) poll->stop(), poll->deleteLater();
    if (up) act(modal);
  });
  poll->start(5);
}

}  // namespace

class SecondaryWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsOpenModallyWhileTheClockRuns_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("content");  // the widget that shows the document
    QTest::addColumn<bool>("byButton");   // closed by Command1, or else through the frame
    QTest::newRow("dictionary") << "mDizi" << "   DIZIONARIO   -    VOCARI" << "Listai" << false;
    QTest::newRow("acronyms") << "mAcro" << "   ACRONIMI   -    VOCARI" << "Listai" << true;
    QTest::newRow("help") << "mGuida" << "    AIUTO    -    VOCARI" << "Listai" << true;
    QTest::newRow("advice") << "mCons" << "   CONSIGLI   -    VOCARI" << "UnCons" << true;
    QTest::newRow("information") << "mInfo" << " " << "Label1" << true;
  }
  void windowsOpenModallyWhileTheClockRuns() {
    QFETCH(QString, action);
    QFETCH(QString, caption);
    QFETCH(QString, content);
    QFETCH(bool, byButton);
    Game game;
    QTest::mouseClick(game.find<QPushButton>("cmdNew"), Qt::LeftButton);
    const int before = game.find<QLabel>("LabTem")->text().toInt();
    QElapsedTimer opening;
    qint64 openedAfter = -1;
    int during = before, rows = -1;
    QString shownCaption;
    QStringList texts;  // the advice entry shown, then after "Avanti"
    bool backEnabled = false;
    QRect geometry;
    bool shown = false;
    whenModal([&](QWidget* modal) {
      openedAfter = opening.elapsed();
      shownCaption = modal->windowTitle();
      geometry = QRect(modal->pos(), modal->size());
      auto* widget = modal->findChild<QWidget*>(content);
      shown = widget && widget->isVisible();
      if (auto* list = qobject_cast<QListView*>(widget)) rows = list->model()->rowCount();
      if (auto* unCons = qobject_cast<QPlainTextEdit*>(widget)) {
        texts << unCons->toPlainText();
        QTest::mouseClick(modal->findChild<QPushButton*>("Avanti"), Qt::LeftButton);
        texts << unCons->toPlainText();
        backEnabled = modal->findChild<QPushButton*>("Indietro")->isEnabled();
      }
      auto* wait = new QTimer(modal);
      QObject::connect(wait, &QTimer::timeout, [&, modal] {
        if ((during = game.find<QLabel>("LabTem")->text().toInt()) == before) return;
        if (byButton)
          QTest::mouseClick(modal->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        else
          modal->close();
      });
      wait->start(20);
    });
    opening.start();
    game.window.findChild<QAction*>(action)->trigger();  // returns once the window has closed
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(shownCaption, caption);
    QVERIFY2(shown, qPrintable(content));
    QVERIFY2(during < before, "the game clock stopped behind the window");
    if (content == "Listai") QVERIFY(rows > 10);
    if (action == "mDizi") {
      QCOMPARE(std::size_t(rows), documentLines(*readWholeFile(dataDir() + "/Base3.txt", 1u << 30)).size());
      qInfo("dictionary viewer: %d lines shown %lld ms after the menu command", rows, openedAfter);
    }
    if (action == "mCons") {
      QCOMPARE(geometry.height(), MainWindow::px(Form2::kAdviceHeight - Form2::kFrameHeight));
      QVERIFY(texts.size() == 2 && !texts[0].isEmpty() && texts[1] != texts[0] && backEnabled);
    }
    if (action == "mInfo") QCOMPARE(geometry, QRect(133, 133, 278, 198));
  }

  void aMissingDocumentGivesTheMessageBoxAndNoViewer() {
    QTemporaryDir dir;
    std::ofstream(dir.filePath("Base3.txt").toStdString(), std::ios::binary) << "\r\nCASA\r\nCASE\r\n";
    Game game(dir.path().toStdString());
    QString title, text, seen;
    whenModal([&](QWidget* modal) {
      seen = modal->objectName();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        title = box->windowTitle(), text = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
      } else {
        modal->close();
      }
    });
    game.find<QAction>("mAcro")->trigger();
    QVERIFY2(seen != "Form2", "the viewer opened");
    QCOMPARE(title, QStringLiteral("Richiesta ignorata ..."));
    QCOMPARE(text, QStringLiteral("File Acronimi.txt non trovato"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  // "Estate" and a time confirmed with Enter take effect at once; the summer board then lies behind
  // the dice and the winter one out of sight. Closing through the frame counts as OK.
  void optionsSetTheSeasonAndTheTime() {
    Game game;
    int schemeWhileOpen = -1;
    QList<bool> ok;  // OK enabled after typing, after Enter; the window still open after Enter
    whenModal([&](QWidget* modal) {
      auto* estate = modal->findChild<QRadioButton*>("OptAsp_1");
      QTest::mouseClick(estate, Qt::LeftButton, {}, QPoint(8, estate->height() / 2));
      schemeWhileOpen = game.settings.colourScheme;
      auto* text1 = modal->findChild<QLineEdit*>("Text1");
      QTest::keyClicks(text1, "150.5");
      ok << modal->findChild<QPushButton*>("Command1")->isEnabled();
      QTest::keyClick(text1, Qt::Key_Return);  // confirms the time, does not press OK
      ok << modal->findChild<QPushButton*>("Command1")->isEnabled() << modal->isVisible();
      QTimer::singleShot(50, modal, &QWidget::close);
    });
    game.find<QAction>("mOpzioni")->trigger();
    QCOMPARE(schemeWhileOpen, 1);
    QCOMPARE(ok, (QList<bool>{false, true, true}));
    QCOMPARE(game.settings.gameTime, 150.5);
    QCOMPARE(game.find<QLabel>("LabTem")->text(), QStringLiteral("150.5"));
    QWidget* client = game.window.centralWidget();
    const auto children = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(game.find("Sfondo_1")->geometry(), QRect(32, 40, 289, 289));
    QVERIFY(!client->rect().intersects(game.find("Sfondo_0")->geometry()));
    QCOMPARE(children.first(), game.find("Sfondo_1"));
  }

  // The top turns every 150 ms; the main window is shown while the splash is still up, then the
  // splash closes and deletes itself.
  void splashTurnsTheTopThenHandsOver() {
    int calls = 0;
    bool visibleAtHandOver = false;
    QPointer<SplashWindow> splash = new SplashWindow([&] {
      ++calls, visibleAtHandOver = splash && splash->isVisible();
      return true;
    });
    splash->show();
    QCOMPARE(splash->size(), QSize(380, 229));
    QCOMPARE(splash->timer().interval(), 150);
    QVERIFY(splash->findChild<QLabel*>("Trottola")->pixmap().isNull());
    QTRY_VERIFY_WITH_TIMEOUT(splash && splash->model().Trottola == 1, 1000);
    QVERIFY(!splash->findChild<QLabel*>("Trottola")->pixmap().isNull());
    QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 8000);
    QVERIFY(visibleAtHandOver);
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2000);
    QCOMPARE(calls, 1);
  }
};

}  // namespace vocari

QTEST_MAIN(vocari::SecondaryWindowsTest)
#include "secondary_windows_test.moc"
