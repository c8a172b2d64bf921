#!/usr/bin/env bash
# Builds the surface benchmarks optimised (build/bench, Release, no tests) and runs them;
# extra arguments go to the benchmark program, e.g. --benchmark_min_time=2 or
# --benchmark_filter=DrawTo. The ratio lines after the table compare against memcpy and
# pixman measured in the same run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/bootstrap.sh

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/bench --target SurfaceBench -j "$(nproc)"
build/bench/bin/SurfaceBench "$@"
