"""Checks the committed artwork: it is what tools/gen_artwork.py draws today, its headers
are what the resource compiler and the loaders expect, and the pictures keep the geometry
the program relies on (rose centre, white squares under opaque copies, icon masks).
Run: python3 -m unittest discover -s tools/tests"""
import os
import struct
import sys
import tempfile
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))
import gen_artwork  # noqa: E402

WHITE16 = 0x7FFF
BMPS = {"app/res/compass.bmp": 150, "app/res/kaaba.bmp": 16, "app/res/sun.bmp": 16}
ICONS = ["app/res/veloranth.ico", "today/res/today_file.ico", "today/res/today_item.ico"]


def read(rel):
    with open(os.path.join(ROOT, rel), "rb") as f:
        return f.read()


def bmp_pixels(data):
    """Top-down rows of 16-bit values after checking every header field."""
    magic, size, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
    hsize, w, h, planes, bpp, comp, image = struct.unpack_from("<IiiHHII", data, 14)
    stride = (w * 2 + 3) & ~3
    assert (magic, hsize, planes, bpp, comp) == (b"BM", 40, 1, 16, 0)
    assert h > 0, "rows must be bottom-up"
    assert off == 54 and image == stride * h and size == len(data) == off + image
    return [[struct.unpack_from("<H", data, off + (h - 1 - j) * stride + 2 * i)[0]
             for i in range(w)] for j in range(h)]


class Artwork(unittest.TestCase):
    def test_committed_files_match_the_generator(self):
        with tempfile.TemporaryDirectory() as tmp:
            gen_artwork.main(["gen_artwork.py", tmp])
            for rel in list(BMPS) + ICONS:
                with open(os.path.join(tmp, rel), "rb") as f:
                    self.assertEqual(f.read(), read(rel), rel + " is stale: rerun the generator")

    def test_bitmaps_are_white_squares_of_the_right_size(self):
        for rel, side in BMPS.items():
            px = bmp_pixels(read(rel))
            self.assertEqual((len(px), len(px[0])), (side, side), rel)
            # copied opaquely: the border must be the white square the program expects
            border = px[0] + px[-1] + [row[0] for row in px] + [row[-1] for row in px]
            self.assertEqual(set(border), {WHITE16}, rel)
            self.assertTrue(any(v != WHITE16 for row in px for v in row), rel)

    def test_rose_is_centred_on_pixel_75_75(self):
        px = bmp_pixels(read("app/res/compass.bmp"))
        # the ring and the star are symmetric, so equal colours at equal distances
        # along the four axes place the centre exactly on pixel (75, 75)
        for d in range(20, 62):
            if d in range(52, 57):  # the north point is red, the others blue
                continue
            values = {px[75][75 + d], px[75][75 - d], px[75 + d][75]}
            self.assertEqual(len(values), 1, "asymmetric at distance %d" % d)
        for d in range(58, 63):
            self.assertEqual(px[75 - d][75], px[75 + d][75], d)

    def test_icons_are_one_32x32_24bit_image_with_mask(self):
        for rel in ICONS:
            data = read(rel)
            image = 32 * 96 + 32 * 4  # 24-bit rows, then the 1-bit mask's (rows of 4 bytes)
            self.assertEqual(struct.unpack_from("<HHHBBBBHHII", data, 0),  # one 32x32 entry
                             (0, 1, 1, 32, 32, 0, 0, 1, 24, 40 + image, 22), rel)
            self.assertEqual(struct.unpack_from("<IiiHHII", data, 22),  # twice high: the mask
                             (40, 32, 64, 1, 24, 0, image), rel)
            self.assertEqual(len(data), 22 + 40 + image, rel)
            xor, mask = data[62:62 + 3072], data[62 + 3072:]

            def transparent(i, j):  # top-down pixel coordinates
                return bool(mask[(31 - j) * 4 + i // 8] & (0x80 >> (i % 8)))

            for i, j in ((0, 0), (31, 0), (0, 31), (31, 31)):
                self.assertTrue(transparent(i, j), rel)
                p = (31 - j) * 96 + i * 3
                self.assertEqual(xor[p:p + 3], b"\0\0\0", rel)
            self.assertFalse(transparent(16, 16), rel)
            opaque = sum(not transparent(i, j) for i in range(32) for j in range(32))
            self.assertGreater(opaque, 900, rel)
