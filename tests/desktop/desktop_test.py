"""Desktop tests: the real program under Xvfb against the demo content server.

usage: desktop_test.py --program-dir DIR --server EXE --site DIR --artifacts DIR
                       [unittest arguments, e.g. DesktopTest.test_startup]

Each test starts its own X server, content server and program copy (see
desktop_driver.py). The content server listens on a free port, which the
program is given with --content-server. A failing test leaves a screenshot and the
logs in the artifacts directory.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest
import urllib.request

from desktop_driver import (SCREEN_HEIGHT, SCREEN_WIDTH, DesktopSession, RelayServer,
                            SilentServer, StallingServer, colour_distance, wait_until)

PATHS = None

MAIN_WIDTH = 984
MAIN_HEIGHT = 624
MAIN_LEFT = 50
MAIN_TOP = 50

# Window-relative places of the title bar's controls.
OPTIONS_BUTTON = (869, 17)
MAXIMIZE_BUTTON = (935, 14)
CLOSE_BUTTON = (963, 14)
TEXT_ADVERT = (464, 4, 360, 24)  # left, top, width, height
TITLE_BAR_GAP_X = 835  # between the advertisement and the options button

# The two pop-ups: stored title and size; the close button's middle,
# relative to the window.
CORNER_TITLE = "广告组件"
CORNER_SIZE = (296, 246)
EXIT_TITLE = "Korvane影音系列退弹广告"
EXIT_SIZE = (332, 276)
EXIT_CLOSE_BUTTON = (306, 10)

# The content client's limit on one request, in seconds.
REQUEST_TIME_OUT = 10

NAME_PAGES = {"1": "namejt.html", "2": "nameft.html", "3": "nameyy.html"}
OPTIONS_MENUS = {"1": "选项按钮菜单", "2": "繁体菜单", "3": "英文菜单"}

# Browser windows open 30 pixels right of and below their opener.
CASCADE = 30
CONTENT_TOP = 28  # the browsers start under the title bar
WINDOW_DARK = (0x1B, 0x1F, 0x24)  # the windows' own colour
FIRST_FILM = (24 + 66, 400)  # the first poster of the library page, page-relative
FULL_SCREEN_BUTTON = (58, 401)  # "全屏观看" under the video of a play page
FULL_SCREEN_EXIT = (64, 40)  # "退出全屏" in full screen, from the screen's top-right corner
LIVE_TV_LABEL = (203, 16)  # column labels 2 and 3 of the main title bar
APP_CENTRE_LABEL = (273, 16)
FIRST_APP_OPEN_BUTTON = (277, 133)  # "打开" of the first application, page-relative
APP_BUTTON_GREEN = (0x91, 0xBB, 0x00)


# How soon a window opened while a film plays in the player shows its page,
# from the window's showing: the exit pop-up and a column window. On a
# machine loaded beyond its cores (other builds and tests beside this one)
# the page's own loading and painting take longer by up to the overload,
# counted up to three times: a cover that stays for good (the fault these
# bounds catch) fails at any load.
EXIT_PAGE_WHILE_PLAYING = 2.0
COLUMN_PAGE_WHILE_PLAYING = 3.0
MOST_OVERLOAD = 3.0


def overload():
    """How far the machine's load (last minute) stands above its cores, from
    1 up to MOST_OVERLOAD."""
    return min(MOST_OVERLOAD, max(1.0, os.getloadavg()[0] / (os.cpu_count() or 1)))

# The program's count of composed frames per window (quillo.frames).
FRAME_LOG_RULES = "quillo.frames.debug=true"
FRAME_LINE = re.compile(r"quillo\.frames: debug: frame (\d+) of (\S+)")
# Seconds without a new frame after which a window counts as settled, and
# how long a settled static window is then watched.
FRAMES_SETTLE = 2.0
FRAMES_WATCH = 3.0


def composed_frames(desktop):
    """Frames composed so far, per window name."""
    counts = {}
    for count, window in FRAME_LINE.findall(desktop.program_log()):
        counts[window] = max(counts.get(window, 0), int(count))
    return counts


def frames_after_settling(desktop, windows=None, timeout=30):
    """Waits until the windows named (all, without names) compose no frame
    for FRAMES_SETTLE seconds; returns the frames per window then."""
    def of(counts):
        return {w: n for w, n in counts.items() if windows is None or w in windows}

    last = of(composed_frames(desktop))
    since = time.monotonic()
    deadline = since + timeout
    while time.monotonic() < deadline:
        time.sleep(0.25)
        now = of(composed_frames(desktop))
        if now != last:
            last, since = now, time.monotonic()
        elif time.monotonic() - since >= FRAMES_SETTLE:
            return now
    raise AssertionError(f"windows kept composing frames for {timeout} s: {last}")


def covers(desktop):
    """The program's log of browser views' covers lifting."""
    return "\n".join(line for line in desktop.program_log().splitlines() if "cover of" in line)


def seconds_until(check, timeout, interval=0.1):
    """Seconds from now to the first check that passes (timed from just
    before it began), or None within the timeout."""
    start = time.monotonic()
    while True:
        began = time.monotonic()
        if check():
            return began - start
        if began - start > timeout:
            return None
        time.sleep(interval)


def page_reports(desktop):
    """What the demo pages reported to the session's demo server, one entry a line."""
    with urllib.request.urlopen(desktop.server_address + "report/log", timeout=5) as answer:
        return answer.read().decode("utf-8", "replace").splitlines()


def report_fields(line):
    """The query fields of one report, plus its cookie header as "cookie"."""
    query, _, cookie = line.partition(" cookie=")
    fields = dict(part.split("=", 1) for part in query.split("&") if "=" in part)
    fields["cookie"] = cookie
    return fields


