#!/usr/bin/env bash
# Builds the Debian package of Mirevo from a clean build (./build-package)
# into ./dist, after checking its desktop entry and AppStream data.
#
#   bash scripts/package.sh           # dist/mirevo_<version>_<arch>.deb
#   bash scripts/package.sh --check   # the same, then installs it with dpkg, tries it as an
#                                     # ordinary user and removes it again (root or sudo)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --package

desktop-file-validate packaging/jp.mirevo.Mirevo.desktop
appstreamcli validate --no-net packaging/jp.mirevo.Mirevo.metainfo.xml

rm -rf build-package dist
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DMIREVO_TESTS=OFF ${MIREVO_CMAKE_ARGS:-} >/dev/null
ninja -C build-package
(cd build-package && cpack -G DEB -B "$PWD/../dist" >/dev/null)
rm -rf dist/_CPack_Packages
deb=$(ls dist/*.deb)
echo "$deb"
dpkg-deb --field "$deb" Package Version Depends

if [[ "${1:-}" == "--check" ]]; then
  bash scripts/check-package.sh "$deb"
fi
