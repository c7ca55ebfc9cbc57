#!/usr/bin/env bash
# Checks that the C++ sources follow .clang-format (Debian 12's clang-format 14).
# --fix rewrites the files instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends clang-format >/dev/null
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--fix" ]]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/mirevo-format.txt; then
  grep -m 20 "error:" /tmp/mirevo-format.txt >&2 || true
  echo "Some files do not follow .clang-format; scripts/check-format.sh --fix rewrites them." >&2
  exit 1
fi
echo "format: ${#files[@]} files follow .clang-format"
