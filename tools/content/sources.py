"""Reads the teacher-editable board and quiz sources (UTF-8 text).

Both readers raise ContentError naming the file and line, so that whoever
edits a source sees at once where the problem is.
"""

import re
from urllib.parse import urlsplit
from dataclasses import dataclass
from pathlib import Path

HERE = Path(__file__).resolve().parent
# One folder of sources per content set, named after the set's language.
LANGUAGES = ("zh-HK", "zh-TW", "en")

QUIZ_SQUARE = 33301
TARGET_SQUARE = 33302
# Values from this one up are reserved for the mini-games, never added as points.
POINTS_LIMIT = 33300
EFFECT_WORDS = {
    "quiz": QUIZ_SQUARE,
    "問答": QUIZ_SQUARE,
    "target": TARGET_SQUARE,
    "射擊": TARGET_SQUARE,
}


def set_folder(language):
    return HERE / language


def board_source(folder):
    return Path(folder) / "board.txt"


def quiz_source(folder):
    return Path(folder) / "quiz.txt"


def why_source(folder):
    return Path(folder) / "why.txt"


def is_chinese(folder):
    """Chinese sets are written in Big5 and in Chinese wording; every other set is English."""
    return Path(folder).name.startswith("zh")


class ContentError(Exception):
    def __init__(self, path, line, problem):
        super().__init__(f"{Path(path).name} line {line}: {problem}")
        self.path, self.line, self.problem = path, line, problem


@dataclass
class Square:
    number: int
    value: int
    message: str
    line: int


@dataclass
class Explanation:
    number: int
    text: str
    source: str
    line: int


@dataclass
class Question:
    text: str
    choices: list
    answer: int
    line: int
    choice_lines: list


def read_lines(path):
    """Numbered lines of a UTF-8 file; a byte order mark is allowed."""
    data = Path(path).read_bytes()
    lines = data.split(b"\n")
    if data.endswith(b"\n"):
        lines.pop()
    result = []
    for number, raw in enumerate(lines, start=1):
        try:
            text = raw.decode("utf-8")
        except UnicodeDecodeError:
            raise ContentError(path, number, "is not UTF-8 text; save the file as UTF-8")
        if number == 1:
            text = text.removeprefix("\ufeff")
        result.append((number, text.removesuffix("\r")))
    return result


def content_lines(path):
    """Numbered lines without comments; blank lines are kept (they separate questions)."""
    return [(n, t) for n, t in read_lines(path) if not t.lstrip().startswith("#")]


def parse_effect(path, number, text):
    word = text.strip()
    if word.lower() in EFFECT_WORDS:
        return EFFECT_WORDS[word.lower()]
    if not re.fullmatch(r"[+-]?\d+", word):
        raise ContentError(path, number, f'effect "{word}" is not a whole number, quiz or target')
    return int(word)


def parse_board(path):
    """One square per line: number | effect | message."""
    squares = []
    for number, text in content_lines(path):
        if not text.strip():
            continue
        parts = text.split("|", 2)
        if len(parts) != 3:
            raise ContentError(path, number, 'expected "number | effect | message"')
        label = parts[0].strip()
        if not label.isdigit() or int(label) != len(squares):
            raise ContentError(path, number, f'square number "{label}" should be {len(squares)}')
        value = parse_effect(path, number, parts[1])
        squares.append(Square(int(label), value, parts[2].strip(), number))
    return squares


def split_blocks(path):
    """Groups non-blank lines into blocks separated by blank lines."""
    blocks, block = [], []
    for number, text in content_lines(path):
        if text.strip():
            block.append((number, text.strip()))
        elif block:
            blocks.append(block)
            block = []
    if block:
        blocks.append(block)
    return blocks


def parse_question(path, block, ordinal):
    (line, text), choices = block[0], block[1:]
    if text[0] in "*-":
        raise ContentError(path, line, f"question {ordinal} starts with a choice; put the question first")
    if len(choices) != 3:
        raise ContentError(path, line, f"question {ordinal} has {len(choices)} choices; it needs exactly 3")
    for number, choice in choices:
        if choice[0] not in "*-":
            raise ContentError(path, number, 'a choice must start with "-" (wrong) or "*" (right)')
    right = [i for i, (_, choice) in enumerate(choices) if choice[0] == "*"]
    if len(right) != 1:
        raise ContentError(path, line, f"question {ordinal} has {len(right)} choices marked with *; mark exactly one")
    return Question(
        text=text,
        choices=[choice[1:].strip() for _, choice in choices],
        answer=right[0],
        line=line,
        choice_lines=[number for number, _ in choices],
    )


def parse_quiz(path):
    """Blocks of four lines: the question, then three choices marked - or *."""
    return [parse_question(path, block, i) for i, block in enumerate(split_blocks(path), start=1)]


# An explanation must fit one or two lines of the quiz window.
EXPLANATION_LIMIT = {True: 70, False: 140}  # characters, for Chinese and for English


def parse_explanation(path, number, text, expected, limit):
    parts = text.split("|", 1)
    if len(parts) != 2 or "|" not in parts[1]:
        raise ContentError(path, number, 'expected "question number | explanation | source address"')
    label = parts[0].strip()
    explanation, source = (part.strip() for part in parts[1].rsplit("|", 1))
    if not label.isdigit() or int(label) != expected:
        raise ContentError(path, number, f'question number "{label}" should be {expected}')
    if not explanation:
        raise ContentError(path, number, f"question {expected} has no explanation")
    if len(explanation) > limit:
        raise ContentError(path, number, f"the explanation has {len(explanation)} characters; at most {limit} fit")
    address = urlsplit(source)
    if address.scheme != "https" or not address.netloc or address.path in ("", "/"):
        raise ContentError(path, number, f'"{source}" is not the https address of the page that states the fact')
    return Explanation(expected, explanation, source, number)


def parse_why(path, questions):
    """One explanation per question, in the quiz's order: number | explanation | source."""
    limit = EXPLANATION_LIMIT[is_chinese(Path(path).parent)]
    lines = [(n, t) for n, t in content_lines(path) if t.strip()]
    explanations = [parse_explanation(path, n, t, i, limit) for i, (n, t) in enumerate(lines, start=1)]
    if len(explanations) != questions:
        last = lines[-1][0] if lines else 1
        raise ContentError(path, last, f"{len(explanations)} explanations for {questions} questions")
    return explanations
