#!/usr/bin/python3
"""Draws the Quillo program directory resources.

Writes, under the output directory (default: resources/program next to this
script's folder):

  Skins/Default/*.gif, Top.jpg   the skin pictures of every window
  Icon/TrayLOGO.ico              the tray icon (16, 32 and 48 pixels)
  Html/Loading.html              the local loading page
  Html/Unreachable.*.html        the "service cannot be reached" page, per language
  Html/Crashed.*.html            the "page stopped working" page of a browser view, per language
  Language/*.db                  the three language tables (GBK, CRLF)
  Config.ini                     the delivered settings (CRLF)

The output is deterministic: fixed fonts, fixed sizes, no timestamps.  Run it
by hand after changing a picture and commit the results:

  /usr/bin/python3 resources/skins/generate.py

Needs Python 3 with Pillow (Debian: python3-pil) and the WenQuanYi Zen Hei
font (Debian: fonts-wqy-zenhei).
"""

import argparse
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

FONT_PATH = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"

# Scale at which shapes are drawn before they are reduced, for smooth edges.
SS = 4

# Palette of the dark theme.
ACCENT = (0x91, 0xBB, 0x00)
ACCENT_LIGHT = (0xB0, 0xDA, 0x1E)
ACCENT_DARK = (0x6E, 0x8F, 0x00)
TEXT = (0xEC, 0xEC, 0xEC)
TEXT_DIM = (0x9A, 0xA3, 0xAD)
GLYPH = (0xC3, 0xC9, 0xD0)
BAR_TOP = (0x30, 0x37, 0x40)
BAR_BOTTOM = (0x1C, 0x21, 0x26)
BAR_HIGHLIGHT = (0x45, 0x4E, 0x58)
BAR_SHADOW = (0x0F, 0x12, 0x15)
EDGE_OUTER = (0x0E, 0x10, 0x13)
EDGE_INNER = (0x2E, 0x35, 0x3D)
BODY_TOP = (0x23, 0x28, 0x2E)
BODY_BOTTOM = (0x1B, 0x1F, 0x24)
SIDEBAR = (0x17, 0x1A, 0x1E)
FOOTER = (0x19, 0x1C, 0x20)
SEPARATOR = (0x2C, 0x32, 0x39)
HOVER_FILL = (0x42, 0x4B, 0x55)
CLOSE_HOVER = (0xE0, 0x48, 0x3C)

TITLE_W, TITLE_H = 984, 30
DIALOG_W, DIALOG_H = 552, 352
DIALOG_HEADER_H = 33  # rows 0..32; the close button sits at 520, 8
DIALOG_SIDEBAR_W = 122
DIALOG_FOOTER_TOP = 290
# The dialog header repeats the title-bar gradient four rows lower, so the
# caption close button (drawn for the title bar at top 4) matches it at top 8.
DIALOG_HEADER_SHIFT = 4

LANGUAGES = ("jt", "ft", "yy")  # Simplified, Traditional, English

# Letters of the language-dependent pictures.
TAB_OPTION_ACTIVE = {"jt": "OptionA", "ft": "OptionE", "yy": "OptionG"}
TAB_OPTION_INACTIVE = {"jt": "OptionB", "ft": "OptionF", "yy": "OptionH"}
TAB_ABOUT_ACTIVE = {"jt": "AboutA", "ft": "AboutC", "yy": "AboutE"}
TAB_ABOUT_INACTIVE = {"jt": "AboutB", "ft": "AboutD", "yy": "AboutF"}
BUTTON_LETTERS = {"jt": ("A", "B"), "ft": ("C", "D"), "yy": ("E", "F")}

TAB_WORDS = {
    "jt": ("选项", "关于"),
    "ft": ("選項", "關於"),
    "yy": ("Options", "About"),
}
BUTTON_WORDS = {
    "jt": {"Confirm": "确定", "Cancel": "取消", "Apply": "应用"},
    "ft": {"Confirm": "確定", "Cancel": "取消", "Apply": "應用"},
    "yy": {"Confirm": "OK", "Cancel": "Cancel", "Apply": "Apply"},
}
# Left edge of each dialog button (all at top 300, 81x27).
BUTTON_LEFT = {"Confirm": 186, "Cancel": 291, "Apply": 398}
BUTTON_TOP = 300
BUTTON_W, BUTTON_H = 81, 27
TAB_LEFT, TAB_W, TAB_H = 10, 102, 36
TAB_TOP_OPTION, TAB_TOP_ABOUT = 36, 73
LOGO_LEFT, LOGO_TOP, LOGO_SIZE = 424, 40, 80

