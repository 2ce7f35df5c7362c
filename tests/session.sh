# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the tests that run the game on a display of their own share: a scratch folder, the processes to end,
# the count of failures, bounded waits and a private Xvfb. Sourced by desktop_test.sh and access_bus_test.sh.

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
ok() { echo "ok: $*"; }

# until_ok SECONDS COMMAND...: runs COMMAND every 50 ms, its output dropped, until it succeeds; fails after
# SECONDS.
until_ok() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# start_display FIRST LAST SIZE [OPTION]: an Xvfb of SIZE (e.g. 1280x1024) on the first free display number
# from FIRST to LAST, as DISPLAY, given OPTION too. A number is taken when its lock or socket file is here, or when an X server elsewhere on
# this machine (a chroot with a /tmp of its own, say) listens on its abstract socket.
start_display() {
    local n
    for n in $(seq "$1" "$2"); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] ||
            grep -qE "@/tmp/.X11-unix/X$n( |\$)" /proc/net/unix || break
    done
    export DISPLAY=":$n"
    Xvfb "$DISPLAY" -screen 0 "$3x24" -nolisten tcp ${4:-} >/dev/null 2>&1 &
    pids+=($!)
    until_ok 10 xdpyinfo || { echo "FAIL: no Xvfb" >&2; exit 1; }
}
