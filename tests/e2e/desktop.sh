#!/usr/bin/env bash
# Plays the real program on a virtual X display with a window manager: presses the setup
# screen's start and the cup and checks that the picture changes; closes the window through the
# window manager and checks that the settings were saved; then presses Quit while a slow throw
# is running and checks that it is handled once the throw is over, with no further input, and
# that a close asked for during one ends the program at once; then, on one game: a message box
# raised by a double click keeps the keyboard, a row's tooltip tells its points, and Ctrl+Z
# brings returned dice back; keys and presses made
# while the computer plays are dropped; SIGTERM, SIGINT and SIGHUP each close the game with its
# settings written. With only damaged music pieces (one cut short, one a bare header), each
# is told once and the program then idles instead of starting them again and again. Last, the
# window reopens where it was moved and at the size it was given (closed by Ctrl+Q, by SIGTERM,
# by the close box, maximised), never a frame further at each start, and a kept place off the
# screen opens at the top-left corner.
# usage: desktop.sh PROGRAM GAME_DIR
set -euo pipefail
program=$(realpath "$1")
gamedir=$(realpath "$2")

if [ -z "${OSSARIC_E2E_DISPLAY:-}" ]; then
  for tool in xvfb-run xdotool wmctrl openbox import compare xwininfo xprop; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
      exit 77
    fi
  done
  OSSARIC_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM  # the real X display, not the test suites' offscreen one
export SDL_AUDIODRIVER=dummy
work=$(mktemp -d /tmp/ossaric-e2e-XXXXXX)
export XDG_DATA_HOME=$work/data
mkdir -p "$work/game"
cp -r "$gamedir/." "$work/game/"
rm -f "$work/game/bexil.ini" "$work/game/ossaric.conf"
# shellcheck source=x_session.sh
source "$(dirname "$(realpath "$0")")/x_session.sh"

start_game() {
  (cd "$work/game" && exec "$program") >"$work/program.log" 2>&1 &
  pid=$!
  find_window || fail "no window titled Ossaric appeared"
  sleep 1
  local height
  height=$(xwininfo -id "$wid" | awk '/Height:/ {print $2}')
  menu=$((height - 434))
  [ "$menu" -gt 0 ] || fail "window height $height leaves no room for the menu bar"
}
# The window's client area on the screen, "x,y wxh", and its maximised state.
place() {
  xwininfo -id "$wid" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print x "," y " " w "x" h}'
}
maximised() { xprop -id "$wid" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_HORZ; }
# A press at scene coordinates.
press() { xdotool mousemove --window "$wid" "$1" $(($2 + menu)) click 1; }
shot() { import -window "$wid" "$work/$1.png"; }
differs() {
  local n
  n=$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true)
  [ "${n%% *}" != "0" ]
}
# Takes picture $2 until it differs from picture $1 (at most about five seconds).
changes() {
  for _ in $(seq 10); do
    sleep 0.5
    shot "$2"
    differs "$1" "$2" && return 0
  done
  return 1
}

# 1. Start, throw, close through the window manager.
start_game
fresh=$(place)
shot opening
press 446 398
changes opening started || fail "the press on the setup screen's start changed nothing"
sleep 0.5
shot started
press 60 330
changes started thrown || fail "the press on the cup changed nothing"
sleep 2
wmctrl -i -c "$wid"
wait_exit 50 || fail "the window manager's close request did not end the program"
[ -f "$work/game/bexil.ini" ] || fail "bexil.ini was not written on close"
echo "ok: start, throw, close box; bexil.ini written"

# 2. Quit pressed during a slow throw is handled when the throw ends, without further input.
rm -f "$work/game/bexil.ini"
start_game
press 446 398
sleep 0.5
xdotool key --window "$wid" --delay 5 $(printf 'minus %.0s' $(seq 40))
press 60 330
sleep 0.4
xdotool mousemove --window "$wid" 335 $((menu / 2)) click 1
kill -0 "$pid" 2>/dev/null || fail "Quit was handled while the throw was still running"
wait_exit 100 || fail "Quit pressed during a throw was never handled"
[ -f "$work/game/bexil.ini" ] || fail "bexil.ini was not written on Quit"
echo "ok: Quit pressed during a throw handled after it"

