#!/usr/bin/env bash
# Runs two builds of ribwright-cli over the test airfoils with a set of settings and compares every
# file they write: scripts/compare-outputs.sh OLD_CLI NEW_CLI [--png-pixels]
# With --png-pixels, PNG files are compared by their decoded pixels (for a change of compression).
set -euo pipefail
old=$1
new=$2
png_pixels=${3:-}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

settings=(
  ""
  "--no-taper"
  "--points --skin 0 --root-thickness 90 --tip-thickness 80"
  "--root-chord 133.7 --tip-chord 60 --ribs 16 --spar 25 --skin 0.8"
  "--ribs 0 --no-grid --no-spar-line"
  "--sheet 3840x2160 --points"
)
failed=0
compared=0
for airfoil in "$root"/tests/data/*.dat; do
  for i in "${!settings[@]}"; do
    for side in old new; do
      dir=$work/$side/$i
      mkdir -p "$dir"
      cli=$old
      [[ $side == new ]] && cli=$new
      # shellcheck disable=SC2086
      "$cli" ${settings[$i]} --csv "$dir/r.csv" --dxf "$dir/r.dxf" --image "$dir/r.png" "$airfoil" >/dev/null
      # shellcheck disable=SC2086
      "$cli" ${settings[$i]} --image "$dir/r.jpg" "$airfoil" >/dev/null
    done
    for file in r.csv r.dxf r.png r.jpg; do
      a=$work/old/$i/$file
      b=$work/new/$i/$file
      compared=$((compared + 1))
      if [[ $file == r.png && $png_pixels == --png-pixels ]]; then
        same=$([[ $(convert "$a" rgb:- | sha1sum) == $(convert "$b" rgb:- | sha1sum) ]] && echo y || echo n)
      else
        same=$(cmp -s "$a" "$b" && echo y || echo n)
      fi
      if [[ $same != y ]]; then
        echo "DIFFERS: $(basename "$airfoil") [${settings[$i]}] $file"
        failed=1
      fi
    done
  done
done
echo "$compared files compared"
exit $failed
