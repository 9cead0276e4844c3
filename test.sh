#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test through CTest: once
# in the normal build, then again in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, which catch use-after-free and calls on
# half-destroyed objects that a plain run may survive by luck.
# KORVEX_SANITIZE=0 skips the second run.  Last, every libFuzzer target runs
# for KORVEX_FUZZ_SECONDS (default 20) in build-fuzz/, so that a parser
# regression found by the seeds or a short run breaks the build;
# KORVEX_FUZZ=0 skips it.  After that the Debian packages are built from
# build/ and checked (scripts/check-packages.sh); KORVEX_PACKAGE=0 skips them.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
korvex_install_packages
korvex_check_format

korvex_build "$BUILD_DIR"
(cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@")

if [ "${KORVEX_SANITIZE:-1}" != "0" ]; then
    SANITIZE_DIR="$ROOT/build-sanitize"
    korvex_build "$SANITIZE_DIR" -DCMAKE_BUILD_TYPE=Debug -DKORVEX_BENCH=OFF \
        "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    # Leak checking needs ptrace, which containers often deny.
    (cd "$SANITIZE_DIR" && QT_QPA_PLATFORM=offscreen \
        ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure -j "$(nproc)" "$@")
fi

if [ "${KORVEX_FUZZ:-1}" != "0" ]; then
    # One target per core.
    FUZZ_JOBS="${FUZZ_JOBS:-$(nproc)}" scripts/fuzz.sh "${KORVEX_FUZZ_SECONDS:-20}"
fi

if [ "${KORVEX_PACKAGE:-1}" != "0" ]; then
    scripts/check-packages.sh
fi
