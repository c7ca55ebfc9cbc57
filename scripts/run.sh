#!/usr/bin/env bash
# Builds Mirevo and starts it (under a virtual display when there is none).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  exec xvfb-run -a build/src/app/mirevo "$@"
fi
exec build/src/app/mirevo "$@"
