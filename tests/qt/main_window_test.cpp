// The main window on the offscreen platform: controls found by objectName, a game played with mouse
// clicks and keys, and the widgets checked against the model after each step. The game rules
// themselves are the model tests' business. Then what a player meets at the edges of the window:
// where the focus goes after a new game, the game's keys from every control, the shortcuts and
// their disabled state, the player's list following the game, the end-of-game summary and marks,
// and the window's scale.
#include <QSignalSpy>
#include <tuple>

#include "core/startup.h"
#include "qt_test_support.h"

using namespace vocari;

namespace {

const QColor kRedText(255, 0, 0), kRestLine(255, 128, 255), kTraceLine(128, 128, 255);

QPointF dieCentre(int p) { return QPointF(40 + 72 * (p % 6 - 1) + 28.5, 48 + 72 * (p / 6 - 1) + 28.5); }
QColor textColour(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::WindowText); }

// Words of kBoard's grid for a longer game (kBoard: CASA / ORTE / LINU / BDFG).
const char* const kManyWords[] = {"CA", "AS", "SA", "CASA", "ARTE", "CARTE", "RATE", "TE",
                                  "ORA", "ORTI", "LI", "IN", "UN", "NE"};

std::string manyWordsDictionary() {
  std::vector<std::string> words(std::begin(kManyWords), std::end(kManyWords));
  std::sort(words.begin(), words.end());
  std::string text = "\r\n";
  for (const std::string& w : words) text += w + "\r\n";
  return text;
}

