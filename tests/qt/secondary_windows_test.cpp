// The secondary windows opened from the main window's menu: modal, closed by their button or the
// frame, the game clock counting behind them; and the splash in front of the main window.
#include <algorithm>
#include <functional>
#include <tuple>

#include "core/startup.h"
#include "qt_test_support.h"
#include "qt/splash_window.h"
#include "qt/translations.h"

namespace vocari {
namespace {

std::string dataDir() { return qEnvironmentVariable("VOCARI_DATA_DIR", ".").toStdString(); }

// Runs `act` on the modal window once it is up; gives up after 2000 polls of 5 ms so a broken
// window cannot hang.
void whenModal(std::function<void(QWidget*)> act, int tries = 2000) {
  QTimer::singleShot(5, [act, tries] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) act(modal);
    else if (tries > 0) whenModal(act, tries - 1);
  });
}

}  // namespace

class SecondaryWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void windowsOpenModallyWhileTheClockRuns() {
    // The menu entry, the caption, the widget that shows the document, and how the window is
    // closed: Enter on its focused Command1, a click on it, or through the frame.
    enum Close { Enter, Click, Frame };
    const std::tuple<QString, QString, QString, Close> windows[] = {
        {"mDizi", "   DIZIONARIO   -    VOCARI", "Listai", Frame},
        {"mAcro", "   ACRONIMI   -    VOCARI", "Listai", Enter},
        {"mGuida", "    AIUTO    -    VOCARI", "Listai", Click},
        {"mCons", "   CONSIGLI   -    VOCARI", "UnCons", Enter},
        {"mInfo", "     VOCARI - Informazioni", "Label1", Enter},
    };
    for (const auto& [action, caption, content, close] : windows) {
      Game game(nullptr, dataDir());
      game.form.Timer2.interval = 50;  // the clock ticks fast: the test waits for one tick
      game.click("cmdNew");
      const int before = game.text("LabTem").toInt();
      int during = before, rows = -1;
      QElapsedTimer opening;
      qint64 openedAfter = -1;
      QString shownCaption;
      QRect geometry, frame;
      bool shown = false, paged = false, icon = false;
      whenModal([&](QWidget* modal) {
        openedAfter = opening.elapsed();
        shownCaption = modal->windowTitle();
        icon = !modal->windowIcon().isNull();
        geometry = QRect(modal->pos(), modal->size());
        frame = modal->frameGeometry();
        auto* widget = modal->findChild<QWidget*>(content);
        shown = widget && widget->isVisible();
        if (auto* list = qobject_cast<QListView*>(widget)) rows = list->model()->rowCount();
        if (auto* unCons = qobject_cast<QPlainTextEdit*>(widget)) {  // "Avanti" shows the next entry
          const QString first = unCons->toPlainText();
          QTest::mouseClick(modal->findChild<QPushButton*>("Avanti"), Qt::LeftButton);
          paged = !first.isEmpty() && unCons->toPlainText() != first &&
                  modal->findChild<QPushButton*>("Indietro")->isEnabled();
        }
        if (QTest::qWaitFor([&] { return game.text("LabTem").toInt() < before; }, 3000))
          during = game.text("LabTem").toInt();
        if (action == "mGuida") {  // the help lines up its underlines and columns: a fixed-pitch face, no sideways scrolling
          auto* list = modal->findChild<QListView*>("Listai");
          const QFontMetrics metrics(list->font());
          for (int row = 1; row < rows; ++row) {
            const QString line = list->model()->index(row, 0).data().toString(), above = list->model()->index(row - 1, 0).data().toString();
            if (!line.isEmpty() && line.count('-') + line.count('=') == line.size())
              QVERIFY2(metrics.horizontalAdvance(line) == metrics.horizontalAdvance(above), qPrintable(above));
          }
          QVERIFY(QFontInfo(list->font()).fixedPitch());
          QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        }
        auto* command1 = modal->findChild<QPushButton*>("Command1");
        if (close == Enter) {
          command1->setFocus();
          QTest::keyClick(command1, Qt::Key_Return);
        }
        if (close == Click) QTest::mouseClick(command1, Qt::LeftButton);
        if (close == Frame) modal->close();
      });
      opening.start();
      game.action(qPrintable(action))->trigger();  // returns once the window has closed
      QCOMPARE(shownCaption, caption);
      QVERIFY2(shown, qPrintable(content));
      QCOMPARE(icon, action != "mInfo");  // the information window has no icon
      QVERIFY2(during < before, qPrintable(action + ": the game clock stopped behind the window"));
      if (content == "Listai") QVERIFY(rows > 10);
      if (action == "mDizi") {
        // The shipped word list ends every line, the empty first one included, with CR LF.
        const std::string words = *readWholeFile(dataDir() + "/Base3.txt", 1u << 30);
        QCOMPARE(rows, int(std::count(words.begin(), words.end(), '\n')));
        qInfo("dictionary viewer: %d lines shown %lld ms after the menu command", rows, openedAfter);
      }
      // The advice window, 2755 twips high outside, leaves 150 pixels inside its frame: room for the
      // entry and the row of its three buttons.
      if (action == "mCons") QVERIFY(paged && geometry.height() == 150);
      // The information window over the middle of the main window.
      if (action == "mInfo") {
        QCOMPARE(geometry.size(), QSize(278, 198));
        QVERIFY2((frame.center() - game.window.frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(QString("%1,%2").arg(frame.center().x()).arg(frame.center().y())));
      }
      QVERIFY2(!QApplication::activeModalWidget(), qPrintable(action + ": the window did not close"));
    }
  }

