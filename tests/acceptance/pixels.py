"""Mean brightness of rectangles of a screenshot.

Usage: pixels.py X,Y,W,H [X,Y,W,H ...] < screenshot.ppm

Reads a binary PPM (P6, 8 bits per sample) from standard input and prints, one line per
rectangle, the mean of all its samples scaled to 0..1 (0 black, 1 white).
"""

import sys


def read_ppm(data):
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            while data[pos:pos + 1] not in (b"\n", b""):
                pos += 1
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise SystemExit("pixels.py: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def main():
    width, height, body = read_ppm(sys.stdin.buffer.read())
    for rect in sys.argv[1:]:
        x, y, w, h = (int(v) for v in rect.split(","))
        if x < 0 or y < 0 or x + w > width or y + h > height:
            raise SystemExit(f"pixels.py: {rect} lies outside the {width}x{height} picture")
        total = 0
        for row in range(y, y + h):
            start = (row * width + x) * 3
            total += sum(body[start:start + w * 3])
        print(f"{total / (w * h * 3 * 255):.4f}")


main()
