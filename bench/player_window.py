#!/usr/bin/python3
"""Memory and speed of the player window in the real program under Xvfb.

usage: bench/player_window.py [--build DIR] [--runs N] [--settle S] [--json FILE]

Each run starts the program on its own Xvfb screen (1366x768) against the
demo content server (tests/desktop/desktop_driver.py), waits for the demo
site in the main window, and measures:

  PSS main     MiB summed over the program and all its engine processes
               (see desktop_startup.py) with the main window alone, --settle
               seconds (default 5) after the site showed
  mapped       seconds from the click on the first film of the library to the
               player window on the screen
  painted      ... to the player's title bar in its final look (90% of its
               strip as when the page showed)
  page         ... to the play page shown in place of the loading page (its
               related films' posters on the screen)
  video        ... to its video playing (the clip's green and yellow test bars
               where the page places the video)
  PSS player   as PSS main, with the main window and the playing player
               window open, --settle seconds after the page showed

Screen reads use desktop_startup.py's X GetImage reader (a few ms a read).
"""

import argparse
import json
import os
import statistics
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(REPO, "tests", "desktop"))

from desktop_driver import DesktopSession, wait_until  # noqa: E402
from desktop_startup import Screen, tree_memory  # noqa: E402

MAIN = (50, 50)
PLAYER = (80, 80)  # 30 pixels beside the main window
WIDTH, HEIGHT = 984, 624
TITLE_BAR = 28
FIRST_FILM = (24 + 66, 400)  # page-relative, as in the desktop tests
POLL = 0.02


# Columns of the play page's video (page-relative x) inside the test
# pattern's green and yellow bars, with their colours, and rows to look at;
# the pattern's moving band crosses a few of them at any time.
VIDEO_BARS = ((160, (0, 255, 0)), (280, (255, 255, 0)))
VIDEO_ROWS = (40, 100, 160, 220, 280, 340)
# The related films' posters beside the video (left, top, right, bottom).
RELATED_POSTERS = (676, 206, 724, 498)


def video_frame_shown(content):
    """Whether the player's content area shows a frame of the demo clip:
    most rows of both bars in their colours."""
    for x, colour in VIDEO_BARS:
        matching = sum(
            1 for y in VIDEO_ROWS
            if sum(abs(a - b) for a, b in zip(content.getpixel((x, y)), colour)) <= 90)
        if matching < len(VIDEO_ROWS) // 2 + 1:
            return False
    return True


def box(origin, top, bottom):
    left, upper = origin
    return (left, upper + top, left + WIDTH, upper + bottom)


def one_run(args, index):
    build = args.build
    with DesktopSession(os.path.join(build, "program"),
                        os.path.join(build, "tools", "content_server", "quillo-content-server"),
                        os.path.join(REPO, "demo", "site"),
                        os.path.join(build, "bench-artifacts"), f"player-{index}") as desktop:
        screen = Screen(desktop.display, desktop.env())
        try:
            desktop.start_program()
            wait_until(lambda: desktop.windows(), 60, what="the main window")
            content = box(MAIN, TITLE_BAR + 2, HEIGHT - 2)
            wait_until(lambda: screen.saturated_fraction(screen.grab(content)) >= 0.05, 60,
                       interval=0.2, what="the site in the main window")
            time.sleep(args.settle)
            main_pss = tree_memory(desktop.program.pid)[0]

            title_strip = box(PLAYER, 0, TITLE_BAR)
            x, y = MAIN[0] + FIRST_FILM[0], MAIN[1] + TITLE_BAR + FIRST_FILM[1]
            desktop.move_pointer(x, y)
            time.sleep(0.3)  # the link's status text reaches the program
            known = set(desktop.windows())
            clicked = time.monotonic()
            desktop._x("xdotool", "click", "1")
            result = {"main_pss": main_pss}

            def until(check, what, timeout=30):
                while True:
                    now = time.monotonic()
                    if check():
                        return now - clicked
                    if now - clicked > timeout:
                        raise AssertionError(f"timed out waiting for {what}")
                    time.sleep(POLL)

            result["mapped"] = until(lambda: set(desktop.windows()) - known, "the player window")
            # The title strip is kept from every poll until the page shows; the
            # title bar counts as painted from the first read that already
            # looks like the last one.
            player_content = box(PLAYER, TITLE_BAR, HEIGHT)
            strips = []

            posters = []

            def video_shown():
                now = time.monotonic() - clicked
                strips.append((now, screen.grab(title_strip)))
                content = screen.grab(player_content)
                posters.append((now, screen.saturated_fraction(content.crop(RELATED_POSTERS))))
                return video_frame_shown(content)

            result["video"] = until(video_shown, "the play page's video")
            final = strips[-1][1]
            result["painted"] = next(t for t, strip in strips
                                     if 1 - screen.changed_fraction(strip, final) >= 0.9)
            # Before its first paint a new window shows what lay beneath it.
            if args.verbose:
                print("poster shares:", [(round(t, 2), round(v, 2)) for t, v in posters])
            result["page"] = next(t for t, share in posters
                                  if t >= result["painted"] and share >= 0.1)
            time.sleep(args.settle)
            result["player_pss"] = tree_memory(desktop.program.pid)[0]
            return result
        finally:
            screen.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(REPO, "build"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--settle", type=float, default=5.0)
    parser.add_argument("--json")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()
    runs = []
    for i in range(args.runs):
        run = one_run(args, i)
        print(f"run {i + 1}: " + "  ".join(f"{k} {v:.2f}" for k, v in run.items()), flush=True)
        runs.append(run)
    print(f"median of {len(runs)} runs:")
    for key, unit in (("main_pss", "MiB"), ("player_pss", "MiB"), ("mapped", "s"),
                      ("painted", "s"), ("page", "s"), ("video", "s")):
        print(f"  {key:11s} {statistics.median(r[key] for r in runs):8.2f} {unit}")
    growth = statistics.median(r["player_pss"] - r["main_pss"] for r in runs)
    print(f"  player window adds {growth:.1f} MiB PSS")
    if args.json:
        with open(args.json, "w", encoding="utf-8") as f:
            json.dump(runs, f, indent=2)


if __name__ == "__main__":
    main()
