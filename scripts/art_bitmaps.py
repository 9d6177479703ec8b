"""Pixel-exact pictures written as XPM: pattern tiles, cursors, toggles and tiny markers.

A pattern tile keeps its background colour at pixel (1, 1): the Planning Sheet's mask maker
keys on that pixel. Marks are stamped with wrap-around, so every tile repeats seamlessly.
"""


class Xpm:
    """Rows of one-character pixels and the colour of each character ("None" = transparent)."""

    def __init__(self, rows, colours):
        self.rows = rows
        self.colours = colours
        self.width = len(rows[0])
        self.height = len(rows)
        if any(len(r) != self.width for r in rows):
            raise ValueError("ragged rows")
        for ch, colour in colours.items():
            if colour.lower() == "#ffffff":
                raise ValueError("pure white is reserved for transparency")
        unknown = {ch for r in rows for ch in r} - set(colours)
        if unknown:
            raise ValueError("no colour for %r" % sorted(unknown))

    def render(self, ident):
        used = sorted({ch for r in self.rows for ch in r})
        lines = ["/* XPM */", "static const char *%s[] = {" % ident,
                 '"%d %d %d 1",' % (self.width, self.height, len(used))]
        lines += ['"%s c %s",' % (ch, self.colours[ch]) for ch in used]
        lines += ['"%s",' % r for r in self.rows]
        lines[-1] = lines[-1].rstrip(",")
        return "\n".join(lines + ["};"]) + "\n"


def rgb(r, g, b):
    return "#%02x%02x%02x" % (r, g, b)


def stamp(grid, sprite, x, y):
    n = len(grid)
    for j, row in enumerate(sprite):
        for i, ch in enumerate(row):
            if ch != ".":
                grid[(y + j) % n][(x + i) % n] = ch


def tile(size, sprites=(), rule=None):
    grid = [["."] * size for _ in range(size)]
    if rule:
        if any(rule(x, y) != rule(x + size, y) or rule(x, y) != rule(x, y + size)
               for x in range(size) for y in range(size)):
            raise ValueError("a tile's rule must repeat with the tile size")
        for y in range(size):
            for x in range(size):
                if rule(x, y):
                    grid[y][x] = "x"
    for sprite, x, y in sprites:
        stamp(grid, sprite, x, y)
    if grid[1][1] != ".":
        raise ValueError("pixel (1, 1) must keep the background")
    return ["".join(r) for r in grid]


CONIFER = ["..x..", ".xxx.", "xxxxx", ".xxx.", "xxxxx", "..x.."]
ROUND_TREE = [".xxx.", "xxxxx", "xxxxx", ".xxx.", "..x.."]
SMALL_TREE = [".x.", "xxx", ".x."]
CROSS = [".x.", "xxx", ".x.", ".x.", ".x."]
BUSH = [".xx.", "xxxx"]
REEDS = ["x.x.x", ".xxx.", "..x.."]
DASH = ["xxx"]
DOT = ["x"]
ROCK = [".x.", "xxx"]
TENT = ["..x..", ".xxx.", "xx.xx"]
CARAVAN = ["xxxx", "xxxx", ".x.."]
TUFT = ["x.x", ".x."]
VEE = ["x.x", ".x."]
PAW = ["x.x", "...", ".x."]

NO_AREA_KIND = "no area kind; a project file may still name it"

