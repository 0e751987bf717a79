#!/usr/bin/env python3
"""Draws a specimen sheet of querna.ttf: every glyph code at 8, 12 and 36 points under its code
(the 36 point glyph over its baseline, with its advance marked), then a few lines set the way
the wheel labels, the aspect window and the captions set them. For looking at the font; not part
of the build (needs python3-pil).

    specimen.py --font BUILD/querna.ttf --output querna-specimen.png [--dpi 96]
"""

import argparse
import os
import sys

from PIL import Image, ImageDraw, ImageFont

GROUPS = [
    ("digits 48-57", list(range(48, 58))),
    ("signs 192-203", list(range(192, 204))),
    ("bodies 224-238", list(range(224, 239))),
    ("aspects 161-176", list(range(161, 177))),
    ("retrograde mark", [ord("R")]),
]

# Codes from 161 up are shown through their private-use copies (U+F000 + code): text layout hides
# U+00AD, the quintile's Latin-1 code point, as a soft hyphen.
PRIVATE_USE_BASE = 0xF000

LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"


def glyph(code):
    return chr(code if code < 161 else PRIVATE_USE_BASE + code)


SAMPLES = [
    ("wheel labels", "12" + glyph(192) + "34  07" + glyph(199) + "59  29" + glyph(203) + "00  R"),
    ("bodies", " ".join(glyph(c) for c in range(224, 239))),
    ("aspect list", "   ".join(glyph(a) + " " + glyph(k) + " " + glyph(b)
                               for a, k, b in [(224, 161, 233), (226, 173, 227), (234, 165, 235),
                                               (228, 176, 237)])),
    ("caption text", "Placidus  06 Dec 2024  10.30 P.M. (5)  Sidereal"),
]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--font", required=True)
    parser.add_argument("--output", required=True)
    parser.add_argument("--dpi", type=float, default=96.0)
    args = parser.parse_args(argv)

    def px(points):
        return max(1, round(points * args.dpi / 72.0))

    small, medium, large = (ImageFont.truetype(args.font, px(pt)) for pt in (8, 12, 36))
    label = ImageFont.truetype(LABEL_FONT, px(8))
    heading = ImageFont.truetype(LABEL_FONT, px(10))

    margin = 20
    per_row = 16
    cell_w = px(36) * 1.5
    row_h = px(8) * 3 + px(12) + px(36) * 1.6
    rows = sum((len(codes) + per_row - 1) // per_row for _, codes in GROUPS)
    width = int(margin * 2 + cell_w * per_row)
    height = int(margin * 2 + rows * row_h + (len(GROUPS) + len(SAMPLES)) * px(10) * 1.8
                 + len(SAMPLES) * (px(12) * 2 + px(36) * 1.3))
    image = Image.new("L", (width, height), 255)
    draw = ImageDraw.Draw(image)

    y = margin
    for title, codes in GROUPS:
        draw.text((margin, y), title, font=heading, fill=0, anchor="lt")
        y += px(10) * 1.8
        for start in range(0, len(codes), per_row):
            for i, code in enumerate(codes[start:start + per_row]):
                x = margin + i * cell_w
                ch = glyph(code)
                draw.text((x, y), str(code), font=label, fill=90, anchor="lt")
                base = y + px(8) * 2.4
                draw.text((x, base), ch, font=small, fill=0, anchor="ls")
                draw.text((x + px(8) * 1.4, base + px(12) * 0.2), ch, font=medium, fill=0,
                          anchor="ls")
                base36 = base + px(12) * 0.4 + px(36) * 1.1
                draw.line([(x, base36), (x + cell_w - 6, base36)], fill=200)
                draw.text((x, base36), ch, font=large, fill=0, anchor="ls")
                draw.line([(x, base36 + 3), (x + large.getlength(ch), base36 + 3)], fill=150)
            y += row_h

    for title, text in SAMPLES:
        draw.text((margin, y), title, font=heading, fill=0, anchor="lt")
        y += px(10) * 1.6
        base = y + px(12)
        draw.text((margin, base), text, font=medium, fill=0, anchor="ls")
        base = base + px(36) * 1.3
        draw.text((margin, base), text, font=large, fill=0, anchor="ls")
        y = base + px(12)

    image = image.crop((0, 0, width, int(min(height, y + margin))))
    os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
    image.save(args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