LANGUAGE_TABLES = {
    "Chinese Simplified.db": [
        ("Name", "Quillo影音"),
        ("Column 1", "影视片库"),
        ("Column 2", "电视直播"),
        ("Column 3", "应用中心"),
        ("Column 4", "玩玩游戏"),
        ("Column 5", "官方推荐"),
    ],
    "Chinese Traditional.db": [
        ("Name", "Quillo影音"),
        ("Column 1", "影視片庫"),
        ("Column 2", "電視直播"),
        ("Column 3", "應用中心"),
        ("Column 4", "玩玩遊戲"),
        ("Column 5", "官方推薦"),
    ],
    "English.db": [
        ("Name", "Quillo Video"),
        ("Column 1", "Films"),
        ("Column 2", "Live TV"),
        ("Column 3", "Apps"),
        ("Column 4", "Games"),
        ("Column 5", "Picks"),
    ],
}

CONFIG = [
    ("Language", "1"),
    ("Tray", "1"),
    ("Start", "0"),
    ("Rendering", "1"),
    ("Screen", "0"),
]


# ---------------------------------------------------------------- helpers


def lerp(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(len(a)))


def font(size):
    return ImageFont.truetype(FONT_PATH, size, index=0)


def title_row_colour(y):
    """Colour of row y (0..29) of the title bar."""
    if y <= 0:
        return BAR_HIGHLIGHT
    if y >= TITLE_H - 1:
        return BAR_SHADOW
    return lerp(BAR_TOP, BAR_BOTTOM, (y - 1) / (TITLE_H - 3))


def title_bar():
    img = Image.new("RGB", (TITLE_W, TITLE_H))
    draw = ImageDraw.Draw(img)
    for y in range(TITLE_H):
        draw.line([(0, y), (TITLE_W - 1, y)], fill=title_row_colour(y))
    return img


def title_crop(top, w, h):
    """Title-bar background under a control at the given top."""
    return title_bar().crop((0, top, w, top + h))


def dialog_row_colour(y):
    if y < DIALOG_HEADER_H - 1:
        return title_row_colour(min(max(y - DIALOG_HEADER_SHIFT, 1), TITLE_H - 2))
    if y == DIALOG_HEADER_H - 1:
        return BAR_SHADOW
    t = (y - DIALOG_HEADER_H) / (DIALOG_H - DIALOG_HEADER_H - 1)
    return lerp(BODY_TOP, BODY_BOTTOM, t)


def supersampled(base, painter):
    """Runs painter(layer, draw, scale) on an enlarged copy of base, then reduces it."""
    w, h = base.size
    big = base.convert("RGBA").resize((w * SS, h * SS), Image.Resampling.NEAREST)
    layer = Image.new("RGBA", big.size, (0, 0, 0, 0))
    painter(layer, ImageDraw.Draw(layer), SS)
    big = Image.alpha_composite(big, layer)
    return big.resize((w, h), Image.Resampling.LANCZOS).convert("RGB")


def draw_centered_text(img, text, size, colour, box=None, shadow=None):
    """Draws text centred in box (x, y, w, h) on the font's middle line, so
    that words with and without descenders sit on the same baseline."""
    draw = ImageDraw.Draw(img)
    bx, by, bw, bh = box if box else (0, 0, img.size[0], img.size[1])
    x, y = bx + bw / 2, by + bh / 2
    if shadow:
        draw.text((x, y + 1), text, font=font(size), fill=shadow, anchor="mm")
    draw.text((x, y), text, font=font(size), fill=colour, anchor="mm")


def save_gif(img, path):
    pal = img.convert("RGB").quantize(
        colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE
    )
    pal.save(path, format="GIF")


def save_jpeg(img, path):
    img.convert("RGB").save(path, format="JPEG", quality=95, subsampling=0, optimize=False)


# ---------------------------------------------------------------- the mark


