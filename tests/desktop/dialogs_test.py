"""Desktop tests of the settings and About dialogs: the real program under
Xvfb against the demo content server (see desktop_test.py for the usage)."""

import os
import shutil
import unittest

import desktop_test
from desktop_driver import DesktopSession, wait_until
from desktop_test import MAIN_HEIGHT, MAIN_LEFT, MAIN_TOP, MAIN_WIDTH, OPTIONS_BUTTON, CLOSE_BUTTON
from desktop_test import OPTIONS_MENUS
from desktop_test import config_with, display_name

DIALOG_WIDTH = 552
DIALOG_HEIGHT = 352
# Centred on the main window.
DIALOG_LEFT = MAIN_LEFT + (MAIN_WIDTH - DIALOG_WIDTH) // 2
DIALOG_TOP = MAIN_TOP + (MAIN_HEIGHT - DIALOG_HEIGHT) // 2

# Dialog-relative centres of controls.
AUTOSTART_BOX = (254, 59)
ENGLISH_BOX = (443, 84)
TRAY_BOX = (254, 256)
OPTIONS_TAB = (61, 54)
ABOUT_TAB = (61, 91)
CONFIRM = (226, 313)
APPLY = (438, 313)
# The rows of the two version labels of the About page.
VERSION_ROW = (160, 89, 264, 27)
UPDATER_ROW = (160, 116, 264, 27)

SETTINGS_TITLES = {"1": "设置窗口", "3": "Settings"}
# Key presses that choose the settings item of each options menu.
SETTINGS_ITEM_KEYS = {"1": ("Down", "Down", "Return"), "3": ("Down", "Return")}


