#!/usr/bin/python3
"""The game read as a screen reader reads it, through the desktop's accessibility bus.

Starts its own X server (Xvfb), session bus (dbus-daemon) and accessibility bus (at-spi2-core's
at-spi-bus-launcher), runs the built game on the xcb platform with Qt's bridge switched on, and reads it with
python3-pyatspi as a reader does: the cards by name after F2 (a face-down card only as "face-down card",
nowhere its identity), the focus followed through a few key presses, a card moved with the keys only, steered
by what the focused card is called, and the move's result: the card it turned over, the new count, the moved
card's new place. Every process it starts is ended at the end, whatever happens.

usage: accessibility_bus_test.py --game build/game/vantrel --cli build/tools/cli/vantrel-cli
"""

import argparse
import ctypes
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

SEED = 1700000008  # this deal offers a move that turns a card over and changes the count
RANKS = ["Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen",
         "King"]
SUITS = ["Spades", "Clubs", "Diamonds", "Hearts"]
WHOLE_RUN_SECONDS = 150

started = []  # every process started, ended in reverse order at the end


def spoken(card):
    return f"{RANKS[card['number'] - 1]} of {SUITS[card['suit'] - 1]}"


def die_with_the_test():
    """Run in each child before it starts: should this test itself be killed (a ctest timeout), the child is
    killed too rather than left running."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL, 0, 0, 0)


def start(command, **kwargs):
    process = subprocess.Popen(command, start_new_session=True, preexec_fn=die_with_the_test, **kwargs)
    started.append(process)
    return process


def adopt_orphans():
    """Processes that our children leave behind (the accessibility bus's daemon and registry) become ours when
    their parent ends, so that they are reaped here rather than left as zombies."""
    PR_SET_CHILD_SUBREAPER = 36
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)


def reap_orphans(seconds=5.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return
        if pid == 0:
            time.sleep(0.05)
    raise AssertionError("a process started here did not end")


def end_everything():
    for process in reversed(started):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
    for process in reversed(started):
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            process.wait(timeout=5)
        # What the process left in its group (a bus the launcher started, the registry) goes too.
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    reap_orphans()


def wait_for(what, condition, seconds=15.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        pump()
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what}")


def read_line_from(pipe, seconds):
    deadline = time.monotonic() + seconds
    text = b""
    while time.monotonic() < deadline and not text.endswith(b"\n"):
        chunk = os.read(pipe, 1)
        if not chunk:
            break
        text += chunk
    return text.decode().strip()


def start_x_server():
    read_end, write_end = os.pipe()
    start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1200x24", "-nolisten", "tcp"],
          pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = read_line_from(read_end, 20)
    os.close(read_end)
    if not number.isdigit():
        raise AssertionError("Xvfb did not start")
    return ":" + number


def start_session_bus():
    bus = start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
    address = read_line_from(bus.stdout.fileno(), 20)
    if not address:
        raise AssertionError("the session bus did not start")
    return address


def move_that_turns_a_card(cli, deal, slots):
    """A move of the deal (as the core lists it) that uncovers a face-down card and changes the count."""
    for _, _, number, suit, slot in deal["moves"]:
        if not 8 <= slot < 48 or not slots[slot - 8]["back_up"] or suit > 4:
            continue
        target = next(s for s in slots.values()
                      if s["slot"] < 52 and (s["suit"], s["number"]) == (suit, number))
        after = json.loads(subprocess.run([cli, "play", str(SEED), f"{slot}>{target['slot']}"], check=True,
                                          capture_output=True, text=True, timeout=30).stdout)
        if after["label"] != deal["label"] and after["game_state"] == 1:
            return slots[slot], target, after
    raise AssertionError(f"the deal of {SEED} has no such move")


pump = lambda: None  # noqa: E731 (set once pyatspi is loaded)


def start_desktop():
    """An X server, a session bus and the accessibility bus of this run's own; returns pyatspi, which can
    only be loaded once the buses are known, and the folder of the buses' sockets, to be kept meanwhile."""
    # The buses' sockets live in a folder of this run's own: never another session's, nor another run's.
    runtime = tempfile.TemporaryDirectory()
    os.environ["XDG_RUNTIME_DIR"] = runtime.name
    os.environ["DISPLAY"] = start_x_server()
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus()
    os.environ.pop("AT_SPI_BUS_ADDRESS", None)
    # The accessibility bus: the launcher starts its own bus daemon; the registry comes up on it.
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stdout=subprocess.DEVNULL,
          stderr=subprocess.DEVNULL)

    import gi  # noqa: E402 (the buses must be known first)
    gi.require_version("Atspi", "2.0")
    from gi.repository import GLib  # noqa: E402
    import pyatspi  # noqa: E402

    global pump
    context = GLib.MainContext.default()

    def pump_events():
        while context.pending():
            context.iteration(False)

    pump = pump_events
    # A game started before the accessibility bus answers never joins it: wait for its registry first.
    def registry_answers():
        try:
            return pyatspi.Registry.getDesktop(0).childCount >= 0
        except Exception:  # noqa: BLE001 (not up yet)
            return False

    wait_for("the accessibility registry", registry_answers, 20)
    return pyatspi, runtime


