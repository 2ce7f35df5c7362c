#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# The built game as a player meets it, on a real X server: first with no window manager (where nobody but the
# game hands the keyboard to its window), then under openbox (window manager hints, parents of the boxes),
# then on a Wayland compositor, and finally with a display that isn't there. Every wait is bounded.
#
#   desktop_test.sh GAME LAUNCHER
set -uo pipefail
unset QT_QPA_PLATFORM QT_SCALE_FACTOR # the game finds its platform as on a player's desktop
# English, byte for byte, on a desktop without a language of its own; one run below is in German.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
game=$(realpath "$1")
launcher=$2
. "$(dirname "$0")/session.sh"
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
has_window() { [ -n "$(window_named "$1")" ]; }
no_window() { [ -z "$(window_named "$1")" ]; }
has_keyboard() { [ "$(xdotool getwindowfocus)" = "$(window_named "$1")" ]; }
# geometry WINDOW: "x y width height" of its client area on the screen
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}
# pixel X Y: the screen's colour there, as "R,G,B"
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/^0,0: (\([0-9,]*\)).*/\1/p'; }
is_pixel() { [ "$(pixel "$1" "$2")" = "$3" ]; }


# Starts the game and answers both name prompts; sets $main to its window.
start_game() {
    "$game" >"$work/game.out" 2>"$work/game.err" &
    game_pid=$!
    pids+=("$game_pid")
    if ! until_ok 20 has_window "New Players"; then
        fail "no \"New Players\" prompt; the game says: $(cat "$work/game.err"); windows: $(xdotool search --name . getwindowname %@ 2>&1 | tr '\n' '|')"
        return 1
    fi
    prompt=$(window_named "New Players")
}
answer_names() {
    for name in Ann Bob; do
        until_ok 5 has_window "New Players" || { fail "no prompt for $name"; return 1; }
        until_ok 5 has_keyboard "New Players" || fail "the prompt for $name does not have the keyboard"
        xdotool type --delay 5 "$name"
        xdotool key Return
        sleep 0.2
    done
    until_ok 10 has_window " Brindlow" || { fail "no main window after the names"; return 1; }
    main=$(window_named " Brindlow")
    until_ok 5 has_keyboard " Brindlow" || fail "the window does not have the keyboard after start-up"
    read -r wx wy ww wh <<<"$(geometry "$main")"
    board_top=$((wy + wh - 332)) # the menu bar stands above the board
}
# cell_x COLUMN, cell_y ROW: the centre of that circle on the screen
cell_x() { echo $((wx + 32 + 56 * $1)); }
cell_y() { echo $((board_top + 28 + 48 * $1)); }
# red_text: the status line (233 x 17 px at 80, 304 on the board) holds red letters
red_text() {
    local pixels
    pixels=$(import -window root -crop "233x17+$((wx + 80))+$((board_top + 304))" -depth 8 txt:-)
    grep -qE '^[0-9]+,[0-9]+: \((2[0-9][0-9]),([0-9]|[1-7][0-9]),([0-9]|[1-7][0-9])\)' <<<"$pixels"
}
click_column() {
    xdotool mousemove --sync "$(cell_x "$1")" "$((board_top + 100))" click 1
}
expect_exit() {
    local want=$1 status
    for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$game_pid" 2>/dev/null; then
        fail "the game did not end"
        kill "$game_pid"
    fi
    wait "$game_pid"
    status=$?
    [ "$status" = "$want" ] && ok "exit status $status" || fail "exit status $status, not $want"
}
centred_on() { # centred_on WINDOW X Y: the window's middle is within 64 px of X,Y (Qt leaves room for a frame)
    local x y w h
    read -r x y w h <<<"$(geometry "$1")"
    [ $(((x + w / 2 - $2) ** 2 + (y + h / 2 - $3) ** 2)) -lt 4096 ]
}

# -noreset: an X server resets when its last client leaves, and drops a client that connects meanwhile. The
# game starting while xdotool polls for its window is such a client; on a busy machine the reset is slow
# enough to catch it, and the game then cannot open the display.
start_display 140 199 1280x1024 -noreset

