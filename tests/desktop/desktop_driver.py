"""Runs the real desktop program under its own X server and looks at it.

A DesktopSession starts a private Xvfb (a free display number chosen by the
server itself), the demo content server on a free port of 127.0.0.1, and the
program in a temporary copy of the staged program directory, pointed at that
server with --content-server. It offers what a person at the screen can do and see:
windows with their titles and geometry, screenshots, pointer clicks and
keys. Everything it started is ended when the session closes, whatever
happened.
"""

import os
import re
import shutil
import signal
import socket
import subprocess
import tempfile
import threading
import time

SCREEN_WIDTH = 1366
SCREEN_HEIGHT = 768
# The strip a bottom panel (the tray host) reserves on desktops with a window manager.
PANEL_HEIGHT = 40
# The background of the program's pop-up menus (their skin).
MENU_BACKGROUND = (0xF9, 0xF8, 0xF7)
# The origin the demo site's pages were written for; the content server
# rewrites it to its own.
SITE_ORIGIN = "http://127.0.0.1:8917/"


class DesktopError(AssertionError):
    pass


# What the sanitizers write when they find something.
SANITIZER_MARKERS = (b"ERROR: AddressSanitizer", b"ERROR: LeakSanitizer", b": runtime error: ",
                     b"WARNING: ThreadSanitizer")


