"""An independent model of the game's rules, written in plain Python from the rules as the game states
them, to cross-check vantrel-cli: same deal, same drops, same JSON."""

M = (0x15A << 32) | 0x4E35
MASK64 = (1 << 64) - 1
FACE_DOWN = {0, 1, 2, 5, 6, 7, 8, 9, 14, 15, 16, 23}


class Rng:
    def __init__(self):
        self.state = 0

    def seed(self, s):
        self.state = s & 0xFFFFFFFF

    def below(self, n):
        self.state = (self.state * M + 1) & MASK64
        out = (self.state >> 32) & 0x7FFFFFFF
        return 0 if n == 0 else out % n


def trunc_div(a, b):
    q = abs(a) // abs(b)
    return q if (a >= 0) == (b >= 0) else -q


class Slot:
    __slots__ = ("suit", "number", "back_up", "ontop", "col", "left", "top", "visible", "z")

    def __init__(self):
        self.suit = self.number = 0
        self.back_up = self.ontop = False
        self.col = 0
        self.left = self.top = 0
        self.visible = False
        self.z = 0

    def copy_from(self, o):
        for f in ("suit", "number", "back_up", "ontop", "col", "left", "top"):
            setattr(self, f, getattr(o, f))


class Model:
    def __init__(self, seed, height=460):
        self.seed = seed  # the clock, which seeds the shuffle and every hint
        self.height = height
        self.hints_left = 3
        self.blinking = None  # the slot a hint hides until the next action
        self.slots = [Slot() for _ in range(60)]
        self.undo = [Slot() for _ in range(52)]
        self.messages = []
        self.state = 0
        self.undo_enabled = False
        self.wins = self.losses = self.win_streak = self.lose_streak = 0
        self.streak_kind, self.streak_count = 1, 0
        self.num_moves = self.raw_moves = 0
        self.moves = []
        self.z = 0
        for i in range(60):
            self.position(i)
        # New on a fresh table
        for i in range(60):
            s = self.slots[i]
            s.number = i % 13 + 1
            s.suit = trunc_div((i + 1) % 53 - 1, 13) + 1
            s.back_up, s.ontop, s.visible = True, False, False
        rng = Rng()
        rng.seed(seed)
        for _ in range(101):
            a = rng.below(52)
            b = rng.below(52)
            while b == a:
                b = rng.below(52)
            sa, sb = self.slots[a], self.slots[b]
            sa.number, sb.number = sb.number, sa.number
            sa.suit, sb.suit = sb.suit, sa.suit
        self.state = 1
        for i in range(60):
            s = self.slots[i]
            if i < 52 and i not in FACE_DOWN:
                s.back_up = False
            self.position(i)
            if 40 <= i <= 51:
                s.ontop = True
            self.z += 1
            s.z = self.z if i < 52 else -self.z
        for s in self.slots:
            s.visible = True
        if not self.find_moves():
            self.no_more_moves()

    def position(self, i):
        s = self.slots[i]
        if i < 48:
            s.left, s.top, s.col = (i % 8) * 75 + 15, (i // 8) * 15 + 15, i % 8 + 1
        elif i < 52:
            s.left, s.top, s.col = (i % 8) * 75 + 165, self.height - 180, i - 39
        else:
            s.left, s.top, s.col = ((i - 4) % 8) * 75 + 15, 0, (i - 4) % 8 + 1

    def cards_above(self, s):
        c, y = self.slots[s].col, self.slots[s].top
        cands = [j for j in range(52) if j != s and self.slots[j].col == c and self.slots[j].top > y]
        # the cards lying on the slot form a chain 15 pixels apart
        return sorted(cands, key=lambda j: self.slots[j].top)

    def is_valid(self, t, m):
        above = self.cards_above(t)
        if above:
            t = above[-1]
        T, Mc = self.slots[t], self.slots[m]
        if (T.number > 1 and Mc.number + 1 == T.number and Mc.suit == T.suit and T.col < 9
                and Mc.col != T.col and not T.back_up):
            return True
        return t > 51 and Mc.number == 13

    def find_moves(self):
        self.moves = []
        for p in range(52):
            C = self.slots[p]
            if C.ontop and C.number > 1 and not C.back_up and C.col < 9:
                for i in range(52):
                    D = self.slots[i]
                    if D.number == C.number - 1 and D.suit == C.suit and not D.back_up and D.col != C.col:
                        self.moves.append([D.number, D.suit, C.number, C.suit, i])
            if C.number == 13 and not C.back_up:
                for b in range(52, 60):
                    if not self.cards_above(b):
                        self.moves.append([13, C.suit, 14, 5, p])
        self.num_moves = self.raw_moves = len(self.moves)
        heads = sum(1 for s in self.slots[:52]
                    if s.number == 13 and not s.back_up and s.top == 15 and 1 <= s.col <= 8)
        empty = sum(1 for c in range(1, 9) if all(s.col != c for s in self.slots[:52]))
        if heads * empty == self.num_moves:
            self.num_moves = 0
        return self.num_moves != 0

    def check_win(self):
        if self.raw_moves != 16:
            return False
        for i in range(52):
            h = self.slots[i]
            if h.top != 15 or not 1 <= h.col <= 8:
                continue
            if h.number != 13 or h.back_up:
                return False
            above = self.cards_above(i)
            if len(above) != 12:
                return False
            for j, k in enumerate(above):
                if self.slots[k].number != 12 - j or self.slots[k].suit != h.suit:
                    return False
        return True

    def record(self, won):
        if won:
            self.wins += 1
        else:
            self.losses += 1
        kind = 1 if won else 2
        if self.streak_kind == kind:
            self.streak_count += 1
        else:
            self.streak_kind, self.streak_count = kind, 1
        if kind == 1:
            self.win_streak = max(self.win_streak, self.streak_count)
        else:
            self.lose_streak = max(self.lose_streak, self.streak_count)

    def end(self, won, text):
        if self.state == 2:
            return
        self.record(won)
        self.undo_enabled = False
        self.state = 2
        self.messages.append(text)

    def no_more_moves(self):
        self.end(False, "No More Moves!")

    def drop(self, m, dropped_on):
        drag = self.cards_above(m)
        above = self.cards_above(dropped_on)
        target = above[-1] if above else dropped_on
        T = self.slots[target]
        new_top = T.top + 15
        if not self.is_valid(target, m):
            return
        for i in range(52):
            self.undo[i].copy_from(self.slots[i])
        T.ontop = False
        S = self.slots[m]
        old_top, old_left = S.top - 15, S.left
        for k in [m] + drag:
            c = self.slots[k]
            c.left, c.top, c.col = T.left, new_top, T.col
            new_top += 15
        if drag:
            self.slots[drag[-1]].ontop = True
        can_undo = True
        if old_top >= 15 and m < 48:
            for i in range(52):
                c = self.slots[i]
                if c.left == old_left and c.top == old_top:
                    c.ontop = True
                    if c.back_up:
                        c.back_up = False
                        can_undo = False
        self.undo_enabled = can_undo
        found = self.find_moves()
        if self.check_win():
            self.end(True, "You Win!")
        if not found:
            self.no_more_moves()

    def end_blink(self):
        if self.blinking is not None:
            self.slots[self.blinking].visible = True
            self.blinking = None

    def hint(self):
        if self.num_moves == 0:
            return
        if self.hints_left == 0:
            self.messages.append("No hints left!")
            return
        self.hints_left -= 1
        self.find_moves()
        rng = Rng()
        rng.seed(self.seed)
        self.blinking = self.moves[rng.below(len(self.moves))][4]
        self.slots[self.blinking].visible = False

    def undo_click(self):
        if not self.undo_enabled:
            return
        for i in range(52):
            self.slots[i].copy_from(self.undo[i])
        self.undo_enabled = False
        self.find_moves()

    def report(self, seed):
        return {
            "seed": seed, "height": self.height, "game_state": self.state,
            "num_moves": self.num_moves, "raw_moves": self.raw_moves, "moves": self.moves,
            "label": "Number of Moves: %d" % self.num_moves, "undo_enabled": self.undo_enabled,
            "hints_left": self.hints_left,
            "messages": self.messages,
            "results": {"wins": self.wins, "losses": self.losses, "streak_kind": self.streak_kind,
                        "streak_count": self.streak_count, "win_streak": self.win_streak,
                        "lose_streak": self.lose_streak},
            "slots": [{"slot": i, "suit": s.suit, "number": s.number, "back_up": s.back_up,
                       "ontop": s.ontop, "col": s.col, "left": s.left, "top": s.top,
                       "visible": s.visible} for i, s in enumerate(self.slots)],
        }
