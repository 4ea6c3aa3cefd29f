"""A tiny supersampling rasteriser and BMP/PNG writers (standard library only).

Shapes are given in picture units (0..units on both axes, y down; by default
one unit is one output pixel) and are point-sampled on a grid `ss` times finer
than the output pixels; averaging each ss x ss block gives the
anti-aliased result. Everything is plain float arithmetic, so the same input
always yields the same bytes.
"""

import math
import struct
import zlib


def rgb(hex_colour):
    """'#rrggbb' -> (r, g, b) floats in 0..1."""
    h = hex_colour.lstrip("#")
    return tuple(int(h[i:i + 2], 16) / 255.0 for i in (0, 2, 4))


def mix(c0, c1, t):
    t = min(1.0, max(0.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def linear(p0, c0, p1, c1):
    """Colour function: c0 at p0 blending to c1 at p1 along the line p0->p1."""
    dx, dy = p1[0] - p0[0], p1[1] - p0[1]
    length2 = dx * dx + dy * dy
    return lambda x, y: mix(c0, c1, ((x - p0[0]) * dx + (y - p0[1]) * dy) / length2)


def radial(cx, cy, r, c0, c1):
    """Colour function: c0 at (cx, cy) blending to c1 at distance r."""
    return lambda x, y: mix(c0, c1, math.hypot(x - cx, y - cy) / r)


def _segment_distance(x, y, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
    return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy))


def _angle_in(a, a0, a1):
    """True when angle a (radians) lies on the counter-clockwise sweep from a0 to a1."""
    span = (a1 - a0) % (2 * math.pi)
    return (a - a0) % (2 * math.pi) <= span


class Canvas:
    def __init__(self, size, ss=4, units=None):
        self.size = size
        self.ss = ss
        self.n = size * ss
        # Subsamples per picture unit, so one drawing renders at any output size.
        self.step = self.n / (units or size)
        count = self.n * self.n
        # Premultiplied colour plus coverage, so transparent icons composite correctly.
        self.r = [0.0] * count
        self.g = [0.0] * count
        self.b = [0.0] * count
        self.a = [0.0] * count

    def paint(self, bbox, coverage, colour, alpha=1.0):
        """Blend `colour` (tuple or f(x, y)) wherever coverage(x, y) > 0 inside bbox."""
        step, n = self.step, self.n
        x0, y0, x1, y1 = bbox
        i0, i1 = max(0, int(math.floor(x0 * step))), min(n, int(math.ceil(x1 * step)))
        j0, j1 = max(0, int(math.floor(y0 * step))), min(n, int(math.ceil(y1 * step)))
        fixed = None if callable(colour) else colour
        for j in range(j0, j1):
            y = (j + 0.5) / step
            row = j * n
            for i in range(i0, i1):
                x = (i + 0.5) / step
                cov = coverage(x, y)
                if cov <= 0:
                    continue
                k = alpha * min(1.0, cov)
                cr, cg, cb = fixed if fixed else colour(x, y)
                idx = row + i
                keep = 1.0 - k
                self.r[idx] = cr * k + self.r[idx] * keep
                self.g[idx] = cg * k + self.g[idx] * keep
                self.b[idx] = cb * k + self.b[idx] * keep
                self.a[idx] = k + self.a[idx] * keep

    # Shapes --------------------------------------------------------------

    def rect(self, x0, y0, x1, y1, colour, alpha=1.0):
        self.paint((x0, y0, x1, y1), lambda x, y: 1.0, colour, alpha)

    def polygon(self, points, colour, alpha=1.0):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        edges = list(zip(points, points[1:] + points[:1]))

        def inside(x, y):
            hit = False
            for (ax, ay), (bx, by) in edges:
                if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                    hit = not hit
            return 1.0 if hit else 0.0

        self.paint((min(xs), min(ys), max(xs), max(ys)), inside, colour, alpha)

    def ellipse(self, cx, cy, rx, ry, colour, angle=0.0, alpha=1.0):
        c, s = math.cos(angle), math.sin(angle)
        reach = max(rx, ry)

        def inside(x, y):
            u = ((x - cx) * c + (y - cy) * s) / rx
            v = (-(x - cx) * s + (y - cy) * c) / ry
            return 1.0 if u * u + v * v <= 1.0 else 0.0

        self.paint((cx - reach, cy - reach, cx + reach, cy + reach), inside, colour, alpha)

    def circle(self, cx, cy, r, colour, alpha=1.0):
        self.ellipse(cx, cy, r, r, colour, 0.0, alpha)

    def ring(self, cx, cy, rx, ry, width, colour, angle=0.0, half=None, alpha=1.0):
        """Elliptical outline; half='back' or 'front' keeps the part above/below the major axis."""
        c, s = math.cos(angle), math.sin(angle)
        reach = max(rx, ry) + width

        def inside(x, y):
            u = (x - cx) * c + (y - cy) * s
            v = -(x - cx) * s + (y - cy) * c
            if half == "back" and v > 0 or half == "front" and v <= 0:
                return 0.0
            d = math.sqrt((u / rx) ** 2 + (v / ry) ** 2)
            if d == 0:
                return 0.0
            # First-order distance to the curve: (d - 1) / |grad d|.
            grad = math.hypot(u / (rx * rx), v / (ry * ry)) / d
            return 1.0 if abs(d - 1.0) / grad <= width / 2 else 0.0

        self.paint((cx - reach, cy - reach, cx + reach, cy + reach), inside, colour, alpha)

    def arc(self, cx, cy, r, width, a0, a1, colour, alpha=1.0):
        """Circular arc from angle a0 to a1 (degrees, counter-clockwise on screen)."""
        r0, r1 = math.radians(a0), math.radians(a1)
        reach = r + width

        def inside(x, y):
            d = math.hypot(x - cx, y - cy)
            if abs(d - r) > width / 2:
                return 0.0
            return 1.0 if _angle_in(math.atan2(cy - y, x - cx), r0, r1) else 0.0

        self.paint((cx - reach, cy - reach, cx + reach, cy + reach), inside, colour, alpha)

    def line(self, p0, p1, width, colour, alpha=1.0):
        self.polyline([p0, p1], width, colour, alpha)

    def polyline(self, points, width, colour, alpha=1.0):
        """Round-capped stroke through the points, painted once even where segments overlap."""
        half = width / 2
        segments = [(a[0], a[1], b[0], b[1]) for a, b in zip(points, points[1:])]
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]

        def inside(x, y):
            for seg in segments:
                if _segment_distance(x, y, *seg) <= half:
                    return 1.0
            return 0.0

        self.paint((min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half), inside, colour, alpha)

    def glow(self, cx, cy, r, colour, strength=1.0):
        """Soft round light fading to nothing at radius r."""

        def falloff(x, y):
            d = math.hypot(x - cx, y - cy) / r
            return (1.0 - d) ** 2 if d < 1.0 else 0.0

        self.paint((cx - r, cy - r, cx + r, cy + r), falloff, colour, strength)

    # Output --------------------------------------------------------------

    def pixels(self):
        """Rows top to bottom of (r, g, b, a) floats, straight (not premultiplied) colour."""
        ss, n = self.ss, self.n
        area = ss * ss
        rows = []
        for py in range(self.size):
            row = []
            for px in range(self.size):
                tr = tg = tb = ta = 0.0
                for j in range(py * ss, py * ss + ss):
                    base = j * n + px * ss
                    for idx in range(base, base + ss):
                        tr += self.r[idx]
                        tg += self.g[idx]
                        tb += self.b[idx]
                        ta += self.a[idx]
                if ta > 0:
                    row.append((tr / ta, tg / ta, tb / ta, ta / area))
                else:
                    row.append((0.0, 0.0, 0.0, 0.0))
            rows.append(row)
        return rows


def _byte(v):
    return max(0, min(255, int(round(v * 255))))


def bmp_bytes(rows):
    """24-bit uncompressed Windows bitmap (BITMAPINFOHEADER), stored bottom-up."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(rows):
        for r, g, b, _ in row:
            body += bytes((_byte(b), _byte(g), _byte(r)))
        body += bytes(stride - width * 3)
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(body), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return file_header + info_header + bytes(body)


def png_bytes(rows):
    """8-bit RGBA PNG, no filtering, zlib level 9."""
    height, width = len(rows), len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((_byte(r), _byte(g), _byte(b), _byte(a)))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))
