#!/usr/bin/env bash
# Sets up, builds and starts the program on the demo installation. The first
# start makes a demo folder under the build folder with the demo house
# (demo.nbt), a demo clock file (demo.clk) and its own settings file, so the
# program never touches a real Vantrel.ini. A simulated central unit
# (ordalis-sim) runs on a pseudo-terminal for as long as the program does;
# the settings file maps the ports COM1 to COM8 to it.
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

# The simulated central: its pseudo-terminal is reached through $demo/central.
if ! grep -q '^\[Ports\]' "$demo/Vantrel.ini"; then
  printf '[Ports]\r\n' >>"$demo/Vantrel.ini"
  for n in 1 2 3 4 5 6 7 8; do printf 'COM%s=%s\r\n' "$n" "$demo/central" >>"$demo/Vantrel.ini"; done
fi
"$build/ordalis-sim" --nbt "$demo/demo.nbt" --clk "$demo/demo.clk" --link "$demo/central" --log "$demo/central.log" >/dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null || true; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -L "$demo/central" ] && break; sleep 0.1; done

echo "In the start dialog choose \"Read Clocks from file\" and open demo.clk."
echo "The simulated central unit answers on every port (its traffic: $demo/central.log)."
export XDG_CONFIG_HOME="$demo"
"$build/ordalis"
