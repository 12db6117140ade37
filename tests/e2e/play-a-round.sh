#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Plays one short round of the built game in an X server of its own: the
# title screen; a click on the title picture starts a round; a press on
# "吸血" shows one of the reactions to it and its release brings a mood
# back; a click on the main picture returns to the title; closing the
# window ends the game with status 0.
#
#     play-a-round.sh <path-to-velmora> [<width>x<height> | fit | keys]
#
# With a size, the window must open as laid out (287 x 438) and is resized
# to that size before the round; its title screen, scaled back down, must
# match the laid-out one, and the round is played at the places the
# laid-out ones move to. With "fit", the window must lie whole on the
# screen (E2E_SCREEN), whatever size it chose, and the round is played at
# that size. With "keys", the same round is played from the keyboard
# alone (Enter starts it, holding 1 is holding "吸血", Escape abandons it),
# and then on to an ending: 1 again and again until the ending's first box,
# Enter held down through all its boxes and on past the last one, and the
# ending must still be on screen when Enter comes up; a fresh Enter returns
# to the title. The bare X server has no window manager, so the test gives
# the window the focus a window manager gives it: when it opens, and back
# from the ending's boxes once they have closed.
#
# With E2E_DRIFT=<points>, the first round is left alone until the danger
# bar has drifted that far before "吸血" is pressed; either way both bars
# must be whole once the reaction has shown.
#
# The game's pictures must lie beside the executable; they also tell which
# picture the screen shows. With E2E_SCREENSHOTS=<folder> the title screen
# and the reaction are kept there as screenshot-title.png and
# screenshot-round.png.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_start_playing "${1:-}"

# Sets X, Y, WIDTH, HEIGHT and size ("<width>x<height>") from the window.
window_size() {
    eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
    size="${WIDTH}x${HEIGHT}"
}

has_the_wanted_size() {
    window_size
    [[ $size == "$wanted" ]]
}

# The title screen, brought back to the laid-out size, against the one the
# window opened with: the two differ only by smoothing and by text hinted
# at another size (an RMSE near 0.03). A picture or control left at its
# old place or size differs far more.
laid_out_title="$E2E_WORK/laid-out-title.png"
shows_the_laid_out_title() {
    e2e_snapshot || return 1
    local distance
    distance=$(convert "$E2E_SHOT" -resize '287x438!' png:- | compare -metric RMSE - "$laid_out_title" null: 2>&1 |
        sed -n 's/.*(\(.*\))/\1/p')
    awk -v d="$distance" 'BEGIN { exit !(d != "" && d < 0.04) }'
}

wanted=${2:-}
window_size
if [[ $wanted == keys ]]; then
    wanted=""
    keys=yes
    xdotool windowfocus --sync "$E2E_WINDOW"
fi
if [[ $wanted == fit ]]; then
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    ((X >= 0 && Y >= 0 && X + WIDTH <= screen_width && Y + HEIGHT <= screen_height)) ||
        e2e_fail "the window ($size at $X,$Y) does not lie whole on the ${screen_width}x$screen_height screen"
    E2E_ZOOM=$(awk -v h="$HEIGHT" 'BEGIN { print h / 438 }')
elif [[ -n $wanted ]]; then
    [[ $size == 287x438 ]] || e2e_fail "the window opened at $size, not as laid out (287x438)"
fi
e2e_wait_for "title screen" e2e_shows_title
e2e_keep_screenshot title

if [[ -n $wanted && $wanted != fit ]]; then
    cp "$E2E_SHOT" "$laid_out_title"
    xdotool windowsize "$E2E_WINDOW" "${wanted%x*}" "${wanted#*x}"
    e2e_wait_for "window resized to $wanted" has_the_wanted_size
    E2E_ZOOM=$(awk -v h="$HEIGHT" 'BEGIN { print h / 438 }')
    e2e_wait_for "title screen at $wanted that matches the laid-out one" shows_the_laid_out_title
    e2e_keep_screenshot "title-$wanted"
fi

# The gauge boxes' left edge and width, and the row through each bar.
readonly bar_left=8 bar_width=265 vampirism_row=328 danger_row=376

# Each bar is one run of its colour from the left end of its box: a column
# of the box's colour inside it is a strip the bar left unpainted as it grew
# or shrank, which a scale factor of fractional pixels makes easy.
bars_are_whole() {
    local bar row colour
    for bar in "$vampirism_row FF0000" "$danger_row FFFF00"; do
        read -r row colour <<<"$bar"
        convert "$E2E_SHOT" -crop "$(e2e_zoomed "$bar_width")x1$(e2e_zoomed "+$bar_left+$row")" +repage -depth 8 txt:- |
            awk -v bar="#$colour" 'NR > 1 { on = $3 == bar; runs += on && !was; was = on } END { exit runs > 1 }' ||
            return 1
    done
}

