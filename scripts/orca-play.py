#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
# Plays Brindlow by keyboard under a running Orca, as a blind player does, and checks what Orca says.
# Run by scripts/orca-speech.sh inside its private session; see there.
#
# The players move along a board row with Orca's flat review (desktop layout: KP_7/KP_9 previous/next line,
# KP_4/KP_6 previous/next word, Insert+KP_1 end of line, KP_Divide click the current item) and listen to
# each word, so they always know which cell they are on. After each click the board is read through AT-SPI:
# exactly one checker must have landed, in the chosen column.
import argparse
import ctypes
import ctypes.util
import datetime
import os
import re
import socket
import statistics
import struct
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
warnings.simplefilter("ignore", DeprecationWarning)
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# ---------------------------------------------------------------------------------------------------------
# What the game says. Everything Orca is expected to speak is here, in the game's English words; with
# ORCA_LANGUAGE=xx, in the game's words of that language (its Qt Linguist file, translations/brindlow_xx.ts,
# beside this script when it runs).
HERE = os.path.dirname(os.path.abspath(__file__))
LANGUAGE = os.environ.get("ORCA_LANGUAGE", "")


def game_words(language):
    """The game's translation: (context, English text, disambiguation) to the words of the language."""
    if not language:
        return {}
    import xml.etree.ElementTree
    root = xml.etree.ElementTree.parse(os.path.join(HERE, f"brindlow_{language}.ts")).getroot()
    return {(context.findtext("name"), message.findtext("source"), message.findtext("comment")):
            message.findtext("translation") for context in root.iter("context") for message in context.iter("message")}


WORDS = game_words(LANGUAGE)


def tr(context, text, disambiguation=None):
    return WORDS.get((context, text, disambiguation)) or text


PLAYERS = ("Ann", "Bob")  # typed in the name prompts; player 1 plays black, player 2 red
COLOURS = ("black", "red")
NAME_PROMPTS = (tr("frmBrindlow", "Player 1:"), tr("frmBrindlow", "Player 2:"))
# The status line, upper-cased, for the player to move (0 black, 1 red).
STATUS = (tr("frmBrindlow", "%1's turn!  (Black)"), tr("frmBrindlow", "%1's turn!  (Red)"))


def turn(player):
    return STATUS[player].replace("%1", PLAYERS[player]).upper()


FIRST_TURN = turn(0)  # the status line's caption when a game starts
# A cell's name: its column, its row counted from the bottom, what it holds ("empty", "black" or "red"). After
# each press Orca names the cell the checker landed in, which takes the focus; then whose turn it is now, or
# the box.
CELLS = {held: tr("Assistive", f"Column %1, row %2: {held}") for held in ("empty", "black", "red")}


def cell_name(column, row, held):
    return CELLS[held].replace("%1", str(column)).replace("%2", str(row))


def cell_pattern(held, column=r"(?P<column>\d)", row=r"(?P<row>\d)"):
    """A cell as Orca reads it: its name, maybe Orca's word for its role, maybe a full stop."""
    return re.escape(CELLS[held]).replace("%1", column).replace("%2", row) + r"(?: \w+)?\.?"


def held_in(text, column=r"(?P<column>\d)", row=r"(?P<row>\d)"):
    """What the cell named in text holds, and the match; (None, None) if text names no cell."""
    for held in CELLS:
        found = re.fullmatch(cell_pattern(held, column, row), text.strip())
        if found:
            return held, found
    return None, None


MAX_WORDS = 10  # from the key to the end of the turn, Orca's echo of the key left out
WINNER = (tr("frmBrindlow", "Winner"), tr("frmBrindlow", "%1 WINS!").replace("%1", "{PLAYER}"))
TIE = (tr("frmBrindlow", "CAT'S GAME"), tr("frmBrindlow", "Tie Game...you both LOSE!"))
NEW_GAME = (tr("frmBrindlow", "New Game"), tr("frmBrindlow", "Do you want to keep the same names?"))
# The rules as the game words them in English, from resources/rules.txt (beside this script when it runs).
RULES = (tr("frmBrindlow", "Rules of the Game"),
         tr("frmBrindlow", open(os.path.join(HERE, "rules.txt"), encoding="utf-8").read().strip()))
ABOUT = (tr("frmBrindlow", "About the Program"),
         tr("frmBrindlow", "Brindlow was written by the Brindlow Rules Team and\n"
                           "the Brindlow Window Team, December, 2026.\n"
                           "\n"
                           "It was edited by the Brindlow Maintainers, December, 2026."))
BOARD = tr("Assistive", "Board")  # the board's name, which Orca says as the board gets the keyboard
COLUMNS, ROWS = 7, 6
# ---------------------------------------------------------------------------------------------------------

KEY_TIMEOUT = 8.0  # for the speech that answers one key
# How long a key is held down, as a hand holds it. At 0 each key is let go at once, and Orca 43 then takes its
# own click on a cell for failed and clicks again, then presses the cell's action.
KEY_HOLD = os.environ.get("ORCA_KEY_HOLD", "0.12")
# A second press on the same spot within the double-click time is the second half of a double click, and no
# move; a player who has heard the landing takes longer than that to press again. The time runs from the
# landing heard, as Orca's click may reach the game well after the key. Qt's default double-click time is
# 400 ms.
CLICK_GAP = 0.5
BOX_TIMEOUT = 15.0  # for a box to open and be read

failures = []
notes = []  # what a player misses, short of the failures above


def note(message):
    notes.append(message)
    say(f"NOTE: {message}")


def fail(message):
    failures.append(message)
    say(f"FAIL: {message}")


def say(line):
    print(line, flush=True)


def squash(text):
    return " ".join(text.split())


