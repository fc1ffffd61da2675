#!/usr/bin/python3

# SPDX-FileCopyrightText: 2026 The sakana developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Regenerates the built-in pictures of sakana.

    /usr/bin/python3 src/ui/pictures/generate.py [--preview DIR]

Writes grid.gif, title.gif, ray.gif, fish.ico and restart.ico next to this
script.  The output is byte-identical from run to run: the GIF and ICO
encoders below are our own, so no library default (palette trimming,
header version, extension blocks) can change the files behind our back.

Regeneration only; the program itself just reads the committed files.
Needs Debian's python3-pil (for drawing and font rendering) and
fonts-ipafont-gothic (for the title glyph).  With --preview, enlarged PNG
copies are written into DIR for looking at.
"""

import hashlib
import io
import os
import struct
import sys

try:
    from PIL import Image, ImageDraw, ImageFont
except ImportError:
    sys.exit("generate.py: Pillow is missing; install it with "
             "'apt-get install -y python3-pil' and run /usr/bin/python3 again")

HERE = os.path.dirname(os.path.abspath(__file__))
TITLE_FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"

BLUE = (0, 0, 255)
YELLOW = (255, 255, 0)
NAVY = (0, 0, 128)
CYAN = (0, 255, 255)
NEAR_CYAN = (8, 255, 247)
RED = (255, 0, 0)


# ---------------------------------------------------------------- GIF writer

def lzw_encode(indices, min_code_size=8):
    """GIF flavoured LZW: variable code width up to 12 bits, LSB first."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    width = min_code_size + 1
    table = {}
    next_code = end + 1
    emit(clear, width)
    if not indices:
        emit(end, width)
    else:
        prefix = indices[0]
        for k in indices[1:]:
            key = (prefix, k)
            found = table.get(key)
            if found is not None:
                prefix = found
                continue
            emit(prefix, width)
            if next_code < 4096:
                table[key] = next_code
                next_code += 1
                # The decoder adds its entries one code later than we do,
                # so widen only once the code just added no longer fits.
                if next_code > (1 << width) and width < 12:
                    width += 1
            else:
                emit(clear, width)
                table = {}
                next_code = end + 1
                width = min_code_size + 1
            prefix = k
        emit(prefix, width)
        emit(end, width)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def gif_bytes(width, height, palette, indices, version=b"GIF89a",
              transparent_index=None):
    """One-frame GIF with a full 256-entry global colour table."""
    assert len(palette) <= 256 and len(indices) == width * height
    assert transparent_index is None or version == b"GIF89a"
    table = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    data = bytearray(version)
    # Global table present, 8-bit colour resolution, 2^(7+1) entries.
    data += struct.pack("<HHBBB", width, height, 0xF7, 0, 0)
    for r, g, b in table:
        data += bytes((r, g, b))
    if transparent_index is not None:
        data += bytes((0x21, 0xF9, 0x04, 0x01, 0, 0, transparent_index, 0))
    data += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0)
    data.append(8)
    stream = lzw_encode(indices, 8)
    for start in range(0, len(stream), 255):
        chunk = stream[start:start + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00\x3B"
    return bytes(data)


# ---------------------------------------------------------------- ICO writer

def ico_bytes(images, palette):
    """Icon file of 16-colour images; images are (size, rows) where rows are
    lists of palette indices or None for a transparent pixel."""
    assert len(palette) == 16
    blobs = []
    for size, rows in images:
        assert len(rows) == size and all(len(r) == size for r in rows)
        xor_stride = (size * 4 + 31) // 32 * 4
        and_stride = (size + 31) // 32 * 4
        xor = bytearray()
        mask = bytearray()
        for row in reversed(rows):          # bitmaps are stored bottom-up
            line = bytearray(xor_stride)
            bits = bytearray(and_stride)
            for x, value in enumerate(row):
                index = 0 if value is None else value
                if x % 2 == 0:
                    line[x // 2] |= index << 4
                else:
                    line[x // 2] |= index
                if value is None:
                    bits[x // 8] |= 0x80 >> (x % 8)
            xor += line
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                             len(xor) + len(mask), 0, 0, 16, 0)
        colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        blobs.append(header + colours + bytes(xor) + bytes(mask))
    data = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (size, _), blob in zip(images, blobs):
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4,
                            len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        data += blob
    return bytes(data)


# ------------------------------------------------------------ the grid picture

GRID_W, GRID_H = 768, 480
OUTER_LEFT, OUTER_RIGHT, OUTER_TOP, OUTER_BOTTOM = 11, 755, 10, 459
BAR_LINE = 59
COLUMN_LINES = (167, 599)
CELL_LINES = range(79, 440, 20)


def grid_is_dot(x, y):
    """The light dither of the central panel: one dot in sixteen pixels,
    shifted by half a step on alternate dotted rows."""
    dy = y - (BAR_LINE + 1)
    if dy % 4 != 1:
        return False
    shift = 2 if (dy // 4) % 2 else 0
    return (x - (COLUMN_LINES[0] + 1) + shift) % 4 == 1


def make_grid():
    palette = [BLUE, YELLOW, NAVY, CYAN, NEAR_CYAN]
    b, yl, nv, cy, nc = range(5)
    pixels = []
    for y in range(GRID_H):
        for x in range(GRID_W):
            inside = OUTER_LEFT <= x <= OUTER_RIGHT and OUTER_TOP <= y <= OUTER_BOTTOM
            if not inside:
                value = b
            elif x in (OUTER_LEFT, OUTER_RIGHT) or y in (OUTER_TOP, OUTER_BOTTOM):
                value = yl
            elif y < BAR_LINE:
                value = b
            elif y == BAR_LINE or x in COLUMN_LINES:
                value = yl
            elif COLUMN_LINES[0] < x < COLUMN_LINES[1]:
                value = nc if grid_is_dot(x, y) else cy
            else:
                value = yl if y in CELL_LINES else nv
            pixels.append(value)
    return gif_bytes(GRID_W, GRID_H, palette, pixels, b"GIF89a"), (GRID_W, GRID_H, palette, pixels)


# ----------------------------------------------------------- the title picture

TITLE_W, TITLE_H = 221, 231
TITLE_BLOCK = 15
TITLE_OUTLINE = 3


def title_bitmap():
    if not os.path.exists(TITLE_FONT):
        sys.exit("generate.py: %s is missing; install it with "
                 "'apt-get install -y fonts-ipafont-gothic'" % TITLE_FONT)
    font = ImageFont.truetype(TITLE_FONT, 16)
    canvas = Image.new("L", (40, 40), 0)
    ImageDraw.Draw(canvas).text((8, 8), "魚", fill=255, font=font)
    ink = canvas.point(lambda v: 255 if v >= 110 else 0)
    left, top, right, bottom = ink.getbbox()
    return [[ink.getpixel((x, y)) != 0 for x in range(left, right)]
            for y in range(top, bottom)]


def make_title():
    bits = title_bitmap()
    rows, cols = len(bits), len(bits[0])
    left = (TITLE_W - cols * TITLE_BLOCK) // 2
    top = (TITLE_H - rows * TITLE_BLOCK) // 2
    assert left >= TITLE_OUTLINE and top >= TITLE_OUTLINE

    def red_at(x, y):
        bx, by = x - left, y - top
        if bx < 0 or by < 0:
            return False
        c, r = bx // TITLE_BLOCK, by // TITLE_BLOCK
        return r < rows and c < cols and bits[r][c]

    red = [[red_at(x, y) for x in range(TITLE_W)] for y in range(TITLE_H)]
    palette = [(0, 0, 0), RED, BLUE]
    pixels = []
    reach = range(-TITLE_OUTLINE, TITLE_OUTLINE + 1)
    for y in range(TITLE_H):
        for x in range(TITLE_W):
            if red[y][x]:
                pixels.append(1)
                continue
            # Blue where a red block lies within the outline width (a square
            # neighbourhood keeps the outline corners square like the blocks).
            near = any(0 <= y + dy < TITLE_H and 0 <= x + dx < TITLE_W
                       and red[y + dy][x + dx] for dy in reach for dx in reach)
            pixels.append(2 if near else 0)
    return (gif_bytes(TITLE_W, TITLE_H, palette, pixels, b"GIF89a", transparent_index=0),
            (TITLE_W, TITLE_H, palette, pixels))


# ------------------------------------------------------------- the ray picture

RAY_W, RAY_H = 508, 350
SCALE = 4                      # drawn four times larger, then averaged down


def bezier(p0, p1, p2, p3, steps=40):
    points = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        points.append((u * u * u * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t * t * t * p3[0],
                       u * u * u * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t * t * t * p3[1]))
    return points


def make_ray():
    import math
    big = Image.new("RGB", (RAY_W * SCALE, RAY_H * SCALE), CYAN)
    draw = ImageDraw.Draw(big)
    black = (0, 0, 0)
    grey = (120, 120, 120)
    pale = (216, 216, 212)
    shade = (184, 184, 180)

    # The body is drawn in its own frame (snout up, centred on 0,0) and
    # turned so that the ray swims towards the upper left.
    angle = math.radians(-32)
    ca, sa = math.cos(angle), math.sin(angle)
    cx, cy, size = 182, 146, 1.14

    def place(points):
        return [((cx + size * (x * ca - y * sa)) * SCALE, (cy + size * (x * sa + y * ca)) * SCALE)
                for x, y in points]

    def scaled(points):
        return [(x * SCALE, y * SCALE) for x, y in points]

    def stroke(points, colour, width):
        """A polyline in drawing pixels with round ends."""
        draw.line(points, fill=colour, width=round(width * SCALE), joint="curve")
        r = width * SCALE / 2
        for x, y in (points[0], points[-1]):
            draw.ellipse((x - r, y - r, x + r, y + r), fill=colour)

    def dot(centre, rx, ry, fill, outline=None, width=0):
        x, y = centre
        draw.ellipse((x - rx * SCALE, y - ry * SCALE, x + rx * SCALE, y + ry * SCALE),
                     fill=fill, outline=outline, width=round(width * SCALE))

    snout, rear = (0, -96), (0, 64)
    left_tip, right_tip = (-132, 8), (132, 8)
    outline = (bezier(snout, (-34, -84), (-104, -28), left_tip)
               + bezier(left_tip, (-100, 32), (-46, 44), rear)[1:]
               + bezier(rear, (46, 44), (100, 32), right_tip)[1:]
               + bezier(right_tip, (104, -28), (34, -84), snout)[1:])

    # The tail leaves the rear of the body, dips and sweeps right across the
    # picture, thinning to a point.  Drawn as a filled taper.
    root = place([(0, 56)])[0]
    root = (root[0] / SCALE, root[1] / SCALE)
    spine = (bezier(root, (root[0] + 30, root[1] + 70), (262, 306), (350, 298), 80)
             + bezier((350, 298), (424, 292), (466, 262), (490, 226), 60)[1:])
    spine_px = scaled(spine)
    sides_left, sides_right = [], []
    last = len(spine_px) - 1
    for i, (x, y) in enumerate(spine_px):
        a = spine_px[max(i - 1, 0)]
        b = spine_px[min(i + 1, last)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        n = math.hypot(dx, dy) or 1
        half = SCALE * (3.6 * (1 - i / last) ** 1.1 + 0.5)
        sides_left.append((x - dy / n * half, y + dx / n * half))
        sides_right.append((x + dy / n * half, y - dx / n * half))
    draw.polygon(sides_left + sides_right[::-1], fill=black)

    # Pelvic fins: two rounded lobes beside the tail root, partly under
    # the body.
    for side in (-1, 1):
        fin = (bezier((side * 10, 40), (side * 34, 46), (side * 38, 70), (side * 22, 84), 24)
               + bezier((side * 22, 84), (side * 14, 90), (side * 6, 80), (side * 4, 64), 16)[1:])
        draw.polygon(place(fin), fill=shade)
        stroke(place(fin), black, 2.0)

    draw.polygon(place(outline), fill=pale)
    # A darker band along the middle of the back and the backbone line.
    back = (bezier((0, -66), (-28, -36), (-30, 24), (0, 58), 30)
            + bezier((0, 58), (30, 24), (28, -36), (0, -66), 30)[1:])
    draw.polygon(place(back), fill=shade)
    stroke(place(bezier((0, -14), (0, 10), (0, 30), (0, 58), 10)), grey, 1.3)
    # Soft grey lines following the wing edges, a little inside them.
    for side in (-1, 1):
        front = bezier((side * 8, -74), (side * 36, -62), (side * 90, -22), (side * 112, 6), 30)
        back_edge = bezier((side * 110, 14), (side * 86, 34), (side * 46, 40), (side * 16, 50), 30)
        stroke(place(front), grey, 1.1)
        stroke(place(back_edge), grey, 1.1)
    stroke(place(outline), black, 2.6)

    # Eyes, with the breathing holes just behind them.
    for side in (-1, 1):
        dot(place([(side * 17, -44)])[0], 6.5, 6.5, (255, 255, 255), black, 1.8)
        dot(place([(side * 16, -46)])[0], 3.2, 3.2, black)
        dot(place([(side * 15, -47.5)])[0], 1.1, 1.1, (255, 255, 255))
        dot(place([(side * 20, -27)])[0], 4.0, 2.4, shade, grey, 1.2)
    # A few spots on the back.
    for x, y, r in ((-56, -4, 4.5), (54, -6, 4.5), (-34, 22, 3.5), (36, 22, 3.5),
                    (-80, 12, 3), (80, 12, 3), (-40, -30, 3), (42, -30, 3)):
        dot(place([(x, y)])[0], r, r, grey)

    small = big.reduce(SCALE)
    rgb = list(small.getdata())
    # The ground must be exactly the window cyan, so it gets its own entry
    # and every other colour shares the remaining 255.
    quantised = small.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    flat = quantised.getpalette()[:255 * 3]
    palette = [CYAN] + [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]
    palette += [(0, 0, 0)] * (256 - len(palette))
    pixels = [0 if colour == CYAN else 1 + q for colour, q in zip(rgb, quantised.getdata())]
    return gif_bytes(RAY_W, RAY_H, palette, pixels, b"GIF87a"), (RAY_W, RAY_H, palette, pixels)


# ------------------------------------------------------------------- the icons

ICON_PALETTE = [
    (0, 0, 0),        # 0  K black
    (128, 0, 0),      # 1  M dark red
    (224, 24, 24),    # 2  R red
    (255, 120, 100),  # 3  L light red
    (255, 255, 255),  # 4  W white
    (240, 120, 16),   # 5  O orange
    (255, 176, 72),   # 6  o light orange
    (120, 56, 8),     # 7  B brown
    (255, 150, 170),  # 8  P pink
    (255, 232, 200),  # 9  C cream
    (200, 200, 200),  # 10 G light grey
    (96, 96, 96),     # 11 D dark grey
    (255, 220, 40),   # 12 Y yellow
    (176, 16, 16),    # 13 r deep red
    (40, 40, 120),    # 14 N navy
    (255, 200, 190),  # 15 p pale pink
]
ICON_KEYS = "KMRLWOoBPCGDYrNp"


def icon_rows(art):
    rows = []
    for line in art:
        rows.append([None if ch == "." else ICON_KEYS.index(ch) for ch in line])
    return rows


FISH_32 = [
    "................................",
    "................................",
    "................................",
    "................................",
    "...........MMMM.................",
    "..........MRRRRMM...............",
    ".........MRRrRRRRMM.............",
    "........MMMMMMMMMMMMM.......MMM.",
    "......MMRRRRRRRRRRRRRMM....MRRM.",
    ".....MRRRLLLLLRRRRRRRRRM..MRRrM.",
    "....MRRLLRRRRrRRRRRRRRRRMMRRrRM.",
    "...MRRRWWWRRRrRRRRRRRRRRRMRRrRM.",
    "..MRRRWWKKWRRrRRRRrRRRrRRRRrRRM.",
    "..MRRRWWKKWRRrRRRRRrRRRrRRRRrRM.",
    ".MRRRRRWWWRRrRRRRRrRRRrRRRRRRM..",
    ".MRRRRRRRRRRrRRRRRRRRRRRRRRRRM..",
    ".MMRRRRRRRRRrRRRRRRRRRRRRRRRRRM.",
    "..MRRRRRRRRrRRLLLLRRRRRRRRRrRRM.",
    "..MMRRRRRRRrRLLLLLLLRRRRRMRRrRM.",
    "...MLLLLLLLLLLLLLLLLLLLLMMRRrRM.",
    "....MLLLLLLLLLLLLLLLLLLM..MRRRM.",
    ".....MMLLLLLLLLLLLLLLMM....MRRM.",
    ".......MMMMMMrRRMMMMM.......MMM.",
    "...........MrRRM................",
    "............MMM.................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
]

FACE_32 = [
    "................................",
    "................................",
    "................................",
    "................................",
    "....BB....................BB....",
    "....BOB..................BOB....",
    "....BOOB................BOOB....",
    "....BOPOB..............BOPOB....",
    "....BOPPOB............BOPPOB....",
    "....BOPPPOBBBBBBBBBBBBOPPPOB....",
    "....BOPPPOOOOOOOOOOOOOOPPPOB....",
    "...BOOOPPOOOOOOOOOOOOOOPPOOOB...",
    "...BOOOOOOOOOOOOOOOOOOOOOOOOB...",
    "..BOOOOOOOOOOOOOOOOOOOOOOOOOOB..",
    "..BOOOOOOOOOOOOOOOOOOOOOOOOOOB..",
    "..BOOOOOBBBOOOOOOOOOOBBBOOOOOB..",
    "..BOOOOBOOOBOOOOOOOOBOOOBOOOOB..",
    "..BOOOOOOOOOOOOOOOOOOOOOOOOOOB..",
    "..BOOOOOOOOOOOOOOOOOOOOOOOOOOB..",
    "..BOPPPOOOWWWWWWWWWWWWOOOPPPOB..",
    "...BPPPOWWWWWWKKKKWWWWWWOPPPB...",
    "...BOOOWWWWWWWWKKWWWWWWWWOOOB...",
    "....BWWWWWWWWWWKKWWWWWWWWWWB....",
    "....BWWWWWWWBWWWWWWBWWWWWWWB....",
    ".....BWWWWWWWBBBBBBWWWWWWWB.....",
    "......BWWWWWWWWWWWWWWWWWWB......",
    ".......BBWWWWWWWWWWWWWWBB.......",
    ".........BBBBBBBBBBBBBB.........",
    "................................",
    "................................",
    "................................",
    "................................",
]

FACE_16 = [
    "................",
    ".BB..........BB.",
    ".BOB........BOB.",
    ".BPOBBBBBBBBOPB.",
    "BOPOOOOOOOOOOPOB",
    "BOOOOOOOOOOOOOOB",
    "BOOBOOOOOOOOBOOB",
    "BOBOBOOOOOOBOBOB",
    "BPPOOOOOOOOOOPPB",
    "BOOWWWWWWWWWWOOB",
    ".BWWWWWKKWWWWWB.",
    ".BWWWWBWWBWWWWB.",
    "..BWWWWBBWWWWB..",
    "...BWWWWWWWWB...",
    "....BBBBBBBB....",
    "................",
]


def make_icons():
    fish = ico_bytes([(32, icon_rows(FISH_32))], ICON_PALETTE)
    restart = ico_bytes([(16, icon_rows(FACE_16)), (32, icon_rows(FACE_32))], ICON_PALETTE)
    return fish, restart


# ------------------------------------------------------------------- checking

def check_gif(data, expected):
    """Decodes our own output with Pillow and compares every pixel."""
    width, height, palette, pixels = expected
    image = Image.open(io.BytesIO(data))
    assert image.size == (width, height), image.size
    decoded = list(image.getdata())
    if decoded != pixels:
        first = next(i for i, (a, b) in enumerate(zip(decoded, pixels)) if a != b)
        sys.exit("generate.py: GIF round trip differs at pixel %d" % first)


def preview(directory, name, data, factor):
    image = Image.open(io.BytesIO(data))
    if name.endswith(".ico"):
        for size in sorted(image.info.get("sizes", {image.size})):
            frame = image.ico.getimage(size).convert("RGBA")
            ground = Image.new("RGBA", frame.size, (200, 220, 255, 255))
            ground.alpha_composite(frame)
            ground.resize((frame.width * factor, frame.height * factor), Image.Resampling.NEAREST).save(
                os.path.join(directory, "%s-%d.png" % (name, size[0])))
    else:
        image = image.convert("RGBA")
        ground = Image.new("RGBA", image.size, (200, 220, 255, 255))
        ground.alpha_composite(image)
        ground.resize((image.width * factor, image.height * factor), Image.Resampling.NEAREST).save(
            os.path.join(directory, name + ".png"))


def main(argv):
    preview_dir = None
    if len(argv) == 3 and argv[1] == "--preview":
        preview_dir = argv[2]
        os.makedirs(preview_dir, exist_ok=True)
    elif len(argv) != 1:
        sys.exit(__doc__)

    outputs = []
    for name, maker in (("grid.gif", make_grid), ("title.gif", make_title), ("ray.gif", make_ray)):
        data, expected = maker()
        check_gif(data, expected)
        outputs.append((name, data, 1 if name != "title.gif" else 2))
    fish, restart = make_icons()
    outputs += [("fish.ico", fish, 8), ("restart.ico", restart, 8)]

    for name, data, factor in outputs:
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)
        print("%s  %s  (%d bytes)" % (hashlib.sha256(data).hexdigest(), name, len(data)))
        if preview_dir:
            preview(preview_dir, name, data, factor)


if __name__ == "__main__":
    main(sys.argv)
