#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# Plays the game by keyboard under the Orca screen reader, as a blind player does, and checks what Orca says.
#
#   ./scripts/orca-speech.sh [GAME [FLOOR]]     GAME defaults to build/brindlow
#
# FLOOR, a bare Qt table (build/table_floor, built with -DBRINDLOW_BENCHMARKS=ON), is then played with the same
# key, and the landing's latency is given against it.
#
# The players type their names in the prompts, move along a board row with Orca's flat review (the desktop
# keypad keys) and drop checkers with Orca's "click the current item" (KP_Divide), close the boxes with Return
# and use the menu shortcuts. One game is won by black, one by red, one fills the board; Rules and About are
# read, and New Game is asked for and answered. The run fails, saying what was missing, if a move drops more
# or fewer than one checker, if a landing, a winner or a box is not spoken in full. It prints what Orca said,
# step by step, and the keys pressed for each move. What Orca says is taken from its debug log.
# ORCA_LOG=FILE keeps the full debug log; ORCA_KEY_HOLD=SECONDS holds each key that long (0.12 by default).
# ORCA_SESSION=gnome plays on GNOME's Wayland session (GNOME Shell without a screen), ORCA_SESSION=plasma on KDE
# Plasma's (KWin on a virtual screen), the game a native Wayland client on both; the default is X (Xvfb and
# openbox). On Plasma the run fails if Orca does not hear the keyboard through KWin's keyboard monitor.
# ORCA_LANGUAGE=de plays on a desktop in that language (one the game ships, e.g. de): the game and Orca speak
# it, and the checks read the game's words from its translation.
#
# Orca, its X server, its session bus and its accessibility bus run in a user, process, mount and network
# namespace of their own, with their own home and /tmp: this Orca sees no other Orca of the same user (so it
# needs no --replace, and ends none), and nothing outside sees it. All of it ends when the run ends.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside" ]; then
    . scripts/packages.sh
    # shellcheck disable=SC2086 # a list of package names
    ensure_packages $ORCA_PACKAGES
    # shellcheck disable=SC2086 # lists of package names
    case ${ORCA_SESSION:-x11} in
    gnome) ensure_packages $GNOME_PACKAGES ;;
    plasma) ensure_packages $PLASMA_PACKAGES ;;
    esac
    game=$(realpath "${1:-build/brindlow}")
    [ -x "$game" ] || { echo "no game at $game: build it first" >&2; exit 1; }
    # Status 77 tells the test runner that the run was skipped.
    if ! unshare --user --map-root-user true 2>/dev/null; then
        echo "SKIPPED: this system makes no user namespaces (a chroot, or switched off), and Orca runs in one" >&2
        exit 77
    fi
    # Not under /tmp: the namespace puts a /tmp of its own over it.
    work=$(mktemp -d /var/tmp/brindlow-orca.XXXXXX)
    trap 'rm -rf "$work"' EXIT
    cp "$game" "$work/brindlow"
    # The game's translations go with it, as it looks for them beside itself.
    [ -d "$(dirname "$game")/translations" ] && cp -r "$(dirname "$game")/translations" "$work/"
    [ -n "${2:-}" ] && cp "$2" "$work/table_floor"
    cp scripts/orca-play.py scripts/orca-speech.sh resources/rules.txt "$work/"
    if [ -n "${ORCA_LANGUAGE:-}" ]; then
        cp "translations/brindlow_$ORCA_LANGUAGE.ts" "$work/" ||
            { echo "FAIL: the game has no translation for $ORCA_LANGUAGE" >&2; exit 1; }
    fi
    status=0
    # The time limit ends the namespace's first process with SIGKILL (unshare ignores SIGTERM while it waits),
    # and the kernel then ends every process in it.
    timeout -s KILL "${ORCA_TIME_LIMIT:-600}" unshare --user --map-root-user --pid --fork --mount-proc --net \
        --kill-child "$work/orca-speech.sh" --inside "$work" || status=$?
    [ "$status" = 137 ] && echo "FAIL: the run took longer than ${ORCA_TIME_LIMIT:-600} s and was ended" >&2
    [ -n "${ORCA_LOG:-}" ] && cp "$work/orca.log" "$ORCA_LOG" 2>/dev/null
    exit "$status"
fi

# In the namespace: process 1, root of a user namespace that maps only the caller's own user.
work=$2
cd "$work"
mkdir -p tmp home runtime prefs
mount --bind "$work/tmp" /tmp
chmod 1777 /tmp
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
chmod 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY XDG_SESSION_TYPE
# The desktop's language, for Orca and the game alike: English, or ORCA_LANGUAGE.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
[ -n "${ORCA_LANGUAGE:-}" ] && export LANGUAGE=$ORCA_LANGUAGE
# wait_for SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds, for at most SECONDS.
wait_for() {
    local until=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$until" ] || return 1
        sleep 0.1
    done
}

# The accessibility bus, switched on for every toolkit in this session.
accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    wait_for 20 gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress || { echo "FAIL: the accessibility bus did not start" >&2; exit 1; }
    gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<true>' >/dev/null
}

