#!/usr/bin/python3
"""The tests' private desktop (desktop.py): what the screen-reader tests rely on.

  - a client that is slow through its connection set-up is served even when
    the server's only other client leaves meanwhile (an X server that resets
    then drops it);
  - two desktops at once have displays of their own; at the end the
    processes have ended and the scratch folder is gone;
  - a server that cannot start, or is missing, is a Failure that names it
    and carries the server's own messages.
"""
import os
import socket
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, Failure  # noqa: E402


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def slow_setup_survives_a_leaving_client():
    with Desktop() as d:
        s = socket.socket(socket.AF_UNIX)
        s.connect(f"/tmp/.X11-unix/X{d.display[1:]}")
        # Another client comes and goes while this one has not sent its set-up.
        left = subprocess.run(["xprop", "-root", "-len", "0", "AT_SPI_BUS"], env=d.env, capture_output=True)
        check(left.returncode == 0, f"xprop could not use the display: {left.stderr!r}")
        time.sleep(0.2)
        try:
            s.sendall(struct.pack("<cxHHHHxx", b"l", 11, 0, 0, 0))
            reply = s.recv(8)
        except OSError as e:
            reply = repr(e).encode()
        s.close()
        check(reply[:1] == b"\x01", f"a slow connection set-up was dropped when another client left: {reply!r}")


def desktops_are_private_and_ended():
    with Desktop(atspi=True) as a, Desktop() as b:
        check(a.display != b.display, f"two desktops share display {a.display}")
        check(a.bus != b.bus and a.env["XDG_RUNTIME_DIR"] != b.env["XDG_RUNTIME_DIR"], "two desktops share a bus")
        check(a.atspi_bus and b.atspi_bus is None, "the accessibility bus is not where it was asked for")
        for d in (a, b):
            p = d.start(["xdpyinfo"], stdout=subprocess.DEVNULL)
            check(p.wait(60) == 0, f"xdpyinfo cannot use {d.display}")
        processes = [p for _, p in a.started + b.started]
        scratches = [a.scratch, b.scratch]
    check(all(p.poll() is not None for p in processes), "a desktop's process outlived it")
    check(not any(os.path.exists(s) for s in scratches), "a desktop's scratch folder outlived it")


def failures_carry_the_servers_messages():
    try:
        with Desktop(screen="not-a-screen"):
            raise AssertionError("Xvfb started with a screen it cannot make")
    except Failure as e:
        text = str(e)
        check(text.startswith("Xvfb did not start"), f"the failure does not name Xvfb: {text}")
        check("Xvfb's messages" in text and "not-a-screen" in text.split("Xvfb's messages", 1)[1],
              f"the failure does not carry Xvfb's messages: {text}")

    empty = tempfile.mkdtemp(prefix="ayat-no-tools-")
    path = os.environ["PATH"]
    os.environ["PATH"] = empty
    try:
        with Desktop():
            raise AssertionError("a desktop started without Xvfb")
    except Failure as e:
        check("Xvfb is missing" in str(e), f"the failure does not say Xvfb is missing: {e}")
    finally:
        os.environ["PATH"] = path
        os.rmdir(empty)


if __name__ == "__main__":
    failed = 0
    for test in (slow_setup_survives_a_leaving_client, desktops_are_private_and_ended,
                 failures_carry_the_servers_messages):
        try:
            test()
            print(f"ok: {test.__name__}")
        except (AssertionError, Failure) as e:
            failed += 1
            print(f"FAIL: {test.__name__}: {e}")
    sys.exit(1 if failed else 0)
