#!/usr/bin/python3
"""Reads the running game through the AT-SPI bus, the way a screen reader does.

Run by tools/atspi_check.sh, which starts the session bus, the accessibility bus, an X server and
the game. This script waits for the main window (checking that the splash never took the focus),
opens the secondary windows through their menu entries and prints what they read, presses "Nuovo"
through the button's accessible action, prints the 16 dice of the new board, the captions of the
buttons and the menu, then picks two dice that do not touch and prints what the message label
announced. Then it checks that the hidden solution list names and shows no word, shows the
solutions through the check box, builds one of them on the dice and
confirms it with "OK", waits for the clock to run out (two minutes), and prints the end-of-game
summary as announced and the solutions with the description that marks the found ones. Exits
with 1 when something a screen reader needs is missing.
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


def word_path(dice, word):
    """The dice (indices in reading order) that spell `word` along touching dice, or None."""
    letters = [d.name[:1] for d in dice]

    def extend(path):
        if len(path) == len(word):
            return path
        r, c = divmod(path[-1], 4)
        for dr in (-1, 0, 1):
            for dc in (-1, 0, 1):
                nr, nc = r + dr, c + dc
                n = nr * 4 + nc
                if 0 <= nr < 4 and 0 <= nc < 4 and n not in path and letters[n] == word[len(path)]:
                    found = extend(path + [n])
                    if found:
                        return found
        return None

    for start in range(16):
        if letters[start] == word[0]:
            found = extend([start])
            if found:
                return found
    return None


def play_to_the_end(window, board, buttons, heard):
    """Shows the solutions, confirms one of them, waits for the end and reads the summary."""
    def check_box():
        return next((b for b in walk(window) if b.getRole() == pyatspi.ROLE_CHECK_BOX
                     and b.getState().contains(pyatspi.STATE_SHOWING) and "(=" in b.name), None)

    box = wait_for(check_box, 20)
    if not check(box is not None, "the solutions check box did not appear"):
        return
    print("check box: " + describe(box))
    hidden = next((a for a in walk(window) if a.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE)
                   and a.name == "Tutte le soluzioni"), None)
    if check(hidden is not None, "no solution list, hidden or shown"):
        told = [(c.name, c.getState().contains(pyatspi.STATE_SHOWING)) for c in children(hidden)]
        print("hidden solution list: %d rows, named %d, showing %d" % (
            len(told), sum(1 for n, _ in told if n), sum(1 for _, s in told if s)))
        check(not any(n or s for n, s in told), "the hidden solution list tells its words")
    press(box)
    pump(1.0)  # a screen reader takes in the list's new names and states before it reads on
    solutions = wait_for(lambda: next((a for a in walk(window) if a.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE)
                                       and a.name == "Tutte le soluzioni" and a.childCount), None), 10)
    if not check(solutions is not None, "the solution list is not shown"):
        return
    words = [c.name for c in children(solutions)]
    seen = sum(1 for c in children(solutions) if c.getState().contains(pyatspi.STATE_SHOWING))
    print("solutions: %d, first: %s, showing: %d" % (len(words), words[:6], seen))
    check(all(words) and seen > 0, "the shown solution list does not show its words")
    dice = children(board)
    chosen = next(((w, word_path(dice, w)) for w in sorted(words, key=len, reverse=True) if word_path(dice, w)), None)
    if not check(chosen is not None, "no solution could be laid on the dice"):
        return
    word, path = chosen
    by_name = {b.name: b for b in buttons}
    press(by_name["X"])  # the die picked before
    pump(0.3)
    for i in path:
        press(dice[i])
        pump(0.1)
    press(by_name["OK"])
    pump(0.5)
    print('built %s on the dice %s and pressed "OK"' % (word, path))
    heard.clear()
    print("waiting for the clock to run out ...")

    def summary():
        return next((a for a in walk(window) if a.getRole() == pyatspi.ROLE_NOTIFICATION
                     and a.name.startswith("Tempo scaduto")), None)

    found = wait_for(summary, 150)
    pump(1.0)
    if not check(found is not None, "no end-of-game summary"):
        return
    print("summary: %s %r" % (found.getRoleName(), found.name))
    check(" punti su " in found.name, "the summary does not say 'punti su'")
    check(any("notification" in h and "Tempo scaduto" in h and "showing" in h for h in heard),
          "the summary was not announced")
    marked = [(c.name, c.description) for c in children(solutions) if c.description]
    print("solutions marked as found: %s" % marked)
    check((word, "trovata") in marked, "%s is not marked as found" % word)
    check(len(marked) == 1, "other words are marked too")


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

    play_to_the_end(window, board, buttons, heard)

    print("result: %s" % ("OK" if not failures else "FAILED: " + "; ".join(failures)))
    return 0 if not failures else 1


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--press-menu":
        found = wait_for(find_window, 10)
        if found:
            press(menu_item(found[1], sys.argv[2], sys.argv[3] or None))
        sys.exit(0)
    sys.exit(main())
