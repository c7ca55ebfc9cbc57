#!/usr/bin/env bash
# compare_with_libreoffice.sh [--plain-fonts] [--max-rel X] BOOK.xlsx [MIREVO] [OUT-FOLDER]
# Prints BOOK.xlsx as PDF with `mirevo pdf` and with `soffice --headless --convert-to pdf`, then
# compares the two page by page: page count, each page's size, and a per-page image difference.
#
# The difference: both pages rendered at 50 dpi in grey (pdftoppm), blurred by 2 pixels (about
# 1 mm, so a rule drawn a fraction of a millimetre away or a glyph of another font's design
# does not count as a difference, while a missing rule, box or line of text does), then the
# root-mean-square difference of the grey levels (ImageMagick `compare -metric RMSE`, 0..1).
# "rel" divides it by the difference between LibreOffice's page and a blank page: 0 means the
# same picture, 1 as far from LibreOffice's page as an empty sheet of paper.
#
# "only-lo" and "only-mirevo" count the pixels (50 dpi) that have ink on one side and none
# within 1.5 mm on the other: a cut word, a leaked row or a spilled line shows there even when
# the page's average difference is small.
#
# LibreOffice runs with libreoffice-fonts.conf (our font substitutes) unless --plain-fonts.
# With --max-rel the script is a check: it fails (exit 1) when the page counts or a page's
# size differ or a page's "rel" exceeds X, and exits 77 (skipped) when soffice, poppler-utils
# or ImageMagick is missing.
set -euo pipefail
fonts="$(cd "$(dirname "$0")" && pwd)/libreoffice-fonts.conf"
max_rel=""
while [[ "${1:-}" == --* ]]; do
  case "$1" in
    --plain-fonts) fonts=""; shift ;;
    --max-rel) max_rel=$2; shift 2 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
for tool in soffice pdfinfo pdftoppm compare convert identify; do
  if ! command -v $tool >/dev/null; then
    echo "$tool not installed: comparison skipped"
    exit 77
  fi
done
book=$1
mirevo=${2:-$(dirname "$0")/../build/src/app/mirevo}
out=${3:-$(mktemp -d)}
mkdir -p "$out"
name=$(basename "$book" .xlsx)
QT_QPA_PLATFORM=offscreen "$mirevo" pdf "$book" "$out/$name-mirevo.pdf" >/dev/null
env ${fonts:+FONTCONFIG_FILE=$fonts} soffice "-env:UserInstallation=file://$out/lo-profile" --headless --convert-to pdf --outdir "$out" "$book" >/dev/null 2>&1
mine="$out/$name-mirevo.pdf"
theirs="$out/$name.pdf"
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
n_mine=$(pages "$mine")
n_theirs=$(pages "$theirs")
echo "pages: mirevo $n_mine, libreoffice $n_theirs"
failed=0
[[ "$n_mine" == "$n_theirs" ]] || failed=1
n=$(( n_mine < n_theirs ? n_mine : n_theirs ))
for ((p = 1; p <= n; p++)); do
  size_mine=$(pdfinfo -f $p -l $p "$mine" | awk '/^Page.*size:/ {printf "%.0fx%.0f", $4, $6}')
  size_theirs=$(pdfinfo -f $p -l $p "$theirs" | awk '/^Page.*size:/ {printf "%.0fx%.0f", $4, $6}')
  pdftoppm -r 50 -gray -f $p -l $p -singlefile "$theirs" "$out/lo"
  pdftoppm -r 50 -gray -f $p -l $p -singlefile "$mine" "$out/me"
  geometry=$(identify -format "%wx%h" "$out/lo.pgm")
  convert "$out/me.pgm" -resize "$geometry!" -blur 0x2 "$out/me-b.pgm"
  convert "$out/lo.pgm" -blur 0x2 "$out/lo-b.pgm"
  convert "$out/lo.pgm" -fill white -colorize 100 "$out/blank.pgm"
  d=$( (compare -metric RMSE "$out/me-b.pgm" "$out/lo-b.pgm" null: 2>&1 || true) | sed 's/.*(\(.*\))/\1/')
  b=$( (compare -metric RMSE "$out/blank.pgm" "$out/lo-b.pgm" null: 2>&1 || true) | sed 's/.*(\(.*\))/\1/')
  rel=$(awk -v d="$d" -v b="$b" 'BEGIN { printf "%.2f", (b > 0 ? d / b : 0) }')
  convert "$out/lo.pgm" -threshold 85% -negate "$out/lo-i.pgm"
  convert "$out/me.pgm" -resize "$geometry!" -threshold 85% -negate "$out/me-i.pgm"
  convert "$out/lo-i.pgm" -morphology Dilate Disk:3 "$out/lo-d.pgm"
  convert "$out/me-i.pgm" -morphology Dilate Disk:3 "$out/me-d.pgm"
  only() { convert "$1" \( "$2" -negate \) -compose Multiply -composite -format "%[fx:int(mean*w*h+0.5)]" info:; }
  only_lo=$(only "$out/lo-i.pgm" "$out/me-d.pgm")
  only_me=$(only "$out/me-i.pgm" "$out/lo-d.pgm")
  printf "page %3d: size %s / %s  rmse %.4f  rel %s  only-lo %s  only-mirevo %s\n" $p "$size_mine" "$size_theirs" "$d" "$rel" "$only_lo" "$only_me"
  [[ "$size_mine" == "$size_theirs" ]] || failed=1
  if [[ -n "$max_rel" ]] && awk -v r="$rel" -v m="$max_rel" 'BEGIN { exit !(r > m) }'; then
    failed=1
  fi
done
if [[ -n "$max_rel" && $failed == 1 ]]; then
  echo "differs from LibreOffice beyond the tolerance"
  exit 1
fi
