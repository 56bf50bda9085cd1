#!/usr/bin/python3
"""Start-up time, memory and idle cost of the real desktop program under Xvfb,
side by side with a bare browser view and Chromium.

usage: bench/desktop_startup.py [--build DIR] [--runs N] [--warmup N] [--settle S]
                                [--idle S] [--delay MS] [--span-runs N]
                                [--no-three-windows] [--no-bare] [--no-chromium]
                                [--flags=FLAGS]... [--add-flags=FLAGS]...
                                [--env-variant NAME=VALUE]... [--env NAME=VALUE]...
                                [--no-default] [--json FILE] [--shots DIR] [--verbose]

Starts an Xvfb screen (1366x768x24) of its own, a D-Bus session bus and the
demo content server (on a copy of the demo site with the corner pop-up and
the pop-under switched off) on a free port of 127.0.0.1 (handed to the program with
--content-server). Each round then
launches, one after the other, the program (BUILD/program/quillo from a
fresh temporary copy), the bare view (BUILD/bench/quillo-bare-view: one
QWebEngineView of the main window's size on the demo site, with the
program's engine flags) and, when `chromium` is installed (make
bench-desktop installs it through scripts/install-deps bench), Chromium in
app mode on the site (--no-sandbox --disable-gpu --no-first-run
--disable-background-networking --disable-component-update --disable-sync,
a fresh --user-data-dir). Per run:

  mapped   seconds from exec to the first visible top-level window of the
           process (xdotool search --onlyvisible --pid, polled every 20 ms)
  paint    seconds from exec to the first paint: at least 90% of the main
           window's title-bar strip (the whole window for the others)
           differs from the same strip of the screen read just before the
           launch (the empty screen is black)
  loading  seconds from exec to the loading page: its spinner's green in
           the middle of the content area (the program only)
  title    seconds from exec to the title bar in its final look: the first
           strip read that matches, in at least 90% of its pixels, the strip
           on screen at the memory sample (a skinned window may first paint
           in the toolkit's plain colours)
  site     seconds from exec to the site: at least 5% of the content area
           (every 4th pixel of every 4th row) is saturated colour; the demo
           home page is full of posters, the loading page is a dark gradient
           with a small spinner and a blank browser is white
  asked    seconds from exec to the server answering the site's page (/)
           for the subject: where its navigation to the site begins; the
           program asks for it only after its first start-up pages
  complete seconds from exec to the bare view's page having loaded
           completely, as the view itself reports it: the moment at which
           the program swaps its loading page for the site (the bare view
           shows the page as it loads, so its "site" comes earlier)
  white    white frames before the site: runs of reads in which at least
           half of the content area is white, their number and total time
  PSS/RSS  MiB summed over the process and all its descendants (the
           browser engine's zygotes, renderers and any GPU or utility
           process), found through the parent pids in /proc/*/stat and read
           from /proc/PID/smaps_rollup, --settle seconds (default 5) after
           the site showed
  idle     CPU of the process tree over --idle seconds (default 60) right
           after the memory sample, in % of one core (first measured round)
  3 windows  (the program as shipped) RSS/PSS of the tree again after a
           click on the application-centre label opened a column window and
           one on the first application an application window,
           max(--settle, 5) seconds after the second showed
           (--no-three-windows leaves it out)

After the rounds, the content server is restarted with every /ads/ page
answered --delay ms late (default 50) and the program is run --span-runs
times (default 3) in three ways: without the screen being read, with this
script reading and checking the window as for the start-up figures, and
with a recorder reading the whole screen every 20 ms with X GetImage on a
thread of its own and doing nothing with the pixels (as a screen recorder
does). The request span is the time from the first of its own start-up
requests reaching the server to the last one answered, against the server
time (requests x delay). The closing table shows the medians side by side,
the ratios to the bare view and whether the targets are met (site visible
<= 1.25x bare view, RSS <= 1.15x bare view, idle CPU <= 0.1% of a core,
request span <= 1.1x server time unread and <= 1.2x recorded), with the
load average.

Once the window is mapped, its rectangle is read from the screen every 20 ms
with an X GetImage over one kept-open XCB connection (libxcb through ctypes,
1-3 ms a read; `import -window root` where libxcb cannot be loaded), so a
time is at most about 25 ms late; a time is taken just before the read that
first showed the state. --warmup runs (default 1) go first and are not
counted, so that the first measured run does not pay for a cold page cache.
The program is ended with SIGTERM to its process
group after each run, and the next run waits until none of its processes is
left.

Variants of the program: without --flags/--add-flags/--env-variant one
variant runs, the program as shipped (QTWEBENGINE_CHROMIUM_FLAGS unset, so the program sets its
own quiet flags). Each --flags=FLAGS adds a variant with
QTWEBENGINE_CHROMIUM_FLAGS set to exactly FLAGS; each --add-flags=FLAGS adds
one with the program's own flags (read from
src/platform/qt/web_engine_environment.cpp) plus FLAGS, with
--disable-features/--enable-features lists merged; each --env-variant
NAME=VALUE adds one with the program's own flags and NAME=VALUE in its
environment. Write --flags=... with '=', as the value starts with dashes.
--env NAME=VALUE goes into the environment of every run (e.g. --env
QT_QUICK_BACKEND=software to compare flag sets on Qt Quick's software scene
graph instead of its default OpenGL one). Variants run in
turn, one run of each per round, so that a drift of the machine touches them
alike; the table of each variant gives its PSS against the first variant's.

Example:
  /usr/bin/python3 bench/desktop_startup.py --build build --runs 5 \\
      --add-flags=--renderer-process-limit=1 --env-variant QT_QUICK_BACKEND=software
"""

import argparse
import ctypes
import ctypes.util
import io
import json
import os
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# The desktop tests' driver starts the X server and the session bus, and waits.
sys.path.insert(0, os.path.join(REPO, "tests", "desktop"))

from desktop_driver import (DesktopError, start_session_bus, start_x_server,  # noqa: E402
                            stop_group, wait_until)

