#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the glyph font "zorastro.ttf" (family "Vostrane Glyphs").

Usage: make_zorastro.py GLYPHMAP DEJAVU_SANS_TTF SYMBOLA_TTF OUTPUT_TTF

Runs with Debian's /usr/bin/python3, which has the fontforge module.

Every character of GLYPHMAP (data/glyphs/glyphmap.txt) gets one glyph: an
outline copied from DejaVu Sans or Symbola, letters of DejaVu Sans set side
by side, or a symbol drawn from strokes here (the hypothetical planets and a
few others no source font has). Symbols are scaled into a common box per
class (planets, signs, aspects), centred on the middle of the digit height,
and brought to one stroke weight, so that glyphs from different sources look
alike beside each other on the wheel. Digits, the degree, minute and second
marks and the plain characters are copied unchanged, so that numbers written
in the glyph font match numbers written in DejaVu Sans.

Licences of the sources, which both permit this use:
- DejaVu Sans: the Bitstream Vera licence (DejaVu changes are in the public
  domain). Modified fonts may be distributed under a name without "Bitstream"
  or "Vera", with the copyright notice and the licence text included; both
  are written into the font's copyright and licence fields below.
- Symbola (George Douros): "free for any use; they may be opened, edited,
  modified, regenerated, packaged and redistributed".

The output is deterministic: fixed creation and modification times, no
FontForge time-stamp table, glyphs ordered by code point. A map error stops the build
with the file and line, and the previous font file is left in place.
"""

import contextlib
import math
import os
import re
import struct
import sys


@contextlib.contextmanager
def muted_stderr():
    """FontForge announces itself on import and reports every oddity of a
    source font's glyph names while reading it. Those notes are harmless and
    would bury the build's own messages, so stderr is muted around them."""
    sys.stderr.flush()
    saved = os.dup(2)
    try:
        with open(os.devnull, "w") as null:
            os.dup2(null.fileno(), 2)
            yield
    finally:
        os.dup2(saved, 2)
        os.close(saved)


with muted_stderr():
    import fontforge
    import psMat

EM = 2048
# Middle of the digit height of DejaVu Sans (cap height 1493): symbols are
# centred on it, so a glyph beside a number sits level with it.
MIDDLE_Y = 747
# Stroke weight of every symbol in font units (DejaVu Sans stems are 184;
# symbols carry more strokes, so a lighter weight looks as dark).
STROKE = 150
# Side bearing of the symbols.
SIDE = 100
# Fixed time of the font's head table: 2024-01-01 00:00:00 UTC.
FIXED_TIME = 1704067200

# Box of each class: (height, largest width); a size factor in the map
# scales both.
CLASSES = {
    "planet": (1500, 1760),
    "sign": (1380, 1760),
    "aspect": (1180, 1560),
    "mark": (1300, 1600),
    "text": None,
}

VERSION = "1.000"
COPYRIGHT = (
    "Vostrane Glyphs: glyphs from DejaVu Sans and Symbola, arranged and partly "
    "drawn for Vostrane. DejaVu Sans: Copyright (c) 2003 by Bitstream, Inc. "
    "All Rights Reserved. Bitstream Vera is a trademark of Bitstream, Inc. "
    "DejaVu changes are in public domain. Symbola: Copyright (C) 2007-2015 "
    "George Douros, free for any use.")
