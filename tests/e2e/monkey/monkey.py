#!/usr/bin/env python3
"""A seeded monkey: random real X input on the game's windows under a window manager,
restarting the game whenever it ends. After every game it checks that the program neither
crashed (signal, unexpected exit status, sanitizer report) nor hung (a window manager ping
unanswered for 5 s), and replays the event log against the board file (check_log.py).

    monkey.py GAME DATA_DIR ACTIONS SEED WORK_DIR

DISPLAY must name an X server with a window manager running. Exits 0 when every check held;
the figures of the run are printed last."""

import os
import random
import shutil
import signal
import subprocess
import sys
import time

from check_log import check
from xdisplay import XDisplay

PING_TIMEOUT = 5.0
PING_EVERY = 2.0  # seconds of play between two pings
HIDDEN_LIMIT = 10.0  # seconds a running game may show no window at all
START_TIMEOUT = 30.0
SCREEN = (1024, 768)

# Client sizes of the windows the monkey aims at in particular.
DIE_SIZE = (178, 137)
HANDLE_SIZE = (178, 162)
BALL = (2, 1, 128)  # the round windows' ball: left, top, diameter

# Controls worth aiming at, by window title prefix: client pixels of their middles. Aimed
# clicks carry games past the start window and through the mini-games and the end pages.
HOT_SPOTS = {
    "Start": [(260, 188)],  # START ->
    "Bye Bye": [(260, 188)],  # NEXT -> / END ->
    "Game1": [(56, 144), (152, 144), (248, 144)],  # the three answers
}
TARGET_HALF_SIZE = 24  # pixels from a target's corner to its middle

KEYS = ["Escape", "Return", "space", "Tab", "ctrl+v", "shift+Insert", "ctrl+a",
        "ctrl+c", "ctrl+x", "ctrl+z", "BackSpace", "Delete", "a", "1", "Up", "Down",
        "F1", "alt+Tab", "KP_Enter"]


class Failure(Exception):
    pass


class Game:
    """One run of the program, with its own log and output files."""

    def __init__(self, exe, data, seed, folder):
        self.folder = folder
        os.makedirs(folder, exist_ok=True)
        self.log = os.path.join(folder, "events.log")
        self.stderr_path = os.path.join(folder, "stderr.txt")
        self.process = subprocess.Popen(
            [exe, "--log", self.log, "--mute", "--data-dir", data, "--seed", str(seed)],
            stdout=subprocess.DEVNULL, stderr=open(self.stderr_path, "wb"))
        self.pid = self.process.pid
        self.seed = seed

    def running(self):
        return self.process.poll() is None

    def stderr(self):
        with open(self.stderr_path, "rb") as f:
            return f.read().decode("utf-8", "replace")


