#!/usr/bin/env bash
# Cross-builds the core, quillkit-cli and the core tests for 64-bit Windows with
# mingw-w64 in build-windows/, and runs them under Wine in a fresh prefix that is
# removed afterwards: the core tests through CTest, then quillkit-cli itself, whose
# `format` output must equal the Linux build's byte for byte and whose `host` must
# find installations registered with `wine reg add` in either registry view.
# LINUX_CLI names the Linux quillkit-cli to compare with (default: the test build's).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
started=$SECONDS

scripts/setup.sh g++-mingw-w64-x86-64 wine64
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

linux_cli=${LINUX_CLI:-build-tests/bin/quillkit-cli}
if [[ ! -x $linux_cli ]]; then
  cmake -S . -B build-linux-cli -DQUILLKIT_UI=OFF -DQUILLKIT_TESTS=OFF -DQUILLKIT_BENCHMARKS=OFF
  cmake --build build-linux-cli --parallel "$(nproc)" --target quillkit-cli
  linux_cli=build-linux-cli/bin/quillkit-cli
fi

# -O2 without debug information: quicker to build than RelWithDebInfo, and the -O3 of
# Release makes g++ 12 report false -Wrestrict errors inside std::string (GCC bug 105329).
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
      -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
      -DQUILLKIT_UI=OFF -DQUILLKIT_BENCHMARKS=OFF
cmake --build build-windows --parallel "$(nproc)"
built=$SECONDS

# Wine takes its code page (Windows-1252) and the meaning of our arguments' bytes
# (UTF-8) from the locale.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPREFIX=$(mktemp -d)
export WINEPREFIX
work=$(mktemp -d)
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$work"
}
trap cleanup EXIT

# A server that stays, so that the many short runs below do not each start one.
"$wineserver" -p </dev/null >/dev/null 2>&1
"$wine" wineboot -i >/dev/null 2>&1
booted=$SECONDS

failed=0
ctest --test-dir build-windows --output-on-failure --parallel "$(nproc)" || failed=1
tested=$SECONDS

cli=build-windows/bin/quillkit-cli.exe
fail() {
  echo "windows: $*" >&2
  failed=1
}

# Wine shows this system's root as drive Z:.
win_path() { printf 'Z:%s' "$1"; }

# Runs quillkit-cli.exe and checks exit code, exact stdout and exact stderr (files).
expect_cli() {
  local code=$1 out=$2 err=$3
  shift 3
  local got_code=0
  "$wine" "$cli" "$@" >"$work/out" 2>"$work/err" || got_code=$?
  [[ $got_code == "$code" ]] || fail "quillkit-cli $*: exit $got_code, expected $code"
  cmp -s "$out" "$work/out" || fail "quillkit-cli $*: stdout $(od -c "$work/out" | head -3)"
  cmp -s "$err" "$work/err" || fail "quillkit-cli $*: stderr $(od -c "$work/err" | head -3)"
}
# The text as a file, for expect_cli.
text() {
  local file
  file=$(mktemp -p "$work")
  printf '%s' "$1" >"$file"
  echo "$file"
}
none=$(text "")

# format: the same bytes and exit code as the Linux build, for every Sarvik text of
# the test suite and the fuzzing seeds.
compared=0
# An even sample of a fuzzing corpus, at most 40 inputs and the same every run: after
# a campaign the corpus holds hundreds, and each costs a Wine start.
even_sample() {
  local files=("$1"/*) i
  local stride=$(( (${#files[@]} + 39) / 40 ))
  for (( i = 0; i < ${#files[@]}; i += stride )); do echo "${files[$i]}"; done
}
mapfile -t seeds < <(even_sample fuzz/corpus/sarvik_text)
for file in tests/cli/fixtures/*.txt "${seeds[@]}"; do
  [[ $file == *.expected.txt ]] && continue
  linux_code=0
  "$linux_cli" format "$root/$file" >"$work/linux" 2>/dev/null || linux_code=$?
  windows_code=0
  "$wine" "$cli" format "$(win_path "$root/$file")" >"$work/windows" 2>/dev/null || windows_code=$?
  cmp -s "$work/linux" "$work/windows" || fail "format $file: output differs from the Linux build"
  [[ $linux_code == "$windows_code" ]] || fail "format $file: exit $windows_code, Linux $linux_code"
  expected=${file%.txt}.expected.txt
  if [[ $file == *.txt && -f $expected ]]; then
    cmp -s "$expected" "$work/windows" || fail "format $file: output differs from $expected"
  fi
  compared=$((compared + 1))
done
[[ $compared -gt 0 ]] || fail "no Sarvik fixtures found"

# A file name outside the code page reaches the program whole.
foreign="$work/Ноты 音楽.txt"
cp tests/cli/fixtures/strings.txt "$foreign"
expect_cli 0 tests/cli/fixtures/strings.expected.txt "$none" format "$(win_path "$foreign")"
expect_cli 0 "$(text $'1\n')" "$none" detect "$(win_path "$foreign")"

# host: uninstall entries written the way an installer leaves them.
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
reg_add() { # EDITION VIEW TYPE DATA
  "$wine" reg add "$uninstall\\$1" /v UninstallString /t "$3" /d "$4" /f "/reg:$2" >/dev/null
}
expect_cli 0 "$(text $'\n')" "$none" host
reg_add "Norvex Tarnis" 64 REG_SZ '"C:\Program Files\Norvex Tarnis\uninstall.exe" /S'
expect_cli 0 "$(text $'C:\\Program Files\\Norvex Tarnis\\\n')" "$none" host
reg_add "Norvex Zephal" 64 REG_SZ 'D:\Zephal64\uninstall.exe'
expect_cli 0 "$(text $'D:\\Zephal64\\\n')" "$none" host
reg_add "Norvex Zephal" 32 REG_EXPAND_SZ '%ProgramFiles%\Zephal32\uninstall.exe'
expect_cli 0 "$(text $'%ProgramFiles%\\Zephal32\\\n')" "$none" host
reg_add "Norvex Zephal" 32 REG_DWORD 1
expect_cli 1 "$(text $'D:\\Zephal64\\\n')" "$(text $'Invalid data type for \'UninstallString\'\n')" host

echo "windows: build $((built - started)) s, Wine prefix $((booted - built)) s," \
     "tests $((tested - booted)) s, CLI runs $((SECONDS - tested)) s, total $((SECONDS - started)) s"
exit "$failed"
