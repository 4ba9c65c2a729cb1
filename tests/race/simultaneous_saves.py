#!/usr/bin/env python3
"""Two games end at the same moment and save the Top Ten they share: no entry may be lost.

Each round two scenario runners (separate processes, one data directory) are led to the last row
of a one-player game, then both are sent the press that ends it at once; both save. The table is
emptied before each round, so both entries must be in it afterwards. Without the lock around the
save's read, merge and rename the later rename wins and about a third of the entries are lost.

usage: simultaneous_saves.py OSSARIC_SCRIPT [--rounds N]
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile


def lead(name):
    """The script up to the last row: a fresh start, eleven rows written, one throw made."""
    lines = ["set AnimDelay 0", "set PlayerName[1] %s" % name, "set PlayerCount 1",
             "click 400 398"]
    lines += ["set Sheet[1].Entry[%d] 0" % k for k in range(1, 12)]
    lines += ["set Sheet[1].Total 100", "faces 6 6 6 6 6", "click 60 300", "state"]
    return "".join(line + "\n" for line in lines)


def wait_for_state(runner):
    for line in runner.stdout:
        if '"event":"state"' in line:
            return
    raise SystemExit("a runner ended before the last row")


def names_in(table):
    data = open(table, "rb").read()
    return [data[11 * k:11 * k + 9].split(b"\0")[0].decode("latin-1") for k in range(1, 11)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("runner")
    parser.add_argument("--rounds", type=int, default=20)
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix="ossaric-saves-")
    env = dict(os.environ, XDG_DATA_HOME=os.path.join(work, "data"),
               QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy")
    env.setdefault("XDG_RUNTIME_DIR", work)
    table = os.path.join(work, "data", "ossaric", "tolmerix.dat")
    lost = []
    try:
        for r in range(args.rounds):
            if os.path.exists(table):
                os.remove(table)
            names = ["A%d" % r, "B%d" % r]
            runners = []
            for name in names:
                cwd = os.path.join(work, name)
                os.makedirs(cwd)
                runners.append(subprocess.Popen([args.runner], cwd=cwd, env=env, text=True,
                                                stdin=subprocess.PIPE, stdout=subprocess.PIPE))
            for runner, name in zip(runners, names):
                runner.stdin.write(lead(name))
                runner.stdin.flush()
            for runner in runners:
                wait_for_state(runner)
            # The press on the last row ("Choice") for both, as close together as can be.
            for runner in runners:
                runner.stdin.write("click 400 347\n")
                runner.stdin.flush()
            for runner in runners:
                runner.stdin.close()
                runner.stdout.read()
                if runner.wait() != 0:
                    raise SystemExit("a runner failed with status %d" % runner.returncode)
            kept = names_in(table)
            lost += [name for name in names if name not in kept]
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%d of %d entries lost in %d rounds%s" % (len(lost), 2 * args.rounds, args.rounds,
                                                    ": " + " ".join(lost) if lost else ""))
    return 1 if lost else 0


if __name__ == "__main__":
    sys.exit(main())
