#!/usr/bin/env python3
"""Draws the programs' artwork and writes it as resource files:

  app/res/veloranth.ico     program icon: golden crescent and clock on a night-blue tile
  today/res/today_file.ico  plug-in file icon: the same motif on a green tile
  today/res/today_item.ico  home-screen item icon: a bolder crescent and clock
  app/res/compass.bmp       150x150 compass rose, centre at pixel (75, 75)
  app/res/kaaba.bmp         16x16 Kaaba, end of the qibla arrow
  app/res/sun.bmp           16x16 Sun, end of the Sun arrow

Rerun with `python3 tools/gen_artwork.py` from the repository root (or pass another root
folder as the only argument). Standard library only; the output is committed, so builds
never run this. Shapes are antialiased by supersampling each pixel.
"""
import math
import os
import struct
import sys

SS = 6  # samples per pixel side


def rgb(hex_colour):
    v = int(hex_colour.lstrip("#"), 16)
    return ((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


WHITE = (1.0, 1.0, 1.0)


# --- Shapes: bounding box plus an inside test, in pixel units (pixel (i, j) covers
# [i, i+1) x [j, j+1), so the centre of pixel (75, 75) is the point (75.5, 75.5)). ---

class Shape:
    def __init__(self, bbox, inside):
        self.bbox = bbox  # x0, y0, x1, y1
        self.inside = inside

    def __sub__(self, other):
        return Shape(self.bbox, lambda x, y: self.inside(x, y) and not other.inside(x, y))


def disc(cx, cy, r):
    r2 = r * r
    return Shape((cx - r, cy - r, cx + r, cy + r),
                 lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r2)


def ring(cx, cy, r_in, r_out):
    return disc(cx, cy, r_out) - disc(cx, cy, r_in)


def polygon(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    edges = list(zip(points, points[1:] + points[:1]))

    def inside(x, y):
        hit = False  # even-odd crossing count
        for (x0, y0), (x1, y1) in edges:
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                hit = not hit
        return hit
    return Shape((min(xs), min(ys), max(xs), max(ys)), inside)


def line(x0, y0, x1, y1, width, round_caps=True):
    """A stroke of the given width; round caps give a capsule, otherwise butt ends."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    h = width / 2.0
    if not round_caps:
        nx, ny = -dy / length * h, dx / length * h
        return polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                        (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])

    def inside(x, y):
        t = ((x - x0) * dx + (y - y0) * dy) / (length * length)
        t = min(1.0, max(0.0, t))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= h * h
    return Shape((min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h), inside)


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return Shape((x0, y0, x1, y1), inside)


def rect(x0, y0, x1, y1):
    return Shape((x0, y0, x1, y1), lambda x, y: x0 <= x < x1 and y0 <= y < y1)


def star5(cx, cy, r_out, r_in):
    pts = []
    for k in range(10):
        a = math.pi * k / 5
        r = r_out if k % 2 == 0 else r_in
        pts.append((cx + r * math.sin(a), cy - r * math.cos(a)))
    return polygon(pts)


def polar(cx, cy, r, bearing_deg):
    """Point at distance r from (cx, cy) in a compass bearing (0 = up, clockwise)."""
    a = math.radians(bearing_deg)
    return cx + r * math.sin(a), cy - r * math.cos(a)


# --- Canvas: premultiplied RGBA floats, "over" compositing. ---

class Canvas:
    def __init__(self, w, h, background=None):
        self.w, self.h = w, h
        px = (background + (1.0,)) if background else (0.0, 0.0, 0.0, 0.0)
        self.px = [list(px) for _ in range(w * h)]

    def fill(self, shape, colour):
        """colour: an (r, g, b) triple or a function of the pixel centre giving one."""
        x0, y0, x1, y1 = shape.bbox
        ia, ib = max(0, int(math.floor(x0))), min(self.w, int(math.ceil(x1)) + 1)
        ja, jb = max(0, int(math.floor(y0))), min(self.h, int(math.ceil(y1)) + 1)
        offs = [(k + 0.5) / SS for k in range(SS)]
        n = float(SS * SS)
        for j in range(ja, jb):
            for i in range(ia, ib):
                hits = 0
                for oy in offs:
                    for ox in offs:
                        if shape.inside(i + ox, j + oy):
                            hits += 1
                if hits:
                    c = colour(i + 0.5, j + 0.5) if callable(colour) else colour
                    self._over(i, j, c, hits / n)

    def _over(self, i, j, c, a):
        p = self.px[j * self.w + i]
        k = 1.0 - a
        p[0] = c[0] * a + p[0] * k
        p[1] = c[1] * a + p[1] * k
        p[2] = c[2] * a + p[2] * k
        p[3] = a + p[3] * k

    def pixel(self, i, j):
        """(r, g, b, alpha) with colour no longer premultiplied, as 8-bit values."""
        r, g, b, a = self.px[j * self.w + i]
        if a <= 0.0:
            return 0, 0, 0, 0
        return tuple(min(255, max(0, int(round(v / a * 255)))) for v in (r, g, b)) + (
            int(round(a * 255)),)


# --- File writers. ---

def bmp16(canvas):
    """Uncompressed BI_RGB, 16 bits per pixel (X1R5G5B5), bottom-up, rows padded to 4."""
    stride = (canvas.w * 2 + 3) & ~3
    rows = []
    for j in range(canvas.h - 1, -1, -1):
        row = bytearray()
        for i in range(canvas.w):
            r, g, b, _ = canvas.pixel(i, j)  # every picture is drawn on an opaque white
            row += struct.pack("<H", ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 16, 0, len(bits),
                       2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    return header + info + bits


def ico24(canvas):
    """One 24-bit image: colour rows, then the AND mask (1 = transparent), both bottom-up.
    A pixel less than half covered is transparent; its colour bits are 0 so that the
    mask's XOR step leaves the screen unchanged."""
    w, h = canvas.w, canvas.h
    xor_stride = (w * 3 + 3) & ~3
    and_stride = ((w + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for j in range(h - 1, -1, -1):
        xr = bytearray()
        ar = bytearray(and_stride)
        for i in range(w):
            r, g, b, a = canvas.pixel(i, j)
            if a < 128:
                xr += b"\0\0\0"
                ar[i >> 3] |= 0x80 >> (i & 7)
            else:
                xr += bytes((b, g, r))
        xr += b"\0" * (xor_stride - len(xr))
        xor_rows.append(bytes(xr))
        and_rows.append(bytes(ar))
    image = b"".join(xor_rows) + b"".join(and_rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 24, 0, len(image), 0, 0, 0, 0)
    entry = struct.pack("<BBBBHHII", w & 255, h & 255, 0, 0, 1, 24, len(info) + len(image), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + info + image


# --- Pictures. ---

GOLD = rgb("#F7C548")
GOLD_DARK = rgb("#C9922A")


def draw_clock(c, cx, cy, r, rim, face, hands, hand_w):
    c.fill(disc(cx, cy, r + rim), hands)
    c.fill(disc(cx, cy, r), face)
    for h in (0, 90, 180, 270):
        c.fill(line(*polar(cx, cy, r - 0.3, h), *polar(cx, cy, r - 1.8, h), 1.2, False), hands)
    # ten past ten is the classic readable clock pose
    c.fill(line(cx, cy, *polar(cx, cy, r * 0.55, 305), hand_w), hands)
    c.fill(line(cx, cy, *polar(cx, cy, r * 0.8, 60), hand_w * 0.85), hands)
    c.fill(disc(cx, cy, hand_w * 0.75), hands)


def crescent(cx, cy, r, cut_dx, cut_dy, cut_r):
    return disc(cx, cy, r) - disc(cx + cut_dx, cy + cut_dy, cut_r)


def tile(c, top, bottom, edge):
    shape = rounded_rect(0.5, 0.5, 31.5, 31.5, 6.5)
    c.fill(shape, edge)
    inner = rounded_rect(1.5, 1.5, 30.5, 30.5, 5.5)
    c.fill(inner, lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - 2) / 28.0))))


def app_icon(top="#1A2B5E", bottom="#2F6FA0", edge="#0E1838"):
    c = Canvas(32, 32)
    tile(c, rgb(top), rgb(bottom), rgb(edge))
    moon = crescent(13.0, 14.5, 10.5, 5.0, -3.2, 9.0)
    c.fill(moon, lambda x, y: mix(GOLD, GOLD_DARK, min(1.0, max(0.0, (y - 5) / 22.0))))
    c.fill(star5(23.5, 8.0, 3.6, 1.5), GOLD)
    # a dark halo keeps the clock apart from the crescent's lower horn
    draw_clock(c, 21.5, 21.5, 7.0, 1.3, WHITE, rgb(edge), 1.5)
    return c


def item_icon():
    # Shown from 16x16 up, possibly scaled by dropping every other pixel: no star, no
    # ticks, strokes of two pixels or more and axis-aligned hands, which survive that.
    c = Canvas(32, 32)
    edge = rgb("#0E1838")
    tile(c, rgb("#1A2B5E"), rgb("#2F6FA0"), edge)
    c.fill(crescent(12.5, 13.5, 10.5, 5.5, -3.5, 8.5), GOLD)
    c.fill(disc(21.0, 21.0, 9.5), edge)
    c.fill(disc(21.0, 21.0, 7.5), WHITE)
    c.fill(rect(20, 15, 22, 22), edge)  # minute hand to 12
    c.fill(rect(20, 20, 26, 22), edge)  # hour hand to 3
    return c


def letter_glyphs():
    # bold glyphs nine pixels high with two-pixel strokes; odd widths centre on a pixel
    return {
        "N": ["XX...XX", "XXX..XX", "XXX..XX", "XXXX.XX", "XX.XXXX", "XX..XXX",
              "XX..XXX", "XX...XX", "XX...XX"],
        "E": ["XXXXXXX", "XXXXXXX", "XX.....", "XX.....", "XXXXXX.", "XX.....",
              "XX.....", "XXXXXXX", "XXXXXXX"],
        "S": [".XXXXX.", "XX...XX", "XX.....", "XXXX...", ".XXXXX.", "...XXXX",
              ".....XX", "XX...XX", ".XXXXX."],
        "W": ["XX.....XX", "XX.....XX", "XX.....XX", "XX..X..XX", "XX.XXX.XX",
              "XX.XXX.XX", "XXXX.XXXX", "XXX...XXX", "XX.....XX"],
    }


def draw_glyph(c, rows, cx, cy, colour):
    """Pixel-aligned glyph centred on pixel (cx, cy)."""
    h, w = len(rows), len(rows[0])
    x0, y0 = cx - w // 2, cy - h // 2
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            if ch == "X":
                c.fill(rect(x0 + i, y0 + j, x0 + i + 1, y0 + j + 1), colour)


def compass():
    c = Canvas(150, 150, WHITE)
    cx = cy = 75.5  # centre of pixel (75, 75)
    line_col = rgb("#55708F")
    # a tinted face: the program's yellow arrow would hardly show on white
    c.fill(disc(cx, cy, 61.0),
           lambda x, y: mix(rgb("#E6EEF8"), rgb("#C3D6EC"), math.hypot(x - cx, y - cy) / 61.0))
    c.fill(ring(cx, cy, 60.0, 61.6), line_col)
    c.fill(ring(cx, cy, 45.5, 46.3), rgb("#C4D2E3"))
    for deg in range(0, 360, 10):
        major = deg % 30 == 0
        inner = 53.0 if major else 56.5
        c.fill(line(*polar(cx, cy, inner, deg), *polar(cx, cy, 60.2, deg),
                    1.6 if major else 1.0, False), line_col if major else rgb("#8FA3BC"))

    # Eight-pointed star, each point split into a light and a shaded half.
    def point(bearing, length, base, light, shade):
        tip = polar(cx, cy, length, bearing)
        left = polar(cx, cy, base, bearing - 45)
        right = polar(cx, cy, base, bearing + 45)
        c.fill(polygon([(cx, cy), tip, left]), light)
        c.fill(polygon([(cx, cy), tip, right]), shade)

    for b in (45, 135, 225, 315):
        point(b, 36.0, 7.0, rgb("#EDF2F9"), rgb("#9DB4D2"))
    for b in (90, 180, 270):
        point(b, 54.0, 10.0, rgb("#F4F7FC"), rgb("#7F9DC6"))
    point(0, 54.0, 10.0, rgb("#FBE3DF"), rgb("#DE7E70"))  # north in red
    c.fill(disc(cx, cy, 3.2), line_col)
    c.fill(disc(cx, cy, 1.8), WHITE)

    glyphs = letter_glyphs()
    r = 68  # letters' centres, outside the ring and clear of the image edge
    draw_glyph(c, glyphs["N"], 75, 75 - r, rgb("#B03A2E"))
    navy = rgb("#1F3A5F")
    draw_glyph(c, glyphs["E"], 75 + r, 75, navy)
    draw_glyph(c, glyphs["S"], 75, 75 + r, navy)
    draw_glyph(c, glyphs["W"], 75 - r, 75, navy)
    return c


def kaaba():
    c = Canvas(16, 16, WHITE)
    front, side, top = rgb("#141414"), rgb("#3C3C3C"), rgb("#6A6A6A")
    # front face on whole pixels (crisp edges); the side face recedes to the right and up
    c.fill(polygon([(1, 4), (11, 4), (15, 2.5), (5, 2.5)]), top)
    c.fill(rect(1, 4, 11, 15), front)
    c.fill(polygon([(11, 4), (15, 2.5), (15, 13.5), (11, 15)]), side)
    c.fill(rect(1, 6, 11, 8), GOLD)
    c.fill(polygon([(11, 6), (15, 4.5), (15, 6.5), (11, 8)]), rgb("#E0AE3C"))
    c.fill(rect(7, 10, 9, 14), GOLD_DARK)  # the door
    return c


def sun():
    c = Canvas(16, 16, WHITE)
    cx = cy = 8.0  # between pixels 7 and 8: the 16x16 square's own centre
    ray = rgb("#F39C12")
    for k in range(8):
        b = k * 45
        if k % 2 == 0:  # two pixels wide on whole pixels: crisp
            ray_shape = line(*polar(cx, cy, 3.5, b), *polar(cx, cy, 7.0, b), 2.0, False)
        else:
            ray_shape = line(*polar(cx, cy, 3.5, b), *polar(cx, cy, 6.8, b), 2.3, False)
        c.fill(ray_shape, ray)  # stops short of the edge: a white margin all round
    c.fill(disc(cx, cy, 4.2), rgb("#E67E22"))
    c.fill(disc(cx, cy, 3.5),
           lambda x, y: mix(rgb("#FFE45C"), rgb("#FFB300"), min(1.0, math.hypot(x - 7, y - 7) / 4.5)))
    return c


def outputs():
    return {
        "app/res/veloranth.ico": lambda: ico24(app_icon()),
        "today/res/today_file.ico": lambda: ico24(app_icon("#145A3A", "#2E9466", "#0A2E1E")),
        "today/res/today_item.ico": lambda: ico24(item_icon()),
        "app/res/compass.bmp": lambda: bmp16(compass()),
        "app/res/kaaba.bmp": lambda: bmp16(kaaba()),
        "app/res/sun.bmp": lambda: bmp16(sun()),
    }


def main(argv):
    root = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    for rel, make in outputs().items():
        path = os.path.join(root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(make())
        print("wrote", os.path.normpath(path))


if __name__ == "__main__":
    main(sys.argv)
