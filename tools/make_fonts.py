#!/usr/bin/python3
"""Makes Zentra's three font files (TrueType data under .fnt names):

  Sevenseg.fnt  face "Sevenseg": a seven-segment display face, drawn here.
  Buttons.fnt   face "Buttons": the key captions; each glyph byte b >= 0x80 of
                a caption is a picture at U+E000 + b, the letters and digits
                of mixed captions come from DejaVu Sans Condensed.
  Minitron.fnt  face "Minitron": a small dot-matrix face from a 5x7 grid.

Buttons.fnt is derived from DejaVu Sans (Bitstream Vera licence, which allows
derived fonts under a new name). Run:  python3 tools/make_fonts.py [OUTPUT_DIR]
(the default output directory is resources/fonts/, where the program looks).
"""

import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

EM = 1000
ASCENT = 800
DESCENT = 200
DEJAVU_DIR = "/usr/share/fonts/truetype/dejavu"

# Each face carries its copyright and licence (resources/copyright has both).
ZENTRA_COPYRIGHT = "Copyright (c) 2026 Vantrell"
MIT_LICENCE = """\
Permission is hereby granted, free of charge, to any person obtaining a copy of this font \
software and associated documentation files (the "Software"), to deal in the Software without \
restriction, including without limitation the rights to use, copy, modify, merge, publish, \
distribute, sublicense, and/or sell copies of the Software, and to permit persons to whom the \
Software is furnished to do so, subject to the following conditions:

The above copyright notice and this permission notice shall be included in all copies or \
substantial portions of the Software.

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, INCLUDING \
BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE AND \
NONINFRINGEMENT. IN NO EVENT SHALL THE AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, \
DAMAGES OR OTHER LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, \
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE SOFTWARE."""
# Buttons: the Bitstream Vera notices must travel with the glyphs derived from DejaVu Sans.
BUTTONS_COPYRIGHT = (ZENTRA_COPYRIGHT + ". Glyphs derived from DejaVu Sans: Copyright (c) 2003 "
                     "by Bitstream, Inc. All Rights Reserved. Bitstream Vera is a trademark of "
                     "Bitstream, Inc. DejaVu changes are in public domain.")
BITSTREAM_VERA_LICENCE = """\
Permission is hereby granted, free of charge, to any person obtaining a copy of the fonts \
accompanying this license ("Fonts") and associated documentation files (the "Font Software"), to \
reproduce and distribute the Font Software, including without limitation the rights to use, copy, \
merge, publish, distribute, and/or sell copies of the Font Software, and to permit persons to \
whom the Font Software is furnished to do so, subject to the following conditions:

The above copyright and trademark notices and this permission notice shall be included in all \
copies of one or more of the Font Software typefaces.

The Font Software may be modified, altered, or added to, and in particular the designs of glyphs \
or characters in the Fonts may be modified and additional glyphs or characters may be added to \
the Fonts, only if the fonts are renamed to names not containing either the words "Bitstream" or \
the word "Vera".

This License becomes null and void to the extent applicable to Fonts or Font Software that has \
been modified and is distributed under the "Bitstream Vera" names.

The Font Software may be sold as part of a larger software package but no copy of one or more \
of the Font Software typefaces may be sold by itself.

THE FONT SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR IMPLIED, \
INCLUDING BUT NOT LIMITED TO ANY WARRANTIES OF MERCHANTABILITY, FITNESS FOR A PARTICULAR PURPOSE \
AND NONINFRINGEMENT OF COPYRIGHT, PATENT, TRADEMARK, OR OTHER RIGHT. IN NO EVENT SHALL \
BITSTREAM OR THE GNOME FOUNDATION BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER LIABILITY, \
INCLUDING ANY GENERAL, SPECIAL, INDIRECT, INCIDENTAL, OR CONSEQUENTIAL DAMAGES, WHETHER IN AN \
ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM, OUT OF THE USE OR INABILITY TO USE THE FONT \
SOFTWARE OR FROM OTHER DEALINGS IN THE FONT SOFTWARE.

Except as contained in this notice, the names of Gnome, the Gnome Foundation, and Bitstream \
Inc., shall not be used in advertising or otherwise to promote the sale, use or other dealings \
in this Font Software without prior written authorization from the Gnome Foundation or \
Bitstream Inc., respectively. For further information, contact: fonts at gnome dot org."""


