"""A private desktop for the tests that run programs under a real X display.

    import sys; sys.path.insert(0, "<source>/tests/common")
    from desktop import Desktop, Failure

    with Desktop(atspi=True) as d:
        p = d.start([program], env=dict(d.env, QT_QPA_PLATFORM="xcb"), cwd=..., stderr="program.log")
        ...
        if p.poll() is not None:
            d.fail("the program ended")     # raises Failure, with every log below appended

Desktop(atspi=False, screen="1024x768x24") starts, in this order:
  - Xvfb on a display number it picks itself (-displayfd with no number: the
    server binds the first number whose sockets are free, so it cannot take a
    display another server holds, in this mount namespace or, through the
    abstract socket, in any other sharing the network). The display is handed
    out only after a real X connection to it has been made; that connection is
    held until the end. The server runs with -noreset: by default an X server
    resets when its last client leaves, and a reset drops every client still in
    its connection set-up, so short-lived clients (the accessibility bus
    launcher, libatspi reading the bus address from the root window) would
    make a program that is just connecting fail with "could not connect to
    display". The held connection keeps that from happening even so, and
    tells whether the server still answers when something fails.
  - a private session bus (dbus-daemon) listening in XDG_RUNTIME_DIR;
  - with atspi=True, the accessibility bus launcher, handed out once it owns
    org.a11y.Bus and answers with the accessibility bus's address.

Attributes and methods:
  d.env      the environment to start programs with: this process's, with
             DISPLAY, DBUS_SESSION_BUS_ADDRESS and XDG_RUNTIME_DIR (a private
             folder) set, and what would lead a program to another desktop
             (AT_SPI_BUS_ADDRESS, WAYLAND_DISPLAY, XAUTHORITY, SESSION_MANAGER) removed
  d.display  ":N";  d.bus: the session bus address;  d.atspi_bus: the
             accessibility bus address (None without atspi)
  d.scratch  a private temporary folder, removed at the end
  d.start(args, env=None, cwd=None, stdout=None, stderr=None)
             starts a process (stdin from /dev/null) that is ended at the end,
             in reverse order of starting; stdout/stderr as for subprocess, or
             a file name in d.scratch whose content d.fail reports
  d.adopt()  puts d.env into this process's own environment, for clients that
             run in it (libatspi); the previous environment comes back at the end
  d.fail(message)
             raises Failure: the message, then which of the desktop's
             processes have ended and with what status, whether the X server
             still answers, and the messages of Xvfb, the buses and every log
             named in d.start
A desktop that cannot start raises Failure the same way. Waits are bounded
only to catch hangs (WAIT seconds), never to judge speed.
"""
import ctypes
import os
import shutil
import subprocess
import tempfile
import threading
import time

WAIT = 60.0  # seconds: only a hang-catching limit
LAUNCHERS = ["/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher"]
FOREIGN = ("AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY", "XAUTHORITY", "SESSION_MANAGER")


class Failure(Exception):
    pass


def tool(name, candidates=None):
    """The path of an executable, or Failure naming what is missing."""
    for path in candidates or [shutil.which(name)]:
        if path and os.access(path, os.X_OK):
            return path
    raise Failure(f"{name} is missing (install the packages of packages.txt: make test does)")


def _within(limit, work):
    """(True, work()) if work() returns within limit seconds, else (False, None):
    it runs in a thread that is given up on, for calls with no time limit of their own."""
    result = []
    worker = threading.Thread(target=lambda: result.append(work()), daemon=True)
    worker.start()
    worker.join(limit)
    return (True, result[0]) if result else (False, None)


