#!/usr/bin/env bash
# Takes the manual's pictures of the windows anew (docs/manual/images) from
# the sample site, under a virtual display at 1366 × 768; the next build
# makes the manual's PDF with them.
set -euo pipefail
cd "$(dirname "$0")/.."
ninja -C build mirevo_manual_shots
xvfb-run -a -s "-screen 0 1366x768x24" build/tools/mirevo_manual_shots examples docs/manual/images
ls docs/manual/images
