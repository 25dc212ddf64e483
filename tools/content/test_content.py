#!/usr/bin/env python3
"""Tests for the content sets, their sources, and their build.

The content rules themselves are the game's (tavrin --check-content), tested in
tests/rules; here the build must stop on what the game finds.
Run: TAVRIN=build/tavrin python3 tools/content/test_content.py
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
from collections import Counter
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import render  # noqa: E402
import sources  # noqa: E402

SHIPPED = HERE.parents[1] / "data"
GAME = os.environ.get("TAVRIN", str(HERE.parents[1] / "build" / "tavrin"))
OUTPUTS = {"mapdata": 38, "mapmsg": 38, "gm1_data": 180, "gm1_why": 30}  # file and number of lines


def decode(data, lang):
    if not sources.is_chinese(lang):
        return data.decode("utf-8")
    run = subprocess.run(["iconv", "-f", "BIG5", "-t", "UTF-8"], input=data, capture_output=True)
    return run.stdout.decode("utf-8") if run.returncode == 0 else None


class SourceFiles(unittest.TestCase):
    """Edits copies of a set's real sources in a scratch folder named like the set."""

    def setUp(self):
        self.scratch = Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.scratch)

    def copy_of(self, lang):
        """A fresh copy of the set, replacing the copy an earlier case may have edited."""
        folder = self.scratch / lang
        shutil.rmtree(folder, ignore_errors=True)
        shutil.copytree(sources.set_folder(lang), folder)
        return folder

    def with_line(self, path, line, text):
        """Replaces line `line` (counting from 1) of the file, or deletes it if text is None."""
        lines = path.read_text(encoding="utf-8").split("\n")
        lines[line - 1:line] = [] if text is None else [text]
        path.write_text("\n".join(lines), encoding="utf-8")
        return line

    def with_square(self, folder, number, text):
        square = sources.parse_board(sources.board_source(folder))[number]
        return self.with_line(sources.board_source(folder), square.line, text)

    def first_question(self, lang):
        folder = self.copy_of(lang)
        return folder, sources.parse_quiz(sources.quiz_source(folder))[0]

    def problems(self, folder):
        """The source's syntax errors, as the build reports them."""
        found = []
        for path, parse in ((sources.board_source(folder), sources.parse_board),
                            (sources.quiz_source(folder), sources.parse_quiz)):
            try:
                parse(path)
            except sources.ContentError as error:
                found.append(str(error))
        return found


class SourceChecks(SourceFiles):
    def test_mistakes_in_the_board_layout_name_their_line(self):
        cases = [
            ("6 | -100 | 炸雞扣100分", 'square number "6" should be 5'),
            ("5 | -1OO | 炸雞扣100分", 'effect "-1OO" is not a whole number, quiz or target'),
            ("5  -100   炸雞扣100分", 'expected "number | effect | message"'),
        ]
        for text, problem in cases:
            with self.subTest(problem):
                folder = self.copy_of("zh-HK")
                line = self.with_square(folder, 5, text)
                self.assertEqual(self.problems(folder), [f"board.txt line {line}: {problem}"])

    def test_each_question_has_three_choices_and_one_right_answer(self):
        cases = [  # (choice index, new text or None to delete, problem, named on the choice's line)
            (0, None, "question 1 has 2 choices; it needs exactly 3", False),
            (1, "- 供應心臟的冠狀動脈", "question 1 has 0 choices marked with *; mark exactly one", False),
            (0, "* 腦部的血管", "question 1 has 2 choices marked with *; mark exactly one", False),
            (2, "腿部的靜脈", 'a choice must start with "-" (wrong) or "*" (right)', True),
        ]
        for index, text, problem, on_choice in cases:
            with self.subTest(problem):
                folder, question = self.first_question("zh-HK")
                self.assertEqual(question.answer, 1)
                self.with_line(sources.quiz_source(folder), question.choice_lines[index], text)
                line = question.choice_lines[index] if on_choice else question.line
                self.assertEqual(self.problems(folder), [f"quiz.txt line {line}: {problem}"])

    def test_each_explanation_has_its_question_number_and_the_page_it_comes_from(self):
        long_text = "心" * 71
        cases = [  # (explanation, new line or None to delete, problem reported on line of)
            (2, "3 | 吸煙有害。 | https://www.nhs.uk/conditions/angina/", 'question number "3" should be 2', 2),
            (1, "1 | 冠狀動脈收窄。 | https://www.chp.gov.hk/", '"https://www.chp.gov.hk/" is not the https '
                'address of the page that states the fact', 1),
            (1, "1 | 冠狀動脈收窄。 | http://www.chp.gov.hk/tc/a.html", '"http://www.chp.gov.hk/tc/a.html" is not '
                'the https address of the page that states the fact', 1),
            (1, f"1 | {long_text} | https://www.nhs.uk/conditions/angina/",
             "the explanation has 71 characters; at most 70 fit", 1),
            (1, "1 |  | https://www.nhs.uk/conditions/angina/", "question 1 has no explanation", 1),
            (1, "1 冠狀動脈收窄。", 'expected "question number | explanation | source address"', 1),
            (30, None, "29 explanations for 30 questions", 29),
        ]
        for index, text, problem, reported in cases:
            with self.subTest(problem):
                folder = self.copy_of("zh-HK")
                path = sources.why_source(folder)
                lines = [n for n, t in sources.content_lines(path) if t.strip()]
                self.with_line(path, lines[index - 1], text)
                line = lines[reported - 1]
                with self.assertRaises(sources.ContentError) as raised:
                    sources.parse_why(path, 30)
                self.assertEqual(str(raised.exception), f"why.txt line {line}: {problem}")

    def test_file_that_is_not_utf8_is_reported(self):
        folder = self.copy_of("zh-HK")
        sources.quiz_source(folder).write_bytes("冠心病\n".encode("big5"))
        self.assertEqual(self.problems(folder), ["quiz.txt line 1: is not UTF-8 text; save the file as UTF-8"])

    def test_characters_missing_from_big5_are_named_in_chinese_sets_only(self):
        for lang, expected in (("zh-HK", "这 cannot be written in Big5; use another character"), ("en", None)):
            with self.subTest(lang):
                folder, question = self.first_question(lang)
                self.with_line(sources.quiz_source(folder), question.choice_lines[2], "- 这")
                lines = render.render(folder, "gm1_data")
                if expected is None:
                    render.encode(folder, "gm1_data", lines)
                    continue
                with self.assertRaises(sources.ContentError) as raised:
                    render.encode(folder, "gm1_data", lines)
                self.assertEqual(str(raised.exception), f"gm1_data.txt line 4: {expected}")


