// What a player meets at the edges of the main window: where the focus goes after a new game,
// the game's keys from every control, the shortcuts and their disabled state, the player's list
// following the game, the end-of-game summary and marks, and the window's scale.
#include <QSignalSpy>

#include "qt_test_support.h"

using namespace vocari;

namespace {

// Words of kBoard's grid for a longer game (kBoard: CASA / ORTE / LINU / BDFG).
const char* const kManyWords[] = {"CA", "AS", "SA", "CASA", "ARTE", "CARTE", "RATE", "TE",
                                  "ORA", "ORTI", "LI", "IN", "UN", "NE"};

std::string manyWordsDictionary() {
  std::string text = "\r\n";
  for (const char* w : kManyWords) text += std::string(w) + "\r\n";
  return text;
}

// A game on the longer dictionary, its window active so that focus and shortcuts work.
struct ActiveGame : Game {
  ActiveGame() : Game(manyWordsDictionary().c_str()) {
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) qFatal("window not active");
  }
  QWidget* focus() const { return QApplication::focusWidget(); }
  void runOutTheClock() {
    while (form.Timer2.enabled) form.Timer2_Timer();
    window.render();
  }
};

}  // namespace

class PlayEdgesTest : public QObject {
  Q_OBJECT

 private slots:
  // After "Nuovo", "Genera" and "Apri" the focus is where it was, or on "Nuovo" when that
  // control is off after the flow; never on "Fine". Space then starts a game, it does not quit;
  // a click on "Fine" does.
  void focusAfterEveryNewGameFlow() {
    ActiveGame game;
    QTest::mouseClick(game.button("cmdNew"), Qt::LeftButton);
    QCOMPARE(game.focus(), game.button("cmdNew"));
    QTest::keyClick(game.focus(), Qt::Key_Space);
    QVERIFY(game.quits.empty());
    QCOMPARE(game.focus(), game.button("cmdNew"));
    QVERIFY(game.form.Timer2.enabled && game.text("Label6").endsWith("***"));

    // From the list through "Apri": the list is hidden during the flow and takes the focus back.
    game.list("LisMie")->setFocus();
    game.openBoard();
    QCOMPARE(game.focus(), game.list("LisMie"));
    // From "OK" through Ctrl+N: "OK" stays off after the flow, so "Nuovo" takes the focus.
    QTest::keyClicks(game.focus(), "ca");
    game.button("CmdOK")->setFocus();
    QTest::keyClick(game.focus(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(game.focus(), game.button("cmdNew"));
    // From "Fine" through the menu: it stays there. The dice and the solutions mirror the model.
    game.button("cmdExit")->setFocus();
    game.action("mGen")->trigger();
    QCOMPARE(game.focus(), game.button("cmdExit"));
    for (int p : dicePos) QCOMPARE(game.die(p)->letterIndex(), letterIndex(game.form.state.board[p]));
    QCOMPARE(game.list("ListS")->count(), game.form.ListS.listCount());
    QVERIFY(game.window.gameClock().isActive() && game.window.gameClock().interval() == 1000);
    QVERIFY(game.quits.empty());
    QTest::mouseClick(game.button("cmdExit"), Qt::LeftButton);
    QCOMPARE(game.quits, std::vector<int>{0});
  }

  // Letters, Backspace, Escape and Enter reach the game from every control that can hold the
  // focus while the clock runs; Enter confirms only while a word is being built.
  void gameKeysFromEveryControl() {
    ActiveGame game;
    game.openBoard();
    game.find<QCheckBox>("labMostra")->click();
    QVERIFY(game.list("ListS")->isVisible());
    QTest::keyClicks(game.focus(), "casa");
    QTest::keyClick(game.focus(), Qt::Key_Return);
    const char* controls[] = {"cmdNew", "cmdSave", "cmdExit", "CmdOK", "levaLast", "levaAll", "labMostra", "ListS", "LisMie"};
    for (const char* name : controls) {
      QWidget* control = game.find(name);
      QTest::keyClick(game.focus(), Qt::Key_Escape);
      QTest::keyClicks(game.focus(), "ca");  // "OK", "<" and "X" can take the focus now
      control->setFocus();
      QCOMPARE(game.focus(), control);
      QTest::keyClicks(control, "s");
      QCOMPARE(name + (": " + game.text("LabelT")), name + QString(": CAS"));
      QTest::keyClick(control, Qt::Key_Backspace);
      QCOMPARE(name + (": " + game.text("LabelT")), name + QString(": CA"));
      QTest::keyClicks(control, "sa");
      QTest::keyClick(control, Qt::Key_Return);
      QCOMPARE(name + (": " + game.text("LabErr")), name + QString(": Già c'è !"));
      QTest::keyClick(game.focus(), Qt::Key_Escape);
      QCOMPARE(name + (": " + game.text("LabelT")), QString(name) + ": ");
      QVERIFY2(game.focus() != game.button("cmdExit") || QString(name) == "cmdExit", name);
    }
    QCOMPARE(game.entries("LisMie"), QStringList{"CASA"});
    QVERIFY(game.quits.empty());
    // With no word, Enter keeps its own meaning: on "Nuovo" it does nothing (no default button).
    game.button("cmdNew")->setFocus();
    QTest::keyClick(game.focus(), Qt::Key_Return);
    QVERIFY(game.text("LabErr").isEmpty());
    // Once the clock has run out, letters go back to the list's own search.
    game.runOutTheClock();
    game.list("ListS")->setFocus();
    QTest::keyClicks(game.list("ListS"), "r");
    QVERIFY(game.text("LabelT").isEmpty());
    QCOMPARE(game.list("ListS")->currentItem()->text(), QString("RATE"));
  }

  // Every shortcut acts, and does nothing while its entry is off.
  void shortcutsFollowTheirEntries() {
    ActiveGame game;
    QWidget* at = game.button("cmdNew");
    game.saveAnswer = game.path("salvato.txt");
    QVERIFY(!game.action("mSave")->isEnabled());
    QTest::keyClick(at, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!QFile::exists(game.dir.filePath("salvato.txt")));

    // During the deal Ctrl+N and Ctrl+O are off, as "Nuovo" is.
    QSignalSpy opened(game.action("mApri"), &QAction::triggered), dealt(game.action("mGen"), &QAction::triggered);
    std::vector<bool> during;
    QTimer::singleShot(0, &game.window, [&] {
      during = {game.action("mGen")->isEnabled(), game.action("mApri")->isEnabled(), game.button("cmdNew")->isEnabled()};
      game.openAnswer = game.path("none.txt");
      QTest::keyClick(game.focus(), Qt::Key_O, Qt::ControlModifier);
      QTest::keyClick(game.focus(), Qt::Key_N, Qt::ControlModifier);
    });
    QTest::keyClick(at, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(during, (std::vector<bool>{false, false, false}));
    QCOMPARE(opened.count(), 0);
    QCOMPARE(dealt.count(), 1);  // the Ctrl+N that started the deal
    QVERIFY(game.form.Timer2.enabled && game.action("mGen")->isEnabled());

    QTest::keyClick(game.focus(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(QFile::exists(game.dir.filePath("salvato.txt")));
    game.write("gara.txt", writeGameFile(testing::boardOf(kBoard), true, 120, 8));
    game.openAnswer = game.path("gara.txt");
    QTest::keyClick(game.focus(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(game.text("labGara"), QString("Gara con: 120'-8#"));
    std::vector<ModalWindow> modals;
    game.platform.onModal = [&](ModalWindow w) { modals.push_back(w); };
    QTest::keyClick(game.focus(), Qt::Key_F1);
    QCOMPARE(modals, std::vector<ModalWindow>{ModalWindow::Viewer});
    QCOMPARE(game.settings.viewerText, int16_t(2));  // the help
    QTest::keyClick(game.focus(), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(game.quits, std::vector<int>{0});
  }

  void playerListShowsItsNewestEntry() {
    ActiveGame game;
    game.openBoard();
    ListBoxWidget* lisMie = game.list("LisMie");
    for (int i = 0; i < 12; ++i) {
      QTest::keyClick(game.focus(), Qt::Key_Escape);
      QTest::keyClicks(game.focus(), kManyWords[i]);
      QTest::keyClick(game.focus(), Qt::Key_Return);
      QCOMPARE(lisMie->count(), i + 1);
      const QRect newest = lisMie->visualItemRect(lisMie->item(i));
      QVERIFY2(lisMie->viewport()->rect().contains(newest), kManyWords[i]);
    }
    QVERIFY(!lisMie->viewport()->rect().contains(lisMie->visualItemRect(lisMie->item(0))));
  }

  // The summary in its own place, the found words marked in the solution list, both until the
  // next game.
  void summaryAndMarkedSolutions() {
    ActiveGame game;
    game.openBoard();
    for (const char* w : {"CASA", "CARTE"}) {
      QTest::keyClick(game.focus(), Qt::Key_Escape);
      QTest::keyClicks(game.focus(), w);
      QTest::keyClick(game.focus(), Qt::Key_Return);
    }
    QVERIFY(game.text("LabEsito").isEmpty());
    game.runOutTheClock();
    const QString summary = game.text("LabEsito");
    QVERIFY2(summary.startsWith("Tempo scaduto: 22 punti su 76 possibili, 2 parole su 14\nGara: hai vinto, 22 a 8"),
             qPrintable(summary));
    // Free space: no other control shown in the main window overlaps it.
    QWidget* esito = game.find("LabEsito");
    for (QWidget* other : game.window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (other != esito && other->isVisible() && other->objectName() != "Griglia" && other->objectName() != "Lin")
        QVERIFY2(!other->geometry().intersects(esito->geometry()), qPrintable(other->objectName()));
    QVERIFY(QFontMetrics(esito->font()).boundingRect(QRect(), 0, summary).width() <= esito->width());

    game.find<QCheckBox>("labMostra")->click();
    ListBoxWidget* listS = game.list("ListS");
    const int carte = game.entries("ListS").indexOf("CARTE");  // CASA comes next
    QVERIFY(carte >= 0 && listS->isMarked(carte) && listS->isMarked(carte + 1));
    QTest::mouseClick(game.button("cmdNew"), Qt::LeftButton);
    QVERIFY(game.text("LabEsito").isEmpty());
    QVERIFY(!listS->isMarked(carte) && !listS->isMarked(carte + 1));
  }

  // Geometry, fonts, dice, lines and pictures follow the scale; Ctrl++, Ctrl+- and Ctrl+0 step
  // it; a resized frame fits the content, centred.
  void scaledWindow() {
    ActiveGame game;
    game.openBoard();
    game.clickDice({7, 8});
    struct Case {
      qreal scale;
      QSize client;
      QRect nuovo, die7, board;
    } cases[] = {
        {1.5, {818, 812}, {48, 696, 134, 50}, {60, 72, 86, 86}, {48, 60, 434, 434}},
        {0.75, {409, 406}, {24, 348, 67, 25}, {30, 36, 43, 43}, {24, 30, 217, 217}},
        {1, {545, 541}, {32, 464, 89, 33}, {40, 48, 57, 57}, {32, 40, 289, 289}},
    };
    for (const Case& c : cases) {
      game.window.setScale(c.scale);
      QTRY_COMPARE(game.window.centralWidget()->size(), c.client);
      QCOMPARE(game.window.scale(), c.scale);
      QCOMPARE(game.button("cmdNew")->geometry(), c.nuovo);
      QCOMPARE(game.button("cmdNew")->font().pointSizeF(), 13.5 * c.scale);
      QCOMPARE(game.list("ListS")->font().pointSizeF(), 14.25 * c.scale);
      QCOMPARE(game.find("LabTem")->font().pointSizeF(), 14.25 * c.scale);
      QCOMPARE(game.find("LabEsito")->font().pointSizeF(), 8.25 * c.scale);
      QCOMPARE(game.die(7)->geometry(), c.die7);
      QCOMPARE(game.die(7)->frameWidth(), 3 * c.scale);
      QCOMPARE(game.find("Sfondo_0")->geometry(), c.board);
      QCOMPARE(game.lines()->lineWidth(), 5 * c.scale);
      const PathSegment& ca = game.lines()->segments()[0];
      QCOMPARE(ca.line.p1(), QPointF(1027.5, 1147.5) * c.scale / 15);  // die 7's centre in twips
      QVERIFY(std::abs(ca.line.x2() - ca.line.x1() - 72 * c.scale) < 0.01);
      // The die is drawn at its new size, sharp.
      QCOMPARE(game.die(7)->grab().size(), c.die7.size());
    }
    QTest::keyClick(game.focus(), Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(game.window.scale(), 1.25);
    QTest::keyClick(game.focus(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(game.focus(), Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(game.window.scale(), 0.875);
    QTest::keyClick(game.focus(), Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(game.window.scale(), 1.0);

    // The frame made twice as large, then wide and low: the content fits the height, centred.
    const int menu = game.window.height() - game.window.centralWidget()->height();
    game.window.resize(1090, 1082 + menu);
    QTRY_COMPARE(game.window.scale(), 2.0);
    QCOMPARE(game.button("cmdNew")->geometry(), QRect(64, 928, 178, 66));
    game.window.resize(1000, 541 + menu);
    QTRY_COMPARE(game.window.scale(), 1.0);
    QCOMPARE(game.button("cmdNew")->geometry(), QRect(32 + (1000 - 545) / 2, 464, 89, 33));
    QVERIFY(!game.find("Sfondo_1")->isVisible());
  }

  // A screen smaller than the window: it starts scaled down to fit; a large one leaves it as is.
  void startsScaledDownOnASmallScreen() {
    Game game(nullptr);
    game.window.fitToScreen(QSize(1920, 1080));
    QCOMPARE(game.window.scale(), 1.0);
    game.window.fitToScreen(QSize(640, 400));
    QVERIFY(game.window.scale() < 0.75);
    const QSize size = game.window.size();
    QVERIFY2(size.height() <= 400 && size.width() <= 640, qPrintable(QString("%1x%2").arg(size.width()).arg(size.height())));
    QCOMPARE(game.find("cmdNew")->font().pointSizeF(), 13.5 * game.window.scale());
  }
};

QTEST_MAIN(PlayEdgesTest)
#include "play_edges_test.moc"
