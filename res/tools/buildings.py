"""Pictures for the buildings, each drawn on a 32 x 32 unit grid."""

import math

from raster import linear, mix, radial, rgb
from style import (CRYSTAL, CRYSTAL_DARK, CRYSTAL_LIGHT, DEUT, DEUT_DARK, DEUT_LIGHT, HOLE, METAL, METAL_DARK,
                   METAL_LIGHT, ORANGE, RED, ROCK, ROCK_DARK, STEEL_DEEP, SUN, SUN_DARK, SUN_LIGHT, WHITE, WOOD,
                   WOOD_DARK, CYAN, crystal, cylinder_shade, gear_points, shaded_ball, sparkle)


def ore_lump(cv, x, y, r):
    cv.circle(x, y, r + 0.5, STEEL_DEEP)
    shaded_ball(cv, x, y, r, METAL_LIGHT, METAL_DARK)


def metal_mine(cv):
    hill = [(1, 31), (1, 18), (7, 11), (14, 8.5), (21, 9.5), (27, 13), (31, 18), (31, 31)]
    cv.polygon(hill, linear((0, 9), ROCK, (0, 31), ROCK_DARK))
    # Timbered entrance.
    cv.rect(12, 15.5, 22, 31, rgb("#110b07"))
    cv.rect(10, 14.5, 12.5, 31, WOOD)
    cv.rect(21.5, 14.5, 24, 31, WOOD)
    cv.rect(9, 12.5, 25, 15.5, WOOD)
    cv.rect(9, 15, 25, 15.5, WOOD_DARK)
    cv.rect(12, 15.5, 12.5, 31, WOOD_DARK)
    cv.rect(23.5, 15.5, 24, 31, WOOD_DARK)
    # Ore heap in front.
    for x, y, r in ((19.5, 28.5, 2.3), (27.5, 28.0, 2.6), (23.5, 28.5, 2.7), (25.0, 24.5, 2.4), (21.0, 25.5, 1.8)):
        ore_lump(cv, x, y, r)
    # Pick leaning on the hill.
    cv.line((3.5, 29.5), (8.5, 18.5), 1.7, WOOD)
    cv.polyline([(3.8, 17.2), (6.5, 16.4), (9.0, 16.9), (11.0, 18.4), (12.3, 20.6)], 1.9, METAL_LIGHT)
    cv.polyline([(6.5, 17.3), (9.0, 17.8), (10.6, 19.2)], 0.6, METAL_DARK)


def crystal_mine(cv):
    cv.polygon([(2, 31), (4, 25), (9, 22.5), (23, 22.5), (28, 25), (30, 31)], linear((0, 22), ROCK, (0, 31), ROCK_DARK))
    crystal(cv, 9.5, 26, 5.5, 14, tilt=-3.5)
    crystal(cv, 23, 26, 6, 16, tilt=3.5)
    crystal(cv, 16, 27, 8, 23)
    crystal(cv, 11.5, 29.5, 4, 8, tilt=-1.5)
    crystal(cv, 20.5, 30, 4, 7, tilt=1.5)
    sparkle(cv, 13.5, 9, 2.4)


def deuterium_synthesizer(cv):
    for pipe in ([(9, 22), (4.5, 22), (4.5, 28)], [(23, 18), (27.5, 18), (27.5, 28)]):
        cv.polyline(pipe, 2.2, METAL_DARK)
        cv.polyline(pipe, 0.7, METAL)
    cv.rect(3, 27.5, 29, 30.5, linear((0, 27.5), METAL, (0, 30.5), METAL_DARK))
    # Domed steel tank with a window onto the green charge.
    cv.rect(15, 2.5, 17, 6, METAL_DARK)
    steel = cylinder_shade(8.5, 23.5, METAL_LIGHT, METAL_DARK)
    cv.ellipse(16, 9, 7.5, 4.5, steel)
    cv.rect(8.5, 9, 23.5, 28, steel)
    cv.rect(10.2, 9.8, 21.8, 26.5, STEEL_DEEP)
    cv.rect(10.8, 10.4, 21.2, 25.9, rgb("#10201c"))
    cv.rect(10.8, 13, 21.2, 25.9, cylinder_shade(10.8, 21.2, DEUT, DEUT_DARK))
    cv.rect(10.8, 13, 21.2, 13.8, DEUT_LIGHT)
    # D2 molecule in the charge.
    cv.line((13.6, 22.2), (18.6, 17.4), 1.3, WHITE)
    for x, y, r in ((13.6, 22.2, 2.6), (18.6, 17.4, 2.2)):
        cv.circle(x, y, r + 0.5, rgb("#0b3d1a"))
        shaded_ball(cv, x, y, r, WHITE, DEUT_LIGHT)
    cv.rect(11.5, 11, 12.3, 25.4, WHITE, alpha=0.3)


