"""Plays random deals and random drops (valid, refused, on covered cards, on blank spots, undo, hints) through
vantrel-cli and through the independent model in reference_model.py, and compares every field of the report.
The window heights include every one at which the reserve row lies on a column's row (or the blank spots'),
then random ones. With --against OTHER, the report of another vantrel-cli must be the same, byte for byte.

usage: differential_test.py CLI [--games N] [--seed S] [--against OTHER]; VANTREL_TEST_SEED=S replays a run
as --seed S does."""
import argparse
import json
import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from reference_model import Model  # noqa: E402


def run_cli(cli, seed, height, actions):
    args = [cli, "play", str(seed), "--height", str(height)] + actions
    proc = subprocess.run(args, capture_output=True, text=True, check=False)
    if proc.returncode != 0:
        raise AssertionError("exit %d for %s: %s" % (proc.returncode, args, proc.stderr))
    return proc.stdout


# The reserve row lies at the window's height less 180, below columns 3 to 6: at these heights it lies on
# the blank spots' row (180) or on a column's row 1..52.
MEETING_HEIGHTS = [180 + 15 * row for row in range(53)]
FIXED_HEIGHTS = [460, 195, 100, 600, 210, 0]


def height_of_game(rng, game):
    if game < len(MEETING_HEIGHTS):
        return MEETING_HEIGHTS[game]
    return rng.choice(FIXED_HEIGHTS + [rng.randrange(2000)] * 3)


def accepted_drops(model):
    return [(m, t) for m in range(52) for t in range(60) if model.is_valid(t, m)]


def random_game(rng, deal_seed, height):
    model = Model(deal_seed, height)
    actions = []
    for _ in range(rng.randint(0, 60)):
        model.end_blink()  # the actions are further apart than a hint's blink
        roll = rng.random()
        valid = accepted_drops(model)
        if roll < 0.05:
            actions.append("hint")
            model.hint()
            continue
        if roll < 0.15:
            actions.append("undo")
            model.undo_click()
            continue
        if roll < 0.7 and valid:
            m, t = rng.choice(valid)
            # drop anywhere on the target's column: on a covered card or on its blank spot
            column = model.slots[t].col
            if 1 <= column <= 8 and rng.random() < 0.5:
                same = [k for k in range(60) if model.slots[k].col == column]
                t = rng.choice(same)
        else:
            m, t = rng.randrange(52), rng.randrange(60)
        actions.append("%d>%d" % (m, t))
        model.drop(m, t)
    return model, actions


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--games", type=int, default=150)
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--against", default=None)
    args = parser.parse_args()
    if args.seed is None and os.environ.get("VANTREL_TEST_SEED"):
        args.seed = int(os.environ["VANTREL_TEST_SEED"])
    seed = args.seed if args.seed is not None else random.randrange(1 << 30)
    print("differential test seed", seed)
    rng = random.Random(seed)
    for game in range(args.games):
        deal_seed = rng.choice([rng.randrange(1 << 32), 1700000000 + rng.randrange(100000)])
        height = height_of_game(rng, game)
        model, actions = random_game(rng, deal_seed, height)
        expected = model.report(deal_seed)
        text = run_cli(args.cli, deal_seed, height, actions)
        actual = json.loads(text)
        if args.against and run_cli(args.against, deal_seed, height, actions) != text:
            print("game %d: the two programs' reports differ" % game)
            print("replay: vantrel-cli play %d --height %d %s" % (deal_seed, height, " ".join(actions)))
            return 1
        if actual != expected:
            for key in expected:
                if expected[key] != actual.get(key):
                    print("game %d differs in %s" % (game, key))
                    print("  expected", json.dumps(expected[key])[:400])
                    print("  actual  ", json.dumps(actual.get(key))[:400])
            print("replay: vantrel-cli play %d --height %d %s" % (deal_seed, height, " ".join(actions)))
            print("the whole run again: VANTREL_TEST_SEED=%d" % seed)
            return 1
    print("%d games agree%s" % (args.games, " (and byte for byte with %s)" % args.against if args.against else ""))
    return 0


if __name__ == "__main__":
    sys.exit(main())