def wait_until(predicate, timeout, interval=0.1, what="condition"):
    """Polls predicate until it returns a true value, which is returned."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise DesktopError(f"timed out after {timeout:.0f} s waiting for {what}")
        time.sleep(interval)


class Screenshot:
    """An RGB picture of the whole screen, read from a binary PPM."""

    def __init__(self, ppm):
        fields = []
        pos = 0
        while len(fields) < 4:
            while ppm[pos:pos + 1].isspace():
                pos += 1
            if ppm[pos:pos + 1] == b"#":
                pos = ppm.index(b"\n", pos)
                continue
            end = pos
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[pos:end])
            pos = end
        if fields[0] != b"P6" or int(fields[3]) != 255:
            raise DesktopError("unexpected screenshot format")
        self.width = int(fields[1])
        self.height = int(fields[2])
        self.pixels = ppm[pos + 1:]

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def region(self, left, top, width, height):
        """Pixels of a rectangle, clipped to the screen, row by row."""
        for y in range(max(top, 0), min(top + height, self.height)):
            for x in range(max(left, 0), min(left + width, self.width)):
                yield x, y, self.pixel(x, y)


def colour_distance(a, b):
    return sum(abs(p - q) for p, q in zip(a, b))


class DesktopSession:
    def __init__(self, program_dir, server, site, artifacts, name, config=None, serve=True,
                 window_manager=False, screen=(SCREEN_WIDTH, SCREEN_HEIGHT), environment=None):
        """window_manager: run openbox on the screen (else a bare X server);
        screen: its size; environment: more variables for the program."""
        self.program_dir = program_dir
        self.window_manager = window_manager
        self.screen = screen
        self.environment = dict(environment or {})
        self.tray = None
        self.server = server
        self.site = site
        self.artifacts = artifacts
        self.name = name
        self.config = config
        # False: the content server's port is chosen but nothing listens on
        # it until start_content_server() is called.
        self.serve = serve
        self.processes = []
        self.workdir = None
        self.display = None
        self.bus_address = None
        self.program = None
        self.started_at = None
        self.server_address = None
        self.began = None
        self.x_watch = None
        # More environment for the program only (QT_LOGGING_RULES, say).
        self.program_env = {}

    # -- life cycle -------------------------------------------------------

    def __enter__(self):
        try:
            os.makedirs(self.artifacts, exist_ok=True)
            self.began = time.time()
            self.workdir = tempfile.mkdtemp(prefix="quillo-desktop-")
            self._start_x_server()
            self._start_session_bus()
            if self.window_manager:
                self._start_window_manager()
            if self.serve:
                self._start_content_server()
            else:
                self.server_address = f"http://127.0.0.1:{free_port()}/"
            self._copy_program()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, exc_type, exc, tb):
        if exc_type is not None:
            self.keep_evidence()
        self.close()
        if exc_type is None:
            reports = self.sanitizer_reports()
            if reports:
                raise DesktopError("sanitizer reports in " + ", ".join(reports))
        return False

    def sanitizer_reports(self):
        """The session's logs that hold a sanitizer report (a build with
        AddressSanitizer, UndefinedBehaviorSanitizer or ThreadSanitizer)."""
        found = []
        prefix = self.name + "."
        for entry in sorted(os.listdir(self.artifacts)):
            path = os.path.join(self.artifacts, entry)
            if not (entry.startswith(prefix) and entry.endswith(".log")) \
                    or os.path.getmtime(path) < self.began:
                continue
            with open(path, "rb") as f:
                text = f.read()
            if any(marker in text for marker in SANITIZER_MARKERS):
                found.append(entry)
        return found

    def close(self):
        if self.x_watch is not None:
            self.x_watch.close()
            self.x_watch = None
        for process in reversed(self.processes):
            stop_group(process)
        self.processes.clear()
        if self.workdir:
            shutil.rmtree(self.workdir, ignore_errors=True)
            self.workdir = None

    def _spawn(self, args, log_name, **kwargs):
        log = open(os.path.join(self.artifacts, f"{self.name}.{log_name}.log"), "wb")
        process = subprocess.Popen(ending_with_the_test() + list(args), stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=subprocess.STDOUT, start_new_session=True,
                                   **kwargs)
        log.close()
        self.processes.append(process)
        return process

    def _start_x_server(self):
        process, self.display = start_x_server(self.screen)
        self.processes.append(process)

    def _start_session_bus(self):
        """A session bus of its own, so that nothing autolaunches one that
        outlives the test."""
        self.bus_address = start_session_bus(self._spawn, self.workdir)

    def _start_window_manager(self):
        """Openbox with its stock configuration (the session's own
        XDG_CONFIG_HOME holds none); QUILLO_DESKTOP_WM names another
        window manager command for a manual run (e.g. "xfwm4", "mutter --x11")."""
        command = os.environ.get("QUILLO_DESKTOP_WM", "openbox --sm-disable").split()
        process = self._spawn(command, "window-manager", env=self.env())
        wait_until(lambda: process.poll() is not None
                   or "window id" in self._root_property("_NET_SUPPORTING_WM_CHECK"), 30,
                   what="the window manager")
        if process.poll() is not None:
            raise DesktopError(f"{command[0]} did not start")

    def start_tray(self):
        """A system tray host (XEmbed) in a panel along the bottom of the
        screen, reserving its strip of the screen (_NET_WM_STRUT_PARTIAL);
        returns once it owns the tray selection."""
        self.tray = self._spawn(
            ["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel",
             "--width", "200", "--heighttype", "pixel", "--height", str(PANEL_HEIGHT),
             "--SetDockType", "true", "--SetPartialStrut", "true", "--transparent", "false",
             "--expand", "false"], "trayer", env=self.env())
        wait_until(lambda: self.tray.poll() is not None or self.tray_owned(), 30,
                   what="the tray host")
        if self.tray.poll() is not None:
            raise DesktopError("trayer did not start")

    def tray_owned(self):
        """Whether a tray host holds the screen's system tray selection."""
        _, out = self._x("xdotool", "search", "--onlyvisible", "--class", "trayer")
        return bool(out.split()) and self.work_area()[3] < self.screen[1]

    def tray_icon(self, timeout=30):
        """The program's icon window embedded in the tray host."""
        def icon():
            for window in self.windows("", visible_only=True):
                try:
                    x, y, width, height = self.geometry(window)
                except KeyError:  # gone meanwhile
                    continue
                if (width <= 64 and height <= 64 and y >= self.screen[1] - PANEL_HEIGHT
                        and 0 <= x < self.screen[0] and self.window_pid(window) == self.program.pid):
                    return window
            return None
        return wait_until(icon, timeout, interval=0.2, what="the program's tray icon")

    def window_pid(self, window):
        _, out = self._x("xdotool", "getwindowpid", window)
        return int(out) if out.strip().isdigit() else None

    def click_window(self, window):
        x, y, width, height = self.geometry(window)
        self.click(x + width // 2, y + height // 2)

    def _root_property(self, name):
        _, out = self._x("xprop", "-root", name)
        return out

    def active_window(self):
        """The window the window manager has made active (_NET_ACTIVE_WINDOW)."""
        found = re.search(r"window id # (0x[0-9a-f]+)",
                          self._root_property("_NET_ACTIVE_WINDOW"))
        return str(int(found.group(1), 16)) if found else None

    def work_area(self):
        """The screen less the panels' reserved strips (_NET_WORKAREA):
        (left, top, width, height)."""
        found = re.search(r"= (\d+), (\d+), (\d+), (\d+)", self._root_property("_NET_WORKAREA"))
        if found is None:
            return (0, 0) + tuple(self.screen)
        return tuple(int(v) for v in found.groups())

    def _desktops(self):
        found = re.search(r"= (\d+)", self._root_property("_NET_NUMBER_OF_DESKTOPS"))
        return int(found.group(1)) if found else None

    def wm_sync(self, timeout=15):
        """Returns once the window manager has handled everything that
        reached it before this call (a window mapped, a request for the
        focus, its own marks): it handles its requests in order, and a
        change of the number of desktops, asked for now, shows on the root
        window only when it has come that far."""
        current = self._desktops()
        if current is None:
            raise DesktopError("the window manager keeps no number of desktops")
        for count in (current + 1, current):
            self._x("xdotool", "set_num_desktops", str(count))
            wait_until(lambda: self._desktops() == count, timeout, interval=0.05,
                       what="the window manager to catch up")

    def is_iconic(self, window):
        return "window state: Iconic" in self._property(window, "WM_STATE")

    def asks_for_attention(self, window):
        """Whether the window demands the user's attention: the window
        manager's mark (_NET_WM_STATE_DEMANDS_ATTENTION) or the urgency hint."""
        return ("DEMANDS_ATTENTION" in self.wm_state(window)
                or "urgency hint bit is set" in self._property(window, "WM_HINTS"))

    def _start_content_server(self, port=0):
        self.server_address = start_site_server(self._spawn, self.server, self.site,
                                                os.path.join(self.artifacts, f"{self.name}.server.log"),
                                                port=port)

    def start_content_server(self):
        """Brings up the content server of a session made with serve=False,
        on the address the program was given."""
        port = int(self.server_address.rstrip("/").rsplit(":", 1)[1])
        self._start_content_server(port)

    def _copy_program(self):
        self.program_copy = os.path.join(self.workdir, "program")
        shutil.copytree(self.program_dir, self.program_copy)
        if self.config is not None:
            with open(self.config_path, "wb") as out:
                out.write(self.config.encode("gbk"))

    @property
    def config_path(self):
        return os.path.join(self.program_copy, "Config.ini")

    def read_config(self):
        with open(self.config_path, "rb") as f:
            return f.read().decode("gbk")

    def config_value(self, key):
        for line in self.read_config().splitlines():
            if line.startswith(key + "="):
                return line[len(key) + 1:]
        return None

    def env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env.pop("WAYLAND_DISPLAY", None)
        env["QT_QPA_PLATFORM"] = "xcb"
        env["XDG_CONFIG_HOME"] = os.path.join(self.workdir, "xdg-config")
        # The browser profile (cookies, local storage, cache) of this session
        # only; kept across program runs within the session.
        env["XDG_DATA_HOME"] = os.path.join(self.workdir, "xdg-data")
        env["XDG_CACHE_HOME"] = os.path.join(self.workdir, "xdg-cache")
        env["XDG_RUNTIME_DIR"] = self.workdir
        if self.bus_address:
            env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        env.update(self.environment)
        return env

    def program_command(self, program=None):
        """The program with the arguments that point it at the session's server."""
        return [program or os.path.join(self.program_copy, "quillo"),
                "--content-server", self.server_address]

    def start_program(self):
        self.started_at = time.monotonic()
        self.program = self._spawn(self.program_command(), "program", cwd=self.workdir,
                                   env={**self.env(), **self.program_env})
        return self.program

    def program_running(self):
        return self.program is not None and self.program.poll() is None

    def wait_program_end(self, timeout):
        wait_until(lambda: not self.program_running(), timeout, interval=0.2,
                   what="the program to end")
        return self.program.returncode

    def program_log(self):
        """What the program wrote to standard output and error so far."""
        with open(os.path.join(self.artifacts, f"{self.name}.program.log"), "rb") as f:
            return f.read().decode("utf-8", "replace")

    def keep_evidence(self):
        """A screenshot of the failed state in the artifacts directory."""
        if self.display is None:
            return
        path = os.path.join(self.artifacts, f"{self.name}.failure.png")
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       env=self.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=30, check=False)

    # -- what a person sees and does ---------------------------------------

    def _x(self, *args, timeout=15):
        result = subprocess.run(list(args), env=self.env(), capture_output=True, timeout=timeout,
                                check=False)
        return result.returncode, result.stdout.decode("utf-8", "replace")

    def windows(self, name=".", visible_only=True):
        """Top-level windows of the program whose title matches the pattern."""
        if not self.program_running():
            return []
        args = ["xdotool", "search"]
        if visible_only:
            args.append("--onlyvisible")
        args += ["--pid", str(self.program.pid), "--name", name]
        _, out = self._x(*args)
        return [line for line in out.split() if line.strip()]

    def windows_titled(self, title):
        """Visible top-level windows of the program titled exactly `title`
        (xdotool's --pid and --name match either, not both)."""
        return [w for w in self.windows() if self.title(w) == title]

    def window_named(self, title, timeout):
        found = wait_until(lambda: [w for w in self.windows() if self.title(w) == title], timeout,
                           interval=0.2, what=f"a visible window titled {title!r}")
        return found[0]

    def title(self, window):
        _, out = self._x("xdotool", "getwindowname", window)
        return out.rstrip("\n")

    def geometry(self, window):
        _, out = self._x("xdotool", "getwindowgeometry", "--shell", window)
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return (int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                int(values["HEIGHT"]))

    def is_visible(self, window):
        return window in self.windows()

    def focused_window(self):
        """The top-level window that has the keyboard focus."""
        _, out = self._x("xdotool", "getwindowfocus")
        return out.strip()

    def _property(self, window, name):
        _, out = self._x("xprop", "-id", window, name)
        return out

    def accepts_focus(self, window):
        """Whether a window manager may give the window the keyboard focus:
        it accepts input in its WM_HINTS or announces WM_TAKE_FOCUS (which
        window managers take as focusable whatever the hints say)."""
        return ("accepts input or input focus: False" not in self._property(window, "WM_HINTS")
                or "WM_TAKE_FOCUS" in self._property(window, "WM_PROTOCOLS"))

    def window_types(self, window):
        return self._property(window, "_NET_WM_WINDOW_TYPE")

    def wm_state(self, window):
        return self._property(window, "_NET_WM_STATE")

    def is_transient(self, window):
        """Whether the window belongs to another (no task bar entry of its own)."""
        return "window id #" in self._property(window, "WM_TRANSIENT_FOR")

    def stacking_order(self):
        """The screen's mapped top-level windows, top-most first, as the X
        server stacks them (as the window manager lists its clients, where
        one runs: they stand in its frames)."""
        if self.window_manager:
            listed = [str(int(w, 16)) for w in
                      re.findall(r"0x[0-9a-f]+", self._root_property("_NET_CLIENT_LIST_STACKING"))]
            _, out = self._x("xdotool", "search", "--onlyvisible", "--name", ".")
            mapped = set(out.split())
            return [w for w in reversed(listed) if w in mapped]
        _, out = self._x("xwininfo", "-root", "-children")
        listed = [str(int(w, 16)) for w in re.findall(r"^\s+(0x[0-9a-f]+)", out, re.M)]
        _, out = self._x("xdotool", "search", "--onlyvisible", "--name", ".")
        mapped = set(out.split())
        return [w for w in listed if w in mapped]

    def watch_x(self):
        """Starts recording the stacking, the active window and every mark
        of attention on the screen (see x_watch.py); returns the record."""
        from x_watch import XWatch  # pylint: disable=import-outside-toplevel
        self.x_watch = XWatch(self.display)
        return self.x_watch

    def watch_root(self):
        """Starts recording what happens to top-level windows (created,
        mapped, moved, gone); call before starting the program."""
        self._spawn(["xev", "-root", "-event", "substructure"], "root-events", env=self.env())
        self._root_events_log = os.path.join(self.artifacts, f"{self.name}.root-events.log")

    def root_events(self, window):
        """What the X server reported for one top-level window: (kind, x, y)
        for CreateNotify and ConfigureNotify, (kind, None, None) otherwise."""
        with open(self._root_events_log, encoding="utf-8", errors="replace") as log:
            blocks = log.read().split("\n\n")
        wanted = int(window)
        events = []
        for block in blocks:
            lines = block.strip().splitlines()
            if len(lines) < 2:
                continue
            found = re.search(r"window (0x[0-9a-f]+)(?:, \((-?\d+),(-?\d+)\))?", lines[1])
            if found is None or int(found.group(1), 16) != wanted:
                continue
            kind = lines[0].split()[0]
            place = (int(found.group(2)), int(found.group(3))) if found.group(2) else (None, None)
            events.append((kind,) + place)
        return events

    def click(self, x, y):
        """Moves the pointer to (x, y), waits until the X server has it
        there, and clicks the left button: the program sees the motion
        before the press, in order."""
        self.move_pointer(x, y)
        self._x("xdotool", "click", "1")

    def pointer(self):
        """Where the pointer is: (x, y) on the screen."""
        _, out = self._x("xdotool", "getmouselocation", "--shell")
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return int(values.get("X", -1)), int(values.get("Y", -1))

    def move_pointer(self, x, y):
        """Moves the pointer and returns once the X server has it there
        (xdotool's --sync waits for a motion, so a pointer already in place
        is left alone)."""
        if self.pointer() != (x, y):
            self._x("xdotool", "mousemove", "--sync", str(x), str(y))

    def keys(self, *names):
        """Presses the keys one after another; the X server hands them to
        the window with the keyboard in order. A key that opens a window
        (a menu item, a dialog) leaves the next keys to the caller, after a
        wait for that window."""
        for name in names:
            self._x("xdotool", "key", name)

    def open_menu(self, x, y, title, timeout=20):
        """Clicks (x, y) and waits until the program's pop-up menu titled
        `title` is shown and painted with the menu skin (its background over
        a third of it): by then it holds the keyboard, so keys reach it.
        Returns the menu's window."""
        self.click(x, y)
        menu = self.window_named(title, timeout)

        def painted():
            left, top, width, height = self.geometry(menu)
            skinned = sum(1 for _, _, pixel in self.screenshot().region(left, top, width, height)
                          if pixel == MENU_BACKGROUND)
            return skinned > width * height // 3

        wait_until(painted, timeout, interval=0.2, what=f"the menu {title!r} to be painted")
        return menu

    def screenshot(self):
        result = subprocess.run(["import", "-display", self.display, "-window", "root", "-depth", "8", "ppm:-"],
                                env=self.env(), capture_output=True, timeout=30, check=False)
        if result.returncode != 0:
            raise DesktopError("screenshot failed: " + result.stderr.decode(errors="replace"))
        return Screenshot(result.stdout)

    def screenshot_when(self, check, timeout, interval=0.5, what="the screen"):
        """The first screenshot for which check(shot) holds, taken within
        the timeout."""
        def shot_that_passes():
            shot = self.screenshot()
            return shot if check(shot) else None
        return wait_until(shot_that_passes, timeout, interval=interval, what=what)

    def save_screenshot(self, label):
        path = os.path.join(self.artifacts, f"{self.name}.{label}.png")
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       env=self.env(), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=30, check=False)
        return path