if [ "${ORCA_SESSION:-x11}" = gnome ]; then
    # GNOME's Wayland session, as a player has it: GNOME Shell without a screen, which wants a system bus (a
    # private one) and the X socket folder for its Xwayland. The game is a native Wayland client.
    mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
    dbus-daemon --session --address="unix:path=$work/system-bus" --fork --nopidfile
    export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system-bus
    eval "$(dbus-launch --sh-syntax)"
    export DBUS_SESSION_BUS_ADDRESS
    accessibility_bus
    # Orca 48 reads its keymap from Xwayland; Orca 51 needs no X, and hangs on an Xwayland it would start.
    x11=()
    [ "$(orca --version | grep -o '[0-9]\+' | head -1)" -ge 51 ] && x11=(--no-x11)
    gnome-shell --headless --wayland --virtual-monitor 1024x768 "${x11[@]}" >shell.log 2>&1 &
    wait_for 60 test -S "$XDG_RUNTIME_DIR/wayland-0" ||
        { echo "FAIL: no GNOME Shell" >&2; cat shell.log >&2; exit 1; }
    export WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland
    unset DISPLAY
    for socket in /tmp/.X11-unix/X*; do [ -S "$socket" ] && export DISPLAY=":${socket##*/X}"; done
    wait_for 30 gdbus introspect --session --dest org.gnome.Mutter.RemoteDesktop \
        --object-path /org/gnome/Mutter/RemoteDesktop || { echo "FAIL: no remote desktop" >&2; exit 1; }
elif [ "${ORCA_SESSION:-x11}" = plasma ]; then
    # KDE Plasma's Wayland session, as a player has it: KWin on a virtual screen, with a private system bus.
    # KWin offers its fake input protocol, through which the keys come, to any client only with
    # KWIN_WAYLAND_NO_PERMISSION_CHECKS set. The game is a native Wayland client.
    dbus-daemon --session --address="unix:path=$work/system-bus" --fork --nopidfile
    export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system-bus
    eval "$(dbus-launch --sh-syntax)"
    # Plasma's session also sets KDE_FULL_SESSION and KDE_SESSION_VERSION; without the rest of Plasma, KWin
    # then waits half a minute before it opens its socket, and Orca did not read the game's first box in 30 s.
    export DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP=KDE
    accessibility_bus
    unset DISPLAY
    # Orca 48 reads its keymap from X, and waits for ever without: KWin then starts its Xwayland, as Plasma's
    # session does. Orca 51 needs no X.
    x11=()
    if [ "$(orca --version | grep -o '[0-9]\+' | head -1)" -lt 51 ]; then
        mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
        x11=(--xwayland)
    fi
    KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 kwin_wayland --virtual --width 1024 --height 768 --socket wayland-0 \
        --no-lockscreen --no-global-shortcuts "${x11[@]}" >kwin.log 2>&1 &
    wait_for 60 test -S "$XDG_RUNTIME_DIR/wayland-0" || { echo "FAIL: no KWin" >&2; cat kwin.log >&2; exit 1; }
    export WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland
    if [ ${#x11[@]} -gt 0 ]; then
        wait_for 30 compgen -G '/tmp/.X11-unix/X*' || { echo "FAIL: no Xwayland" >&2; cat kwin.log >&2; exit 1; }
        for socket in /tmp/.X11-unix/X*; do [ -S "$socket" ] && export DISPLAY=":${socket##*/X}"; done
    fi
    wait_for 30 gdbus introspect --session --dest org.kde.KWin --object-path /KWin ||
        { echo "FAIL: KWin is not on the session bus" >&2; cat kwin.log >&2; exit 1; }
else
    export DISPLAY=:1
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >xvfb.log 2>&1 &
    wait_for 20 xdpyinfo || { echo "FAIL: the X server did not start" >&2; cat xvfb.log >&2; exit 1; }
    eval "$(dbus-launch --sh-syntax)"
    export DBUS_SESSION_BUS_ADDRESS
    accessibility_bus
    openbox >/dev/null 2>&1 &
fi
# No speech-dispatcher: the namespace has no sound, and one with a synthesizer (speech-dispatcher-espeak-ng)
# stops answering Orca after a few sentences, which stops Orca. Without it Orca still writes every sentence
# to its debug log, which is what the run listens to.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
echo DisableAutoSpawn >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"

# Orca writes its debug log through a buffer; the log is read while Orca runs, so each line is written out
# when it ends. Orca reads this file from its settings directory when it starts.
cat >prefs/orca-customizations.py <<'EOF'
import orca.debug

if orca.debug.debugFile is not None:
    orca.debug.debugFile.reconfigure(line_buffering=True)
EOF
orca -u "$work/prefs" --debug-file "$work/orca.log" >orca.out 2>&1 &
floor=()
[ -x "$work/table_floor" ] && floor=(--floor "$work/table_floor")
exec /usr/bin/python3 orca-play.py --log "$work/orca.log" --game "$work/brindlow" --orca-pid "$!" \
    --session "${ORCA_SESSION:-x11}" "${floor[@]}"
