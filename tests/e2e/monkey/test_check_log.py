#!/usr/bin/env python3
"""The monkey's log checker must catch what it is there to catch: a log written by the rules
passes, and each kind of corruption is reported."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_log import check, read_board  # noqa: E402

BOARD = os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../../data/zh-HK/mapdata.txt")


def played(faces):
    """A log of a game played by the rules with these faces: each quiz answered right five
    times, each target game closed early; then the end window and its exit."""
    values = read_board(BOARD)
    lines, score, square = ["start seed=1"], 1000, 0
    for trial, face in enumerate(faces, 2):
        square = (square + face) % 38
        value = values[square]
        score += value if value < 33300 else 0
        lines.append(f"throw face={face} trial={trial} from={(square - face) % 38} to={square} "
                     f"value={value} score={score}")
        if value == 33301:
            lines.append("open game=quiz")
            for q in range(1, 6):
                lines.append(f"answer question={q} button=1 right=1 gamescore={100 * q}")
            score += 500
            lines.append(f"bonus game=quiz points=500 score={score}")
        elif value == 33302:
            lines += ["open game=target", "hit target=1 gamescore=-100", "close game=target"]
    return lines + [f"end score={score}", "exit"]


class CheckLogTest(unittest.TestCase):
    def problems(self, lines, status=0):
        with tempfile.NamedTemporaryFile("w", suffix=".log", delete=False) as log:
            log.write("\n".join(lines) + "\n")
        try:
            return check(BOARD, log.name, status)[0]
        finally:
            os.unlink(log.name)

    def setUp(self):
        self.game = played([3, 5, 2, 6, 1, 4, 4, 6, 2, 3, 5, 5, 6, 1, 2])
        self.assertIn("open game=quiz", self.game)
        self.assertIn("open game=target", self.game)

    def test_a_game_by_the_rules_passes(self):
        self.assertEqual(self.problems(self.game), [])

    def corrupted(self, change):
        lines = list(self.game)
        change(lines)
        return self.problems(lines)

    def test_a_wrong_score_is_caught(self):
        def change(lines):
            lines[2] = lines[2].rsplit("score=", 1)[0] + "score=1"
        self.assertTrue(any("score" in p for p in self.corrupted(change)))

    def test_a_throw_during_a_quiz_is_caught(self):
        def change(lines):
            at = lines.index("open game=quiz")
            lines.insert(at + 1, lines[at - 1])
        self.assertTrue(any("while the quiz is open" in p for p in self.corrupted(change)))

    def test_a_bonus_after_a_close_is_caught(self):
        def change(lines):
            at = next(i for i, line in enumerate(lines) if line.startswith("bonus "))
            lines.insert(at, "close game=quiz")
        self.assertTrue(any("bonus" in p for p in self.corrupted(change)))

    def test_an_exit_status_the_log_does_not_explain_is_caught(self):
        self.assertTrue(self.problems(self.game, status=1))
        self.assertTrue(self.problems(self.game, status=-11))
        self.assertEqual(self.problems(self.game[:-1] + ["lost window=endWindow"], status=1), [])

    def test_events_after_the_end_are_caught(self):
        self.assertTrue(self.problems(self.game + ["throw face=1"]))

    def test_links_are_followed_at_any_time_but_need_an_address(self):
        link = "link address=https://duckduckgo.com/?kp=1&q=heart opened=1"
        failed = "link address=https://duckduckgo.com/?kp=1&q=angina opened=0"
        at_end = self.game[:-1] + [link, failed]
        self.assertEqual(self.problems([self.game[0], link] + self.game[1:]), [])
        self.assertEqual(self.problems(at_end + self.game[-1:]), [])
        self.assertTrue(self.problems(self.game[:-1] + ["link address= opened=1", self.game[-1]]))

    def test_new_game_starts_over_and_the_review_belongs_to_learning_mode(self):
        throws = [i for i, line in enumerate(self.game) if line.startswith("throw ")]
        restarted = self.game[: throws[3]] + ["new"] + played([3, 5])[1:]
        self.assertEqual(self.problems(restarted), [])
        short = played([2, 2])  # no mini-game on its way
        self.assertFalse(any(line.startswith("open ") for line in short))
        learning = ["start seed=1 mode=learning"] + short[1:-1] + ["review missed=0", "exit"]
        self.assertEqual(self.problems(learning), [])
        self.assertTrue(self.problems(short[:-1] + ["review missed=0", "exit"]))  # classic
        self.assertTrue(self.problems(self.game[:-1] + ["new"]))  # from the end window


if __name__ == "__main__":
    unittest.main()
