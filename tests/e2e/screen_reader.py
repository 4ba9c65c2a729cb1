#!/usr/bin/python3
"""Plays the running game through the desktop's accessibility bus, as a screen reader would.

actions: a whole one-player game by accessibility actions alone, every state read from the
         tree (dice faces, cells and what they would score); the final total read from the tree
         must be the sum of the cells; the Top Ten and a new game follow.
keys:    a game against the computer by key presses alone (xdotool, XTest), each key's effect
         checked through the tree, and the computer's turn told on the status line.
Prints the tree at the setup screen, after a throw and during the computer's turn.
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

FACES = {"one": 1, "two": 2, "three": 3, "four": 4, "five": 5, "six": 6}


SHOWN = []  # the game being played, whose tree a failure prints


def fail(why):
    print("FAIL:", why)
    if SHOWN:
        try:
            SHOWN[0].print_tree("when it failed")
        except Exception as e:  # the program may be gone
            print("(the tree could not be read: %s)" % e)
    sys.exit(1)


def fresh(acc):
    try:
        acc.clear_cache()
    except Exception:
        pass
    return acc


def children(acc):
    fresh(acc)
    out = []
    try:
        for i in range(acc.childCount):
            out.append(acc[i])
    except (IndexError, GLib.GError):
        pass  # the children changed while read: what was read so far
    return out


def walk(acc):
    yield acc
    for child in children(acc):
        if child is not None:
            yield from walk(child)


def tree(acc, depth=0):
    fresh(acc)
    states = acc.getState()
    line = "  " * depth + "[%s] %s" % (acc.getRoleName(), acc.name)
    if states.contains(pyatspi.STATE_CHECKED):
        line += " (checked)"
    if states.contains(pyatspi.STATE_FOCUSED):
        line += " (focused)"
    try:
        if acc.queryAction().nActions > 0:
            line += " <press>"
    except NotImplementedError:
        pass
    out = [line]
    for child in children(acc):
        out += tree(child, depth + 1)
    return out


def wait(what, test, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        value = test()
        if value:
            return value
        time.sleep(0.05)
    fail("timed out waiting for " + what)


def find_app():
    def look():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in children(desktop):
            if app is not None and app.name.lower() == "ossaric":
                return app
        return None
    return wait("the game on the accessibility bus", look)


class Game:
    def __init__(self):
        self.app = find_app()
        SHOWN[:] = [self]
        self.table = wait("the game table", lambda: self.find(lambda a: a.name == "Game table",
                                                              self.app))

    def find(self, test, root=None):
        try:
            for acc in walk(root or self.table):
                if test(acc):
                    return acc
        except GLib.GError:
            pass  # an object went away while read (a box that closed): as good as not found
        return None

    def named(self, start, root=None):
        return self.find(lambda a: a.name.startswith(start), root)

    def status(self):
        return fresh(children(self.table)[0]).name

    def press(self, acc):
        acc.queryAction().doAction(0)

    def menu_item(self, name):
        # An item of a pop-up, not the bar's title of the same name.
        return self.find(lambda a: a.getRoleName() == "menu item" and
                         a.name.replace("&", "").split("\t")[0] == name and
                         a.parent is not None and
                         a.parent.getRoleName() in ("menu", "popup menu"), self.app)

    def cup(self):
        return self.named("Cup") or self.named("Throw") or self.named("Next Player")

    def dice(self):
        out = {}
        for acc in children(self.table):
            m = re.match(r"Die (\d), (\w+)$", acc.name)
            if m:
                out[int(m.group(1))] = (FACES[m.group(2)], acc)
        return out

    def sheet(self):
        return self.find(lambda a: a.getRoleName() == "table")

    def cells(self, column):
        table = fresh(self.sheet()).queryTable()
        return [fresh(table.getAccessibleAt(row, column)) for row in range(table.nRows)]

    def print_tree(self, title):
        print("---- " + title)
        print("\n".join(tree(self.table)))
        sys.stdout.flush()


def cell_value(cell):
    m = re.search(r", (\d+)$", cell.name)
    return int(m.group(1)) if m else None


def would_score(cell):
    m = re.search(r"would score (\d+)$", cell.name)
    return int(m.group(1)) if m else None


def close_box(game, caption):
    """Presses OK on the message box titled `caption`; returns its text."""
    box = wait("the box " + caption, lambda: game.find(
        lambda a: a.getRoleName() in ("dialog", "alert") and a.name == caption, game.app))
    text = " ".join(a.name for a in walk(box) if a.getRoleName() == "label")
    ok = game.find(lambda a: a.getRoleName() == "push button" and a.name.replace("&", "") == "OK",
                   box)
    game.press(ok)
    wait("the box to close", lambda: game.find(
        lambda a: a.getRoleName() in ("dialog", "alert") and a.name == caption, game.app) is None)
    return text


def play_by_actions():
    game = Game()
    game.print_tree("setup screen")
    # Quick and quiet: the speed and sound menus by their items' actions.
    for _ in range(6):
        game.press(game.menu_item("Faster"))
    game.press(game.menu_item("Sound effects off"))
    one = game.named("1 player")
    if not one.getState().contains(pyatspi.STATE_CHECKED):
        game.press(one)
        wait("one player chosen", lambda: fresh(one).getState().contains(pyatspi.STATE_CHECKED))
    game.press(game.named("Return to Ossaric"))
    wait("the board", lambda: game.named("Throw 5 dice, 3 throws left"))
    table_column = 0
    for turn in range(12):
        cup = game.cup()
        before = game.status()
        game.press(cup)
        wait("the throw told", lambda: game.status() != before and
             game.status().startswith("You threw"))
        if turn == 0:
            game.print_tree("after a throw")
        dice = game.dice()
        if len(dice) != 5:
            fail("five dice on the table, not %d" % len(dice))
        for i, (face, _) in dice.items():
            if str(face) not in game.status():
                fail("die %d shows %d, not told in '%s'" % (i, face, game.status()))
        if turn % 2 == 0:
            # Back into the cup with the low dice, and throw them again.
            low = [acc for face, acc in dice.values() if face < 4]
            for n, acc in enumerate(low):
                game.press(acc)
                wait("die back in the cup", lambda: len(game.dice()) == 5 - n - 1)
            if turn == 0 and low:
                # Undo from the menu brings them all back.
                game.press(game.menu_item("Undo"))
                wait("Undo", lambda: len(game.dice()) == 5)
                for n, acc in enumerate(low):
                    game.press(game.dice()[[i for i, (f, a) in game.dice().items()
                                            if f < 4][0]][1])
                    wait("die back in the cup", lambda: len(game.dice()) == 5 - n - 1)
            if low:
                # With every die back in the cup nothing is kept: the throw is told as a first.
                told = "You keep" if len(low) < 5 else "You threw"
                before = game.status()
                game.press(game.cup())
                wait("second throw told", lambda: game.status() != before and
                     game.status().startswith(told))
        cells = game.cells(table_column)
        options = [(would_score(c), k) for k, c in enumerate(cells) if would_score(c) is not None]
        if not options:
            fail("no cell says what it would score: " + "; ".join(c.name for c in cells))
        points, row = max(options)
        game.press(cells[row])
        if turn < 11:
            wait("the score written", lambda: cell_value(game.cells(table_column)[row]) == points)
    # The game ends: the result, the Top Ten with the total, and a new game by its Return.
    # While the result shows, the board is still there to read.
    wait("the result", lambda: game.find(
        lambda a: a.getRoleName() in ("dialog", "alert") and a.name == "Game Over", game.app))
    cells = game.cells(table_column)
    values = [cell_value(c) for c in cells]
    if None in values:
        fail("a cell is empty at the end: " + "; ".join(c.name for c in cells))
    total_acc = game.named("Player 1's total")
    total = int(re.search(r"(\d+)$", total_acc.name).group(1))
    if total != sum(values):
        fail("total %d is not the sum %d of the cells %s" % (total, sum(values), values))
    text = close_box(game, "Game Over")
    if str(total) not in text:
        fail("the result box '%s' does not give %d" % (text, total))
    panel = wait("the Top Ten", lambda: game.named("5-Dice Bexil High Scores"))
    if str(total) not in panel.name:
        fail("the Top Ten '%s' lacks %d" % (panel.name, total))
    game.press(game.named("Return"))
    wait("a new game", lambda: game.named("Throw 5 dice, 3 throws left") and
         game.named("Player 1's total 0"))
    print("played a whole game by actions: total %d = sum of %s" % (total, values))


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "60"] + list(names), check=True)
    time.sleep(0.3)


def typed(text):
    subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
    time.sleep(0.3)


def focused(game):
    return game.find(lambda a: a.getRoleName() != "panel" and
                     a.getState().contains(pyatspi.STATE_FOCUSED))


def expect_focus(game, start):
    acc = wait("the focus on '%s'" % start,
               lambda: (lambda f: f if f is not None and f.name.startswith(start) else None)(
                   focused(game)), 10)
    return acc


def play_by_keys():
    game = Game()
    # Faster to no pause at all: "+" five times and more.
    key(*["plus"] * 6)
    key("Tab")  # shows the focus, on Start
    expect_focus(game, "Return to Ossaric")
    key("Tab")  # the players row, at the choice made
    expect_focus(game, "1 player")
    key("Right", "Right", "Right", "Right")
    expect_focus(game, "Against the computer")
    key("space")
    wait("the computer chosen", lambda: game.named("Against the computer").getState().contains(
        pyatspi.STATE_CHECKED))
    key("Tab")  # player 1's name takes the typing
    expect_focus(game, "Name of player 1")
    key(*["BackSpace"] * 8)
    typed("Ann 2")
    wait("the name typed", lambda: game.named("Name of player 1, Ann 2"))
    key("Return", "Tab", "Tab")
    expect_focus(game, "Return to Ossaric")
    key("Return")
    wait("the board", lambda: game.named("Throw 5 dice, 3 throws left"))
    for turn in range(2):
        before = game.status()
        key("ctrl+r")
        wait("Ctrl+R throws", lambda: game.status() != before and "threw" in game.status())
        if turn == 0:
            game.print_tree("after a throw (keys)")
        key("Tab")  # the dice
        first = expect_focus(game, "Die ")
        key("space")
        wait("the focused die in the cup", lambda: len(game.dice()) == 4)
        key("ctrl+z")
        wait("Ctrl+Z brings it back", lambda: len(game.dice()) == 5)
        key("space")
        wait("the die in the cup again", lambda: len(game.dice()) == 4)
        key("shift+Tab")
        expect_focus(game, "Throw 1 die, 2 throws left")
        before = game.status()
        key("Return")
        wait("the second throw", lambda: game.status() != before and "keep" in game.status())
        key("Tab", "Tab")  # past the dice to the sheet's first row to write
        row = expect_focus(game, "")
        key("Down")  # and on down to the next row still to write
        row = focused(game)
        for _ in range(11):
            if would_score(row) is not None:
                break
            key("Down")
            row = focused(game)
        points = would_score(row)
        if points is None:
            fail("focused row '%s' says nothing" % row.name)
        category = row.name.split(",")[0]
        key("Return")
        wait("the score written", lambda: re.search(", %d$" % points, fresh(
            game.named(category + ", Ann 2")).name))
        if "write %d in %s" % (points, category) not in game.status():
            fail("the score was not told: " + game.status())
        # The cup waits for the hand-over; keys during the computer's turn do nothing.
        key("Tab")  # the total, then the cup
        expect_focus(game, "Ann 2's total")
        key("Tab")
        expect_focus(game, "Next Player, Computer's turn")
        told = []
        key("space")
        wait("the computer's turn", lambda: "computer is playing" in (game.cup().name or ""), 10)
        if turn == 0:
            game.print_tree("during the computer's turn")
        subprocess.run(["xdotool", "key", "space", "minus", "ctrl+r", "ctrl+z"], check=True)
        end = time.time() + 30
        while time.time() < end:
            s = game.status()
            if not told or told[-1] != s:
                told.append(s)
            if "Computer writes" in s:
                break
            time.sleep(0.05)
        print("told during the computer's turn: " + " | ".join(told))
        if not any(t.startswith("Computer threw") for t in told):
            fail("the computer's first throw was not told")
        wait("the cup back for Ann", lambda: game.named("Next Player, Ann 2's turn"))
        mine = [cell_value(c) for c in game.cells(1)]
        if sum(v is not None for v in mine) != turn + 1:
            fail("keys during the computer's turn wrote for Ann: %s" % mine)
    # The Current Totals panel by the menu's mnemonics; Escape leaves it.
    key("alt+s")
    key("c")
    wait("the totals panel", lambda: game.named("Computer's Total") or game.named("Ann 2's Total"))
    key("Escape")
    wait("back on the board", lambda: game.sheet() is not None)
    print("played against the computer by keys")


if __name__ == "__main__":
    {"actions": play_by_actions, "keys": play_by_keys}[sys.argv[1]]()
