#!/usr/bin/python3
"""Checks the program directory resources that the windows load by name.

  check_program_files.py PROGRAM_DIR

Every skin picture a window names must exist in Skins/Default, be of the
format its extension says and have the size of the control that shows it;
normal and hover pictures of a button, and active and inactive tabs, must
differ visibly.  The tray icon, loading page, language tables and delivered
Config.ini are checked for the format the program reads.
"""

import os
import re
import sys

from PIL import Image, ImageChops, ImageStat

CAPTION_WINDOWS = "MainWindow PlayerWindow ColumnWindow AppWindow"
SKINNED_WINDOWS = CAPTION_WINDOWS + " PopUnderWindow"
DIALOGS = "SettingsWindow AboutWindow"

# name: (width, height, windows that load it)
SKIN_FILES = {
    "Top.jpg": (22, 26, SKINNED_WINDOWS),
    "TopBackground.gif": (984, 30, SKINNED_WINDOWS),
    "Left.gif": (2, 623, SKINNED_WINDOWS),
    "Right.gif": (2, 623, SKINNED_WINDOWS),
    "Foot.gif": (984, 2, SKINNED_WINDOWS),
    "OptionC.gif": (44, 26, CAPTION_WINDOWS),
    "OptionD.gif": (44, 26, CAPTION_WINDOWS),
    "MinimalityA.gif": (26, 20, CAPTION_WINDOWS),
    "MinimalityB.gif": (26, 20, CAPTION_WINDOWS),
    "MaximizationA.gif": (26, 20, CAPTION_WINDOWS),
    "MaximizationB.gif": (26, 20, CAPTION_WINDOWS),
    "CloseA.gif": (26, 20, SKINNED_WINDOWS + " " + DIALOGS),
    "CloseB.gif": (26, 20, SKINNED_WINDOWS + " " + DIALOGS),
    "CloseC.gif": (51, 21, "CornerPopupWindow ExitPopupWindow"),
    "CloseD.gif": (51, 21, "CornerPopupWindow ExitPopupWindow"),
    "BackgroundA.gif": (552, 352, DIALOGS),
    "AboutLOGO.gif": (80, 80, "AboutWindow"),
}
for stem in "OptionA OptionE OptionG AboutB AboutD AboutF".split():
    SKIN_FILES[stem + ".gif"] = (102, 36, "SettingsWindow")
for stem in "OptionB OptionF OptionH AboutA AboutC AboutE".split():
    SKIN_FILES[stem + ".gif"] = (102, 36, "AboutWindow")
for button in ("Confirm", "Cancel", "Apply"):
    for letter in "ABCDEF":
        SKIN_FILES[f"{button}{letter}.gif"] = (81, 27, DIALOGS)

# Pictures that must look different: (normal, hover) and (active, inactive).
DIFFERENT_PAIRS = [
    ("OptionC.gif", "OptionD.gif"),
    ("MinimalityA.gif", "MinimalityB.gif"),
    ("MaximizationA.gif", "MaximizationB.gif"),
    ("CloseA.gif", "CloseB.gif"),
    ("CloseC.gif", "CloseD.gif"),
    ("OptionA.gif", "OptionB.gif"),
    ("OptionE.gif", "OptionF.gif"),
    ("OptionG.gif", "OptionH.gif"),
    ("AboutA.gif", "AboutB.gif"),
    ("AboutC.gif", "AboutD.gif"),
    ("AboutE.gif", "AboutF.gif"),
    # the English words differ from the Chinese ones
    ("ConfirmA.gif", "ConfirmE.gif"),
    ("OptionA.gif", "OptionG.gif"),
]
for button in ("Confirm", "Cancel", "Apply"):
    for normal, hover in ("AB", "CD", "EF"):
        DIFFERENT_PAIRS.append((f"{button}{normal}.gif", f"{button}{hover}.gif"))
# Mean difference per channel (0..255) that counts as visible.
VISIBLE_DIFF = 3.0