def stop_group(process, grace=5):
    """SIGTERM to the process's group, then SIGKILL to what lingers
    (children such as the browser engine's helpers may outlive their
    parent)."""
    if process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        try:
            process.wait(timeout=grace)
        except subprocess.TimeoutExpired:
            pass
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        pass


def ending_with_the_test():
    """A command prefix that ends the process it starts when the test that
    started it dies: a test killed by its time-out, or by the user, leaves
    no program playing a film, nor an X server, behind (each runs in a
    session of its own, out of reach of the signal that killed the test)."""
    return ["setpriv", "--pdeathsig", "TERM", "--"]


def start_x_server(screen):
    """Starts Xvfb with one screen of the given (width, height) on a display
    number it chooses itself; returns the process (in a session of its own)
    and the display name once it accepts connections."""
    read_end, write_end = os.pipe()
    process = None
    try:
        process = subprocess.Popen(
            ending_with_the_test() + ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{screen[0]}x{screen[1]}x24", "-nolisten", "tcp", "-noreset"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            pass_fds=(write_end,), start_new_session=True)
        os.close(write_end)
        write_end = -1
        number = b""
        deadline = time.monotonic() + 30
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline or process.poll() is not None:
                raise DesktopError("Xvfb did not start")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise DesktopError("Xvfb did not report its display")
            number += chunk
        return process, ":" + number.decode().strip()
    except BaseException:
        if process is not None:
            process.kill()
            process.wait()
        raise
    finally:
        os.close(read_end)
        if write_end >= 0:
            os.close(write_end)


def start_session_bus(spawn, workdir, timeout=20):
    """Starts a D-Bus session bus through spawn(args, log_name) on a socket in
    workdir; returns its address once the socket is there."""
    socket_path = os.path.join(workdir, "session-bus")
    address = "unix:path=" + socket_path
    process = spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                     "--address=" + address], "bus")
    wait_until(lambda: process.poll() is not None or os.path.exists(socket_path), timeout,
               interval=0.05, what="the session bus")
    if process.poll() is not None:
        raise DesktopError("the session bus did not start")
    return address


