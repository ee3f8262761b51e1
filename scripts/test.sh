#!/usr/bin/env bash
# Builds Glimmerdeck with its tests and runs them (headless).
# With SANITIZE=1 it builds with AddressSanitizer and UBSan in build-asan.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh" imagemagick
if [ "${SANITIZE:-0}" = 1 ]; then
  build="$root/build-asan"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLIMMERDECK_SANITIZE=ON \
    -DGLIMMERDECK_BENCH=OFF >/dev/null
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
else
  build="$root/build-tests"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