def solar_plant(cv):
    cx, cy = 9, 9
    cv.glow(cx, cy, 10, SUN, 0.55)
    for k in range(8):
        a = k * math.pi / 4 + math.pi / 8
        cv.line((cx + 5.2 * math.cos(a), cy + 5.2 * math.sin(a)), (cx + 7.3 * math.cos(a), cy + 7.3 * math.sin(a)),
                1.3, SUN)
    cv.circle(cx, cy, 4.3, radial(cx - 1.2, cy - 1.2, 5.5, SUN_LIGHT, SUN_DARK))
    # Tilted panel on a post.
    cv.line((20, 24), (20, 29.5), 2.2, METAL_DARK)
    cv.rect(15.5, 28.5, 24.5, 30.5, METAL_DARK)
    tl, tr, br, bl = (13, 16.5), (28.5, 13.5), (30, 23), (10.5, 26.5)
    cv.polygon([tl, tr, br, bl], linear(tl, rgb("#3c7de0"), br, rgb("#0b2a66")))

    def lerp(p, q, t):
        return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)

    grid = rgb("#8cc0ff")
    for t in (1 / 3, 2 / 3):
        cv.line(lerp(tl, tr, t), lerp(bl, br, t), 0.55, grid)
    cv.line(lerp(tl, bl, 0.5), lerp(tr, br, 0.5), 0.55, grid)
    cv.polyline([tl, tr, br, bl, tl], 0.9, METAL_LIGHT)


def fusion_reactor(cv):
    cx, cy = 16, 16
    cv.glow(cx, cy, 15, ORANGE, 0.5)
    orbit = rgb("#7fe2ff")
    for deg in (0, 60, 120):
        cv.ring(cx, cy, 12.5, 4.4, 1.2, orbit, angle=math.radians(deg))
    for deg, t in ((0, 0.6), (60, 3.6), (120, 2.1)):
        a = math.radians(deg)
        ex, ey = 12.5 * math.cos(t), 4.4 * math.sin(t)
        cv.circle(cx + ex * math.cos(a) - ey * math.sin(a), cy + ex * math.sin(a) + ey * math.cos(a), 1.4, WHITE)
    cv.glow(cx, cy, 7, SUN_LIGHT, 0.9)
    cv.circle(cx, cy, 3.8, radial(cx - 1, cy - 1, 4.5, WHITE, ORANGE))


def robotics_factory(cv):
    arm, arm_dark = rgb("#f5a623"), rgb("#9c5e00")
    cv.rect(2, 28, 30, 30.5, METAL_DARK)
    cv.polygon([(5.5, 28), (7.5, 23.5), (14.5, 23.5), (16.5, 28)], linear((0, 23), METAL, (0, 28), METAL_DARK))
    for (a, b, w) in (((11, 22.5), (14.5, 11), 3.8), ((14.5, 11), (23.5, 14.5), 3.2)):
        cv.line(a, b, w + 1.0, arm_dark)
        cv.line(a, b, w, arm)
    for x, y, r in ((11, 22.5, 2.8), (14.5, 11, 2.6), (23.5, 14.5, 1.9)):
        cv.circle(x, y, r, STEEL_DEEP)
        cv.circle(x, y, r - 0.8, METAL)
    # Open gripper over a part.
    cv.polyline([(23.5, 14.5), (25.5, 17.5), (24.8, 20.5)], 1.3, METAL_LIGHT)
    cv.polyline([(23.5, 14.5), (27.0, 16.0), (28.3, 19.0)], 1.3, METAL_LIGHT)
    cv.polygon([(22.5, 23.5), (28.5, 23.5), (28.5, 28), (22.5, 28)], linear((0, 23.5), CRYSTAL, (0, 28), CRYSTAL_DARK))
    cv.rect(22.5, 23.5, 28.5, 24.5, CRYSTAL_LIGHT)


