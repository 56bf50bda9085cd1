#!/usr/bin/python3
"""Writes the demo video clip that the play pages of the demo site play.

A few seconds of H.264 video (a moving test pattern with a running clock)
and AAC audio (a quiet tone) in an MP4 file with its index at the front,
so that playback starts before the whole file has arrived:

  /usr/bin/python3 demo/make_video.py            # writes demo/site/media/trailer.mp4

Made by ffmpeg from Debian; when it is missing the script installs it
through scripts/install-deps (as root) or names the command to run.  The
clip is committed, so building and testing need no ffmpeg.  The output is
the same bytes on every run with the same ffmpeg.
"""

import argparse
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

CLIP = "media/trailer.mp4"
SECONDS = 6
WIDTH, HEIGHT, RATE = 1280, 720, 30
TONE_HZ = 440


def ensure_ffmpeg():
    if shutil.which("ffmpeg"):
        return
    subprocess.run([os.path.join(ROOT, "scripts", "install-deps"), "video"], check=False)
    if not shutil.which("ffmpeg"):
        sys.exit("make_video.py: ffmpeg is missing (scripts/install-deps video)")


def ffmpeg_command(out):
    pattern = f"testsrc2=size={WIDTH}x{HEIGHT}:rate={RATE}:duration={SECONDS}"
    tone = f"sine=frequency={TONE_HZ}:sample_rate=44100:duration={SECONDS},volume=0.25"
    return [
        "ffmpeg", "-hide_banner", "-loglevel", "error", "-y",
        "-f", "lavfi", "-i", pattern,
        "-f", "lavfi", "-i", tone,
        "-map", "0:v", "-map", "1:a",
        # H.264 Main profile in 4:2:0, a key frame every two seconds.
        "-c:v", "libx264", "-profile:v", "main", "-preset", "medium", "-crf", "30",
        "-pix_fmt", "yuv420p", "-g", str(RATE * 2), "-threads", "1",
        "-c:a", "aac", "-b:a", "64k", "-ac", "1",
        # Index first; no encoder names or dates, so the bytes repeat.
        "-movflags", "+faststart", "-map_metadata", "-1",
        "-fflags", "+bitexact", "-flags:v", "+bitexact", "-flags:a", "+bitexact",
        out,
    ]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(HERE, "site"),
                        help="site directory to write into (default: demo/site)")
    args = parser.parse_args()
    ensure_ffmpeg()
    out = os.path.join(args.out, CLIP)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    subprocess.run(ffmpeg_command(out), check=True)
    print(f"make_video.py: wrote {out} ({os.path.getsize(out)} bytes)")


if __name__ == "__main__":
    main()
