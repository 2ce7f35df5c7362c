#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game on a desktop that runs the accessibility bus, in a session of its own (an X server, a session bus,
# the accessibility bus and its registry): the tests on that bus (TESTS: what the board tells, nothing sent
# and no box waiting while no assistive client listens, what Orca 43 needs), then the built game with Qt's
# accessibility switch set to 0, which keeps it off the bus, and set to 1, which puts it on.
#
#   access_bus_test.sh GAME TESTS...
set -uo pipefail
unset QT_QPA_PLATFORM QT_SCALE_FACTOR AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON
game=$(realpath "$1")
shift
tests=()
for test in "$@"; do tests+=("$(realpath "$test")"); done
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || { echo "FAIL: no at-spi-bus-launcher (Debian: at-spi2-core)" >&2; exit 1; }
. "$(dirname "$0")/session.sh"
start_display 200 259 1024x768
export XDG_RUNTIME_DIR=$work HOME=$work
eval "$(dbus-launch --sh-syntax)"
"$launcher" >/dev/null 2>&1 &
pids+=($!)
status() { gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus "$@"; }
until_ok 20 status --method org.a11y.Bus.GetAddress || { echo "FAIL: no accessibility bus" >&2; exit 1; }
address=$(status --method org.a11y.Bus.GetAddress | sed -n "s/^('\(.*\)',)\$/\1/p")
# The applications the registry knows: empty until one joins the bus.
registered() {
    DBUS_SESSION_BUS_ADDRESS=$address gdbus call --session --dest org.a11y.atspi.Registry \
        --object-path /org/a11y/atspi/accessible/root --method org.a11y.atspi.Accessible.GetChildren
}
until_ok 20 registered || { echo "FAIL: the registry does not answer" >&2; exit 1; }

# The desktop's accessibility switch on, as where some desktop setting asks for it, but no client listens.
echo "== the tests on the accessibility bus"
status --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<true>' >/dev/null
for test in "${tests[@]}"; do
    QT_QPA_PLATFORM=xcb "$test" || fail "$(basename "$test") on the accessibility bus"
done

# The desktop's switch stays off, as on a desktop with no screen reader. Unset, a game on Qt before 6.8 joins
# the bus all the same, so that a screen reader started later finds it (that Qt never asks again).
status --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<false>' >/dev/null
qt_version=$(qmake6 -query QT_VERSION 2>/dev/null || echo unknown)
before68=0
dpkg --compare-versions "$qt_version" lt 6.8 2>/dev/null && before68=1
for setting in unset 0 1; do
    if [ "$setting" = unset ]; then
        env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON "$game" >"$work/game.out" 2>&1 &
    else
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=$setting "$game" >"$work/game.out" 2>&1 &
    fi
    game_pid=$!
    if ! until_ok 20 xdotool search --onlyvisible --name '^New Players$'; then
        fail "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=$setting: no name prompt; the game says: $(cat "$work/game.out")"
    else
        # Qt joins the bus before the first box opens, or never.
        until_ok 5 sh -c "$(declare -f registered); address='$address'; registered | grep -q objectpath"
        joined=$(registered | grep -c objectpath)
        if [ "$setting" = 0 ] && [ "$joined" != 0 ]; then
            fail "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=0: the game joined the accessibility bus: $(registered)"
        elif [ "$setting" = unset ] && [ "$before68" = 1 ] && [ "$joined" = 0 ]; then
            fail "Qt $qt_version, the variable unset: the game did not join the bus a late screen reader uses"
        elif [ "$setting" = 1 ] && [ "$joined" = 0 ]; then
            fail "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1: the game did not join the accessibility bus"
        else
            echo "ok: QT_LINUX_ACCESSIBILITY_ALWAYS_ON=$setting: on the bus: $joined"
        fi
    fi
    kill "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    until_ok 10 sh -c "! xdotool search --onlyvisible --name '^New Players\$'"
done

[ "$failures" = 0 ] || { echo "FAILED: $failures problem(s)" >&2; exit 1; }
echo "PASSED"