def shipyard(cv):
    cv.rect(2, 28, 30, 30.5, METAL_DARK)
    for x in (3.5, 25.5):
        cv.rect(x, 6.5, x + 3, 28, STEEL_DEEP)
        for y in (8, 13, 18, 23):
            cv.line((x, y), (x + 3, y + 5), 0.5, METAL)
            cv.line((x + 3, y), (x, y + 5), 0.5, METAL)
    cv.rect(3, 5, 29, 7.5, linear((0, 5), METAL_LIGHT, (0, 7.5), METAL_DARK))
    for x in (8.5, 13.5, 18.5, 23.5):
        cv.rect(x, 5.6, x + 1.5, 6.9, SUN)
    cv.line((12, 7.5), (12, 13), 0.6, METAL_LIGHT)
    cv.line((20, 7.5), (20, 13), 0.6, METAL_LIGHT)
    cv.line((11.5, 21), (11.5, 28), 1.2, METAL)
    cv.line((20.5, 20.5), (20.5, 28), 1.2, METAL)
    # The ship under construction, nose to the right.
    cv.polygon([(10.5, 13.5), (13.5, 9.2), (17, 9.2), (16.5, 13.5)], linear((0, 9), METAL, (0, 13.5), METAL_DARK))
    cv.polygon([(10.5, 20.5), (13.5, 24.8), (17, 24.8), (16.5, 20.5)], linear((0, 20.5), METAL, (0, 25), METAL_DARK))
    cv.rect(13.5, 9.2, 17, 10.2, RED)
    cv.rect(13.5, 23.8, 17, 24.8, RED)
    hull = [(8, 15), (10.5, 13), (20, 13), (25.5, 17), (20, 21), (10.5, 21), (8, 19)]
    cv.polygon(hull, linear((0, 13), METAL_LIGHT, (0, 21), METAL))
    cv.line((9, 17), (24, 17), 0.5, METAL_DARK)
    cv.ellipse(20, 16, 2, 1.3, CYAN)
    cv.glow(7.5, 17, 3.5, ORANGE, 0.9)


def warehouse(cv):
    wall, roof = rgb("#8c6d52"), rgb("#5a3c28")
    cv.rect(2, 29, 30, 30.5, METAL_DARK)
    cv.rect(4, 13, 28, 29, linear((0, 13), wall, (0, 29), mix(wall, ROCK_DARK, 0.6)))
    cv.polygon([(2, 14.5), (16, 5), (30, 14.5), (28.5, 15.5), (16, 7.2), (3.5, 15.5)], roof)
    cv.polygon([(3.5, 15.5), (16, 7.2), (28.5, 15.5)], mix(wall, roof, 0.35))
    cv.rect(8.5, 16, 23.5, 29, rgb("#1a130e"))
    cv.rect(8, 15.3, 24, 16.3, WOOD_DARK)


def ingot(cv, x0, y0, x1, y1):
    cv.polygon([(x0, y1), (x0 + 1, y0), (x1 - 1, y0), (x1, y1)], linear((0, y0), METAL_LIGHT, (0, y1), METAL_DARK))
    cv.rect(x0 + 1, y0, x1 - 1, y0 + 0.7, WHITE, alpha=0.8)


def metal_storage(cv):
    warehouse(cv)
    for x0, y0 in ((7, 25.5), (12.5, 25.5), (18, 25.5), (9.7, 21.7), (15.2, 21.7), (12.5, 17.9)):
        ingot(cv, x0, y0, x0 + 6.5, y0 + 3.6)


def crystal_storage(cv):
    warehouse(cv)
    crystal(cv, 12, 29, 4.5, 9, tilt=-2)
    crystal(cv, 20.5, 29, 4.5, 10, tilt=2)
    crystal(cv, 16, 29.5, 6, 14)
    sparkle(cv, 14.3, 19.5, 1.8)


def deuterium_tank(cv):
    warehouse(cv)
    x0, x1, top, bottom = 10.5, 21.5, 17.5, 28.5
    cv.rect(x0, top, x1, bottom, cylinder_shade(x0, x1, DEUT_LIGHT, DEUT_DARK))
    cv.ellipse(16, bottom, 5.5, 1.3, DEUT_DARK)
    cv.ellipse(16, top, 5.5, 1.3, DEUT)
    cv.ellipse(16, top, 3.8, 0.7, DEUT_DARK)
    for y in (20.8, 25.2):
        cv.rect(x0, y, x1, y + 0.9, mix(DEUT_DARK, STEEL_DEEP, 0.5))
    # Drop mark on the barrel.
    cv.circle(16, 23.9, 1.5, WHITE)
    cv.polygon([(14.7, 23.3), (16, 20.9), (17.3, 23.3)], WHITE)