class ShippedSets(unittest.TestCase):
    """What the three sets must have in common, and what must differ between regions."""

    @classmethod
    def setUpClass(cls):
        folders = {lang: sources.set_folder(lang) for lang in sources.LANGUAGES}
        cls.boards = {lang: sources.parse_board(sources.board_source(f)) for lang, f in folders.items()}
        cls.quizzes = {lang: sources.parse_quiz(sources.quiz_source(f)) for lang, f in folders.items()}

    def test_the_game_finds_every_shipped_set_fine_without_warnings(self):
        for lang in sources.LANGUAGES:
            with self.subTest(lang):
                run = subprocess.run([GAME, "--check-content", "--data-dir", str(SHIPPED / lang)],
                                     capture_output=True, text=True)
                self.assertEqual((run.returncode, run.stdout.splitlines()[0]),
                                 (0, f"The board and quiz files in {SHIPPED / lang} are fine."))

    def test_squares_have_the_same_kinds_and_values_in_every_set(self):
        # The balance was tuned once; a different board in one language would play differently.
        values = {lang: [square.value for square in board] for lang, board in self.boards.items()}
        for lang in sources.LANGUAGES:
            with self.subTest(lang):
                self.assertEqual(values[lang], values["zh-HK"])

    def test_every_question_has_three_distinct_choices(self):
        for lang, quiz in self.quizzes.items():
            for number, question in enumerate(quiz, start=1):
                with self.subTest(lang=lang, question=number):
                    self.assertEqual(len({c.casefold() for c in question.choices}), 3, question.choices)

    def test_right_answers_are_spread_evenly_over_the_three_buttons(self):
        for lang, quiz in self.quizzes.items():
            with self.subTest(lang):
                self.assertEqual(Counter(q.answer for q in quiz), {0: 10, 1: 10, 2: 10})

    def test_no_answer_length_gives_the_right_answer_away(self):
        # A pupil who always picks the longest answer (or the middle one, or the shortest),
        # choosing at random among equals, must not do much better than chance (one in three).
        for lang, quiz in self.quizzes.items():
            for rank, strategy in enumerate(("longest", "middle", "shortest")):
                with self.subTest(lang=lang, picks=strategy):
                    score = 0.0
                    for question in quiz:
                        lengths = [len(choice) for choice in question.choices]
                        length = sorted(lengths, reverse=True)[rank]
                        picked = [i for i, n in enumerate(lengths) if n == length]
                        score += (question.answer in picked) / len(picked)
                    self.assertLessEqual(score / len(quiz), 0.38)

    def test_every_set_asks_about_e_cigarettes_and_heated_tobacco(self):
        words = {"zh-HK": ("電子煙", "加熱煙"), "zh-TW": ("電子煙", "加熱菸"), "en": ("E-cigarettes", "heated tobacco")}
        for lang, quiz in self.quizzes.items():
            with self.subTest(lang):
                self.assertTrue(any(all(w in q.text for w in words[lang]) for q in quiz))

    def test_each_region_is_taught_its_own_emergency_number(self):
        # (set, numbers it must name, numbers it must never name), read from the shipped files.
        cases = [("zh-HK", {"999"}, {"119", "911", "112"}), ("zh-TW", {"119"}, {"999", "911", "112"}),
                 ("en", set(), {"999", "119"})]
        for lang, named, never in cases:
            with self.subTest(lang):
                text = "".join(decode((SHIPPED / lang / f"{n}.txt").read_bytes(), lang) for n in OUTPUTS)
                numbers = set(re.findall(r"\d+", text))
                self.assertEqual(named - numbers, set())
                self.assertEqual(never & numbers, set())

    def test_english_leaves_the_emergency_number_to_the_region(self):
        right = [q.choices[q.answer] for q in self.quizzes["en"]]
        self.assertTrue(any("local emergency number" in choice for choice in right))


