#!/usr/bin/env bash
# The real program never freezes on an odd file and always ends on a signal:
# 1. ossaric.conf and its lock ossaric.conf.lock each made a FIFO, a directory, a link to
#    nothing, mode 000, an empty lock left by a kill, a lock another user's running game holds:
#    the window shows within 2 s, choosing each computer in the Game menu answers within 1 s (a
#    choice that cannot be saved is told once, in one box), and Ctrl+Q ends the program.
# 2. A directory in place of the single-instance lock and a file in place of its socket: the
#    game starts, and a second start still only brings it to the front; so it does with callers
#    connected that say nothing, send a megabyte without an end of line or send garbage (the
#    window answering meanwhile), and after a kill -9 of the game the next start takes over the
#    socket left behind and is the one later starts bring to the front.
# 3. SIGTERM while a message box is open, during the computer's turn and during a slow throw,
#    and the window manager's close during the last two: the program is gone within 1 s, with
#    the changed speed saved in bexil.ini.
# usage: no_freeze.sh PROGRAM GAME_DIR
set -euo pipefail
program=$(realpath "$1")
gamedir=$(realpath "$2")

if [ -z "${OSSARIC_E2E_DISPLAY:-}" ]; then
  for tool in xvfb-run xdotool openbox wmctrl xwininfo flock setpriv python3; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
      exit 77
    fi
  done
  OSSARIC_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d /tmp/ossaric-nofreeze-XXXXXX)
chmod 755 "$work"
export XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/run
mkdir -p "$work/game" "$work/run"
chmod 700 "$work/run"
cp -r "$gamedir/." "$work/game/"
rm -f "$work/game/bexil.ini" "$work/game/ossaric.conf"*
holder=""
# shellcheck source=x_session.sh
source "$(dirname "$(realpath "$0")")/x_session.sh"
trap '[ -n "$holder" ] && kill "$holder" 2>/dev/null; cleanup' EXIT

now_ms() { date +%s%3N; }
visible() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }
# Waits up to $2 ms for the program to show $1 windows or more; false when it does not.
wait_windows() {
  local end=$(($(now_ms) + $2))
  while [ "$(now_ms)" -lt "$end" ]; do
    [ "$(visible)" -ge "$1" ] && return 0
    sleep 0.05
  done
  return 1
}
# Waits up to $1 ms for the program to end; false when it still runs.
gone_within() {
  local end=$(($(now_ms) + $1))
  while [ "$(now_ms)" -lt "$end" ]; do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.02
  done
  return 1
}

# Starts the game with its settings in $conf; the window must show within two seconds.
start_timed() {
  local t0
  t0=$(now_ms)
  (cd "$work/game" && exec "$program" --config-dir "$conf") >"$work/program.log" 2>&1 &
  pid=$!
  wid=""
  while [ -z "$wid" ] && [ $(($(now_ms) - t0)) -lt 2000 ]; do
    wid=$(xdotool search --all --onlyvisible --pid "$pid" --name '^Ossaric$' 2>/dev/null | head -1 || true)
    [ -n "$wid" ] || sleep 0.05
  done
  [ -n "$wid" ] || fail "$1: no window within 2 s"
  shown=$(($(now_ms) - t0))
  sleep 0.5
  local height
  height=$(xwininfo -id "$wid" | awk '/Height:/ {print $2}')
  menu=$((height - 434))
}
press() { xdotool mousemove --window "$wid" "$1" $(($2 + menu)) click 1; }

