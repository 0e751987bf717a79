#!/usr/bin/env python3
"""Builds the glyph font querna.ttf (family "QUERNA", a Regular and a Bold face in one TrueType
collection) that the wheel, the aspect window and the printed page draw with.

The outlines come from DejaVu Sans and DejaVu Sans Bold (Debian package fonts-dejavu-core); the
symbols Unicode has no character for, and the few DejaVu symbols whose strokes are much lighter
than the rest, are drawn here from circles, bars and letters. Each symbol is mapped at its
Unicode code point (U+F000 + code where Unicode has none), which the program draws through, and
its single-byte code is mapped as the Latin-1 code point of the same value, so the byte 224
printed as Latin-1 text shows the Sun as well.

    make_querna.py --output BUILD/querna.ttf [--dejavu-dir /usr/share/fonts/truetype/dejavu]

The result depends only on the DejaVu files and this script: the font's time stamps are fixed
(or taken from SOURCE_DATE_EPOCH), so two builds give the same bytes.
"""

import argparse
import math
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.areaPen import AreaPen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.recordingPen import DecomposingRecordingPen, RecordingPen
from fontTools.pens.reverseContourPen import ReverseContourPen
from fontTools.pens.roundingPen import RoundingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.ttCollection import TTCollection

UNITS_PER_EM = 2048  # DejaVu's own grid, so its outlines are copied without rounding
CAP = 1493  # cap height of DejaVu Sans; the symbols are drawn to this height
MID = 747  # middle of the cap height: the vertical centre of the operator-like symbols
STROKE = 165  # stroke of the drawn symbols, the mean of the DejaVu planet and aspect strokes
SYMBOL_ADVANCE = 1836  # advance of the DejaVu planet and sign glyphs; no symbol is narrower
SYMBOL_MARGIN = 45  # least side bearing of a symbol wider than that (MC, the opposition)

# The font's time stamps count seconds from 1904. A fixed stamp (1 January 2024, 00:00 UTC) keeps
# the build reproducible; SOURCE_DATE_EPOCH (seconds since 1970) overrides it.
SECONDS_1904_TO_1970 = 2082844800
FIXED_TIMESTAMP = SECONDS_1904_TO_1970 + 1704067200

VERSION = "1.000"
PRIVATE_USE_BASE = 0xF000


# ---------------------------------------------------------------------------------------------
# Outlines. A shape is a RecordingPen in font units; TrueType wants outer contours clockwise and
# holes counter-clockwise, so every contour drawn here is put in that direction explicitly and
# overlapping pieces (a bar crossing a ring) fill correctly under the non-zero rule.


def _signed_area(recording):
    pen = AreaPen()
    recording.replay(pen)
    return pen.value  # positive for a counter-clockwise contour


def add_contour(shape, contour, hole=False):
    """Appends one closed contour (a RecordingPen) to shape, clockwise, or counter-clockwise for a
    hole."""
    counter_clockwise = _signed_area(contour) > 0
    if counter_clockwise != hole:
        contour.replay(ReverseContourPen(shape))
    else:
        contour.replay(shape)


def polygon(points):
    pen = RecordingPen()
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    pen.closePath()
    return pen


def _arc_segments(cx, cy, r, a0, a1):
    """Cubic Bezier pieces of a circular arc from angle a0 to a1 (degrees, either direction),
    each at most 90 degrees long."""
    n = max(1, math.ceil(abs(a1 - a0) / 90.0 - 1e-9))
    step = math.radians(a1 - a0) / n
    k = 4.0 / 3.0 * math.tan(step / 4.0)
    out = []
    for i in range(n):
        t0 = math.radians(a0) + i * step
        t1 = t0 + step
        p0 = (cx + r * math.cos(t0), cy + r * math.sin(t0))
        p3 = (cx + r * math.cos(t1), cy + r * math.sin(t1))
        c1 = (p0[0] - k * r * math.sin(t0), p0[1] + k * r * math.cos(t0))
        c2 = (p3[0] + k * r * math.sin(t1), p3[1] - k * r * math.cos(t1))
        out.append((p0, c1, c2, p3))
    return out