def free_port():
    """A port of 127.0.0.1 on which nothing listens just now."""
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def start_site_server(spawn, server, site, log_path, timeout=20, port=0):
    """Starts the content server through spawn(args, log_name), on a free
    port unless one is given, and returns its base address once it accepts,
    read from its log."""
    process = spawn([server, site, "--port", str(port), "--rewrite-origin", SITE_ORIGIN],
                    "server")

    def address():
        if process.poll() is not None:
            raise DesktopError("the content server did not start")
        try:
            with open(log_path, encoding="utf-8", errors="replace") as log:
                found = re.search(r" at (http://127\.0\.0\.1:\d+/)", log.read())
        except FileNotFoundError:
            return None
        return found.group(1) if found else None

    return wait_until(address, timeout, what="the content server")


class _LoopbackServer:
    """A server on a free port of 127.0.0.1 whose accepting thread hands each
    connection to _take(); sockets given to hold() stay open until the server
    closes."""

    def __init__(self):
        self.listener = None
        self.address = None
        self.stopping = threading.Event()
        self._held = []
        self._held_lock = threading.Lock()

    def __enter__(self):
        self.listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        self.listener.bind(("127.0.0.1", 0))
        self.listener.listen(64)
        self.listener.settimeout(0.2)
        self.address = f"http://127.0.0.1:{self.listener.getsockname()[1]}/"
        threading.Thread(target=self._accept, daemon=True).start()
        return self

    def _accept(self):
        while not self.stopping.is_set():
            try:
                connection, _ = self.listener.accept()
            except socket.timeout:
                continue
            except OSError:
                return
            self._take(connection)

    def _take(self, connection):
        raise NotImplementedError

    def hold(self, sock):
        """Keeps the socket open until the server closes; returns it."""
        with self._held_lock:
            self._held.append(sock)
        return sock

    def __exit__(self, *exc):
        self.stopping.set()
        self.listener.close()
        with self._held_lock:
            for sock in self._held:
                try:
                    sock.close()
                except OSError:
                    pass
        return False


