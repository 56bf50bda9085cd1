#!/usr/bin/python3
"""Memory and speed of the player window in the real program under Xvfb.

usage: bench/player_window.py [--build DIR] [--runs N] [--settle S] [--play S]
                              [--no-chromium] [--no-bare] [--json FILE]

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
  first frame  ... to the clip's first frame presented, as the play page
               reports it (requestVideoFrameCallback) to the demo server,
               whose report log is read every 20 ms
  PSS player   as PSS main, with the main window and the playing player
               window open, --settle seconds after the page showed
  CPU playing  CPU of the process tree while the clip plays for --play
               seconds (default 30), from 2 s after its first frame, in %
               of one core
  dropped      frames dropped and all frames in that time, from the
               video's getVideoPlaybackQuality() as the page reports it
               every second of the clip

Each round also runs, on a screen of their own, the same play page opened
by Chromium in app mode (`chromium --app` on the home page, the first film's
target=_blank link clicked: first frame, CPU of its tree, dropped frames)
and played in the bare view (bench/bare_view.cpp on the play page: CPU and
dropped frames). The subjects run one after the other in each round, so
that a drift of the machine touches them alike; the medians are printed
side by side with the targets (first frame <= 1.1x Chromium, CPU <= 1.1x
the bare view, no more dropped frames than the bare view) and the load
average.

Screen reads use desktop_startup.py's X GetImage reader (a few ms a read).
"""

import argparse
import os
import shutil
import statistics
import subprocess
import sys
import time
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(REPO, "tests", "desktop"))

from desktop_driver import DesktopSession, wait_until  # noqa: E402
from desktop_startup import end_report, Screen, cpu_ticks, descendants, tree_memory  # noqa: E402

MAIN = (50, 50)
PLAYER = (80, 80)  # 30 pixels beside the main window
WIDTH, HEIGHT = 984, 624
TITLE_BAR = 28
FIRST_FILM = (24 + 66, 400)  # page-relative, as in the desktop tests
POLL = 0.02
CHROMIUM_POSTER_MIDDLE = 480  # window-relative y


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


def film_events(desktop, event):
    """The play page's reports of one event for the first film, oldest first."""
    try:
        with urllib.request.urlopen(desktop.server_address + "report/log", timeout=5) as answer:
            lines = answer.read().decode("utf-8", "replace").splitlines()
    except OSError:
        return []
    found = []
    for line in lines:
        query = line.partition(" cookie=")[0]
        fields = dict(part.split("=", 1) for part in query.split("&") if "=" in part)
        if fields.get("film") == "1" and fields.get("event") == event:
            found.append(fields)
    return found


def quality(desktop):
    """(frames shown, frames dropped) in the latest report of the clip."""
    reports = [r for r in film_events(desktop, "time") if "frames" in r]
    if not reports:
        return None
    return int(reports[-1]["frames"]), int(reports[-1]["dropped"])


def playing_sample(desktop, root_pid, seconds, result):
    """CPU of the process tree and the frames shown and dropped while the
    clip plays for `seconds`, from 2 s after its first frame."""
    time.sleep(2)
    before = quality(desktop)
    pids = descendants(root_pid)
    ticks = cpu_ticks(pids)
    time.sleep(seconds)
    used = (cpu_ticks(pids) - ticks) / os.sysconf("SC_CLK_TCK")
    # The page reports once a second of the clip: wait for the next one.
    time.sleep(1.2)
    after = quality(desktop)
    result["cpu"] = 100 * used / seconds
    if before and after:
        result["frames"] = after[0] - before[0]
        result["dropped"] = after[1] - before[1]


def box(origin, top, bottom):
    left, upper = origin
    return (left, upper + top, left + WIDTH, upper + bottom)


def session(args, name):
    build = args.build
    return DesktopSession(os.path.join(build, "program"),
                          os.path.join(build, "tools", "content_server", "quillo-content-server"),
                          os.path.join(REPO, "demo", "site"),
                          os.path.join(build, "bench-artifacts"), name)


def chromium_run(args, index, chromium):
    """Chromium in app mode on the home page; its first film's link opens
    the play page in a window of its own."""
    with session(args, f"player-chromium-{index}") as desktop:
        screen = Screen(desktop.display, desktop.env())
        try:
            profile = os.path.join(desktop.workdir, "chromium")
            command = [chromium, "--no-sandbox", "--disable-gpu", "--no-first-run",
                       "--disable-background-networking", "--disable-component-update",
                       "--disable-sync", "--disable-features=Translate",
                       "--user-data-dir=" + profile,
                       f"--window-position={MAIN[0]},{MAIN[1]}",
                       f"--window-size={WIDTH},{HEIGHT}", "--app=" + desktop.server_address]
            program = desktop._spawn(command, "chromium", cwd=desktop.workdir, env=desktop.env())
            desktop.program = program
            wait_until(lambda: desktop.windows(), 60, what="Chromium's window")
            # The home page without the program's title bar: the whole window.
            whole = (MAIN[0], MAIN[1], MAIN[0] + WIDTH, MAIN[1] + HEIGHT)
            wait_until(lambda: screen.saturated_fraction(screen.grab(whole)) >= 0.05, 60,
                       interval=0.2, what="the site in Chromium")
            time.sleep(args.settle)
            # Chromium shows a bar of its own over the page (the warning
            # about --no-sandbox, which running as root needs), some 60
            # pixels high: the click goes to the middle of the first poster
            # with or without it.
            x, y = MAIN[0] + FIRST_FILM[0], MAIN[1] + CHROMIUM_POSTER_MIDDLE
            desktop.move_pointer(x, y)
            time.sleep(0.3)
            clicked = time.monotonic()
            desktop._x("xdotool", "click", "1")
            result = {}
            while not film_events(desktop, "first-frame"):
                if time.monotonic() - clicked > 30:
                    raise AssertionError("timed out waiting for Chromium's first frame")
                time.sleep(POLL)
            result["first_frame"] = time.monotonic() - clicked
            playing_sample(desktop, program.pid, args.play, result)
            return result
        finally:
            screen.close()


