#!/usr/bin/env python3
"""Draw the item-button bitmaps and the application icon into res/ and write res/korvelin.qrc.

Run from anywhere: python3 res/tools/draw_items.py [--out DIR] [PICTURE...]
The output is deterministic, so re-running it reproduces the committed files byte for byte;
--out DIR writes the same tree under DIR instead, for comparing against the committed one.
"""

import math
import os
import sys

# Keep the source tree free of __pycache__ folders.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import buildings  # noqa: E402
import research  # noqa: E402
from raster import Canvas, bmp_bytes, mix, png_bytes, rgb  # noqa: E402
from style import background, frame, shaded_ball  # noqa: E402

RES_DIR = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Resource name -> picture. The button numbers follow the form's historical control numbering.
ITEMS = [
    ("ZMAINFORM_BUTTON1_IMAGE", "metal_mine", buildings.metal_mine),
    ("ZMAINFORM_BUTTON4_IMAGE", "crystal_mine", buildings.crystal_mine),
    ("ZMAINFORM_BUTTON5_IMAGE", "deuterium_synthesizer", buildings.deuterium_synthesizer),
    ("ZMAINFORM_BUTTON6_IMAGE", "solar_plant", buildings.solar_plant),
    ("ZMAINFORM_BUTTON7_IMAGE", "fusion_reactor", buildings.fusion_reactor),
    ("ZMAINFORM_BUTTON8_IMAGE", "robotics_factory", buildings.robotics_factory),
    ("ZMAINFORM_BUTTON9_IMAGE", "shipyard", buildings.shipyard),
    ("ZMAINFORM_BUTTON10_IMAGE", "metal_storage", buildings.metal_storage),
    ("ZMAINFORM_BUTTON11_IMAGE", "crystal_storage", buildings.crystal_storage),
    ("ZMAINFORM_BUTTON12_IMAGE", "deuterium_tank", buildings.deuterium_tank),
    ("ZMAINFORM_BUTTON13_IMAGE", "research_lab", buildings.research_lab),
    ("ZMAINFORM_BUTTON15_IMAGE", "missile_silo", buildings.missile_silo),
    ("ZMAINFORM_BUTTON16_IMAGE", "nanite_factory", buildings.nanite_factory),
    ("ZMAINFORM_BUTTON2_IMAGE", "espionage", research.espionage),
    ("ZMAINFORM_BUTTON3_IMAGE", "computer", research.computer),
    ("ZMAINFORM_BUTTON14_IMAGE", "weapons", research.weapons),
    ("ZMAINFORM_BUTTON17_IMAGE", "shielding", research.shielding),
    ("ZMAINFORM_BUTTON18_IMAGE", "armour", research.armour),
    ("ZMAINFORM_BUTTON19_IMAGE", "energy", research.energy),
    ("ZMAINFORM_BUTTON20_IMAGE", "hyperspace", research.hyperspace),
    ("ZMAINFORM_BUTTON21_IMAGE", "combustion_drive", research.combustion_drive),
    ("ZMAINFORM_BUTTON22_IMAGE", "impulse_drive", research.impulse_drive),
    ("ZMAINFORM_BUTTON23_IMAGE", "hyperspace_drive", research.hyperspace_drive),
    ("ZMAINFORM_BUTTON24_IMAGE", "laser", research.laser),
    ("ZMAINFORM_BUTTON25_IMAGE", "ion", research.ion),
    ("ZMAINFORM_BUTTON26_IMAGE", "plasma", research.plasma),
]

# The application icon: the window's icon and the desktop's hicolor icons, one file per size.
ICON_SIZES = [16, 24, 32, 48, 64, 128, 256]


def item_path(resource):
    return "items/%s.bmp" % resource


def icon_path(size):
    return "icons/korvelin-%d.png" % size


def render_item(draw):
    cv = Canvas(32)
    background(cv)
    draw(cv)
    frame(cv)
    return bmp_bytes(cv.pixels())


def main_icon(cv, size):
    """A ringed blue planet on a transparent ground; the ring passes behind and in front of it.

    Below 32 pixels the ring is drawn bolder and the glints are left out, since at
    those sizes they blur into the planet; at 16 the moon goes too.
    """
    cx, cy, tilt = 16, 16, math.radians(-22)
    ring, ring_dark = rgb("#ffb640"), rgb("#c66a00")
    small = size < 32
    outer, inner = (3.4, 2.0) if small else (2.2, 1.2)
    rx, ry = (14.2, 5.0) if small else (14.6, 4.6)
    cv.ring(cx, cy, rx, ry, outer, ring_dark, angle=tilt, half="back")
    cv.ring(cx, cy, rx, ry, inner, ring, angle=tilt, half="back")
    shaded_ball(cv, cx, cy, 10 if small else 9.5, rgb("#9cf0ff"), rgb("#0d2f8a"))
    if not small:
        cv.ellipse(cx + 1, cy + 2.5, 7, 1.5, rgb("#ffffff"), angle=tilt, alpha=0.18)
        cv.ellipse(cx - 1, cy - 3, 6, 1.2, rgb("#ffffff"), angle=tilt, alpha=0.14)
    cv.ring(cx, cy, rx, ry, outer, ring_dark, angle=tilt, half="front")
    cv.ring(cx, cy, rx, ry, inner, ring, angle=tilt, half="front")
    if size >= 24:
        # A moon on the near side of the orbit.
        t = 2.2
        ex, ey = rx * math.cos(t), ry * math.sin(t)
        mx = cx + ex * math.cos(tilt) - ey * math.sin(tilt)
        my = cy + ex * math.sin(tilt) + ey * math.cos(tilt)
        shaded_ball(cv, mx, my, 2.6, rgb("#ffffff"), mix(rgb("#ffb640"), rgb("#7a3f00"), 0.5))


def render_icon(size):
    """The icon drawn afresh at `size` pixels from its 32-unit picture, not scaled from another size."""
    cv = Canvas(size, ss=4 if size >= 32 else 8, units=32)
    main_icon(cv, size)
    return png_bytes(cv.pixels())


def qrc_text():
    lines = ['<RCC>', '    <qresource prefix="/">']
    for resource, _, _ in ITEMS:
        lines.append('        <file alias="%s">%s</file>' % (resource, item_path(resource)))
    lines += ['    </qresource>', '    <qresource prefix="/MAINICON">']
    # The window icon takes every file under :/MAINICON, so the sizes are listed here only.
    for size in ICON_SIZES:
        lines.append('        <file alias="%d.png">%s</file>' % (size, icon_path(size)))
    lines += ['    </qresource>', '</RCC>', '']
    return "\n".join(lines)


def write(root, relative, data):
    path = os.path.join(root, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main(argv):
    args = argv[1:]
    root = RES_DIR
    if args[:1] == ["--out"]:
        if len(args) < 2:
            print("usage: draw_items.py [--out DIR] [PICTURE...]", file=sys.stderr)
            return 2
        root, args = args[1], args[2:]
    only = set(args)
    for resource, name, draw in ITEMS:
        if only and name not in only and resource not in only:
            continue
        write(root, item_path(resource), render_item(draw))
    if not only:
        for size in ICON_SIZES:
            write(root, icon_path(size), render_icon(size))
        write(root, "korvelin.qrc", qrc_text().encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
