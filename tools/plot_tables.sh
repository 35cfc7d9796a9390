#!/usr/bin/env bash
# Draws the tables from their dump files: per row, the value M x 2^E against
# the column on a log scale, for both table sets.  The line of a row covers
# the stretch its mantissa include file lists (filled dots at its ends); an
# open circle marks where the exponent include file's stretch begins.
# Needs gnuplot (Debian package gnuplot-nox) and od.
# Usage: tools/plot_tables.sh [directory with the dumps] [output .png]
set -euo pipefail
dir=${1:-.}
out=${2:-docs/tables.png}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# One set's dumps as plot data: "column value" per listed entry, a block per
# row; and per row the stretch ends and the exponent stretch's first column.
# The dumps are little-endian; od reads them in host order (checked below).
to_data() {
  paste <(od -An -v -t d4 -w4 "$dir/$1") <(od -An -v -t d4 -w4 "$dir/$2") |
    awk -v data="$scratch/$3.dat" -v ends="$scratch/$3.ends" '
      function flush_row() {
        if (lo >= 0) printf "%d %.10g\n%d %.10g\n", lo, vlo, hi, vhi > ends
        if (elo >= 0) printf "%d %.10g\n", elo, velo > (ends ".exp")
        printf "\n\n" > data
      }
      {
        row = int((NR - 1) / 8192); col = (NR - 1) % 8192
        if (row >= 29) { if (!done) flush_row(); done = 1; next }
        if (col == 0) { if (row > 0) flush_row(); lo = -1; elo = -1 }
        m = $1; e = $2
        # listed when positive before saturation: an overflowed entry reads
        # 2147483647 with the exponent -32 of the doubling limit
        if (m > 0 && !(m == 2147483647 && e == -32)) {
          v = m * 2 ^ e
          printf "%d %.10g\n", col, v > data
          if (lo < 0) { lo = col; vlo = v }
          hi = col; vhi = v
          if (e > -32 && elo < 0) { elo = col; velo = v }
        }
      }
      END { if (!done) flush_row() }'
}

[ "$(printf '\001\000\000\000' | od -An -t d4 | tr -d ' ')" = 1 ] ||
  { echo "plot_tables: this host is not little-endian" >&2; exit 1; }
to_data tpb0.dmp tpbp0.dmp first
to_data tpmb0.dmp tpmbp0.dmp second

mkdir -p "$(dirname "$out")"
gnuplot <<GNUPLOT
set terminal pngcairo size 1400,620 font "sans,10"
set output "$out"
set multiplot layout 1,2 title "dsp\\\\_init\\\\_tables: M x 2^E per row (29 rows; colour = row)"
set logscale y
set format y "10^{%L}"
set xlabel "column"
set ylabel "M x 2^E"
set grid
set key bottom right
set cbrange [0:28]
set cblabel "row"
set palette rgbformulae 33,13,10
do for [s in "first second"] {
  set title (s eq "first" ? "scale sqrt(2)/20: init\\\\_tpb, init\\\\_tpbp" : "scale 0.2: init\\\\_tpmb, init\\\\_tpmbp")
  plot for [r=0:28] "$scratch/".s.".dat" index r using 1:2:(r) with lines lc palette notitle, \
       "$scratch/".s.".ends" using 1:2 with points pt 7 ps 0.6 lc rgb "black" title "ends of the listed stretch", \
       "$scratch/".s.".ends.exp" using 1:2 with points pt 6 ps 0.9 lc rgb "black" title "first column of the exponent stretch"
}
unset multiplot
GNUPLOT
echo "wrote $out"
