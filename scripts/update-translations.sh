#!/usr/bin/env bash
# Brings every catalogue (translations/ossaric_*.ts) in step with the texts in the source: new
# texts are added as unfinished entries, changed ones are marked so, gone ones are dropped.
# Then translate each unfinished entry (Qt Linguist, or by hand in the .ts file) and build.
# A new language: add translations/ossaric_LANG.ts with `lupdate ... -ts` below (run this script
# with the new file's name as its argument) and the language to OSSARIC_LANGUAGES in
# translations/CMakeLists.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
files=("$@")
[ ${#files[@]} -eq 0 ] && files=(translations/ossaric_*.ts)
for ts in "${files[@]}"; do
  language=$(basename "$ts" .ts)
  language=${language#ossaric_}
  "$lupdate" -silent -no-obsolete -locations none -target-language "$language" src tools/artgen \
    -ts "$ts"
done
