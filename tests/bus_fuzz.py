# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A client with a bug on the accessibility bus, beside two players who press cells through it.

    bus_fuzz.py ADDRESS PID CALLS SEED

Sends the game (process PID, on the accessibility bus at ADDRESS) CALLS raw calls: every method and property
of every interface, to every object it serves, boxes included, with arguments drawn from extremes and small
numbers (SEED repeats a run). Every few calls the players press a cell of a random column, and answer the box
that is open. Fails (status 1, saying why and after which calls) when the game ends, when a call gets no answer
within 10 s, when a press adds more than one checker or one outside its column's landing cell, when the board
changes while a box is open or while four in a line wait for the Winner box, or when it changes with no press.
Calls written down in docs/accessibility.md as crashing or hanging Qt's own bridge on the running Qt are left
out, and counted, as is the Exit menu item's action, which ends the game as asked."""
import random
import re
import sys
import time

from gi.repository import Gio, GLib

address, pid, calls, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
rng = random.Random(seed)
bus = Gio.DBusConnection.new_for_address_sync(
    address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
    None, None)
ROOT = "/org/a11y/atspi/accessible/root"
recent = []  # the last calls sent, for the report


def fail(why):
    print("FAIL:", why, "(seed %d; the last calls: %s)" % (seed, "; ".join(recent[-5:])))
    sys.exit(1)


def alive():
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().split(") ")[1][0] not in "ZX"
    except OSError:
        return False


def call(path, interface, method, args=None, noted=True):
    """The answer, or None for an error answer; fails on no answer and on a game that ended. noted: whether the
    call is one of the client's or the players' (not one of this check's own questions), for the report."""
    if noted:
        recent.append("%s %s.%s%s" % (path.rsplit("/", 1)[-1], interface.rsplit(".", 1)[-1], method,
                                      args if args is not None else "()"))
        del recent[:-5]
    try:
        return bus.call_sync(game, path, interface, method, args, None, Gio.DBusCallFlags.NONE, 10000,
                             None).unpack()
    except GLib.Error as error:
        if not alive():
            fail("the game ended")
        if error.matches(Gio.io_error_quark(), Gio.IOErrorEnum.TIMED_OUT):
            fail("no answer within 10 s")
        return None


def accessible(path, method, args=None):
    return call(path, "org.a11y.atspi.Accessible", method, args, noted=False)


def bus_pid(name):
    return bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                         "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,)), None,
                         Gio.DBusCallFlags.NONE, 3000, None).unpack()[0]


registered = bus.call_sync("org.a11y.atspi.Registry", ROOT, "org.a11y.atspi.Accessible", "GetChildren", None, None,
                           Gio.DBusCallFlags.NONE, 3000, None).unpack()[0]
game = next((name for name, _ in registered if bus_pid(name) == pid), None)
if game is None:
    fail("the game is not among the registry's applications")
qt = tuple(int(part) for part in re.findall(r"\d+", call(ROOT, "org.freedesktop.DBus.Properties", "Get", GLib.Variant(
    "(ss)", ("org.a11y.atspi.Application", "Version")), noted=False)[0])[:2])

