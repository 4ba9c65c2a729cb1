# Shared by the tests that play the real program on a virtual X display: sourced after `work`
# is set. Starts a window manager, and ends it and the program (in `pid`) on exit; `fail` tells
# why, with what the program printed, and keeps `work` for a look.
pid=""
wm=""
keep=${OSSARIC_E2E_KEEP:-0}
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  if [ "$keep" = 1 ]; then echo "left in $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -f "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log"
  keep=1
  exit 1
}

openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# Sets `wid` to the game's window, waiting up to twenty seconds for it.
find_window() {
  wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --name '^Ossaric$' 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && return 0
    sleep 0.2
  done
  return 1
}

# Waits up to $1 fifths of a second for the program (in `pid`) to end, with status 0; false when
# it is still running.
wait_exit() {
  for _ in $(seq "$1"); do
    kill -0 "$pid" 2>/dev/null || {
      wait "$pid" || fail "the program exited with status $?"
      pid=""
      return 0
    }
    sleep 0.2
  done
  return 1
}
