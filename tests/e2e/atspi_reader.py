#!/usr/bin/python3
"""Reads the running game as a screen reader does: through the AT-SPI accessibility tree and
its events, from outside the program.

Usage: atspi_reader.py CHECK [ARGS]. Each check waits for what it expects (a window, a name)
and exits non-zero with a message naming what it found instead. The game must run on the same
session bus, started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
"""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

NAME_CHANGED = "object:property-change:accessible-name"
TEXT_INSERTED = "object:text-changed:insert"
# Roles of what a player acts on or reads: each must have a name.
NAMED_ROLES = {"push button", "label", "image", "list", "list item", "status bar", "link", "text"}


def fail(message):
    print(f"atspi_reader: {message}", file=sys.stderr)
    sys.exit(1)


def wait_for(what, find, timeout=10.0):
    """The first non-empty result of find(), polled until timeout."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            found = find()
        except Exception:  # the tree changes under a reader while windows come and go
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            fail(f"no {what} within {timeout} s; the game shows:\n{tree_text()}")
        time.sleep(0.1)


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tavrin":
            return app
    return None


def frames():
    app = game()
    return [f for f in app if f is not None and f.getState().contains(pyatspi.STATE_SHOWING)] if app else []


def frame(name_pattern, timeout=10.0):
    return wait_for(f"window named /{name_pattern}/",
                    lambda: next((f for f in frames() if re.search(name_pattern, f.name)), None),
                    timeout)


def controls(window):
    return [c for c in window if c is not None]


def control(window, role, name_pattern):
    for c in controls(window):
        if c.getRoleName() == role and re.search(name_pattern, c.name):
            return c
    return None


def expect_control(window, role, name_pattern, timeout=5.0):
    return wait_for(f"{role} named /{name_pattern}/ in '{window.name}'",
                    lambda: control(window, role, name_pattern), timeout)


def tree_text():
    lines = []
    for f in frames():
        lines.append(f"  [{f.getRoleName()}] {f.name!r}")
        for c in controls(f):
            lines.append(f"    [{c.getRoleName()}] {c.name!r} ({c.childCount} children)")
    return "\n".join(lines)


def press(obj):
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    fail(f"'{obj.name}' cannot be pressed")


def focused(obj):
    return obj.getState().contains(pyatspi.STATE_FOCUSED)


def expect_all_named(window):
    for c in controls(window):
        if c.getRoleName() in NAMED_ROLES and not c.name.strip():
            fail(f"an unnamed {c.getRoleName()} in '{window.name}':\n{tree_text()}")
        if c.getRoleName() == "filler":
            fail(f"an unnamed filler in '{window.name}':\n{tree_text()}")


def events_during(types, act, done, timeout):
    """The (type, source name, source role) of every event of these types while act() runs,
    until done(events) holds or the timeout passes."""
    seen = []

    def on_event(event):
        try:
            seen.append((event.type, event.source.name, event.source.getRoleName()))
        except Exception:
            return
        if done(seen):
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_event, *types)
    GLib.timeout_add(int(timeout * 1000), lambda: pyatspi.Registry.stop() and False)
    GLib.idle_add(lambda: act() and False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(on_event, *types)
    return seen


def read_lines(path):
    data = open(path, "rb").read()
    try:
        text = data.decode("utf-8-sig")
    except UnicodeDecodeError:
        text = data.decode("cp950")
    return text.split("\r\n")


def last_log_line(path, kind):
    lines = [l for l in open(path, encoding="utf-8").read().splitlines() if l.startswith(kind + " ")]
    return dict(word.split("=", 1) for word in lines[-1].split()[1:]) if lines else None


# --- checks ---------------------------------------------------------------------------------

def check_start():
    start = frame(r"^Start$")
    button = expect_control(start, "push button", r"^START$")
    if not focused(button):
        fail("START does not have the focus")
    expect_control(start, "text", r"^How to Play\?$")
    expect_all_named(start)
    press(button)  # as a reader presses it
    wait_for("board after START", lambda: control(frame("遊戲地圖"), "list", "Squares"))


def check_playing(mapmsg):
    status = frame(r"Status")
    for shield in ("資訊中心(Information Center)", "說明(Help)", "萬維網搜尋(Internet Search)",
                   "離開(Exit)"):
        expect_control(status, "push button", "^" + re.escape(shield) + "$")
    expect_control(status, "status bar", r".")
    expect_control(status, "label", r"^分數 Score 1000$")
    expect_control(status, "label", r"^步數 Throw 1 of 49$")
    die = expect_control(frame(r"Die"), "push button", r"^骰子 Die: [1-6]$")
    if not focused(die):
        fail("the die does not have the focus on the playing screen")
    squares = expect_control(frame(r"遊戲地圖"), "list", r"Squares")
    items = [squares.getChildAtIndex(i) for i in range(squares.childCount)]
    messages = read_lines(mapmsg)[:38]
    names = [i.name for i in items]
    if names != messages:
        fail(f"the squares read {names[:3]}..., the board file says {messages[:3]}...")
    if any(i.getRoleName() != "list item" for i in items):
        fail("a square is not a list item")
    expect_marked(items, 0)
    for f in frames():
        expect_all_named(f)


def expect_marked(items, square):
    marked = [n for n, i in enumerate(items) if i.getState().contains(pyatspi.STATE_SELECTED)]
    if marked != [square]:
        fail(f"squares {marked} are marked, the character stands on {square}")


def check_throw(log):
    """Space throws: the die's face, the message, the score and the throw count are told."""
    die = expect_control(frame(r"Die"), "push button", r"^骰子 Die:")
    turning = events_during([NAME_CHANGED], lambda: None, lambda seen: False, 1.0)
    if any(name.startswith("骰子 Die") for _, name, _ in turning):
        fail(f"the turning die is announced: {turning}")

    def told(seen):
        names = {name for _, name, _ in seen}
        return any(n.startswith("分數 Score") and n != "分數 Score 1000" for n in names) and any(
            n == "步數 Throw 2 of 49" for n in names)

    seen = events_during([NAME_CHANGED, TEXT_INSERTED],
                         lambda: subprocess.run(["xdotool", "key", "space"], check=True),
                         told, 5.0)
    throw = last_log_line(log, "throw")
    if not throw:
        fail("Space played no throw")
    expected = {
        (NAME_CHANGED, f"骰子 Die: {throw['face']}"),
        (NAME_CHANGED, f"分數 Score {throw['score']}"),
        (NAME_CHANGED, f"步數 Throw {throw['trial']} of 49"),
        (TEXT_INSERTED, f"分數 Score {throw['score']}"),
    }
    missing = expected - {(kind, name) for kind, name, _ in seen}
    if missing:
        fail(f"not announced: {sorted(missing)}; events: {seen}")
    # Released after the throw, the die turns again: its name follows silently.
    if not re.match(r"^骰子 Die: [1-6]$", die.name):
        fail(f"the die reads '{die.name}'")
    squares = expect_control(frame(r"遊戲地圖"), "list", r"Squares")
    expect_marked([squares.getChildAtIndex(i) for i in range(38)], int(throw["to"]))
    message = expect_control(frame(r"Status"), "status bar", r".")
    if message.name != squares.getChildAtIndex(int(throw["to"])).name:
        fail(f"the message line reads '{message.name}'")


