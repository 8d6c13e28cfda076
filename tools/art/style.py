"""Shared look of every picture of the game: palette, line weight, file writer, the hero's head.

Every generator in this folder imports this module so that the whole game reads as one work.
"""

import os

ASSETS = os.path.join(os.path.dirname(__file__), "..", "..", "assets")

# One palette for the whole game: soft, friendly flat colours with a dark ink outline.
INK = "#2b2b3a"  # outlines and lettering
PAPER = "#fffaf0"  # off-white
SKY = "#bfe3ff"
GRASS = "#8fd16a"
GRASS_DARK = "#5fae45"
ROAD = "#d9d4c7"
ROAD_LINE = "#ffffff"
BLOCK = "#efe6d2"  # town lots
WATER = "#6cc3f0"
ROOF_RED = "#e8604c"
ROOF_BLUE = "#4c7fe8"
ROOF_GREEN = "#3fa36b"
ROOF_ORANGE = "#f0a030"
WALL = "#fdf3dc"
WALL_GREY = "#c9ccd6"
WOOD = "#b57b45"
STONE = "#a7a9b4"
SKIN = "#ffe0bd"
COW_WHITE = "#ffffff"
COW_BLACK = "#26262e"
COW_PINK = "#f6a8b8"
RED = "#e23b3b"
YELLOW = "#ffd23f"
BROWN = "#8a5a2b"
POLICE_BLUE = "#2f4f9f"

# Line weights in pixels, scaled for small pictures by the caller where needed.
LINE = 2.0
LINE_THIN = 1.0

# Lettering inside pictures names the IPA fonts, which the game installs and ships with.
FONT_GOTHIC = "IPAPGothic, IPAGothic"
FONT_MINCHO = "IPAPMincho, IPAMincho"


def svg(width, height, body, defs=""):
    """Return a complete SVG document of exactly width x height pixels."""
    head = (
        f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
        f'version="1.2" baseProfile="tiny" width="{width}" height="{height}" '
        f'viewBox="0 0 {width} {height}">\n'
    )
    d = f"<defs>\n{defs}\n</defs>\n" if defs else ""
    return head + d + body + "\n</svg>\n"


def write(name, width, height, body, defs=""):
    """Write assets/<name>.svg."""
    path = os.path.join(ASSETS, name + ".svg")
    with open(path, "w", encoding="utf-8") as f:
        f.write(svg(width, height, body, defs))


def cow_head_def(ident="moorin-head"):
    """モーリン's head, drawn once in a 100 x 100 box centred on (50, 50).

    Place it with <use xlink:href="#moorin-head" transform="translate(x,y) scale(s)"/> so the
    face is the same in every picture he appears in.
    """
    return f"""<g id="{ident}">
  <ellipse cx="14" cy="34" rx="14" ry="7" fill="{COW_WHITE}" stroke="{INK}" stroke-width="2.5" transform="rotate(-20 14 34)"/>
  <ellipse cx="86" cy="34" rx="14" ry="7" fill="{COW_WHITE}" stroke="{INK}" stroke-width="2.5" transform="rotate(20 86 34)"/>
  <path d="M28 22 Q24 6 32 4 Q32 14 36 20 Z" fill="{YELLOW}" stroke="{INK}" stroke-width="2.5"/>
  <path d="M72 22 Q76 6 68 4 Q68 14 64 20 Z" fill="{YELLOW}" stroke="{INK}" stroke-width="2.5"/>
  <ellipse cx="50" cy="48" rx="34" ry="36" fill="{COW_WHITE}" stroke="{INK}" stroke-width="3"/>
  <path d="M22 30 Q30 18 44 22 Q46 36 32 40 Q22 40 22 30 Z" fill="{COW_BLACK}"/>
  <path d="M66 60 Q78 52 82 62 Q80 72 70 70 Z" fill="{COW_BLACK}"/>
  <circle cx="38" cy="46" r="5" fill="{INK}"/>
  <circle cx="62" cy="46" r="5" fill="{INK}"/>
  <circle cx="39.5" cy="44.5" r="1.6" fill="#ffffff"/>
  <circle cx="63.5" cy="44.5" r="1.6" fill="#ffffff"/>
  <ellipse cx="50" cy="70" rx="24" ry="16" fill="{COW_PINK}" stroke="{INK}" stroke-width="3"/>
  <ellipse cx="41" cy="70" rx="4" ry="5" fill="{INK}"/>
  <ellipse cx="59" cy="70" rx="4" ry="5" fill="{INK}"/>
  <path d="M42 80 Q50 85 58 80" fill="none" stroke="{INK}" stroke-width="2.5" stroke-linecap="round"/>
</g>"""
