"""Drives the built program from outside its process, as a user would.

Keys go in through the display server, and what the window shows is read back over the
accessibility bus. Run under a display and a session bus of its own, on X or on Wayland:
    with-x-server /usr/bin/python3 drive_program.py PATH/TO/dornavel
    with-wayland-compositor /usr/bin/python3 drive_program.py PATH/TO/dornavel
On X, xdotool types and clicks. On Wayland, wtype types through a virtual keyboard and sway
tells where the window is; nothing there can move a pointer, so buttons are reached by Tab and
pressed with the space bar, as a keyboard user does.
"""

import ctypes
import json
import os
import subprocess
import sys
import time
import traceback

import pyatspi

PROGRAM = sys.argv[1]
TIMEOUT = 30.0  # generous: a sanitizer build starts slowly on a busy machine


class CheckFailed(Exception):
    pass


def until(condition, what, timeout=TIMEOUT):
    """Polls condition until it returns something true; fails naming what was awaited."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = condition()
        except Exception:  # the accessibility tree may be in flux
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise CheckFailed(f"timed out waiting for {what}")
        time.sleep(0.05)


def expect(actual, expected, what):
    if actual != expected:
        raise CheckFailed(f"{what}: expected {expected!r}, got {actual!r}")


DESKTOP_ID = "org.dornavel.Dornavel"  # the menu entry's id


def run(*command, **options):
    return subprocess.run(command, check=True, capture_output=True, text=True, **options).stdout


def xdotool(*args):
    return run("xdotool", *args)


def send_close_request(window_id):
    """Asks the window to close as a window manager does: a WM_DELETE_WINDOW client message."""
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("data", ctypes.c_long * 5),
                    ("pad", ctypes.c_long * 12)]  # an XEvent is 24 longs

    display = x11.XOpenDisplay(None)
    if not display:
        raise CheckFailed("cannot open the X display")
    event = ClientMessage()
    event.type = 33  # ClientMessage
    event.window = window_id
    event.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
    event.format = 32
    event.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    event.data[1] = 0  # CurrentTime
    x11.XSendEvent(display, window_id, 0, 0, ctypes.byref(event))
    x11.XFlush(display)
    x11.XCloseDisplay(display)



class X11:
    name = "X11"

    def __init__(self, pid):
        self.window_id = int(until(
            lambda: xdotool("search", "--pid", str(pid), "--name", "^Dornavel$").split()[0],
            "the X window"))

    @staticmethod
    def key(*names):
        xdotool("key", "--clearmodifiers", *names)

    # xdotool types a letter outside the keyboard map by remapping a spare key, which a slow
    # client can read after the next remap: type again, slower, when that happens.
    typing_delays_ms = (5, 40, 150)

    @staticmethod
    def type_text(text, delay_ms):
        xdotool("type", "--delay", str(delay_ms), "--", text)

    def title_and_geometry(self):
        geometry = xdotool("getwindowgeometry", str(self.window_id))
        position = geometry.split("Position: ")[1].split()[0]
        size = geometry.split("Geometry: ")[1].split()[0]
        return xdotool("getwindowname", str(self.window_id)).strip(), position, size

    def close(self):
        send_close_request(self.window_id)

    def app_id(self):
        """The menu entry's id as KWin and GNOME Shell read it from the window."""
        return " / ".join(sorted({
            run("xprop", "-id", str(self.window_id), "-notype", name).split('"')[1]
            for name in ("_KDE_NET_WM_DESKTOP_FILE", "_GTK_APPLICATION_ID")}))

    @staticmethod
    def copy(text):
        clipboard = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"],
                                     stdin=subprocess.PIPE, stderr=subprocess.DEVNULL)
        clipboard.stdin.write(text.encode())
        clipboard.stdin.close()
        until(lambda: subprocess.run(["xclip", "-out", "-selection", "clipboard"],
                                     capture_output=True).stdout == text.encode(),
              "the clipboard to hold the text")
        return clipboard


