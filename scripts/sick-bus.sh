#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# What a sick accessibility bus costs a sighted player, against a healthy one: on a private X server with a
# session bus, the accessibility bus (switched on, AT_SPI_BUS on the root window) and its registry, the game
# joins the bus; then, with the registry answering, frozen (SIGSTOP) and killed, and with the bus daemon
# killed, it measures a press to its checker painted (XTest press to the first damage of the window, by the
# latency probe's clickwait), the winning press to the Winner box on screen, and Exit's status; and the
# start-up to the first name prompt with the registry answering and frozen. Figures, not a test.
#
#   ./scripts/sick-bus.sh [GAME]     GAME defaults to build/brindlow; LATENCY_PROBE names the probe's folder
set -euo pipefail
cd "$(dirname "$0")/.."
game=$(realpath "${1:-build/brindlow}")
probe=$(realpath "${LATENCY_PROBE:-../shared/tools/latency-probe}")
launcher=/usr/libexec/at-spi-bus-launcher
. scripts/packages.sh
ensure_packages libx11-dev libxtst-dev libxdamage-dev xvfb xdotool x11-utils at-spi2-core dbus-x11 libglib2.0-bin
. tests/session.sh
cc -O2 -o "$work/clickwait" "$probe/clickwait.c" -lXdamage -lXtst -lX11
start_display 260 299 1280x1024 -noreset
export XDG_RUNTIME_DIR=$work HOME=$work
unset QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON

now() { date +%s%N; }
ms_since() { echo $((($(now) - $1) / 1000000)); }
# The session: a session bus, the accessibility bus (switched on) and its registry; sets address and registry.
session() {
    eval "$(dbus-launch --sh-syntax)"
    "$launcher" --launch-immediately >/dev/null 2>&1 &
    pids+=($!)
    until_ok 20 gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress
    gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<true>' >/dev/null
    address=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress | sed -n "s/^('\(.*\)',)\$/\1/p")
    pid_of_name() {
        DBUS_SESSION_BUS_ADDRESS=$address gdbus call --session --dest org.freedesktop.DBus \
            --object-path /org/freedesktop/DBus --method org.freedesktop.DBus.GetConnectionUnixProcessID "$1" |
            grep -o '[0-9]\+' | tail -1
    }
    # The registry starts at the first question asked of it.
    until_ok 20 env DBUS_SESSION_BUS_ADDRESS="$address" gdbus call --session --dest org.a11y.atspi.Registry \
        --object-path /org/a11y/atspi/accessible/root --method org.a11y.atspi.Accessible.GetChildren
    registry=$(pid_of_name org.a11y.atspi.Registry)
    bus_daemon=$(pid_of_name org.freedesktop.DBus)
}
end_session() {
    kill -CONT "$registry" 2>/dev/null || true
    kill "$registry" "$bus_daemon" "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
    pkill -f "at-spi-bus-launcher" 2>/dev/null || true
    sleep 0.5
}

# play CONDITION: a game under CONDITION (healthy, frozen, registry-killed, bus-killed, frozen-at-start).
play() {
    local condition=$1 started ms window box status
    session
    [ "$condition" = frozen-at-start ] && kill -STOP "$registry"
    started=$(now)
    "$game" >"$work/game.out" 2>&1 &
    local pid=$! startup_ms=none
    while [ "$(ms_since "$started")" -lt 30000 ]; do
        if xdotool search --onlyvisible --name '^New Players$' >/dev/null 2>&1; then
            startup_ms=$(ms_since "$started")
            break
        fi
    done
    for name in Ann Bob; do
        xdotool type --delay 10 "$name"
        xdotool key Return
        sleep 0.4
    done
    window=$(xdotool search --onlyvisible --name '^ Brindlow$' | head -1)
    sleep 0.5
    # Whether the game joined the bus: its entry among the registry's applications.
    local joined=no
    DBUS_SESSION_BUS_ADDRESS=$address timeout 2 gdbus call --session --dest org.a11y.atspi.Registry \
        --object-path /org/a11y/atspi/accessible/root --method org.a11y.atspi.Accessible.GetChildren \
        2>/dev/null | grep -q "':" && joined=yes
    # Qt's bridge answers what the registry tells it in the meantime with calls that wait for its answer, as
    # long as 25 s when it is frozen then: that is Qt's, and is let pass before the registry freezes.
    sleep 1
    case $condition in
    frozen) kill -STOP "$registry" ;;
    registry-killed) kill "$registry" ;;
    bus-killed) kill "$bus_daemon" ;;
    esac
    sleep 0.3
    # Six presses that win nothing (black in column 1, red in column 2), then black's winning fourth.
    "$work/clickwait" -g 300 "$window" 6 24,199 80,199 >"$work/clicks.txt" || true
    ms=$(grep -o 'latency_ms=[0-9.]*' "$work/clicks.txt" | cut -d= -f2 | sort -n | sed -n 3,4p | paste -sd' ')
    started=$(now)
    xdotool mousemove --window "$window" 24 199 click 1
    box=none
    while [ "$(ms_since "$started")" -lt 10000 ]; do
        if xdotool search --onlyvisible --name '^Winner$' >/dev/null 2>&1; then
            box=$(ms_since "$started")
            break
        fi
    done
    xdotool key Return
    sleep 0.5
    xdotool key ctrl+x
    status=gone
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$pid" 2>/dev/null; then kill "$pid"; status=hung; else wait "$pid" && status=0 || status=$?; fi
    printf '%-16s on the bus %-3s  start-up %5s ms   press to paint (middle two of 6) %-14s   winning press to box %5s ms   exit %s\n' \
        "$condition" "$joined" "$startup_ms" "$ms" "$box" "$status"
    end_session
}

for condition in healthy frozen registry-killed bus-killed healthy frozen-at-start; do
    play "$condition"
done
