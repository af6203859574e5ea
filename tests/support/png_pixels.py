"""png_pixels.py -- reading 8-bit PNG pictures (as the program, football-record and chromium
write them) into RGB bytes, and how two pictures differ, with nothing but the standard library."""

import struct
import zlib


def _unfilter(raw, width, height, channels):
    stride = width * channels
    rows = []
    previous = bytearray(stride)
    at = 0
    for _ in range(height):
        kind = raw[at]
        line = bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                guess = left + up - corner
                pa, pb, pc = abs(guess - left), abs(guess - up), abs(guess - corner)
                nearest = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[i] = (line[i] + nearest) & 255
            elif kind != 0:
                raise ValueError("unknown PNG filter %d" % kind)
        rows.append(line)
        previous = line
    return rows


def read_rgb(path):
    """(width, height, bytes of RGB, top row first) of an 8-bit RGB or RGBA PNG file."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("%s is not a PNG file" % path)
    at, idat = 8, b""
    width = height = channels = 0
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        at += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if depth != 8 or colour not in (2, 6) or interlace != 0:
                raise ValueError("%s: only 8-bit RGB or RGBA, not interlaced" % path)
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
    rows = _unfilter(zlib.decompress(idat), width, height, channels)
    rgb = bytearray()
    for line in rows:
        if channels == 3:
            rgb += line
        else:
            for x in range(width):
                rgb += line[x * 4:x * 4 + 3]
    return width, height, bytes(rgb)


def difference(a, b):
    """(fraction of pixels identical, fraction within 3 levels in every channel) of two
    pictures of one size, each (width, height, rgb)."""
    if a[:2] != b[:2]:
        raise ValueError("pictures of %dx%d and %dx%d" % (a[0], a[1], b[0], b[1]))
    pa, pb = a[2], b[2]
    pixels = a[0] * a[1]
    same = near = 0
    for p in range(0, len(pa), 3):
        d = max(abs(pa[p] - pb[p]), abs(pa[p + 1] - pb[p + 1]), abs(pa[p + 2] - pb[p + 2]))
        same += d == 0
        near += d <= 3
    return same / pixels, near / pixels
