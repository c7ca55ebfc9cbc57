#!/usr/bin/env bash
# corpus_page_counts.sh [CORPUS-FOLDER] [MIREVO] [OUT-FOLDER]
# Prints every .xlsx of the corpus (../shared/xlsx-corpus by default) with `mirevo pdf` and
# with LibreOffice (our font substitutes, libreoffice-fonts.conf), and lists each file's page
# count and first page size both ways; lines that differ end in PAGES and/or SIZE.
# A program that gives no PDF within the time limit shows "timeout"; one that fails, "none".
# LibreOffice's PDFs are kept in OUT-FOLDER and not made again on a second run.
# Exits 77 (skipped) when soffice or poppler-utils is missing.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
corpus=${1:-$here/../../shared/xlsx-corpus}
mirevo=${2:-$here/../build/src/app/mirevo}
out=${3:-$(mktemp -d)}
limit=${LIMIT:-60}
for tool in soffice pdfinfo; do
  command -v $tool >/dev/null || { echo "$tool not installed: skipped"; exit 77; }
done
profile="$out/lo-profile"
pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ {print $2}' || true; }
size() { pdfinfo "$1" 2>/dev/null | awk '/^Page size:/ {printf "%.0fx%.0f", $3, $5}' || true; }
# LibreOffice's launcher leaves soffice.bin running when it is killed; a leftover instance
# holds the profile and makes every later conversion wait, so it goes too.
stop_libreoffice() { pkill -9 -f "UserInstallation=file://$profile" 2>/dev/null || true; }
# run_limited MARKER COMMAND...: runs COMMAND, writes MARKER when the time limit stopped it.
run_limited() {
  local marker=$1
  shift
  rm -f "$marker"
  timeout -k 5 "$limit" "$@" >/dev/null 2>&1
  local rc=$?
  [[ $rc -eq 124 || $rc -eq 137 ]] && touch "$marker"
  return 0
}
result() { # PDF MARKER
  if [[ -e "$2" ]]; then echo timeout; else echo "$(pages "$1")"; fi
}
find "$corpus" -name '*.xlsx' | sort | while read -r book; do
  name=$(basename "$(dirname "$book")")/$(basename "$book" .xlsx)
  mkdir -p "$out/$(dirname "$name")"
  run_limited "$out/$name-mirevo.timeout" env QT_QPA_PLATFORM=offscreen "$mirevo" pdf "$book" "$out/$name-mirevo.pdf"
  if [[ ! -e "$out/$name.pdf" && ! -e "$out/$name.timeout" ]]; then
    run_limited "$out/$name.timeout" env FONTCONFIG_FILE="$here/libreoffice-fonts.conf" soffice \
      "-env:UserInstallation=file://$profile" --headless --convert-to pdf --outdir "$out/$(dirname "$name")" "$book"
    stop_libreoffice
  fi
  mine=$(result "$out/$name-mirevo.pdf" "$out/$name-mirevo.timeout")
  theirs=$(result "$out/$name.pdf" "$out/$name.timeout")
  flags=""
  [[ "$mine" == "$theirs" ]] || flags+=" PAGES"
  [[ "$(size "$out/$name-mirevo.pdf")" == "$(size "$out/$name.pdf")" ]] || flags+=" SIZE"
  echo "$name: mirevo ${mine:-none} $(size "$out/$name-mirevo.pdf"), libreoffice ${theirs:-none} $(size "$out/$name.pdf")$flags"
done
