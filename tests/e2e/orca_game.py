#!/usr/bin/python3
"""Plays a whole game against the computer by keys alone while Orca runs, and checks what Orca
spoke by itself (read from its debug log, line by line): each of the player's throws with five
faces, each of the player's scores, each of the computer's throws and scores as it plays, the
hand-overs, and the winner at the end. No key is ever pressed to ask for anything.

usage: orca_game.py LANG ORCA_LOG TRANSCRIPT

Another screen reader can be added with a reader of its own speech beside `OrcaLog`; the words
of a language are in `WORDS`.
"""
import re
import subprocess
import sys
import time

# What the game says, per language, as regular expressions over one spoken line.
WORDS = {
    "en": {
        "setup": r"New game\. Choose the players",
        "player_throw": r"^Player 1, throw (\d)\. (.+)\. (\d) throws? left",
        "player_score": r"^(.+), (\d+) points? for Player 1\. Total (\d+)",
        "to_computer": r"^Next Player\. Computer's turn",
        "to_player": r"^Next Player\. Player 1's turn",
        "computer_throw": r"^Computer(?: keeps (.+))?, throw (\d)\. (.+)\. (\d) throws? left",
        "computer_score": r"^(.+), (\d+) points? for Computer\. Total (\d+)",
        "winner": r"^Game over\. (?:(.+) wins with (\d+) points?|A tie at (\d+) points?)",
    },
    "de": {
        "setup": r"Neues Spiel\. ",
        "player_throw": r"^(?:Player|Spieler) 1, Wurf (\d)\. (.+)\. Noch (\d) Würfe?",
        "player_score": r"^(.+), (\d+) Punkte? für (?:Player|Spieler) 1\. Summe (\d+)",
        "to_computer": r"^Nächster Spieler\. Computer ist am Zug",
        "to_player": r"^Nächster Spieler\. (?:Player|Spieler) 1 ist am Zug",
        "computer_throw": r"^Computer(?: behält (.+))?, Wurf (\d)\. (.+)\. Noch (\d) Würfe?",
        "computer_score": r"^(.+), (\d+) Punkte? für Computer\. Summe (\d+)",
        "winner": r"^Spielende\. (?:(.+) gewinnt mit (\d+) Punkten?|Unentschieden mit (\d+) Punkten?)",
    },
}

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: voice=\S+)?\{'established")
# Orca's echo of the keys pressed: not the game's words.
KEY_ECHO = re.compile(r"^(space|return|tab|left shift|left control|plus|end|home|r|[1-5]) ?$")


def fail(why, log=None):
    print("FAIL:", why)
    if log is not None:
        print("---- what Orca spoke last:")
        print("\n".join(log.spoken[-40:]))
    sys.exit(1)


class OrcaLog:
    """What Orca spoke, read as its debug log grows."""

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.spoken = []
        self.seen = 0  # lines of `spoken` already matched by `expect`

    def read(self):
        with open(self.path, encoding="utf-8", errors="replace") as f:
            f.seek(self.offset)
            chunk = f.read()
        end = chunk.rfind("\n") + 1
        self.offset += len(chunk[:end].encode("utf-8", errors="replace"))
        for line in chunk[:end].splitlines():
            m = SPOKEN.search(line)
            if m and not KEY_ECHO.match(m.group(1)):
                self.spoken.append(m.group(1).strip())

    def expect(self, pattern, what, seconds=60):
        """Waits for a spoken line matching `pattern` after those matched before; returns it."""
        end = time.time() + seconds
        while time.time() < end:
            self.read()
            for n in range(self.seen, len(self.spoken)):
                m = re.search(pattern, self.spoken[n])
                if m:
                    self.seen = n + 1
                    return m
            time.sleep(0.05)
        fail("Orca did not speak " + what, self)


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
        time.sleep(0.35)


def faces(text, log):
    found = [int(d) for d in re.findall(r"\d", text)]
    if len(found) != 5 or not all(1 <= f <= 6 for f in found):
        fail("a throw was not spoken with five faces: " + text, log)
    return found


def main():
    lang, path, transcript = sys.argv[1], sys.argv[2], sys.argv[3]
    words = WORDS[lang]
    log = OrcaLog(path)
    try:
        log.expect(words["setup"], "the setup screen", 30)
        key(*["plus"] * 8)  # the quickest animation
        # The first Tab shows the focus on the way out, the next goes to the players, End to the
        # computer; back to the way out and through it.
        key("Tab", "Tab", "End", "space", "shift+Tab", "space")
        player_scores, computer_scores, computer_throws = 0, 0, 0
        for turn in range(1, 13):
            key("ctrl+r")
            m = log.expect(words["player_throw"], "the player's throw of turn %d" % turn)
            faces(m.group(2), log)
            # To the sheet, entered at the first row to write: from the cup past the dice on the
            # first turn, later from the row written last past the total, the cup and the dice.
            key(*["Tab"] * (2 if turn == 1 else 4), "Return")
            log.expect(words["player_score"], "the player's score of turn %d" % turn)
            player_scores += 1
            log.expect(words["to_computer"], "the hand-over to the computer")
            key("ctrl+r")
            while True:
                m = log.expect("|".join("(?:%s)" % words[k] for k in
                                        ("computer_throw", "computer_score")),
                               "the computer's play of turn %d" % turn, 90)
                if re.search(words["computer_throw"], m.group(0)):
                    faces(re.search(words["computer_throw"], m.group(0)).group(3), log)
                    computer_throws += 1
                    continue
                computer_scores += 1
                break
            if turn < 12:
                log.expect(words["to_player"], "the hand-over back to the player")
        winner = log.expect(words["winner"], "the end of the game and its winner", 30)
        print("winner:", winner.group(0))
        if (player_scores, computer_scores) != (12, 12) or computer_throws < 12:
            fail("scores %d/%d, computer throws %d" % (player_scores, computer_scores,
                                                        computer_throws), log)
        key("Return")  # the Game Over box
        time.sleep(2)
        log.read()
    finally:
        with open(transcript, "w", encoding="utf-8") as out:
            out.write("\n".join(log.spoken) + "\n")
    print("PASS: %d lines spoken, transcript in %s" % (len(log.spoken), transcript))


if __name__ == "__main__":
    main()
