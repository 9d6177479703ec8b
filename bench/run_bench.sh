#!/usr/bin/env bash
# The import at scale, measured against a peer in the same run.
#
# Builds bench/import_bench in release mode (build-release) and makes the inputs: a 3-node file
# (start-up and exit only, and the empty window's memory), the same nodes joined by a road (a
# window that has drawn: it holds the map picture), the real extract three-rivers-josm.osm,
# tiled copies of it of about 20,000, 50,000 and 95,000 nodes, and a 13-14 MB file of tiled copies
# of west-oakland.osm (78,000 nodes, the density of a country extract). For every file it runs, in
# turn and RUNS times, the whole process `import_bench --no-osmium FILE` (start-up, import,
# project file, the drawing at the end, exit) and `osmium fileinfo -e FILE`, timing both from
# outside the same way, and prints the medians: whole-process time, osmium's time, their ratio,
# the import's own total (in-process), its ratio to osmium, the import's peak memory and its
# growth over the window with a road drawn against the file size. A second table gives the
# medians of the in-process phases; then the growth from the 20,000- to the 95,000-node file.
#
# usage: bench/run_bench.sh
#   RUNS=7         runs of each program per file (5 by default)
#   CORES=0,1      pins both programs to these cores (taskset), as on a two-core machine
#   INSTR=1        also counts the instructions of one run of each (valgrind --tool=callgrind),
#                  a measure a loaded machine does not disturb
#   SHARED=dir     the folder with data/ and tools/ (../shared by default)
#   BENCH=path     an import_bench built elsewhere (no build); JOBS=4 for the build; KEEP=1 keeps
#                  the made files
#
# Needs osmium-tool and GNU time (and valgrind for INSTR=1), all from Debian's archive:
#   apt-get install --no-install-recommends osmium-tool time valgrind
# They serve this benchmark only and are no dependency of Varnoke.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
shared=$(cd "${SHARED:-$here/../shared}" && pwd)
runs=${RUNS:-5}
jobs=${JOBS:-4}
pin=()
[ -n "${CORES:-}" ] && pin=(taskset -c "$CORES")

missing=()
command -v osmium >/dev/null 2>&1 || missing+=(osmium-tool)
[ -x /usr/bin/time ] || missing+=(time)
[ "${INSTR:-0}" = 1 ] && ! command -v valgrind >/dev/null 2>&1 && missing+=(valgrind)
if [ "${#missing[@]}" -gt 0 ]; then
  echo "run_bench: install first: apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

if [ -n "${BENCH:-}" ]; then
  bench=$BENCH
else
  build="$here/build-release"
  mkdir -p "$build"
  if ! { cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release &&
         cmake --build "$build" --target import_bench -j"$jobs"; } >"$build/bench-build.log" 2>&1; then
    tail -n 30 "$build/bench-build.log" >&2
    echo "run_bench: the release build failed (whole log: $build/bench-build.log)" >&2
    exit 1
  fi
  bench="$build/bench/import_bench"
fi

work=$(mktemp -d)
if [ "${KEEP:-0}" = 1 ]; then
  echo "made files kept in $work"
else
  trap 'rm -rf "$work"' EXIT
fi

# tile SOURCE COLS ROWS OUT: copies of a real extract side by side, with the bounds the import needs.
tile() {
  python3 "$shared/tools/tile_osm.py" "$shared/data/$1" "$work/tiled.osm" "$2" "$3"
  python3 "$shared/tools/add_bounds.py" "$work/tiled.osm" "$work/$4"
  rm -f "$work/tiled.osm"
}

cat >"$work/three-nodes.osm" <<'EOF'
<?xml version='1.0' encoding='UTF-8'?>
<osm version='0.6' generator='run_bench'>
  <bounds minlat='42.0' minlon='-85.7' maxlat='42.1' maxlon='-85.6' />
  <node id='1' version='1' lat='42.01' lon='-85.61' />
  <node id='2' version='1' lat='42.05' lon='-85.65' />
  <node id='3' version='1' lat='42.09' lon='-85.69' />
