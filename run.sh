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
cd "$WORK_DIR"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running KorvexControl under Xvfb (a virtual display)."
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$PROGRAM" "$@"
fi
exec "$PROGRAM" "$@"