class Speech:
    """Reads the SPEECH OUTPUT lines of Orca's debug log as the log grows."""

    START = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)$")
    STAMP = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
    END = re.compile(r"^(.*)'\s?(\[?\{.*\}\]?)?$")
    # Where the voice an utterance is spoken in starts (Orca 51 writes it over several lines).
    VOICE = re.compile(r"'\s?\[?\{'established'")

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.rest = ""
        self.open = None  # [stamp, [lines]] of an utterance that runs over several lines
        self.said = []  # (stamp, text)
        self.shown = 0

    def _close(self, text_lines, stamp, complete):
        text = "\n".join(text_lines)
        if complete:
            match = self.END.match(text.split("\n")[-1])
            text = "\n".join(text.split("\n")[:-1] + [match.group(1)])
        else:
            text = re.sub(r"'\s?(\[?\{.*\}\]?)?\s*$", "", text)
        self.said.append((stamp, text))

    def poll(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                log.seek(self.offset)
                chunk = log.read()
                self.offset = log.tell()
        except FileNotFoundError:
            return
        lines = (self.rest + chunk).split("\n")
        self.rest = lines.pop()
        for line in lines:
            if self.open is not None:
                if self.STAMP.match(line):
                    self._close(self.open[1], self.open[0], False)
                    self.open = None
                else:
                    voice = self.VOICE.search(line)
                    if voice:
                        self.said.append((self.open[0], "\n".join(self.open[1] + [line[:voice.start()]])))
                        self.open = None
                        continue
                    self.open[1].append(line)
                    if self.END.match(line):
                        self._close(self.open[1], self.open[0], True)
                        self.open = None
                    continue
            start = self.START.match(line)
            if start:
                voice = self.VOICE.search(start.group(2))
                if voice:
                    self.said.append((start.group(1), start.group(2)[:voice.start()]))
                elif self.END.match(start.group(2)):
                    self._close([start.group(2)], start.group(1), True)
                else:
                    self.open = [start.group(1), [start.group(2)]]

    def mark(self):
        self.poll()
        return len(self.said)

    def stamps_of(self, mark, text):
        """When each utterance since mark that holds text (or passes the test text) was spoken, as local times
        of today."""
        self.poll()
        holds = text if callable(text) else lambda said: contains([said], text)
        return [datetime.datetime.combine(datetime.date.today(),
                                          datetime.datetime.strptime(stamp, "%H:%M:%S.%f").time())
                for stamp, said in self.said[mark:] if holds(said)]

    def stamp_of(self, mark, text):
        """When the first utterance since mark that holds text was spoken."""
        return next(iter(self.stamps_of(mark, text)), None)

    def since(self, mark):
        self.poll()
        return [text for _, text in self.said[mark:]]

    def settle(self, quiet=0.4, timeout=5.0):
        """Waits until Orca has been silent for a moment, for at most timeout seconds."""
        until = time.monotonic() + timeout
        count, since = self.mark(), time.monotonic()
        while time.monotonic() < until:
            time.sleep(0.05)
            if self.mark() != count:
                count, since = self.mark(), time.monotonic()
            elif time.monotonic() - since >= quiet:
                return

    def wait(self, mark, test, timeout):
        """Waits until test(list of utterances since mark) holds; returns it, or None after timeout."""
        until = time.monotonic() + timeout
        while True:
            said = self.since(mark)
            if test(said):
                return said
            if time.monotonic() > until:
                return None
            time.sleep(0.03)

    def show(self):
        """Prints what was said since the last call."""
        self.poll()
        for _, text in self.said[self.shown:]:
            say("    " + repr(text.replace("\n", " / ")))
        self.shown = len(self.said)


def contains(said, text):
    return squash(text) in squash(" ".join(said))


def missing_parts(said, text):
    """The lines of text that were not spoken."""
    return [line for line in text.split("\n") if line.strip() and not contains(said, line)]


class Board:
    """The board as assistive technology sees it."""

    def __init__(self):
        self.table = None

    def find(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == "brindlow":
                app.set_cache_mask(Atspi.Cache.NONE)
                return self._table(app)
        return None

    def _table(self, node):
        if node.get_role() == Atspi.Role.TABLE:
            return node
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            found = self._table(child) if child is not None else None
            if found is not None:
                return found
        return None

    def centre(self, cell):
        """The middle of a cell on the screen."""
        self.read()
        extents = self.table.get_child_at_index(cell).get_extents(Atspi.CoordType.SCREEN)
        return extents.x + extents.width // 2, extents.y + extents.height // 2

    def focused(self):
        """The cell that has the focus, or None."""
        self.read()
        for i in range(ROWS * COLUMNS):
            if self.table.get_child_at_index(i).get_state_set().contains(Atspi.StateType.FOCUSED):
                return i
        return None

    def read(self):
        """The colours of the 42 cells, row by row from the top: '.', 'b' or 'r'."""
        for attempt in range(50):
            try:
                if self.table is None:
                    self.table = self.find()
                if self.table is not None:
                    self.table.clear_cache()
                    cells = []
                    for i in range(ROWS * COLUMNS):
                        name = self.table.get_child_at_index(i).get_name()
                        cells.append({"black": "b", "red": "r"}.get(held_in(name)[0], "."))
                    return "".join(cells)
            except (gi.repository.GLib.Error, AttributeError):  # the game gone, or a cell not there
                self.table = None
            time.sleep(0.1)
        raise SystemExit("FAIL: the board cannot be read through AT-SPI")


def colour_of(cell):
    return {"b": "black", "r": "red"}.get(cell, "empty")


class Keyboard:
    """Presses keys through XTest by their key codes. (xdotool presses whatever modifier the keymap's first
    entry for a key's level names, and newer keymaps list Alt for the keypad's operator keys: Orca then hears
    Alt+KP_Divide, which is no command.)"""

    NAMES = {"ctrl": "Control_L", "shift": "Shift_L", "alt": "Alt_L"}

    def __init__(self):
        x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        self.xtst = ctypes.CDLL(ctypes.util.find_library("Xtst") or "libXtst.so.6")
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XStringToKeysym.restype = ctypes.c_ulong
        x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
        self.x11 = x11
        self.display = x11.XOpenDisplay(None)
        if not self.display:
            raise SystemExit("FAIL: the X display cannot be opened for the keyboard")

    def code(self, name):
        keysym = self.x11.XStringToKeysym(self.NAMES.get(name, name).encode())
        code = self.x11.XKeysymToKeycode(self.display, keysym) if keysym else 0
        if not code:
            raise SystemExit(f"FAIL: no key for {name!r} in this keymap")
        return code

    def chord(self, *names, hold=0.0):
        """Presses the keys in order, holds them, and lets them go in the opposite order."""
        codes = [self.code(name) for name in names]
        for code in codes:
            self.xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        self.x11.XFlush(self.display)
        time.sleep(hold)
        for code in reversed(codes):
            self.xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x11.XFlush(self.display)

    def type(self, text):
        xdotool("type", "--delay", "60", text)

    def window_open(self, title):
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
                              capture_output=True, timeout=20).returncode == 0


class CompositorKeyboard:
    """Presses keys through the compositor's remote-desktop interface (GNOME's mutter), as a keyboard sends
    them, for a Wayland session; windows are found through AT-SPI. A sighted partner's clicks need a screen
    cast stream to place the pointer, so on this session every move is made by keyboard."""

    KEYSYMS = {"Insert": 0xff63, "Control_L": 0xffe3, "ctrl": 0xffe3, "Shift_L": 0xffe1, "shift": 0xffe1,
               "alt": 0xffe9, "Return": 0xff0d, "KP_Divide": 0xffaf, "KP_Left": 0xff96, "KP_Right": 0xff98,
               "Left": 0xff51, "Right": 0xff53, "Escape": 0xff1b}
    clicks = False

    def __init__(self):
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        self.session = self._call("/org/gnome/Mutter/RemoteDesktop", "org.gnome.Mutter.RemoteDesktop",
                                  "CreateSession", None).unpack()[0]
        self._call(self.session, "org.gnome.Mutter.RemoteDesktop.Session", "Start", None)
        self.chord("Shift_L")  # the seat has no keyboard until the virtual one has pressed a key

    def _call(self, path, interface, method, args):
        return self.bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, interface, method, args, None,
                                  Gio.DBusCallFlags.NONE, 5000, None)

    def chord(self, *names, hold=0.0):
        keysyms = [self.KEYSYMS.get(name, ord(name[0]) if len(name) == 1 else None) for name in names]
        if None in keysyms:
            raise SystemExit(f"FAIL: no keysym for one of {names!r}")
        for pressed in (True, False):
            for keysym in keysyms if pressed else reversed(keysyms):
                self._call(self.session, "org.gnome.Mutter.RemoteDesktop.Session", "NotifyKeyboardKeysym",
                           GLib.Variant("(ub)", (keysym, pressed)))
            if pressed:
                time.sleep(hold)

    def type(self, text):
        for char in text:
            self.chord(char, hold=0.03)

    def window_open(self, title):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is None or app.get_name() != "brindlow":
                continue
            for j in range(app.get_child_count()):
                window = app.get_child_at_index(j)
                if window is not None and window.get_name() == title and \
                        window.get_state_set().contains(Atspi.StateType.SHOWING):
                    return True
        return False


