#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Reads a round through AT-SPI, as a screen reader would, on a session bus
# and an accessibility bus of the test's own: the day label's name follows
# the day; the main picture is an image whose description names her mood,
# one description per mood picture on screen, different between moods; the
# danger bar's value is what the bar on screen shows, within two points;
# the only gauges are vampirism and danger (love stays hidden).
#
#     accessibility.sh <path-to-velmora>
set -euo pipefail

if [[ -z "${E2E_OWN_SESSION_BUS:-}" ]]; then
    command -v dbus-run-session >/dev/null 2>&1 || { echo "SKIP: dbus-run-session is not installed" >&2; exit 77; }
    exec dbus-run-session -- env E2E_OWN_SESSION_BUS=1 bash "$0" "$@"
fi
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_check_executable "${1:-}"
launcher=/usr/libexec/at-spi-bus-launcher
reader=(/usr/bin/python3 "$E2E_HERE/atspi-read.py")
[[ -x "$launcher" ]] || e2e_skip "$launcher is not installed (at-spi2-core)"
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null \
    || e2e_skip "python3-gi with gir1.2-atspi-2.0 is not installed"
game_dir=$(dirname "$(readlink -f "$1")")

launcher_pid=""
trap '[[ -n "$launcher_pid" ]] && kill "$launcher_pid" 2>/dev/null; _e2e_cleanup' EXIT
e2e_start_xvfb
"$launcher" --launch-immediately >"$E2E_WORK/launcher.log" 2>&1 &
launcher_pid=$!
e2e_learn_pictures "$game_dir"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 e2e_start_game "$1"
e2e_wait_for_window
e2e_wait_for "title screen" e2e_shows_title

read_tree() {
    "${reader[@]}" >"$E2E_WORK/tree.txt" 2>"$E2E_WORK/reader.err"
}
field() { # field <kind> <column> [name]: the column of the first matching line
    awk -F '\t' -v kind="$1" -v col="$2" -v name="${3:-}" \
        '$1 == kind && (name == "" || $2 == name) { print $col; exit }' "$E2E_WORK/tree.txt"
}
_game_on_the_bus() { read_tree; }
e2e_wait_for "the game on the accessibility bus" _game_on_the_bus

e2e_click $E2E_TITLE_SPOT
e2e_wait_for "round to start (red action buttons)" e2e_shows_round

# The day: "0" at the start, then every tick of the day clock.
_day_label_past_one() {
    read_tree || return 1
    local day
    day=$(awk -F '\t' '$1 == "label" && $2 ~ /^[0-9]+$/ { print $2; exit }' "$E2E_WORK/tree.txt")
    [[ -n "$day" ]] && ((day >= 2))
}
e2e_wait_for "the day label's accessible name to reach 2" _day_label_past_one

# Her mood: a description read before and after a snapshot, the same both
# times, belongs to the mood picture on screen.
declare -A said=()
_two_moods_described() {
    local before after shown
    read_tree || return 1
    before=$(field image 3)
    e2e_snapshot || return 1
    shown=$(e2e_main_picture)
    read_tree || return 1
    after=$(field image 3)
    if [[ -n "$before" && "$before" == "$after" && "$shown" =~ ^[012]$ ]]; then
        if [[ -n "${said[$shown]:-}" && "${said[$shown]}" != "$before" ]]; then
            e2e_fail "mood picture $shown was described both as '${said[$shown]}' and as '$before'"
        fi
        said[$shown]=$before
    fi
    ((${#said[@]} >= 2))
}
e2e_wait_for "descriptions of two different moods" _two_moods_described
moods=("${!said[@]}")
[[ "${said[${moods[0]}]}" != "${said[${moods[1]}]}" ]] \
    || e2e_fail "moods ${moods[0]} and ${moods[1]} have the same description: ${said[${moods[0]}]}"
[[ "$(field image 1)" == image ]] || e2e_fail "the main picture is no accessible image"

# Danger: yellow pixels across the middle of its box, against the value
# read just before and just after the snapshot (the drift only raises it).
box_left=8 box_width=265 box_row=380
_danger_matches() {
    local before after width shown
    read_tree || return 1
    before=$(field bar 3 危険度)
    e2e_snapshot || return 1
    read_tree || return 1
    after=$(field bar 3 危険度)
    [[ "$before" =~ ^[0-9]+$ && "$after" =~ ^[0-9]+$ ]] || e2e_fail "the danger bar has no accessible value: '$before'"
    ((before >= 5)) || return 1
    width=$(convert "$E2E_SHOT" -crop "${box_width}x1+${box_left}+${box_row}" +repage txt:- \
        | grep -ci '#FFFF00' || true)
    shown=$(((width * 100 + box_width / 2) / box_width))
    echo "danger: accessible $before..$after, on screen $shown ($width px)" >&2
    ((shown >= before - 2 && shown <= after + 2))
}
e2e_wait_for "the danger bar's accessible value to match the screen" _danger_matches

bars=$(awk -F '\t' '$1 == "bar" { print $2 }' "$E2E_WORK/tree.txt" | sort | xargs)
[[ "$bars" == "危険度 吸血鬼度" ]] || e2e_fail "the gauges assistive technology sees are '$bars', not 危険度 and 吸血鬼度"

e2e_close_and_expect_exit 0
echo "PASS: day label follows the day; moods ${moods[*]} described apart; danger bar value matches the screen"
