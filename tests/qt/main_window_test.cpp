// The main window on the offscreen platform: controls found by objectName, a game played with
// mouse clicks and keys on the widgets, and the widgets checked against the model after each step.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "board/random_source.h"
#include "board_text.h"
#include "savegame/game_file.h"
#include "ui/forms/form1.h"
#include "ui/qt/die_widget.h"
#include "ui/qt/list_box_widget.h"
#include "ui/qt/main_window.h"
#include "ui/qt/path_lines_widget.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/qt_platform.h"

using namespace vocari;

namespace {

//   C A S A      7  8  9 10
//   O R T E     13 14 15 16
//   L I N U     19 20 21 22
//   B D F G     25 26 27 28
// On it the dictionary below holds ARTE (8 14 15 16), CARTE (7 8 14 15 16), CASA (7 8 9 10) and
// RATE (14 8 15 16); SERA and TORO are words that the grid cannot spell.
constexpr const char* kBoard = "CASAORTELINUBDFG";
const QStringList kSolutions = {"ARTE", "CARTE", "CASA", "RATE"};

const QColor kRedText(255, 0, 0);
const QColor kBlueText(0, 0, 255);
const QColor kRestLine(255, 128, 255);
const QColor kTraceLine(128, 128, 255);

// Centre of die p in the window's client area, in pixels.
QPointF dieCentre(int p) {
  const int row = p / 6, col = p % 6;
  return QPointF(40 + 72 * (col - 1) + 28.5, 48 + 72 * (row - 1) + 28.5);
}

// One running game: a folder with the dictionary, the model, the platform with its dialogs and
// sounds replaced by recorders, and the window.
struct Game {
  QTemporaryDir dir;
  Settings settings;
  RealRandom random{20240611};
  QtPlatform platform;
  std::unique_ptr<Form1> form;
  std::unique_ptr<MainWindow> window;

  int beeps = 0;
  std::vector<int> quits;
  std::vector<ModalWindow> modals;
  std::vector<FileDialogRequest> openRequests, saveRequests;
  std::string openAnswer, saveAnswer;

  explicit Game(bool withDictionary = true) {
    if (withDictionary) writeFile("Base3.txt", "\r\nARTE\r\nCARTE\r\nCASA\r\nRATE\r\nSERA\r\nTORO\r\n");
    platform.hooks.beep = [this] { ++beeps; };
    platform.hooks.quit = [this](int status) { quits.push_back(status); };
    platform.hooks.showModal = [this](ModalWindow w) { modals.push_back(w); };
    platform.hooks.messageBox = [](const std::string&, const std::string&) {};
    platform.hooks.chooseOpenFile = [this](const FileDialogRequest& r) {
      openRequests.push_back(r);
      return openAnswer;
    };
    platform.hooks.chooseSaveFile = [this](const FileDialogRequest& r) {
      saveRequests.push_back(r);
      return saveAnswer;
    };
    form = std::make_unique<Form1>(settings, platform, random);
    window = std::make_unique<MainWindow>(*form, platform);
  }

  std::optional<std::string> start() { return window->start(dir.path().toStdString()); }