def check_quiz():
    quiz = frame(r"^Game1  -  冠 心 病 問 答 遊 戲$")
    for answer in ("選擇一(Answer1)", "選擇二(Answer2)", "選擇三(Answer3)"):
        expect_control(quiz, "push button", "^" + re.escape(answer) + "$")
    expect_control(quiz, "label", r"^1\)")  # the choices
    expect_control(quiz, "label", r"^冠 心 病 問 答 遊 戲$")
    score = expect_control(quiz, "label", r"^Score: 0 $")
    expect_all_named(quiz)
    subprocess.run(["xdotool", "key", "2"], check=True)
    wait_for("the quiz's score after answering with 2",
             lambda: re.match(r"^Score: (100|-50)$", score.name))


def check_target():
    target = frame(r"^Game2  -  冠 心 病 射 擊 遊 戲$")
    expect_control(target, "label", r"^Time Left:$")
    expect_control(target, "image", r"^吸 煙$")
    expect_control(target, "image", r"^高 脂 肪 、 高 膽 固 醇$")
    clock = expect_control(target, "label", r"^Time left 00:[0-2][0-9]$")
    first = clock.name
    wait_for("the clock to count down", lambda: clock.name != first and clock.name, 3.0)
    expect_all_named(target)


def check_end():
    end = frame(r"^Bye Bye$")
    next_button = expect_control(end, "push button", r"^NEXT$")
    if not focused(next_button):
        fail("NEXT does not have the focus")
    expect_control(end, "label", r"^多 謝 使 用 Tavrin$")
    if control(end, "link", r"."):
        fail("links below the window are read on the first page")
    press(next_button)
    expect_control(end, "push button", r"^END$")
    # Three links, and the e-mail address first where the game was built with one.
    links = wait_for("the links", lambda: [c for c in controls(end) if c.getRoleName() == "link"]
                     if len([c for c in controls(end) if c.getRoleName() == "link"]) >= 3 else None)
    has_email = links[0].name.startswith("Email: ")
    if len(links) != 3 + has_email or not all(l.name for l in links):
        fail(f"the links read {[l.name for l in links]}")
    expect_all_named(end)


