#!/usr/bin/env python3
"""Replays a game's event log (--log FILE) against the board file and the game's rules, on
its own reading of both: it shares no code with the game. Prints every disagreement; no
output means the log is consistent.

    check_log.py mapdata.txt events.log [--status N]

With --status, the way the log ends must fit the program's exit status: 0 after the end
page, the exit button or a close at the start or end window; 1 after a window was destroyed
from outside ("lost")."""

import argparse
import re
import sys

SQUARES = 38
WINNING = 5000
THROW_LIMIT = 50
SCORE_SQUARE_LIMIT = 33300
QUIZ, TARGET = 33301, 33302
START_SCORE = 1000
QUESTIONS = 5
RIGHT, WRONG = 100, -50
CAUSE_TARGETS = {0, 2, 4}  # the others are healthy habits
# A cause shot and a healthy habit shot, by mode.
TARGET_POINTS = {"classic": (100, -100), "learning": (150, -250)}


def read_board(path):
    """The 38 square values as the game reads them: UTF-8 if valid, else Big5; lines end at
    CR LF or a lone CR, and at LF only in a file without any CR."""
    data = open(path, "rb").read()
    try:
        text = data.decode("utf-8")
        if text.startswith("\ufeff"):
            text = text[1:]
    except UnicodeDecodeError:
        text = data.decode("big5", errors="replace")
    lines = re.split(r"\r\n|\r", text) if "\r" in text else text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    values = []
    for number, line in enumerate(lines[:SQUARES], 1):
        match = re.fullmatch(r"[ \t]*\+?(-?[0-9]+)[ \t]*", line)
        if not match:
            raise ValueError(f"{path} line {number}: {line!r} is not a whole number")
        values.append(int(match.group(1)))
    if len(values) < SQUARES:
        raise ValueError(f"{path}: only {len(values)} squares")
    return values


def parse(line):
    words = line.split(" ")
    fields = {}
    for word in words[1:]:
        key, _, value = word.partition("=")
        fields[key] = int(value) if re.fullmatch(r"-?[0-9]+", value) else value
    return words[0], fields