class SilentServer(_LoopbackServer):
    """A server on a free port of 127.0.0.1 that accepts every connection and
    never answers; it notes when the first connection came."""

    def __init__(self):
        super().__init__()
        self.first_connection_at = None

    def _take(self, connection):
        if self.first_connection_at is None:
            self.first_connection_at = time.monotonic()
        # Held open, unread and unanswered, until the server closes.
        self.hold(connection)


class RelayServer(_LoopbackServer):
    """A server on a free port of 127.0.0.1 that passes every connection
    through to an upstream server until silence() is called; from then on it
    takes every request, on connections old and new, and answers none. It
    notes the paths asked while it is silent, in order."""

    REQUEST_LINE = re.compile(rb"(?:GET|HEAD|POST) (\S+) HTTP/1\.[01]\r\n")

    def __init__(self, upstream):
        super().__init__()
        found = re.match(r"http://([^:/]+):(\d+)/", upstream)
        if not found:
            raise DesktopError("not an http://host:port/ address: " + upstream)
        self.upstream = (found.group(1), int(found.group(2)))
        self.silent = threading.Event()
        self.lock = threading.Lock()
        self.asked_while_silent = []

    def silence(self):
        self.silent.set()

    def paths_asked_while_silent(self):
        with self.lock:
            return list(self.asked_while_silent)

    def _take(self, client):
        self.hold(client)
        threading.Thread(target=self._serve, args=(client,), daemon=True).start()

    def _serve(self, client):
        upstream = None
        if not self.silent.is_set():
            try:
                upstream = self.hold(socket.create_connection(self.upstream, timeout=10))
                upstream.settimeout(None)
            except OSError:
                client.close()
                return
            threading.Thread(target=self._pass_back, args=(upstream, client), daemon=True).start()
        client.settimeout(0.2)
        while not self.stopping.is_set():
            try:
                data = client.recv(65536)
            except socket.timeout:
                continue
            except OSError:
                break
            if not data:
                break
            if self.silent.is_set() or upstream is None:
                # Taken, noted, never answered.
                with self.lock:
                    self.asked_while_silent.extend(
                        m.group(1).decode("latin-1") for m in self.REQUEST_LINE.finditer(data))
                continue
            try:
                upstream.sendall(data)
            except OSError:
                break
        client.close()
        if upstream is not None:
            upstream.close()

    def _pass_back(self, upstream, client):
        while True:
            try:
                data = upstream.recv(65536)
            except OSError:
                break
            if not data:
                break
            try:
                client.sendall(data)
            except OSError:
                break
        try:
            client.shutdown(socket.SHUT_WR)
        except OSError:
            pass