def polygon_area(points):
    area = 0
    for i, (x0, y0) in enumerate(points):
        x1, y1 = points[(i + 1) % len(points)]
        area += x0 * y1 - x1 * y0
    return area / 2


def draw_polygon(pen, points):
    # TrueType fills clockwise outer contours (y up).
    if polygon_area(points) > 0:
        points = list(reversed(points))
    pen.moveTo(points[0])
    for p in points[1:]:
        pen.lineTo(p)
    pen.closePath()


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]


class Face:
    """Glyphs collected for one font."""

    def __init__(self, family, copyright=ZENTRA_COPYRIGHT, licence=MIT_LICENCE):
        self.family = family
        self.copyright = copyright
        self.licence = licence
        self.glyphs = {".notdef": TTGlyphPen(None).glyph()}
        self.metrics = {".notdef": (500, 0)}
        self.cmap = {}

    def add(self, name, codepoints, advance, draw):
        pen = TTGlyphPen(None)
        draw(pen)
        glyph = pen.glyph()
        glyph.recalcBounds(None)
        self.glyphs[name] = glyph
        self.metrics[name] = (advance, getattr(glyph, "xMin", 0) if glyph.numberOfContours else 0)
        for cp in codepoints:
            self.cmap[cp] = name

    def save(self, path, style="Regular"):
        fb = FontBuilder(EM, isTTF=True)
        order = list(self.glyphs)
        fb.setupGlyphOrder(order)
        fb.setupCharacterMap(self.cmap)
        fb.setupGlyf(self.glyphs)
        fb.setupHorizontalMetrics(self.metrics)
        fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
        fb.setupNameTable({
            "familyName": self.family,
            "styleName": style,
            "uniqueFontIdentifier": "Zentra " + self.family,
            "fullName": self.family,
            "psName": self.family,
            "version": "Version 1.0",
            "copyright": self.copyright,
            "licenseDescription": self.licence,
        })
        # fsType 0: installable embedding; the licences restrict nothing.
        fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, usWinAscent=ASCENT,
                    usWinDescent=DESCENT, achVendID="ZNTR", fsType=0)
        fb.setupPost()
        # Fixed dates, so that making the files again gives the same bytes.
        fb.font["head"].created = fb.font["head"].modified = 3850070400  # 2026-01-01, in seconds since 1904
        fb.font.recalcTimestamp = False
        fb.save(path)


# --- Sevenseg ------------------------------------------------------------------

SEG_ADVANCE = 620
SEG_W = 70            # segment thickness
X0, X1 = 90, 530      # digit box
Y0, Y1 = 0, 720
YM = (Y0 + Y1) // 2
GAP = 12              # gap between segments at their joins


def horizontal(y):
    h = SEG_W / 2
    xa, xb = X0 + GAP, X1 - GAP
    return [(xa, y), (xa + h, y + h), (xb - h, y + h), (xb, y), (xb - h, y - h), (xa + h, y - h)]


def vertical(x, ya, yb):
    h = SEG_W / 2
    ya, yb = ya + GAP, yb - GAP
    return [(x, ya), (x - h, ya + h), (x - h, yb - h), (x, yb), (x + h, yb - h), (x + h, ya + h)]


SEGMENTS = {
    "a": horizontal(Y1 - SEG_W / 2),
    "b": vertical(X1 - SEG_W / 2, YM, Y1),
    "c": vertical(X1 - SEG_W / 2, Y0, YM),
    "d": horizontal(Y0 + SEG_W / 2),
    "e": vertical(X0 + SEG_W / 2, Y0, YM),
    "f": vertical(X0 + SEG_W / 2, YM, Y1),
    "g": horizontal(YM),
}