class Rendering(unittest.TestCase):
    def test_each_question_becomes_six_lines_with_answer_index(self):
        question = sources.Question("問題", ["甲", "乙", "丙"], 2, 1, [2, 3, 4])
        self.assertEqual(render.quiz_lines([question] * 2), ["問題", "甲", "乙", "丙", "2", "-----"] * 2)


class Build(unittest.TestCase):
    """Runs build.sh on a copy of the tools folder, so that the real data files stay untouched."""

    def setUp(self):
        self.scratch = Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.scratch)
        self.tools = self.scratch / "tools" / "content"
        shutil.copytree(HERE, self.tools, ignore=shutil.ignore_patterns("__pycache__"))
        self.data = self.scratch / "data"

    def build(self, *args):
        return subprocess.run([str(self.tools / "build.sh"), *map(str, args)], capture_output=True, text=True,
                              env={**os.environ, "TAVRIN": GAME})

    def outputs(self):
        return {str(p.relative_to(self.data)): p.read_bytes() for p in sorted(self.data.rglob("*")) if p.is_file()}

    def test_every_set_builds_from_its_sources_in_its_encoding(self):
        run = self.build()
        self.assertEqual(run.returncode, 0, run.stderr)
        expected = sorted(f"{lang}/{n}.txt" for lang in sources.LANGUAGES for n in OUTPUTS)
        self.assertEqual(sorted(self.outputs()), expected)
        for lang in sources.LANGUAGES:
            for name, count in OUTPUTS.items():
                with self.subTest(lang=lang, file=name):
                    data = (self.data / lang / f"{name}.txt").read_bytes()
                    self.assertTrue(data.endswith(b"\r\n"))
                    self.assertEqual((data.count(b"\r\n"), data.count(b"\n")), (count, count))
                    self.assertFalse(data.startswith(b"\xef\xbb\xbf"))
                    lines = decode(data, lang).split("\r\n")[:-1]
                    self.assertEqual(lines, render.render(self.tools / lang, name))
            self.assertEqual((self.data / lang / "mapdata.txt").read_bytes().split(b"\r\n")[2], b"-300")

    def test_shipped_files_are_the_build_of_the_sources(self):
        self.build()
        for lang in sources.LANGUAGES:
            for name in OUTPUTS:
                with self.subTest(lang=lang, file=name):
                    self.assertEqual((self.data / lang / f"{name}.txt").read_bytes(),
                                     (SHIPPED / lang / f"{name}.txt").read_bytes(),
                                     f"data/{lang}/{name}.txt is out of date: run tools/content/build.sh")

    def test_one_set_builds_alone_into_the_folder_given(self):
        elsewhere = self.scratch / "try"
        self.assertEqual(self.build("en", elsewhere).returncode, 0)
        self.assertEqual(sorted(p.name for p in elsewhere.iterdir()), sorted(f"{n}.txt" for n in OUTPUTS))
        self.assertFalse(self.data.exists())
        self.assertEqual(self.build("zh-TW").returncode, 0)
        self.assertEqual(sorted(self.outputs()), sorted(f"zh-TW/{n}.txt" for n in OUTPUTS))

    def test_a_problem_in_one_set_leaves_every_previous_output_alone(self):
        self.assertEqual(self.build().returncode, 0)
        before = self.outputs()
        quiz = self.tools / "zh-TW" / "quiz.txt"
        quiz.write_text(quiz.read_text(encoding="utf-8").replace("靜脈", "静脈", 1), encoding="utf-8")
        run = self.build()
        self.assertNotEqual(run.returncode, 0)
        self.assertIn("静 cannot be written in Big5", run.stderr)
        self.assertIn("zh-TW: nothing was built", run.stderr)
        self.assertEqual(self.outputs(), before)

    def test_what_the_game_finds_stops_the_build(self):
        self.assertEqual(self.build().returncode, 0)
        before = self.outputs()
        board = self.tools / "en" / "board.txt"
        board.write_text(board.read_text(encoding="utf-8").replace("+100 points", "+150 points", 1),
                         encoding="utf-8")
        run = self.build()
        self.assertEqual(run.returncode, 1)
        self.assertIn("warning: mapmsg.txt line 1: square 0 adds 100 points but its message does not say \"+100 points\"",
                      run.stderr)
        self.assertIn("build.sh: en: 1 problem(s) found; nothing was built", run.stderr)
        self.assertEqual(self.outputs(), before)

    def test_unknown_set_or_extra_argument_is_refused(self):
        for args in (("fr",), ("en", self.scratch / "a", "b")):
            with self.subTest(args=args):
                run = self.build(*args)
                self.assertEqual(run.returncode, 2)
                self.assertIn("usage: build.sh", run.stderr)
        self.assertFalse(self.data.exists())


if __name__ == "__main__":
    unittest.main()
