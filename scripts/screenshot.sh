#!/usr/bin/env bash
# Takes a picture of the main window on the demo installation under a virtual
# X server (Xvfb) and stores it as docs/screenshot.png.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="${ORDALIS_BUILD_DIR:-$here/build}"
cmake --build "$build" --target ordalis-demo ordalis-screenshot >/dev/null
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
"$build/ordalis-demo" "$demo" >/dev/null
mkdir -p "$here/docs"
XDG_CONFIG_HOME="$demo" XDG_RUNTIME_DIR="$demo" \
  xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/ordalis-screenshot" "$here/docs/screenshot.png" "$demo"
