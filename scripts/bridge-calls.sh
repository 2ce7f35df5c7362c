#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sends Qt's accessibility bridge in the built game the raw calls that a client with a bug may send, each to a
# game of its own on a private X server and accessibility bus, and says for each whether the game answered
# and lived on, crashed, or hung (no answer within 10 s). The answers for the running Qt go into the table of
# docs/accessibility.md. Figures, not a test.
#
#   ./scripts/bridge-calls.sh [GAME]        GAME defaults to build/brindlow
set -uo pipefail
cd "$(dirname "$0")/.."
. scripts/packages.sh
ensure_packages xvfb x11-utils xdotool at-spi2-core dbus dbus-x11 libglib2.0-bin python3 python3-gi
game=$(realpath "${1:-build/brindlow}")
. tests/session.sh
start_display 260 299 1024x768 -noreset
export XDG_RUNTIME_DIR=$work HOME=$work LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES QT_QPA_PLATFORM
eval "$(dbus-launch --sh-syntax)"
for launcher in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$launcher" ] && break
done
"$launcher" --launch-immediately >/dev/null 2>&1 &
pids+=($!)
status() { gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus "$@"; }
until_ok 20 status --method org.a11y.Bus.GetAddress || { echo "no accessibility bus" >&2; exit 1; }
status --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<true>' >/dev/null
address=$(status --method org.a11y.Bus.GetAddress | sed -n "s/^('\(.*\)',)\$/\1/p")
echo "== Qt $(dpkg-query -W -f="\${Version}" "libqt6core6*" 2>/dev/null | head -1)"

# call WHEN OBJECT INTERFACE METHOD SIGNATURE ARGUMENTS: WHEN is prompt (while the first name prompt is open)
# or board (once the names are in); OBJECT is table, cell (the first), label (the status line) or field (the
# prompt's text field) or item:NAME (the object of that name, such as a menu item); SIGNATURE and ARGUMENTS a
# GVariant's, or empty for no argument.
call() {
    local when=$1 pid result
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" >"$work/game.out" 2>&1 &
    pid=$!
    until_ok 20 xdotool search --onlyvisible --name '^New Players$' || { echo "no prompt"; return; }
    if [ "$when" = board ]; then
        for name in Ann Bob; do
            xdotool type --delay 5 "$name"
            xdotool key Return
            sleep 0.4
        done
        until_ok 10 xdotool search --onlyvisible --name '^ Brindlow$' || { echo "no board"; return; }
    fi
    sleep 0.5
    result=$(timeout 30 /usr/bin/python3 - "$address" "${@:2}" <<'PYTHON' 2>&1
import sys
from gi.repository import Gio, GLib
address, what, interface, method, signature, arguments = sys.argv[1:7]
bus = Gio.DBusConnection.new_for_address_sync(
    address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
def call(name, path, interface, method, args=None, timeout=3000):
    return bus.call_sync(name, path, interface, method, args, None, Gio.DBusCallFlags.NONE, timeout, None).unpack()
apps = call("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root", "org.a11y.atspi.Accessible", "GetChildren")[0]
roles = {"table": 55, "label": 29, "field": 61}  # AT-SPI roles: table, label, text
for name, _ in apps:
    found, todo = {}, ["/org/a11y/atspi/accessible/root"]
    while todo:
        path = todo.pop()
        role = call(name, path, "org.a11y.atspi.Accessible", "GetRole")[0]
        for kind, number in roles.items():
            found.setdefault(kind, path) if role == number else None
        title = call(name, path, "org.freedesktop.DBus.Properties", "Get",
                     GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", "Name")))[0]
        found.setdefault("item:" + title, path)
        children = [child for _, child in call(name, path, "org.a11y.atspi.Accessible", "GetChildren")[0]]
        if role == 55 and children:
            found.setdefault("cell", children[0])
        todo += children
    if what in found:
        break
else:
    print("no", what)
    sys.exit(0)
args = GLib.Variant(signature, eval(arguments)) if signature else None
if interface == "Properties":
    interface, method = "org.freedesktop.DBus.Properties", method
else:
    interface = "org.a11y.atspi." + interface
if method == "PasteText":  # with text on the clipboard, which a client can put there
    call(name, found["label"], "org.a11y.atspi.EditableText", "CopyText", GLib.Variant("(ii)", (0, 5)))
try:
    answer = str(call(name, found[what], interface, method, args, 10000))[:60]
except GLib.Error as error:
    answer = error.message.split(": ", 1)[-1][:60]
print("answered:", answer)
PYTHON
)
    sleep 0.3
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" 2>/dev/null
        printf '%-60s CRASHED (status %s)\n' "$*" "$?"
    elif grep -q 'Timeout was reached' <<<"$result"; then
        printf '%-60s HUNG\n' "$*"
    else
        printf '%-60s lived; %s; %s KiB\n' "$*" "$result" "$(ps -o rss= -p "$pid" | tr -d ' ')"
    fi
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

call board cell Table GetNRows '' ''
call board cell Table GetRowDescription '(i)' '(0,)'
call board table Table GetColumnExtentAt '(ii)' '(-1, 0)'
call board table Table GetRowExtentAt '(ii)' '(0, 7)'
call board table Table IsSelected '(ii)' '(6, 0)'
call board table Table GetRowColumnExtentsAtIndex '(i)' '(42,)'
call board table Table GetColumnDescription '(i)' '(2147483647,)'
call board table Accessible GetChildAtIndex '' ''
call board cell Action DoAction '' ''
call board table Properties GetAll '(s)' '("org.a11y.atspi.Accessible",)'
call board cell EditableText CutText '(ii)' '(0, -41)'
call board label EditableText DeleteText '(ii)' '(5, 2)'
call board cell EditableText DeleteText '(ii)' '(0, -41)'
call board label EditableText PasteText '(i)' '(100000000,)'
call board cell EditableText InsertText '(isi)' '(2147483647, "x", 1)'
call board cell EditableText InsertText '(isi)' '(20, "Bob", 2147483647)'
call board "item:About the Program" Action DoAction '(i)' '(0,)'
call prompt field Text GetRangeExtents '(iiu)' '(0, 2147483647, 0)'
exit 0
