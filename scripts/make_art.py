#!/usr/bin/env python3
"""Writes every picture of Varnoke into resources/art/ and the inventory INVENTORY.md.

Run it after changing a drawing and commit its output; the build itself never runs Python.
Usage: python3 scripts/make_art.py
"""

import os
import sys

sys.dont_write_bytecode = True

import art_bitmaps  # noqa: E402
import art_poi  # noqa: E402
import art_ui  # noqa: E402
from art_bitmaps import TILES, Xpm  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "art")

GROUPS = [
    ("poi", "POI icons", "Category templates and legend buttons (by POI code) and the icon store `im` "
     "(by icon number, `poi/x<number>`). Each marker element copies its template's picture and size."),
    ("markers", "Map markers", "Problem markers, search arrows, route and GPX markers."),
    ("buttons", "Buttons", "Problem buttons of the left strip, zoom buttons, search buttons."),
    ("toolbar", "Toolbars", "File toolbar `Image3` and route toolbar `rout`."),
    ("toggles", "Toggles", "The toggle pictures `ex`(0..3)."),
    ("cursors", "Cursors", "Mouse pointers; `platform::cursor` takes the hot spot given here."),
    ("widgets", "Other controls", "Pictures of plain controls."),
    ("about", "About box", "The picture of the about box."),
]

# Where each POI code finds its picture and the style number its painter is given.
CODE_MAP = [
    ("\"CHU\"", "poi/CHU", "28"), ("\"CHU\" with character 30 in its description", "poi/x72", "100"),
    ("\"CHM\"", "poi/x37", "37 (plain)"), ("\"CHJ\"", "poi/x38", "38"), ("\"CHH\"", "poi/x39", "39 (plain)"),
    ("\"CHS\"", "poi/x73", "99 (plain)"), ("\"BUS\"", "poi/BUS", "101"),
    ("\"BUS\" with character 30 in its description", "poi/x71", "101"),
    ("\"X\" and icon number n (\"X5 \", \"X42 \")", "poi/x<n>",
     "n (plain for 10, 13, 45, 46, 50, 52, 58, 61, 64, 65, 68, 70)"),
    ("\"AME\"", "poi/AME", "98"), ("\"TAG\"", "poi/TAG", "99 (plain)"), ("\"ROU\"", "poi/ROU", "106"),
    ("\"TRA\"", "poi/TRA", "99 (plain)"), ("\"PYL\"", "poi/PYL", "99 (plain)"),
    ("every other three-letter code with a marker (\"PUB\", \"ATM\", ...)", "poi/<code>",
     "as in the POI table"),
    ("\"MOT\", \"PLA\", \"BAY\"", None, "no marker"),
]

# The mask pictures imin by element: the mask of the named picture. 110, 111, 114 and 115 are
# elements no style number selects, so no picture stands behind them.
IMIN_SPECIAL = {6: "poi/SUP", 28: "poi/CHU", 98: "poi/AME", 100: "poi/x72", 101: "poi/BUS",
                102: "poi/PUB", 103: "poi/ADR", 104: "poi/FUE", 105: "poi/MOB", 106: "poi/ROU",
                107: "poi/TOI", 108: "poi/ATM", 109: "poi/BAN", 112: "poi/RES", 113: "poi/CAF",
                117: "markers/orang", 119: "markers/que", 120: "markers/quest", 121: "poi/STA",
                122: "markers/quot"}
IMIN_ELEMENTS = (list(range(0, 45)) + [47, 48, 49, 51] + list(range(53, 58))
                 + [59, 60, 62, 63, 66, 67, 69, 74, 98] + list(range(100, 116)) + [117, 119, 120, 121, 122])


def imin_source(element):
    if element in IMIN_SPECIAL:
        return IMIN_SPECIAL[element]
    if element <= 74:
        return "poi/x%d" % element
    return None


def collect():
    pics = art_poi.pictures() + art_ui.pictures() + art_bitmaps.pictures()
    names = [p[0] for p in pics]
    if len(names) != len(set(names)):
        raise ValueError("duplicate picture names")
    return pics


