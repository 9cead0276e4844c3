#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages korvex-control and korvex-message-editor from the
# normal build (build/, or BUILD_DIR) into build/packages/.  The binaries are
# stripped in the packages; the build keeps its debug information.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
korvex_install_packages

korvex_build "$BUILD_DIR"
rm -f "$BUILD_DIR"/packages/*.deb
(cd "$BUILD_DIR" && cpack -G DEB) > "$BUILD_DIR/cpack.log" 2>&1 || {
    cat "$BUILD_DIR/cpack.log" >&2
    exit 1
}
ls -l "$BUILD_DIR"/packages/*.deb
