#!/usr/bin/env bash
# Builds the benchmarks optimised (build/bench, Release, no tests) and runs them: the surface's
# pixel work, the composition of transition frames, then skin reading and writing. Extra
# arguments go to every host program, e.g. --benchmark_min_time=2 or --benchmark_filter=Fade.
# The ratio lines after each table compare against memcpy, pixman and zlib measured in the
# same run. Last, the paint and show benchmarks run under Wine (Windows tree, build/windows):
# the control base painting in each buffering mode beside a BitBlt of the same area, then the
# wall-clock length of show animations beside their Time, and the skinned list view's filling,
# sorting, painting and scrolling beside the plain list view's, the opening of a popup
# menu beside the platform's own, and last Mirevan.exe's start-up to its painted main window
# and its close beside a minimal program with one window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/bootstrap.sh

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench --target SurfaceBench EffectBench SkinBench -j "$(nproc)"
build/bench/bin/SurfaceBench "$@"
build/bench/bin/EffectBench "$@"
build/bench/bin/SkinBench "$@"

cmake --preset windows >/dev/null
cmake --build build/windows --target PaintBench ShowBench FrameBench ListViewBench MenuBench StartupBench -j "$(nproc)"
source scripts/wine-session.sh
wine_session_start "$root/build/windows"
scripts/wine-exec.sh build/windows/bin/PaintBench.exe
scripts/wine-exec.sh build/windows/bin/ShowBench.exe
scripts/wine-exec.sh build/windows/bin/FrameBench.exe "Z:$root/build/windows/skin/BuiltInSkin.bin"
scripts/wine-exec.sh build/windows/bin/ListViewBench.exe "Z:$root/build/windows/skin/BuiltInSkin.bin"
scripts/wine-exec.sh build/windows/bin/MenuBench.exe "Z:$root/build/windows/skin/BuiltInSkin.bin"
scripts/wine-exec.sh build/windows/bin/StartupBench.exe
wine_session_stop