class WaylandConnection:
    """Just enough of a Wayland client, spoken over the compositor's socket, to bind one of its globals and
    send it requests: the registry, a round trip, and the compositor's protocol errors."""

    DISPLAY = 1  # wl_display's object id
    HEADER = struct.Struct("<IHH")  # object id, opcode, message size

    def __init__(self):
        path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ.get("WAYLAND_DISPLAY", "wayland-0"))
        self.socket = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.socket.connect(path)
        self.next_id = self.DISPLAY + 1
        self.received = b""
        self.globals = {}  # interface: (name, version)
        self.registry = self.new_id()
        self.send(self.DISPLAY, 1, self.uint(self.registry))  # wl_display.get_registry
        self.roundtrip()

    def new_id(self):
        self.next_id += 1
        return self.next_id - 1

    @staticmethod
    def uint(value):
        return struct.pack("<I", value)

    @staticmethod
    def string(text):
        data = text.encode() + b"\0"
        return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)

    def send(self, target, opcode, *args):
        body = b"".join(args)
        self.socket.sendall(self.HEADER.pack(target, opcode, self.HEADER.size + len(body)) + body)

    def roundtrip(self):
        """Waits until the compositor has handled every request sent so far (wl_display.sync)."""
        callback = self.new_id()
        self.send(self.DISPLAY, 0, self.uint(callback))
        while True:
            target, opcode, body = self.event()
            if target == callback:
                return
            if target == self.DISPLAY and opcode == 0:  # wl_display.error: object, code, message
                culprit, code, length = struct.unpack_from("<III", body)
                message = body[12:12 + length - 1].decode(errors="replace")
                raise SystemExit(f"FAIL: the compositor ended the key sender's connection: error {code} on "
                                 f"object {culprit}: {message}")
            if target == self.registry and opcode == 0:  # wl_registry.global: name, interface, version
                name, length = struct.unpack_from("<II", body)
                interface = body[8:8 + length - 1].decode()
                version, = struct.unpack_from("<I", body, 8 + length + (-length % 4))
                self.globals[interface] = (name, version)

    def event(self):
        while True:
            if len(self.received) >= self.HEADER.size:
                target, opcode, size = self.HEADER.unpack_from(self.received)
                if len(self.received) >= size:
                    body, self.received = self.received[self.HEADER.size:size], self.received[size:]
                    return target, opcode, body
            data = self.socket.recv(65536)
            if not data:
                raise SystemExit("FAIL: the compositor closed the key sender's connection")
            self.received += data

    def bind(self, interface, version):
        """Binds the global that offers interface, at most at version; returns its object id, or None."""
        if interface not in self.globals:
            return None
        name, offered = self.globals[interface]
        target = self.new_id()
        # wl_registry.bind: name, then the new object's interface, version and id
        self.send(self.registry, 0, self.uint(name), self.string(interface), self.uint(min(version, offered)),
                  self.uint(target))
        return target


