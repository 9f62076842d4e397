#!/usr/bin/env bash
# make bench: runs every benchmark built under bench/; each prints its own figures and ratios.
set -euo pipefail
build=${1:-build}
found=0
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  found=1
  echo "== $(basename "$b")"
  "$b"
done
[ "$found" = 1 ] || echo "No benchmarks built."
