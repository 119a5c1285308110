#!/usr/bin/python3
# A game played as a player who cannot see the board plays it: the real
# program on an Xvfb and a D-Bus session of its own (run under
# tests/support/on-private-x --session-bus) with the accessibility bus,
# driven by keys and heard through AT-SPI alone. The start button takes the
# focus once it shows; the focused board is named by its stage and
# described; nothing shows unnamed in the game window; every step moves the
# focus to Zupi's new cell; the stage, a bump, the goal and GAME OVER (once)
# are announced, as notification objects or, from Qt 6.8 on, as Qt's own
# announcements from the window; a dark stage's cells tell their place and
# nothing more, even those a reader heard in the light. Every wait has its
# own bound and says what it waited for; the wrapper takes the game down
# with the test.
import os
import subprocess
import sys
import tempfile
import threading
import time
from collections import deque

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

WAIT = 15  # seconds for each thing awaited, far below the test's timeout
LIMIT = 80  # seconds for the whole test, below its timeout
KEYS = {"up": 0xFF52, "down": 0xFF54, "left": 0xFF51, "right": 0xFF53, "Return": 0xFF0D}
SIDES = {"up": (0, -1), "down": (0, 1), "left": (-1, 0), "right": (1, 0)}
START = (0, 5)


class Failure(Exception):
    pass


def check(ok, what):
    if not ok:
        raise Failure(what)


def accessibility_bus():
    """The accessibility bus of the wrapper's session bus, started and joined."""
    flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
    bus = Gio.DBusConnection.new_for_address_sync(os.environ["DBUS_SESSION_BUS_ADDRESS"], flags)
    try:  # starts the bus's launcher; Atspi.init() would wait for ever on a bus that never answers
        address = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                GLib.VariantType("(s)"), 0, WAIT * 1000).unpack()[0]
        answer = []
        Gio.DBusConnection.new_for_address(address, flags, None, None, lambda _, result: answer.append(result))
        Gio.DBusConnection.new_for_address_finish(until("the accessibility bus", lambda: answer and answer[0]))
    except GLib.Error as error:
        raise Failure("no accessibility bus (at-spi2-core): " + error.message)
    Atspi.init()


events = []  # (type, detail1, role, name, source), as they came
cursor = 0
game = None


def heard(event):
    try:  # an announcement's message comes with the event, not as a name
        text = event.any_data if event.type == "object:announcement" else event.source.get_name()
        events.append((event.type, event.detail1, event.source.get_role(), text, event.source))
    except GLib.Error:  # gone before it could be asked
        pass


def until(what, ready):
    """Pumps GLib's events until `ready()` gives something; returns it."""
    deadline = time.monotonic() + WAIT
    while not (found := ready()):
        check(time.monotonic() < deadline, "timed out waiting for " + what)
        GLib.MainContext.default().iteration(False)
        time.sleep(0.005)
    return found


def expect(what, match, since=None):
    """The first event from `since` (the last one expected) on that matches."""
    global cursor
    at = cursor if since is None else since

    def first():
        check(game.poll() is None, "the game ended while waiting for " + what)
        return next((i + 1 for i in range(at, len(events)) if match(events[i])), None)
    found = until(what, first)
    cursor = max(cursor, found)
    return events[found - 1]


def focus(role, name):
    return lambda e: e[:3] == ("object:state-changed:focused", 1, role) and e[3].startswith(name)


def said(text):
    """An announcement: a notification object turning up (Qt before 6.8), or Qt's own event from
    the window, a frame (Orca 48 on drops one from anything else that follows another at once)."""
    def match(e):
        if e[0] == "object:announcement":
            return e[2] == Atspi.Role.FRAME and text in e[3]
        return e[:3] == ("object:state-changed:showing", 1, Atspi.Role.NOTIFICATION) and text in e[3]
    return match


def press(key):
    Atspi.generate_keyboard_event(KEYS[key], None, Atspi.KeySynthType.PRESSRELEASE | Atspi.KeySynthType.SYM)


def place(cell):
    return "%d行%d列" % (cell[1] + 1, cell[0] + 1)


def unnamed_showing(node):
    """Roles of the objects under `node` that show without a name."""
    kids = [node.get_child_at_index(i) for i in range(node.get_child_count())]
    return [kid.get_role_name() for kid in kids if kid.get_state_set().contains(Atspi.StateType.SHOWING)
            and not kid.get_name()] + [role for kid in kids for role in unnamed_showing(kid)]


def route(passage, start, arrive):
    """The shortest keys from `start` to the first cell that `arrive` takes."""
    came = {start: None}
    todo = deque([start])
    while todo:
        cell = todo.popleft()
        if arrive(cell):
            keys = []
            while came[cell]:
                cell, key = came[cell]
                keys.insert(0, key)
            return keys
        for key, (dx, dy) in SIDES.items():
            near = (cell[0] + dx, cell[1] + dy)
            if near in passage and near not in came:
                came[near] = (cell, key)
                todo.append(near)
    raise Failure("no cell in the lit cave's names that the test could walk to")


