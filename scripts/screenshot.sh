#!/usr/bin/env bash
# Takes pictures of the main window on the demo installation under a virtual
# X server (Xvfb): the week view as docs/screenshot.png, the Functions view
# as docs/functions.png.
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
XDG_CONFIG_HOME="$demo" XDG_RUNTIME_DIR="$demo" \
  xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/ordalis-screenshot" "$here/docs/functions.png" "$demo" functions