class Wayland:
    name = "Wayland"

    def __init__(self, pid):
        self.pid = pid
        until(self.node, "the window in the compositor")

    def node(self):
        def search(node):
            if node.get("pid") == self.pid:
                return node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                found = search(child)
                if found is not None:
                    return found
            return None
        return search(json.loads(run("swaymsg", "--raw", "--type", "get_tree")))

    @staticmethod
    def key(*names):
        for name in names:
            *modifiers, key_name = name.split("+")
            command = ["wtype"]
            for modifier in modifiers:
                command += ["-M", modifier]
            command += ["-k", key_name]
            for modifier in reversed(modifiers):
                command += ["-m", modifier]
            run(*command)

    # Once: every letter a user types must arrive.
    typing_delays_ms = (5,)

    @staticmethod
    def type_text(text, delay_ms):
        run("wtype", "-d", str(delay_ms), "--", text)

    def app_id(self):
        return self.node()["app_id"]

    def title_and_geometry(self):
        node = self.node()
        # A client cannot place its window on Wayland: there is no position to compare.
        size = f"{node['geometry']['width']}x{node['geometry']['height']}"
        return node["name"], None, size

    def close(self):
        run("swaymsg", f"[pid={self.pid}]", "kill")

    @staticmethod
    def copy(text):
        clipboard = subprocess.Popen(["wl-copy", "--foreground", "--", text],
                                     stderr=subprocess.DEVNULL)
        until(lambda: run("wl-paste", "--no-newline") == text, "the clipboard to hold the text")
        return clipboard


DISPLAY = Wayland if os.environ.get("WAYLAND_DISPLAY") else X11


