#!/usr/bin/env bash
# Takes pictures of the main window on the demo installation under a virtual
# X server (Xvfb): docs/screenshot.png at scale 1 and docs/screenshot-2x.png
# at scale 2 (QT_SCALE_FACTOR=2, as on a high-density screen), and the
# Functions view as docs/functions.png.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="${ORDALIS_BUILD_DIR:-$here/build}"
cmake --build "$build" --target ordalis-demo ordalis-screenshot >/dev/null
demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
"$build/ordalis-demo" "$demo" >/dev/null
mkdir -p "$here/docs"
shoot() {  # OUT SCREEN SCALE [VIEW]
  XDG_CONFIG_HOME="$demo" XDG_RUNTIME_DIR="$demo" QT_SCALE_FACTOR="$3" \
    xvfb-run -a -s "-screen 0 $2x24" \
    "$build/ordalis-screenshot" "$here/docs/$1" "$demo" ${4:-}
}
shoot screenshot.png 1280x800 1
shoot screenshot-2x.png 2400x1600 2
shoot functions.png 1280x800 1 functions
