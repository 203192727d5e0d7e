#!/usr/bin/env bash
# Builds Tesmor and runs every test, in the release and the asan (AddressSanitizer +
# UndefinedBehaviorSanitizer, leaks checked) builds, then every fuzz harness for 20
# seconds on its seed inputs. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
for preset in release asan; do
  echo "== ${preset}: configure and build"
  cmake --preset "${preset}" -DTESMOR_WERROR=ON >/dev/null
  cmake --build --preset "${preset}" -j "${jobs}"
  echo "== ${preset}: test"
  ctest --preset "${preset}" -j "${jobs}"
done
echo "== fuzz: configure and build"
cmake --preset fuzz -DTESMOR_WERROR=ON >/dev/null
cmake --build --preset fuzz -j "${jobs}"
scripts/fuzz.sh 20
echo "All tests passed."
