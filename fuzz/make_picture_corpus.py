#!/usr/bin/env python3
"""Writes the picture fuzz target's seed corpus from one of the game's own cards: the same picture in every
encoding the reader takes (each with a 24-bit twin of exactly the same pixels, which the decoder's test
compares it with), and files it must refuse. Usage: make_picture_corpus.py CARD.BMP OUT_FOLDER"""
import os
import struct
import sys

W, H = 71, 96


def read24(path):
    data = open(path, 'rb').read()
    off = struct.unpack_from('<I', data, 10)[0]
    stride = (W * 3 + 3) // 4 * 4
    rows = []
    for y in range(H):  # bottom-up file: rows[0] is the top row
        base = off + (H - 1 - y) * stride
        rows.append([tuple(data[base + 3 * x + 2 - c] for c in range(3)) for x in range(W)])
    return rows


def header(bits, compression, pixels_size, palette=b'', masks=b'', info_size=40, height=H, colours=0):
    extra = masks if info_size == 40 else b''
    off = 14 + info_size + len(extra) + len(palette)
    info = struct.pack('<IiiHHIIiiII', info_size, W, height, 1, bits, compression, pixels_size, 2835, 2835,
                       colours, 0)
    info += masks[:info_size - 40] if info_size > 40 else b''
    info = info.ljust(info_size, b'\0')
    return b'BM' + struct.pack('<IHHI', off + pixels_size, 0, 0, off) + info + extra + palette


def rows_bottom_up(rows):
    return list(reversed(rows))


def bmp24(rows, top_down=False):
    stride = (W * 3 + 3) // 4 * 4
    order = rows if top_down else rows_bottom_up(rows)
    body = b''.join(bytes(v for (r, g, b) in row for v in (b, g, r)).ljust(stride, b'\0') for row in order)
    return header(24, 0, len(body), height=-H if top_down else H) + body


def indexed(rows, palette, bits):
    index = {c: i for i, c in enumerate(palette)}
    pal = b''.join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    stride = (W * bits + 31) // 32 * 4
    body = b''
    for row in rows_bottom_up(rows):
        acc, n, out = 0, 0, bytearray()
        for c in row:
            acc = acc << bits | index[c]
            n += bits
            if n == 8:
                out.append(acc)
                acc, n = 0, 0
        if n:
            out.append(acc << (8 - n))
        body += bytes(out).ljust(stride, b'\0')
    return header(bits, 0, len(body), pal, colours=len(palette)) + body, pal, index


def rle(rows, palette, bits, index, pal):
    out = bytearray()
    for row in rows_bottom_up(rows):
        idx = [index[c] for c in row]
        x = 0
        while x < W:
            n = 1
            while x + n < W and n < 255 and idx[x + n] == idx[x]:
                n += 1
            if n >= 3 or W - x < 3:
                out += bytes((n, idx[x] * 17 if bits == 4 else idx[x]))
                x += n
            else:  # a literal run up to the next repeat
                m = 3
                while x + m < W and m < 254 and not (x + m + 2 < W and idx[x + m] == idx[x + m + 1] == idx[x + m + 2]):
                    m += 1
                lit = idx[x:x + m]
                if bits == 8:
                    data = bytes(lit)
                else:
                    data = bytes((lit[i] << 4 | (lit[i + 1] if i + 1 < m else 0)) for i in range(0, m, 2))
                out += bytes((0, m)) + data + (b'\0' if len(data) % 2 else b'')
                x += m
        out += b'\0\0'
    out += b'\0\1'
    return header(bits, 1 if bits == 8 else 2, len(out), pal, colours=len(palette)) + bytes(out)


