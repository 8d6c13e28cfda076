#!/usr/bin/env python3
"""Town artwork: the seven street maps, every place on them, and the six move icons.

Run with python3; it writes assets/<name>.svg for all of these pictures.

How the maps and the places fit together: every place is drawn once, by a function that paints
its own lot in local coordinates (0..w, 0..h).  The place picture is that drawing alone; the street
map draws the very same thing translated to the place's spot.  So the map reads as the same town
whether the game lays the place pictures over it or not.  Roads run between the lots, and the
rest of each block is filled with small houses and trees that keep clear of roads and places.
"""

import random

import style
from style import (BLOCK, BROWN, COW_BLACK, COW_WHITE, FONT_GOTHIC, GRASS, GRASS_DARK, INK, PAPER,
                   POLICE_BLUE, RED, ROAD, ROAD_LINE, ROOF_BLUE, ROOF_GREEN, ROOF_ORANGE, ROOF_RED,
                   SKIN, STONE, WALL, WALL_GREY, WATER, WOOD, YELLOW)

W, H = 468, 300  # every street map

# A few extra tones of the town; all of them sit inside the shared palette's family.
PAVED = "#e2ddd0"  # shop forecourts
ASPHALT = "#bdb9ae"  # parking lots
GRAVEL = "#dcd8cc"  # cemetery and temple ground
GLASS = "#a9dcf5"
PINK = "#f6a8b8"
PURPLE = "#8d67c9"
TEAL = "#3aa6a0"
RAIL = "#6f6f7d"
LW = 1.0  # outline of everything drawn on a map


# ---------------------------------------------------------------------------------------------
# Tiny SVG helpers


