"""Desktop test for screen readers: the real program's accessibility tree as
an assistive technology reads it over AT-SPI (the session's accessibility
bus, started on demand by the session bus). See desktop_test.py for the
usage.
"""

import os
import unittest

import desktop_test
from desktop_driver import DesktopSession, wait_until
from desktop_test import (CLOSE_BUTTON, CORNER_TITLE, MAIN_LEFT, MAIN_TOP, OPTIONS_BUTTON,
                          OPTIONS_MENUS, config_with, display_name)

SETTINGS_TITLE = "设置窗口"
SETTINGS_ITEM_KEYS = ("Down", "Down", "Return")
CAPTION_BUTTONS = {"最小化", "最大化", "关闭", "选项"}
DIALOG_BUTTONS = {"关闭", "设置", "关于", "确定", "取消", "应用"}
# The tray menu's items in English, as the keyboard walks them.
TRAY_MENU_ITEMS = ("Settings", "Contact us", "Upgrade program", "About program", "Quit")


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
            from gi.repository import GLib  # pylint: disable=import-outside-toplevel

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
                def read():
                    try:
                        return ([n.name for n in nodes(window) if n.getRole() == role],)
                    except GLib.GError:  # an object went while the tree was read (a page)
                        return None
                return wait_until(read, 20, what="a whole reading of the window's tree")[0]

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

    def test_tray_menu_items_read_in_the_users_language(self):
        # A menu is a pop-up, which the toolkit leaves out of the windows it
        # lists: a screen reader meets its items as the keyboard walks them
        # (focus events), which is how this reads them.
        paths = desktop_test.PATHS
        with DesktopSession(paths.program_dir, paths.server, paths.site, paths.artifacts,
                            self.id().rsplit(".", 1)[-1],
                            config=config_with(Language="3", Tray="1"), window_manager=True,
                            environment={"QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}) as desktop:
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = desktop.bus_address
            os.environ["DISPLAY"] = desktop.display
            import pyatspi  # pylint: disable=import-outside-toplevel
            from gi.repository import GLib  # pylint: disable=import-outside-toplevel

            heard = []

            def listen(event):
                try:
                    if event.source.getRole() == pyatspi.ROLE_MENU_ITEM and event.detail1:
                        heard.append(event.source.name)
                except Exception:  # pylint: disable=broad-except
                    pass  # gone meanwhile

            pyatspi.Registry.registerEventListener(listen, "object:state-changed:focused",
                                                   "object:state-changed:selected")

            def pump():
                context = GLib.MainContext.default()
                while context.iteration(False):
                    pass

            desktop.start_tray()
            desktop.start_program()
            desktop.window_named(display_name("3"), timeout=60)
            desktop.click(MAIN_LEFT + CLOSE_BUTTON[0], MAIN_TOP + CLOSE_BUTTON[1])
            icon = desktop.tray_icon()
            x, y, width, height = desktop.geometry(icon)
            desktop.move_pointer(x + width // 2, y + height // 2)
            desktop._x("xdotool", "click", "3")
            desktop.window_named(OPTIONS_MENUS["3"], timeout=20)
            for _ in TRAY_MENU_ITEMS:
                desktop.keys("Down")
                pump()
            wait_until(lambda: pump() or set(TRAY_MENU_ITEMS) <= set(heard), 20, interval=0.2,
                       what=f"the menu's items read out (heard: {heard})")
            self.assertNotIn("", heard)
            desktop.keys("Escape")
            pyatspi.Registry.deregisterEventListener(listen, "object:state-changed:focused",
                                                     "object:state-changed:selected")


if __name__ == "__main__":
    desktop_test.main()
