#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the manual's pictures from the real windows, offscreen, with the
# screenshot tools of this build:
#   draw-pictures.sh OUT_DIR SCRATCH_DIR SOURCE_DIR SHOTS_DIR
# Each tool runs in SCRATCH_DIR (made anew, with the sample messages) with
# its settings kept there, so that a build touches no one's own settings.
# A tool that fails or hangs fails the build, naming it.
set -euo pipefail
OUT="$1"
SCRATCH="$2"
SOURCE="$3"
SHOTS="$4"

rm -rf "$SCRATCH"
mkdir -p "$OUT" "$SCRATCH/Spray" "$SCRATCH/Image" "$SCRATCH/fonts" "$SCRATCH/config"
cp "$SOURCE"/samples/*.spr "$SCRATCH/Spray/"
cp "$SOURCE"/samples/Image/* "$SCRATCH/Image/"
# A message with a finding, for the pre-flight check's picture: its lot
# number reaches past the bottom edge of the print area.
sed -e 's/"TextAtY": 330/"TextAtY": 1150/' "$SOURCE/samples/label1.spr" > "$SCRATCH/Spray/lot-too-low.spr"

export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$SCRATCH/config"
export HOME="$SCRATCH"
# The sanitizer's leak check needs ptrace, which containers often deny.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
cd "$SCRATCH"

run() { # seconds, then the tool and its arguments
    local seconds="$1"
    shift
    if ! timeout "$seconds" "$@" > "$SCRATCH/$(basename "$1").log" 2>&1; then
        echo "draw-pictures: $(basename "$1") failed or took over ${seconds}s:" >&2
        cat "$SCRATCH/$(basename "$1").log" >&2
        exit 1
    fi
}
run 120 "$SHOTS/window-shots" "$OUT" Spray/label1.spr Spray/best-before.spr \
    Spray/every-symbology.spr Spray/lot-too-low.spr
run 120 "$SHOTS/journal-shots" "$OUT" Spray/label1.spr
run 60 "$SHOTS/view-shot" Spray/every-symbology.spr "$OUT/design-view.png" fit 1100
run 60 "$SHOTS/editor-shots" "$OUT" editor :/translate/en.qm
run 60 "$SHOTS/jobs-shots" "$OUT" Spray/label1.spr
touch "$OUT/.drawn"
