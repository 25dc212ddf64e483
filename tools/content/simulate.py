#!/usr/bin/env python3
"""Plays many games on the board in board.txt to see how often 5000 is reached.

The rules follow the game: start on square 0 with 1000 points; each click on
the die first tests for a win (5000 or more), then counts the throw, so
throws 1 to 49 move and the 50th click ends the game. Players are modelled
simply: a quiz is five questions each answered right with a fixed chance
(+100 right, -50 wrong); a target game is a number of clicks in 20 seconds,
each on a cause (+100) with a fixed chance, otherwise on a healthy habit (-100).
"""

import argparse
import random
import statistics
import sys
from dataclasses import dataclass

import sources
from sources import QUIZ_SQUARE, TARGET_SQUARE, POINTS_LIMIT

START_SCORE = 1000
WINNING_SCORE = 5000
THROW_LIMIT = 50
QUIZ_QUESTIONS = 5


@dataclass
class Player:
    quiz_right: float = 0.6
    min_clicks: int = 12
    max_clicks: int = 18
    cause_hit: float = 0.75

    def quiz_bonus(self, rng):
        return sum(100 if rng.random() < self.quiz_right else -50 for _ in range(QUIZ_QUESTIONS))

    def target_bonus(self, rng):
        clicks = rng.randint(self.min_clicks, self.max_clicks)
        return sum(100 if rng.random() < self.cause_hit else -100 for _ in range(clicks))


@dataclass
class Outcome:
    won: bool
    throws: int  # moving throws made
    score: int


def square_effect(value, player, rng):
    if value < POINTS_LIMIT:
        return value
    if value == QUIZ_SQUARE:
        return player.quiz_bonus(rng)
    if value == TARGET_SQUARE:
        return player.target_bonus(rng)
    return 0


def play(board, player, rng):
    score, position, trial = START_SCORE, 0, 1
    while True:
        if score >= WINNING_SCORE:
            return Outcome(True, trial - 1, score)
        trial += 1
        if trial > THROW_LIMIT:
            return Outcome(False, trial - 2, score)
        position = (position + rng.randint(1, 6)) % len(board)
        score += square_effect(board[position], player, rng)


def summary(outcomes):
    games = len(outcomes)
    wins = [o for o in outcomes if o.won]
    rate = len(wins) / games
    margin = 1.96 * (rate * (1 - rate) / games) ** 0.5
    lines = [f"games: {games}", f"win rate: {rate:.1%} (± {margin:.1%})"]
    if wins:
        lines.append(f"throws to win: median {statistics.median(o.throws for o in wins):.0f}")
    lost = [o.score for o in outcomes if not o.won]
    if lost:
        lines.append(f"final score when lost: median {statistics.median(lost):.0f}")
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    # Every set has the same squares and values, so any set's board will do.
    default_board = sources.board_source(sources.set_folder("zh-HK"))
    parser.add_argument("--board", default=default_board, help="board source to try (default: zh-HK/board.txt)")
    parser.add_argument("--games", type=int, default=20000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--quiz-right", type=float, default=Player.quiz_right)
    parser.add_argument("--clicks", type=int, nargs=2, default=(Player.min_clicks, Player.max_clicks))
    parser.add_argument("--cause-hit", type=float, default=Player.cause_hit)
    args = parser.parse_args()
    try:
        board = [square.value for square in sources.parse_board(args.board)]
    except sources.ContentError as error:
        print(f"simulate.py: {error}", file=sys.stderr)
        return 1
    player = Player(args.quiz_right, *args.clicks, args.cause_hit)
    rng = random.Random(args.seed)
    outcomes = [play(board, player, rng) for _ in range(args.games)]
    print("\n".join(summary(outcomes)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
