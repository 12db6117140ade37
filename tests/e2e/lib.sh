# SPDX-License-Identifier: MIT
# Harness for the end-to-end scripts, sourced by each of them. A script
# calls e2e_start_xvfb, then e2e_start_game with the executable, then waits
# on what the screen shows with e2e_wait_for and the e2e_shows_* checks, and
# drives the game with xdotool. Every wait is bounded by E2E_TIMEOUT seconds
# and fails with a message naming what it waited for; an EXIT trap kills the
# game and the X server and removes the scratch folder on every way out.
# Exit status: 0 pass, 1 fail, 77 skip (a tool is missing; CTest's
# SKIP_RETURN_CODE).

E2E_TIMEOUT=${E2E_TIMEOUT:-30}
E2E_HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/velmora-e2e.XXXXXX")
E2E_XVFB_PID=""
E2E_PULSE_PID=""
E2E_GAME_PID=""
E2E_GAME_STATUS=""
E2E_WINDOW=""
E2E_SHOT="$E2E_WORK/window.png"

# Window-local places in pixels (twips / 15) where the layout promises a
# colour: the left end of each action button's face, clear of its caption;
# the black difficulty panel below its options; the red face of the first
# option, right of its caption; the main picture.
readonly E2E_PANEL_SPOT="140,428"
readonly E2E_OPTION_SPOT="90,400"
readonly E2E_COM_SPOTS=("20,284" "104,284" "192,284")
readonly E2E_COM_FACES=("FF0000" "FF8080" "FFC0C0")
readonly E2E_IMG_CENTRE="140 140"
readonly E2E_IMG_CROP="265x265+8+8"
readonly E2E_TITLE_SPOT="143 150"
# The factor the window is shown at: the places above are written for the
# laid-out window, and every check and click moves them to the same spot of
# a window enlarged or shrunk by this factor.
E2E_ZOOM=${E2E_ZOOM:-1}

e2e_fail() {
    echo "FAIL: $*" >&2
    if [[ -s "$E2E_WORK/game.err" ]]; then
        echo "--- the game's standard error:" >&2
        tail -n 20 "$E2E_WORK/game.err" >&2
    fi
    exit 1
}

e2e_skip() {
    echo "SKIP: $*" >&2
    exit 77
}

e2e_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || e2e_skip "$tool is not installed"
    done
}

_e2e_stop() {
    local pid=$1 i
    [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null || true
    for ((i = 0; i < 50; i++)); do
        _e2e_gone "$pid" && break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

_e2e_cleanup() {
    # The game first: it must not lose its display while still running.
    _e2e_stop "$E2E_GAME_PID"
    _e2e_stop "$E2E_PULSE_PID"
    _e2e_stop "$E2E_XVFB_PID"
    rm -rf "$E2E_WORK"
}
trap _e2e_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# A process that has ended but is not yet reaped still answers kill -0.
_e2e_gone() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
    stat=${stat##*) }
    [[ ${stat:0:1} == Z ]]
}

# e2e_wait_for <what> <command...>: runs the command until it succeeds.
# While the game is meant to be running, its early exit fails the wait at
# once instead of letting it time out.
e2e_wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until "$@"; do
        if [[ -n "$E2E_GAME_PID" && -z "$E2E_GAME_STATUS" ]] && _e2e_gone "$E2E_GAME_PID"; then
            wait "$E2E_GAME_PID" && E2E_GAME_STATUS=0 || E2E_GAME_STATUS=$?
            e2e_fail "the game exited with status $E2E_GAME_STATUS while waiting for $what"
        fi
        ((SECONDS < deadline)) || e2e_fail "no $what within ${E2E_TIMEOUT}s"
        sleep 0.05
    done
}

_e2e_display_ready() {
    kill -0 "$E2E_XVFB_PID" 2>/dev/null || e2e_fail "Xvfb did not start: $(cat "$E2E_WORK/xvfb.log")"
    [[ -s "$E2E_WORK/display" ]] && [[ $(tail -c 1 "$E2E_WORK/display") == "" ]]
}

# An X server of the script's own, on a display that Xvfb picks free.
e2e_start_xvfb() {
    e2e_require Xvfb xdotool import convert compare
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-640x480}x24" -nolisten tcp -noreset \
        3>"$E2E_WORK/display" >"$E2E_WORK/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_wait_for "X server" _e2e_display_ready
    export DISPLAY=":$(head -n 1 "$E2E_WORK/display")"
}

_e2e_pulse_ready() {
    kill -0 "$E2E_PULSE_PID" 2>/dev/null || e2e_fail "pulseaudio did not start: $(tail -n 5 "$E2E_WORK/pulse.log")"
    pactl info >/dev/null 2>&1
}

