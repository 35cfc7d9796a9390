#!/usr/bin/env bash
# Builds the static Windows executable with mingw-w64 and runs it under wine:
#   0. a static executable: no DLLs beyond the system's;
#   1. in a fresh folder: exit 0, nothing printed, the eight pinned files;
#   2. over existing files of other content: all eight replaced;
#   3. with a directory at an output name: non-zero exit, nothing changed.
# Usage: tools/windows_check.sh [build directory]   (default: build-windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-$root/build-windows}" && cd "${1:-$root/build-windows}" && pwd)

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DBUILD_TESTING=OFF
cmake --build "$build" -j2
exe="$build/dsp_init_tables.exe"

# Self-contained: only DLLs that every Windows has.
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '\n' ' ')
for dll in $dlls; do
  case "${dll,,}" in kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-*) ;;
    *) echo "windows check: $exe needs $dll" >&2; exit 1 ;;
  esac
done

export WINEPREFIX="$build/wine" WINEDEBUG=-all
wineboot -i >/dev/null 2>&1 || true # make the prefix once, before anything is timed or read

names=(dsp_init_tpb0.inc tpb0.dmp dsp_init_tpbp0.inc tpbp0.dmp
       dsp_init_tpmb0.inc tpmb0.dmp dsp_init_tpmbp0.inc tpmbp0.dmp)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
work="$scratch/work"
mkdir "$work"

fail() { echo "windows check: $*" >&2; exit 1; }

# Runs the program in $work; sets status, and out/err to what it printed.
run() {
  status=0
  (cd "$work" && wine "$exe" >"$scratch/out" 2>"$scratch/err") || status=$?
  out=$(cat "$scratch/out")
  err=$(cat "$scratch/err")
}

check_pinned() {
  cmake -DDIR="$work" -P "$root/tests/check_digests.cmake" >/dev/null || fail "$1: bytes differ"
  [ "$(ls -A "$work" | wc -l)" -eq 8 ] || fail "$1: files besides the eight: $(ls -A "$work")"
}

run
[ "$status" -eq 0 ] && [ -z "$out$err" ] || fail "fresh run: status $status, printed '$out$err'"
check_pinned "fresh run"

for f in "${names[@]}"; do echo "old content of $f" >"$work/$f"; done
run
[ "$status" -eq 0 ] || fail "run over old files: status $status: $err"
check_pinned "run over old files"

for f in "${names[@]}"; do echo "old content of $f" >"$work/$f"; done
rm "$work/tpbp0.dmp" && mkdir "$work/tpbp0.dmp"
run
[ "$status" -ne 0 ] || fail "directory at tpbp0.dmp: exit status 0"
case "$err" in *tpbp0.dmp*) ;; *) fail "directory at tpbp0.dmp: message '$err'" ;; esac
for f in "${names[@]}"; do
  [ "$f" = tpbp0.dmp ] && continue
  [ "$(cat "$work/$f")" = "old content of $f" ] || fail "directory at tpbp0.dmp: $f changed"
done
[ -d "$work/tpbp0.dmp" ] && [ "$(ls -A "$work" | wc -l)" -eq 8 ] || fail "temporaries left: $(ls -A "$work")"

echo "windows check passed ($dlls): pinned bytes, replacement, failure changes nothing ($err)"
