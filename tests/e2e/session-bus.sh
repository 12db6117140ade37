#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the game on an X server of the test's own with no session bus, as on
# a bare X display: once the game has been closed, no dbus-launch or
# dbus-daemon for that display may be left running.
#
#     session-bus.sh <path-to-velmora>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_check_executable "${1:-}"
unset DBUS_SESSION_BUS_ADDRESS

# dbus-launch and the daemon it starts keep the environment of the program
# that asked for the bus, DISPLAY included.
_bus_processes_on_display() {
    local pid
    for pid in $(pgrep -x 'dbus-launch|dbus-daemon' || true); do
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "DISPLAY=$DISPLAY" && echo "$pid"
    done
    return 0
}

e2e_start_xvfb
# Only what appears while the game runs is the game's: a display number
# can be reused, and a bus left by some other program on an earlier server
# of the same number is none of this test's business.
before=$(_bus_processes_on_display | sort)
e2e_start_game "$1"
e2e_wait_for_window
e2e_wait_for "title screen" e2e_shows_title
e2e_close_and_expect_exit 0
left=$(comm -13 <(echo "$before") <(_bus_processes_on_display | sort) | xargs)
if [[ -n "$left" ]]; then
    found=$(ps -o pid=,args= -p "${left// /,}" || true)
    # They are the game's doing: they go with the test's X server.
    kill $left 2>/dev/null || true
    e2e_fail "the game left these running on $DISPLAY: $found"
fi
echo "PASS: no dbus-launch or dbus-daemon outlived the game on $DISPLAY"
