#!/usr/bin/env bash
# Measures how much processor time the real program takes when its only music pieces are damaged
# (one cut short, one a bare header): over SECONDS with the first box about them up, and again
# after every box is answered. Run it on a virtual display:
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/damaged_music_cpu.sh build/src/desktop/app/ossaric build/game [SECONDS]
set -u
program=$(realpath "$1")
seconds=${3:-10}
work=$(mktemp -d /tmp/ossaric-music-cpu-XXXXXX)
cp -r "$2/." "$work/"
rm -f "$work"/*.mid "$work/bexil.ini"
head -c 300 "$2/canon.mid" >"$work/cut.mid"
printf 'MThd\0\0\0\6\0\0\0\1\0\140' >"$work/header.mid"
cd "$work"
export SDL_AUDIODRIVER=dummy XDG_DATA_HOME=$work/data
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
"$program" >"$work/program.log" 2>&1 &
pid=$!
trap 'kill $wm $pid 2>/dev/null; rm -rf "$work"' EXIT
sleep 4
hz=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
measure() {
  local a b
  a=$(ticks)
  sleep "$seconds"
  b=$(ticks)
  awk -v t=$((b - a)) -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.1f", t * 100 / hz / s }'
}
boxes=$(xdotool search --onlyvisible --name '^MCI Error$' 2>/dev/null | wc -l)
echo "with $boxes box(es) up: $(measure)% of a core over ${seconds} s"
for _ in 1 2 3 4; do
  box=$(xdotool search --onlyvisible --name '^MCI Error$' 2>/dev/null | head -1)
  [ -n "$box" ] || break
  xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
  sleep 0.5
done
sleep 1
echo "after the boxes: $(measure)% of a core over ${seconds} s"
echo "synthesiser complaints printed: $(grep -c 'fluidsynth' "$work/program.log")"
