#!/usr/bin/python3
"""Draws the application icons for the desktop's icon theme.

Writes the Quillo mark (the same drawing as the tray icon) as PNG files

  hicolor/NxN/apps/org.quillo.Quillo.png   for N in 16, 22, 24, 32, 48, 64, 128, 256

under the output directory (default: resources/desktop/icons).  Run it by
hand after changing the mark and commit the results:

  /usr/bin/python3 resources/skins/icons.py
"""

import argparse
import io
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import generate  # noqa: E402  (the skin generator draws the mark)

APP_ID = "org.quillo.Quillo"
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def png_bytes(img):
    out = io.BytesIO()
    img.save(out, "PNG", optimize=True)
    return out.getvalue()


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(os.path.dirname(here), "desktop", "icons"),
                        help="directory to write (default: resources/desktop/icons)")
    args = parser.parse_args()
    for n in SIZES:
        path = os.path.join(args.out, "hicolor", f"{n}x{n}", "apps", APP_ID + ".png")
        generate.write_bytes(path, png_bytes(generate.mark_image(n)))


if __name__ == "__main__":
    main()