def n(v):
    """Number as short text."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return s if s != "-0" else "0"


def rect(x, y, w, h, fill, stroke=INK, sw=LW, rx=0, extra=""):
    st = f' stroke="{stroke}" stroke-width="{n(sw)}"' if stroke else ""
    r = f' rx="{n(rx)}"' if rx else ""
    return f'<rect x="{n(x)}" y="{n(y)}" width="{n(w)}" height="{n(h)}"{r} fill="{fill}"{st}{extra}/>'


def circle(cx, cy, r, fill, stroke=INK, sw=LW):
    st = f' stroke="{stroke}" stroke-width="{n(sw)}"' if stroke else ""
    return f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}" fill="{fill}"{st}/>'


def ellipse(cx, cy, rx, ry, fill, stroke=INK, sw=LW):
    st = f' stroke="{stroke}" stroke-width="{n(sw)}"' if stroke else ""
    return f'<ellipse cx="{n(cx)}" cy="{n(cy)}" rx="{n(rx)}" ry="{n(ry)}" fill="{fill}"{st}/>'


def line(x1, y1, x2, y2, stroke=INK, sw=LW, extra=""):
    return (f'<line x1="{n(x1)}" y1="{n(y1)}" x2="{n(x2)}" y2="{n(y2)}" stroke="{stroke}" '
            f'stroke-width="{n(sw)}"{extra}/>')


def poly(points, fill, stroke=INK, sw=LW):
    pts = " ".join(f"{n(x)},{n(y)}" for x, y in points)
    st = f' stroke="{stroke}" stroke-width="{n(sw)}" stroke-linejoin="round"' if stroke else ""
    return f'<polygon points="{pts}" fill="{fill}"{st}/>'


def path(d, fill="none", stroke=INK, sw=LW):
    st = f' stroke="{stroke}" stroke-width="{n(sw)}" stroke-linecap="round" stroke-linejoin="round"' if stroke else ""
    return f'<path d="{d}" fill="{fill}"{st}/>'


def text(x, y, s, size, fill=INK, anchor="middle"):
    """Bold lettering; a hairline stroke keeps it bold where the font has no bold face (not on
    the tiniest signs, where it would clog the strokes of a kanji)."""
    halo = f' stroke="{fill}" stroke-width="0.3"' if size >= 10 else ""
    return (f'<text x="{n(x)}" y="{n(y)}" font-family="{FONT_GOTHIC}" font-size="{n(size)}" '
            f'font-weight="bold" fill="{fill}"{halo} text-anchor="{anchor}">{s}</text>')


def group(body, dx=0, dy=0, scale=1.0):
    t = f"translate({n(dx)},{n(dy)})" + (f" scale({n(scale)})" if scale != 1 else "")
    return f'<g transform="{t}">\n{body}\n</g>'


def use(ident, x, y):
    return f'<use xlink:href="#{ident}" transform="translate({n(x)},{n(y)})"/>'


def shade(hexcol, f):
    """Darken (f < 1) or lighten (f > 1) a colour."""
    r, g, b = (int(hexcol[i:i + 2], 16) for i in (1, 3, 5))
    if f < 1:
        r, g, b = (int(c * f) for c in (r, g, b))
    else:
        r, g, b = (int(c + (255 - c) * (f - 1)) for c in (r, g, b))
    return f"#{r:02x}{g:02x}{b:02x}"


def join(*parts):
    return "\n".join(p for p in parts if p)


# ---------------------------------------------------------------------------------------------
# Buildings and small things, shared by places, filler houses and icons


def house(x, y, w, h, roof, wall=WALL, door=True, windows=1):
    """A house seen from above and a little from the front: gable roof, then the front wall."""
    wh = max(4, round(h * 0.34))
    rh = h - wh
    out = [rect(x + 1, y + rh - 1, w - 2, wh + 1, wall)]
    out.append(rect(x, y, w, rh, roof))
    ridge = y + rh * 0.45
    out.append(rect(x + 0.5, ridge, w - 1, rh - (ridge - y) - 0.5, shade(roof, 0.85), stroke=None))
    out.append(line(x + 1, ridge, x + w - 1, ridge, shade(roof, 0.6), 0.8))
    if door:
        dw = max(2.5, w * 0.16)
        out.append(rect(x + w * 0.62, y + h - wh * 0.8, dw, wh * 0.8, WOOD, sw=0.6))
    for i in range(windows):
        ww = max(2.5, w * 0.15)
        out.append(rect(x + w * 0.15 + i * ww * 1.5, y + rh + wh * 0.25, ww, wh * 0.4, GLASS, sw=0.6))
    return join(*out)


def flat_building(x, y, w, h, roof, wall=WALL, rows=1, glass=GLASS, door=True):
    """A flat-roofed building: roof with its parapet, front wall with rows of windows."""
    wh = max(5, round(h * (0.3 + 0.08 * (rows - 1))))
    rh = h - wh
    out = [rect(x + 0.5, y + rh - 0.5, w - 1, wh + 0.5, wall)]
    out.append(rect(x, y, w, rh, roof))
    out.append(rect(x + 1.6, y + 1.6, w - 3.2, rh - 3.2, shade(roof, 1.25), stroke=shade(roof, 0.75), sw=0.6))
    cols = max(2, int(w // 6))
    step = (w - 2) / cols
    for r in range(rows):
        wy = y + rh + 1.2 + r * (wh - 1.5) / rows
        for c in range(cols):
            if door and r == rows - 1 and c == cols // 2:
                continue
            out.append(rect(x + 1 + c * step + step * 0.22, wy, step * 0.56, (wh - 1.5) / rows * 0.55, glass,
                            sw=0.5))
    if door:
        c = cols // 2
        out.append(rect(x + 1 + c * step + step * 0.15, y + h - wh * 0.6, step * 0.7, wh * 0.6 - 0.5, glass,
                        sw=0.6))
    return join(*out)


def tree(cx, cy, r, col=GRASS_DARK):
    return join(circle(cx, cy, r, col), circle(cx - r * 0.3, cy - r * 0.3, r * 0.35, shade(col, 1.35), stroke=None))


def bottle(x, y, ang=-15, s=1.0):
    """A plastic bottle lying on the ground, about 9 px long."""
    body = join(
        rect(-4.5, -1.8, 7, 3.6, "#d8f1ff", sw=0.7, rx=1.2),
        rect(-2.5, -1.8, 3, 3.6, "#4c9be8", stroke=None),
        rect(2.3, -1.1, 1.5, 2.2, ROAD_LINE, sw=0.5),
        rect(3.8, -1.3, 1.4, 2.6, RED, sw=0.5),
    )
    return f'<g transform="translate({n(x)},{n(y)}) rotate({n(ang)}) scale({n(s)})">{body}</g>'


def cross(cx, cy, s, col=ROOF_GREEN):
    a = s / 2
    b = s / 6
    return poly([(cx - b, cy - a), (cx + b, cy - a), (cx + b, cy - b), (cx + a, cy - b), (cx + a, cy + b),
                 (cx + b, cy + b), (cx + b, cy + a), (cx - b, cy + a), (cx - b, cy + b), (cx - a, cy + b),
                 (cx - a, cy - b), (cx - b, cy - b)], col, sw=0.6)


def sign(cx, cy, ch, size=9, bg=ROAD_LINE, fg=INK):
    """A square sign with one bold character (legible down to 9 px)."""
    s = size + 2
    return join(rect(cx - s / 2, cy - s / 2, s, s, bg, sw=0.7, rx=1.5), text(cx, cy + size * 0.36, ch, size, fg))


def car(x, y, col, vertical=True):
    if vertical:
        return join(rect(x, y, 7, 11, col, sw=0.7, rx=2), rect(x + 1.2, y + 2, 4.6, 2.5, GLASS, sw=0.4))
    return join(rect(x, y, 11, 7, col, sw=0.7, rx=2), rect(x + 2, y + 1.2, 2.5, 4.6, GLASS, sw=0.4))


def awning(x, y, w, h, cols):
    """Striped shop awning."""
    k = max(3, int(w // 3))
    sw_ = w / k
    out = [rect(x + i * sw_, y, sw_, h, cols[i % len(cols)], stroke=None) for i in range(k)]
    out.append(rect(x, y, w, h, "none", sw=0.7))
    return join(*out)


def person(cx, cy, shirt, s=1.0):
    """A tiny person seen from above-front: head and body, about 6 px tall."""
    return join(rect(cx - 2 * s, cy - 1 * s, 4 * s, 4.5 * s, shirt, sw=0.5, rx=1.2 * s),
                circle(cx, cy - 2.5 * s, 1.8 * s, SKIN, sw=0.5))


# ---------------------------------------------------------------------------------------------
# The places.  Each function draws the whole lot of its place in local pixel coordinates.


def p_derm_clinic(w=35, h=34):
    return join(
        rect(0, 0, w, h, PAVED, stroke=None),
        flat_building(2, 2, 31, 26, "#f4f1ea", wall="#ffe6ea", rows=1),
        circle(17.5, 10, 6, ROAD_LINE, sw=0.8),
        cross(17.5, 10, 8.5, ROOF_GREEN),
        rect(5, 29.5, 25, 2.5, PINK, sw=0.5, rx=1),
    )


def p_big_store(w=170, h=181):
    out = [rect(0, 0, w, h, ASPHALT, stroke=None)]
    # hedge along the edge of the lot
    out.append(rect(1, 1, w - 2, h - 2, "none", stroke=GRASS_DARK, sw=2))
    # the store: a big flat roof with machinery, then the front with its sign band
    out.append(rect(8, 6, 154, 66, "#dfe3ea", sw=1.5))
    out.append(rect(12, 10, 146, 58, "#eef1f5", stroke="#b4bac6", sw=0.8))
    for i in range(4):
        out.append(rect(22 + i * 34, 18, 16, 10, WALL_GREY, sw=0.8))
        out.append(circle(30 + i * 34, 23, 3, "#9aa0ad", sw=0.6))
    for i in range(6):
        out.append(rect(20 + i * 22, 40, 14, 8, GLASS, sw=0.6))
    out.append(rect(8, 72, 154, 26, WALL, sw=1.5))
    out.append(rect(14, 74, 142, 10, ROOF_ORANGE, sw=1))
    # the store's mark on the sign band: a shopping cart
    out.append(path("M70 76 h3 l2 5 h9 l2 -4", stroke=ROAD_LINE, sw=1.4))
    out.append(circle(76.5, 82.5, 1, ROAD_LINE, stroke=None))
    out.append(circle(83.5, 82.5, 1, ROAD_LINE, stroke=None))
    out.append(rect(96, 76, 44, 6, ROAD_LINE, stroke=None, rx=1))
    out.append(rect(22, 76, 38, 6, ROAD_LINE, stroke=None, rx=1))
    for i in range(5):
        out.append(rect(20 + i * 26, 86, 14, 9, GLASS, sw=0.6))
    out.append(rect(72, 86, 26, 12, GLASS, sw=0.8))
    out.append(line(85, 86, 85, 98, INK, 0.6))
    # walkway in front of the entrance
    out.append(rect(8, 98, 154, 8, PAVED, sw=0.8))
    # parking lot: white bays and cars
    cols = [ROOF_RED, ROOF_BLUE, COW_WHITE, YELLOW, ROOF_GREEN, WALL_GREY, COW_BLACK, ROOF_ORANGE]
    rng = random.Random(7)
    for row, y0 in enumerate((112, 146)):
        for i in range(13):
            x0 = 10 + i * 12
            out.append(line(x0, y0, x0, y0 + 16, ROAD_LINE, 1))
            if rng.random() < 0.55:
                out.append(car(x0 + 2.5, y0 + 2.5, rng.choice(cols)))
        out.append(line(10 + 13 * 12, y0, 10 + 13 * 12, y0 + 16, ROAD_LINE, 1))
    out.append(line(10, 132, 166, 132, ROAD_LINE, 0.8, ' stroke-dasharray="4,3"'))
    # the way out to the street, with a sign post
    out.append(rect(70, 166, 30, 15, ASPHALT, stroke=None))
    out.append(line(70, 170, 70, 181, ROAD_LINE, 1))
    out.append(line(100, 170, 100, 181, ROAD_LINE, 1))
    for x in (8, 30, 52, 118, 140, 162):
        out.append(tree(x, 172, 5))
    out.append(rect(104, 166, 10, 10, ROOF_ORANGE, sw=0.8, rx=2))
    out.append(path("M106 170 h2 l1 3 h3", stroke=ROAD_LINE, sw=0.9))
    return join(*out)


def p_closed_clinic(w=43, h=47):
    out = [rect(0, 0, w, h, PAVED, stroke=None)]
    out.append(flat_building(3, 2, 37, 34, "#d8d8d8", wall="#e8e6e0", rows=2, glass="#b8c4cc", door=False))
    out.append(circle(21.5, 11.5, 6.5, "#eeeeee", sw=0.8))
    out.append(cross(21.5, 11.5, 9, "#9bb8a6"))
    # the shutter is down
    out.append(rect(14, 28, 15, 8, "#bfc3cc", sw=0.7))
    for yy in (30, 32, 34):
        out.append(line(14.5, yy, 28.5, yy, "#8c91a0", 0.6))
    out.append(sign(21.5, 42, "休", 9, bg=YELLOW))
    out.append(tree(5, 42, 3.5))
    out.append(tree(38, 42, 3.5))
    return join(*out)


def p_pharmacy(w=25, h=20):
    return join(
        rect(0, 0, w, h, PAVED, stroke=None),
        flat_building(1, 1, 23, 18, ROOF_GREEN, wall=WALL, door=True),
        sign(12.5, 7, "薬", 9),
    )


def p_pasta(w=30, h=27):
    return join(
        rect(0, 0, w, h, PAVED, stroke=None),
        house(2, 1, 26, 23, ROOF_RED, wall=WALL, door=True, windows=1),
        awning(2, 16, 26, 3, [RED, ROAD_LINE, ROOF_GREEN]),
        circle(15, 8, 4.5, YELLOW, sw=0.7),
        path("M12.5 6.5 q1.2 1 2.5 0 q1.2 -1 2.5 0 M12.5 8.5 q1.2 1 2.5 0 q1.2 -1 2.5 0", stroke=ROOF_ORANGE, sw=0.8),
        rect(6, 24.5, 18, 2, ROOF_GREEN, stroke=None, rx=1),
    )


def p_bottle_building(w=35, h=27):
    return join(
        rect(0, 0, w, h, BLOCK, stroke=None),
        flat_building(2, 1, 31, 19, "#c9b79c", wall=WALL, rows=1),
        rect(1, 21, 33, 5, PAVED, stroke=None),
        bottle(11, 23.5, -12),
        tree(29, 23, 3),
    )


def p_pimple_shop(w=41, h=24):
    return join(
        rect(0, 0, w, h, PAVED, stroke=None),
        flat_building(1.5, 1, 38, 21, "#f3c6d0", wall=WALL, rows=1),
        awning(3, 13.5, 35, 2.5, [PINK, ROAD_LINE]),
        circle(20.5, 7, 4.2, SKIN, sw=0.7),
        circle(18.8, 6, 0.8, RED, stroke=None),
        circle(22.2, 8, 0.8, RED, stroke=None),
        circle(20.6, 5.2, 0.6, RED, stroke=None),
    )


def p_building(w, h, roof=WALL_GREY, wall=WALL, rows=2):
    return join(rect(0, 0, w, h, PAVED, stroke=None), flat_building(1.5, 1.5, w - 3, h - 3, roof, wall, rows))


def p_gabrin(w=22, h=26):
    return join(
        rect(0, 0, w, h, BLOCK, stroke=None),
        rect(14, 1, 4, 6, "#9b6b4a", sw=0.7),
        house(1, 3, 20, 20, PURPLE, wall=WALL, door=True),
        circle(17, 2, 1.6, "#e8e8ee", sw=0.5),
        circle(6, 8.5, 2.6, YELLOW, sw=0.6),
        circle(6, 8.5, 0.9, PURPLE, stroke=None),
        rect(3, 23.5, 16, 1.5, GRASS_DARK, stroke=None),
    )


def p_bottle_house(w, h, roof, ang):
    hh = h - 9
    return join(
        rect(0, 0, w, h, BLOCK, stroke=None),
        house(1, 1, w - 2, hh, roof, wall=WALL),
        rect(1, hh + 2, w - 2, h - hh - 3, GRASS, stroke=None, rx=1),
        bottle(w / 2, hh + 5.5, ang),
    )


def p_scream_house(w=28, h=31):
    return join(
        rect(0, 0, w, h, BLOCK, stroke=None),
        house(1, 1, 26, 24, ROOF_RED, wall="#fff0f4", door=True, windows=0),
        rect(4, 18, 6, 4.5, GLASS, sw=0.6),
        poly([(4, 18), (7, 18), (4, 22.5)], PINK, stroke=None),
        poly([(10, 18), (7, 18), (10, 22.5)], PINK, stroke=None),
        rect(3, 26.5, 22, 3, PINK, stroke=None, rx=1.5),
    )


def p_office(w=29, h=34):
    return join(
        rect(0, 0, w, h, PAVED, stroke=None),
        flat_building(1.5, 1, 26, 31, "#aeb7c8", wall="#dfe6f0", rows=3, glass="#7fc0e8"),
        rect(7, 5, 6, 4, WALL_GREY, sw=0.5),
    )


def p_restaurant(w=29, h=25):
    return join(
        rect(0, 0, w, h, PAVED, stroke=None),
        house(1.5, 1, 26, 22, ROOF_ORANGE, wall=WALL, door=False, windows=0),
        rect(9, 16, 11, 5, "#2f4f9f", sw=0.6),
        line(12.6, 16, 12.6, 21, ROAD_LINE, 0.6),
        line(16.3, 16, 16.3, 21, ROAD_LINE, 0.6),
        ellipse(5.5, 18.5, 2, 2.6, RED, sw=0.6),
        ellipse(23.5, 18.5, 2, 2.6, RED, sw=0.6),
    )


def p_perorin(w=23, h=28):
    return join(
        rect(0, 0, w, h, BLOCK, stroke=None),
        house(1, 1, 21, 20, PINK, wall=WALL, door=True),
        path("M11.5 9.5 l-2.4 -2.2 a1.3 1.3 0 0 1 2.4 -1.3 a1.3 1.3 0 0 1 2.4 1.3 z", fill=RED, sw=0.5),
        # front yard: the lower edge stays open ground
        rect(2, 22.5, 19, 1.5, GRASS, stroke=None, rx=0.7),
    )


def p_shock_house(w=19, h=25):
    return join(
        rect(0, 0, w, h, BLOCK, stroke=None),
        house(1, 2, 17, 20, YELLOW, wall=WALL, door=True, windows=0),
        poly([(10, 3.5), (6.5, 9), (9.2, 9), (7.5, 13.5), (12.5, 7.5), (9.8, 7.5), (11.5, 3.5)], ROOF_ORANGE,
             sw=0.5),
        path("M2 1.5 l1.5 1.5 M17 1.5 l-1.5 1.5 M1 23.5 h3 M15 23.5 h3", stroke=ROOF_ORANGE, sw=0.8),
    )


def p_job_spot(w=27, h=20):
    return join(
        rect(0, 0, w, h, PAVED, stroke=None),
        # a stall under a striped canopy, with a standing signboard
        rect(3, 5, 15, 10, WALL, sw=0.7),
        awning(2, 5, 17, 5, [YELLOW, ROOF_BLUE]),
        rect(5, 12, 11, 3, WOOD, sw=0.5),
        person(10.5, 17, ROOF_RED, 0.8),
        rect(20.5, 7, 5, 7, ROAD_LINE, sw=0.6),
        line(21.5, 9, 24.5, 9, RED, 0.7),
        line(21.5, 11, 24.5, 11, INK, 0.5),
        line(23, 14, 23, 17, INK, 0.7),
    )


def p_clinic(w=42, h=45):
    return join(
        rect(0, 0, w, h, PAVED, stroke=None),
        flat_building(2, 1.5, 38, 32, "#e9eef7", wall=ROAD_LINE, rows=2, glass="#8fcdf0"),
        rect(5, 4, 32, 4, ROOF_BLUE, sw=0.5),
        circle(21, 14.5, 5.5, ROAD_LINE, sw=0.7),
        cross(21, 14.5, 8, ROOF_GREEN),
        rect(2, 35, 38, 9, ASPHALT, stroke=None),
        car(5, 36, ROOF_BLUE, vertical=False),
        car(26, 36, COW_WHITE, vertical=False),
    )


def p_drugstore(w=56, h=51):
    out = [rect(0, 0, w, h, ASPHALT, stroke=None)]
    # the back yard behind the store, with its trash cans and the card-key door
    out.append(rect(1, 1, 54, 8, PAVED, stroke=None))
    for i, c in enumerate((ROOF_GREEN, ROOF_BLUE, ROOF_GREEN)):
        out.append(rect(4 + i * 6, 2.5, 4.5, 5, c, sw=0.6, rx=0.8))
    out.append(rect(38, 3, 6, 5, WALL_GREY, sw=0.6))
    out.append(rect(45.5, 4, 2, 3, RED, sw=0.4))
    out.append(flat_building(2, 8, 52, 33, "#e7ece6", wall=WALL, rows=1))
    out.append(rect(6, 28.5, 44, 5, ROOF_GREEN, sw=0.6))
    out.append(sign(28, 18, "薬", 10, bg=ROOF_GREEN, fg=ROAD_LINE))
    out.append(rect(2, 42, 52, 8, ASPHALT, stroke=None))
    out.append(car(8, 43, ROOF_RED, vertical=False))
    out.append(car(37, 43, YELLOW, vertical=False))
    return join(*out)


def p_water_park(w=158, h=52):
    out = [rect(0, 0, w, h, GRASS, stroke=None)]
    out.append(path("M0 30 C30 22 50 38 79 30 S130 22 158 30", stroke="#e8dcc0", sw=6))
    out.append(path("M0 30 C30 22 50 38 79 30 S130 22 158 30", stroke=shade("#e8dcc0", 0.8), sw=0.6))
    # the water spot: a round basin with a tap
    out.append(circle(79, 22, 10, "#d8d2c4", sw=0.9))
    out.append(circle(79, 22, 7.5, WATER, sw=0.7))
    out.append(ellipse(76.5, 19.5, 2.5, 1.3, "#d8f1ff", stroke=None))
    out.append(rect(77, 9, 4, 6, WALL_GREY, sw=0.7))
    out.append(rect(81, 10, 3, 1.6, ROOF_BLUE, sw=0.4))
    for x, y, r in ((10, 12, 7), (28, 8, 6), (44, 44, 6), (118, 10, 7), (140, 14, 6), (108, 44, 5), (150, 42, 5),
                    (12, 44, 5)):
        out.append(tree(x, y, r))
    out.append(rect(52, 10, 12, 3, WOOD, sw=0.6))
    out.append(rect(96, 38, 12, 3, WOOD, sw=0.6))
    for x in (60, 66, 72):
        out.append(circle(x, 43, 1.6, [RED, YELLOW, PINK][(x // 6) % 3], sw=0.4))
    return join(*out)


def p_pokota(w=33, h=28):
    return join(
        rect(0, 0, w, h, BLOCK, stroke=None),
        house(1, 1, 22, 22, ROOF_ORANGE, wall=WALL, door=True),
        rect(24, 8, 8, 17, PAVED, stroke=None),
        # the electric scooter parked beside the house
        rect(26, 11, 4, 10, ROOF_BLUE, sw=0.6, rx=1.5),
        line(25, 12, 31, 12, INK, 0.8),
        circle(28, 21.5, 1.3, INK, stroke=None),
        rect(2, 24.5, 20, 2, GRASS, stroke=None, rx=1),
    )


def p_child_park(w=69, h=93):
    out = [rect(0, 0, w, h, GRASS, stroke=None)]
    out.append(rect(1, 1, w - 2, h - 2, "none", stroke=GRASS_DARK, sw=2))
    out.append(path("M34 93 V60 Q34 52 26 48 L10 40", stroke="#e8dcc0", sw=5))
    # sandbox
    out.append(rect(8, 56, 18, 14, "#f3dc9a", sw=0.9))
    out.append(path("M12 62 q3 -3 6 0", stroke=shade("#f3dc9a", 0.7), sw=0.7))
    # slide
    out.append(rect(40, 12, 10, 26, "#f08a4b", sw=0.9, rx=2))
    out.append(rect(42.5, 16, 5, 18, YELLOW, sw=0.5, rx=1.5))
    out.append(rect(38, 38, 14, 5, WALL_GREY, sw=0.8))
    # swings
    out.append(line(6, 14, 30, 14, ROOF_BLUE, 1.6))
    out.append(line(7, 14, 7, 30, INK, 0.8))
    out.append(line(29, 14, 29, 30, INK, 0.8))
    out.append(rect(11, 22, 5, 2, RED, sw=0.5))
    out.append(rect(20, 22, 5, 2, RED, sw=0.5))
    # the child at play
    out.append(person(48, 62, RED, 1.3))
    out.append(circle(53, 66, 2.2, YELLOW, sw=0.6))
    for x, y, r in ((8, 84, 6), (60, 84, 6), (60, 48, 5), (20, 6, 4), (60, 6, 4)):
        out.append(tree(x, y, r))
    return join(*out)


def p_cemetery(w=58, h=96):
    out = [rect(0, 0, w, h, GRAVEL, stroke=None)]
    out.append(rect(1, 1, w - 2, h - 2, "none", stroke=STONE, sw=2))
    out.append(rect(25, 0, 8, h, "#ece7da", stroke=None))
    for row in range(7):
        y = 8 + row * 12
        for x in (4, 13, 36, 45):
            out.append(grave(x, y))
    for x, y in ((4, 90), (54, 90), (54, 4)):
        out.append(tree(x, y, 4, "#4f8f4a"))
    out.append(rect(22, 88, 14, 8, "#ece7da", stroke=None))
    return join(*out)


def grave(x, y):
    """One family grave: its stone-edged plot, the upright stone, two flowers."""
    return join(
        rect(x, y + 3, 9, 6, "#c4c6cd", sw=0.6),
        rect(x + 2.5, y, 4, 6.5, "#9a9ca8", sw=0.6),
        rect(x + 3.2, y + 0.8, 2.6, 4.8, "#d6d8de", stroke=None),
        circle(x + 1.5, y + 7.3, 0.9, RED, stroke=None),
        circle(x + 7.5, y + 7.3, 0.9, YELLOW, stroke=None),
    )


def temple(x, y, w, h):
    """A temple hall: a big hipped tile roof over a short wooden front."""
    rh = h * 0.72
    roof = "#646778"
    i = min(w, rh) * 0.3
    return join(
        rect(x + 3, y + rh - 2, w - 6, h - rh + 2, "#f2e2c4", sw=0.8),
        rect(x + w * 0.4, y + rh + 1, w * 0.2, h - rh - 1, WOOD, sw=0.6),
        poly([(x, y + rh), (x + w, y + rh), (x + w - 2, y), (x + 2, y)], roof, sw=1.2),
        poly([(x + 2, y), (x + w - 2, y), (x + w - i, y + rh * 0.45), (x + i, y + rh * 0.45)], shade(roof, 1.25),
             stroke=None),
        line(x + i, y + rh * 0.45, x + w - i, y + rh * 0.45, shade(roof, 0.6), 1),
        line(x + 2, y, x + i, y + rh * 0.45, shade(roof, 0.6), 0.8),
        line(x + w - 2, y, x + w - i, y + rh * 0.45, shade(roof, 0.6), 0.8),
        line(x, y + rh, x + i, y + rh * 0.45, shade(roof, 0.6), 0.8),
        line(x + w, y + rh, x + w - i, y + rh * 0.45, shade(roof, 0.6), 0.8),
    )


def p_munya(w=22, h=27):
    return join(
        rect(0, 0, w, h, BLOCK, stroke=None),
        house(1, 2, 20, 21, TEAL, wall=WALL, door=True),
        circle(11, 7.5, 2.3, YELLOW, sw=0.6),
        rect(2, 24, 18, 2, GRASS, stroke=None, rx=1),
    )


# The police-station screen letters these two names right on the map.
POLICE_NAME = "知多警察署"
CITY_HALL_NAME = "知多市役所"


def p_label(w, h, s, size):
    return join(rect(0.5, 0.5, w - 1, h - 1, PAPER, sw=0.8, rx=2),
                text(w / 2, h / 2 + size * 0.37, s, size))


# name: (draw function, width, height)
PLACES = {
    "Form4_Image2": (p_derm_clinic, 35, 34),
    "Form4_Image3": (p_big_store, 170, 181),
    "Form4_Image4": (p_closed_clinic, 43, 47),
    "Form4_Image5": (p_pharmacy, 25, 20),
    "Form4_Image6": (p_pasta, 30, 27),
    "Form4_Image7": (p_bottle_building, 35, 27),
    "Form5_Image2": (p_pimple_shop, 41, 24),
    "Form5_Image3": (lambda: p_building(41, 40, roof="#c7c0b4", rows=2), 41, 40),
    "Form5_Image4": (p_gabrin, 22, 26),
    "Form5_Image5": (lambda: p_bottle_house(23, 32, ROOF_BLUE, -20), 23, 32),
    "Form5_Image6": (lambda: p_bottle_house(20, 24, ROOF_GREEN, 10), 20, 24),
    "Form6_Image2": (p_scream_house, 28, 31),
    "Form6_Image3": (p_office, 29, 34),
    "Form6_Image4": (p_restaurant, 29, 25),
    "Form6_Image5": (p_perorin, 23, 28),
    "Form6_Image6": (p_shock_house, 19, 25),
    "Form6_Image7": (p_job_spot, 27, 20),
    "Form7_Image2": (p_clinic, 42, 45),
    "Form7_Image3": (lambda: p_building(23, 26, roof="#b9a98f", rows=2), 23, 26),
    "Form7_Image4": (p_drugstore, 56, 51),
    "Form8_Image2": (p_water_park, 158, 52),
    "Form8_Image3": (p_pokota, 33, 28),
    "Form9_Image2": (p_child_park, 69, 93),
    "Form9_Image3": (p_cemetery, 58, 96),
    "Form9_Image4": (p_munya, 22, 27),
    "Form10_Image2": (lambda: p_label(54, 14, POLICE_NAME, 10), 54, 14),
    "Form10_Image3": (lambda: p_label(81, 16, CITY_HALL_NAME, 12), 81, 16),
}

# Where each place stands on its map, in map pixels (x, y).
SPOTS = {
    "Form4": {"Image2": (200, 8), "Image3": (136, 104), "Image4": (48, 80), "Image5": (96, 56),
              "Image6": (120, 24), "Image7": (72, 0)},
    "Form5": {"Image2": (136, 272), "Image3": (88, 208), "Image4": (64, 184), "Image5": (32, 184),
              "Image6": (48, 216)},
    "Form6": {"Image2": (432, 232), "Image3": (328, 176), "Image4": (312, 96), "Image5": (216, 72),
              "Image6": (264, 40), "Image7": (224, 96)},
    "Form7": {"Image2": (88, 232), "Image3": (96, 184), "Image4": (32, 144)},
    "Form8": {"Image2": (256, 216), "Image3": (184, 208)},
    "Form9": {"Image2": (40, 112), "Image3": (144, 112), "Image4": (0, 40)},
    "Form10": {"Image2": (152, 216), "Image3": (288, 48)},
}


def place_rects(form):
    out = []
    for img, (x, y) in SPOTS[form].items():
        _, w, h = PLACES[f"{form}_{img}"]
        out.append((x, y, w, h))
    return out


def places_on_map(form):
    out = []
    for img, (x, y) in SPOTS[form].items():
        fn = PLACES[f"{form}_{img}"][0]
        out.append(group(fn(), x, y))
    return join(*out)


# ---------------------------------------------------------------------------------------------
# Map furniture: roads, river, railway, filler houses


FILLER_DEFS = join(
    f'<g id="h1">{house(0, 0, 16, 14, ROOF_RED)}</g>',
    f'<g id="h2">{house(0, 0, 16, 14, ROOF_BLUE)}</g>',
    f'<g id="h3">{house(0, 0, 16, 14, ROOF_GREEN)}</g>',
    f'<g id="h4">{house(0, 0, 16, 14, ROOF_ORANGE)}</g>',
    f'<g id="h5">{house(0, 0, 16, 14, "#a0785a")}</g>',
    f'<g id="ap">{flat_building(0, 0, 18, 15, WALL_GREY, rows=1, door=False)}</g>',
    f'<g id="tr">{tree(0, 0, 4.5)}</g>',
)
FILLER_IDS = ["h1", "h2", "h3", "h4", "h5", "h1", "h2", "ap"]


def roads(rs, centre=12):
    """Roads as rectangles: one pass of dark kerbs, one of tarmac, so crossings merge cleanly.

    Roads at least `centre` wide get a dashed centre line."""
    out = [rect(x - 1, y - 1, w + 2, h + 2, INK, stroke=None) for x, y, w, h in rs]
    out += [rect(x, y, w, h, ROAD, stroke=None) for x, y, w, h in rs]
    dash = ' stroke-dasharray="5,4"'
    for x, y, w, h in rs:
        if min(w, h) >= centre:
            if w >= h:
                out.append(line(x, y + h / 2, x + w, y + h / 2, ROAD_LINE, 1, dash))
            else:
                out.append(line(x + w / 2, y, x + w / 2, y + h, ROAD_LINE, 1, dash))
    return join(*out)


def river(pts, width):
    d = "M" + " L".join(f"{n(x)} {n(y)}" for x, y in pts)
    return join(path(d, stroke=INK, sw=width + 2), path(d, stroke=WATER, sw=width),
                path(d, stroke="#9ad6f5", sw=1))


def railway(x1, y1, x2, y2):
    return join(line(x1, y1, x2, y2, RAIL, 4), line(x1, y1, x2, y2, ROAD_LINE, 2, ' stroke-dasharray="6,6"'))


def overlaps(a, b, m=0):
    ax, ay, aw, ah = a
    bx, by, bw, bh = b
    return ax < bx + bw + m and bx < ax + aw + m and ay < by + bh + m and by < ay + ah + m


def filler(blocked, seed, pitch=(21, 19), trees=0.18, size=(16, 14)):
    """Fill free ground with small houses (and some trees), keeping clear of every blocked rect."""
    rng = random.Random(seed)
    out = []
    px, py = pitch
    for gy in range(0, H, py):
        for gx in range(0, W, px):
            x, y = gx + 3, gy + 3
            cell = (x, y, size[0], size[1])
            if x + size[0] <= W and y + size[1] <= H and not any(overlaps(cell, b, 2) for b in blocked):
                if rng.random() < trees:
                    out.append(use("tr", x + 8, y + 7))
                else:
                    out.append(use(rng.choice(FILLER_IDS), x, y))
                continue
            # no room for a house: maybe a single tree
            t = (gx + 6, gy + 5, 9, 9)
            if t[0] + 9 <= W and t[1] + 9 <= H and not any(overlaps(t, b, 1) for b in blocked) \
                    and rng.random() < 0.7:
                out.append(use("tr", gx + 10.5, gy + 9.5))
    return join(*out)


def town_map(name, road_rects, places, reserved=(), under="", over="", seed=1, extra_defs=""):
    """A street map: ground, the things under the roads, roads, filler houses, places, lettering."""
    blocked = list(road_rects) + place_rects(places) + list(reserved)
    body = join(
        rect(0, 0, W, H, BLOCK, stroke=None),
        under,
        roads(road_rects),
        filler(blocked, seed),
        places_on_map(places) if places else "",
        over,
    )
    style.write(name, W, H, body, join(FILLER_DEFS, extra_defs))


# ---------------------------------------------------------------------------------------------
# The six sections


def section1():
    rs = [
        (0, 30, 118, 10), (108, 0, 10, 40),  # lane along the bottle building
        (160, 0, 12, 96),  # street past the pasta restaurant
        (94, 82, 374, 14),  # main street
        (94, 82, 12, 218),  # main street, southward
        (28, 40, 9, 110), (0, 140, 94, 10), (0, 222, 94, 10),
        (252, 0, 9, 82), (318, 96, 12, 204), (330, 190, 138, 10), (398, 0, 10, 300),
        (106, 289, 212, 11),
    ]
    # a small shrine wood in the north-east
    reserved = [(410, 100, 58, 88)]
    under = join(
        rect(410, 100, 58, 88, GRASS, stroke=None),
        *[tree(x, y, 7) for x, y in ((422, 112), (450, 114), (436, 134), (420, 160), (455, 168), (440, 178))],
        rect(428, 146, 24, 16, GRAVEL, sw=0.8),
        house(430, 143, 20, 14, ROOF_RED, wall=WALL, door=False, windows=0),
    )
    town_map("Form4_Image1", rs, "Form4", reserved, under, seed=4)


def section2():
    rs = [
        (0, 168, 468, 12),  # main street
        (0, 252, 330, 13),
        (14, 0, 10, 168), (14, 180, 10, 72),
        (184, 0, 12, 300),
        (0, 78, 468, 10),
        (100, 0, 9, 168),
        (270, 0, 9, 300),
        (400, 0, 10, 300),
        (356, 252, 112, 13),
    ]
    reserved = [(196, 88, 74, 80), (318, 0, 50, 300)]
    under = join(
        # the shrine with its red gate and wood
        rect(196, 88, 74, 80, GRASS, stroke=None),
        *[tree(x, y, 6) for x, y in ((206, 98), (260, 98), (204, 156), (262, 156), (233, 96))],
        rect(220, 110, 26, 20, GRAVEL, sw=0.8),
        house(222, 108, 22, 18, ROOF_RED, wall=WALL, door=False, windows=0),
        rect(230, 130, 6, 38, GRAVEL, stroke=None),
        line(226, 146, 240, 146, RED, 2.5), line(225, 143, 241, 143, RED, 2.2),
        line(228, 143, 228, 152, RED, 1.6), line(238, 143, 238, 152, RED, 1.6),
        # the river
        rect(318, 0, 50, 300, GRASS, stroke=None),
        river([(343, 0), (338, 100), (348, 200), (342, 300)], 26),
    )
    # the main streets cross the river on bridges with railings
    over = join(*[join(line(322, y - 1.5, 364, y - 1.5, INK, 1.2), line(322, y + h + 1.5, 364, y + h + 1.5, INK, 1.2))
                  for y, h in ((168, 12), (78, 10), (252, 13))])
    rs.append((318, 252, 50, 13))
    town_map("Form5_Image1", rs, "Form5", reserved, under, over, seed=5)


def section3():
    rs = [
        (0, 26, 468, 10),
        (0, 124, 468, 12),  # main street
        (200, 0, 10, 252),
        (292, 0, 10, 272),
        (366, 0, 12, 272),
        (418, 36, 10, 236),
        (0, 214, 418, 10),
        (90, 36, 10, 236),
        (0, 262, 130, 10), (230, 262, 238, 10),
    ]
    # the railway along the south, with the station and its square
    reserved = [(0, 274, 468, 26), (130, 250, 100, 24)]
    under = join(
        rect(0, 274, W, 26, "#d3d6c8", stroke=None),
        line(0, 274.5, W, 274.5, INK, 1),
        rect(130, 252, 100, 22, PAVED, sw=0.8),
        rect(120, 278, 120, 6, "#f0e9d8", sw=0.8),
        railway(0, 291, W, 291),
        flat_building(150, 254, 60, 20, ROOF_BLUE, wall=WALL, rows=1),
        tree(138, 262, 5), tree(222, 262, 5),
    )
    town_map("Form6_Image1", rs, "Form6", reserved, under, seed=6)


def section4():
    rs = [
        (0, 124, 468, 14),  # main street
        (16, 0, 10, 300),
        (136, 0, 12, 300),
        (0, 216, 136, 10),
        (148, 216, 120, 10),
        (0, 284, 468, 10),
        (0, 50, 468, 10),
        (268, 60, 10, 224),
        (440, 0, 10, 300),
    ]
    # the school with its sports ground
    reserved = [(284, 144, 150, 136)]
    under = join(
        rect(284, 144, 150, 136, "#e8d7ae", sw=0.8),
        rect(292, 150, 60, 30, "#e6ebf2", sw=1),
        flat_building(292, 150, 134, 36, "#dfe3ea", wall=WALL, rows=2),
        rect(300, 196, 118, 76, "#d9b77c", sw=0.8, rx=30),
        rect(312, 206, 94, 56, "#e8cf9e", stroke=ROAD_LINE, sw=1.5, rx=24),
        rect(330, 222, 58, 24, GRASS, sw=0.6, rx=10),
        *[tree(x, y, 4) for x in (290, 428) for y in (200, 222, 244, 266)],
    )
    town_map("Form7_Image1", rs, "Form7", reserved, under, seed=7)


def section5():
    rs = [
        (0, 194, 468, 12),  # main street
        (0, 274, 468, 12),
        (230, 0, 12, 300),
        (422, 0, 10, 194), (422, 206, 10, 68),
        (0, 96, 230, 10), (242, 90, 180, 10),
        (110, 0, 9, 194), (110, 206, 9, 68),
        (40, 206, 9, 94),
    ]
    # green around the water park, and a pond garden to the north
    reserved = [(242, 206, 180, 68), (300, 110, 110, 76)]
    under = join(
        rect(242, 206, 180, 68, GRASS, stroke=None),
        *[tree(x, y, 4.5) for x in (249, 419) for y in (214, 230, 246, 262)],
        rect(300, 110, 110, 76, GRASS, stroke=None),
        ellipse(355, 148, 40, 24, WATER, sw=1),
        ellipse(345, 142, 10, 4, "#9ad6f5", stroke=None),
        *[tree(x, y, 6) for x, y in ((308, 118), (402, 120), (306, 178), (404, 178))],
    )
    town_map("Form8_Image1", rs, "Form8", reserved, under, seed=8)


def section6():
    rs = [
        (0, 24, 468, 10),
        (26, 34, 9, 58),
        (0, 92, 468, 12),  # main street
        (118, 0, 12, 300),
        (0, 214, 468, 10),
        (312, 104, 10, 196),
        (210, 224, 9, 76),
        (400, 34, 10, 58),
        (0, 270, 118, 9),
    ]
    # the temple beside the cemetery, and wooded hills to the east
    reserved = [(208, 110, 98, 100), (322, 104, 146, 110)]
    under = join(
        rect(208, 108, 100, 102, GRAVEL, stroke=None),
        temple(214, 120, 62, 46),
        rect(238, 166, 12, 44, "#ece7da", stroke=None),
        *[tree(x, y, 6) for x, y in ((290, 120), (290, 150), (292, 190), (220, 190), (260, 196))],
        rect(322, 104, 146, 110, GRASS_DARK, stroke=None),
        *[tree(x, y, 8, "#4f8f4a") for x in range(332, 468, 18) for y in range(116, 214, 20)],
    )
    town_map("Form9_Image1", rs, "Form9", reserved, under, seed=9)


def police_area():
    """The wider area: trunk roads, a river, the railway, the police station and the city hall."""
    rs = [
        (0, 150, 468, 16),  # trunk road
        (250, 0, 16, 300),  # trunk road
        (0, 70, 250, 10), (266, 110, 202, 10),
        (120, 0, 10, 150), (120, 166, 10, 134),
        (380, 0, 10, 300),
        (0, 244, 250, 10),
        (266, 238, 202, 10),
    ]
    ph = (140, 172, 78, 40)  # police station ground
    ch = (282, 20, 93, 88)  # city hall ground
    labels = [(152, 216, 54, 14), (288, 48, 81, 16)]
    reserved = [ph, ch, (0, 190, 110, 50), (430, 0, 38, 300), (0, 130, W, 18)] + labels
    under = join(
        # the river to the east
        rect(430, 0, 38, 300, GRASS, stroke=None),
        river([(452, 0), (446, 120), (456, 300)], 18),
        # rice fields
        *[rect(4 + c * 36, 194 + r * 22, 32, 18, "#b8dc8a", sw=0.8) for c in range(3) for r in range(2)],
        rect(0, 132, W, 14, "#d3d6c8", stroke=None),
        railway(0, 139, W, 139),
        # the police station: a blue-roofed block with a patrol car
        rect(*ph, PAVED, stroke=None),
        flat_building(158, 174, 42, 28, POLICE_BLUE, wall=WALL, rows=1),
        circle(179, 181, 4, YELLOW, sw=0.7),
        car(203, 184, COW_WHITE, vertical=True), rect(204, 184, 5, 3, COW_BLACK, stroke=None),
        # the city hall: a wide civic building with a clock tower and a flag
        rect(*ch, PAVED, stroke=None),
        *[tree(x, y, 4.5) for x, y in ((288, 28), (368, 28), (288, 98), (368, 98))],
        flat_building(294, 68, 66, 36, "#d8cdb8", wall=WALL, rows=2),
        circle(327, 76, 4.5, ROAD_LINE, sw=0.7),
        line(327, 76, 327, 73, INK, 0.6), line(327, 76, 329.5, 76, INK, 0.6),
        line(327, 22, 327, 45, INK, 0.8), rect(327.5, 22, 9, 5.5, RED, sw=0.5),
    )
    over = join(*[group(PLACES[f"Form10_{i}"][0](), *SPOTS["Form10"][i]) for i in ("Image2", "Image3")])
    body = join(
        rect(0, 0, W, H, BLOCK, stroke=None),
        under,
        roads(rs),
        filler(list(rs) + reserved, 10, pitch=(15, 14), size=(11, 10), trees=0.15),
        over,
    )
    # smaller houses for the wider view, under the same names as the street maps' ones
    small = join(
        f'<g id="h1">{house(0, 0, 11, 10, ROOF_RED)}</g>',
        f'<g id="h2">{house(0, 0, 11, 10, ROOF_BLUE)}</g>',
        f'<g id="h3">{house(0, 0, 11, 10, ROOF_GREEN)}</g>',
        f'<g id="h4">{house(0, 0, 11, 10, ROOF_ORANGE)}</g>',
        f'<g id="h5">{house(0, 0, 11, 10, "#a0785a")}</g>',
        f'<g id="ap">{flat_building(0, 0, 11, 10, WALL_GREY, rows=1, door=False)}</g>',
        f'<g id="tr">{tree(0, 0, 3.5)}</g>',
    )
    style.write("Form10_Image1", W, H, body, small)


# ---------------------------------------------------------------------------------------------
# Move icons: a small piece of each section with its landmark and its number


def badge(x, y, num):
    return join(circle(x, y, 6, YELLOW, sw=0.8), text(x, y + 3.3, str(num), 9))


def icon(name, w, h, num, body, bx=None, by=None):
    frame = rect(0.5, 0.5, w - 1, h - 1, "none", stroke=INK, sw=1)
    style.write(name, w, h, join(rect(0, 0, w, h, BLOCK, stroke=None), body, frame,
                                 badge(bx if bx else w - 7.5, by if by else 7.5, num)))


def icon_roads(rs, w, h):
    """Roads for an icon, already clipped to the icon."""
    out = []
    for x, y, rw, rh in rs:
        x2, y2 = min(w, x + rw), min(h, y + rh)
        x, y = max(0, x), max(0, y)
        out.append((x, y, x2 - x, y2 - y))
    return roads(out, centre=99)


def icons():
    # On screen the icons overlap along a diagonal: each one hides the top-left corner of the one
    # behind it, so every landmark and number sits in the part that stays in view.

    # section 1: the big store and its parking lot by the main street
    icon("Form4_Image8", 68, 65, 1, join(
        icon_roads([(0, 5, 68, 7), (12, 12, 7, 53)], 68, 65),
        group(p_big_store(), 21, 15, 0.28),
        house(1, 16, 10, 9, ROOF_RED, windows=0, door=False),
        house(1, 30, 10, 9, ROOF_BLUE, windows=0, door=False),
    ), bx=8, by=56)
    # section 2: ガブリン's house by the river and its bridge
    icon("Form4_Image9", 65, 60, 2, join(
        rect(40, 0, 25, 60, GRASS, stroke=None),
        river([(53, 0), (49, 30), (55, 60)], 14),
        icon_roads([(0, 26, 65, 7)], 65, 60),
        line(41, 24.5, 63, 24.5, INK, 1), line(41, 34.5, 63, 34.5, INK, 1),
        house(2, 4, 12, 11, ROOF_GREEN, windows=0),
        house(20, 4, 12, 11, ROOF_ORANGE, windows=0),
        group(p_gabrin(), 21, 36, 0.85),
        group(p_bottle_house(20, 24, ROOF_BLUE, 10), 2, 36),
    ), bx=57, by=8)
    # section 3: the restaurant and the office by the railway
    icon("Form4_Image10", 59, 52, 3, join(
        icon_roads([(0, 14, 59, 7), (21, 21, 7, 22)], 59, 52),
        rect(0, 43, 59, 9, "#d3d6c8", stroke=None),
        railway(0, 48, 59, 48),
        house(2, 1, 11, 10, ROOF_BLUE, windows=0),
        house(29, 1, 11, 10, ROOF_RED, windows=0),
        group(p_office(), 2, 22, 0.6),
        group(p_restaurant(), 31, 22, 0.78),
    ), bx=51, by=7.5)
    # section 4: the drugstore and the school ground
    icon("Form4_Image11", 57, 54, 4, join(
        icon_roads([(0, 20, 57, 6), (20, 26, 6, 28)], 57, 54),
        rect(30, 0, 27, 20, "#d9b77c", stroke=None),
        rect(33, 3, 24, 14, "#e8cf9e", stroke=ROAD_LINE, sw=1, rx=6),
        rect(38, 7, 19, 6, GRASS, stroke=None, rx=3),
        house(2, 4, 11, 10, ROOF_GREEN, windows=0),
        house(15, 4, 11, 10, ROOF_RED, windows=0),
        group(p_drugstore(), 28, 28, 0.5),
        house(3, 27, 11, 9, ROOF_ORANGE, windows=0),
    ), bx=8, by=46.5)
    # section 6: the temple and its cemetery (a wide, low icon)
    icon("Form4_Image12", 57, 37, 6, join(
        icon_roads([(0, 17, 33, 6), (33, 0, 6, 37)], 57, 37),
        temple(15, 2, 16, 13),
        rect(40, 2, 16, 34, GRAVEL, stroke=STONE, sw=1),
        *[join(rect(x, y, 3.4, 4.4, "#9a9ca8", sw=0.5), rect(x - 0.8, y + 4.4, 5, 1.2, "#c4c6cd", stroke=None))
          for x in (42.5, 50) for y in (4, 10.5, 17, 23.5, 30)],
        tree(5, 30, 3.5), tree(14, 30, 3.5),
    ), bx=8, by=8)
    # section 5: the park with its water spot (in front of all the others)
    icon("Form4_Image13", 47, 47, 5, join(
        icon_roads([(0, 6, 47, 6), (0, 40, 47, 7)], 47, 47),
        rect(0, 12, 47, 28, GRASS, stroke=None),
        path("M0 30 C12 26 20 34 30 30 S40 27 47 29", stroke="#e8dcc0", sw=4),
        circle(22, 22, 7, "#d8d2c4", sw=0.8),
        circle(22, 22, 5, WATER, sw=0.6),
        tree(6, 18, 4), tree(39, 19, 4), tree(10, 35, 3),
    ), bx=39, by=35)


# ---------------------------------------------------------------------------------------------


def main():
    for name, (fn, w, h) in PLACES.items():
        style.write(name, w, h, fn())
    section1()
    section2()
    section3()
    section4()
    section5()
    section6()
    police_area()
    icons()


if __name__ == "__main__":
    main()
