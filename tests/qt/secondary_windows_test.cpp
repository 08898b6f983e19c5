// The secondary windows opened from the main window's menu: viewer, options, information, and the
// splash in front of the main window.

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <functional>
#include <memory>

#include "board/random_source.h"
#include "core/startup.h"
#include "ui/forms/form2.h"
#include "ui/forms/form1.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/splash_window.h"

namespace vocari {
namespace {

std::string dataDir() {
  const QByteArray dir = qgetenv("VOCARI_DATA_DIR");
  return dir.isEmpty() ? std::string(".") : dir.toStdString();
}

// The main window over a started model.
struct Game {
  Settings settings;
  RealRandom random;
  QtPlatform platform;
  Form1 form{settings, platform, random};
  MainWindow window{form, platform};

  explicit Game(const std::string& dir) {
    if (auto error = window.start(dir)) qFatal("start-up failed: %s", error->c_str());
  }
  QAction* action(const char* name) { return window.findChild<QAction*>(name); }
};

// Runs `act` on the modal window once it is up (polling, as it may take a moment to load),
// then gives up after a while so a broken window cannot hang the test.
void whenModal(std::function<void(QWidget*)> act) {
  auto* poll = new QTimer;
  auto waited = std::make_shared<QElapsedTimer>();
  waited->start();
  QObject::connect(poll, &QTimer::timeout, [poll, act, waited] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
      poll->stop();
      poll->deleteLater();
      act(modal);
    } else if (waited->elapsed() > 10000) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(5);
}

// Counts while a modal window is open, to show that timers keep firing.
struct Counter {
  QTimer timer;
  int ticks = 0;
  Counter() {
    QObject::connect(&timer, &QTimer::timeout, [this] { ++ticks; });
    timer.start(5);
  }
};

// Records when the viewer's list is first painted.
class FirstPaint : public QObject {
 public:
  qint64 at = -1;
  QElapsedTimer clock;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (at < 0 && event->type() == QEvent::Paint && watched->parent() &&
        watched->parent()->objectName() == QLatin1String("Listai") &&
        static_cast<QWidget*>(watched->parent())->isVisible())
      at = clock.elapsed();
    return false;
  }
};

void writeFile(const QString& path, const std::string& bytes) {
  std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

}  // namespace

class SecondaryWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void dictionaryViewerOpensFastWhileTheGameClockCounts() {
    Game game(dataDir());
    QTest::mouseClick(game.window.findChild<QPushButton*>("cmdNew"), Qt::LeftButton);
    QVERIFY(game.form.Timer2.enabled);
    const std::string startTime = game.form.LabTem.caption;

    FirstPaint paint;
    qApp->installEventFilter(&paint);
    int rows = -1;
    QString caption;
    std::string timeWhileOpen;
    whenModal([&](QWidget* modal) {
      caption = modal->windowTitle();
      auto* list = modal->findChild<QListView*>("Listai");
      rows = list && list->model() ? list->model()->rowCount() : -1;
      // Keep the viewer open until the clock has ticked behind it.
      auto* wait = new QTimer(modal);
      QObject::connect(wait, &QTimer::timeout, [&, modal] {
        if (game.form.LabTem.caption == startTime) return;
        timeWhileOpen = game.window.findChild<QLabel*>("LabTem")->text().toStdString();
        modal->close();  // through the frame
      });
      wait->start(20);
    });
    paint.clock.start();
    game.action("mDizi")->trigger();
    qApp->removeEventFilter(&paint);

