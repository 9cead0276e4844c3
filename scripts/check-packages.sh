#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages (scripts/package.sh) and checks them as a plant
# PC gets them: lintian finds no error (its warnings are printed), each
# package unpacked into a scratch root holds its programs, menu entry, icons,
# metainfo and manual pages, the menu entries and metainfo validate, both
# programs started from the menu's launchers with a scratch home stay up,
# and the unpacked render-message draws a sample message.  test.sh runs it
# after the fuzz stage; KORVEX_PACKAGE=0 skips it there.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
started=$SECONDS

"$ROOT/scripts/package.sh"
PACKAGES_DIR="$BUILD_DIR/packages"

SCRATCH="$(mktemp -d)"
PIDS=()
cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$SCRATCH"
}
trap cleanup EXIT

FAILURES=0
fail() {
    echo "FAIL: $*" >&2
    FAILURES=$((FAILURES + 1))
}

# --- versions ------------------------------------------------------------------
# The package takes the project's version; the changelog and the metainfo
# must name the same one, or the package says one thing and the menu another.
control_deb="$(ls "$PACKAGES_DIR"/korvex-control_*.deb)"
editor_deb="$(ls "$PACKAGES_DIR"/korvex-message-editor_*.deb)"
version="$(dpkg-deb -f "$control_deb" Version)"
changelog_version="$(dpkg-parsechangelog -l "$ROOT/packaging/changelog" -S Version)"
[ "$changelog_version" = "$version" ] ||
    fail "packaging/changelog is at $changelog_version, the project at $version"
for metainfo in "$ROOT"/packaging/*.metainfo.xml; do
    release="$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)"
    [ "$release" = "$version" ] ||
        fail "$(basename "$metainfo") names release $release, the project is at $version"
done

# --- lintian -------------------------------------------------------------------
# Errors fail; warnings are shown for whoever looks.
lintian_status=0
lintian --fail-on error --display-level '>=warning' "$control_deb" "$editor_deb" \
    >"$SCRATCH/lintian.log" 2>&1 || lintian_status=$?
echo "lintian (errors and warnings):"
grep -v 'running with root privileges' "$SCRATCH/lintian.log" | sed 's/^/  /' || echo "  none"
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors"

# --- contents --------------------------------------------------------------------
# check_contents ROOT PACKAGE ID ICON PROGRAM... -- MANPAGE...
check_contents() {
    local root="$1" package="$2" id="$3" icon="$4"
    shift 4
    local expected=(
        "usr/share/applications/$id.desktop"
        "usr/share/metainfo/$id.metainfo.xml"
        "usr/share/icons/hicolor/scalable/apps/$icon.svg"
        "usr/share/doc/$package/copyright"
        "usr/share/doc/$package/changelog.gz"
    )
    local size
    for size in 16 32 48 64 128 256; do
        expected+=("usr/share/icons/hicolor/${size}x$size/apps/$icon.png")
    done
    while [ "$1" != "--" ]; do
        expected+=("usr/bin/$1")
        shift
    done
    shift
    local page
    for page in "$@"; do
        expected+=("usr/share/man/man1/$page.1.gz")
    done
    local f
    for f in "${expected[@]}"; do
        [ -e "$root/$f" ] || fail "$package lacks /$f"
    done
    for f in "$root"/usr/bin/*; do
        [ -x "$f" ] || fail "$package: /usr/bin/$(basename "$f") is not executable"
    done
    desktop-file-validate "$root/usr/share/applications/$id.desktop" ||
        fail "$package: desktop-file-validate"
    appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$SCRATCH/as.log" 2>&1 ||
        { cat "$SCRATCH/as.log" >&2; fail "$package: appstreamcli validate"; }
}

ROOTFS="$SCRATCH/root"
mkdir -p "$ROOTFS"
dpkg-deb -x "$control_deb" "$ROOTFS"
dpkg-deb -x "$editor_deb" "$ROOTFS"
check_contents "$ROOTFS" korvex-control org.korvex.KorvexControl korvex-control \
    KorvexControl korvex-control coder-sim render-message korvexd korvex-journal -- \
    KorvexControl korvex-control coder-sim render-message korvexd korvex-journal
[ -f "$ROOTFS/lib/systemd/system/korvexd.service" ] || fail "korvex-control holds no korvexd.service"
check_contents "$ROOTFS" korvex-message-editor org.korvex.MessageEditor korvex-message-editor \
    MessageEditor korvex-message-editor -- MessageEditor korvex-message-editor
for f in "$ROOTFS"/usr/share/korvex/samples/*.spr; do
    [ -f "$f" ] || fail "korvex-control holds no sample messages"
done

# --- the programs, started as the menu does -----------------------------------------
# A scratch home, so that nothing of the user's is read or changed; the
# unpacked programs find the system's Qt and need no library path.
export HOME="$SCRATCH/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_RUNTIME_DIR="$SCRATCH/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

LANG=it_IT.UTF-8 LANGUAGE='' LC_ALL='' LC_MESSAGES='' \
    "$ROOTFS/usr/bin/korvex-message-editor" -platform offscreen >"$SCRATCH/editor.log" 2>&1 &
PIDS+=($!)
editor_pid=$!
"$ROOTFS/usr/bin/korvex-control" -platform offscreen >"$SCRATCH/control.log" 2>&1 &
PIDS+=($!)
control_pid=$!
sleep 3
for program in control:$control_pid editor:$editor_pid; do
    if ! kill -0 "${program#*:}" 2>/dev/null; then
        fail "the ${program%%:*} program ended within 3 seconds:"
        sed 's/^/  /' "$SCRATCH/${program%%:*}.log" >&2
    fi
done
kill "$control_pid" "$editor_pid" 2>/dev/null || true
wait "$control_pid" "$editor_pid" 2>/dev/null || true
PIDS=()

WORK="$HOME/Korvex"
for f in Spray/label1.spr Spray/every-symbology.spr Image/korvex-logo.png; do
    [ -f "$WORK/$f" ] || fail "the launcher did not put $f into ~/Korvex"
done
for d in devices fonts; do
    [ -d "$WORK/$d" ] || fail "the launcher did not make ~/Korvex/$d"
done
[ "$(head -n1 "$WORK/MessageEditor/language.ini" 2>/dev/null)" = "language=:/translate/ita.qm" ] ||
    fail "the editor's launcher did not choose Italian for LANG=it_IT.UTF-8"

# render-message from the working folder, where the sample finds its picture.
if ! (cd "$WORK" && "$ROOTFS/usr/bin/render-message" Spray/every-symbology.spr "$SCRATCH/sample.png"); then
    fail "the unpacked render-message could not draw a sample"
elif ! file -b "$SCRATCH/sample.png" | grep -q '^PNG image data'; then
    fail "render-message wrote no PNG"
fi

echo "packages:"
for deb in "$control_deb" "$editor_deb"; do
    echo "  $(basename "$deb")  $(stat -c %s "$deb") bytes"
done
echo "package checks took $((SECONDS - started)) s"
if [ "$FAILURES" -ne 0 ]; then
    echo "$FAILURES package checks failed" >&2
    exit 1
fi
echo "the packages pass their checks"