class _Connection:
    """A real X connection through libxcb, made with a hang limit."""

    class _Cookie(ctypes.Structure):
        _fields_ = [("sequence", ctypes.c_uint)]

    def __init__(self, display, limit):
        try:
            self.xcb = ctypes.CDLL("libxcb.so.1")
            libc = ctypes.CDLL(None)
        except OSError as e:
            raise Failure(f"libxcb is missing ({e}): libxcb1")
        self.free = libc.free
        self.free.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_connect.restype = ctypes.c_void_p
        self.xcb.xcb_connect.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
        self.xcb.xcb_connection_has_error.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_disconnect.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_get_input_focus.restype = self._Cookie
        self.xcb.xcb_get_input_focus.argtypes = [ctypes.c_void_p]
        self.xcb.xcb_get_input_focus_reply.restype = ctypes.c_void_p
        self.xcb.xcb_get_input_focus_reply.argtypes = [ctypes.c_void_p, self._Cookie, ctypes.c_void_p]
        self.handle = None
        self.error = None
        # xcb_connect has no time limit of its own.
        done, self.handle = _within(limit, lambda: self.xcb.xcb_connect(display.encode(), None))
        if not done:
            self.error = f"no answer to an X connection within {limit:.0f} s"
            return
        code = self.xcb.xcb_connection_has_error(self.handle)
        if code:
            self.error = f"the X connection failed (libxcb error {code})"
            self.close()

    def answers(self):
        """Whether the server answers a request on this connection now."""
        if not self.handle:
            return False
        reply = self.xcb.xcb_get_input_focus_reply(self.handle, self.xcb.xcb_get_input_focus(self.handle), None)
        self.free(reply)
        return bool(reply) and not self.xcb.xcb_connection_has_error(self.handle)

    def close(self):
        if self.handle:
            self.xcb.xcb_disconnect(self.handle)
            self.handle = None


