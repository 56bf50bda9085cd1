"""Desktop test for screen readers: the real program's accessibility tree as
an assistive technology reads it over AT-SPI (the session's accessibility
bus, started on demand by the session bus). See desktop_test.py for the
usage.
"""

import os
import unittest

import desktop_test
from desktop_driver import DesktopSession, wait_until
from desktop_test import (CORNER_TITLE, MAIN_LEFT, MAIN_TOP, OPTIONS_BUTTON, OPTIONS_MENUS,
                          config_with, display_name)

SETTINGS_TITLE = "设置窗口"
SETTINGS_ITEM_KEYS = ("Down", "Down", "Return")
CAPTION_BUTTONS = {"最小化", "最大化", "关闭", "选项"}
DIALOG_BUTTONS = {"关闭", "设置", "关于", "确定", "取消", "应用"}


def nodes(accessible, depth=0):
    """Every object under an accessible, itself first, as (object, depth)."""
    if accessible is None or depth > 30:
        return
    yield accessible
    for index in range(accessible.childCount):
        yield from nodes(accessible.getChildAtIndex(index), depth + 1)


class AccessibilityTest(unittest.TestCase):
    def test_controls_windows_and_dialog_focus_for_screen_readers(self):
        paths = desktop_test.PATHS
        with DesktopSession(paths.program_dir, paths.server, paths.site, paths.artifacts,
                            self.id().rsplit(".", 1)[-1], config=config_with(Language="1"),
                            environment={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}) as desktop:
            # The reader runs in this process, on the session's buses.
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = desktop.bus_address
            os.environ["DISPLAY"] = desktop.display
            import pyatspi  # pylint: disable=import-outside-toplevel

            desktop.start_program()
            desktop.window_named(display_name("1"), timeout=60)

            def application():
                for app in pyatspi.Registry.getDesktop(0):
                    if app is not None and app.name.lower() == "quillo":
                        return app
                return None

            app = wait_until(application, 30, interval=0.5, what="the program on the AT-SPI bus")

            def frame(title):
                for window in app:
                    if window is not None and window.name == title:
                        return window
                return None

            def named(window, role):
                return [n.name for n in nodes(window) if n.getRole() == role]

            main = wait_until(lambda: frame(display_name("1")), 20, what="the main window's title")
            buttons = named(main, pyatspi.ROLE_PUSH_BUTTON)
            self.assertTrue(CAPTION_BUTTONS <= set(buttons), f"caption buttons: {buttons}")
            self.assertNotIn("", buttons)
            # The title bar's texts (name, column labels, the text
            # advertisement) read as what they show.
            labels = named(main, pyatspi.ROLE_LABEL)
            self.assertGreaterEqual(len([label for label in labels if label]), 3, labels)

            corner = wait_until(lambda: frame(CORNER_TITLE), 30, what="the corner pop-up")
            self.assertIn("关闭", named(corner, pyatspi.ROLE_PUSH_BUTTON))

            desktop.open_menu(MAIN_LEFT + OPTIONS_BUTTON[0], MAIN_TOP + OPTIONS_BUTTON[1],
                              OPTIONS_MENUS["1"], timeout=20)
            desktop.keys(*SETTINGS_ITEM_KEYS)

            title = display_name("1") + SETTINGS_TITLE
            desktop.window_named(title, timeout=20)
            dialog = wait_until(lambda: frame(title), 20, what="the settings dialog's title")
            buttons = named(dialog, pyatspi.ROLE_PUSH_BUTTON)
            self.assertTrue(DIALOG_BUTTONS <= set(buttons), f"dialog buttons: {buttons}")
            boxes = named(dialog, pyatspi.ROLE_CHECK_BOX)
            labels = set(named(dialog, pyatspi.ROLE_LABEL))
            self.assertEqual(len(boxes), 9, boxes)
            for box in boxes:
                self.assertIn(box, labels, "a check box not named by its label")

            # Tab walks the dialog's controls: after each press the focus
            # is on another one.
            def focus():
                for place, n in enumerate(nodes(dialog)):
                    if n.getState().contains(pyatspi.STATE_FOCUSED):
                        return place, n.getRole(), n.name
                return None

            def moved_from(before):
                now = focus()
                return now if now is not None and now != before else None

            reached = set()
            focused = focus()
            for _ in range(20):
                before = focused
                desktop.keys("Tab")
                focused = wait_until(lambda: moved_from(before), 10,
                                     what="the focus to move on Tab")
                if focused[2]:
                    reached.add(focused[1:])
            roles = {role for role, _ in reached}
            self.assertIn(pyatspi.ROLE_CHECK_BOX, roles, f"reached: {reached}")
            self.assertIn(pyatspi.ROLE_PUSH_BUTTON, roles, f"reached: {reached}")


if __name__ == "__main__":
    desktop_test.main()