def start_game(pyatspi, game, language):
    """The game with accessibility on, its clock at SEED and its settings in a folder of its own, in
    `language` (LANGUAGE); returns the process, its application on the bus, and the folder, where its standard
    error goes (the file "stderr")."""
    config = tempfile.TemporaryDirectory()
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       VANTREL_CLOCK=str(SEED), XDG_CONFIG_HOME=config.name, QT_SCALE_FACTOR="1",
                       LANGUAGE=language)
    errors = open(os.path.join(config.name, "stderr"), "w+")
    process = start([os.path.abspath(game)], cwd=os.path.dirname(os.path.abspath(game)), env=environment,
                    stdout=subprocess.DEVNULL, stderr=errors)

    def find_app():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == "vantrel":
                return app
        return None

    return process, wait_for("the game on the accessibility bus", find_app, 30), config


def begin():
    """The command line (--game, --cli), the run's time limit, and the orphans of what it starts adopted."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--cli", required=True)
    args = parser.parse_args()
    signal.signal(signal.SIGALRM, lambda *_: (_ for _ in ()).throw(AssertionError("the test took too long")))
    signal.alarm(WHOLE_RUN_SECONDS)
    adopt_orphans()
    return args


def end_game(game, config):
    """Ends the game as the end of a session does (SIGTERM): it must end with 0."""
    game.send_signal(signal.SIGTERM)
    game.wait(timeout=15)
    with open(os.path.join(config.name, "stderr")) as errors:
        assert game.returncode == 0, errors.read()


def run(main):
    """Runs the test: a failed check ends it with 1; whatever happens, everything it started is ended."""
    try:
        main()
    except AssertionError as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
    finally:
        signal.alarm(0)
        end_everything()


def main():
    args = begin()
    deal = json.loads(subprocess.run([args.cli, "deal", str(SEED)], check=True, capture_output=True,
                                     text=True, timeout=30).stdout)
    slots = {s["slot"]: s for s in deal["slots"]}
    moved, target, after = move_that_turns_a_card(args.cli, deal, slots)
    turned = slots[moved["slot"] - 8]

    pyatspi, buses = start_desktop()  # noqa: F841 (kept until the end)
    heard = []

    def listen(event):
        source = event.source
        try:
            heard.append((event.type, source.name if source else "", source.description if source else ""))
        except Exception:  # noqa: BLE001 (a source gone meanwhile)
            pass

    pyatspi.Registry.registerEventListener(listen, "focus:", "object:state-changed:focused",
                                           "object:property-change:accessible-name")

    # In English, as it has always been, whatever the language of whoever runs the test.
    game, app, config = start_game(pyatspi, args.game, "C")

    def find(root, predicate):
        return pyatspi.utils.findDescendant(root, predicate, True)

    def table():
        return find(app, lambda a: a.name == "Table" and a.getRoleName() == "list")

    view = wait_for("the table", table)
    window = wait_for("the window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^Vantrel$"], capture_output=True,
        text=True).stdout.split())[0]

    def keys(*names, into=None):
        subprocess.run(["xdotool", "windowfocus", "--sync", into or window], check=True, timeout=10)
        subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True, timeout=10)

    # The menus, the label and the button by name; the hidden cheat item nowhere.
    options = wait_for("the Options menu", lambda: find(app, lambda a: a.name == "Options"
                                                         and a.getRoleName() == "menu item"))
    items = [item.name for menu in options for item in menu]
    assert "Show Valid Moves" in items and "Undo" in items, items
    assert find(app, lambda a: "Cheat" in (a.name or "")) is None, "the cheat item is listed"
    label = wait_for("the move label", lambda: find(app, lambda a: a.name.startswith("Number of Moves: ")))
    assert find(app, lambda a: a.name == "Show All Moves" and a.getRoleName() == "push button")

    keys("F2")
    wait_for("the dealt cards", lambda: view.childCount == 52)
    expected = []
    for column in range(1, 9):
        expected += sorted((s for s in slots.values() if s["col"] == column and s["slot"] < 52),
                           key=lambda s: s["top"])
    expected += sorted((s for s in slots.values() if s["col"] > 8 and s["slot"] < 52), key=lambda s: s["col"])
    names = [child.name for child in view]
    assert names == ["face-down card" if s["back_up"] else spoken(s) for s in expected], names
    texts = []
    for accessible in pyatspi.utils.findAllDescendants(app, lambda a: True):
        texts += [accessible.name or "", accessible.description or ""]
    for s in expected:
        if s["back_up"]:
            assert not any(spoken(s).lower() in t.lower() for t in texts), f"{spoken(s)} is face down"
    print(f"read after F2: {len(names)} cards, column 1: " +
          "; ".join(f"{c.name} ({c.description})" for c in list(view)[:6]))

    def focused():
        for child in view:
            if child.getState().contains(pyatspi.STATE_FOCUSED):
                return child.name, child.description
        return None

    # The first key shows the focus on the uppermost card of column 1; Up walks up the column.
    keys("Down")
    walk = [wait_for("the focus", focused)]
    assert walk[0] == (spoken(slots[40]), "column 1, row 6"), walk
    for row in (5, 4):
        keys("Up")
        walk.append(wait_for(f"the focus on row {row}",
                             lambda: (f := focused()) and f[1].endswith(f"row {row}") and f))
    assert walk[1] == (spoken(slots[32]), "column 1, row 5"), walk
    row_4 = "face-down card" if slots[24]["back_up"] else spoken(slots[24])
    assert walk[2] == (row_4, "column 1, row 4"), walk
    print("focus followed: " + " -> ".join(f"{n} ({d})" for n, d in walk))

    # Steered by what the reader says: to the 3 of hearts, picked up, onto the column of the 4 of hearts.
    def steer_to(column, row=None):
        for _ in range(40):
            name, description = wait_for("the focus", focused)
            place = re.match(r"column (\d+), row (\d+)", description)
            if place and int(place.group(1)) == column and (row is None or int(place.group(2)) == row):
                return name, description
            if not place:
                keys("Up")
            elif int(place.group(1)) != column:
                keys("Right" if int(place.group(1)) < column else "Left")
            else:
                keys("Down" if int(place.group(2)) < row else "Up")
            time.sleep(0.1)
        raise AssertionError(f"could not reach column {column}")

    moved_row = sorted(s["top"] for s in expected if s["col"] == moved["col"]).index(moved["top"]) + 1
    assert steer_to(moved["col"], moved_row)[0] == spoken(moved)
    keys("space")
    wait_for("the card selected for the move", lambda: any(
        c.name == spoken(moved) and c.getState().contains(pyatspi.STATE_SELECTED) for c in view))
    steer_to(target["col"])
    heard.clear()
    keys("space")

    turned_place = f"column {turned['col']}, row {moved_row - 1}"
    result = wait_for("the card turned over", lambda: next(
        (c.name for c in view if c.description == turned_place and c.name != "face-down card"), None))
    assert result == spoken(turned), result
    wait_for("the new count", lambda: label.name == after["label"])
    landed = wait_for("the moved card's new place", focused)
    target_rows = sum(1 for s in expected if s["col"] == target["col"])
    assert landed == (spoken(moved), f"column {target['col']}, row {target_rows + 1}"), landed
    pump()
    print(f"after the move: turned over {result} ({turned_place}); label \"{label.name}\"; "
          f"focus {landed[0]} ({landed[1]})")
    print("events heard: " + "; ".join(f"{t} {n!r}" for t, n, _ in heard))
    assert any(t.startswith("object:state-changed:focused") and n == spoken(moved) for t, n, _ in heard), \
        heard
    assert ("object:property-change:accessible-name", spoken(turned)) in [(t, n) for t, n, _ in heard], heard
    assert ("object:property-change:accessible-name", after["label"]) in [(t, n) for t, n, _ in heard], heard

    # The statistics window by its title, its texts by theirs; Enter is OK, which closes it.
    keys("F4")
    dialog = wait_for("the statistics window", lambda: find(app, lambda a: a.name == "Game Statistics"))
    dialog_texts = [a.name for a in pyatspi.utils.findAllDescendants(dialog, lambda a: True)]
    assert all(t in dialog_texts for t in ("Statistics", "Wins:", "Losses:", "Streaks", "Current", "OK",
                                           "Clear")), dialog_texts
    print("statistics window: " + ", ".join(t for t in dialog_texts if t))
    box = wait_for("the statistics window on screen", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^Game Statistics$"], capture_output=True,
        text=True).stdout.split())[0]
    keys("Return", into=box)
    wait_for("the statistics window to close", lambda: find(app, lambda a: a.name == "Game Statistics"
                                                            and a.getState().contains(pyatspi.STATE_SHOWING))
             is None)

    end_game(game, config)
    print("accessibility bus test passed")


if __name__ == "__main__":
    run(main)