# Each interface's methods with their signatures, and its properties.
METHODS = {
    "Accessible": "GetChildAtIndex(i) GetChildren() GetIndexInParent() GetRelationSet() GetRole() GetRoleName() "
                  "GetLocalizedRoleName() GetState() GetAttributes() GetApplication() GetInterfaces()",
    "Action": "GetDescription(i) GetName(i) GetLocalizedName(i) GetKeyBinding(i) GetActions() DoAction(i)",
    "Application": "GetLocale(u) RegisterEventListener(s) DeregisterEventListener(s) GetApplicationBusAddress()",
    "Component": "Contains(iiu) GetAccessibleAtPoint(iiu) GetExtents(u) GetPosition(u) GetSize() GetLayer() "
                 "GetMDIZOrder() GrabFocus() GetAlpha() SetExtents(iiiiu) SetPosition(iiu) SetSize(ii) "
                 "ScrollTo(u) ScrollToPoint(uii)",
    "EditableText": "SetTextContents(s) InsertText(isi) CopyText(ii) CutText(ii) DeleteText(ii) PasteText(i)",
    "Selection": "GetSelectedChild(i) SelectChild(i) DeselectSelectedChild(i) IsChildSelected(i) SelectAll() "
                 "ClearSelection() DeselectChild(i)",
    "Table": "GetAccessibleAt(ii) GetIndexAt(ii) GetRowAtIndex(i) GetColumnAtIndex(i) GetRowDescription(i) "
             "GetColumnDescription(i) GetRowExtentAt(ii) GetColumnExtentAt(ii) GetRowHeader(i) GetColumnHeader(i) "
             "GetSelectedRows() GetSelectedColumns() IsRowSelected(i) IsColumnSelected(i) IsSelected(ii) "
             "AddRowSelection(i) AddColumnSelection(i) RemoveRowSelection(i) RemoveColumnSelection(i) "
             "GetRowColumnExtentsAtIndex(i)",
    "TableCell": "GetRowColumnSpan()",
    "Text": "GetStringAtOffset(iu) GetTextAtOffset(iu) GetTextBeforeOffset(iu) GetTextAfterOffset(iu) "
            "GetCharacterAtOffset(i) GetText(ii) SetCaretOffset(i) GetAttributeValue(is) GetAttributes(i) "
            "GetDefaultAttributes() GetDefaultAttributeSet() GetCharacterExtents(iu) GetOffsetAtPoint(iiu) "
            "GetNSelections() GetSelection(i) AddSelection(ii) RemoveSelection(i) SetSelection(iii) "
            "GetRangeExtents(iiu) GetBoundedRanges(iiiiuuu) GetAttributeRun(ib) ScrollSubstringTo(iiu) "
            "ScrollSubstringToPoint(iiuii)",
    "Value": "",
}
METHODS = {interface: re.findall(r"(\w+)\((\w*)\)", text) for interface, text in METHODS.items()}
PROPERTIES = {
    "Accessible": "Name Description Parent ChildCount Locale AccessibleId HelpText",
    "Action": "NActions",
    "Application": "ToolkitName Version AtspiVersion Id InterfaceVersion",
    "Table": "NRows NColumns Caption Summary NSelectedRows NSelectedColumns",
    "TableCell": "ColumnSpan Position RowSpan Table",
    "Text": "CharacterCount CaretOffset",
    "Value": "MinimumValue MaximumValue MinimumIncrement CurrentValue Text",
    "Selection": "NSelectedChildren",
    "Component": "ScreenExtents",
    "EditableText": "",
}
INTS = [-2147483648, -65536, -2, -1, 0, 1, 2, 3, 5, 6, 7, 8, 41, 42, 43, 65535, 2147483647]
STRINGS = ["", "Ann", "Bob", "Konstantinos", "İnci", "\u202eevil", "x" * 5000, "org.a11y.atspi.Accessible",
           "Name", "object:state-changed:focused", "\U0001F600\u0301"]


def argument(kind):
    if kind == "i":
        return rng.choice(INTS) if rng.random() < 0.6 else rng.randint(-50, 50)
    if kind == "u":
        return rng.choice([0, 1, 2, 3, 4294967295]) if rng.random() < 0.6 else rng.randint(0, 50)
    if kind == "b":
        return rng.random() < 0.5
    return rng.choice(STRINGS)


# Calls that crash, hang or swell Qt's bridge whatever the game's objects do, as docs/accessibility.md lists
# them for each Qt: the name of the class, or None. Arguments always match the method's signature (fewer
# than it takes crash every Qt).
def qt_only(path, interfaces, interface, method, values):
    if interface == "Table" and path in cells:
        return "a table call on a cell"
    if interface == "Properties" and method == "GetAll" and qt < (6, 11):
        return "GetAll"
    if method == "GetRangeExtents" and values[1] - values[0] > 10000:
        return "GetRangeExtents over a long range"
    if method in ("CutText", "DeleteText") and values[1] < values[0] and "EditableText" not in interfaces:
        return "CutText or DeleteText ending before its start"
    if method in ("InsertText", "PasteText") and (values[0] > 100000 or method == "InsertText" and values[2] > 100000):
        return "InsertText or PasteText far past the text"
    return None


