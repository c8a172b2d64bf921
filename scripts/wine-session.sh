# Sourced by the scripts that run Windows programs: a display (Xvfb unless one is given) and
# one persistent wineserver over a private prefix under the build tree, stopped by process
# id at the end (also when a command fails or the run is interrupted).
#
#   wine_session_start <build-dir> [prefix-name] [display]
#       sets DISPLAY, WINEPREFIX (<build-dir>/<prefix-name>, "wineprefix" by default) and
#       WINEDEBUG; uses the given display or starts Xvfb; logs go to <build-dir>/logs
#   wine_session_stop
#       stops what wine_session_start started
#   wine_session_track <pid>
#       has wine_session_stop stop that process too

wine_session_pids=()

wine_session_track() { wine_session_pids+=("$1"); }

wine_session_start_xvfb() {
  local display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
  done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$WINE_SESSION_LOGS/xvfb.log" 2>&1 &
  wine_session_track $!
  export DISPLAY=":$display"
  local waited=0
  until [ -e "/tmp/.X11-unix/X$display" ]; do
    sleep 0.1
    waited=$((waited + 1))
    [ $waited -lt 100 ] || { echo "Xvfb did not start (see $WINE_SESSION_LOGS/xvfb.log)"; return 1; }
  done
}

wine_session_start() {
  local build_dir=$1 prefix_name=${2:-wineprefix} use_display=${3:-}
  WINE_SESSION_LOGS="$build_dir/logs"
  mkdir -p "$WINE_SESSION_LOGS"
  export WINEDEBUG=-all
  export WINEPREFIX="$build_dir/$prefix_name"
  # No dialogs offering to download Mono or Gecko.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  trap wine_session_stop EXIT
  trap 'wine_session_stop; exit 130' INT TERM

  if [ -n "$use_display" ]; then
    export DISPLAY="$use_display"
  else
    wine_session_start_xvfb || return 1
  fi

  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine: creating the prefix $WINEPREFIX"
    wineboot -i >"$WINE_SESSION_LOGS/wineboot.log" 2>&1
    if [ -z "$use_display" ]; then
      # No window manager runs on Xvfb: with unmanaged windows Wine does not wait for one
      # (two seconds at every destruction of a visible window otherwise).
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
        >>"$WINE_SESSION_LOGS/wineboot.log" 2>&1
    fi
    wineserver -w
  fi
  # Wine's own fonts (MS Sans Serif, Tahoma, Marlett for the caption buttons) are installed
  # by Debian where this Wine does not look: link them into the prefix.
  local font
  for font in /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon; do
    [ -e "$font" ] && [ ! -e "$WINEPREFIX/drive_c/windows/Fonts/${font##*/}" ] &&
      ln -s "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  wineserver -f -p >"$WINE_SESSION_LOGS/wineserver.log" 2>&1 &
  wine_session_track $!
  # The first program of a session starts Wine's own services and desktop process, which
  # inherit its standard output and live as long as the server: start them here, writing to
  # the log, so that no test's output pipe is held open by them.
  wine rundll32.exe user32.dll,GetDesktopWindow >"$WINE_SESSION_LOGS/warm-up.log" 2>&1 || true
}

wine_session_stop() {
  # The shell reports each of its background jobs that a signal ended ("Killed" for the Wine
  # programs that wineserver ends, on wineserver -k or on Ctrl+C, which reaches it too): an
  # ordinary end of the session, not news. Every job is waited for inside the group, so that
  # its report comes while the group's error output is discarded.
  {
    trap - EXIT
    if [ -n "${WINEPREFIX:-}" ] && [ ${#wine_session_pids[@]} -gt 0 ]; then
      wineserver -k >/dev/null 2>&1 || true
    fi
    local pid
    for pid in "${wine_session_pids[@]}"; do
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
    done
  } 2>/dev/null
  wine_session_pids=()
}