SEVEN = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg", "5": "acdfg",
    "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
    "A": "abcefg", "B": "cdefg", "C": "adef", "D": "bcdeg", "E": "adefg", "F": "aefg",
    "G": "acdef", "H": "bcefg", "I": "ef", "J": "bcde", "L": "def", "N": "ceg", "O": "abcdef",
    "P": "abefg", "R": "eg", "S": "acdfg", "T": "defg", "U": "bcdef", "V": "cde", "W": "bcdef",
    "Y": "bcdfg", "K": "bcefg", "M": "aceg", "Q": "abcfg", "X": "bcefg", "Z": "abdeg",
    "o": "cdeg", "n": "ceg", "r": "eg", "u": "cde", "h": "cefg", "c": "deg", "i": "c",
    "t": "defg", "l": "ef", "v": "cde", "w": "cde", "e": "abdefg", "-": "g", "_": "d",
    "=": "dg", "\u00ba": "abfg", "\u00b0": "abfg", "'": "f", '"': "bf",
}


def seven_segment_face():
    face = Face("Sevenseg")
    face.add("space", [0x20], SEG_ADVANCE, lambda pen: None)
    for ch, segs in SEVEN.items():
        def draw(pen, segs=segs):
            for s in segs:
                draw_polygon(pen, SEGMENTS[s])
        cps = [ord(ch)]
        if ch.isalpha() and ch.isupper() and ch.lower() not in SEVEN:
            cps.append(ord(ch.lower()))
        if ch.isalpha() and ch.islower() and ch.upper() not in SEVEN:
            cps.append(ord(ch.upper()))
        face.add("seg%04X" % ord(ch), cps, SEG_ADVANCE, draw)
    # The point and comma sit in the gap after a digit.
    dot = rect(40, 0, 40 + SEG_W + 10, SEG_W + 10)
    face.add("period", [ord(".")], 160, lambda pen: draw_polygon(pen, dot))
    face.add("comma", [ord(",")], 160, lambda pen: (
        draw_polygon(pen, dot), draw_polygon(pen, [(70, 0), (120, 0), (60, -120), (30, -120)])))
    face.add("colon", [ord(":")], 200, lambda pen: (
        draw_polygon(pen, rect(60, 160, 140, 240)), draw_polygon(pen, rect(60, 480, 140, 560))))

    def plus(pen):
        draw_polygon(pen, SEGMENTS["g"])
        h = SEG_W / 2
        cx = (X0 + X1) / 2
        draw_polygon(pen, rect(cx - h, YM - 200, cx + h, YM - h - GAP))
        draw_polygon(pen, rect(cx - h, YM + h + GAP, cx + h, YM + 200))
    face.add("plus", [ord("+")], SEG_ADVANCE, plus)
    return face


# --- Minitron ------------------------------------------------------------------

DOT = 100            # grid pitch
DOT_SIZE = 84
MINI_ADVANCE = 6 * DOT