def objects():
    """Every object the game serves now: path -> (role name, interfaces, name)."""
    found, todo = {}, [ROOT]
    while todo:
        path = todo.pop()
        role, interfaces, children = (accessible(path, "GetRoleName"), accessible(path, "GetInterfaces"),
                                      accessible(path, "GetChildren"))
        if None in (role, interfaces, children):
            continue
        name = call(path, "org.freedesktop.DBus.Properties", "Get",
                    GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", "Name")), noted=False)
        found[path] = (role[0], [i.rsplit(".", 1)[-1] for i in interfaces[0]], name[0] if name else "")
        todo += [child for _, child in children[0]]
    return found


def boxes(tree):
    return [path for path, (role, _, _) in tree.items() if role.startswith(("dialog", "alert"))]


def board(cells):
    """Each cell's colour, by (column, row), read from the cells' names: row 1 is the bottom row."""
    colours = {}
    for path in cells:
        name = call(path, "org.freedesktop.DBus.Properties", "Get",
                    GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", "Name")), noted=False)
        match = re.match(r"Column (\d), row (\d): (black|red|empty)$", name[0] if name else "")
        if not match:
            fail("a cell named %r" % (name,))
        colours[int(match[1]), int(match[2])] = match[3]
    return colours


def four_in_a_line(colours):
    for (column, row), colour in colours.items():
        for dc, dr in ((1, 0), (0, 1), (1, 1), (1, -1)):
            if colour != "empty" and all(colours.get((column + k * dc, row + k * dr)) == colour for k in range(4)):
                return True
    return False


def press(cell, index, open_boxes):
    """A press of a cell's action (the players' is action 0): at most one checker, in its column's landing
    cell, and none while a box is open or four in a line wait for the Winner box."""
    global before, tree, moves
    was_won = four_in_a_line(before)
    call(cell, "org.a11y.atspi.Action", "DoAction", GLib.Variant("(i)", (index,)))
    # The bridge runs the action after its answer, and the action posts the cell's press: once a second
    # question after it is answered, the press has run.
    accessible(table, "GetRole")
    accessible(table, "GetRole")
    tree = objects()
    after = board(cells)
    if any(before[key] != "empty" and after[key] == "empty" for key in after):
        # A box that closed late (a button pressed by the client) emptied the board: the press came after.
        before, was_won = {key: "empty" for key in before}, False
    added = [key for key in after if after[key] != before[key]]
    if open_boxes and boxes(tree) and added:
        fail("a press while a box was open changed %s" % added)
    if was_won and added:
        fail("a press after four in a line, before the Winner box, changed %s" % added)
    if len(added) > 1:
        fail("one press changed %s" % ["%s %s->%s" % (key, before[key], after[key]) for key in added])
    if added:
        (column, row), = added
        if before[column, row] != "empty" or before.get((column, row - 1), "black") == "empty":
            fail("a checker landed in column %d, row %d" % (column, row))
        moves += 1
    before = after


tree = objects()
table = next((path for path, (role, _, _) in tree.items() if role == "table"), None)
if table is None:
    fail("no board among the game's objects")
# The cells: the board's first 42 children, as its table's indices count them (the status line and the news
# follow).
cells = [child for _, child in accessible(table, "GetChildren")[0]][:42]
before = board(cells)
left_out, presses, during_boxes, moves, answered, answers = {}, 0, 0, 0, 0, 0
for number in range(calls):
    if number % 200 == 0:
        tree = objects()
    open_boxes = boxes(tree)
    if number % 4 == 0:
        # The players: with a box open, they answer it now and then (a name in its field, then a button); and
        # they press a cell, box or no box.
        if open_boxes and rng.random() < 0.5:
            answers += 1
            for path, (role, kinds, _) in tree.items():
                if role == "text" and "EditableText" in kinds:
                    call(path, "org.a11y.atspi.EditableText", "SetTextContents",
                         GLib.Variant("(s)", (rng.choice(["Ann", "Bob", "İnci"]),)))
            buttons = [path for path, (role, _, _) in tree.items() if role == "push button"]
            if buttons:
                call(rng.choice(buttons), "org.a11y.atspi.Action", "DoAction", GLib.Variant("(i)", (0,)))
            # The box closes, and the game goes on from it, once its button's press has run.
            for _ in range(50):
                tree = objects()
                if set(boxes(tree)) != set(open_boxes):
                    break
                time.sleep(0.1)
            before = board(cells)
        else:
            presses += 1
            during_boxes += bool(open_boxes)
            press(rng.choice(cells), 0, open_boxes)
        continue
    # The client with a bug.
    path = rng.choice(list(tree))
    role, kinds, name = tree[path]
    interface = rng.choice(kinds if kinds and rng.random() < 0.8 else list(METHODS) + ["Properties"])
    if interface == "Properties":
        prop_interface = rng.choice(list(PROPERTIES))
        method = rng.choice(["Get", "Get", "Set", "GetAll"])
        names = PROPERTIES[prop_interface].split() or ["Nothing"]
        values = {"Get": ("org.a11y.atspi." + prop_interface, rng.choice(names)),
                  "GetAll": ("org.a11y.atspi." + prop_interface,),
                  "Set": ("org.a11y.atspi." + prop_interface, rng.choice(names),
                          GLib.Variant("i", argument("i")))}[method]
        signature = {"Get": "(ss)", "GetAll": "(s)", "Set": "(ssv)"}[method]
        why = qt_only(path, kinds, prop_interface if method != "GetAll" else "Properties", method, values)
        full = "org.freedesktop.DBus.Properties"
    else:
        if not METHODS.get(interface):
            continue
        method, signature = rng.choice(METHODS[interface])
        values = tuple(argument(kind) for kind in signature)
        signature = "(%s)" % signature
        why = qt_only(path, kinds, interface, method, values)
        full = "org.a11y.atspi." + interface
        if method == "DoAction" and name == "Exit":
            why = "Exit, which ends the game as asked"
    if why:
        left_out[why] = left_out.get(why, 0) + 1
    elif method == "DoAction" and path in cells:
        press(path, values[0], open_boxes)
    else:
        if call(path, full, method, GLib.Variant(signature, values) if values else None) is not None:
            answered += 1
        if number % 25 == 1 or method == "DoAction":
            tree = objects()
            now = board(cells)
            changed = [key for key in now if now[key] != before[key]]
            if changed and not all(now[key] == "empty" for key in changed):
                fail("the board changed with no press: %s" % changed)
            before = now

print("ok: %d calls to the game's objects (Qt %d.%d, seed %d), %d answered; the players pressed %d times (%d with "
      "a box open) and made %d moves, and answered %d boxes; left out: %s"
      % (calls, qt[0], qt[1], seed, answered, presses, during_boxes, moves, answers,
         ", ".join("%s %d" % item for item in sorted(left_out.items())) or "none"))
