#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer, runs every test,
# then runs the fuzz targets of the readers of untrusted bytes, then builds the core and
# quillkit-cli for Windows and tests them under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh clang-14 libclang-rt-14-dev desktop-file-utils
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DQUILLKIT_SANITIZE=ON
cmake --build build-tests --parallel "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-tests --output-on-failure --parallel "$(nproc)"

scripts/fuzz.sh
scripts/windows-tests.sh