# number: (background, mark, what it shows, which areas use it, rows)
TILES = {
    1: ((141, 196, 192), (74, 128, 124), "conifers", "landuse forest",
        tile(16, [(CONIFER, 2, 2), (CONIFER, 10, 10)])),
    2: ((169, 202, 174), (96, 130, 101), "crosses", "landuse cemetery, amenity grave_yard",
        tile(16, [(CROSS, 3, 3), (CROSS, 11, 11)])),
    3: ((196, 222, 170), (118, 158, 98), "bushes", "natural scrub",
        tile(16, [(BUSH, 3, 4), (BUSH, 11, 2), (BUSH, 7, 11), (BUSH, 14, 13)])),
    4: ((222, 245, 193), (70, 130, 180), "reeds and water", "natural marsh, natural wetland",
        tile(16, [(REEDS, 2, 3), (REEDS, 10, 11), (DASH, 9, 5), (DASH, 1, 13)])),
    5: ((254, 240, 186), (214, 188, 120), "sand dots", "natural beach",
        tile(16, [(DOT, 4, 3), (DOT, 11, 5), (DOT, 7, 9), (DOT, 14, 12), (DOT, 2, 13), (DOT, 9, 15)])),
    6: ((176, 176, 176), (88, 88, 88), "grey conifers", "the Planning Sheet's forest (area style 1)",
        tile(16, [(CONIFER, 2, 2), (CONIFER, 10, 10)])),
    7: ((90, 90, 90), (40, 40, 40), "rocks", "landuse quarry",
        tile(16, [(ROCK, 3, 3), (ROCK, 10, 8), (ROCK, 5, 12), (ROCK, 13, 14)])),
    8: ((200, 176, 132), (150, 126, 82), "plot lines", "landuse allotments",
        tile(16, rule=lambda x, y: y % 8 == 7 or (x % 16 == 3 and y % 16 < 7)
             or (x % 16 == 11 and y % 16 > 7))),
    9: ((230, 220, 209), (170, 160, 149), "pebbles", "natural bay, fell, land, mud, scree",
        tile(16, [(DOT, 3, 3), (DASH, 9, 6), (DOT, 6, 10), (DASH, 12, 13), (DOT, 14, 2)])),
    10: ((222, 245, 193), (138, 186, 118), "small vees", "leisure nature_reserve",
         tile(16, [(VEE, 3, 3), (VEE, 11, 11)])),
    11: ((124, 197, 118), (74, 147, 68), "vine rows", "landuse vineyard",
         tile(16, rule=lambda x, y: (x % 4 == 2 and y % 8 in (3, 4)) or (x % 4 == 0 and y % 8 in (7, 0)))),
    12: ((221, 236, 200), (121, 151, 95), "paw prints", "tourism zoo",
         tile(16, [(PAW, 3, 3), (PAW, 11, 11)])),
    13: ((196, 230, 160), (104, 160, 80), "small trees in rows", "landuse orchard",
         tile(16, [(SMALL_TREE, 3, 3), (SMALL_TREE, 11, 3), (SMALL_TREE, 7, 11), (SMALL_TREE, 15, 11)])),
    14: ((199, 199, 180), (139, 139, 110), "diagonal hatch", "landuse brownfield, greenfield, construction",
         tile(16, rule=lambda x, y: (x + y) % 8 == 4)),
    15: ((222, 246, 192), (120, 150, 90), "tents", "tourism camp_site",
         tile(16, [(TENT, 3, 3), (TENT, 11, 11)])),
    16: ((230, 240, 210), (130, 140, 110), "caravans", "tourism caravan_site",
         tile(16, [(CARAVAN, 3, 4), (CARAVAN, 11, 12)])),
    17: ((174, 209, 160), (104, 149, 90), "round trees", "woods (any key with the value wood)",
         tile(16, [(ROUND_TREE, 2, 2), (ROUND_TREE, 10, 10)])),
    18: ((222, 209, 213), (152, 139, 143), "rails and sleepers", "railway ways tagged with landuse",
         tile(16, rule=lambda x, y: y % 16 in (5, 9) or (x % 4 == 2 and 4 <= y % 16 <= 10))),
    19: ((181, 208, 208), (121, 158, 168), "waves", "waterway riverbank, leisure water_park",
         tile(16, rule=lambda x, y: y % 16 == 4 + (0, 1, 1, 0, 0, -1, -1, 0)[x % 8]
              or y % 16 == 12 + (0, 1, 1, 0, 0, -1, -1, 0)[(x + 4) % 8])),
    20: ((206, 235, 168), (146, 185, 108), "grass tufts", "landuse grass, meadow, village_green",
         tile(16, [(TUFT, 3, 3), (TUFT, 11, 7), (TUFT, 6, 11), (TUFT, 14, 14)])),
    21: ((137, 210, 174), (87, 160, 124), "court lines", "leisure tennis",
         tile(16, rule=lambda x, y: x % 8 == 4 or y % 8 == 4)),
    22: ((175, 175, 175), (95, 95, 95), "grey hatch", "the Planning Sheet's buildings and styles 22 to 29",
         tile(16, rule=lambda x, y: (x - y) % 4 == 3)),
    23: ((215, 215, 200), (160, 160, 140), "dots", NO_AREA_KIND,
         tile(8, rule=lambda x, y: x % 4 == 2 and y % 4 == 2)),
    24: ((200, 215, 215), (140, 160, 160), "horizontal lines", NO_AREA_KIND,
         tile(8, rule=lambda x, y: y % 4 == 3)),
    25: ((215, 200, 215), (160, 140, 160), "vertical lines", NO_AREA_KIND,
         tile(8, rule=lambda x, y: x % 4 == 3)),
    26: ((210, 210, 190), (150, 150, 120), "cross-hatch", NO_AREA_KIND,
         tile(8, rule=lambda x, y: (x + y) % 4 == 3 or (x - y) % 4 == 2)),
    27: ((190, 210, 190), (130, 160, 130), "checks", NO_AREA_KIND,
         tile(8, rule=lambda x, y: (x // 2 + y // 2) % 2 == 1)),
    28: ((225, 215, 195), (170, 155, 125), "rising hatch", NO_AREA_KIND,
         tile(8, rule=lambda x, y: (x - y) % 8 == 4)),
    29: ((205, 205, 225), (145, 145, 175), "small crosses", NO_AREA_KIND,
         tile(8, rule=lambda x, y: (x % 8 == 5 and 4 <= y % 8 <= 6) or (y % 8 == 5 and 4 <= x % 8 <= 6))),
}

def outline(fill, width, height):
    """Rows of 'k' (the fill) with a one-pixel 'w' border around it."""
    rows = []
    for y in range(height):
        row = ""
        for x in range(width):
            if (x, y) in fill:
                row += "k"
            elif any((x + dx, y + dy) in fill for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                row += "w"
            else:
                row += "."
        rows.append(row)
    return rows


def move_cursor():
    fill = set()
    for k in range(6, 25):
        for t in (14, 15, 16):
            fill.add((t, k))
            fill.add((k, t))
    for d in range(5):
        for t in range(15 - d, 16 + d):
            fill.update({(t, 2 + d), (t, 28 - d), (2 + d, t), (28 - d, t)})
    return Xpm(outline(fill, 32, 32), {".": "None", "k": "#000000", "w": "#f8f8f8"})


def route_cursor():
    fill = set()
    for k in list(range(3, 13)) + list(range(18, 28)):
        fill.add((15, k))
        fill.add((k, 15))
    rows = outline(fill, 32, 32)
    rows = [r[:14] + ("bbb" if 14 <= y <= 16 else r[14:17]) + r[17:] for y, r in enumerate(rows)]
    return Xpm(rows, {".": "None", "k": "#000000", "w": "#f8f8f8", "b": "#0000ff"})


def toggle(width, height, pointing_left):
    cy = (height - 1) / 2
    span = height // 2 - 1
    rows = []
    for y in range(height):
        row = ""
        for x in range(width):
            if x in (0, width - 1) or y in (0, height - 1):
                row += "e"
                continue
            depth = (x - 5) if pointing_left else (width - 6 - x)
            inside = 0 <= depth <= span and abs(y - cy) <= depth and 5 <= x <= width - 6
            row += "a" if inside else "."
        rows.append(row)
    return Xpm(rows, {".": rgb(224, 224, 224), "e": rgb(140, 140, 140), "a": rgb(64, 64, 64)})


def square_marker(size, edge, fill):
    rows = ["e" * size] + ["e" + "f" * (size - 2) + "e" for _ in range(size - 2)] + ["e" * size]
    return Xpm(rows, {"e": edge, "f": fill})


def pictures():
    out = []

    def add(name, pic, shows, used):
        out.append((name, pic, shows, used))

    for n in sorted(TILES):
        bg, mark, shows, use, rows = TILES[n]
        add("tiles/%d" % n, Xpm(rows, {".": rgb(*bg), "x": rgb(*mark)}), shows,
            "`picTile`(%d): %s" % (n, use))

    add("cursors/Image7", move_cursor(), "black four-way arrows, hot spot (15, 15)",
        "`Image7`: pointer of `p1` while the map is dragged")
    add("cursors/Image8", route_cursor(), "cross hairs with a blue centre, hot spot (15, 15)",
        "`Image8`: pointer of `p1` while a route is drawn")

    add("toggles/ex_0", toggle(18, 17, True), "triangle pointing left", "toggle `ex`(0) in the left strip")
    add("toggles/ex_1", toggle(15, 17, False), "triangle pointing right", "toggle `ex`(1) in the left strip")
    add("toggles/ex_2", toggle(15, 11, True), "triangle pointing left",
        "toggle `ex`(2) in the right strip: shows the legend panel")
    add("toggles/ex_3", toggle(15, 11, False), "triangle pointing right",
        "toggle `ex`(3) in the right strip: hides the legend panel")

    add("markers/plt", square_marker(6, rgb(0, 0, 160), rgb(143, 176, 255)), "light blue square",
        "`plt`(0) template: route point markers")
    add("markers/gps", square_marker(6, rgb(0, 0, 64), rgb(255, 152, 0)), "orange square",
        "`gps`(0) template: GPX point markers")
    add("markers/Image5", square_marker(6, rgb(0, 0, 64), rgb(229, 57, 53)), "red square",
        "`Image5`: GPX waypoint whose name holds \"w\"")
    add("markers/gpt", Xpm([".kkk.", "kkkkk", "kkkkk", "kkkkk", ".kkk."], {".": "None", "k": rgb(0, 0, 64)}),
        "navy dot", "`gpt`(0) template: GPX track points")
    add("poi/TAG", square_marker(7, rgb(27, 94, 32), rgb(76, 175, 80)), "green square",
        "`shape1`(0) template: tagged nodes without an icon, code \"TAG\", style 99 (plain)")
    pylon_rows = ["eeeeeee", "exfffxe", "efxfxfe", "effxffe", "efxfxfe", "exfffxe", "eeeeeee"]
    add("poi/PYL", Xpm(pylon_rows, {"e": rgb(66, 66, 66), "x": rgb(66, 66, 66), "f": rgb(189, 189, 189)}),
        "grey square with a cross", "`pylon`(0) template: code \"PYL\", style 99 (plain)")
    shades = [(120, 170, 255), (100, 155, 250), (80, 140, 240), (70, 125, 230), (60, 115, 225),
              (55, 105, 220), (50, 100, 215), (45, 95, 210), (40, 90, 205), (35, 85, 200), (30, 80, 195),
              (20, 70, 190)]
    keys = "abcdefghijkl"
    bar = Xpm([k * 8 for k in keys], {k: rgb(*c) for k, c in zip(keys, shades)})
    add("widgets/progimage", bar, "blue bar, shaded top to bottom",
        "`progimage`: the import's progress bar, stretched to its width")
    return out