# 5x7 patterns, rows top to bottom, "#" a lit dot.
MATRIX = {
    "0": ".###. #...# #..## #.#.# ##..# #...# .###.",
    "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    "2": ".###. #...# ....# ...#. ..#.. .#... #####",
    "3": "##### ...#. ..#.. ...#. ....# #...# .###.",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    "5": "##### #.... ####. ....# ....# #...# .###.",
    "6": "..##. .#... #.... ####. #...# #...# .###.",
    "7": "##### ....# ...#. ..#.. .#... .#... .#...",
    "8": ".###. #...# #...# .###. #...# #...# .###.",
    "9": ".###. #...# #...# .#### ....# ...#. .##..",
    "A": ".###. #...# #...# ##### #...# #...# #...#",
    "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.",
    "D": "###.. #..#. #...# #...# #...# #..#. ###..",
    "E": "##### #.... #.... ####. #.... #.... #####",
    "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####",
    "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "J": "..### ...#. ...#. ...#. ...#. #..#. .##..",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    "N": "#...# #...# ##..# #.#.# #..## #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.",
    "P": "####. #...# #...# ####. #.... #.... #....",
    "Q": ".###. #...# #...# #...# #.#.# #..#. .##.#",
    "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".#### #.... #.... .###. ....# ....# ####.",
    "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.",
    "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    "X": "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    "Y": "#...# #...# #...# .#.#. ..#.. ..#.. ..#..",
    "Z": "##### ....# ...#. ..#.. .#... #.... #####",
    "a": "..... ..... .###. ....# .#### #...# .####",
    "b": "#.... #.... #.##. ##..# #...# #...# ####.",
    "c": "..... ..... .###. #.... #.... #...# .###.",
    "d": "....# ....# .##.# #..## #...# #...# .####",
    "e": "..... ..... .###. #...# ##### #.... .###.",
    "f": "..##. .#..# .#... ###.. .#... .#... .#...",
    "g": "..... .#### #...# #...# .#### ....# .###.",
    "h": "#.... #.... #.##. ##..# #...# #...# #...#",
    "i": "..#.. ..... .##.. ..#.. ..#.. ..#.. .###.",
    "j": "...#. ..... ..##. ...#. ...#. #..#. .##..",
    "k": "#.... #.... #..#. #.#.. ##... #.#.. #..#.",
    "l": ".##.. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "m": "..... ..... ##.#. #.#.# #.#.# #...# #...#",
    "n": "..... ..... #.##. ##..# #...# #...# #...#",
    "o": "..... ..... .###. #...# #...# #...# .###.",
    "p": "..... ..... ####. #...# ####. #.... #....",
    "q": "..... ..... .##.# #..## .#### ....# ....#",
    "r": "..... ..... #.##. ##..# #.... #.... #....",
    "s": "..... ..... .###. #.... .###. ....# ####.",
    "t": ".#... .#... ###.. .#... .#... .#..# ..##.",
    "u": "..... ..... #...# #...# #...# #..## .##.#",
    "v": "..... ..... #...# #...# #...# .#.#. ..#..",
    "w": "..... ..... #...# #...# #.#.# #.#.# .#.#.",
    "x": "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    "y": "..... ..... #...# #...# .#### ....# .###.",
    "z": "..... ..... ##### ...#. ..#.. .#... #####",
    ".": "..... ..... ..... ..... ..... .##.. .##..",
    ",": "..... ..... ..... ..... .##.. ..#.. .#...",
    ":": "..... .##.. .##.. ..... .##.. .##.. .....",
    ";": "..... .##.. .##.. ..... .##.. ..#.. .#...",
    "-": "..... ..... ..... ##### ..... ..... .....",
    "+": "..... ..#.. ..#.. ##### ..#.. ..#.. .....",
    "*": "..... ..#.. #.#.# .###. #.#.# ..#.. .....",
    "/": "..... ....# ...#. ..#.. .#... #.... .....",
    "=": "..... ..... ##### ..... ##### ..... .....",
    "(": "...#. ..#.. .#... .#... .#... ..#.. ...#.",
    ")": ".#... ..#.. ...#. ...#. ...#. ..#.. .#...",
    "[": ".###. .#... .#... .#... .#... .#... .###.",
    "]": ".###. ...#. ...#. ...#. ...#. ...#. .###.",
    "<": "...#. ..#.. .#... #.... .#... ..#.. ...#.",
    ">": ".#... ..#.. ...#. ....# ...#. ..#.. .#...",
    "!": "..#.. ..#.. ..#.. ..#.. ..#.. ..... ..#..",
    "?": ".###. #...# ....# ...#. ..#.. ..... ..#..",
    "'": "..#.. ..#.. .#... ..... ..... ..... .....",
    '"': ".#.#. .#.#. ..... ..... ..... ..... .....",
    "%": "##... ##..# ...#. ..#.. .#... #..## ...##",
    "&": ".##.. #..#. #.#.. .#... #.#.# #..#. .##.#",
    "#": ".#.#. .#.#. ##### .#.#. ##### .#.#. .#.#.",
    "$": "..#.. .#### #.#.. .###. ..#.# ####. ..#..",
    "@": ".###. #...# ....# .##.# #.#.# #.#.# .###.",
    "^": "..#.. .#.#. #...# ..... ..... ..... .....",
    "_": "..... ..... ..... ..... ..... ..... #####",
    "|": "..#.. ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "\\": "..... #.... .#... ..#.. ...#. ....# .....",
    "~": "..... ..... .#... #.#.# ...#. ..... .....",
    "`": ".#... ..#.. ..... ..... ..... ..... .....",
    "{": "...#. ..#.. ..#.. .#... ..#.. ..#.. ...#.",
    "}": ".#... ..#.. ..#.. ...#. ..#.. ..#.. .#...",
    "\u00ba": ".##.. #..#. .##.. ..... ..... ..... .....",
    "\u00b0": ".##.. #..#. .##.. ..... ..... ..... .....",
}


