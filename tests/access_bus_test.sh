#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game on a desktop that runs the accessibility bus, in a session of its own as a desktop's login makes it
# (an X server that keeps its root window's properties, a session bus, the accessibility bus launched at once,
# which puts AT_SPI_BUS on the root window, and its registry): the tests on that bus (TESTS: what the board
# tells, nothing sent and no box waiting while no assistive client listens, what Orca 43 needs), then the
# built game with Qt's accessibility variable unset and set to 1, which put it on the bus, and set to 0,
# false, no or off, which keep it off whatever the desktop's switch says, also when it turns on mid-game.
#
#   access_bus_test.sh GAME TESTS...
set -uo pipefail
unset QT_QPA_PLATFORM QT_SCALE_FACTOR AT_SPI_BUS_ADDRESS QT_LINUX_ACCESSIBILITY_ALWAYS_ON
# The game in English, whatever the language of the machine that runs the test.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
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
start_display 200 259 1024x768 -noreset
export XDG_RUNTIME_DIR=$work HOME=$work
eval "$(dbus-launch --sh-syntax)"
"$launcher" --launch-immediately >/dev/null 2>&1 &
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

# The game's own entries among the registry's applications, and its own connections to the accessibility bus,
# by the process each belongs to.
on_bus() { DBUS_SESSION_BUS_ADDRESS=$address gdbus call --session "$@" 2>/dev/null; }
pid_of() {
    on_bus --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.GetConnectionUnixProcessID "$1" | grep -o '[0-9]\+' | tail -1
}
count_of() { # count_of PID NAME...: how many of the bus names belong to PID
    local pid=$1 n=0 name
    shift
    for name in "$@"; do [ "$(pid_of "$name")" = "$pid" ] && n=$((n + 1)); done
    echo "$n"
}
registrations() {
    # shellcheck disable=SC2046 # one bus name a word
    count_of "$1" $(registered | grep -o "':[0-9.]*'" | tr -d "'")
}
connections() {
    # shellcheck disable=SC2046
    count_of "$1" $(on_bus --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.ListNames | grep -o "':[0-9.]*'" | tr -d "'")
}
# gone_objects PID WHAT: a client that keeps asking about an object that is gone (as screen readers do after
# a box closes) leaves a line or two on the game's standard error, not one a question.
gone_objects() {
    local name lines before
    # shellcheck disable=SC2046
    for name in $(registered | grep -o "':[0-9.]*'" | tr -d "'"); do
        [ "$(pid_of "$name")" = "$1" ] && break
    done
    before=$(grep -c . "$work/game.out")
    for _ in $(seq 100); do
        on_bus --dest "$name" --object-path /org/a11y/atspi/accessible/4242 \
            --method org.a11y.atspi.Accessible.GetRole >/dev/null
    done
    sleep 0.2
    lines=$(($(grep -c . "$work/game.out") - before))
    [ "$lines" -le 2 ] && echo "ok: $2: 100 questions about a gone object, $lines lines on standard error" ||
        fail "$2: 100 questions about a gone object left $lines lines on standard error: $(tail -n "$lines" "$work/game.out" | sort | uniq -c | head -3)"
}
switch() { status --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled "<$1>" >/dev/null; }

# check SETTING SWITCH [ON-MID-GAME]: starts the game with QT_LINUX_ACCESSIBILITY_ALWAYS_ON as SETTING (or
# unset), the desktop's switch as SWITCH (true, false) and, given the third word, turns the switch on once the
# game is up; then the game must be on the bus (unset, 1) or off it (every other setting).
check() {
    local setting=$1 what="QT_LINUX_ACCESSIBILITY_ALWAYS_ON=$1, the switch $2${3:+, on mid-game}" pid regs conns
    switch "$2"
    if [ "$setting" = unset ]; then
        env -u QT_LINUX_ACCESSIBILITY_ALWAYS_ON "$game" >"$work/game.out" 2>&1 &
    else
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=$setting "$game" >"$work/game.out" 2>&1 &
    fi
    pid=$!
    if ! until_ok 20 xdotool search --onlyvisible --name '^New Players$'; then
        fail "$what: no name prompt; the game says: $(cat "$work/game.out")"
    else
        [ -n "${3:-}" ] && switch true
        xprop -root AT_SPI_BUS | grep -q unix: || fail "$what: no AT_SPI_BUS on the root window"
        # Qt joins the bus before the first box opens, or, after a switch turned on, a moment later.
        case $setting in
        unset | 1)
            until_ok 5 sh -c "[ \"\$($(declare -f on_bus pid_of count_of registered registrations); \
                address='$address'; registrations $pid)\" -gt 0 ]"
            regs=$(registrations "$pid")
            conns=$(connections "$pid")
            [ "$regs" -gt 0 ] && [ "$conns" -gt 0 ] || fail "$what: the game is not on the bus ($regs, $conns)"
            [ "$setting" = 1 ] && gone_objects "$pid" "$what"
            ;;
        *)
            sleep 1
            regs=$(registrations "$pid")
            conns=$(connections "$pid")
            [ "$regs" = 0 ] && [ "$conns" = 0 ] ||
                fail "$what: the game joined the bus: registered $regs times, $conns connection(s) of its own"
            ;;
        esac
        echo "ok: $what: registered $regs, connections $conns"
    fi
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    until_ok 10 sh -c "! xdotool search --onlyvisible --name '^New Players\$'"
}

echo "== the game and the bus"
check unset false
check 1 false
for setting in 0 false no off OFF ' off '; do check "$setting" true; done
check 0 false
check off false on-mid-game