class KWinKeyboard(CompositorKeyboard):
    """Presses keys through KWin's fake input protocol (org_kde_kwin_fake_input), by their Linux key codes, as
    a keyboard sends them, for KDE Plasma's Wayland session; windows are found through AT-SPI. KWin offers the
    protocol to any client only when it runs with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1."""

    # Linux input event codes (linux/input-event-codes.h); a keypad key names its function with Num Lock off
    CODES = {"Escape": 1, "BackSpace": 14, "Tab": 15, "Return": 28, "Control_L": 29, "ctrl": 29, "Shift_L": 42,
             "shift": 42, "Alt_L": 56, "alt": 56, "space": 57, "KP_Left": 75, "KP_Right": 77, "KP_Divide": 98,
             "Home": 102, "Up": 103, "Page_Up": 104, "Left": 105, "Right": 106, "End": 107, "Down": 108,
             "Page_Down": 109, "Insert": 110, "Delete": 111, " ": 57}
    CODES.update({digit: code for code, digit in enumerate("1234567890", start=2)})
    CODES.update({letter: code for row, first in (("qwertyuiop", 16), ("asdfghjkl", 30), ("zxcvbnm", 44))
                  for letter, code in zip(row, range(first, first + len(row)))})
    MODIFIERS = ("Control_L", "ctrl", "Shift_L", "shift", "Alt_L", "alt")
    FAKE_INPUT = "org_kde_kwin_fake_input"
    KEYBOARD_KEY = 10  # the request, since version 4

    def __init__(self):
        self.wayland = WaylandConnection()
        if self.wayland.globals.get(self.FAKE_INPUT, (0, 0))[1] < 4:
            raise SystemExit(f"FAIL: KWin offers no {self.FAKE_INPUT} with keys (version 4): "
                             f"{self.wayland.globals.get(self.FAKE_INPUT)}")
        self.fake_input = self.wayland.bind(self.FAKE_INPUT, 4)
        self.wayland.send(self.fake_input, 0, self.wayland.string("Brindlow's Orca game"),  # authenticate
                          self.wayland.string("plays the game by keyboard"))
        self.wayland.roundtrip()

    def codes(self, name):
        """The keys that type name: a letter in upper case is Shift and the letter."""
        if len(name) == 1 and name.isupper() and name.lower() in self.CODES:
            return [self.CODES["Shift_L"], self.CODES[name.lower()]]
        if name not in self.CODES:
            raise SystemExit(f"FAIL: no key code for {name!r}")
        return [self.CODES[name]]

    def chord(self, *names, hold=0.0):
        if "Insert" in names:
            # Orca's modifier last among the modifiers: while it is down, KWin hands every key to Orca alone and
            # leaves its own modifier state as it was, so Control or Shift pressed after Insert never reaches
            # that state, and Orca hears Insert+Left for Insert+Control+Left and does nothing (KWin 6.3 and 6.7
            # alike). Pressed before Insert, Control is in it.
            names = sorted(names, key=lambda name: 0 if name in self.MODIFIERS else 1 if name == "Insert" else 2)
        codes = [code for name in names for code in self.codes(name)]
        for pressed in (True, False):
            for code in codes if pressed else reversed(codes):
                self.wayland.send(self.fake_input, self.KEYBOARD_KEY, self.wayland.uint(code),
                                  self.wayland.uint(int(pressed)))
            self.wayland.roundtrip()
            if pressed:
                time.sleep(hold)


