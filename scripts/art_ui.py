"""Problem markers, search arrows, panel and toolbar buttons, and the about box picture."""

from art_svg import DARK, PAPER, QUESTION, Svg, outlined_line, outlined_poly

BUTTON_FACE = "#e3e6ea"
BUTTON_EDGE = "#8a8f96"
ROUTE_BLUE = "#1f3fd6"
FOLDER = "#f2b531"


def button(width=24, height=24):
    """A full-bleed button face: the picture fills its control, nothing is transparent."""
    face = Svg(width, height).rect(0, 0, width, height, BUTTON_EDGE)
    return face.rect(1, 1, width - 2, height - 2, BUTTON_FACE)


def magnifier(s, cx, cy, r, sign=None):
    s.ring(cx, cy, r, DARK, 2)
    s.line([(cx + r * 0.7, cy + r * 0.7), (cx + r * 0.7 + 5, cy + r * 0.7 + 5)], DARK, 3)
    if sign in ("+", "-"):
        s.rect(cx - 3, cy - 1, 6, 2, DARK)
    if sign == "+":
        s.rect(cx - 1, cy - 3, 2, 6, DARK)


def folder(s, front):
    s.poly([(2, 7), (8, 7), (10, 9), (22, 9), (22, 20), (2, 20)], "#a87b1c")
    s.poly([(3, 8), (7.5, 8), (9.5, 10), (21, 10), (21, 19), (3, 19)], FOLDER)
    front(s)
    s.poly([(2, 12), (22, 12), (21, 20), (3, 20)], "#a87b1c")
    s.poly([(3, 13), (21, 13), (20.2, 19), (3.8, 19)], FOLDER)