def circle(cx, cy, r):
    pen = RecordingPen()
    segments = _arc_segments(cx, cy, r, 0.0, 360.0)
    pen.moveTo(segments[0][0])
    for _, c1, c2, p3 in segments[:-1]:
        pen.curveTo(c1, c2, p3)
    _, c1, c2, _ = segments[-1]
    pen.curveTo(c1, c2, segments[0][0])
    pen.closePath()
    return pen


def ring(shape, cx, cy, outer, width):
    add_contour(shape, circle(cx, cy, outer))
    add_contour(shape, circle(cx, cy, outer - width), hole=True)


def disc(shape, cx, cy, r):
    add_contour(shape, circle(cx, cy, r))


def _line_intersection(p, d, q, e):
    """Point where the line p + s d meets the line q + t e."""
    den = d[0] * e[1] - d[1] * e[0]
    s = ((q[0] - p[0]) * e[1] - (q[1] - p[1]) * e[0]) / den
    return (p[0] + s * d[0], p[1] + s * d[1])


def stroke(points, width):
    """The outline of an open polyline stroked with the given width: flat (butt) ends, mitred
    corners. Returned as one polygon contour."""
    half = width / 2.0
    dirs = []
    for a, b in zip(points, points[1:]):
        length = math.hypot(b[0] - a[0], b[1] - a[1])
        dirs.append(((b[0] - a[0]) / length, (b[1] - a[1]) / length))
    normals = [(-d[1], d[0]) for d in dirs]

    def side(sign):
        pts = []
        for i, p in enumerate(points):
            if i == 0 or i == len(points) - 1:
                n = normals[0] if i == 0 else normals[-1]
                pts.append((p[0] + sign * half * n[0], p[1] + sign * half * n[1]))
            else:
                n0, n1 = normals[i - 1], normals[i]
                a = (p[0] + sign * half * n0[0], p[1] + sign * half * n0[1])
                b = (p[0] + sign * half * n1[0], p[1] + sign * half * n1[1])
                pts.append(_line_intersection(a, dirs[i - 1], b, dirs[i]))
        return pts

    return polygon(side(1.0) + list(reversed(side(-1.0))))


def asterisk(cx, cy, arms, first_angle, length, width):
    """The union of `arms` bars of the given width radiating from (cx, cy), as one contour: each
    arm ends square at `length`, and neighbouring arms meet on their bisector."""
    half = width / 2.0
    notch = half / math.sin(math.pi / arms)
    pts = []
    for k in range(arms):
        t = math.radians(first_angle) + k * 2.0 * math.pi / arms
        u = (math.cos(t), math.sin(t))
        n = (-u[1], u[0])
        pts.append((cx + length * u[0] - half * n[0], cy + length * u[1] - half * n[1]))
        pts.append((cx + length * u[0] + half * n[0], cy + length * u[1] + half * n[1]))
        tb = t + math.pi / arms
        pts.append((cx + notch * math.cos(tb), cy + notch * math.sin(tb)))
    return polygon(pts)


def rect(x0, y0, x1, y1):
    return polygon([(x0, y0), (x0, y1), (x1, y1), (x1, y0)])


# ---------------------------------------------------------------------------------------------
# Source fonts


class Source:
    """One DejaVu font file: decomposed outlines by character, and their advance widths."""

    def __init__(self, path):
        self.font = TTFont(path)
        self.cmap = self.font.getBestCmap()
        self.glyphs = self.font.getGlyphSet()
        self.path = path

    def outline(self, char):
        name = self.cmap.get(ord(char))
        if name is None:
            sys.exit(f"make_querna.py: {os.path.basename(self.path)} has no U+{ord(char):04X}")
        pen = DecomposingRecordingPen(self.glyphs)
        self.glyphs[name].draw(pen)
        return pen

    def advance(self, char):
        return self.glyphs[self.cmap[ord(char)]].width