# A registry that does not answer (a desktop's accessibility service hung) costs the start-up no more than the
# one door's short wait: both names are taken and the board is up long before Qt's own calls to the registry
# would give up (25 s each).
echo "== a frozen registry"
registry=$(pid_of org.a11y.atspi.Registry)
kill -STOP "$registry"
started=$SECONDS
"$game" >"$work/game.out" 2>&1 &
pid=$!
for name in Ann Bob; do
    until_ok 10 xdotool search --onlyvisible --name '^New Players$' && xdotool type --delay 5 "$name" &&
        xdotool key Return && sleep 0.3
done
if until_ok 10 xdotool search --onlyvisible --name '^ Brindlow$' && [ $((SECONDS - started)) -lt 15 ]; then
    echo "ok: the board after the names in $((SECONDS - started)) s with the registry frozen"
else
    fail "with the registry frozen, no board after the names within 15 s: the start-up waits on the registry"
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
kill -CONT "$registry"

echo "== the built game on the bus"
"$game" >"$work/game.out" 2>&1 &
pid=$!
for name in Ann Bob; do
    until_ok 10 xdotool search --onlyvisible --name '^New Players$' || fail "no name prompt for $name"
    xdotool type --delay 5 "$name"
    xdotool key Return
    sleep 0.3
done
if until_ok 10 xdotool search --onlyvisible --name '^ Brindlow$'; then
    # Rows and columns outside the board, asked of its table by a client: the game answers and lives on.
    outside=$(/usr/bin/python3 - "$address" <<'PYTHON'
import sys
from gi.repository import Gio, GLib
bus = Gio.DBusConnection.new_for_address_sync(
    sys.argv[1], Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
    None, None)
registry = bus.call_sync("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root", "org.a11y.atspi.Accessible",
                         "GetChildren", None, None, Gio.DBusCallFlags.NONE, 3000, None).unpack()[0]
def call(name, path, interface, method, args=None):
    return bus.call_sync(name, path, "org.a11y.atspi." + interface, method, args, None, Gio.DBusCallFlags.NONE,
                         3000, None).unpack()
for name, _ in registry:
    todo, table = ["/org/a11y/atspi/accessible/root"], None
    while todo and table is None:
        path = todo.pop()
        if call(name, path, "Accessible", "GetRole")[0] == 55:  # a table
            table = path
        todo += [child for _, child in call(name, path, "Accessible", "GetChildren")[0]]
    if table is None:
        continue
    answers = []
    for method, signature, values in (("GetColumnExtentAt", "(ii)", (-1, 0)), ("GetRowExtentAt", "(ii)", (0, 7)),
                                      ("IsSelected", "(ii)", (6, 0)), ("GetRowColumnExtentsAtIndex", "(i)", (42,)),
                                      ("GetRowHeader", "(i)", (-2147483648,)), ("GetColumnHeader", "(i)", (9,))):
        try:
            answers.append(call(name, table, "Table", method, GLib.Variant(signature, values)))
        except GLib.Error as error:
            answers.append(error.message.split(":")[0])
    call(name, table, "Accessible", "GetName")
    print("answered", answers)
PYTHON
)
    case $outside in
    answered*) echo "ok: $outside" ;;
    *) fail "questions about rows and columns outside the board: ${outside:-the game did not answer}" ;;
    esac
    # Orca 43's part is wired into the game (this check goes with access/Orca43.*): one command of Orca 43's
    # presses a cell's action and clicks the cell's middle, and drops one checker.
    checkers=$(/usr/bin/python3 - <<'PYTHON'
import subprocess, time
import gi
gi.require_version("Atspi", "2.0")
from gi.repository import Atspi

def table(node):
    if node.get_role() == Atspi.Role.TABLE:
        return node
    for i in range(node.get_child_count()):
        found = table(node.get_child_at_index(i))
        if found is not None:
            return found
    return None

board = None
for _ in range(100):
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    board = next((table(app) for app in apps if app is not None and app.get_name() == "brindlow"), None)
    if board is not None:
        break
    time.sleep(0.1)
cell = board.get_child_at_index(38)
box = cell.get_extents(Atspi.CoordType.SCREEN)
cell.do_action(0)
subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1"])
time.sleep(1.0)
board.clear_cache()
print(sum(not board.get_child_at_index(i).get_name().endswith("empty") for i in range(42)))
PYTHON
)
    [ "$checkers" = 1 ] && echo "ok: Orca 43's action and click on one cell drop one checker" ||
        fail "Orca 43's action and click on one cell dropped ${checkers:-no} checkers: its part is not in the game"
    # BUS_FUZZ_CALLS (set in the sanitizer build): a client with a bug sends that many raw calls beside the
    # players (see bus_fuzz.py); BUS_FUZZ_SEED repeats a run.
    if [ -n "${BUS_FUZZ_CALLS:-}" ]; then
        echo "== a client with a bug beside the players"
        /usr/bin/python3 "$(dirname "$0")/bus_fuzz.py" "$address" "$pid" "$BUS_FUZZ_CALLS" "${BUS_FUZZ_SEED:-1}" ||
            fail "the game under a client with a bug; its standard error says:" \
                "$(grep -m1 -A14 'ERROR: \|runtime error' "$work/game.out" || tail -n 5 "$work/game.out")"
    fi
else
    fail "no window after the names"
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null

[ "$failures" = 0 ] || { echo "FAILED: $failures problem(s)" >&2; exit 1; }
echo "PASSED"