# danger_bar_reaches <points>: the danger bar covers that many of its box's
# 100 points.
danger_bar_reaches() {
    e2e_snapshot && [[ $(e2e_pixel "$((bar_left + bar_width * $1 / 100 - 1)),$danger_row") == FFFF00 ]]
}

# What the player does, with the mouse or with the keys alone.
if [[ -n ${keys:-} ]]; then
    start_round() { xdotool key Return; }
    hold_bite() { xdotool keydown 1; }
    let_go() { xdotool keyup 1; }
    back_to_title() { xdotool key Escape; }
else
    start_round() { e2e_click $E2E_TITLE_SPOT; }
    hold_bite() { xdotool mousemove --window "$E2E_WINDOW" $(e2e_zoomed "${E2E_COM_SPOTS[0]/,/ }") mousedown 1; }
    let_go() { xdotool mouseup 1; }
    back_to_title() { e2e_click $E2E_IMG_CENTRE; }
fi

# The mood changes by itself every second or two and replaces a reaction
# even while the button is held. A press that a mood change overtook before
# the screen was looked at proves nothing either way, so the round is begun
# again from the title, with its gauges back at zero, and pressed anew.
shown=""
for attempt in 1 2 3; do
    start_round
    e2e_wait_for "round to start (red action buttons)" e2e_shows_round
    e2e_wait_for "mood picture in the main picture" e2e_shows_picture '[012]'
    if [[ -n ${E2E_DRIFT:-} && $attempt == 1 ]]; then
        e2e_wait_for "danger bar to drift to $E2E_DRIFT points" danger_bar_reaches "$E2E_DRIFT"
    fi
    hold_bite
    deadline=$((SECONDS + 5))
    while ((SECONDS < deadline)); do
        if e2e_shows_picture '[012]0'; then
            shown=$(e2e_main_picture)
            break
        fi
    done
    if [[ -n "$shown" ]]; then
        e2e_keep_screenshot round
        let_go
        e2e_wait_for "mood picture after the release of \"吸血\"" e2e_shows_picture '[012]'
        break
    fi
    echo "attempt $attempt: no reaction to \"吸血\" seen; main picture was '$(e2e_main_picture)'" >&2
    let_go
    back_to_title
    e2e_wait_for "title screen after going back" e2e_shows_title
done
[[ -n "$shown" ]] || e2e_fail "a press on \"吸血\" never showed a reaction picture (00, 10 or 20)"
e2e_snapshot
bars_are_whole || e2e_fail "a gauge bar shows a gap of its box's colour inside it"

if [[ -n ${keys:-} ]]; then
    back_to_title
    e2e_wait_for "title screen after Escape" e2e_shows_title
    start_round
    e2e_wait_for "round to start again" e2e_shows_round
    # Every bite raises danger or vampirism; between presses the key is up
    # long enough for its release to count.
    # The boxes are titled "Velmora…", the window "Velmora".
    box_open() { xdotool search --onlyvisible --name '^Velmora.' >/dev/null 2>&1; }
    bite_until_a_box() {
        box_open && return 0
        xdotool key 1
        sleep 0.1
        return 1
    }
    e2e_wait_for "an ending's first box after bite upon bite" bite_until_a_box
    # The English game closes on the curtain drawn with English words.
    convert "$E2E_GAME_DIR/en/end.bmp" -resize '32x32!' -depth 8 "$E2E_WORK/known/end.png"
    xdotool keydown Return
    e2e_wait_for "the ending's final picture, its boxes closed by Enter held down" e2e_shows_picture end
    xdotool windowfocus --sync "$E2E_WINDOW"
    # The X server repeats a held key 25 times a second after 660 ms: some
    # fifty repeats reach the window after the last box, and Qt leaves some
    # of them unmarked when the machine is busy.
    sleep 2.5
    xdotool keyup Return
    e2e_snapshot
    [[ $(e2e_main_picture) == end ]] || e2e_fail "the Enter that closed the ending's last box also left the ending"
    e2e_keep_screenshot ending
    xdotool key Return
    e2e_wait_for "title screen after a fresh Enter" e2e_shows_title
    e2e_close_and_expect_exit 0
    echo "PASS: with the keys alone: title, round, reaction $shown.bmp to \"吸血\", an ending, back to the title"
    exit 0
fi

back_to_title
e2e_wait_for "title screen after a click on the main picture" e2e_shows_title
e2e_close_and_expect_exit 0
echo "PASS: title, round, reaction $shown.bmp to \"吸血\", back to the title, closed with status 0"
