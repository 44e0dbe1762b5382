#!/usr/bin/env bash
# Builds the release programs and runs every benchmark, under a virtual X server when
# one can be started (else offscreen), and prints their figures as one table.
set -euo pipefail
cd "$(dirname "$0")/.."

# The CLI is timed on the biggest bank Debian packages.
scripts/setup.sh xvfb xauth musescore-general-soundfont-lossless
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
benches=(open_bench edit_bench undo_bench chooser_bench startup_bench knob_bench document_bench
         waveset_bench untrusted_bench cli_bench)
cmake --build build --parallel "$(nproc)" --target "${benches[@]}"

display=()
platform=offscreen
if command -v xvfb-run >/dev/null; then
  display=(xvfb-run -a -s "-screen 0 1280x800x24")
  platform="Xvfb 1280 x 800"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
     "$(awk '/MemTotal/ {printf "%.0f GiB", $2 / 1048576}' /proc/meminfo); display: $platform"
echo
echo "| benchmark | figure |"
echo "|---|---|"
for bench in "${benches[@]}"; do
  # Run from an empty folder with no host installation: the figures must not depend
  # on what this machine has installed.
  (cd "$work" && WINEPREFIX=/nonexistent "${display[@]}" "$OLDPWD/build/bin/$bench") 2>/dev/null |
    while IFS= read -r line; do
      [[ -n $line ]] && echo "| \`$bench\` | ${line//|/\\|} |"
    done
done
