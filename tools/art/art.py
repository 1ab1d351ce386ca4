#!/usr/bin/env python3
"""Turns the project's text pictures into the files Windows resources are made of, and draws a
contact sheet of all of them for review.

    art.py outputs SOURCE.art            the names of the files SOURCE.art makes, one a line
    art.py build SOURCE.art OUT_DIR      write every picture of SOURCE.art into OUT_DIR
    art.py sheet OUT.png SOURCE ...      every image of every source, labelled: the pictures of
                                         .art sources at 1x and enlarged, screenshots (.png) as
                                         they are

A source holds one or more pictures drawn with one character a pixel:

    # a comment
    palette ../../tools/art/base.pal    lines "<char> <colour>" from another file (path relative)
    color r #d02020                     <char> <#rrggbb | none>; "none" is transparent
    icon lock_0                         starts a picture: icon -> .ico, cursor -> .cur, bitmap -> .bmp
    hotspot 7 7                         cursors: the hot spot of the images that follow
    key #ff00ff                         bitmaps: the colour written where a pixel is "none"
    image                               one image of the picture; its rows follow, one a line
    ................

A picture may hold images of several sizes (an icon with 16x16 and 32x32). Icons and cursors
are written with a colour table (4 bits a pixel up to 16 colours, else 8) and an AND mask, which
every Windows from 95 on reads; bitmaps with a colour table too, 4 or 8 bits a pixel as the
colours need (a source can't name more than 256).
"""
import os
import struct
import sys
import zlib

KINDS = {"icon": ".ico", "cursor": ".cur", "bitmap": ".bmp"}


class ArtError(Exception):
    pass


class Image:
    def __init__(self, rows, hotspot):
        self.rows = rows
        self.hotspot = hotspot

    @property
    def width(self):
        return len(self.rows[0])

    @property
    def height(self):
        return len(self.rows)


class Picture:
    def __init__(self, kind, name):
        self.kind = kind
        self.name = name
        self.images = []
        self.key = None

    @property
    def file_name(self):
        return self.name + KINDS[self.kind]


def parse_colour(text, where):
    if text == "none":
        return None
    if len(text) != 7 or text[0] != "#":
        raise ArtError("%s: colour %r is not #rrggbb or none" % (where, text))
    try:
        return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))
    except ValueError:
        raise ArtError("%s: colour %r is not #rrggbb or none" % (where, text)) from None


def read_palette(path, palette):
    with open(path, encoding="ascii") as f:
        for number, line in enumerate(f, 1):
            words = strip_comment(line).split()
            if not words:
                continue
            if len(words) != 2 or len(words[0]) != 1:
                raise ArtError("%s:%d: expected '<char> <colour>'" % (path, number))
            palette[words[0]] = parse_colour(words[1], "%s:%d" % (path, number))


def strip_comment(line):
    stripped = line.strip()
    return "" if stripped.startswith("#") else stripped