class Replay:
    def __init__(self, values):
        self.values = values
        self.problems = []
        self.score = START_SCORE
        self.square = 0
        self.trial = 1
        self.pending_open = None  # the mini-game a throw must open next
        self.mini_game = None  # the open one: "quiz" or "target"
        self.points = 0  # of the open mini-game
        self.answers = 0
        self.abandoned = False  # the quiz met a broken file and is closing
        self.over = None  # "win" or "limit"
        self.ended = False  # the end window was shown
        self.last = None
        self.count = {}
        self.mode = self.round_mode = "classic"
        self.feedback_due = False  # learning mode explains each answer next

    def problem(self, number, line, text):
        self.problems.append(f"line {number} ({line}): {text}")

    def check(self, lines):
        for number, line in enumerate(lines, 1):
            event, f = parse(line)
            say = lambda text: self.problem(number, line, text)
            self.count[event] = self.count.get(event, 0) + 1
            if number == 1 and event != "start":
                say("the log does not begin with 'start'")
            if self.last in ("exit", "quit", "lost"):
                say(f"an event after '{self.last}'")
            if self.pending_open and event not in ("open", "lost"):
                say(f"expected 'open game={self.pending_open}' after the throw")
                self.pending_open = None
            if self.ended and event not in ("exit", "lost", "link", "review"):
                say("an event after the end window opened")
            handler = getattr(self, "on_" + event, None)
            if handler is None:
                say(f"unknown event '{event}'")
            else:
                handler(f, say)
            self.last = event

    def on_start(self, f, say):
        if self.last is not None:
            say("a second start in one run")
        self.on_mode(f, say)

    def on_mode(self, f, say):
        self.mode = f.get("mode", "classic")
        if self.mode not in TARGET_POINTS:
            say(f"no mode {self.mode}")
            self.mode = "classic"

    def on_feedback(self, f, say):
        if not self.feedback_due:
            say("feedback with no answer to explain")
        self.feedback_due = False
        if not 1 <= f.get("number", 0) <= 30 or f.get("answer") not in (-1, 0, 1, 2):
            say("no such question or right button")

    def on_throw(self, f, say):
        if self.mini_game:
            say(f"a throw while the {self.mini_game} is open")
        if self.over:
            say(f"a throw after the {self.over}")
        if self.score >= WINNING:
            say(f"a throw with {self.score} points: the game was won")
        face = f.get("face")
        if not isinstance(face, int) or not 1 <= face <= 6:
            say(f"face {face} is not 1 to 6")
            return
        if f.get("from") != self.square:
            say(f"starts on {f.get('from')}, the character stood on {self.square}")
        to = (self.square + face) % SQUARES
        if f.get("to") != to:
            say(f"ends on {f.get('to')}, {self.square} + {face} is {to}")
        if f.get("trial") != self.trial + 1 or f.get("trial") > THROW_LIMIT:
            say(f"counted as trial {f.get('trial')} after trial {self.trial}")
        value = self.values[to]
        if f.get("value") != value:
            say(f"value {f.get('value')}, square {to} holds {value}")
        expected = self.score + value if value < SCORE_SQUARE_LIMIT else self.score
        if f.get("score") != expected:
            say(f"score {f.get('score')}, expected {expected}")
        self.pending_open = {QUIZ: "quiz", TARGET: "target"}.get(value)
        self.square, self.trial, self.score = to, f.get("trial"), expected

    def on_open(self, f, say):
        if f.get("game") != self.pending_open:
            say(f"no {f.get('game')} square was reached")
        self.pending_open = None
        self.mini_game = f.get("game")
        self.round_mode = self.mode
        self.points = self.answers = 0
        self.abandoned = False

    def on_refused(self, f, say):
        if not self.mini_game:
            say("a throw refused with no mini-game open")
        if not isinstance(f.get("face"), int) or not 1 <= f["face"] <= 6:
            say(f"face {f.get('face')} is not 1 to 6")

    def on_answer(self, f, say):
        if self.mini_game != "quiz" or self.abandoned:
            say("an answer with no quiz in play")
            return
        self.answers += 1
        if f.get("question") != self.answers or self.answers > QUESTIONS:
            say(f"question {f.get('question')}, expected {self.answers}")
        if f.get("button") not in (0, 1, 2) or f.get("right") not in (0, 1):
            say("no such button or verdict")
        self.points += RIGHT if f.get("right") == 1 else WRONG
        if f.get("gamescore") != self.points:
            say(f"quiz score {f.get('gamescore')}, expected {self.points}")
        self.feedback_due = self.mode == "learning"

    def on_hit(self, f, say):
        if self.mini_game != "target":
            say("a hit with no target game open")
            return
        target = f.get("target")
        if target not in range(5):
            say(f"no target {target}")
        cause, habit = TARGET_POINTS[self.round_mode]  # a round keeps the rules it opened with
        self.points += cause if target in CAUSE_TARGETS else habit
        if f.get("gamescore") != self.points:
            say(f"target score {f.get('gamescore')}, expected {self.points}")

    # A shield of the status window or a link of the end window: any time, the end included.
    def on_link(self, f, say):
        if not re.fullmatch(r"(https|file|mailto):\S+", str(f.get("address", ""))):
            say(f"no address a link opens: {f.get('address')}")
        if f.get("opened") not in (0, 1):
            say(f"opened={f.get('opened')}, expected 0 or 1")

    def on_targets(self, f, say):
        if self.mini_game != "target":
            say("targets moved with no target game open")

    def on_bonus(self, f, say):
        game = f.get("game")
        if game != self.mini_game:
            say(f"a {game} bonus with {self.mini_game or 'no mini-game'} open")
        if game == "quiz" and self.answers != QUESTIONS:
            say(f"a quiz bonus after {self.answers} answers")
        if f.get("points") != self.points:
            say(f"bonus {f.get('points')}, the {game} scored {self.points}")
        if f.get("score") != self.score + f.get("points", 0):
            say(f"bonus {f.get('points')} on {self.score} gives {f.get('score')}")
        self.score = f.get("score", self.score)
        self.mini_game = None

    def on_close(self, f, say):
        if f.get("game") != self.mini_game:
            say(f"{f.get('game')} closed with {self.mini_game or 'no mini-game'} open")
        self.mini_game = None

    def on_error(self, f, say):
        # Only a quiz file broken during play ends a mini-game; content is checked at start.
        if self.mini_game != "quiz":
            say(f"a content error outside a quiz: {f}")
        self.abandoned = True

    def on_win(self, f, say):
        if self.score < WINNING:
            say(f"a win with {self.score} points")
        if f.get("score") != self.score:
            say(f"win score {f.get('score')}, expected {self.score}")
        self.over = "win"

    def on_limit(self, f, say):
        if self.score >= WINNING:
            say(f"the limit with {self.score} points: the game was won")
        if f.get("trial") != self.trial + 1 or f.get("trial") <= THROW_LIMIT:
            say(f"the limit at trial {f.get('trial')} after trial {self.trial}")
        self.over = "limit"

    def on_end(self, f, say):
        # After a win or the limit, or when the board was closed early; an open mini-game
        # goes without a bonus.
        if f.get("score") != self.score:
            say(f"end score {f.get('score')}, expected {self.score}")
        self.ended = True
        self.mini_game = None

    def on_exit(self, f, say):
        if not self.ended:
            say("'exit' without the end window")

    def on_quit(self, f, say):
        if self.ended:
            say("'quit' from the end window")

    def on_lost(self, f, say):
        pass

    # Learning mode's review, opened from the end window.
    def on_review(self, f, say):
        if not self.ended or self.mode != "learning":
            say("a review outside a learning-mode game's end")
        if f.get("missed", -1) < 0:
            say(f"missed={f.get('missed')}")

    # New game from the menu: the game in play is left, and the next starts from the start.
    def on_new(self, f, say):
        if self.ended:
            say("'new' from the end window")
        self.score, self.square, self.trial = START_SCORE, 0, 1
        self.pending_open = self.mini_game = self.over = None
        self.points = self.answers = 0
        self.abandoned = self.feedback_due = False

    def check_ending(self, status):
        endings = {0: ("exit", "quit", "start", "end", "new"), 1: ("lost",)}
        if status not in endings:
            self.problems.append(f"the program ended with status {status}")
        elif self.last not in endings[status]:
            self.problems.append(f"status {status} after a log that ends with '{self.last}'")
        if self.pending_open:
            self.problems.append(f"the log ends before 'open game={self.pending_open}'")


def check(board_path, log_path, status=None):
    """The problems found, and the replay (for its counts)."""
    replay = Replay(read_board(board_path))
    lines = open(log_path, encoding="utf-8", errors="replace").read().splitlines()
    if not lines:
        replay.problems.append("the log is empty")
        return replay.problems, replay
    replay.check(lines)
    if status is not None:
        replay.check_ending(status)
    return replay.problems, replay


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("board")
    parser.add_argument("log")
    parser.add_argument("--status", type=int)
    args = parser.parse_args()
    problems, _ = check(args.board, args.log, args.status)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
