#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the long connection storms against a server on 127.0.0.1 and prints
# their figures.  BUILD_DIR picks the build (default build/; the sanitizer
# build of test.sh leaves the benchmarks out: `cmake -B build-sanitize
# -DKORVEX_BENCH=ON` adds them).  Each storm is bounded in count and time.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
cmake --build "$BUILD_DIR" --target storm -j "$(nproc)" >/dev/null
STORM="$BUILD_DIR/bench/storm"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
status=0
"$STORM" rate 1000 10 || status=1
"$STORM" reset 10000 || status=1
"$STORM" idle 200 2000 || status=1
"$STORM" stall || status=1
exit $status
