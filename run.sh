#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, prepares a working folder and launches
# the control application from it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
korvex_install_packages
korvex_build

WORK_DIR="${KORVEX_WORK_DIR:-$ROOT/run}"
mkdir -p "$WORK_DIR/Spray" "$WORK_DIR/devices" "$WORK_DIR/fonts" "$WORK_DIR/Image"

# Sample messages, without overwriting what the operator changed.
cp -n "$ROOT"/samples/*.spr "$WORK_DIR/Spray/" 2>/dev/null || true
cp -n "$ROOT"/samples/Image/* "$WORK_DIR/Image/" 2>/dev/null || true

# A few installed TrueType fonts, so the font list of the designer is not empty.
for f in /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
         /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf \
         /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf \
         /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf \
         /usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf \
         /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc; do
    if [ -f "$f" ] && [ ! -e "$WORK_DIR/fonts/$(basename "$f")" ]; then
        cp "$f" "$WORK_DIR/fonts/"
    fi
done

PROGRAM="$BUILD_DIR/apps/korvexcontrol/KorvexControl"
SIMULATOR="$BUILD_DIR/tools/coder-sim"
cd "$WORK_DIR"

# Three simulated coders connect to the program as real ones would (they keep
# retrying until it listens) and stop when it ends.  KORVEX_CODERS=0 runs
# without them.
SIM_PID=""
CODERS="${KORVEX_CODERS:-3}"
if [ "$CODERS" -gt 0 ]; then
    mkdir -p "$WORK_DIR/simulated-coders"
    "$SIMULATOR" --host 127.0.0.1 --port 64032 --count "$CODERS" \
        --folder "$WORK_DIR/simulated-coders" --status 1,1,2 --autostart \
        > "$WORK_DIR/simulated-coders.log" 2>&1 &
    SIM_PID=$!
    echo "Started $CODERS simulated coders (log: $WORK_DIR/simulated-coders.log)."
fi
stop_simulator() {
    if [ -n "$SIM_PID" ]; then
        kill "$SIM_PID" 2>/dev/null || true
    fi
}
trap stop_simulator EXIT
trap "exit 130" INT TERM

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running KorvexControl under Xvfb (a virtual display)."
    xvfb-run -a -s "-screen 0 1280x800x24" "$PROGRAM" "$@"
else
    "$PROGRAM" "$@"
fi