ENVIRONMENT_SOURCE = os.path.join(REPO, "src", "platform", "qt", "web_engine_environment.cpp")
SCREEN = (1366, 768)
# The origin the demo site's pages were written for; the server rewrites it.
SITE_ORIGIN = "http://127.0.0.1:8917/"
TITLE_BAR_HEIGHT = 28
# Window-relative places: the application-centre label of the main title bar
# and the first application's button on the demo application-centre page.
APP_CENTRE_LABEL = (273, 16)  # on the main title bar
CASCADE = 30  # a window opened from another stands this far right of and below it
FIRST_APP_OPEN_BUTTON = (277, 133)  # the first application's open button, page-relative
APP_BUTTON_GREEN = (0x91, 0xBB, 0x00)
FAST_POLL = 0.02
PAGE = 4096


class BenchError(DesktopError):
    pass


# -- flags ----------------------------------------------------------------


def program_flags():
    """The flags the program sets when QTWEBENGINE_CHROMIUM_FLAGS is unset."""
    with open(ENVIRONMENT_SOURCE, encoding="utf-8") as f:
        source = f.read()
    match = re.search(r"kChromiumFlags\s*=\s*((?:\s*\"[^\"]*\")+)\s*;", source)
    if not match:
        raise BenchError(f"no kChromiumFlags in {ENVIRONMENT_SOURCE}")
    return "".join(re.findall(r"\"([^\"]*)\"", match.group(1))).split()


def combine_flags(base, extra):
    """base + extra; later plain switches win, feature lists are merged."""
    lists = {"--disable-features": [], "--enable-features": []}
    switches = {}
    for flag in base + extra:
        name, sep, value = flag.partition("=")
        if name in lists:
            lists[name] += [v for v in value.split(",") if v and v not in lists[name]]
        else:
            switches[name] = flag
    out = list(switches.values())
    out += [f"{name}={','.join(values)}" for name, values in lists.items() if values]
    return " ".join(out)


# -- screen ---------------------------------------------------------------


class XcbReader:
    """X GetImage over one kept-open XCB connection (libxcb through ctypes):
    about 1-3 ms for the main window's rectangle."""

    class _ScreenIterator(ctypes.Structure):
        _fields_ = [("data", ctypes.POINTER(ctypes.c_uint32)), ("rem", ctypes.c_int),
                    ("index", ctypes.c_int)]

    class _Cookie(ctypes.Structure):
        _fields_ = [("sequence", ctypes.c_uint)]

    def __init__(self, display):
        xcb = ctypes.CDLL(ctypes.util.find_library("xcb") or "libxcb.so.1")
        libc = ctypes.CDLL(None)
        xcb.xcb_connect.restype = ctypes.c_void_p
        xcb.xcb_connect.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_int)]
        xcb.xcb_connection_has_error.argtypes = [ctypes.c_void_p]
        xcb.xcb_disconnect.argtypes = [ctypes.c_void_p]
        xcb.xcb_get_setup.restype = ctypes.c_void_p
        xcb.xcb_get_setup.argtypes = [ctypes.c_void_p]
        xcb.xcb_setup_roots_iterator.restype = self._ScreenIterator
        xcb.xcb_setup_roots_iterator.argtypes = [ctypes.c_void_p]
        xcb.xcb_get_image.restype = self._Cookie
        xcb.xcb_get_image.argtypes = [ctypes.c_void_p, ctypes.c_uint8, ctypes.c_uint32,
                                      ctypes.c_int16, ctypes.c_int16, ctypes.c_uint16,
                                      ctypes.c_uint16, ctypes.c_uint32]
        xcb.xcb_get_image_reply.restype = ctypes.c_void_p
        xcb.xcb_get_image_reply.argtypes = [ctypes.c_void_p, self._Cookie, ctypes.c_void_p]
        xcb.xcb_get_image_data.restype = ctypes.POINTER(ctypes.c_uint8)
        xcb.xcb_get_image_data.argtypes = [ctypes.c_void_p]
        xcb.xcb_get_image_data_length.argtypes = [ctypes.c_void_p]
        libc.free.argtypes = [ctypes.c_void_p]
        self.xcb = xcb
        self.free = libc.free
        self.connection = xcb.xcb_connect(display.encode(), None)
        if not self.connection or xcb.xcb_connection_has_error(self.connection):
            raise BenchError(f"cannot connect to X display {display}")
        roots = xcb.xcb_setup_roots_iterator(xcb.xcb_get_setup(self.connection))
        self.root = roots.data[0]  # xcb_screen_t starts with its root window

    def close(self):
        if self.connection:
            self.xcb.xcb_disconnect(self.connection)
            self.connection = None

    def read(self, left, top, width, height):
        """BGRX bytes of a rectangle of a 24-bit screen, or None on an X error."""
        cookie = self.xcb.xcb_get_image(self.connection, 2, self.root, left, top, width,
                                        height, 0xFFFFFFFF)  # 2: Z pixmap, all planes
        reply = self.xcb.xcb_get_image_reply(self.connection, cookie, None)
        if not reply:
            return None
        try:
            length = self.xcb.xcb_get_image_data_length(reply)
            return ctypes.string_at(self.xcb.xcb_get_image_data(reply), length)
        finally:
            self.free(reply)


class Recorder:
    """Reads the whole screen every 20 ms with X GetImage on a connection and
    thread of its own, as a screen recorder does, and does nothing with the
    pixels: the load of being recorded, without this script's image checks."""

    def __init__(self, display, period=FAST_POLL):
        self.reader = XcbReader(display)
        self.period = period
        self.reads = 0
        self.stopping = threading.Event()
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()

    def _run(self):
        next_read = time.monotonic()
        while not self.stopping.is_set():
            self.reader.read(0, 0, *SCREEN)
            self.reads += 1
            next_read += self.period
            self.stopping.wait(max(0.0, next_read - time.monotonic()))

    def close(self):
        self.stopping.set()
        self.thread.join()
        self.reader.close()


