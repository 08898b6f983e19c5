// What a screen reader finds in the main window: the dice and the board through QAccessible,
// the captions of the controls, and the events that announce a new message or clock reading.
#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <dlfcn.h>
#include <memory>
#include <utility>
#include <vector>

#include "board/random_source.h"
#include "board_text.h"
#include "ui/forms/form1.h"
#include "ui/qt/die_widget.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_platform.h"

using namespace vocari;

namespace {

std::vector<std::pair<QAccessible::Event, QObject*>> events;
void recordEvent(QAccessibleEvent* e) { events.emplace_back(e->type(), e->object()); }

bool raised(QAccessible::Event type, QObject* object) {
  return std::find(events.begin(), events.end(), std::pair{type, object}) != events.end();
}

// Qt drops every accessibility event while its platform accessibility is off, and on the offscreen
// platform only private API switches it on (Qt's own accessibility tests do the same).
bool switchAccessibilityOn() {
  void* integration = dlsym(RTLD_DEFAULT, "_ZN22QGuiApplicationPrivate20platform_integrationE");
  auto accessibility = reinterpret_cast<void* (*)(const void*)>(
      dlsym(RTLD_DEFAULT, "_ZNK20QPlatformIntegration13accessibilityEv"));
  auto setActive = reinterpret_cast<void (*)(void*, bool)>(dlsym(RTLD_DEFAULT, "_ZN22QPlatformAccessibility9setActiveEb"));
  if (!integration || !accessibility || !setActive) return false;
  if (void* platform = accessibility(*static_cast<void**>(integration))) setActive(platform, true);
  return QAccessible::isActive();
}

struct Game {
  QTemporaryDir dir;
  Settings settings;
  RealRandom random{7};
  QtPlatform platform;
  std::unique_ptr<Form1> form;
  std::unique_ptr<MainWindow> window;

  Game() {
    QFile f(dir.filePath("Base3.txt"));
    if (f.open(QIODevice::WriteOnly)) f.write("\r\nARTE\r\nCASA\r\n");
    platform.hooks.beep = [] {};
    form = std::make_unique<Form1>(settings, platform, random);
    window = std::make_unique<MainWindow>(*form, platform);
  }
  QAccessibleInterface* iface(const QString& name) const {
    return QAccessible::queryAccessibleInterface(window->findChild<QObject*>(name));
  }
  QAccessibleInterface* die(int p) const { return iface(QStringLiteral("imgH_%1").arg(p)); }
  // Puts `dice` (reading order) on the board as a loaded grid and starts the game with "Nuovo".
  void deal(const char* dice) {
    form->state.board = testing::boardOf(dice);
    for (int p : dicePos) form->imgH[p].letterIndex = letterIndex(form->state.board[p]);
    form->settings.competitionPending = true;
    QTest::mouseClick(window->findChild<QPushButton*>("cmdNew"), Qt::LeftButton);
  }
};

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(switchAccessibilityOn(), "Qt's accessibility could not be switched on");
    QAccessible::installUpdateHandler(recordEvent);
  }

  void diceAndBoard() {
    Game game;
    QVERIFY(!game.window->start(game.dir.path().toStdString()));
    QAccessibleInterface* board = game.iface("Griglia");
    QVERIFY(board);
    QCOMPARE(board->role(), QAccessible::Grouping);
    QCOMPARE(board->text(QAccessible::Name), QString("Griglia"));
    QCOMPARE(board->childCount(), 16);
    for (int i = 0; i < 16; ++i) {
      QAccessibleInterface* die = board->child(i);
      QCOMPARE(die->object()->property("index").toInt(), int(dicePos[i]));
      QCOMPARE(die->role(), QAccessible::Button);
      QCOMPARE(die->text(QAccessible::Name), QString("Dado vuoto"));
      QVERIFY(die->state().checkable && !die->state().checked);
    }

    game.deal("CASAORTELINUBDFG");
    const QStringList names = {"C, 2 punti", "A, 1 punto", "S, 4 punti", "A, 1 punto", "O, 1 punto", "R, 2 punti",
                               "T, 1 punto", "E, 1 punto", "L, 4 punti", "I, 1 punto", "N, 3 punti", "U, 4 punti",
                               "B, 2 punti", "D, 4 punti", "F, 4 punti", "G, 4 punti"};
    for (int i = 0; i < 16; ++i) QCOMPARE(board->child(i)->text(QAccessible::Name), names[i]);

    // C then A are picked and say so; the press action of a die is a click.
    events.clear();
    QTest::mouseClick(game.window->findChild<DieWidget*>("imgH_7"), Qt::LeftButton);
    game.die(8)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(game.form->LabelT.caption, std::string("CA"));
    for (int p : dicePos) QCOMPARE(game.die(p)->state().checked, p == 7 || p == 8);
    QVERIFY(raised(QAccessible::StateChanged, game.die(8)->object()));
    QVERIFY(raised(QAccessible::NameChanged, game.iface("LabelT")->object()));

    // A die out of reach: the refusal in LabErr is announced as a notification.
    events.clear();
    game.die(28)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QAccessibleInterface* labErr = game.iface("LabErr");
    QCOMPARE(labErr->role(), QAccessible::Notification);
    QCOMPARE(labErr->text(QAccessible::Name), QString("Fuori zona !"));
    QVERIFY(raised(QAccessible::NameChanged, labErr->object()));
    QVERIFY(raised(QAccessible::ObjectShow, labErr->object()));
    QVERIFY(!game.die(28)->state().checked);

    // Escape clears the word; the clock's tick is announced.
    events.clear();
    QTest::keyClick(game.window.get(), Qt::Key_Escape);
    for (int p : dicePos) QVERIFY(!game.die(p)->state().checked);
    QTRY_VERIFY_WITH_TIMEOUT(raised(QAccessible::NameChanged, game.iface("LabTem")->object()), 3000);
    QCOMPARE(game.iface("LabTem")->text(QAccessible::Name), QString("119"));
  }

  // Every label, button, check box and menu entry is named by exactly the text it shows.
  void controlsNamedByTheirCaptions() {
    Game game;
    QVERIFY(!game.window->start(game.dir.path().toStdString()));
    game.deal("CASAORTELINUBDFG");
    const auto name = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    const auto labels = game.window->centralWidget()->findChildren<QLabel*>();
    const auto buttons = game.window->centralWidget()->findChildren<QAbstractButton*>();
    QCOMPARE(labels.size() + buttons.size(), qsizetype(13 + 7));
    for (QLabel* l : labels) QCOMPARE(name(l), l->text());
    for (QAbstractButton* b : buttons) QCOMPARE(name(b), b->text());
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(game.window->menuBar());
    QCOMPARE(bar->childCount(), 4);
    for (int i = 0; i < 4; ++i) QCOMPARE(bar->child(i)->text(QAccessible::Name), game.window->menuBar()->actions()[i]->text());
    for (QMenu* menu : game.window->menuBar()->findChildren<QMenu*>()) {
      QAccessibleInterface* m = QAccessible::queryAccessibleInterface(menu);
      QCOMPARE(m->childCount(), int(menu->actions().size()));
      for (int i = 0; i < m->childCount(); ++i) QCOMPARE(m->child(i)->text(QAccessible::Name), menu->actions()[i]->text());
    }
    QCOMPARE(name(game.window->findChild<QObject*>("LisMie")), QString("Trovati"));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