def transformed(recording, scale=1.0, dx=0.0, dy=0.0, yscale=None):
    out = RecordingPen()
    yscale = scale if yscale is None else yscale
    recording.replay(TransformPen(out, (scale, 0, 0, yscale, dx, dy)))
    return out


def bounds(recording):
    pen = BoundsPen(None)
    recording.replay(pen)
    return pen.bounds


def letters(source, text, xscale, yscale, spacing):
    """Letters of a source font set side by side, scaled, each following the one before at its
    scaled advance plus `spacing` (negative spacing tucks them closer). The row is raised so the
    cap height is centred on the middle of the symbols' height."""
    shape = RecordingPen()
    x = 0.0
    dy = MID - CAP * yscale / 2.0
    for ch in text:
        transformed(source.outline(ch), xscale, x, dy, yscale).replay(shape)
        x += source.advance(ch) * xscale + spacing
    return shape


# ---------------------------------------------------------------------------------------------
# The drawn symbols. Coordinates are font units with the baseline at y = 0; each shape is
# centred in its advance width afterwards, so only the vertical placement matters here.


def sun():
    # DejaVu's Sun has a hairline ring (75 units) beside 150-200 unit planet strokes.
    shape = RecordingPen()
    r = CAP / 2.0
    ring(shape, 0, MID, r, STROKE)
    disc(shape, 0, MID, 175)
    return shape


def moon():
    # A solid crescent, horns to the left; DejaVu's Moon is an outlined hairline crescent that
    # fades out at small sizes. The outer edge is a circle of the full cap height; the inner edge
    # is a circle through both horn tips, leaving the crescent `thickness` wide at its middle.
    r = CAP / 2.0
    horn = 115.0  # angle of the horn tips from the positive x axis
    thickness = 360.0
    hx, hy = r * math.cos(math.radians(horn)), r * math.sin(math.radians(horn))
    inner_right = r - thickness
    # Centre (c, 0) of the inner circle: (hx - c)^2 + hy^2 = (inner_right - c)^2.
    c = (inner_right**2 - hx**2 - hy**2) / (2.0 * (inner_right - hx))
    r2 = inner_right - c
    inner_angle = math.degrees(math.atan2(hy, hx - c))
    pen = RecordingPen()
    outer = _arc_segments(0, MID, r, horn, -horn)
    inner = _arc_segments(c, MID, r2, -inner_angle, inner_angle)
    pen.moveTo(outer[0][0])
    for _, c1, c2, p3 in outer:
        pen.curveTo(c1, c2, p3)
    for _, c1, c2, p3 in inner[:-1]:
        pen.curveTo(c1, c2, p3)
    _, c1, c2, _ = inner[-1]
    pen.curveTo(c1, c2, outer[0][0])
    pen.closePath()
    shape = RecordingPen()
    add_contour(shape, pen)
    return shape


def part_of_fortune():
    # The Sun's ring with a saltire inside, its arms ending in the middle of the ring.
    shape = RecordingPen()
    r = CAP / 2.0
    ring(shape, 0, MID, r, STROKE)
    add_contour(shape, asterisk(0, MID, 4, 45.0, r - STROKE / 2.0, STROKE * 0.9))
    return shape


def sextile():
    shape = RecordingPen()
    add_contour(shape, asterisk(0, MID, 6, 90.0, 650.0, STROKE))
    return shape


def square():
    shape = RecordingPen()
    half = 625.0
    add_contour(shape, rect(-half, MID - half, half, MID + half))
    inset = half - STROKE
    add_contour(shape, rect(-inset, MID - inset, inset, MID + inset), hole=True)
    return shape


