#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# Plays one scripted game under the Orca screen reader on a private X server and prints what Orca would say.
#
#   ./scripts/orca-speech.sh [GAME]     GAME defaults to build/brindlow
#
# Everything runs in a private display, session bus and accessibility bus, in one process group that is ended
# at the end. Orca needs no sound for this: its debug log records every "SPEECH OUTPUT" line it would speak.
# ORCA_LOG=FILE keeps the full debug log; WINS=N plays N games (black wins each in column 1), 1 by default.
# After the wins it opens Rules and About, and plays a tie, which leads to the New Game question.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside" ]; then
    . scripts/packages.sh
    ensure_packages xvfb openbox orca at-spi2-core dbus dbus-x11 xdotool x11-utils python3-gi gir1.2-atspi-2.0
    game=$(realpath "${1:-build/brindlow}")
    [ -x "$game" ] || { echo "no game at $game: build it first" >&2; exit 1; }
    work=$(mktemp -d)
    # The whole session in its own process group, so that ending the group ends everything it started.
    # The session bus reports each service it starts; that is no news.
    setsid timeout -k 5 "$((120 + 60 * ${WINS:-1}))" dbus-run-session -- "$0" --inside "$game" "$work" \
        2> >(grep -v '^dbus-daemon\[' >&2) &
    group=$!
    status=0
    wait "$group" || status=$?
    kill -TERM -- "-$group" 2>/dev/null || true
    sleep 1
    kill -KILL -- "-$group" 2>/dev/null || true
    [ -n "${ORCA_LOG:-}" ] && cp "$work/orca.log" "$ORCA_LOG"
    rm -rf "$work"
    exit "$status"
fi

game=$2
work=$3
log=$work/orca.log
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

display=
for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=:$n
        break
    fi
done
[ -n "$display" ] || { echo "no free display number" >&2; exit 1; }
export DISPLAY=$display
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
timeout 10 bash -c 'until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done'

# The accessibility bus, switched on for every toolkit in this session.
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
timeout 10 bash -c 'until gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.a11y.Bus.GetAddress >/dev/null 2>&1; do sleep 0.1; done'
gsettings set org.gnome.desktop.interface toolkit-accessibility true 2>/dev/null || true
gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<true>' >/dev/null
openbox >/dev/null 2>&1 &

orca --replace -u "$work/orca-prefs" --debug-file "$log" >/dev/null 2>&1 &
orca=$!
# Orca writes its log in bursts: the first burst says it is running, and it is listening a moment later.
timeout 20 bash -c "until [ -s '$log' ]; do sleep 0.2; done" || echo "(Orca wrote no log)"
sleep 2

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 &

# step TEXT: notes the time of what is about to happen, once Orca has had time to speak about the last step.
# Orca writes its log in bursts, so the speech is put between the steps by its time stamps at the end.
step() {
    sleep "${pause:-1.5}"
    printf '%s\t== %s\n' "$(date +%H:%M:%S.%6N)" "$1" >>"$work/steps"
}
window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -1; }

step "first name prompt"
window '^New Players$' >/dev/null
step "type Ann, Return"
xdotool type --delay 50 Ann
xdotool key Return
sleep 0.5
window '^New Players$' >/dev/null
step "type Bob, Return"
xdotool type --delay 50 Bob
xdotool key Return

# The board fills the window below the menu bar; a column's band is 850 twips (56.67 px) wide.
sleep 1
for _ in 1 2 3 4 5; do
    main=$(window '^ Brindlow$')
    height=$(xwininfo -id "$main" 2>/dev/null | awk '/Height:/ {print $2}') && [ -n "$height" ] && break
    sleep 1
done
board_y=$((height - 332 + 100))
for game_number in $(seq 1 "${WINS:-1}"); do
    move=0
    for column in 0 1 0 1 0 1 0; do
        move=$((move + 1))
        x=$(awk -v c="$column" 'BEGIN {printf "%d", (850 * c + 425) / 15}')
        step "game $game_number, move $move: click column $((column + 1))"
        # Held down as long as a hand holds it: the winner box opens while the button is down.
        xdotool mousemove --window "$main" "$x" "$board_y" mousedown 1 sleep "${HOLD:-0.15}" mouseup 1
        if [ "$game_number" = 1 ] && [ "$move" = 2 ]; then
            sleep 1
            stamp=$(date +%H:%M:%S.%6N)
            { echo "== the board as assistive technology sees it"; /usr/bin/python3 scripts/atspi-board.py 2>&1 || true; } |
                awk -v stamp="$stamp" '{print stamp "\t" $0}' >>"$work/steps"
        fi
    done
    window '^Winner$' >/dev/null
    step "close the winner box with Return"
    xdotool key Return
done
step "Help > Rules (Ctrl+R)"
timeout 5 bash -c "until [ \"\$(xdotool getactivewindow)\" = $main ]; do sleep 0.1; done" || true
xdotool key ctrl+r
window '^Rules of the Game$' >/dev/null
step "close the rules with Return"
xdotool key Return
step "Help > About (Ctrl+A)"
xdotool key ctrl+a
window '^About the Program$' >/dev/null
step "close the credits with Return"
xdotool key Return
# A game that fills the board without a line: the tie box, then the New Game question.
step "a tie game: 42 clicks"
for column in 2 0 0 0 0 0 0 1 1 1 1 1 1 2 2 2 2 2 3 3 3 3 3 3 6 4 4 4 4 4 4 5 5 5 5 5 5 6 6 6 6 6; do
    x=$(awk -v c="$column" 'BEGIN {printf "%d", (850 * c + 425) / 15}')
    xdotool mousemove --window "$main" "$x" "$board_y" mousedown 1 sleep "${HOLD:-0.15}" mouseup 1 sleep 0.3
done
window "^CAT'S GAME\$" >/dev/null
step "close the tie box with Return"
xdotool key Return
window '^New Game$' >/dev/null
step "keep the names: Return (Yes)"
xdotool key Return
sleep 1
stamp=$(date +%H:%M:%S.%6N)
{ echo "== Orca's own click on the cell at row 1, column 4"; /usr/bin/python3 scripts/atspi-board.py --click 3 2>&1 || true; } |
    awk -v stamp="$stamp" '{print stamp "\t" $0}' >>"$work/steps"
step "File > Exit (Ctrl+X)"
xdotool key ctrl+x
sleep 1.5
kill -TERM "$orca" 2>/dev/null || true
timeout 10 tail --pid="$orca" -f /dev/null || true

# Every spoken text, stamped with its time; one may run over several lines of the log, and the voice
# settings after it end it.
awk -v q="'" '
    function flush() {
        if (open) { sub(q "( voice=[a-z]+)? ?[{].*[}]$", "", text); print stamp "\t    " text }
        open = 0
    }
    / - SPEECH OUTPUT: / {
        flush(); stamp = $1; text = $0; sub("^.* - SPEECH OUTPUT: " q, "", text); open = 1; first = 1
    }
    open && !first { line = $0; sub(/^ +/, "", line); text = text " / " line }
    open && $0 ~ (q "( voice=[a-z]+)? ?[{].*[}]$") { flush() }
    { first = 0 }
    END { flush() }' "$log" >"$work/speech"
sort -s -t "$(printf '\t')" -k1,1 "$work/steps" "$work/speech" | cut -f2-