def check_keyboard_monitor(orca_pid):
    """Whether Orca hears the keyboard through the compositor's keyboard monitor (org.freedesktop.a11y.Manager,
    offered on the session bus by KWin, Debian 13's 6.3 too): Orca's AT-SPI device then owns the bus name
    org.gnome.Orca.KeyboardMonitor, which is also what KWin checks before it hands keys to a client. Without
    it Orca falls back to the legacy device, where it hears only the keys the focused application reports over
    the accessibility bus."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)

    def owner_pid(name):
        try:
            owner = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                  "GetNameOwner", GLib.Variant("(s)", (name,)), None, Gio.DBusCallFlags.NONE,
                                  5000, None).unpack()[0]
            return owner, bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                        "GetConnectionUnixProcessID", GLib.Variant("(s)", (owner,)), None,
                                        Gio.DBusCallFlags.NONE, 5000, None).unpack()[0]
        except GLib.Error:
            return None, None

    manager, manager_pid = owner_pid("org.freedesktop.a11y.Manager")
    monitor, monitor_pid = None, None
    for _ in range(50):  # Orca takes the name as it makes its device
        monitor, monitor_pid = owner_pid("org.gnome.Orca.KeyboardMonitor")
        if monitor is not None:
            break
        time.sleep(0.1)
    if manager is None:
        fail("the compositor offers no keyboard monitor (org.freedesktop.a11y.Manager is not on the session "
             "bus): Orca fell back to the legacy keyboard device")
    elif monitor is None:
        fail("Orca does not use the compositor's keyboard monitor (org.gnome.Orca.KeyboardMonitor is not on the "
             "session bus): it fell back to the legacy keyboard device")
    elif monitor_pid != orca_pid:
        fail(f"org.gnome.Orca.KeyboardMonitor is owned by process {monitor_pid}, not Orca: the compositor's "
             "keyboard monitor hands Orca no keys")
    else:
        with open(f"/proc/{manager_pid}/comm", encoding="utf-8") as comm:
            compositor = comm.read().strip()
        say(f"== Orca hears the keyboard through {compositor}'s keyboard monitor (org.freedesktop.a11y.Manager "
            f"{manager}; org.gnome.Orca.KeyboardMonitor {monitor}, Orca's)")


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=20)


def window_open(title):
    return KEYBOARD.window_open(title)


def wait_until(test, timeout):
    until = time.monotonic() + timeout
    while not test():
        if time.monotonic() > until:
            return False
        time.sleep(0.05)
    return True


class Player:
    """Moves the way the running Orca makes cheapest, from the focused cell Orca named after the last move:
    flat review (KP_4/KP_6 to step, KP_Divide to press) where it reads a cell as one item, else the object
    navigator (Insert+Ctrl+Left/Right to step, Insert+Ctrl+Return to press)."""

    def __init__(self, speech, board, keyboard, by_object):
        self.speech = speech
        self.board = board
        self.keyboard = keyboard
        self.by_object = by_object
        self.keys = 0  # key commands pressed (a chord such as Insert+Ctrl+Right is one)
        self.row = self.column = None  # the cell review starts from: the focused one Orca named
        self.moves = 0
        self.move_keys = 0
        self.stepping_keys = []  # keys for each keyboard move to another column
        self.cells = "." * (ROWS * COLUMNS)
        self.last_click = 0.0
        self.stacked = 0  # moves made by pressing again in the column just played
        self.mouse_moves = 0
        self.latencies = []  # (row landed in, ms from sending the pressing key to the landing spoken in Orca's log)
        self.read_too_soon = 0  # stacking moves Orca 43 prefaced with POINTER_READ_TOO_SOON
        self.words = []  # words Orca said from the pressing key to the end of the turn, key echo left out
        self.exited = False  # Ctrl+X pressed: the game is meant to end

    def heard_focus(self, said):
        """Takes the place review starts from from Orca's naming of the focused cell, the last one in said."""
        for text in reversed(said):
            held, found = held_in(text)
            if found:
                self.column, self.row = int(found.group("column")), int(found.group("row"))
                return True
        return False

    # ----- keys
    def press(self, key):
        """Presses one key, or one chord such as ctrl+r."""
        self.keys += 1
        self.keyboard.chord(*key.split("+"), hold=float(KEY_HOLD))

    def review_key(self, key):
        """Presses a review key and returns what Orca said in answer (key echo left out)."""
        mark = self.speech.mark()
        self.press(key)
        said = self.speech.wait(mark, lambda s: any(not echo(t) for t in s), KEY_TIMEOUT)
        if said is None:
            fail(f"Orca said nothing for {key} within {KEY_TIMEOUT:.0f} s")
            return ""
        time.sleep(0.05)  # an answer may come in more than one utterance; the last one counts
        return [t for t in self.speech.since(mark) if not echo(t)][-1].strip()

    def go_to_column(self, column):
        """Steps review from the focused cell to the column's cell in the same row, listening to each cell: the
        column is heard before the press, and review must show the board as it is now."""
        if self.row is None:
            fail("Orca did not name the focused cell, so review has no known place to start from")
            raise SystemExit(1)
        while self.column != column:
            step = 1 if self.column < column else -1
            if self.by_object:
                heard = self.review_key("Insert+Control_L+" + ("Right" if step > 0 else "Left"))
            else:
                heard = self.review_key("KP_Right" if step > 0 else "KP_Left")
            self.column += step
            cell = (ROWS - self.row) * COLUMNS + self.column - 1
            held, _ = held_in(heard, str(self.column), str(self.row))
            if held is None:
                fail(f"review said {heard!r} where column {self.column}, row {self.row} was expected")
                raise SystemExit(1)
            if held != colour_of(self.cells[cell]):
                fail(f"review said {heard!r}, but that cell holds {colour_of(self.cells[cell])}: review showed "
                     "the board as it was")

    # ----- moves
    def move(self, column, ends=None, mouse=False):
        """One move in a column: by keyboard, or (mouse=True) by a sighted partner's click on the column's
        top cell. ends: None, or 'win' or 'tie' when this move ends the game."""
        number = self.cells.count("b") + self.cells.count("r") + 1
        player, colour = (0, "black") if number % 2 else (1, "red")
        keys_before = self.keys
        say(f"== move {number}: {PLAYERS[player]} ({colour}) in column {column}" + (" with the mouse" if mouse else ""))
        before = self.board.read()
        if before != self.cells:
            fail(f"before move {number} the board changed on its own: {self.cells} became {before}")
            self.cells = before
        if mouse and not getattr(self.keyboard, "clicks", True):
            mouse = False  # no pointer to place: the partner's move is made by keyboard
        stacking = not mouse and self.column == column
        if mouse:
            x, y = self.board.centre(column - 1)
            mark = self.speech.mark()
            xdotool("mousemove", str(x), str(y), "click", "1")
            self.mouse_moves += 1
        else:
            self.go_to_column(column)
            self.stacked += stacking
            time.sleep(max(0.0, self.last_click + CLICK_GAP - time.monotonic()))
            mark = self.speech.mark()
            pressed_at = datetime.datetime.now()
            self.press("Insert+Control_L+Return" if self.by_object else "KP_Divide")
            self.moves += 1
        # Where it should land: the lowest empty cell of the column, its row counted from the bottom.
        lowest = max(r for r in range(ROWS) if self.cells[r * COLUMNS + column - 1] == ".")
        fields = {"PLAYER": PLAYERS[player].upper(), "row": ROWS - lowest}
        landing = cell_name(column, ROWS - lowest, colour)
        then = turn(1 - player) if ends is None else (WINNER if ends == "win" else TIE)[0]
        said = self.speech.wait(mark, lambda s: contains(s, landing) and contains(s, then), BOX_TIMEOUT)
        if said is None:
            said = self.speech.since(mark)
            fail(f"move {number} (column {column}): expected {landing!r}, then {then!r}; Orca said {said!r}")
        else:
            self.check_news(number, mark, landing, then, words=ends is None, stacking=stacking)
            if not mouse:
                spoken_at = self.speech.stamp_of(mark, landing)
                self.latencies.append((fields["row"], (spoken_at - pressed_at).total_seconds() * 1000))
        self.last_click = 0.0 if mouse else time.monotonic()
        if not mouse:
            used = self.keys - keys_before
            self.move_keys += used
            if not stacking:
                self.stepping_keys.append(used)
            say(f"   ({used} keys for this move" + (", stacking)" if stacking else ")"))
        after = self.check_one_checker(number, column, colour)
        landed = next(i for i in range(len(after)) if self.cells[i] == "." and after[i] != ".")
        self.column, self.row = landed % COLUMNS + 1, ROWS - landed // COLUMNS
        if ends is None and self.board.focused() != landed:
            fail(f"move {number}: the focus is not on the cell the checker landed in but on {self.board.focused()}")
        if ends is not None:
            box = WINNER if ends == "win" else TIE
            # The board is emptied when the box is closed, so the last move is checked while it is open. After
            # a win the next game starts at once; after a tie the New Game question comes first.
            self.read_box(box[0], box[1].format(**fields), mark, FIRST_TURN if ends == "win" else None)
        self.cells = after
        self.speech.show()

    def check_news(self, number, mark, landing, then, words, stacking):
        """What follows a press: first the landing, then the turn or the box, and nothing else; the landing and
        the turn together in few words."""
        self.speech.settle(quiet=0.5, timeout=3.0)
        said = [t for t in self.speech.since(mark) if not echo(t)]
        if ORCA_43 and stacking and said[:1] == [POINTER_READ_TOO_SOON]:
            self.read_too_soon += 1
            said = said[1:]
        if not said or not contains([said[0]], landing):
            fail(f"move {number}: the first thing Orca said after the key was {said[:1]!r}, not {landing!r}")
            return
        turn_at = next(i for i, text in enumerate(said) if contains([text], then))
        if words:
            extra = said[turn_at + 1:] + said[1:turn_at]
            if extra:
                fail(f"move {number}: besides {landing!r} and {then!r} Orca said {extra!r}")
            count = len(" ".join(said[:turn_at + 1]).split())
            self.words.append(count)
            if count > MAX_WORDS:
                fail(f"move {number}: {count} words from the key to the end of the turn: {said[:turn_at + 1]!r}")
        elif said[1:turn_at] and not all(contains([t], then) for t in said[1:turn_at]):
            fail(f"move {number}: between {landing!r} and the box Orca said {said[1:turn_at]!r}")

    def check_one_checker(self, number, column, colour):
        wait_until(lambda: self.board.read() != self.cells, 3.0)
        time.sleep(0.2)  # a second click would come at once
        after = self.board.read()
        added = [i for i in range(len(after)) if self.cells[i] == "." and after[i] != "."]
        wrong = [i for i in range(len(after)) if self.cells[i] != "." and after[i] != self.cells[i]]
        if len(added) != 1 or wrong:
            what = "no checker" if not added else f"{len(added)} checkers" if len(added) > 1 else "a checker"
            cells = ", ".join(f"{colour_of(after[i])} in column {i % COLUMNS + 1}, row {ROWS - i // COLUMNS}"
                              for i in added)
            fail(f"move {number} (one key in column {column}) dropped {what}"
                 + (f": {cells}" if cells else "") + (" and changed placed checkers" if wrong else ""))
            self.speech.show()
            raise SystemExit(1)  # the players' colours and the columns are out of step from here on
        elif added[0] % COLUMNS != column - 1 or after[added[0]] != colour[0]:
            fail(f"move {number}: {colour_of(after[added[0]])} landed in column {added[0] % COLUMNS + 1}, row "
                 f"{ROWS - added[0] // COLUMNS}, not {colour} in column {column}")
        return after

    # ----- boxes
    def read_box(self, title, text, mark, turn=None, key="Return"):
        """Waits for a box to open and be read in full, then closes it with Return (or key). turn: whose turn it
        is once the board has the keyboard again, heard once and within a second of it. Returns the mark taken as
        the box was closed."""
        if not wait_until(lambda: window_open(title), BOX_TIMEOUT):
            fail(f"the box {title!r} did not open")
            raise SystemExit(1)
        said = self.speech.wait(mark, lambda s: contains(s, title) and not missing_parts(s, text), BOX_TIMEOUT)
        if said is None:
            said = self.speech.since(mark)
            if not contains(said, title):
                fail(f"the box {title!r}: its title was not spoken")
            gone = missing_parts(said, text)
            if gone:
                fail(f"the box {title!r} was not read in full: missing {' / '.join(gone)!r}")
        if squash(" ".join(self.speech.since(mark))).count(squash(text)) > 1:
            note(f"the text of the box {title!r} was spoken more than once")
        self.speech.show()
        say(f"== close {title!r} with {key}")
        closed = self.speech.mark()
        self.press(key)
        if not wait_until(lambda: not window_open(title), BOX_TIMEOUT):
            fail(f"the box {title!r} did not close on {key}")
            raise SystemExit(1)
        if turn is not None:
            self.check_turn(closed, turn, f"after the box {title!r}")
        self.speech.settle()  # the rest of what Orca says of the window it comes back to
        self.row = self.column = None
        self.heard_focus(self.speech.since(closed))
        return closed

    def check_turn(self, mark, turn, when):
        """Whose turn it is, heard once, within a second of Orca telling that the board has the keyboard."""
        if self.speech.wait(mark, lambda s: contains(s, turn), BOX_TIMEOUT) is None:
            fail(f"{when} whose turn it is was not spoken: expected {turn!r}")
            return
        self.speech.settle()
        if squash(" ".join(self.speech.since(mark))).count(squash(turn)) > 1:
            fail(f"{when} whose turn it is was spoken more than once")
        turn_at = self.speech.stamp_of(mark, turn)
        board_at = max((t for t in self.speech.stamps_of(mark, BOARD) if t <= turn_at), default=None)
        if board_at is not None and (turn_at - board_at).total_seconds() > 1.0:
            fail(f"{when} whose turn it is came {(turn_at - board_at).total_seconds():.1f} s after the board "
                 "got the keyboard")

    def menu(self, shortcut, box, turn=None):
        say(f"== {shortcut}")
        mark = self.speech.mark()
        self.press(shortcut)
        self.read_box(box[0], box[1], mark, turn)


