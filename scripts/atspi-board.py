#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# Prints the running game's board as assistive technology sees it: the table, and each cell that is not empty.
# With --click N it first clicks cell N the way Orca's "click the current item" does (its own event
# synthesizer, at the middle of the cell's screen rectangle), as a player on a screen reader would.
import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
warnings.simplefilter("ignore", DeprecationWarning)
from gi.repository import Atspi  # noqa: E402


def find(node, test):
    if test(node):
        return node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            found = find(child, test)
            if found is not None:
                return found
    return None


desktop = Atspi.get_desktop(0)
apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
app = next((a for a in apps if a is not None and a.get_name() == "brindlow"), None)
if app is None:
    sys.exit("no brindlow on the accessibility bus")
board = find(app, lambda n: n.get_role() == Atspi.Role.TABLE)
if board is None:
    sys.exit("no table in brindlow")
table = board.get_table_iface()  # the name Debian 12's Atspi has
if sys.argv[1:2] == ["--click"]:
    import time

    from orca import eventsynthesizer

    target = board.get_child_at_index(int(sys.argv[2]))
    print(f"    Orca clicks {target.get_name()!r}")
    eventsynthesizer.clickObject(target, 1)
    time.sleep(1)
print(f"    board: {board.get_name()!r}, table of {table.get_n_rows()} rows and {table.get_n_columns()} columns, "
      f"{board.get_child_count()} children")
cells = 0
for i in range(board.get_child_count()):
    cell = board.get_child_at_index(i)
    if cell.get_role() != Atspi.Role.TABLE_CELL:
        print(f"    child {i}: {cell.get_role_name()} {cell.get_name()!r}")
        continue
    cells += 1
    box = cell.get_extents(Atspi.CoordType.SCREEN)
    focusable = cell.get_state_set().contains(Atspi.StateType.FOCUSABLE)
    actions = cell.get_n_actions()
    if i in (0, 41) or not cell.get_name().endswith("empty"):
        print(f"    cell {i} at row {table.get_row_at_index(i)}, column {table.get_column_at_index(i)}: {cell.get_name()!r}, screen "
              f"{box.x},{box.y} {box.width}x{box.height}, focusable {focusable}, actions {actions}")
print(f"    {cells} cells")
