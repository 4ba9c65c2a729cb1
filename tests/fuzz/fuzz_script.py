#!/usr/bin/env python3
"""Random scenario fuzzer for ossaric-script.

Each case gets a fresh game directory with a random bexil.ini and a random Top Ten file, and a
random script of runner commands: presses anywhere (off the window too), moves, keys, every menu
command, ticks, music notices, paints, fields set to extreme values, scripted faces and places.
A case fails on a crash, a hang, a sanitizer report, an exit status other than 0, or an output
line that is not one JSON object.

  fuzz_script.py RUNNER [--seed N] [--count N] [--lines N] [--timeout S] [--minimise] [--brief]
                       [--record DIR] [--tamper]

--minimise shortens each failing script to the lines the failure needs; --brief prints one
line per failure (its kind and the place the sanitizer names); --record keeps every case's
output, its dice seeded, so that two builds can be compared with diff -r; --tamper makes every
case one that sets fields to extreme values (a kept game read from disk may bring them).
"""
import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

INT_MIN, INT_MAX = -2**31, 2**31 - 1
EXTREMES = [INT_MIN, INT_MIN + 1, -300, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 20, 21,
            255, 256, 300, 32767, 32768, 65535, INT_MAX - 1, INT_MAX]
PLAIN = ["FirstPaint", "AnimDelay", "SetupShown", "NameEditing", "CaretPhase", "CaretTimerOn",
         "CaretX", "CaretY", "TotalsPlayer", "HintIndex", "EditedName", "MusicOn",
         "NextPlayerPending", "GameActive", "PlayerCount", "CurrentPlayer", "DiceInCup",
         "SelectedDie", "ThrowsMade", "SavedThrows", "ComputerDone", "ComputerBusy", "ThrowLimit",
         "ScoreAllowed", "LastCategory", "SoundOn", "KeyTrailLength", "TotalsShown",
         "TopTenShown", "HintsShown", "UndoScore", "UndoReturn", "MusicRestart"]
COMMANDS = [101, 102, 106, 107, 108, 4, 5, 132, 133, 103, 104, 105, 127, 134, 140, 141, 142, 143]
HOTSPOTS = [(80, 350), (400, 398), (340, 230), (375, 230), (415, 230), (450, 230), (510, 230),
            (390, 288), (500, 288), (390, 316), (500, 316), (440, 367), (375, 387), (510, 387),
            (395, 370), (435, 360), (500, 390)] + [(450, 75 + 24 * k + 8) for k in range(12)]
SLOTS = [(25, 25), (80, 21), (155, 29), (220, 17), (30, 90), (95, 76), (150, 89), (210, 87),
         (20, 150), (80, 146), (145, 164), (200, 147), (20, 224), (95, 206), (155, 224),
         (230, 207), (155, 285), (210, 301), (150, 344), (225, 360)]


def value(rng):
    return rng.choice(EXTREMES) if rng.random() < 0.8 else rng.randint(-1000, 1000)


def field(rng):
    r = rng.random()
    if r < 0.45:
        return rng.choice(PLAIN)
    if r < 0.55:
        return "Die[%d].%s" % (rng.randint(0, 10), rng.choice(
            ["Face", "Slot", "InCup", "Keep", "Work1", "Work2"]))
    if r < 0.65:
        return "TableSlot[%d].%s" % (rng.randint(0, 20), rng.choice(["X", "Y", "Occupied"]))
    if r < 0.8:
        return "Sheet[%d].Entry[%d]" % (rng.randint(0, 4), rng.randint(0, 12))
    if r < 0.85:
        return "Sheet[%d].Total" % rng.randint(0, 4)
    if r < 0.9:
        return "NameCursor[%d]" % rng.randint(0, 4)
    if r < 0.95:
        return "ToThrow[%d]" % rng.randint(0, 10)
    return "NameEnd[%d].%s" % (rng.randint(0, 4), rng.choice("XY"))


def point(rng):
    r = rng.random()
    if r < 0.45:
        x, y = rng.choice(HOTSPOTS)
        return x + rng.randint(-4, 4), y + rng.randint(-4, 4)
    if r < 0.65:
        x, y = rng.choice(SLOTS)
        return x + rng.randint(0, 50), y + rng.randint(0, 50)
    if r < 0.9:
        return rng.randint(-20, 650), rng.randint(-20, 450)
    return rng.choice([INT_MIN, -1, 0, 631, 632, 433, 434, INT_MAX]), rng.choice(
        [INT_MIN, -1, 0, 433, 434, INT_MAX])


