"""Start-up time and peak memory of the program against an empty Qt main window, and against
the same window showing one line of text.

Time runs from the process's start to its window being mapped on the X server; memory is the
process's peak resident set. Run on an X server of its own, with no window manager:
    tests/with-x-server /usr/bin/python3 bench/startup.py build/default/app/dornavel \\
        build/default/bench/empty_window [RUNS]
"""

import ctypes
import os
import select
import signal
import statistics
import subprocess
import sys
import time

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
x11.XConnectionNumber.argtypes = [ctypes.c_void_p]
x11.XPending.argtypes = [ctypes.c_void_p]
x11.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
x11.XFlush.argtypes = [ctypes.c_void_p]


class Event(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("pad", ctypes.c_long * 24)]


def one_run(display, command):
    """Seconds until the first window is mapped, and peak resident memory in KiB."""
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    fd = x11.XConnectionNumber(display)
    event = Event()
    mapped = None
    while mapped is None:
        if time.monotonic() - start > 30:
            process.kill()
            raise RuntimeError(f"{command} showed no window")
        while x11.XPending(display):
            x11.XNextEvent(display, ctypes.byref(event))
            if event.type == MAP_NOTIFY and mapped is None:
                mapped = time.monotonic() - start
        if mapped is None:
            select.select([fd], [], [], 0.05)
    time.sleep(0.5)  # let it paint and settle before reading its peak
    process.send_signal(signal.SIGTERM)
    _, _, usage = os.wait4(process.pid, 0)
    return mapped, usage.ru_maxrss


def main():
    program, baseline = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("startup: no X display")
    x11.XSelectInput(display, x11.XDefaultRootWindow(display), SUBSTRUCTURE_NOTIFY_MASK)
    x11.XFlush(display)

    commands = {
        "program": [program],
        "empty window": [baseline],
        "with text": [baseline, "--text"],
    }
    results = {name: [] for name in commands}
    for command in commands.values():  # warm the file cache
        one_run(display, command)
    for _ in range(runs):
        for name, command in commands.items():
            results[name].append(one_run(display, command))

    medians = {}
    for name, runs_of_it in results.items():
        times, memory = zip(*runs_of_it)
        medians[name] = (statistics.median(times) * 1000, statistics.median(memory) / 1024)

    print(f"runs: {runs} each, medians")
    print(f"{'':26}{'to window (ms)':>16}{'peak RSS (MiB)':>16}")
    for name, (ms, mib) in medians.items():
        print(f"{name:26}{ms:16.1f}{mib:16.1f}")
    for name in ("empty window", "with text"):
        ms, mib = medians["program"]
        base_ms, base_mib = medians[name]
        print(f"{'ratio to ' + name:26}{ms / base_ms:16.2f}{mib / base_mib:16.2f}")


if __name__ == "__main__":
    main()
