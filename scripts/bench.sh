#!/usr/bin/env bash
# Builds the benchmarks optimised (build/bench, Release, no tests) and runs them: the surface's
# pixel work, the composition of transition frames, then skin reading and writing. Extra
# arguments go to every program, e.g. --benchmark_min_time=2 or --benchmark_filter=Fade. The
# ratio lines after each table compare against memcpy, pixman and zlib measured in the same
# run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/bootstrap.sh

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench --target SurfaceBench EffectBench SkinBench -j "$(nproc)"
build/bench/bin/SurfaceBench "$@"
build/bench/bin/EffectBench "$@"
build/bench/bin/SkinBench "$@"
