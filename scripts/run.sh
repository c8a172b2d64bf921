#!/usr/bin/env bash
# Builds Mirevan with everything its folder holds (the hook library, the drag tool's pictures,
# the dark skin) and runs it under Wine from that folder.
#
# With a display (DISPLAY set and reachable) Mirevan runs there until you close it.
# Without one it runs on a virtual display with a compositing manager (xcompmgr, so that
# translucent windows show what lies behind them) beside a window of another program (Wine's
# Minesweeper, opened after Mirevan so that it turns translucent, and placed over the left
# edge of Mirevan's window), saves a screenshot as mirevan.png in the current directory, and
# keeps running until Mirevan exits or you press Ctrl+C; everything started is then stopped,
# without a word.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
here=$(pwd)
cd "$root"

scripts/bootstrap.sh
cmake --preset windows >/dev/null
cmake --build build/windows -j "$(nproc)" --target mirevan_folder

source scripts/wine-session.sh
display=""
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  display=$DISPLAY
fi
wine_session_start "$root/build/windows" run-prefix "$display"
if [ -z "$display" ]; then
  xcompmgr >"$WINE_SESSION_LOGS/xcompmgr.log" 2>&1 &
  wine_session_track $!
  # Minesweeper opens where it was last closed: half over Mirevan's window, half over the
  # desktop.
  for value in Xpos=330 Ypos=420; do
    wine reg add 'HKCU\Software\Microsoft\WinMine' /v "${value%=*}" /t REG_DWORD \
      /d "${value#*=}" /f >>"$WINE_SESSION_LOGS/winemine.log" 2>&1
  done
fi

cd "$root/build/windows/bin"
wine Mirevan.exe >"$WINE_SESSION_LOGS/mirevan.log" 2>&1 &
mirevan=$!
wine_session_track $mirevan

if [ -z "$display" ]; then
  sleep 3 # Mirevan is up and watching: the new window takes its level at once
  wine winemine.exe >"$WINE_SESSION_LOGS/winemine.log" 2>&1 &
  wine_session_track $!
  sleep 5
  import -window root "$here/mirevan.png"
  echo "Mirevan runs on the virtual display $DISPLAY; screenshot: $here/mirevan.png"
  echo "Press Ctrl+C to stop."
fi
# Ctrl+C reaches Wine's server as well, which then ends Mirevan itself: a job ended by a
# signal, which the shell would report as "Killed".
wait $mirevan 2>/dev/null || true
