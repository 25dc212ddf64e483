# Replays a game's event log against the board file and prints every disagreement.
# Usage: awk -f check_board_log.awk mapdata.txt events.log   (no output: all agree)
# The board file holds the 38 squares' values, one a line, square 0 first.

function problem(text) {
    printf "line %d (%s): %s\n", FNR, $0, text
    problems++
}

BEGIN {
    squares = 38
    winning = 5000
    throwLimit = 50
    scoreSquareLimit = 33300
    score = 1000
    pos = 0
    trial = 1
}

# The board file, given first.
FNR == NR {
    sub(/\r$/, "")
    if (NR <= squares)
        value[NR - 1] = $0 + 0
    next
}

{
    delete f
    for (i = 2; i <= NF; i++) {
        eq = index($i, "=")
        v = substr($i, eq + 1)
        f[substr($i, 1, eq - 1)] = v ~ /^-?[0-9]+$/ ? v + 0 : v
    }
    if (pendingOpen != "" && $1 != "open") {
        problem("expected 'open game=" pendingOpen "' after the throw")
        pendingOpen = ""
    }
    # A link opened from the end window is no game event.
    if (finished && $1 != "end" && $1 != "exit" && $1 != "link")
        problem("an event after the game ended")
}

$1 == "throw" {
    face = f["face"]
    if (score >= winning)
        problem("a throw with " score " points: the game was won")
    if (face < 1 || face > 6)
        problem("face " face " is not 1 to 6")
    if (f["from"] != pos)
        problem("starts on " f["from"] ", the character stood on " pos)
    to = (pos + face) % squares
    if (f["to"] != to)
        problem("ends on " f["to"] ", " pos " + " face " is " to)
    if (f["trial"] != trial + 1)
        problem("counted as trial " f["trial"] ", expected " trial + 1)
    if (f["value"] != value[to])
        problem("value " f["value"] ", square " to " holds " value[to])
    expected = value[to] < scoreSquareLimit ? score + value[to] : score
    if (f["score"] != expected)
        problem("score " f["score"] ", expected " expected)
    pendingOpen = value[to] == 33301 ? "quiz" : value[to] == 33302 ? "target" : ""
    pos = to
    trial = f["trial"]
    score = f["score"]
    next
}

$1 == "open" {
    if (f["game"] != pendingOpen)
        problem("no " f["game"] " square was reached")
    pendingOpen = ""
    next
}

$1 == "refused" {
    if (f["face"] < 1 || f["face"] > 6)
        problem("face " f["face"] " is not 1 to 6")
    next
}

# A mini-game's bonus is added to the score.
$1 == "bonus" {
    if (f["score"] != score + f["points"])
        problem("bonus " f["points"] " on " score " gives " f["score"])
    score = f["score"]
    next
}

# New game from the menu: the next throw starts again from the first square.
$1 == "new" {
    score = 1000
    pos = 0
    trial = 1
    next
}

$1 == "win" {
    if (score < winning)
        problem("a win with " score " points")
    if (f["score"] != score)
        problem("win score " f["score"] ", expected " score)
    finished = "win"
    next
}

$1 == "limit" {
    if (score >= winning)
        problem("the limit with " score " points: the game was won")
    if (f["trial"] != trial + 1 || f["trial"] <= throwLimit)
        problem("the limit at trial " f["trial"] " after trial " trial)
    finished = "limit"
    next
}

$1 == "end" {
    if (!finished)
        problem("the end window without a win or the throw limit")
    if (f["score"] != score)
        problem("end score " f["score"] ", expected " score)
    ended = 1
    next
}

{ last = $1 }
$1 == "exit" { exited = 1 }

END {
    if (!ended)
        print "the log has no 'end' line"
    if (!exited || last != "exit")
        print "the log does not end with 'exit'"
}