def dot_matrix_face():
    face = Face("Minitron")
    face.add("space", [0x20], MINI_ADVANCE, lambda pen: None)
    for ch, pattern in MATRIX.items():
        rows = pattern.split()
        assert len(rows) == 7 and all(len(r) == 5 for r in rows), ch

        def draw(pen, rows=rows):
            for r, row in enumerate(rows):
                for c, lit in enumerate(row):
                    if lit == "#":
                        x = 50 + c * DOT
                        y = (6 - r) * DOT
                        draw_polygon(pen, rect(x, y, x + DOT_SIZE, y + DOT_SIZE))
        face.add("mini%04X" % ord(ch), [ord(ch)], MINI_ADVANCE, draw)
    return face


# --- Buttons -------------------------------------------------------------------

class Source:
    """Outlines of a DejaVu face, drawn through a transform into our pens."""

    def __init__(self, filename):
        self.font = TTFont(os.path.join(DEJAVU_DIR, filename))
        self.glyphset = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.scale = EM / self.font["head"].unitsPerEm

    def advance(self, ch):
        return self.font["hmtx"][self.cmap[ord(ch)]][0] * self.scale

    def draw(self, pen, ch, dx=0.0, dy=0.0, size=1.0, sx=1.0):
        s = self.scale * size
        # Composite glyphs are flattened: our glyphs stand alone.
        recording = DecomposingRecordingPen(self.glyphset)
        self.glyphset[self.cmap[ord(ch)]].draw(recording)
        recording.replay(TransformPen(pen, (s * sx, 0, 0, s, dx, dy)))
        return self.advance(ch) * size * sx


SANS = None
BOLD = None
CONDENSED = 0.86     # the small keys are narrow


def text_run(pen, parts, x=0.0):
    """Draws (text, size, raise) parts left to right; returns the end x."""
    for text, size, rise in parts:
        for ch in text:
            x += SANS.draw(pen, ch, dx=x, dy=rise, size=size, sx=CONDENSED)
    return x


def run_glyph(parts, bearing=40):
    def draw(pen):
        text_run(pen, parts, bearing)
    width = bearing
    for text, size, _ in parts:
        for ch in text:
            width += SANS.advance(ch) * size * CONDENSED
    return draw, int(width + bearing)


SUP = 0.62           # superscript size
SUP_RISE = 380
SUB = 0.62
SUB_DROP = -120