def line(rng, tampering):
    r = rng.random()
    if r < 0.35:
        return "click %d %d" % point(rng)
    if r < 0.42:
        return "move %d %d" % point(rng)
    if r < 0.5:
        c = rng.randint(32, 127)
        return "key " + ("space" if c == 32 else "backspace" if c == 127 else chr(c))
    if r < 0.55:
        return "keypress " + rng.choice(["tab", "backtab", "left", "right", "up", "down",
                                         "space", "return", "escape", "ctrl+r"])
    if r < 0.63:
        return "command %d" % rng.choice(COMMANDS)
    if r < 0.68:
        return "tick"
    if r < 0.7:
        return "notify"
    if r < 0.73:
        return "paint"
    if r < 0.76:
        return "state"
    if r < 0.82:
        return "faces " + " ".join(str(rng.randint(1, 6)) for _ in range(rng.randint(1, 12)))
    if r < 0.86:
        return "places " + " ".join(str(rng.randint(1, 20)) for _ in range(rng.randint(1, 12)))
    if r < 0.88:
        return "seed %d" % rng.randint(0, 2**32 - 1)
    if tampering:
        if rng.random() < 0.1:
            return "set PlayerName[%d] %s" % (rng.randint(1, 4), "".join(
                chr(rng.randint(33, 126)) for _ in range(rng.randint(1, 12))))
        return "set %s %d" % (field(rng), value(rng))
    return "state"


def settings_bytes(rng):
    r = rng.random()
    if r < 0.15:
        return None
    if r < 0.5:  # a 52-byte record whose fields are small numbers or extremes
        out = bytearray(rng.getrandbits(8) for _ in range(52))
        for off in range(0, 52, 4):
            if rng.random() < 0.6:
                out[off:off + 4] = (value(rng) & 0xFFFFFFFF).to_bytes(4, "little")
        return bytes(out)
    return bytes(rng.getrandbits(8) for _ in range(rng.randint(0, 100)))


def topten_bytes(rng):
    r = rng.random()
    if r < 0.2:
        return None
    if r < 0.5:
        out = bytearray()
        for _ in range(11):
            out += bytes(rng.choice([0, 65, 255, rng.getrandbits(8)]) for _ in range(9))
            out += (rng.choice([0, 1, -1, 32767, -32768, rng.randint(-40000, 40000)])
                    & 0xFFFF).to_bytes(2, "little")
        return bytes(out[:rng.choice([121, 121, 120, 60, 122, 200])])
    return bytes(rng.getrandbits(8) for _ in range(rng.randint(0, 200)))


def game(rng):
    """Whole games: the cup, dice and score rows pressed in turn, with a few random lines."""
    script = ["set PlayerCount %d" % rng.randint(0, 4), "click 400 398"]
    for _ in range(rng.randint(20, 150)):
        script.append("click 80 350")
        for _ in range(rng.randint(0, 2)):
            x, y = rng.choice(SLOTS)
            script.append("click %d %d" % (x + 25, y + 25))
            script.append("click 80 350")
        script.append("click 450 %d" % (75 + 24 * rng.randint(0, 11) + 8))
        if rng.random() < 0.1:
            script.append(line(rng, rng.random() < 0.3))
        if rng.random() < 0.03:
            script.append("click 435 360")  # Return from the Top Ten
    return script


def tampered_game(rng):
    """A game whose fields are set to extreme values between the presses of every turn."""
    script = ["set PlayerCount %d" % rng.randint(0, 4), "click 400 398"]
    presses = ["click 80 350", "click 80 350", "command 106", "command 103", "command 104",
               "click 450 375", "click 340 375", "click 435 360", "key p", "key +", "key -"]
    for _ in range(rng.randint(10, 80)):
        for _ in range(rng.randint(0, 3)):
            script.append("set %s %d" % (field(rng), value(rng)))
        script.append(rng.choice(presses))
        x, y = rng.choice(SLOTS)
        script.append("click %d %d" % (x + 25, y + 25))
        script.append("click 450 %d" % (75 + 24 * rng.randint(0, 11) + 8))
        if rng.random() < 0.3:
            script.append(line(rng, True))
    return script


def make_case(rng, lines, tamper=False):
    tampering = tamper or rng.random() < 0.7
    kind = rng.random()
    if kind < 0.2 or (tamper and kind < 0.6):
        script = tampered_game(rng)
    elif kind < 0.4:
        script = game(rng)
    else:
        script = [line(rng, tampering) for _ in range(rng.randint(1, lines))]
    if rng.random() < 0.2:
        script.append(rng.choice(["close", "command 126"]))
    return settings_bytes(rng), topten_bytes(rng), script


