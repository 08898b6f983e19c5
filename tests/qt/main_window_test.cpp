// The main window on the offscreen platform: controls found by objectName, a game played with mouse
// clicks and keys, and the widgets checked against the model after each step. The game rules
// themselves are the model tests' business.
#include <QTest>
#include <QtWidgets>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "board/random_source.h"
#include "board_text.h"
#include "savegame/game_file.h"
#include "ui/forms/form1.h"
#include "ui/qt/die_widget.h"
#include "ui/qt/list_box_widget.h"
#include "ui/qt/main_window.h"
#include "ui/qt/path_lines_widget.h"
#include "ui/qt/qt_platform.h"

using namespace vocari;

namespace {

//   C A S A      7  8  9 10
//   O R T E     13 14 15 16
//   L I N U     19 20 21 22
//   B D F G     25 26 27 28
// The dictionary holds ARTE, CARTE, CASA and RATE, which the grid spells, and SERA and TORO, which it
// does not.
constexpr const char* kBoard = "CASAORTELINUBDFG";
const QColor kRedText(255, 0, 0), kBlueText(0, 0, 255), kRestLine(255, 128, 255), kTraceLine(128, 128, 255);
using Dice = std::vector<int>;

QPointF dieCentre(int p) { return QPointF(40 + 72 * (p % 6 - 1) + 28.5, 48 + 72 * (p / 6 - 1) + 28.5); }
QColor textColour(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::WindowText); }

// One game in a folder of its own, started unless told there is no dictionary, with the platform's
// dialogs and sounds recorded.
struct Game {
  QTemporaryDir dir;
  Settings settings;
  RealRandom random{20240611};
  QtPlatform platform;
  Form1 form{settings, platform, random};
  MainWindow window{form, platform};
  int beeps = 0;
  std::vector<int> quits;
  std::vector<ModalWindow> modals;
  std::string openAnswer, saveAnswer;

  explicit Game(bool withDictionary = true) {
    platform.hooks.beep = [this] { ++beeps; };
    platform.hooks.quit = [this](int status) { quits.push_back(status); };
    platform.hooks.showModal = [this](ModalWindow w) { modals.push_back(w); };
    platform.hooks.messageBox = [](const std::string&, const std::string&) {};
    platform.hooks.chooseOpenFile = [this](const FileDialogRequest&) { return openAnswer; };
    platform.hooks.chooseSaveFile = [this](const FileDialogRequest&) { return saveAnswer; };
    if (!withDictionary) return;
    write("Base3.txt", "\r\nARTE\r\nCARTE\r\nCASA\r\nRATE\r\nSERA\r\nTORO\r\n");
    if (auto error = window.start(dir.path().toStdString())) qFatal("start-up failed: %s", error->c_str());
  }