def into_rock(passage, cell):
    """The keys that bump from `cell`: into rock, not off the board."""
    return [key for key, (dx, dy) in SIDES.items()
            if (cell[0] + dx, cell[1] + dy) not in passage and cell[0] + dx >= 0 and 0 <= cell[1] + dy <= 9]


def walk(keys, at, dark):
    for key in keys:
        at = (at[0] + SIDES[key][0], at[1] + SIDES[key][1])
        press(key)
        name = expect("the focus on %s after %s" % (place(at), key), focus(Atspi.Role.TABLE_CELL, place(at)))[3]
        if dark:
            check(name in (place(at), place(at) + "、ゴール"), "a dark cell says more than its place: " + name)
        else:
            check("通路" in name, "a lit cell names its passage neighbours: " + name)
    return at


def play():
    global game
    listener = Atspi.EventListener.new(heard)
    # As Orca does; then AT-SPI keeps the names it fetched until told of a change.
    for kind in ("object:state-changed:focused", "object:state-changed:showing", "object:announcement",
                 "object:property-change:accessible-name"):
        listener.register(kind)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    game = subprocess.Popen([os.environ["GROTZEL_BINARY"]], env=env, cwd=tempfile.mkdtemp())

    button = expect("the start button focused once it shows", focus(Atspi.Role.PUSH_BUTTON, "Start Game"))[4]
    check(button.get_state_set().contains(Atspi.StateType.FOCUSED), "the title's tree shows its button unfocused")
    hidden = unnamed_showing(button.get_parent())
    check(not hidden, "objects show unnamed in the title window: %s" % hidden)
    press("Return")
    mark = cursor
    board = expect("the board focused, named by stage 1-A", focus(Atspi.Role.TABLE, "洞窟 1-A"))[4]
    expect("the stage announced", said("洞窟 1-A 初級マップです。"), since=mark)
    check("矢印キー" in board.get_description() and "Esc" in board.get_description(), "the board says how to play")
    hidden = unnamed_showing(board.get_parent())
    check(not hidden, "objects show unnamed in the game window: %s" % hidden)

    check((Atspi.Table.get_n_rows(board), Atspi.Table.get_n_columns(board)) == (10, 20),
          "the board is a table of 20 x 10 cells")
    board.get_application().set_cache_mask(Atspi.Cache.ALL)  # a reader keeps what it heard
    names = {(x, y): Atspi.Table.get_accessible_at(board, y, x).get_name() for x in range(20) for y in range(10)}
    passage = {cell for cell, name in names.items() if not name.endswith("、岩")}
    check(all(names[c].startswith(place(c)) for c in names), "every cell is named by its place")
    # The nearest cell beside rock, off the start and the goal, for the bumps.
    beside = route(passage, START, lambda c: c != START and c[0] < 19 and into_rock(passage, c))
    spot = walk(beside, START, dark=False)
    into = into_rock(passage, spot)[0]
    press(into)
    expect("the bump announced with two lamps left", said("ライフ 残り 2"))
    walk(route(passage, spot, lambda c: c[0] == 19), spot, dark=False)
    expect("the goal announced", said("ゴール"))

    expect("the dark stage announced", said("洞窟 1-B"))
    check(board.get_name() == "洞窟 1-B", "the board is named by the dark stage: " + board.get_name())
    # Names a reader heard in the light are renamed: none gives the cave away.
    lit = [place(c) for c in passage if Atspi.Table.get_accessible_at(board, c[1], c[0]).get_name().endswith("、通路")]
    check(not lit, "dark cells still named as passage: %s" % lit[:3])
    walk(beside, START, dark=True)
    for left in (2, 1, 0):
        press(into)
        expect("a dark bump announced with %d lamps left" % left, said("ライフ 残り %d" % left))
    expect("GAME OVER announced", said("GAME OVER"))
    expect("the title back, its button focused", focus(Atspi.Role.PUSH_BUTTON, "Start Game"))
    check(sum(map(said("GAME OVER"), events)) == 1, "GAME OVER is announced once, not at every blink")


def main():
    threading.Thread(target=guard, daemon=True).start()
    try:
        accessibility_bus()
        play()
        print("test_screen_reader: passed")
        return 0
    except Failure as failure:
        print("test_screen_reader: FAIL:", failure, file=sys.stderr)
        return 1


def guard():
    """A call into a bus that never answers blocks; the test fails all the same, saying so."""
    time.sleep(LIMIT)
    print("test_screen_reader: FAIL: no end within %d s" % LIMIT, file=sys.stderr)
    os._exit(1)


if __name__ == "__main__":
    sys.exit(main())