LICENCE = """\
Glyphs taken from DejaVu Sans are under the Bitstream Vera licence:

Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved. Bitstream Vera is
a trademark of Bitstream, Inc. DejaVu changes are in public domain.

Permission is hereby granted, free of charge, to any person obtaining a copy
of the fonts accompanying this license ("Fonts") and associated documentation
files (the "Font Software"), to reproduce and distribute the Font Software,
including without limitation the rights to use, copy, merge, publish,
distribute, and/or sell copies of the Font Software, and to permit persons to
whom the Font Software is furnished to do so, subject to the following
conditions:

The above copyright and trademark notices and this permission notice shall be
included in all copies of one or more of the Font Software typefaces.

The Font Software may be modified, altered, or added to, and in particular
the designs of glyphs or characters in the Fonts may be modified and
additional glyphs or characters may be added to the Fonts, only if the fonts
are renamed to names not containing either the words "Bitstream" or the word
"Vera".

This License becomes null and void to the extent applicable to Fonts or Font
Software that has been modified and is distributed under the "Bitstream Vera"
names.

The Font Software may be sold as part of a larger software package but no
copy of one or more of the Font Software typefaces may be sold by itself.

THE FONT SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS
OR IMPLIED, INCLUDING BUT NOT LIMITED TO ANY WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT OF COPYRIGHT, PATENT,
TRADEMARK, OR OTHER RIGHT. IN NO EVENT SHALL BITSTREAM OR THE GNOME FOUNDATION
BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, INCLUDING ANY GENERAL,
SPECIAL, INDIRECT, INCIDENTAL, OR CONSEQUENTIAL DAMAGES, WHETHER IN AN ACTION
OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF THE USE OR INABILITY TO
USE THE FONT SOFTWARE OR FROM OTHER DEALINGS IN THE FONT SOFTWARE.

Except as contained in this notice, the names of Gnome, the Gnome Foundation,
and Bitstream Inc., shall not be used in advertising or otherwise to promote
the sale, use or other dealings in this Font Software without prior written
authorization from the Gnome Foundation or Bitstream Inc., respectively.

Glyphs taken from Symbola: Copyright (C) 2007-2015 George Douros. Fonts are
free for any use; they may be opened, edited, modified, regenerated, packaged
and redistributed.

The symbols drawn for this font (Pluto, the hypothetical planets, the square,
trine, parallel and contra-parallel) may be used under the same terms."""


class MapError(Exception):
    pass


# ---------------------------------------------------------------------------
# Reading the map


class Entry:
    def __init__(self, line_no, code, cls, factor, source, name):
        self.line_no = line_no
        self.code = code
        self.cls = cls
        self.factor = factor
        self.source = source
        self.name = name


def parse_map(path):
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
    except (OSError, UnicodeDecodeError) as err:
        raise MapError("%s: cannot read the map: %s" % (path, err))
    entries = []
    seen = {}
    for line_no, line in enumerate(lines, 1):
        if not line.strip() or line.lstrip().startswith("#"):
            continue
        where = "%s:%d" % (path, line_no)
        parts = line.split(None, 4)
        if len(parts) < 5:
            raise MapError("%s: expected code, key, class, source and symbol" % where)
        code_text, key, cls_text, source, name = parts
        m = re.fullmatch(r"U\+([0-9A-F]{4,6})", code_text)
        if not m:
            raise MapError("%s: bad code %r" % (where, code_text))
        code = int(m.group(1), 16)
        expected = "SPACE" if code == 0x20 else chr(code)
        if key != expected:
            raise MapError("%s: key %r does not match code %s" % (where, key, code_text))
        if code in seen:
            raise MapError("%s: %s already mapped on line %d" % (where, code_text, seen[code]))
        seen[code] = line_no
        cls, _, factor_text = cls_text.partition("*")
        if cls not in CLASSES:
            raise MapError("%s: unknown class %r" % (where, cls))
        try:
            factor = float(factor_text) if factor_text else 1.0
        except ValueError:
            raise MapError("%s: bad size factor %r" % (where, factor_text))
        if not 0.3 <= factor <= 1.5:
            raise MapError("%s: size factor %r out of range" % (where, factor_text))
        if not re.fullmatch(r"(dejavu|symbola):U\+[0-9A-F]{4,6}|text:[A-Za-z0-9^]+|draw:[a-z]+",
                            source):
            raise MapError("%s: bad source %r" % (where, source))
        if cls == "text" and not source.startswith("dejavu:"):
            raise MapError("%s: class text copies a DejaVu Sans glyph" % where)
        entries.append(Entry(line_no, code, cls, factor, source, name.strip()))
    if not entries:
        raise MapError("%s: no characters" % path)
    return entries


# ---------------------------------------------------------------------------
# Outline helpers


