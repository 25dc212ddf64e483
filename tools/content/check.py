#!/usr/bin/env python3
"""Checks the board and quiz sources of one content set before they are built into game files.

Every problem is printed as "file line N: problem"; the exit status is 1 if
there is any, so build.sh stops before writing anything.
"""

import re
import subprocess
import sys
from collections import Counter
from dataclasses import dataclass
from pathlib import Path

import sources
from sources import QUIZ_SQUARE, TARGET_SQUARE, POINTS_LIMIT, ContentError

SQUARE_COUNT = 38
QUESTION_COUNT = 30
MIN_GAME_SQUARES = 3

# Pixel widths in "AR PL UMing TW" at 96 dpi: its Latin letters are half the
# em, everything else in Big5 a full em. 9.75 pt is 6.5 px a letter; round up.
SMALL_FONT = {"ascii": 6, "wide": 12}  # 9 pt: status strip and quiz question
LARGE_FONT = {"ascii": 7, "wide": 13}  # 9.75 pt: quiz choices
MESSAGE_WIDTH = 340
QUESTION_WIDTH = 253
CHOICE_WIDTH = 253
CHOICE_PREFIX = "1) "  # the game numbers the choices itself


@dataclass(frozen=True)
class Wording:
    """How a set's square messages state their effect, and whether its files are Big5."""

    quiz: str
    target: str
    gain: str  # formatted with the points
    loss: str
    any_points: str  # pattern of every points claim a message can make
    big5: bool


CHINESE = Wording("問答", "射擊", "加{}分", "扣{}分", r"[加扣]\d+分", True)
ENGLISH = Wording("quiz", "target", "+{} points", "-{} points", r"[+-]\d+ points?\b", False)


def wording_of(folder):
    return CHINESE if sources.is_chinese(folder) else ENGLISH


def text_width(text, font):
    return sum(font["ascii"] if " " <= ch <= "~" else font["wide"] for ch in text)


def width_problem(text, font, limit):
    if any(ord(ch) < 32 or ord(ch) == 127 for ch in text):
        return "contains a tab or control character"
    width = text_width(text, font)
    if width > limit:
        over = -(-(width - limit) // font["wide"])
        return f"is {width} px wide, the limit is {limit} px (remove about {over} Chinese character(s))"
    return None


def iconv(text, source, target):
    run = subprocess.run(["iconv", "-f", source, "-t", target], input=text, capture_output=True)
    return run.stdout if run.returncode == 0 else None


def survives_big5(text):
    """True if the text converts to Big5 and back unchanged."""
    encoded = iconv(text.encode(), "UTF-8", "BIG5")
    return encoded is not None and iconv(encoded, "BIG5", "UTF-8") == text.encode()


def big5_problems(path, numbered_texts):
    """Names every line holding a character that Big5 cannot carry."""
    if survives_big5("\n".join(text for _, text in numbered_texts)):
        return []
    problems = []
    for line, text in numbered_texts:
        if not survives_big5(text):
            bad = "".join(dict.fromkeys(ch for ch in text if not survives_big5(ch)))
            problems.append(f"{path.name} line {line}: {bad} cannot be written in Big5; use another character")
    return problems


def square_problems(square, wording):
    """Ties the square's message to its effect, so the board never says one thing and does another."""
    v, msg = square.value, square.message
    if v >= POINTS_LIMIT and v not in (QUIZ_SQUARE, TARGET_SQUARE):
        return [f"effect {v} does nothing in the game; use quiz, target or fewer points"]
    if not msg:
        return ["message is empty; every square needs one"]
    keyword = {QUIZ_SQUARE: wording.quiz, TARGET_SQUARE: wording.target}.get(v)
    if keyword:
        # A game square may quote the game's own scoring, so only its kind is checked.
        return [] if keyword in msg.lower() else [f'opens a game but the message does not say "{keyword}"']
    expected = wording.gain.format(v) if v > 0 else wording.loss.format(-v) if v < 0 else None
    if expected and expected not in msg:
        return [f'effect {v} but the message does not say "{expected}"']
    wrong = [claim for claim in re.findall(wording.any_points, msg) if claim != expected]
    if wrong:
        return [f'message says "{wrong[0]}" but the effect is {v}']
    return []


def board_problems(path, squares, wording):
    problems = []
    for square in squares:
        found = square_problems(square, wording)
        found.append(width_problem(square.message, SMALL_FONT, MESSAGE_WIDTH))
        problems += [f"{path.name} line {square.line}: square {square.number} {p}" for p in found if p]
    if len(squares) != SQUARE_COUNT:
        problems.append(f"{path.name}: has {len(squares)} squares; the board needs exactly {SQUARE_COUNT}")
    kinds = Counter(s.value for s in squares)
    for value, name in ((QUIZ_SQUARE, "quiz"), (TARGET_SQUARE, "target")):
        if kinds[value] < MIN_GAME_SQUARES:
            problems.append(f"{path.name}: has {kinds[value]} {name} squares; at least {MIN_GAME_SQUARES} are needed")
    texts = [(s.line, s.message) for s in squares]
    return problems + (big5_problems(path, texts) if wording.big5 else [])


def question_problems(question):
    found = [("question", question.line, width_problem(question.text, SMALL_FONT, QUESTION_WIDTH))]
    for number, line, choice in zip((1, 2, 3), question.choice_lines, question.choices):
        problem = "is empty" if not choice else width_problem(CHOICE_PREFIX + choice, LARGE_FONT, CHOICE_WIDTH)
        found.append((f"choice {number}", line, problem))
    return found


def quiz_problems(path, questions, wording):
    problems = []
    for ordinal, question in enumerate(questions, start=1):
        for what, line, problem in question_problems(question):
            if problem:
                problems.append(f"{path.name} line {line}: question {ordinal}, {what} {problem}")
    if len(questions) != QUESTION_COUNT:
        problems.append(f"{path.name}: has {len(questions)} questions; the quiz needs exactly {QUESTION_COUNT}")
    texts = [(q.line, q.text) for q in questions]
    texts += [(line, c) for q in questions for line, c in zip(q.choice_lines, q.choices)]
    return problems + (big5_problems(path, sorted(texts)) if wording.big5 else [])


def answer_spread_warning(questions):
    """Players learn to guess a favourite button if the right answers cluster."""
    counts = Counter(q.answer for q in questions)
    spread = [counts[i] for i in range(3)]
    if max(spread) - min(spread) > 3:
        return f"warning: right answers are unevenly spread over choices 1, 2, 3: {spread}"
    return None


def all_problems(folder):
    """Returns (problems, warnings) for both sources of the set in folder."""
    problems, warnings = [], []
    wording = wording_of(folder)
    for path, parse, check in ((sources.board_source(folder), sources.parse_board, board_problems),
                               (sources.quiz_source(folder), sources.parse_quiz, quiz_problems)):
        try:
            items = parse(path)
        except ContentError as error:
            problems.append(str(error))
            continue
        except OSError as error:
            problems.append(f"{path}: cannot be read ({error.strerror})")
            continue
        problems += check(path, items, wording)
        if parse is sources.parse_quiz:
            warnings.append(answer_spread_warning(items))
    return problems, [w for w in warnings if w]


def main():
    if len(sys.argv) != 2:
        print("usage: check.py SET_FOLDER", file=sys.stderr)
        return 2
    problems, warnings = all_problems(Path(sys.argv[1]))
    for line in warnings + problems:
        print(line, file=sys.stderr)
    if problems:
        print(f"check.py: {Path(sys.argv[1]).name}: {len(problems)} problem(s) found; nothing was built",
              file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
