#!/usr/bin/env python3
"""make_riverwalk.py [OSM] [OUT]: writes riverwalk.gpx from the Three Rivers extract: the two
waypoints "Main Street Cafe" and "Lowry's Books" at their shop nodes, then the path "Riverwalk
Trail" (way 263) as one track, its nodes in order.

OSM defaults to shared/data/three-rivers-josm.osm in the nearest folder above this script that
has it (../shared beside the repository), OUT to riverwalk.gpx beside this script. Names keep the file's XML escapes, so the GPX is well-formed as it stands."""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
WAY = "263"
WAYPOINTS = ("Main Street Cafe", "Lowry&apos;s Books")


def default_osm():
    folder = HERE
    while os.path.dirname(folder) != folder:
        folder = os.path.dirname(folder)
        candidate = os.path.join(folder, "shared", "data", "three-rivers-josm.osm")
        if os.path.isfile(candidate):
            return candidate
    sys.exit("make_riverwalk.py: three-rivers-josm.osm not found; give its path")


def main():
    osm = sys.argv[1] if len(sys.argv) > 1 else default_osm()
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "riverwalk.gpx")
    with open(osm, encoding="utf-8") as f:
        text = f.read()
    nodes = {}
    named = {}
    for m in re.finditer(r"<node id='(\d+)'[^>]*lat='([-\d.]+)' lon='([-\d.]+)'\s*(/?)>", text):
        nodes[m.group(1)] = (m.group(2), m.group(3))
        if not m.group(4):
            body = text[m.end():text.index("</node>", m.end())]
            name = re.search(r"<tag k='name' v='([^']*)'", body)
            if name:
                named[name.group(1)] = m.group(1)
    way = re.search(r"<way id='%s'[^>]*>(.*?)</way>" % WAY, text, re.S).group(1)
    refs = re.findall(r"<nd ref='(\d+)'", way)
    trail = re.search(r"<tag k='name' v='([^']*)'", way).group(1)

    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<gpx version="1.1" creator="make_riverwalk.py" xmlns="http://www.topografix.com/GPX/1/1">']
    for name in WAYPOINTS:
        lat, lon = nodes[named[name]]
        lines.append(f'  <wpt lat="{lat}" lon="{lon}"><name>{name}</name></wpt>')
    lines.append(f"  <trk><name>{trail}</name><trkseg>")
    for ref in refs:
        lat, lon = nodes[ref]
        lines.append(f'    <trkpt lat="{lat}" lon="{lon}"/>')
    lines += ["  </trkseg></trk>", "</gpx>"]
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    print(f"{out}: {len(WAYPOINTS)} waypoints, {len(refs)} track points of {trail}")


if __name__ == "__main__":
    main()