# Chooses a computer through the Game menu (mnemonic $2): the menu opens, the item is taken, and
# within a second the program answers: a box saying why the choice was not saved ("ERROR"), or
# the menu opening again at the next Alt+G. Counts the boxes in `told`.
box_up() { xdotool search --all --onlyvisible --pid "$pid" --name '^ERROR$' >/dev/null 2>&1; }
choose() {
  local what=$1 letter=$2 t0 end
  local tries=0
  # The window may not have the keyboard yet: Alt+G again after a second.
  until [ "$(visible)" -ge 2 ]; do
    tries=$((tries + 1))
    [ "$tries" -le 3 ] || fail "$what: the Game menu did not open"
    xdotool windowactivate --sync "$wid" 2>/dev/null || true
    xdotool key --window "$wid" alt+g
    wait_windows 2 1000 || true
  done
  t0=$(now_ms)
  end=$((t0 + 1000))
  xdotool key "$letter"
  while [ "$(visible)" -ge 2 ] && ! box_up && [ "$(now_ms)" -lt "$end" ]; do sleep 0.02; done
  box_up || xdotool key --window "$wid" alt+g
  local answer=""
  while [ -z "$answer" ] && [ "$(now_ms)" -lt "$end" ]; do
    if box_up; then
      answer=box
    elif [ "$(visible)" -ge 2 ]; then
      # A box may be mapped before its title is read: a moment to tell it from the menu.
      sleep 0.15
      if box_up; then answer=box; else answer=menu; fi
    else
      sleep 0.02
    fi
  done
  case $answer in
    box)
      told=$((told + 1))
      xdotool key Return
      sleep 0.3
      [ "$(visible)" -eq 1 ] || fail "$what: Return did not close the box"
      return
      ;;
    menu)
      xdotool key Escape
      sleep 0.2
      return
      ;;
  esac
  fail "$what: choosing $letter was not answered within 1 s"
}

# 1. Odd choices files and locks.
lock_of_another() {
  printf '%s\n%s\n%s\n' "$$" "$(hostname)" ossaric >"$1"
  chown nobody "$1"
  setpriv --reuid=nobody --regid=nogroup --clear-groups flock "$1" sleep 120 &
  holder=$!
  sleep 0.3
}
make_odd() {
  case $1 in
    fifo) mkfifo "$2" ;;
    directory) mkdir "$2" ;;
    dangling) ln -s "$work/nowhere/at/all" "$2" ;;
    mode000) : >"$2" && chmod 000 "$2" ;;
    killed) : >"$2" ;;  # what a kill between the create and the write leaves
    other) lock_of_another "$2" ;;
  esac
}
other_ok=1
[ "$(id -u)" = 0 ] || other_ok=0
for file in ossaric.conf ossaric.conf.lock; do
  for kind in fifo directory dangling mode000 killed other; do
    [ "$kind" = other ] && [ "$other_ok" = 0 ] && continue
    what="$file as $kind"
    conf=$work/conf-$file-$kind
    mkdir -p "$conf"
    chmod 755 "$conf"
    make_odd "$kind" "$conf/$file"
    told=0
    start_timed "$what"
    shown_ms=$shown
    choose "$what" e
    choose "$what" l
    choose "$what" e
    [ "$told" -le 1 ] || fail "$what: $told boxes for one file that cannot be saved"
    xdotool windowactivate --sync "$wid" 2>/dev/null || true
    xdotool key ctrl+q 2>/dev/null || true
    wait_exit 25 || fail "$what: Ctrl+Q did not end the program"
    if [ -f "$conf/ossaric.conf" ] && [ ! -L "$conf/ossaric.conf" ] && [ "$told" = 0 ]; then
      grep -qx 'Expert=1' "$conf/ossaric.conf" ||
        fail "$what: the last choice is not in ossaric.conf: $(cat "$conf/ossaric.conf")"
    fi
    [ "$told" = 1 ] || [ -f "$conf/ossaric.conf" ] || fail "$what: not saved, and not told"
    if [ -n "$holder" ]; then
      kill "$holder" 2>/dev/null || true
      wait "$holder" 2>/dev/null || true
      holder=""
    fi
    echo "ok: $what: window after $shown_ms ms, each choice answered within 1 s (told $told)"
  done
done

# 2. Single-instance lock and socket taken by what no game made.
conf=$work/conf-instance
mkdir -p "$conf"
hash=$(printf %s "$(realpath "$conf")" | sha1sum | cut -c1-16)
mkdir "$work/run/ossaric-$hash.lock"
: >"$work/run/ossaric-$hash.socket"
socket=$work/run/ossaric-$hash-2.socket
# A second start must end within 5 s, with status 0, and leave the first game running.
second_start() {
  (cd "$work/game" && exec "$program" --config-dir "$conf") >"$work/second.log" 2>&1 &
  local second=$!
  for _ in $(seq 50); do
    kill -0 "$second" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$second" 2>/dev/null; then
    kill "$second"
    fail "$1: a second game runs on the same settings beside the first"
  fi
  wait "$second" || fail "$1: the second start ended with status $?"
  kill -0 "$pid" 2>/dev/null || fail "$1: the first game ended at the second start"
}
start_timed "odd single-instance names"
second_start "odd single-instance names"
[ "$(stat -c %a "$socket")" = 600 ] || fail "the game's socket is open to others: $(stat -c %a "$socket")"
# Callers that are no later start stay connected while the window and a second start are tried.
python3 -c '
import socket, sys, time
def caller():
    s = socket.socket(socket.AF_UNIX)
    s.connect(sys.argv[1])
    return s