// A game on the longer dictionary, its window active so that focus and shortcuts work.
struct ActiveGame : Game {
  ActiveGame() : Game(manyWordsDictionary().c_str()) {
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window)) qFatal("window not active");
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void missingDictionaryKeepsTheWindowHidden() {
    Game game(nullptr);
    const auto error = game.window.start(game.dir.path().toStdString());
    QVERIFY(error && QString::fromStdString(*error).contains("Base3.txt"));
    QVERIFY(!game.window.isVisible());
  }

  void windowAtStart() {
    ActiveGame game;
    MainWindow& w = game.window;
    QCOMPARE(w.windowTitle(), QString("   VOCARI"));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.centralWidget()->size(), QSize(545, 541));
    QCOMPARE(w.centralWidget()->palette().color(QPalette::Window), QColor(192, 255, 255));
    // Menu, entry name, caption ("-": separator), enabled, shortcut; "Opzioni" is a command of its own.
    const QStringList expected = {
        "File|mApri|Apri un file Vocari|1|Ctrl+O", "File|mGen|Genera un nuovo Vocari|1|Ctrl+N",
        "File|mSfida|Sfida del giorno|1|Ctrl+G", "File|m1|-|1|", "File|mSave|Salva questo Vocari|0|Ctrl+S",
        "File|mCopia|Copia risultato|0|", "File|m3|-|1|", "File|mfine|Fine|1|Ctrl+Q",
        "Visualizza|mDizi|Dizionario completo|1|", "Visualizza|mAcro|Acronimi del dizionario|1|",
        "Visualizza|mZoomSep|-|1|", "Visualizza|mIngrandisci|Ingrandisci|1|Ctrl++", "Visualizza|mRiduci|Riduci|1|Ctrl+-",
        "Visualizza|mNormale|Dimensione normale|1|Ctrl+0", "Opzioni|mOpzioni|Opzioni|1|",
        "Aiuto|mGuida|Guida completa|1|F1", "Aiuto|mCons|Consigli|1|", "Aiuto|m2|-|1|", "Aiuto|mInfo|Informazioni|1|"};
    QStringList menus;
    for (QAction* top : w.menuBar()->actions())
      for (QAction* a : top->menu() ? top->menu()->actions() : QList<QAction*>{top})
        menus << QStringList{top->text(), a->objectName(), a->isSeparator() ? "-" : a->text(), QString::number(a->isEnabled()),
                             a->shortcut().toString()}.join('|');
    QCOMPARE(menus, expected);
    // Focus starts at "Nuovo" and goes on to "Fine".
    QCOMPARE(QApplication::focusWidget(), game.button("cmdNew"));
    QTest::keyClick(game.button("cmdNew"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.button("cmdExit"));

    // Caption and start state of every control; each lies inside the client area and shows its
    // caption whole in its own font.
    // name, caption, visible, enabled
    const std::tuple<const char*, const char*, bool, bool> controls[] = {
        {"LabTem", "120", 1, 1}, {"labMostra", "Visualizza soluzioni (=            )", 0, 1}, {"LabTempo", "", 1, 1},
        {"Label1", "Tutte le soluzioni", 0, 1}, {"ListS", "", 0, 1}, {"Label5", "Ricerca soluzioni in corso ...", 0, 1},
        {"Label3", " Numero              Punti", 0, 1}, {"LabSol", "", 0, 1}, {"LabPun", "", 0, 1},
        {"Label2", "Trovati", 0, 1}, {"LisMie", "", 0, 1}, {"labGara", "", 1, 1}, {"Label4", "Tentativo", 1, 1},
        {"LabelT", "", 1, 1}, {"levaLast", "<", 1, 0}, {"levaAll", "X", 1, 0}, {"CmdOK", "OK", 0, 0},
        {"LabErr", "", 1, 1}, {"cmdNew", "Nuovo", 1, 1}, {"cmdSave", "Salva", 1, 0}, {"cmdExit", "Fine", 1, 1},
        {"Label6", "", 1, 1}, {"LabEsito", "", 1, 1},
    };
    const QRect client = w.centralWidget()->rect();
    for (const auto& [id, caption, visible, enabled] : controls) {
      const QString name = id;
      QWidget* control = game.find(name);
      QVERIFY2(control, id);
      QCOMPARE(name + ": " + control->property("text").toString(), name + ": " + QString::fromUtf8(caption));
      QVERIFY2(control->isVisible() == visible && control->isEnabled() == enabled, id);
      QVERIFY2(client.contains(control->geometry()), id);
      const int width = QFontMetrics(control->font()).horizontalAdvance(QString::fromUtf8(caption).trimmed());
      QVERIFY2(width <= control->width(), qPrintable(name + ": " + QString::number(width)));
    }
    QWidget* labTem = game.find("LabTem");
    QCOMPARE(textColour(labTem), QColor(255, 255, 0));
    QCOMPARE(labTem->palette().color(QPalette::Window), QColor(0, 192, 0));
    QVERIFY(labTem->font().italic() && labTem->autoFillBackground());
    QCOMPARE(game.button("CmdOK")->palette().color(QPalette::Button), QColor(255, 255, 192));
    QCOMPARE(game.button("levaLast")->toolTip(), QString("Leva ultima a dx"));
    // Sixteen dice at their places over the winter board.
    for (int p : dicePos)
      QCOMPARE(game.die(p)->geometry(), QRectF(dieCentre(p) - QPointF(28.5, 28.5), QSizeF(57, 57)).toRect());
    QCOMPARE(game.find("Sfondo_0")->geometry(), QRect(32, 40, 289, 289));
    QCOMPARE(game.window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first(), game.find("Sfondo_0"));
  }

  // A die out of reach refused in red; CASA built and accepted; five letters scoring in blue; "X"
  // and "<"; a double click clears the word once its first click has picked the die, and a press
  // released outside the die is no click.
  void wordBuiltAcceptedAndRefused() {
    Game game;
    game.openBoard();
    game.clickDice({7, 9});
    QCOMPARE(game.text("LabErr"), QString("Fuori zona !"));
    QCOMPARE(textColour(game.find("LabErr")), kRedText);
    QVERIFY(game.button("levaLast")->isEnabled() && !game.button("CmdOK")->isEnabled());
    game.clickDice({8, 9, 10});
    QCOMPARE(game.text("LabelT"), QString("CASA"));
    QCOMPARE(game.framed(), (Dice{7, 8, 9, 10}));
    QCOMPARE(game.lines()->visibleCount(), 3);
    for (int i = 0; i < 3; ++i)
      QCOMPARE(game.lines()->segments()[i], (PathSegment{{dieCentre(7 + i), dieCentre(8 + i)}, kRestLine, true}));
    game.click("CmdOK");
    QCOMPARE(game.entries("LisMie"), QStringList{"CASA"});
    QCOMPARE(game.text("LabSol") + " " + game.text("LabPun") + " " + game.text("LabErr"), QString("1 8 "));
    game.click("levaAll");
    QVERIFY(game.text("LabelT").isEmpty() && game.framed().empty() && game.lines()->visibleCount() == 0);
    game.clickDice({7, 8, 14, 15, 16});
    game.click("CmdOK");
    QCOMPARE(textColour(game.find("LabErr")), QColor(0, 0, 255));
    QCOMPARE(game.entries("LisMie"), (QStringList{"CASA", "CARTE"}));
    game.click("levaLast");
    QCOMPARE(game.framed(), (Dice{7, 8, 14, 15}));
    QTest::mouseClick(game.die(16), Qt::LeftButton);
    QTest::mousePress(game.die(16), Qt::LeftButton);
    QTest::mouseDClick(game.die(16), Qt::LeftButton);
    QTest::mouseRelease(game.die(16), Qt::LeftButton);
    QVERIFY(game.text("LabelT").isEmpty() && game.framed().empty());
    QTest::mousePress(game.die(7), Qt::LeftButton);
    QTest::mouseRelease(game.die(7), Qt::LeftButton, {}, QPoint(70, 10));
    QVERIFY(game.text("LabelT").isEmpty());
  }

  // Spelling by dragging: each die the pointer comes into is picked as a click picks it, the path
  // lines following; back onto the die before takes the last letter back; a release after two
  // dice confirms the word as "OK" does. A drag starts a new word, also from the last die of
  // the word before. A press and release on one die is a click.
  void dragSpellsWords() {
    Game game;
    game.openBoard();
    game.drag({7, 8, 9, 10}, false);
    QCOMPARE(game.text("LabelT"), QString("CASA"));
    QCOMPARE(game.lines()->visibleCount(), 3);
    QVERIFY(game.entries("LisMie").isEmpty());
    QTest::mouseRelease(game.die(7), Qt::LeftButton, {}, game.die(7)->mapFromGlobal(game.die(10)->mapToGlobal(QPoint(28, 28))));
    QCOMPARE(game.entries("LisMie"), QStringList{"CASA"});
    const struct {
      Dice dice;
      QString word, message;
      int beeps;
      QStringList words;
    } cases[] = {
        {{7, 8, 14, 8, 14, 15, 16}, "CARTE", "Bonus lunghezza !", 0, {"CASA", "CARTE"}},  // back from R to A
        {{14, 8, 15, 16, 8}, "RATE", "Già usata !", 5, {"CASA", "CARTE", "RATE"}},       // A again refused
        {{10}, "RATEA", "", 0, {"CASA", "CARTE", "RATE"}},                                // one die: a click
        {{10, 16}, "AE", "Non c'è !", 5, {"CASA", "CARTE", "RATE"}},  // from the last die: a new word
        {{15, 16, 15}, "T", "", 0, {"CASA", "CARTE", "RATE"}},  // back to one die: nothing to confirm
    };
    for (const auto& c : cases) {
      game.platform.beeps = 0;
      game.drag(c.dice);
      QCOMPARE(game.text("LabelT"), c.word);
      QCOMPARE(game.text("LabErr"), c.message);
      QCOMPARE(game.platform.beeps, c.beeps);
      QCOMPARE(game.entries("LisMie"), c.words);
    }
  }

  // The keyboard cursor: the board is in the Tab order (a click never gives it the focus); with
  // the focus it shows the cursor, the arrows move it and stop at the edges, Space picks the die
  // under it, a screen reader names that die with its place, and letters still type.
  void keyboardCursorOnTheGrid() {
    ActiveGame game;
    game.openBoard();
    QWidget* board = game.find("Griglia");
    QTest::mouseClick(game.die(7), Qt::LeftButton);
    QVERIFY(game.focus() != board);
    game.click("levaAll");
    game.button("cmdNew")->setFocus();
    for (int tabs = 0; tabs < 12 && game.focus() != board; ++tabs) QTest::keyClick(game.focus(), Qt::Key_Tab);
    QCOMPARE(game.focus(), board);
    const auto cursor = [&] {
      Dice under;
      for (int p : dicePos)
        if (game.die(p)->underCursor()) under.push_back(p);
      return under;
    };
    QCOMPARE(cursor(), Dice{7});
    const std::pair<std::vector<Qt::Key>, int> moves[] = {
        {{Qt::Key_Up, Qt::Key_Left}, 7},
        {{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right}, 10},
        {{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}, 28},
        {{Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left}, 14},
    };
    for (const auto& [keys, at] : moves) {
      for (Qt::Key key : keys) QTest::keyClick(board, key);
      QCOMPARE(cursor(), Dice{at});
    }
    QCOMPARE(game.die(14)->spokenName(), QString("R, 2 punti, riga 2 colonna 2"));
    QCOMPARE(game.die(8)->spokenName(), QString("A, 1 punto"));
    QTest::keyClick(board, Qt::Key_Space);
    QTest::keyClicks(board, "t");
    QTest::keyClick(board, Qt::Key_Right);
    QTest::keyClick(board, Qt::Key_Right);
    QTest::keyClick(board, Qt::Key_Space);
    QCOMPARE(game.text("LabelT"), QString("RTE"));
    QCOMPARE(game.framed(), (Dice{14, 15, 16}));
    QTest::keyClick(board, Qt::Key_Space);  // the last die again: taken back, as a click does
    QCOMPARE(game.text("LabelT"), QString("RT"));
    game.button("cmdNew")->setFocus();
    QVERIFY(cursor().empty());
  }

  // The check box shows the sorted solutions; a press on an entry traces it, the release clears
  // every mark. The player's list traces with any button.
  void solutionsShownAndTraced() {
    Game game;
    game.openBoard();
    auto* mostra = game.find<QCheckBox>("labMostra");
    QCOMPARE(mostra->text(), QString("Visualizza soluzioni (=4)"));
    QTest::mouseClick(mostra, Qt::LeftButton);
    QVERIFY(game.list("ListS")->isVisible() && game.find("Label1")->isVisible());
    QCOMPARE(game.entries("ListS"), (QStringList{"ARTE", "CARTE", "CASA", "RATE"}));
    ListBoxWidget* listS = game.list("ListS");
    const QPoint carte = listS->visualItemRect(listS->item(1)).center();
    QTest::mousePress(listS->viewport(), Qt::LeftButton, {}, carte);
    QCOMPARE(game.framed(), (Dice{7, 8, 14, 15, 16}));
    QCOMPARE(game.lines()->visibleCount(), 4);
    for (const PathSegment& s : game.lines()->segments()) QVERIFY(!s.visible || s.colour == kTraceLine);
    QTest::mouseRelease(listS->viewport(), Qt::LeftButton, {}, carte);
    QVERIFY(game.framed().empty() && game.lines()->visibleCount() == 0);
    game.clickDice({7, 8, 9, 10});
    game.click("CmdOK");
    game.click("levaAll");
    ListBoxWidget* lisMie = game.list("LisMie");
    const QPoint casa = lisMie->visualItemRect(lisMie->item(0)).center();
    QTest::mousePress(lisMie->viewport(), Qt::RightButton, {}, casa);
    QCOMPARE(game.framed(), (Dice{7, 8, 9, 10}));
    QTest::mouseRelease(lisMie->viewport(), Qt::RightButton, {}, casa);
    QVERIFY(game.framed().empty());
  }

  // The save button and menu entry write where the dialog says the grid of the opened file; the
  // word list, reached through a link, a linked folder or "./", is never written.
  void saveThroughTheDialogs() {
    Game game;
    game.openBoard();
    QVERIFY(QFile::link(game.dir.filePath("Base3.txt"), game.dir.filePath("legame.txt")));
    QVERIFY(QFile::link(game.dir.path(), game.dir.filePath("qui")));
    for (const char* name : {"legame.txt", "qui/Base3.txt", "./Base3.txt"}) {
      game.saveAnswer = game.path(name);
      game.click("cmdSave");
      QVERIFY2(game.platform.messages.size() == 1 && game.platform.messages.back().find("è un file del gioco") != std::string::npos, name);
      game.platform.messages.clear();
    }
    QCOMPARE(*readWholeFile(game.path("Base3.txt"), 1000), std::string("\r\nARTE\r\nCARTE\r\nCASA\r\nRATE\r\nSERA\r\nTORO\r\n"));
    QVERIFY(game.find("labGara")->isVisible() && game.window.gameClock().isActive());
    for (const char* file : {"button.txt", "menu.txt"}) {
      game.saveAnswer = game.path(file);
      file[0] == 'b' ? game.click("cmdSave") : game.action("mSave")->trigger();
      QFile saved(game.dir.filePath(file));
      QVERIFY(saved.open(QIODevice::ReadOnly));
      QCOMPARE(saved.readAll(), QByteArray("CASA\r\nORTE\r\nLINU\r\nBDFG\r\n"));
    }
  }

  // An opened file shows its opponent on one line, whole however long (the font shrinks when it
  // must), and a file without one clears the line; a die the file leaves undealt shows empty, named "Dado vuoto".
  void openedFileShowsItsOpponentAndItsEmptyDice() {
    Game game;
    QLabel* labGara = game.find<QLabel>("labGara");
    for (const auto& [bytes, shown, points] :
         {std::tuple{writeGameFile(testing::boardOf(kBoard), true, 120, 8), "Gara con: 120'-8#", 12.0},
          {writeGameFile(testing::boardOf(kBoard), true, 32767, 1234), "Gara con: 32767'-1234#", 0.0},
          {writeGameFile(testing::boardOf(kBoard), true, 32767.25, 32767), "Gara con: 32767.25'-32767#", -1.0},
          {std::string("CASA\nORTE\nLINU\nBDF4\n"), "", 12.0}}) {
      game.write("gara.txt", bytes);
      game.openAnswer = game.path("gara.txt");
      game.action("mApri")->trigger();
      QCOMPARE(labGara->text(), QString(shown));
      QVERIFY(!labGara->wordWrap());
      QVERIFY(QFontMetrics(labGara->font()).horizontalAdvance(labGara->text()) <= labGara->contentsRect().width());
      if (points > 0) QCOMPARE(labGara->font().pointSizeF(), points);
      if (points < 0) QVERIFY(labGara->font().pointSizeF() < 12);
    }
    QCOMPARE(game.die(28)->letterIndex(), -1);
    QCOMPARE(game.die(28)->spokenName(), QString("Dado vuoto"));
    QCOMPARE(game.die(27)->spokenName(), QString("F, 4 punti"));
  }

  // A new game restarts the clock's phase even while the clock runs: its first tick comes a whole
  // interval after the start (the test's clock ticks every 200 ms). One real tick, the rest
  // fast-forwarded: the clock stops and the buttons and the menu follow the model. Label5 has the
  // theme's window-text colour.
  void clockRestartsWithANewGameAndRunsDown() {
    const QPalette saved = QApplication::palette();
    QPalette theme = saved;
    theme.setColor(QPalette::WindowText, QColor(10, 20, 30));
    QApplication::setPalette(theme);
    Game game;
    QCOMPARE(textColour(game.find("Label5")), QColor(10, 20, 30));
    QApplication::setPalette(saved);
    game.form.Timer2.interval = 200;
    game.openBoard();
    QTest::qWait(120);
    QVERIFY(game.window.gameClock().isActive() && game.window.gameClock().remainingTime() < 100);
    game.click("cmdNew");
    QVERIFY(game.window.gameClock().remainingTime() > 180);
    QCOMPARE(game.text("LabTem"), QString("120"));
    QVERIFY(!game.action("mOpzioni")->isEnabled());
    game.clickDice({7, 8, 9});
    QTRY_COMPARE_WITH_TIMEOUT(game.text("LabTem"), QString("119"), 3000);
    game.runOutTheClock();
    QCOMPARE(game.text("LabTem"), QString("0"));
    QVERIFY(!game.window.gameClock().isActive());
    for (const char* b : {"CmdOK", "levaLast", "levaAll"}) QVERIFY2(!game.button(b)->isEnabled(), b);
    QVERIFY(game.action("mOpzioni")->isEnabled());
  }

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
    // Tab follows the buttons as they stand: "Nuovo", "Salva", "Fine".
    QTest::keyClick(game.focus(), Qt::Key_Tab);
    QCOMPARE(game.focus(), game.button("cmdSave"));
    QTest::keyClick(game.focus(), Qt::Key_Tab);
    QCOMPARE(game.focus(), game.button("cmdExit"));

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

  // Other keys never reach the game while the clock runs: digits, punctuation, accented letters and
  // Space change no word, show no message and sound no alert from any control; on a button Space
  // keeps its meaning and presses it, and on the check box it ticks it.
  void otherKeysKeepTheirMeaning() {
    ActiveGame game;
    game.openBoard();
    QTest::keyClicks(game.focus(), "cas");
    for (const char* name : {"cmdSave", "levaAll", "ListS", "LisMie"}) {
      game.find(name)->setFocus();
      for (const char* keys : {"1", "0", ".", ",", "-", "'", "?", "\u00e8", "\u00f9"}) {
        const QString text = QString::fromUtf8(keys);
        if (text.at(0).unicode() < 128) QTest::keyClicks(game.focus(), text);
        else QTest::sendKeyEvent(QTest::Click, game.focus(), Qt::Key_unknown, text, Qt::NoModifier);
        const QString seen = QString(name) + " " + keys + ": " + game.text("LabelT") + "|" + game.text("LabErr") + "|" +
                             QString::number(game.platform.beeps);
        QCOMPARE(seen, QString(name) + " " + keys + ": CAS||0");
      }
    }
    QTest::keyClick(game.list("LisMie"), Qt::Key_Space);
    QCOMPARE(game.text("LabelT") + "|" + game.text("LabErr"), QString("CAS|"));
    game.button("levaLast")->setFocus();
    QTest::keyClick(game.focus(), Qt::Key_Space);
    QCOMPARE(game.text("LabelT"), QString("CA"));
    game.find("labMostra")->setFocus();
    QTest::keyClick(game.focus(), Qt::Key_Space);
    QVERIFY(game.list("ListS")->isVisible());
    QCOMPARE(game.text("LabelT") + "|" + QString::number(game.platform.beeps), QString("CA|0"));
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
    QCOMPARE(game.settings.viewerText, ViewerDocument::Help);  // the help
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
    // Zoomed in as far as it goes, the window, frame included, stays on the screen.
    for (int i = 0; i < 10; ++i) QTest::keyClick(game.focus(), Qt::Key_Plus, Qt::ControlModifier);
    const QRect screen = game.window.screen()->availableGeometry();
    QVERIFY2(game.window.scale() > 1 && screen.contains(game.window.frameGeometry()),
             qPrintable(QString("%1 at %2").arg(game.window.scale()).arg(game.window.frameGeometry().bottom())));
    // Zoomed out as far as it goes, every text shows whole: the summary and the competition too.
    for (int i = 0; i < 12; ++i) QTest::keyClick(game.focus(), Qt::Key_Minus, Qt::ControlModifier);
    game.runOutTheClock();
    QCOMPARE(game.window.scale(), MainWindow::kScaleSteps[0]);
    for (QWidget* w : game.window.centralWidget()->findChildren<QWidget*>()) {
      const QString text = w->property("text").toString();
      if (!w->isVisible() || text.isEmpty() || qobject_cast<QListWidget*>(w)) continue;
      const QFontMetrics metrics(w->font());
      const auto* label = qobject_cast<QLabel*>(w);
      const QRect room = label ? label->contentsRect() : w->rect().adjusted(4, 0, -4, 0);
      const QRect need = metrics.boundingRect(room, label ? int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0) : 0, text);
      const int indicator = qobject_cast<QCheckBox*>(w) ? w->sizeHint().width() - metrics.horizontalAdvance(text) : 0;
      // One line needs the height of its glyphs, more lines the full line spacing.
      const int high = text.contains('\n') ? need.height() : metrics.tightBoundingRect(text).height();
      QVERIFY2(need.width() + indicator <= room.width() && (!label || high <= room.height()),
               qPrintable(w->objectName() + ": " + text + QString(" %1x%2 in %3x%4").arg(need.width() + indicator).arg(high).arg(room.width()).arg(room.height())));
    }

    // The frame made twice as large, then wide and low: the content fits the height, centred.
    const int menu = game.window.height() - game.window.centralWidget()->height();
    game.window.setScale(1);
    game.window.resize(1090, 1082 + menu);
    QTRY_COMPARE(game.window.scale(), 2.0);
    QCOMPARE(game.button("cmdNew")->geometry(), QRect(64, 928, 178, 66));
    game.window.resize(1000, 541 + menu);
    QTRY_COMPARE(game.window.scale(), 1.0);
    QCOMPARE(game.button("cmdNew")->geometry(), QRect(32 + (1000 - 545) / 2, 464, 89, 33));
    QVERIFY(!game.find("Sfondo_1")->isVisible());
  }

  // On a screen too small for the window (run by ctest as qt_main_window_small_screen) the window
  // starts scaled down so that all of it, frame included, is on the screen.
  void startsFittedToASmallScreenFrameIncluded() {
    Game game;
    const QRect screen = game.window.screen()->availableGeometry();
    if (screen.height() >= 600) QSKIP("needs a screen lower than the window: qt_main_window_small_screen");
    QTRY_VERIFY(game.window.frameGeometry() != game.window.geometry());
    QVERIFY(game.window.scale() < 1);
    QTRY_VERIFY2(screen.contains(game.window.frameGeometry()),
                 qPrintable(QString("frame bottom %1 on a screen of %2").arg(game.window.frameGeometry().bottom()).arg(screen.height())));
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

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
