// The main window on the offscreen platform: controls found by objectName, a game played with mouse
// clicks and keys, and the widgets checked against the model after each step. The game rules
// themselves are the model tests' business.
#include <tuple>

#include "qt_test_support.h"

using namespace vocari;

namespace {

const QColor kRedText(255, 0, 0), kRestLine(255, 128, 255), kTraceLine(128, 128, 255);

QPointF dieCentre(int p) { return QPointF(40 + 72 * (p % 6 - 1) + 28.5, 48 + 72 * (p / 6 - 1) + 28.5); }
QColor textColour(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::WindowText); }

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
    Game game;
    MainWindow& w = game.window;
    QCOMPARE(w.windowTitle(), QString("   VOCARI"));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.centralWidget()->size(), QSize(545, 541));
    QCOMPARE(w.centralWidget()->palette().color(QPalette::Window), QColor(192, 255, 255));
    // Menu, entry name, caption ("-": separator), enabled, shortcut; "Opzioni" is a command of its own.
    const QStringList expected = {
        "File|mApri|Apri un file Vocari|1|Ctrl+O", "File|mGen|Genera un nuovo Vocari|1|Ctrl+N", "File|m1|-|1|",
        "File|mSave|Salva questo Vocari|0|Ctrl+S", "File|m3|-|1|", "File|mfine|Fine|1|Ctrl+Q",
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
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), game.button("cmdNew"));
    QTest::keyClick(game.button("cmdNew"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.button("cmdExit"));

    // Geometry in pixels (twips / 15), caption, start state and font of every control.
    // name, geometry, caption, visible, enabled, point size, bold
    const std::tuple<const char*, QRect, const char*, bool, bool, qreal, bool> controls[] = {
        {"LabTem", {32, 8, 65, 25}, "120", 1, 1, 14.25, 1},
        {"labMostra", {128, 16, 193, 17}, "Visualizza soluzioni (=            )", 0, 1, 9.75, 0},
        {"LabTempo", {344, 16, 185, 17}, "", 1, 1, 9.75, 0},
        {"Label1", {344, 40, 177, 17}, "Tutte le soluzioni", 0, 1, 9.75, 0},
        {"ListS", {344, 56, 181, 224}, "", 0, 1, 14.25, 1},
        {"Label5", {344, 128, 191, 16}, "Ricerca soluzioni in corso ...", 0, 1, 9.75, 0},
        {"Label3", {384, 328, 137, 17}, " Numero              Punti", 0, 1, 9.75, 0},
        {"LabSol", {392, 344, 41, 25}, "", 0, 1, 9.75, 1}, {"LabPun", {440, 344, 81, 25}, "", 0, 1, 9.75, 1},
        {"Label2", {344, 347, 49, 17}, "Trovati", 0, 1, 9.75, 0}, {"LisMie", {344, 376, 181, 136}, "", 0, 1, 14.25, 1},
        {"labGara", {344, 520, 177, 17}, "", 1, 1, 12, 1}, {"Label4", {32, 338, 193, 17}, "Tentativo", 1, 1, 9.75, 0},
        {"LabelT", {32, 356, 193, 25}, "", 1, 1, 9.75, 1}, {"levaLast", {232, 352, 41, 33}, "<", 1, 0, 13.5, 1},
        {"levaAll", {280, 352, 41, 33}, "X", 1, 0, 13.5, 1}, {"CmdOK", {32, 400, 89, 33}, "OK", 0, 0, 13.5, 1},
        {"LabErr", {144, 408, 177, 25}, "", 1, 1, 9.75, 1}, {"cmdNew", {32, 464, 89, 33}, "Nuovo", 1, 1, 13.5, 1},
        {"cmdSave", {132, 464, 89, 33}, "Salva", 1, 0, 13.5, 1}, {"cmdExit", {232, 464, 89, 33}, "Fine", 1, 1, 13.5, 1},
        {"Label6", {24, 520, 153, 17}, "", 1, 1, 12, 1}, {"LabEsito", {32, 435, 308, 28}, "", 1, 1, 8.25, 1},
    };
    const QStringList sans = {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"};
    const QStringList tahoma = {"Tahoma", "DejaVu Sans", "Verdana", "Liberation Sans"};
    const QStringList mono = {"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"};
    for (const auto& [id, geometry, caption, visible, enabled, points, bold] : controls) {
      const QString name = id;
      QWidget* w = game.find(name);
      QVERIFY2(w, id);
      QCOMPARE(name + ": " + w->property("text").toString(), name + ": " + QString::fromUtf8(caption));
      QVERIFY2(w->geometry() == geometry && w->isVisible() == visible && w->isEnabled() == enabled, id);
      QVERIFY2(w->font().pointSizeF() == points && w->font().bold() == bold, id);
      const QString family = QFontInfo(w->font()).family();
      const QStringList& allowed = name == "LabTem" ? tahoma : (name == "ListS" || name == "LisMie") ? mono : sans;
      QVERIFY2(allowed.contains(family), qPrintable(name + ": " + family));
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

  // The save button and menu entry write where the dialog says the grid of the opened file.
  void saveThroughTheDialogs() {
    Game game;
    game.openBoard();
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
  // second after the start. One real tick, the rest fast-forwarded: the clock stops and the buttons
  // and the menu follow the model. Label5 has the theme's window-text colour.
  void clockRestartsWithANewGameAndRunsDown() {
    const QPalette saved = QApplication::palette();
    QPalette theme = saved;
    theme.setColor(QPalette::WindowText, QColor(10, 20, 30));
    QApplication::setPalette(theme);
    Game game;
    QCOMPARE(textColour(game.find("Label5")), QColor(10, 20, 30));
    QApplication::setPalette(saved);
    game.openBoard();
    QTest::qWait(600);
    QVERIFY(game.window.gameClock().isActive() && game.window.gameClock().remainingTime() < 500);
    game.click("cmdNew");
    QVERIFY(game.window.gameClock().remainingTime() > 900);
    QCOMPARE(game.text("LabTem"), QString("120"));
    QVERIFY(!game.action("mOpzioni")->isEnabled());
    game.clickDice({7, 8, 9});
    QTRY_COMPARE_WITH_TIMEOUT(game.text("LabTem"), QString("119"), 3000);
    for (int i = 0; i < 119; ++i) game.form.Timer2_Timer();
    game.window.render();
    QCOMPARE(game.text("LabTem"), QString("0"));
    QVERIFY(!game.window.gameClock().isActive());
    for (const char* b : {"CmdOK", "levaLast", "levaAll"}) QVERIFY2(!game.button(b)->isEnabled(), b);
    QVERIFY(game.action("mOpzioni")->isEnabled());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