def trine():
    # Equilateral, its box centred on the middle of the cap height.
    shape = RecordingPen()
    side = 1500.0
    height = side * math.sqrt(3.0) / 2.0
    base = MID - height / 2.0
    outer = [(-side / 2.0, base), (0.0, base + height), (side / 2.0, base)]
    centroid = (0.0, base + height / 3.0)
    inradius = side / (2.0 * math.sqrt(3.0))
    k = (inradius - STROKE) / inradius
    inner = [(centroid[0] + (x - centroid[0]) * k, centroid[1] + (y - centroid[1]) * k)
             for x, y in outer]
    add_contour(shape, polygon(outer))
    add_contour(shape, polygon(inner), hole=True)
    return shape


def parallel():
    # Kind 7 is never classified, but its code exists; it shows the parallel sign.
    shape = RecordingPen()
    gap = 380.0
    for x in (-gap / 2.0 - STROKE, gap / 2.0):
        add_contour(shape, rect(x, MID - 650.0, x + STROKE, MID + 650.0))
    return shape


def semisquare():
    # An angle of 45 degrees opening to the right.
    shape = RecordingPen()
    y = MID - 600.0 + STROKE / 2.0
    side = 1250.0
    add_contour(shape, stroke([(side, y + side), (0.0, y), (side, y)], STROKE))
    return shape


def sesquiquadrate():
    # A square with a stroke rising to the right from its top left corner.
    shape = RecordingPen()
    side = 950.0
    bottom = MID - 650.0
    add_contour(shape, rect(0.0, bottom, side, bottom + side))
    add_contour(shape, rect(STROKE, bottom + STROKE, side - STROKE, bottom + side - STROKE),
                hole=True)
    # The stroke's upper edge leaves exactly from the square's outer corner.
    offset = STROKE / 2.0 / math.sqrt(2.0)
    start = (offset, bottom + side - offset)
    rise = MID + 650.0 - start[1]
    add_contour(shape, stroke([start, (start[0] + rise, start[1] + rise)], STROKE))
    return shape


def _v_on_bar(flip):
    # Semisextile: a V standing on a bar. Quincunx: the same turned upside down.
    shape = RecordingPen()
    half_width = 620.0
    low, high = MID - 600.0, MID + 600.0

    def y(v):
        return 2.0 * MID - v if flip else v

    def fix(points):
        return [(x, y(v)) for x, v in points]

    bar_top = low + STROKE
    add_contour(shape, polygon(fix([(-half_width, low), (-half_width, bar_top),
                                    (half_width, bar_top), (half_width, low)])))
    arm_x = half_width - 40.0
    # The V's mitred tip lies (STROKE / 2) / sin(half angle) below the apex of its centre line;
    # the apex is set so the tip ends 0.6 STROKE deep in the bar and the two join solidly.
    half_angle = math.atan2(arm_x, high - bar_top)
    apex = bar_top + STROKE / 2.0 / math.sin(half_angle) - STROKE * 0.6
    add_contour(shape, stroke(fix([(-arm_x, high), (0.0, apex), (arm_x, high)]), STROKE))
    return shape


def semisextile():
    return _v_on_bar(False)


def quincunx():
    return _v_on_bar(True)


# ---------------------------------------------------------------------------------------------
# The font


