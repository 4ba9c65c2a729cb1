#!/usr/bin/env bash
# Installs the build into DEST as an install under the prefix /usr would lay it out.
# usage: stage.sh BUILD_DIR DEST
set -euo pipefail
rm -rf "$2"
DESTDIR=$2 cmake --install "$1" --prefix /usr >/dev/null
