#!/usr/bin/env bash
# Times a whole run of the generator against its floor (hold four tables,
# copy the eight final files into place), alternately, and prints the
# median ratio; then the generator's peak resident set.
# Usage: bench/compare_with_floor.sh [build directory] [pairs]   (default: build 31)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
pairs=${2:-31}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/reference" "$scratch/a" "$scratch/b"
(cd "$scratch/reference" && "$build/dsp_init_tables")

"$build/bench/paired_timing" "$pairs" \
  "cd '$scratch/a' && exec '$build/dsp_init_tables'" \
  "cd '$scratch/b' && exec '$build/bench/floor' '$scratch/reference'"
if [ -x /usr/bin/time ]; then
  (cd "$scratch/a" && /usr/bin/time -f "dsp_init_tables peak resident set: %M KiB" "$build/dsp_init_tables")
fi
