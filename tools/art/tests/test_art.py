"""The picture tool: what it reads, the bytes it writes, and the sources it refuses."""
import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
import art  # noqa: E402

SOURCE = """\
# two colours and a hole
color . none
color r #ff0000
color b #0000ff
icon sample
image
r.
bb
image
rrr.
rrrr
bbbb
bbbb
cursor pointer
hotspot 1 0
image
.r
rr
bitmap plate
key #ff00ff
image
.b
"""


WORK = tempfile.TemporaryDirectory()


def tearDownModule():
    WORK.cleanup()


class Source:
    def __init__(self, text, palette=None):
        self.dir = tempfile.mkdtemp(dir=WORK.name)
        self.path = os.path.join(self.dir, "x.art")
        with open(self.path, "w") as f:
            f.write(text)
        if palette is not None:
            with open(os.path.join(self.dir, "p.pal"), "w") as f:
                f.write(palette)

    def output(self, name):
        with open(os.path.join(self.dir, "out", name), "rb") as f:
            return f.read()


def icon_pixel(image_bytes, x, y):
    """(colour, transparent) of one pixel of an icon image's DIB."""
    size, width, height2, _, bits = struct.unpack_from("<IiiHH", image_bytes)
    height = height2 // 2
    colours = 1 << bits
    table = image_bytes[size:size + 4 * colours]
    xor_stride = (bits * width + 31) // 32 * 4
    and_stride = (width + 31) // 32 * 4
    xor = image_bytes[size + 4 * colours:]
    row = height - 1 - y
    byte = xor[row * xor_stride + x * bits // 8]
    index = (byte >> (8 - bits - (x * bits) % 8)) & ((1 << bits) - 1)
    mask = xor[height * xor_stride + row * and_stride + x // 8]
    b, g, r, _ = table[4 * index:4 * index + 4]
    return (r, g, b), bool(mask & (0x80 >> (x % 8)))


def png_file(width, height, scanlines):
    """An 8-bit RGB PNG of already filtered scanlines."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(scanlines)) + chunk(b"IEND", b""))


def bitmap_pixel(data, x, y):
    """(bits a pixel, colour) of one pixel of a .bmp file."""
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    stride = (bits * width + 31) // 32 * 4
    row = offset + (height - 1 - y) * stride
    byte = data[row + x * bits // 8]
    index = (byte >> (8 - bits - (x * bits) % 8)) & ((1 << bits) - 1)
    b, g, r, _ = data[14 + size + 4 * index:14 + size + 4 * index + 4]
    return bits, (r, g, b)


class Writes(unittest.TestCase):
    def setUp(self):
        self.source = Source(SOURCE)
        art.build(self.source.path, os.path.join(self.source.dir, "out"))

    def test_outputs_are_named_by_picture_and_kind(self):
        names = [p.file_name for p in art.parse(self.source.path)]
        self.assertEqual(names, ["sample.ico", "pointer.cur", "plate.bmp"])

    def test_icon_holds_each_size_with_colours_and_mask(self):
        data = self.source.output("sample.ico")
        self.assertEqual(struct.unpack_from("<HHH", data), (0, 1, 2))
        entries = [struct.unpack_from("<BBBBHHII", data, 6 + 16 * i) for i in range(2)]
        self.assertEqual([(e[0], e[1]) for e in entries], [(2, 2), (4, 4)])
        small = data[entries[0][7]:entries[0][7] + entries[0][6]]
        self.assertEqual(icon_pixel(small, 0, 0), ((255, 0, 0), False))
        self.assertTrue(icon_pixel(small, 1, 0)[1], "a 'none' pixel is transparent")
        self.assertEqual(icon_pixel(small, 1, 1), ((0, 0, 255), False))
        large = data[entries[1][7]:entries[1][7] + entries[1][6]]
        self.assertEqual(icon_pixel(large, 2, 0), ((255, 0, 0), False))
        self.assertTrue(icon_pixel(large, 3, 0)[1])
        self.assertEqual(icon_pixel(large, 3, 3), ((0, 0, 255), False))

    def test_cursor_carries_its_hot_spot(self):
        data = self.source.output("pointer.cur")
        self.assertEqual(struct.unpack_from("<HHH", data), (0, 2, 1))
        self.assertEqual(struct.unpack_from("<HH", data, 10), (1, 0))

    def test_bitmap_writes_the_key_colour_for_holes_with_a_colour_table(self):
        data = self.source.output("plate.bmp")
        self.assertEqual(data[:2], b"BM")
        self.assertEqual(struct.unpack_from("<I", data, 2)[0], len(data))
        self.assertEqual(struct.unpack_from("<ii", data, 18), (2, 1))
        self.assertEqual(bitmap_pixel(data, 0, 0), (4, (255, 0, 255)))
        self.assertEqual(bitmap_pixel(data, 1, 0), (4, (0, 0, 255)))

    def test_bitmap_of_many_colours_takes_eight_bits(self):
        rows = "".join("color %s #%02x0000\n" % (chr(65 + i), i + 1) for i in range(20))
        source = Source(rows + "bitmap wide\nimage\n" + "".join(chr(65 + i) for i in range(20)) + "\n")
        art.build(source.path, os.path.join(source.dir, "out"))
        self.assertEqual(bitmap_pixel(source.output("wide.bmp"), 19, 0), (8, (20, 0, 0)))

    def test_many_colours_take_eight_bits(self):
        rows = "".join("color %s #%02x0000\n" % (chr(65 + i), i + 1) for i in range(20))
        source = Source(rows + "icon wide\nimage\n" + "".join(chr(65 + i) for i in range(20)) + "\n")
        data, bits = art.icon_image_bytes(art.parse(source.path)[0].images[0])
        self.assertEqual(bits, 8)
        self.assertEqual(icon_pixel(data, 19, 0), ((20, 0, 0), False))


class Reads(unittest.TestCase):
    def test_palette_files_are_shared(self):
        source = Source("palette p.pal\nicon a\nimage\nkk\n", palette="# ink\nk #102030\n")
        self.assertEqual(art.parse(source.path)[0].images[0].rows, [[(16, 32, 48)] * 2])

    def test_refuses_faulty_sources(self):
        cases = {
            "unknown character": "color . none\nicon a\nimage\n.x\n",
            "rows differ": "color . none\nicon a\nimage\n..\n.\n",
            "bad colour": "color . #12345\nicon a\nimage\n.\n",
            "no image": "color . none\nicon a\n",
            "two images of one size": "color . none\nicon a\nimage\n.\nimage\n.\n",
            "picture drawn twice": "color . none\nicon a\nimage\n.\nicon a\nimage\n.\n",
            "hot spot outside": "color . none\ncursor a\nhotspot 2 0\nimage\n..\n",
            "bitmap hole without key": "color . none\nbitmap a\nimage\n.\n",
            "rows before a picture": "color . none\n..\n",
            "nothing": "# only a comment\n",
        }
        for what, text in cases.items():
            with self.subTest(what):
                source = Source(text)
                with self.assertRaises(art.ArtError):
                    art.parse(source.path)

    def test_command_line_reports_errors_without_a_trace(self):
        source = Source("icon a\nimage\nz\n")
        result = subprocess.run([sys.executable, os.path.join(HERE, "..", "art.py"), "build",
                                 source.path, source.dir], capture_output=True, text=True)
        self.assertEqual(result.returncode, 1)
        self.assertIn("characters z are in no palette", result.stderr)


class Sheet(unittest.TestCase):
    def test_sheet_is_a_png_showing_each_image_twice(self):
        source = Source(SOURCE)
        out = os.path.join(source.dir, "sheet.png")
        art.sheet(out, [source.path])
        with open(out, "rb") as f:
            data = f.read()
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        width, height = struct.unpack_from(">II", data, 16)
        idat = data.index(b"IDAT")
        length = struct.unpack_from(">I", data, idat - 4)[0]
        raw = zlib.decompress(data[idat + 4:idat + 4 + length])
        self.assertEqual(len(raw), height * (1 + 3 * width))
        red = bytes([255, 0, 0])
        # Each image at 1x and 4x: 1 + 16 sheet pixels for every red pixel drawn.
        red_pixels = sum(1 for i in range(0, len(raw)) if raw[i:i + 3] == red and (i % (1 + 3 * width) - 1) % 3 == 0)
        self.assertEqual(red_pixels, (1 + 7 + 3) * 17)

    def test_screenshot_is_shown_once_as_it_is(self):
        red, grey = (255, 0, 0), (9, 9, 9)
        rows = [[red, grey, red], [grey, grey, red]]
        first, second = (b"".join(bytes(c) for c in row) for row in rows)
        # The first row stored with the Sub filter, the second with Up, as encoders do.
        sub = bytes([1]) + first[:3] + bytes((b - a) & 255 for a, b in zip(first, first[3:]))
        up = bytes([2]) + bytes((b - a) & 255 for a, b in zip(first, second))
        work = tempfile.mkdtemp(dir=WORK.name)
        shot = os.path.join(work, "page.png")
        with open(shot, "wb") as f:
            f.write(png_file(3, 2, sub + up))
        self.assertEqual(art.read_png(shot).rows, rows)

        out = os.path.join(work, "sheet.png")
        art.sheet(out, [shot])
        sheet = art.read_png(out)
        self.assertEqual(sum(row.count(red) for row in sheet.rows), 3)
        self.assertEqual(sum(row.count(grey) for row in sheet.rows), 3)

if __name__ == "__main__":
    unittest.main()
