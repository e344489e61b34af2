#!/usr/bin/env bash
# Runs two builds of ribwright-cli over the test airfoils with a set of settings and compares every
# file they write (CSV, drawing DXF, PNG, JPEG, PDF, laser SVG and cut DXF with all their stock
# sheets), listing each one: scripts/compare-outputs.sh OLD_CLI NEW_CLI [--png-pixels]
# With --png-pixels, PNG files are compared by their decoded pixels (for a change of compression).
# The PDF's creation date is the one field that differs between two runs; it is masked.
set -euo pipefail
old=$1
new=$2
png_pixels=${3:-}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TZ=UTC

all_features="--spar-notch 30:3x6 --spar-notch 45mm:3x4:bottom --spar-notch 70:2x1.5:both"
all_features+=" --upper-skin 1.5 --lower-skin 0.5 --te-stock 5 --holes 60:2"
settings=(
  ""
  "--no-taper"
  "--points --skin 0 --root-thickness 90 --tip-thickness 80"
  "--root-chord 133.7 --tip-chord 60 --ribs 16 --spar 25 --skin 0.8"
  "--ribs 0 --no-grid --no-spar-line"
  "--sheet 3840x2160 --points"
  "--paper A3 --stock 450x300"
  "--paper Letter --stock 200x80"
  "--spar-notch 30:3x6"
  "--spar-notch 45mm:3x4:bottom"
  "--spar-notch 40:2x1.5:both"
  "--upper-skin 1.5 --lower-skin 0.5"
  "--lower-skin 0"
  "--te-stock 5"
  "--te-stock 20x1.5"
  "--holes 60:2"
  "$all_features"
  "$all_features --stock 200x80 --paper Letter"
  "--stock 200x80 --spar-notch 30:3x6 --holes 60:2 --te-stock 20x1.5 --root-thickness 90"
  "--no-taper --root-chord 300 --spar-notch 50mm:4x5:both --te-stock 10 --holes 50:3"
)

# The file's bytes with the PDF's creation date blanked.
comparable() {
  if [[ $1 == *.pdf ]]; then
    perl -0777 -pe 's{/CreationDate \(D:[^)]*\)}{/CreationDate ()}' "$1"
  else
    cat "$1"
  fi
}

failed=0
compared=0
for airfoil in "$root"/tests/data/*.dat; do
  name=$(basename "$airfoil")
  for i in "${!settings[@]}"; do
    for side in old new; do
      dir=$work/$side/$name/$i
      mkdir -p "$dir"
      cli=$old
      [[ $side == new ]] && cli=$new
      # shellcheck disable=SC2086
      "$cli" ${settings[$i]} --csv "$dir/r.csv" --dxf "$dir/r.dxf" --image "$dir/r.png" \
        --pdf "$dir/r.pdf" --svg "$dir/r.svg" --cut-dxf "$dir/r_cut.dxf" "$airfoil" >/dev/null
      # shellcheck disable=SC2086
      "$cli" ${settings[$i]} --image "$dir/r.jpg" "$airfoil" >/dev/null
    done
    # Every file either side wrote: a sheet only one of them wrote is a difference too.
    files=$( (cd "$work/old/$name/$i" && ls; cd "$work/new/$name/$i" && ls) | sort -u)
    for file in $files; do
      a=$work/old/$name/$i/$file
      b=$work/new/$name/$i/$file
      compared=$((compared + 1))
      if [[ ! -f $a || ! -f $b ]]; then
        same=n
      elif [[ $file == r.png && $png_pixels == --png-pixels ]]; then
        same=$([[ $(convert "$a" rgb:- | sha1sum) == $(convert "$b" rgb:- | sha1sum) ]] && echo y || echo n)
      else
        same=$(cmp -s <(comparable "$a") <(comparable "$b") && echo y || echo n)
      fi
      if [[ $same == y ]]; then
        echo "same:    $name [${settings[$i]}] $file"
      else
        echo "DIFFERS: $name [${settings[$i]}] $file"
        failed=1
      fi
    done
  done
done
echo "$compared files compared"
exit $failed
