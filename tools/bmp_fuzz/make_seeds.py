#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: one small valid bitmap per form the
reader accepts. Run once; the files are committed under corpus/."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def stride(width, bits):
    return ((width * bits + 31) // 8) & ~3


def bmp(width, height, bits, rows, compression=0, palette=(), masks=(),
        header_size=40, image_size=None, colours_used=0):
    pixels = b"".join(row.ljust(stride(width, bits), b"\0") for row in rows)
    if image_size is None:
        image_size = len(pixels)
    info = struct.pack("<IiiHHIIiiII", header_size, width, height, 1, bits,
                       compression, image_size, 2835, 2835, colours_used, 0)
    info += b"".join(struct.pack("<I", m) for m in masks)
    info = info.ljust(header_size, b"\0")
    info += b"".join(struct.pack("<I", c) for c in palette)
    offset = 14 + len(info)
    head = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return head + info + pixels


def seeds():
    grey16 = [i * 0x111111 for i in range(16)]
    yield "four_bit_odd_width.bmp", bmp(5, 2, 4, [b"\x12\x34\x50", b"\xfe\xdc\xb0"],
                                        palette=grey16)
    yield "four_bit_three_colours.bmp", bmp(3, 1, 4, [b"\x01\x20"],
                                            palette=[0xff0000, 0xff00, 0xff],
                                            colours_used=3)
    yield "eight_bit.bmp", bmp(3, 2, 8, [b"\x00\x01\x02", b"\x03\x02\x01"],
                               palette=[0, 0xffffff, 0x808080, 0x123456],
                               colours_used=4)
    yield "eight_bit_v4_header.bmp", bmp(2, 1, 8, [b"\x00\x01"],
                                         palette=[0x112233, 0x445566],
                                         header_size=108, colours_used=2)
    yield "sixteen_bit_555.bmp", bmp(3, 1, 16, [struct.pack("<3H", 0x7c00, 0x03e0, 0x001f)])
    yield "sixteen_bit_565.bmp", bmp(2, 2, 16, [struct.pack("<2H", 0xf800, 0x07e0),
                                                struct.pack("<2H", 0x001f, 0xffff)],
                                     compression=3, masks=(0xf800, 0x07e0, 0x001f))
    yield "twenty_four_bit_width_3.bmp", bmp(3, 2, 24, [bytes(range(9)), bytes(range(9, 18))],
                                             image_size=0)
    yield "thirty_two_bit.bmp", bmp(2, 2, 32, [bytes(range(8)), bytes(range(8, 16))])
    glow = []
    for y in range(32):
        row = b""
        for x in range(32):
            d = max(0, 255 - 16 * int(((x - 15.5) ** 2 + (y - 15.5) ** 2) ** 0.5))
            row += bytes((d, d, d))
        glow.append(row)
    yield "sprite_32x32.bmp", bmp(32, 32, 24, glow, image_size=0)


def main():
    folder = os.path.join(HERE, "corpus")
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