  std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
  void write(const char* name, const std::string& bytes) { std::ofstream(path(name), std::ios::binary) << bytes; }
  std::string read(const char* name) const {
    std::ifstream in(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  template <class T = QWidget>
  T* find(const QString& name) const { return window.findChild<T*>(name); }
  QString text(const char* label) const { return find<QLabel>(label)->text(); }
  QPushButton* button(const char* name) const { return find<QPushButton>(name); }
  QAction* action(const char* name) const { return find<QAction>(name); }
  DieWidget* die(int p) const { return find<DieWidget>(QStringLiteral("imgH_%1").arg(p)); }
  ListBoxWidget* list(const char* name) const { return find<ListBoxWidget>(name); }
  PathLinesWidget* lines() const { return find<PathLinesWidget>("Lin"); }

  void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
  void clickDice(const Dice& dice) {
    for (int p : dice) QTest::mouseClick(die(p), Qt::LeftButton);
  }
  // Starts a game on kBoard through "Apri un file Vocari".
  void openBoard() {
    write("grid.txt", writeGameFile(testing::boardOf(kBoard), false, 120, 0));
    openAnswer = path("grid.txt");
    action("mApri")->trigger();
  }
  Dice framed() const {
    Dice out;
    for (int p : dicePos)
      if (die(p)->framed()) out.push_back(p);
    return out;
  }
  QStringList entries(const char* name) const {
    QStringList out;
    for (int i = 0; i < list(name)->count(); ++i) out << list(name)->item(i)->text();
    return out;
  }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void missingDictionaryKeepsTheWindowHidden() {
    Game game(false);
    const auto error = game.window.start(game.dir.path().toStdString());
    QVERIFY(error && QString::fromStdString(*error).contains("Base3.txt"));
    QVERIFY(!game.window.isVisible());
  }

  void windowAndMenuAtStart() {
    Game game;
    MainWindow& w = game.window;
    QCOMPARE(w.windowTitle(), QString("   VOCARI"));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.centralWidget()->size(), QSize(545, 541));
    QCOMPARE(w.centralWidget()->palette().color(QPalette::Window), QColor(192, 255, 255));
    // Menu, entry name, caption ("-": separator), enabled; "Opzioni" is a command of its own.
    const QStringList expected = {
        "File|mApri|Apri un file Vocari|1", "File|mGen|Genera un nuovo Vocari|1", "File|m1|-|1",
        "File|mSave|Salva questo Vocari|0", "File|m3|-|1", "File|mfine|Fine|1",
        "Visualizza|mDizi|Dizionario completo|1", "Visualizza|mAcro|Acronimi del dizionario|1",
        "Opzioni|mOpzioni|Opzioni|1", "Aiuto|mGuida|Guida completa|1", "Aiuto|mCons|Consigli|1",
        "Aiuto|m2|-|1", "Aiuto|mInfo|Informazioni|1"};
    QStringList menus;
    for (QAction* top : w.menuBar()->actions())
      for (QAction* a : top->menu() ? top->menu()->actions() : QList<QAction*>{top})
        menus << QStringList{top->text(), a->objectName(), a->isSeparator() ? "-" : a->text(), QString::number(a->isEnabled())}.join('|');
    QCOMPARE(menus, expected);
    QCOMPARE(game.action("mGuida")->shortcut(), QKeySequence(Qt::Key_F1));
    // Focus starts at "Nuovo" and goes on to "Fine".
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), game.button("cmdNew"));
    QTest::keyClick(game.button("cmdNew"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.button("cmdExit"));
  }

