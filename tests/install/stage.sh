#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a built tree into an empty staging folder, as a distribution's
# package build does: DESTDIR=<stage>, at the prefix the build was
# configured with, which the game's data folder was derived from.
#
#     stage.sh <build-dir> <stage-dir>
set -euo pipefail
[[ $# -eq 2 ]] || { echo "usage: $(basename "$0") <build-dir> <stage-dir>" >&2; exit 2; }
rm -rf "$2"
mkdir -p "$2"
DESTDIR="$2" cmake --install "$1" >"$2.log" 2>&1 || { cat "$2.log" >&2; exit 1; }
