"""Pictures for the research items, each drawn on a 32 x 32 unit grid."""

import math

from raster import linear, mix, radial, rgb
from style import (CRYSTAL, CRYSTAL_DARK, CYAN, METAL, METAL_DARK, METAL_LIGHT, ORANGE, RED,
                   STEEL_DEEP, SUN, SUN_DARK, SUN_LIGHT, VIOLET, WHITE, WOOD_DARK, shaded_ball, sparkle)

GOLD = rgb("#e8bf4a")
GOLD_DARK = rgb("#8a6414")


def espionage(cv):
    def lid(x, sign):
        t = (x - 16) / 13.5
        return 16 + sign * 8.5 * (1 - t * t) ** 1.1

    xs = [2.5 + 0.5 * i for i in range(55)]
    outline = [(x, lid(x, -1)) for x in xs] + [(x, lid(x, 1)) for x in reversed(xs)]
    cv.polygon(outline, rgb("#0b1020"))
    inner = [(x, lid(x, -1) + 1.1) for x in xs[2:-2]] + [(x, lid(x, 1) - 1.1) for x in reversed(xs[2:-2])]
    cv.polygon(inner, linear((0, 9), rgb("#f3f6fb"), (0, 23), rgb("#aab8cc")))
    cv.circle(16, 16, 6.2, radial(16, 16, 6.2, rgb("#7ff0c8"), rgb("#11806a")))
    cv.circle(16, 16, 2.8, rgb("#04070d"))
    cv.circle(14, 14, 1.2, WHITE)
    cv.polyline([(x, lid(x, -1)) for x in xs[4:-4]], 1.3, METAL_LIGHT)


def computer(cv):
    for k in range(5):
        p = 9.5 + 3.25 * k
        for rect in ((p - 0.7, 3.5, p + 0.7, 8), (p - 0.7, 24, p + 0.7, 28.5), (3.5, p - 0.7, 8, p + 0.7),
                     (24, p - 0.7, 28.5, p + 0.7)):
            cv.rect(*rect, linear((3.5, 3.5), GOLD, (28.5, 28.5), GOLD_DARK))
    cv.rect(7, 7, 25, 25, STEEL_DEEP)
    cv.rect(7.8, 7.8, 24.2, 24.2, linear((8, 8), rgb("#2a3140"), (24, 24), rgb("#12161e")))
    cv.circle(10, 10, 0.8, METAL_DARK)
    cv.glow(16, 16, 9, CYAN, 0.35)
    cv.rect(11.5, 11.5, 20.5, 20.5, linear((11.5, 11.5), CYAN, (20.5, 20.5), CRYSTAL_DARK))
    for k in range(3):
        p = 13 + 3 * k
        cv.line((p, 12.5), (p, 19.5), 0.45, rgb("#0b2a4a"), alpha=0.7)
        cv.line((12.5, p), (19.5, p), 0.45, rgb("#0b2a4a"), alpha=0.7)


def sword(cv, tip, guard, flip):
    dx, dy = tip[0] - guard[0], tip[1] - guard[1]
    length = math.hypot(dx, dy)
    ux, uy = dx / length, dy / length
    nx, ny = -uy, ux
    half = 1.45
    base_l, base_r = (guard[0] + nx * half, guard[1] + ny * half), (guard[0] - nx * half, guard[1] - ny * half)
    near_tip = (tip[0] - ux * 3, tip[1] - uy * 3)
    mid_l = (near_tip[0] + nx * half, near_tip[1] + ny * half)
    mid_r = (near_tip[0] - nx * half, near_tip[1] - ny * half)
    light, dark = (METAL_LIGHT, METAL) if flip else (METAL, METAL_LIGHT)
    cv.polygon([base_l, mid_l, tip, guard], light)
    cv.polygon([guard, tip, mid_r, base_r], dark)
    grip_end = (guard[0] - ux * 5, guard[1] - uy * 5)
    cv.line(guard, grip_end, 1.8, WOOD_DARK)
    cv.line((guard[0] + nx * 4, guard[1] + ny * 4), (guard[0] - nx * 4, guard[1] - ny * 4), 1.8, GOLD)
    cv.circle(grip_end[0] - ux * 0.8, grip_end[1] - uy * 0.8, 1.5, GOLD)


def weapons(cv):
    sword(cv, (27, 4), (10.5, 20.5), False)
    sword(cv, (5, 4), (21.5, 20.5), True)