class Desktop:
    def __init__(self, atspi=False, screen="1024x768x24"):
        self.atspi = atspi
        self.screen = screen
        self.started = []   # (name, process), in order of starting
        self.logs = []      # (title, path)
        self.files = []     # files opened for d.start, closed at the end
        self.scratch = None
        self.display = self.bus = self.atspi_bus = None
        self.env = None
        self.saved_environ = None
        self.connection = None

    def __enter__(self):
        self.scratch = tempfile.mkdtemp(prefix="ayat-desktop-")
        try:
            runtime = os.path.join(self.scratch, "runtime")
            os.mkdir(runtime, 0o700)
            self.env = {k: v for k, v in os.environ.items() if k not in FOREIGN}
            self.env["XDG_RUNTIME_DIR"] = runtime
            self._start_display()
            self._start_bus()
            if self.atspi:
                self._start_atspi()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    # The parts, in the order they start.

    def _start_display(self):
        xvfb = tool("Xvfb")
        read_end, write_end = os.pipe()
        try:
            self._background("Xvfb", [xvfb, "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp",
                                      "-screen", "0", self.screen], pass_fds=(write_end,))
        finally:
            os.close(write_end)
        with os.fdopen(read_end) as answer:
            # Xvfb writes its display number once it is ready, or ends: either way
            # the line comes or the pipe closes (Xvfb has no other copy of it).
            number = self._within("Xvfb to tell its display number", answer.readline).strip()
        if not number.isdigit():
            self.fail("Xvfb did not start")
        self.display = ":" + number
        self.env["DISPLAY"] = self.display
        self.connection = _Connection(self.display, WAIT)
        if self.connection.error:
            self.fail(f"Xvfb took display {self.display} but does not accept a connection: {self.connection.error}")

    def _start_bus(self):
        dbus = tool("dbus-daemon")
        tool("dbus-send")
        address = "unix:path=" + os.path.join(self.env["XDG_RUNTIME_DIR"], "bus")
        p = self._background("the session bus", [dbus, "--session", "--nofork", "--nopidfile",
                                                 "--address=" + address, "--print-address=1"],
                             stdout=subprocess.PIPE, text=True)
        self.bus = self._within("the session bus to tell its address", p.stdout.readline).strip()
        p.stdout.close()
        if not self.bus:
            self.fail("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.bus

    def _start_atspi(self):
        launcher = tool("at-spi-bus-launcher", LAUNCHERS)
        self._background("the accessibility bus launcher", [launcher, "--launch-immediately"])
        limit = time.monotonic() + WAIT
        while True:
            if self._call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
                          "string:org.a11y.Bus").find("boolean true") >= 0:
                reply = self._call("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
                if reply.find('string "') >= 0:
                    self.atspi_bus = reply.split('string "', 1)[1].rsplit('"', 1)[0]
                    if self.atspi_bus:
                        return
            self._alive()
            if time.monotonic() > limit:
                self.fail(f"the accessibility bus was not up within {WAIT:.0f} s")
            time.sleep(0.05)

    # Processes.

    def start(self, args, env=None, cwd=None, stdout=None, stderr=None):
        """Starts a process that is ended at the end; see the module's description."""
        return self._start(os.path.basename(args[0]), args, env=env, cwd=cwd, stdout=stdout, stderr=stderr)

    def _background(self, name, args, **kw):
        log = name.replace("the ", "").replace(" ", "-") + ".log"
        kw.setdefault("stdout", log)
        return self._start(name, args, stderr=log, **kw)

    def _start(self, name, args, stdout=None, stderr=None, env=None, **kw):
        streams = {}
        for key, target in (("stdout", stdout), ("stderr", stderr)):
            if isinstance(target, str):
                path = os.path.join(self.scratch, target)
                f = open(path, "ab")
                self.files.append(f)
                if (f"{name}'s messages", path) not in self.logs:
                    self.logs.append((f"{name}'s messages", path))
                target = f
            streams[key] = target
        try:
            p = subprocess.Popen(args, stdin=subprocess.DEVNULL, env=self.env if env is None else env,
                                 **streams, **kw)
        except OSError as e:
            self.fail(f"could not start {args[0]}: {e}")
        self.started.append((name, p))
        return p

    def _alive(self):
        """Fails if one of the desktop's own processes has ended."""
        for name, p in self.started[:3]:
            if p.poll() is not None:
                self.fail(f"{name} ended")

    def _within(self, what, read):
        """read()'s result, or a failure if it has none within the hang limit."""
        done, value = _within(WAIT, read)
        if not done:
            self.fail(f"no answer within {WAIT:.0f} s waiting for {what}")
        return value

    def _call(self, dest, path, method, *args):
        try:
            return subprocess.run(["dbus-send", "--session", "--print-reply", f"--dest={dest}", path, method, *args],
                                  env=self.env, capture_output=True, text=True, timeout=WAIT).stdout
        except subprocess.TimeoutExpired:
            self.fail(f"dbus-send {method} did not end within {WAIT:.0f} s")

    def adopt(self):
        """This process's environment becomes the desktop's, until the end."""
        if self.saved_environ is None:
            self.saved_environ = dict(os.environ)
        os.environ.clear()
        os.environ.update(self.env)

    # Failures.

    def report(self):
        """What the desktop's processes say: their states and their messages."""
        lines = []
        for name, p in self.started:
            if p.poll() is not None:
                lines.append(f"{name} (pid {p.pid}) ended with status {p.returncode}")
        if self.connection and self.connection.handle:
            lines.append(f"the X server on {self.display} " +
                         ("still answers" if self.connection.answers() else "no longer answers"))
        for title, path in self.logs:
            try:
                with open(path, encoding="utf-8", errors="replace") as f:
                    text = f.read().rstrip()
            except OSError as e:
                text = f"(unreadable: {e})"
            lines.append(f"--- {title} ---")
            lines.append(text or "(none)")
        return "\n".join(lines)

    def fail(self, message):
        raise Failure(message + "\n" + self.report())

    def close(self):
        for name, p in reversed(self.started):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(10)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
            if p.stdout and not p.stdout.closed:
                p.stdout.close()
        self.started = []
        if self.connection:
            self.connection.close()
        for f in self.files:
            f.close()
        self.files = []
        if self.saved_environ is not None:
            os.environ.clear()
            os.environ.update(self.saved_environ)
            self.saved_environ = None
        if self.scratch:
            shutil.rmtree(self.scratch, ignore_errors=True)
            self.scratch = None
