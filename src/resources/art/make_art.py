#!/usr/bin/env python3
"""Draws the plug-in's bitmaps and icons and writes them with their resource ids.

Run it with no arguments from any folder. It writes, next to itself, every
.bmp and .ico file and art.rch (the BITMAP and ICON statements of the neutral
resource script), and ../art_ids.h (the IDB_* and IDI_* ids). The build uses
the committed output, so Python is needed only to change the artwork.

Every file is read back and checked after it is written, because a bad header
shows up in the dialogs only as an empty control.
"""

import math
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
IDS_HEADER = os.path.join(os.path.dirname(HERE), "art_ids.h")
RESOURCE_SCRIPT = os.path.join(HERE, "art.rch")
# Paths in art.rch are relative to src/, which is on windres' include path.
RESOURCE_DIR = "resources/art"

# DrawTransparentBitmap treats exactly this colour as "not drawn".
KEY = (255, 0, 255)
# Edges of transparent pictures are blended towards a dialog face colour, so
# the anti-aliasing looks right on the page rather than fringed in magenta.
DIALOG_FACE = (236, 236, 236)
PALETTE_SIZE = 256
SUBSAMPLES = 5

CYAN = (0, 158, 224)
MAGENTA = (226, 0, 122)
YELLOW = (255, 214, 0)
TONER_BLACK = (36, 34, 38)
BRAND_NAVY = (18, 42, 96)
BRAND_BLUE = (0, 104, 190)
WHITE = (255, 255, 255)
INK_GRAY = (92, 96, 104)
PAPER_EDGE = (150, 154, 162)


# ---------------------------------------------------------------- raster --