echo "== no window manager: a whole game, the keyboard, the screen"
xdotool mousemove 0 0 # away from the window: the keyboard must not follow the pointer into it
start_game && answer_names && {
    # The shortcuts work at once and after every box, without a click to give the window the keyboard.
    xdotool key ctrl+r
    until_ok 5 has_window "Rules of the Game" && ok "Ctrl+R at start-up" || fail "no keyboard at start-up"
    xdotool key Return
    until_ok 5 no_window "Rules of the Game"
    xdotool key ctrl+n
    until_ok 5 has_window "New Game" || fail "Ctrl+N after the Rules box"
    xdotool key Return
    until_ok 5 no_window "New Game"
    xdotool key ctrl+a
    until_ok 5 has_window "About the Program" && ok "the keyboard after the Yes/No box" ||
        fail "no keyboard after the Yes/No box"
    xdotool key Return
    until_ok 5 no_window "About the Program"

    # The board on the screen follows a press, not only the board in a grab.
    click_column 0
    until_ok 3 is_pixel "$(cell_x 0)" "$(cell_y 5)" 0,0,0 && ok "a press is painted on the screen" ||
        fail "the press is not on the screen: $(pixel "$(cell_x 0)" "$(cell_y 5)")"
    # One gesture is one move: a fast double click, and a click that a screen reader repeats 2 ms later
    # 1 px over, each drop one checker.
    xdotool mousemove --sync "$(cell_x 1)" "$((board_top + 100))" click --repeat 2 --delay 40 1
    until_ok 3 is_pixel "$(cell_x 1)" "$(cell_y 5)" 255,0,0 || fail "a double click dropped no red checker"
    sleep 0.3
    is_pixel "$(cell_x 1)" "$(cell_y 4)" 255,255,255 && ok "a double click drops one checker" ||
        fail "a double click dropped a second checker: $(pixel "$(cell_x 1)" "$(cell_y 4)")"
    xdotool mousemove --sync "$(cell_x 0)" "$((board_top + 100))" click 1 sleep 0.002 \
        mousemove "$(($(cell_x 0) + 1))" "$((board_top + 100))" click 1
    until_ok 3 is_pixel "$(cell_x 0)" "$(cell_y 4)" 0,0,0 || fail "a repeated click dropped no black checker"
    sleep 0.3
    is_pixel "$(cell_x 0)" "$(cell_y 3)" 255,255,255 && ok "a click repeated 2 ms later drops one checker" ||
        fail "a click repeated 2 ms later dropped a second checker: $(pixel "$(cell_x 0)" "$(cell_y 3)")"
    for column in 1 0 1 0; do click_column "$column"; done
    if until_ok 5 has_window "Winner"; then
        # While the winner is announced the winning checker is on the screen, and so is the status line as the
        # winning move left it: the red player's turn, in red.
        until_ok 3 is_pixel "$(cell_x 0)" "$(cell_y 2)" 0,0,0 && ok "the winning line shows with the Winner box" ||
            fail "the winning checker is not on the screen while the Winner box is open"
        until_ok 3 red_text && ok "the status line shows red with the Winner box" ||
            fail "the status line is not red while the Winner box is open"
        xdotool key Return
        until_ok 5 is_pixel "$(cell_x 0)" "$(cell_y 5)" 255,255,255 || fail "the board is not cleared on screen"
    else
        fail "no Winner box"
    fi
    xdotool key ctrl+x
    expect_exit 0
}

