#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Double-clicks as a player makes them, in an X server of the test's own:
# a double-click on the title picture starts one round that stays running;
# a quick double press on "吸血" is two presses, the second one held and
# showing its reaction; a double-click on the ending picture returns to the
# title and stays there.
#
#     double-clicks.sh <path-to-velmora>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_start_playing "${1:-}"
convert "$E2E_GAME_DIR/end.bmp" -resize '32x32!' -depth 8 "$E2E_WORK/known/end.png"
e2e_wait_for "title screen" e2e_shows_title

double_click() {
    xdotool mousemove --window "$E2E_WINDOW" "$1" "$2" click --repeat 2 --delay 120 1
}

double_click $E2E_TITLE_SPOT
e2e_wait_for "round to start (red action buttons)" e2e_shows_round

# The first press and its release come together, before the screen is
# painted; the second press is held, so its reaction stays on screen. A
# second press taken for nothing leaves the mood picture. A press on the
# title screen (had the double-click abandoned the round) shows nothing. A
# mood change can replace a reaction before it is seen: then again.
xdotool mousemove --window "$E2E_WINDOW" ${E2E_COM_SPOTS[0]/,/ }
shown=""
for attempt in 1 2 3; do
    e2e_wait_for "mood picture in the main picture" e2e_shows_picture '[012]'
    xdotool mousedown 1 mouseup 1 sleep 0.12 mousedown 1
    deadline=$((SECONDS + 3))
    while ((SECONDS < deadline)); do
        if e2e_shows_picture '[012]0'; then
            shown=$(e2e_main_picture)
            break
        fi
    done
    xdotool mouseup 1
    [[ -n "$shown" ]] && break
    echo "attempt $attempt: the held second press showed '$(e2e_main_picture)'" >&2
done
[[ -n "$shown" ]] || e2e_fail "the second press of a quick double press on \"吸血\" showed no reaction"
e2e_wait_for "mood picture after the release of \"吸血\"" e2e_shows_picture '[012]'

# Bites until vampirism or danger is full; every ending's boxes are
# answered with Return, and the last picture it leaves is end.bmp.
_box() {
    box=$(xdotool search --onlyvisible --name '^Velmora…$' 2>/dev/null | head -n 1)
    [[ -n "$box" ]]
}
_bite_until_an_ending() {
    _box && return 0
    xdotool mousemove --window "$E2E_WINDOW" ${E2E_COM_SPOTS[0]/,/ } click 1
    return 1
}
_ending_played_out() {
    if _box; then
        xdotool windowfocus --sync "$box" key Return 2>/dev/null || true
        return 1
    fi
    e2e_shows_picture end
}
e2e_wait_for "an ending's first box" _bite_until_an_ending
e2e_wait_for "the ending played out to end.bmp" _ending_played_out

double_click $E2E_IMG_CENTRE
e2e_wait_for "title screen after a double-click on the ending picture" e2e_shows_title
# A click the title screen answers visibly ("重い" becomes selected) comes
# after the double-click's second press: once it shows, that press has had
# its chance to start a round.
heavy="81x25+184+392"
convert "$E2E_SHOT" -crop "$heavy" +repage "$E2E_WORK/heavy-before.png"
_heavy_changed() {
    e2e_snapshot || return 1
    convert "$E2E_SHOT" -crop "$heavy" +repage "$E2E_WORK/heavy-now.png"
    ! compare -metric AE "$E2E_WORK/heavy-before.png" "$E2E_WORK/heavy-now.png" null: 2>/dev/null
}
e2e_click 224 404
e2e_wait_for "the click on \"重い\" to show" _heavy_changed
e2e_shows_title || e2e_fail "a double-click on the ending picture started a round"

e2e_close_and_expect_exit 0
echo "PASS: a double-click started one round, a double press on \"吸血\" held its reaction $shown.bmp, a double-click on the ending stayed on the title"