def sample_contour(c):
    """Points along a contour, curves flattened, for area and length."""
    pts = list(c)
    n = len(pts)
    out = []
    if n == 0:
        return out
    if c.is_quadratic:
        seq = []
        for i, p in enumerate(pts):
            q = pts[(i + 1) % n]
            seq.append((p.x, p.y, p.on_curve))
            if not p.on_curve and not q.on_curve:
                seq.append(((p.x + q.x) / 2, (p.y + q.y) / 2, True))
        start = next((i for i, s in enumerate(seq) if s[2]), 0)
        seq = seq[start:] + seq[:start]
        m = len(seq)
        i = 0
        while i < m:
            a, b = seq[i], seq[(i + 1) % m]
            if b[2]:
                out.append((a[0], a[1]))
                i += 1
            else:
                e = seq[(i + 2) % m]
                for k in range(8):
                    t = k / 8
                    u = 1 - t
                    out.append((u * u * a[0] + 2 * u * t * b[0] + t * t * e[0],
                                u * u * a[1] + 2 * u * t * b[1] + t * t * e[1]))
                i += 2
    else:
        start = next((i for i, p in enumerate(pts) if p.on_curve), 0)
        pts = pts[start:] + pts[:start]
        i = 0
        while i < n:
            a, b = pts[i], pts[(i + 1) % n]
            if b.on_curve:
                out.append((a.x, a.y))
                i += 1
            else:
                c1, d = pts[(i + 2) % n], pts[(i + 3) % n]
                for k in range(8):
                    t = k / 8
                    u = 1 - t
                    out.append((u ** 3 * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c1.x + t ** 3 * d.x,
                                u ** 3 * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c1.y + t ** 3 * d.y))
                i += 3
    return out


def stroke_weight(glyph):
    """Mean stroke width of a glyph: twice its inked area over its outline
    length, which is exact for a long stroke of even width."""
    area = 0.0
    length = 0.0
    for c in glyph.foreground:
        s = sample_contour(c)
        a = 0.0
        for i in range(len(s)):
            x1, y1 = s[i]
            x2, y2 = s[(i + 1) % len(s)]
            a += x1 * y2 - x2 * y1
            length += math.hypot(x2 - x1, y2 - y1)
        area += a / 2
    return 2 * abs(area) / length if length else 0.0


def fit_box(glyph, height, max_width):
    """Scales the outline to the box and centres it on MIDDLE_Y, left side
    bearing SIDE."""
    x0, y0, x1, y1 = glyph.boundingBox()
    w, h = x1 - x0, y1 - y0
    s = min(height / h, max_width / w)
    glyph.transform(psMat.compose(
        psMat.translate(-(x0 + x1) / 2, -(y0 + y1) / 2),
        psMat.compose(psMat.scale(s), psMat.translate(SIDE + w * s / 2, MIDDLE_Y))))


def normalise(glyph, height, max_width):
    """Fits the glyph to its box with the common stroke weight. Changing the
    weight grows the outline, so fitting and weighting alternate until both
    hold."""
    fit_box(glyph, height, max_width)
    for _ in range(3):
        delta = STROKE - stroke_weight(glyph)
        if abs(delta) < 3:
            break
        glyph.changeWeight(delta, "CJK", 0, 0, "auto")
        glyph.removeOverlap()
        fit_box(glyph, height, max_width)
    x0, _, x1, _ = glyph.boundingBox()
    glyph.width = int(round(x1 - x0 + 2 * SIDE))


# ---------------------------------------------------------------------------
# Drawing from strokes. Coordinates are font units with the symbol about 1500
# high; the normaliser fits the result to its class box.


