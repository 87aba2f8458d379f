#!/usr/bin/python3
"""The game in German, as a German player's desktop starts it (LANGUAGE=de), read through the accessibility
bus as a screen reader reads it: the menus, the move label and the button in German, the table and its cards
by their German names (against the deal of vantrel-cli), the quick help in German, and the question before a
new deal with Qt's own German buttons. The setting up and ending of the X server, the buses and the game are
those of accessibility_bus_test.py.

usage: language_test.py --game build/game/vantrel --cli build/tools/cli/vantrel-cli
"""

import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import accessibility_bus_test as bus  # noqa: E402

RANKS = ["Ass", "Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame", "König"]
SUITS = ["Pik", "Kreuz", "Karo", "Herz"]


def german(card):
    return f"{SUITS[card['suit'] - 1]}-{RANKS[card['number'] - 1]}"


def main():
    args = bus.begin()
    deal = json.loads(subprocess.run([args.cli, "deal", str(bus.SEED)], check=True, capture_output=True,
                                     text=True, timeout=30).stdout)
    cards = [s for s in deal["slots"] if s["slot"] < 52]

    pyatspi, buses = bus.start_desktop()  # noqa: F841 (kept until the end)
    game, app, config = bus.start_game(pyatspi, args.game, "de")

    def find(predicate, root=app):
        return pyatspi.utils.findDescendant(root, predicate, True)

    def named(name, role):
        return bus.wait_for(f"{name} ({role})", lambda: find(lambda a: a.name == name and a.getRoleName() == role))

    def press(button):
        button.queryAction().doAction(0)

    # The menus, the label and the button.
    for title in ("Spiel", "Optionen", "Hilfe", "Fehlersuche", "Zentrieren"):
        named(title, "menu item")
    items = [item.name for menu in named("Optionen", "menu item") for item in menu]
    assert items == ["Rückgängig", "Gültige Züge zeigen", "Anzahl der Züge zeigen", "Tipp geben (3)", "",
                     "Spiel beim Schließen behalten", "Zeigen, ob das Spiel noch zu gewinnen ist",
                     "Nur lösbare Spiele austeilen"], items
    label = bus.wait_for("the move label", lambda: find(lambda a: a.name.startswith("Anzahl der Züge: ")))
    named("Alle Züge zeigen", "push button")
    table = named("Spieltisch", "list")
    assert table.description.startswith("Pfeiltasten wählen eine Karte"), table.description
    window = bus.wait_for("the window", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^Vantrel$"], capture_output=True,
        text=True).stdout.split())[0]

    def keys(*names):
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=10)
        subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True, timeout=10)

    # The dealt cards by their German names; the face-down ones only as such.
    keys("F2")
    bus.wait_for("the dealt cards", lambda: table.childCount == 52)
    names = sorted(child.name for child in table)
    expected = sorted("verdeckte Karte" if s["back_up"] else german(s) for s in cards)
    assert names == expected, names
    assert "Spalte 1, Zeile 1" in [child.description for child in table]
    bus.wait_for("the count", lambda: label.name == "Anzahl der Züge: " + deal["label"].split(": ")[1])
    print(f"German table: {len(names)} cards, e.g. " + "; ".join(f"{c.name} ({c.description})"
                                                                for c in list(table)[:3]))

    # A message: the quick help (F1), closed with its OK.
    keys("F1")
    help_text = bus.wait_for("the quick help", lambda: find(lambda a: a.name.startswith("Kurzhilfe:")))
    assert "„Tipp geben“" in help_text.name, help_text.name
    press(named("OK", "push button"))
    bus.wait_for("the quick help to close", lambda: find(lambda a: a.name.startswith("Kurzhilfe:")) is None)

    # A question, with Qt's German buttons: No keeps the game.
    keys("F2")
    bus.wait_for("the question", lambda: find(lambda a: a.name == "Möchten Sie wirklich ein neues Spiel beginnen?"))
    named("Ja", "push button")
    press(named("Nein", "push button"))
    bus.wait_for("the question to close", lambda: find(lambda a: a.name == "Nein") is None)
    assert sorted(child.name for child in table) == expected
    print("German menus, messages and buttons: " + ", ".join(items) + "; Kurzhilfe; Ja / Nein")

    bus.end_game(game, config)
    print("language test passed")


if __name__ == "__main__":
    bus.run(main)