  QString path(const QString& name) const { return dir.filePath(name); }
  void writeFile(const QString& name, const std::string& bytes) {
    QFile f(path(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), qint64(bytes.size()));
  }
  QByteArray readFile(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  template <class T = QWidget>
  T* find(const QString& name) const {
    return window->findChild<T*>(name);
  }
  QLabel* label(const char* name) const { return find<QLabel>(name); }
  QPushButton* button(const char* name) const { return find<QPushButton>(name); }
  QAction* action(const char* name) const { return find<QAction>(name); }
  DieWidget* die(int p) const { return find<DieWidget>(QStringLiteral("imgH_%1").arg(p)); }
  ListBoxWidget* list(const char* name) const { return find<ListBoxWidget>(name); }
  PathLinesWidget* lines() const { return find<PathLinesWidget>("Lin"); }

  void click(const char* buttonName) { QTest::mouseClick(button(buttonName), Qt::LeftButton); }
  void clickDice(std::initializer_list<int> positions) {
    for (int p : positions) QTest::mouseClick(die(p), Qt::LeftButton);
  }

  // Starts a game on `dice` (reading order) through "Apri un file Vocari".
  void openBoard(const char* dice, bool gameOver = false, double time = 120, int score = 0) {
    writeFile("grid.txt", writeGameFile(testing::boardOf(dice), gameOver, time, score));
    openAnswer = path("grid.txt").toStdString();
    action("mApri")->trigger();
  }

  std::vector<int> framedDice() const {
    std::vector<int> framed;
    for (int p : dicePos)
      if (die(p)->framed()) framed.push_back(p);
    return framed;
  }
};

// Starts the window on the game's folder; fails the test with the start-up message otherwise.
#define START(game)                                                     \
  do {                                                                  \
    const auto startError = (game).start();                             \
    QVERIFY2(!startError, startError ? startError->c_str() : "");       \
  } while (false)

QColor textColour(QWidget* w) { return w->palette().color(QPalette::Active, QPalette::WindowText); }

QStringList entries(QListWidget* list) {
  QStringList out;
  for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
  return out;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void missingDictionaryKeepsTheWindowHidden();
  void windowAndMenuAtStart();
  void controlsAtStart_data();
  void controlsAtStart();
  void diceAndBoardAtStart();
  void newGameDealsAndSearches();
  void wordBuiltAndAccepted();
  void refusals_data();
  void refusals();
  void doubleClickClearsTheWord();
  void keyboardPlay();
  void clockRunsDownToTheEnd();
  void clockTicksWhileAModalWindowIsOpen();
  void solutionsShownAndTraced();
  void saveAndOpenThroughTheDialogs();
  void menuEntriesReachTheirHandlers();
  void optionsPutTheChosenSeasonBehindTheBoard();
};

void MainWindowTest::missingDictionaryKeepsTheWindowHidden() {
  Game game(false);
  const auto error = game.start();
  QVERIFY(error.has_value());
  QVERIFY2(QString::fromStdString(*error).contains("Base3.txt"), error->c_str());
  QVERIFY(!game.window->isVisible());
}

void MainWindowTest::windowAndMenuAtStart() {
  Game game;
  START(game);
  MainWindow& w = *game.window;
  QCOMPARE(w.objectName(), QString("Form1"));
  QCOMPARE(w.windowTitle(), QString("   VOCARI"));
  QVERIFY(!w.windowIcon().isNull());
  QVERIFY(w.isVisible());
  QCOMPARE(w.centralWidget()->size(), QSize(545, 541));
  QCOMPARE(w.centralWidget()->palette().color(QPalette::Window), QColor(192, 255, 255));
  QVERIFY(w.centralWidget()->autoFillBackground());

  // Menu bar: captions in order, "-" entries as separators, the start states.
  struct Entry {
    const char* name;
    const char* caption;  // nullptr: separator
    bool enabled;
  };
  const std::vector<std::pair<const char*, std::vector<Entry>>> menus = {
      {"File",
       {{"mApri", "Apri un file Vocari", true},
        {"mGen", "Genera un nuovo Vocari", true},
        {"m1", nullptr, true},
        {"mSave", "Salva questo Vocari", false},
        {"m3", nullptr, true},
        {"mfine", "Fine", true}}},
      {"Visualizza", {{"mDizi", "Dizionario completo", true}, {"mAcro", "Acronimi del dizionario", true}}},
      {"Opzioni", {}},
      {"Aiuto",
       {{"mGuida", "Guida completa", true},
        {"mCons", "Consigli", true},
        {"m2", nullptr, true},
        {"mInfo", "Informazioni", true}}},
  };
  const QList<QAction*> top = w.menuBar()->actions();
  QCOMPARE(top.size(), qsizetype(menus.size()));
  for (std::size_t i = 0; i < menus.size(); ++i) {
    QCOMPARE(top[i]->text(), QString(menus[i].first));
    QVERIFY(top[i]->isEnabled());
    QMenu* menu = top[i]->menu();
    if (menus[i].second.empty()) {
      QVERIFY2(menu == nullptr, "Opzioni is a command without a submenu");
      QCOMPARE(top[i]->objectName(), QString("mOpzioni"));
      continue;
    }
    QVERIFY(menu);
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), qsizetype(menus[i].second.size()));
    for (qsizetype k = 0; k < items.size(); ++k) {
      const Entry& e = menus[i].second[std::size_t(k)];
      QCOMPARE(items[k]->objectName(), QString(e.name));
      QCOMPARE(items[k]->isSeparator(), e.caption == nullptr);
      if (e.caption) QCOMPARE(items[k]->text(), QString::fromUtf8(e.caption));
      QCOMPARE(items[k]->isEnabled(), e.enabled);
    }
  }
  QCOMPARE(game.action("mGuida")->shortcut(), QKeySequence(Qt::Key_F1));