class Pen:
    def __init__(self):
        self.strokes = fontforge.layer()
        self.fills = fontforge.layer()

    def line(self, *pts):
        c = fontforge.contour()
        c.moveTo(*pts[0])
        for p in pts[1:]:
            c.lineTo(*p)
        self.strokes += c

    def polygon(self, *pts):
        c = fontforge.contour()
        c.moveTo(*pts[0])
        for p in pts[1:]:
            c.lineTo(*p)
        c.closed = True
        self.strokes += c

    def filled(self, *pts):
        c = fontforge.contour()
        c.moveTo(*pts[0])
        for p in pts[1:]:
            c.lineTo(*p)
        c.closed = True
        self.fills += c

    @staticmethod
    def _arc_into(c, cx, cy, r, a0, a1, first):
        steps = max(1, int(math.ceil(abs(a1 - a0) / 90.0 - 1e-9)))
        step = math.radians(a1 - a0) / steps
        k = 4.0 / 3.0 * math.tan(step / 4) * r
        a = math.radians(a0)
        if first:
            c.moveTo(cx + r * math.cos(a), cy + r * math.sin(a))
        for _ in range(steps):
            b = a + step
            c.cubicTo((cx + r * math.cos(a) - k * math.sin(a), cy + r * math.sin(a) + k * math.cos(a)),
                      (cx + r * math.cos(b) + k * math.sin(b), cy + r * math.sin(b) - k * math.cos(b)),
                      (cx + r * math.cos(b), cy + r * math.sin(b)))
            a = b

    def arc(self, cx, cy, r, a0, a1):
        """Open arc from angle a0 to a1 (degrees, counter-clockwise when
        a1 > a0)."""
        c = fontforge.contour()
        self._arc_into(c, cx, cy, r, a0, a1, True)
        self.strokes += c

    def filled_arcs(self, *arcs):
        """A filled area bounded by arcs (cx, cy, r, a0, a1) that join end
        to start."""
        c = fontforge.contour()
        for i, (cx, cy, r, a0, a1) in enumerate(arcs):
            if i == 0:
                a = math.radians(a0)
                c.moveTo(cx + r * math.cos(a), cy + r * math.sin(a))
            self._arc_into(c, cx, cy, r, a0, a1, False)
        c.closed = True
        self.fills += c

    def circle(self, cx, cy, r):
        c = fontforge.contour()
        self._arc_into(c, cx, cy, r, 0, 360, True)
        c.closed = True
        self.strokes += c

    def render(self, glyph):
        glyph.foreground = self.strokes
        glyph.stroke("circular", STROKE, cap="butt", join="miter")
        layer = glyph.foreground
        for c in self.fills:
            layer += c
        glyph.foreground = layer
        glyph.removeOverlap()
        glyph.correctDirection()


def hook(pen, x, y_top, y_bottom):
    """The Jupiter hook: a half circle bulging right from (x, y_top) down to
    (x, y_bottom)."""
    r = (y_top - y_bottom) / 2
    pen.arc(x, y_bottom + r, r, 90, -90)


def draw_moon(pen):
    # A solid crescent, horns to the left: the outer arc runs past the half
    # circle to the horn tips, the inner arc passes through both tips and
    # leaves the crescent thickest in the middle.
    r = 750
    horn = math.radians(128)
    thick = 300
    tip_x, tip_y = r * math.cos(horn), r * math.sin(horn)
    # Inner circle centred at (c, r) with c + radius = r - thick, through the tip.
    c = ((r - thick) ** 2 - tip_x ** 2 - tip_y ** 2) / (2 * (r - thick) - 2 * tip_x)
    inner = r - thick - c
    a = math.degrees(math.atan2(tip_y, tip_x - c))
    pen.filled_arcs((0, r, r, -math.degrees(horn), math.degrees(horn)), (c, r, inner, a, -a))


def draw_pluto(pen):
    # Orb held in an open crescent above a cross.
    pen.line((0, 0), (0, 540))
    pen.line((-260, 260), (260, 260))
    pen.arc(0, 1010, 470, 180, 360)
    pen.circle(0, 1170, 250)


def draw_cupido(pen):
    # Jupiter's hook on a bar, the bar carrying Venus' orb and cross.
    hook(pen, 0, 1480, 690)
    pen.line((0, 690), (1070, 690))
    pen.line((770, 0), (770, 880))
    pen.circle(770, 1130, 250)
    pen.line((560, 360), (980, 360))


def draw_hades(pen):
    # A crescent open to the right around a cross whose foot runs below it.
    pen.arc(690, 820, 680, 56, 304)
    pen.line((700, 0), (700, 1100))
    pen.line((440, 840), (960, 840))


def draw_zeus(pen):
    # An upward arrow rising from the crossing of two spread lines.
    pen.line((-500, 660), (500, 20))
    pen.line((-500, 20), (500, 660))
    pen.line((0, 340), (0, 1240))
    pen.filled((-200, 1200), (200, 1200), (0, 1500))


def draw_kronos(pen):
    # A dome over a cross.
    pen.arc(0, 840, 640, 0, 180)
    pen.line((0, 0), (0, 1170))
    pen.line((-290, 840), (290, 840))


def draw_apollon(pen):
    # Jupiter's hook on a bar crossed by two stems.
    hook(pen, 0, 1480, 640)
    pen.line((0, 640), (1140, 640))
    pen.line((700, 0), (700, 1160))
    pen.line((950, 0), (950, 1160))