def paint_mark(layer, s, x, y, size):
    """The Quillo mark on layer: a green rounded square with a white play triangle."""
    n = round(size * s)
    r = size * 0.24 * s
    square = Image.new("RGBA", (n, n))
    sd = ImageDraw.Draw(square)
    for i in range(n):
        sd.line([(0, i), (n - 1, i)], fill=lerp(ACCENT_LIGHT, ACCENT_DARK, i / (n - 1)) + (255,))
    shine = Image.new("RGBA", (n, n), (0, 0, 0, 0))
    ImageDraw.Draw(shine).rounded_rectangle([s, s, n - 1 - s, n * 0.48], radius=max(r - s, 1),
                                            fill=(255, 255, 255, 34))
    square = Image.alpha_composite(square, shine)
    cx, cy, h = n / 2 + n * 0.05, n / 2, n * 0.44
    ImageDraw.Draw(square).polygon(
        [(cx - h * 0.42, cy - h / 2), (cx - h * 0.42, cy + h / 2), (cx + h * 0.5, cy)],
        fill=(255, 255, 255, 255),
    )
    mask = Image.new("L", (n, n), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, n - 1, n - 1], radius=r, fill=255)
    square.putalpha(mask)
    layer.alpha_composite(square, (round(x * s), round(y * s)))


def mark_image(size, background=None):
    """The mark on a transparent (or given) background, size x size."""
    base = background if background is not None else Image.new("RGBA", (size, size), (0, 0, 0, 0))
    w, h = base.size
    big = base.convert("RGBA").resize((w * SS, h * SS), Image.Resampling.NEAREST)
    layer = Image.new("RGBA", big.size, (0, 0, 0, 0))
    inset = 0 if size <= 16 else size / 24
    paint_mark(layer, SS, inset + (w - size) / 2, inset + (h - size) / 2,
               size - 2 * inset)
    big = Image.alpha_composite(big, layer)
    return big.resize((w, h), Image.Resampling.LANCZOS)


# ---------------------------------------------------------------- title bar


def logo_picture():
    """Top.jpg: 22x26 logo at 6,3 of the title bar."""
    bg = title_crop(3, 22, 26)
    big = bg.convert("RGBA").resize((22 * SS, 26 * SS), Image.Resampling.NEAREST)
    layer = Image.new("RGBA", big.size, (0, 0, 0, 0))
    paint_mark(layer, SS, 1, 3, 20)
    big = Image.alpha_composite(big, layer)
    return big.resize((22, 26), Image.Resampling.LANCZOS).convert("RGB")


def caption_button(kind, hover):
    """26x20 caption buttons at top 4 of the title bar."""
    w, h = 26, 20

    def paint(layer, d, s):
        if hover:
            fill = CLOSE_HOVER if kind == "close" else HOVER_FILL
            d.rounded_rectangle([1 * s, 1 * s, (w - 1) * s - 1, (h - 1) * s - 1], radius=3 * s,
                                fill=fill + (255,))
        colour = (255, 255, 255, 255) if hover else GLYPH + (255,)
        lw = int(1.6 * s)
        cx, cy = w / 2 * s, h / 2 * s
        if kind == "min":
            d.line([(cx - 5 * s, cy + 3 * s), (cx + 5 * s, cy + 3 * s)], fill=colour, width=lw)
        elif kind == "max":
            d.rectangle([cx - 5 * s, cy - 4.5 * s, cx + 5 * s, cy + 4.5 * s], outline=colour,
                        width=lw)
            d.line([(cx - 5 * s, cy - 3.2 * s), (cx + 5 * s, cy - 3.2 * s)], fill=colour,
                   width=lw)
        else:
            r = 4.5 * s
            d.line([(cx - r, cy - r), (cx + r, cy + r)], fill=colour, width=lw)
            d.line([(cx - r, cy + r), (cx + r, cy - r)], fill=colour, width=lw)

    return supersampled(title_crop(4, w, h), paint)


def option_button(hover):
    """44x26 options button at top 4 of the title bar."""
    w, h = 44, 26

    def paint(layer, d, s):
        if hover:
            d.rounded_rectangle([1 * s, 1 * s, (w - 1) * s - 1, (h - 5) * s - 1], radius=3 * s,
                                fill=HOVER_FILL + (255,))
            d.line([(6 * s, (h - 6) * s), ((w - 6) * s, (h - 6) * s)], fill=ACCENT + (255,),
                   width=int(1.5 * s))
        colour = ACCENT + (255,) if hover else GLYPH + (255,)
        lw = int(1.6 * s)
        # Three menu lines.
        x0, x1 = 11 * s, 25 * s
        for y in (6.5, 10.5, 14.5):
            d.line([(x0, y * s), (x1, y * s)], fill=colour, width=lw)
        # Small chevron pointing down.
        d.line([(29 * s, 9.5 * s), (32 * s, 12.5 * s), (35 * s, 9.5 * s)], fill=colour,
               width=lw, joint="curve")

    return supersampled(title_crop(4, w, h), paint)


