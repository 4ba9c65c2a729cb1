#!/usr/bin/env bash
# Plays an installed copy of the game as a new user would: started from / with a fresh home on a
# virtual X display. The window appears with its class, music plays at once, help opens, a second
# start brings the running window to the front and ends with status 0, and the close leaves
# bexil.ini in the settings directory and nothing in the current one. Started again with music
# off, the silence holds until a throw sounds its effects; after a crash the next start is not
# blocked by what the crashed run left. The install and the home both lie under a directory whose
# name is not valid UTF-8 (it holds the byte 0xFF): every file is found and kept there.
# usage: installed_game.sh --build BUILD_DIR   (installs the build into a staging directory)
#        installed_game.sh --program PROGRAM  (an installed program, such as /usr/bin/ossaric)
set -euo pipefail
here=$(realpath "$(dirname "$0")")
case "${1:-}" in
  --build | --program) ;;
  *) echo "usage: $0 --build BUILD_DIR | --program PROGRAM" >&2; exit 2 ;;
esac

if [ -z "${OSSARIC_E2E_DISPLAY:-}" ]; then
  for tool in xvfb-run xdotool wmctrl openbox xwininfo xprop python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"; exit 77; }
  done
  OSSARIC_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d "/tmp/ossaric-installed-$(printf '\377')-XXXXXX")
