#!/usr/bin/env bash
# Runs every libFuzzer harness of the fuzz build for SECONDS each (default 20) on its
# seed inputs: fuzz/corpus/<harness> (hand-made seeds and the inputs of past findings)
# and the test fixtures. New inputs go to a scratch folder; a finding stops the run with
# the harness's report and the input under build/fuzz/findings/.
#   scripts/fuzz.sh [SECONDS] [HARNESS...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
bin=build/fuzz/fuzz
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for exe in "$bin"/*; do
    [ -f "$exe" ] && [ -x "$exe" ] && harnesses+=("$(basename "$exe")")
  done
fi

findings=build/fuzz/findings
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for name in "${harnesses[@]}"; do
  # Harnesses that read data files also start from the test fixtures.
  dirs=("fuzz/corpus/$name")
  case "$name" in
    settings_files_fuzz | command_line_fuzz) ;;
    *) dirs+=(tests/fixtures/xml tests/fixtures/real tests/fixtures/reformat) ;;
  esac
  seeds=()
  for dir in "${dirs[@]}"; do
    [ -d "$dir" ] && seeds+=("$dir")
  done
  mkdir -p "$scratch/$name"
  echo "== fuzz: $name for ${seconds} s"
  if ! "$bin/$name" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
      -artifact_prefix="$findings/$name-" "$scratch/$name" "${seeds[@]}" >"$scratch/$name.log" 2>&1; then
    cat "$scratch/$name.log"
    echo "fuzz: $name found a fault (input in $findings)" >&2
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added)' "$scratch/$name.log" || true
done
echo "fuzz: every harness ran without a finding"