</osm>
EOF
# The same three nodes joined by a road: the drawing makes the map picture, which a window that
# has drawn nothing does not hold. Peak growth is measured over this window.
sed "s|</osm>|  <way id='1'><nd ref='1'/><nd ref='2'/><nd ref='3'/><tag k='highway' v='residential'/></way>\n</osm>|" \
  "$work/three-nodes.osm" >"$work/three-nodes-road.osm"
cp "$shared/data/three-rivers-josm.osm" "$work/"
# three-rivers-josm.osm has 5,015 nodes: 4, 10 and 19 copies give about 20k, 50k and 95k.
for cols in 4 10 19; do tile three-rivers-josm.osm "$cols" 1 "tiles-${cols}x1.osm"; done
# west-oakland.osm: 175 copies are 14.1 MB (13.4 MiB) with 78,050 nodes, below the import's
# 100,000-node warning.
tile west-oakland.osm 25 7 oakland-25x7.osm
files=(three-nodes.osm three-nodes-road.osm three-rivers-josm.osm tiles-4x1.osm tiles-10x1.osm tiles-19x1.osm oakland-25x7.osm)

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
now_ns() { date +%s%N; }

# timed NAME OUT CMD...: runs CMD pinned, its output in OUT; appends the wall ms to NAME.ms and
# the peak resident KB to NAME.kb in $work/runs.
timed() {
  local name=$1 out=$2
  shift 2
  local start end
  start=$(now_ns)
  "${pin[@]}" /usr/bin/time -f %M -o "$work/runs/$name.time" "$@" >"$out" 2>/dev/null || true
  end=$(now_ns)
  echo "$(( (end - start) / 1000 ))" | awk '{ print $1 / 1000 }' >>"$work/runs/$name.ms"
  tail -n 1 "$work/runs/$name.time" >>"$work/runs/$name.kb"
}

declare -A whole_ms inproc_ms peak_kb
for f in "${files[@]}"; do
  rm -rf "$work/runs" && mkdir -p "$work/runs/phases"
  for ((r = 1; r <= runs; r++)); do
    # Alternate which program goes first, so that neither always meets a warmer machine.
    if ((r % 2)); then
      timed import "$work/out.txt" "$bench" --no-osmium "$work/$f"
      timed osmium /dev/null osmium fileinfo -e "$work/$f"
    else
      timed osmium /dev/null osmium fileinfo -e "$work/$f"
      timed import "$work/out.txt" "$bench" --no-osmium "$work/$f"
    fi
    sed -n '1s/.* \([0-9]*\) nodes$/\1/p' "$work/out.txt" >"$work/runs/nodes"
    # The phase lines: two spaces, the phase, its time, "ms".
    awk -v dir="$work/runs/phases" '/^  .* ms$/ {
      name = $0; sub(/^  /, "", name); sub(/ +[0-9.]+ ms$/, "", name)
      order[name] = order[name] ? order[name] : ++n
      printf "%s\n", $(NF - 1) >> (dir "/" sprintf("%02d", order[name]) " " name)
    }' "$work/out.txt"
  done
  nodes=$(cat "$work/runs/nodes")
  whole_ms[$f]=$(median <"$work/runs/import.ms")
  peak_kb[$f]=$(median <"$work/runs/import.kb")
  osmium_ms=$(median <"$work/runs/osmium.ms")
  inproc_ms[$f]=$(median <"$work/runs/phases/"*" total" 2>/dev/null || echo nan)
  printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$f" "$nodes" "$(stat -c %s "$work/$f")" "${whole_ms[$f]}" \
    "$osmium_ms" "${inproc_ms[$f]}" >>"$work/rows.txt"
  for p in "$work/runs/phases/"*; do
    [ -e "$p" ] || continue
    printf '%s\t%s\t%s\n' "$f" "$(basename "$p" | cut -c4-)" "$(median <"$p")" >>"$work/phases.txt"
  done
  if [ "${INSTR:-0}" = 1 ]; then
    count() { "${pin[@]}" valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
              awk '/Collected :/ { print $NF }'; }
    printf '%s\t%s\t%s\n' "$f" "$(count "$bench" --no-osmium "$work/$f")" \
      "$(count osmium fileinfo -e "$work/$f")" >>"$work/instructions.txt"
  fi
