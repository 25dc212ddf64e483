#!/usr/bin/env python3
"""Tests for the content sources, their checks, the build and the simulation.

Run: python3 tools/content/test_content.py
"""

import random
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import check  # noqa: E402
import render  # noqa: E402
import simulate  # noqa: E402
import sources  # noqa: E402


class SourceFiles(unittest.TestCase):
    """Writes edited copies of the real sources into a scratch folder."""

    def setUp(self):
        self.scratch = Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.scratch)

    def edited(self, source, old, new):
        text = source.read_text(encoding="utf-8")
        self.assertIn(old, text)
        path = self.scratch / source.name
        path.write_text(text.replace(old, new, 1), encoding="utf-8")
        return path

    def problems_for(self, board=sources.BOARD_SOURCE, quiz=sources.QUIZ_SOURCE):
        return check.all_problems(board, quiz)[0]

    def line_of(self, path, text):
        lines = path.read_text(encoding="utf-8").splitlines()
        return next(n for n, line in enumerate(lines, start=1) if text in line)


class ShippedContent(SourceFiles):
    def test_sources_pass_every_check(self):
        problems, warnings = check.all_problems()
        self.assertEqual(problems, [])
        self.assertEqual(warnings, [])


class BoardChecks(SourceFiles):
    def test_message_must_state_the_points_of_its_square(self):
        board = self.edited(sources.BOARD_SOURCE, "| -300   | 吸煙 (smoking) 令血管收窄、變硬！扣300分",
                            "| -200   | 吸煙 (smoking) 令血管收窄、變硬！扣300分")
        line = self.line_of(board, "吸煙 (smoking)")
        self.assertEqual(self.problems_for(board),
                         [f'board.txt line {line}: square 2 effect -200 but the message does not say "扣200分"'])

    def test_plain_square_must_not_promise_points(self):
        board = self.edited(sources.BOARD_SOURCE, "冠狀動脈收窄，心肌得不到足夠血液", "冠狀動脈收窄！扣100分")
        self.assertIn('square 4 message says "扣100分" but the effect is 0', self.problems_for(board)[0])

    def test_mistakes_in_the_layout_name_their_line(self):
        cases = [
            ("5  | -100", "6  | -100", 'square number "6" should be 5'),
            ("5  | -100", "5  | -1OO", 'effect "-1OO" is not a whole number, quiz or target'),
            ("5  | -100   | ", "5  -100   ", 'expected "number | effect | message"'),
            ("5  | -100   | 常吃炸雞薯條，壞膽固醇上升！扣100分", "5  | 33303  | 常吃", "effect 33303 does nothing"),
        ]
        for old, new, problem in cases:
            with self.subTest(problem):
                board = self.edited(sources.BOARD_SOURCE, old, new)
                line = self.line_of(board, new)
                self.assertIn(f"board.txt line {line}: ", self.problems_for(board)[0])
                self.assertIn(problem, self.problems_for(board)[0])

    def test_board_needs_38_squares_and_three_of_each_game(self):
        board = self.edited(sources.BOARD_SOURCE, "37 | -300   | 膽固醇過高，脂肪積聚在血管壁！扣300分\n", "")
        self.assertEqual(self.problems_for(board), ["board.txt: has 37 squares; the board needs exactly 38"])
        board = self.edited(sources.BOARD_SOURCE, "36 | target | 射擊遊戲 (Target)", "36 | 0      | 遊戲 (Target)")
        board = self.edited(board, "28 | target | 射擊遊戲", "28 | 0      | 遊戲")
        self.assertEqual(self.problems_for(board), ["board.txt: has 2 target squares; at least 3 are needed"])