def served(desktop):
    """The demo server's log of this session: one "METHOD PATH STATUS" a line."""
    with open(os.path.join(desktop.artifacts, f"{desktop.name}.server.log"), "rb") as f:
        return f.read().decode("utf-8", "replace")


def film_reports(desktop, film, event):
    return [f for f in map(report_fields, page_reports(desktop))
            if f.get("film") == str(film) and f.get("event") == event]


def display_name(language):
    with open(os.path.join(PATHS.site, "ads", NAME_PAGES[language]), "rb") as f:
        return f.read().split(b"\0")[0].decode("gbk")


def local_name(language):
    """Key Name of the language table shipped with the program."""
    tables = {"1": "Chinese Simplified.db", "2": "Chinese Traditional.db", "3": "English.db"}
    with open(os.path.join(PATHS.program_dir, "Language", tables[language]), "rb") as f:
        for line in f.read().decode("gbk").splitlines():
            if line.startswith("Name="):
                return line[len("Name="):]
    return None


def config_with(**values):
    """The delivered Config.ini with the given keys replaced or added."""
    with open(os.path.join(PATHS.program_dir, "Config.ini"), "rb") as f:
        lines = f.read().decode("gbk").splitlines()
    for key, value in values.items():
        entry = f"{key}={value}"
        for i, line in enumerate(lines):
            if line.startswith(key + "="):
                lines[i] = entry
                break
        else:
            lines.append(entry)
    return "\r\n".join(lines) + "\r\n"


def saturated(pixel):
    r, g, b = pixel
    return max(r, g, b) >= 120 and max(r, g, b) - min(r, g, b) >= 60


def site_is_shown(shot, left, top):
    """The demo site's content area is full of colourful posters; the
    loading page and a blank browser are dark or white with at most a small
    green spinner. Counts saturated pixels in the content area."""
    total = 0
    coloured = 0
    for _, _, pixel in shot.region(left + 2, top + 30, MAIN_WIDTH - 4, MAIN_HEIGHT - 32):
        total += 1
        coloured += saturated(pixel)
    return total > 0 and coloured / total >= 0.05


def program_log(desktop):
    with open(os.path.join(desktop.artifacts, f"{desktop.name}.program.log"), "rb") as f:
        return f.read().decode("utf-8", "replace")