def run_case(runner, case, timeout, record=None):
    ini, dat, script = case
    work = tempfile.mkdtemp(prefix="ossaric-fuzz-")
    try:
        if ini is not None:
            with open(os.path.join(work, "bexil.ini"), "wb") as f:
                f.write(ini)
        data = os.path.join(work, "data")
        if dat is not None:
            os.makedirs(os.path.join(data, "ossaric"))
            with open(os.path.join(data, "ossaric", "tolmerix.dat"), "wb") as f:
                f.write(dat)
        with open(os.path.join(work, "case.script"), "w") as f:
            f.write("\n".join(script) + "\n")
        env = dict(os.environ, XDG_DATA_HOME=data, QT_QPA_PLATFORM="offscreen",
                   SDL_AUDIODRIVER="dummy")
        env.setdefault("ASAN_OPTIONS", "detect_leaks=0")
        env.setdefault("UBSAN_OPTIONS", "print_stacktrace=1")
        try:
            p = subprocess.run([runner, "case.script"], cwd=work, env=env, capture_output=True,
                               timeout=timeout)
        except subprocess.TimeoutExpired:
            return "hang"
        if record:
            with open(record, "wb") as f:
                f.write(p.stdout)
        err = p.stderr.decode("utf-8", "replace")
        for marker in ("ERROR: AddressSanitizer", "runtime error:", "ERROR: LeakSanitizer"):
            if marker in err:
                return "sanitizer: " + err[err.index(marker):][:3000]
        if p.returncode != 0:
            return "exit status %d\n%s\n%s" % (p.returncode, err[-2000:],
                                              p.stdout.decode("utf-8", "replace")[-1000:])
        try:
            out = p.stdout.decode("utf-8")
        except UnicodeDecodeError as e:
            return "output is not UTF-8: %s" % e
        for n, text in enumerate(out.splitlines(), 1):
            try:
                obj = json.loads(text)
            except ValueError:
                return "bad JSON on output line %d: %r" % (n, text[:300])
            if not isinstance(obj, dict):
                return "output line %d is not an object: %r" % (n, text[:300])
            if obj.get("event") == "error":
                return "runner rejected a line: %r" % text[:300]
        return None
    finally:
        shutil.rmtree(work, ignore_errors=True)


def minimise(runner, case, timeout, failure):
    ini, dat, script = case
    kind = failure.split(":")[0].split("\n")[0]

    def fails(s):
        f = run_case(runner, (ini, dat, s), timeout)
        return f is not None and f.split(":")[0].split("\n")[0] == kind

    chunk = len(script) // 2
    while chunk >= 1:
        k = 0
        while k < len(script):
            trial = script[:k] + script[k + chunk:]
            if trial and fails(trial):
                script = trial
            else:
                k += chunk
        chunk //= 2
    return ini, dat, script


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("runner")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--count", type=int, default=200)
    ap.add_argument("--lines", type=int, default=80)
    ap.add_argument("--timeout", type=float, default=20)
    ap.add_argument("--minimise", action="store_true")
    ap.add_argument("--stop", action="store_true", help="stop at the first failure")
    ap.add_argument("--brief", action="store_true", help="one line per failure: its kind and place")
    ap.add_argument("--record", metavar="DIR",
                    help="each case's runner output into DIR/case-N.jsonl, its dice seeded, to "
                         "compare two builds with diff -r")
    ap.add_argument("--tamper", action="store_true",
                    help="every case sets fields to extreme values between its presses")
    args = ap.parse_args()
    args.runner = os.path.abspath(args.runner)
    failures = 0
    for n in range(args.count):
        rng = random.Random("%d/%d" % (args.seed, n))
        case = make_case(rng, args.lines, args.tamper)
        record = None
        if args.record:
            os.makedirs(args.record, exist_ok=True)
            record = os.path.join(args.record, "case-%d.jsonl" % n)
            case = (case[0], case[1], ["seed %d" % n] + case[2])
        failure = run_case(args.runner, case, args.timeout, record)
        if failure is None:
            continue
        failures += 1
        if args.minimise:
            case = minimise(args.runner, case, args.timeout, failure)
            failure = run_case(args.runner, case, args.timeout) or failure
        if args.brief:
            place = re.search(r"#0 0x[0-9a-f]+ in (.*)", failure)
            print("case %d: %s | %s" % (n, failure.split("\n")[0][:160],
                                        place.group(1)[-120:] if place else ""), flush=True)
            continue
        ini, dat, script = case
        print("case %d (seed %d) FAILED: %s" % (n, args.seed, failure))
        print("  bexil.ini: %s" % (ini.hex() if ini is not None else "absent"))
        print("  tolmerix.dat: %s" % (dat.hex() if dat is not None else "absent"))
        print("  script:\n    " + "\n    ".join(script), flush=True)
        if args.stop:
            break
    print("%d of %d cases failed" % (failures, args.count))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
