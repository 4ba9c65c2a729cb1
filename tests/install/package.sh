#!/usr/bin/env bash
# Builds the Debian package with cpack and checks it: its name, its runtime dependencies and its
# files. With OSSARIC_TEST_INSTALL_PACKAGE=1, as root, on a system that does not have the game
# installed already, it is also installed with apt-get, played as a new user would (see
# installed_game.sh), and removed again, leaving no file behind.
# usage: package.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
here=$(realpath "$(dirname "$0")")
for tool in dpkg-deb dpkg-shlibdeps cpack; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing: the Debian package is built only on Debian systems (dpkg-dev)"; exit 77; }
done
out=$(mktemp -d /tmp/ossaric-package-XXXXXX)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$out"/ossaric_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "FAIL: no ossaric_*.deb was made"; ls "$out"; exit 1; }
fails=0
fail() { echo "FAIL: $*"; fails=$((fails + 1)); }

depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libsdl2-mixer-2.0-0 qt6-qpa-plugins timgm6mb-soundfont fonts-liberation2; do
  grep -q "\\b$need\\b" <<<"$depends" || fail "the package does not depend on $need ($depends)"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -q "\\bfonts-noto-cjk\\b" <<<"$recommends" || fail "the package does not recommend fonts-noto-cjk ($recommends)"
[ "$(dpkg-deb -f "$deb" Package)" = ossaric ] || fail "the package is not named ossaric"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/ossaric ./usr/share/ossaric/bexil.hlp ./usr/share/ossaric/help/de/bexil.hlp \
         ./usr/share/ossaric/help/zh_CN/bexil.hlp ./usr/share/applications/org.ossaric.Ossaric.desktop \
         ./usr/share/metainfo/org.ossaric.Ossaric.metainfo.xml ./usr/share/man/man6/ossaric.6.gz \
         ./usr/share/icons/hicolor/256x256/apps/org.ossaric.Ossaric.png ./usr/share/doc/ossaric/copyright; do
  grep -qx -- "$f" <<<"$files" || fail "the package lacks $f"
done
grep -q -x -E '\./usr/lib(/[^/]+)?/ossaric/ossaric-sound\.so' <<<"$files" || fail "the package lacks the sound module"
[ "$fails" -eq 0 ] || exit 1
echo "ok: $(basename "$deb") built; depends on: $depends"

if [ "${OSSARIC_TEST_INSTALL_PACKAGE:-0}" != 1 ]; then
  echo "the package was not installed: set OSSARIC_TEST_INSTALL_PACKAGE=1 to install, play and remove it (as root)"
  exit 0
fi
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing the package needs root"; exit 77; }
if dpkg-query -W -f='${Status}' ossaric 2>/dev/null | grep -q "install ok installed"; then
  echo "SKIP: a package named ossaric is installed already; it is left alone"
  exit 77
fi
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 -y "$@"; }
apt_get install --no-install-recommends "$deb" >"$out/apt.log" 2>&1 || { cat "$out/apt.log"; echo "FAIL: apt-get install"; exit 1; }
status=0
/usr/bin/ossaric --version | grep -q '^Ossaric ' || status=1
"$here/installed_game.sh" --program /usr/bin/ossaric || status=1
apt_get remove ossaric >"$out/apt.log" 2>&1 || { cat "$out/apt.log"; echo "FAIL: apt-get remove"; exit 1; }
for f in /usr/bin/ossaric /usr/share/ossaric /usr/share/applications/org.ossaric.Ossaric.desktop; do
  [ ! -e "$f" ] || { echo "FAIL: $f is still there after the removal"; status=1; }
done
[ "$status" -eq 0 ] && echo "ok: the package installed, played and was removed cleanly"
exit "$status"
