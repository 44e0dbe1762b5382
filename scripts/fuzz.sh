#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and runs each for a while; any finding
# (crash, sanitizer report, timeout, memory blow-up) fails the command.
#
#   scripts/fuzz.sh                      every target for FUZZ_SECONDS (20), side by side
#   scripts/fuzz.sh --campaign SECONDS [--one-at-a-time] [TARGET...]
#                                        a longer run of the targets named (default all);
#                                        afterwards what they found is merged, minimised,
#                                        into the committed corpora in fuzz/corpus/
set -euo pipefail
cd "$(dirname "$0")/.."

all_targets=(sf2_instruments nsp_layers sarvik_text sarvik_fixed_point wine_registry file_type
             waveset_file)
seconds=${FUZZ_SECONDS:-20}
campaign=0
parallel=1
targets=()
while [[ $# -gt 0 ]]; do
  case $1 in
    --campaign) campaign=1; seconds=$2; shift 2 ;;
    --one-at-a-time) parallel=0; shift ;;
    -*) echo "usage: scripts/fuzz.sh [--campaign SECONDS [--one-at-a-time] [TARGET...]]" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
[[ ${#targets[@]} -gt 0 ]] || targets=("${all_targets[@]}")

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DQUILLKIT_FUZZ=ON -DQUILLKIT_UI=OFF -DQUILLKIT_TESTS=OFF -DQUILLKIT_BENCHMARKS=OFF
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]/%/_fuzzer}"

# Targets that write files do so in memory where the machine has a RAM disk.
if [[ -d /dev/shm && -w /dev/shm ]]; then export TMPDIR=/dev/shm; fi

# New inputs go to build-fuzz; the seeds stay as committed until a campaign merges.
run() {
  local target=$1 work=build-fuzz/runs/$1
  rm -rf "$work" && mkdir -p "$work/corpus"
  build-fuzz/bin/${target}_fuzzer -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "fuzz/corpus/$target" \
      >"$work/log" 2>&1
}

report() {
  local target=$1 log=build-fuzz/runs/$1/log
  echo "fuzz $target: clean, $(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$log" | tail -1)," \
       "$(grep -o 'exec/s: [0-9]*' "$log" | tail -1), $(grep -o 'cov: [0-9]*' "$log" | tail -1)"
}

failed=0
finding() {
  echo "fuzz $1: FINDING (inputs in build-fuzz/runs/$1/)" >&2
  tail -n 40 "build-fuzz/runs/$1/log" >&2
  failed=1
}

if [[ $parallel == 1 ]]; then
  pids=()
  for target in "${targets[@]}"; do
    run "$target" &
    pids+=($!)
  done
  for i in "${!targets[@]}"; do
    if wait "${pids[$i]}"; then report "${targets[$i]}"; else finding "${targets[$i]}"; fi
  done
else
  for target in "${targets[@]}"; do
    if run "$target"; then report "$target"; else finding "$target"; fi
  done
fi

if [[ $campaign == 1 && $failed == 0 ]]; then
  for target in "${targets[@]}"; do
    merged=build-fuzz/runs/$target/merged
    rm -rf "$merged" && mkdir -p "$merged"
    build-fuzz/bin/${target}_fuzzer -merge=1 -timeout=5 "$merged" "fuzz/corpus/$target" \
        "build-fuzz/runs/$target/corpus" >"build-fuzz/runs/$target/merge.log" 2>&1
    rm -f "fuzz/corpus/$target"/*
    cp "$merged"/* "fuzz/corpus/$target/"
    echo "fuzz $target: corpus now $(ls "fuzz/corpus/$target" | wc -l) inputs"
  done
fi
exit "$failed"