def draw_admetos(pen):
    # Horns on an orb divided by a cross, on a stem.
    pen.circle(0, 760, 360)
    pen.arc(0, 1480, 360, 180, 360)
    pen.line((0, 0), (0, 1120))
    pen.line((-360, 760), (360, 760))


def draw_vulcanus(pen):
    # An upward arrow standing on a triangle.
    pen.polygon((-700, 0), (700, 0), (0, 620))
    pen.line((0, 620), (0, 1250))
    pen.filled((-200, 1200), (200, 1200), (0, 1500))


def draw_poseidon(pen):
    # A bowl above a dome, joined by a stem.
    pen.arc(0, 1500, 600, 180, 360)
    pen.arc(0, 0, 600, 0, 180)
    pen.line((0, 200), (0, 1300))


def draw_square(pen):
    pen.polygon((0, 0), (1100, 0), (1100, 1100), (0, 1100))


def draw_trine(pen):
    pen.polygon((0, 0), (1240, 0), (620, 1074))


def draw_parallel(pen):
    pen.line((0, 0), (0, 1200))
    pen.line((520, 0), (520, 1200))


def draw_contrapar(pen):
    pen.line((0, 0), (0, 1200))
    pen.line((520, 0), (520, 1200))
    pen.line((-260, 420), (780, 420))
    pen.line((-260, 780), (780, 780))


DRAWINGS = {name[5:]: fn for name, fn in globals().items() if name.startswith("draw_")}


# ---------------------------------------------------------------------------
# Building


def source_glyph(font, code, where):
    if code not in font:
        raise MapError("%s: the source font has no glyph U+%04X" % (where, code))
    return font[code]


def outline(font, glyph):
    """The whole outline of a source glyph in cubic form, references to
    other glyphs (accents, repeated parts) resolved, so that it can be
    merged with drawn contours and transformed."""
    layer = glyph.foreground.dup()
    layer.is_quadratic = False
    for ref in glyph.references:  # (glyph name, transform, ...)
        part = outline(font, font[ref[0]])
        part.transform(ref[1])
        layer += part
    return layer


def set_letters(glyph, dejavu, letters, where):
    """Letters of DejaVu Sans side by side; letters after '^' at 60 % size,
    raised to the top of the capitals. Two or more letters are narrowed, as
    a label such as "AC" must fit the width of one symbol."""
    narrow = 0.8 if len(letters.replace("^", "")) > 1 else 1.0
    layer = fontforge.layer()
    x = 0.0
    scale = 1.0
    for ch in letters:
        if ch == "^":
            scale = 0.6
            continue
        src = source_glyph(dejavu, ord(ch), where)
        part = outline(dejavu, src)
        part.transform(psMat.compose(psMat.scale(scale * narrow, scale),
                                     psMat.translate(x, 1493 * (1 - scale))))
        layer += part
        x += src.width * scale * narrow
    glyph.foreground = layer
    glyph.removeOverlap()


def open_quietly(path):
    with muted_stderr():
        return fontforge.open(path)


