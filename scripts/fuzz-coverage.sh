#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How much of the parsers the fuzz corpora reach.  Builds the fuzz targets a
# second time in build-fuzzcov/ with clang's source-based coverage (no
# sanitizers), replays each target's working corpus (build-fuzz/corpus/,
# grown by scripts/fuzz.sh) and its seeds once, and prints the line and
# branch coverage of the files that target is written for.
#   scripts/fuzz-coverage.sh [target...]      default: every target
# The whole llvm-cov report of a target is left in build-fuzzcov/<target>.txt.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
FUZZ_DIR="${FUZZ_DIR:-$ROOT/build-fuzz}"
COV_DIR="${COV_DIR:-$ROOT/build-fuzzcov}"

# The files each target is written for.
declare -A FILES=(
    [fuzz_framedecoder]="network/framedecoder.cpp"
    [fuzz_filerecord]="network/filerecord.cpp"
    [fuzz_printparameters]="network/printparameters.cpp network/protocol.cpp"
    [fuzz_messagefile]="graphicsScene/messagefile.cpp"
    [fuzz_editorreader]="messageeditor/messagereader.cpp messageeditor/messagewriter.cpp"
    [fuzz_externdata]="graphicsScene/externdatamanage.cpp"
    [fuzz_dcmd]="plant/sparkplugpayload.cpp plant/plantcommand.cpp plant/parameterfields.cpp"
    [fuzz_gs1scan]="jobs/gs1scan.cpp"
)
TARGETS=("$@")
[ ${#TARGETS[@]} -eq 0 ] && TARGETS=(fuzz_framedecoder fuzz_filerecord fuzz_printparameters
                                     fuzz_messagefile fuzz_editorreader fuzz_externdata
                                     fuzz_dcmd fuzz_gs1scan)

CXX_BIN="$(command -v clang++ || command -v clang++-14)"
PROFDATA="$(command -v llvm-profdata || command -v llvm-profdata-14)"
LLVMCOV="$(command -v llvm-cov || command -v llvm-cov-14)"
COVERAGE="-fprofile-instr-generate -fcoverage-mapping"
if [ ! -f "$COV_DIR/build.ninja" ]; then
    cmake -S "$ROOT" -B "$COV_DIR" -G Ninja -DKORVEX_FUZZ=ON -DKORVEX_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER="$CXX_BIN" \
        "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link $COVERAGE" \
        "-DCMAKE_EXE_LINKER_FLAGS=$COVERAGE" \
        ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER}
fi
cmake --build "$COV_DIR" -j "$(nproc)" --target "${TARGETS[@]}"

export QT_QPA_PLATFORM=offscreen
for t in "${TARGETS[@]}"; do
    corpus=("$ROOT/fuzz/corpus/$t")
    [ -d "$FUZZ_DIR/corpus/$t" ] && corpus=("$FUZZ_DIR/corpus/$t" "${corpus[@]}")
    rm -f "$COV_DIR/$t".prof*
    LLVM_PROFILE_FILE="$COV_DIR/$t.profraw" "$COV_DIR/fuzz/$t" -runs=0 -timeout=60 \
        -rss_limit_mb=4096 "${corpus[@]}" > "$COV_DIR/$t.replay.log" 2>&1
    "$PROFDATA" merge -sparse "$COV_DIR/$t.profraw" -o "$COV_DIR/$t.profdata"
    "$LLVMCOV" report "$COV_DIR/fuzz/$t" -instr-profile="$COV_DIR/$t.profdata" \
        > "$COV_DIR/$t.txt"
    inputs="$(find "${corpus[@]}" -type f | wc -l)"
    echo "== $t ($inputs inputs)"
    # Lines and branches of the target's own files, as "covered of all (percent)".
    # The report names files relative to the build folder or the root.
    awk -v root="$ROOT/" -v files="${FILES[$t]}" '
        BEGIN { n = split(files, wanted, " "); for (i = 1; i <= n; ++i) keep[wanted[i]] = 1 }
        {
            name = $1; sub("^" root, "", name); sub(/^(\.\.\/)+/, "", name)
            if (!(name in keep)) next
            # Columns: regions missed cover functions missed executed lines missed cover branches missed cover
            printf "  %-36s lines %d of %d (%s)  branches %d of %d (%s)\n", name,
                $8 - $9, $8, $10, $11 - $12, $11, $13
        }' "$COV_DIR/$t.txt"
done