def parse(path):
    palette = {}
    pictures = []
    picture = None
    rows = None
    hotspot = (0, 0)

    def finish_image():
        nonlocal rows
        if rows is None:
            return
        if not rows:
            raise ArtError("%s: an image of %s has no rows" % (path, picture.name))
        if any(len(r) != len(rows[0]) for r in rows):
            raise ArtError("%s: the rows of an image of %s differ in length" % (path, picture.name))
        size = (len(rows[0]), len(rows))
        if size[0] > 256 or size[1] > 256:
            raise ArtError("%s: %s is larger than 256 pixels" % (path, picture.name))
        if any((i.width, i.height) == size for i in picture.images):
            raise ArtError("%s: %s has two images of %dx%d" % (path, picture.name, size[0], size[1]))
        picture.images.append(Image(rows, hotspot))
        rows = None

    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()
    for number, raw in enumerate(lines, 1):
        where = "%s:%d" % (path, number)
        line = strip_comment(raw)
        if not line:
            continue
        words = line.split()
        keyword = words[0]
        if keyword == "palette" and len(words) == 2:
            read_palette(os.path.join(os.path.dirname(path), words[1]), palette)
        elif keyword == "color" and len(words) == 3 and len(words[1]) == 1:
            palette[words[1]] = parse_colour(words[2], where)
        elif keyword in KINDS and len(words) == 2:
            finish_image()
            if any(p.name == words[1] for p in pictures):
                raise ArtError("%s: picture %s is drawn twice" % (where, words[1]))
            picture = Picture(keyword, words[1])
            pictures.append(picture)
            hotspot = (0, 0)
        elif keyword == "hotspot" and len(words) == 3 and picture:
            finish_image()
            hotspot = (int(words[1]), int(words[2]))
        elif keyword == "key" and len(words) == 2 and picture:
            picture.key = parse_colour(words[1], where)
        elif keyword == "image" and len(words) == 1 and picture:
            finish_image()
            rows = []
        elif rows is not None and len(words) == 1:
            unknown = sorted(set(line) - set(palette))
            if unknown:
                raise ArtError("%s: characters %s are in no palette" % (where, "".join(unknown)))
            rows.append([palette[c] for c in line])
        else:
            raise ArtError("%s: can't read %r" % (where, raw))
    if picture:
        finish_image()
    for p in pictures:
        if not p.images:
            raise ArtError("%s: picture %s has no image" % (path, p.name))
        for image in p.images:
            if p.kind == "cursor" and not (0 <= image.hotspot[0] < image.width and
                                           0 <= image.hotspot[1] < image.height):
                raise ArtError("%s: the hot spot of %s lies outside it" % (path, p.name))
            if p.kind == "bitmap" and p.key is None and any(None in r for r in image.rows):
                raise ArtError("%s: bitmap %s has transparent pixels but no key colour" % (path, p.name))
    if not pictures:
        raise ArtError("%s: no picture" % path)
    return pictures


def row_bytes(bits_per_pixel, width):
    return (bits_per_pixel * width + 31) // 32 * 4


def pack_indexes(indexes, bits):
    out = bytearray()
    per_byte = 8 // bits
    for start in range(0, len(indexes), per_byte):
        byte = 0
        for i, index in enumerate(indexes[start:start + per_byte]):
            byte |= index << (8 - bits * (i + 1))
        out.append(byte)
    return bytes(out)


def colour_table(colours):
    """The colour table of at most 256 colours: (bits a pixel, table padded to 1 << bits)."""
    bits = 4 if len(colours) <= 16 else 8
    return bits, colours + [(0, 0, 0)] * ((1 << bits) - len(colours))


def icon_image_bytes(image):
    """The DIB of one icon or cursor image: header, colour table, XOR rows, AND rows."""
    colours = sorted({c for r in image.rows for c in r if c is not None})
    table = [(0, 0, 0)] + [c for c in colours if c != (0, 0, 0)]
    if len(table) > 256:
        raise ArtError("an image has more than 256 colours")
    bits, table = colour_table(table)
    index_of = {c: i for i, c in enumerate(table) if i == 0 or c != (0, 0, 0)}
    xor_rows, and_rows = [], []
    for row in reversed(image.rows):  # DIBs are stored bottom-up
        indexes = [0 if c is None else index_of[c] for c in row]
        data = pack_indexes(indexes, bits)
        xor_rows.append(data + b"\0" * (row_bytes(bits, image.width) - len(data)))
        mask = pack_indexes([1 if c is None else 0 for c in row], 1)
        and_rows.append(mask + b"\0" * (row_bytes(1, image.width) - len(mask)))
    pixels = b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, image.width, image.height * 2, 1, bits, 0,
                         len(pixels), 0, 0, 1 << bits, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in table)
    return header + palette + pixels, bits


