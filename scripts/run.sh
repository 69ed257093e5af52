#!/usr/bin/env bash
# Sets up, builds and starts the program on the demo installation. The first
# start makes a demo folder under the build folder with the demo house
# (demo.nbt), a demo clock file (demo.clk) and its own settings file, so the
# program never touches a real Vantrel.ini.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
build="${ORDALIS_BUILD_DIR:-$here/build}"
demo="$build/demo"

if [ ! -f "$demo/Vantrel.ini" ]; then
  "$build/ordalis-demo" "$demo" >/dev/null
  printf '[Global]\r\nLanguage=0\r\nPath=%s\r\n[Clock]\r\nNBTFile=%s\r\n' \
    "$demo" "$demo/demo.nbt" >"$demo/Vantrel.ini"
  echo "Demo installation made in $demo"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. Start the program under a virtual X server with"
  echo "  xvfb-run -a $here/scripts/run.sh"
  echo "or take a picture of it with $here/scripts/screenshot.sh"
  exit 1
fi

echo "In the start dialog choose \"Read Clocks from file\" and open demo.clk."
export XDG_CONFIG_HOME="$demo"
exec "$build/ordalis"