def edge_vertical(mirrored):
    img = Image.new("RGB", (2, 623))
    d = ImageDraw.Draw(img)
    outer, inner = (1, 0) if mirrored else (0, 1)
    d.line([(outer, 0), (outer, 622)], fill=EDGE_OUTER)
    d.line([(inner, 0), (inner, 622)], fill=EDGE_INNER)
    return img


def edge_foot():
    img = Image.new("RGB", (984, 2))
    d = ImageDraw.Draw(img)
    d.line([(0, 0), (983, 0)], fill=EDGE_INNER)
    d.line([(0, 1), (983, 1)], fill=EDGE_OUTER)
    return img


def popup_close(hover):
    """51x21 close button of the corner and exit pop-ups (top-right corner)."""
    w, h = 51, 21
    base = Image.new("RGB", (w, h), CLOSE_HOVER if hover else (0x1A, 0x1E, 0x23))

    def paint(layer, d, s):
        border = (255, 255, 255, 90) if hover else SEPARATOR + (255,)
        d.rectangle([0, 0, w * s - 1, h * s - 1], outline=border, width=s)
        colour = (255, 255, 255, 255) if hover else GLYPH + (255,)
        cx, cy, r = 41.5 * s, 10.5 * s, 3.5 * s
        d.line([(cx - r, cy - r), (cx + r, cy + r)], fill=colour, width=int(1.5 * s))
        d.line([(cx - r, cy + r), (cx + r, cy - r)], fill=colour, width=int(1.5 * s))

    img = supersampled(base, paint)
    draw_centered_text(img, "关闭", 12, (255, 255, 255) if hover else TEXT, box=(4, 0, 30, h))
    return img


# ---------------------------------------------------------------- dialogs


def dialog_background():
    img = Image.new("RGB", (DIALOG_W, DIALOG_H))
    d = ImageDraw.Draw(img)
    for y in range(DIALOG_H):
        d.line([(0, y), (DIALOG_W - 1, y)], fill=dialog_row_colour(y))
    # Sidebar with the tabs.
    d.rectangle([0, DIALOG_HEADER_H, DIALOG_SIDEBAR_W - 1, DIALOG_FOOTER_TOP - 1], fill=SIDEBAR)
    d.line([(DIALOG_SIDEBAR_W, DIALOG_HEADER_H), (DIALOG_SIDEBAR_W, DIALOG_FOOTER_TOP - 1)],
           fill=SEPARATOR)
    # Footer with the three buttons.
    d.rectangle([0, DIALOG_FOOTER_TOP, DIALOG_W - 1, DIALOG_H - 1], fill=FOOTER)
    d.line([(0, DIALOG_FOOTER_TOP), (DIALOG_W - 1, DIALOG_FOOTER_TOP)], fill=SEPARATOR)
    # Accent under the header, as long as the sidebar.
    d.line([(0, DIALOG_HEADER_H - 1), (DIALOG_SIDEBAR_W, DIALOG_HEADER_H - 1)], fill=ACCENT_DARK)
    # Frame.
    d.rectangle([0, 0, DIALOG_W - 1, DIALOG_H - 1], outline=EDGE_OUTER)
    d.rectangle([1, 1, DIALOG_W - 2, DIALOG_H - 2], outline=EDGE_INNER)
    # Brand in the header: mark and word.
    mark = mark_image(18)
    img.paste(mark, (12, 7), mark)
    ImageDraw.Draw(img).text((36, 7), "Quillo", font=font(15), fill=TEXT)
    return img


def dialog_crop(left, top, w, h):
    return dialog_background().crop((left, top, left + w, top + h))