silent = [caller() for _ in range(20)]
huge = caller()
try:
    huge.sendall(b"x" * 1000000)
except OSError:
    pass
garbage = caller()
garbage.sendall(b"\xff\x00\t\n\traise\nraise\n")
print("ready", flush=True)
time.sleep(30)
' "$socket" >"$work/callers.log" 2>&1 &
holder=$!
for _ in $(seq 50); do
  grep -q ready "$work/callers.log" && break
  sleep 0.1
done
grep -q ready "$work/callers.log" || fail "the callers could not connect: $(cat "$work/callers.log")"
told=0
choose "with odd callers" e
second_start "with odd callers"
kill "$holder" 2>/dev/null || true
wait "$holder" 2>/dev/null || true
holder=""
[ -d "$work/run/ossaric-$hash.lock" ] && [ -f "$work/run/ossaric-$hash.socket" ] ||
  fail "the odd lock or socket was removed"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
[ -S "$socket" ] || fail "the kill -9 left no socket behind"
start_timed "a start after a kill -9"
second_start "after a kill -9"
xdotool windowactivate --sync "$wid" 2>/dev/null || true
xdotool key ctrl+q 2>/dev/null || true
wait_exit 25 || fail "Ctrl+Q did not end the program"
[ ! -e "$socket" ] || fail "the game left its socket behind at its end"
echo "ok: odd single-instance names, odd callers and a kill -9: one game all the same"

# 3. SIGTERM, and a close from the window manager, in the states that used to hold the end back.
pause_saved() { od -An -tu2 -j50 -N2 "$conf/bexil.ini" | tr -d ' '; }
end_within_a_second() {
  local what=$1 t0
  t0=$(now_ms)
  if [ "$how" = close ]; then wmctrl -i -c "$wid"; else kill -s TERM "$pid"; fi
  gone_within 1000 || fail "$what: still running 1 s after the $how"
  ended_ms=$(($(now_ms) - t0))
  wait "$pid" || fail "$what: the program exited with status $?"
  pid=""
  [ -f "$conf/bexil.ini" ] || fail "$what: bexil.ini was not written"
}
for run in SIGTERM:box SIGTERM:computer SIGTERM:animation close:computer close:animation; do
  how=${run%%:*} state=${run#*:}
  conf=$work/conf-$how-$state
  mkdir -p "$conf"
  start_timed "$how with $state"
  [ "$state" = computer ] && press 500 232
  press 446 398
  sleep 0.5
  case $state in
    box)
      xdotool key --window "$wid" --delay 20 minus minus minus
      xdotool key --window "$wid" ctrl+h
      wait_windows 2 2000 || fail "no box for the hint"
      end_within_a_second "a box open"
      [ "$(pause_saved)" = 40 ] || fail "a box open: the pause $(pause_saved) saved, not 40"
      ;;
    computer)
      press 60 330
      sleep 2.5
      press 400 $((75 + 24 * 11 + 8))
      sleep 1
      xdotool key --window "$wid" --delay 20 minus minus minus
      press 60 330
      sleep 1.5
      end_within_a_second "the computer's turn"
      [ "$(pause_saved)" = 40 ] || fail "the computer's turn: the pause $(pause_saved) saved, not 40"
      ;;
    animation)
      xdotool key --window "$wid" --delay 5 $(printf 'minus %.0s' $(seq 195))
      press 60 330
      sleep 0.5
      end_within_a_second "a throw at 1 s a step"
      [ "$(pause_saved)" = 1000 ] || fail "a slow throw: the pause $(pause_saved) saved, not 1000"
      ;;
  esac
  echo "ok: $how with $state: gone after $ended_ms ms, the speed saved"
done