def widen(v, bits):
    top = (1 << bits) - 1
    return (v * 255 + top // 2) // top


def main():
    card, folder = sys.argv[1], sys.argv[2]
    os.makedirs(folder, exist_ok=True)
    rows = read24(card)

    def put(name, data):
        open(os.path.join(folder, name), 'wb').write(data)

    put('card24.bmp', bmp24(rows))
    put('card24-top-down.bmp', bmp24(rows, top_down=True))
    # 8 bits: colours cut to 3-3-2 bits, uncompressed and run-length compressed.
    q8 = [[(r & 0xe0, g & 0xe0, b & 0xc0) for (r, g, b) in row] for row in rows]
    pal8 = sorted({c for row in q8 for c in row})
    data8, pal, index = indexed(q8, pal8, 8)
    put('q8.bmp', data8)
    put('q8-rle.bmp', rle(q8, pal8, 8, index, pal))
    put('q8-twin24.bmp', bmp24(q8))
    # 4 bits: the 16 most common of those.
    counts = {}
    for row in q8:
        for c in row:
            counts[c] = counts.get(c, 0) + 1
    pal4 = sorted(counts, key=lambda c: -counts[c])[:16]
    near = lambda c: min(pal4, key=lambda p: sum((a - b) ** 2 for a, b in zip(p, c)))
    q4 = [[near(c) for c in row] for row in q8]
    pal4 = sorted({c for row in q4 for c in row})
    data4, pal, index = indexed(q4, pal4, 4)
    put('q4.bmp', data4)
    put('q4-rle.bmp', rle(q4, pal4, 4, index, pal))
    put('q4-twin24.bmp', bmp24(q4))
    # 1 bit.
    q1 = [[(255, 255, 255) if sum(c) > 384 else (0, 0, 0) for c in row] for row in rows]
    put('q1.bmp', indexed(q1, [(0, 0, 0), (255, 255, 255)], 1)[0])
    put('q1-twin24.bmp', bmp24(q1))
    # 16 bits, 5-5-5 and bitfields 5-6-5, and 32 bits with bitfields in a 124-byte header.
    for name, (rb, gb, bb), masks in (('c555', (5, 5, 5), None), ('c565', (5, 6, 5), (0xf800, 0x07e0, 0x001f))):
        q = [[(widen(r >> (8 - rb), rb), widen(g >> (8 - gb), gb), widen(b >> (8 - bb), bb)) for (r, g, b) in row]
             for row in rows]
        body = b''
        for row in rows_bottom_up(rows):
            body += b''.join(struct.pack('<H', (r >> (8 - rb)) << (gb + bb) | (g >> (8 - gb)) << bb | b >> (8 - bb))
                             for (r, g, b) in row).ljust((W * 2 + 3) // 4 * 4, b'\0')
        m = struct.pack('<III', *masks) if masks else b''
        put(name + '.bmp', header(16, 3 if masks else 0, len(body), masks=m) + body)
        put(name + '-twin24.bmp', bmp24(q))
    body = b''.join(struct.pack('<I', r << 8 | g << 16 | b << 24) for row in rows_bottom_up(rows) for (r, g, b) in row)
    put('c32-bitfields-v5.bmp',
        header(32, 3, len(body), masks=struct.pack('<IIII', 0xff00, 0xff0000, 0xff000000, 0), info_size=124) + body)
    core = b'BM' + struct.pack('<IHHI', 26 + len(bmp24(rows)) - 54, 0, 0, 26) + struct.pack('<IHHHH', 12, W, H, 1, 24)
    put('core-header24.bmp', core + bmp24(rows)[54:])

    # Files to refuse.
    good8 = rle(q8, pal8, 8, *indexed(q8, pal8, 8)[2:0:-1])
    put('bad-rle-stops-early.bmp', good8[:len(good8) // 2])
    off = struct.unpack_from('<I', good8, 10)[0]
    put('bad-rle-delta.bmp', good8[:off] + b'\0\2\5\0' + good8[off:])
    put('bad-no-colour-table.bmp', header(8, 0, (W + 3) // 4 * 4 * H) + data8[-((W + 3) // 4 * 4 * H):])
    d24 = bytearray(bmp24(rows))
    struct.pack_into('<I', d24, 10, 20)
    put('bad-offset-in-header.bmp', bytes(d24))
    put('bad-overlapping-masks.bmp', header(16, 3, 0, masks=struct.pack('<III', 0xfc00, 0x07e0, 0x001f)) +
        bytes((W * 2 + 3) // 4 * 4 * H))
    huge = bytearray(bmp24(rows)[:54])
    struct.pack_into('<ii', huge, 18, 0x7fffffff, -0x80000000)
    put('bad-huge-dimensions.bmp', bytes(huge))
    put('bad-cut-short.bmp', bmp24(rows)[:3000])
    put('bad-text.bmp', b'this is not a picture\n')


main()