KEY_ECHOES = ("slash", "dash", "minus", "return", "insert", "left control", "right control", "left shift")
# Orca 51 says these without the trailing blank.
KEY_ECHOES_51 = ("/", "insert", "escape", "return", "left", "right", "control", "left control")
if LANGUAGE:  # and in Orca's words of the language, from Orca's own catalogue
    import gettext
    ORCA_WORDS = gettext.translation("orca", languages=[LANGUAGE], fallback=True)
    KEY_ECHOES += tuple(ORCA_WORDS.gettext(word).lower() for word in KEY_ECHOES)
    KEY_ECHOES_51 += tuple(ORCA_WORDS.gettext(word).lower() for word in KEY_ECHOES_51)
PLATFORM = "xcb"  # Qt's platform for the game, as the desktop starts it
KEYBOARD = None  # how keys are pressed and windows found in this session
ORCA_51 = False  # whether the running Orca is 51 or later
ORCA_43 = False  # whether it is 43 (Debian 12)
# Orca 43 stacks by clicking the focused cell outside its flat review and reads the pointer back at once; on a
# busy machine it reads too soon and says this, although its click went through and the landing follows.
POINTER_READ_TOO_SOON = "Could not find current location."


def echo(text):
    """Orca's echo of a key just pressed, such as 'slash ' for KP_Divide."""
    word = text.strip().lower()
    return (text.endswith(" ") and word in KEY_ECHOES) or (ORCA_51 and word in KEY_ECHOES_51)