class Program:
    """One run of the program, stopped by process id whatever happens."""

    def __init__(self):
        self.process = subprocess.Popen([PROGRAM])
        self.helpers = []
        try:
            self.app = until(self._find_application, "the program on the accessibility bus")
            self.frame = until(lambda: self.app[0], "the window")
            self.display = DISPLAY(self.process.pid)
            until(lambda: self.button("Распределить") is not None, "the controls")
        except BaseException:
            self.stop()
            raise

    def _find_application(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def stop(self):
        for helper in self.helpers + [self.process]:
            if helper.poll() is None:
                helper.kill()
                helper.wait()

    def exit_status(self, timeout=TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise CheckFailed("the program did not exit")

    def find(self, predicate):
        def search(node):
            for child in node:
                if child is None:
                    continue
                if predicate(child):
                    return child
                found = search(child)
                if found is not None:
                    return found
            return None
        return search(self.frame)

    # By role, not role name: AT-SPI renamed "push button" to "button" in Debian 13.
    def button(self, name):
        return self.find(lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == name)

    def label(self, text):
        return self.find(lambda a: a.getRole() == pyatspi.ROLE_LABEL and a.name == text)

    LISTS = ("Список игроков", "Левая колонка пар", "Правая колонка пар")

    def list(self, index):
        name = self.LISTS[index]
        return self.find(lambda a: a.getRole() == pyatspi.ROLE_LIST and a.name == name)

    def rows(self, index):
        return [item.name for item in self.list(index)]

    def entry(self):
        return self.find(lambda a: a.getRole() == pyatspi.ROLE_TEXT)

    def entry_text(self):
        text = self.entry().queryText()
        return text.getText(0, text.characterCount)

    def click(self, accessible):
        """Clicks a control, or where no pointer can be moved, tabs to it and presses space."""
        if isinstance(self.display, X11):
            x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            xdotool("mousemove", str(x + width // 2), str(y + height // 2), "click", "1")
            return
        # One Tab at a time, each awaited until the focus has moved: a busy machine must not make
        # the walk overshoot.
        focused = lambda: self.find(lambda a: self.has_state(a, pyatspi.STATE_FOCUSED))
        for _ in range(12):
            before = focused()
            if before == accessible:
                break
            key("Tab")
            until(lambda: focused() not in (None, before), "the focus to move on Tab")
        if not self.has_state(accessible, pyatspi.STATE_FOCUSED):
            raise CheckFailed(f"Tab never reached {accessible.name!r}")
        if accessible.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            key("space")

    @staticmethod
    def has_state(accessible, state):
        return accessible.getState().contains(state)

    def enabled(self, name):
        return self.has_state(self.button(name), pyatspi.STATE_SENSITIVE)

    def showing(self, accessible):
        return self.has_state(accessible, pyatspi.STATE_SHOWING)

    def open_menu(self, accelerator, title):
        """Opens a menu by its accelerator and waits until it shows, as a user looks before
        pressing on: keys sent earlier would reach the window instead."""
        key(f"alt+{accelerator}")
        until(lambda: self.showing(self.find(
            lambda a: a.getRole() == pyatspi.ROLE_MENU_ITEM and a.name == title)[0]),
            f"the {title} menu")

    def add_by_typing(self, name):
        self.click(self.entry())
        delays = self.display.typing_delays_ms
        for delay_ms in delays:
            key("ctrl+a")
            self.display.type_text(name, delay_ms)
            last = delay_ms == delays[-1]
            try:
                until(lambda: self.entry_text() == name, f"the entry to read {name!r}",
                      TIMEOUT if last else 3)
                break
            except CheckFailed:
                if last:
                    raise
        before = len(self.rows(0))
        key("Return")
        until(lambda: len(self.rows(0)) == before + 1, f"{name!r} in the roster")

    def paste(self, text):
        self.helpers.append(self.display.copy(text))
        self.click(self.entry())
        key("ctrl+a")
        # Once only: the clipboard's owner may answer slowly, and a second paste would append.
        key("ctrl+v")
        until(lambda: self.entry_text() == text, "the pasted text")


def key(*names):
    DISPLAY.key(*names)


# --- the checks -------------------------------------------------------------------------------

def window_opens_as_described(program):
    title, position, size = program.display.title_and_geometry()
    expect(title, "Dornavel", "title")
    expect(size, "541x458", "size")
    if DISPLAY is X11:
        expect(position, "258,160", "position")
    expect(program.display.app_id(), DESKTOP_ID, "the desktop's id of the window")
    expect(program.enabled("Распределить"), False, "draw enabled at start")
    expect([program.rows(i) for i in range(3)], [[], [], []], "lists at start")
    expect(program.entry_text(), "", "entry at start")
    for text in ("Версия 1.0 ", "Good luck, have fun!"):
        expect(program.showing(program.label(text)), False, f"{text!r} showing at start")
    roster = program.list(0)
    until(lambda: program.has_state(roster, pyatspi.STATE_FOCUSED), "focus in the roster")


def controls_are_named_for_screen_readers(program):
    for index in range(3):
        if program.list(index) is None:
            raise CheckFailed(f"no list named {program.LISTS[index]!r}")
    expect(program.entry().name, "Ввести ник игрока", "the entry's name")
    for name in ("Добавить игрока", "Распределить", "Убрать"):
        if program.button(name) is None:
            raise CheckFailed(f"no button named {name!r}")
    # A screen reader reads the pairs row by row.
    for name in ("Anna", "Boris"):
        program.add_by_typing(name)
    program.click(program.button("Распределить"))
    until(lambda: len(program.rows(1)) == 1 and len(program.rows(2)) == 1, "one pair")
    expect(sorted(program.rows(1) + program.rows(2)), ["Anna", "Boris"], "the pair read aloud")
    left, right = program.list(1)[0], program.list(2)[0]
    expect(left.description, f"пара 1, с {right.name}", "the pair as the left column tells it")


def typical_use_from_empty_window_to_pairs(program):
    names = ["Alpha", "Котик", "Zed", "Ёжик"]
    for name in names:
        program.add_by_typing(name)
    expect(program.rows(0), names, "roster")
    until(lambda: program.enabled("Распределить"), "the draw to be enabled")
    program.click(program.button("Распределить"))
    until(lambda: len(program.rows(1)) + len(program.rows(2)) == 4, "the deal")
    left, right = program.rows(1), program.rows(2)
    expect((len(left), len(right)), (2, 2), "column lengths")
    expect(sorted(left + right), sorted(names), "dealt players")
    expect(program.enabled("Распределить"), False, "draw enabled after drawing")
    # Enter after a draw adds the entry's text again.
    key("Return")
    until(lambda: program.rows(0) == names + ["Ёжик"], "Enter after the draw")


def menu_commands_by_accelerator(program):
    for name in ["A", "B", "C"]:
        program.add_by_typing(name)
    program.click(program.button("Распределить"))
    until(lambda: len(program.rows(1)) == 2, "the deal")

    program.open_menu("f", "File")
    key("Down", "Return")  # Очистить список игроков
    until(lambda: program.rows(0) == [], "the roster cleared")
    expect(len(program.rows(1)) + len(program.rows(2)), 3, "columns after clearing the roster")
    expect(program.entry_text(), "C", "entry after clearing the roster")

    program.open_menu("f", "File")
    key("Down", "Down", "Return")  # Очистить поля с расскиданными игроками
    until(lambda: program.rows(1) == [] and program.rows(2) == [], "the columns cleared")
    until(lambda: program.enabled("Распределить"), "the draw enabled on an empty roster")

    program.open_menu("f", "File")
    key("Return")  # Сначало
    until(lambda: program.entry_text() == "", "the entry emptied by starting over")
    until(lambda: not program.enabled("Распределить"), "the draw disabled")


def about_lines_show_and_hide(program):
    labels = [program.label(t) for t in ("Версия 1.0 ", "Авторы: команда Dornavel",
                                         "Good luck, have fun!")]
    program.open_menu("a", "About")
    key("Return")
    until(lambda: all(program.showing(l) for l in labels), "the about lines")
    program.click(program.button("Убрать"))
    until(lambda: not any(program.showing(l) for l in labels), "the about lines hidden")


def long_pasted_nickname(program):
    # Longer than the 32,767 characters a line edit takes unless told otherwise.
    long_name = "Очень" + "x" * 40000 + "длинный"
    program.paste(long_name)
    key("Return")
    until(lambda: program.rows(0) == [long_name], "the long nickname in the roster")


def exit_item_ends_with_status_zero(program):
    for name in ["P1", "P2", "P3"]:
        program.add_by_typing(name)
    program.open_menu("a", "About")
    key("Return")
    until(lambda: program.showing(program.button("Убрать")), "the about lines")
    program.open_menu("f", "File")
    key("Up", "Return")  # Выход, the last item
    expect(program.exit_status(), 0, "exit status of Выход")


def closing_the_window_ends_with_status_zero(program):
    program.add_by_typing("Someone")
    program.display.close()
    expect(program.exit_status(), 0, "exit status after closing the window")


def closing_repeatedly_ends_every_time():
    """Starts the program and closes its window many times over, with the session bus and
    without one, as a busy desktop might: it must end with status 0 within a second every time.
    Needs no accessibility bus, so it runs apart from the checks above."""
    without_bus = {k: v for k, v in os.environ.items() if k != "DBUS_SESSION_BUS_ADDRESS"}
    # libdbus leaks a buffer looking for a bus that is not there; the runs with one look for
    # leaks of ours.
    without_bus["ASAN_OPTIONS"] = os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
    for environment in (os.environ, without_bus):
        for _ in range(CLOSES_PER_BUS):
            process = subprocess.Popen([PROGRAM], env=environment)
            try:
                DISPLAY(process.pid).close()
                try:
                    expect(process.wait(1), 0, "exit status after closing the window")
                except subprocess.TimeoutExpired:
                    raise CheckFailed("still running a second after its window was closed")
            finally:
                if process.poll() is None:
                    process.kill()
                    process.wait()


CLOSES_PER_BUS = 20

CHECKS = [
    window_opens_as_described,
    controls_are_named_for_screen_readers,
    typical_use_from_empty_window_to_pairs,
    menu_commands_by_accelerator,
    about_lines_show_and_hide,
    long_pasted_nickname,
    exit_item_ends_with_status_zero,
    closing_the_window_ends_with_status_zero,
]


def announce_screen_reader():
    """Says on the accessibility bus that a screen reader runs, as Orca does when it starts.

    Qt puts the window on the accessibility bus only once an assistive technology says it is
    listening; the checks then see the controls exactly as a real screen reader would.
    """
    subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply",
                    "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                    "string:org.a11y.Status", "string:ScreenReaderEnabled",
                    "variant:boolean:true"], check=True, capture_output=True)


def with_program(check):
    """Runs a check against a program of its own, stopped whatever happens."""
    def run():
        program = Program()
        try:
            check(program)
        finally:
            program.stop()
    run.__name__ = check.__name__
    return run


def main():
    # A program that starts before the accessibility registry is up never shows on the bus.
    until(lambda: pyatspi.Registry.getDesktop(0).childCount >= 0, "the accessibility registry")
    announce_screen_reader()
    passed = failed = 0
    for check in [with_program(check) for check in CHECKS] + [closing_repeatedly_ends_every_time]:
        try:
            check()
            passed += 1
            print(f"PASS {check.__name__}", flush=True)
        except Exception:
            failed += 1
            print(f"FAIL {check.__name__}", flush=True)
            traceback.print_exc()
    print(f"{DISPLAY.name}: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