def paint_tab_icon(d, s, kind, x, y, colour):
    """16x16 icon: a slider for options, an info circle for about."""
    lw = int(1.5 * s)
    if kind == "option":
        for i, knob in enumerate((5, 11, 7)):
            yy = (y + 3 + i * 5) * s
            d.line([(x * s, yy), ((x + 16) * s, yy)], fill=colour, width=lw)
            kx = (x + knob) * s
            d.ellipse([kx - 2 * s, yy - 2 * s, kx + 2 * s, yy + 2 * s], fill=colour)
    else:
        d.ellipse([x * s, y * s, (x + 16) * s, (y + 16) * s], outline=colour, width=lw)
        d.ellipse([(x + 7) * s, (y + 3.5) * s, (x + 9) * s, (y + 5.5) * s], fill=colour)
        d.line([((x + 8) * s, (y + 7) * s), ((x + 8) * s, (y + 12.5) * s)], fill=colour,
               width=int(2 * s))


def tab_picture(kind, lang, active):
    top = TAB_TOP_OPTION if kind == "option" else TAB_TOP_ABOUT
    base = dialog_crop(TAB_LEFT, top, TAB_W, TAB_H)
    colour = ACCENT if active else TEXT_DIM

    def paint(layer, d, s):
        if active:
            d.rounded_rectangle([0, 2 * s, TAB_W * s - 1, (TAB_H - 2) * s - 1], radius=4 * s,
                                fill=(0x2B, 0x32, 0x3A, 255))
            d.rounded_rectangle([0, 8 * s, 3 * s - 1, (TAB_H - 8) * s - 1], radius=1.5 * s,
                                fill=ACCENT + (255,))
        paint_tab_icon(d, s, kind, 14, 10, colour + (255,))

    img = supersampled(base, paint)
    word = TAB_WORDS[lang][0 if kind == "option" else 1]
    draw_centered_text(img, word, 14, (255, 255, 255) if active else TEXT_DIM,
                       box=(36, 0, TAB_W - 40, TAB_H))
    return img


def dialog_button(name, lang, hover):
    base = dialog_crop(BUTTON_LEFT[name], BUTTON_TOP, BUTTON_W, BUTTON_H)
    primary = name == "Confirm"

    def paint(layer, d, s):
        box = [0, 0, BUTTON_W * s - 1, BUTTON_H * s - 1]
        if primary:
            top, bottom = (ACCENT_LIGHT, ACCENT) if hover else (ACCENT, ACCENT_DARK)
            steps = BUTTON_H * s
            grad = Image.new("RGBA", (BUTTON_W * s, steps))
            gd = ImageDraw.Draw(grad)
            for i in range(steps):
                gd.line([(0, i), (BUTTON_W * s - 1, i)],
                        fill=lerp(top, bottom, i / (steps - 1)) + (255,))
            mask = Image.new("L", grad.size, 0)
            ImageDraw.Draw(mask).rounded_rectangle(box, radius=4 * s, fill=255)
            grad.putalpha(mask)
            layer.alpha_composite(grad)
            if hover:
                d.rounded_rectangle(box, radius=4 * s, outline=(0xD4, 0xEE, 0x7A, 255), width=s)
        else:
            fill = (0x41, 0x4A, 0x53) if hover else (0x30, 0x37, 0x3F)
            border = ACCENT if hover else (0x4A, 0x52, 0x5B)
            d.rounded_rectangle(box, radius=4 * s, fill=fill + (255,), outline=border + (255,),
                                width=s)

    img = supersampled(base, paint)
    word = BUTTON_WORDS[lang][name]
    if primary:
        draw_centered_text(img, word, 13, (255, 255, 255), shadow=(0x4A, 0x60, 0x00))
    else:
        draw_centered_text(img, word, 13, (255, 255, 255) if hover else TEXT)
    return img


def about_logo():
    base = dialog_crop(LOGO_LEFT, LOGO_TOP, LOGO_SIZE, LOGO_SIZE)
    big = base.convert("RGBA").resize((LOGO_SIZE * SS, LOGO_SIZE * SS), Image.Resampling.NEAREST)
    glow = Image.new("RGBA", big.size, (0, 0, 0, 0))
    gd = ImageDraw.Draw(glow)
    for i in range(6):
        a = 10 + i * 6
        inset = (6 - i) * SS
        gd.rounded_rectangle([inset, inset + 2 * SS, big.size[0] - 1 - inset,
                              big.size[1] - 1 - inset + 2 * SS], radius=20 * SS,
                             outline=(0, 0, 0, a), width=SS)
    big = Image.alpha_composite(big, glow)
    layer = Image.new("RGBA", big.size, (0, 0, 0, 0))
    paint_mark(layer, SS, 6, 5, 68)
    big = Image.alpha_composite(big, layer)
    return big.resize((LOGO_SIZE, LOGO_SIZE), Image.Resampling.LANCZOS).convert("RGB")