def enter_names(speech, keyboard, first):
    """Answers the two name prompts as the players do: listening, typing, Return."""
    for n, (prompt, name) in enumerate(zip(NAME_PROMPTS, PLAYERS)):
        say(f"== the name prompt for player {n + 1}")
        mark = speech.mark()
        if speech.wait(first if n == 0 else mark, lambda s: contains(s, prompt), 30) is None:
            fail(f"the name prompt {prompt!r} was not spoken")
            raise SystemExit(1)
        speech.show()
        say(f"== type {name}, Return")
        keyboard.type(name)
        keyboard.chord("Return")


FLOOR_PRESSES = 18  # three columns' worth of stacking on the floor


def play_floor(path, speech, keyboard, by_object):
    """The floor: the player's stacking key on a bare Qt table whose press drops a checker (see
    bench/TableFloor.cpp). Gives the ms from each key sent to the new current cell spoken."""
    say("======== the floor: a bare Qt table, pressed with the same key")
    mark = speech.mark()
    floor = subprocess.Popen([path], env=dict(os.environ, QT_QPA_PLATFORM=PLATFORM), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    times = []
    if speech.wait(mark, lambda s: contains(s, "Column 4, row 6: empty"), 30) is None:
        note("the floor's current cell was not named: no floor measured")
    else:
        speech.settle()
        key = "Insert+Control_L+Return" if by_object else "KP_Divide"
        for n in range(FLOOR_PRESSES):
            landing = f"Column 4, row {n % ROWS + 1}: {COLOURS[n % 2]}"
            time.sleep(CLICK_GAP)
            mark = speech.mark()
            sent = datetime.datetime.now()
            keyboard.chord(*key.split("+"), hold=float(KEY_HOLD))
            if speech.wait(mark, lambda s: contains(s, landing), KEY_TIMEOUT) is None:
                note(f"the floor's press {n + 1} was not told: expected {landing!r}, heard {speech.since(mark)!r}")
                break
            times.append((speech.stamp_of(mark, landing) - sent).total_seconds() * 1000)
            speech.settle(quiet=0.3, timeout=2.0)
    floor.kill()
    floor.wait()
    return times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--log", required=True)
    parser.add_argument("--game", required=True)
    parser.add_argument("--orca-pid", type=int, required=True)
    parser.add_argument("--session", default="x11",
                        help="x11 (Xvfb and openbox), gnome (GNOME Shell, Wayland) or plasma (KWin, Wayland)")
    parser.add_argument("--floor", help="a bare Qt table to measure the landing's latency against")
    args = parser.parse_args()
    global KEYBOARD, PLATFORM
    PLATFORM = "wayland" if args.session in ("gnome", "plasma") else "xcb"
    speech = Speech(args.log)

    keyboard = KEYBOARD = {"gnome": CompositorKeyboard, "plasma": KWinKeyboard}.get(args.session, Keyboard)()
    say("== Orca starts")
    if speech.wait(0, lambda s: len(s) > 0, 60) is None:
        raise SystemExit("FAIL: Orca said nothing within 60 s of starting")
    speech.show()
    if args.session == "plasma":
        check_keyboard_monitor(args.orca_pid)
    if args.session == "gnome":
        keyboard.chord("Escape")  # out of GNOME Shell's overview, where it starts, to the desktop
        time.sleep(1.0)
    env = dict(os.environ, QT_QPA_PLATFORM=PLATFORM)  # started as the desktop starts it
    game = subprocess.Popen([args.game], env=env, stdout=open("game.log", "w"), stderr=subprocess.STDOUT)
    board = Board()
    global ORCA_51, ORCA_43
    version = subprocess.run(["orca", "--version"], capture_output=True, text=True).stdout
    found = re.search(r"(\d+)\.", version)
    ORCA_51 = bool(found and int(found.group(1)) >= 51)
    ORCA_43 = bool(found and int(found.group(1)) == 43)
    player = Player(speech, board, keyboard, by_object=ORCA_51)
    say(f"== {version.strip()}: moves with " + ("the object navigator" if ORCA_51 else "flat review"))

    enter_names(speech, keyboard, 0)
    player.check_turn(0, FIRST_TURN, "when the board came up")
    player.heard_focus(speech.since(0))
    speech.show()

    try:
        say("======== a game black wins: a line along row 1, red stacking on each checker")
        for column in (1, 1, 2, 2, 3, 3):
            player.move(column)
        player.move(4, ends="win")
        player.cells = "." * (ROWS * COLUMNS)

        say("======== a game red wins: a line down column 2, black's first moves made with the mouse")
        for column, mouse in ((1, True), (2, False), (1, True), (2, False), (1, False), (2, False), (3, False)):
            player.move(column, mouse=mouse)
        player.move(2, ends="win")
        player.cells = "." * (ROWS * COLUMNS)

        player.menu("ctrl+r", RULES)
        player.menu("ctrl+a", ABOUT)
        say("======== New Game (Ctrl+N) on the board the win left empty, answered Yes: the same names")
        player.menu("ctrl+n", NEW_GAME, turn=FIRST_TURN)

        say("======== a game that fills the board: a tie")
        tie = [3, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 7, 5, 5, 5, 5, 5, 5,
               6, 6, 6, 6, 6, 6, 7, 7, 7, 7]
        for column in tie:
            player.move(column)
        mark = speech.mark()
        player.move(7, ends="tie")
        # Closing the tie box asks at once whether to keep the names.
        player.read_box(NEW_GAME[0], NEW_GAME[1], mark, turn=FIRST_TURN)
        player.cells = "." * (ROWS * COLUMNS)
        if board.read() != player.cells:
            fail("the New Game after the tie left checkers on the board")

        say("======== two moves, then New Game (Ctrl+N), answered No: new names")
        player.move(4)
        player.move(4)
        mark = speech.mark()
        say("== ctrl+n")
        player.press("ctrl+n")
        named = player.read_box(NEW_GAME[0], NEW_GAME[1], mark, key="alt+n")
        player.cells = "." * (ROWS * COLUMNS)
        enter_names(speech, keyboard, named)
        player.check_turn(named, FIRST_TURN, "after new names")
        speech.settle()
        player.heard_focus(speech.since(named))
        if board.read() != player.cells:
            fail("New Game left checkers on the board")
        player.move(5)

        say("== Ctrl+X")
        player.exited = True
        player.press("ctrl+x")
        if not wait_until(lambda: game.poll() is not None, 20):
            fail("the game did not end on Ctrl+X")
        speech.show()
    except SystemExit as stop:
        if stop.code not in (None, 0, 1):
            fail(str(stop.code))
        speech.show()

    floor = play_floor(args.floor, speech, keyboard, ORCA_51) if args.floor and not failures else []

    try:
        os.kill(args.orca_pid, 0)
    except ProcessLookupError:
        fail("Orca ended during the run")
    if game.poll() is not None and not player.exited:
        fail(f"the game ended during the run, with status {game.returncode}")
    with open("game.log", encoding="utf-8", errors="replace") as output:
        printed = output.read().strip()
    if printed:
        say("== what the game printed:\n" + printed)
    if player.latencies:
        lat = sorted(ms for _, ms in player.latencies)
        say(f"== the landing was spoken {statistics.median(lat):.0f} ms after the pressing key was sent (median of "
            f"{len(lat)}; 90th percentile {lat[int(0.9 * (len(lat) - 1))]:.0f} ms; {lat[0]:.0f} to {lat[-1]:.0f} ms)")
        if floor:
            say(f"== the floor (a bare Qt table, the same key): median {statistics.median(floor):.0f} ms of "
                f"{len(floor)}; the game over the floor: {statistics.median(lat) / statistics.median(floor):.2f}")
        rows = {row: [ms for r, ms in player.latencies if r == row] for row in range(1, ROWS + 1)}
        say("   median by the row landed in: " + ", ".join(f"row {row}: {statistics.median(ms):.0f} ms ({len(ms)})"
                                                          for row, ms in rows.items() if ms))
    if player.read_too_soon:
        say(f"== Orca 43 said {POINTER_READ_TOO_SOON!r} before the landing of {player.read_too_soon} stacking "
            "move(s): it read its pointer back too soon on a busy machine")
    if player.words:
        say(f"== words from the key to the end of the turn: median {statistics.median(player.words):.0f}, "
            f"most {max(player.words)}")
    stepping = player.stepping_keys
    say(f"== {player.moves} moves by keyboard, {player.move_keys} keys: {player.stacked} stacking with one key, "
        f"{len(stepping)} to another column with {sum(stepping) / max(1, len(stepping)):.2f} keys on average; "
        f"{player.mouse_moves} moves with the mouse")
    for message in notes:
        say(f"NOTE: {message}")
    if failures:
        say(f"FAILED: {len(failures)} problem(s):")
        for message in failures:
            say(f"  - {message}")
        sys.exit(1)
    say("PASSED")


if __name__ == "__main__":
    main()
