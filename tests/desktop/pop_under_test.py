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
from desktop_test import (CASCADE, CLOSE_BUTTON, CONTENT_TOP, CORNER_TITLE, EXIT_CLOSE_BUTTON,
                          EXIT_TITLE, FIRST_FILM, MAIN_HEIGHT, MAIN_LEFT, MAIN_TOP, MAIN_WIDTH,
                          OPTIONS_BUTTON, OPTIONS_MENUS, config_with, display_name, page_is_shown,
                          served, site_is_shown)

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

    def next_tick(self, desktop):
        """Waits for the pop-under timer's next tick: a moment in which a
        window manager would have acted on what the program just did."""
        ticks = period_requests(desktop)
        wait_until(lambda: period_requests(desktop) > ticks, PERIOD + 10, interval=0.2,
                   what="the next tick of the pop-under timer")

    def assert_never_asked_for(self, watch, windows):
        """Neither focus nor attention, however briefly, for any of the
        windows, from the start of the record."""
        ids = {int(window): what for what, window in windows.items()}
        for window, what in ids.items():
            self.assertEqual(watch.attention_marks(window), [],
                             f"the {what} was marked as asking for attention")
        active = watch.activations()
        self.assertFalse(set(active) & set(ids),
                         f"made active: {[ids[w] for w in active if w in ids]}")

    def test_advertisement_windows_under_a_window_manager_take_neither_focus_nor_attention(self):
        # The window manager is openbox; QUILLO_DESKTOP_WM runs it under
        # another (see desktop_driver.py).
        with self.session(config_with(Language="1"), window_manager=True) as desktop:
            watch = desktop.watch_x()
            desktop.start_program()
            main = desktop.window_named(display_name("1"), timeout=60)
            corner = desktop.window_named(CORNER_TITLE, timeout=30)
            player = self.open_player(desktop)
            wait_until(lambda: desktop.active_window() == player, 10,
                       what="the player window active")

            under = self.wait_pop_under(desktop)
            self.assertEqual(desktop.geometry(under), (MAIN_LEFT, MAIN_TOP) + POP_UNDER_SIZE)
            # Beneath the windows in use from its first frame: in no stacking
            # of the screen since it came onto it did it stand above them.
            self.assertEqual(watch.stood_above(under, [main, player]), [],
                             "the pop-under stood above the windows in use: "
                             + watch.describe({"pop-under": under, "main": main, "player": player}))
            self.next_tick(desktop)
            self.assertEqual(desktop.active_window(), player)
            self.assertNotEqual(desktop.focused_window(), under)
            self.assert_beneath(desktop, under, [main, player])
            self.assert_never_asked_for(watch, {"corner pop-up": corner, "pop-under": under})

            # The player closes: the focus goes to the main window, the
            # pop-under stays beneath it.
            desktop.click(MAIN_LEFT + CASCADE + CLOSE_BUTTON[0],
                          MAIN_TOP + CASCADE + CLOSE_BUTTON[1])
            wait_until(lambda: not desktop.is_visible(player), 10, what="the player to close")
            wait_until(lambda: desktop.active_window() == main, 10,
                       what="the main window active after the player closed")
            self.next_tick(desktop)
            self.assertEqual(desktop.active_window(), main)
            self.assertNotEqual(desktop.focused_window(), under)
            self.assertEqual(watch.stood_above(under, [main]), [],
                             "the pop-under stood above the main window: "
                             + watch.describe({"pop-under": under, "main": main}))
            self.assert_never_asked_for(watch, {"corner pop-up": corner, "pop-under": under})

            # Quit: the exit pop-up shows its page, without the focus.
            desktop.click(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1])
            desktop.window_named(OPTIONS_MENUS["1"], timeout=10)
            desktop.keys("Up", "Return")
            exit_popup = desktop.window_named(EXIT_TITLE, timeout=15)
            geometry = desktop.geometry(exit_popup)
            wait_until(lambda: page_is_shown(desktop.screenshot(), geometry), 15, interval=0.5,
                       what="the advertisement page in the exit pop-up")
            self.assertNotEqual(desktop.focused_window(), exit_popup)
            self.assertNotIn(int(exit_popup), watch.activations())
            self.assertEqual(watch.attention_marks(exit_popup), [],
                             "the exit pop-up was marked as asking for attention")
            self.assertEqual(watch.attention_marks(under), [],
                             "the pop-under was marked as asking for attention")
            desktop.click(geometry[0] + EXIT_CLOSE_BUTTON[0], geometry[1] + EXIT_CLOSE_BUTTON[1])
            self.assertEqual(desktop.wait_program_end(15), 0)


if __name__ == "__main__":
    # The shared driver reads the paths and runs this module's tests.
    desktop_test.main()
