#!/usr/bin/env python3
"""Writes one game data file of a content set with CR LF after every line, the last too.

The Chinese sets are written in Big5 through glibc's iconv (the converter the
game decodes with), the English set in UTF-8. The files are also opened in
Windows editors by teachers, hence CR LF throughout.
"""

import subprocess
import sys

import sources

QUESTION_SEPARATOR = "-----"


def mapdata_lines(squares):
    return [str(square.value) for square in squares]


def mapmsg_lines(squares):
    return [square.message for square in squares]


def quiz_lines(questions):
    lines = []
    for question in questions:
        lines += [question.text, *question.choices, str(question.answer), QUESTION_SEPARATOR]
    return lines


def why_lines(folder):
    questions = len(sources.parse_quiz(sources.quiz_source(folder)))
    return [explanation.text for explanation in sources.parse_why(sources.why_source(folder), questions)]


def render(folder, name):
    if name == "gm1_data":
        return quiz_lines(sources.parse_quiz(sources.quiz_source(folder)))
    if name == "gm1_why":
        return why_lines(folder)
    squares = sources.parse_board(sources.board_source(folder))
    return {"mapdata": mapdata_lines, "mapmsg": mapmsg_lines}[name](squares)


def to_big5(text):
    """The Big5 bytes of text, or None when a character has no Big5 form (no //IGNORE)."""
    run = subprocess.run(["iconv", "-f", "UTF-8", "-t", "BIG5"], input=text.encode(), capture_output=True)
    return run.stdout if run.returncode == 0 else None


def encode(folder, name, lines):
    if not sources.is_chinese(folder):
        return "".join(line + "\r\n" for line in lines).encode("utf-8")
    data = to_big5("".join(line + "\r\n" for line in lines))
    if data is None:
        number, line = next((n, line) for n, line in enumerate(lines, start=1) if to_big5(line) is None)
        bad = "".join(dict.fromkeys(ch for ch in line if to_big5(ch) is None))
        raise sources.ContentError(f"{name}.txt", number, f"{bad} cannot be written in Big5; use another character")
    return data


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in ("mapdata", "mapmsg", "gm1_data", "gm1_why"):
        print("usage: render.py SET_FOLDER mapdata|mapmsg|gm1_data|gm1_why", file=sys.stderr)
        return 2
    folder, name = sys.argv[1], sys.argv[2]
    try:
        sys.stdout.buffer.write(encode(folder, name, render(folder, name)))
    except sources.ContentError as error:
        print(f"render.py: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
