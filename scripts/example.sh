#!/usr/bin/env bash
# Runs Tesmor on the bundled example boring: builds the program (release), renders
# the example to out/example.pdf and PNG pages, and opens the window on it when a
# display exists. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset release >/dev/null
cmake --build --preset release -j "${jobs}" --target tesmor

tesmor=build/release/src/app/tesmor
example=examples/soil-boring.xml
mkdir -p out

rm -f out/example.pdf out/example*.png
"${tesmor}" -o out/example.pdf "${example}"
"${tesmor}" -o out/example.png --export-dpi 150 "${example}"
echo "Rendered ${example}:"
ls -1 out/example.pdf out/example*.png

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "${tesmor}" "${example}" &
  echo "Opened the window on ${example}"
fi