done

empty_kb=${peak_kb[three-nodes.osm]}
drawn_kb=${peak_kb[three-nodes-road.osm]}
echo
echo "medians of $runs alternating runs${CORES:+, pinned to cores $CORES}; whole = the process"\
     "import_bench --no-osmium timed from outside; in-process = load to the drawing's end"
printf '%-22s %7s %8s %9s %9s %6s %10s %6s %8s %12s\n' file nodes 'size MB' 'whole ms' 'osmium ms' \
  ratio 'in-proc ms' ratio 'peak MB' 'growth/size'
while IFS=$'\t' read -r f nodes bytes whole osm inproc; do
  awk -v f="$f" -v nodes="$nodes" -v bytes="$bytes" -v whole="$whole" -v osm="$osm" \
      -v inproc="$inproc" -v peak="${peak_kb[$f]}" -v drawn="$drawn_kb" 'BEGIN {
    # The growth of a file of a few hundred bytes says nothing but the noise of the reference.
    growth = bytes < 100000 ? "-" : sprintf("%.2f", (peak - drawn) * 1024 / bytes)
    printf "%-22s %7s %8.2f %9.1f %9.1f %6.2f %10.1f %6.2f %8.1f %12s\n", f, nodes, bytes / 1e6,
           whole, osm, whole / osm, inproc, inproc / osm, peak / 1024, growth
  }'
done <"$work/rows.txt"

echo
echo "in-process phases, median ms"
awk -F'\t' '{ if (!($1 in seen)) { seen[$1] = 1; files[++nf] = $1 }
              if (!($2 in pseen)) { pseen[$2] = 1; phases[++np] = $2 }
              v[$1 SUBSEP $2] = $3 }
  END {
    printf "%-20s", "phase"; for (i = 1; i <= nf; ++i) printf " %14.14s", files[i]; printf "\n"
    for (j = 1; j <= np; ++j) {
      printf "%-20s", phases[j]
      for (i = 1; i <= nf; ++i) { k = files[i] SUBSEP phases[j]; printf " %14s", (k in v) ? v[k] : "-" }
      printf "\n"
    }
  }' "$work/phases.txt"

if [ -f "$work/instructions.txt" ]; then
  echo
  printf '%-22s %16s %16s %7s\n' file 'import Ir' 'osmium Ir' ratio
  awk -F'\t' '{ gsub(/,/, "", $2); gsub(/,/, "", $3)
                printf "%-22s %16s %16s %7.2f\n", $1, $2, $3, ($3 > 0) ? $2 / $3 : 0 }' "$work/instructions.txt"
fi

echo
awk -v small="${inproc_ms[tiles-4x1.osm]}" -v large="${inproc_ms[tiles-19x1.osm]}" \
    -v wsmall="${whole_ms[tiles-4x1.osm]}" -v wlarge="${whole_ms[tiles-19x1.osm]}" 'BEGIN {
  printf "growth 95k / 20k nodes: in-process %.2f, whole process %.2f (linear: at most 5.5)\n",
         large / small, wlarge / wsmall
}'
awk -v empty="$empty_kb" -v drawn="$drawn_kb" 'BEGIN {
  printf "empty window (3-node file) peak: %.1f MB (target at most 60); with a road drawn: %.1f MB\n",
         empty / 1024, drawn / 1024
}'
echo "targets: whole ratio at most 1.0 and in-process ratio at most 0.6 on tiles-19x1.osm and"\
     "oakland-25x7.osm; growth over the window with a road drawn at most 2 x the file size"