class Monkey:
    def __init__(self, exe, data, actions, seed, work):
        self.exe, self.data, self.actions, self.work = exe, data, actions, work
        self.rng = random.Random(seed)
        self.x = XDisplay()
        self.trace = open(os.path.join(work, "actions.txt"), "w")
        self.game = None
        self.games = 0
        self.done = 0
        self.endings = {}
        self.events = {}
        self.pings = []
        self.last_ping = 0.0
        self.unseen_since = None

    # --- the game ------------------------------------------------------------------------

    def start_game(self):
        self.games += 1
        seed = self.rng.randrange(2**32)
        self.game = Game(self.exe, self.data, seed,
                         os.path.join(self.work, f"game-{self.games:03d}"))
        self.note(f"game {self.games}: pid {self.game.pid}, seed {seed}")
        deadline = time.monotonic() + START_TIMEOUT
        while not self.windows():
            if not self.game.running():
                self.finish_game()
                raise Failure(f"game {self.games} ended before its first window")
            if time.monotonic() > deadline:
                raise Failure(f"game {self.games} showed no window within {START_TIMEOUT} s")
            time.sleep(0.1)
        self.last_ping = time.monotonic()
        self.unseen_since = None

    def finish_game(self, stop=False):
        """Checks a game that ended (or, with stop, ends one still running)."""
        game = self.game
        self.game = None
        if stop and game.running():
            self.check_alive(game)
            game.process.send_signal(signal.SIGTERM)
        status = game.process.wait(timeout=30)
        problems, replay = check(os.path.join(self.data, "mapdata.txt"), game.log,
                                 None if stop else status)
        for event, n in replay.count.items():
            self.events[event] = self.events.get(event, 0) + n
        ending = "stopped" if stop else f"status {status} after '{replay.last}'"
        self.endings[ending] = self.endings.get(ending, 0) + 1
        self.note(f"game {self.games} over: {ending}")
        if status < 0 and not stop:
            problems.insert(0, f"killed by signal {-status}")
        for marker in ("ERROR: AddressSanitizer", "runtime error:", "LeakSanitizer"):
            if marker in game.stderr():
                problems.insert(0, f"sanitizer report ({marker}) in {game.stderr_path}")
        if problems:
            raise Failure(f"game {self.games} (seed {game.seed}, files in {game.folder}):\n  "
                          + "\n  ".join(problems[:20]))

    def check_alive(self, game):
        targets = [w for w in self.windows(game)]
        if not targets:
            return
        window = self.rng.choice(targets)
        answer = self.x.ping(window.id, PING_TIMEOUT)
        self.x.drain()
        if answer is None and game.running() and window.id in [w.id for w in self.windows(game)]:
            self.dump_stacks(game)
            raise Failure(f"game {self.games} hangs: no answer to a ping of {window} within "
                          f"{PING_TIMEOUT} s (stacks in {game.folder}/stacks.txt)")
        if answer is not None:
            self.pings.append(answer)
        self.last_ping = time.monotonic()

    def dump_stacks(self, game):
        if shutil.which("gdb"):
            with open(os.path.join(game.folder, "stacks.txt"), "w") as out:
                subprocess.run(["gdb", "-p", str(game.pid), "-batch", "-ex",
                                "thread apply all bt"], stdout=out, stderr=subprocess.STDOUT,
                               timeout=60)

    def windows(self, game=None):
        game = game or self.game
        return self.x.windows_of(game.pid) if game else []

    # --- actions -------------------------------------------------------------------------

    def note(self, text):
        self.trace.write(f"{self.done:6d} {text}\n")
        self.trace.flush()

    def pause(self, low=0.01, high=0.06):
        time.sleep(self.rng.uniform(low, high))

    def point_in(self, w, margin=2):
        return (w.x + self.rng.randint(margin, max(margin, w.width - margin)),
                w.y + self.rng.randint(margin, max(margin, w.height - margin)))

    def ball_point(self, w, spread=40):
        left, top, diameter = BALL
        return (w.x + left + diameter // 2 + self.rng.randint(-spread, spread),
                w.y + top + diameter // 2 + self.rng.randint(-spread, spread))

    def aim_point(self, w):
        for prefix, spots in HOT_SPOTS.items():
            if w.title.startswith(prefix):
                dx, dy = self.rng.choice(spots)
                return w.x + dx + self.rng.randint(-8, 8), w.y + dy + self.rng.randint(-5, 5)
        if w.title.startswith("Game2"):
            targets = self.target_places()
            if targets:
                left, top = self.rng.choice(targets)
                return (w.x + (left + 7) // 15 + TARGET_HALF_SIZE + self.rng.randint(-12, 12),
                        w.y + (top + 7) // 15 + TARGET_HALF_SIZE + self.rng.randint(-12, 12))
        if (w.width, w.height) in (DIE_SIZE, HANDLE_SIZE):
            return self.ball_point(w)
        return self.point_in(w)

    def target_places(self):
        """Where the target game last put its targets (twips), from the event log."""
        try:
            with open(self.game.log) as log:
                lines = [line for line in log if line.startswith("targets ")]
        except OSError:
            return []
        if not lines:
            return []
        fields = dict(word.split("=", 1) for word in lines[-1].split()[1:])
        return list(zip(map(int, fields["left"].split(",")), map(int, fields["top"].split(","))))

    def click(self, x, y, button=1):
        self.x.move(x, y)
        self.pause(0.005, 0.03)
        self.x.button(button, True)
        self.pause(0.01, 0.06)
        self.x.button(button, False)

    def drag(self, start, end, button):
        self.x.move(*start)
        self.pause()
        self.x.button(button, True)
        steps = self.rng.randint(2, 10)
        for i in range(1, steps + 1):
            self.x.move(start[0] + (end[0] - start[0]) * i // steps,
                        start[1] + (end[1] - start[1]) * i // steps)
            self.pause(0.005, 0.03)
        self.x.button(button, False)

    def random_screen_point(self):
        return self.rng.randrange(SCREEN[0]), self.rng.randrange(SCREEN[1])

    def act(self):
        windows = self.windows()
        if not windows:
            # Between two windows (a page turning, a game ending) there may be a moment with
            # none; a game that stays out of sight is a hidden process.
            self.unseen_since = self.unseen_since or time.monotonic()
            if time.monotonic() - self.unseen_since > HIDDEN_LIMIT and self.game.running():
                raise Failure(f"game {self.games} runs with no window for {HIDDEN_LIMIT} s")
            time.sleep(0.1)
            return False
        self.unseen_since = None
        by_size = lambda size: [w for w in windows if (w.width, w.height) == size]
        boxes = [w for w in windows if w.title == "Tavrin" and (w.width, w.height) != HANDLE_SIZE]
        die, handle = by_size(DIE_SIZE), by_size(HANDLE_SIZE)
        choices = [("click", 30), ("aim", 20), ("other button", 6), ("right drag", 5),
                   ("key", 15), ("paste", 5), ("hover", 3), ("close request", 0.5),
                   ("alt+F4", 0.5), ("wait", 4), ("destroy", 0.2)]
        if die:
            choices.append(("die burst", 20))
        if handle:
            choices.append(("handle drag", 8))
        if boxes:
            choices.append(("box burst", 25))
        kind = self.rng.choices([c[0] for c in choices], [c[1] for c in choices])[0]
        # The topmost window is most often where play goes on (a mini-game, a message box).
        target = windows[-1] if self.rng.random() < 0.5 else self.rng.choice(windows)
        if kind == "click":
            x, y = self.point_in(target)
            self.note(f"click {x} {y} in {target}")
            self.click(x, y)
        elif kind == "aim":
            x, y = self.aim_point(target)
            self.note(f"aimed click {x} {y} in {target}")
            self.click(x, y)
        elif kind == "other button":
            x, y = self.point_in(target)
            button = self.rng.choice([2, 3, 3, 4, 5])
            self.note(f"button {button} at {x} {y} in {target}")
            self.click(x, y, button)
        elif kind == "right drag":
            start, end = self.point_in(target), self.random_screen_point()
            self.note(f"right drag {start} -> {end} from {target}")
            self.drag(start, end, 3)
        elif kind == "handle drag":
            w = handle[0]
            start = self.ball_point(w, 30)
            end = (self.rng.randrange(SCREEN[0] - w.width) + start[0] - w.x,
                   self.rng.randrange(SCREEN[1] - w.height) + start[1] - w.y)
            self.note(f"handle drag {start} -> {end}")
            self.drag(start, end, 1)
        elif kind == "die burst":
            count = self.rng.randint(1, 12)
            self.note(f"die burst of {count} on {die[0]}")
            for _ in range(count):
                self.click(*self.ball_point(die[0]))
                self.pause(0.0, 0.08)
        elif kind == "box burst":
            box = self.rng.choice(boxes)
            count = self.rng.randint(1, 8)
            self.note(f"box burst of {count} on {box}")
            for _ in range(count):
                if self.rng.random() < 0.3:
                    # Escape (No to the exit question) most often, so that games go on to
                    # their end more often than they are quit.
                    self.x.key(self.rng.choices(["Escape", "Return", "space", "alt+F4"],
                                                [5, 2, 2, 1])[0])
                else:
                    self.click(*self.point_in(box))
                self.pause(0.0, 0.05)
        elif kind == "key":
            chord = self.rng.choice(KEYS)
            self.note(f"key {chord}")
            self.x.key(chord)
        elif kind == "paste":
            x, y = self.point_in(target)
            how = self.rng.choice(["middle", "ctrl+v", "shift+Insert", "select-middle"])
            self.note(f"paste ({how}) at {x} {y} in {target}")
            if how == "select-middle":  # a selection of the instructions, then a paste of it
                self.drag((x, y), self.point_in(target), 1)
                how = "middle"
            if how == "middle":
                self.click(x, y, 2)
            else:
                self.click(x, y)
                self.x.key(how)
        elif kind == "hover":
            x, y = self.point_in(target)
            self.note(f"hover {x} {y}")
            self.x.move(x, y)
            time.sleep(self.rng.uniform(0.2, 1.0))
        elif kind == "alt+F4":
            self.note(f"alt+F4 after a click in {target}")
            self.click(*self.point_in(target))
            self.x.key("alt+F4")
        elif kind == "close request":
            self.note(f"close request (wmctrl -c) to {target}")
            subprocess.run(["wmctrl", "-i", "-c", hex(target.id)], check=False,
                           stderr=subprocess.DEVNULL)
        elif kind == "destroy":
            self.note(f"destroy (xdotool windowclose) {target}")
            subprocess.run(["xdotool", "windowclose", str(target.id)], check=False,
                           stderr=subprocess.DEVNULL)
        elif kind == "wait":
            seconds = self.rng.uniform(0.3, 2.0)
            self.note(f"wait {seconds:.1f} s")
            time.sleep(seconds)
        self.pause(0.01, 0.05)
        return True

    # --- the run -------------------------------------------------------------------------

    def run(self):
        started = time.monotonic()
        try:
            while self.done < self.actions:
                if self.game is None:
                    self.start_game()
                if not self.game.running():
                    self.finish_game()
                    continue
                if self.act():
                    self.done += 1
                if self.game.running() and time.monotonic() - self.last_ping > PING_EVERY:
                    self.check_alive(self.game)
            if self.game:
                self.finish_game(stop=True)
        finally:
            if self.game and self.game.running():
                self.game.process.kill()
            self.report(time.monotonic() - started)

    def report(self, seconds):
        pings = sorted(self.pings) or [0.0]
        print(f"monkey: {self.done} actions in {seconds:.0f} s, {self.games} games")
        print("monkey: endings: " + ", ".join(f"{n} x {e}" for e, n in
                                              sorted(self.endings.items())))
        print("monkey: events: " + ", ".join(f"{e} {n}" for e, n in
                                             sorted(self.events.items())))
        opened = os.path.join(self.work, "opened.txt")
        if os.path.exists(opened):
            with open(opened) as f:
                print(f"monkey: {sum(1 for _ in f)} web or mail addresses opened")
        print(f"monkey: {len(self.pings)} pings answered, median {pings[len(pings) // 2]:.3f} s,"
              f" slowest {pings[-1]:.3f} s")


def main():
    if len(sys.argv) != 6:
        print(__doc__, file=sys.stderr)
        return 2
    exe, data, actions, seed, work = sys.argv[1:]
    monkey = Monkey(os.path.abspath(exe), os.path.abspath(data), int(actions), int(seed), work)
    try:
        monkey.run()
    except Failure as failure:
        print(f"monkey: FAILED after {monkey.done} actions: {failure}", file=sys.stderr)
        print(f"monkey: the actions are in {monkey.trace.name}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
