#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and runs each for a while; any finding
# (crash, sanitizer report, timeout, memory blow-up) fails the command.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-20}
targets=(sf2_instruments nsp_layers sarvik_text sarvik_fixed_point wine_registry file_type)

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DQUILLKIT_FUZZ=ON -DQUILLKIT_UI=OFF -DQUILLKIT_TESTS=OFF -DQUILLKIT_BENCHMARKS=OFF
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/%/_fuzzer}"

# The targets run side by side; new inputs go to build-fuzz, the seeds stay as committed.
pids=()
for target in "${targets[@]}"; do
  work=build-fuzz/runs/$target
  rm -rf "$work" && mkdir -p "$work/corpus"
  build-fuzz/bin/${target}_fuzzer -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -artifact_prefix="$work/" "$work/corpus" "fuzz/corpus/$target" >"$work/log" 2>&1 &
  pids+=($!)
done

failed=0
for i in "${!targets[@]}"; do
  if wait "${pids[$i]}"; then
    echo "fuzz ${targets[$i]}: clean, $(grep -o 'Done [0-9]* runs' "build-fuzz/runs/${targets[$i]}/log")"
  else
    echo "fuzz ${targets[$i]}: FINDING (inputs in build-fuzz/runs/${targets[$i]}/)" >&2
    tail -n 40 "build-fuzz/runs/${targets[$i]}/log" >&2
    failed=1
  fi
done
exit "$failed"
