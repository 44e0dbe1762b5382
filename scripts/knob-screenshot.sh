#!/usr/bin/env bash
# Renders the effect knobs and an instrument strip at 100 %, 150 % and 200 %
# scaling to PNG files, without a display, so their sharpness can be looked at.
# Usage: scripts/knob-screenshot.sh [OUTPUT_DIR]   (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-build/screenshots}
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)" --target knob_screenshot
mkdir -p "$out"
for scale in 1 1.5 2; do
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale build/bin/knob_screenshot "$out/knobs-$scale.png"
done