def buttons_face():
    face = Face("Buttons", BUTTONS_COPYRIGHT, BITSTREAM_VERA_LICENCE)

    # Letters, digits and signs of the text captions, as DejaVu Sans Condensed.
    face.add("space", [0x20], int(SANS.advance(" ") * CONDENSED), lambda pen: None)
    for code in range(0x21, 0x7F):
        ch = chr(code)
        if ord(ch) not in SANS.cmap:
            continue
        draw, width = run_glyph([(ch, 1.0, 0)], bearing=0)
        face.add("asc%02X" % code, [code], width, draw)

    def add_byte(byte, draw, width):
        face.add("key%02X" % byte, [0xE000 + byte], width, draw)

    def add_run(byte, parts):
        draw, width = run_glyph(parts)
        add_byte(byte, draw, width)

    # The operator keys, large and bold: they stand beside the digits, which
    # have a larger font of their own.
    def operator(byte, ch, size=1.7):
        def draw(pen):
            BOLD.draw(pen, ch, dx=60, dy=-120, size=size)
        add_byte(byte, draw, int(BOLD.advance(ch) * size + 120))

    operator(0x80, ".", size=2.0)
    operator(0x81, "+")
    operator(0x82, "\u2212")
    operator(0x83, "\u00d7")
    operator(0x84, "\u00f7")

    add_run(0xC0, [("x", 1.0, 0), ("2", SUP, SUP_RISE)])                       # x^2
    add_run(0xC1, [("\u221a", 1.0, 0), ("x", 1.0, 0)])                         # sqrt
    add_run(0xC2, [("x", 1.0, 0), ("y", SUP, SUP_RISE)])                       # x^y
    add_run(0xC3, [("x", 1.0, 0), ("\u2212", SUP, SUP_RISE), ("1", SUP, SUP_RISE)])  # x^-1
    add_run(0xC4, [("e", 1.0, 0), ("x", SUP, SUP_RISE)])                       # e^x
    add_run(0xC5, [("ln", 1.0, 0)])                                            # ln
    add_run(0xC6, [("10", 1.0, 0), ("x", SUP, SUP_RISE)])                      # 10^x
    add_run(0xC7, [("log", 1.0, 0)])                                           # log
    add_run(0xD2, [("\u03c0", 1.15, 0)])                                       # pi
    add_run(0xD3, [("y", SUP, SUP_RISE), ("\u221a", 1.0, 0), ("x", 1.0, 0)])    # x^1/y
    add_run(0xD4, [("1/x", 1.0, 0)])                                           # 1/x
    add_run(0xD5, [("\u00b1", 1.5, -60)])                                        # +/-
    add_run(0xD8, [("\u00b0", 1.7, -300)])                                        # deg step
    add_run(0xD9, [("\u2032", 1.6, -250)])                                        # min step
    add_run(0xDA, [("\u2033", 1.6, -250)])                                        # sec step
    add_run(0xDB, [("\u25b8", 0.9, 0), ("\u00b0", 1.5, -220)])                    # >deg
    add_run(0xDE, [("\u2212", SUP, SUP_RISE), ("1", SUP, SUP_RISE)])           # inverse mark
    add_run(0xDF, [("\u03c3", 1.0, 0)])                                        # sigma
    add_run(0xE0, [("n", SUB, SUB_DROP)])                                      # sub n
    add_run(0xE1, [("\u2212", SUB, SUB_DROP)], )                               # sub minus
    add_run(0xE2, [("1", SUB, SUB_DROP)])                                      # sub one
    add_run(0xE4, [("2", SUP, SUP_RISE)])                                      # square mark
    add_run(0xE5, [("\u03a3", 1.0, 0)])                                        # Sigma

    # The mean: x with a bar over it.
    def mean(pen):
        width = text_run(pen, [("x", 1.0, 0)], 40)
        draw_polygon(pen, rect(60, 640, width - 20, 700))
    draw, width = run_glyph([("x", 1.0, 0)])
    add_byte(0xE3, mean, width)
    return face


def main():
    global SANS, BOLD
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "fonts")
    SANS = Source("DejaVuSans.ttf")
    BOLD = Source("DejaVuSans-Bold.ttf")
    seven_segment_face().save(os.path.join(out, "Sevenseg.fnt"))
    buttons_face().save(os.path.join(out, "Buttons.fnt"))
    dot_matrix_face().save(os.path.join(out, "Minitron.fnt"))


if __name__ == "__main__":
    main()
