#!/usr/bin/env bash
# Installs what is missing, builds and opens the app.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"

app="$root/build/src/shopowner"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$app" "$@"
fi
# No display: render the first frame offscreen so there is something to look at.
mkdir -p "$root/out"
QT_QPA_PLATFORM=offscreen "$app" --screenshot "$root/out/first-frame.png" "$@"
echo "No display found; the first frame is in $root/out/first-frame.png"