def log_lines(path, kind):
    return [dict(word.split("=", 1) for word in l.split()[1:])
            for l in open(path, encoding="utf-8").read().splitlines() if l.startswith(kind + " ")]


def check_learning_quiz(quiz_file, log):
    """Learning mode: five answers with the first button, each explained in a control the
    reader finds by name, naming the right choice the question file gives; then Enter."""
    lines = read_lines(quiz_file)
    quiz = frame(r"^Game1  -  ")
    before = len(log_lines(log, "feedback"))
    numbers = set()
    for n in range(1, 6):
        subprocess.run(["xdotool", "key", "1"], check=True)
        said = wait_for(f"feedback {n}", lambda: log_lines(log, "feedback")[before + n - 1]
                        if len(log_lines(log, "feedback")) >= before + n else None)
        number, answer = int(said["number"]), int(said["answer"])
        if number in numbers:
            fail(f"question {number} asked twice in one quiz")
        numbers.add(number)
        if answer != int(float(lines[6 * (number - 1) + 4])):
            fail(f"feedback names button {answer} for question {number}, the file another")
        choice = lines[6 * (number - 1) + 1 + answer]
        feedback = expect_control(quiz, "label", r"^解釋 \(Explanation\)$")
        wait_for(f"the feedback naming '{choice}'",
                 lambda: f"{answer + 1}) {choice}" in feedback.description)
        if said["right"] == "0" and "答錯" not in feedback.description:
            fail(f"a wrong answer explained as: {feedback.description}")
        subprocess.run(["xdotool", "key", "Return"], check=True)


def check_review(log):
    end = frame(r"^Bye Bye$")
    press(expect_control(end, "link", r"^回顧"))
    review = frame(r"^回顧 \(Review\)$")
    page = wait_for("the review's page", lambda: next(
        (c for c in controls(review) if c.name == "回顧 (Review)" and c.childCount >= 0
         and c.getRoleName() != "push button"), None))
    said = wait_for("the review in the log", lambda: last_log_line(log, "review"))
    missed = int(said["missed"])
    if missed < 1:
        fail("the review lists no wrong answer after wrong answers")
    text = page.queryText().getText(0, -1)
    if "再讀一次" not in text or "最佳成績" not in text:
        fail(f"the review reads: {text[:200]}")


CHECKS = {"start": check_start, "playing": check_playing, "throw": check_throw,
          "quiz": check_quiz, "target": check_target, "end": check_end,
          "learning-quiz": check_learning_quiz, "review": check_review}

if __name__ == "__main__":
    if len(sys.argv) < 2 or sys.argv[1] not in CHECKS:
        fail(f"usage: {sys.argv[0]} {'|'.join(CHECKS)} [ARGS]")
    CHECKS[sys.argv[1]](*sys.argv[2:])
