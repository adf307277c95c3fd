#!/usr/bin/env bash
# Installs what is missing, builds, and runs the app on the demo shop service.
# With a display the app opens; without one it tours every screen offscreen and says where the
# pictures are. Extra arguments go to shopowner (for example --demo-reset).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"

app="$root/build/src/shopowner"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$app" --demo "$@"
fi
tour="$root/out/tour"
rm -rf "$tour"
QT_QPA_PLATFORM=offscreen "$app" --demo --tour "$tour" "$@"
echo "No display found: the pictures of every screen are in $tour"
