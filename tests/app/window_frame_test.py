#!/usr/bin/python3
"""The frames the window manager is asked for, read from the real program on X.

The splash window and the main window keep their size: each must ask for a
frame without maximise (the Motif hints that X11 window managers honour carry
no maximise function or button), and its size hints must give one size as both
the least and the most (Qt always lets the Motif hints allow resizing; the size
hints are what keeps the size).

Usage: window_frame_test.py PROGRAM
"""
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "common"))
from desktop import WAIT, Desktop, Failure, tool  # noqa: E402

# The Motif window manager hints: which fields are set, then the functions and
# decorations asked for.
HINTS_FUNCTIONS, HINTS_DECORATIONS = 1, 2
FUNC_ALL, FUNC_MAXIMIZE = 1, 16
DECOR_ALL, DECOR_MAXIMIZE = 1, 64

TITLES = ["Program loading...", "Ayat Explorer"]


def main(program):
    xdotool, xprop = tool("xdotool"), tool("xprop")
    with Desktop() as d:
        program = os.path.abspath(program)
        d.start([program], cwd=os.path.dirname(program),
                env=dict(d.env, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy"), stderr="program.log")

        def window(title):
            limit = time.monotonic() + WAIT
            while time.monotonic() < limit:
                found = subprocess.run([xdotool, "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
                                       env=d.env, capture_output=True, text=True).stdout.split()
                if found:
                    return found[0]
                time.sleep(0.1)
            d.fail(f"no window titled {title!r} came up")

        def property_of(win, name):
            out = subprocess.run([xprop, "-id", win, name], env=d.env, capture_output=True, text=True).stdout
            return out.strip()

        for title in TITLES:
            win = window(title)
            hints = property_of(win, "_MOTIF_WM_HINTS")
            numbers = [int(v, 0) for v in re.findall(r"0x[0-9a-f]+|\d+", hints.split("=", 1)[-1])]
            if len(numbers) < 3:
                d.fail(f"{title!r}: no Motif hints, so the window manager offers every button: {hints!r}")
            fields, functions, decorations = numbers[:3]
            problems = []
            if not fields & HINTS_FUNCTIONS or functions & (FUNC_ALL | FUNC_MAXIMIZE):
                problems.append(f"functions 0x{functions:x} (fields 0x{fields:x}) allow maximise")
            if not fields & HINTS_DECORATIONS or decorations & (DECOR_ALL | DECOR_MAXIMIZE):
                problems.append(f"decorations 0x{decorations:x} (fields 0x{fields:x}) show maximise")
            normal = property_of(win, "WM_NORMAL_HINTS")
            least = re.search(r"minimum size: (\d+) by (\d+)", normal)
            most = re.search(r"maximum size: (\d+) by (\d+)", normal)
            if not least or not most or least.groups() != most.groups():
                problems.append(f"size hints do not fix the size: {normal!r}")
            if problems:
                d.fail(f"{title!r}: " + "; ".join(problems))
            print(f"{title!r}: Motif hints {hints.split('=', 1)[-1].strip()}; size fixed at "
                  f"{least.group(1)} x {least.group(2)}")
    print("window frames: both windows ask for a fixed frame without maximise")


if __name__ == "__main__":
    try:
        main(*sys.argv[1:])
    except Failure as e:
        print(f"FAIL: {e}", file=sys.stderr)
        sys.exit(1)