# ---------------------------------------------------------------- icon


def ico_bytes(images):
    """A Windows icon with one 32-bit BMP entry per image (RGBA)."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    blobs = b""
    offset = 6 + 16 * len(images)
    for img in images:
        w, h = img.size
        px = img.convert("RGBA").load()
        rows = []
        for y in range(h - 1, -1, -1):
            rows.append(b"".join(struct.pack("BBBB", px[x, y][2], px[x, y][1], px[x, y][0],
                                             px[x, y][3]) for x in range(w)))
        mask_stride = ((w + 31) // 32) * 4
        mask = bytes(mask_stride * h)
        info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(b"".join(rows)) + len(mask),
                           0, 0, 0, 0)
        blob = info + b"".join(rows) + mask
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


# ---------------------------------------------------------------- text files


LOADING_HTML = """<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<title>正在加载…</title>
<style>
  html, body { margin: 0; height: 100%; overflow: hidden; }
  body {
    background: radial-gradient(ellipse at center, #262c33 0%, #1b1f24 55%, #14171b 100%);
    color: #ececec;
    font-family: "WenQuanYi Zen Hei", "Microsoft YaHei", sans-serif;
    display: flex; align-items: center; justify-content: center;
    user-select: none; cursor: default;
  }
  .box { text-align: center; }
  .spinner {
    width: 56px; height: 56px; margin: 0 auto 22px;
    border-radius: 50%;
    border: 4px solid rgba(236, 236, 236, 0.12);
    border-top-color: #91bb00;
    border-right-color: #91bb00;
    box-shadow: 0 0 24px rgba(145, 187, 0, 0.18);
  }
  .text { font-size: 15px; letter-spacing: 2px; }
  .dots span { opacity: 0.2; }
  .dots span.lit { opacity: 1; }
  .hint { margin-top: 10px; font-size: 12px; color: #7d8690; }
</style>
</head>
<body>
<div class="box">
  <div class="spinner"></div>
  <div class="text">正在加载<span class="dots"><span>.</span><span>.</span><span>.</span></span></div>
  <div class="hint">精彩内容马上呈现</div>
</div>
<script>
// The page stands still for the first second: most starts are over by then,
// and every frame of an animation repaints the whole window, which under a
// software renderer takes the time the start-up needs. After that the
// spinner turns in twelve steps a second, which reads as motion at a tenth
// of the cost of a smooth animation.
(function () {
  var spinner = document.querySelector(".spinner");
  var dots = document.querySelectorAll(".dots span");
  var step = 0;
  setTimeout(function () {
    setInterval(function () {
      step += 1;
      spinner.style.transform = "rotate(" + (step % 12) * 30 + "deg)";
      if (step % 4 === 0) {
        var lit = (step / 4) % (dots.length + 1);
        for (var i = 0; i < dots.length; ++i) {
          dots[i].className = i < lit ? "lit" : "";
        }
      }
    }, 1000 / 12);
  }, 1000);
})();
</script>
</body>
</html>
"""


# The page the main window shows when the content server cannot be reached,
# one per interface language. Its link goes to the program's retry address,
# which the program catches and never loads; a click turns the button into a
# "trying again" note and further clicks do nothing.
RETRY_ADDRESS = "quillo:retry"

UNREACHABLE_TEXTS = {
    "Unreachable.zh-CN.html": {
        "lang": "zh-CN",
        "title": "无法连接服务",
        "heading": "暂时无法连接到服务",
        "hint": "服务器没有响应。请检查网络连接，稍后再试。",
        "retry": "重试",
        "retrying": "正在重试…",
    },
    "Unreachable.zh-TW.html": {
        "lang": "zh-TW",
        "title": "無法連線服務",
        "heading": "暫時無法連線到服務",
        "hint": "伺服器沒有回應。請檢查網路連線，稍後再試。",
        "retry": "重試",
        "retrying": "正在重試…",
    },
    "Unreachable.en.html": {
        "lang": "en",
        "title": "Service unavailable",
        "heading": "The service cannot be reached",
        "hint": "The server is not answering. Check your network connection and try again.",
        "retry": "Try again",
        "retrying": "Trying again…",
    },
}

# The notice pages (unreachable server, stopped page): a mark, a heading, a
# hint and one button-like link on the windows' dark background, in the
# page's language. The link's class, its first display and its own rules and
# script differ per page.
NOTICE_HTML = """<!DOCTYPE html>
<html lang="{lang}">
<head>
<meta charset="utf-8">
<title>{title}</title>
<style>
  html, body {{ margin: 0; height: 100%; overflow: hidden; }}
  body {{
    background: radial-gradient(ellipse at center, #262c33 0%, #1b1f24 55%, #14171b 100%);
    color: #ececec;
    font-family: "WenQuanYi Zen Hei", "Microsoft YaHei", sans-serif;
    display: flex; align-items: center; justify-content: center;
    user-select: none; cursor: default;
  }}
  .box {{ text-align: center; max-width: 520px; padding: 0 24px; }}
  .mark {{
    width: 56px; height: 56px; margin: 0 auto 22px; box-sizing: border-box;
    border-radius: 50%; border: 4px solid #e0a030;
    color: #e0a030; font: bold 32px/48px sans-serif;
  }}
  h1 {{ font-size: 18px; font-weight: normal; letter-spacing: 1px; margin: 0; }}
  .hint {{ margin-top: 12px; font-size: 13px; color: #9aa3ad; line-height: 1.6; }}
  a.{link_class} {{
    display: {link_display}; margin-top: 26px; min-width: 96px; padding: 9px 24px;
    border-radius: 4px; background: #91bb00; color: #14171b;
    font-size: 14px; text-decoration: none; cursor: pointer;
  }}
  a.{link_class}:hover {{ background: #a5d100; }}
  {link_style}
</style>
</head>
<body>
<div class="box">
  <div class="mark">!</div>
  <h1>{heading}</h1>
  <div class="hint">{hint}</div>
  {link}
</div>
<script>
{script}
</script>
</body>
</html>
"""


def notice_html(texts, link_class, link_display, link_style, link, script):
    return NOTICE_HTML.format(link_class=link_class, link_display=link_display,
                              link_style=link_style, link=link, script=script, lang=texts["lang"],
                              title=texts["title"], heading=texts["heading"], hint=texts["hint"])


# The retry link turns grey and says so while the start-up runs again.
RETRY_SCRIPT = """  var retry = document.getElementById("retry");
  retry.addEventListener("click", function (event) {
    if (retry.classList.contains("busy")) {
      event.preventDefault();
      return;
    }
    retry.classList.add("busy");
    retry.textContent = "%s";
  });"""


def unreachable_html(texts):
    return notice_html(
        texts, "retry", "inline-block",
        "a.retry.busy { background: #3a424b; color: #c8ced4; cursor: default; }",
        f'<a class="retry" id="retry" href="{RETRY_ADDRESS}">{texts["retry"]}</a>',
        RETRY_SCRIPT % texts["retrying"])


# The page a browser view shows when the engine's process drawing its page
# ended twice within a minute, one per interface language. The program loads
# it with the address of the page that stopped as its fragment; the reload
# link leads back there (web and local pages only).
CRASHED_TEXTS = {
    "Crashed.zh-CN.html": {
        "lang": "zh-CN",
        "title": "页面已停止运行",
        "heading": "页面已停止运行",
        "hint": "显示此页面的进程意外退出。可以重新载入页面。",
        "reload": "重新载入",
    },
    "Crashed.zh-TW.html": {
        "lang": "zh-TW",
        "title": "頁面已停止執行",
        "heading": "頁面已停止執行",
        "hint": "顯示此頁面的處理程序意外結束。可以重新載入頁面。",
        "reload": "重新載入",
    },
    "Crashed.en.html": {
        "lang": "en",
        "title": "Page stopped",
        "heading": "This page stopped working",
        "hint": "The process showing this page ended unexpectedly. You can load the page again.",
        "reload": "Reload",
    },
}

# The reload link shows only with a web or local page in the fragment.
RELOAD_SCRIPT = """  (function () {
    var page = "";
    try {
      page = decodeURIComponent(location.hash.slice(1));
    } catch (e) {
      page = "";
    }
    if (/^(?:https?|file):/i.test(page)) {
      var reload = document.getElementById("reload");
      reload.setAttribute("href", page);
      reload.classList.add("ready");
    }
  })();"""


def crashed_html(texts):
    return notice_html(texts, "reload", "none", "a.reload.ready { display: inline-block; }",
                       f'<a class="reload" id="reload">{texts["reload"]}</a>', RELOAD_SCRIPT)


def ini_bytes(pairs):
    lines = ["[Config]"] + [f"{k}={v}" for k, v in pairs]
    return ("\r\n".join(lines) + "\r\n").encode("gbk")


# ---------------------------------------------------------------- main


def skin_pictures():
    """Name -> (image, format) of every skin picture."""
    pics = {
        "Top.jpg": (logo_picture(), "jpeg"),
        "TopBackground.gif": (title_bar(), "gif"),
        "Left.gif": (edge_vertical(False), "gif"),
        "Right.gif": (edge_vertical(True), "gif"),
        "Foot.gif": (edge_foot(), "gif"),
        "OptionC.gif": (option_button(False), "gif"),
        "OptionD.gif": (option_button(True), "gif"),
        "MinimalityA.gif": (caption_button("min", False), "gif"),
        "MinimalityB.gif": (caption_button("min", True), "gif"),
        "MaximizationA.gif": (caption_button("max", False), "gif"),
        "MaximizationB.gif": (caption_button("max", True), "gif"),
        "CloseA.gif": (caption_button("close", False), "gif"),
        "CloseB.gif": (caption_button("close", True), "gif"),
        "CloseC.gif": (popup_close(False), "gif"),
        "CloseD.gif": (popup_close(True), "gif"),
        "BackgroundA.gif": (dialog_background(), "gif"),
        "AboutLOGO.gif": (about_logo(), "gif"),
    }
    for lang in LANGUAGES:
        pics[TAB_OPTION_ACTIVE[lang] + ".gif"] = (tab_picture("option", lang, True), "gif")
        pics[TAB_OPTION_INACTIVE[lang] + ".gif"] = (tab_picture("option", lang, False), "gif")
        pics[TAB_ABOUT_ACTIVE[lang] + ".gif"] = (tab_picture("about", lang, True), "gif")
        pics[TAB_ABOUT_INACTIVE[lang] + ".gif"] = (tab_picture("about", lang, False), "gif")
        normal, hover = BUTTON_LETTERS[lang]
        for name in ("Confirm", "Cancel", "Apply"):
            pics[name + normal + ".gif"] = (dialog_button(name, lang, False), "gif")
            pics[name + hover + ".gif"] = (dialog_button(name, lang, True), "gif")
    return pics


def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def generate(out):
    skins = os.path.join(out, "Skins", "Default")
    os.makedirs(skins, exist_ok=True)
    for name, (img, fmt) in sorted(skin_pictures().items()):
        path = os.path.join(skins, name)
        if fmt == "jpeg":
            save_jpeg(img, path)
        else:
            save_gif(img, path)

    icons = [mark_image(n) for n in (16, 32, 48)]
    write_bytes(os.path.join(out, "Icon", "TrayLOGO.ico"), ico_bytes(icons))
    write_bytes(os.path.join(out, "Html", "Loading.html"), LOADING_HTML.encode("utf-8"))
    for name, texts in UNREACHABLE_TEXTS.items():
        write_bytes(os.path.join(out, "Html", name), unreachable_html(texts).encode("utf-8"))
    for name, texts in CRASHED_TEXTS.items():
        write_bytes(os.path.join(out, "Html", name), crashed_html(texts).encode("utf-8"))
    for name, pairs in LANGUAGE_TABLES.items():
        write_bytes(os.path.join(out, "Language", name), ini_bytes(pairs))
    write_bytes(os.path.join(out, "Config.ini"), ini_bytes(CONFIG))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(os.path.dirname(here), "program"),
                        help="program directory to write (default: resources/program)")
    args = parser.parse_args()
    if not os.path.exists(FONT_PATH):
        sys.exit(f"generate.py: missing font {FONT_PATH} (install fonts-wqy-zenhei)")
    generate(args.out)


if __name__ == "__main__":
    main()