  // Geometry in pixels (twips / 15), caption, start state and font of every control.
  void controlsAtStart() {
    // name, geometry, caption, visible, enabled, point size, bold
    const std::tuple<const char*, QRect, const char*, bool, bool, qreal, bool> controls[] = {
        {"LabTem", {32, 8, 65, 25}, "120", true, true, 14.25, true},
        {"labMostra", {128, 16, 193, 17}, "Visualizza soluzioni (=            )", false, true, 9.75, false},
        {"LabTempo", {344, 16, 185, 17}, "", true, true, 9.75, false},
        {"Label1", {344, 40, 177, 17}, "Tutte le soluzioni", false, true, 9.75, false},
        {"ListS", {344, 56, 181, 224}, "", false, true, 14.25, true},
        {"Label5", {344, 128, 191, 16}, "Ricerca soluzioni in corso ...", false, true, 9.75, false},
        {"Label3", {384, 328, 137, 17}, " Numero              Punti", false, true, 9.75, false},
        {"LabSol", {392, 344, 41, 25}, "", false, true, 9.75, true},
        {"LabPun", {440, 344, 81, 25}, "", false, true, 9.75, true},
        {"Label2", {344, 347, 49, 17}, "Trovati", false, true, 9.75, false},
        {"LisMie", {344, 376, 181, 136}, "", false, true, 14.25, true},
        {"labGara", {344, 520, 177, 17}, "", true, true, 12, true},
        {"Label4", {32, 338, 193, 17}, "Tentativo", true, true, 9.75, false},
        {"LabelT", {32, 356, 193, 25}, "", true, true, 9.75, true},
        {"levaLast", {232, 352, 41, 33}, "<", true, false, 13.5, true},
        {"levaAll", {280, 352, 41, 33}, "X", true, false, 13.5, true},
        {"CmdOK", {32, 400, 89, 33}, "OK", false, false, 13.5, true},
        {"LabErr", {144, 408, 177, 25}, "", true, true, 9.75, true},
        {"cmdNew", {32, 464, 89, 33}, "Nuovo", true, true, 13.5, true},
        {"cmdSave", {132, 464, 89, 33}, "Salva", true, false, 13.5, true},
        {"cmdExit", {232, 464, 89, 33}, "Fine", true, true, 13.5, true},
        {"Label6", {24, 520, 153, 17}, "", true, true, 12, true},
    };
    Game game;
    const QStringList sans = {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"};
    const QStringList tahoma = {"Tahoma", "DejaVu Sans", "Verdana", "Liberation Sans"};
    const QStringList mono = {"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"};
    for (const auto& [id, geometry, caption, visible, enabled, points, bold] : controls) {
      const QString name = id;
      QWidget* w = game.find(name);
      QVERIFY2(w, id);
      const auto* label = qobject_cast<QLabel*>(w);
      const auto* button = qobject_cast<QAbstractButton*>(w);
      const QString text = label ? label->text() : button ? button->text() : QString();
      QCOMPARE(name + ": " + text, name + ": " + QString::fromUtf8(caption));
      QVERIFY2(w->geometry() == geometry && w->isVisible() == visible && w->isEnabled() == enabled, id);
      QVERIFY2(w->font().pointSizeF() == points && w->font().bold() == bold, id);
      const QString family = QFontInfo(w->font()).family();
      const QStringList& allowed = name == "LabTem" ? tahoma : (name == "ListS" || name == "LisMie") ? mono : sans;
      QVERIFY2(allowed.contains(family), qPrintable(name + ": " + family));
    }
    for (const char* red : {"LabSol", "LabPun", "LabelT", "LabErr"}) QCOMPARE(textColour(game.find(red)), kRedText);
    QWidget* labTem = game.find("LabTem");
    QCOMPARE(textColour(labTem), QColor(255, 255, 0));
    QCOMPARE(labTem->palette().color(QPalette::Window), QColor(0, 192, 0));
    QVERIFY(labTem->font().italic() && labTem->autoFillBackground());
    QCOMPARE(game.button("CmdOK")->palette().color(QPalette::Button), QColor(255, 255, 192));
    QCOMPARE(game.button("levaLast")->toolTip(), QString("Leva ultima a dx"));
    // Sixteen blank dice at their places over the winter board.
    for (int p : dicePos) {
      QCOMPARE(game.die(p)->geometry(), QRectF(dieCentre(p) - QPointF(28.5, 28.5), QSizeF(57, 57)).toRect());
      QCOMPARE(game.die(p)->letterIndex(), -1);
    }
    QCOMPARE(game.find("Sfondo_0")->geometry(), QRect(32, 40, 289, 289));
    QCOMPARE(game.window.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first(), game.find("Sfondo_0"));
  }

  // A word built, accepted, refused as found already, extended to five letters, taken back; a die
  // out of reach refused with the alert and a red message.
  void wordBuiltAcceptedAndRefused() {
    Game game;
    game.openBoard();
    game.clickDice({7, 9});
    QCOMPARE(game.text("LabErr"), QString("Fuori zona !"));
    QCOMPARE(textColour(game.find("LabErr")), kRedText);
    QCOMPARE(game.beeps, 5);
    QCOMPARE(game.framed(), Dice{7});
    QCOMPARE(game.lines()->visibleCount(), 1);  // a dot on the first die
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
    game.click("CmdOK");  // the word stays: a second OK finds it already found
    QCOMPARE(game.text("LabErr"), QString("Già c'è !"));
    QCOMPARE(game.list("LisMie")->count(), 1);
    // "X" clears the word; five letters score double with a blue message; "<" takes one back.
    game.click("levaAll");
    QVERIFY(game.text("LabelT").isEmpty() && game.framed().empty() && game.lines()->visibleCount() == 0);
    game.clickDice({7, 8, 14, 15, 16});
    game.click("CmdOK");
    QCOMPARE(game.text("LabErr"), QString("Bonus lunghezza !"));
    QCOMPARE(textColour(game.find("LabErr")), kBlueText);
    QCOMPARE(game.entries("LisMie"), (QStringList{"CASA", "CARTE"}));
    game.click("levaLast");
    QCOMPARE(game.text("LabelT"), QString("CART"));
    QCOMPARE(game.framed(), (Dice{7, 8, 14, 15}));
    // A double click clears the word once its first click has picked the die; a press released
    // outside the die is no click.
    QTest::mouseClick(game.die(16), Qt::LeftButton);
    QTest::mousePress(game.die(16), Qt::LeftButton);
    QTest::mouseDClick(game.die(16), Qt::LeftButton);
    QTest::mouseRelease(game.die(16), Qt::LeftButton);
    QVERIFY(game.text("LabelT").isEmpty() && game.framed().empty());
    QTest::mousePress(game.die(7), Qt::LeftButton);
    QTest::mouseRelease(game.die(7), Qt::LeftButton, {}, QPoint(70, 10));
    QVERIFY(game.text("LabelT").isEmpty());
  }

  void keyboardPlayAndF1() {
    Game game;
    QApplication::setActiveWindow(&game.window);
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    game.openBoard();
    QPushButton* focus = game.button("cmdNew");
    focus->setFocus();
    QTest::keyClicks(focus, "carte");
    QCOMPARE(game.framed(), (Dice{7, 8, 14, 15, 16}));
    QTest::keyClick(focus, Qt::Key_Backspace);
    QCOMPARE(game.text("LabelT"), QString("CART"));
    QTest::keyClicks(focus, "e");
    QTest::keyClick(focus, Qt::Key_Return);
    QCOMPARE(game.entries("LisMie"), QStringList{"CARTE"});
    QTest::keyClicks(focus, "ra");
    QTest::keyClick(focus, Qt::Key_Escape);
    QVERIFY(game.text("LabelT").isEmpty());
    game.list("LisMie")->setFocus();  // a list keeps its letters for its own search
    QTest::keyClicks(game.list("LisMie"), "ca");
    QVERIFY(game.text("LabelT").isEmpty());
    QTest::keyClick(game.button("cmdExit"), Qt::Key_F1);
    QCOMPARE(game.modals, std::vector<ModalWindow>{ModalWindow::Viewer});
    QCOMPARE(game.settings.viewerText, int16_t(2));
  }

  void clockRunsDownToTheEnd() {
    Game game;
    game.openBoard();
    game.clickDice({7, 8, 9});
    QTRY_COMPARE_WITH_TIMEOUT(game.text("LabTem"), QString("119"), 3000);  // a real tick
    for (int i = 0; i < 119; ++i) game.form.Timer2_Timer();                // then fast forward
    game.window.render();
    QCOMPARE(game.text("LabTem"), QString("0"));
    QVERIFY(!game.window.gameClock().isActive());
    QVERIFY(game.text("LabelT").isEmpty());
    for (const char* b : {"CmdOK", "levaLast", "levaAll"}) QVERIFY2(!game.button(b)->isEnabled(), b);
    QVERIFY(game.action("mOpzioni")->isEnabled());
    game.clickDice({10});  // the picked dice stay framed, clicks change nothing now
    QCOMPARE(game.framed(), (Dice{7, 8, 9}));
  }

  // Ticking shows the sorted solutions; a press on an entry drops the word being built and traces
  // the entry, the release clears every mark. The player's list traces with any button.
  void solutionsShownAndTraced() {
    Game game;
    game.openBoard();
    auto* mostra = game.find<QCheckBox>("labMostra");
    QCOMPARE(mostra->text(), QString("Visualizza soluzioni (=4)"));
    ListBoxWidget* listS = game.list("ListS");
    QTest::mouseClick(mostra, Qt::LeftButton);
    QVERIFY(listS->isVisible() && game.find("Label1")->isVisible());
    QCOMPARE(game.entries("ListS"), (QStringList{"ARTE", "CARTE", "CASA", "RATE"}));

    game.clickDice({25, 26});
    const QPoint carte = listS->visualItemRect(listS->item(1)).center();
    QTest::mousePress(listS->viewport(), Qt::LeftButton, {}, carte);
    QVERIFY(game.text("LabelT").isEmpty());
    QCOMPARE(game.framed(), (Dice{7, 8, 14, 15, 16}));
    QCOMPARE(game.lines()->visibleCount(), 4);
    for (const PathSegment& s : game.lines()->segments()) QVERIFY(!s.visible || s.colour == kTraceLine);
    QTest::mouseRelease(listS->viewport(), Qt::LeftButton, {}, carte);
    QVERIFY(game.framed().empty() && game.lines()->visibleCount() == 0);
    for (const PathSegment& s : game.lines()->segments()) QCOMPARE(s.colour, kRestLine);

    game.clickDice({7, 8, 9, 10});
    game.click("CmdOK");
    ListBoxWidget* lisMie = game.list("LisMie");
    const QPoint casa = lisMie->visualItemRect(lisMie->item(0)).center();
    QTest::mousePress(lisMie->viewport(), Qt::RightButton, {}, casa);
    QCOMPARE(game.framed(), (Dice{7, 8, 9, 10}));
    QTest::mouseRelease(lisMie->viewport(), Qt::RightButton, {}, casa);
    QVERIFY(game.framed().empty());
  }

  // The dialogs' titles and the files' bytes are the model's business; here the buttons and menu
  // entries reach the dialogs and the window shows the opened game.
  void saveAndOpenThroughTheDialogs() {
    Game game;
    game.openBoard();
    game.saveAnswer = game.path("during");
    game.click("cmdSave");
    QCOMPARE(game.read("during"), std::string("CASA\r\nORTE\r\nLINU\r\nBDFG\r\n"));
    game.clickDice({7, 8, 9, 10});
    game.click("CmdOK");
    for (int i = 0; i < 120; ++i) game.form.Timer2_Timer();
    game.window.render();
    game.saveAnswer = game.path("after.txt");
    game.action("mSave")->trigger();
    QCOMPARE(game.read("after.txt"), std::string("CASA\r\nORTE\r\nLINU\r\nBDFG\r\n'120'-8#\r\n"));
    game.openAnswer = game.saveAnswer;
    game.action("mApri")->trigger();
    QCOMPARE(game.text("labGara"), QString("Gara con: 120'-8#"));
    QVERIFY(game.find("labGara")->isVisible() && game.window.gameClock().isActive());
    QCOMPARE(game.list("LisMie")->count(), 0);
    for (int i = 0; i < kDice; ++i) QCOMPARE(game.die(dicePos[i])->letterIndex(), letterIndex(kBoard[i]));
  }

  // "Nuovo" and "Genera un nuovo Vocari" deal: the dice and the solution count mirror the model and
  // the clock runs; the viewer entries choose their document; "Fine" ends the program from both places.
  void buttonsAndMenuEntriesReachTheirHandlers() {
    Game game;
    for (const bool byMenu : {false, true}) {
      byMenu ? game.action("mGen")->trigger() : game.click("cmdNew");
      for (int p : dicePos) QCOMPARE(game.die(p)->letterIndex(), letterIndex(game.form.state.board[p]));
      QCOMPARE(game.find<QCheckBox>("labMostra")->text(), QString("Visualizza soluzioni (=%1)").arg(game.form.ListS.listCount()));
      QCOMPARE(game.list("ListS")->count(), game.form.ListS.listCount());
      QVERIFY(game.find("LisMie")->isVisible() && game.find("CmdOK")->isVisible() && !game.list("ListS")->isVisible());
      QVERIFY(game.action("mSave")->isEnabled() && !game.action("mOpzioni")->isEnabled());
      QVERIFY(game.window.gameClock().isActive() && game.window.gameClock().interval() == 1000);
    }
    std::vector<int> documents;
    for (const char* viewer : {"mDizi", "mAcro", "mCons"})
      game.action(viewer)->trigger(), documents.push_back(game.settings.viewerText);
    QCOMPARE(documents, (std::vector<int>{0, 1, 3}));
    game.action("mInfo")->trigger();
    QCOMPARE(game.modals.back(), ModalWindow::Info);
    game.action("mfine")->trigger();
    game.click("cmdExit");
    QCOMPARE(game.quits, (std::vector<int>{0, 0}));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
