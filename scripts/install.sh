#!/usr/bin/env bash
# Builds Tesmor (release) and installs it for the desktop: the program, its icon,
# the desktop entry and the file types of boring files, into PREFIX (default
# ~/.local). Boring files then open in Tesmor from the file manager.
#
#   scripts/install.sh [PREFIX]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${1:-${HOME}/.local}

scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset release >/dev/null
cmake --build --preset release -j "${jobs}" --target tesmor
cmake --install build/release --prefix "${prefix}"
echo "Installed Tesmor into ${prefix} (program: ${prefix}/bin/tesmor)"
