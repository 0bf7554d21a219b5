#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw Vantrel's raster images. Standard library only, so the output is
reproducible anywhere: python3 scripts/make-images.py (from the repo root)."""
import math
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
APP_ID = "io.github.vantrel.Vantrel"


def write_png(path, size, rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw, prev = bytearray(), bytes(size * 4)
    for row in rows:
        # Pick the cheapest of None/Sub/Up per row; gradients shrink a lot.
        sub = bytes((row[i] - (row[i - 4] if i >= 4 else 0)) & 255 for i in range(len(row)))
        up = bytes((row[i] - prev[i]) & 255 for i in range(len(row)))
        cands = [(0, row), (1, sub), (2, up)]
        ftype, data = min(cands, key=lambda c: sum(min(v, 256 - v) for v in c[1]))
        raw += bytes([ftype]) + data
        prev = row
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


def hexc(s):
    return tuple(int(s[i:i + 2], 16) / 255 for i in (1, 3, 5))


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(p + (q - p) * t for p, q in zip(a, b))


def box(x, y, x0, y0, x1, y1, r):
    """Signed distance to a rounded rectangle (negative inside)."""
    qx = abs(x - (x0 + x1) / 2) - ((x1 - x0) / 2 - r)
    qy = abs(y - (y0 + y1) / 2) - ((y1 - y0) / 2 - r)
    return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r


def circle(x, y, cx, cy, r):
    return math.hypot(x - cx, y - cy) - r


def render(size, shade):
    """shade(x, y, cover) -> (layers, mask); layers are (rgb, alpha) bottom-up.
    cover() turns a signed distance into pixel coverage, which anti-aliases."""
    def cover(d):
        return min(max(0.5 - d * size, 0.0), 1.0)

    rows = []
    for j in range(size):
        row = bytearray()
        for i in range(size):
            layers, mask = shade((i + 0.5) / size, (j + 0.5) / size, cover)
            r = g = b = a = 0.0
            for (cr, cg, cb), al in layers:
                r, g, b = cr * al + r * (1 - al), cg * al + g * (1 - al), cb * al + b * (1 - al)
                a = al + a * (1 - al)
            if a * mask <= 0:
                row += bytes(4)
            else:
                row += bytes(round(v * 255) for v in (r / a, g / a, b / a, a * mask))
        rows.append(bytes(row))
    return rows


def tile(c1, c2, motif):
    """An app tile: diagonal gradient in a rounded square, plus a motif."""
    def shade(x, y, cover):
        layers = [(mix(hexc(c1), hexc(c2), (x + y) / 2), 1.0)] + motif(x, y, cover)
        layers.append(((1, 1, 1), 0.12 * max(0.0, 1 - y * 2.2)))  # soft top sheen
        return layers, cover(box(x, y, 0.04, 0.04, 0.96, 0.96, 0.22))
    return shade


def aurora(x, y, cover):
    out = [(hexc("#ffffff"), cover(circle(x, y, sx, sy, 0.009)))
           for sx, sy in ((0.22, 0.2), (0.5, 0.14), (0.78, 0.24), (0.36, 0.3), (0.66, 0.1))]
    for k, col in enumerate(("#ff7ad9", "#5cf2c0", "#8de86b")):
        yk = 0.4 + 0.13 * k + 0.06 * math.sin(2 * math.pi * (x * 1.2 + k * 0.3))
        out.append((hexc(col), 0.8 * cover(yk - y) * math.exp(-max(y - yk, 0) / 0.1)))
    return out


def tide(x, y, cover):
    out = [(hexc("#fff3c4"), cover(circle(x, y, 0.68, 0.33, 0.12)))]
    for k, col in enumerate(("#5fc3ec", "#2b8fd6", "#135fb0")):
        yk = 0.56 + 0.11 * k + 0.035 * math.sin(2 * math.pi * (x * 1.6 + k * 0.35))
        out.append((hexc(col), cover(yk - y)))
    return out


def citrus(x, y, cover):
    rr, ang = math.hypot(x - 0.5, y - 0.5), math.atan2(y - 0.5, x - 0.5)
    step = 2 * math.pi / 8
    spoke = rr * abs(math.sin((ang + step / 2) % step - step / 2)) - 0.012
    pith = hexc("#fff6da")
    return [(hexc("#f2a007"), cover(rr - 0.34)), (pith, cover(rr - 0.315)),
            (hexc("#ffc933"), cover(rr - 0.285)),
            (pith, cover(max(spoke, rr - 0.285))), (pith, cover(rr - 0.035))]


def dune(x, y, cover):
    back = 0.62 - 0.14 * math.exp(-((x - 0.7) / 0.22) ** 2)
    front = 0.76 - 0.11 * math.exp(-((x - 0.28) / 0.28) ** 2)
    return [(hexc("#fff0d6"), cover(circle(x, y, 0.34, 0.36, 0.11))),
            (hexc("#e27b40"), cover(back - y)), (hexc("#b4512b"), cover(front - y))]


def ember(x, y, cover):
    rr = math.hypot(x - 0.5, y - 0.54)
    out = [(hexc("#ff7a1f"), 0.55 * math.exp(-rr / 0.12))]
    for rad, col in ((0.3, "#c8321e"), (0.22, "#ff5a2a"), (0.14, "#ff9a2e")):
        out.append((hexc(col), cover(abs(rr - rad) - 0.018)))
    return out + [(hexc("#ffe08a"), cover(rr - 0.065))]


def folder(x, y, cover):
    dark, paper = hexc("#1d6f86"), hexc("#eef8fa")
    return [(dark, cover(box(x, y, 0.1, 0.16, 0.46, 0.34, 0.05))),
            (dark, cover(box(x, y, 0.1, 0.24, 0.9, 0.84, 0.07))),
            (paper, cover(box(x, y, 0.17, 0.29, 0.83, 0.55, 0.03))),
            (mix(hexc("#5fd0dc"), hexc("#2a9cc0"), (y - 0.38) / 0.46),
             cover(box(x, y, 0.1, 0.38, 0.9, 0.84, 0.07)))]


APPS = {"Aurora.png": ("#15173f", "#3b1f66", aurora),
        "blue tide.png": ("#0e3a7a", "#1aa0d8", tide),
        "Citrus.png": ("#ffd45e", "#ff8a1c", citrus),
        "dune.png": ("#ffd9a6", "#f2925c", dune),
        "Ember Glow.png": ("#2a0a12", "#5e1616", ember)}

if __name__ == "__main__":
    for name, (c1, c2, motif) in APPS.items():
        write_png(os.path.join(ROOT, "assets", "MyApps", name), 192, render(192, tile(c1, c2, motif)))
    icon = lambda x, y, cover: (folder(x, y, cover), 1.0)
    for name, size in (("vantrel.png", 256), ("vantrel-64.png", 64)):
        write_png(os.path.join(ROOT, "assets", "images", name), size, render(size, icon))
    # The desktop's icon at the hicolor theme's sizes, named by the application id;
    # dist/icons/scalable holds the same drawing as SVG.
    for size in (16, 22, 24, 32, 48, 64, 128, 256):
        write_png(os.path.join(ROOT, "dist", "icons", f"{size}x{size}", APP_ID + ".png"),
                  size, render(size, icon))
