#!/usr/bin/env python3
"""Writes tarvelle.ico, the Windows icon group: 32 x 32 in 2 colours, 32 x 32 in
16 colours and 16 x 16 in 16 colours, from the emblem PNGs (read through
ImageMagick). Run this only to change the icon; the .ico is kept in the tree."""
import struct
import subprocess
from pathlib import Path

HERE = Path(__file__).resolve().parent


def rgba_pixels(png, size):
    raw = subprocess.run(["convert", str(HERE / png), "-depth", "8", "rgba:-"],
                         check=True, capture_output=True).stdout
    assert len(raw) == size * size * 4, png
    return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]


def packed_rows(values, size, bits):
    """Bottom-up rows of `bits`-bit values, each padded to 4 bytes."""
    rows = []
    for y in reversed(range(size)):
        acc, count, row = 0, 0, bytearray()
        for x in range(size):
            acc = (acc << bits) | values[y * size + x]
            count += bits
            if count == 8:
                row.append(acc)
                acc, count = 0, 0
        while len(row) % 4:
            row.append(0)
        rows.append(bytes(row))
    return b"".join(rows)


def icon_image(pixels, size, palette, index_of):
    bits = 1 if len(palette) == 2 else 4
    opaque = [p[3] >= 128 for p in pixels]
    indices = [index_of(p) if o else 0 for p, o in zip(pixels, opaque)]
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    colours += bytes(4 * ((1 << bits) - len(palette)))
    xor = packed_rows(indices, size, bits)
    mask = packed_rows([0 if o else 1 for o in opaque], size, 1)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, 1 << bits, 0)
    return bits, header + colours + xor + mask


def sixteen_colour(png, size):
    pixels = rgba_pixels(png, size)
    palette = sorted({p[:3] for p in pixels if p[3] >= 128})
    assert len(palette) <= 16, png
    return icon_image(pixels, size, palette, lambda p: palette.index(p[:3]))


def two_colour(png, size):
    pixels = rgba_pixels(png, size)
    light = lambda p: (p[0] * 299 + p[1] * 587 + p[2] * 114) // 1000 >= 128
    return icon_image(pixels, size, [(0, 0, 0), (255, 255, 255)], lambda p: int(light(p)))


def main():
    images = [(32, 2, two_colour("emblem-32.png", 32)),
              (32, 16, sixteen_colour("emblem-32.png", 32)),
              (16, 16, sixteen_colour("emblem-16.png", 16))]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, colours, (bits, image) in images:
        entries += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(image), offset)
        data += image
        offset += len(image)
    (HERE / "tarvelle.ico").write_bytes(directory + entries + data)


if __name__ == "__main__":
    main()