echo "== openbox: parents, places and hints"
openbox >/dev/null 2>&1 &
pids+=($!)
until_ok 10 xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null
sleep 0.5
start_game && {
    xprop -id "$prompt" WM_TRANSIENT_FOR | grep -q 'not found' && ok "the start-up prompt claims no parent" ||
        fail "the start-up prompt claims a parent: $(xprop -id "$prompt" WM_TRANSIENT_FOR)"
    centred_on "$prompt" 640 512 && ok "the start-up prompt is centred on the screen" ||
        fail "the start-up prompt stands at $(geometry "$prompt")"
    answer_names && {
        class=$(xprop -id "$main" WM_CLASS | sed 's/.*", "\(.*\)"/\1/')
        grep -qx "StartupWMClass=$class" "$launcher" && ok "WM_CLASS $class matches the launcher" ||
            fail "WM_CLASS \"$class\" is not the launcher's $(grep StartupWMClass "$launcher")"
        read -r _ functions _ <<<"$(xprop -id "$main" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')"
        # 0x2: resize, 0x10: maximise
        ((functions & 0x12)) && fail "the window offers resize or maximise: functions $functions" ||
            ok "no resize and no maximise offered"
        xdotool key ctrl+n
        until_ok 5 has_window "New Game"
        xdotool key n
        if until_ok 5 has_window "New Players"; then
            prompt=$(window_named "New Players")
            xprop -id "$prompt" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$main")" &&
                ok "a later prompt belongs to the window" || fail "a later prompt does not belong to the window"
            centred_on "$prompt" $((wx + ww / 2)) $((wy + wh / 2)) && ok "and is centred on it" ||
                fail "a later prompt stands at $(geometry "$prompt")"
            answer_names
        else
            fail "New Game answered No asks for no names"
        fi
        for column in 0 1 0 1 0 1 0; do click_column "$column"; done
        if until_ok 5 has_window "Winner"; then
            read -r _ _ width _ <<<"$(geometry "$(window_named Winner)")"
            [ "$width" -ge 200 ] && ok "the Winner box is $width px wide" ||
                fail "the Winner box is only $width px wide"
            xdotool key Return
        else
            fail "no Winner box"
        fi
        xdotool key ctrl+x
        expect_exit 0
    }
}
kill "${pids[-1]}" 2>/dev/null

echo "== Wayland: weston inside this X server"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --socket=brindlow-test --width=1024 --height=768 \
    >"$work/weston.log" 2>&1 &
pids+=($!)
if until_ok 10 test -S "$XDG_RUNTIME_DIR/brindlow-test"; then
    WAYLAND_DISPLAY=brindlow-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$game" 2>"$work/wayland.log" &
    pids+=($!)
    until_ok 10 grep -q 'set_title("New Players")' "$work/wayland.log" &&
        ok "the \"New Players\" prompt on Wayland" || fail "no \"New Players\" prompt on Wayland"
    grep -q 'set_app_id("org.brindlow.Brindlow")' "$work/wayland.log" && ok "app id org.brindlow.Brindlow" ||
        fail "no app id on Wayland"
    kill "${pids[-1]}"
    # The desktop's language, as the player's session sets it.
    LANGUAGE=de WAYLAND_DISPLAY=brindlow-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$game" \
        2>"$work/wayland-de.log" &
    pids+=($!)
    until_ok 10 grep -q 'set_title("Neue Spieler")' "$work/wayland-de.log" &&
        ok "LANGUAGE=de: the \"Neue Spieler\" prompt" || fail "LANGUAGE=de: no German prompt"
    kill "${pids[-1]}"
else
    fail "weston did not start: $(tail -3 "$work/weston.log")"
fi

echo "== a display that isn't there"
no_display() { # no_display EXPECTED-WORDS ENV...: the game says so in one line and ends with status 1
    local words=$1 status
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$game" >"$work/out" 2>&1
    status=$?
    if [ "$status" = 1 ] && [ "$(grep -c . "$work/out")" = 1 ] && grep -qF "$words" "$work/out"; then
        ok "$* -> status 1: $(cat "$work/out")"
    else
        fail "$* -> status $status: $(cat "$work/out")"
    fi
}
no_display "neither DISPLAY nor WAYLAND_DISPLAY"
no_display '":99999"' DISPLAY=:99999
no_display '"brindlow-none"' XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" WAYLAND_DISPLAY=brindlow-none

[ "$failures" = 0 ] && echo "desktop test ok" || echo "desktop test: $failures failures"
[ "$failures" = 0 ]