SIGNATURES = {".gif": (b"GIF87a", b"GIF89a"), ".jpg": (b"\xff\xd8\xff",)}

LANGUAGE_TABLES = ("Chinese Simplified.db", "Chinese Traditional.db", "English.db")
LANGUAGE_KEYS = ("Name", "Column 1", "Column 2", "Column 3", "Column 4", "Column 5")
CONFIG_KEYS = {"Language": "1", "Tray": "1", "Start": "0", "Rendering": "1", "Screen": "0"}


def ini_pairs(data, problems, label):
    """Key-value pairs of section [Config] of an INI file in GBK with CRLF."""
    if b"\n" in data.replace(b"\r\n", b""):
        problems.append(f"{label}: a line does not end with CR LF")
    try:
        text = data.decode("gbk")
    except UnicodeDecodeError as e:
        problems.append(f"{label}: not GBK ({e})")
        return {}
    lines = text.split("\r\n")
    if not lines or lines[0] != "[Config]":
        problems.append(f"{label}: does not start with section [Config]")
    pairs = {}
    for line in lines[1:]:
        if line:
            key, sep, value = line.partition("=")
            if not sep:
                problems.append(f"{label}: line without '=': {line!r}")
            pairs[key] = value
    return pairs


def check_skins(skins, problems):
    for name, (w, h, windows) in sorted(SKIN_FILES.items()):
        path = os.path.join(skins, name)
        if not os.path.isfile(path):
            problems.append(f"Skins/Default/{name}: missing (loaded by {windows})")
            continue
        with open(path, "rb") as f:
            head = f.read(8)
        ext = os.path.splitext(name)[1].lower()
        if not head.startswith(SIGNATURES[ext]):
            problems.append(f"Skins/Default/{name}: not a {ext[1:].upper()} file")
        with Image.open(path) as img:
            if img.size != (w, h):
                problems.append(f"Skins/Default/{name}: {img.size[0]}x{img.size[1]}, "
                                f"its control is {w}x{h}")
    for a, b in DIFFERENT_PAIRS:
        pa, pb = os.path.join(skins, a), os.path.join(skins, b)
        if not (os.path.isfile(pa) and os.path.isfile(pb)):
            continue
        with Image.open(pa) as ia, Image.open(pb) as ib:
            if ia.size != ib.size:
                continue
            diff = ImageChops.difference(ia.convert("RGB"), ib.convert("RGB"))
            mean = sum(ImageStat.Stat(diff).mean) / 3
        if mean < VISIBLE_DIFF:
            problems.append(f"{a} and {b} look the same (mean difference {mean:.2f})")


def check_icon(path, problems):
    if not os.path.isfile(path):
        problems.append("Icon/TrayLOGO.ico: missing")
        return
    with Image.open(path) as ico:
        if ico.format != "ICO":
            problems.append("Icon/TrayLOGO.ico: not an icon file")
            return
        sizes = set(ico.info.get("sizes", ()))
        for s in (16, 32, 48):
            if (s, s) not in sizes:
                problems.append(f"Icon/TrayLOGO.ico: no {s}x{s} image")
                continue
            ico.size = (s, s)
            frame = ico.copy().convert("RGBA")
            alpha = frame.getchannel("A")
            if alpha.getextrema()[1] == 0:
                problems.append(f"Icon/TrayLOGO.ico: {s}x{s} image is fully transparent")


# Anything that would make a page fetch from outside its own file.
OUTSIDE_RESOURCE = re.compile(r"(?:src|href)\s*=|url\(|@import|https?://", re.IGNORECASE)


def check_loading_page(path, problems):
    if not os.path.isfile(path):
        problems.append("Html/Loading.html: missing")
        return
    with open(path, encoding="utf-8") as f:
        text = f.read()
    # Shown from a file before the network is up: nothing may be fetched.
    if OUTSIDE_RESOURCE.search(text):
        problems.append("Html/Loading.html: refers to an outside resource")
    if "正在加载" not in text:
        problems.append("Html/Loading.html: no loading text")


