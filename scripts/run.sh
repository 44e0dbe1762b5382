#!/usr/bin/env bash
# Builds the editor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
# From the examples folder, so that without a host installation the demo's Samples
# folder stands in for the host's.
cd examples
exec ../build/bin/quillkit "$@"