class QuizChecks(SourceFiles):
    def test_each_question_has_three_choices_and_one_right_answer(self):
        cases = [
            ("- 腦部的血管\n* 供應心臟的冠狀動脈", "* 供應心臟的冠狀動脈", "question 1 has 2 choices; it needs exactly 3"),
            ("* 供應心臟的冠狀動脈", "- 供應心臟的冠狀動脈", "question 1 has 0 choices marked with *"),
            ("- 腦部的血管", "* 腦部的血管", "question 1 has 2 choices marked with *"),
        ]
        for old, new, problem in cases:
            with self.subTest(problem):
                quiz = self.edited(sources.QUIZ_SOURCE, old, new)
                line = self.line_of(quiz, "冠心病是哪些血管出了問題？")
                self.assertTrue(self.problems_for(quiz=quiz)[0].startswith(f"quiz.txt line {line}: {problem}"))

    def test_quiz_needs_exactly_30_questions(self):
        quiz = self.edited(sources.QUIZ_SOURCE, "冠心病是哪些血管出了問題？\n- 腦部的血管\n* 供應心臟的冠狀動脈\n- 腿部的靜脈\n", "")
        self.assertEqual(self.problems_for(quiz=quiz), ["quiz.txt: has 29 questions; the quiz needs exactly 30"])

    def test_widths_stop_exactly_at_the_label_limits(self):
        cases = [  # (text, font, limit, fits)
            ("冠" * 28, check.SMALL_FONT, check.MESSAGE_WIDTH, True),
            ("冠" * 28 + "1", check.SMALL_FONT, check.MESSAGE_WIDTH, False),
            ("冠" * 21, check.SMALL_FONT, check.QUESTION_WIDTH, True),
            ("冠" * 22, check.SMALL_FONT, check.QUESTION_WIDTH, False),
            ("1) " + "冠" * 17, check.LARGE_FONT, check.CHOICE_WIDTH, True),
            ("1) " + "冠" * 18, check.LARGE_FONT, check.CHOICE_WIDTH, False),
        ]
        for text, font, limit, fits in cases:
            with self.subTest(text=text, limit=limit):
                self.assertEqual(check.width_problem(text, font, limit) is None, fits)

    def test_too_long_choice_names_question_and_choice(self):
        quiz = self.edited(sources.QUIZ_SOURCE, "- 腿部的靜脈", "- 腿部的靜脈" + "很" * 13)
        line = self.line_of(quiz, "腿部的靜脈")
        self.assertEqual(self.problems_for(quiz=quiz), [f"quiz.txt line {line}: question 1, choice 3 is 255 px wide, "
                                                        "the limit is 253 px (remove about 1 Chinese character(s))"])

    def test_characters_missing_from_big5_are_named(self):
        quiz = self.edited(sources.QUIZ_SOURCE, "- 腿部的靜脈", "- 这是腿部的靜脈")
        line = self.line_of(quiz, "这是")
        self.assertEqual(self.problems_for(quiz=quiz),
                         [f"quiz.txt line {line}: 这 cannot be written in Big5; use another character"])

    def test_file_that_is_not_utf8_is_reported(self):
        quiz = self.scratch / "quiz.txt"
        quiz.write_bytes("冠心病\n".encode("big5"))
        self.assertEqual(self.problems_for(quiz=quiz), ["quiz.txt line 1: is not UTF-8 text; save the file as UTF-8"])


class Rendering(unittest.TestCase):
    def test_each_question_becomes_six_lines_with_answer_index(self):
        question = sources.Question("問題", ["甲", "乙", "丙"], 2, 1, [2, 3, 4])
        self.assertEqual(render.quiz_lines([question] * 2), ["問題", "甲", "乙", "丙", "2", "-----"] * 2)