# The name the work directory would have if the byte were read as text and written back.
twin=${work//$(printf '\377')/$(printf '\357\277\275')}
if [ "$1" = --build ]; then
  "$here/stage.sh" "$2" "$work/stage"
  program=$work/stage/usr/bin/ossaric
else
  program=$2
fi
# A new user: an empty home, the desktop's defaults for everything under it.
export HOME=$work/home
mkdir -p "$HOME" "$work/run"
chmod 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run
unset XDG_CONFIG_HOME XDG_DATA_HOME QT_QPA_PLATFORM
# The sound goes into a file: its samples show what was heard.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/audio.raw
# shellcheck source=../e2e/x_session.sh
source "$here/../e2e/x_session.sh"

start_game() {
  rm -f "$SDL_DISKAUDIOFILE"
  (cd / && exec "$program") >"$work/program.log" 2>&1 &
  pid=$!
  find_window || fail "no window titled Ossaric appeared"
  sleep 1
  menu=$(($(xwininfo -id "$wid" | awk '/Height:/ {print $2}') - 434))
}
press() { xdotool mousemove --window "$wid" "$1" $(($2 + menu)) click 1; }
# The loudest sample of the sound output from byte $1 on (16-bit samples).
loudest() {
  python3 - "$SDL_DISKAUDIOFILE" "$1" <<'PY'
import array, sys
data = open(sys.argv[1], "rb").read()[int(sys.argv[2]):]
data = data[: len(data) // 2 * 2]
samples = array.array("h", data)
print(max((abs(s) for s in samples), default=0))
PY
}
audio_size() { stat -c %s "$SDL_DISKAUDIOFILE" 2>/dev/null || echo 0; }

before_root=$(ls -A /)
# A Top Ten an earlier run left: read at start and kept.
mkdir -p "$HOME/.local/share/ossaric"
python3 - "$HOME/.local/share/ossaric/tolmerix.dat" <<'PY'
import struct, sys
entry = lambda name, score: name.ljust(9, b"\0") + struct.pack("<h", score)
open(sys.argv[1], "wb").write(entry(b"TopScore", 0) + entry(b"Anna", 123) + bytes(99))
PY

# 1. The first start: window, class, music.
start_game
xprop -id "$wid" WM_CLASS | grep -q '"Ossaric"' || fail "the window's class is not Ossaric: $(xprop -id "$wid" WM_CLASS)"
sleep 2
[ "$(audio_size)" -gt 0 ] || fail "no sound output was opened"
level=$(loudest 0)
[ "$level" -gt 300 ] || fail "no music is heard on the setup screen (loudest sample $level)"
echo "ok: window up from / with a fresh home; music playing (loudest sample $level)"

# 2. Help opens from the Help menu (the last title of the menu bar), by its mnemonic.
xdotool windowactivate --sync "$wid" 2>/dev/null || true
xdotool key --window "$wid" alt+h
sleep 0.5
xdotool key Return
help=""
for _ in $(seq 25); do
  help=$(xdotool search --onlyvisible --name '^Ossaric Help$' 2>/dev/null | head -1 || true)
  [ -n "$help" ] && break
  sleep 0.2
done
[ -n "$help" ] || fail "the help window did not open"
xdotool getwindowname "$help" >/dev/null
import -window "$help" "$work/help.png" 2>/dev/null || true
echo "ok: help opened"

# 3. A second start while the game runs: the window comes back to the front, the start ends with 0.
xdotool windowminimize --sync "$wid" 2>/dev/null || xdotool windowminimize "$wid"
sleep 0.5
xwininfo -id "$wid" | grep -q 'IsViewable' && fail "the window could not be minimised for the test"
status=0
(cd / && timeout 20 "$program") >"$work/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status: $(cat "$work/second.log")"
for _ in $(seq 25); do
  xwininfo -id "$wid" | grep -q 'IsViewable' && break
  sleep 0.2
done
xwininfo -id "$wid" | grep -q 'IsViewable' || fail "the running window did not come back"
active=""
for _ in $(seq 25); do
  active=$(xdotool getactivewindow 2>/dev/null || true)
  [ "$active" = "$wid" ] && break
  sleep 0.2
done
[ "$active" = "$wid" ] || fail "the running window is not the active one (active: $active)"
[ "$(xdotool search --onlyvisible --name '^Ossaric$' | wc -l)" -eq 1 ] || fail "a second game window opened"
echo "ok: a second start raised the running game and ended with status 0"

# 4. The close: the settings in the settings directory, the Top Ten in the data directory,
# nothing in the current directory.
wmctrl -i -c "$wid"
wait_exit 50 || fail "the program did not end"
ini=$HOME/.config/ossaric/bexil.ini
[ -f "$ini" ] || fail "no bexil.ini in ~/.config/ossaric"
[ "$(stat -c %s "$ini")" -eq 52 ] || fail "bexil.ini is not 52 bytes"
grep -q Anna "$HOME/.local/share/ossaric/tolmerix.dat" || fail "the Top Ten in ~/.local/share/ossaric was not kept"
[ -d "$HOME/.local/share/ossaric/music" ] || fail "no music directory for the player's own pieces"
[ "$(ls -A /)" = "$before_root" ] || fail "the game wrote into its current directory /: $(diff <(echo "$before_root") <(ls -A /) || true)"
[ ! -e "$twin" ] || fail "a twin of the work directory was made with U+FFFD for the byte 0xFF: $(find "$twin" | head -5)"
echo "ok: bexil.ini in ~/.config/ossaric, Top Ten in ~/.local/share/ossaric, nothing in /"

# 5. Music off and tips off in the settings: silence, then a throw sounds its effects.
printf '\x00\x00' | dd of="$ini" bs=1 seek=46 conv=notrunc status=none
printf '\xff\xff' | dd of="$ini" bs=1 seek=44 conv=notrunc status=none
start_game
sleep 1.5
level=$(loudest 0)
[ "$level" -lt 50 ] || fail "music plays although the settings switch it off (loudest sample $level)"
# What came before was silence; the device, closed while quiet, starts the file anew when the
# throw opens it again, so the whole file is looked at.
press 60 330
sleep 3
level=$(loudest 0)
[ "$level" -gt 300 ] || fail "the throw made no sound (loudest sample $level)"
echo "ok: settings read back from ~/.config/ossaric; a throw sounds its effects (loudest sample $level)"

# 6. A crash leaves its lock and socket behind; the next start is not blocked by them.
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
pid=""
start_game
echo "ok: a start after a crash opens its window"
wmctrl -i -c "$wid"
wait_exit 50 || fail "the program did not end"