def renderers(desktop):
    """Process ids of the browser engine's renderer processes of the program."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as f:
                # The engine rewrites its helpers' titles: one line, blank-separated.
                args = f.read().replace(b"\0", b" ").split()
        except OSError:
            continue
        if not args or not args[0].endswith(b"QtWebEngineProcess") \
                or b"--type=renderer" not in args:
            continue
        pid = int(entry)
        while pid > 1:
            if pid == desktop.program.pid:
                found.append(int(entry))
                break
            try:
                with open(f"/proc/{pid}/stat") as f:
                    pid = int(f.read().rsplit(")", 1)[1].split()[1])
            except (OSError, ValueError, IndexError):
                break
    return found


def kill_renderers(desktop):
    """Kills every renderer of the program, the site's among them; returns their ids."""
    victims = wait_until(lambda: renderers(desktop), 20, what="the program's renderers")
    for pid in victims:
        try:
            os.kill(pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    return victims


def green_pixels(shot, left, top):
    """Screen places of the content area's pixels in the buttons' green."""
    return [(x, y) for x, y, pixel
            in shot.region(left + 2, top + 30, MAIN_WIDTH - 4, MAIN_HEIGHT - 32)
            if colour_distance(pixel, APP_BUTTON_GREEN) < 30]


def green_middle(shot, left, top):
    places = green_pixels(shot, left, top)
    return (sum(x for x, _ in places) // len(places), sum(y for _, y in places) // len(places))


def crashed_page_is_shown(shot, left, top):
    """The crashed page: the window's dark colour with the green reload button
    and no posters."""
    return len(green_pixels(shot, left, top)) >= 200 and not site_is_shown(shot, left, top)


def advert_text_pixels(shot, left, top):
    """Pixels of the text-advertisement region that stand out from the plain
    title bar (sampled in the same row, right of the region) in the
    advertisement's orange."""
    ax, ay, aw, ah = TEXT_ADVERT
    count = 0
    for x, y, pixel in shot.region(left + ax, top + ay, aw, ah):
        background = shot.pixel(left + TITLE_BAR_GAP_X, y)
        r, g, b = pixel
        if colour_distance(pixel, background) > 60 and r > g + 30 and g >= b:
            count += 1
    return count


def working_windows(desktop):
    """The program's visible windows other than the corner pop-up, which
    stands on the screen for about 15 seconds after start-up, and the
    pop-under, which opens a minute after it (a slow machine reaches it)."""
    advertisements = {CORNER_TITLE, display_name("1") + " 背投广告"}
    return [w for w in desktop.windows() if desktop.title(w) not in advertisements]


def page_is_shown(shot, geometry):
    """The demo's advertisement pages are full of poster colours; an empty
    view is plain black or white."""
    left, top, width, height = geometry
    total = coloured = 0
    for _, _, pixel in shot.region(left + 4, top + 24, width - 8, height - 28):
        total += 1
        coloured += saturated(pixel)
    return total > 0 and coloured / total >= 0.01


RETRY_GREEN = (0x91, 0xBB, 0x00)  # the retry button of the unreachable page
NOTICE_ORANGE = (0xE0, 0xA0, 0x30)  # its exclamation mark


def retry_button(shot, left, top):
    """The middle of the unreachable page's green retry button, in screen
    coordinates, when the page and its orange mark are shown in the content
    area; else None."""
    green = []
    orange = 0
    for x, y, pixel in shot.region(left + 2, top + 30, MAIN_WIDTH - 4, MAIN_HEIGHT - 32):
        if colour_distance(pixel, RETRY_GREEN) < 30:
            green.append((x, y))
        elif colour_distance(pixel, NOTICE_ORANGE) < 40:
            orange += 1
    if len(green) < 1500 or orange < 200:
        return None
    xs = sorted(x for x, _ in green)
    ys = sorted(y for _, y in green)
    return xs[len(xs) // 2], ys[len(ys) // 2]


class DesktopTest(unittest.TestCase):
    def session(self, config=None, serve=True, site=None):
        return DesktopSession(PATHS.program_dir, PATHS.server, site or PATHS.site,
                              PATHS.artifacts, self.id().rsplit(".", 1)[-1], config=config,
                              serve=serve)

    def site_without_advertisement_windows(self):
        """A copy of the demo site with the corner pop-up and the pop-under
        switched off, whose windows would come and go over the others."""
        site = os.path.join(PATHS.artifacts, self.id().rsplit(".", 1)[-1] + "-site")
        shutil.rmtree(site, ignore_errors=True)
        shutil.copytree(PATHS.site, site)
        for page in ("ytkg.html", "btkg.html"):
            with open(os.path.join(site, "ads", page), "wb") as switch:
                switch.write("关".encode("gbk"))
        self.addCleanup(shutil.rmtree, site, True)
        return site

    def start_main_window(self, desktop, language="1"):
        desktop.start_program()
        window = desktop.window_named(display_name(language), timeout=60)
        print(f"{self.id()}: main window titled after "
              f"{time.monotonic() - desktop.started_at:.1f} s", file=sys.stderr)
        return window

    def test_startup_shows_site_with_title_and_text_advert(self):
        with self.session(config_with(Language="1")) as desktop:
            window = self.start_main_window(desktop)
            self.assertEqual(desktop.geometry(window),
                             (MAIN_LEFT, MAIN_TOP, MAIN_WIDTH, MAIN_HEIGHT))

            wait_until(lambda: site_is_shown(desktop.screenshot(), MAIN_LEFT, MAIN_TOP), 45,
                       interval=0.5, what="the site to replace the loading page")
            wait_until(lambda: advert_text_pixels(desktop.screenshot(), MAIN_LEFT, MAIN_TOP) >= 20,
                       15, interval=0.5, what="the text advertisement in the title bar")
            desktop.save_screenshot("site")
            self.assertTrue(desktop.program_running())

    def test_killed_renderer_reloads_the_page_then_shows_the_crashed_page(self):
        with self.session(config_with(Language="3")) as desktop:
            window = self.start_main_window(desktop, language="3")
            title = desktop.title(window)
            wait_until(lambda: site_is_shown(desktop.screenshot(), MAIN_LEFT, MAIN_TOP), 45,
                       interval=0.5, what="the site in the main window")

            first = kill_renderers(desktop)
            killed_at = time.monotonic()
            wait_until(lambda: program_log(desktop).count("reloading") >= 1, 20,
                       what="the first renderer end to be logged")
            wait_until(lambda: site_is_shown(desktop.screenshot(), MAIN_LEFT, MAIN_TOP), 45,
                       interval=0.5, what="the site again after its renderer was killed")
            wait_until(lambda: renderers(desktop) and not set(renderers(desktop)) & set(first),
                       20, what="new renderers")
            self.assertEqual(desktop.title(window), title)

            kill_renderers(desktop)
            self.assertLess(time.monotonic() - killed_at, 60,
                            "the site took a minute to come back; the second end is no repeat")
            wait_until(lambda: crashed_page_is_shown(desktop.screenshot(), MAIN_LEFT, MAIN_TOP),
                       30, interval=0.5, what="the crashed page in the main window")
            desktop.save_screenshot("crashed")
            self.assertIn("again", program_log(desktop))
            self.assertEqual(desktop.title(window), title)
            self.assertEqual(desktop.geometry(window), (MAIN_LEFT, MAIN_TOP, MAIN_WIDTH,
                                                        MAIN_HEIGHT))
            self.assertTrue(desktop.program_running())

            # Its reload link leads back to the site.
            x, y = green_middle(desktop.screenshot(), MAIN_LEFT, MAIN_TOP)
            desktop.click(x, y)
            wait_until(lambda: site_is_shown(desktop.screenshot(), MAIN_LEFT, MAIN_TOP), 45,
                       interval=0.5, what="the site after the crashed page's reload link")
            self.assertEqual(desktop.title(window), title)

    def test_first_frame_on_screen_is_the_skinned_title_bar_over_dark(self):
        with self.session(config_with(Language="1")) as desktop:
            desktop.start_program()

            def mapped_main_window():
                return [w for w in desktop.windows("")
                        if desktop.geometry(w) == (MAIN_LEFT, MAIN_TOP, MAIN_WIDTH, MAIN_HEIGHT)]

            wait_until(mapped_main_window, 60, interval=0.02, what="the main window")
            first = desktop.screenshot()
            desktop.window_named(display_name("1"), timeout=60)
            # Once the site shows, the start-up is over and the title bar
            # stands as it stays.
            later = desktop.screenshot_when(lambda shot: site_is_shown(shot, MAIN_LEFT, MAIN_TOP),
                                            45, what="the site in the main window")
            # Logo, name and column labels: as they stand once started (the
            # texts from the server may differ; the skin may not).
            bar = list(first.region(MAIN_LEFT, MAIN_TOP, TEXT_ADVERT[0], CONTENT_TOP))
            same = sum(1 for x, y, pixel in bar
                       if colour_distance(pixel, later.pixel(x, y)) < 30)
            self.assertGreater(same, 0.8 * len(bar), "the first frame's title bar is not skinned")
            content = list(first.region(MAIN_LEFT, MAIN_TOP + CONTENT_TOP, MAIN_WIDTH,
                                        MAIN_HEIGHT - CONTENT_TOP))
            dark = sum(1 for _, _, pixel in content if colour_distance(pixel, WINDOW_DARK) < 40)
            self.assertGreater(dark, 0.9 * len(content), "the first frame's content is not dark")

    def test_maximize_button_toggles_screen_size_and_key(self):
        with self.session(config_with(Language="1")) as desktop:
            window = self.start_main_window(desktop)

            desktop.click(MAIN_LEFT + MAXIMIZE_BUTTON[0], MAIN_TOP + MAXIMIZE_BUTTON[1])
            wait_until(lambda: desktop.geometry(window) == (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT),
                       10, what="the maximized window")
            wait_until(lambda: desktop.config_value("Maximize") == "2", 5,
                       what="Maximize=2 in Config.ini")

            # The button now sits 62 pixels left of the right edge.
            desktop.click(SCREEN_WIDTH - 62 + 13, MAXIMIZE_BUTTON[1])
            restored = (SCREEN_WIDTH // 2 - 492, SCREEN_HEIGHT // 2 - 321, MAIN_WIDTH,
                        MAIN_HEIGHT)
            wait_until(lambda: desktop.geometry(window) == restored, 10,
                       what="the restored window")
            wait_until(lambda: desktop.config_value("Maximize") == "1", 5,
                       what="Maximize=1 in Config.ini")

    def open_player(self, desktop):
        """Clicks the first film of the library; returns the player window."""
        wait_until(lambda: site_is_shown(desktop.screenshot(), MAIN_LEFT, MAIN_TOP), 45,
                   interval=0.5, what="the site in the main window")
        clicked = time.monotonic()
        desktop.click(MAIN_LEFT + FIRST_FILM[0], MAIN_TOP + CONTENT_TOP + FIRST_FILM[1])
        player = desktop.window_named(display_name("1") + " 播放器", timeout=30)
        print(f"{self.id()}: player window {time.monotonic() - clicked:.1f} s after the click",
              file=sys.stderr)
        return player

    def test_play_link_opens_player_beside_main_window_and_its_video_plays(self):
        with self.session(config_with(Language="1")) as desktop:
            self.start_main_window(desktop)
            player = self.open_player(desktop)
            # Beside the main window from its first showing.
            beside = (MAIN_LEFT + CASCADE, MAIN_TOP + CASCADE, MAIN_WIDTH, MAIN_HEIGHT)
            wait_until(lambda: desktop.geometry(player) == beside, 5,
                       what="the player window beside the main window")
            self.assertEqual(desktop.config_value("PlayerOpen"), "2")
            # The page plays its clip by itself, muted, as browsers allow.
            wait_until(lambda: film_reports(desktop, 1, "playing"), 30, interval=0.5,
                       what="the play page's video to start")
            wait_until(lambda: any(float(f["time"]) >= 1.5 for f in film_reports(desktop, 1, "time")),
                       20, interval=0.5, what="the video to play on")
            self.assertEqual(film_reports(desktop, 1, "playing")[0]["muted"], "1")
            # The engine opened no window of its own: only the two skinned ones.
            self.assertEqual(len(working_windows(desktop)), 2)
            desktop.save_screenshot("player")

            desktop.click(MAIN_LEFT + CASCADE + CLOSE_BUTTON[0],
                          MAIN_TOP + CASCADE + CLOSE_BUTTON[1])
            wait_until(lambda: not desktop.is_visible(player), 10, what="the player to close")
            wait_until(lambda: desktop.config_value("PlayerOpen") == "1", 5,
                       what="PlayerOpen=1 in Config.ini")
            self.assertTrue(desktop.program_running())

    def test_video_full_screen_on_and_off(self):
        with self.session(config_with(Language="1")) as desktop:
            self.start_main_window(desktop)
            player = self.open_player(desktop)
            wait_until(lambda: film_reports(desktop, 1, "playing"), 30, interval=0.5,
                       what="the video to start")
            page_left = MAIN_LEFT + CASCADE
            page_top = MAIN_TOP + CASCADE + CONTENT_TOP
            for leave in ("Escape", "page"):
                with self.subTest(leave=leave):
                    before = len(film_reports(desktop, 1, "fullscreen-off"))
                    desktop.click(page_left + FULL_SCREEN_BUTTON[0],
                                  page_top + FULL_SCREEN_BUTTON[1])
                    wait_until(lambda: film_reports(desktop, 1, "fullscreen-on"), 15, interval=0.3,
                               what="the page to enter full screen")
                    full = wait_until(
                        lambda: [w for w in desktop.windows()
                                 if desktop.geometry(w) == (0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)],
                        10, what="a window over the whole screen")[0]
                    desktop.save_screenshot(f"full-screen-{leave}")
                    if leave == "Escape":
                        desktop.keys("Escape")
                    else:
                        # The page's own button leaves full screen.
                        desktop.click(SCREEN_WIDTH - FULL_SCREEN_EXIT[0], FULL_SCREEN_EXIT[1])
                    wait_until(lambda: len(film_reports(desktop, 1, "fullscreen-off")) > before, 15,
                               interval=0.3, what="the page to leave full screen")
                    wait_until(lambda: not desktop.is_visible(full), 10,
                               what="the full-screen window to go")
                    self.assertTrue(desktop.is_visible(player))
                    self.assertEqual(desktop.geometry(player)[2:], (MAIN_WIDTH, MAIN_HEIGHT))

    def test_column_labels_open_the_column_window_and_its_applications(self):
        with self.session(config_with(Language="1")) as desktop:
            self.start_main_window(desktop)
            desktop.click(MAIN_LEFT + LIVE_TV_LABEL[0], MAIN_TOP + LIVE_TV_LABEL[1])
            column = desktop.window_named(display_name("1") + " 电视直播", timeout=30)
            wait_until(lambda: desktop.geometry(column) == (MAIN_LEFT + CASCADE, MAIN_TOP + CASCADE,
                                                            MAIN_WIDTH, MAIN_HEIGHT),
                       5, what="the column window beside the main window")
            left, top = MAIN_LEFT + CASCADE, MAIN_TOP + CASCADE
            wait_until(lambda: site_is_shown(desktop.screenshot(), left, top), 30, interval=0.5,
                       what="the live-TV page in the column window")

            desktop.click(MAIN_LEFT + APP_CENTRE_LABEL[0], MAIN_TOP + APP_CENTRE_LABEL[1])
            wait_until(lambda: desktop.title(column) == display_name("1") + " 应用中心", 15,
                       what="the application centre's title")
            button = (left + FIRST_APP_OPEN_BUTTON[0], top + CONTENT_TOP + FIRST_APP_OPEN_BUTTON[1])
            wait_until(lambda: colour_distance(desktop.screenshot().pixel(*button),
                                               APP_BUTTON_GREEN) < 60,
                       30, interval=0.5, what="the application centre's first button")
            desktop.click(*button)
            app = desktop.window_named(display_name("1") + "APP应用窗口", timeout=30)
            wait_until(lambda: desktop.geometry(app) == (left + CASCADE, top + CASCADE,
                                                         MAIN_WIDTH, MAIN_HEIGHT),
                       5, what="the application window beside the column window")
            self.assertEqual(len(working_windows(desktop)), 3)
            # It shows the application the link named.
            wait_until(lambda: "GET /apps/calculator.html 200" in served(desktop), 15,
                       what="the application page to be asked for")
            desktop.save_screenshot("application")

            for window, (x, y) in ((app, (left + CASCADE, top + CASCADE)), (column, (left, top))):
                desktop.click(x + CLOSE_BUTTON[0], y + CLOSE_BUTTON[1])
                wait_until(lambda: not desktop.is_visible(window), 10,
                           what="the window to close")
            self.assertEqual(desktop.config_value("APPWindows"), "1")
            self.assertTrue(desktop.program_running())

    def playing_film(self, desktop):
        """The main window with the first film playing in the player; the
        program logs when each browser view's cover lifts."""
        desktop.program_env["QT_LOGGING_RULES"] = "quillo.platform.debug=true"
        self.start_main_window(desktop)
        player = self.open_player(desktop)
        wait_until(lambda: film_reports(desktop, 1, "playing"), 30, interval=0.5,
                   what="the play page's video to start")
        return player

    def test_exit_popup_shows_its_page_while_a_film_plays(self):
        with self.session(config_with(Language="1")) as desktop:
            self.playing_film(desktop)
            desktop.open_menu(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1],
                              OPTIONS_MENUS["1"], timeout=10)
            desktop.keys("Up", "Return")
            popup = desktop.window_named(EXIT_TITLE, timeout=15)
            geometry = desktop.geometry(popup)
            seen = seconds_until(lambda: page_is_shown(desktop.screenshot(), geometry), 10)
            bound = EXIT_PAGE_WHILE_PLAYING * overload()
            print(f"{self.id()}: exit pop-up's page after {seen} s (bound {bound:.1f} s)",
                  file=sys.stderr)
            desktop.save_screenshot("exit-popup")
            self.assertIsNotNone(seen, "the exit pop-up stayed without its page")
            self.assertLessEqual(seen, bound, covers(desktop))

    def test_column_window_shows_its_page_while_a_film_plays(self):
        with self.session(config_with(Language="1")) as desktop:
            self.playing_film(desktop)
            desktop.click(MAIN_LEFT + LIVE_TV_LABEL[0], MAIN_TOP + LIVE_TV_LABEL[1])
            column = desktop.window_named(display_name("1") + " 电视直播", timeout=30)
            left, top = desktop.geometry(column)[:2]
            seen = seconds_until(lambda: site_is_shown(desktop.screenshot(), left, top), 15)
            bound = COLUMN_PAGE_WHILE_PLAYING * overload()
            print(f"{self.id()}: column window's page after {seen} s (bound {bound:.1f} s)",
                  file=sys.stderr)
            desktop.save_screenshot("column")
            self.assertIsNotNone(seen, "the column window stayed without its page")
            self.assertLessEqual(seen, bound, covers(desktop))

    def test_static_windows_compose_no_frames(self):
        site = self.site_without_advertisement_windows()
        with self.session(config_with(Language="1"), site=site) as desktop:
            desktop.program_env["QT_LOGGING_RULES"] = FRAME_LOG_RULES
            self.start_main_window(desktop)
            wait_until(lambda: site_is_shown(desktop.screenshot(), MAIN_LEFT, MAIN_TOP), 45,
                       interval=0.5, what="the site in the main window")
            self.assertTrue(composed_frames(desktop), "no frame counted at all")

            def stays_quiet(windows=None):
                settled = frames_after_settling(desktop, windows)
                time.sleep(FRAMES_WATCH)
                now = composed_frames(desktop)
                self.assertEqual({w: now[w] for w in settled}, settled,
                                 "a static window composed frames")

            with self.subTest(state="shown"):
                stays_quiet()
            player = None
            with self.subTest(state="covered by the playing player"):
                player = self.open_player(desktop)
                wait_until(lambda: film_reports(desktop, 1, "playing"), 30, interval=0.5,
                           what="the play page's video to start")
                stays_quiet(["MainWindow"])
            with self.subTest(state="minimised"):
                # Closing the player, then the main window, which with no
                # tray on this screen is minimised.
                desktop.click(MAIN_LEFT + CASCADE + CLOSE_BUTTON[0],
                              MAIN_TOP + CASCADE + CLOSE_BUTTON[1])
                wait_until(lambda: player is None or not desktop.is_visible(player), 10,
                           what="the player window to close")
                desktop.click(MAIN_LEFT + CLOSE_BUTTON[0], MAIN_TOP + CLOSE_BUTTON[1])
                stays_quiet()

    def test_profile_keeps_cookie_and_local_storage_across_runs(self):
        with self.session(config_with(Language="1")) as desktop:
            visits = []
            for run in range(2):
                self.start_main_window(desktop)
                wait_until(lambda: len([r for r in page_reports(desktop) if "page=index" in r]) > run,
                           45, interval=0.5, what="the library page's visit report")
                visits.append(report_fields([r for r in page_reports(desktop) if "page=index" in r][-1]))
                # Quit through the options menu, as a user ends the program.
                desktop.open_menu(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1],
                                  OPTIONS_MENUS["1"], timeout=10)
                desktop.keys("Up", "Return")
                self.assertEqual(desktop.wait_program_end(30), 0)
            first, second = visits
            visitor = first["cookie"].partition("quillo_visitor=")[2].split(";")[0]
            self.assertTrue(visitor, "the first run set no cookie")
            self.assertEqual(first["stored"], "")
            self.assertIn("quillo_visitor=" + visitor, second["cookie"])
            self.assertEqual(second["stored"], visitor)
            # The browser engine keeps its files in the program's own
            # directories and nowhere else (the graphics stack's shader
            # caches are the toolkit's and the driver's, shared by programs).
            shader_caches = ("qtshadercache-", "mesa_shader_cache")
            for home in ("XDG_DATA_HOME", "XDG_CACHE_HOME"):
                base = desktop.env()[home]
                kept = [name for name in os.listdir(base) if not name.startswith(shader_caches)]
                self.assertEqual(kept, ["quillo"], home)
                self.assertEqual(os.listdir(os.path.join(base, "quillo")), ["engine"], home)

    def test_options_menu_in_configured_language_quits(self):
        for language in ("1", "3"):
            with self.subTest(language=language):
                self.options_menu_quits(language)

    def options_menu_quits(self, language):
        with self.session(config_with(Language=language)) as desktop:
            desktop.name += f".language{language}"
            self.start_main_window(desktop, language)

            # The menu shows painted with the menu skin.
            desktop.open_menu(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1],
                              OPTIONS_MENUS[language], timeout=10)

            # Quit is the last item of every options menu.
            desktop.keys("Up", "Return")
            # With the exit pop-up switched on it shows first and ends the
            # program itself within its lifetime.
            code = desktop.wait_program_end(30)
            self.assertEqual(code, 0)

    def test_corner_popup_shows_bottom_right_then_goes(self):
        with self.session(config_with(Language="1")) as desktop:
            main = self.start_main_window(desktop)
            titled = time.monotonic()
            popup = desktop.window_named(CORNER_TITLE, timeout=30)
            shown = time.monotonic()
            print(f"{self.id()}: corner pop-up shown {shown - titled:.1f} s after the title",
                  file=sys.stderr)
            # It waits hidden for five ticks of its one-second show timer.
            self.assertGreater(shown - titled, 4.0)
            geometry = desktop.geometry(popup)
            self.assertEqual(geometry, (SCREEN_WIDTH - 300, SCREEN_HEIGHT - 250) + CORNER_SIZE)
            # An advertisement, not a window to work in: it leaves the keyboard
            # with the main window and stays out of the task bar.
            self.assertFalse(desktop.accepts_focus(popup))
            self.assertIn("_NET_WM_WINDOW_TYPE_UTILITY", desktop.window_types(popup))
            self.assertTrue(desktop.is_transient(popup))
            wait_until(lambda: page_is_shown(desktop.screenshot(), geometry), 15, interval=0.5,
                       what="the advertisement page in the corner pop-up")
            desktop.save_screenshot("corner-popup")

            # Twenty seconds after it was opened (hidden) it goes by itself.
            wait_until(lambda: not desktop.is_visible(popup), 25, interval=0.2,
                       what="the corner pop-up to go")
            gone = time.monotonic()
            print(f"{self.id()}: corner pop-up gone after {gone - shown:.1f} s on screen",
                  file=sys.stderr)
            self.assertGreater(gone - shown, 12.0)
            self.assertTrue(desktop.program_running())
            self.assertTrue(desktop.is_visible(main))

    def test_quitting_shows_exit_popup_that_ends_program_by_its_button(self):
        with self.session(config_with(Language="1")) as desktop:
            main = self.start_main_window(desktop)
            desktop.open_menu(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1],
                              OPTIONS_MENUS["1"], timeout=10)
            desktop.keys("Up", "Return")

            popup = desktop.window_named(EXIT_TITLE, timeout=15)
            shown = time.monotonic()
            geometry = desktop.geometry(popup)
            self.assertEqual(geometry, (MAIN_LEFT, MAIN_TOP) + EXIT_SIZE)
            self.assertFalse(desktop.is_visible(main))
            self.assertFalse(desktop.accepts_focus(popup))
            wait_until(lambda: page_is_shown(desktop.screenshot(), geometry), 10, interval=0.5,
                       what="the advertisement page in the exit pop-up")
            desktop.save_screenshot("exit-popup")

            desktop.click(geometry[0] + EXIT_CLOSE_BUTTON[0], geometry[1] + EXIT_CLOSE_BUTTON[1])
            self.assertEqual(desktop.wait_program_end(10), 0)
            # Well before its 15-second lifetime would have ended it.
            self.assertLess(time.monotonic() - shown, 12.0)

    def test_close_button_without_tray_keeps_main_window_reachable(self):
        # The session has no tray (no StatusNotifier host, no system tray),
        # so closing to the tray must not leave an invisible program: the
        # window is minimised instead of hidden. With no window manager on
        # the Xvfb screen a minimise request leaves it mapped.
        with self.session(config_with(Language="1", Tray="1")) as desktop:
            desktop.program_env["QT_LOGGING_RULES"] = "quillo.platform.info=true"
            window = self.start_main_window(desktop)

            desktop.click(MAIN_LEFT + CLOSE_BUTTON[0], MAIN_TOP + CLOSE_BUTTON[1])
            wait_until(lambda: "no tray on this desktop: minimising" in desktop.program_log()
                       or not desktop.program_running(), 20,
                       what="the program to minimise its window for want of a tray")
            self.assertTrue(desktop.program_running(), "the program ended instead of staying")
            self.assertTrue(desktop.is_visible(window), "hidden with no tray to bring it back")

            # The running program still comes back through a second start.
            second = desktop._spawn(desktop.program_command(), "second", cwd=desktop.workdir,
                                    env=desktop.env())
            self.assertEqual(second.wait(timeout=60), 0)
            self.assertTrue(desktop.is_visible(window))

    def test_second_start_hands_over_to_the_running_program(self):
        with self.session(config_with(Language="1", Tray="2")) as desktop:
            self.start_main_window(desktop)
            first = desktop.program

            second = desktop._spawn(desktop.program_command(), "second", cwd=desktop.workdir,
                                    env=desktop.env())
            self.assertEqual(second.wait(timeout=60), 0, "the second start did not hand over")
            # A third start hands over as well: the running program took the
            # second's hand-over and still listens.
            third = desktop._spawn(desktop.program_command(), "third", cwd=desktop.workdir,
                                   env=desktop.env())
            self.assertEqual(third.wait(timeout=60), 0, "the third start did not hand over")
            self.assertTrue(first.poll() is None, "the running program ended")
            self.assertEqual(len(desktop.windows_titled(display_name("1"))), 1)

    def test_missing_config_ini_is_created_with_defaults(self):
        with self.session() as desktop:
            os.remove(desktop.config_path)
            self.start_main_window(desktop, "1")
            self.assertEqual(desktop.config_value("Language"), "1")
            self.assertEqual(desktop.config_value("Tray"), "1")

    def main_window_by_size(self, desktop):
        for window in desktop.windows(""):
            if desktop.geometry(window)[2:] == (MAIN_WIDTH, MAIN_HEIGHT):
                return window
        return None

    def test_silent_server_costs_one_time_out_and_clicks_meanwhile_are_dropped(self):
        # The server takes the connection and never answers: the start-up
        # waits out one request time-out, the rest of its requests fail at
        # once, and quitting asks nothing more of the server. A click made
        # during the long wait is not acted on once it is over.
        with SilentServer() as server, self.session(config_with(Language="1")) as desktop:
            desktop.server_address = server.address
            desktop.start_program()

            window = wait_until(lambda: self.main_window_by_size(desktop), 60,
                                what="the main window")
            self.assertIsNotNone(server.first_connection_at, "the program asked nothing")
            desktop.click(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1])
            # The start-up ends with the unreachable page, titled with the local name.
            wait_until(lambda: desktop.title(window) == local_name("1"), 2 * REQUEST_TIME_OUT,
                       what="the end of the start-up")
            over_after = time.monotonic() - server.first_connection_at
            print(f"{self.id()}: start-up over {over_after:.1f} s after the first request",
                  file=sys.stderr)
            # One time-out, not two: the requests after it fail at once.
            self.assertLess(over_after, 2 * REQUEST_TIME_OUT)
            # Held input is delivered (or dropped) as soon as the start-up's
            # handler returns, before the main loop paints the unreachable
            # page: a menu the held click opened would show by then.
            wait_until(lambda: retry_button(desktop.screenshot(), MAIN_LEFT, MAIN_TOP), 30,
                       interval=0.5, what="the unreachable page")
            self.assertEqual(desktop.windows_titled(OPTIONS_MENUS["1"]), [],
                             "a click made during the wait was acted on after it")

            desktop.open_menu(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1],
                              OPTIONS_MENUS["1"], timeout=10)
            desktop.keys("Up", "Return")
            chosen = time.monotonic()
            self.assertEqual(desktop.wait_program_end(REQUEST_TIME_OUT + 20), 0)
            ended_after = time.monotonic() - chosen
            print(f"{self.id()}: ended {ended_after:.1f} s after Quit", file=sys.stderr)
            # No second time-out: what is left is the engine's shutdown.
            self.assertLess(ended_after, REQUEST_TIME_OUT)

    def test_close_click_during_a_stalled_start_up_closes_at_once(self):
        # The start-up switch page never comes; the close button (with Tray=2
        # it quits) takes effect at once: the main window goes and the quit
        # procedure runs, without waiting out the stalled request.
        with StallingServer(PATHS.site, ["/ads/ksqd.html"]) as server, \
                self.session(config_with(Language="1", Tray="2")) as desktop:
            desktop.server_address = server.address
            desktop.start_program()
            window = wait_until(lambda: self.main_window_by_size(desktop), 60,
                                what="the main window")
            wait_until(lambda: server.first_stall_at is not None, 30,
                       what="the start-up's first request")

            desktop.click(MAIN_LEFT + CLOSE_BUTTON[0], MAIN_TOP + CLOSE_BUTTON[1])
            clicked = time.monotonic()
            wait_until(lambda: not desktop.program_running() or not desktop.is_visible(window),
                       REQUEST_TIME_OUT, interval=0.1, what="the main window to close")
            closed_after = time.monotonic() - clicked
            print(f"{self.id()}: closed {closed_after:.1f} s after the click", file=sys.stderr)
            self.assertLess(closed_after, REQUEST_TIME_OUT / 2)

    def test_sigterm_ends_the_program_as_quit_does_without_the_exit_popup(self):
        with self.session(config_with(Language="1", Tray="1")) as desktop:
            self.start_main_window(desktop)
            # The demo site switches the exit pop-up on: Quit from the menu
            # would show it; the signal ends the program without it.
            exit_popups = []

            def ended():
                exit_popups.extend(desktop.windows_titled(EXIT_TITLE))
                return not desktop.program_running()

            desktop.program.send_signal(signal.SIGTERM)
            wait_until(ended, 20, interval=0.1, what="the program to end")
            self.assertEqual(desktop.program.returncode, 0, "killed by the signal")
            self.assertEqual(exit_popups, [], "the exit pop-up showed")

            # The single-instance socket went with it: a new start runs.
            self.start_main_window(desktop)
            desktop.program.send_signal(signal.SIGINT)
            self.assertEqual(desktop.wait_program_end(20), 0)

    def test_quit_on_a_server_fallen_silent_ends_within_the_quit_wait(self):
        # The start-up is answered; then the server takes every request and
        # answers none. Quit asks its first exit page, waits for it no longer
        # than the quit's own wait, asks nothing more and ends the program.
        with tempfile.TemporaryDirectory(prefix="quillo-site-") as site:
            shutil.copytree(PATHS.site, site, dirs_exist_ok=True)
            # No pop-under, whose timer would ask the server on its own.
            with open(os.path.join(site, "ads", "btkg.html"), "wb") as page:
                page.write("关".encode("gbk"))
            with self.session(config_with(Language="1"), site=site) as desktop, \
                    RelayServer(desktop.server_address) as relay:
                desktop.server_address = relay.address
                self.start_main_window(desktop, "1")
                # The corner pop-up is the start-up's last step.
                desktop.window_named(CORNER_TITLE, timeout=60)
                desktop.open_menu(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1],
                                  OPTIONS_MENUS["1"], timeout=30)

                relay.silence()
                desktop.keys("Up", "Return")
                chosen = time.monotonic()
                self.assertEqual(desktop.wait_program_end(REQUEST_TIME_OUT + 20), 0)
                ended_after = time.monotonic() - chosen
                print(f"{self.id()}: ended {ended_after:.1f} s after Quit", file=sys.stderr)
                exit_pages = [p for p in relay.paths_asked_while_silent()
                              if p in ("/ads/ttkg.html", "/ads/rjyyqz.html", "/ads/rjyy.html")]
                self.assertEqual(exit_pages, ["/ads/ttkg.html"])
                # One quit wait, then the engine's shutdown: less than one
                # request time-out, which Quit never waits out.
                self.assertLess(ended_after, REQUEST_TIME_OUT)

    def test_unreachable_server_shows_local_page_whose_retry_reaches_the_site(self):
        with self.session(config_with(Language="1"), serve=False) as desktop:
            desktop.start_program()
            # Titled with the local name, not left empty.
            window = desktop.window_named(local_name("1"), timeout=60)
            button = wait_until(lambda: retry_button(desktop.screenshot(), MAIN_LEFT, MAIN_TOP),
                                30, interval=0.5, what="the unreachable page and its retry button")
            shot = desktop.screenshot()
            # Nothing white over the title bar: the column labels stand on it.
            white = sum(1 for _, _, p in shot.region(MAIN_LEFT + 100, MAIN_TOP + 2, 400, 24)
                        if min(p) > 235)
            self.assertLess(white, 400, "a white square over the title bar")
            desktop.save_screenshot("unreachable")

            desktop.start_content_server()
            desktop.click(*button)
            wait_until(lambda: desktop.title(window) == display_name("1"), 30,
                       what="the server's display name after the retry")
            wait_until(lambda: site_is_shown(desktop.screenshot(), MAIN_LEFT, MAIN_TOP), 45,
                       interval=0.5, what="the site after the retry")
            self.assertIn("GET /ads/ksqd.html", served(desktop))
            self.assertEqual(len(working_windows(desktop)), 1)
            desktop.save_screenshot("retried")

    def test_without_network_shows_notice_and_ends(self):
        if subprocess.run(["unshare", "-n", "true"], capture_output=True).returncode != 0:
            self.skipTest("no permission for a network namespace here")
        with self.session(config_with(Language="1")) as desktop:
            program = os.path.join(desktop.program_copy, "quillo")
            # A fresh network namespace has only a loopback interface.
            desktop.program = desktop._spawn(["unshare", "-n"] + desktop.program_command(program),
                                             "program",
                                             cwd=desktop.workdir, env=desktop.env())
            notice = desktop.window_named("提示", timeout=60)
            self.assertEqual(desktop.windows(), [notice],
                             "the main window should be gone before the notice shows")
            self.assertTrue(desktop.program_running())
            desktop.save_screenshot("notice")

            desktop.keys("Return")
            self.assertEqual(desktop.wait_program_end(15), 0)


def main():
    global PATHS
    parser = argparse.ArgumentParser()
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--server", required=True)
    parser.add_argument("--site", required=True)
    parser.add_argument("--artifacts", required=True)
    PATHS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
