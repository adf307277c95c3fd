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

cmake -S "$root" -B "$dir" -G Ninja "${options[@]}"
cmake --build "$dir" -j"$(nproc)"
