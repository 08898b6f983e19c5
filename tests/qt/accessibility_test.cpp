// What a screen reader finds in the main window through QAccessible: the dice, the board and its
// keyboard cursor, the captions of the controls, and the events that announce a new message or
// clock reading.
#include <QAccessible>
#include <dlfcn.h>

#include "qt_test_support.h"

using namespace vocari;

namespace {

std::vector<std::pair<QAccessible::Event, QObject*>> events;

bool raised(QAccessible::Event type, QObject* object) {
  return std::find(events.begin(), events.end(), std::pair{type, object}) != events.end();
}
QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
QString name(QObject* object) { return accessible(object)->text(QAccessible::Name); }

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

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(switchAccessibilityOn(), "Qt's accessibility could not be switched on");
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) { events.emplace_back(e->type(), e->object()); });
  }

  void diceAndBoard() {
    Game game;
    QAccessibleInterface* board = accessible(game.find("Griglia"));
    QVERIFY(board && board->role() == QAccessible::Grouping);
    QCOMPARE(board->text(QAccessible::Name), QString("Griglia"));
    QCOMPARE(board->childCount(), 16);
    for (int i = 0; i < 16; ++i) {  // in reading order, empty before a deal
      QAccessibleInterface* die = board->child(i);
      QCOMPARE(die->object(), game.die(dicePos[i]));
      QCOMPARE(die->role(), QAccessible::Button);
      QCOMPARE(die->text(QAccessible::Name), QString("Dado vuoto"));
      QVERIFY(die->state().checkable && !die->state().checked);
    }
    game.form.Timer2.interval = 200;  // the clock ticks fast: the test waits for one tick
    game.openBoard();
    for (int i = 0; i < 16; ++i) QVERIFY(board->child(i)->text(QAccessible::Name).startsWith(QChar(kBoard[i])));
    QCOMPARE(name(game.die(7)) + "; " + name(game.die(8)), QString("C, 2 punti; A, 1 punto"));

    // C clicked and A pressed through its accessible action are picked and say so.
    events.clear();
    QTest::mouseClick(game.die(7), Qt::LeftButton);
    accessible(game.die(8))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(game.text("LabelT"), QString("CA"));
    for (int p : dicePos) QCOMPARE(accessible(game.die(p))->state().checked, p == 7 || p == 8);
    QVERIFY(raised(QAccessible::StateChanged, game.die(8)) && raised(QAccessible::NameChanged, game.find("LabelT")));

    // A die out of reach: the refusal in LabErr is announced as a notification.
    events.clear();
    accessible(game.die(28))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QAccessibleInterface* labErr = accessible(game.find("LabErr"));
    QCOMPARE(labErr->role(), QAccessible::Notification);
    QCOMPARE(labErr->text(QAccessible::Name), QString("Fuori zona !"));
    QVERIFY(raised(QAccessible::NameChanged, labErr->object()) && raised(QAccessible::ObjectShow, labErr->object()));

    // The keyboard cursor: the die under it is the board's focus, announced with its place.
    QApplication::setActiveWindow(&game.window);
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    events.clear();
    game.find("Griglia")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(game.find("Griglia"), Qt::Key_Down);
    QCOMPARE(board->focusChild()->object(), game.die(13));
    QVERIFY(raised(QAccessible::Focus, game.die(13)) && raised(QAccessible::NameChanged, game.die(13)));
    QCOMPARE(name(game.die(13)), QString("O, 1 punto, riga 2 colonna 1"));

    // The clock's tick is announced.
    QTRY_VERIFY_WITH_TIMEOUT(raised(QAccessible::NameChanged, game.find("LabTem")), 3000);
    QCOMPARE(name(game.find("LabTem")), QString::fromStdString(game.form.LabTem.caption));
    QVERIFY(std::stoi(game.form.LabTem.caption) < 120);
  }

  // The end of the game: the summary is announced as a notification; in the solution list the
  // player's words carry the description "trovata", the others none, and another colour. While
  // the list is hidden its rows neither show nor name a word, and showing or hiding it says so.
  void summaryAnnouncedAndFoundWordsDescribed() {
    Game game;
    game.openBoard();
    game.clickDice({7, 8, 9, 10});
    game.click("CmdOK");
    events.clear();
    game.runOutTheClock();
    QObject* esito = game.find("LabEsito");
    QCOMPARE(accessible(esito)->role(), QAccessible::Notification);
    QVERIFY(name(esito).contains("8 punti su 32 possibili, 1 parola su 4"));
    QVERIFY(raised(QAccessible::NameChanged, esito) && raised(QAccessible::ObjectShow, esito));
    QAccessibleInterface* list = accessible(game.list("ListS"));
    const auto rows = [list] {
      QStringList read;
      for (int i = 0; i < list->childCount(); ++i) {
        QAccessibleInterface* row = list->child(i);
        read << row->text(QAccessible::Name) + ":" + row->text(QAccessible::Description) +
                    (row->state().invisible ? "" : ":showing");
      }
      return read;
    };
    const QStringList shown{"ARTE::showing", "CARTE::showing", "CASA:trovata:showing", "RATE::showing"};
    const QStringList hidden{":", ":", ":trovata", ":"};
    QCOMPARE(rows(), hidden);
    for (const auto& [box, seen, told] : {std::tuple{true, shown, QAccessible::ObjectShow}, {false, hidden, QAccessible::ObjectHide},
                                          {true, shown, QAccessible::ObjectShow}}) {
      events.clear();  // ticked as a screen reader does, through the box's toggle action
      accessible(game.find("labMostra"))->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
      QCOMPARE(game.list("ListS")->isVisible(), box);
      QCOMPARE(rows(), seen);
      QVERIFY(raised(told, game.list("ListS")) && raised(QAccessible::NameChanged, game.list("ListS")));
    }
    // On screen the found word stands out in colour, its text unchanged.
    ListBoxWidget* listS = game.list("ListS");
    for (int i = 0; i < listS->count(); ++i)
      QCOMPARE(listS->item(i)->foreground().color() != listS->palette().color(QPalette::Text), i == 2);
  }

  // Once the solutions are shown, moving the list's current entry with the keys traces that word
  // on the grid, as a press does, until the list loses the focus.
  void keysOnTheSolutionListTrace() {
    Game game;
    QApplication::setActiveWindow(&game.window);
    QVERIFY(QTest::qWaitForWindowActive(&game.window));
    game.openBoard();
    game.find<QCheckBox>("labMostra")->click();
    game.list("ListS")->setFocus();
    const std::pair<Qt::Key, Dice> steps[] = {{Qt::Key_End, {8, 14, 15, 16}}, {Qt::Key_Up, {7, 8, 9, 10}},
                                              {Qt::Key_Home, {8, 14, 15, 16}}};  // RATE, CASA, ARTE
    for (const auto& [key, dice] : steps) {
      QTest::keyClick(game.list("ListS"), key);
      QCOMPARE(game.framed(), dice);
      QCOMPARE(game.lines()->visibleCount(), int(dice.size()) - 1);
    }
    QTest::keyClick(game.list("ListS"), Qt::Key_Tab);
    QVERIFY(game.focus() != game.list("ListS"));
    QVERIFY(game.framed().empty() && game.lines()->visibleCount() == 0);
    game.clickDice({7, 8});  // the grid is the player's again
    QCOMPARE(game.text("LabelT"), QString("CA"));
  }

  // Every label, button, check box and menu entry is named by exactly the text it shows.
  void controlsNamedByTheirCaptions() {
    Game game;
    game.openBoard();
    const auto labels = game.window.centralWidget()->findChildren<QLabel*>();
    const auto buttons = game.window.centralWidget()->findChildren<QAbstractButton*>();
    QCOMPARE(labels.size() + buttons.size(), qsizetype(14 + 7));
    for (QLabel* l : labels) QCOMPARE(name(l), l->text());
    for (QAbstractButton* b : buttons) QCOMPARE(name(b), b->text());
    QList<QWidget*> menus{game.window.menuBar()};  // the bar, then each menu
    for (QMenu* menu : game.window.menuBar()->findChildren<QMenu*>()) menus << menu;
    for (QWidget* menu : menus) {
      QCOMPARE(accessible(menu)->childCount(), int(menu->actions().size()));
      for (int i = 0; i < int(menu->actions().size()); ++i)
        QCOMPARE(accessible(menu)->child(i)->text(QAccessible::Name), menu->actions()[i]->text());
    }
    QCOMPARE(name(game.find("LisMie")), QString("Trovati"));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
