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

# The demo's settings stay in run/, away from the user's own: the window
# places in run/config/, the coders' remark names in run/korvex.conf.
export XDG_CONFIG_HOME="$WORK_DIR/config"
mkdir -p "$XDG_CONFIG_HOME"
CONF="$WORK_DIR/korvex.conf"
if [ ! -e "$CONF" ]; then
    printf '; the demo settings, written by run.sh once; yours to change\n[remark_names]\n127.0.0.11 = Line 1\n127.0.0.12 = Line 2\n127.0.0.13 = Line 3\n' > "$CONF"
fi
# "Line 1" has a code reader (reader-sim, below); a korvex.conf without a
# reader gets this one once.
READER_PORT="${KORVEX_READER_PORT:-64100}"
if ! grep -q '^\[reader\.' "$CONF"; then
    printf '\n; the code reader after Line 1 (reader-sim), written by run.sh once\n[reader.1]\nhost = 127.0.0.1\nport = %s\ncoder = Line 1\nno_read = NOREAD\n' \
        "$READER_PORT" >> "$CONF"
fi
# An [mqtt] section run.sh wrote for an earlier KORVEX_MQTT=1 goes; the rest stays.
sed -i '/^; \[mqtt\] written by run.sh/,$d' "$CONF"

# KORVEX_MQTT=1: a broker of the demo's own on 127.0.0.1 and an [mqtt]
# section in korvex.conf, so that the window's PC publishes its coders.
BROKER_DIR="$WORK_DIR/broker"
if [ "${KORVEX_MQTT:-0}" = 1 ]; then
    "$ROOT/scripts/broker.sh" start "$BROKER_DIR"
    printf '; [mqtt] written by run.sh for KORVEX_MQTT=1 (to the end of the file)\n[mqtt]\nurl=mqtt://127.0.0.1:%s\ngroup=Plant\nnode=Line1\nuser=korvexd\npassword_file=%s\n' \
        "$(cat "$BROKER_DIR/port")" "$BROKER_DIR/korvexd.password" >> "$CONF"
    echo "Broker on 127.0.0.1:$(cat "$BROKER_DIR/port"); watch the coders with:"
    echo "  mosquitto_sub -h 127.0.0.1 -p $(cat "$BROKER_DIR/port") -u viewer -P viewer-pw -t 'spBv1.0/#' -F '%t (%l bytes)'"
fi

PROGRAM="$BUILD_DIR/apps/korvexcontrol/KorvexControl"
SIMULATOR="$BUILD_DIR/tools/coder-sim"
READER_SIM="$BUILD_DIR/tools/reader-sim"
cd "$WORK_DIR"

# The demo's catalogue, made on the first run: the products of
# samples/products.csv and the job template orange-juice-job.spr approved
# (unsigned while users are off), so that a job is ready to start with the
# lot the user types.
if [ ! -e "$WORK_DIR/korvex.db" ]; then
    CATALOGUE="$BUILD_DIR/tools/korvex-catalogue"
    if "$CATALOGUE" import "$ROOT/samples/products.csv" &&
        "$CATALOGUE" approve orange-juice-job.spr --signer "Demo Supervisor" < /dev/null; then
        echo "The demo's catalogue is in $WORK_DIR/korvex.db: products OJ-1L and OJ-330."
    else
        echo "The demo's catalogue could not be prepared (see above); the demo runs without it."
    fi
fi

# Three simulated coders connect to the program as real ones would (they keep
# retrying until it listens) and stop when it ends: "Line 1" from 127.0.0.11
# printing (green), "Line 2" from .12 ready (yellow), "Line 3" from .13
# stopped (red), each reporting its own current message.  "Line 1" runs in
# reader-sim, with a code reader after it on 127.0.0.1:64100
# (KORVEX_READER_PORT) that decodes each print.  KORVEX_CODERS=0
# runs without them; any other count runs that many printing, from
# 127.0.1.1 on.
SIM_PIDS=()
CODERS="${KORVEX_CODERS:-3}"
start_coders() { # program, name, then its options
    local program="$1" name="$2"
    shift 2
    mkdir -p "$WORK_DIR/simulated-coders/$name"
    "$program" --host 127.0.0.1 --port 64032 --folder "$WORK_DIR/simulated-coders/$name" "$@" \
        >> "$WORK_DIR/simulated-coders.log" 2>&1 &
    SIM_PIDS+=($!)
}
: > "$WORK_DIR/simulated-coders.log"
if [ "$CODERS" -eq 3 ]; then
    start_coders "$READER_SIM" printing --reader-port "$READER_PORT" --count 1 \
        --source 127.0.0.11 --status 1 --progress-step 3 --autostart \
        --message "$ROOT/samples/label1.spr"
    start_coders "$SIMULATOR" ready --count 1 --source 127.0.0.12 --status 2 --progress-step 7 \
        --autostart --message "$ROOT/samples/best-before.spr"
    start_coders "$SIMULATOR" stopped --count 1 --source 127.0.0.13 \
        --message "$ROOT/samples/every-symbology.spr"
elif [ "$CODERS" -gt 0 ]; then
    start_coders "$SIMULATOR" printing --count "$CODERS" --source 127.0.1.1 --status 1,1,2 \
        --autostart --message "$ROOT/samples/label1.spr"
fi
[ "$CODERS" -gt 0 ] && echo "Started $CODERS simulated coders (log: $WORK_DIR/simulated-coders.log)."
stop_simulator() {
    for pid in "${SIM_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    [ "${KORVEX_MQTT:-0}" = 1 ] && "$ROOT/scripts/broker.sh" stop "$BROKER_DIR"
    return 0
}
trap stop_simulator EXIT
trap "exit 130" INT TERM

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running KorvexControl under Xvfb (a virtual display)."
    xvfb-run -a -s "-screen 0 1280x800x24" "$PROGRAM" "$@"
else
    "$PROGRAM" "$@"
fi