def bare_run(args, index, extra_env=None):
    """The bare view on the play page."""
    with session(args, f"player-bare-{index}") as desktop:
        view = os.path.join(args.build, "bench", "quillo-bare-view")
        env = {**desktop.env(), **(extra_env or {})}
        program = desktop._spawn([view, desktop.server_address + "play/1.html"], "bare",
                                 cwd=desktop.workdir, env=env)
        desktop.program = program
        started = time.monotonic()
        while not film_events(desktop, "first-frame"):
            if time.monotonic() - started > 60:
                raise AssertionError("timed out waiting for the bare view's first frame")
            time.sleep(POLL)
        result = {"first_frame": time.monotonic() - started}
        playing_sample(desktop, program.pid, args.play, result)
        return result


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

            first_frame = []

            def video_shown():
                now = time.monotonic() - clicked
                if not first_frame and film_events(desktop, "first-frame"):
                    first_frame.append(now)
                strips.append((now, screen.grab(title_strip)))
                content = screen.grab(player_content)
                posters.append((now, screen.saturated_fraction(content.crop(RELATED_POSTERS))))
                return video_frame_shown(content)

            result["video"] = until(video_shown, "the play page's video")
            result["first_frame"] = first_frame[0] if first_frame else until(
                lambda: film_events(desktop, "first-frame"), "the clip's first frame report")
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
            playing_sample(desktop, desktop.program.pid, args.play, result)
            return result
        finally:
            screen.close()


def median_of(runs, key):
    values = [r[key] for r in runs if key in r]
    return statistics.median(values) if values else float("nan")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(REPO, "build"))
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--settle", type=float, default=5.0)
    parser.add_argument("--play", type=float, default=30.0,
                        help="seconds of playing sampled for CPU and dropped frames (30)")
    parser.add_argument("--no-chromium", action="store_true")
    parser.add_argument("--no-bare", action="store_true")
    parser.add_argument("--json")
    parser.add_argument("--verbose", action="store_true")
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    chromium = None if args.no_chromium else shutil.which("chromium")
    if not args.no_chromium and chromium is None:
        print("note: chromium is not installed (scripts/install-deps bench): left out",
              file=sys.stderr)
    subjects = [("Quillo", lambda i: one_run(args, i))]
    if chromium:
        subjects.append(("Chromium --app", lambda i: chromium_run(args, i, chromium)))
    if not args.no_bare:
        subjects.append(("bare view", lambda i: bare_run(args, i)))
        # The program composes its pages in software; so does this one.
        subjects.append(("bare view, sw",
                         lambda i: bare_run(args, i, {"QT_QUICK_BACKEND": "software"})))
    results = {label: [] for label, _ in subjects}
    for i in range(args.runs):
        for label, run_subject in subjects:
            try:
                run = run_subject(i)
            except (AssertionError, OSError, subprocess.SubprocessError) as error:
                print(f"run {i + 1} {label}: failed: {error}", flush=True)
                continue
            print(f"run {i + 1} {label}: " + "  ".join(f"{k} {v:.2f}" for k, v in run.items()),
                  flush=True)
            results[label].append(run)
    runs = results["Quillo"]
    print(f"median of {len(runs)} runs of the program:")
    for key, unit in (("main_pss", "MiB"), ("player_pss", "MiB"), ("mapped", "s"),
                      ("painted", "s"), ("page", "s"), ("video", "s")):
        print(f"  {key:11s} {median_of(runs, key):8.2f} {unit}")
    if runs:
        growth = statistics.median(r["player_pss"] - r["main_pss"] for r in runs)
        print(f"  player window adds {growth:.1f} MiB PSS")
    labels = [label for label, _ in subjects]
    print(f"{'':34s}" + "".join(f"{label:>16s}" for label in labels))
    for name, key, fmt in (("click (exec) to first frame, s", "first_frame", "{:.2f}"),
                           (f"CPU playing {args.play:.0f} s, % of a core", "cpu", "{:.1f}"),
                           ("frames in the sample (total)", "frames", "{:.0f}"),
                           ("frames dropped", "dropped", "{:.0f}")):
        cells = []
        for label in labels:
            value = median_of(results[label], key)
            cells.append("-" if value != value else fmt.format(value))
        print(f"{name:34s}" + "".join(f"{c:>16s}" for c in cells))
    print("(the bare view's first frame counts from its exec on the play page)")
    quillo = {key: median_of(runs, key) for key in ("first_frame", "cpu", "dropped")}
    if "Chromium --app" in results:
        chrome = median_of(results["Chromium --app"], "first_frame")
        print(f"target first frame <= 1.1x Chromium: {quillo['first_frame']:.2f} s against "
              f"{chrome:.2f} s: {'met' if quillo['first_frame'] <= 1.1 * chrome else 'NOT met'}")
    if "bare view" in results:
        cpu = median_of(results["bare view"], "cpu")
        dropped = median_of(results["bare view"], "dropped")
        print(f"target CPU <= 1.1x bare view: {quillo['cpu']:.1f}% against {cpu:.1f}%: "
              f"{'met' if quillo['cpu'] <= 1.1 * cpu else 'NOT met'}")
        print(f"target dropped frames <= bare view: {quillo['dropped']:.0f} against "
              f"{dropped:.0f}: {'met' if quillo['dropped'] <= dropped else 'NOT met'}")
    end_report(args.json, results)


if __name__ == "__main__":
    main()