class Screen:
    """Reads rectangles of the X screen as Pillow RGB images."""

    def __init__(self, display, env):
        self.display = display
        self.env = env
        from PIL import Image, ImageChops

        self.Image = Image
        self.ImageChops = ImageChops
        try:
            self.reader = XcbReader(display)
            self.method = "X GetImage through libxcb"
        except (OSError, AttributeError, BenchError):
            self.reader = None
            self.method = "import -window root"

    def close(self):
        if self.reader:
            self.reader.close()

    def grab(self, box):
        """box = (left, top, right, bottom), inside the screen."""
        left, top, right, bottom = box
        size = (right - left, bottom - top)
        if self.reader:
            data = self.reader.read(left, top, *size)
            if data is not None and len(data) >= size[0] * size[1] * 4:
                return self.Image.frombuffer("RGB", size, data, "raw", "BGRX", 0, 1)
        result = subprocess.run(
            ["import", "-display", self.display, "-window", "root", "-crop",
             f"{size[0]}x{size[1]}+{left}+{top}", "-depth", "8", "ppm:-"],
            env=self.env, capture_output=True, timeout=30, check=False)
        if result.returncode != 0:
            raise BenchError("import failed: " + result.stderr.decode(errors="replace"))
        return self.Image.open(io.BytesIO(result.stdout)).convert("RGB")

    def save(self, path):
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=30, check=False)

    def changed_fraction(self, image, baseline):
        """Share of pixels whose luminance differs from the baseline by > 8."""
        diff = self.ImageChops.difference(image, baseline).convert("L")
        hist = diff.histogram()
        return sum(hist[9:]) / max(1, image.width * image.height)

    def white_fraction(self, image):
        """Share of pixels that are white or nearly (every channel >= 235), over
        every fourth pixel of every fourth row."""
        image = image.resize((max(1, image.width // 4), max(1, image.height // 4)),
                             self.Image.NEAREST)
        low = self.ImageChops.darker(self.ImageChops.darker(*image.split()[:2]),
                                     image.split()[2])
        return low.point(lambda v: 255 if v >= 235 else 0).histogram()[255] / max(
            1, image.width * image.height)

    def spinner_pixels(self, image):
        """Pixels of the loading page's spinner green (#91bb00 and its
        antialiased edge) in the image."""
        r, g, b = image.split()
        chops = self.ImageChops
        green = g.point(lambda v: 255 if v >= 130 else 0)
        no_blue = b.point(lambda v: 255 if v <= 70 else 0)
        red_below = chops.subtract(g, r).point(lambda v: 255 if v >= 25 else 0)
        both = chops.multiply(chops.multiply(green, no_blue), red_below)
        return both.histogram()[255]

    def saturated_fraction(self, image):
        """Share of pixels with max >= 120 and max - min >= 60 (poster colour),
        over every fourth pixel of every fourth row."""
        chops = self.ImageChops
        image = image.resize((max(1, image.width // 4), max(1, image.height // 4)),
                             self.Image.NEAREST)
        r, g, b = image.split()
        high = chops.lighter(chops.lighter(r, g), b)
        low = chops.darker(chops.darker(r, g), b)
        bright = high.point(lambda v: 255 if v >= 120 else 0)
        vivid = chops.subtract(high, low).point(lambda v: 255 if v >= 60 else 0)
        both = chops.multiply(bright, vivid)
        return both.histogram()[255] / max(1, image.width * image.height)


# -- processes --------------------------------------------------------------


def read_stat(pid):
    """(ppid, session) of a process, or None when it is gone."""
    try:
        with open(f"/proc/{pid}/stat", "rb") as f:
            data = f.read()
    except OSError:
        return None
    fields = data[data.rindex(b")") + 2:].split()
    return int(fields[1]), int(fields[3])


def all_pids():
    return [int(name) for name in os.listdir("/proc") if name.isdigit()]


def descendants(root):
    """The root and every process below it in the parent tree."""
    children = {}
    for pid in all_pids():
        stat = read_stat(pid)
        if stat:
            children.setdefault(stat[0], []).append(pid)
    found, todo = [], [root]
    while todo:
        pid = todo.pop()
        found.append(pid)
        todo += children.get(pid, [])
    return found


def session_members(sid):
    return [pid for pid in all_pids() if (read_stat(pid) or (0, 0))[1] == sid]


def process_kind(pid):
    """'quillo', 'zygote', 'renderer', 'gpu-process', 'utility:NAME', ..."""
    try:
        with open(f"/proc/{pid}/cmdline", "rb") as f:
            raw = f.read()
    except OSError:
        return "gone"
    # Chromium's helpers rewrite their command line into one string.
    args = raw.replace(b"\0", b" ").decode(errors="replace").split()
    kind = sub = None
    for arg in args:
        if arg.startswith("--type="):
            kind = arg[7:]
        elif arg.startswith("--utility-sub-type="):
            sub = arg[19:].rsplit(".", 1)[-1]
    if kind is None:
        return os.path.basename(args[0]) if args else "?"
    if sub:
        kind += ":" + sub
    if kind == "zygote" and "--no-zygote-sandbox" in args:
        kind += " (unsandboxed)"
    return kind


def memory_kib(pid):
    """(Pss, Rss) in KiB from smaps_rollup, or None when the process is gone."""
    try:
        with open(f"/proc/{pid}/smaps_rollup", encoding="ascii", errors="replace") as f:
            text = f.read()
    except OSError:
        return None
    values = {}
    for line in text.splitlines():
        parts = line.split()
        if len(parts) >= 2 and parts[0] in ("Pss:", "Rss:"):
            values[parts[0][:-1]] = int(parts[1])
    if "Pss" not in values:
        return None
    return values["Pss"], values.get("Rss", 0)


def cpu_ticks(pids):
    """utime + stime of the processes, in clock ticks."""
    total = 0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/stat", "rb") as f:
                data = f.read()
        except OSError:
            continue
        fields = data[data.rindex(b")") + 2:].split()
        total += int(fields[11]) + int(fields[12])
    return total


def tree_memory(root):
    """Summed Pss/Rss (MiB) of the tree, with a per-kind breakdown."""
    pss = rss = 0
    kinds = {}
    pids = descendants(root)
    for pid in pids:
        mem = memory_kib(pid)
        if mem is None:
            continue
        pss += mem[0]
        rss += mem[1]
        kind = process_kind(pid)
        entry = kinds.setdefault(kind, [0, 0.0])
        entry[0] += 1
        entry[1] += mem[0] / 1024
    return pss / 1024, rss / 1024, len(pids), kinds


# -- the bench ---------------------------------------------------------------


class Bench:
    def __init__(self, args):
        self.args = args
        self.build = os.path.abspath(args.build)
        self.program_dir = os.path.join(self.build, "program")
        self.server = os.path.join(self.build, "tools", "content_server", "quillo-content-server")
        self.bare_view = os.path.join(self.build, "bench", "quillo-bare-view")
        self.chromium = shutil.which("chromium")
        self.server_process = None
        self.requests = []  # (monotonic seconds, path) as the content server logged them
        self.requests_lock = threading.Lock()
        self.site = os.path.join(REPO, "demo", "site")
        self.services = []
        self.workdir = None
        self.display = None
        self.bus_address = None
        self.screen = None

    # life cycle

    def __enter__(self):
        for path in (os.path.join(self.program_dir, "quillo"), self.server):
            if not os.access(path, os.X_OK):
                raise BenchError(f"{path} is missing; build the program first")
        try:
            self.workdir = tempfile.mkdtemp(prefix="quillo-bench-")
            self.site = (os.path.join(REPO, "demo", "site") if self.args.as_shipped
                         else self._site_without_advertisement_windows())
            self._start_x_server()
            self._start_session_bus()
            self._start_content_server()
            self.screen = Screen(self.display, self.base_env())
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        if self.screen:
            self.screen.close()
            self.screen = None
        for process in reversed(self.services):
            stop_group(process)
        self.services.clear()
        if self.workdir:
            shutil.rmtree(self.workdir, ignore_errors=True)
            self.workdir = None

    def _log(self, name):
        return open(os.path.join(self.workdir, name + ".log"), "wb")

    def _spawn(self, args, log_name, **kwargs):
        with self._log(log_name) as log:
            process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT, start_new_session=True,
                                       **kwargs)
        return process

    def _start_x_server(self):
        process, self.display = start_x_server(SCREEN)
        self.services.append(process)

    def _start_session_bus(self):
        def spawn(args, log_name):
            process = self._spawn(args, log_name)
            self.services.append(process)
            return process

        self.bus_address = start_session_bus(spawn, self.workdir)

    def _site_without_advertisement_windows(self):
        """A copy of the demo site whose switch pages turn the corner pop-up
        and the pop-under off ("关" in GBK): both would open windows of their
        own in the middle of the memory and idle samples."""
        copy = os.path.join(self.workdir, "site")
        shutil.copytree(os.path.join(REPO, "demo", "site"), copy)
        for page in ("ytkg.html", "btkg.html"):
            with open(os.path.join(copy, "ads", page), "wb") as switch:
                switch.write("关".encode("gbk"))
        return copy

    def _start_content_server(self, delay_ms=0):
        """(Re)starts the demo content server on a free port; with delay_ms,
        pages under /ads/ are answered that much later. Its request log is
        read as it comes, each line stamped with the time it arrived."""
        if self.server_process is not None:
            stop_group(self.server_process)
            self.services.remove(self.server_process)
        args = [self.server, self.site, "--port", "0", "--rewrite-origin", SITE_ORIGIN]
        if delay_ms:
            args += ["--delay-ads", str(delay_ms)]
        process = subprocess.Popen(args, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, start_new_session=True)
        self.services.append(process)
        self.server_process = process
        found = {}

        def read_log():
            for line in process.stdout:
                text = line.decode(errors="replace")
                address = re.search(r" at (http://127\.0\.0\.1:\d+/)", text)
                if address:
                    found["address"] = address.group(1)
                parts = text.split()
                if len(parts) >= 2 and parts[0] == "GET":
                    with self.requests_lock:
                        self.requests.append((time.monotonic(), parts[1]))

        threading.Thread(target=read_log, daemon=True).start()

        def address():
            if process.poll() is not None:
                raise BenchError("the content server did not start")
            return found.get("address")

        self.server_address = wait_until(address, 20, 0.05, "the content server")

    def requests_since(self, since):
        with self.requests_lock:
            return [(at, path) for at, path in self.requests if at >= since]

    def base_env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env.pop("WAYLAND_DISPLAY", None)
        env.pop("QTWEBENGINE_CHROMIUM_FLAGS", None)
        env["QT_QPA_PLATFORM"] = "xcb"
        env["DBUS_SESSION_BUS_ADDRESS"] = self.bus_address
        return env

    # one run

    def run_once(self, label, variant_env, shots_prefix=None, kind="program", idle=0.0,
                 settle=None, three_windows=False, observe=True):
        """One launch of a subject: kind "program" (the program as shipped,
        with variant_env), "bare" (the bare view) or "chromium" (--app).
        With three_windows (the program only), memory is read again once the
        column and an application window are open beside the main window.
        Without observe, the screen is not read at all: the subject runs for
        settle seconds and is ended."""
        rundir = tempfile.mkdtemp(prefix="run-", dir=self.workdir)
        env = self.base_env()
        env["XDG_CONFIG_HOME"] = os.path.join(rundir, "xdg-config")
        # A fresh browser profile per run: each run starts cold.
        env["XDG_DATA_HOME"] = os.path.join(rundir, "xdg-data")
        # The caches are shared by all runs, as on a machine where the
        # subject has run before: the graphics drivers' and Qt's compiled
        # shaders stay warm (a cold shader cache costs every start about a
        # fifth of a second of shader compiling under the software renderer),
        # while the browsers' own caches are emptied before each run.
        cache = os.path.join(self.workdir, "xdg-cache")
        for browser_cache in ("quillo", "chromium"):
            shutil.rmtree(os.path.join(cache, browser_cache), ignore_errors=True)
        env["XDG_CACHE_HOME"] = cache
        env["XDG_RUNTIME_DIR"] = rundir
        env.update(parse_env(self.args.env))
        env.update(variant_env)
        site = self.server_address
        if kind == "program":
            program_copy = os.path.join(rundir, "program")
            shutil.copytree(self.program_dir, program_copy)
            command = [os.path.join(program_copy, "quillo"), "--content-server", site]
        elif kind == "bare":
            command = [self.bare_view, site]
        else:
            command = [self.chromium, "--no-sandbox", "--disable-gpu", "--no-first-run",
                       "--disable-background-networking", "--disable-component-update",
                       "--disable-sync", "--user-data-dir=" + os.path.join(rundir, "chromium"),
                       "--window-position=0,0", "--window-size=984,624", "--app=" + site]

        screen = self.screen
        full = (0, 0) + SCREEN
        baseline = screen.grab(full)
        result = {"variant": label, "kind": kind}
        log_path = os.path.join(self.workdir, "program-" + os.path.basename(rundir) + ".log")
        with self._log("program-" + os.path.basename(rundir)) as log:
            started = time.monotonic()
            program = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT, cwd=rundir, env=env,
                                       start_new_session=True)
        try:
            if not observe:
                time.sleep(self.args.settle if settle is None else settle)
                self._alive(program, "the end of its unobserved run")
                return result
            self._measure(program, kind, started, baseline, result, shots_prefix,
                          self.args.settle if settle is None else settle)
            asked = [at for at, path in self.requests_since(started) if path == "/"]
            if asked:
                result["asked"] = asked[0] - started
                if "site" in result:
                    result["asked_to_site"] = result["site"] - result["asked"]
            if kind == "bare":
                complete = document_complete(log_path)
                if complete is not None:
                    result["complete"] = complete - started
            if idle > 0:
                pids = descendants(program.pid)
                before = cpu_ticks(pids)
                time.sleep(idle)
                self._alive(program, "the idle sample")
                used = (cpu_ticks(pids) - before) / os.sysconf("SC_CLK_TCK")
                result["idle_cpu"] = 100 * used / idle
            if three_windows:
                try:
                    self._open_two_more_windows(program, result["box"])
                except DesktopError as error:
                    print(f"note: no three-window sample: {error}", file=sys.stderr)
                    three_windows = False
                    if shots_prefix:
                        self.screen.save(shots_prefix + "-three-windows-failed.png")
            if three_windows:
                settle_until = time.monotonic() + max(
                    self.args.settle if settle is None else settle, 5.0)
                while time.monotonic() < settle_until:
                    self._alive(program, "the three-window memory sample")
                    time.sleep(0.1)
                pss, rss, count, _ = tree_memory(program.pid)
                result.update(pss3=pss, rss3=rss, processes3=count)
                if shots_prefix:
                    self.screen.save(shots_prefix + "-three-windows.png")
        finally:
            result["leftover"] = end_program(program)
            shutil.rmtree(rundir, ignore_errors=True)
        return result

    def _alive(self, program, what):
        if program.poll() is not None:
            raise BenchError(f"the program ended (status {program.returncode}) before {what}")

    def _windows(self, program):
        """Visible windows of the program of at least 300x200 (not the
        corner pop-up)."""
        out = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(program.pid), "--name", "",
             "getwindowgeometry", "--shell", "%@"],
            env=self.base_env(), capture_output=True, timeout=10, check=False).stdout.decode()
        sizes = re.findall(r"WIDTH=(\d+)\s+HEIGHT=(\d+)", out)
        return sum(1 for w, h in sizes if int(w) >= 300 and int(h) >= 200)

    def _open_two_more_windows(self, program, box):
        """Clicks the application-centre label of the main title bar (a
        column window opens beside the main window) and then the first
        application's open button on that page (an application window opens
        beside the column window), waiting for each window to show. (The
        player window cannot be one of the three: opening a column closes it.)"""
        env = self.base_env()
        before = self._windows(program)

        def click(x, y):
            # xdotool's --sync waits for a motion: a pointer in place stays.
            where = subprocess.run(["xdotool", "getmouselocation", "--shell"], env=env,
                                   capture_output=True, timeout=10, check=False).stdout.split()
            if f"X={x}".encode() not in where or f"Y={y}".encode() not in where:
                subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], env=env,
                               timeout=10, check=False)
            subprocess.run(["xdotool", "click", "1"], env=env, timeout=10, check=False)

        click(box[0] + APP_CENTRE_LABEL[0], box[1] + APP_CENTRE_LABEL[1])
        wait_until(lambda: self._alive(program, "the column window")
                   or self._windows(program) >= before + 1,
                   self.args.timeout, 0.1, "the column window")
        button = (box[0] + CASCADE + FIRST_APP_OPEN_BUTTON[0],
                  box[1] + CASCADE + TITLE_BAR_HEIGHT + FIRST_APP_OPEN_BUTTON[1])
        wait_until(lambda: self._alive(program, "the application page")
                   or max(abs(a - b) for a, b in zip(
                       self.screen.grab(button + (button[0] + 1, button[1] + 1)).getpixel((0, 0)),
                       APP_BUTTON_GREEN)) < 60,
                   self.args.timeout, 0.2, "the application centre's open button")
        click(*button)
        wait_until(lambda: self._alive(program, "the application window")
                   or self._windows(program) >= before + 2,
                   self.args.timeout, 0.1, "the application window")

    def _main_window(self, program):
        """(x, y, w, h) of the largest visible window of the program."""
        out = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(program.pid), "--name", ".",
             "getwindowgeometry", "--shell", "%@"],
            env=self.base_env(), capture_output=True, timeout=10, check=False).stdout.decode()
        best = None
        window = {}
        for line in out.split():
            key, _, value = line.partition("=")
            if key in ("X", "Y", "WIDTH", "HEIGHT"):
                window[key] = int(value)
            if key == "SCREEN" and len(window) == 4:
                box = (window["X"], window["Y"], window["WIDTH"], window["HEIGHT"])
                if box[2] >= 300 and box[3] >= 200 and (
                        best is None or box[2] * box[3] > best[2] * best[3]):
                    best = box
                window = {}
        return best

    def _measure(self, program, kind, started, baseline, result, shots_prefix, settle):
        screen = self.screen
        timeout = self.args.timeout

        def poll(check, interval, what):
            """Seconds from exec to the start of the first read that passed."""
            deadline = started + timeout
            while True:
                self._alive(program, what)
                at = time.monotonic()
                value = check()
                if value:
                    return at - started, value
                if at >= deadline:
                    raise BenchError(f"timed out after {timeout:.0f} s waiting for {what}")
                time.sleep(interval)

        result["mapped"], box = poll(lambda: self._main_window(program), FAST_POLL,
                                     "the main window")
        result["box"] = box
        x, y, w, h = box
        window_box = (x, y, x + w, y + h)
        if kind == "program":
            bar = (2, 2, w - 2, TITLE_BAR_HEIGHT)  # window-relative
            content = (2, 30, w - 2, h - 2)
        else:
            # The whole window; Chromium draws a title bar of its own when
            # no window manager does.
            bar = (0, 0, w, h)
            content = (0, 40 if kind == "chromium" else 0, w, h)
        centre = ((content[0] + content[2]) // 2 - 100, (content[1] + content[3]) // 2 - 100,
                  (content[0] + content[2]) // 2 + 100, (content[1] + content[3]) // 2 + 100)
        bar_baseline = baseline.crop(window_box).crop(bar)
        bars = []  # (seconds, title-bar strip) whenever the strip changed
        white = []  # [start, end] of each run of white frames, seconds

        def window_check():
            image = screen.grab(window_box)
            at = time.monotonic() - started
            strip = image.crop(bar)
            if not bars or screen.changed_fraction(strip, bars[-1][1]) > 0:
                bars.append((at, strip))
            shown = image.crop(content)
            if screen.white_fraction(shown) >= 0.5:
                if white and white[-1][1] is None:
                    pass
                else:
                    white.append([at, None])
            elif white and white[-1][1] is None:
                white[-1][1] = at
            if "loading" not in result and kind == "program" and \
                    screen.spinner_pixels(image.crop(centre)) >= 40:
                result["loading"] = at
            if "window" not in result:
                if screen.changed_fraction(strip, bar_baseline) < 0.9:
                    return False
                result["window"] = at
                if shots_prefix:
                    image.save(shots_prefix + "-first-paint.png")
            return screen.saturated_fraction(shown) >= 0.05

        result["site"], _ = poll(window_check, FAST_POLL, "the site to replace the loading page")
        if white and white[-1][1] is None:
            white[-1][1] = result["site"]
        result["white_frames"] = len(white)
        result["white"] = sum(end - start for start, end in white)
        result["white_spans"] = white
        result.setdefault("loading", float("nan"))
        settle_until = started + result["site"] + settle
        while time.monotonic() < settle_until:
            self._alive(program, "the memory sample")
            time.sleep(0.1)
        self._alive(program, "the memory sample")
        pss, rss, count, kinds = tree_memory(program.pid)
        result.update(pss=pss, rss=rss, processes=count, kinds=kinds)
        strays = set(session_members(program.pid)) - set(descendants(program.pid))
        result["strays"] = len(strays)
        # The title bar in its final look: the first strip that matches the
        # one on screen now in at least 90% of its pixels (the text
        # advertisement may still have changed since).
        final = screen.grab(window_box).crop(bar)
        result["skinned"] = next(
            (at for at, strip in bars if screen.changed_fraction(strip, final) <= 0.1),
            result["site"])
        if shots_prefix:
            screen.save(shots_prefix + "-site.png")


def end_report(json_path, figures):
    """Ends a benchmark's report: the load average, which every figure
    depends on, and the figures as JSON in json_path where one is given."""
    print("load average: " + " ".join(f"{v:.2f}" for v in os.getloadavg()))
    if json_path:
        with open(json_path, "w", encoding="utf-8") as f:
            json.dump(figures, f, indent=2)


def parse_env(entries):
    return dict(entry.split("=", 1) for entry in entries)


def end_program(program):
    """Ends the program and waits until none of its processes are left, so
    that the next run starts on a quiet machine. Returns how many processes
    of its session were still there after SIGTERM and a grace period."""
    tree = set(descendants(program.pid)) if program.poll() is None else set()
    stop_group(program)
    deadline = time.monotonic() + 10
    leftover = 0
    while True:
        alive = [pid for pid in tree if read_stat(pid)] + session_members(program.pid)
        if not alive:
            return leftover
        leftover = max(leftover, len(set(alive)))
        if time.monotonic() >= deadline:
            for pid in set(alive):
                try:
                    os.kill(pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
            return leftover
        time.sleep(0.1)


# -- report ------------------------------------------------------------------

METRICS = [
    ("mapped", "window mapped (s)", "{:.2f}"),
    ("window", "first paint (s)", "{:.2f}"),
    ("loading", "loading page (s)", "{:.2f}"),
    ("skinned", "title bar final (s)", "{:.2f}"),
    ("site", "site shown (s)", "{:.2f}"),
    ("white_frames", "white frames", "{:.0f}"),
    ("white", "white frames (s)", "{:.2f}"),
    ("pss", "PSS, tree (MiB)", "{:.1f}"),
    ("rss", "RSS, tree (MiB)", "{:.1f}"),
    ("processes", "processes", "{:.0f}"),
]


def table(runs):
    lines = [f"{'metric':<22}{'median':>10}{'min':>10}{'max':>10}"]
    for key, name, fmt in METRICS:
        values = [run[key] for run in runs]
        cells = [fmt.format(v) for v in (statistics.median(values), min(values), max(values))]
        lines.append(f"{name:<22}" + "".join(f"{c:>10}" for c in cells))
    return "\n".join(lines)


def breakdown(runs):
    """Median PSS per process kind, with the median count."""
    kinds = sorted({kind for run in runs for kind in run["kinds"]})
    lines = []
    for kind in kinds:
        counts = [run["kinds"].get(kind, [0, 0.0])[0] for run in runs]
        pss = [run["kinds"].get(kind, [0, 0.0])[1] for run in runs]
        lines.append(f"  {kind:<32} x{statistics.median(counts):<4g}"
                     f"{statistics.median(pss):>8.1f} MiB PSS")
    return "\n".join(lines)


# Start-up pages the program fetches itself (the others under /ads/ are
# pages its browser views load, which the server's delay does not stand for).
NAVIGATED_PAGES = {"/ads/tv.html", "/ads/app.html", "/ads/beitou.html", "/ads/youtan.html",
                   "/ads/tuitan.html"}


def request_span(bench, delay_ms, runs):
    """The program against a server that answers every /ads/ page delay_ms
    late: medians in seconds of the span from the first of its own start-up
    requests arriving to the last one answered, in runs in which the screen
    is not read ("span") and in runs in which it is ("span_read", with the
    loading page and the site timed), and the server time. Reading the
    screen every 20 ms costs the X server and this script a share of the
    machine that the program's user-interface thread would otherwise have,
    and the span is made of that thread's latencies; the unread runs give
    the program's own figure, the read ones show what the reading adds."""
    bench._start_content_server(delay_ms)
    spans, read_spans, recorded_spans, server_times, loading, sites = [], [], [], [], [], []

    def span_of(launched):
        fetched = [(at, path) for at, path in bench.requests_since(launched)
                   if path.startswith("/ads/") and path not in NAVIGATED_PAGES]
        if not fetched:
            raise BenchError("the program asked the delaying server for nothing")
        server_times.append(len(fetched) * delay_ms / 1000)
        # The log stamps a request when it was answered, delay_ms after
        # it arrived.
        return fetched[-1][0] - fetched[0][0] + delay_ms / 1000, len(fetched)

    try:
        for _ in range(runs):
            launched = time.monotonic()
            bench.run_once("delayed", {}, settle=4.0, observe=False)
            span, requests = span_of(launched)
            spans.append(span)
            launched = time.monotonic()
            run = bench.run_once("delayed", {}, settle=2.0)
            read_spans.append(span_of(launched)[0])
            loading.append(run["loading"])
            sites.append(run["site"])
            recorder = Recorder(bench.display)
            try:
                launched = time.monotonic()
                bench.run_once("delayed", {}, settle=4.0, observe=False)
            finally:
                recorder.close()
            recorded_spans.append(span_of(launched)[0])
    finally:
        bench._start_content_server(0)
    median = statistics.median
    return dict(span=median(spans), span_read=median(read_spans),
                span_recorded=median(recorded_spans), server=median(server_times),
                loading=median(loading), site=median(sites), requests=requests)


def document_complete(log_path):
    """The monotonic seconds the bare view printed when its page had loaded
    completely, or None."""
    with open(log_path, "rb") as log:
        found = re.search(rb"^document complete ([0-9.]+)$", log.read(), re.MULTILINE)
    return float(found.group(1)) if found else None


def summary(results, subjects, span):
    """The side-by-side table of the program, the bare view and Chromium."""
    columns = [label for label, _, _ in subjects]
    med = {label: (lambda key, runs=results[label]: statistics.median(
        [run[key] for run in runs if key in run] or [float("nan")])) for label in columns}
    rows = [
        ("first paint (s)", "window", "{:.2f}"),
        ("loading page (s)", "loading", "{:.2f}"),
        ("site asked for (s)", "asked", "{:.2f}"),
        ("site visible (s)", "site", "{:.2f}"),
        ("page loaded completely (s)", "complete", "{:.2f}"),
        ("from asking to visible (s)", "asked_to_site", "{:.2f}"),
        ("white frames (count)", "white_frames", "{:.0f}"),
        ("white frames (s)", "white", "{:.2f}"),
        ("RSS, tree (MiB)", "rss", "{:.0f}"),
        ("PSS, tree (MiB)", "pss", "{:.0f}"),
        ("processes", "processes", "{:.0f}"),
        ("idle CPU, % of a core", "idle_cpu", "{:.2f}"),
        ("RSS, three windows (MiB)", "rss3", "{:.0f}"),
        ("PSS, three windows (MiB)", "pss3", "{:.0f}"),
        ("processes, three windows", "processes3", "{:.0f}"),
    ]
    width = 24
    lines = [f"{'figure':<26}" + "".join(f"{c[:width]:>{width}}" for c in columns)]
    reference = columns[1] if len(columns) > 1 and subjects[1][1] == "bare" else None
    for name, key, fmt in rows:
        cells = []
        for label in columns:
            value = med[label](key)
            text = "-" if value != value else fmt.format(value)
            if reference and label != reference and key in ("site", "rss", "pss"):
                ref = med[reference](key)
                if ref == ref and ref:
                    text += f" ({value / ref:.2f}x)"
            cells.append(text)
        lines.append(f"{name:<26}" + "".join(f"{c:>{width}}" for c in cells))
    if span:
        lines.append(f"request span at {span['delay']} ms a page: {span['span']:.2f} s for "
                     f"{span['requests']} requests against {span['server']:.2f} s of server time "
                     f"({span['span'] / span['server']:.2f}x) with the screen not read; "
                     f"{span['span_read']:.2f} s ({span['span_read'] / span['server']:.2f}x) "
                     f"while it is read every 20 ms and checked; "
                     f"{span['span_recorded']:.2f} s "
                     f"({span['span_recorded'] / span['server']:.2f}x) while the whole screen is "
                     f"recorded every 20 ms; loading page at "
                     f"{span['loading']:.2f} s, site at {span['site']:.2f} s")
    program = columns[0]
    checks = []
    if reference:
        checks.append(("site visible <= 1.25x bare view",
                       med[program]("site") <= 1.25 * med[reference]("site")))
        complete = med[reference]("complete")
        if complete == complete:
            lines.append(f"the program shows the site {med[program]('site') / complete:.2f}x "
                         f"the time the bare view's page takes to load completely "
                         f"({complete:.2f} s), the moment the loading page gives way")
        checks.append(("RSS <= 1.15x bare view", med[program]("rss") <= 1.15 * med[reference]("rss")))
    idle = med[program]("idle_cpu")
    if idle == idle:
        checks.append(("idle CPU <= 0.1% of a core", idle <= 0.1))
    if span:
        checks.append(("request span <= 1.1x server time", span["span"] <= 1.1 * span["server"]))
        checks.append(("request span while recorded <= 1.2x server time",
                       span["span_recorded"] <= 1.2 * span["server"]))
    for name, ok in checks:
        lines.append(f"target {name}: {'met' if ok else 'NOT met'}")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser(
        description=__doc__.split("\n\n")[0],
        formatter_class=argparse.RawDescriptionHelpFormatter,
        epilog="\n\n".join(__doc__.split("\n\n")[1:]))
    parser.add_argument("--build", default=os.path.join(REPO, "build"),
                        help="build directory with program/ and tools/ (default: %(default)s)")
    parser.add_argument("--runs", type=int, default=5, help="measured runs per variant (5)")
    parser.add_argument("--warmup", type=int, default=1,
                        help="unmeasured runs first, to warm the page cache (1)")
    parser.add_argument("--settle", type=float, default=5.0,
                        help="seconds after the site showed before memory is read (5)")
    parser.add_argument("--timeout", type=float, default=60.0,
                        help="seconds a run may take to show the site (60)")
    parser.add_argument("--idle", type=float, default=60.0,
                        help="seconds of idle CPU measured after the memory sample, in the "
                             "first measured round (60; 0 leaves it out)")
    parser.add_argument("--delay", type=int, default=50,
                        help="ms the delaying server waits before each /ads/ page (50)")
    parser.add_argument("--span-runs", type=int, default=3,
                        help="runs of the program against the delaying server (3; 0 leaves "
                             "them out)")
    parser.add_argument("--no-three-windows", action="store_true",
                        help="leave out the memory sample with a column and an application "
                             "window open")
    parser.add_argument("--no-bare", action="store_true", help="leave out the bare view")
    parser.add_argument("--as-shipped", action="store_true",
                        help="the demo site as shipped, corner pop-up and pop-under on (their "
                        "windows open in the middle of the samples: compare site visible only)")
    parser.add_argument("--no-chromium", action="store_true", help="leave out Chromium --app")
    parser.add_argument("--flags", action="append", default=[],
                        help="a variant with QTWEBENGINE_CHROMIUM_FLAGS set to exactly this")
    parser.add_argument("--add-flags", action="append", default=[],
                        help="a variant with the program's own flags plus these")
    parser.add_argument("--env", action="append", default=[], metavar="NAME=VALUE",
                        help="set this in the program's environment in every run")
    parser.add_argument("--env-variant", action="append", default=[], metavar="NAME=VALUE",
                        help="a variant with the program's own flags and this in its environment")
    parser.add_argument("--no-default", action="store_true",
                        help="leave out the variant with the program's own flags")
    parser.add_argument("--json", help="write every run's figures to this file")
    parser.add_argument("--shots", help="save screenshots of each run into this directory")
    parser.add_argument("--verbose", action="store_true",
                        help="print each run and the flags of each variant")
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    if args.runs < 1:
        parser.error("--runs must be at least 1")

    flags_name = "QTWEBENGINE_CHROMIUM_FLAGS"
    subjects = [] if args.no_default else [("program's own flags", "program", {})]
    subjects += [(f"--flags {flags}", "program", {flags_name: flags}) for flags in args.flags]
    own = program_flags() if args.add_flags else []
    subjects += [(f"own + {extra}", "program", {flags_name: combine_flags(own, extra.split())})
                 for extra in args.add_flags]
    for entry in args.env + args.env_variant:
        if "=" not in entry or entry.startswith("="):
            parser.error(f"{entry}: expected NAME=VALUE")
    subjects += [(f"own flags, {entry}", "program", parse_env([entry]))
                 for entry in args.env_variant]
    if not subjects:
        parser.error("no variant to run")
    if args.shots:
        os.makedirs(args.shots, exist_ok=True)

    results = {}
    span = None
    with Bench(args) as bench:
        if not args.no_bare:
            if os.access(bench.bare_view, os.X_OK):
                subjects.insert(1, ("bare QWebEngineView", "bare", {}))
                # The program composes its pages in software (QT_QUICK_BACKEND);
                # the bare view with that too shows what the choice alone gives.
                subjects.insert(2, ("bare, software scene graph", "bare",
                                    {"QT_QUICK_BACKEND": "software"}))
            else:
                print(f"note: {bench.bare_view} is not built; no bare view", file=sys.stderr)
        if not args.no_chromium:
            if bench.chromium:
                subjects.append(("Chromium --app", "chromium", {}))
            else:
                print("note: chromium is not installed (scripts/install-deps bench); "
                      "no Chromium column", file=sys.stderr)
        results = {label: [] for label, _, _ in subjects}
        print(f"display {bench.display}, screen reads: {bench.screen.method}; "
              f"{args.warmup} warm-up + {args.runs} runs per subject; load average "
              f"{os.getloadavg()[0]:.2f} on {os.cpu_count()} cores", file=sys.stderr)
        for round_number in range(-args.warmup, args.runs):
            for index, (label, kind, variant_env) in enumerate(subjects):
                shots = None
                if args.shots and round_number >= 0:
                    shots = os.path.join(args.shots, f"v{index}-run{round_number + 1}")
                idle = args.idle if round_number == 0 else 0.0
                # Three windows: the program as shipped, in the measured rounds
                # that do not sample idle CPU.
                three = kind == "program" and index == 0 and round_number >= 0 \
                    and not idle and not args.no_three_windows
                run = bench.run_once(label, variant_env, shots, kind=kind, idle=idle,
                                     three_windows=three)
                tag = "warm-up" if round_number < 0 else f"run {round_number + 1}"
                if args.verbose or round_number < 0:
                    print(f"[{label}] {tag}: mapped {run['mapped']:.2f} s, window "
                          f"{run['window']:.2f} s, loading {run['loading']:.2f} s, site "
                          f"{run['site']:.2f} s, white {run['white_frames']} "
                          f"{run['white_spans']}, PSS {run['pss']:.1f} MiB, RSS "
                          f"{run['rss']:.1f} MiB, {run['processes']} processes"
                          + (f", idle CPU {run['idle_cpu']:.2f}%" if "idle_cpu" in run else "")
                          + (f", RSS with three windows {run['rss3']:.1f} MiB"
                             if "rss3" in run else ""),
                          file=sys.stderr)
                if round_number >= 0:
                    results[label].append(run)
        if args.span_runs > 0 and subjects[0][1] == "program":
            span = dict(request_span(bench, args.delay, args.span_runs), delay=args.delay)
        load = os.getloadavg()

    reference = None
    for label, kind, variant_env in subjects:
        runs = results[label]
        print(f"\n== {label} ({len(runs)} runs)")
        if args.verbose:
            for name, value in variant_env.items():
                print(f"{name}={value}")
        print(table(runs))
        print("median PSS by process kind:")
        print(breakdown(runs))
        pss = statistics.median(run["pss"] for run in runs)
        if reference is None:
            reference = pss
        elif reference and kind == "program":
            print(f"PSS vs first variant: {100 * (pss - reference) / reference:+.1f}%")
        strays = max(run["strays"] for run in runs)
        if strays:
            print(f"note: {strays} process(es) of the program's session outside its tree")
    print("\n== side by side (medians)")
    print(summary(results, subjects, span))
    print(f"load average at the end: {load[0]:.2f} {load[1]:.2f} {load[2]:.2f} "
          f"on {os.cpu_count()} cores")
    if args.json:
        with open(args.json, "w", encoding="utf-8") as f:
            json.dump({"common_env": parse_env(args.env), "span": span,
                       "variants": [{"label": label, "kind": kind, "env": variant_env,
                                     "runs": results[label]}
                                    for label, kind, variant_env in subjects]}, f, indent=1)
    return 0


def _leave(signum, _frame):
    raise SystemExit(128 + signum)


if __name__ == "__main__":
    # Ending by a signal still stops everything the bench started.
    signal.signal(signal.SIGTERM, _leave)
    signal.signal(signal.SIGHUP, _leave)
    try:
        sys.exit(main())
    except DesktopError as error:
        print(f"desktop_startup: {error}", file=sys.stderr)
        sys.exit(1)
    except KeyboardInterrupt:
        sys.exit(130)
