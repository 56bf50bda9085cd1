"""Desktop test of the pop-under: the real program under Xvfb against a copy
of the demo site (see desktop_test.py for the usage).

The pop-under first opens a minute after the main window was created, so
this test takes a bit over a minute; the site's period page only shortens
the later openings.
"""

import os
import shutil
import sys
import time
import unittest

import desktop_test
from desktop_driver import DesktopSession, wait_until
from desktop_test import (CASCADE, CLOSE_BUTTON, CONTENT_TOP, FIRST_FILM, MAIN_HEIGHT, MAIN_LEFT, MAIN_TOP,
                          MAIN_WIDTH, config_with, display_name, served, site_is_shown)

POP_UNDER_SIZE = (600, 400)
# Seconds between two ticks of the pop-under timer after the first one.
PERIOD = 3


def period_requests(desktop):
    return served(desktop).count("GET /ads/btsj.html ")


class PopUnderTest(unittest.TestCase):
    def setUp(self):
        # A copy of the demo site with a short period, so that a second tick
        # comes while the pop-under is open.
        self.site = os.path.join(desktop_test.PATHS.artifacts, "pop-under-site")
        shutil.rmtree(self.site, ignore_errors=True)
        shutil.copytree(desktop_test.PATHS.site, self.site)
        with open(os.path.join(self.site, "ads", "btsj.html"), "w", encoding="ascii") as page:
            page.write(str(PERIOD))
        self.addCleanup(shutil.rmtree, self.site, True)

    def session(self, config, window_manager=False):
        paths = desktop_test.PATHS
        return DesktopSession(paths.program_dir, paths.server, self.site, paths.artifacts,
                              self.id().rsplit(".", 1)[-1], config=config,
                              window_manager=window_manager)

    def open_player(self, desktop):
        wait_until(lambda: site_is_shown(desktop.screenshot(), MAIN_LEFT, MAIN_TOP), 45,
                   interval=0.5, what="the site in the main window")
        desktop.click(MAIN_LEFT + FIRST_FILM[0], MAIN_TOP + CONTENT_TOP + FIRST_FILM[1])
        return desktop.window_named(display_name("1") + " 播放器", timeout=30)

    def wait_pop_under(self, desktop):
        under = desktop.window_named(display_name("1") + " 背投广告", timeout=90)
        print(f"{self.id()}: pop-under shown "
              f"{time.monotonic() - desktop.started_at:.1f} s after the start",
              file=sys.stderr)
        return under

    def assert_mapped_once_at(self, desktop, window, place, what):
        """The window came onto the screen once, where it belongs: neither
        moved there after it showed nor destroyed and shown anew."""
        events = desktop.root_events(window)
        kinds = [kind for kind, _, _ in events]
        self.assertEqual(kinds.count("MapNotify"), 1, f"{what}: {events}")
        placed = [(x, y) for kind, x, y in events if kind in ("CreateNotify", "ConfigureNotify")]
        self.assertEqual(set(placed), {place}, f"{what} was shown elsewhere first: {events}")

    def assert_beneath(self, desktop, window, others):
        order = desktop.stacking_order()
        for other in others:
            self.assertLess(order.index(other), order.index(window),
                            f"the pop-under stands above window {other} (top-most first: {order})")

    def test_pop_under_opens_beneath_the_windows_in_use_and_stays_there(self):
        with self.session(config_with(Language="1")) as desktop:
            desktop.watch_root()
            desktop.start_program()
            main = desktop.window_named(display_name("1"), timeout=60)

            # The user works in the player window when the pop-under opens.
            player = self.open_player(desktop)
            beside = (MAIN_LEFT + CASCADE, MAIN_TOP + CASCADE)
            self.assertEqual(desktop.geometry(player), beside + (MAIN_WIDTH, MAIN_HEIGHT))
            self.assert_mapped_once_at(desktop, player, beside, "the player window")

            under = self.wait_pop_under(desktop)
            self.assertEqual(desktop.geometry(under), (MAIN_LEFT, MAIN_TOP) + POP_UNDER_SIZE)
            self.assert_mapped_once_at(desktop, under, (MAIN_LEFT, MAIN_TOP), "the pop-under")
            self.assertFalse(desktop.asks_for_attention(under))
            self.assert_beneath(desktop, under, [main, player])
            self.assertNotEqual(desktop.focused_window(), under)
            # A window of its own in the task bar, so that the user finds it.
            self.assertFalse(desktop.is_transient(under))
            self.assertNotIn("_NET_WM_WINDOW_TYPE_UTILITY", desktop.window_types(under))
            self.assertNotIn("SKIP_TASKBAR", desktop.wm_state(under))
            self.assertEqual(desktop.config_value("Display advertising"), "2")
            desktop.save_screenshot("pop-under")

            # The next tick finds it open: it is not put over the windows in use.
            ticks = period_requests(desktop)
            # The tick brings the open pop-under forward before it asks for
            # the period, so its window requests reached the X server before
            # the request reached the content server.
            wait_until(lambda: period_requests(desktop) > ticks, PERIOD + 10, interval=0.2,
                       what="the next tick of the pop-under timer")
            title = display_name("1") + " 背投广告"
            self.assertEqual([w for w in desktop.windows() if desktop.title(w) == title], [under])
            self.assert_beneath(desktop, under, [main, player])
            self.assert_mapped_once_at(desktop, under, (MAIN_LEFT, MAIN_TOP), "the pop-under")

    def test_pop_under_under_a_window_manager_takes_neither_focus_nor_attention(self):
        with self.session(config_with(Language="1"), window_manager=True) as desktop:
            desktop.start_program()
            main = desktop.window_named(display_name("1"), timeout=60)
            player = self.open_player(desktop)
            wait_until(lambda: desktop.active_window() == player, 10,
                       what="the player window active")

            under = self.wait_pop_under(desktop)
            self.assertEqual(desktop.geometry(under), (MAIN_LEFT, MAIN_TOP) + POP_UNDER_SIZE)
            self.assert_beneath(desktop, under, [main, player])
            # Once the window manager has handled its mapping, when it would
            # mark it.
            desktop.wm_sync()
            self.assertEqual(desktop.active_window(), player)
            self.assertNotEqual(desktop.focused_window(), under)
            self.assertFalse(desktop.asks_for_attention(under))
            self.assert_beneath(desktop, under, [main, player])

            # The player closes: the focus goes to the main window, the
            # pop-under stays beneath it.
            desktop.click(MAIN_LEFT + CASCADE + CLOSE_BUTTON[0],
                          MAIN_TOP + CASCADE + CLOSE_BUTTON[1])
            wait_until(lambda: not desktop.is_visible(player), 10, what="the player to close")
            wait_until(lambda: desktop.active_window() == main, 10,
                       what="the main window active after the player closed")
            desktop.wm_sync()
            self.assertNotEqual(desktop.focused_window(), under)
            self.assertEqual(desktop.active_window(), main)
            self.assertFalse(desktop.asks_for_attention(under))
            self.assert_beneath(desktop, under, [main])


if __name__ == "__main__":
    # The shared driver reads the paths and runs this module's tests.
    desktop_test.main()
