#!/usr/bin/env bash
# A window that Mirevan makes translucent lets what lies behind it show through on the X
# screen once a compositing manager runs: starts xcompmgr on the test display, runs the
# scene program (TranslucentScene.exe) under Wine and reads the root window from the X side
# (Wine's own screen reads do not see the compositor) until a block around the sample point
# shows the blend of the window's colour over the backdrop's at the window's alpha.
#
#   CompositedTranslucency.sh <TranslucentScene.exe>
#
# Run inside a Wine session (scripts/test.sh); xcompmgr is stopped again at the end.
set -euo pipefail
scene_exe=$1
: "${WINEPREFIX:?WINEPREFIX is not set: run the Windows tests through scripts/test.sh}"
: "${DISPLAY:?DISPLAY is not set: run the Windows tests through scripts/test.sh}"
export WINEDEBUG="${WINEDEBUG:--all}"
for tool in xcompmgr import; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/bootstrap.sh)"; exit 1; }
done

tolerance=3  # per channel, for the compositor's rounding of the alpha
block=9      # pixels a side, centred on the sample point
work=$(mktemp -d "${TMPDIR:-/tmp}/mirevan-composite.XXXXXX")
compositor=""
scene=""
finish() {
  [ -z "$scene" ] || kill "$scene" 2>/dev/null || true
  [ -z "$compositor" ] || { kill "$compositor" 2>/dev/null || true; wait "$compositor" 2>/dev/null || true; }
  rm -rf "$work"
}
trap finish EXIT

xcompmgr >"$work/xcompmgr.log" 2>&1 &
compositor=$!

coproc SCENE { wine "$scene_exe" 2>"$work/scene.log"; }
scene=$SCENE_PID
read -r -t 90 status x y backdrop window alpha <&"${SCENE[0]}" || status="no-reply"
alpha=${alpha%$'\r'} # the console's line ends
if [ "$status" != ready ]; then
  echo "FAIL: the scene did not come up: $status $x $y $backdrop $window $alpha"
  cat "$work/scene.log"
  exit 1
fi

# The expected colour, channel by channel: window * alpha + backdrop * (255 - alpha), / 255.
expected=()
for shift in 16 8 0; do
  w=$(( (16#$window >> shift) & 255 ))
  b=$(( (16#$backdrop >> shift) & 255 ))
  expected+=( $(( (w * alpha + b * (255 - alpha) + 127) / 255 )) )
done
echo "backdrop #$backdrop, window #$window at alpha $alpha: expecting about" \
     "rgb(${expected[0]},${expected[1]},${expected[2]}) around ($x, $y)"

# Prints "match" when every pixel of the block is within the tolerance of the blend, else
# the first pixel that is not.
check_block() {
  { import -window root -crop "${block}x${block}+$((x - block / 2))+$((y - block / 2))" \
           -depth 8 txt:- 2>/dev/null || true; } |
    awk -v r="${expected[0]}" -v g="${expected[1]}" -v b="${expected[2]}" -v t="$tolerance" '
      function off(a, e) { return a > e ? a - e : e - a }
      /^[0-9]+,[0-9]+:/ {
        seen++
        match($0, /\([0-9]+,[0-9]+,[0-9]+/)
        split(substr($0, RSTART + 1, RLENGTH - 1), c, ",")
        if (off(c[1], r) > t || off(c[2], g) > t || off(c[3], b) > t) {
          print $1 " rgb(" c[1] "," c[2] "," c[3] ")"; bad = 1; exit
        }
      }
      END { if (!bad) print (seen > 0 ? "match" : "nothing read") }'
}

result=""
for _ in $(seq 1 100); do  # the compositor picks the window up within a few frames
  kill -0 "$compositor" 2>/dev/null || { echo "FAIL: xcompmgr ended:"; cat "$work/xcompmgr.log"; exit 1; }
  result=$(check_block)
  [ "$result" = match ] && break
  sleep 0.1
done

# Bash forgets the coprocess's descriptors once it has ended.
[ -z "${SCENE[1]:-}" ] || echo done >&"${SCENE[1]}" || true
scene_status=0
wait "$scene" || scene_status=$?
scene=""
if [ "$result" != match ]; then
  echo "FAIL: the screen does not show the blend (first pixel off: $result)"
  exit 1
fi
if [ $scene_status -ne 0 ]; then
  echo "FAIL: the scene ended with status $scene_status"
  cat "$work/scene.log"
  exit 1
fi
echo "PASS: the ${block}x${block} block shows the blend within $tolerance per channel"