# The main window's page for an unreachable content server, per language:
# the words that say so, and a link to the program's retry address (which the
# program catches; see src/ui/main/unreachable_page.hpp).
UNREACHABLE_PAGES = {
    "Unreachable.zh-CN.html": "无法连接",
    "Unreachable.zh-TW.html": "無法連線",
    "Unreachable.en.html": "cannot be reached",
}
RETRY_LINK = 'href="quillo:retry"'


def check_unreachable_pages(html_dir, problems):
    check_local_pages(html_dir, UNREACHABLE_PAGES, RETRY_LINK,
                      lambda text: text.count(RETRY_LINK) == 1, "no single retry link",
                      "the service cannot be reached", problems)


# The page a browser view shows after its renderer ended twice, per language
# (see src/ui/main/crashed_page.hpp): the words that say so, and the reload
# link, whose address the page takes from its fragment.
CRASHED_PAGES = {
    "Crashed.zh-CN.html": "页面已停止运行",
    "Crashed.zh-TW.html": "頁面已停止執行",
    "Crashed.en.html": "stopped working",
}
RELOAD_LINK = 'id="reload"'


def check_crashed_pages(html_dir, problems):
    check_local_pages(html_dir, CRASHED_PAGES, RELOAD_LINK,
                      lambda text: text.count(RELOAD_LINK) == 1 and "location.hash" in text,
                      "no single reload link to the page in its fragment",
                      "the page stopped working", problems)


def check_local_pages(html_dir, pages, link, has_link, no_link, meaning, problems):
    """Pages shown when the network or a renderer failed, one per language
    ({file name: words that say what happened}): each has its one link
    (has_link(text), else the fault no_link), fetches nothing from outside
    its file besides that link, and says `meaning` in its words."""
    for name, words in pages.items():
        path = os.path.join(html_dir, name)
        if not os.path.isfile(path):
            problems.append(f"Html/{name}: missing")
            continue
        with open(path, encoding="utf-8") as f:
            text = f.read()
        if not has_link(text):
            problems.append(f"Html/{name}: {no_link}")
        if OUTSIDE_RESOURCE.search(text.replace(link, "")):
            problems.append(f"Html/{name}: refers to an outside resource")
        if words not in text:
            problems.append(f"Html/{name}: does not say {meaning}")


def check_language_tables(lang_dir, problems):
    for name in LANGUAGE_TABLES:
        path = os.path.join(lang_dir, name)
        if not os.path.isfile(path):
            problems.append(f"Language/{name}: missing")
            continue
        with open(path, "rb") as f:
            pairs = ini_pairs(f.read(), problems, f"Language/{name}")
        for key in LANGUAGE_KEYS:
            if not pairs.get(key):
                problems.append(f"Language/{name}: key {key!r} missing or empty")


def check_config(path, problems):
    if not os.path.isfile(path):
        problems.append("Config.ini: missing")
        return
    with open(path, "rb") as f:
        pairs = ini_pairs(f.read(), problems, "Config.ini")
    for key, value in CONFIG_KEYS.items():
        if pairs.get(key) != value:
            problems.append(f"Config.ini: {key}={pairs.get(key)!r}, expected {value!r}")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    problems = []
    check_skins(os.path.join(root, "Skins", "Default"), problems)
    check_icon(os.path.join(root, "Icon", "TrayLOGO.ico"), problems)
    check_loading_page(os.path.join(root, "Html", "Loading.html"), problems)
    check_unreachable_pages(os.path.join(root, "Html"), problems)
    check_crashed_pages(os.path.join(root, "Html"), problems)
    check_language_tables(os.path.join(root, "Language"), problems)
    check_config(os.path.join(root, "Config.ini"), problems)
    for p in problems:
        print(p)
    if problems:
        return 1
    print(f"{root}: {len(SKIN_FILES)} skin pictures and the program files are in order")
    return 0


if __name__ == "__main__":
    sys.exit(main())