class Canvas:
    """Premultiplied RGBA surface, channels 0..1, filled with anti-aliased
    nonzero-winding paths (a path is a list of closed point lists)."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def fill(self, path, paint, alpha=1.0):
        for y, lo, hi, row in self._coverage(path):
            for x in range(lo, hi):
                cover = min(row[x], 1.0) * alpha
                if cover <= 0.0:
                    continue
                colour = paint(x + 0.5, y + 0.5) if callable(paint) else paint
                pixel = self.pixels[y * self.width + x]
                keep = 1.0 - cover
                for channel in range(3):
                    pixel[channel] = colour[channel] / 255.0 * cover + pixel[channel] * keep
                pixel[3] = cover + pixel[3] * keep

    def rgba(self, x, y):
        """Straight (not premultiplied) colour 0..255 and alpha 0..1."""
        r, g, b, a = self.pixels[y * self.width + x]
        if a <= 0.0:
            return (0, 0, 0), 0.0
        return tuple(min(255, int(round(c / a * 255.0))) for c in (r, g, b)), a

    def _coverage(self, path):
        edges = []
        for points in path:
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if ya == yb:
                    continue
                winding = 1 if yb > ya else -1
                if ya > yb:
                    xa, ya, xb, yb = xb, yb, xa, ya
                edges.append((ya, yb, xa, (xb - xa) / (yb - ya), winding))
        if not edges:
            return
        top = max(0, int(math.floor(min(e[0] for e in edges))))
        bottom = min(self.height, int(math.ceil(max(e[1] for e in edges))))
        weight = 1.0 / SUBSAMPLES
        for y in range(top, bottom):
            row = [0.0] * self.width
            lo, hi = self.width, 0
            for sample in range(SUBSAMPLES):
                sy = y + (sample + 0.5) * weight
                crossings = sorted((x0 + (sy - y0) * slope, winding)
                                   for y0, y1, x0, slope, winding in edges if y0 <= sy < y1)
                total, start = 0, 0.0
                for x, winding in crossings:
                    if total == 0:
                        start = x
                    total += winding
                    if total == 0:
                        span = _add_span(row, start, x, weight)
                        if span:
                            lo, hi = min(lo, span[0]), max(hi, span[1])
            if lo < hi:
                yield y, lo, hi, row


def _add_span(row, left, right, weight):
    left, right = max(0.0, left), min(float(len(row)), right)
    if right <= left:
        return None
    first, last = int(left), int(right)
    if first == last:
        row[first] += (right - left) * weight
        return first, first + 1
    row[first] += (first + 1 - left) * weight
    for x in range(first + 1, last):
        row[x] += weight
    if last < len(row):
        row[last] += (right - last) * weight
        return first, last + 1
    return first, last


# ---------------------------------------------------------------- shapes --

def _area(points):
    return sum(xa * yb - xb * ya for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]))


def _outward(points):
    """Same turning sense for every part, so overlapping parts unite."""
    return points if _area(points) >= 0 else points[::-1]


def hole(path):
    return [points[::-1] for points in path]


def rect(x, y, w, h):
    return [[(x, y), (x + w, y), (x + w, y + h), (x, y + h)]]


def polygon(*points):
    return [_outward(list(points))]


def arc(cx, cy, rx, ry, start, end, steps=None):
    """Points from angle start to end (degrees, counter-clockwise on screen)."""
    steps = steps or max(4, int(abs(end - start) / 8))
    return [(cx + rx * math.cos(math.radians(start + (end - start) * i / steps)),
             cy - ry * math.sin(math.radians(start + (end - start) * i / steps)))
            for i in range(steps + 1)]


def ellipse(cx, cy, rx, ry):
    return [_outward(arc(cx, cy, rx, ry, 0, 360, 72)[:-1])]


def round_rect(x, y, w, h, r):
    r = min(r, w / 2.0, h / 2.0)
    points = (arc(x + w - r, y + r, r, r, 0, 90, 6) + arc(x + r, y + r, r, r, 90, 180, 6)
              + arc(x + r, y + h - r, r, r, 180, 270, 6) + arc(x + w - r, y + h - r, r, r, 270, 360, 6))
    return [_outward(points)]


def stroke(points, width, closed=False):
    """A polyline of the given width with round joins and ends."""
    half = width / 2.0
    path = []
    pairs = list(zip(points, points[1:] + points[:1] if closed else points[1:]))
    for (xa, ya), (xb, yb) in pairs:
        length = math.hypot(xb - xa, yb - ya)
        if length == 0:
            continue
        nx, ny = -(yb - ya) / length * half, (xb - xa) / length * half
        path.append(_outward([(xa + nx, ya + ny), (xb + nx, yb + ny), (xb - nx, yb - ny), (xa - nx, ya - ny)]))
    for x, y in points:
        path.extend(ellipse(x, y, half, half))
    return path


def transform(path, scale=1.0, dx=0.0, dy=0.0, shear=0.0):
    return [[(x * scale + dx - shear * (y * scale), y * scale + dy) for x, y in points] for points in path]


# ---------------------------------------------------------------- paints --

def mix(a, b, t):
    return tuple(ca + (cb - ca) * t for ca, cb in zip(a, b))


def linear(x0, y0, x1, y1, start, end):
    dx, dy = x1 - x0, y1 - y0
    length = dx * dx + dy * dy

    def paint(x, y):
        t = ((x - x0) * dx + (y - y0) * dy) / length
        return mix(start, end, min(1.0, max(0.0, t)))
    return paint


def gray(colour):
    level = 0.299 * colour[0] + 0.587 * colour[1] + 0.114 * colour[2]
    return (level, level, level)


# ------------------------------------------------------------------ font --

def _glyphs():
    """Stroke letters on a 4 by 6 grid (y downwards): polylines, advance."""
    return {
        "A": ([[(0, 6), (2, 0), (4, 6)], [(0.7, 4), (3.3, 4)]], 4),
        "C": ([arc(2, 3, 2, 3, 45, 315)], 4),
        "E": ([[(3.6, 0), (0, 0), (0, 6), (3.6, 6)], [(0, 3), (3, 3)]], 3.6),
        "G": ([arc(2, 3, 2, 3, 45, 320) + [(4, 3.4), (2.4, 3.4)]], 4),
        "I": ([[(0, 0), (0, 6)]], 0),
        "L": ([[(0, 0), (0, 6), (3.4, 6)]], 3.4),
        "M": ([[(0, 6), (0, 0), (2.25, 4), (4.5, 0), (4.5, 6)]], 4.5),
        "N": ([[(0, 6), (0, 0), (4, 6), (4, 0)]], 4),
        "O": ([arc(2, 3, 2, 3, 0, 360, 48)], 4),
        "P": ([[(0, 6), (0, 0), (2.4, 0)] + arc(2.4, 1.6, 1.6, 1.6, 90, -90) + [(0, 3.2)]], 4),
        "R": ([[(0, 6), (0, 0), (2.4, 0)] + arc(2.4, 1.6, 1.6, 1.6, 90, -90) + [(0, 3.2)],
               [(2.2, 3.2), (4, 6)]], 4),
        "S": ([arc(2, 1.55, 1.9, 1.55, 30, 270) + arc(2, 4.45, 2, 1.55, 90, -150)], 4),
        "T": ([[(0, 0), (4, 0)], [(2, 0), (2, 6)]], 4),
        "X": ([[(0, 0), (4, 6)], [(4, 0), (0, 6)]], 4),
        "Y": ([[(0, 0), (2, 3), (4, 0)], [(2, 3), (2, 6)]], 4),
    }


GLYPHS = _glyphs()


def text_path(text, x, y, height, weight, spacing=1.6, italic=0.0):
    """Outline of text whose top-left stem starts at (x, y)."""
    scale = height / 6.0
    path = []
    cursor = 0.0
    for letter in text:
        if letter == " ":
            cursor += 3.0
            continue
        strokes, advance = GLYPHS[letter]
        for line in strokes:
            moved = [(cursor + px, py) for px, py in line]
            path.extend(transform(stroke(moved, weight / scale), scale, x, y, italic))
        cursor += advance + spacing
    return [[(px + italic * height, py) for px, py in points] for points in path]


# ----------------------------------------------------------- quantising --

def _median_cut(counts, size):
    """Splits the colour cloud into at most size boxes; returns the palette
    and the box index of every colour."""
    boxes = [list(counts.items())]
    while len(boxes) < size:
        best, best_score = None, 0
        for index, box in enumerate(boxes):
            if len(box) < 2:
                continue
            spread = max(max(c[0][k] for c in box) - min(c[0][k] for c in box) for k in range(3))
            score = spread * math.sqrt(sum(n for _, n in box))
            if score > best_score:
                best, best_score = index, score
        if best is None:
            break
        box = boxes.pop(best)
        channel = max(range(3), key=lambda k: max(c[0][k] for c in box) - min(c[0][k] for c in box))
        box.sort(key=lambda c: c[0][channel])
        half, running, cut = sum(n for _, n in box) / 2.0, 0, 1
        for cut, (_, n) in enumerate(box, 1):
            running += n
            if running >= half:
                break
        cut = min(max(cut, 1), len(box) - 1)
        boxes.extend([box[:cut], box[cut:]])
    palette, lookup = [], {}
    for index, box in enumerate(boxes):
        total = sum(n for _, n in box)
        palette.append(tuple(int(round(sum(c[k] * n for c, n in box) / total)) for k in range(3)))
        for colour, _ in box:
            lookup[colour] = index
    return palette, lookup


def quantise(canvas, keyed):
    """8-bit palette image, rows top first. With keyed, colour 0 is the
    transparent key and takes every pixel that is more than half clear."""
    colours = []
    for y in range(canvas.height):
        for x in range(canvas.width):
            colour, alpha = canvas.rgba(x, y)
            if keyed and alpha < 0.5:
                colours.append(None)
            else:
                colours.append(tuple(int(round(c)) for c in mix(DIALOG_FACE if keyed else WHITE, colour, alpha)))
    counts = {}
    for colour in colours:
        if colour is not None:
            counts[colour] = counts.get(colour, 0) + 1
    reserved = 1 if keyed else 0
    palette, lookup = _median_cut(counts, PALETTE_SIZE - reserved)
    indices = [0 if c is None else lookup[c] + reserved for c in colours]
    if keyed:
        # An opaque pixel averaged onto the key colour would vanish when drawn.
        palette = [KEY] + [c if c != KEY else (254, 0, 254) for c in palette]
    rows = [indices[y * canvas.width:(y + 1) * canvas.width] for y in range(canvas.height)]
    return palette, rows


# --------------------------------------------------------------- writers --

BITMAP_FILE_HEADER = "<2sIHHI"
BITMAP_INFO_HEADER = "<IiiHHIIiiII"
PIXELS_PER_METRE = 2835


def bmp_bytes(palette, rows):
    width, height = len(rows[0]), len(rows)
    stride = (width + 3) & ~3
    # Bottom-up rows, as a positive biHeight says.
    pixels = b"".join(bytes(row) + bytes(stride - width) for row in reversed(rows))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    info = struct.pack(BITMAP_INFO_HEADER, 40, width, height, 1, 8, 0, len(pixels),
                       PIXELS_PER_METRE, PIXELS_PER_METRE, len(palette), len(palette))
    offset = struct.calcsize(BITMAP_FILE_HEADER) + len(info) + len(table)
    head = struct.pack(BITMAP_FILE_HEADER, b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + table + pixels


def icon_image_bytes(canvas):
    size = canvas.width
    colour_rows, mask_rows = [], []
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(canvas.height)):
        line, bits = bytearray(), bytearray(mask_stride)
        for x in range(size):
            colour, alpha = canvas.rgba(x, y)
            a = int(round(alpha * 255))
            if a == 0:
                colour = (0, 0, 0)
            line += bytes((colour[2], colour[1], colour[0], a))
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        colour_rows.append(bytes(line))
        mask_rows.append(bytes(bits))
    body = b"".join(colour_rows) + b"".join(mask_rows)
    info = struct.pack(BITMAP_INFO_HEADER, 40, size, size * 2, 1, 32, 0, len(body), 0, 0, 0, 0)
    return info + body


def ico_bytes(canvases):
    images = [icon_image_bytes(c) for c in canvases]
    offset = 6 + 16 * len(images)
    directory = b""
    for canvas, image in zip(canvases, images):
        directory += struct.pack("<BBBBHHII", canvas.width, canvas.height, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(images)


# ------------------------------------------------------------- checking --

def check_bmp(data, width, height, keyed):
    magic, file_size, _, _, offset = struct.unpack_from(BITMAP_FILE_HEADER, data)
    fields = struct.unpack_from(BITMAP_INFO_HEADER, data, 14)
    size, w, h, planes, bits, compression, image_size, _, _, used, _ = fields
    assert magic == b"BM" and file_size == len(data), "file header"
    assert size == 40 and planes == 1 and bits == 8 and compression == 0, "info header"
    assert (w, h) == (width, height), "size %dx%d, wanted %dx%d" % (w, h, width, height)
    assert 0 < used <= PALETTE_SIZE and offset == 14 + 40 + 4 * used, "colour table"
    stride = (w + 3) & ~3
    assert image_size == stride * h and offset + image_size == len(data), "pixel block"
    table = [struct.unpack_from("<BBB", data, 54 + 4 * i)[::-1] for i in range(used)]
    pixels = data[offset:]
    assert max(pixels[r * stride + x] for r in range(h) for x in range(w)) < used, "index past table"
    if keyed:
        assert table[0] == KEY and KEY not in table[1:], "transparent key"
        assert pixels[0] == 0, "corner not transparent"
    return "%3dx%-3d 8 bpp, %3d colours%s" % (w, h, used, ", magenta key" if keyed else "")


def check_ico(data, sizes):
    reserved, kind, count = struct.unpack_from("<HHH", data)
    assert reserved == 0 and kind == 1 and count == len(sizes), "icon header"
    found = []
    for i in range(count):
        w, h, _, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        size, iw, ih, iplanes, ibits, _, body, _, _, _, _ = struct.unpack_from(BITMAP_INFO_HEADER, data, offset)
        mask = ((w + 31) // 32) * 4 * h
        assert planes == 1 and bits == 32 and iplanes == 1 and ibits == 32, "depth"
        assert (iw, ih) == (w, 2 * h) and size == 40, "image header"
        assert length == 40 + w * h * 4 + mask == 40 + body and offset + length <= len(data), "image size"
        found.append(w)
    assert found == list(sizes), "sizes %s" % found
    return " + ".join("%dx%d" % (s, s) for s in sizes) + ", 32 bpp alpha + AND mask"


# ------------------------------------------------------------- artwork --

def draw_printer_glyph(c, x, y, w, h):
    """A front view of a desktop printer with a sheet coming out; used
    wherever a flow ends at the printer."""
    c.fill(rect(x + w * 0.22, y, w * 0.56, h * 0.42), WHITE)
    c.fill(hole(rect(x + w * 0.22 + 1, y + 1, w * 0.56 - 2, h * 0.42)) + rect(x + w * 0.22, y, w * 0.56, h * 0.42),
           PAPER_EDGE)
    for i, colour in enumerate((CYAN, MAGENTA, YELLOW)):
        c.fill(rect(x + w * (0.3 + 0.14 * i), y + h * 0.12, w * 0.12, h * 0.12), colour)
    c.fill(round_rect(x, y + h * 0.3, w, h * 0.5, h * 0.08), linear(0, y + h * 0.3, 0, y + h * 0.8, (214, 218, 226), (150, 156, 168)))
    c.fill(rect(x + w * 0.16, y + h * 0.38, w * 0.68, h * 0.08), (70, 74, 84))
    c.fill(rect(x + w * 0.12, y + h * 0.8, w * 0.76, h * 0.16), (120, 126, 138))
    c.fill(rect(x + w * 0.38, y + h * 0.85, w * 0.24, h * 0.05), (70, 74, 84))
    c.fill(ellipse(x + w * 0.84, y + h * 0.62, w * 0.05, w * 0.05), (60, 200, 90))


def job_banner():
    """The SX maker banner: the SX mark, the maker's name and a toner strip."""
    c = Canvas(140, 32)
    c.fill(round_rect(1, 2, 46, 28, 5), linear(0, 2, 0, 30, (40, 78, 160), BRAND_NAVY))
    c.fill(text_path("SX", 9.5, 7, 18, 4.2, spacing=1.4, italic=0.18), WHITE)
    c.fill(text_path("PRINTING", 54, 3, 8, 1.5, spacing=1.7), BRAND_NAVY)
    c.fill(text_path("SYSTEMS", 54, 14, 8, 1.5, spacing=1.7), BRAND_NAVY)
    for i, colour in enumerate((CYAN, MAGENTA, YELLOW, TONER_BLACK)):
        c.fill(rect(54 + 21 * i, 26, 20, 3), colour)
    return c


