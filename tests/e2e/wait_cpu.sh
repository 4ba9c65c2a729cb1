#!/usr/bin/env bash
# Measures how much processor time the real program takes while it waits: idle on the board,
# then during a throw slowed down with forty presses of "-". Run it on a virtual display:
#   xvfb-run -a -s "-screen 0 1024x768x24" tests/e2e/wait_cpu.sh build/src/desktop/app/ossaric build/game
set -eu
program=$(realpath "$1")
work=$(mktemp -d /tmp/ossaric-cpu-XXXXXX)
cp -r "$2/." "$work/"
rm -f "$work/bexil.ini"
cd "$work"
export SDL_AUDIODRIVER=dummy XDG_DATA_HOME=$work/data
unset QT_QPA_PLATFORM
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $pid 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
"$program" &
pid=$!
for i in $(seq 50); do xdotool search --onlyvisible --name '^Ossaric$' >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1
wid=$(xdotool search --onlyvisible --name '^Ossaric$' | head -1)
ticks() { awk '{print $14+$15}' /proc/$pid/stat; }
hz=$(getconf CLK_TCK)
xdotool mousemove --window $wid 446 417 click 1; sleep 0.5
a=$(ticks); sleep 3; b=$(ticks); echo "idle: $(( (b-a)*100/hz/3 ))% of a core"
xdotool key --window $wid --delay 5 $(printf 'minus %.0s' $(seq 40))
xdotool mousemove --window $wid 60 349 click 1; sleep 0.2
a=$(ticks); sleep 3; b=$(ticks); echo "during a slowed throw: $(( (b-a)*100/hz/3 ))% of a core"
