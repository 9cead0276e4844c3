#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs each for SECONDS.
#   scripts/fuzz.sh [SECONDS] [target...]      default 20 s, every target
# The seed corpora and dictionaries in fuzz/ are read, never written: each
# run grows a working corpus in build-fuzz/corpus/<target>/.  A crash leaves
# its input in build-fuzz/artifacts/<target>/ and makes the script fail.
# The last libFuzzer status line of each target (executions, cov, ft) and
# the CPU seconds it used are collected in build-fuzz/fuzz-summary.txt.
# FUZZ_JOBS=N runs N targets at once (default 1; one core each).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
SECONDS_PER_TARGET="${1:-20}"
shift || true
FUZZ_DIR="${FUZZ_DIR:-$ROOT/build-fuzz}"
ALL_TARGETS=(fuzz_framedecoder fuzz_filerecord fuzz_printparameters
             fuzz_messagefile fuzz_editorreader fuzz_externdata fuzz_dcmd
             fuzz_productcsv fuzz_gs1scan fuzz_planthost fuzz_readerline)
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=("${ALL_TARGETS[@]}")

CXX_BIN="$(command -v clang++ || command -v clang++-14)"
SANITIZERS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
if [ ! -f "$FUZZ_DIR/build.ninja" ]; then
    cmake -S "$ROOT" -B "$FUZZ_DIR" -G Ninja -DKORVEX_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$CXX_BIN" \
        "-DCMAKE_CXX_FLAGS=$SANITIZERS -fno-omit-frame-pointer -gline-tables-only" \
        ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER}
fi
# Only the fuzzers and the libraries they need.
cmake --build "$FUZZ_DIR" -j "$(nproc)" --target "${TARGETS[@]}"

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
# The targets keep their scratch files under TMPDIR.  On a disk, the data
# file target waits for the disk at every input (each input rewrites the
# file); a memory file system makes it about ten times faster.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
SUMMARY="$FUZZ_DIR/fuzz-summary.txt"
JOBS="${FUZZ_JOBS:-1}"

# Runs one target; its summary line goes to $FUZZ_DIR/<target>.summary.
run_target() {
    local t="$1"
    local corpus="$FUZZ_DIR/corpus/$t"
    local artifacts="$FUZZ_DIR/artifacts/$t"
    local log="$FUZZ_DIR/$t.log"
    local cpu="$FUZZ_DIR/$t.cpu"
    mkdir -p "$corpus" "$artifacts"
    local dict=()
    [ -f "$ROOT/fuzz/dict/$t.dict" ] && dict=("-dict=$ROOT/fuzz/dict/$t.dict")
    echo "== $t: ${SECONDS_PER_TARGET} s"
    local rc=0
    # -rss_limit_mb: a parser that takes more than this for one input is a finding.
    # The bash keyword `time` reports the user and system seconds of the fuzzer.
    { TIMEFORMAT='%U %S'; time "$FUZZ_DIR/fuzz/$t" "$corpus" "$ROOT/fuzz/corpus/$t" \
        "${dict[@]}" -max_total_time="$SECONDS_PER_TARGET" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$artifacts/" > "$log" 2>&1; } 2> "$cpu" || rc=$?
    if [ $rc -ne 0 ]; then
        echo "!! $t found a problem; see $log and $artifacts/"
        tail -40 "$log"
    fi
    local status execs cpus
    status="$(grep -E '^#[0-9]+' "$log" | tail -1 || true)"
    execs="$(grep -E 'stat::number_of_executed_units' "$log" | awk '{print $2}' || true)"
    cpus="$(awk '{printf "%.0f", $1 + $2}' "$cpu" 2>/dev/null || true)"
    echo "$t execs=${execs:-?} cpu=${cpus:-?}s last: $status" | tee "$FUZZ_DIR/$t.summary"
    return $rc
}

failed=0
pids=()
for t in "${TARGETS[@]}"; do
    if [ "$JOBS" -le 1 ]; then
        run_target "$t" || failed=1
        continue
    fi
    while [ "$(jobs -rp | wc -l)" -ge "$JOBS" ]; do
        wait -n || failed=1
    done
    run_target "$t" &
    pids+=($!)
done
for pid in "${pids[@]}"; do
    wait "$pid" || failed=1
done
: > "$SUMMARY"
for t in "${TARGETS[@]}"; do
    cat "$FUZZ_DIR/$t.summary" >> "$SUMMARY" 2>/dev/null || true
done
exit $failed
