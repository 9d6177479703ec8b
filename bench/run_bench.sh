#!/usr/bin/env bash
# The import at scale, measured against a peer in the same run.
#
# Builds bench/import_bench in release mode (build-release), makes tiled copies of a real extract
# of about 20,000, 50,000 and 95,000 nodes, and times the import (load to project file written,
# including the drawing at its end) against `osmium fileinfo -e` reading the same file. Prints
# one table: the median of RUNS runs of both, their ratio, and the import's peak memory (GNU time)
# against the file size; then the growth from the 20,000- to the 95,000-node file.
#
# usage: bench/run_bench.sh            (RUNS=5 JOBS=4 by default; KEEP=1 keeps the tiled files)
#
# osmium-tool and GNU time are installed with apt-get when missing: they serve this benchmark
# only and are no dependency of Varnoke.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
shared=$(cd "$here/../shared" && pwd)
runs=${RUNS:-5}
jobs=${JOBS:-4}
build="$here/build-release"
source_osm="$shared/data/three-rivers-josm.osm"

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

need=()
command -v osmium >/dev/null 2>&1 || need+=(osmium-tool)
[ -x /usr/bin/time ] || need+=(time)
if [ "${#need[@]}" -gt 0 ]; then
  echo "Installing for the benchmark: ${need[*]}"
  as_root apt-get update
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${need[@]}"
fi

mkdir -p "$build"
if ! { cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release &&
       cmake --build "$build" --target import_bench -j"$jobs"; } >"$build/bench-build.log" 2>&1; then
  tail -n 30 "$build/bench-build.log" >&2
  echo "run_bench: the release build failed (whole log: $build/bench-build.log)" >&2
  exit 1
fi
bench="$build/bench/import_bench"

work=$(mktemp -d)
if [ "${KEEP:-0}" = 1 ]; then
  echo "tiled files kept in $work"
else
  trap 'rm -rf "$work"' EXIT
fi

# The source has 5,015 nodes: 4, 10 and 19 copies side by side give about 20k, 50k and 95k.
files=("$source_osm")
for cols in 4 10 19; do
  python3 "$shared/tools/tile_osm.py" "$source_osm" "$work/tiled.osm" "$cols" 1
  python3 "$shared/tools/add_bounds.py" "$work/tiled.osm" "$work/tiles-${cols}x1.osm"
  files+=("$work/tiles-${cols}x1.osm")
done
rm -f "$work/tiled.osm"

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One row per file; the import times of the first and the last tiled file are kept for the growth.
declare -A import_ms
printf '\n%-22s %8s %9s %11s %11s %7s %10s %9s\n' file nodes 'size MB' 'import ms' 'osmium ms' ratio 'peak MB' 'peak/size'
for f in "${files[@]}"; do
  name=$(basename "$f")
  : >"$work/import.txt"
  : >"$work/osmium.txt"
  nodes=?
  for ((r = 1; r <= runs; r++)); do
    if ! out=$("$bench" "$f" 2>/dev/null); then
      echo "$name: import_bench wrote no project file" >&2
      continue
    fi
    nodes=$(printf '%s\n' "$out" | sed -n '1s/.* \([0-9]*\) nodes$/\1/p')
    printf '%s\n' "$out" | awk '$1 == "total" { print $2 }' >>"$work/import.txt"
    printf '%s\n' "$out" | awk '/osmium fileinfo -e/ && $NF == "ms" { print $(NF - 1) }' >>"$work/osmium.txt"
  done
  imp=$(median <"$work/import.txt")
  osm=$(median <"$work/osmium.txt")
  # Peak memory in a run of its own, with osmium out of reach, so that only the import counts.
  PATH=/nonexistent /usr/bin/time -v -o "$work/time.txt" "$bench" "$f" >/dev/null 2>&1 || true
  rss_kb=$(awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }' "$work/time.txt")
  bytes=$(stat -c %s "$f")
  import_ms[$name]=$imp
  awk -v name="$name" -v nodes="$nodes" -v bytes="$bytes" -v imp="$imp" -v osm="$osm" -v rss="${rss_kb:-0}" 'BEGIN {
    ratio = (osm > 0 && imp == imp + 0) ? sprintf("%.2f", imp / osm) : "-"
    printf "%-22s %8s %9.2f %11.1f %11.1f %7s %10.1f %9.1f\n", name, nodes, bytes / 1048576, imp, osm, ratio,
           rss / 1024, rss * 1024 / bytes
  }'
done

awk -v small="${import_ms[tiles-4x1.osm]}" -v large="${import_ms[tiles-19x1.osm]}" 'BEGIN {
  printf "\ngrowth 95k / 20k nodes: %.2f (linear: at most 5.5)\n", large / small
}'
echo "targets: ratio at most 1.0 on tiles-19x1.osm; peak below 8 x the file size"
echo "medians of $runs runs; import = load to project file written, with the drawing at its end"
