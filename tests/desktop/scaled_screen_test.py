"""Desktop test on a scaled screen: the real program at QT_SCALE_FACTOR=2 on
a 2732 x 1536 screen (a 1366 x 768 desktop at twice the pixels). See
desktop_test.py for the usage.
"""

import unittest

import desktop_test
from desktop_driver import DesktopSession, colour_distance, wait_until
from desktop_test import (CLOSE_BUTTON, CONTENT_TOP, MAIN_HEIGHT, MAIN_LEFT, MAIN_TOP, MAIN_WIDTH,
                          TEXT_ADVERT, WINDOW_DARK, config_with, display_name, saturated)

SCALE = 2
SCREEN = (1366 * SCALE, 768 * SCALE)
# The main window in device pixels.
LEFT, TOP, WIDTH, HEIGHT = (v * SCALE for v in (MAIN_LEFT, MAIN_TOP, MAIN_WIDTH, MAIN_HEIGHT))
BAR = CONTENT_TOP * SCALE


def site_shown(shot):
    total = coloured = 0
    # Every other pixel of the content area is enough to tell.
    for x, y, pixel in shot.region(LEFT + 4, TOP + BAR + 4, WIDTH - 8, HEIGHT - BAR - 8):
        if x % 2 or y % 2:
            continue
        total += 1
        coloured += saturated(pixel)
    return total > 0 and coloured / total >= 0.05


class ScaledScreenTest(unittest.TestCase):
    def test_first_frame_site_and_close_button_at_scale_two(self):
        paths = desktop_test.PATHS
        with DesktopSession(paths.program_dir, paths.server, paths.site, paths.artifacts,
                            self.id().rsplit(".", 1)[-1], config=config_with(Language="1", Tray="2"),
                            screen=SCREEN,
                            environment={"QT_SCALE_FACTOR": str(SCALE)}) as desktop:
            desktop.start_program()

            def mapped_main_window():
                return [w for w in desktop.windows("")
                        if desktop.geometry(w) == (LEFT, TOP, WIDTH, HEIGHT)]

            main = wait_until(mapped_main_window, 60, interval=0.02, what="the main window")[0]
            first = desktop.screenshot()
            desktop.window_named(display_name("1"), timeout=60)
            # Once the site shows, the title bar stands as it stays.
            later = desktop.screenshot_when(site_shown, 60, interval=1,
                                            what="the site in the main window")
            # The first frame is the window's own picture at the screen's
            # scale: the skinned title bar as it stands later, not the
            # unscaled picture repeated.
            bar = list(first.region(LEFT, TOP, TEXT_ADVERT[0] * SCALE, BAR))
            same = sum(1 for x, y, pixel in bar if colour_distance(pixel, later.pixel(x, y)) < 30)
            self.assertGreater(same, 0.8 * len(bar), "the first frame's title bar is not the skin")
            content = list(first.region(LEFT, TOP + BAR, WIDTH, HEIGHT - BAR))
            dark = sum(1 for _, _, pixel in content if colour_distance(pixel, WINDOW_DARK) < 40)
            self.assertGreater(dark, 0.9 * len(content), "the first frame's content is not dark")

            desktop.save_screenshot("site")

            # The close button takes the click where it is drawn.
            desktop.click(LEFT + CLOSE_BUTTON[0] * SCALE, TOP + CLOSE_BUTTON[1] * SCALE)
            wait_until(lambda: not desktop.is_visible(main), 15, what="the main window to close")


if __name__ == "__main__":
    desktop_test.main()
