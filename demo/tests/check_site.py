#!/usr/bin/python3
"""Checks the demo content site against what the program asks of it.

  check_site.py SITE_DIR

Every page the program fetches or navigates exists under ads/; switch pages
are exactly the GBK bytes of 开 or 关; text, number and address pages are GBK
without line breaks or padding; address pages point at pages of the site.
Every HTML page is self-contained (no address outside the demo server) and
every local link and picture it names exists.  The film and application
pages open in new windows, as the program expects.  The play pages' video
clip is an MP4 of H.264 video and AAC audio lasting a few seconds, with its
index before its data so that playback starts while it downloads.
"""

import os
import re
import struct
import sys
from html.parser import HTMLParser

BASE = "http://127.0.0.1:8917/"
SWITCH_BYTES = (b"\xbf\xaa", b"\xb9\xd8")  # 开, 关

SWITCH = "switch"
TEXT = "text"
NUMBER = "number"
ADDRESS = "address"
LANGUAGE = "language"
NAVIGATED = "navigated"

PAGES = {
    "ksqd.html": SWITCH,
    "namejt.html": TEXT,
    "nameft.html": TEXT,
    "nameyy.html": TEXT,
    "zdylm1.html": SWITCH,
    "zdylm2.html": SWITCH,
    "zdylm1dz.html": ADDRESS,
    "zdylm2dz.html": ADDRESS,
    "tv.html": NAVIGATED,
    "app.html": NAVIGATED,
    "qzsj.html": SWITCH,
    "1.0.1303.21.html": SWITCH,
    "btkg.html": SWITCH,
    "btsj.html": NUMBER,
    "beitou.html": NAVIGATED,
    "ytkg.html": SWITCH,
    "youtan.html": NAVIGATED,
    "ttkg.html": SWITCH,
    "tuitan.html": NAVIGATED,
    "rjyyqz.html": SWITCH,
    "rjyy.html": LANGUAGE,
    "kefuqq.html": NUMBER,
    "bb.html": TEXT,
    "sjbb.html": TEXT,
    "gyrjjt.html": TEXT,
    "gyrjft.html": TEXT,
    "gyrjyy.html": TEXT,
}
for n in range(1, 5):
    PAGES[f"wz{n}kg.html"] = SWITCH
    PAGES[f"ads{n}rn.html"] = TEXT
    PAGES[f"ads{n}dz.html"] = ADDRESS

# Pages whose links must open a new window, with the links' path pattern.
NEW_WINDOW_LINKS = {
    "index.html": r"^play/\d+\.html$",
    "ads/app.html": r"^\.\./apps/[a-z]+\.html$",
}


class Links(HTMLParser):
    def __init__(self):
        super().__init__()
        self.refs = []  # (tag, attribute, value, attributes)

    def handle_starttag(self, tag, attrs):
        a = dict(attrs)
        for name in ("href", "src"):
            if a.get(name):
                self.refs.append((tag, name, a[name], a))


def local_target(site, page_rel, ref):
    ref = ref.split("#", 1)[0]
    if not ref:
        return None
    if ref.startswith(BASE):
        return os.path.normpath(os.path.join(site, ref[len(BASE):]))
    return os.path.normpath(os.path.join(site, os.path.dirname(page_rel), ref))


def check_fetched(site, problems):
    for name, kind in sorted(PAGES.items()):
        rel = "ads/" + name
        path = os.path.join(site, rel)
        if not os.path.isfile(path):
            problems.append(f"{rel}: missing")
            continue
        with open(path, "rb") as f:
            body = f.read()
        if kind == NAVIGATED:
            if b"<html" not in body.lower():
                problems.append(f"{rel}: not an HTML page")
            continue
        if kind == SWITCH:
            if body not in SWITCH_BYTES:
                problems.append(f"{rel}: switch body {body!r} is neither 开 nor 关 in GBK")
            continue
        try:
            text = body.decode("gbk")
        except UnicodeDecodeError:
            problems.append(f"{rel}: not GBK")
            continue
        if not text or text != text.strip() or "\r" in text or "\n" in text:
            problems.append(f"{rel}: empty, padded or with a line break: {text!r}")
        if kind == NUMBER and not text.isdigit():
            problems.append(f"{rel}: not a number: {text!r}")
        if kind == LANGUAGE and text not in ("1", "2", "3"):
            problems.append(f"{rel}: not a language code: {text!r}")
        if kind == ADDRESS:
            target = local_target(site, rel, text) if text.startswith(BASE) else None
            if not target or not os.path.isfile(target):
                problems.append(f"{rel}: {text!r} is no page of the demo site")