def shield_outline(cx, top, half_width, height, inset=0.0):
    w, h = half_width - inset, height - inset * 2
    y0 = top + inset
    points = [(cx - w, y0 + 1.2), (cx, y0), (cx + w, y0 + 1.2)]
    # Quadratic curve from the shoulder down to the point.
    p0, p1, p2 = (cx + w, y0 + 1.2), (cx + w + 0.3, y0 + h * 0.68), (cx, y0 + h)
    side = []
    for i in range(1, 17):
        t = i / 16
        side.append(((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
                     (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]))
    mirrored = [(2 * cx - x, y) for x, y in reversed(side[:-1])]
    return points + side + mirrored


def shielding(cv):
    cv.glow(16, 16, 15, CRYSTAL, 0.35)
    cv.polygon(shield_outline(16, 3.5, 11, 26), rgb("#d8ecff"))
    cv.polygon(shield_outline(16, 3.5, 11, 26, inset=1.6), linear((0, 4), rgb("#6fd3ff"), (0, 28), rgb("#1444a0")))
    left = [(x, y) for x, y in shield_outline(16, 3.5, 11, 26, inset=1.6) if x <= 16.01]
    cv.polygon(left, WHITE, alpha=0.18)
    sparkle(cv, 12, 10.5, 2.6)


def armour(cv):
    half = [(16, 8.5), (19.5, 5.5), (24.5, 5), (28, 7.5), (24.5, 13), (24.5, 22), (26, 27), (21, 29), (16, 29.5)]
    outline = half + [(32 - x, y) for x, y in reversed(half[1:-1])]
    cv.polygon(outline, STEEL_DEEP)
    inner = [(16, 10), (20, 6.8), (24.2, 6.4), (26.4, 7.9), (23.3, 13.2), (23.3, 22.2), (24.5, 26.3), (20.6, 28),
             (16, 28.4)]
    body = inner + [(32 - x, y) for x, y in reversed(inner[1:-1])]
    cv.polygon(body, linear((8, 6), METAL_LIGHT, (26, 28), METAL_DARK))
    cv.line((16, 10.5), (16, 27.5), 1.0, WHITE, alpha=0.7)
    for y in (21.5, 24.8):
        cv.line((8.7, y), (23.3, y), 0.8, STEEL_DEEP)
    for x, y in ((10, 8.6), (22, 8.6), (10.5, 16), (21.5, 16)):
        cv.circle(x, y, 0.9, GOLD)


def energy(cv):
    cv.glow(16, 16, 15, SUN, 0.45)
    bolt = [(18.5, 2.5), (8.5, 18), (15, 18), (11.5, 29.5), (24.5, 12.5), (17.5, 12.5), (23.5, 2.5)]
    cv.polygon(bolt, linear((0, 2), SUN_LIGHT, (0, 30), SUN_DARK))
    cv.polyline(bolt + bolt[:1], 0.7, rgb("#b86a00"))


def hyperspace(cv):
    cx, cy = 16, 16
    cv.glow(cx, cy, 15, VIOLET, 0.6)
    inner, outer = rgb("#f0e2ff"), rgb("#5a4dff")
    steps = 40
    for arm in (0, math.pi):
        prev = None
        for i in range(steps + 1):
            t = i / steps
            a = arm + t * 3.4 * math.pi / 2 * 2
            r = 1.0 + 12.5 * t
            p = (cx + r * math.cos(a), cy + r * math.sin(a) * 0.9)
            if prev:
                cv.line(prev, p, 2.8 * (1 - t) + 0.7, mix(inner, outer, t))
            prev = p
    cv.glow(cx, cy, 5, WHITE, 1.0)
    for x, y in ((7, 25), (25.5, 8), (27, 25), (5, 9)):
        sparkle(cv, x, y, 1.3)


def combustion_drive(cv):
    cv.rect(11, 2.5, 21, 7, linear((11, 0), METAL, (21, 0), STEEL_DEEP))
    cv.polygon([(12.5, 7), (19.5, 7), (23, 14), (9, 14)], linear((9, 0), METAL_LIGHT, (23, 0), METAL_DARK))
    cv.glow(16, 22, 11, ORANGE, 0.6)

    def flame(width, top, bottom, colour):
        pts = []
        for i in range(13):
            t = i / 12
            y = top + (bottom - top) * t
            pts.append((16 + width * (1 - t) ** 0.75 * (1 + 0.4 * math.sin(t * math.pi)), y))
        pts += [(32 - x, y) for x, y in reversed(pts[:-1])]
        cv.polygon(pts, colour)

    flame(6.0, 14.5, 30.5, rgb("#ff4a1c"))
    flame(4.2, 14.5, 26.5, rgb("#ffa52a"))
    flame(2.3, 14.5, 21.5, rgb("#fff4c8"))
    cv.rect(8.5, 13.5, 23.5, 15, METAL_LIGHT)


def impulse_drive(cv):
    body = [(2.5, 11), (10, 11), (13, 13.5), (13, 18.5), (10, 21), (2.5, 21)]
    cv.polygon(body, linear((0, 11), METAL_LIGHT, (0, 21), METAL_DARK))
    cv.rect(5, 11, 6, 21, STEEL_DEEP)
    cv.glow(13.5, 16, 6, CYAN, 0.9)
    cv.ellipse(13.3, 16, 1.3, 4, rgb("#d8ffff"))
    for k, r in enumerate((6.5, 10.5, 14.5)):
        span = 44 - 5 * k
        cv.arc(11, 16, r, 2.4, -span, span, CYAN, alpha=0.35)
        cv.arc(11, 16, r, 1.3, -span, span, rgb("#c8ffff"), alpha=1.0 - 0.25 * k)


def hyperspace_drive(cv):
    cx, cy = 17, 16
    for y, x0 in ((8.5, 3), (12.5, 5), (19.5, 4), (23.5, 6)):
        cv.line((x0, y), (29, y), 0.6, WHITE, alpha=0.45)
    cv.glow(cx, cy, 12, VIOLET, 0.8)
    cv.ring(cx, cy, 6.5, 12.3, 3.4, rgb("#2a1a66"))
    cv.ring(cx, cy, 6.5, 12.3, 2.4, lambda x, y: mix(rgb("#e6d8ff"), VIOLET, (y - 4) / 24))
    cv.ring(cx, cy, 6.5, 12.3, 0.6, WHITE, alpha=0.8)
    # A small ship passing through.
    cv.polygon([(10, 14), (20, 16), (10, 18), (12, 16)], METAL_LIGHT)
    cv.line((3, 16), (10.5, 16), 1.0, CYAN, alpha=0.8)


def laser(cv):
    start, end = (11, 21), (28, 4)
    cv.line((3.5, 28.5), (10, 22), 6, STEEL_DEEP)
    cv.line((3.5, 28.5), (10, 22), 4.2, linear((3, 22), METAL_LIGHT, (10, 29), METAL_DARK))
    cv.line((9.5, 22.5), (11, 21), 6.6, METAL_DARK)
    cv.line(start, end, 5, RED, alpha=0.3)
    cv.line(start, end, 2.4, rgb("#ff2020"))
    cv.line(start, end, 0.9, rgb("#ffe0e0"))
    cv.glow(11, 21, 4, RED, 0.9)
    cv.glow(27.5, 4.5, 5.5, RED, 0.9)
    sparkle(cv, 27.5, 4.5, 2.8, rgb("#ffd8d8"))


def ion(cv):
    cx, cy = 16, 16
    blue = rgb("#3a8dff")
    cv.glow(cx, cy, 15.5, blue, 0.9)
    shaded_ball(cv, cx, cy, 7.5, rgb("#8fd4ff"), rgb("#0c3aa8"))
    cv.rect(12, 15, 20, 17, WHITE)
    cv.rect(15, 12, 17, 20, WHITE)
    for x, y, r in ((5.5, 8, 1.1), (26.5, 10, 0.9), (7, 25.5, 0.9), (25, 25, 1.2), (16, 4.5, 0.8)):
        cv.glow(x, y, 2.8, blue, 0.9)
        cv.circle(x, y, r, rgb("#dff2ff"))


def plasma(cv):
    cx, cy, r = 16, 16, 11
    purple = rgb("#b04dff")
    cv.glow(cx, cy, 15.5, purple, 0.7)
    cv.circle(cx, cy, r, radial(cx, cy, r, rgb("#4a1480"), rgb("#1a0630")))
    bolts = [(0.3, (0.35, 1.2), (0.7, -1.3)), (1.6, (0.3, -1.1), (0.65, 1.4)), (2.7, (0.4, 1.0), (0.75, -0.9)),
             (3.9, (0.3, -1.3), (0.7, 1.0)), (5.0, (0.45, 1.1), (0.7, -1.2))]
    tendril = rgb("#ff9cff")
    for a, (f1, o1), (f2, o2) in bolts:
        ux, uy, nx, ny = math.cos(a), math.sin(a), -math.sin(a), math.cos(a)
        pts = [(cx, cy)]
        for f, o in ((f1, o1), (f2, o2), (1.0, 0.0)):
            d = (r - 0.8) * f
            pts.append((cx + ux * d + nx * o, cy + uy * d + ny * o))
        cv.polyline(pts, 1.6, purple, alpha=0.6)
        cv.polyline(pts, 0.7, tendril)
        cv.glow(pts[-1][0], pts[-1][1], 2.5, tendril, 0.8)
    cv.ring(cx, cy, r, r, 0.9, rgb("#d7a6ff"), alpha=0.9)
    cv.glow(cx, cy, 5, rgb("#ffd6ff"), 1.0)
    cv.circle(cx, cy, 1.8, WHITE)
    cv.circle(cx - 4, cy - 5, 1.4, WHITE, alpha=0.45)
