#!/usr/bin/env python3
"""Writes one game data file of a content set as UTF-8 with CR LF after every line, the last too.

build.sh converts the Chinese sets to Big5. The files are also opened in
Windows editors by teachers, hence CR LF throughout.
"""

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


def render(folder, name):
    if name == "gm1_data":
        return quiz_lines(sources.parse_quiz(sources.quiz_source(folder)))
    squares = sources.parse_board(sources.board_source(folder))
    return {"mapdata": mapdata_lines, "mapmsg": mapmsg_lines}[name](squares)


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in ("mapdata", "mapmsg", "gm1_data"):
        print("usage: render.py SET_FOLDER mapdata|mapmsg|gm1_data", file=sys.stderr)
        return 2
    text = "".join(line + "\r\n" for line in render(sys.argv[1], sys.argv[2]))
    sys.stdout.buffer.write(text.encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
