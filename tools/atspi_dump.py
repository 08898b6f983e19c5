#!/usr/bin/python3
"""Reads the running game through the AT-SPI bus, the way a screen reader does.

Run by tools/atspi_check.sh, which starts the session bus, the accessibility bus, an X server and
the game. This script waits for the main window (checking that the splash never took the focus),
opens the secondary windows through their menu entries and prints what they read, presses "Nuovo"
through the button's accessible action, prints the 16 dice of the new board, the captions of the
buttons and the menu, then picks two dice that do not touch and prints what the message label
announced. Exits with 1 when something a screen reader needs is missing.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP = "vocari"
WINDOW = "   VOCARI"
BOARD = "Griglia"
EMPTY_DIE = "Dado vuoto"

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("  !! " + what)
    return ok


def pump(seconds):
    """Lets the bus deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = condition()
        except Exception:  # the tree may change while it is walked
            found = None
        if found:
            return found
        pump(0.2)
    return None


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def walk(acc):
    yield acc
    for child in children(acc):
        if child is not None:
            yield from walk(child)


def states(acc):
    names = []
    state_set = acc.getState()
    for s in (pyatspi.STATE_CHECKABLE, pyatspi.STATE_CHECKED, pyatspi.STATE_ENABLED,
              pyatspi.STATE_FOCUSABLE, pyatspi.STATE_FOCUSED, pyatspi.STATE_SHOWING):
        if state_set.contains(s):
            names.append(pyatspi.stateToString(s) if hasattr(pyatspi, "stateToString") else str(s))
    return names


def describe(acc):
    return "%s %r [%s]" % (acc.getRoleName(), acc.name, ", ".join(str(s) for s in states(acc)))


def find_window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.name == APP:
            for window in children(app):
                if window is not None and window.name == WINDOW and window.getState().contains(pyatspi.STATE_SHOWING):
                    return app, window
    return None


def menu_item(window, entry, item):
    """The accessible of a menu entry: `item` of the menu `entry`, or the bar entry itself."""
    bar = next(a for a in walk(window) if a.getRole() == pyatspi.ROLE_MENU_BAR)
    top = next(e for e in children(bar) if e.name == entry)
    if item is None:
        return top
    return next(a for a in walk(top) if a.name == item and a.getRole() == pyatspi.ROLE_MENU_ITEM)


def text_of(acc):
    try:
        text = acc.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


def open_and_read(app, main_window, entry, item, close):
    """Opens a modal window from the menu and prints what a screen reader finds in it.

    The menu action only returns when the modal window has closed, so another process presses it.
    """
    presser = subprocess.Popen([sys.executable, __file__, "--press-menu", entry, item or ""])
    try:
        known = {main_window.name}
        dialog = wait_for(lambda: next((w for w in children(app) if w is not None and w.name not in known
                                        and w.getState().contains(pyatspi.STATE_SHOWING)), None), 15)
        label = entry + (" > " + item if item else "")
        if not check(dialog is not None, "no window opened from " + label):
            return
        pump(0.5)
        print("%s: %s" % (label, describe(dialog)))
        close_button = None
        for acc in walk(dialog):
            role = acc.getRole()
            if role in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE) and acc.childCount:
                rows = [c.name for c in children(acc)[:4]]
                print("  %s %r, %d rows, first: %s" % (acc.getRoleName(), acc.name, acc.childCount, rows))
                check(any(rows), "the rows of %r have no text" % acc.name)
            elif role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and acc.getState().contains(pyatspi.STATE_SHOWING):
                text = text_of(acc) or ""
                editable = acc.getState().contains(pyatspi.STATE_EDITABLE)
                print("  %s %r (%s): %r" % (acc.getRoleName(), acc.name, "editable" if editable else "read-only",
                                            text[:70] + ("..." if len(text) > 70 else "")))
            elif role in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_LABEL) \
                    and acc.getState().contains(pyatspi.STATE_SHOWING):
                print("  " + describe(acc))
                if role == pyatspi.ROLE_PUSH_BUTTON and acc.name == close:
                    close_button = acc
        if check(close_button is not None, "no button %r in %s" % (close, label)):
            press(close_button)
            check(wait_for(lambda: presser.poll() is not None, 10), "%s did not close" % label)
    finally:
        if presser.poll() is None:
            presser.kill()
        presser.wait()


def press(acc):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "Press", "click"):
            return action.doAction(i)
    return action.doAction(0)


