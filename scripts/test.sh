#!/usr/bin/env bash
# Builds Tesmor and runs every test, in the release and the asan (AddressSanitizer +
# UndefinedBehaviorSanitizer) builds. Installs what it needs first.
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
echo "All tests passed."