def _quality_scene(c):
    w, h = c.width, c.height
    c.fill(rect(0, 0, w, h), linear(0, 0, 0, h, (120, 180, 240), (214, 236, 255)))
    c.fill(ellipse(w * 0.76, h * 0.27, h * 0.15, h * 0.15), (255, 200, 40))
    for i in range(3):
        c.fill(stroke(arc(w * 0.76, h * 0.27, h * (0.2 + 0.05 * i), h * (0.2 + 0.05 * i), 150, 300), 0.8),
               (255, 236, 150))
    c.fill(polygon(*([(0, h)] + arc(w * 0.3, h * 1.05, w * 0.55, h * 0.42, 180, 0) + [(w, h)])),
           linear(0, h * 0.6, 0, h, (96, 186, 70), (40, 120, 40)))
    c.fill(polygon(*([(w * 0.35, h)] + arc(w * 0.85, h * 1.1, w * 0.5, h * 0.3, 180, 0) + [(w, h)])),
           linear(0, h * 0.75, 0, h, (60, 150, 60), (20, 90, 30)))
    c.fill(polygon((w * 0.1, h * 0.62), (w * 0.2, h * 0.5), (w * 0.3, h * 0.62)), (200, 40, 40))
    c.fill(rect(w * 0.12, h * 0.62, w * 0.16, h * 0.16), (245, 235, 215))
    c.fill(rect(w * 0.18, h * 0.68, w * 0.04, h * 0.1), (120, 70, 40))
    c.fill(text_path("A", w * 0.4, h * 0.08, h * 0.34, 1.6), BRAND_NAVY)
    for i in range(5):
        c.fill(stroke([(w * 0.04, h * (0.1 + 0.05 * i)), (w * 0.3, h * (0.1 + 0.05 * i))], 0.6), (40, 60, 120))


