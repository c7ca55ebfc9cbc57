#!/usr/bin/env bash
# corpus_page_counts.sh [CORPUS-FOLDER] [MIREVO] [OUT-FOLDER]
# Prints every .xlsx of the corpus (../shared/xlsx-corpus by default) with `mirevo pdf` and
# with LibreOffice (our font substitutes, libreoffice-fonts.conf), and lists each file's page
# count and first page size both ways; lines that differ end in PAGES and/or SIZE.
# Exits 77 (skipped) when soffice or poppler-utils is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
corpus=${1:-$here/../../shared/xlsx-corpus}
mirevo=${2:-$here/../build/src/app/mirevo}
out=${3:-$(mktemp -d)}
for tool in soffice pdfinfo; do
  command -v $tool >/dev/null || { echo "$tool not installed: skipped"; exit 77; }
done
pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ {print $2}'; }
size() { pdfinfo "$1" 2>/dev/null | awk '/^Page size:/ {printf "%.0fx%.0f", $3, $5}'; }
find "$corpus" -name '*.xlsx' | sort | while read -r book; do
  name=$(basename "$(dirname "$book")")/$(basename "$book" .xlsx)
  mkdir -p "$out/$(dirname "$name")"
  QT_QPA_PLATFORM=offscreen timeout 120 "$mirevo" pdf "$book" "$out/$name-mirevo.pdf" >/dev/null 2>&1 || true
  FONTCONFIG_FILE="$here/libreoffice-fonts.conf" timeout 120 soffice "-env:UserInstallation=file://$out/lo-profile" \
    --headless --convert-to pdf --outdir "$out/$(dirname "$name")" "$book" >/dev/null 2>&1 || true
  mine=$(pages "$out/$name-mirevo.pdf"); theirs=$(pages "$out/$name.pdf")
  flags=""
  [[ "$mine" == "$theirs" ]] || flags+=" PAGES"
  [[ "$(size "$out/$name-mirevo.pdf")" == "$(size "$out/$name.pdf")" ]] || flags+=" SIZE"
  echo "$name: mirevo ${mine:-none} $(size "$out/$name-mirevo.pdf"), libreoffice ${theirs:-none} $(size "$out/$name.pdf")$flags"
done
