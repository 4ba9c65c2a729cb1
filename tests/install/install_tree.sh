#!/usr/bin/env bash
# Installs the build into a staging directory and checks what an install leaves: the program,
# its data, the launcher, the icons of every size, the metainfo, the manual page and the licence;
# the launcher and the metainfo must pass the desktop's own validators.
# usage: install_tree.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
here=$(dirname "$0")
for tool in desktop-file-validate appstreamcli identify; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"; exit 77; }
done
stage=$(mktemp -d /tmp/ossaric-stage-XXXXXX)
trap 'rm -rf "$stage"' EXIT
"$here/stage.sh" "$build" "$stage"
root=$stage/usr
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }

[ -x "$root/bin/ossaric" ] || fail "no program bin/ossaric"
# The sound module, in the program's own library directory, which the program links nothing of.
module=$(cd "$root" && find . -path './lib*/ossaric/ossaric-sound.so' -type f | head -1)
[ -n "$module" ] || fail "no sound module lib/.../ossaric/ossaric-sound.so"
if ldd "$root/bin/ossaric" | grep -q -i -E 'sdl|fluidsynth|Qt6Network'; then
  fail "the program links the audio or network libraries: $(ldd "$root/bin/ossaric" | grep -i -E 'sdl|fluid|Network')"
fi
for f in moredice.wav rattle2.wav rattle1.wav pen.wav dicecup.wav manydice.wav onedice.wav \
         bexil.hlp; do
  [ -s "$root/share/ossaric/$f" ] || fail "no data file share/ossaric/$f"
done
ls "$root"/share/ossaric/*.mid >/dev/null 2>&1 || fail "no music in share/ossaric"
[ -f "$root/share/applications/$id.desktop" ] || fail "no launcher $id.desktop"
[ -f "$root/share/metainfo/$id.metainfo.xml" ] || fail "no metainfo $id.metainfo.xml"
for size in 16 24 32 48 64 128 256; do
  icon=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -f "$icon" ]; then
    fail "no ${size}x${size} icon"
  elif [ "$(identify -format '%wx%h' "$icon")" != "${size}x${size}" ]; then
    fail "the ${size}x${size} icon is $(identify -format '%wx%h' "$icon")"
  fi
done
# Each size is drawn for itself: no two sizes are one picture scaled.
a=$root/share/icons/hicolor/16x16/apps/$id.png
b=$root/share/icons/hicolor/32x32/apps/$id.png
n=$(compare -metric AE "$a" <(convert "$b" -resize 16x16 png:-) null: 2>&1 || true)
[ "${n%% *}" != 0 ] || fail "the 16x16 icon is the 32x32 one scaled down"
[ -f "$root/share/man/man6/ossaric.6.gz" ] || fail "no manual page man6/ossaric.6.gz"
if [ -f "$root/share/man/man6/ossaric.6.gz" ]; then
  page=$(zcat "$root/share/man/man6/ossaric.6.gz")
  for word in '\-\-data\-dir' '\-\-config\-dir' 'bexil.ini' 'XDG_CONFIG_HOME' 'ENVIRONMENT' 'FILES'; do
    grep -qF -- "$word" <<<"$page" || fail "the manual page does not mention $word"
  done
fi
[ -f "$root/share/doc/ossaric/copyright" ] || fail "no licence share/doc/ossaric/copyright"
# Nothing of the build or the tests goes along.
extra=$(cd "$root" && find . -type f | grep -v -E '^\./(bin/ossaric|lib[^/]*(/[^/]*)?/ossaric/ossaric-sound\.so|share/(ossaric|applications|metainfo|icons|man|doc)/)' || true)
[ -z "$extra" ] || fail "unexpected files installed: $extra"

desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop-file-validate"
grep -q '^Categories=Game;BoardGame;$' "$root/share/applications/$id.desktop" ||
  fail "the launcher's categories"
grep -q '^StartupWMClass=Ossaric$' "$root/share/applications/$id.desktop" ||
  fail "the launcher's StartupWMClass"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

[ "$fails" -eq 0 ] && echo "ok: install tree complete and valid"
[ "$fails" -eq 0 ]