def map_sheet(s, x, y, w, h):
    s.rect(x, y, w, h, "#5d7a3a").rect(x + 1, y + 1, w - 2, h - 2, "#c5e1a5")
    s.line([(x + 1, y + h - 3), (x + w // 2, y + 2), (x + w - 1, y + h // 2)], "#b0601c", 1)


def paper_sheet(s, x, y, w, h):
    s.rect(x, y, w, h, "#6d6d6d").rect(x + 1, y + 1, w - 2, h - 2, "#eeeeee")
    for k in range(y + 3, y + h - 1, 2):
        s.rect(x + 2, k, w - 4, 1, "#9e9e9e")


def pictures():
    out = []

    def add(name, pic, shows, used):
        out.append((name, pic, shows, used))

    # Problem markers on the map; element 1 of quest and quot is also the panel button.
    quest = Svg(16, 20).disc(8, 7.5, 7.5, DARK).poly([(3, 12), (13, 12), (8, 19.5)], DARK)
    quest.disc(8, 7.5, 6.5, "#ffd54f").poly([(4.5, 12), (11.5, 12), (8, 18)], "#ffd54f")
    quest.bitmap(5, 3, QUESTION, DARK)
    add("markers/quest", quest, "yellow pin with a \"?\"",
        "`quest`(0) template (\"?\" markers of highways, its point at the node, mask `imin`(120)) "
        "and the \"Highways not displayed\" button `quest`(1) in frame 1")
    que = Svg(16, 20).rect(0, 0, 16, 14, DARK).poly([(3, 13), (13, 13), (8, 19.5)], DARK)
    que.rect(1, 1, 14, 12, "#9575cd").poly([(4.5, 13), (11.5, 13), (8, 18)], "#9575cd")
    que.bitmap(5, 2, QUESTION, PAPER)
    add("markers/que", que, "violet square pin with a \"?\"",
        "`que`: picture of a \"?\" marker whose text holds \"AREA\" (mask `imin`(119))")
    quot = Svg(18, 14).rect(0, 0, 16, 10, DARK).poly([(9, 9), (16, 9), (17.8, 13.8)], DARK)
    quot.rect(1, 1, 14, 8, "#ff7043").poly([(10.5, 9), (15, 9), (16.3, 11.8)], "#ff7043")
    for x in (3, 5, 10, 12):
        quot.rect(x, 2, 1, 3, PAPER)
    add("markers/quot", quot, "orange speech bubble holding empty quotes",
        "`quot`(0) template (empty-tag markers, up and left of the node, mask `imin`(122)) "
        "and the \"Empty Tags\" button `quot`(1) in frame 4")
    chain = Svg(16, 16)
    outlined_line(chain, [(2, 2), (10, 10)], "#d81b60", 2.5)
    outlined_poly(chain, [(15, 15), (6.5, 13), (13, 6.5)], "#d81b60")
    add("markers/chain", chain, "pink arrow pointing to its lower right corner",
        "`chain`(0) template: arrows whose lower right corner lies on an unconnected node; "
        "painted through its own mask (the mask for the chain arrows is ours to choose)")
    orang = Svg(24, 24).disc(12, 12, 12, "#e65100").disc(12, 12, 10.8, "#ff9800")
    add("markers/orang", orang, "orange disc, larger than a POI icon",
        "`orang`: painted under the icon of an unnamed POI (style 117, mask `imin`(117)); "
        "the hidden `nonn`(0) template takes its size")
    pointr = Svg(18, 18)
    outlined_line(pointr, [(16.5, 1.5), (6, 12)], "#e53935", 3)
    outlined_poly(pointr, [(1, 17), (2.5, 8), (10, 15.5)], "#e53935")
    add("markers/pointr", pointr, "red arrow pointing to its lower left corner",
        "`pointr`(0) template: search-hit arrows, left x + width / 5, top y - 1.2 x height")

    # Problem panel buttons of the left strip (frames Shape10).
    hidden = button()
    hidden.poly([(4, 8), (12, 3), (20, 7), (19, 18), (7, 20)], DARK).poly([(5.5, 8.5), (12, 4.5), (18.8, 7.7),
                                                                           (18, 17), (7.5, 18.8)], "#aed581")
    hidden.line([(3, 21), (21, 3)], "#d32f2f", 2.5)
    add("buttons/Image2", hidden, "struck-out green area",
        "\"Areas not displayed\" button `Image2` in frame 0")
    fixme = button().rect(1, 1, 22, 22, "#ffe082")
    fixme.line([(5, 19), (14, 10)], DARK, 3).disc(16, 8, 5, DARK).disc(18.5, 5.5, 2.6, "#ffe082")
    add("buttons/Image10", fixme, "spanner on amber", "\"FIXMEs\" button `Image10` in frame 5")
    notes = button()
    notes.poly([(5, 3), (15, 3), (19, 7), (19, 21), (5, 21)], DARK)
    notes.poly([(6, 4), (14.5, 4), (18, 7.5), (18, 20), (6, 20)], "#fff59d")
    notes.poly([(14, 3), (19, 8), (14, 8)], DARK)
    for y in (10, 13, 16):
        notes.rect(8, y, 8, 1, "#5c6bc0")
    add("buttons/Image11", notes, "note sheet with lines", "\"Notes\" button `Image11` in frame 2")
    unclosed = button()
    unclosed.line([(10, 16), (18, 14), (20, 6), (12, 3), (5, 6), (4, 15)], DARK, 1.5)
    unclosed.line([(4, 9), (8, 13)], "#d81b60", 1.5).poly([(10.5, 15.5), (5.8, 14), (9.5, 10.5)], "#d81b60")
    add("buttons/chaina", unclosed, "open outline with a pink arrow at its loose end",
        "\"Areas not closed\" button `chaina` in frame 3")
    other = button()
    for x, y in ((3, 4), (13, 7), (7, 14)):
        other.rect(x, y, 7, 7, "#1b5e20").rect(x + 1, y + 1, 5, 5, "#4caf50")
    add("buttons/shape12", other, "three green node markers", "\"Other Nodes\" button `shape12` in frame 6")

    # Zoom buttons (360 x 285 twips) and the two search buttons.
    zoom_in = button(24, 19)
    magnifier(zoom_in, 10, 8, 5.5, "+")
    add("buttons/Image4_0", zoom_in, "magnifier with a plus", "zoom-in button `Image4`(0) in `Frame7`(0)")
    zoom_out = button(24, 19)
    magnifier(zoom_out, 10, 8, 5.5, "-")
    add("buttons/Image4_1", zoom_out, "magnifier with a minus", "zoom-out button `Image4`(1) in `Frame7`(1)")
    category = button()
    category.rect(3, 3, 6, 6, "#b0601c").rect(10, 3, 6, 6, "#2c6fbb").rect(3, 10, 6, 6, "#2e8b57")
    magnifier(category, 15, 15, 4.5)
    add("buttons/Image6", category, "coloured squares under a magnifier",
        "`Image6`: opens the POI category search panel `Frame9`")
    by_name = button().text(3, 3, "Ab", DARK, 2)
    magnifier(by_name, 15, 15, 4.5)
    add("buttons/Image9", by_name, "\"Ab\" under a magnifier",
        "`Image9`: opens the name search panel `Frame10`")

    # Toolbars: File (Image3) and Routes (rout).
    open_osm = button()
    folder(open_osm, lambda s: map_sheet(s, 6, 3, 13, 10))
    add("toolbar/Image3_0", open_osm, "folder holding a map", "toolbar `Image3`(0) \" Open OMS \"")
    open_parsed = button()
    folder(open_parsed, lambda s: paper_sheet(s, 6, 3, 12, 10))
    add("toolbar/Image3_2", open_parsed, "folder holding a text sheet",
        "toolbar `Image3`(2) \" Open Parsed Files \"")
    gpx = button()
    track = [(3, 19), (8, 12), (12, 15), (17, 6), (21, 9)]
    gpx.line(track, "#000040", 1.5)
    for x, y in track:
        gpx.rect(x - 1.5, y - 1.5, 3, 3, "#ff9800")
    add("toolbar/Image3_6", gpx, "GPS track with points", "toolbar `Image3`(6) \" Import GPX \"")
    route = button()
    points = [(4, 19), (9, 9), (15, 14), (20, 4)]
    route.line(points, ROUTE_BLUE, 2)
    for x, y in points:
        route.rect(x - 2, y - 2, 4, 4, "#00007a").rect(x - 1, y - 1, 2, 2, "#8fb0ff")
    add("toolbar/rout_0", route, "blue route with its points", "route toolbar `rout`(0) \" Create Route \"")
    download = button()
    map_sheet(download, 3, 13, 18, 9)
    download.rect(10, 2, 4, 8, "#1b5e20").poly([(6, 9), (18, 9), (12, 15)], "#1b5e20")
    add("toolbar/rout_1", download, "arrow down onto a map", "route toolbar `rout`(1) \" Download OSM \"")
    globe = button().disc(12, 12, 9.5, "#0d47a1").disc(12, 12, 8.5, "#1e88e5")
    globe.path("M6 7 Q9 5 11 8 Q10 11 7 11 Q4 10 6 7 Z", "#66bb6a").path("M13 13 Q17 11 18 15 Q16 19 13 17 Z",
                                                                          "#66bb6a")
    globe.line([(5, 15), (10, 13), (14, 8), (19, 9)], "#ffd600", 1.5)
    add("toolbar/rout_4", globe, "globe with a yellow route",
        "route toolbar `rout`(4) \" Show Route  on Goiogle Earth\"")

    about = Svg(64, 64).rect(4, 8, 44, 44, DARK).rect(5, 9, 42, 42, "#f1eee8")
    about.poly([(5, 30), (18, 24), (26, 34), (20, 51), (5, 51)], "#c5e1a5")
    about.stroke_path("M5 18 Q20 22 28 14 T47 16", "#90caf9", 4)
    road = [(12, 9), (16, 30), (36, 40), (47, 44)]
    about.line(road, "#9e9e9e", 4).line(road, "#fdd835", 2)
    for x, y in ((30, 22), (12, 40), (38, 28)):
        about.disc(x, y, 2.5, "#b0601c")
    about.disc(42, 40, 14, DARK).disc(42, 40, 11, "#e3f2fd")
    about.line([(36, 40), (40.5, 45), (49, 34)], "#2e7d32", 3.5)
    about.line([(51, 50), (61, 60)], DARK, 6)
    add("about/Picture1", about, "map sheet under a magnifier with a tick",
        "about box picture `Picture1` of `Infor`")
    return out
