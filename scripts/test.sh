#!/usr/bin/env bash
# Builds both targets and the release packages, and runs every test: the host tests natively,
# then the Windows tests under Wine on a private display, the packages' among them. Set MIREVAN_WERROR=ON to treat warnings as errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/bootstrap.sh

werror=${MIREVAN_WERROR:-OFF}
jobs=$(nproc)

cmake --preset host -DMIREVAN_WERROR="$werror" >/dev/null
cmake --build build/host -j "$jobs"
cmake --preset fuzz -DMIREVAN_WERROR="$werror" >/dev/null
cmake --build build/fuzz -j "$jobs"
cmake --preset windows -DMIREVAN_WERROR="$werror" >/dev/null
cmake --build build/windows -j "$jobs"
# The release and its packages (dist/), which the Windows tests install and run.
MIREVAN_WERROR="$werror" scripts/package.sh

host_status=0
ctest --test-dir build/host --output-on-failure -j "$jobs" >build/host-ctest.log 2>&1 || host_status=$?
# The same tests under ASan/UBSan, and each fuzz target for a bounded time.
fuzz_status=0
ctest --test-dir build/fuzz --output-on-failure -j "$jobs" >build/fuzz-ctest.log 2>&1 || fuzz_status=$?

source scripts/wine-session.sh
wine_session_start "$root/build/windows"
windows_status=0
# The Windows tests share one display and one desktop: run them one after another.
ctest --test-dir build/windows --output-on-failure >build/windows-ctest.log 2>&1 || windows_status=$?
wine_session_stop

# The detail first, ctest's summaries last.
grep -v -E '^(Total Test time|[0-9]+% tests passed)' build/host-ctest.log | sed 's/^/host: /' | tail -n 40
grep -v -E '^(Total Test time|[0-9]+% tests passed)' build/fuzz-ctest.log | sed 's/^/sanitizers: /' | tail -n 40
grep -v -E '^(Total Test time|[0-9]+% tests passed)' build/windows-ctest.log | sed 's/^/windows: /' | tail -n 60
echo "Host tests:"
grep -E '^[0-9]+% tests passed' build/host-ctest.log
echo "Host tests under ASan/UBSan, and fuzzing:"
grep -E '^[0-9]+% tests passed' build/fuzz-ctest.log
echo "Windows tests (under Wine):"
grep -E '^[0-9]+% tests passed' build/windows-ctest.log
[ $host_status -eq 0 ] && [ $fuzz_status -eq 0 ] && [ $windows_status -eq 0 ]