def _pixelate(c, block):
    """Averages block by block: the coarser the grid, the lower the quality."""
    if block == 1:
        return c
    for by in range(0, c.height, block):
        for bx in range(0, c.width, block):
            cells = [c.pixels[y * c.width + x] for y in range(by, min(by + block, c.height))
                     for x in range(bx, min(bx + block, c.width))]
            average = [sum(p[k] for p in cells) / len(cells) for k in range(4)]
            for p in cells:
                p[:] = average
    return c


QUALITY_SIZE = (96, 72)


def quality_picture(block):
    c = Canvas(*QUALITY_SIZE)
    _quality_scene(c)
    return _pixelate(c, block)


def about_picture():
    """A colour laser printer seen from the front left, with a colour print
    in its output tray."""
    c = Canvas(260, 180)
    front = (28, 60, 164, 92)
    fx, fy, fw, fh = front
    depth = (40, -30)
    right = fx + fw
    top_face = polygon((fx, fy), (right, fy), (right + depth[0], fy + depth[1]), (fx + depth[0], fy + depth[1]))
    side_face = polygon((right, fy), (right + depth[0], fy + depth[1]), (right + depth[0], fy + fh + depth[1]),
                        (right, fy + fh))
    c.fill(top_face, linear(fx, fy + depth[1], fx, fy, (246, 247, 250), (226, 229, 235)))
    c.fill(side_face, linear(right, 0, right + depth[0], 0, (176, 181, 192), (150, 155, 168)))
    c.fill(rect(fx, fy, fw, fh), linear(0, fy, 0, fy + fh, (236, 238, 243), (204, 208, 216)))

    # Output tray recessed into the top, with a finished colour page.
    tray = polygon((fx + 22, fy - 4), (right - 38, fy - 4), (right - 38 + 28, fy - 25), (fx + 22 + 28, fy - 25))
    c.fill(tray, (96, 102, 116))
    page = [(fx + 36, fy - 7), (right - 52, fy - 7), (right - 52 + 24, fy - 25), (fx + 36 + 24, fy - 25)]
    c.fill(polygon(*page), WHITE)
    bands = (CYAN, MAGENTA, YELLOW, (60, 170, 80))

    def on_page(u, v):
        (x0, y0), (x1, _), _, (x3, y3) = page
        return (x0 + (x1 - x0) * u + (x3 - x0) * v, y0 + (y3 - y0) * v)
    for i, colour in enumerate(bands):
        u0, u1 = 0.12 + 0.2 * i, 0.28 + 0.2 * i
        c.fill(polygon(on_page(u0, 0.2), on_page(u1, 0.2), on_page(u1, 0.75), on_page(u0, 0.75)), colour)

    # Front: maker mark, toner marks, control panel, seams and paper drawer.
    c.fill(text_path("SX", fx + 10, fy + 9, 11, 2.8, spacing=1.3, italic=0.15), BRAND_NAVY)
    for i, colour in enumerate((CYAN, MAGENTA, YELLOW, TONER_BLACK)):
        c.fill(rect(fx + 10 + 8 * i, fy + 25, 6, 3), colour)
    c.fill(round_rect(right - 56, fy + 6, 48, 20, 3), (52, 58, 70))
    c.fill(rect(right - 52, fy + 10, 22, 12), linear(0, fy + 10, 0, fy + 22, (150, 220, 240), (80, 170, 210)))
    c.fill(ellipse(right - 22, fy + 12, 2.4, 2.4), (90, 210, 110))
    c.fill(ellipse(right - 14, fy + 12, 2.4, 2.4), (230, 160, 40))
    c.fill(ellipse(right - 18, fy + 20, 2.4, 2.4), (200, 205, 215))
    c.fill(rect(fx + 4, fy + 36, fw - 8, 1.2), (168, 173, 184))
    c.fill(rect(fx + 4, fy + 37.2, fw - 8, 0.8), WHITE)
    drawer = (fx + 6, fy + 50, fw - 12, 34)
    c.fill(round_rect(*drawer, 2), linear(0, drawer[1], 0, drawer[1] + drawer[3], (222, 225, 232), (190, 195, 204)))
    c.fill(hole(round_rect(drawer[0] + 1, drawer[1] + 1, drawer[2] - 2, drawer[3] - 2, 2)) + round_rect(*drawer, 2),
           (160, 165, 176))
    c.fill(round_rect(fx + fw / 2 - 18, fy + 60, 36, 6, 3), (88, 94, 108))
    c.fill(rect(fx + 12, fy + 74, 26, 2), (160, 165, 176))
    c.fill(rect(fx + 12, fy + 78, 18, 2), (160, 165, 176))
    c.fill(rect(fx + 2, fy + fh - 4, fw - 4, 4), (150, 155, 166))
    return c


TONER_DISCS = ((-0.55, -0.3, CYAN), (0.55, -0.3, MAGENTA), (0.0, 0.6, YELLOW))


