#!/usr/bin/env bash
# Runs every fuzz target for a while, one after another on one core:
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# SECONDS per target (30 when not given); all targets when none are named. Builds the fuzz
# tree (preset "fuzz") first. Each target keeps its corpus in build/fuzz/fuzz/corpus/<name>
# (seeded by the build) and also reads fuzz/corpus/<name>; crash, leak, timeout and
# out-of-memory inputs go to build/fuzz/artifacts/, the logs of each run to a directory of its
# own under build/fuzz/fuzz-logs/. Prints per target libFuzzer's final figures and any
# finding; exits non-zero on any finding.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

seconds=${1:-30}
shift || true
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: scripts/fuzz.sh [SECONDS] [TARGET...]" >&2
  exit 2
fi

scripts/bootstrap.sh
cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j "$(nproc)"

list=$root/build/fuzz/fuzz/fuzz-targets.txt
artifacts=$root/build/fuzz/artifacts
# A directory per run, so that runs side by side never write into each other's logs.
logs=$root/build/fuzz/fuzz-logs/$(date +%Y%m%d-%H%M%S)-$$
mkdir -p "$artifacts" "$logs"

findings=0
summary=()
while IFS=$'\t' read -r name program options corpora; do
  [ -n "$name" ] || continue
  if [ $# -gt 0 ]; then
    wanted=0
    for target in "$@"; do [ "$target" = "$name" ] && wanted=1; done
    [ $wanted -eq 1 ] || continue
  fi
  log=$logs/$name.log
  before=$(find "$artifacts" -maxdepth 1 -name "$name-*" -type f | sort)
  echo "== $name: ${seconds}s"
  status=0
  # shellcheck disable=SC2086 # options and corpus directories are lists
  "$program" -max_total_time="$seconds" -print_final_stats=1 $options $corpora >"$log" 2>&1 ||
    status=$?
  after=$(find "$artifacts" -maxdepth 1 -name "$name-*" -type f | sort)
  new=$(comm -13 <(echo "$before") <(echo "$after") | grep -v '^$' || true)

  done_line=$(grep -E '^Done [0-9]+ runs in [0-9]+ second' "$log" | tail -n 1 || true)
  stats=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -n 1 || true)
  [ -n "$stats" ] || stats=$(grep -E '^#[0-9]+[[:space:]]' "$log" | tail -n 1 || true)
  echo "   ${done_line:-no final line (the run stopped early)}"
  echo "   ${stats:-no statistics}"
  if [ $status -ne 0 ] || [ -n "$new" ]; then
    findings=$((findings + 1))
    echo "   FINDING (exit status $status), log: $log"
    grep -E 'ERROR: |SUMMARY: |skin fuzz check failed|runtime error' "$log" | head -n 5 |
      sed 's/^/     /' || true
    for file in $new; do echo "     input: $file"; done
    summary+=("$name: finding (exit status $status)")
  else
    summary+=("$name: ${done_line:-?}")
  fi
done <"$list"

echo
echo "Fuzzing, ${seconds}s per target:"
for line in "${summary[@]}"; do echo "  $line"; done
if [ $findings -ne 0 ]; then
  echo "$findings target(s) with findings; inputs in $artifacts/"
  exit 1
fi
echo "No findings."