def research_lab(cv):
    glass = rgb("#d6ecff")

    def side(y):
        return 13.5 - 8.5 * (y - 13) / 15.5

    body = [(13.5, 13), (18.5, 13), (27, 28.5), (26, 29.5), (6, 29.5), (5, 28.5)]
    cv.polygon(body, glass, alpha=0.18)
    surface = 19.5
    cv.polygon([(side(surface), surface), (32 - side(surface), surface), (27, 28.5), (26, 29.5), (6, 29.5), (5, 28.5)],
               linear((0, surface), rgb("#ff7ab5"), (0, 29.5), rgb("#9c1457")))
    cv.line((side(surface), surface), (32 - side(surface), surface), 0.8, rgb("#ffc0dc"))
    cv.rect(13.5, 5, 18.5, 13, glass, alpha=0.18)
    cv.polyline([(13.5, 5), (13.5, 13), (5, 28.5), (6, 29.5), (26, 29.5), (27, 28.5), (18.5, 13), (18.5, 5)], 1.1,
                glass)
    cv.rect(12, 3.8, 20, 5.6, glass)
    cv.line((10.2, 24), (13.8, 17), 0.9, WHITE, alpha=0.6)
    for x, y, r in ((14, 25, 1.4), (18.5, 23, 1.0), (17, 27.2, 0.8), (16.2, 10, 0.9), (17.5, 7.5, 0.7)):
        cv.ring(x, y, r, r, 0.5, rgb("#ffd0e6"))


def missile_silo(cv):
    ground = rgb("#3d4a36")
    cv.rect(1, 22, 31, 31, linear((0, 22), ground, (0, 31), mix(ground, HOLE, 0.6)))
    cv.rect(10.5, 22, 21.5, 31, rgb("#07090f"))
    cv.rect(8.5, 21, 10.5, 31, METAL)
    cv.rect(21.5, 21, 23.5, 31, METAL)
    # Blast doors swung open.
    cv.polygon([(8.5, 21), (9.8, 21), (5.6, 14.5), (4.4, 15.2)], linear((0, 14), METAL_LIGHT, (0, 21), METAL_DARK))
    cv.polygon([(23.5, 21), (22.2, 21), (26.4, 14.5), (27.6, 15.2)], linear((0, 14), METAL_LIGHT, (0, 21), METAL_DARK))
    # Missile rising out of the shaft.
    white, shade = rgb("#f4f6f8"), rgb("#9aa3ad")
    cv.polygon([(13.5, 20), (10.5, 26), (13.5, 25)], RED)
    cv.polygon([(18.5, 20), (21.5, 26), (18.5, 25)], RED)
    cv.rect(13.5, 8.5, 18.5, 29, linear((13.5, 0), white, (18.5, 0), shade))
    cv.polygon([(13.5, 8.7), (16, 2.5), (18.5, 8.7)], linear((14, 0), rgb("#ff6a5a"), (18.5, 0), rgb("#a81818")))
    cv.rect(13.5, 12, 18.5, 13.3, RED)
    cv.polygon([(15.3, 22), (15.3, 28), (16.7, 28), (16.7, 22)], RED)


def nanite_factory(cv):
    cx, cy = 16, 16
    cv.polygon(gear_points(cx, cy, 9.5, 7.2, 9, phase=0.2), linear((8, 8), METAL_LIGHT, (24, 24), METAL_DARK))
    cv.circle(cx, cy, 4.6, STEEL_DEEP)
    cv.circle(cx, cy, 3.2, HOLE)
    # The swarm: glowing motes on a loose spiral round the gear.
    for k in range(14):
        a = k * 2.4
        r = 10.5 + 3.2 * ((k * 7) % 5) / 4
        x, y = cx + r * math.cos(a), cy + r * math.sin(a)
        cv.glow(x, y, 2.4, CYAN, 0.7)
        cv.circle(x, y, 0.8, rgb("#e0ffff"))
    cv.glow(cx, cy, 3.2, CYAN, 0.9)
    cv.circle(cx, cy, 1.1, rgb("#e0ffff"))
