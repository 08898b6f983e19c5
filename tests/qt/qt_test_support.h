// The main window over a model of its own, shared by the widget tests.
#pragma once

#include <QTest>
#include <QtWidgets>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "board/random_source.h"
#include "board_text.h"
#include "savegame/game_file.h"
#include "game/form1.h"
#include "qt/die_widget.h"
#include "qt/list_box_widget.h"
#include "qt/main_window.h"
#include "qt/path_lines_widget.h"
#include "qt/qt_platform.h"

namespace vocari {

//   C A S A      7  8  9 10
//   O R T E     13 14 15 16
//   L I N U     19 20 21 22
//   B D F G     25 26 27 28
// The test dictionary holds ARTE, CARTE, CASA and RATE, which the grid spells, and SERA and TORO.
inline constexpr const char* kBoard = "CASAORTELINUBDFG";
using Dice = std::vector<int>;

// The Qt platform with its interactive parts answered by the test: the file dialogs return
// openAnswer and saveAnswer, quitting, alerts and message boxes are recorded, and a secondary
// window goes to onModal when that is set (otherwise it opens for real).
struct TestPlatform final : QtPlatform {
  std::string openAnswer, saveAnswer;
  std::vector<int> quits;
  std::vector<std::string> messages;
  int beeps = 0;
  std::function<void(ModalWindow)> onModal;

  void beep() override { ++beeps; }
  std::string chooseOpenFile(const FileDialogRequest&) override { return openAnswer; }
  std::string chooseSaveFile(const FileDialogRequest&) override { return saveAnswer; }
  void quit(int status) override { quits.push_back(status); }
  void messageBox(const std::string& text, const std::string&, MessageIcon) override { messages.push_back(text); }
  void showModal(ModalWindow w) override { onModal ? onModal(w) : QtPlatform::showModal(w); }
};

// A game started in `folder`, or else in a fresh folder holding `words` as its dictionary (or
// nothing, and then not started). The file dialogs answer openAnswer and saveAnswer; quitting is
// recorded.
struct Game {
  QTemporaryDir dir;
  Settings settings;
  RealRandom random{7};
  TestPlatform platform;
  Form1 form{settings, platform, random};
  MainWindow window{form, platform};
  std::string& openAnswer = platform.openAnswer;
  std::string& saveAnswer = platform.saveAnswer;
  std::vector<int>& quits = platform.quits;

  explicit Game(const char* words = "\r\nARTE\r\nCARTE\r\nCASA\r\nRATE\r\nSERA\r\nTORO\r\n",
                const std::string& folder = {}) {
    if (!words && folder.empty()) return;
    if (folder.empty()) write("Base3.txt", words);
    if (auto error = window.start(folder.empty() ? dir.path().toStdString() : folder)) qFatal("%s", error->c_str());
  }

  std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
  void write(const char* name, const std::string& bytes) { std::ofstream(path(name), std::ios::binary) << bytes; }
  // Starts a game on kBoard, against a score of 8, through "Apri un file Vocari".
  void openBoard() {
    write("gara.txt", writeGameFile(testing::boardOf(kBoard), true, 120, 8));
    openAnswer = path("gara.txt");
    action("mApri")->trigger();
  }

  // Ticks the model's clock to the end and lets the window show it.
  // A clock still running after 100000 ticks fails the test instead of ticking on.
  void runOutTheClock() {
    for (int n = 0; form.Timer2.enabled; ++n) {
      if (n == 100000) return QTest::qFail("the clock still runs after 100000 ticks", __FILE__, __LINE__);
      form.Timer2_Timer();
    }
    window.render();
  }
  QWidget* focus() const { return QApplication::focusWidget(); }

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
  // A press on the first die, the pointer moved with the button held to the middle of each die
  // after it (the moves go to the pressed die, as the pointer's grab sends them), then released.
  void drag(const Dice& dice, bool release = true) {
    DieWidget* pressed = die(dice.front());
    QTest::mousePress(pressed, Qt::LeftButton);
    QPoint at = pressed->rect().center();
    for (std::size_t i = 1; i < dice.size(); ++i) {
      at = pressed->mapFromGlobal(die(dice[i])->mapToGlobal(die(dice[i])->rect().center()));
      QTest::mouseMove(pressed, at);
    }
    if (release) QTest::mouseRelease(pressed, Qt::LeftButton, {}, at);
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

}  // namespace vocari