def _overlapping_toners(c, cx, cy, r, tone):
    for dx, dy, colour in TONER_DISCS:
        c.fill(ellipse(cx + dx * r, cy + dy * r, r, r), tone(colour), alpha=0.72)


def _toner_outlines(c, cx, cy, r):
    """Black toner only: the discs become line art, with no gray at all."""
    path = []
    for dx, dy, _ in TONER_DISCS:
        path.extend(stroke(arc(cx + dx * r, cy + dy * r, r - 0.6, r - 0.6, 0, 360, 48), 1.3))
    c.fill(path, TONER_BLACK)


def _sheet(c, paper, edge):
    """A page with a folded corner, as on the Color page's mode pictures."""
    x, y, w, h, fold = 8, 2, 32, 40, 8
    outline = polygon((x, y), (x + w - fold, y), (x + w, y + fold), (x + w, y + h), (x, y + h))
    c.fill(outline, edge)
    inner = polygon((x + 1, y + 1), (x + w - fold - 0.4, y + 1), (x + w - 1, y + fold + 0.4), (x + w - 1, y + h - 1),
                    (x + 1, y + h - 1))
    c.fill(inner, paper)
    c.fill(polygon((x + w - fold, y), (x + w - fold, y + fold), (x + w, y + fold)), mix(paper, edge, 0.5))
    return x, y, w, h


def color_mode_picture(mode):
    c = Canvas(48, 44)
    paper = TONER_BLACK if mode == "white_toner" else WHITE
    x, y, w, h = _sheet(c, paper, PAPER_EDGE if mode != "white_toner" else (20, 20, 24))
    tone = gray if mode in ("gray", "mono") else (lambda colour: colour)
    cx, cy = x + w / 2.0, y + h / 2.0 + 1
    if mode == "white_toner":
        c.fill(ellipse(cx, cy, 13, 13), WHITE)
    if mode == "mono":
        _toner_outlines(c, cx, cy, 7.5)
    else:
        _overlapping_toners(c, cx, cy, 7.5, tone)
    if mode == "clear_toner":
        c.fill(polygon((x + 3, y + 30), (x + 24, y + 4), (x + 29, y + 4), (x + 8, y + 30)), WHITE, alpha=0.55)
        c.fill(stroke([(x + 5, y + 36), (x + 28, y + 8)], 1.2), WHITE, alpha=0.8)
    for i in range(3):
        line_colour = WHITE if mode == "white_toner" else tone((150, 150, 160))
        c.fill(rect(x + 4, y + 4 + 3 * i, 14 - 4 * i, 1.2), line_colour)
    return c


def _arrow_path(length, shaft, head, head_length):
    """A right-pointing arrow with its tail at the origin, centred on y = 0."""
    return polygon((0, -shaft / 2), (length - head_length, -shaft / 2), (length - head_length, -head / 2),
                   (length, 0), (length - head_length, head / 2), (length - head_length, shaft / 2), (0, shaft / 2))


def _rotate(path, degrees, cx, cy):
    cos, sin = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    return [[(cx + x * cos - y * sin, cy + x * sin + y * cos) for x, y in points] for points in path]


MATCH_START = (40, 150, 220)
MATCH_END = (214, 40, 120)


def match_arrow(degrees):
    """One colour conversion step: an arrow from the input colour towards
    the printer's colours."""
    c = Canvas(34, 34)
    arrow = _rotate(transform(_arrow_path(28, 9, 22, 12), 1.0, -14, 0), degrees, 17, 17)
    outline = _rotate(transform(_arrow_path(30, 11, 25, 13.5), 1.0, -15, 0), degrees, 17, 17)
    direction = (math.cos(math.radians(degrees)), math.sin(math.radians(degrees)))
    ends = (17 - 14 * direction[0], 17 - 14 * direction[1], 17 + 14 * direction[0], 17 + 14 * direction[1])
    c.fill(outline, (60, 64, 80))
    c.fill(arrow, linear(*ends, MATCH_START, MATCH_END))
    return c


def match_bypass():
    """A link profile goes straight to the printer: one long arrow into a
    printer, past the output profile."""
    c = Canvas(212, 32)
    c.fill(transform(_arrow_path(168, 8, 20, 14), 1.0, 4, 16), (60, 64, 80))
    c.fill(transform(_arrow_path(166, 6, 17, 12.5), 1.0, 5, 16), linear(5, 0, 171, 0, MATCH_START, MATCH_END))
    draw_printer_glyph(c, 178, 1, 32, 30)
    return c


def match_printer():
    c = Canvas(34, 34)
    draw_printer_glyph(c, 2, 2, 30, 30)
    return c


def office_sample(tone):
    """A colour office document: heading, text, a bar chart, a pie chart and
    a photograph, on a desk."""
    c = Canvas(190, 155)
    c.fill(rect(0, 0, 190, 155), linear(0, 0, 0, 155, tone((206, 216, 232)), tone((168, 180, 202))))
    c.fill(rect(38, 7, 118, 146), tone((120, 128, 146)), alpha=0.6)
    c.fill(rect(35, 4, 118, 146), WHITE)
    c.fill(rect(35, 4, 118, 16), linear(35, 0, 153, 0, tone(BRAND_NAVY), tone(BRAND_BLUE)))
    c.fill(text_path("REPORT", 41, 8.5, 7, 1.5, spacing=1.5), WHITE)
    for i, length in enumerate((96, 88, 100, 70)):
        c.fill(rect(43, 26 + 6 * i, length, 2.2), tone((150, 156, 168)))
    chart_base = 100
    for i, (height, colour) in enumerate(((30, CYAN), (44, MAGENTA), (22, YELLOW), (36, (60, 170, 80)))):
        c.fill(rect(46 + 12 * i, chart_base - height, 9, height), tone(colour))
    c.fill(rect(43, chart_base, 52, 1.2), tone(INK_GRAY))
    slices = ((0, 150, (0, 104, 190)), (150, 250, (232, 92, 40)), (250, 360, (250, 190, 30)))
    for start, end, colour in slices:
        c.fill(polygon(*([(124, 80)] + arc(124, 80, 20, 20, start, end))), tone(colour))
    photo = (43, 110, 60, 34)
    c.fill(rect(*photo), linear(0, photo[1], 0, photo[1] + photo[3], tone((250, 170, 80)), tone((255, 226, 160))))
    c.fill(ellipse(85, 123, 7, 7), tone((255, 246, 200)))
    c.fill(polygon(*arc(64, 144, 21, 12, 180, 0)), tone((70, 120, 60)))
    c.fill(polygon((70, 144), (88, 128), (103, 140), (103, 144)), tone((40, 90, 50)))
    for i, length in enumerate((38, 34, 40, 28, 36)):
        c.fill(rect(110, 112 + 6 * i, length, 2.2), tone((150, 156, 168)))
    return c


