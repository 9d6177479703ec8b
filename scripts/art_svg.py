"""Small SVG builder for the artwork: filled shapes on a pixel grid, and a pixel font.

The pictures are rendered without antialiasing, so shapes are laid on whole pixels where it
matters. Pure white is never used: once a picture is flattened, white means "transparent"
(the icon painter ANDs the icon into the map, and white leaves the map unchanged).
"""

DARK = "#262626"
PAPER = "#f8f8f8"


def _num(v):
    """Shortest text of a coordinate: 3, 2.5, 0.25."""
    text = ("%.3f" % v).rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def shade(colour, factor):
    """The colour darkened by the factor (below 1)."""
    r, g, b = (int(int(colour[i:i + 2], 16) * factor) for i in (1, 3, 5))
    return "#%02x%02x%02x" % (r, g, b)


def _pen(width):
    # A pen thinner than a pixel leaves part-covered pixels even on an aliased painter.
    if width < 1:
        raise ValueError("strokes are at least one pixel wide")
    return _num(width)


class Svg:
    """One picture: a size and a list of shape elements, painted in order."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.items = []

    def rect(self, x, y, w, h, fill):
        self.items.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                          % (_num(x), _num(y), _num(w), _num(h), fill))
        return self

    def disc(self, cx, cy, r, fill):
        self.items.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (_num(cx), _num(cy), _num(r), fill))
        return self

    def ring(self, cx, cy, r, colour, width):
        self.items.append('<circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s"/>'
                          % (_num(cx), _num(cy), _num(r), colour, _pen(width)))
        return self

    def ellipse(self, cx, cy, rx, ry, fill):
        self.items.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>'
                          % (_num(cx), _num(cy), _num(rx), _num(ry), fill))
        return self

    def poly(self, points, fill, edge=None):
        """A filled polygon; with an edge colour it is also stroked two pixels wide."""
        pts = " ".join("%s,%s" % (_num(x), _num(y)) for x, y in points)
        stroke = ' stroke="%s" stroke-width="2" stroke-linejoin="miter"' % edge if edge else ""
        self.items.append('<polygon points="%s" fill="%s"%s/>' % (pts, fill, stroke))
        return self

    def path(self, d, fill):
        self.items.append('<path d="%s" fill="%s"/>' % (d, fill))
        return self

    def line(self, points, colour, width, cap="butt"):
        """An open polyline stroked with the given width."""
        pts = " ".join("%s,%s" % (_num(x), _num(y)) for x, y in points)
        self.items.append('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" '
                          'stroke-linecap="%s" stroke-linejoin="miter"/>' % (pts, colour, _pen(width), cap))
        return self

    def stroke_path(self, d, colour, width, cap="butt"):
        self.items.append('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="%s"/>'
                          % (d, colour, _pen(width), cap))
        return self

    def bitmap(self, x, y, rows, fill, scale=1):
        """Pixel art: every '#' of the rows becomes a scale x scale square; runs become one rect."""
        for j, row in enumerate(rows):
            i = 0
            while i < len(row):
                if row[i] != "#":
                    i += 1
                    continue
                start = i
                while i < len(row) and row[i] == "#":
                    i += 1
                self.rect(x + start * scale, y + j * scale, (i - start) * scale, scale, fill)
        return self

    def text(self, x, y, text, fill, scale=1):
        """Text in the pixel font, one blank column between letters."""
        for ch in text:
            rows = FONT[ch]
            self.bitmap(x, y, rows, fill, scale)
            x += (len(rows[0]) + 1) * scale
        return self

    def render(self):
        for item in self.items:
            if "#ffffff" in item.lower() or '"white"' in item:
                raise ValueError("pure white is reserved for transparency: " + item)
        head = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
                % (self.width, self.height, self.width, self.height))
        return "\n".join([head] + self.items + ["</svg>"]) + "\n"


def outlined_rects(s, rects, fill):
    """Rectangles with a one-pixel dark outline around their union."""
    for x, y, w, h in rects:
        s.rect(x - 1, y - 1, w + 2, h + 2, DARK)
    for x, y, w, h in rects:
        s.rect(x, y, w, h, fill)


def outlined_poly(s, points, fill):
    s.poly(points, DARK, DARK).poly(points, fill)


def outlined_line(s, points, colour, width):
    s.line(points, DARK, width + 2)
    s.line(points, colour, width)


# Pixel font: the few letters the pictures spell, five pixels high.
FONT = {
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#"],
    "b": ["#..", "##.", "#.#", "#.#", "##."],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "2": ["##.", "..#", ".#.", "#..", "###"],
    "%": ["#..", "..#", ".#.", "#..", "..#"],
}

# Bold glyphs drawn at scale 1 inside badges and markers.
BIG_P = ["#####.", "######", "##..##", "##..##", "######", "#####.", "##....", "##....", "##....", "##...."]
BIG_H = ["##..##", "##..##", "##..##", "##..##", "######", "######", "##..##", "##..##", "##..##", "##..##"]
BIG_I = ["##", "##", "..", "##", "##", "##", "##", "##", "##"]
QUESTION = [".####.", "##..##", "....##", "...##.", "..##..", "..##..", "......", "..##..", "..##.."]