  // Focus starts at "Nuovo" and goes on to "Fine".
  QPushButton* cmdNew = game.button("cmdNew");
  QApplication::setActiveWindow(&w);
  QVERIFY(QTest::qWaitForWindowActive(&w));
  QCOMPARE(QApplication::focusWidget(), cmdNew);
  QTest::keyClick(cmdNew, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), game.button("cmdExit"));
}

void MainWindowTest::controlsAtStart_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("geometry");  // pixels: twips / 15
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("visible");
  QTest::addColumn<bool>("enabled");
  QTest::addColumn<qreal>("points");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<QColor>("colour");  // text colour; invalid: not checked
  QTest::addColumn<int>("alignment");  // horizontal alignment; 0: not checked

  const QColor none;
  const int left = Qt::AlignLeft, centre = Qt::AlignHCenter, right = Qt::AlignRight;
  const auto row = [](const char* name, QRect g, const char* caption, bool visible, bool enabled, qreal pt,
                      bool bold, QColor colour, int align) {
    QTest::newRow(name) << QString(name) << g << QString::fromUtf8(caption) << visible << enabled << pt << bold
                        << colour << align;
  };
  row("LabTem", {32, 8, 65, 25}, "120", true, true, 14.25, true, QColor(255, 255, 0), centre);
  row("labMostra", {128, 16, 193, 17}, "Visualizza soluzioni (=            )", false, true, 9.75, false, none, 0);
  row("LabTempo", {344, 16, 185, 17}, "", true, true, 9.75, false, none, right);
  row("Label1", {344, 40, 177, 17}, "Tutte le soluzioni", false, true, 9.75, false, none, centre);
  row("ListS", {344, 56, 181, 224}, "", false, true, 14.25, true, none, 0);
  row("Label5", {344, 128, 191, 16}, "Ricerca soluzioni in corso ...", false, true, 9.75, false, none, left);
  row("Label3", {384, 328, 137, 17}, " Numero              Punti", false, true, 9.75, false, none, left);
  row("LabSol", {392, 344, 41, 25}, "", false, true, 9.75, true, kRedText, centre);
  row("LabPun", {440, 344, 81, 25}, "", false, true, 9.75, true, kRedText, centre);
  row("Label2", {344, 347, 49, 17}, "Trovati", false, true, 9.75, false, none, left);
  row("LisMie", {344, 376, 181, 136}, "", false, true, 14.25, true, none, 0);
  row("labGara", {344, 520, 177, 17}, "", true, true, 12, true, none, left);
  row("Label4", {32, 338, 193, 17}, "Tentativo", true, true, 9.75, false, none, centre);
  row("LabelT", {32, 356, 193, 25}, "", true, true, 9.75, true, kRedText, left);
  row("levaLast", {232, 352, 41, 33}, "<", true, false, 13.5, true, none, 0);
  row("levaAll", {280, 352, 41, 33}, "X", true, false, 13.5, true, none, 0);
  row("CmdOK", {32, 400, 89, 33}, "OK", false, false, 13.5, true, none, 0);
  row("LabErr", {144, 408, 177, 25}, "", true, true, 9.75, true, kRedText, left);
  row("cmdNew", {32, 464, 89, 33}, "Nuovo", true, true, 13.5, true, none, 0);
  row("cmdSave", {132, 464, 89, 33}, "Salva", true, false, 13.5, true, none, 0);
  row("cmdExit", {232, 464, 89, 33}, "Fine", true, true, 13.5, true, none, 0);
  row("Label6", {24, 520, 153, 17}, "", true, true, 12, true, none, left);
}