def build_symbols(sans, bold):
    """(code, glyph name, outline, Unicode code point or None) of every symbol; the outlines are
    centred in their advance later."""

    # Abbreviations drawn as one glyph: bold capitals at 72 % of their height and 55 % of their
    # width, so the vertical stems come out near the symbols' stroke, two letters fit one
    # symbol's width and they stay legible in the 12 point aspect list.
    def abbreviation(text, spacing=-30.0):
        return letters(bold, text, 0.55, 0.72, spacing)

    symbols = []
    signs = ["aries", "taurus", "gemini", "cancer", "leo", "virgo", "libra", "scorpio",
             "sagittarius", "capricorn", "aquarius", "pisces"]
    for i, name in enumerate(signs):
        symbols.append((192 + i, name, sans.outline(chr(0x2648 + i)), 0x2648 + i))
    bodies = [
        ("sun", sun(), 0x2609),
        ("mercury", sans.outline("\u263F"), 0x263F),
        ("venus", sans.outline("\u2640"), 0x2640),
        ("mars", sans.outline("\u2642"), 0x2642),
        ("jupiter", sans.outline("\u2643"), 0x2643),
        ("saturn", sans.outline("\u2644"), 0x2644),
        ("uranus", sans.outline("\u2645"), 0x2645),
        ("neptune", sans.outline("\u2646"), 0x2646),
        ("pluto", sans.outline("\u2647"), 0x2647),
        ("moon", moon(), 0x263D),
        ("node", sans.outline("\u260A"), 0x260A),
        ("opposite_node", sans.outline("\u260B"), 0x260B),
        ("fortune", part_of_fortune(), 0x2297),  # circled times, the usual stand-in
        ("ascendant", abbreviation("AC"), None),
        ("midheaven", abbreviation("MC"), None),
    ]
    for i, (name, shape, unicode) in enumerate(bodies):
        symbols.append((224 + i, name, shape, unicode))
    aspects = [
        ("conjunction", sans.outline("\u260C"), 0x260C),
        ("sextile", sextile(), 0x26B9),
        ("square", square(), 0x25A1),
        ("trine", trine(), 0x25B3),
        ("opposition", sans.outline("\u260D"), 0x260D),
        ("parallel", parallel(), 0x2225),
        ("semisextile", semisextile(), 0x26BA),
        ("semisquare", semisquare(), 0x2220),  # the angle sign, as astrologers write it
        ("sesquiquadrate", sesquiquadrate(), 0x26BC),
        ("quincunx", quincunx(), 0x26BB),
        ("decile", abbreviation("D"), None),
        ("novile", abbreviation("N"), None),
        ("quintile", abbreviation("Q"), None),
        ("tredecile", abbreviation("tD"), None),
        ("biquintile", abbreviation("bQ"), None),
        ("septile", abbreviation("S7"), None),
    ]
    for i, (name, shape, unicode) in enumerate(aspects):
        symbols.append((161 + i, name, shape, unicode))
    return symbols


def build(text_source, symbols):
    """The glyphs of one face: the printable ASCII characters of text_source and the symbols.

    Each symbol is mapped at its Unicode code point, or at U+F000 + its code where Unicode has no
    character for it, and that is the code point the program draws it through: a PDF names every
    glyph by the lowest code point that maps to it, so the glyph itself is mapped nowhere below.
    The single-byte code (the Latin-1 code point of the byte), which the options, the data files
    and older documents use, maps to a second glyph that only references the first."""
    glyph_order = []
    glyphs = {}
    advances = {}
    cmap = {}

    def add(name, glyph, advance, left_side_bearing, code):
        glyphs[name] = glyph
        advances[name] = (int(advance), int(left_side_bearing))
        glyph_order.append(name)
        if code is not None:
            cmap[code] = name

    def add_outline(name, shape, advance, code):
        rounded = TTGlyphPen(None)
        shape.replay(RoundingPen(Cu2QuPen(rounded, max_err=1.0, reverse_direction=False)))
        box = bounds(shape)
        add(name, rounded.glyph(), advance, round(box[0]) if box else 0, code)

    # .notdef: an empty box, as most fonts have.
    notdef = RecordingPen()
    add_contour(notdef, rect(150, 0, 1050, CAP))
    add_contour(notdef, rect(150 + STROKE, STROKE, 1050 - STROKE, CAP - STROKE), hole=True)
    add_outline(".notdef", notdef, 1200, None)

    # Plain text: the printable ASCII characters with their own metrics, so the caption lines,
    # the digits and the retrograde mark "R" print in this face as well.
    for code in range(0x20, 0x7F):
        ch = chr(code)
        name = "space" if code == 0x20 else f"ascii{code:02X}"
        add_outline(name, text_source.outline(ch), text_source.advance(ch), code)

    for code, name, shape, unicode in symbols:
        box = bounds(shape)
        width = box[2] - box[0]
        advance = max(SYMBOL_ADVANCE, round(width + 2 * SYMBOL_MARGIN))
        left = round((advance - width) / 2.0 - box[0])
        add_outline(name, transformed(shape, 1.0, left, 0.0), advance, None)
        cmap[PRIVATE_USE_BASE + code] = name
        if unicode is not None:
            cmap[unicode] = name
        pen = TTGlyphPen(glyphs)
        pen.addComponent(name, (1, 0, 0, 1, 0, 0))
        add(f"{name}.byte", pen.glyph(), advance, advances[name][1], code)

    return glyph_order, glyphs, advances, cmap