def main():
    print("Waiting for the game on the accessibility bus ...")

    def splash():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.name == APP:
                return next((w for w in children(app) if w is not None and w.name == "Vocari"), None)
        return None

    first = wait_for(splash, 20)
    if first is not None:
        print("splash: " + describe(first) + (" (active)" if first.getState().contains(pyatspi.STATE_ACTIVE) else
                                              " (not active)"))
        check(not first.getState().contains(pyatspi.STATE_ACTIVE), "the splash took the focus")
    found = wait_for(find_window, 40)
    if not found:
        desktop = pyatspi.Registry.getDesktop(0)
        print("applications on the bus:", [a.name for a in children(desktop) if a is not None])
        check(False, "the main window did not appear")
        return 1
    app, window = found
    print("application: %r, windows: %s" % (app.name, [w.name for w in children(app) if w is not None]))
    print("window: " + describe(window))

    for entry, item, close in (("Aiuto", "Guida completa", "Chiudi"), ("Aiuto", "Consigli", "Chiudi"),
                               ("Opzioni", None, "OK"), ("Aiuto", "Informazioni", "Chiudi")):
        open_and_read(app, window, entry, item, close)

    board = next((a for a in walk(window) if a.name == BOARD), None)
    if not check(board is not None, "no board group named %r" % BOARD):
        return 1
    dice = children(board)
    print("board: %s, %d children" % (describe(board), len(dice)))
    check(len(dice) == 16, "the board has %d dice, not 16" % len(dice))
    print("dice before the deal: %s" % sorted({d.name for d in dice}))
    check(all(d.name == EMPTY_DIE for d in dice), "a die is not %r before the deal" % EMPTY_DIE)

    buttons = [a for a in walk(window)
               if a.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX)
               and a not in dice]
    nuovo = next((b for b in buttons if b.name == "Nuovo"), None)
    if not check(nuovo is not None, 'no button "Nuovo"'):
        return 1
    action = nuovo.queryAction()
    print('pressing "Nuovo" through its action %r' % action.getName(0))
    press(nuovo)
    dealt = wait_for(lambda: all(d.name != EMPTY_DIE for d in children(board)), 20)
    check(dealt, "the dice were not dealt after Nuovo")

    print("dice after Nuovo (reading order):")
    dice = children(board)
    for row in range(4):
        print("  " + " | ".join("%-11s" % d.name for d in dice[row * 4:row * 4 + 4]))
    print("  first die: %s, description %r, actions %s" % (
        describe(dice[0]), dice[0].description,
        [dice[0].queryAction().getName(i) for i in range(dice[0].queryAction().nActions)]))

    print("buttons and check box:")
    for b in buttons:
        print("  " + describe(b) + ("  (%s)" % b.description if b.description else ""))
    print("labels:")
    for a in walk(window):
        if a.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_NOTIFICATION, pyatspi.ROLE_ALERT) \
                and a.getState().contains(pyatspi.STATE_SHOWING):
            print("  %s %r" % (a.getRoleName(), a.name))
    print("lists:")
    for a in walk(window):
        if a.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE):
            print("  %s %r, %d rows" % (a.getRoleName(), a.name, a.childCount))
    print("menu:")
    for a in walk(window):
        if a.getRole() == pyatspi.ROLE_MENU_BAR:
            for entry in children(a):
                items = [i.name for i in walk(entry) if i is not entry and i.getRole() in
                         (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_SEPARATOR)]
                print("  %r %s" % (entry.name, items if items else ""))

    # Two dice that do not touch: the second is refused and LabErr announces it.
    heard = []

    def listener(event):
        source = event.source
        if source is not None and source.getRole() in (pyatspi.ROLE_NOTIFICATION, pyatspi.ROLE_LABEL,
                                                       pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON):
            heard.append("%s on %s %r (detail %s)" % (event.type, source.getRoleName(), source.name,
                                                     event.detail1))

    for kind in ("object:state-changed:showing", "object:state-changed:checked",
                 "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(listener, kind)
    pump(0.5)
    heard.clear()
    print("picking the first die, then the last one (not a neighbour):")
    press(dice[0])
    pump(1.0)
    print("  first die now: " + describe(dice[0]))
    check(dice[0].getState().contains(pyatspi.STATE_CHECKED), "the picked die is not checked")
    press(dice[15])
    pump(1.5)
    for line in heard:
        if "Nuovo" not in line:
            print("  event: " + line)
    check(any("notification" in h and "showing" in h for h in heard), "LabErr did not announce its message")

    print("result: %s" % ("OK" if not failures else "FAILED: " + "; ".join(failures)))
    return 0 if not failures else 1


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--press-menu":
        found = wait_for(find_window, 10)
        if found:
            press(menu_item(found[1], sys.argv[2], sys.argv[3] or None))
        sys.exit(0)
    sys.exit(main())