def _alarm_glyph(c, s):
    """A warning triangle with an exclamation mark, at icon size s."""
    k = s / 32.0
    c.fill(stroke([(16 * k, 3 * k), (30 * k, 28 * k), (2 * k, 28 * k)], 3.2 * k, closed=True)
           + polygon((16 * k, 3 * k), (30 * k, 28 * k), (2 * k, 28 * k)), (176, 110, 0))
    c.fill(polygon((16 * k, 5.5 * k), (28 * k, 27 * k), (4 * k, 27 * k)),
           linear(0, 5 * k, 0, 27 * k, (255, 226, 80), (250, 180, 0)))
    stem = 2 if s < 32 else 4
    c.fill(rect(s / 2 - stem / 2, 10 * k, stem, 10 * k), (30, 30, 30))
    c.fill(rect(s / 2 - stem / 2, 22 * k, stem, stem), (30, 30, 30))


def shared_warning_icon(s):
    c = Canvas(s, s)
    _alarm_glyph(c, s)
    return c


def _page_with_letter(c, s, mirrored):
    """A page carrying an F, whose direction shows whether the print is
    mirrored; drawn on whole pixels so it stays crisp at 16 by 16."""
    k = s // 16
    x, y, w, h = 2 * k, 0, 12 * k, 15 * k
    fold = 3 * k
    c.fill(polygon((x, y), (x + w - fold, y), (x + w, y + fold), (x + w, y + h), (x, y + h)), (110, 116, 128))
    c.fill(polygon((x + 1, y + 1), (x + w - fold, y + 1), (x + w - 1, y + fold), (x + w - 1, y + h - 1),
                   (x + 1, y + h - 1)), WHITE)
    c.fill(polygon((x + w - fold, y), (x + w - fold, y + fold), (x + w, y + fold)), (200, 204, 212))
    colour = (196, 40, 40) if mirrored else BRAND_BLUE
    left, stem, top = 5 * k, 2 * k, 3 * k
    bars = ((left, top, stem, 8 * k), (left, top, 6 * k, stem), (left, top + 3 * k + k // 2, 4 * k, stem))
    for bx, by, bw, bh in bars:
        if mirrored:
            bx = s - bx - bw
        c.fill(rect(bx, by, bw, bh), colour)
    # The flip arrows need more room than 16 by 16 gives; there the red F says it.
    if mirrored and k > 1:
        c.fill(rect(s // 2 - max(1, k // 2), 12 * k, max(1, k), 2 * k), (110, 116, 128))
        c.fill(polygon((5 * k, 13 * k), (7 * k - k // 2, 12 * k - k // 2), (7 * k - k // 2, 14 * k + k // 2)), colour)
        c.fill(polygon((11 * k, 13 * k), (9 * k + k // 2, 12 * k - k // 2), (9 * k + k // 2, 14 * k + k // 2)), colour)


def mirror_icon(mirrored):
    def draw(s):
        c = Canvas(s, s)
        _page_with_letter(c, s, mirrored)
        return c
    return draw


# -------------------------------------------------------- special toner --

SPECIAL_TONER = (246, 248, 252)
SPECIAL_EDGE = (120, 150, 190)
DARK_MEDIA = (58, 62, 74)


def _toner_sheet(c, x, y, w, h):
    """Dark media, where a white or clear toner shows."""
    c.fill(rect(x, y, w, h), (30, 32, 40))
    c.fill(rect(x + 1, y + 1, w - 2, h - 2), DARK_MEDIA)


def toner_use_picture(use):
    """The six uses of the special toner on a small dark sheet: off, whole
    page, spot colours, image areas, the printer's setting, whole page at a
    fixed level."""
    c = Canvas(36, 18)
    _toner_sheet(c, 1, 1, 34, 16)
    if use in (1, 5):
        c.fill(rect(3, 3, 30, 12), SPECIAL_TONER, alpha=0.9)
    if use == 2:
        for cx in (9, 18, 27):
            c.fill(ellipse(cx, 9, 3.2, 3.2), SPECIAL_TONER)
    if use == 3:
        c.fill(rect(5, 4, 14, 10), SPECIAL_TONER)
    _overlapping_toners(c, 24 if use == 3 else 18, 9, 3.2, lambda colour: colour)
    if use == 4:
        draw_printer_glyph(c, 22, 3, 12, 12)
    if use == 5:
        for i in range(4):
            c.fill(stroke([(5 + 7 * i, 14), (9 + 7 * i, 4)], 0.8), SPECIAL_EDGE)
    return c


def toner_page_picture():
    """The page the special toner is printed on."""
    c = Canvas(70, 92)
    _toner_sheet(c, 4, 2, 60, 86)
    c.fill(rect(12, 10, 44, 8), SPECIAL_TONER)
    _overlapping_toners(c, 34, 46, 12, lambda colour: colour)
    for i in range(4):
        c.fill(rect(12, 66 + 5 * i, 40 - 6 * i, 2), (200, 204, 214))
    return c


def _layer(c, x, y, w, h, paint, alpha=1.0):
    """A printed layer seen at a slant."""
    c.fill(polygon((x + 6, y), (x + w, y), (x + w - 6, y + h), (x, y + h)), paint, alpha)


def toner_layer_picture(use):
    """The layers the job prints: 0 the colour toners, 1-5 the special
    toner as each use lays it down."""
    c = Canvas(30, 20)
    if use == 0:
        _layer(c, 1, 6, 28, 9, linear(1, 0, 29, 0, CYAN, MAGENTA))
        c.fill(rect(12, 8, 6, 5), YELLOW, alpha=0.8)
        return c
    _layer(c, 1, 6, 28, 9, SPECIAL_EDGE)
    if use in (1, 5):
        _layer(c, 2, 7, 26, 7, SPECIAL_TONER)
    if use == 2:
        for cx in (9, 15, 21):
            c.fill(ellipse(cx, 10.5, 2.2, 2.2), SPECIAL_TONER)
    if use == 3:
        c.fill(rect(8, 8, 10, 5), SPECIAL_TONER)
    if use == 4:
        c.fill(stroke([(6, 10.5), (24, 10.5)], 1.0), (200, 204, 214))
    if use == 5:
        c.fill(stroke([(10, 13), (13, 8)], 0.8), SPECIAL_EDGE)
        c.fill(stroke([(17, 13), (20, 8)], 0.8), SPECIAL_EDGE)
    return c


def toner_order_picture(top, width, height):
    """Two stacked layers: the special toner on top of the colours, or
    under them."""
    c = Canvas(width, height)
    step = height / 5.0
    layers = [(SPECIAL_TONER, CYAN), (CYAN, SPECIAL_TONER)][0 if top else 1]
    _toner_sheet(c, 1, height - step * 1.6, width - 2, step * 1.4)
    for i, colour in enumerate(reversed(layers)):
        y = height - step * (2.6 + 1.3 * i)
        paint = linear(0, 0, width, 0, CYAN, MAGENTA) if colour == CYAN else colour
        _layer(c, 2, y, width - 4, step * 1.1, paint)
        c.fill(stroke([(8, y), (width - 2, y)], 0.8), (30, 32, 40))
    return c


# ------------------------------------------------- print position --

def _adjust_page(c, back):
    paper = (226, 236, 250) if back else WHITE
    c.fill(rect(20, 3, 32, 38), PAPER_EDGE)
    c.fill(rect(21, 4, 30, 36), paper)
    if back:
        c.fill(text_path("S", 44, 6, 5, 1.1), (120, 126, 138))


def _arrow_at(c, x, y, degrees, length=9):
    c.fill(_rotate(transform(_arrow_path(length, 2, 7, 4), 1.0, 0, 0), degrees, x, y), BRAND_BLUE)


def adjust_scale_picture(first, second, back):
    """A page and its image, wider or narrower (first value) and taller or
    shorter (second value) than at 100%."""
    c = Canvas(72, 44)
    _adjust_page(c, back)
    w = 20 + 4 * (first - 1)
    h = 24 + 5 * (second - 1)
    c.fill(rect(36 - w / 2.0, 22 - h / 2.0, w, h), (150, 190, 230), alpha=0.8)
    for sign in (-1, 1):
        if first != 1:
            outward = first == 2
            x = 36 + sign * (w / 2.0 + (2 if outward else 12))
            _arrow_at(c, x, 22, (0 if sign > 0 else 180) if outward else (180 if sign > 0 else 0))
        if second != 1:
            outward = second == 2
            y = 22 + sign * (h / 2.0 + (-2 if outward else 9))
            _arrow_at(c, 10 if sign < 0 else 62, y, (90 if sign > 0 else 270) if outward else (270 if sign > 0 else 90), 7)
    return c


def adjust_shift_picture(first, second, back):
    """A page with its image moved left or right (first value) and up or
    down (second value)."""
    c = Canvas(72, 44)
    _adjust_page(c, back)
    dx, dy = 5 * (first - 1), 5 * (second - 1)
    c.fill(rect(28, 14, 16, 16), (200, 200, 210), alpha=0.6)
    c.fill(rect(28 + dx, 14 + dy, 16, 16), (150, 190, 230), alpha=0.85)
    if dx:
        _arrow_at(c, 36 + (10 if dx < 0 else 0), 8, 0 if dx > 0 else 180, 10)
    if dy:
        _arrow_at(c, 60, 22 + (-5 if dy > 0 else 5), 90 if dy > 0 else 270, 9)
    return c


def adjust_fine_picture(back):
    """A ruler in tenths of a millimetre with a pointer: the fine value."""
    c = Canvas(72, 44)
    _adjust_page(c, back)
    c.fill(rect(8, 26, 56, 10), (250, 226, 150))
    c.fill(hole(rect(9, 27, 54, 8)) + rect(8, 26, 56, 10), (150, 120, 60))
    for i in range(12):
        c.fill(rect(10 + 4.5 * i, 27, 0.8, 6 if i % 5 == 0 else 3), (90, 70, 40))
    c.fill(polygon((36, 25), (33, 18), (39, 18)), BRAND_BLUE)
    return c


def _adjust_bitmaps(side, first, back):
    names = ("LESS", "SAME", "MORE")
    entries = []
    for kind, draw, number in (("SCALE", adjust_scale_picture, first), ("SHIFT", adjust_shift_picture, first + 9)):
        for a in range(3):
            for b in range(3):
                entries.append(("IDB_ADJUST_%s_%s_%s_%s" % (side, kind, names[a], names[b]), number + 3 * a + b,
                                "adjust_%s_%s_%d%d.bmp" % (side.lower(), kind.lower(), a, b),
                                "%s side: %s 1 %s, %s 2 %s than default, 72x44" % (
                                    side.lower(), kind.lower(), names[a].lower(), kind.lower(), names[b].lower()),
                                (lambda d, x, y: lambda: d(x, y, back))(draw, a, b), True))
    entries.append(("IDB_ADJUST_%s_FINE" % side, first + 18, "adjust_%s_fine.bmp" % side.lower(),
                    "%s side: ruler of the fine value, 72x44" % side.lower(), lambda: adjust_fine_picture(back), True))
    return tuple(entries)


TONER_USES = ("OFF", "WHOLE_PAGE", "SPOT", "IMAGE", "PRINTER", "FIXED_LEVEL")
TONER_BITMAPS = tuple(
    ("IDB_TONER_USE_%s" % name, 4032 + use, "toner_use_%d.bmp" % use,
     "special toner use %d (%s) on dark media, 36x18" % (use, name.lower().replace("_", " ")),
     (lambda u: lambda: toner_use_picture(u))(use), True)
    for use, name in enumerate(TONER_USES)) + (
    ("IDB_TONER_PAGE", 4038, "toner_page.bmp", "dark page with special toner and colour, 70x92",
     toner_page_picture, True),) + tuple(
    ("IDB_TONER_LAYER_%s" % ("COLOR" if use == 0 else TONER_USES[use]), 4039 + use, "toner_layer_%d.bmp" % use,
     ("colour toner layer" if use == 0 else "special toner layer of use %d" % use) + ", 30x20",
     (lambda u: lambda: toner_layer_picture(u))(use), True)
    for use in range(6)) + (
    ("IDB_TONER_ORDER_TOP", 4045, "toner_order_top.bmp", "special toner over the colours, 36x20",
     lambda: toner_order_picture(True, 36, 20), True),
    ("IDB_TONER_ORDER_BOTTOM", 4046, "toner_order_bottom.bmp", "special toner under the colours, 36x20",
     lambda: toner_order_picture(False, 36, 20), True),
    ("IDB_TONER_ORDER_TOP_RESULT", 4047, "toner_result_top.bmp", "layers with the special toner on top, 88x72",
     lambda: toner_order_picture(True, 88, 72), True),
    ("IDB_TONER_ORDER_BOTTOM_RESULT", 4048, "toner_result_bottom.bmp",
     "layers with the special toner underneath, 88x72", lambda: toner_order_picture(False, 88, 72), True),
)
ADJUST_BITMAPS = _adjust_bitmaps("FRONT", 4061, False) + _adjust_bitmaps("BACK", 4080, True)


# ------------------------------------------------------------ inventory --

# (name, id, file, what it shows, draw, keyed). keyed pictures are drawn
# with the magenta key transparent; the others are framed palette DIBs.
BITMAPS = (
    ("IDB_MATCH_TO_PRINTER", 1699, "match_printer.bmp",
     "printer at the end of a colour-matching flow, 34x34", match_printer, True),
    ("IDB_OFFICE_SAMPLE_COLOR", 6050, "office_color.bmp",
     "office document printed in colour, 190x155", lambda: office_sample(lambda colour: colour), False),
    ("IDB_OFFICE_SAMPLE_MONO", 6051, "office_mono.bmp",
     "the same office document in one colour, 190x155", lambda: office_sample(gray), False),
    ("IDB_JOB_BANNER", 6052, "job_banner.bmp",
     "SX maker banner, 140x32", job_banner, True),
    ("IDB_QUALITY_HIGH", 6053, "quality_high.bmp",
     "landscape printed at high quality (finest dots), 96x72", lambda: quality_picture(1), False),
    ("IDB_QUALITY_FINE", 6054, "quality_fine.bmp",
     "the same landscape with 2-pixel dots, 96x72", lambda: quality_picture(2), False),
    ("IDB_QUALITY_NORMAL", 6055, "quality_normal.bmp",
     "the same landscape with 4-pixel dots, 96x72", lambda: quality_picture(4), False),
    ("IDB_ABOUT_PICTURE", 6056, "about_printer.bmp",
     "SX colour laser printer, 260x180", about_picture, True),
    ("IDB_COLOR_MODE_MONO", 6100, "mode_mono.bmp",
     "page printed black only, 48x44", lambda: color_mode_picture("mono"), True),
    ("IDB_COLOR_MODE_GRAY", 6101, "mode_gray.bmp",
     "page printed in gray scale, 48x44", lambda: color_mode_picture("gray"), True),
    ("IDB_COLOR_MODE_WHITE_TONER", 6102, "mode_white_toner.bmp",
     "dark page printed with white toner under colour, 48x44", lambda: color_mode_picture("white_toner"), True),
    ("IDB_COLOR_MODE_COLOR", 6103, "mode_color.bmp",
     "page printed in colour, 48x44", lambda: color_mode_picture("color"), True),
    ("IDB_COLOR_MODE_CLEAR_TONER", 6104, "mode_clear_toner.bmp",
     "colour page with a clear gloss coat, 48x44", lambda: color_mode_picture("clear_toner"), True),
    ("IDB_MATCH_STEP_ARROW", 6105, "match_step.bmp",
     "arrow to the next colour conversion, 34x34", lambda: match_arrow(0), True),
    ("IDB_MATCH_SIMULATION_ARROW", 6106, "match_simulation.bmp",
     "downward arrow into the simulation target, 34x34", lambda: match_arrow(90), True),
    ("IDB_MATCH_LINK_BYPASS", 6107, "match_link.bmp",
     "long arrow from a link profile straight to the printer, 212x32", match_bypass, True),
) + TONER_BITMAPS + ADJUST_BITMAPS

ICON_SIZES = (16, 32)
ICONS = (
    ("IDI_SHARED_WARNING", 7000, "shared_warning.ico",
     "warning triangle for the shared-printer notice", shared_warning_icon),
    ("IDI_PRINT_NORMAL", 7001, "print_normal.ico",
     "page with an upright F: print not mirrored", mirror_icon(False)),
    ("IDI_PRINT_MIRRORED", 7002, "print_mirrored.ico",
     "page with a mirrored F: mirror print", mirror_icon(True)),
)


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)


def write_ids():
    lines = ["// Bitmap and icon ids of the plug-in's artwork. Written by art/make_art.py:",
             "// change the script and run it again rather than editing this file.",
             "#pragma once", ""]
    for name, number, _, shown, *_ in BITMAPS + ICONS:
        lines.append("#define %-28s %d  // %s" % (name, number, shown))
    write(IDS_HEADER, ("\n".join(lines) + "\n").encode("ascii"))


def write_script():
    lines = ["// Artwork, language neutral. Written by make_art.py."]
    lines += ['%s BITMAP "%s/%s"' % (name, RESOURCE_DIR, file_name) for name, _, file_name, *_ in BITMAPS]
    lines += ['%s ICON "%s/%s"' % (name, RESOURCE_DIR, file_name) for name, _, file_name, *_ in ICONS]
    write(RESOURCE_SCRIPT, ("\n".join(lines) + "\n").encode("ascii"))


def main():
    for name, number, file_name, _, draw, keyed in BITMAPS:
        canvas = draw()
        path = os.path.join(HERE, file_name)
        write(path, bmp_bytes(*quantise(canvas, keyed)))
        with open(path, "rb") as back:
            summary = check_bmp(back.read(), canvas.width, canvas.height, keyed)
        print("%5d %-28s %-24s %s" % (number, name, file_name, summary))
    for name, number, file_name, _, draw in ICONS:
        path = os.path.join(HERE, file_name)
        write(path, ico_bytes([draw(size) for size in ICON_SIZES]))
        with open(path, "rb") as back:
            summary = check_ico(back.read(), ICON_SIZES)
        print("%5d %-28s %-24s %s" % (number, name, file_name, summary))
    write_ids()
    write_script()
    return 0


if __name__ == "__main__":
    sys.exit(main())