# e2e_start_pulse: a PulseAudio server of the script's own, with one null
# sink "velmora_e2e", on a socket in the scratch folder that PULSE_SERVER
# names. No configuration, no session bus, nothing outside the scratch
# folder; it runs as root too (with a warning), as in a container. Started
# again after e2e_stop_pulse, it listens on the same socket.
e2e_start_pulse() {
    e2e_require pulseaudio pactl
    local dir="$E2E_WORK/pulse"
    mkdir -p -m 700 "$dir"
    HOME="$dir" XDG_RUNTIME_DIR="$dir" XDG_CONFIG_HOME="$dir" PULSE_STATE_PATH="$dir" PULSE_RUNTIME_PATH="$dir" \
        DBUS_SESSION_BUS_ADDRESS=disabled: \
        pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --log-target=stderr \
        -L "module-null-sink sink_name=velmora_e2e" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$dir/native" \
        >>"$E2E_WORK/pulse.log" 2>&1 &
    E2E_PULSE_PID=$!
    export PULSE_SERVER="unix:$dir/native"
    e2e_wait_for "PulseAudio server" _e2e_pulse_ready
}

e2e_stop_pulse() {
    _e2e_stop "$E2E_PULSE_PID"
    E2E_PULSE_PID=""
}

# e2e_check_executable <path>: the argument every script takes.
e2e_check_executable() {
    [[ $# -ge 1 && -n "$1" ]] || { echo "usage: $(basename "$0") <path-to-velmora>" >&2; exit 2; }
    [[ -x "$1" && ! -d "$1" ]] || e2e_fail "$1 is not an executable file"
}

# e2e_use_build <build-folder> <file...>: for the benchmarks, which take a
# build folder and build nothing. Sets BUILD to its absolute path once every
# file named is found in it.
e2e_use_build() {
    [[ $# -ge 1 && -d "$1" ]] || { echo "usage: $(basename "$0") <build-folder>" >&2; exit 2; }
    BUILD=$(cd "$1" && pwd)
    shift
    local file
    for file in "$@"; do
        [[ -e "$BUILD/$file" ]] || e2e_fail "$BUILD/$file is missing: build it first"
    done
}

# e2e_start_playing <executable>: the usual start of a script that plays:
# an X server, the pictures beside the executable learnt, the game started
# and its window found. E2E_GAME_DIR is the executable's folder.
e2e_start_playing() {
    e2e_check_executable "${1:-}"
    E2E_GAME_DIR=$(dirname "$(readlink -f "$1")")
    e2e_start_xvfb
    e2e_learn_pictures "$E2E_GAME_DIR"
    e2e_start_game "$1"
    e2e_wait_for_window
}

# e2e_start_game <executable>: runs it in the background on the X server,
# without a sound device unless SDL_AUDIODRIVER names one, in the language
# of E2E_LANG (a LANG value; C.UTF-8, the game's own Japanese, unless set),
# whatever languages the desktop running the tests asks for.
e2e_start_game() {
    mkdir -m 700 "$E2E_WORK/runtime"
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="${E2E_LANG:-C.UTF-8}" \
        XDG_RUNTIME_DIR="$E2E_WORK/runtime" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" \
        "$1" >"$E2E_WORK/game.out" 2>"$E2E_WORK/game.err" &
    E2E_GAME_PID=$!
    E2E_GAME_STATUS=""
}

_e2e_find_window() {
    E2E_WINDOW=$(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null | head -n 1)
    [[ -n "$E2E_WINDOW" ]]
}

e2e_wait_for_window() {
    e2e_wait_for "game window on screen" _e2e_find_window
}

# e2e_snapshot: the game window as it is on screen now, into $E2E_SHOT.
e2e_snapshot() {
    import -window "$E2E_WINDOW" "$E2E_SHOT" 2>/dev/null
}

# e2e_zoomed <text>: every whole number in the text times E2E_ZOOM, rounded:
# "20,284" or "265x265+8+8" as they lie in the window at its present size.
e2e_zoomed() {
    awk -v zoom="$E2E_ZOOM" -v text="$1" 'BEGIN {
        while (match(text, /[0-9]+/)) {
            out = out substr(text, 1, RSTART - 1) int(substr(text, RSTART, RLENGTH) * zoom + 0.5)
            text = substr(text, RSTART + RLENGTH)
        }
        print out text
    }'
}

# e2e_pixel <x,y>: the colour at a window-local place of the last snapshot,
# as six hex digits.
e2e_pixel() {
    convert "$E2E_SHOT" -format "%[hex:p{$(e2e_zoomed "$1")}]" info: | cut -c 1-6
}

# A window mapped but not yet painted is black all over: the red option
# tells it from the title.
e2e_shows_title() {
    e2e_snapshot || return 1
    [[ $(e2e_pixel "$E2E_PANEL_SPOT") == 000000 && $(e2e_pixel "$E2E_OPTION_SPOT") == FF0000 &&
        $(e2e_pixel "${E2E_COM_SPOTS[0]}") != "${E2E_COM_FACES[0]}" ]]
}

e2e_shows_round() {
    e2e_snapshot || return 1
    local i
    for i in 0 1 2; do
        [[ $(e2e_pixel "${E2E_COM_SPOTS[$i]}") == "${E2E_COM_FACES[$i]}" ]] || return 1
    done
}

# e2e_learn_pictures <folder>: small copies of the twelve mood and reaction
# pictures, to tell which of them the main picture shows.
e2e_learn_pictures() {
    local name
    mkdir -p "$E2E_WORK/known"
    for name in 0 00 01 02 1 10 11 12 2 20 21 22; do
        [[ -r "$1/$name.bmp" ]] || e2e_fail "$1/$name.bmp is missing"
        convert "$1/$name.bmp" -resize '32x32!' -depth 8 "$E2E_WORK/known/$name.png"
    done
}

# e2e_main_picture: the name of the known picture nearest to what the main
# picture shows in the last snapshot, or nothing when none is near. The
# screen's smooth scaling differs from ImageMagick's, so "near" allows a
# little; distinct pictures lie far further apart.
e2e_main_picture() {
    local shown="$E2E_WORK/shown.png" known best="" bestDistance=2000 distance
    convert "$E2E_SHOT" -crop "$(e2e_zoomed "$E2E_IMG_CROP")" +repage -resize '32x32!' -depth 8 "$shown"
    for known in "$E2E_WORK"/known/*.png; do
        distance=$(compare -metric RMSE "$shown" "$known" null: 2>&1 | cut -d ' ' -f 1) || true
        distance=${distance%.*}
        if [[ "$distance" =~ ^[0-9]+$ ]] && ((distance < bestDistance)); then
            bestDistance=$distance
            best=$(basename "$known" .png)
        fi
    done
    echo "$best"
}

# e2e_shows_picture <pattern>: the main picture is a known picture whose
# name matches the glob, e.g. "?0" for any mood's reaction to "吸血".
e2e_shows_picture() {
    e2e_snapshot || return 1
    local shown
    shown=$(e2e_main_picture)
    [[ -n "$shown" && "$shown" == $1 ]]
}

# e2e_click <x> <y>: a left click at a window-local place.
e2e_click() {
    xdotool mousemove --window "$E2E_WINDOW" $(e2e_zoomed "$1 $2") click 1
}

_e2e_game_exited() {
    _e2e_gone "$E2E_GAME_PID" || return 1
    wait "$E2E_GAME_PID" && E2E_GAME_STATUS=0 || E2E_GAME_STATUS=$?
}

# e2e_wait_for_exit: waits for the game to end; its status in
# E2E_GAME_STATUS.
e2e_wait_for_exit() {
    local pid=$E2E_GAME_PID
    E2E_GAME_PID=""
    local deadline=$((SECONDS + E2E_TIMEOUT))
    until _e2e_gone "$pid"; do
        ((SECONDS < deadline)) || { E2E_GAME_PID=$pid; e2e_fail "the game did not exit within ${E2E_TIMEOUT}s"; }
        sleep 0.05
    done
    wait "$pid" && E2E_GAME_STATUS=0 || E2E_GAME_STATUS=$?
}

# e2e_stop_game: ends the game at once, for runs that do not test closing.
e2e_stop_game() {
    _e2e_stop "$E2E_GAME_PID"
    E2E_GAME_PID=""
}

_e2e_wmclose() {
    local tool=${E2E_WMCLOSE:-}
    if [[ -z "$tool" ]]; then
        if [[ -x "$E2E_HERE/wmclose" ]]; then
            tool="$E2E_HERE/wmclose"
        else
            tool=$(command -v wmclose) || e2e_skip "wmclose is not built: set E2E_WMCLOSE to its path"
        fi
    fi
    "$tool" "$@"
}

# e2e_close_window <window>: the close request a window manager sends.
e2e_close_window() {
    _e2e_wmclose "$1" || e2e_fail "could not send WM_DELETE_WINDOW to window $1"
}

# e2e_close_and_expect_exit <status>: closes the game window and expects the
# game to end with that status.
e2e_close_and_expect_exit() {
    e2e_close_window "$E2E_WINDOW"
    e2e_wait_for_exit
    [[ "$E2E_GAME_STATUS" == "$1" ]] || e2e_fail "closing the window ended the game with status $E2E_GAME_STATUS, not $1"
}

# e2e_keep_screenshot <name>: with E2E_SCREENSHOTS set to a folder, keeps
# the last snapshot there as screenshot-<name>.png.
e2e_keep_screenshot() {
    [[ -n "${E2E_SCREENSHOTS:-}" ]] || return 0
    mkdir -p "$E2E_SCREENSHOTS"
    cp "$E2E_SHOT" "$E2E_SCREENSHOTS/screenshot-$1.png"
}