def check_html(site, problems):
    for dirpath, _, names in os.walk(site):
        for name in names:
            path = os.path.join(dirpath, name)
            rel = os.path.relpath(path, site).replace(os.sep, "/")
            if not name.endswith(".html") or (rel.startswith("ads/") and PAGES.get(name) != NAVIGATED):
                continue
            with open(path, encoding="utf-8") as f:
                text = f.read()
            for url in re.findall(r"(?:https?:)?//[^\s\"'<>)]+", text):
                if not url.startswith(BASE):
                    problems.append(f"{rel}: refers outside the demo server: {url}")
            parser = Links()
            parser.feed(text)
            for tag, attr, value, attrs in parser.refs:
                target = local_target(site, rel, value)
                if target and not value.startswith(("http:", "https:", "//")) and not os.path.isfile(target):
                    problems.append(f"{rel}: <{tag} {attr}={value!r}> names a missing file")
            pattern = NEW_WINDOW_LINKS.get(rel)
            if pattern:
                links = [a for tag, attr, v, a in parser.refs if tag == "a" and re.match(pattern, v)]
                if not links:
                    problems.append(f"{rel}: no links matching {pattern}")
                for a in links:
                    if a.get("target") != "_blank":
                        problems.append(f"{rel}: link {a.get('href')} does not open a new window")


CLIP = "media/trailer.mp4"
CLIP_SECONDS = (2, 15)
CONTAINERS = {b"moov", b"trak", b"mdia", b"minf", b"stbl"}


def boxes(data, start=0, end=None):
    """(type, payload start, payload end) of the MP4 boxes in data[start:end]."""
    end = len(data) if end is None else end
    pos = start
    while pos + 8 <= end:
        size, kind = struct.unpack(">I4s", data[pos:pos + 8])
        header = 8
        if size == 1:
            size = struct.unpack(">Q", data[pos + 8:pos + 16])[0]
            header = 16
        elif size == 0:
            size = end - pos
        if size < header or pos + size > end:
            raise ValueError(f"box {kind!r} at {pos} overruns the file")
        yield kind, pos + header, pos + size
        pos += size


def sample_entries(data, start, end, found):
    """Codes of the sample descriptions (stsd) under the box range."""
    for kind, a, b in boxes(data, start, end):
        if kind in CONTAINERS:
            sample_entries(data, a, b, found)
        elif kind == b"stsd":
            for entry, _, _ in boxes(data, a + 8, b):
                found.append(entry)


def check_clip(site, problems):
    path = os.path.join(site, CLIP)
    if not os.path.isfile(path):
        problems.append(f"{CLIP}: missing (run demo/make_video.py)")
        return
    with open(path, "rb") as f:
        data = f.read()
    try:
        top = list(boxes(data))
        kinds = [k for k, _, _ in top]
        if not kinds or kinds[0] != b"ftyp":
            problems.append(f"{CLIP}: not an MP4 file")
            return
        if b"moov" not in kinds or b"mdat" not in kinds or kinds.index(b"moov") > kinds.index(b"mdat"):
            problems.append(f"{CLIP}: the index (moov) does not come before the data")
            return
        _, a, b = top[kinds.index(b"moov")]
        mvhd = next((x, y) for k, x, y in boxes(data, a, b) if k == b"mvhd")
        version = data[mvhd[0]]
        if version == 1:
            timescale, duration = struct.unpack(">IQ", data[mvhd[0] + 20:mvhd[0] + 32])
        else:
            timescale, duration = struct.unpack(">II", data[mvhd[0] + 12:mvhd[0] + 20])
        seconds = duration / timescale if timescale else 0
        if not CLIP_SECONDS[0] <= seconds <= CLIP_SECONDS[1]:
            problems.append(f"{CLIP}: lasts {seconds:.1f} s, not a few seconds")
        entries = []
        sample_entries(data, a, b, entries)
        for codec in (b"avc1", b"mp4a"):
            if codec not in entries:
                problems.append(f"{CLIP}: no {codec.decode()} track (has {entries})")
    except (ValueError, StopIteration, struct.error) as e:
        problems.append(f"{CLIP}: unreadable MP4: {e}")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    site = sys.argv[1]
    problems = []
    check_fetched(site, problems)
    check_html(site, problems)
    check_clip(site, problems)
    for p in problems:
        print(p)
    if problems:
        return 1
    print(f"{site}: {len(PAGES)} content-server pages and all HTML pages are in order")
    return 0


if __name__ == "__main__":
    sys.exit(main())
