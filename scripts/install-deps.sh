#!/usr/bin/env bash
# Installs the Debian 12 packages Mirevo needs to build, run and test,
# skipping the install when everything is already there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libzip-dev libpugixml-dev libdeflate-dev libgtest-dev
  fonts-noto-cjk xvfb xauth python3 python3-openpyxl qt6-translations-l10n
  poppler-utils # pdftotext: the PDF tests read the text of our PDFs
)
if [[ "${1:-}" == "--bench" ]]; then
  packages+=(libxlsxwriter-dev)
  # The PDF benchmark and bench/compare_with_libreoffice.sh measure against LibreOffice.
  packages+=(libreoffice-calc imagemagick)
fi
if [[ "${1:-}" == "--package" ]]; then
  # scripts/package.sh: CPack's DEB generator with dpkg-shlibdeps, the icon pictures,
  # the validators of the desktop entry and the AppStream data.
  packages+=(dpkg-dev file librsvg2-bin desktop-file-utils appstream)
fi
if [[ "${1:-}" == "--fuzz" ]]; then
  packages+=(clang-14 libclang-rt-14-dev)  # scripts/fuzz.sh: libFuzzer with ASan/UBSan
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