# 3. A close request during a slow throw cuts the throw short and closes at once.
rm -f "$work/game/bexil.ini"
start_game
press 446 398
sleep 0.5
xdotool key --window "$wid" --delay 5 $(printf 'minus %.0s' $(seq 40))
press 60 330
sleep 0.4
wmctrl -i -c "$wid"
wait_exit 5 || fail "a close request during a throw did not end the program within 1 s"
[ -f "$work/game/bexil.ini" ] || fail "bexil.ini was not written on the close"
echo "ok: close request during a throw ended the program at once"

# 4. One game: a double click on the empty cup raises one box, which still takes Enter; hovering
# a row shows its points; Ctrl+Z after returning the dice puts them back.
rm -f "$work/game/bexil.ini"
start_game
press 446 398
sleep 0.5
press 60 330
sleep 2.5
shot thrown
xdotool mousemove --window "$wid" 60 $((330 + menu)) click --repeat 2 --delay 60 1
sleep 1
[ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" -ge 2 ] || fail "no message box for the empty cup"
xdotool key Return
sleep 0.7
[ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" -eq 1 ] ||
  fail "Enter did not answer the box: it lost the keyboard to the double click's second press"
xdotool mousemove --window "$wid" 400 $((75 + 24 * 11 + 8 + menu))
tip=""
for _ in $(seq 20); do
  sleep 0.25
  tip=$(xdotool search --onlyvisible --name '^Choice: [0-9]+$' 2>/dev/null | head -1 || true)
  [ -n "$tip" ] && break
done
[ -n "$tip" ] || fail "no points tooltip over the Choice row"
echo "ok: box keeps the keyboard; tooltip \"$(xdotool getwindowname "$tip")\""
# Every place of the table is pressed: each die on it goes back into the cup.
for place in "25 25" "80 21" "155 29" "220 17" "30 90" "95 76" "150 89" "210 87" "20 150" \
  "80 146" "145 164" "200 147" "20 224" "95 206" "155 224" "230 207" "155 285" "210 301" \
  "150 344" "225 360"; do
  set -- $place
  press $(($1 + 25)) $(($2 + 25))
done
sleep 6
shot returned
differs thrown returned || fail "pressing the dice returned none"
xdotool key ctrl+z
sleep 1
shot undone
n=$(compare -metric AE -fuzz 2% "$work/thrown.png" "$work/undone.png" null: 2>&1 || true)
[ "${n%% *}" -lt 200 ] 2>/dev/null || fail "Ctrl+Z did not bring the dice back ($n pixels differ)"
echo "ok: Ctrl+Z after returning the dice"
kill -0 "$pid" 2>/dev/null || { cat "$work/program.log"; fail "the program ended after Ctrl+Z"; }

xdotool key ctrl+q
wait_exit 50 || fail "Ctrl+Q did not end the program"

# 5. Against the computer: keys and presses made during its turn change nothing after it.
rm -f "$work/game/bexil.ini"
start_game
press 500 232
press 446 398
sleep 0.5
press 60 330
sleep 2.5
press 400 $((75 + 24 * 11 + 8))
sleep 1
press 60 330
sleep 1
xdotool key --window "$wid" --delay 5 $(printf 'minus %.0s' $(seq 40))
press 400 $((75 + 24 * 5 + 8))
press 60 330
sleep 12
shot after_computer
sleep 2
shot later
differs after_computer later && fail "input made during the computer's turn acted after it"
xdotool key ctrl+q
wait_exit 50 || fail "Ctrl+Q did not end the program"
pause=$(od -An -tu2 -j50 -N2 "$work/game/bexil.ini" | tr -d ' ')
[ "$pause" = 25 ] || fail "keys typed during the computer's turn changed the pause to $pause"
echo "ok: input during the computer's turn dropped"

# 6. A signal (a logout, `kill`, Ctrl+C in a terminal) closes the game as the close box does:
# the speed changed before it is in bexil.ini.
for signal in TERM INT HUP; do
  rm -f "$work/game/bexil.ini"
  start_game
  xdotool key --window "$wid" --delay 20 minus minus minus
  sleep 0.5
  kill -s "$signal" "$pid"
  wait_exit 50 || fail "SIG$signal did not end the program"
  [ -f "$work/game/bexil.ini" ] || fail "bexil.ini was not written on SIG$signal"
  pause=$(od -An -tu2 -j50 -N2 "$work/game/bexil.ini" | tr -d ' ')
  [ "$pause" = 40 ] || fail "after three slower keys and SIG$signal, bexil.ini holds the pause $pause, not 40"
done
echo "ok: SIGTERM, SIGINT and SIGHUP close the game with the changed speed saved"

# 7. Damaged music only: told once, then the program idles (it kept a core busy before).
rm -f "$work/game/bexil.ini" "$work/game"/*.mid
head -c 300 "$gamedir/canon.mid" >"$work/game/cut.mid"
printf 'MThd\0\0\0\6\0\0\0\1\0\140' >"$work/game/header.mid"
start_game
cpu_ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
# Processor time over five seconds, in tenths of a per cent of a core.
idle_cpu() {
  local a b
  a=$(cpu_ticks)
  sleep 5
  b=$(cpu_ticks)
  echo $(((b - a) * 1000 / $(getconf CLK_TCK) / 5))
}
boxes=0
for _ in $(seq 4); do
  box=""
  for _ in $(seq 15); do
    box=$(xdotool search --onlyvisible --name '^MCI Error$' 2>/dev/null | head -1 || true)
    [ -n "$box" ] && break
    sleep 0.2
  done
  [ -n "$box" ] || break
  boxes=$((boxes + 1))
  [ "$boxes" -eq 1 ] && with_box=$(idle_cpu)
  xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
  sleep 0.5
done
[ "$boxes" -ge 1 ] && [ "$boxes" -le 2 ] || fail "$boxes boxes for two damaged pieces (one for each at most)"
sleep 1
after=$(idle_cpu)
[ "$with_box" -lt 50 ] || fail "with a damaged piece told, the program used $((with_box / 10)).$((with_box % 10)) % of a core"
[ "$after" -lt 50 ] || fail "after the damaged pieces, the program used $((after / 10)).$((after % 10)) % of a core"
echo "ok: damaged pieces told in $boxes box(es); idle at $((with_box / 10)).$((with_box % 10)) % of a core with the box up, $((after / 10)).$((after % 10)) % after"
xdotool windowactivate --sync "$wid" 2>/dev/null || true
xdotool key ctrl+q
wait_exit 50 || fail "Ctrl+Q did not end the program"

# 8. The window reopens where it was closed, at its size; a place off the screen is not kept.
rm -f "$work/game/bexil.ini" "$work/game"/*.mid
start_game
[ "$(place)" = "$fresh" ] || fail "the window reopened at $(place), not where it opened first ($fresh)"
xdotool windowmove "$wid" 230 140
xdotool windowsize "$wid" 760 560
sleep 1
moved=$(place)
[ "$moved" != "$fresh" ] || fail "the window did not move"
xdotool key ctrl+q
wait_exit 50 || fail "Ctrl+Q did not end the program"
start_game
[ "$(place)" = "$moved" ] || fail "moved to $moved and closed by Ctrl+Q, the window reopened at $(place)"
xdotool windowmove "$wid" 310 90
sleep 1
moved=$(place)
kill -s TERM "$pid"
wait_exit 50 || fail "SIGTERM did not end the program"
for round in 1 2 3; do
  start_game
  [ "$(place)" = "$moved" ] || fail "start $round after SIGTERM at $moved: the window opened at $(place)"
  wmctrl -i -c "$wid"
  wait_exit 50 || fail "the close box did not end the program"
done
start_game
wmctrl -i -r "$wid" -b add,maximized_vert,maximized_horz
sleep 1
maximised || fail "the window manager did not maximise the window"
wmctrl -i -c "$wid"
wait_exit 50 || fail "the close box did not end the program"
start_game
maximised || fail "closed maximised, the window reopened as $(place), not maximised"
wmctrl -i -r "$wid" -b remove,maximized_vert,maximized_horz
sleep 1
[ "$(place)" = "$moved" ] || fail "restored from maximised, the window is at $(place), not $moved"
wmctrl -i -c "$wid"
wait_exit 50 || fail "the close box did not end the program"
sed -i 's/^x=.*/x=5000/' "$work/game/ossaric.conf"
start_game
[ "$(place)" = "$fresh" ] || fail "kept off the screen, the window opened at $(place), not at $fresh"
xdotool key ctrl+q
wait_exit 50 || fail "Ctrl+Q did not end the program"
echo "ok: the window reopens where it was closed ($moved), maximised too; a place off the screen opens at $fresh"
