#!/usr/bin/env python3
"""make_track.py PROJECT.vnk OUT.gpx [POINTS]: writes a GPX track of POINTS (10000) points that
lies inside the window where track dots are drawn (1500..7500 x 1500..6000 of the map picture)
at the view a file opens with (zoom 1.4, offsets -1600 and -1320), for redraw_bench --gpx.

The points run in rows, back and forth, 40 map units apart, so every point is joined to the one
before; the map transform comes from the project file's header (lines 2 to 4: west edge, north
edge, map units per degree)."""
import sys

ZOOM, OFF_X, OFF_Y = 1.4, -1600.0, -1320.0
ROW_STEP, POINT_STEP = 30.0, 40.0


def main():
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as f:
        header = [next(f).decode("latin-1").strip() for _ in range(4)]
    lon0, lat0, scale = float(header[1]), float(header[2]), float(header[3])
    stretch = 1 + lat0 / 100
    points = int(sys.argv[3]) if len(sys.argv) == 4 else 10000
    left = (1500 - OFF_X) / ZOOM + 50
    top = (1500 - OFF_Y) / ZOOM + 50
    per_row = int(((7500 - OFF_X) / ZOOM - 50 - left) // POINT_STEP) + 1
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<gpx version="1.1" creator="make_track.py"><trk><name>bench</name><trkseg>']
    for i in range(points):
        row, col = divmod(i, per_row)
        if row % 2:
            col = per_row - 1 - col
        x, y = left + col * POINT_STEP, top + row * ROW_STEP
        lon = lon0 + (x - 3000) / scale
        lat = lat0 - (y - 2500) / (scale * stretch)
        out.append(f'<trkpt lat="{lat:.7f}" lon="{lon:.7f}"/>')
    out.append("</trkseg></trk></gpx>")
    with open(sys.argv[2], "w", newline="\r\n") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