class StallingServer(_LoopbackServer):
    """A content server on a free port of 127.0.0.1 that serves the files of
    a site directory as they are (one request per connection) but never
    answers the paths in `stalled`: it takes those requests and holds them
    open, unanswered. It notes when the first stalled request came."""

    def __init__(self, site, stalled):
        super().__init__()
        self.site = site
        self.stalled = set(stalled)
        self.first_stall_at = None

    def _take(self, connection):
        threading.Thread(target=self._serve, args=(connection,), daemon=True).start()

    def _serve(self, connection):
        try:
            request = b""
            while b"\r\n\r\n" not in request:
                piece = connection.recv(4096)
                if not piece:
                    connection.close()
                    return
                request += piece
            path = request.split(b" ")[1].decode("latin-1").split("?")[0]
        except (OSError, IndexError):
            connection.close()
            return
        if path in self.stalled:
            if self.first_stall_at is None:
                self.first_stall_at = time.monotonic()
            self.hold(connection)
            return
        file = os.path.join(self.site, path.lstrip("/") or "index.html")
        if os.path.isdir(file):
            file = os.path.join(file, "index.html")
        try:
            with open(file, "rb") as f:
                body = f.read()
            head = b"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
        except OSError:
            body = b""
            head = b"HTTP/1.1 404 Not Found\r\n"
        try:
            connection.sendall(head + b"Content-Length: %d\r\nConnection: close\r\n\r\n"
                               % len(body) + body)
        except OSError:
            pass
        connection.close()