def build(entries, map_path, dejavu_path, symbola_path):
    dejavu = open_quietly(dejavu_path)
    symbola = open_quietly(symbola_path)
    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.em = EM
    font.ascent = 1556
    font.descent = 492
    font.fontname = "VostraneGlyphs"
    font.familyname = "Vostrane Glyphs"
    font.fullname = "Vostrane Glyphs"
    font.weight = "Regular"
    font.version = VERSION
    font.copyright = COPYRIGHT
    font.os2_weight = 400
    font.os2_vendor = "VSTR"
    # Line metrics of DejaVu Sans, so that text lines match it; absolute
    # values, not offsets from the glyphs' extent.
    for field in ("hhea_ascent", "hhea_descent", "os2_typoascent", "os2_typodescent",
                  "os2_winascent", "os2_windescent"):
        setattr(font, field + "_add", False)
    font.os2_stylemap = 0x40  # regular
    font.os2_typoascent = 1556
    font.os2_typodescent = -492
    font.os2_typolinegap = 410
    font.os2_winascent = 1901
    font.os2_windescent = 483
    font.hhea_ascent = 1901
    font.hhea_descent = -483
    font.hhea_linegap = 0
    font.os2_use_typo_metrics = False
    for lang in (0x409,):
        font.appendSFNTName(lang, "SubFamily", "Regular")
        font.appendSFNTName(lang, "UniqueID", "Vostrane Glyphs " + VERSION)
        font.appendSFNTName(lang, "Version", "Version " + VERSION)
        font.appendSFNTName(lang, "License", LICENCE)
        font.appendSFNTName(lang, "Descriptor",
                            "Astrological glyphs of the Vostrane chart wheel")

    names = set()
    for e in entries:
        where = "%s:%d" % (map_path, e.line_no)
        # A prefix keeps the names clear of the standard glyph names, which
        # would tie them to other code points.
        glyph_name = "zo_" + re.sub(r"[^A-Za-z0-9]+", "_", e.name).strip("_").lower()
        if glyph_name in names:
            glyph_name += "_%04X" % e.code
        names.add(glyph_name)
        glyph = font.createChar(e.code, glyph_name)
        kind, _, arg = e.source.partition(":")
        if kind in ("dejavu", "symbola"):
            src = source_glyph(dejavu if kind == "dejavu" else symbola, int(arg[2:], 16), where)
            glyph.foreground = outline(dejavu if kind == "dejavu" else symbola, src)
            glyph.width = src.width
        elif kind == "text":
            set_letters(glyph, dejavu, arg, where)
        else:
            if arg not in DRAWINGS:
                raise MapError("%s: no drawing named %r" % (where, arg))
            pen = Pen()
            DRAWINGS[arg](pen)
            pen.render(glyph)
        if e.cls != "text":
            height, max_width = CLASSES[e.cls]
            normalise(glyph, height * e.factor, max_width * e.factor)
        glyph.round()
        glyph.correctDirection()
    # An open box for characters the font lacks.
    notdef = font.createChar(-1, ".notdef")
    pen = Pen()
    pen.polygon((200, 0), (1029, 0), (1029, 1493), (200, 1493))
    pen.render(notdef)
    notdef.width = 1229
    return font


def write_font(font, output):
    os.environ["SOURCE_DATE_EPOCH"] = str(FIXED_TIME)
    tmp = output + ".tmp.ttf"
    try:
        font.generate(tmp, flags=("opentype", "no-FFTM-table", "omit-instructions",
                                  "no-mac-names"))
        # Set the head table's modified time as well: FontForge writes the
        # current time there unless SOURCE_DATE_EPOCH is honoured.
        fix_head_times(tmp)
        os.replace(tmp, output)
    finally:
        if os.path.exists(tmp):
            os.remove(tmp)


def fix_head_times(path):
    """Writes FIXED_TIME into the head table's created and modified fields
    and corrects the checksums, whatever FontForge put there."""
    with open(path, "rb") as f:
        data = bytearray(f.read())
    num_tables = struct.unpack_from(">H", data, 4)[0]
    head = None
    for i in range(num_tables):
        rec = 12 + 16 * i
        tag = bytes(data[rec:rec + 4])
        if tag == b"head":
            head = rec
    if head is None:
        raise MapError("generated font has no head table")
    offset, length = struct.unpack_from(">II", data, head + 8)
    mac_epoch = FIXED_TIME + 2082844800  # seconds since 1904-01-01
    struct.pack_into(">qq", data, offset + 20, mac_epoch, mac_epoch)
    struct.pack_into(">I", data, offset + 8, 0)  # checkSumAdjustment

    def checksum(buf):
        padded = bytes(buf) + b"\0" * (-len(buf) % 4)
        return sum(struct.unpack(">%dI" % (len(padded) // 4), padded)) & 0xFFFFFFFF

    struct.pack_into(">I", data, head + 4, checksum(data[offset:offset + length]))
    struct.pack_into(">I", data, offset + 8, (0xB1B0AFBA - checksum(data)) & 0xFFFFFFFF)
    with open(path, "wb") as f:
        f.write(data)


def main(argv):
    if len(argv) != 5:
        sys.stderr.write(__doc__.split("\n\n")[1] + "\n")
        return 2
    map_path, dejavu_path, symbola_path, output = argv[1:]
    for p in (map_path, dejavu_path, symbola_path):
        if not os.path.isfile(p):
            sys.stderr.write("make_zorastro: %s: file not found\n" % p)
            return 1
    try:
        entries = parse_map(map_path)
        font = build(entries, map_path, dejavu_path, symbola_path)
        write_font(font, output)
    except MapError as err:
        sys.stderr.write("make_zorastro: %s\n" % err)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
