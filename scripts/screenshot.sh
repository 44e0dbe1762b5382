#!/usr/bin/env bash
# Pictures of the editor with the demo file open, taken under a virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh xvfb xauth
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)" --target quillkit_screenshot
mkdir -p docs
cd examples
# No host installation: the demo's own Samples folder stands in for the host's.
WINEPREFIX=/nonexistent xvfb-run -a -s "-screen 0 1280x800x24" \
  ../build/bin/quillkit_screenshot ../docs/screenshot-waveset.png ../docs/screenshot-oscillators.png
echo "wrote docs/screenshot-waveset.png and docs/screenshot-oscillators.png"