void MainWindowTest::controlsAtStart() {
  QFETCH(QString, name);
  QFETCH(QRect, geometry);
  QFETCH(QString, caption);
  QFETCH(bool, visible);
  QFETCH(bool, enabled);
  QFETCH(qreal, points);
  QFETCH(bool, bold);
  QFETCH(QColor, colour);
  QFETCH(int, alignment);

  Game game;
  START(game);
  QWidget* w = game.find(name);
  QVERIFY2(w, qPrintable(name));
  QCOMPARE(w->geometry(), geometry);
  QCOMPARE(w->isVisible(), visible);
  QCOMPARE(w->isEnabled(), enabled);
  if (auto* l = qobject_cast<QLabel*>(w)) {
    QCOMPARE(l->text(), caption);
    if (alignment) QCOMPARE(int(l->alignment() & Qt::AlignHorizontal_Mask), alignment);
    // Only the clock label paints its own background.
    QCOMPARE(l->autoFillBackground(), name == "LabTem");
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    QCOMPARE(b->text(), caption);
  }
  if (colour.isValid()) QCOMPARE(textColour(w), colour);
  QCOMPARE(w->font().pointSizeF(), points);
  QCOMPARE(w->font().bold(), bold);

  // The face actually used is one of the intended ones or their installed substitutes.
  const QString family = QFontInfo(w->font()).family();
  const QStringList sans = {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"};
  const QStringList tahoma = {"Tahoma", "DejaVu Sans", "Verdana", "Liberation Sans"};
  const QStringList mono = {"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"};
  const QStringList& allowed = name == "LabTem" ? tahoma : (name == "ListS" || name == "LisMie") ? mono : sans;
  QVERIFY2(allowed.contains(family), qPrintable(name + ": " + family));
}

void MainWindowTest::diceAndBoardAtStart() {
  Game game;
  START(game);
  // The clock label: yellow on green, bold italic.
  QLabel* labTem = game.label("LabTem");
  QCOMPARE(labTem->palette().color(QPalette::Window), QColor(0, 192, 0));
  QVERIFY(labTem->font().italic());
  QVERIFY(labTem->frameWidth() > 0);
  QCOMPARE(game.button("CmdOK")->palette().color(QPalette::Button), QColor(255, 255, 192));
  QCOMPARE(game.button("levaLast")->toolTip(), QString("Leva ultima a dx"));
  QCOMPARE(game.button("levaAll")->toolTip(), QString("Leva tutto"));

  // Sixteen dice at their places, blank, not framed, named by board position.
  for (int p : dicePos) {
    DieWidget* d = game.die(p);
    QVERIFY(d);
    QCOMPARE(d->property("index").toInt(), p);
    const QPointF c = dieCentre(p);
    QCOMPARE(d->geometry(), QRect(int(c.x() - 28.5), int(c.y() - 28.5), 57, 57));
    QCOMPARE(d->letterIndex(), -1);
    QVERIFY(!d->framed());
  }
  QCOMPARE(game.window->findChildren<DieWidget*>().size(), qsizetype(16));
  QCOMPARE(game.lines()->visibleCount(), 0);

  // The winter board lies under Shape1 at the very back; the other seasons are out of sight.
  QWidget* client = game.window->centralWidget();
  QCOMPARE(game.find("Shape1")->geometry(), QRect(32, 40, 289, 289));
  QCOMPARE(game.find("Sfondo_0")->geometry(), QRect(32, 40, 289, 289));
  for (int k = 1; k < 4; ++k) QVERIFY(!client->rect().intersects(game.find(QString("Sfondo_%1").arg(k))->geometry()));
  QCOMPARE(client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first()->objectName(), QString("Sfondo_0"));
}

void MainWindowTest::newGameDealsAndSearches() {
  Game game;
  START(game);
  game.click("cmdNew");

  // Every die shows the tile of its model letter.
  for (int p : dicePos) {
    QVERIFY(game.die(p)->letterIndex() >= 0);
    QCOMPARE(game.die(p)->letterIndex(), letterIndex(game.form->state.board[p]));
  }
  auto* mostra = game.find<QCheckBox>("labMostra");
  QVERIFY(mostra->isVisible());
  QVERIFY(!mostra->isChecked());
  QCOMPARE(mostra->text(), QString("Visualizza soluzioni (=%1)").arg(game.form->ListS.listCount()));
  QCOMPARE(game.list("ListS")->count(), game.form->ListS.listCount());
  QVERIFY(!game.list("ListS")->isVisible());
  QVERIFY(!game.label("Label5")->isVisible());
  for (const char* shown : {"Label2", "Label3", "Label4", "LabelT", "LabSol", "LabPun", "LisMie", "CmdOK"})
    QVERIFY2(game.find(shown)->isVisible(), shown);
  QVERIFY(!game.button("CmdOK")->isEnabled());
  QVERIFY(game.button("cmdNew")->isEnabled());
  QVERIFY(game.button("cmdSave")->isEnabled());
  QVERIFY(game.action("mSave")->isEnabled());
  QVERIFY(!game.action("mOpzioni")->isEnabled());
  QVERIFY(game.window->gameClock().isActive());
  QCOMPARE(game.window->gameClock().interval(), 1000);
  QCOMPARE(game.label("LabTem")->text(), QString("120"));
  QVERIFY(game.label("Label6")->text().endsWith("***"));
}

void MainWindowTest::wordBuiltAndAccepted() {
  Game game;
  START(game);
  game.openBoard(kBoard);
  QCOMPARE(game.die(7)->letterIndex(), letterIndex('C'));
  QCOMPARE(game.die(28)->letterIndex(), letterIndex('G'));

  // The first die is a point on its centre; each further die extends the previous segment.
  game.clickDice({7});
  QCOMPARE(game.label("LabelT")->text(), QString("C"));
  QVERIFY(game.button("levaLast")->isEnabled());
  QVERIFY(!game.button("CmdOK")->isEnabled());
  QCOMPARE(game.lines()->visibleCount(), 1);
  game.clickDice({8, 9, 10});
  QCOMPARE(game.label("LabelT")->text(), QString("CASA"));
  QCOMPARE(game.framedDice(), (std::vector<int>{7, 8, 9, 10}));
  const auto& segs = game.lines()->segments();
  QCOMPARE(game.lines()->visibleCount(), 3);
  for (int i = 0; i < 3; ++i) {
    const PathSegment& s = segs[i];  // segments follow the dice in reading order: 7, 8, 9 first
    QVERIFY(s.visible);
    QCOMPARE(s.colour, kRestLine);
    QCOMPARE(s.line.p1(), dieCentre(7 + i));
    QCOMPARE(s.line.p2(), dieCentre(8 + i));
  }
  QVERIFY(game.button("CmdOK")->isEnabled());

  game.click("CmdOK");
  QCOMPARE(entries(game.list("LisMie")), QStringList{"CASA"});
  QCOMPARE(game.label("LabSol")->text(), QString("1"));
  QCOMPARE(game.label("LabPun")->text(), QString("8"));
  QCOMPARE(game.label("LabErr")->text(), QString());
  QCOMPARE(game.beeps, 0);

  // "X" clears the word; a word of five letters scores double with a blue message.
  game.click("levaAll");
  QCOMPARE(game.label("LabelT")->text(), QString());
  QVERIFY(game.framedDice().empty());
  QCOMPARE(game.lines()->visibleCount(), 0);
  game.clickDice({7, 8, 14, 15, 16});
  game.click("CmdOK");
  QCOMPARE(game.label("LabErr")->text(), QString("Bonus lunghezza !"));
  QCOMPARE(textColour(game.label("LabErr")), kBlueText);
  QCOMPARE(game.label("LabPun")->text(), QString("22"));
  QCOMPARE(entries(game.list("LisMie")), (QStringList{"CASA", "CARTE"}));

  // "<" takes the last letter back; the next click on another die turns the message red again.
  game.click("levaLast");
  QCOMPARE(game.label("LabelT")->text(), QString("CART"));
  QCOMPARE(game.framedDice(), (std::vector<int>{7, 8, 14, 15}));
  game.clickDice({10});
  QCOMPARE(textColour(game.label("LabErr")), kRedText);
}

void MainWindowTest::refusals_data() {
  QTest::addColumn<QList<int>>("dice");
  QTest::addColumn<int>("confirms");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("word");  // LabelT afterwards
  QTest::newRow("not adjacent") << QList<int>{7, 9} << 0 << "Fuori zona !" << "C";
  QTest::newRow("row end to next row start") << QList<int>{10, 13} << 0 << "Fuori zona !" << "A";
  QTest::newRow("die used twice") << QList<int>{7, 8, 7} << 0 << "Già usata !" << "CA";
  QTest::newRow("not a word") << QList<int>{7, 8} << 1 << "Non c'è !" << "CA";
  QTest::newRow("word already found") << QList<int>{7, 8, 9, 10} << 2 << "Già c'è !" << "CASA";
}

void MainWindowTest::refusals() {
  QFETCH(QList<int>, dice);
  QFETCH(int, confirms);
  QFETCH(QString, message);
  QFETCH(QString, word);
  Game game;
  START(game);
  game.openBoard(kBoard);
  for (int p : dice) QTest::mouseClick(game.die(p), Qt::LeftButton);
  for (int i = 0; i < confirms; ++i) game.click("CmdOK");
  QCOMPARE(game.label("LabErr")->text(), message);
  QCOMPARE(textColour(game.label("LabErr")), kRedText);
  QCOMPARE(game.beeps, 5);
  QCOMPARE(game.label("LabelT")->text(), word);
  QCOMPARE(int(game.framedDice().size()), int(word.size()));
  QCOMPARE(game.list("LisMie")->count(), confirms == 2 ? 1 : 0);
}

void MainWindowTest::doubleClickClearsTheWord() {
  Game game;
  START(game);
  game.openBoard(kBoard);
  game.clickDice({7, 8});
  // A double click on a new neighbour: its first click picks the die, the double click then
  // clears the whole word, and its last release is no click of its own.
  DieWidget* d = game.die(9);
  QTest::mouseClick(d, Qt::LeftButton);
  QCOMPARE(game.label("LabelT")->text(), QString("CAS"));
  QTest::mousePress(d, Qt::LeftButton);
  QTest::mouseDClick(d, Qt::LeftButton);
  QTest::mouseRelease(d, Qt::LeftButton);
  QCOMPARE(game.label("LabelT")->text(), QString());
  QVERIFY(game.framedDice().empty());
  QVERIFY(!game.button("levaAll")->isEnabled());
  // A press released outside the die is no click.
  QTest::mousePress(game.die(7), Qt::LeftButton);
  QTest::mouseRelease(game.die(7), Qt::LeftButton, {}, QPoint(70, 10));
  QCOMPARE(game.label("LabelT")->text(), QString());
}

void MainWindowTest::keyboardPlay() {
  Game game;
  START(game);
  QApplication::setActiveWindow(game.window.get());
  QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
  // Before a game, typed letters do nothing.
  QTest::keyClicks(game.window.get(), "casa");
  QCOMPARE(game.label("LabelT")->text(), QString());

  game.openBoard(kBoard);
  game.button("cmdNew")->setFocus();
  QTest::keyClicks(game.button("cmdNew"), "carte");
  QCOMPARE(game.label("LabelT")->text(), QString("CARTE"));
  QCOMPARE(game.framedDice(), (std::vector<int>{7, 8, 14, 15, 16}));
  QTest::keyClick(game.button("cmdNew"), Qt::Key_Backspace);
  QCOMPARE(game.label("LabelT")->text(), QString("CART"));
  QTest::keyClick(game.button("cmdNew"), Qt::Key_E);
  QTest::keyClick(game.button("cmdNew"), Qt::Key_Return);
  QCOMPARE(entries(game.list("LisMie")), QStringList{"CARTE"});
  QTest::keyClick(game.button("cmdNew"), Qt::Key_Escape);
  QCOMPARE(game.label("LabelT")->text(), QString());
  // With nothing to take back, Backspace and Escape change nothing.
  QTest::keyClick(game.button("cmdNew"), Qt::Key_Backspace);
  QCOMPARE(game.beeps, 0);

  // A list with focus keeps its letters for its own search.
  auto* lisMie = game.list("LisMie");
  lisMie->setFocus();
  QTest::keyClicks(lisMie, "ca");
  QCOMPARE(game.label("LabelT")->text(), QString());

  // F1 opens the help from anywhere in the window.
  game.button("cmdExit")->setFocus();
  QTest::keyClick(game.button("cmdExit"), Qt::Key_F1);
  QCOMPARE(game.modals, std::vector<ModalWindow>{ModalWindow::Viewer});
  QCOMPARE(game.settings.viewerText, int16_t(2));
}

void MainWindowTest::clockRunsDownToTheEnd() {
  Game game;
  START(game);
  game.openBoard(kBoard);
  game.clickDice({7, 8, 9});
  // A real tick of the window's timer counts down once.
  QTRY_COMPARE_WITH_TIMEOUT(game.label("LabTem")->text(), QString("119"), 3000);

  // Fast forward to the last second.
  for (int i = 0; i < 118; ++i) game.form->Timer2_Timer();
  game.window->render();
  QCOMPARE(game.label("LabTem")->text(), QString("1"));
  QVERIFY(game.window->gameClock().isActive());
  QVERIFY(game.button("CmdOK")->isEnabled());

  game.form->Timer2_Timer();
  game.window->render();
  QCOMPARE(game.label("LabTem")->text(), QString("0"));
  QVERIFY(!game.window->gameClock().isActive());
  QCOMPARE(game.label("LabelT")->text(), QString());
  for (const char* b : {"CmdOK", "levaLast", "levaAll"}) QVERIFY2(!game.button(b)->isEnabled(), b);
  QVERIFY(game.action("mOpzioni")->isEnabled());
  // The picked dice stay framed, and clicks change nothing now.
  QCOMPARE(game.framedDice(), (std::vector<int>{7, 8, 9}));
  game.clickDice({10});
  QCOMPARE(game.framedDice(), (std::vector<int>{7, 8, 9}));
  QTest::qWait(1200);
  QCOMPARE(game.label("LabTem")->text(), QString("0"));
}

void MainWindowTest::clockTicksWhileAModalWindowIsOpen() {
  Game game;
  START(game);
  game.openBoard(kBoard);
  game.platform.hooks.showModal = nullptr;  // the real modal window this time

  QString shownWhileOpen;
  QWidget* modal = nullptr;
  QTimer::singleShot(2600, [&] {
    modal = QApplication::activeModalWidget();
    shownWhileOpen = game.label("LabTem")->text();
    if (modal) modal->close();
  });
  game.action("mDizi")->trigger();  // returns when the window has closed
  QVERIFY2(modal, "the viewer was not modal");
  QVERIFY2(shownWhileOpen.toInt() <= 118, qPrintable(shownWhileOpen));
}

void MainWindowTest::solutionsShownAndTraced() {
  Game game;
  START(game);
  game.openBoard(kBoard);
  auto* mostra = game.find<QCheckBox>("labMostra");
  QCOMPARE(mostra->text(), QString("Visualizza soluzioni (=4)"));

  // Ticking shows the sorted list and its heading; clearing hides both.
  QTest::mouseClick(mostra, Qt::LeftButton);
  QCOMPARE(game.form->labMostra.value, 1);
  ListBoxWidget* listS = game.list("ListS");
  QVERIFY(listS->isVisible());
  QVERIFY(game.label("Label1")->isVisible());
  QCOMPARE(entries(listS), kSolutions);
  QTest::mouseClick(mostra, Qt::LeftButton);
  QVERIFY(!listS->isVisible());
  QVERIFY(!game.label("Label1")->isVisible());
  QTest::mouseClick(mostra, Qt::LeftButton);

  // A word being built is dropped by the press; the press traces the entry under the pointer.
  game.clickDice({25, 26});
  const QPoint carte = listS->visualItemRect(listS->item(1)).center();
  QTest::mousePress(listS->viewport(), Qt::LeftButton, {}, carte);
  QCOMPARE(game.form->selectedWord, std::string("CARTE"));
  QCOMPARE(listS->currentRow(), 1);
  QCOMPARE(game.label("LabelT")->text(), QString());
  QCOMPARE(game.framedDice(), (std::vector<int>{7, 8, 14, 15, 16}));
  QCOMPARE(game.lines()->visibleCount(), 4);
  const std::vector<int> path = {7, 8, 14, 15, 16};
  for (const PathSegment& s : game.lines()->segments()) {
    if (!s.visible) continue;
    QCOMPARE(s.colour, kTraceLine);
    const auto from = std::find_if(path.begin(), path.end(), [&](int p) { return dieCentre(p) == s.line.p1(); });
    QVERIFY(from != path.end() && from + 1 != path.end());
    QCOMPARE(s.line.p2(), dieCentre(*(from + 1)));
  }
  QVERIFY(!game.button("levaLast")->isEnabled());

  // The release clears every mark; the lines return to their resting colour.
  QTest::mouseRelease(listS->viewport(), Qt::LeftButton, {}, carte);
  QVERIFY(game.framedDice().empty());
  QCOMPARE(game.lines()->visibleCount(), 0);
  for (const PathSegment& s : game.lines()->segments()) QCOMPARE(s.colour, kRestLine);

  // The player's own list traces as well, with any mouse button.
  game.clickDice({7, 8, 9, 10});
  game.click("CmdOK");
  ListBoxWidget* lisMie = game.list("LisMie");
  const QPoint casa = lisMie->visualItemRect(lisMie->item(0)).center();
  QTest::mousePress(lisMie->viewport(), Qt::RightButton, {}, casa);
  QCOMPARE(game.framedDice(), (std::vector<int>{7, 8, 9, 10}));
  QTest::mouseRelease(lisMie->viewport(), Qt::RightButton, {}, casa);
  QVERIFY(game.framedDice().empty());
}

void MainWindowTest::saveAndOpenThroughTheDialogs() {
  Game game;
  START(game);
  game.openBoard(kBoard);
  QCOMPARE(game.openRequests.size(), std::size_t(1));
  QCOMPARE(game.openRequests[0].title, std::string("Seleziona un file qualsiasi di questa Cartella"));
  QVERIFY(game.openRequests[0].mustExist);
  QVERIFY(!game.label("labGara")->isHidden());
  QCOMPARE(game.label("labGara")->text(), QString());

  // Saving during the game writes the grid only.
  game.saveAnswer = game.path("during").toStdString();
  game.click("cmdSave");
  QCOMPARE(game.saveRequests.size(), std::size_t(1));
  QCOMPARE(game.saveRequests[0].title, std::string("Seleziona il file in cui salvare"));
  QCOMPARE(game.readFile("during"), QByteArray("CASA\r\nORTE\r\nLINU\r\nBDFG\r\n"));

  // A cancelled dialog writes nothing.
  game.saveAnswer.clear();
  game.action("mSave")->trigger();
  QCOMPARE(game.saveRequests.size(), std::size_t(2));
  QCOMPARE(QDir(game.dir.path()).entryList(QDir::Files).size(), qsizetype(3));  // Base3, grid, during

  // After the game, the result goes with the grid; opening that file shows it as the one to beat.
  game.clickDice({7, 8, 9, 10});
  game.click("CmdOK");
  for (int i = 0; i < 120; ++i) game.form->Timer2_Timer();
  game.window->render();
  game.saveAnswer = game.path("after.txt").toStdString();
  game.click("cmdSave");
  QCOMPARE(game.readFile("after.txt"), QByteArray("CASA\r\nORTE\r\nLINU\r\nBDFG\r\n'120'-8#\r\n"));

  game.openAnswer = game.path("after.txt").toStdString();
  game.action("mApri")->trigger();
  QCOMPARE(game.label("labGara")->text(), QString("Gara con: 120'-8#"));
  QVERIFY(game.label("labGara")->isVisible());
  QCOMPARE(game.label("LabTem")->text(), QString("120"));
  QVERIFY(game.window->gameClock().isActive());
  QCOMPARE(game.list("LisMie")->count(), 0);
  QCOMPARE(game.label("LabPun")->text(), QString());
  for (int i = 0; i < kDice; ++i) QCOMPARE(game.die(dicePos[i])->letterIndex(), letterIndex(kBoard[i]));
  // The next dialog starts in the folder of the opened file.
  QCOMPARE(QDir(QString::fromStdString(game.openRequests.back().startFolder)), QDir(game.dir.path()));
}

void MainWindowTest::menuEntriesReachTheirHandlers() {
  Game game;
  START(game);
  game.action("mDizi")->trigger();
  QCOMPARE(game.settings.viewerText, int16_t(0));
  game.action("mAcro")->trigger();
  QCOMPARE(game.settings.viewerText, int16_t(1));
  game.action("mCons")->trigger();
  QCOMPARE(game.settings.viewerText, int16_t(3));
  game.action("mInfo")->trigger();
  QCOMPARE(game.modals, (std::vector<ModalWindow>{ModalWindow::Viewer, ModalWindow::Viewer, ModalWindow::Viewer,
                                                   ModalWindow::Info}));

  // "Genera un nuovo Vocari" deals like "Nuovo".
  game.action("mGen")->trigger();
  QVERIFY(game.find<QCheckBox>("labMostra")->isVisible());
  QVERIFY(game.die(7)->letterIndex() >= 0);
  QVERIFY(game.quits.empty());
  // File > "Fine" ends the program as the button does.
  game.action("mfine")->trigger();
  QCOMPARE(game.quits, std::vector<int>{0});
  game.click("cmdExit");
  QCOMPARE(game.quits, (std::vector<int>{0, 0}));
}

void MainWindowTest::optionsPutTheChosenSeasonBehindTheBoard() {
  Game game;
  START(game);
  game.platform.hooks.showModal = [&](ModalWindow w) {
    QCOMPARE(w, ModalWindow::Options);
    game.settings.colourScheme = 1;
  };
  game.action("mOpzioni")->trigger();
  QWidget* client = game.window->centralWidget();
  QCOMPARE(game.find("Sfondo_1")->geometry(), QRect(32, 40, 289, 289));
  QVERIFY(!client->rect().intersects(game.find("Sfondo_0")->geometry()));
  QCOMPARE(client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).first()->objectName(), QString("Sfondo_1"));
  // The dice stay above it.
  const auto children = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  QVERIFY(children.indexOf(game.die(7)) > children.indexOf(game.find("Sfondo_1")));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
