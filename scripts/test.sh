#!/usr/bin/env bash
# Builds the game and runs every test: once with warnings as errors, once under AddressSanitizer
# and UBSan; then checks the formatting. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake ninja-build g++ qt6-base-dev qt6-svg-dev \
  fonts-ipafont-gothic fonts-ipafont-mincho libgtest-dev libgmock-dev clang-format

export QT_QPA_PLATFORM=offscreen

echo "== build and test (warnings as errors)"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci -j2

echo "== build and test under AddressSanitizer and UBSan"
cmake --preset asan >/dev/null
cmake --build --preset asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j2

echo "== formatting"
git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'tools/*.cpp' \
  | xargs clang-format --dry-run --Werror
echo "formatting clean"
