"""Desktop tests on a desktop with a window manager (openbox) and, where a
test says so, a tray host in a bottom panel (trayer): what depends on the
window manager's stacking, focus and minimising, and on a tray that comes
and goes. See desktop_test.py for the usage.
"""

import unittest

import desktop_test
from desktop_driver import DesktopSession, wait_until
from desktop_test import (CLOSE_BUTTON, CORNER_SIZE, CORNER_TITLE, MAIN_LEFT, MAIN_TOP,
                          OPTIONS_BUTTON, OPTIONS_MENUS, config_with, display_name,
                          page_is_shown)

# Where the corner pop-up stands from the work area's bottom-right corner.
CORNER_FROM_RIGHT = 300
CORNER_FROM_BOTTOM = 250
SETTINGS_TITLE = "Settings"
DIALOG_CANCEL_KEYS = ("Escape", "alt+F4")


class WindowManagerTest(unittest.TestCase):
    def session(self, config):
        paths = desktop_test.PATHS
        return DesktopSession(paths.program_dir, paths.server, paths.site, paths.artifacts,
                              self.id().rsplit(".", 1)[-1], config=config, window_manager=True)

    def start(self, desktop, language="1"):
        desktop.start_program()
        return desktop.window_named(display_name(language), timeout=60)

    def close_main(self, desktop):
        desktop.click(MAIN_LEFT + CLOSE_BUTTON[0], MAIN_TOP + CLOSE_BUTTON[1])

    def other_window(self, desktop):
        """A window of another program over the main window, with the focus."""
        desktop._spawn(["xmessage", "-geometry", "400x300+100+100", "another program"],
                                 "xmessage", env=desktop.env())
        window = wait_until(lambda: self._visible_windows_of(desktop), 20,
                            what="the other program's window")[-1]
        desktop._x("xdotool", "windowactivate", "--sync", window)
        wait_until(lambda: desktop.active_window() == window, 10, what="the other window active")
        return window

    @staticmethod
    def _visible_windows_of(desktop):
        # xmessage sets no _NET_WM_PID: found by its class.
        _, out = desktop._x("xdotool", "search", "--onlyvisible", "--classname", "xmessage")
        return out.split()

    def assert_in_front_and_active(self, desktop, window, what, above=()):
        wait_until(lambda: desktop.is_visible(window) and not desktop.is_iconic(window), 10,
                   what=f"{what}: the main window shown")
        wait_until(lambda: desktop.active_window() == window, 10,
                   what=f"{what}: the main window active")
        wait_until(lambda: desktop.focused_window() == window, 10,
                   what=f"{what}: the keyboard focus in the main window")
        order = desktop.stacking_order()
        for other in above:
            self.assertLess(order.index(window), order.index(other),
                            f"{what}: beneath {other} (top-most first: {order})")

    def test_tray_restore_activates_the_main_window_every_time(self):
        with self.session(config_with(Language="1", Tray="1")) as desktop:
            desktop.start_tray()
            main = self.start(desktop)

            # From the tray, from behind another program's window, from the
            # task bar's minimised state: each click brings it to the front
            # with the focus.
            self.close_main(desktop)
            wait_until(lambda: not desktop.is_visible(main), 10, what="the window in the tray")
            icon = desktop.tray_icon()
            desktop.click_window(icon)
            self.assert_in_front_and_active(desktop, main, "from the tray")

            other = self.other_window(desktop)
            desktop.click_window(icon)
            self.assert_in_front_and_active(desktop, main, "from behind another window",
                                            above=[other])

            desktop._x("xdotool", "windowminimize", "--sync", main)
            wait_until(lambda: desktop.is_iconic(main), 10, what="the minimised window")
            desktop.click_window(icon)
            self.assert_in_front_and_active(desktop, main, "from minimised")

            self.close_main(desktop)
            wait_until(lambda: not desktop.is_visible(main), 10, what="the window in the tray")
            desktop.click_window(icon)
            self.assert_in_front_and_active(desktop, main, "from the tray again")

    def test_tray_that_comes_after_the_close(self):
        with self.session(config_with(Language="1", Tray="1")) as desktop:
            main = self.start(desktop)
            # No tray: closing minimises, and a second start brings it back.
            self.close_main(desktop)
            wait_until(lambda: desktop.is_iconic(main), 10, what="the window minimised")
            self.assertTrue(desktop.program_running())
            second = desktop._spawn(desktop.program_command(), "second", cwd=desktop.workdir,
                                    env=desktop.env())
            self.assertEqual(second.wait(timeout=60), 0)
            self.assert_in_front_and_active(desktop, main, "second start without a tray")

            self.close_main(desktop)
            wait_until(lambda: desktop.is_iconic(main), 10, what="the window minimised again")
            # The tray comes: the window goes to it, and its icon brings it
            # back restored, every time.
            desktop.start_tray()
            icon = desktop.tray_icon()
            wait_until(lambda: not desktop.is_visible(main) and not desktop.is_iconic(main), 15,
                       what="the window hidden to the tray that came")
            for round in range(3):
                desktop.click_window(icon)
                self.assert_in_front_and_active(desktop, main, f"tray click {round + 1}")
                self.close_main(desktop)
                wait_until(lambda: not desktop.is_visible(main), 10,
                           what=f"the window in the tray after close {round + 1}")
                self.assertFalse(desktop.is_iconic(main))

    def test_corner_popup_stands_above_the_bottom_panel(self):
        with self.session(config_with(Language="1")) as desktop:
            desktop.start_tray()
            left, top, width, height = desktop.work_area()
            self.assertLess(height, desktop.screen[1], "the panel reserves no strip")
            watch = desktop.watch_x()
            main = self.start(desktop)
            popup = desktop.window_named(CORNER_TITLE, timeout=30)
            geometry = desktop.geometry(popup)
            self.assertEqual(geometry,
                             (left + width - CORNER_FROM_RIGHT, top + height - CORNER_FROM_BOTTOM)
                             + CORNER_SIZE)
            wait_until(lambda: page_is_shown(desktop.screenshot(), geometry), 15, interval=0.5,
                       what="the advertisement page in the corner pop-up")
            self.assertNotEqual(desktop.focused_window(), popup)
            self.assertEqual(desktop.active_window(), main)
            self.assertNotIn(int(popup), watch.activations())
            self.assertEqual(watch.attention_marks(popup), [],
                             "the corner pop-up was marked as asking for attention")
            desktop.save_screenshot("corner-popup")

    def test_settings_dialog_keys(self):
        with self.session(config_with(Language="3")) as desktop:
            main = self.start(desktop, "3")
            title = display_name("3") + SETTINGS_TITLE

            def open_settings():
                desktop.open_menu(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1],
                                  OPTIONS_MENUS["3"], timeout=20)
                desktop.keys("Down", "Return")
                dialog = desktop.window_named(title, timeout=20)
                wait_until(lambda: desktop.focused_window() == dialog, 10,
                           what="the keyboard focus in the dialog")
                return dialog

            for key in DIALOG_CANCEL_KEYS + ("Return",):
                with self.subTest(key=key):
                    dialog = open_settings()
                    desktop.keys(key)
                    wait_until(lambda: not desktop.is_visible(dialog), 10,
                               what=f"the dialog to close on {key}")
                    wait_until(lambda: desktop.active_window() == main, 10,
                               what=f"the main window active again after {key}")
            self.assertTrue(desktop.program_running())


if __name__ == "__main__":
    desktop_test.main()
