#!/usr/bin/env bash
# The packages as a user gets them, under Wine. scripts/package.sh writes them to dist/.
#   1. the zip unpacked: its files' versions and imports, and libraries planted beside the
#      program (PackageTests.exe: ReleaseFilesTest, PlantedLibraryTest);
#   2. the zip unpacked into a folder whose name has a space and letters beyond the code page
#      (PortableTest);
#   3. in a fresh prefix of its own: the installer run silently (InstalledTest), a new log-on
#      that starts the program from the start-up list (LoggedOnTest), then the uninstaller run
#      silently (UninstalledTest).
#
#   PackageTests.sh <dist-dir> <dir of PackageTests.exe>
#
# Run inside a Wine session (scripts/test.sh); the fresh prefix's server is stopped at the end.
set -euo pipefail
dist=$1
bin=$2
: "${WINEPREFIX:?WINEPREFIX is not set: run the Windows tests through scripts/test.sh}"
: "${DISPLAY:?DISPLAY is not set: run the Windows tests through scripts/test.sh}"
export WINEDEBUG="${WINEDEBUG:--all}"

shopt -s nullglob
zips=("$dist"/Mirevan-*-portable.zip)
setups=("$dist"/Mirevan-*-setup.exe)
if [ ${#zips[@]} -ne 1 ] || [ ${#setups[@]} -ne 1 ]; then
  echo "FAIL: $dist must hold one portable zip and one installer: run scripts/package.sh"
  exit 1
fi
zip=${zips[0]}
setup=${setups[0]}
for package in "$zip" "$setup"; do
  if [ "$package" -ot "$bin/PackageTests.exe" ] && [ "$package" -ot "$bin/Mirevan.exe" ]; then
    echo "note: $package is older than this build's programs"
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/mirevan-package.XXXXXX")
fresh_prefix=""
finish() {
  if [ -n "$fresh_prefix" ]; then
    WINEPREFIX="$fresh_prefix" wineserver -k >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap finish EXIT

windows_path() { echo "Z:${1//\//\\}"; }
status=0
run_tests() { # <filter> [NAME=value...]: PackageTests.exe in the current prefix
  local filter=$1
  shift
  echo "== $filter"
  env "$@" wine "$bin/PackageTests.exe" --gtest_filter="$filter" >"$work/tests.log" 2>&1 ||
    status=1
  grep -E '^\[ *(RUN|OK|FAILED|SKIPPED|PASSED) *\]|Failure|Expected|Which is|Value of|error|^  ' \
    "$work/tests.log" || true
  # A filter that ran nothing, or skipped, proves nothing.
  if ! grep -q '^\[  PASSED  \] [1-9]' "$work/tests.log" || grep -q '^\[  SKIPPED \]' "$work/tests.log"; then
    echo "FAIL: $filter ran no test to the end"
    status=1
  fi
}

# 1. The released files, and planting.
mkdir -p "$work/release"
unzip -q "$zip" -d "$work/release"
release=("$work"/release/*)
run_tests 'ReleaseFilesTest.*:PlantedLibraryTest.*' \
  MIREVAN_RELEASE_FILES="$(windows_path "${release[0]}")"

# 2. A folder with a space and letters no 8-bit code page has together.
parent="$work/portable"
mkdir -p "$parent/Mirevan Ωμέγα тест 試験"
unzip -q "$zip" -d "$parent/Mirevan Ωμέγα тест 試験"
run_tests 'PortableTest.*' MIREVAN_PORTABLE_PARENT="$(windows_path "$parent")"

# 3. The installer and the uninstaller, in a prefix where nothing was before.
fresh_prefix="$work/prefix"
started=$(date +%s)
WINEPREFIX="$fresh_prefix" wineboot -i >"$work/wineboot.log" 2>&1
WINEPREFIX="$fresh_prefix" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
  >>"$work/wineboot.log" 2>&1
WINEPREFIX="$fresh_prefix" wineserver -w
for font in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon; do
  ln -sf "$font" "$fresh_prefix/drive_c/windows/Fonts/"
done
WINEPREFIX="$fresh_prefix" wineserver -p
echo "fresh prefix made in $(( $(date +%s) - started )) s"
if ! WINEPREFIX="$fresh_prefix" wine "$setup" /S >"$work/setup.log" 2>&1; then
  echo "FAIL: the installer failed"
  cat "$work/setup.log"
  status=1
fi
run_tests 'InstalledTest.*' WINEPREFIX="$fresh_prefix"
# A new log-on with the auto-start option on: the session ends (all that runs in it stops), a
# new one begins, and the log-on programs (wineboot, as Windows' user initialisation) start
# what the current user's start-up list names.
WINEPREFIX="$fresh_prefix" wineserver -k >/dev/null 2>&1 || true
WINEPREFIX="$fresh_prefix" wineserver -w
WINEPREFIX="$fresh_prefix" wineserver -p
WINEPREFIX="$fresh_prefix" wine wineboot >"$work/logon.log" 2>&1 || true
run_tests 'LoggedOnTest.*' WINEPREFIX="$fresh_prefix"
if ! WINEPREFIX="$fresh_prefix" wine cmd /c \
  '%LOCALAPPDATA%\Programs\Mirevan\Uninstall.exe' /S >"$work/uninstall.log" 2>&1; then
  echo "FAIL: the uninstaller failed"
  cat "$work/uninstall.log"
  status=1
fi
run_tests 'UninstalledTest.*' WINEPREFIX="$fresh_prefix"
exit $status
