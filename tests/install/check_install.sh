#!/usr/bin/env bash
# Installs the build tree given as $1 into a temporary prefix, checks that the installed program
# takes its libraries from the prefix, and runs the demo tour there (it opens the storefront
# preview through the web module, so a module that cannot be found fails the tour).
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

program="$prefix/bin/shopowner"
module="$prefix/lib/shopowner/libshopweb.so"
[ -x "$program" ] || { echo "not installed: $program"; exit 1; }
[ -f "$module" ] || { echo "not installed: $module"; exit 1; }
[ -x "$prefix/bin/shop-service" ] || { echo "not installed: shop-service"; exit 1; }

# Every library of ours resolves inside the prefix, not in the build tree.
for library in $(ldd "$program" | awk '/libshop_/ { print $3 }'); do
  case $(realpath "$library") in
    "$(realpath "$prefix")"/lib/shopowner/*) ;;
    *) echo "the installed program takes $library from outside its prefix"; exit 1 ;;
  esac
done

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
unset SHOP_WEB_MODULE SHOP_SERVICE_BIN
"$program" --demo --tour "$work/tour"
[ -s "$work/tour/home-shop-preview.png" ] || { echo "no storefront preview picture"; exit 1; }
echo "installed tree in $prefix runs"