def timestamp():
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if epoch and epoch.isdigit():
        return int(epoch) + SECONDS_1904_TO_1970
    return FIXED_TIMESTAMP


def make_face(sans, text_source, symbols, bold):
    """One face of the family QUERNA: Regular, or Bold with the letters and digits of DejaVu
    Sans Bold (the symbols are the same in both)."""
    glyph_order, glyphs, advances, cmap = build(text_source, symbols)
    style = "Bold" if bold else "Regular"
    ps_name = "QUERNA-Bold" if bold else "QUERNA"

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(glyph_order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics(advances)
    # Vertical metrics of DejaVu Sans in both faces, so bold and regular text share one line
    # height and the lines of caption text are spaced as in that face.
    hhea = sans.font["hhea"]
    fb.setupHorizontalHeader(ascent=hhea.ascent, descent=hhea.descent, lineGap=hhea.lineGap)

    source_names = sans.font["name"]
    copyright_notice = source_names.getDebugName(0).strip()
    licence = source_names.getDebugName(13)
    fb.setupNameTable({
        "copyright": copyright_notice + "\nQUERNA: symbols added and redrawn from DejaVu Sans.",
        "familyName": "QUERNA",
        "styleName": style,
        "uniqueFontIdentifier": f"{ps_name} {VERSION}",
        "fullName": "QUERNA Bold" if bold else "QUERNA",
        "version": f"Version {VERSION}",
        "psName": ps_name,
        "typographicFamily": "QUERNA",
        "typographicSubfamily": style,
        "description": "Astrological glyphs at their Unicode code points (U+F000 + code where "
                       "Unicode has none) and at single-byte codes: signs 192-203, bodies "
                       "224-238, aspects 161-176, digits and plain ASCII text.",
        "licenseDescription": licence,
        "licenseInfoURL": source_names.getDebugName(14) or "",
    })
    os2 = sans.font["OS/2"]
    fb.setupOS2(
        sTypoAscender=os2.sTypoAscender,
        sTypoDescender=os2.sTypoDescender,
        sTypoLineGap=os2.sTypoLineGap,
        usWinAscent=os2.usWinAscent,
        usWinDescent=os2.usWinDescent,
        usWeightClass=700 if bold else 400,
        fsSelection=(1 << 5) if bold else (1 << 6),  # BOLD or REGULAR
        fsType=0,  # installable: the program registers the file while it runs
        achVendID="NONE",
        ulCodePageRange1=1,  # Latin 1
        # Basic Latin, Latin-1 Supplement, Geometric Shapes, Miscellaneous Symbols,
        # Mathematical Operators, Private Use Area.
        ulUnicodeRange1=(1 << 0) | (1 << 1) | (1 << 31),
        ulUnicodeRange2=(1 << (38 - 32)) | (1 << (45 - 32)) | (1 << (60 - 32)),
        sxHeight=round(bounds(text_source.outline("x"))[3]),
        sCapHeight=CAP,
        usDefaultChar=0,
        usBreakChar=32,
        usMaxContext=0,
    )
    fb.setupPost(underlinePosition=sans.font["post"].underlinePosition,
                 underlineThickness=sans.font["post"].underlineThickness)
    head = fb.font["head"]
    head.created = head.modified = timestamp()
    head.fontRevision = float(VERSION)
    head.macStyle = 1 if bold else 0
    # Smooth, unhinted rendering at every size: the outlines carry no instructions.
    gasp = newTable("gasp")
    gasp.gaspRange = {0xFFFF: 0x000A}
    fb.font["gasp"] = gasp
    return fb.font


def write_font(path, dejavu_dir):
    sans = Source(os.path.join(dejavu_dir, "DejaVuSans.ttf"))
    bold = Source(os.path.join(dejavu_dir, "DejaVuSans-Bold.ttf"))
    symbols = build_symbols(sans, bold)
    # Both faces in one file, so registering querna.ttf gives the wheel's bold degree digits a
    # real bold face instead of a synthesised one.
    collection = TTCollection()
    collection.fonts = [make_face(sans, sans, symbols, False),
                        make_face(sans, bold, symbols, True)]
    for face in collection.fonts:
        check_face(face)
    tmp = path + ".tmp"
    collection.save(tmp)
    os.replace(tmp, path)


def check_face(font):
    """Refuses a face the wheel's layout cannot rely on: every code the program prints has a glyph
    of its own, reached by no lower code point (a PDF names a glyph by its lowest code point, so
    copied text reads "15♒42"), with the byte code drawing the same; digits share the width of
    "0" and bodies that of the Part of Fortune (236); symbols are centred and stay in the line."""
    cmap = font.getBestCmap()
    glyf, hmtx, hhea = font["glyf"], font["hmtx"], font["hhea"]
    lowest = {}
    for point in sorted(cmap, reverse=True):
        lowest[cmap[point]] = point
    groups = ((ord("0"), ord("9"), ord("0")), (192, 203, None), (224, 238, 236),
              (161, 176, None), (ord("R"), ord("R"), None))

    def drawn(code):  # the code point the program draws a code through
        if code < 128:
            return code
        points = [p for p in cmap if p != code and cmap[p] == cmap.get(PRIVATE_USE_BASE + code)]
        return min(points)

    for first, last, same_width_as in groups:
        for code in range(first, last + 1):
            name = cmap.get(drawn(code))
            problem = None
            if name is None or name == ".notdef":
                problem = "no glyph"
            elif lowest[name] != drawn(code):
                problem = f"reached from U+{lowest[name]:04X}"
            elif code >= 128 and hmtx[cmap[code]][0] != hmtx[name][0]:
                problem = "byte code of another width"
            elif same_width_as and hmtx[name][0] != hmtx[cmap[drawn(same_width_as)]][0]:
                problem = "not the width of its group"
            elif code >= 128:
                g = glyf[name]
                g.recalcBounds(glyf)
                advance = hmtx[name][0]
                if abs(g.xMin - (advance - g.xMax)) > 4:
                    problem = "not centred"
                elif g.yMax < 1000 or g.yMax > hhea.ascent or -g.yMin > -hhea.descent:
                    problem = "out of the line"
            if problem:
                sys.exit(f"make_querna.py: code {code}: {problem}")


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--output", required=True, help="the querna.ttf to write")
    parser.add_argument("--dejavu-dir", default="/usr/share/fonts/truetype/dejavu",
                        help="folder holding DejaVuSans.ttf and DejaVuSans-Bold.ttf")
    args = parser.parse_args(argv)
    for name in ("DejaVuSans.ttf", "DejaVuSans-Bold.ttf"):
        if not os.path.isfile(os.path.join(args.dejavu_dir, name)):
            sys.exit(f"make_querna.py: {name} not found in {args.dejavu_dir} "
                     "(Debian package fonts-dejavu-core)")
    write_font(args.output, args.dejavu_dir)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
