#!/usr/bin/python3
"""Fails when committed generated files differ from what their generator writes.

  check_generated.py GENERATOR COMMITTED_DIR [--leave SUBDIR]...

Runs GENERATOR --out <temporary directory> with this interpreter and compares
the two trees: the same file names, and each file the same bytes.  Files
under a SUBDIR left out belong to another generator and are not compared.  Pictures
whose encoders may differ between library versions (JPEG, PNG, GIF palettes,
icons) are compared by their decoded pixels when their bytes differ; a small
anti-aliasing difference passes, a changed colour, shape or text does not.
"""

import argparse
import os
import subprocess
import sys
import tempfile

from PIL import Image, ImageChops, ImageStat

PICTURES = (".gif", ".jpg", ".jpeg", ".png", ".ico")
# Limits for a picture whose bytes differ: re-encoding and font rasteriser
# versions move a few anti-aliased edge pixels; a changed colour, shape or
# text moves many.
MAX_MEAN_DIFF = 1.0  # mean absolute difference per channel, 0..255
LIMITS = (  # (channel difference, largest share of pixels that may exceed it)
    (3, 0.10),
    (48, 0.02),
)


def tree(root, leave=()):
    files = set()
    for dirpath, _, names in os.walk(root):
        for name in names:
            rel = os.path.relpath(os.path.join(dirpath, name), root)
            if not any(rel.startswith(sub.rstrip("/") + "/") for sub in leave):
                files.add(rel)
    return files


def frames(path):
    """Decoded RGBA frames of a picture (one per size for an icon)."""
    with Image.open(path) as img:
        if path.lower().endswith(".ico"):
            out = []
            for size in sorted(img.info.get("sizes", {img.size})):
                img.size = size
                out.append(img.copy().convert("RGBA"))
            return out
        return [img.convert("RGBA")]


def picture_difference(a, b):
    """None when the pictures match, else a description of the difference."""
    fa, fb = frames(a), frames(b)
    if [f.size for f in fa] != [f.size for f in fb]:
        return f"sizes {[f.size for f in fa]} != {[f.size for f in fb]}"
    for x, y in zip(fa, fb):
        diff = ImageChops.difference(x, y)
        mean = sum(ImageStat.Stat(diff).mean) / 4
        if mean > MAX_MEAN_DIFF:
            return f"pixels differ (mean difference {mean:.2f}) at size {x.size}"
        bands = diff.split()
        for limit, allowed in LIMITS:
            mask = None
            for band in bands:
                m = band.point(lambda v, limit=limit: 255 if v > limit else 0)
                mask = m if mask is None else ImageChops.lighter(mask, m)
            share = ImageStat.Stat(mask).mean[0] / 255
            if share > allowed:
                return (f"pixels differ ({share:.1%} of them by more than {limit}) "
                        f"at size {x.size}")
    return None


def compare(fresh_root, committed_root, leave=()):
    problems = []
    fresh, committed = tree(fresh_root), tree(committed_root, leave)
    for rel in sorted(fresh - committed):
        problems.append(f"{rel}: generated but not committed")
    for rel in sorted(committed - fresh):
        problems.append(f"{rel}: committed but no longer generated")
    for rel in sorted(fresh & committed):
        a, b = os.path.join(fresh_root, rel), os.path.join(committed_root, rel)
        with open(a, "rb") as fa, open(b, "rb") as fb:
            if fa.read() == fb.read():
                continue
        if rel.lower().endswith(PICTURES):
            why = picture_difference(a, b)
            if why:
                problems.append(f"{rel}: {why}")
        else:
            problems.append(f"{rel}: bytes differ")
    return problems


def main():
    parser = argparse.ArgumentParser(usage=__doc__)
    parser.add_argument("generator")
    parser.add_argument("committed")
    parser.add_argument("--leave", action="append", default=[])
    args = parser.parse_args()
    generator, committed = args.generator, args.committed
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, "out")
        subprocess.run([sys.executable, generator, "--out", out], check=True)
        problems = compare(out, committed, args.leave)
    if problems:
        print(f"{committed} is out of date with {generator}; run the generator and commit:")
        for p in problems:
            print("  " + p)
        return 1
    print(f"{committed}: {len(tree(committed, args.leave))} files match "
          f"{os.path.basename(generator)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