class Build(unittest.TestCase):
    """Runs build.sh on a copy of this folder so that the real data files stay untouched."""

    def setUp(self):
        self.scratch = Path(tempfile.mkdtemp())
        self.addCleanup(shutil.rmtree, self.scratch)
        self.tools = self.scratch / "content"
        shutil.copytree(HERE, self.tools, ignore=shutil.ignore_patterns("__pycache__"))
        self.out = self.scratch / "data"

    def build(self):
        return subprocess.run([str(self.tools / "build.sh"), str(self.out)], capture_output=True, text=True)

    def test_outputs_are_big5_with_crlf_after_every_line(self):
        self.assertEqual(self.build().returncode, 0)
        for name, count in (("mapdata.txt", 38), ("mapmsg.txt", 38), ("gm1_data.txt", 180)):
            with self.subTest(name):
                data = (self.out / name).read_bytes()
                self.assertTrue(data.endswith(b"\r\n"))
                self.assertEqual(data.count(b"\r\n"), count)
                self.assertEqual(data.count(b"\n"), count)
                decoded = subprocess.run(["iconv", "-f", "BIG5", "-t", "UTF-8"], input=data, capture_output=True)
                self.assertEqual(decoded.returncode, 0)
        self.assertEqual((self.out / "mapdata.txt").read_bytes().split(b"\r\n")[2], b"-300")

    def test_shipped_files_are_the_build_of_the_sources(self):
        self.build()
        shipped = Path(__file__).resolve().parents[2] / "data"
        for name in ("mapdata.txt", "mapmsg.txt", "gm1_data.txt"):
            with self.subTest(name):
                self.assertEqual((self.out / name).read_bytes(), (shipped / name).read_bytes(),
                                 f"data/{name} is out of date: run tools/content/build.sh")

    def test_failed_check_leaves_previous_outputs_alone(self):
        self.assertEqual(self.build().returncode, 0)
        before = {p.name: p.read_bytes() for p in self.out.iterdir()}
        quiz = self.tools / "quiz.txt"
        quiz.write_text(quiz.read_text(encoding="utf-8").replace("腿部的靜脈", "腿部的静脈"), encoding="utf-8")
        run = self.build()
        self.assertNotEqual(run.returncode, 0)
        self.assertIn("静 cannot be written in Big5", run.stderr)
        self.assertEqual({p.name: p.read_bytes() for p in self.out.iterdir()}, before)


class FixedDie:
    """Throws the given faces in turn; everything else in the simulation is random."""

    def __init__(self, faces):
        self.faces, self.rest = list(faces), random.Random(0)

    def randint(self, low, high):
        return self.faces.pop(0) if (low, high) == (1, 6) else self.rest.randint(low, high)

    def random(self):
        return self.rest.random()


class Simulation(unittest.TestCase):
    player = simulate.Player()

    def test_49_moving_throws_and_the_win_test_before_each_throw(self):
        # 1000 + 49 x 82 = 5018 wins on the 50th click; 1000 + 49 x 81 = 4969 does not.
        won = simulate.play([82] * 38, self.player, FixedDie([1] * 49))
        self.assertEqual((won.won, won.throws, won.score), (True, 49, 5018))
        lost = simulate.play([81] * 38, self.player, FixedDie([1] * 49))
        self.assertEqual((lost.won, lost.throws, lost.score), (False, 49, 4969))

    def test_walk_wraps_from_the_last_square_to_the_first(self):
        board = [0] * 38
        board[2] = 4000  # reached only through square 35 and a throw of 5
        outcome = simulate.play(board, self.player, FixedDie([5, 6, 6, 6, 6, 6, 5]))
        self.assertEqual((outcome.won, outcome.throws), (True, 7))

    def test_mini_game_bonuses_follow_the_player_model(self):
        rng = random.Random(3)
        quiz = [self.player.quiz_bonus(rng) for _ in range(2000)]
        self.assertEqual(set(quiz), set(range(-250, 501, 150)))
        self.assertAlmostEqual(sum(quiz) / len(quiz), 5 * (0.6 * 100 - 0.4 * 50), delta=15)
        target = [self.player.target_bonus(rng) for _ in range(2000)]
        self.assertTrue(all(-1800 <= bonus <= 1800 and bonus % 100 == 0 for bonus in target))
        self.assertAlmostEqual(sum(target) / len(target), 15 * (0.75 - 0.25) * 100, delta=30)


if __name__ == "__main__":
    unittest.main()