def icon_file_bytes(picture):
    resource_type = 2 if picture.kind == "cursor" else 1
    images = [icon_image_bytes(i) for i in picture.images]
    out = struct.pack("<HHH", 0, resource_type, len(images))
    offset = 6 + 16 * len(images)
    for image, (data, bits) in zip(picture.images, images):
        if resource_type == 2:
            field1, field2 = image.hotspot
        else:
            field1, field2 = 1, bits
        out += struct.pack("<BBBBHHII", image.width % 256, image.height % 256, 0, 0,
                           field1, field2, len(data), offset)
        offset += len(data)
    return out + b"".join(data for data, _ in images)


def bitmap_file_bytes(picture):
    image = picture.images[0]
    rows = [[c or picture.key for c in row] for row in image.rows]
    colours = sorted({c for row in rows for c in row})
    bits, table = colour_table(colours)
    index_of = {c: i for i, c in enumerate(colours)}
    stride = row_bytes(bits, image.width)
    data = []
    for row in reversed(rows):  # DIBs are stored bottom-up
        packed = pack_indexes([index_of[c] for c in row], bits)
        data.append(packed + b"\0" * (stride - len(packed)))
    pixels = b"".join(data)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in table)
    info = struct.pack("<IiiHHIIiiII", 40, image.width, image.height, 1, bits, 0, len(pixels),
                       2835, 2835, len(table), 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + palette + pixels


def build(source, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for picture in parse(source):
        if picture.kind == "bitmap":
            data = bitmap_file_bytes(picture)
        else:
            data = icon_file_bytes(picture)
        with open(os.path.join(out_dir, picture.file_name), "wb") as f:
            f.write(data)


# ---- contact sheet

# A 3x5 font for the labels: each glyph is five rows of three bits.
FONT = {
    "a": "010101111101101", "b": "110101110101110", "c": "011100100100011", "d": "110101101101110",
    "e": "111100110100111", "f": "111100110100100", "g": "011100101101011", "h": "101101111101101",
    "i": "111010010010111", "j": "001001001101010", "k": "101101110101101", "l": "100100100100111",
    "m": "101111111101101", "n": "110101101101101", "o": "010101101101010", "p": "110101110100100",
    "q": "010101101110011", "r": "110101110101101", "s": "011100010001110", "t": "111010010010010",
    "u": "101101101101111", "v": "101101101101010", "w": "101101111111101", "x": "101101010101101",
    "y": "101101010010010", "z": "111001010100111", "0": "111101101101111", "1": "010110010010111",
    "2": "110001010100111", "3": "110001010001110", "4": "101101111001001", "5": "111100110001110",
    "6": "011100111101111", "7": "111001010010010", "8": "111101111101111", "9": "111101111001110",
    "_": "000000000000111", "-": "000000111000000", ".": "000000000000010", "/": "001001010100100",
    " ": "000000000000000",
}
LABEL_SCALE = 2
GLYPH_W, GLYPH_H = 4 * LABEL_SCALE, 5 * LABEL_SCALE
MARGIN = 8
BACKGROUND = (250, 250, 250)
CHECKS = ((204, 204, 204), (255, 255, 255))
INK = (40, 40, 40)


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[BACKGROUND] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def text(self, x, y, text):
        for n, ch in enumerate(text.lower()):
            bits = FONT.get(ch, FONT[" "])
            for gy in range(5):
                for gx in range(3):
                    if bits[gy * 3 + gx] == "1":
                        for sy in range(LABEL_SCALE):
                            for sx in range(LABEL_SCALE):
                                self.put(x + n * GLYPH_W + gx * LABEL_SCALE + sx,
                                         y + gy * LABEL_SCALE + sy, INK)

    def image(self, x, y, image, scale):
        # Transparent pixels show a checkerboard, one check per source pixel.
        for iy, row in enumerate(image.rows):
            for ix, colour in enumerate(row):
                shown = colour if colour is not None else CHECKS[(ix + iy) % 2]
                for sy in range(scale):
                    for sx in range(scale):
                        self.put(x + ix * scale + sx, y + iy * scale + sy, shown)

    def png(self):
        raw = b"".join(b"\0" + b"".join(bytes(c) for c in row) for row in self.pixels)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def read_png(path):
    """The pixels of an 8-bit RGB or RGBA PNG without interlacing, such as a screenshot."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ArtError("%s: not a PNG file" % path)
    pos, header, compressed = 8, None, b""
    while pos + 8 <= len(data):
        length, kind = struct.unpack_from(">I4s", data, pos)
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
        pos += 12 + length
    if header is None or header[2] != 8 or header[3] not in (2, 6) or header[6] != 0:
        raise ArtError("%s: only 8-bit RGB or RGBA PNG files without interlacing are read" % path)
    width, height, channels = header[0], header[1], 3 if header[3] == 2 else 4
    raw = zlib.decompress(compressed)
    stride = width * channels
    previous = bytearray(stride)
    rows = []
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up, corner = previous[i], previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                guess = min((abs(p - left), 0, left), (abs(p - up), 1, up), (abs(p - corner), 2, corner))[2]
                line[i] = (line[i] + guess) & 255
        rows.append([tuple(line[x * channels:x * channels + 3]) for x in range(width)])
        previous = line
    return Image(rows, (0, 0))


def zoom_of(image):
    """How much an .art picture is enlarged beside itself: small ones more."""
    side = max(image.width, image.height)
    return 4 if side <= 48 else 2


def sheet(out_path, sources):
    # (folder, label, image, zoom): a screenshot ("<folder>_<name>.png") follows the pictures of
    # its folder, shown once as it is, without zoom.
    cells = []
    screenshots = [s for s in sources if s.lower().endswith(".png")]
    for source in sorted(set(sources) - set(screenshots)):
        folder = os.path.basename(os.path.dirname(os.path.dirname(os.path.abspath(source))))
        for picture in parse(source):
            for image in picture.images:
                label = "%s/%s %dx%d" % (folder, picture.name, image.width, image.height)
                cells.append((folder, label, image, zoom_of(image)))
    for source in sorted(screenshots):
        image = read_png(source)
        name = os.path.splitext(os.path.basename(source))[0]
        label = "screenshot/%s %dx%d" % (name, image.width, image.height)
        cells.append((name.split("_")[0], label, image, None))
    cells = [cell[1:] for cell in sorted(cells, key=lambda cell: (cell[0], cell[3] is None))]
    if not cells:
        raise ArtError("no pictures for the sheet")

    # Cells flow from left to right in rows of up to 1600 pixels; a row is as high as its
    # highest cell.
    placed, x, y, row_height, width = [], 0, 0, 0, 0
    for label, image, zoom in cells:
        shown_w = image.width + (MARGIN + image.width * zoom if zoom else 0)
        cell_w = max(len(label) * GLYPH_W, shown_w) + 2 * MARGIN
        cell_h = GLYPH_H + image.height * (zoom or 1) + 3 * MARGIN
        if x > 0 and x + cell_w > 1600:
            x, y, row_height = 0, y + row_height, 0
        placed.append((x, y, label, image, zoom))
        x += cell_w
        row_height = max(row_height, cell_h)
        width = max(width, x)
    canvas = Canvas(width, y + row_height)
    for x, y, label, image, zoom in placed:
        canvas.text(x + MARGIN, y + MARGIN, label)
        top = y + GLYPH_H + 2 * MARGIN
        canvas.image(x + MARGIN, top, image, 1)
        if zoom:
            canvas.image(x + 2 * MARGIN + image.width, top, image, zoom)
    os.makedirs(os.path.dirname(os.path.abspath(out_path)), exist_ok=True)
    with open(out_path, "wb") as f:
        f.write(canvas.png())


def main(argv):
    try:
        if len(argv) == 3 and argv[1] == "outputs":
            for picture in parse(argv[2]):
                print(picture.file_name)
        elif len(argv) == 4 and argv[1] == "build":
            build(argv[2], argv[3])
        elif len(argv) >= 4 and argv[1] == "sheet":
            sheet(argv[2], argv[3:])
        else:
            print(__doc__, file=sys.stderr)
            return 2
    except (ArtError, OSError) as error:
        print("art: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
