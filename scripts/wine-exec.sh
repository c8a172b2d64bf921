#!/usr/bin/env bash
# Runs one Windows program under Wine, in the prefix and display the caller set up
# (scripts/test.sh does). Used as CMake's emulator for the Windows target's tests.
#
# The program's output goes through a file: any process Wine starts on its behalf inherits
# the output, and must not keep the caller (ctest) waiting for a pipe to close.
set -uo pipefail
: "${WINEPREFIX:?WINEPREFIX is not set: run the Windows tests through scripts/test.sh}"
: "${DISPLAY:?DISPLAY is not set: run the Windows tests through scripts/test.sh}"
export WINEDEBUG="${WINEDEBUG:--all}"

output=$(mktemp "${TMPDIR:-/tmp}/mirevan-wine.XXXXXX")
trap 'cat "$output"; rm -f "$output"' EXIT
trap 'exit 143' TERM INT
wine "$@" >"$output" 2>&1