  void aMissingDocumentGivesTheMessageBoxAndNoViewer() {
    Game game;  // a folder holding only Base3.txt
    QString message;  // stays empty if the viewer opens instead
    whenModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (box) message = box->windowTitle() + " / " + box->text();
      box ? QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton) : void(modal->close());
    });
    game.action("mAcro")->trigger();
    QCOMPARE(message, QString("Richiesta ignorata ... / File Acronimi.txt non trovato"));
  }

  // "Estate" and a time confirmed with Enter take effect at once; the summer board then lies behind
  // the dice and the winter one out of sight. Closing through the frame counts as OK.
  void optionsSetTheSeasonAndTheTime() {
    Game game;
    int schemeWhileOpen = -1;
    QList<bool> ok;  // OK enabled after typing, after Enter; the window still open after Enter
    QString clockWhileOpen, toolTip;
    std::pair<QString, QColor> refusal;
    whenModal([&](QWidget* modal) {
      auto* estate = modal->findChild<QRadioButton*>("OptAsp_1");
      QTest::mouseClick(estate, Qt::LeftButton, {}, QPoint(8, estate->height() / 2));
      schemeWhileOpen = int(game.settings.colourScheme);
      auto* text1 = modal->findChild<QLineEdit*>("Text1");
      auto* label5 = modal->findChild<QLabel*>("Label5");
      QTest::keyClicks(text1, "119");
      QTest::keyClick(text1, Qt::Key_Return);  // refused: the window says why, in red
      refusal = {label5->isVisible() ? label5->text() : "", label5->palette().color(QPalette::WindowText)};
      text1->clear();
      QTest::keyClicks(text1, "150.5");
      ok << modal->findChild<QPushButton*>("Command1")->isEnabled();
      QTest::keyClick(text1, Qt::Key_Return);  // confirms the time, does not press OK
      ok << modal->findChild<QPushButton*>("Command1")->isEnabled() << modal->isVisible();
      clockWhileOpen = game.text("LabTem");  // the main window shows a confirmed time at once
      toolTip = text1->toolTip();
      QTimer::singleShot(50, modal, &QWidget::close);
    });
    game.action("mOpzioni")->trigger();
    QCOMPARE(schemeWhileOpen, 1);
    QCOMPARE(refusal, std::pair(QString("Il tempo va da 120 a 32767 secondi"), QColor(255, 0, 0)));
    QCOMPARE(ok, (QList<bool>{false, true, true}));
    QCOMPARE(clockWhileOpen, QStringLiteral("150.5"));
    QCOMPARE(toolTip, QStringLiteral("Da 120 a 32767 secondi"));
    QCOMPARE(game.find("Sfondo_1")->geometry(), QRect(32, 40, 289, 289));
    QVERIFY(!game.window.centralWidget()->rect().intersects(game.find("Sfondo_0")->geometry()));
    QCOMPARE(game.window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first(), game.find("Sfondo_1"));
  }

  // Qt's own texts are Italian once the installed translation is loaded: the save dialog and the
  // question it asks before replacing a file (the game asks for it). The dialog lists every file
  // under "Tutti i files", one without an extension too, and adds ".txt" to a name without one
  // before it asks.
  void saveDialogAndItsReplaceQuestionAreItalian() {
    const QString loaded = installQtItalian();
    QVERIFY2(!loaded.isEmpty(), "qtbase_it is not installed: scripts/setup.sh installs qt6-translations-l10n");
    QVERIFY(loaded.startsWith(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QTemporaryDir dir;
    for (const char* name : {"gara.txt", "partita1"}) QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    QString lookIn, question, yes;
    QStringList listed;
    whenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      if (!dialog) return void(modal->close());
      lookIn = dialog->findChild<QLabel*>("lookInLabel")->text();
      dialog->selectNameFilter(dialog->nameFilters().last());
      auto* view = dialog->findChild<QListView*>("listView");
      (void)QTest::qWaitFor([&] {  // the listing is checked below
        listed.clear();
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
          listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        return listed.size() >= 2;
      }, 3000);
      whenModal([&](QWidget* ask) {  // the question opens inside accept()
        auto* box = qobject_cast<QMessageBox*>(ask);
        if (!box) return;
        question = box->text();
        yes = box->button(QMessageBox::Yes)->text();
        box->button(QMessageBox::Yes)->click();
      });
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      name->clear();
      QTest::keyClicks(name, "gara");
      static_cast<QDialog*>(dialog)->accept();  // as the "Salva" button does
    });
    QtPlatform platform;
    const std::string chosen =
        platform.chooseSaveFile({"Seleziona il file in cui salvare", dir.path().toStdString(), false, true, "txt"});
    QCOMPARE(QString::fromStdString(chosen), dir.filePath("gara.txt"));
    QCOMPARE(lookIn, QString("Cerca in:"));
    listed.sort();
    QCOMPARE(listed, (QStringList{"gara.txt", "partita1"}));
    QCOMPARE(question, QString("gara.txt esiste già.\nVuoi sostituirlo?"));
    QCOMPARE(yes, QString("&Sì"));
  }

  // The top turns at every tick of its timer, one each 150 ms; after 4 s of ticks the main window
  // is shown while the splash is still up, then the splash closes and deletes itself. The test
  // fires the ticks itself.
  void splashTurnsTheTopThenHandsOver() {
    int calls = 0;
    bool visibleAtHandOver = false;
    QPointer<SplashWindow> splash = new SplashWindow([&] {
      ++calls, visibleAtHandOver = splash && splash->isVisible();
      return true;
    });
    splash->show();
    QCOMPARE(splash->size(), QSize(380, 229));
    QVERIFY(splash->findChild<QLabel*>("Trottola")->pixmap().isNull());
    QVERIFY(splash->timer().isActive());
    QCOMPARE(splash->timer().interval(), 150);
    const auto tick = [&] { QVERIFY(QMetaObject::invokeMethod(&splash->timer(), "timeout")); };
    tick();
    QCOMPARE(splash->model().Trottola, 1);
    QVERIFY(!splash->findChild<QLabel*>("Trottola")->pixmap().isNull());
    for (int n = 2; n <= 26; ++n) tick();  // 3900 ms
    QCOMPARE(calls, 0);
    QVERIFY(splash->timer().isActive());
    tick();
    QCOMPARE(calls, 1);
    QVERIFY(visibleAtHandOver);
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 2000);
    QCOMPARE(calls, 1);
  }
};

}  // namespace vocari

QTEST_MAIN(vocari::SecondaryWindowsTest)
#include "secondary_windows_test.moc"
