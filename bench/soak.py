#!/usr/bin/python3
"""A long run of the real program under Xvfb, for leaks: memory, processes,
descriptors and threads over time while windows come and go.

usage: bench/soak.py [--build DIR] [--minutes M] [--sample S] [--json FILE]

The program runs (on its own Xvfb screen, against the demo content server on
a copy of the demo site whose pop-under is on with a 5 s period) for
--minutes (default 10). Meanwhile the benchmark closes the pop-under by its
close button each time it shows (raised first: it opens beneath the main
window), and opens the player window (a click on the first film of the
library) and closes it again every 20 s. Every --sample seconds (default 30)
it reads, over the program and all its descendants (the browser engine's
processes): RSS and PSS (MiB, /proc/PID/smaps_rollup), processes, open
descriptors (/proc/PID/fd) and threads (/proc/PID/task). At the end it prints
the samples and, from a least-squares line through the samples after the
first 3 minutes taken while the player window was closed, the growth of
each per hour, with the number of pop-unders
and players seen and the load average. Target: RSS growth <= 10 MiB an hour
over a 30-minute run (--minutes 30).
"""

import argparse
import os
import shutil
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(HERE)
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(REPO, "tests", "desktop"))

from desktop_driver import DesktopSession, wait_until  # noqa: E402
from desktop_startup import end_report, Screen, descendants, tree_memory  # noqa: E402

MAIN = (50, 50)
CASCADE = 30
TITLE_BAR = 28
FIRST_FILM = (24 + 66, 400)  # page-relative, as in the desktop tests
CLOSE_BUTTON = (963, 14)  # of the main and player windows
POP_UNDER_CLOSE = (579, 14)
POP_UNDER_PERIOD = 5
PLAYER_EVERY = 20
WARM_UP = 180  # seconds left out of the growth


def counts(root):
    """(processes, descriptors, threads) of the tree."""
    pids = descendants(root)
    fds = threads = 0
    for pid in pids:
        try:
            fds += len(os.listdir(f"/proc/{pid}/fd"))
            threads += len(os.listdir(f"/proc/{pid}/task"))
        except OSError:
            pass
    return len(pids), fds, threads


def slope_per_hour(points):
    """Least-squares slope of (seconds, value) points, per hour."""
    if len(points) < 2:
        return float("nan")
    n = len(points)
    mean_t = sum(t for t, _ in points) / n
    mean_v = sum(v for _, v in points) / n
    var = sum((t - mean_t) ** 2 for t, _ in points)
    if var == 0:
        return float("nan")
    return 3600 * sum((t - mean_t) * (v - mean_v) for t, v in points) / var


def site_copy(workdir):
    site = os.path.join(workdir, "soak-site")
    shutil.copytree(os.path.join(REPO, "demo", "site"), site)
    with open(os.path.join(site, "ads", "btkg.html"), "wb") as page:
        page.write("开".encode("gbk"))
    with open(os.path.join(site, "ads", "btsj.html"), "w", encoding="ascii") as page:
        page.write(str(POP_UNDER_PERIOD))
    return site


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(REPO, "build"))
    parser.add_argument("--minutes", type=float, default=10.0)
    parser.add_argument("--sample", type=float, default=30.0)
    parser.add_argument("--json")
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    artifacts = os.path.join(args.build, "bench-artifacts")
    os.makedirs(artifacts, exist_ok=True)
    site = site_copy(artifacts)
    samples = []
    pop_unders = players = 0
    try:
        with DesktopSession(os.path.join(args.build, "program"),
                            os.path.join(args.build, "tools", "content_server",
                                         "quillo-content-server"),
                            site, artifacts, "soak") as desktop:
            screen = Screen(desktop.display, desktop.env())
            try:
                desktop.start_program()
                wait_until(lambda: desktop.windows(), 60, what="the main window")
                content = (MAIN[0] + 2, MAIN[1] + TITLE_BAR + 2, MAIN[0] + 982, MAIN[1] + 622)
                wait_until(lambda: screen.saturated_fraction(screen.grab(content)) >= 0.05, 60,
                           interval=0.2, what="the site in the main window")
                name = desktop.title(desktop.windows()[0])
                pop_title, player_title = name + " 背投广告", name + " 播放器"
                started = time.monotonic()
                end = started + 60 * args.minutes
                next_sample = started
                next_player = started + PLAYER_EVERY
                player = None
                while time.monotonic() < end:
                    if not desktop.program_running():
                        raise SystemExit("soak.py: the program ended")
                    now = time.monotonic()
                    if now >= next_sample:
                        pss, rss, processes, _ = tree_memory(desktop.program.pid)
                        processes, fds, threads = counts(desktop.program.pid)
                        shown = [desktop.title(w) for w in desktop.windows()]
                        sample = dict(t=now - started, rss=rss, pss=pss, processes=processes,
                                      fds=fds, threads=threads,
                                      player=player_title in shown)
                        samples.append(sample)
                        print(f"{sample['t']:7.0f} s  RSS {rss:7.1f} MiB  PSS {pss:7.1f} MiB  "
                              f"processes {processes:3d}  descriptors {fds:4d}  "
                              f"threads {threads:4d}  ({pop_unders} pop-unders, "
                              f"{players} players{', player open' if sample['player'] else ''})",
                              flush=True)
                        next_sample += args.sample
                    windows = {w: desktop.title(w) for w in desktop.windows()}
                    for window, title in windows.items():
                        if title == pop_title:
                            desktop._x("xdotool", "windowraise", window)
                            x, y = desktop.geometry(window)[:2]
                            desktop.click(x + POP_UNDER_CLOSE[0], y + POP_UNDER_CLOSE[1])
                            pop_unders += 1
                    if now >= next_player:
                        next_player += PLAYER_EVERY
                        if player is None:
                            desktop.click(MAIN[0] + FIRST_FILM[0],
                                          MAIN[1] + TITLE_BAR + FIRST_FILM[1])
                            player = True
                        else:
                            found = [w for w, t in windows.items() if t == player_title]
                            for window in found:
                                desktop._x("xdotool", "windowraise", window)
                                x, y = desktop.geometry(window)[:2]
                                desktop.click(x + CLOSE_BUTTON[0], y + CLOSE_BUTTON[1])
                                players += 1
                            player = None
                    time.sleep(0.5)
            finally:
                screen.close()
    finally:
        shutil.rmtree(site, ignore_errors=True)
    # The player window holds a renderer and a film while it is open: the
    # growth is read from the samples taken with it closed, so that where
    # the samples fall in its cycle does not pass for growth.
    later = [s for s in samples if s["t"] >= WARM_UP and not s["player"]]
    print(f"{len(samples)} samples over {args.minutes:.0f} min, {pop_unders} pop-unders "
          f"closed, {players} players opened and closed; growth from the {len(later)} "
          f"samples with the player closed after the first {WARM_UP // 60} min")
    for key, unit in (("rss", "MiB"), ("pss", "MiB"), ("processes", ""), ("fds", ""),
                      ("threads", "")):
        first = later[0][key] if later else float("nan")
        last = later[-1][key] if later else float("nan")
        growth = slope_per_hour([(s["t"], s[key]) for s in later])
        print(f"  {key:10s} {first:8.1f} -> {last:8.1f} {unit:3s}: {growth:+8.1f} {unit} an hour")
    if later:
        growth = slope_per_hour([(s["t"], s["rss"]) for s in later])
        print(f"target RSS growth <= 10 MiB an hour: {growth:+.1f}: "
              f"{'met' if growth <= 10 else 'NOT met'}")
    end_report(args.json, samples)


if __name__ == "__main__":
    main()