class DialogsTest(unittest.TestCase):
    def session(self, config, site=None):
        paths = desktop_test.PATHS
        return DesktopSession(paths.program_dir, paths.server, site or paths.site,
                              paths.artifacts, self.id().rsplit(".", 1)[-1], config=config)

    def start(self, desktop, language):
        desktop.start_program()
        return desktop.window_named(display_name(language), timeout=60)

    def open_settings(self, desktop, language):
        # The click waits for the rest of the start-up; the keys for the menu.
        desktop.open_menu(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1],
                          OPTIONS_MENUS[language], timeout=20)
        desktop.keys(*SETTINGS_ITEM_KEYS[language])
        return desktop.window_named(display_name(language) + SETTINGS_TITLES[language],
                                    timeout=20)

    def click_in_dialog(self, desktop, place):
        desktop.click(DIALOG_LEFT + place[0], DIALOG_TOP + place[1])

    def test_settings_tray_box_cleared_and_confirmed_then_close_quits(self):
        with self.session(config_with(Language="3", Tray="1")) as desktop:
            self.start(desktop, "3")
            dialog = self.open_settings(desktop, "3")
            self.assertEqual(desktop.geometry(dialog),
                             (DIALOG_LEFT, DIALOG_TOP, DIALOG_WIDTH, DIALOG_HEIGHT))

            self.click_in_dialog(desktop, TRAY_BOX)
            self.click_in_dialog(desktop, CONFIRM)
            wait_until(lambda: not desktop.is_visible(dialog), 10, what="the dialog to close")
            self.assertEqual(desktop.config_value("Tray"), "2")

            desktop.click(MAIN_LEFT + CLOSE_BUTTON[0], MAIN_TOP + CLOSE_BUTTON[1])
            self.assertEqual(desktop.wait_program_end(20), 0)

    def test_autostart_entry_appears_and_disappears(self):
        with self.session(config_with(Language="3", Start="0")) as desktop:
            self.start(desktop, "3")
            self.open_settings(desktop, "3")
            entry = os.path.join(desktop.env()["XDG_CONFIG_HOME"], "autostart", "quillo.desktop")
            program = os.path.join(desktop.program_copy, "quillo")

            self.click_in_dialog(desktop, AUTOSTART_BOX)
            self.click_in_dialog(desktop, APPLY)
            wait_until(lambda: os.path.exists(entry), 10, what="the autostart entry")
            with open(entry, encoding="utf-8") as f:
                self.assertIn(f"\nExec={program}\n", f.read())
            self.assertEqual(desktop.config_value("Start"), "1")

            self.click_in_dialog(desktop, AUTOSTART_BOX)
            self.click_in_dialog(desktop, APPLY)
            wait_until(lambda: not os.path.exists(entry), 10,
                       what="the autostart entry to go")
            self.assertEqual(desktop.config_value("Start"), "0")

    def test_english_chosen_and_confirmed_restarts_in_english(self):
        with self.session(config_with(Language="1")) as desktop:
            self.start(desktop, "1")
            old = desktop.program
            self.open_settings(desktop, "1")

            self.click_in_dialog(desktop, ENGLISH_BOX)
            self.click_in_dialog(desktop, CONFIRM)
            self.assertEqual(desktop.wait_program_end(30), 0)
            self.assertEqual(desktop.config_value("Language"), "3")

            # The successor runs in the old program's process group, which
            # the session ends with everything else.
            def english_main_window():
                _, out = desktop._x("xdotool", "search", "--onlyvisible", "--name",
                                    "^" + display_name("3") + "$")
                return out.split()
            window = wait_until(english_main_window, 60, interval=0.5,
                                what="the restarted program's main window")[0]
            _, pid = desktop._x("xdotool", "getwindowpid", window)
            self.assertNotEqual(int(pid), old.pid)
            self.assertEqual(os.getpgid(int(pid)), old.pid)
            self.assertEqual(desktop.geometry(window),
                             (MAIN_LEFT, MAIN_TOP, MAIN_WIDTH, MAIN_HEIGHT))
            desktop.save_screenshot("restarted")

    def test_about_shows_the_servers_version_text(self):
        # A copy of the demo site, so that the version page can change while
        # the program runs; the server reads its files at every request.
        site = os.path.join(desktop_test.PATHS.artifacts, "dialogs-site")
        shutil.rmtree(site, ignore_errors=True)
        shutil.copytree(desktop_test.PATHS.site, site)
        version_page = os.path.join(site, "ads", "bb.html")
        try:
            with self.session(config_with(Language="3"), site=site) as desktop:
                self.start(desktop, "3")
                self.open_settings(desktop, "3")
                self.click_in_dialog(desktop, ABOUT_TAB)
                about = desktop.window_named("Quillo影音播放器关于窗口", timeout=20)
                self.assertEqual(desktop.geometry(about),
                                 (DIALOG_LEFT, DIALOG_TOP, DIALOG_WIDTH, DIALOG_HEIGHT))
                first = settled_rows(desktop)
                # "Player Version:" alone is far shorter than the updater line.
                self.assertGreater(first.version_extent, first.updater_extent * 0.8,
                                   "the version line shows no server text")

                # Another version on the server: the About page fetches it
                # again when it comes back from the settings page.
                with open(version_page, "wb") as f:
                    f.write(b"7.7.7777.77")
                self.click_in_dialog(desktop, OPTIONS_TAB)
                desktop.window_named(display_name("3") + "Settings", timeout=20)
                self.click_in_dialog(desktop, ABOUT_TAB)
                desktop.window_named("Quillo影音播放器关于窗口", timeout=20)
                second = settled_rows(desktop)
                desktop.save_screenshot("about")
                self.assertNotEqual(first.version, second.version,
                                    "the version line did not follow the server")
                self.assertEqual(first.updater, second.updater)
        finally:
            shutil.rmtree(site, ignore_errors=True)


class Rows:
    def __init__(self, shot):
        self.version = list(row_pixels(shot, VERSION_ROW))
        self.updater = list(row_pixels(shot, UPDATER_ROW))
        self.version_extent = ink_extent(self.version)
        self.updater_extent = ink_extent(self.updater)


def settled_rows(desktop):
    """The two version rows once the page has painted its texts and they
    stand still: two screenshots in a row show them alike."""
    last = []

    def settled():
        rows = Rows(desktop.screenshot())
        before = last[0] if last else None
        last[:] = [rows]
        if rows.updater_extent <= 60 or before is None:
            return None
        same = before.version == rows.version and before.updater == rows.updater
        return rows if same else None
    return wait_until(settled, 30, interval=0.5, what="the About page's texts to settle")


def row_pixels(shot, row):
    left, top, width, height = row
    return shot.region(DIALOG_LEFT + left, DIALOG_TOP + top, width, height)


def ink_extent(pixels):
    """How far right the white text of a label row reaches."""
    rightmost = -1
    for x, _, pixel in pixels:
        if min(pixel) >= 200:
            rightmost = max(rightmost, x)
    return rightmost - DIALOG_LEFT


if __name__ == "__main__":
    # The shared driver reads the paths and runs this module's tests.
    desktop_test.main()
