#!/usr/bin/env bash
# Compares what two builds of the script runner print: every script under tests/ and 300 seeded
# fuzz scripts, the dice seeded alike. Silent and true when the output is byte for byte the same.
# usage: scripts/same_output.sh OLD_RUNNER NEW_RUNNER
set -euo pipefail
cd "$(dirname "$0")/.."
old=$(realpath "$1")
new=$(realpath "$2")
out=$(mktemp -d)
trap '[ "${SAME_OUTPUT_KEEP:-0}" = 1 ] && echo "kept in $out" || rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy LANGUAGE=en LC_MESSAGES=C.UTF-8
for side in old new; do
  runner=${!side}
  mkdir -p "$out/$side/scripts"
  while IFS= read -r script; do
    name=${script//\//_}
    (cd "$(dirname "$script")" && "$runner" "$(basename "$script")") >"$out/$side/scripts/$name" 2>&1 || true
  done < <(find tests -name '*.script' | sort)
  python3 tests/fuzz/fuzz_script.py "$runner" --seed 1 --count 300 --lines 60 --timeout 60 \
    --brief --record "$out/$side/fuzz" >/dev/null || true
done
diff -r "$out/old" "$out/new"
