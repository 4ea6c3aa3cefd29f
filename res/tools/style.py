"""Shared palette, the button background and a few reusable motifs."""

import math

from raster import linear, mix, rgb

BG_TOP = rgb("#1d2c4f")
BG_BOTTOM = rgb("#070c1c")
FRAME = rgb("#4f6c9c")
FRAME_SHADE = rgb("#0a1122")
HOLE = rgb("#0b1226")

WHITE = rgb("#ffffff")
METAL_LIGHT = rgb("#e6ebf1")
METAL = rgb("#a3adb8")
METAL_DARK = rgb("#5a6471")
STEEL_DEEP = rgb("#353d49")
CRYSTAL_LIGHT = rgb("#c4f1ff")
CRYSTAL = rgb("#3fb3f4")
CRYSTAL_DARK = rgb("#155fbf")
DEUT_LIGHT = rgb("#bff8cf")
DEUT = rgb("#3fc25b")
DEUT_DARK = rgb("#17712f")
SUN_LIGHT = rgb("#fff6b8")
SUN = rgb("#ffd23f")
SUN_DARK = rgb("#ff9a12")
ROCK = rgb("#8a7460")
ROCK_DARK = rgb("#4a3d31")
WOOD = rgb("#b07a40")
WOOD_DARK = rgb("#6b4321")
RED = rgb("#ee3030")
ORANGE = rgb("#ff8c1a")
CYAN = rgb("#52f4ff")
VIOLET = rgb("#9d6bff")

# Faint fixed stars; pictures cover most of them, the rest keep the space feel.
STARS = [(5.5, 5.0), (26.0, 4.5), (4.0, 22.5), (28.0, 27.0), (20.5, 3.5), (27.5, 17.0), (9.0, 28.5)]


def background(cv):
    cv.rect(0, 0, 32, 32, linear((0, 0), BG_TOP, (0, 32), BG_BOTTOM))
    for x, y in STARS:
        cv.circle(x, y, 0.45, WHITE, alpha=0.35)


def frame(cv):
    """Bevelled one-pixel border, drawn last so it also trims pictures that touch the edge."""
    cv.rect(0, 0, 32, 1, FRAME)
    cv.rect(0, 0, 1, 32, FRAME)
    cv.rect(0, 31, 32, 32, mix(FRAME, FRAME_SHADE, 0.55))
    cv.rect(31, 0, 32, 32, mix(FRAME, FRAME_SHADE, 0.55))
    cv.rect(1, 1, 31, 2, WHITE, alpha=0.07)
    cv.rect(1, 1, 2, 31, WHITE, alpha=0.07)


def crystal(cv, cx, base, width, height, tilt=0.0):
    """One pointed prism: a lit left face and a shaded right face."""
    tip = (cx + tilt, base - height)
    shoulder = height - width * 0.7
    left = [(cx - width / 2, base), (cx - width / 2 + tilt * shoulder / height, base - shoulder), tip, (cx, base)]
    right = [(cx, base), tip, (cx + width / 2 + tilt * shoulder / height, base - shoulder), (cx + width / 2, base)]
    cv.polygon(left, linear(tip, CRYSTAL_LIGHT, (cx, base), CRYSTAL))
    cv.polygon(right, linear(tip, CRYSTAL, (cx, base), CRYSTAL_DARK))
    cv.line(tip, (cx, base), 0.5, CRYSTAL_LIGHT, alpha=0.6)


def sparkle(cv, x, y, size, colour=WHITE):
    cv.polygon([(x, y - size), (x + size * 0.25, y), (x, y + size), (x - size * 0.25, y)], colour)
    cv.polygon([(x - size, y), (x, y - size * 0.25), (x + size, y), (x, y + size * 0.25)], colour)


def gear_points(cx, cy, outer, inner, teeth, phase=0.0):
    pitch = 2 * math.pi / teeth
    points = []
    for i in range(teeth):
        a = phase + i * pitch
        for radius, offset in ((inner, -0.32), (outer, -0.2), (outer, 0.2), (inner, 0.32)):
            points.append((cx + radius * math.cos(a + offset * pitch), cy + radius * math.sin(a + offset * pitch)))
    return points


def shaded_ball(cv, cx, cy, r, light, dark):
    """Sphere lit from the upper left."""
    hx, hy = cx - r * 0.4, cy - r * 0.4
    cv.circle(cx, cy, r, lambda x, y: mix(light, dark, math.hypot(x - hx, y - hy) / (r * 1.4)))


def cylinder_shade(x0, x1, light, dark):
    """Colour function for an upright cylinder lit from the left of centre."""
    peak = x0 + 0.35 * (x1 - x0)
    return lambda x, y: mix(light, dark, abs(x - peak) / (0.65 * (x1 - x0)))