    QCOMPARE(caption, QStringLiteral("   DIZIONARIO   -    VOCARI"));
    QVERIFY2(rows > 100000, qPrintable(QString::number(rows)));
    QCOMPARE(std::size_t(rows), documentLines(*readWholeFile(dataDir() + "/Base3.txt", 1u << 30)).size());
    QVERIFY(!timeWhileOpen.empty());
    QVERIFY(timeWhileOpen != startTime);
    QVERIFY(paint.at >= 0);
    qInfo("dictionary viewer: %d lines on screen %lld ms after the menu command", rows, paint.at);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void lineDocumentsOpenThroughTheMenuAndCloseWithChiudi() {
    Game game(dataDir());
    const struct {
      const char* action;
      const char* caption;
    } cases[] = {{"mAcro", "   ACRONIMI   -    VOCARI"}, {"mGuida", "    AIUTO    -    VOCARI"}};
    for (const auto& c : cases) {
      Counter counter;
      int ticksAtOpen = -1, ticksAtClose = -1, rows = -1;
      QString caption;
      bool listShown = false;
      whenModal([&](QWidget* modal) {
        ticksAtOpen = counter.ticks;
        caption = modal->windowTitle();
        auto* list = modal->findChild<QListView*>("Listai");
        listShown = list && list->isVisible() && !modal->findChild<QPlainTextEdit*>("UnCons")->isVisible();
        rows = list ? list->model()->rowCount() : -1;
        QTimer::singleShot(100, modal, [&, modal] {
          ticksAtClose = counter.ticks;
          QTest::mouseClick(modal->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
      });
      game.action(c.action)->trigger();
      QCOMPARE(caption, QString::fromUtf8(c.caption));
      QVERIFY(listShown);
      QVERIFY(rows > 10);
      QVERIFY2(ticksAtClose > ticksAtOpen, "timers must keep firing behind the viewer");
      QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
  }

  void adviceViewerPagesAndShrinks() {
    Game game(dataDir());
    QString first, second, back;
    bool backEnabledFirst = true, backEnabledSecond = false;
    int height = 0;
    int chiudiTop = -1, avantiTop = -2;
    whenModal([&](QWidget* modal) {
      auto* unCons = modal->findChild<QPlainTextEdit*>("UnCons");
      auto* indietro = modal->findChild<QPushButton*>("Indietro");
      auto* avanti = modal->findChild<QPushButton*>("Avanti");
      height = modal->height();
      chiudiTop = modal->findChild<QPushButton*>("Command1")->y();
      avantiTop = avanti->y();
      first = unCons->toPlainText();
      backEnabledFirst = indietro->isEnabled();
      QTest::mouseClick(avanti, Qt::LeftButton);
      second = unCons->toPlainText();
      backEnabledSecond = indietro->isEnabled();
      QTest::mouseClick(indietro, Qt::LeftButton);
      back = unCons->toPlainText();
      modal->close();
    });
    game.action("mCons")->trigger();
    QVERIFY(!first.isEmpty());
    QVERIFY(first != second);
    QCOMPARE(back, first);
    QVERIFY(!backEnabledFirst);
    QVERIFY(backEnabledSecond);
    QCOMPARE(height, MainWindow::px(2755 - Form2::kFrameHeight));
    QCOMPARE(chiudiTop, avantiTop);
  }

  void aMissingDocumentGivesTheMessageBoxAndNoViewer() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath("Base3.txt"), "\r\nCASA\r\nCASE\r\n");
    Game game(dir.path().toStdString());
    game.form.LabErr.foreColor = kBlue;
    QString title, text, objectName;
    bool viewerSeen = false;
    whenModal([&](QWidget* modal) {
      objectName = modal->objectName();
      viewerSeen = modal->objectName() == QLatin1String("Form2");
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        title = box->windowTitle();
        text = box->text();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
      } else {
        modal->close();
      }
    });
    game.action("mAcro")->trigger();
    QCOMPARE(title, QStringLiteral("Richiesta ignorata ..."));
    QCOMPARE(text, QStringLiteral("File Acronimi.txt non trovato"));
    QVERIFY(!viewerSeen);
    QCOMPARE(game.form.LabErr.foreColor, kRed);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void optionsSetTheSeasonAndTheTime() {
    Game game(dataDir());
    Counter counter;
    int ticksAtOpen = -1, ticksAtClose = -1;
    int schemeWhileOpen = -1;
    bool okAfterTyping = true, okAfterEnter = false, openAfterEnter = false;
    QString label1;
    whenModal([&](QWidget* modal) {
      ticksAtOpen = counter.ticks;
      QCOMPARE(modal->objectName(), QStringLiteral("Form5"));
      auto* estate = modal->findChild<QRadioButton*>("OptAsp_1");
      QTest::mouseClick(estate, Qt::LeftButton, {}, QPoint(8, estate->height() / 2));
      schemeWhileOpen = game.settings.colourScheme;
      auto* text1 = modal->findChild<QLineEdit*>("Text1");
      auto* ok = modal->findChild<QPushButton*>("Command1");
      QTest::keyClicks(text1, "150.5");
      okAfterTyping = ok->isEnabled();
      QTest::keyClick(text1, Qt::Key_Return);
      okAfterEnter = ok->isEnabled();
      openAfterEnter = modal->isVisible();  // Enter confirms the time, it does not press OK
      label1 = modal->findChild<QLabel*>("Label1")->text();
      QTimer::singleShot(50, modal, [&, modal] {
        ticksAtClose = counter.ticks;
        modal->close();  // through the frame: the same as OK
      });
    });
    game.action("mOpzioni")->trigger();
    QCOMPARE(schemeWhileOpen, 1);
    QVERIFY(!okAfterTyping);
    QVERIFY(okAfterEnter);
    QVERIFY(openAfterEnter);
    QCOMPARE(label1, QStringLiteral("- Tempo partita (150sec)"));
    QVERIFY(ticksAtClose > ticksAtOpen);
    QCOMPARE(game.settings.colourScheme, 1);
    QCOMPARE(game.settings.gameTime, 150.5);
    QCOMPARE(game.window.findChild<QLabel*>("LabTem")->text(), QStringLiteral("150.5"));
    // The summer picture now lies behind the board, the winter one out of sight.
    QCOMPARE(game.window.findChild<QWidget*>("Sfondo_1")->pos(), QPoint(MainWindow::px(480), MainWindow::px(600)));
    QVERIFY(game.window.findChild<QWidget*>("Sfondo_0")->x() >= MainWindow::px(8175));
  }

  void informationWindowOpensAtItsPlaceAndCloses() {
    Game game(dataDir());
    for (bool byButton : {true, false}) {
      QString name, caption, label1;
      QPoint where;
      QSize buttonSize, clientSize;
      whenModal([&](QWidget* modal) {
        name = modal->objectName();
        caption = modal->windowTitle();
        where = modal->pos();
        clientSize = modal->size();
        label1 = modal->findChild<QLabel*>("Label1")->text();
        auto* button = modal->findChild<QPushButton*>("Command1");
        buttonSize = button->size();
        if (byButton)
          QTest::mouseClick(button, Qt::LeftButton);
        else
          modal->close();
      });
      game.action("mInfo")->trigger();
      QCOMPARE(name, QStringLiteral("Form4"));
      QCOMPARE(caption, QStringLiteral(" "));
      QCOMPARE(where, QPoint(133, 133));
      QCOMPARE(clientSize, QSize(278, 198));
      QCOMPARE(label1, QStringLiteral("Programma Vocari V.1"));
      QCOMPARE(buttonSize, QSize(33, 25));
      QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
  }

  void splashTurnsTheTopThenHandsOverBeforeClosing() {
    int calls = 0;
    bool splashVisibleAtHandOver = false;
    bool drawnBeforeFirstTick = true;
    QPointer<SplashWindow> splash = new SplashWindow([&] {
      ++calls;
      splashVisibleAtHandOver = splash && splash->isVisible();
      return true;
    });
    splash->show();
    QVERIFY(splash->testAttribute(Qt::WA_ShowWithoutActivating));
    QCOMPARE(splash->focusPolicy(), Qt::NoFocus);
    QCOMPARE(splash->size(), QSize(380, 229));
    QCOMPARE(splash->timer().interval(), 150);
    auto* trottola = splash->findChild<QLabel*>("Trottola");
    drawnBeforeFirstTick = !trottola->pixmap().isNull();
    QTRY_VERIFY_WITH_TIMEOUT(splash && splash->model().Trottola == 1, 1000);
    QVERIFY(!trottola->pixmap().isNull());
    QTRY_COMPARE_WITH_TIMEOUT(calls, 1, 8000);
    QVERIFY(splashVisibleAtHandOver);
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2000);  // closed and deleted
    QVERIFY(!drawnBeforeFirstTick);
    QCOMPARE(calls, 1);
  }
};

}  // namespace vocari

QTEST_MAIN(vocari::SecondaryWindowsTest)
#include "secondary_windows_test.moc"
