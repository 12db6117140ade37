#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the game with a font configuration of the test's own that knows only
# DejaVu, as on a bare system without a Japanese font: it must say on
# standard error, in one line, which font package is missing, and still
# show its title screen and close normally.
#
#     missing-font.sh <path-to-velmora>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_check_executable "${1:-}"
dejavu=/usr/share/fonts/truetype/dejavu
[[ -d "$dejavu" ]] || e2e_skip "$dejavu is not installed (fonts-dejavu-core)"
cat >"$E2E_WORK/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$dejavu</dir>
  <cachedir>$E2E_WORK/fontcache</cachedir>
</fontconfig>
CONF
export FONTCONFIG_FILE="$E2E_WORK/fonts.conf"

e2e_start_xvfb
e2e_start_game "$1"
e2e_wait_for_window
e2e_wait_for "title screen" e2e_shows_title
lines=$(grep -c 'fonts-ipafont-gothic' "$E2E_WORK/game.err" || true)
((lines == 1)) || e2e_fail "standard error names fonts-ipafont-gothic in $lines lines, not one"
e2e_close_and_expect_exit 0
echo "PASS: without a Japanese font the game said: $(grep 'fonts-ipafont-gothic' "$E2E_WORK/game.err")"
