#!/usr/bin/env python3
"""Scene pictures of ドカスカ2: title photo, shops, battles, bomb test, mini-games, ending.

Run with python3 from anywhere; writes every scene picture into assets/.
The town maps and their places are drawn by tools/art/maps (not here).
Everything shares the palette and モーリン's head from style.py.
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import style  # noqa: E402
from style import (  # noqa: E402
    INK, PAPER, SKY, GRASS, GRASS_DARK, ROAD, ROAD_LINE, WATER, ROOF_RED, ROOF_BLUE,
    ROOF_GREEN, ROOF_ORANGE, WALL, WALL_GREY, WOOD, STONE, SKIN, COW_WHITE, COW_BLACK,
    COW_PINK, RED, YELLOW, BROWN, POLICE_BLUE, LINE, LINE_THIN, FONT_GOTHIC, FONT_MINCHO,
)

SOIL = "#9a6a3c"
SOIL_DARK = "#7a5230"
DARK = "#3a3a48"
SUIT = "#3b3f55"
GLASS = "#d7f0ff"
NIGHT = "#2a2f5a"
WHITE = "#ffffff"
BLACK = "#000000"


# ---------------------------------------------------------------- small writers

def f(v):
    """Short number text."""
    return f"{v:.2f}".rstrip("0").rstrip(".") if isinstance(v, float) else str(v)


def use(ref, x=0, y=0, s=1.0, sy=None, flip=False):
    sx = -s if flip else s
    sy = s if sy is None else sy
    return f'<use xlink:href="#{ref}" transform="translate({f(x)},{f(y)}) scale({f(sx)},{f(sy)})"/>'


def g(body, x=0, y=0, s=1.0, rot=0):
    t = f"translate({f(x)},{f(y)})"
    if rot:
        t += f" rotate({f(rot)})"
    if s != 1:
        t += f" scale({f(s)})"
    return f'<g transform="{t}">{body}</g>'


def rect(x, y, w, h, fill, lw=LINE, rx=0, stroke=INK):
    r = f' rx="{f(rx)}"' if rx else ""
    st = f' stroke="{stroke}" stroke-width="{f(lw)}"' if lw else ""
    return f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}"{r} fill="{fill}"{st}/>'


def circ(cx, cy, r, fill, lw=LINE, stroke=INK):
    st = f' stroke="{stroke}" stroke-width="{f(lw)}"' if lw else ""
    return f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" fill="{fill}"{st}/>'


def ell(cx, cy, rx, ry, fill, lw=LINE, stroke=INK, rot=0):
    st = f' stroke="{stroke}" stroke-width="{f(lw)}"' if lw else ""
    t = f' transform="rotate({f(rot)} {f(cx)} {f(cy)})"' if rot else ""
    return f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(ry)}" fill="{fill}"{st}{t}/>'


def path(d, fill, lw=LINE, stroke=INK, cap="round"):
    st = f' stroke="{stroke}" stroke-width="{f(lw)}" stroke-linejoin="round" stroke-linecap="{cap}"' if lw else ""
    return f'<path d="{d}" fill="{fill}"{st}/>'


def line(x1, y1, x2, y2, lw=LINE, stroke=INK):
    return (f'<line x1="{f(x1)}" y1="{f(y1)}" x2="{f(x2)}" y2="{f(y2)}" stroke="{stroke}" '
            f'stroke-width="{f(lw)}" stroke-linecap="round"/>')


def poly(pts, fill, lw=LINE, stroke=INK):
    p = " ".join(f"{f(x)},{f(y)}" for x, y in pts)
    st = f' stroke="{stroke}" stroke-width="{f(lw)}" stroke-linejoin="round"' if lw else ""
    return f'<polygon points="{p}" fill="{fill}"{st}/>'


def limb(pts, color, w, lw=LINE):
    """A rounded arm or leg: an ink stroke with the colour stroke inside it."""
    p = " ".join(f"{f(x)},{f(y)}" for x, y in pts)
    a = (f'<polyline points="{p}" fill="none" stroke="{INK}" stroke-width="{f(w + 2 * lw)}" '
         f'stroke-linecap="round" stroke-linejoin="round"/>')
    b = (f'<polyline points="{p}" fill="none" stroke="{color}" stroke-width="{f(w)}" '
         f'stroke-linecap="round" stroke-linejoin="round"/>')
    return a + b


def text(x, y, s, size, fill=INK, anchor="middle", weight="bold", font=FONT_GOTHIC, stroke=None, lw=0):
    st = f' stroke="{stroke}" stroke-width="{f(lw)}"' if stroke else ""
    return (f'<text x="{f(x)}" y="{f(y)}" font-family="{font}" font-size="{f(size)}" '
            f'font-weight="{weight}" text-anchor="{anchor}" fill="{fill}"{st}>{s}</text>')


def vgrad(ident, top, bottom):
    return (f'<linearGradient id="{ident}" x1="0" y1="0" x2="0" y2="1">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient>')


def sky(w, h, ident="sky", top="#8ccfff", bottom=SKY):
    return rect(0, 0, w, h, f"url(#{ident})", lw=0), vgrad(ident, top, bottom)


def cloud(x, y, s=1.0):
    return g(path("M-30,10 Q-34,-6 -16,-6 Q-12,-22 6,-18 Q18,-28 28,-12 Q44,-10 38,10 Z", WHITE, lw=2), x, y, s)


def sun(x, y, r):
    rays = "".join(line(x + (r + 5) * math.cos(a), y + (r + 5) * math.sin(a),
                        x + (r + 15) * math.cos(a), y + (r + 15) * math.sin(a), lw=3, stroke="#ffb000")
                   for a in (k * math.pi / 4 for k in range(8)))
    return rays + circ(x, y, r, YELLOW, lw=2)


def burst(cx, cy, r1, r2, n, fill, lw=LINE, stroke=INK, rot=0.0):
    pts = []
    for i in range(2 * n):
        a = math.pi * i / n + rot
        r = r1 if i % 2 == 0 else r2
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return poly(pts, fill, lw=lw, stroke=stroke)


def tree(x, y, s=1.0):
    return g(rect(-5, -30, 10, 30, WOOD, lw=2) + circ(0, -48, 26, GRASS_DARK, lw=2)
             + circ(-8, -54, 8, GRASS, lw=0), x, y, s)


# ---------------------------------------------------------------- characters
# Every full figure is drawn with its feet at (0, 0), about 200 units tall, facing the viewer.

def moorin_def(ident, arms="down"):
    """モーリン standing: cow body, the shared head on top."""
    if arms == "up":
        la, ra = [(-34, -120), (-58, -160), (-62, -190)], [(34, -120), (58, -160), (62, -190)]
        lh, rh = (-62, -194), (62, -194)
    elif arms == "wave":
        la, ra = [(-34, -120), (-52, -90), (-54, -66)], [(34, -120), (58, -160), (62, -190)]
        lh, rh = (-54, -62), (62, -194)
    else:
        la, ra = [(-34, -120), (-52, -90), (-54, -66)], [(34, -120), (52, -90), (54, -66)]
        lh, rh = (-54, -62), (54, -62)
    body = (
        path("M40,-70 Q70,-80 66,-110", "none", lw=3) + circ(66, -112, 5, COW_BLACK, lw=0)
        + limb([(-18, -50), (-18, -10)], COW_WHITE, 18) + limb([(18, -50), (18, -10)], COW_WHITE, 18)
        + rect(-29, -12, 22, 12, COW_BLACK, rx=4) + rect(7, -12, 22, 12, COW_BLACK, rx=4)
        + ell(0, -85, 44, 52, COW_WHITE, lw=3)
        + path("M-40,-100 Q-30,-120 -12,-112 Q-8,-92 -26,-86 Q-40,-86 -40,-100 Z", COW_BLACK, lw=0)
        + path("M10,-70 Q26,-82 38,-70 Q36,-52 20,-50 Q8,-56 10,-70 Z", COW_BLACK, lw=0)
        + ell(0, -72, 22, 20, COW_PINK, lw=2)
        + limb(la, COW_WHITE, 16) + limb(ra, COW_WHITE, 16)
        + circ(lh[0], lh[1], 9, COW_BLACK, lw=2) + circ(rh[0], rh[1], 9, COW_BLACK, lw=2)
        + use("moorin-head", -50, -222)
    )
    return f'<g id="{ident}">{body}</g>'


def face(lw, mood="smile"):
    """Eyes and mouth on a head of radius 26 centred at (0, 0)."""
    eyes = circ(-9, -2, 3, INK, lw=0) + circ(9, -2, 3, INK, lw=0)
    if mood == "smile":
        m = path("M-8,10 Q0,17 8,10", "none", lw=lw)
    elif mood == "grin":
        m = path("M-10,8 Q0,20 10,8 Z", WHITE, lw=lw)
    elif mood == "shock":
        m = ell(0, 12, 5, 6, INK, lw=0)
    else:
        m = path("M-8,13 Q0,8 8,13", "none", lw=lw)
    return eyes + m


def head_base(lw, skin=SKIN):
    return (ell(-26, 2, 5, 7, skin, lw=lw) + ell(26, 2, 5, 7, skin, lw=lw) + circ(0, 0, 26, skin, lw=lw))


def head_gentleman(lw=LINE):
    return (head_base(lw)
            + path("M-26,-4 Q-28,-18 -18,-20 L-18,-6 Z M26,-4 Q28,-18 18,-20 L18,-6 Z", "#9a9aa8", lw=lw)
            + rect(-22, -24, 44, 6, INK, lw=0) + rect(-16, -56, 32, 34, INK, lw=0, rx=2)
            + rect(-16, -32, 32, 6, RED, lw=0)
            + circ(-9, -3, 3, INK, lw=0) + circ(9, -3, 3, INK, lw=0)
            + circ(9, -3, 7, "none", lw=lw) + path("M16,-1 Q20,14 14,26", "none", lw=lw * 0.6, stroke="#c9a030")
            + path("M-16,12 Q-10,4 0,8 Q10,4 16,12 Q10,9 0,12 Q-10,9 -16,12 Z", "#5a4636", lw=lw * 0.6)
            + path("M-5,17 Q0,19 5,17", "none", lw=lw))


def head_boss(lw=LINE):
    return (head_base(lw, "#f3c99c")
            + path("M-26,-4 Q-30,-30 0,-34 Q30,-34 28,-6 Q22,-20 0,-20 Q-20,-22 -26,-4 Z", INK, lw=lw)
            + path("M-20,-8 L-2,-8 L-4,2 Q-12,6 -19,2 Z M2,-8 L20,-8 L19,2 Q12,6 4,2 Z", INK, lw=lw)
            + line(-2, -6, 2, -6, lw=lw) + path("M-10,13 L10,13", "none", lw=lw * 1.3)
            + path("M-14,20 Q0,28 14,20", "none", lw=lw * 0.6))


def head_gabrin(lw=LINE):
    return (head_base(lw)
            + path("M-28,-6 L-34,-22 L-22,-18 L-24,-36 L-10,-26 L-4,-42 L4,-28 L16,-40 L16,-24 L32,-28 "
                   "L26,-12 L28,-6 Q20,-22 0,-22 Q-20,-22 -28,-6 Z", ROOF_ORANGE, lw=lw)
            + rect(-24, -22, 48, 6, INK, lw=0)
            + circ(-10, -20, 8, GLASS, lw=lw) + circ(10, -20, 8, GLASS, lw=lw)
            + circ(-9, 0, 6, WHITE, lw=lw) + circ(9, 0, 6, WHITE, lw=lw) + line(-3, 0, 3, 0, lw=lw)
            + circ(-9, 0, 2.5, INK, lw=0) + circ(9, 0, 2.5, INK, lw=0)
            + path("M-8,12 Q0,19 8,12", "none", lw=lw))


def head_perorin(lw=LINE):
    hair = "#f07aa8"
    return (circ(-30, -2, 12, hair, lw=lw) + circ(30, -2, 12, hair, lw=lw)
            + circ(0, 0, 26, SKIN, lw=lw)
            + path("M-26,-2 Q-28,-28 0,-30 Q28,-28 26,-2 Q18,-16 8,-14 Q0,-22 -8,-14 Q-18,-16 -26,-2 Z", hair, lw=lw)
            + circ(-9, -1, 3.5, INK, lw=0) + circ(9, -1, 3.5, INK, lw=0)
            + ell(-15, 8, 4, 2.5, COW_PINK, lw=0) + ell(15, 8, 4, 2.5, COW_PINK, lw=0)
            + path("M-7,10 Q0,14 7,10", "none", lw=lw)
            + path("M-1,12 Q0,22 5,21 Q8,18 6,11", RED, lw=lw * 0.7))


def head_pokota(lw=LINE):
    fur = "#c08a50"
    return (circ(-20, -22, 9, fur, lw=lw) + circ(20, -22, 9, fur, lw=lw)
            + circ(-20, -22, 4, INK, lw=0) + circ(20, -22, 4, INK, lw=0)
            + circ(0, 0, 26, fur, lw=lw)
            + path("M-22,2 Q-16,-10 -4,-2 Q-6,10 -14,10 Q-22,10 -22,2 Z M22,2 Q16,-10 4,-2 Q6,10 14,10 Q22,10 22,2 Z", "#5a3a20", lw=0)
            + ell(0, 12, 12, 9, "#f4e2c8", lw=lw * 0.6)
            + circ(-10, 1, 3, WHITE, lw=0) + circ(10, 1, 3, WHITE, lw=0)
            + circ(-10, 1, 1.5, INK, lw=0) + circ(10, 1, 1.5, INK, lw=0)
            + ell(0, 8, 3.5, 2.5, INK, lw=0) + path("M-4,14 Q0,17 4,14", "none", lw=lw * 0.7))


def head_oldman(lw=LINE):
    return (head_base(lw, "#f2cfa5")
            + path("M-26,0 Q-30,-14 -22,-16 Q-18,-6 -24,6 Z M26,0 Q30,-14 22,-16 Q18,-6 24,6 Z", WHITE, lw=lw * 0.6)
            + path("M-28,-10 Q-28,-34 0,-36 Q28,-34 28,-10 Z", ROOF_GREEN, lw=lw)
            + path("M-30,-10 L30,-10 L36,-4 L-36,-4 Z", "#2f7a50", lw=lw)
            + path("M-14,-4 L-4,-2 M14,-4 L4,-2", "none", lw=lw * 1.6, stroke="#e8e8e8")
            + circ(-9, 2, 2.5, INK, lw=0) + circ(9, 2, 2.5, INK, lw=0)
            + path("M-20,8 Q-22,34 0,38 Q22,34 20,8 Q12,16 0,12 Q-12,16 -20,8 Z", WHITE, lw=lw * 0.7)
            + path("M-7,16 Q0,12 7,16", "none", lw=lw))


def head_officer(lw=LINE):
    return (head_base(lw)
            + path("M-24,-8 Q-24,-34 0,-36 Q26,-34 26,-8 Z", POLICE_BLUE, lw=lw)
            + path("M-28,-10 L28,-10 L22,-2 L-22,-2 Z", INK, lw=0)
            + circ(0, -22, 5, YELLOW, lw=lw * 0.6)
            + circ(-9, 4, 3, INK, lw=0) + circ(9, 4, 3, INK, lw=0)
            + path("M-7,15 Q0,12 7,15", "none", lw=lw))


def person_def(ident, head, shirt, pants, arms="down", tie=None, extra=""):
    """A standing person in the friendly style; head is one of the head_* drawings.

    arms is "down", "up", "wave", or (left arm points, right arm points, hand points).
    """
    if arms == "up":
        la, ra = [(-26, -124), (-44, -150), (-48, -176)], [(26, -124), (44, -150), (48, -176)]
        hands = [(-48, -178), (48, -178)]
    elif arms == "wave":
        la, ra = [(-26, -124), (-38, -96), (-40, -74)], [(26, -124), (44, -150), (48, -176)]
        hands = [(-40, -72), (48, -178)]
    elif arms == "down":
        la, ra = [(-26, -124), (-38, -96), (-40, -74)], [(26, -124), (38, -96), (40, -74)]
        hands = [(-40, -72), (40, -72)]
    else:
        la, ra, hands = arms
    body = (
        limb([(-12, -70), (-13, -10)], pants, 15) + limb([(12, -70), (13, -10)], pants, 15)
        + ell(-16, -6, 13, 7, INK, lw=0) + ell(16, -6, 13, 7, INK, lw=0)
        + path("M-30,-66 L-28,-126 Q0,-138 28,-126 L30,-66 Z", shirt, lw=LINE)
        + (path("M-4,-130 L4,-130 L6,-104 L0,-96 L-6,-104 Z", tie, lw=1.5) if tie else "")
        + limb(la, shirt, 13) + limb(ra, shirt, 13)
        + "".join(circ(x, y, 7, SKIN, lw=LINE) for x, y in hands)
        + g(head, 0, -160)
        + extra
    )
    return f'<g id="{ident}">{body}</g>'


def munya_def(ident="munya", mood="happy"):
    """ムニャ: a round, sleepy-eyed purple creature with two little feelers."""
    fur, belly = "#a884e0", "#e6dbff"
    if mood == "happy":
        eyes = path("M-30,-92 Q-22,-102 -14,-92 M14,-92 Q22,-102 30,-92", "none", lw=3)
        mouth = path("M-12,-74 Q0,-60 12,-74 Z", RED, lw=2.5)
    else:
        eyes = path("M-30,-94 L-14,-94 M14,-94 L30,-94", "none", lw=3)
        mouth = path("M-6,-74 Q0,-70 6,-74", "none", lw=2.5)
    body = (
        path("M-18,-140 Q-30,-170 -40,-172", "none", lw=3) + circ(-40, -172, 7, YELLOW, lw=2)
        + path("M18,-140 Q30,-170 40,-172", "none", lw=3) + circ(40, -172, 7, YELLOW, lw=2)
        + ell(-22, -6, 18, 9, fur, lw=2.5) + ell(22, -6, 18, 9, fur, lw=2.5)
        + ell(0, -72, 60, 68, fur, lw=3)
        + ell(0, -52, 36, 36, belly, lw=0)
        + ell(-58, -74, 12, 18, fur, lw=2.5, rot=20) + ell(58, -74, 12, 18, fur, lw=2.5, rot=-20)
        + eyes + mouth
        + ell(-34, -80, 7, 4, COW_PINK, lw=0) + ell(34, -80, 7, 4, COW_PINK, lw=0)
    )
    return f'<g id="{ident}">{body}</g>'


def ghost_def(ident="ghost", lw=2.5):
    """The cemetery ghost: white sheet body, triangle headband, wavy tail. Box 100 x 170, top-left origin."""
    return f'''<g id="{ident}">
{path("M50,6 Q92,6 92,56 L92,112 Q90,140 72,150 Q60,158 62,168 Q38,160 40,146 Q20,142 14,124 Q8,104 8,56 Q8,6 50,6 Z", "#f4f8ff", lw=lw)}
{path("M30,20 L70,20 L50,34 Z", WHITE, lw=lw * 0.8)}
{path("M20,22 Q50,12 80,22", "none", lw=lw * 0.8)}
{path("M30,54 Q36,60 42,54 M58,54 Q64,60 70,54", "none", lw=lw)}
{ell(50, 76, 7, 9, INK, lw=0)}
{ell(28, 68, 5, 3, "#c9d8ff", lw=0)}{ell(72, 68, 5, 3, "#c9d8ff", lw=0)}
{path("M8,80 Q-2,96 4,106 M92,80 Q100,92 96,104", "none", lw=lw)}
{path("M4,106 L-2,110 M96,104 L102,108", "none", lw=lw)}
</g>'''


def bottle(x, y, s=1.0, fill="#dff4ff", cap=ROOF_BLUE, lw=LINE, label=RED):
    """A plastic drink bottle, base at (x, y), about 90 units tall."""
    b = (path("M-14,0 Q-18,0 -18,-6 L-18,-52 Q-18,-62 -8,-70 L-8,-78 L8,-78 L8,-70 Q18,-62 18,-52 L18,-6 Q18,0 14,0 Z", fill, lw=lw)
         + rect(-9, -88, 18, 11, cap, lw=lw, rx=2)
         + rect(-18, -44, 36, 16, label, lw=lw)
         + path("M-10,-60 L-10,-50", "none", lw=lw, stroke=WHITE))
    return g(b, x, y, s)


# ---------------------------------------------------------------- buildings and ground

def house(x, y, w, h, wall, roof, door=WOOD, s=1.0):
    """A small Japanese house with a gable roof; (x, y) is the left end of the floor line."""
    rh = h * 0.55
    b = (rect(0, -h, w, h, wall)
         + poly([(-w * 0.1, -h), (w * 0.5, -h - rh), (w * 1.1, -h)], roof)
         + rect(w * 0.4, -h * 0.6, w * 0.2, h * 0.6, door)
         + rect(w * 0.1, -h * 0.7, w * 0.2, h * 0.3, GLASS) + line(w * 0.2, -h * 0.7, w * 0.2, -h * 0.4, lw=1)
         + rect(w * 0.7, -h * 0.7, w * 0.2, h * 0.3, GLASS) + line(w * 0.8, -h * 0.7, w * 0.8, -h * 0.4, lw=1))
    return g(b, x, y, s)


def window_grid(x, y, cols, rows, ww, wh, gap_x, gap_y, fill=GLASS, lw=LINE):
    out = []
    for r in range(rows):
        for c in range(cols):
            out.append(rect(x + c * (ww + gap_x), y + r * (wh + gap_y), ww, wh, fill, lw=lw))
    return "".join(out)


def car(x, y, color, s=1.0, flip=False):
    b = (path("M-44,-10 L-44,-26 Q-42,-32 -34,-32 L-24,-32 L-14,-48 L18,-48 L30,-32 L40,-32 Q46,-30 46,-22 L46,-10 Z", color)
         + path("M-10,-44 L14,-44 L22,-32 L-18,-32 Z", GLASS, lw=1.5) + line(2, -44, 2, -32, lw=1.5)
         + circ(-26, -10, 9, DARK) + circ(28, -10, 9, DARK) + circ(-26, -10, 3, STONE, lw=0) + circ(28, -10, 3, STONE, lw=0))
    return f'<g transform="translate({f(x)},{f(y)}) scale({f(-s if flip else s)},{f(s)})">{b}</g>'


# ================================================================ pictures

def icon():
    body = rect(0, 0, 32, 32, "#bfe3ff", lw=0, rx=6) + use("moorin-head", 0.5, 1, 0.31)
    style.write("Form1_Icon", 32, 32, body, style.cow_head_def())


def title_photo():
    w, h = 266, 341
    bg, gr = sky(w, h, "sky", "#7cc4ff", "#e4f4ff")
    body = (bg + sun(218, 52, 20) + cloud(60, 60, 0.9) + cloud(150, 36, 0.6)
            + path(f"M0,210 Q80,180 150,206 Q210,226 {w},196 L{w},{h} L0,{h} Z", GRASS, lw=0)
            + path(f"M0,250 Q120,236 {w},254 L{w},{h} L0,{h} Z", GRASS_DARK, lw=0)
            + "".join(rect(12 + i * 44, 204 + (i % 2) * 3, 8, 50, WOOD, lw=1.5) for i in range(6))
            + rect(0, 214, w, 7, WOOD, lw=1.5) + rect(0, 234, w, 7, WOOD, lw=1.5)
            + tree(232, 218, 0.9)
            + use("moorin-wave", 133, 318, 1.12)
            + "".join(circ(x, y, 4, c, lw=1) + circ(x, y, 1.5, YELLOW, lw=0)
                      for x, y, c in ((30, 300, WHITE), (60, 322, COW_PINK), (220, 312, WHITE), (246, 290, COW_PINK)))
            + rect(3, 3, w - 6, h - 6, "none", lw=6, stroke=PAPER) + rect(0.5, 0.5, w - 1, h - 1, "none", lw=1))
    defs = gr + style.cow_head_def() + moorin_def("moorin-wave", "wave")
    style.write("Form1_Image1", w, h, body, defs)


def store():
    w, h = 400, 300
    bg, gr = sky(w, h)
    lot = ROAD
    body = (bg + cloud(60, 40, 0.8) + cloud(330, 30, 0.7)
            + rect(-2, 150, w + 4, h - 148, lot, lw=0)
            # the building
            + rect(40, 60, 320, 110, WALL) + rect(40, 50, 320, 18, ROOF_RED)
            + rect(120, 14, 160, 40, WHITE, rx=6) + text(200, 44, "知多店", 26, RED)
            + rect(60, 80, 80, 50, GLASS) + rect(260, 80, 80, 50, GLASS)
            + line(100, 80, 100, 130) + line(300, 80, 300, 130)
            + rect(160, 96, 80, 74, "#9fd8f0") + line(200, 96, 200, 170)
            + rect(150, 78, 100, 16, YELLOW, rx=3) + text(200, 91, "ドライアイスあります", 10.5, INK)
            + rect(40, 168, 320, 4, INK, lw=0)
            # car park: white bays, two cars, a sign
            + "".join(line(20 + i * 60, 200, 20 + i * 60, 262, lw=3, stroke=ROAD_LINE) for i in range(7))
            + line(20, 262, 380, 262, lw=3, stroke=ROAD_LINE)
            + car(110, 252, ROOF_BLUE, 0.9) + car(290, 252, YELLOW, 0.9, flip=True)
            + rect(362, 190, 6, 60, STONE, lw=1.5) + circ(365, 186, 16, ROOF_BLUE) + text(365, 194, "P", 22, WHITE)
            + rect(0, 280, w, 20, GRASS, lw=0) + line(0, 280, w, 280, lw=1.5)
            + tree(18, 190, 0.7))
    style.write("Form11_Image1", w, h, body, gr)


def gentleman_portrait():
    w, h = 247, 230
    bg = rect(0, 0, w, h, "#f4e6c8", lw=0) + "".join(
        rect(i * 30, 0, 15, h, "#efdcb8", lw=0) for i in range(9))
    bust = (path("M20,230 Q26,184 80,172 L167,172 Q221,184 227,230 Z", SUIT, lw=3)
            + path("M100,172 L123,210 L147,172 Z", WHITE, lw=2.5)
            + path("M112,176 L123,182 L134,176 L134,188 L123,182 L112,188 Z", RED, lw=2)
            + path("M80,172 L108,230 M167,172 L139,230", "none", lw=2.5)
            + circ(170, 204, 5, RED, lw=1.5) + path("M164,196 L176,196", "none", lw=2))
    body = (bg + bust + g(head_gentleman(1.2), 123, 122, 2.05)
            + rect(1, 1, w - 2, h - 2, "none", lw=2))
    style.write("Form13_Image1", w, h, body)


def head_goon(lw=LINE, hair=INK):
    return (head_base(lw)
            + path("M-26,-2 Q-28,-30 0,-30 Q28,-30 26,-2 Q20,-16 0,-16 Q-20,-16 -26,-2 Z", hair, lw=lw)
            + path("M-18,-6 L-3,-6 L-4,2 L-17,2 Z M3,-6 L18,-6 L17,2 L4,2 Z", INK, lw=lw * 0.6)
            + path("M-8,14 L8,12", "none", lw=lw))


def attack():
    """リンチ: two men hold the gentleman up by his arms."""
    w, h = 164, 141
    s = 0.58
    # the men's near arms reach up to the gentleman's raised hands
    grab = ([(-26, -124), (-38, -96), (-40, -74)], [(26, -124), (40, -150), (31, -181)], [(-40, -72), (31, -183)])
    defs = (person_def("gent-held", head_gentleman(), SUIT, SUIT, arms="up", tie=RED)
            + person_def("goon-a", head_goon(hair=INK), "#5a6a8a", INK, arms=grab)
            + person_def("goon-b", head_goon(hair=BROWN), "#8a4a4a", INK, arms=grab))
    body = (rect(0, 0, w, h, "#fff2c0", lw=0)
            + burst(82, 70, 80, 58, 14, "#ffe27a", lw=0)
            + use("gent-held", 82, 134, s)
            + use("goon-a", 36, 137, s) + use("goon-b", 128, 137, s, flip=True)
            + path("M70,40 L76,46 M94,40 L88,46", "none", lw=1.5)
            + burst(144, 22, 12, 6, 5, YELLOW, lw=1.2) + burst(22, 128, 10, 5, 5, YELLOW, lw=1.2)
            + text(4, 16, "リンチ！", 14, RED, anchor="start"))
    style.write("Form13_Picture2", w, h, body, defs)


def syringe():
    w, h = 264, 187
    body = (rect(0, 0, w, h, "#eaffea", lw=0)
            + circ(132, 94, 84, "#d2f5d2", lw=0)
            + g(
                rect(-78, -16, 140, 32, "#f4fbff", lw=3, rx=4)
                + rect(-30, -12, 88, 24, "#ff8fb0", lw=0)
                + "".join(line(-60 + i * 18, -16, -60 + i * 18, -6, lw=2) for i in range(7))
                + rect(-92, -26, 14, 52, WALL_GREY, lw=3, rx=3)
                + rect(-150, -6, 58, 12, WALL_GREY, lw=3)
                + rect(-162, -20, 12, 40, WALL_GREY, lw=3, rx=3)
                + rect(62, -8, 16, 16, WALL_GREY, lw=3)
                + line(78, 0, 128, 0, lw=5) + line(78, 0, 127, 0, lw=2, stroke="#e8ecf4")
                + path("M-70,-10 L40,-10", "none", lw=3, stroke=WHITE),
                136, 92, 0.86, rot=-24)
            + path("M226,26 Q232,14 238,26 Q238,34 232,34 Q226,34 226,26 Z", "#ff8fb0", lw=2)
            + text(196, 172, "よく効く！", 20, "#2f8a4a"))
    style.write("Form14_Image1", w, h, body)


def gabrin_house():
    w, h = 800, 600
    bg, gr = sky(w, h, "sky", "#78c0ff", "#dff1ff")
    body = (bg + sun(690, 90, 40) + cloud(130, 90, 1.6) + cloud(420, 60, 1.1)
            + rect(0, 430, w, 170, GRASS, lw=0) + rect(0, 500, w, 100, ROAD, lw=0) + line(0, 500, w, 500)
            # the house
            + rect(150, 230, 500, 210, WALL, lw=3)
            + poly([(120, 236), (400, 100), (680, 236)], ROOF_ORANGE, lw=3)
            + "".join(line(120 + i * 28, 236 - i * 13.6, 680 - i * 28, 236 - i * 13.6, lw=1.5, stroke="#c07818") for i in range(1, 9))
            + rect(520, 120, 40, 80, "#b0a090", lw=3) + ell(540, 96, 20, 12, "#dde", lw=0) + ell(560, 76, 16, 10, "#eef", lw=0)
            + window_grid(190, 280, 2, 1, 90, 70, 20, 0, lw=3)
            + line(235, 280, 235, 350, lw=2) + line(345, 280, 345, 350, lw=2)
            + rect(450, 300, 90, 140, WOOD, lw=3) + circ(525, 372, 5, YELLOW, lw=1.5)
            + rect(560, 280, 70, 70, GLASS, lw=3) + line(595, 280, 595, 350, lw=2)
            + rect(200, 380, 160, 60, WALL_GREY, lw=3)  # workbench by the wall
            + bottle(230, 378, 0.5) + bottle(262, 378, 0.5, cap=ROOF_GREEN) + bottle(294, 378, 0.5, label=YELLOW)
            + rect(316, 350, 36, 28, "#e9f6ff", lw=2) + ell(334, 346, 14, 5, "#f4fbff", lw=0)
            + rect(420, 250, 150, 36, WHITE, lw=3, rx=4) + text(495, 278, "ガブリン", 26, INK, font=FONT_MINCHO)
            # front yard
            + rect(0, 430, 140, 16, STONE, lw=2) + rect(660, 430, 140, 16, STONE, lw=2)
            + tree(70, 430, 1.5) + tree(730, 430, 1.3)
            + rect(460, 440, 70, 60, "#c9c3b4", lw=2)
            + "".join(circ(x, 470, 10, c, lw=1.5) for x, c in ((170, RED), (200, YELLOW), (600, COW_PINK), (630, RED)))
            + "".join(line(x, 470, x, 490, lw=2, stroke=GRASS_DARK) for x in (170, 200, 600, 630)))
    style.write("Form15_Image1", w, h, body, gr)


def field(mono=False):
    """The vegetable field with the bottle bomb; mono draws it in pure black and white only."""
    w, h = 800, 600
    if mono:
        C = dict(sky=WHITE, hill=WHITE, soil=WHITE, row=BLACK, leaf=WHITE, leaf2=BLACK, ink=BLACK,
                 bottle=WHITE, cap=BLACK, label=BLACK, fence=WHITE, grass=WHITE, cloud=WHITE, mist=WHITE)
    else:
        C = dict(sky=None, hill=GRASS, soil=SOIL, row=SOIL_DARK, leaf="#7ccf5a", leaf2=GRASS_DARK, ink=INK,
                 bottle="#dff4ff", cap=ROOF_BLUE, label=RED, fence=WOOD, grass=GRASS, cloud=WHITE, mist="#f4faff")
    ink = C["ink"]
    out, defs = [], ""
    if mono:
        out.append(rect(0, 0, w, h, WHITE, lw=0))
    else:
        bg, defs = sky(w, h, "sky", "#78c0ff", "#e8f6ff")
        out.append(bg)
        out.append(sun(120, 80, 36))
    out.append(g(path("M-30,10 Q-34,-6 -16,-6 Q-12,-22 6,-18 Q18,-28 28,-12 Q44,-10 38,10 Z", C["cloud"], lw=2, stroke=ink), 560, 80, 1.8))
    out.append(path("M0,220 Q200,170 420,210 Q620,240 800,190 L800,260 L0,260 Z", C["hill"], lw=2, stroke=ink))
    out.append(rect(-2, 230, w + 4, h - 228, C["soil"], lw=2, stroke=ink))
    # furrows run towards the viewer
    for i in range(-6, 15):
        x0 = 400 + i * 28
        x1 = 400 + i * 110
        out.append(path(f"M{x0},232 L{x1},600", "none", lw=3 if not mono else 2, stroke=C["row"]))
    # cabbages along the rows
    for r, (y, s) in enumerate(((268, 0.45), (318, 0.65), (390, 0.9), (490, 1.25))):
        n = 9 - r
        for k in range(n):
            cx = 400 + (k - (n - 1) / 2) * (90 * s + 40 * s) * 1.5
            if abs(cx - 400) < 70 * s and r >= 2:
                continue  # leave the spot of the bomb free
            out.append(g(ell(0, 0, 34, 24, C["leaf2"], lw=2, stroke=ink) + ell(0, -4, 22, 16, C["leaf"], lw=2, stroke=ink)
                         + path("M-10,-4 Q0,-12 10,-4", "none", lw=2, stroke=ink), cx, y, s))
    # the fence at the back
    for i in range(0, 17):
        out.append(rect(i * 50 + 10, 200 + (0 if i % 2 else 4), 8, 40, C["fence"], lw=1.5, stroke=ink))
    out.append(rect(0, 212, w, 6, C["fence"], lw=1.5, stroke=ink))
    # the bottle bomb stuck in the ground, dry-ice mist curling out
    out.append(ell(400, 470, 70, 18, C["row"], lw=2, stroke=ink))
    out.append(g(path("M-14,0 Q-18,0 -18,-6 L-18,-52 Q-18,-62 -8,-70 L-8,-78 L8,-78 L8,-70 Q18,-62 18,-52 L18,-6 Q18,0 14,0 Z", C["bottle"], lw=2, stroke=ink)
                 + rect(-9, -88, 18, 11, C["cap"], lw=2, stroke=ink, rx=2)
                 + rect(-18, -44, 36, 16, C["label"], lw=2, stroke=ink)
                 + ("" if mono else ell(0, -20, 12, 14, WHITE, lw=0))
                 + path("M-10,-60 L-10,-50", "none", lw=2, stroke=WHITE if not mono else ink),
                 400, 476, 2.0, rot=8))
    if not mono:
        out.append(path("M430,296 Q450,270 432,250 Q420,232 444,214", "none", lw=6, stroke=C["mist"]))
        out.append(path("M418,296 Q400,270 414,246", "none", lw=5, stroke=C["mist"]))
        out.append(rect(300, 530, 200, 44, WHITE, lw=2, rx=8) + text(400, 562, "シュー…", 26, INK))
    return out, defs


def field_pictures():
    out, defs = field(False)
    style.write("Form17_Image1", 800, 600, "".join(out), defs)
    out, _ = field(True)
    # the blast over the field: a white star edged in black, a black ring inside, flying clods
    # the blast over the field: a white star edged in black, a black star inside it, flying clods
    star = (burst(0, 0, 300, 190, 16, WHITE, lw=5, stroke=BLACK, rot=0.1)
            + burst(0, 0, 235, 165, 16, BLACK, lw=0, rot=0.3)
            + burst(0, 0, 200, 150, 16, WHITE, lw=0, rot=0.1))
    clods = ((70, 80, 10), (720, 90, 40), (110, 540, 70), (700, 550, 20), (36, 300, 5), (770, 330, 60), (250, 40, 30), (560, 30, 80))
    blast = (f'<g transform="translate(400,320) scale(1.25,0.92)">{star}</g>'
             + text(400, 350, "ドカーン！！", 76, BLACK)
             + "".join(g(poly([(-16, -9), (12, -16), (18, 7), (-7, 16)], BLACK, lw=0), x, y, 1, rot=a) for x, y, a in clods))
    style.write("Form17_Image2", 800, 600, "".join(out) + blast)


def rifle_man():
    w, h = 669, 287
    bg, gr = sky(w, h, "sky", "#8ccfff", "#e6f5ff")
    shop = (rect(250, 70, 380, 190, WALL, lw=3)
            + poly([(236, 74), (440, 20), (644, 74)], ROOF_BLUE, lw=3)
            + rect(300, 56, 280, 40, WHITE, lw=3, rx=4) + text(440, 86, "ラピタ商店", 28, INK, font=FONT_MINCHO)
            + "".join(path(f"M{270 + i * 34},110 L{304 + i * 34},110 L{304 + i * 34},124 Q{287 + i * 34},134 {270 + i * 34},124 Z",
                           RED if i % 2 == 0 else WHITE, lw=2) for i in range(10))
            + rect(280, 136, 130, 124, "#a8dcef", lw=3) + line(345, 136, 345, 260, lw=2)
            + rect(450, 136, 150, 80, GLASS, lw=3)
            + "".join(rect(458 + i * 36, 176, 28, 40, c, lw=2) for i, c in enumerate((ROOF_ORANGE, GRASS, YELLOW, RED)))
            + "".join(circ(466 + i * 36, 166, 8, c, lw=1.5) for i, c in enumerate((GRASS, RED, ROOF_ORANGE, "#a070e0")))
            + rect(440, 216, 170, 44, WOOD, lw=3))
    rifle = g(rect(-10, -6, 80, 12, WOOD, lw=2.5, rx=3) + rect(60, -4, 120, 7, DARK, lw=2.5)
              + rect(168, -7, 8, 5, DARK, lw=1.5) + rect(30, 4, 12, 10, DARK, lw=2), 0, 0)
    body = (bg + cloud(80, 40, 0.9) + cloud(600, 36, 0.7)
            + rect(0, 250, w, 40, GRASS, lw=0) + line(0, 250, w, 250, lw=2)
            + shop + tree(40, 256, 1.2)
            + use("oldman", 170, 276, 1.18)
            + g(rifle, 128, 160, 0.95, rot=-28)
            + circ(146, 150, 9, SKIN, lw=2) + circ(198, 124, 9, SKIN, lw=2)
            + path("M98,52 L112,64 M90,70 L106,74 M106,38 L116,54", "none", lw=3, stroke=RED))
    # his arms carry the rifle across the chest
    carry = ([(-26, -124), (-34, -100), (-20, -94)], [(26, -124), (34, -110), (24, -130)], [])
    defs = gr + person_def("oldman", head_oldman(), "#6f8f4f", "#4a5f8a", arms=carry,
                           extra=path("M-24,-126 L-22,-68 M24,-126 L22,-68", "none", lw=5, stroke="#c89a50"))
    style.write("Form18_Image1", w, h, body, defs)


def police_station_body(w=362, h=498):
    bg, gr = sky(w, h, "sky", "#6fb6f4", "#e2f2ff")
    b = (bg + cloud(70, 60, 1.0) + cloud(280, 100, 0.8)
         + rect(0, 420, w, 80, ROAD, lw=0) + line(0, 420, w, 420, lw=2)
         + rect(24, 170, 314, 252, WALL_GREY, lw=3)
         + rect(14, 160, 334, 16, STONE, lw=3)
         + rect(130, 96, 102, 70, WALL_GREY, lw=3) + rect(124, 88, 114, 12, STONE, lw=3)
         + circ(181, 130, 20, WHITE, lw=3) + line(181, 130, 181, 116, lw=2.5) + line(181, 130, 192, 134, lw=2.5)
         + line(300, 160, 300, 40, lw=3) + path("M300,44 L344,52 L300,64 Z", WHITE, lw=2) + circ(314, 54, 5, RED, lw=0)
         + rect(96, 188, 170, 40, WHITE, lw=3, rx=4) + text(181, 220, "警察署", 30, INK, font=FONT_MINCHO)
         + window_grid(40, 244, 2, 2, 40, 40, 14, 20, lw=2.5)
         + window_grid(228, 244, 2, 2, 40, 40, 14, 20, lw=2.5)
         + rect(144, 318, 74, 104, "#86b8e0", lw=3) + line(181, 318, 181, 422, lw=2.5)
         + rect(136, 300, 90, 14, POLICE_BLUE, lw=2.5)
         + rect(176, 282, 10, 18, INK, lw=0) + circ(181, 278, 9, RED, lw=2.5)
         + rect(120, 422, 122, 10, STONE, lw=2) + rect(110, 432, 142, 10, STONE, lw=2)
         + tree(30, 440, 1.0) + tree(334, 446, 1.1)
         + car(86, 478, WHITE, 0.9))
    b += path("M52,454 L120,454", "none", lw=8, stroke=INK)  # the patrol car's black skirt
    return b, gr


def police_station():
    body, gr = police_station_body()
    style.write("Form19_Image1", 362, 498, body, gr)


def trash_can():
    w, h = 69, 70
    body = (ell(34.5, 64, 24, 4, "#c8c8d0", lw=0)
            + path("M12,18 L57,18 L52,64 L17,64 Z", "#9aa7b8", lw=1.5)
            + "".join(line(x1, 22, x2, 61, lw=1.2) for x1, x2 in ((24, 26), (34.5, 34.5), (45, 43)))
            + rect(7, 11, 55, 9, "#b9c4d2", lw=1.5, rx=3)
            + rect(26, 4, 17, 8, "#b9c4d2", lw=1.5, rx=3)
            + path("M16,22 L19,60", "none", lw=2, stroke=WHITE))
    style.write("Form21_Image1", w, h, body)


def ghost_pic():
    w, h = 56, 94
    body = use("ghost", 3, 2, 0.5, 0.54)
    style.write("Form22_Image1", w, h, body, ghost_def("ghost", lw=3.2))


def catching():
    W, H = 454, 477
    scene = (rect(0, 0, W, H, "url(#catch-sky)", lw=0)
             + "".join(line(227, 250, 227 + 400 * math.cos(a / 10), 250 + 400 * math.sin(a / 10),
                            lw=14, stroke="#ffffff") for a in range(0, 63, 5))
             + circ(227, 250, 120, "#fff6c8", lw=0)
             + path(f"M0,400 Q227,370 {W},400 L{W},{H} L0,{H} Z", GRASS, lw=3)
             + use("munya-happy", 227, 420, 1.7)
             # the LED he holds up: a red lamp with two legs, shining
             + g(burst(0, -16, 30, 18, 8, "#fff07a", lw=0)
                 + path("M-10,0 L-10,-16 Q-10,-32 0,-32 Q10,-32 10,-16 L10,0 Z", RED, lw=2.5)
                 + rect(-12, 0, 24, 6, STONE, lw=2) + line(-5, 6, -5, 24, lw=2.5) + line(5, 6, 5, 30, lw=2.5), 322, 256, 1.4)
             # the thrown ball flying in from the corner
             + g(circ(0, 0, 26, YELLOW, lw=3) + path("M-24,-10 Q0,-2 24,-10 L25,6 Q0,14 -25,6 Z", ROOF_GREEN, lw=2.5)
                 + burst(0, -16, 7, 3, 5, WHITE, lw=1.5) + circ(-10, -10, 4, WHITE, lw=0), 90, 110, rot=-20)
             + path("M40,70 L62,88 M30,100 L58,108 M48,46 L70,72", "none", lw=4, stroke="#ffffff")
             + text(227, 72, "それっ！", 46, RED, stroke=WHITE, lw=2))
    defs = (vgrad("catch-sky", "#ffb870", "#ffe9b0") + munya_def("munya-happy", "happy")
            + f'<g id="catch">{scene}</g>')
    for name, (w, h) in (("Form24_Image1", (454, 477)), ("Form24_Image2", (303, 318)),
                         ("Form24_Image3", (202, 212)), ("Form24_Image4", (114, 120))):
        style.write(name, w, h, use("catch", 0, 0, w / W, h / H), defs)


def crackers():
    w, h = 134, 140
    stages = (("#f6ecd2", "#e8dbb8", 0), ("#efd59c", "#dcbd7e", 0), ("#e2b56a", "#c8964e", 3),
              ("#c98a42", "#a86c30", 6), ("#9a5a26", "#7a421a", 10))
    for i, (c, c2, spots) in enumerate(stages, start=1):
        grill = "".join(line(x, 0, x, h, lw=3, stroke="#8c8c96") for x in range(8, w, 18)) + \
            "".join(line(0, y, w, y, lw=3, stroke="#8c8c96") for y in range(8, h, 18))
        body = (rect(0, 0, w, h, "#3a3038", lw=0)
                + rect(0, 0, w, h, "url(#ember)", lw=0)
                + grill
                + ell(67, 72, 56, 54, c, lw=2.5)
                + ell(67, 72, 46, 44, "none", lw=1.2, stroke=c2)
                + "".join(circ(67 + dx, 72 + dy, 2.2 + (k % 3), c2, lw=0)
                          for k, (dx, dy) in enumerate(((-20, -18), (14, -24), (22, 10), (-8, 20), (-28, 6), (4, -4),
                                                        (30, -6), (-14, 32), (18, 30), (-30, -26))[: 4 + spots]))
                + ("" if i < 4 else path("M40,50 Q60,40 80,48", "none", lw=3, stroke=c)))
        if i == 5:
            body += path("M40,18 Q34,8 42,2 M66,16 Q60,6 68,0 M92,18 Q86,8 94,2", "none", lw=2.5, stroke="#e8e8f0")
        defs = f'<radialGradient id="ember" cx="0.5" cy="1" r="0.9"><stop offset="0" stop-color="#ff7a2a"/><stop offset="1" stop-color="#3a3038"/></radialGradient>'
        style.write(f"Form25_Picture{i}", w, h, body, defs)


def climber(head_fill, arms_up, cap=False):
    """A stick figure hugging the pole that the game draws down the picture at x = 32."""
    px, lw, hy = 32, 3, 24
    if arms_up:
        # both hands grip the pole high above the head, knees pulled up
        arms = f"M{px},{hy + 11} L{px - 11},{hy - 4} L{px - 2},{hy - 16} M{px},{hy + 11} L{px + 11},{hy - 4} L{px + 2},{hy - 16}"
        legs = f"M{px},50 L{px - 13},56 L{px - 2},64 M{px},50 L{px + 13},56 L{px + 2},64"
    else:
        # hands at the chest, legs stretched down the pole
        arms = f"M{px},{hy + 11} L{px - 13},{hy + 20} L{px - 2},{hy + 24} M{px},{hy + 11} L{px + 13},{hy + 20} L{px + 2},{hy + 24}"
        legs = f"M{px},50 L{px - 10},60 L{px - 3},70 M{px},50 L{px + 10},60 L{px + 3},70"
    b = [path(arms, "none", lw=lw), line(px, hy + 8, px, 50, lw=lw), path(legs, "none", lw=lw),
         circ(px - 2, hy - 16, 2.5, INK, lw=0) if arms_up else "", circ(px + 2, hy - 16, 2.5, INK, lw=0) if arms_up else "",
         circ(px, hy, 9, head_fill, lw=2.2)]
    if cap:
        b.append(path(f"M{px - 9},{hy - 3} Q{px},{hy - 16} {px + 9},{hy - 3} Z", POLICE_BLUE, lw=1.8))
        b.append(line(px - 11, hy - 3, px + 11, hy - 3, lw=2))
    ey = hy + (1 if cap else 0)
    b.append(circ(px - 3, ey, 1.3, INK, lw=0) + circ(px + 3, ey, 1.3, INK, lw=0))
    return "".join(b)


def climbers():
    style.write("Form26_Image2", 73, 73, climber(WHITE, True))
    style.write("Form26_Image3", 73, 73, climber(WHITE, False))
    style.write("Form26_Image4", 73, 73, climber(RED, False, cap=True))
    style.write("Form26_Image5", 73, 73, climber(RED, True, cap=True))


def head_oyaji(lw=LINE):
    return (head_base(lw, "#f0c090")
            + path("M-26,-6 Q-28,-20 -20,-22 L-18,-8 Z M26,-6 Q28,-20 20,-22 L18,-8 Z", "#4a3a30", lw=lw * 0.7)
            + path("M-20,18 Q0,34 20,18 Q22,8 18,4 Q0,14 -18,4 Q-22,8 -20,18 Z", "#d6a878", lw=0)
            + path("M-18,-12 L-4,-6 M18,-12 L4,-6", "none", lw=lw * 2.2)
            + circ(-9, -1, 2.8, INK, lw=0) + circ(9, -1, 2.8, INK, lw=0)
            + path("M-3,2 L-4,9 L3,9", "none", lw=lw * 0.8)
            + path("M-9,16 Q0,12 9,16", "none", lw=lw * 1.2)
            + path("M-6,-24 Q-4,-20 -6,-16 M2,-25 Q4,-21 2,-17", "none", lw=lw * 0.6)
            + "".join(circ(x, y, 0.7, "#7a5a40", lw=0) for x, y in ((-12, 20), (-6, 24), (0, 25), (6, 24), (12, 20), (-9, 22), (9, 22), (-3, 21), (3, 21))))


def oyaji_portrait():
    w, h = 379, 484
    bg = (rect(0, 0, w, h, "#ffd0c0", lw=0)
          + burst(190, 220, 300, 200, 18, "#ffb8a0", lw=0))
    bust = (path("M10,484 Q20,360 110,330 L269,330 Q359,360 369,484 Z", "#5a5f6e", lw=4)
            + path("M160,330 L190,400 L220,330 Z", WHITE, lw=3)
            + path("M180,336 L200,336 L196,350 L206,420 L190,440 L174,420 L184,350 Z", "#b02a2a", lw=3)
            + path("M110,330 L170,470 M269,330 L210,470", "none", lw=3)
            + rect(230, 380, 60, 14, "#f5f0d0", lw=2.5) + text(260, 392, "市", 12, INK, font=FONT_MINCHO)
            + path("M60,400 Q80,440 70,484 M319,400 Q299,440 309,484", "none", lw=3))
    body = (bg + bust + g(head_oyaji(0.8), 190, 200, 5.0)
            + text(190, 470, "オヤジ", 30, WHITE, stroke=INK, lw=1.2))
    style.write("Form28_Image1", w, h, body)


def ending():
    w, h = 800, 600
    bg, gr = sky(w, h, "sky", "#1c2a6a", "#ffb07a")
    fireworks = "".join(
        "".join(line(cx, cy, cx + r * math.cos(a * 0.5236), cy + r * math.sin(a * 0.5236), lw=4, stroke=c)
                for a in range(12)) + circ(cx, cy, 6, WHITE, lw=0)
        for cx, cy, r, c in ((140, 110, 60, YELLOW), (650, 90, 70, COW_PINK), (420, 70, 44, "#9ff0ff"), (280, 170, 34, ROOF_ORANGE)))
    hall = (rect(230, 250, 340, 210, "#e8e2d2", lw=3) + poly([(210, 256), (400, 190), (590, 256)], STONE, lw=3)
            + window_grid(254, 290, 6, 2, 34, 40, 20, 30, lw=2.5)
            + rect(330, 200, 140, 34, WHITE, lw=3, rx=4) + text(400, 228, "市役所", 26, INK, font=FONT_MINCHO))
    body = (bg + fireworks + hall
            + rect(0, 450, w, 150, GRASS, lw=0) + line(0, 450, w, 450, lw=2)
            + path("M40,30 L760,30 L740,60 L760,90 L40,90 L60,60 Z", RED, lw=3)
            + text(400, 76, "任務完了！！", 46, WHITE)
            + use("moorin-up", 150, 560, 1.5) + use("boss-up", 650, 560, 1.5)
            + "".join(rect(x, y, 10, 6, c, lw=0) for x, y, c in ((90, 200, YELLOW), (720, 230, RED), (60, 330, ROOF_BLUE), (760, 360, GRASS),
                                                                  (230, 160, COW_PINK), (560, 150, YELLOW), (700, 180, ROOF_BLUE))))
    defs = gr + style.cow_head_def() + moorin_def("moorin-up", "up") + person_def("boss-up", head_boss(), "#7a3a8a", INK, arms="up", tie=YELLOW)
    style.write("Form29_Image1", w, h, body, defs)


def slide(n, title, sub, scene, defs="", top="#8ccfff", bottom=SKY):
    """One closing slide: a scene under a caption band and a line of text."""
    w, h = 800, 600
    bg, gr = sky(w, h, "sky", top, bottom)
    body = (bg + scene
            + rect(150, 22, 500, 64, WHITE, lw=3, rx=14) + text(400, 68, title, 38, INK)
            + rect(60, 520, 680, 56, "#2b2b3a", lw=0, rx=12)
            + rect(60, 520, 680, 56, "none", lw=3, rx=12, stroke=WHITE)
            + text(400, 559, sub, 28, WHITE))
    style.write(f"Form30_Image{n}", w, h, body, gr + defs)


def slides():
    head = style.cow_head_def()
    ground = rect(0, 400, 800, 200, GRASS, lw=0) + line(0, 400, 800, 400, lw=2)

    # 1 モーリン: back on the farm, napping in the sun
    s1 = (sun(680, 140, 40) + cloud(160, 150, 1.4)
          + path("M0,330 Q200,280 400,320 Q600,350 800,300 L800,400 L0,400 Z", GRASS_DARK, lw=2)
          + ground
          + house(520, 400, 180, 120, WALL, ROOF_RED)
          + "".join(rect(30 + i * 60, 366, 10, 46, WOOD, lw=2) for i in range(8)) + rect(20, 376, 460, 8, WOOD, lw=2)
          + use("moorin-down", 300, 500, 1.35)
          + "".join(circ(x, y, 7, c, lw=1.5) + circ(x, y, 2.5, YELLOW, lw=0)
                    for x, y, c in ((200, 470, WHITE), (430, 450, COW_PINK), (470, 490, WHITE), (620, 460, COW_PINK), (700, 490, WHITE)))
          + tree(110, 440, 1.4))
    slide(1, "モーリンのその後", "牧場にもどって、のんびり暮らしている。", s1,
          head + moorin_def("moorin-down", "down"))

    # 2 親分: running a little ramen stall
    s2 = (ground + rect(200, 180, 400, 240, "#c0402e", lw=3) + rect(180, 160, 440, 36, "#8a2a1e", lw=3)
          + "".join(rect(220 + i * 90, 196, 70, 60, WHITE, lw=2.5) for i in range(4))
          + text(255, 240, "ら", 38, "#c0402e", font=FONT_MINCHO) + text(345, 240, "ー", 38, "#c0402e", font=FONT_MINCHO)
          + text(435, 240, "め", 38, "#c0402e", font=FONT_MINCHO) + text(525, 240, "ん", 38, "#c0402e", font=FONT_MINCHO)
          + use("boss", 400, 480, 1.3)
          + rect(180, 330, 440, 24, WOOD, lw=3) + rect(200, 354, 400, 126, "#8a2a1e", lw=3)
          + ell(300, 322, 30, 10, WHITE, lw=2.5) + path("M300,300 Q296,290 302,282 M312,300 Q308,290 314,282", "none", lw=2, stroke=STONE))
    slide(2, "親分のその後", "足を洗って、ラーメン屋をはじめた。", s2,
          person_def("boss", head_boss(), "#7a3a8a", INK, tie=YELLOW))

    # 3 ジェントルマン: a waiter at the pasta restaurant
    s3 = (ground + rect(120, 150, 560, 260, WALL, lw=3) + rect(100, 130, 600, 30, ROOF_GREEN, lw=3)
          + rect(240, 90, 320, 50, WHITE, lw=3, rx=6) + text(400, 128, "パスタ", 34, ROOF_GREEN)
          + rect(160, 190, 120, 100, GLASS, lw=3) + rect(520, 190, 120, 100, GLASS, lw=3)
          + use("gent", 400, 470, 1.3)
          + g(ell(0, 0, 54, 14, WHITE, lw=3) + path("M-30,-6 Q-20,-30 0,-26 Q20,-30 30,-6 Z", "#f3c050", lw=2.5)
              + circ(-8, -16, 6, RED, lw=1.5) + circ(10, -14, 5, RED, lw=1.5), 470, 262))
    slide(3, "ジェントルマンのその後", "パスタ屋で、ていねいに働いている。", s3,
          person_def("gent", head_gentleman(), SUIT, SUIT, arms="wave", tie=RED))

    # 4 ガブリン: an honest inventor, making fireworks instead
    s4 = (ground + house(170, 400, 460, 220, WALL, ROOF_ORANGE)
          + "".join("".join(line(cx, cy, cx + 40 * math.cos(a * 0.785), cy + 40 * math.sin(a * 0.785), lw=4, stroke=c)
                            for a in range(8)) for cx, cy, c in ((120, 160, RED), (690, 170, YELLOW)))
          + use("gabrin", 400, 500, 1.3)
          + rect(470, 372, 60, 50, "#f0a0c0", lw=2.5) + line(500, 372, 500, 352, lw=2.5) + burst(500, 348, 9, 4, 5, YELLOW, lw=1))
    slide(4, "ガブリンのその後", "水爆はやめて、花火職人になった。", s4,
          person_def("gabrin", head_gabrin(), WHITE, "#4a5f8a", arms="wave"))

    # 5 ぺろりん: runs a candy shop
    s5 = (ground + rect(220, 170, 360, 240, "#ffe0ec", lw=3)
          + "".join(path(f"M{200 + i * 50},160 L{250 + i * 50},160 L{250 + i * 50},186 Q{225 + i * 50},200 {200 + i * 50},186 Z",
                         "#f07aa8" if i % 2 == 0 else WHITE, lw=2.5) for i in range(8))
          + rect(270, 110, 260, 44, WHITE, lw=3, rx=6) + text(400, 142, "あめ屋", 30, "#d04a80")
          + rect(240, 330, 320, 80, WOOD, lw=3)
          + "".join(circ(x, 318, 12, c, lw=2) + line(x, 330, x, 346, lw=2) for x, c in ((270, RED), (310, YELLOW), (490, ROOF_BLUE), (530, GRASS)))
          + use("perorin", 400, 470, 1.3))
    slide(5, "ぺろりんのその後", "あめ屋さんをひらいて、大はんじょう。", s5,
          person_def("perorin", head_perorin(), "#ffd23f", "#f07aa8", arms="wave"))

    # 6 ポコタ: off on his electric scooter, key found at last
    s6 = (rect(0, 400, 800, 200, ROAD, lw=0) + line(0, 400, 800, 400, lw=2)
          + "".join(rect(40 + i * 160, 470, 80, 10, WHITE, lw=0) for i in range(5))
          + tree(90, 400, 1.3) + tree(700, 400, 1.2) + house(520, 400, 140, 100, WALL, ROOF_BLUE)
          + path("M130,430 L210,430 M120,450 L200,450", "none", lw=4, stroke=WHITE)
          + g(line(60, -30, 80, -130, lw=6) + line(66, -130, 96, -130, lw=6) + rect(-60, -36, 130, 14, ROOF_GREEN, lw=3, rx=6)
              + circ(-48, -14, 18, DARK, lw=3) + circ(70, -14, 18, DARK, lw=3), 380, 490)
          + use("pokota", 380, 454, 1.1))
    slide(6, "ポコタのその後", "電動スクーターで町をかけまわっている。", s6,
          person_def("pokota", head_pokota(), ROOF_BLUE, "#c08a50",
                     arms=([(-26, -124), (-44, -150), (-48, -176)], [(26, -124), (44, -104), (60, -88)], [(-48, -178), (60, -88)])))

    # 7 ムニャ: sleeping happily under his LED lamp
    s7 = (ground + rect(120, 160, 560, 250, "#e9dcc4", lw=3)
          + rect(120, 360, 560, 50, WOOD, lw=3)
          + burst(230, 232, 44, 26, 10, "#fff07a", lw=0)
          + line(230, 160, 230, 200, lw=3) + g(path("M-10,0 L-10,-16 Q-10,-32 0,-32 Q10,-32 10,-16 L10,0 Z", RED, lw=2.5), 230, 200, 1.2, rot=180)
          + ell(400, 400, 180, 30, "#9fd8f0", lw=3)
          + use("munya-sleep", 400, 410, 1.3)
          + text(560, 250, "むにゃむにゃ…", 30, "#6a4ab0"))
    slide(7, "ムニャのその後", "LEDの明かりの下で、ぐっすり眠っている。", s7,
          munya_def("munya-sleep", "sleep"), top="#3a4a8a", bottom="#8a7ac0")

    # 8 the ghost: at peace, floating up to the stars
    stars = "".join(burst(x, y, 9, 4, 5, YELLOW, lw=0) for x, y in ((120, 140), (220, 220), (600, 130), (700, 240), (520, 200), (300, 120), (660, 360)))
    s8 = (stars + circ(150, 300, 50, "#fff6c8", lw=0) + circ(170, 290, 44, "#3a4a8a", lw=0)
          + path("M0,440 Q200,400 400,430 Q600,460 800,420 L800,600 L0,600 Z", "#2a3a5a", lw=0)
          + "".join(g(path("M-16,0 L-16,-50 Q0,-66 16,-50 L16,0 Z", STONE, lw=2.5) + line(-8, -40, 8, -40, lw=2), x, 470 - (i % 2) * 8)
                    for i, x in enumerate((90, 180, 620, 720)))
          + use("ghost-up", 320, 150, 1.6)
          + path("M300,420 Q330,400 360,420", "none", lw=0))
    slide(8, "幽霊のその後", "心のこりがなくなり、天国へのぼっていった。", s8,
          ghost_def("ghost-up"), top="#1c2450", bottom="#4a5a9a")


def main():
    icon()
    title_photo()
    store()
    gentleman_portrait()
    attack()
    syringe()
    gabrin_house()
    field_pictures()
    rifle_man()
    police_station()
    trash_can()
    ghost_pic()
    catching()
    crackers()
    climbers()
    oyaji_portrait()
    ending()
    slides()


if __name__ == "__main__":
    main()
