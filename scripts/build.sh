#!/usr/bin/env bash
# Configures and builds. Usage: scripts/build.sh [--sanitize]
#   (default)   optimised build in build/
#   --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/ (what CI tests)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

dir="$root/build"
options=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  dir="$root/build-asan"
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHOP_SANITIZE=ON)
fi

# A compiler cache, where one is installed, makes rebuilds of other checkouts cheap.
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root"
  options+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S "$root" -B "$dir" -G Ninja "${options[@]}"
cmake --build "$dir" -j"$(nproc)"