def write_files(pics):
    written = set()
    for name, pic, _, _ in pics:
        ext = ".xpm" if isinstance(pic, Xpm) else ".svg"
        path = os.path.join(ROOT, name + ext)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        text = pic.render(name.replace("/", "_")) if isinstance(pic, Xpm) else pic.render()
        with open(path, "w", encoding="ascii", newline="\n") as f:
            f.write(text)
        written.add(os.path.normpath(path))
    for folder, _, files in os.walk(ROOT):
        for f in files:
            path = os.path.normpath(os.path.join(folder, f))
            if f.endswith((".svg", ".xpm")) and path not in written:
                os.remove(path)


def inventory(pics):
    by_name = {p[0]: p for p in pics}
    lines = [
        "# Artwork inventory",
        "",
        "Every picture below is drawn by `scripts/make_art.py`; run it after changing a drawing and",
        "commit its output. Pictures are loaded by name through `platform::picture` (`:/art/<name>`).",
        "",
        "Rules every picture keeps:",
        "",
        "- Pure white (255, 255, 255) never appears in a picture: a loaded picture is flattened on white,",
        "  and the icon painter's AND pass leaves the map unchanged under white. The mask of a picture",
        "  is black exactly where the picture is not white.",
        "- Icons painted with style 99 or a style of `plainIconCodes` are copied as opaque rectangles,",
        "  so they fill their whole picture; icons painted through a mask are badges or silhouettes.",
        "- Pictures that share a mask share their shape: `poi/CHU` and `poi/x28` (style 28), `poi/PUB`",
        "  and `poi/REC` (style 102), `poi/BUS` and `poi/x71` (style 101).",
        "- A pattern tile holds its background colour at pixel (1, 1) and repeats seamlessly.",
        "- The \" Icons\" legend page shows 69 pictures of the icon store `im`: the 68 icons of the \"X\"",
        "  codes and `poi/x72`; the store also holds `poi/x37`, `x38`, `x39`, `x71` and `x73`.",
        "  No code uses icon number 6, so there is no `poi/x6`.",
        "",
        "## POI codes and their pictures",
        "",
        "| code | picture | style |",
        "|---|---|---|",
    ]
    lines += ["| %s | %s | %s |" % (code, "`%s`" % name if name else "no picture", style)
              for code, name, style in CODE_MAP]
    for group, title, about in GROUPS:
        rows = [p for p in pics if p[0].startswith(group + "/")]
        lines += ["", "## %s" % title, "", about, "",
                  "| name | size | shows | used by |", "|---|---|---|---|"]
        lines += ["| `%s` | %dx%d | %s | %s |" % (n, pic.width, pic.height, shows, used)
                  for n, pic, shows, used in rows]
    lines += ["", "## Pattern tiles", "",
              "`picTile`(1..29); element 0 is a scratch tile of the Planning Sheet and has no picture.", "",
              "| name | size | background (r, g, b) | shows | used by |", "|---|---|---|---|---|"]
    for n in sorted(TILES):
        name = "tiles/%d" % n
        _, pic, shows, used = by_name[name]
        lines.append("| `%s` | %dx%d | %d, %d, %d | %s | %s |" % ((name, pic.width, pic.height) + TILES[n][0]
                                                                  + (shows, used)))
    lines += ["", "## Masks `imin`", "",
              "`platform::imin`(element) is the mask of the picture named here. Elements 110, 111, 114",
              "and 115 exist in the window but no style number selects them; they hold no mask.", "",
              "| element | mask of |", "|---|---|"]
    for element in IMIN_ELEMENTS:
        source = imin_source(element)
        if source is None:
            continue
        if source not in by_name:
            raise ValueError("imin %d names a missing picture %s" % (element, source))
        lines.append("| %d | `%s` |" % (element, source))
    return "\n".join(lines) + "\n"


def main():
    pics = collect()
    write_files(pics)
    text = inventory(pics)
    with open(os.path.join(ROOT, "INVENTORY.md"), "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print("%d pictures written to %s" % (len(pics), os.path.normpath(ROOT)))


if __name__ == "__main__":
    main()
